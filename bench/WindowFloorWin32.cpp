// The window floor on Windows: the least Win32 program that shows ipview's window, written the
// plain way. The same manifest, icon, caption, border, client size, edit box and button with
// their styles, faces, sizes and colour at 96 dots per inch, and Windows Sockets started before
// the window is shown.
#include <windows.h>
#include <winsock.h>

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kIcon = 1;

HFONT Font(int pixels, int weight, const wchar_t* face) {
    return CreateFontW(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

HWND Control(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
             int x, int y, int width, int height, HFONT font) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                   width, height, parent, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLOREDIT:
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WSADATA sockets;
    if (WSAStartup(0x0101, &sockets) != 0) {
        return 1;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"WindowFloor";
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    RECT frame{0, 0, 334, 219}; // ipview's client area at 96 dots per inch
    AdjustWindowRect(&frame, kStyle, FALSE);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HWND window = CreateWindowW(windowClass.lpszClassName, L"Torvale - ip查看工具", kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    // Tab order is the order of creation: the button first.
    HWND command1 = Control(window, L"BUTTON", L"获取本机ip地址", WS_TABSTOP | BS_PUSHBUTTON, 0, 64,
                            144, 201, 41, Font(20, FW_NORMAL, L"AR PL UKai CN"));
    Control(window, L"EDIT", L"",
            WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_CENTER,
            WS_EX_CLIENTEDGE, 24, 48, 289, 41, Font(35, FW_BOLD, L"AR PL UMing CN"));
    ShowWindow(window, showCommand);
    SetFocus(command1);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    WSACleanup();
    return static_cast<int>(message.wParam);
}
