// Preloaded into the program, it stands in for libxcb's connect, which Qt's X11 platform calls as
// it starts: it writes one line to standard error, as a failing library would, and crashes.
#include <csignal>
#include <unistd.h>

extern "C" void* xcb_connect(const char* /*display*/, int* /*screen*/) {
    static constexpr char kLastWords[] = "crashing library: its last words\n";
    [[maybe_unused]] const ssize_t written =
        write(STDERR_FILENO, kLastWords, sizeof kLastWords - 1);
    std::raise(SIGSEGV);
    return nullptr;
}
