// Holds back what is written to standard error, libraries' own lines included, for the program to
// read, pass on or drop.
#pragma once

#include <string>

namespace platform::qt {

// Standard error goes to a file in memory for as long as it is held, and back where it was after.
// Where either cannot be done, standard error stays as it is and nothing is held.
class HeldStandardError {
public:
    HeldStandardError();
    ~HeldStandardError();
    HeldStandardError(const HeldStandardError&) = delete;
    HeldStandardError& operator=(const HeldStandardError&) = delete;

    // Puts standard error back and returns what was written meanwhile; nothing once released.
    std::string Release();

private:
    int saved_;
    int held_;
};

} // namespace platform::qt
