// The platform the program asks for on each kind of desktop, the display it falls back on where
// the preferred one refuses it, and a compositor that does not answer: the start goes on.
#include "platform/qt/PlatformChoice.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using platform::qt::Compositor;
using platform::qt::Platform;
using platform::qt::PrefersX11;
using platform::qt::Session;

constexpr Session kGnomeLike{
    .platformChosenByUser = false, .xServer = true, .waylandCompositor = true};
constexpr Compositor kFramesNothing{.drawsFrames = false, .everyOutputAtScaleOne = true};

struct Desktop {
    const char* name;
    Session session;
    std::optional<Compositor> compositor;
    bool x11;
};

void PrintTo(const Desktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

class PlatformChoice : public testing::TestWithParam<Desktop> {};

TEST_P(PlatformChoice, X11OnlyWhereTheCompositorLeavesFramesToTheProgramAndNothingIsScaled) {
    EXPECT_EQ(PrefersX11(GetParam().session, GetParam().compositor), GetParam().x11);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PlatformChoice,
    testing::Values(
        Desktop{"CompositorWithoutFramesAndXwayland", kGnomeLike, kFramesNothing, true},
        Desktop{"CompositorThatFramesItsWindows", kGnomeLike,
                Compositor{.drawsFrames = true, .everyOutputAtScaleOne = true}, false},
        Desktop{"AScaledOutput", kGnomeLike,
                Compositor{.drawsFrames = false, .everyOutputAtScaleOne = false}, false},
        Desktop{"NoXwayland",
                {.platformChosenByUser = false, .xServer = false, .waylandCompositor = true},
                kFramesNothing,
                false},
        Desktop{"XDisplayNamedByTheUser",
                {.x11ChosenByUser = true, .xServer = true, .waylandCompositor = true},
                Compositor{.drawsFrames = true, .everyOutputAtScaleOne = false},
                true},
        Desktop{"PlatformChosenByTheUser",
                {.platformChosenByUser = true, .xServer = true, .waylandCompositor = true},
                kFramesNothing,
                false},
        Desktop{"CompositorThatDidNotAnswer", kGnomeLike, std::nullopt, false},
        Desktop{"X11Session",
                {.platformChosenByUser = false, .xServer = true, .waylandCompositor = false},
                std::nullopt,
                false}),
    [](const testing::TestParamInfo<Desktop>& desktop) { return std::string(desktop.param.name); });

TEST(PlatformChoice, OnlyASessionWithBothDisplaysAndNoChosenPlatformIsWorthAskingAbout) {
    EXPECT_TRUE(platform::qt::WorthProbing(kGnomeLike));
    EXPECT_FALSE(platform::qt::WorthProbing(
        {.platformChosenByUser = true, .xServer = true, .waylandCompositor = true}));
    EXPECT_FALSE(platform::qt::WorthProbing(
        {.platformChosenByUser = false, .xServer = false, .waylandCompositor = true}));
    EXPECT_FALSE(platform::qt::WorthProbing(
        {.platformChosenByUser = false, .xServer = true, .waylandCompositor = false}));
}

// What a start takes, and which displays it asks on the way, where those in TAKING take a client.
struct Started {
    std::optional<Platform> platform;
    std::vector<Platform> asked;
    bool operator==(const Started&) const = default;
};

void PrintTo(const Started& started, std::ostream* out) {
    const auto name = [](Platform platform) {
        return platform == Platform::X11 ? "X11" : "Wayland";
    };
    *out << (started.platform.has_value() ? name(*started.platform) : "nothing") << ", asking";
    for (const Platform platform : started.asked) {
        *out << ' ' << name(platform);
    }
}

Started Start(const Session& session, const std::optional<Compositor>& compositor,
              const std::vector<Platform>& taking) {
    Started started;
    started.platform = platform::qt::FirstThatTakesTheProgram(session, compositor, [&](Platform p) {
        started.asked.push_back(p);
        return std::ranges::find(taking, p) != taking.end();
    });
    return started;
}

TEST(PlatformChoice, TheFirstPreferredDisplayThatTakesTheProgramAskingNoneAfterIt) {
    using enum Platform;
    const Compositor framesItsWindows{.drawsFrames = true, .everyOutputAtScaleOne = true};
    const Session x11Session{.platformChosenByUser = false, .xServer = true};
    Session handedOver = kGnomeLike;
    handedOver.waylandConnectionHandedOver = true;
    EXPECT_EQ(Start(kGnomeLike, kFramesNothing, {X11, Wayland}), (Started{X11, {X11}}));
    EXPECT_EQ(Start(kGnomeLike, kFramesNothing, {Wayland}), (Started{Wayland, {X11, Wayland}}));
    EXPECT_EQ(Start(kGnomeLike, framesItsWindows, {X11, Wayland}), (Started{Wayland, {Wayland}}));
    EXPECT_EQ(Start(x11Session, std::nullopt, {Wayland}), (Started{std::nullopt, {X11}}));
    EXPECT_EQ(Start(handedOver, kFramesNothing, {X11, Wayland}), (Started{Wayland, {Wayland}}));
}

TEST(PlatformChoice, OnlyQtsOwnOptionsWithAValueNameThePlatformOrAnXDisplay) {
    const auto read = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "ipview");
        return platform::qt::ReadPlatformArguments(static_cast<int>(arguments.size()),
                                                   arguments.data());
    };
    EXPECT_TRUE(read({"-style", "fusion", "-platform", "offscreen"}).platform);
    EXPECT_EQ(read({"--display", ":1", "-display", ":2"}).xDisplay, ":2");
    EXPECT_FALSE(read({"--display", ":1"}).platform);
    EXPECT_FALSE(read({"-display"}).xDisplay.has_value());
    EXPECT_FALSE(read({"-platformtheme", "gtk3"}).platform);
}

TEST(PlatformChoice, TheLineSaysRefusedOnlyOfARefusalAndKeepsEveryValueOnItsLine) {
    using enum platform::qt::Outcome;
    const std::vector<platform::qt::TriedDisplay> displays{
        {Platform::X11, "DISPLAY=" + platform::qt::Quoted(":0\n\"\x1b"), Unreachable},
        {Platform::Wayland, "WAYLAND_DISPLAY=\"wayland-1\"", NoPlatformPlugin},
    };
    EXPECT_EQ(
        platform::qt::NoDisplayLine(displays),
        "ipview: no display could be opened: DISPLAY=\":0\\n\\\"\\x1b\" could not be reached, "
        "WAYLAND_DISPLAY=\"wayland-1\" needs Qt's platform plugin \"wayland\", which is not "
        "installed");
}

class CompositorProbe : public testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/compositor-probe-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
        socket_ = (folder_ / "wayland-0").string();
        ASSERT_EQ(setenv("WAYLAND_DISPLAY", socket_.c_str(), 1), 0);
    }
    void TearDown() override {
        if (listener_ >= 0) {
            close(listener_);
        }
        std::filesystem::remove_all(folder_);
    }

    // A socket that takes connections and never says a word, as a compositor that hangs.
    void ListenSilently() {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(listener_, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socket_.copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(listen(listener_, 4), 0);
    }

    std::filesystem::path folder_;
    std::string socket_;
    int listener_ = -1;
};

TEST_F(CompositorProbe, ACompositorThatCannotBeReachedTellsNothingAndTakesNoClient) {
    const auto look = platform::qt::ProbeCompositor(std::chrono::milliseconds(200));
    EXPECT_FALSE(look.reached);
    EXPECT_FALSE(look.compositor.has_value());
    EXPECT_FALSE(platform::qt::CompositorTakesAClient());
}

TEST_F(CompositorProbe, ACompositorThatDoesNotAnswerIsGivenUpWithinTheBudgetButTakesAClient) {
    ListenSilently();
    const auto start = std::chrono::steady_clock::now();
    const auto look = platform::qt::ProbeCompositor(std::chrono::milliseconds(200));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(look.reached);
    EXPECT_FALSE(look.compositor.has_value());
    EXPECT_TRUE(platform::qt::CompositorTakesAClient());
}

} // namespace
