// A C++ error that nothing in the Windows program catches is shown in the program's own message
// box, and ends it with exit code 3 once the box is closed. Argument: FailsUnexpectedly.exe.
#include "ProcessWindows.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

using namespace process_windows;

std::wstring program;

struct Failure {
    const char* name;
    const wchar_t* argument; // what FailsUnexpectedly.exe is told to do
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class UnexpectedError : public testing::TestWithParam<Failure> {
protected:
    void TearDown() override {
        TerminateProcess(process.hProcess, 0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    PROCESS_INFORMATION process{};
};

TEST_P(UnexpectedError, IsShownInAMessageBoxAndEndsTheProgramWithExitCode3) {
    std::wstring commandLine = L'"' + program + L"\" " + GetParam().argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process));
    const HWND box = WaitForWindowOf(process, L"#32770", nullptr);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    ASSERT_NE(box, nullptr) << "no message box; the program's exit code: " << exitCode;
    EXPECT_EQ(TextOf(box), L"Error");
    EXPECT_EQ(PromptOf(box), L"An unexpected error occurred. The program will end.");
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "ended before the box was closed";

    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, kWaitMs), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 3u);
}

INSTANTIATE_TEST_SUITE_P(Failures, UnexpectedError,
                         testing::Values(Failure{"ThrownInAWindowProcedure", L"throw"},
                                         Failure{"AskedOfTheCppLibrary", L"library"},
                                         Failure{"WindowThatCannotBeMade", L"window"}),
                         [](const testing::TestParamInfo<Failure>& failure) {
                             return std::string(failure.param.name);
                         });

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    program = argv[1];
    return RUN_ALL_TESTS();
}
