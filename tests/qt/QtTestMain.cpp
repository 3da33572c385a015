// Runs the Qt runtime tests with the one application object a process may have.
#include "RecordingEvents.h"

#include <gtest/gtest.h>

namespace {

platform::qt::QtRuntime* theRuntime = nullptr;

} // namespace

platform::qt::QtRuntime& TestRuntime() {
    return *theRuntime;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Forking a process that already runs Qt is unsafe; each death test starts afresh instead.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS(); // test discovery runs without a display
    }
    platform::qt::QtRuntime runtime(argc, argv);
    theRuntime = &runtime;
    return RUN_ALL_TESTS();
}
