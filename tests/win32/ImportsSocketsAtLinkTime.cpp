// A program that imports the sockets library at link time, as ipview once did: Windows resolves
// the import before the program runs, looking beside the program first.
#include <windows.h>
#include <winsock.h>

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    WSADATA data{};
    return WSAStartup(MAKEWORD(1, 1), &data) == 0 && WSACleanup() == 0 ? 0 : 1;
}
