// A program started for one measurement.
#include "bench/ChildProcess.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace bench {

ChildProcess::ChildProcess(char** argv) {
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) == 0) {
        pid_ = pid;
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

long ChildProcess::PeakResidentKib() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

} // namespace bench
