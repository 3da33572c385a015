// The order of Qt's platforms on each kind of desktop, whom it asks on the way, and the line where
// none starts.
#include "platform/qt/PlatformChoice.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using platform::qt::Compositor;
using platform::qt::Session;

constexpr const char* kX11First = "xcb;wayland";
constexpr const char* kWaylandFirst = "wayland;xcb";

constexpr Session kXwaylandDesktop{.xDisplay = ":0", .waylandDisplay = "wayland-0"};
constexpr Compositor kLeavesFrames{.drawsFrames = false, .everyOutputAtScaleOne = true};
constexpr Compositor kDrawsFrames{.drawsFrames = true, .everyOutputAtScaleOne = true};
constexpr Compositor kScaled{.drawsFrames = false, .everyOutputAtScaleOne = false};

struct Desktop {
    const char* name;
    Session session;
    // What the compositor answers where it is asked; nothing where it takes no connection.
    std::optional<Compositor> compositor;
    const char* list;
    bool asked;
};

void PrintTo(const Desktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

class PlatformChoice : public testing::TestWithParam<Desktop> {};

TEST_P(PlatformChoice, ListsBothPlatformsInTheDesktopsOrderAskingOnlyWhereTheAnswerCounts) {
    const Desktop& desktop = GetParam();
    bool asked = false;
    const char* const list = platform::qt::PlatformList(desktop.session, [&] {
        asked = true;
        return desktop.compositor;
    });
    EXPECT_EQ(list != nullptr ? std::string(list) : "nothing",
              desktop.list != nullptr ? std::string(desktop.list) : "nothing");
    EXPECT_EQ(asked, desktop.asked);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PlatformChoice,
    testing::Values(
        Desktop{"FramelessCompositorWithXwayland", kXwaylandDesktop, kLeavesFrames, kX11First,
                true},
        Desktop{"CompositorThatFramesItsWindows", kXwaylandDesktop, kDrawsFrames, kWaylandFirst,
                true},
        Desktop{"FramelessCompositorWithAScaledOutput", kXwaylandDesktop, kScaled, kWaylandFirst,
                true},
        Desktop{"CompositorThatIsGone", kXwaylandDesktop, std::nullopt, kX11First, true},
        Desktop{"WaylandSessionAtLibwaylandsDefault",
                {.xDisplay = ":0", .waylandSession = true},
                kLeavesFrames,
                kX11First,
                true},
        Desktop{"CompositorWithoutXwayland",
                {.waylandDisplay = "wayland-0"},
                kLeavesFrames,
                kWaylandFirst,
                false},
        Desktop{"ConnectionHandedOver",
                {.xDisplay = ":0", .waylandDisplay = "3", .waylandConnectionHandedOver = true},
                kLeavesFrames,
                kWaylandFirst,
                false},
        Desktop{"XDisplayNamedByTheUser",
                {.xDisplay = ":1", .xDisplayNamed = true, .waylandDisplay = "wayland-0"},
                kDrawsFrames,
                kX11First,
                false},
        Desktop{"PlatformNamedByTheUser",
                {.platformNamed = true, .xDisplay = ":0", .waylandDisplay = "wayland-0"},
                kLeavesFrames,
                nullptr,
                false},
        Desktop{"X11Session", {.xDisplay = ":0"}, kLeavesFrames, kX11First, false},
        Desktop{"NoDisplayAtAll", {}, kLeavesFrames, kX11First, false}),
    [](const testing::TestParamInfo<Desktop>& desktop) { return std::string(desktop.param.name); });

TEST(PlatformChoiceSession, OnlyQtsOwnOptionsWithAValueNameThePlatformOrAnXDisplay) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"}) {
        unsetenv(name);
    }
    const auto read = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "ipview");
        return platform::qt::ReadSession(static_cast<int>(arguments.size()), arguments.data());
    };
    EXPECT_TRUE(read({"-style", "fusion", "-platform", "offscreen"}).platformNamed);
    EXPECT_STREQ(read({"--display", ":1", "-display", ":2"}).xDisplay, ":2");
    EXPECT_FALSE(read({"--display", ":1"}).platformNamed);
    EXPECT_FALSE(read({"-display"}).xDisplayNamed);
    EXPECT_FALSE(read({"-platformtheme", "gtk3"}).platformNamed);
}

TEST(PlatformChoiceSession, TheLineNamesEachDisplayAndKeepsEveryValueOnIt) {
    EXPECT_EQ(
        platform::qt::NoDisplayLine({.xDisplay = ":0\n\"\x1b", .waylandDisplay = "wayland-1"}),
        "ipview: no display could be opened: DISPLAY=\":0\\x0a\\\"\\x1b\", "
        "WAYLAND_DISPLAY=\"wayland-1\"");
    EXPECT_EQ(platform::qt::NoDisplayLine({.xDisplay = ":2", .xDisplayNamed = true}),
              "ipview: no display could be opened: -display \":2\", WAYLAND_DISPLAY is not set");
}

} // namespace
