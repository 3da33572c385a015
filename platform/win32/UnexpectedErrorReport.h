// The program's own report of an unexpected error: a message box, then the end of the program.
#pragma once

namespace platform::win32 {

// Shows the report and ends the program with exit status 3 once the box is closed, running no
// further handler. Allocates nothing: the error may be that memory ran out.
[[noreturn]] void ReportUnexpectedError();

} // namespace platform::win32
