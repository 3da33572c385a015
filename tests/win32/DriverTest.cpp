// ipview.exe as a person uses it: started, looked at, clicked, typed into and closed, with its
// window found by caption. The program to drive is the first argument.
#include "Ipview.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

using driver::HasButton;
using driver::Ipview;
using driver::MessagePrompt;

constexpr DWORD kMessageBoxTimeoutMs = 30000;
// How long to watch for something that must not happen.
constexpr DWORD kQuietMs = 1500;

std::wstring& ProgramPath() {
    static std::wstring path;
    return path;
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
    Ipview ipview{ProgramPath()};
};

TEST_F(DriverTest, TheWindowOpensCentredWithAClientAreaOf334By219) {
    RECT client{};
    GetClientRect(ipview.window(), &client);
    EXPECT_EQ(client.right - client.left, 334);
    EXPECT_EQ(client.bottom - client.top, 219);

    RECT frame{};
    RECT workArea{};
    GetWindowRect(ipview.window(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR(frame.left - workArea.left, workArea.right - frame.right, 1);
    EXPECT_NEAR(frame.top - workArea.top, workArea.bottom - frame.bottom, 1);
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
    if (argc != 2) {
        std::fputs("usage: driver_tests PROGRAM.exe\n", stderr);
        return 2;
    }
    ProgramPath() = argv[1];
    return RUN_ALL_TESTS();
}
