#include "platform/win32/UnexpectedErrorReport.h"

#include <windows.h>

namespace platform::win32 {
namespace {

constexpr UINT kUnexpectedErrorStatus = 3; // as abort() ends a Windows program

} // namespace

void ReportUnexpectedError() {
    MessageBoxW(nullptr, L"An unexpected error occurred. The program will end.", nullptr,
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(kUnexpectedErrorStatus);
}

} // namespace platform::win32
