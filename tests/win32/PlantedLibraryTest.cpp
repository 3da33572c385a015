// ipview started from a folder where libraries were planted under the names of system libraries,
// with wine told to prefer a library found beside the program, as Windows does for every library
// but its known DLLs: none is loaded; and ipview without a sockets library. Wine takes a program's
// library overrides from the environment it was started in, and so from this program's: each
// group of tests names the WINEDLLOVERRIDES it needs. Arguments: ipview.exe, the planted library
// (which ends the process with exit status 77 when loaded) and a program importing wsock32 at link
// time.
#include "ProcessWindows.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <windows.h>

namespace {

using namespace process_windows;

std::wstring ipview, plantedLibrary, importsSocketsAtLinkTime;

constexpr DWORD kPlantedLibraryLoaded = 77;
constexpr wchar_t kForm1Caption[] = L"Torvale - ip查看工具";

// A copy of a program in a folder of its own, started there.
class ProgramInItsOwnFolder : public testing::Test {
protected:
    explicit ProgramInItsOwnFolder(const wchar_t* libraryOverrides)
        : libraryOverrides_(libraryOverrides) {}

    void SetUp() override {
        wchar_t overrides[512] = {};
        GetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides, 512);
        ASSERT_NE(std::wstring(overrides).find(libraryOverrides_), std::wstring::npos)
            << "run with WINEDLLOVERRIDES=" << testing::PrintToString(libraryOverrides_);
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"planted-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    void TearDown() override {
        if (process.hProcess != nullptr) {
            TerminateProcess(process.hProcess, 0);
            WaitForSingleObject(process.hProcess, kWaitMs);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more;
             more = FindNextFileW(search, &found)) {
            DeleteFileW((folder + L'\\' + found.cFileName).c_str());
        }
        FindClose(search);
        RemoveDirectoryW(folder.c_str());
    }

    void Plant(const std::wstring& library) const {
        ASSERT_TRUE(CopyFileW(plantedLibrary.c_str(), (folder + L'\\' + library).c_str(), TRUE));
    }
    bool MarkLeftBy(const std::wstring& library) const {
        return GetFileAttributesW((folder + L'\\' + library + L".loaded").c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }
    void Start(const std::wstring& program) {
        const std::wstring copy = folder + L"\\program.exe";
        ASSERT_TRUE(CopyFileW(program.c_str(), copy.c_str(), TRUE));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(copy.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &startup, &process));
    }
    DWORD ExitCodeOnceEnded() const {
        DWORD exitCode = STILL_ACTIVE;
        WaitForSingleObject(process.hProcess, kWaitMs);
        GetExitCodeProcess(process.hProcess, &exitCode);
        return exitCode;
    }
    HWND OwnWindow(const wchar_t* className, const wchar_t* caption) const {
        return VisibleWindowOf(process.dwProcessId, className, caption);
    }

    std::wstring folder;
    PROCESS_INFORMATION process{};

private:
    const wchar_t* libraryOverrides_;
};

class PlantedBesideTheProgram : public ProgramInItsOwnFolder,
                                public testing::WithParamInterface<const wchar_t*> {
protected:
    PlantedBesideTheProgram() : ProgramInItsOwnFolder(L"wsock32,uxtheme=n,b") {}
};

class SocketsLibraryUnloadable : public ProgramInItsOwnFolder {
protected:
    SocketsLibraryUnloadable() : ProgramInItsOwnFolder(L"wsock32=") {}
};

// Shows that the planted library works: what ipview must never let happen.
TEST_F(PlantedBesideTheProgram, ASocketsLibraryRunsInAProgramImportingItAtLinkTime) {
    Plant(L"wsock32.dll");
    Start(importsSocketsAtLinkTime);
    EXPECT_EQ(ExitCodeOnceEnded(), kPlantedLibraryLoaded);
    EXPECT_TRUE(MarkLeftBy(L"wsock32.dll"));
}

// The sockets library is loaded by ipview itself; the theme library by the system, on its behalf.
TEST_P(PlantedBesideTheProgram, IsNeverLoadedByIpviewWhichAnswersTheEmptyNameAndClosesWith0) {
    const std::wstring library = std::wstring(GetParam()) + L".dll";
    Plant(library);
    Start(ipview);
    const HWND window = WaitForWindowOf(process, nullptr, kForm1Caption);
    ASSERT_NE(window, nullptr) << "no window; the program's exit code: " << ExitCodeOnceEnded();
    const HWND text1 = FindWindowExW(window, nullptr, L"Edit", nullptr);
    PostMessageW(FindWindowExW(window, nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
    WaitUntil([&] { return !TextOf(text1).empty(); });
    EXPECT_TRUE(std::regex_match(TextOf(text1), std::wregex(LR"(\d+\.\d+\.\d+\.\d+)")))
        << "the empty name gave \"" << TextOf(text1) << '"';

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeOnceEnded(), 0u);
    EXPECT_FALSE(MarkLeftBy(library));
}

INSTANTIATE_TEST_SUITE_P(Libraries, PlantedBesideTheProgram,
                         testing::Values(L"wsock32", L"uxtheme"),
                         [](const testing::TestParamInfo<const wchar_t*>& library) {
                             return std::string(library.param,
                                                library.param + wcslen(library.param));
                         });

TEST_F(SocketsLibraryUnloadable, IsAnUnexpectedErrorReportedBeforeForm1IsShown) {
    Start(ipview);
    const HWND box = WaitForWindowOf(process, L"#32770", nullptr);
    ASSERT_NE(box, nullptr) << "no message box; the program's exit code: " << ExitCodeOnceEnded();
    EXPECT_EQ(TextOf(box), L"Error");
    EXPECT_EQ(PromptOf(box), L"An unexpected error occurred. The program will end.");
    EXPECT_EQ(OwnWindow(nullptr, kForm1Caption), nullptr);

    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(ExitCodeOnceEnded(), 3u);
    EXPECT_EQ(OwnWindow(nullptr, kForm1Caption), nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    ipview = argv[1];
    plantedLibrary = argv[2];
    importsSocketsAtLinkTime = argv[3];
    return RUN_ALL_TESTS();
}
