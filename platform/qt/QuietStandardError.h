// Keeps a library's own lines off standard error where the program says what happened itself.
#pragma once

namespace platform::qt {

// Standard error goes to /dev/null for as long as the object lives, and back where it was after.
// Where either cannot be opened, standard error stays as it is.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

} // namespace platform::qt
