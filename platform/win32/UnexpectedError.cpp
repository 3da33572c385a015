// The C++ library's errors, sent to the program's report of an unexpected error.
//
// Nothing in ipview catches an exception: one that is thrown ends the program. The C++ library's
// own terminate handler writes the exception's demangled type to a console that a GUI program
// does not have, and brings its demangler and printf along; its throw helpers bring exception
// classes built on a second, copy-on-write string. Together they were over half of the program
// file. Defined here, they stay out of it, and the user sees what happened. A throw helper that
// the program comes to need and this file lacks pulls the library's whole set back in, and the
// link then fails on the names defined twice. The program is built without exceptions, and with
// the allocation below, which ends the program where the library's would throw, nothing in it
// throws: the unwinder and the thread library it locks with stay out too.
#include "platform/win32/UnexpectedErrorReport.h"

#include <bits/functexcept.h>
#include <cstdlib>
#include <new>

using platform::win32::ReportUnexpectedError;

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    ReportUnexpectedError();
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
    ReportUnexpectedError();
}
void __throw_bad_array_new_length() {
    ReportUnexpectedError();
}
void __throw_bad_function_call() {
    ReportUnexpectedError();
}
void __throw_length_error(const char* /*what*/) {
    ReportUnexpectedError();
}
void __throw_logic_error(const char* /*what*/) {
    ReportUnexpectedError();
}
void __throw_out_of_range_fmt(const char* /*format*/, ...) {
    ReportUnexpectedError();
}
} // namespace std

void* operator new(std::size_t size) {
    void* const memory = std::malloc(size != 0 ? size : 1);
    if (memory == nullptr) {
        ReportUnexpectedError();
    }
    return memory;
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}
