// A thousand clicks through the real resolver: nothing of a lookup is kept, so memory stays flat.
// Leaks themselves are reported by the sanitizer build.
#include "fakes/FakeRuntime.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"
#include "platform/posix/PosixSockets.h"

#include <cstddef>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

long ResidentKiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST(ManyClicks, KeepMemoryFlat) {
    fakes::FakeRuntime runtime;
    platform::posix::PosixSockets sockets;
    form1::Form1 form(runtime, sockets);
    ASSERT_EQ(runtime.Run(form1::Form1Description(), form), 0);
    const char* const names[] = {"", "localhost", "127.1", "a name with blanks"};

    auto click = [&](std::size_t times) {
        for (std::size_t i = 0; i < times; ++i) {
            runtime.SetText1Text(names[i % std::size(names)]);
            ASSERT_TRUE(runtime.ClickCommand1());
        }
    };
    click(100); // the resolver's own caches and the first messages settle
    const long before = ResidentKiB();
    click(1000);
    [[maybe_unused]] const long grown = ResidentKiB() - before;

    EXPECT_EQ(runtime.messages().size(), 1100U / std::size(names));
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(grown, 256) << "KiB grown over 1000 clicks";
#endif
}

} // namespace
