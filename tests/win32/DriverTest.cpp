// ipview.exe as a person uses it: started, looked at, clicked, typed into and closed, with its
// window found by caption. The program to drive is the first argument.
#include "Ipview.h"
#include "platform/FormDescription.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <utility>

namespace {

using driver::HasButton;
using driver::Ipview;
using driver::MessagePrompt;

constexpr DWORD kMessageBoxTimeoutMs = 30000;
// How long to watch for something that must not happen.
constexpr DWORD kQuietMs = 1500;

struct Settings {
    std::wstring program;
    // The resolution the wine prefix is set to.
    UINT dpi = 96;
};

Settings& TheRun() {
    static Settings settings;
    return settings;
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Where a control lies in the client area of its window.
RECT ClientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool IsDottedIpv4(const std::wstring& text) {
    static const std::wregex kDotted(
        LR"((0|[1-9][0-9]{0,2})\.(0|[1-9][0-9]{0,2})\.(0|[1-9][0-9]{0,2})\.(0|[1-9][0-9]{0,2}))");
    std::wsmatch parts;
    if (!std::regex_match(text, parts, kDotted)) {
        return false;
    }
    for (std::size_t part = 1; part < parts.size(); ++part) {
        if (std::stoi(parts[part].str()) > 255) {
            return false;
        }
    }
    return true;
}

class DriverTest : public testing::Test {
protected:
    Ipview ipview{TheRun().program};
};

// 334 x 219 pixels at 96 dpi, and the same size in inches at any other resolution.
TEST_F(DriverTest, TheWindowOpensCentredWithAClientAreaOf5010By3285Twips) {
    const UINT dpi = TheRun().dpi;
    RECT client{};
    GetClientRect(ipview.window(), &client);
    EXPECT_EQ(SizeOf(client).cx, platform::TwipsToPixels(5010, dpi));
    EXPECT_EQ(SizeOf(client).cy, platform::TwipsToPixels(3285, dpi));

    RECT frame{};
    RECT workArea{};
    GetWindowRect(ipview.window(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR(frame.left - workArea.left, workArea.right - frame.right, 1);
    EXPECT_NEAR(frame.top - workArea.top, workArea.bottom - frame.bottom, 1);
}

TEST_F(DriverTest, TheControlsLieWhereTheDescriptionPutsThemInTwips) {
    const UINT dpi = TheRun().dpi;
    for (const auto& [control, bounds] :
         {std::pair{ipview.text1(), platform::TwipsRect{360, 720, 4335, 615}},
          std::pair{ipview.command1(), platform::TwipsRect{960, 2160, 3015, 615}}}) {
        const RECT rect = ClientRectOf(control);
        EXPECT_EQ(rect.left, platform::TwipsToPixels(bounds.left, dpi));
        EXPECT_EQ(rect.top, platform::TwipsToPixels(bounds.top, dpi));
        EXPECT_EQ(SizeOf(rect).cx, platform::TwipsToPixels(bounds.width, dpi));
        EXPECT_EQ(SizeOf(rect).cy, platform::TwipsToPixels(bounds.height, dpi));
    }
}

TEST_F(DriverTest, TheWindowHasAFixedBorderAndNoMinimiseOrMaximiseBox) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(ipview.window(), GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(DriverTest, TheBoxStartsEmptyAndTheButtonHasTheFocus) {
    EXPECT_EQ(ipview.Text(), L"");
    EXPECT_EQ(ipview.Focus(), ipview.command1());
    wchar_t caption[64] = {};
    GetWindowTextW(ipview.command1(), caption, 64);
    EXPECT_STREQ(caption, L"获取本机ip地址");
}

TEST_F(DriverTest, AClickWithTheBoxEmptyShowsThisComputersIpv4Address) {
    ipview.Click();
    const std::wstring text = ipview.WaitForTextOtherThan(L"");
    EXPECT_TRUE(IsDottedIpv4(text)) << "the box holds \"" << text << "\"";
}

TEST_F(DriverTest, ANameIsReplacedByItsAddressAndTheAddressResolvesToItself) {
    ipview.SetText(L"localhost");
    ipview.Click();
    EXPECT_EQ(ipview.WaitForTextOtherThan(L"localhost"), L"127.0.0.1");
    ipview.Click();
    EXPECT_EQ(ipview.WaitForMessageBox(kQuietMs), nullptr);
    EXPECT_EQ(ipview.Text(), L"127.0.0.1");
}

TEST_F(DriverTest, SpaceOnTheFocusedButtonClicksItAndTabMovesToTheBox) {
    ipview.SetText(L"localhost");
    ipview.PressKey(ipview.command1(), VK_SPACE);
    EXPECT_EQ(ipview.WaitForTextOtherThan(L"localhost"), L"127.0.0.1");

    ipview.PressKey(ipview.command1(), VK_TAB);
    EXPECT_TRUE(driver::WaitUntil([&] { return ipview.Focus() == ipview.text1(); }, kQuietMs));
}

TEST_F(DriverTest, EnterInTheBoxStartsANewLineAndClicksNothing) {
    ipview.SetText(L"localhost");
    SendMessageW(ipview.text1(), EM_SETSEL, 9, 9);
    ipview.PressKey(ipview.text1(), VK_RETURN);
    EXPECT_EQ(ipview.WaitForTextOtherThan(L"localhost"), L"localhost\r\n");
    EXPECT_EQ(ipview.WaitForMessageBox(kQuietMs), nullptr);
}

TEST_F(DriverTest, EscapeNeitherClosesTheWindowNorClicks) {
    ipview.SetText(L"localhost");
    ipview.PressKey(ipview.text1(), VK_ESCAPE);
    ipview.PressKey(ipview.command1(), VK_ESCAPE);
    Sleep(kQuietMs);
    EXPECT_TRUE(ipview.Running());
    EXPECT_TRUE(IsWindowVisible(ipview.window()));
    EXPECT_EQ(ipview.Text(), L"localhost");
}

TEST_F(DriverTest, ClosingTheWindowEndsTheProgramWithExitCode0) {
    EXPECT_EQ(ipview.Close(), 0u);
}

struct Unresolvable {
    const char* what;
    std::wstring name;
};

std::ostream& operator<<(std::ostream& out, const Unresolvable& name) {
    return out << name.what;
}

class UnresolvableNameTest : public DriverTest, public testing::WithParamInterface<Unresolvable> {};

TEST_P(UnresolvableNameTest, ShowsCantResolveNameOverTheDisabledWindowAndKeepsTheName) {
    const std::wstring& name = GetParam().name;
    ipview.SetText(name);
    ipview.Click();
    const HWND box = ipview.WaitForMessageBox(kMessageBoxTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessagePrompt(box), L"Can't resolve name.");
    EXPECT_TRUE(HasButton(box, IDOK));
    EXPECT_FALSE(HasButton(box, IDCANCEL));
    EXPECT_FALSE(IsWindowEnabled(ipview.window())) << "the message box is application-modal";

    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kMessageBoxTimeoutMs));
    EXPECT_EQ(ipview.Text(), name);
    EXPECT_TRUE(IsWindowEnabled(ipview.window()));
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnresolvableNameTest,
    testing::Values(Unresolvable{"UnknownHost", L"no-such-host.invalid"},
                    // None is in the ANSI code page, and none may reach the resolver as a
                    // look-alike: the full-width name would otherwise pass as "localhost".
                    Unresolvable{"ChineseOutsideTheCodePage", L"主机"},
                    Unresolvable{"GreekOutsideTheCodePage", L"\u03a9"},
                    Unresolvable{"FullWidthLocalhost", L"ｌｏｃａｌｈｏｓｔ"}),
    [](const testing::TestParamInfo<Unresolvable>& testCase) {
        return std::string(testCase.param.what);
    });

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2 || argc > 3) {
        std::fputs("usage: driver_tests PROGRAM.exe [DPI]\n", stderr);
        return 2;
    }
    TheRun().program = argv[1];
    if (argc == 3) {
        TheRun().dpi = static_cast<UINT>(std::stoul(argv[2]));
    }
    // Sees the program's window in its own pixels, not scaled to 96 dpi.
    SetProcessDPIAware();
    return RUN_ALL_TESTS();
}
