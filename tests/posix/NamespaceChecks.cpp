// Checks run by network_namespaces.sh inside a namespace it has set up; each check reads what to
// expect from the environment and is skipped when the namespace is not set up for it.
#include "platform/posix/PosixSockets.h"
#include "posix/ScopedLocale.h"
#include "posix/SystemAnswers.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

using platform::HostEntry;
using platform::posix::PosixSockets;
using posix_tests::ScopedLocale;
using Clock = std::chrono::steady_clock;

std::string Dotted(const std::optional<HostEntry>& entry) {
    if (!entry || entry->firstAddress.size() != 4) {
        return "(no entry)";
    }
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, entry->firstAddress.data(), text, sizeof text);
    return text;
}

std::string Resolved(const std::string& name) {
    return Dotted(PosixSockets().gethostbyname(name));
}

// A check that runs only in a namespace set up for it, as the variable named says.
class NamespaceCheck : public testing::Test {
protected:
    explicit NamespaceCheck(const char* variable) : variable_(variable) {}

    void SetUp() override {
        const char* value = std::getenv(variable_);
        if (value == nullptr) {
            GTEST_SKIP() << variable_ << " is not set for this namespace";
        }
        setting_ = value;
    }

    const char* variable_;
    std::string setting_;
};

class OwnAddress : public NamespaceCheck {
protected:
    OwnAddress() : NamespaceCheck("IPVIEW_OWN_ADDRESS") {}
};

class HostsFile : public NamespaceCheck {
protected:
    HostsFile() : NamespaceCheck("IPVIEW_HOSTS_FILE") {}
};

class SilentDns : public NamespaceCheck {
protected:
    SilentDns() : NamespaceCheck("IPVIEW_SILENT_DNS") {}

    static Clock::duration TimeToResolve(const std::string& name, std::string& answer) {
        const auto start = Clock::now();
        answer = Resolved(name);
        return Clock::now() - start;
    }
};

TEST_F(OwnAddress, EmptyNameGivesTheExpectedAddress) {
    EXPECT_EQ(Resolved(""), setting_);
}

TEST_F(OwnAddress, HostNameGivesTheSameEvenWhenTheHostsFileSaysLoopback) {
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(Resolved(host), setting_);
}

TEST_F(HostsFile, InternationalNameResolvesFromUtf8Locale) {
    const ScopedLocale locale("C.UTF-8");
    ASSERT_TRUE(locale.Active());
    const std::optional<std::string> name = PosixSockets().ToNarrow("b\xC3\xBC"
                                                                    "cher.example");
    ASSERT_TRUE(name);
    EXPECT_EQ(Resolved(*name), "198.51.100.7");
}

TEST_F(HostsFile, ChineseNameResolvesFromGb2312Locale) {
    const ScopedLocale locale("zh_CN.GB2312");
    if (!locale.Active()) {
        GTEST_SKIP() << "locale zh_CN.GB2312 is not available here";
    }
    const std::optional<std::string> name =
        PosixSockets().ToNarrow("\xE4\xB8\xAD\xE6\x96\x87.example");
    ASSERT_EQ(name, "\xD6\xD0\xCE\xC4.example");
    EXPECT_EQ(Resolved(*name), "203.0.113.9");
}

TEST_F(HostsFile, FirstOfSeveralAddressesInTheResolverOrder) {
    const std::string first =
        posix_tests::FirstLineOf("getent ahostsv4 several.example | awk '{print $1; exit}'");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Resolved("several.example"), first);
}

TEST_F(HostsFile, Ipv6OnlyNameGivesNoEntry) {
    EXPECT_EQ(Resolved("v6only.example"), "(no entry)");
}

TEST_F(SilentDns, UnknownNameWaitsForTheServer) {
    std::string answer;
    EXPECT_GE(TimeToResolve("unknown.example", answer), std::chrono::milliseconds(500));
    EXPECT_EQ(answer, "(no entry)");
}

TEST_F(SilentDns, NumericAddressNeedsNoQuery) {
    std::string answer;
    EXPECT_LT(TimeToResolve("10.0.0.1", answer), std::chrono::milliseconds(200));
    EXPECT_EQ(answer, "10.0.0.1");
}

TEST_F(SilentDns, NamesWithBlanksAreRefusedWithoutWaiting) {
    for (const std::string name : {"unknown example", " unknown.example", "unknown.example\n"}) {
        std::string answer;
        EXPECT_LT(TimeToResolve(name, answer), std::chrono::milliseconds(200)) << name;
        EXPECT_EQ(answer, "(no entry)") << name;
    }
}

} // namespace
