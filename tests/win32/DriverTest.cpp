// ipview.exe as a person uses it, driven by window messages: started, looked at, clicked, typed
// into and closed. Arguments: the program, and the resolution of the wine prefix (default 96).
#include "ProcessWindows.h"
#include "platform/FormDescription.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <regex>
#include <string>
#include <windows.h>

namespace {

using namespace process_windows;

std::wstring program;
UINT dpi = 96;

// One run of the program, with its window found by caption.
class Ipview : public testing::Test {
protected:
    void SetUp() override {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        // Generous: the first program in a fresh wine prefix starts slowly.
        WaitUntil([&] { return (window = OwnWindow(nullptr, L"Torvale - ip查看工具")); }, 60000);
        ASSERT_NE(window, nullptr);
        text1 = FindWindowExW(window, nullptr, L"Edit", nullptr);
        command1 = FindWindowExW(window, nullptr, L"Button", nullptr);
    }
    void TearDown() override {
        TerminateProcess(process.hProcess, 0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    HWND OwnWindow(const wchar_t* className, const wchar_t* caption) const {
        return VisibleWindowOf(process.dwProcessId, className, caption);
    }
    HWND MessageBoxShown(DWORD timeoutMs) const {
        HWND box = nullptr;
        WaitUntil([&] { return (box = OwnWindow(L"#32770", L"Torvaleip查看工具")); }, timeoutMs);
        return box;
    }
    void SetText(const std::wstring& text) const {
        SendMessageW(text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::wstring ClickAndWaitForNewText() const {
        const std::wstring before = TextOf(text1);
        PostMessageW(command1, BM_CLICK, 0, 0);
        WaitUntil([&] { return TextOf(text1) != before; });
        return TextOf(text1);
    }

    PROCESS_INFORMATION process{};
    HWND window = nullptr, text1 = nullptr, command1 = nullptr;
};

// 334 x 219 pixels at 96 dpi, and the same size in inches at any other resolution.
TEST_F(Ipview, OpensCentredWithA5010By3285TwipsClientAreaAFixedBorderAndTheButtonFocused) {
    RECT client{}, frame{}, work{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, platform::TwipsToPixels(5010, dpi));
    EXPECT_EQ(client.bottom, platform::TwipsToPixels(3285, dpi));
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);

    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    // The focus settles once the window is active.
    WaitUntil(
        [&] {
            return GetGUIThreadInfo(process.dwThreadId, &thread) && thread.hwndFocus == command1;
        },
        5000);
    EXPECT_EQ(thread.hwndFocus, command1);
    EXPECT_EQ(TextOf(text1), L"");
}

TEST_F(Ipview, TurnsNamesIntoAddressesOnClicksOnlyAndEndsWithExitCode0WhenClosed) {
    const std::wregex dotted(
        LR"(((25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)\.){3}(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d))");
    const std::wstring own = ClickAndWaitForNewText();
    EXPECT_TRUE(std::regex_match(own, dotted)) << "the empty box gave \"" << own << '"';
    SetText(L"localhost");
    EXPECT_EQ(ClickAndWaitForNewText(), L"127.0.0.1");

    SetText(L"localhost");
    SendMessageW(text1, EM_SETSEL, 9, 9);
    PostMessageW(text1, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(text1, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(command1, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(text1) == L"localhost\r\n"; }));
    EXPECT_EQ(MessageBoxShown(1500), nullptr); // none, in a while
    EXPECT_EQ(TextOf(text1), L"localhost\r\n") << "a click would have shown a message";
    EXPECT_TRUE(IsWindowVisible(window));

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    WaitForSingleObject(process.hProcess, kWaitMs);
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

// Neither name is in the ANSI code page, and none may reach the resolver as a look-alike: the
// full-width name would otherwise pass as "localhost".
TEST_F(Ipview, ShowsCantResolveNameWithOnlyOkAndKeepsTheNameForUnresolvableNames) {
    for (const std::wstring name : {L"no-such-host.invalid", L"主机", L"ｌｏｃａｌｈｏｓｔ"}) {
        SCOPED_TRACE(testing::PrintToString(name));
        SetText(name);
        PostMessageW(command1, BM_CLICK, 0, 0);
        const HWND box = MessageBoxShown(kWaitMs);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(PromptOf(box), L"Can't resolve name.");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, IDOK)));
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(TextOf(text1), name);
    }
}

TEST_F(Ipview, ScreenReadersNameTheBoxForTheHostNameAndItsAddress) {
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    IAccessible* box = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(text1, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&box)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(box->get_accName(self, &name), S_OK);
    EXPECT_EQ(std::wstring(name != nullptr ? name : L""), L"主机名（获取后显示其IP地址）");
    SysFreeString(name);
    box->Release();
    CoUninitialize();
}

TEST_F(Ipview, TypingPastTheBoxKeepsTheCaretInView) {
    const std::wstring name = L"a-rather-long-host-name.in.a.long-domain.example";
    for (const wchar_t character : name) {
        PostMessageW(text1, WM_CHAR, character, 1);
    }
    ASSERT_TRUE(WaitUntil([&] { return TextOf(text1) == name; }));
    ASSERT_GT(SendMessageW(text1, EM_GETLINECOUNT, 0, 0), 1) << "the name wraps";
    const LRESULT last = SendMessageW(text1, EM_POSFROMCHAR, name.size() - 1, 0);
    RECT client{};
    GetClientRect(text1, &client);
    EXPECT_TRUE(PtInRect(&client, {LOWORD(last), HIWORD(last)}))
        << "last character at " << static_cast<short>(HIWORD(last)) << ", view " << client.bottom
        << " high";
}

TEST_F(Ipview, ReturnOnTheFocusedButtonClicksIt) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(process.dwThreadId, &thread) && thread.hwndFocus == command1;
    }));
    PostMessageW(command1, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(command1, WM_KEYUP, VK_RETURN, 0xC0000001);
    EXPECT_TRUE(WaitUntil([&] { return !TextOf(text1).empty(); }, 3000));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    program = argv[1];
    dpi = argc > 2 ? static_cast<UINT>(std::stoul(argv[2])) : 96;
    // Sees the program's window in its own pixels, not scaled to 96 dpi.
    SetProcessDPIAware();
    return RUN_ALL_TESTS();
}
