// A program started for one measurement: started without a shell, read, and ended.
#pragma once

#include <sys/types.h>

namespace bench {

class ChildProcess {
public:
    // Starts argv[0] with the arguments that follow it, searched for in PATH, in this
    // process's environment. Check Started().
    explicit ChildProcess(char** argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }

    // The most resident memory the process has had (VmHWM), in KiB; -1 when unknown.
    long PeakResidentKib() const;

private:
    pid_t pid_ = -1;
};

} // namespace bench
