// Start-up and clean-up of the POSIX sockets library answer as Windows Sockets 1.1 does.
#include "platform/posix/PosixSockets.h"
#include "posix/CaseName.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using platform::StartupRecord;
using platform::posix::PosixSockets;

// Lowers (or raises) the open-file limit for one test.
class ScopedFileLimit {
public:
    explicit ScopedFileLimit(rlim_t soft) {
        getrlimit(RLIMIT_NOFILE, &previous_);
        rlimit wanted = previous_;
        wanted.rlim_cur = soft;
        wanted.rlim_max = std::max(previous_.rlim_max, soft);
        applied_ = setrlimit(RLIMIT_NOFILE, &wanted) == 0;
    }
    ~ScopedFileLimit() { setrlimit(RLIMIT_NOFILE, &previous_); }
    ScopedFileLimit(const ScopedFileLimit&) = delete;
    ScopedFileLimit& operator=(const ScopedFileLimit&) = delete;

    bool Applied() const { return applied_; }

private:
    rlimit previous_{};
    bool applied_ = false;
};

TEST(Startup, SucceedsWithVersion1_1) {
    PosixSockets sockets;
    StartupRecord record;
    EXPECT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(record.wVersion, 0x0101);
}

struct SocketCountCase {
    const char* name;
    rlim_t openFileLimit;
    std::uint16_t expectedSockets;
};

class StartupSocketCount : public testing::TestWithParam<SocketCountCase> {};

TEST_P(StartupSocketCount, IsTheOpenFileLimitUpTo65535) {
    const ScopedFileLimit limit(GetParam().openFileLimit);
    if (!limit.Applied()) {
        GTEST_SKIP() << "this process may not set its open-file limit to "
                     << GetParam().openFileLimit;
    }
    PosixSockets sockets;
    StartupRecord record;
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(record.iMaxSockets, GetParam().expectedSockets);
}

INSTANTIATE_TEST_SUITE_P(Limits, StartupSocketCount,
                         testing::Values(SocketCountCase{"Low", 200, 200},
                                         SocketCountCase{"AboveCapIsCapped", 70000, 65535}),
                         posix_tests::CaseName());

TEST(Cleanup, FailsWithMinusOneWhenNeverStarted) {
    PosixSockets sockets;
    EXPECT_EQ(sockets.WSACleanup(), -1);
}

TEST(Cleanup, NeedsOneCallPerStartup) {
    PosixSockets sockets;
    StartupRecord record;
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(sockets.WSACleanup(), 0);
    EXPECT_EQ(sockets.WSACleanup(), 0);
    EXPECT_EQ(sockets.WSACleanup(), -1);
}

} // namespace
