#include "platform/win32/Form1Window.h"

#include "platform/ReadableBackground.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/UnexpectedErrorReport.h"
#include "platform/win32/Utf16.h"
#include "resources/ResourceIds.h"

#include <array>
#include <utility>

namespace platform::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ipview.Form1";
// Clear of IDOK and IDCANCEL, which the dialog keys send to the window.
constexpr int kText1LabelId = 100;
constexpr int kText1Id = 101;
constexpr int kCommand1Id = 102;
constexpr int kFailed = 1;

DWORD AlignmentStyle(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return ES_CENTER;
    case HorizontalAlignment::Right:
        return ES_RIGHT;
    case HorizontalAlignment::Left:
        break;
    }
    return ES_LEFT;
}

DWORD TextBoxStyle(const TextBoxDescription& text) {
    const DWORD lines =
        text.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | lines | AlignmentStyle(text.alignment);
}

HWND CreateControl(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                   DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, className, Widen(text).c_str(), style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
}

void Place(HWND control, const TwipsRect& bounds, HFONT font, UINT dpi) {
    const RECT pixels = ToPixels(bounds, dpi);
    SetWindowPos(control, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HICON LoadIconOfSize(HINSTANCE instance, int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IPVIEW_ICON), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                         LR_SHARED));
}

// Dialog keys drive a multi-line edit box into closing its parent on Escape, and Escape has no
// meaning in this window.
bool IsEscapeKey(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
           message.wParam == VK_ESCAPE;
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance) : instance_(instance) {}

int Form1Window::Run(const FormDescription& description, FormEvents& events) {
    description_ = &description;
    events_ = &events;
    if (!Create()) {
        // Without its window the program has nothing to show and no way to say so of its own.
        ReportUnexpectedError();
    }
    events.Form_Load();
    ShowWindow(window_, SW_SHOWDEFAULT);
    UpdateWindow(window_);
    return RunMessageLoop();
}

std::string Form1Window::Text1Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(text1_)) + 1, L'\0');
    const int length = GetWindowTextW(text1_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

void Form1Window::SetText1Text(std::string_view text) {
    SetWindowTextW(text1_, Widen(text).c_str());
}

void Form1Window::ShowMessage(std::string_view prompt) {
    const HWND owner = IsWindowVisible(window_) ? window_ : nullptr;
    MessageBoxW(owner, Widen(prompt).c_str(), Widen(description_->applicationTitle).c_str(),
                MB_OK | MB_APPLMODAL);
}

void Form1Window::End() {
    ExitProcess(kFailed);
}

LRESULT CALLBACK Form1Window::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* const self = static_cast<Form1Window*>(creation->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* const self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        OnActivate(wParam);
        break;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool Form1Window::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }
    // Size and place come with the resolution, which is known once the window exists.
    return CreateWindowExW(0, kClassName, Widen(description_->caption).c_str(), Style(), 0, 0, 0, 0,
                           nullptr, nullptr, instance_, this) != nullptr;
}

bool Form1Window::OnCreate() {
    const TextBoxDescription& text = description_->text1;
    const ButtonDescription& button = description_->command1;
    text1_ =
        CreateControl(window_, L"EDIT", text.text, TextBoxStyle(text), WS_EX_CLIENTEDGE, kText1Id);
    command1_ = CreateControl(window_, L"BUTTON", button.caption,
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, kCommand1Id);
    // Screen readers name an edit box after the label just before it among the window's
    // children, shown or not; this one is never shown.
    const HWND text1Label =
        CreateControl(window_, L"STATIC", text.accessibleName, WS_CHILD, 0, kText1LabelId);
    if (text1_ == nullptr || command1_ == nullptr || text1Label == nullptr) {
        return false;
    }
    // Tab moves through the controls in their order among the window's children.
    const bool buttonFirst = button.tabIndex < text.tabIndex;
    const std::array order = buttonFirst ? std::array{command1_, text1Label, text1_}
                                         : std::array{text1Label, text1_, command1_};
    for (std::size_t next = 1; next < order.size(); ++next) {
        SetWindowPos(order[next], order[next - 1], 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    focus_ = buttonFirst ? command1_ : text1_;

    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconOfSize(instance_, SM_CXICON, SM_CYICON)));
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconOfSize(instance_, SM_CXSMICON, SM_CYSMICON)));

    const UINT dpi = DpiOfWindow(window_);
    ApplyDpi(dpi);
    CentreOnScreen(dpi);
    return true;
}

void Form1Window::OnCommand(WPARAM wParam) {
    const bool clicked = LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED;
    // The dialog keys turn Enter into IDOK in a window without a default button; Enter on the
    // focused button presses it, as in a dialog. The box keeps Enter for itself.
    const bool enterOnButton = LOWORD(wParam) == IDOK && GetFocus() == command1_;
    if (clicked || enterOnButton) {
        events_->Command1_Click();
    }
}

LRESULT Form1Window::OnCtlColorEdit(HDC context, HWND control) {
    if (control != text1_) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    const Rgb text = description_->text1.foreground;
    const COLORREF themed = GetSysColor(COLOR_WINDOW);
    const Rgb background = ReadableBackground(
        text, {.red = GetRValue(themed), .green = GetGValue(themed), .blue = GetBValue(themed)});
    const COLORREF backgroundColour = RGB(background.red, background.green, background.blue);
    SetTextColor(context, RGB(text.red, text.green, text.blue));
    SetBkColor(context, backgroundColour);
    SetDCBrushColor(context, backgroundColour);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void Form1Window::OnActivate(WPARAM wParam) {
    const HWND focused = GetFocus();
    if (LOWORD(wParam) == WA_INACTIVE && focused != nullptr && IsChild(window_, focused)) {
        focus_ = focused;
    }
}

void Form1Window::OnSetFocus() {
    SetFocus(focus_);
}

void Form1Window::OnDpiChanged(UINT dpi, const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(dpi);
}

void Form1Window::OnClose() {
    bool cancel = false;
    events_->Form_Unload(cancel);
    if (!cancel) {
        DestroyWindow(window_);
    }
}

DWORD Form1Window::Style() const {
    // A fixed single border: a caption and a thin frame, no sizing frame.
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (description_->minimizeBox) {
        style |= WS_MINIMIZEBOX;
    }
    if (description_->maximizeBox) {
        style |= WS_MAXIMIZEBOX;
    }
    return style;
}

void Form1Window::ApplyDpi(UINT dpi) {
    // The controls take their new fonts before the old ones are deleted.
    Font text1Font = CreateDescribedFont(description_->text1.font, dpi);
    Font command1Font = CreateDescribedFont(description_->command1.font, dpi);
    Place(text1_, description_->text1.bounds, text1Font.get(), dpi);
    Place(command1_, description_->command1.bounds, command1Font.get(), dpi);
    text1Font_ = std::move(text1Font);
    command1Font_ = std::move(command1Font);
}

void Form1Window::CentreOnScreen(UINT dpi) {
    const SIZE size = WindowSizeForClient(ToPixels(description_->clientArea, dpi), Style(), 0, dpi);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = workArea.left + (workArea.right - workArea.left - size.cx) / 2;
    const int top = workArea.top + (workArea.bottom - workArea.top - size.cy) / 2;
    SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form1Window::RunMessageLoop() {
    MSG message{};
    BOOL result = 0;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (IsEscapeKey(message)) {
            continue;
        }
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return result == 0 ? static_cast<int>(message.wParam) : kFailed;
}

} // namespace platform::win32
