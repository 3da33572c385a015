// Conversion of UTF-8 text to the locale's narrow character set through iconv.
#include "platform/posix/NarrowText.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <memory>

namespace platform::posix {
namespace {

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// No "//TRANSLIT" or "//IGNORE": a character without an exact counterpart must fail the
// conversion, never become a look-alike that might name another host.
Converter ConverterFromUtf8() {
    iconv_t converter = iconv_open(nl_langinfo(CODESET), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return nullptr;
    }
    return Converter(converter);
}

// One call of iconv; a null input flushes the shift state. False when a character cannot be
// converted, was converted only approximately, or the input ends in the middle of one.
bool ConvertInto(iconv_t converter, char** in, std::size_t* inLeft, std::string& out) {
    constexpr std::size_t kChunk = 4096;
    std::size_t used = out.size();
    for (;;) {
        out.resize(used + kChunk);
        char* next = out.data() + used;
        std::size_t outLeft = kChunk;
        const std::size_t result = iconv(converter, in, inLeft, &next, &outLeft);
        used = static_cast<std::size_t>(next - out.data());
        out.resize(used);
        if (result != static_cast<std::size_t>(-1)) {
            return result == 0;
        }
        if (errno != E2BIG) {
            return false;
        }
    }
}

} // namespace

std::optional<std::string> ToLocaleNarrow(std::string_view utf8) {
    const Converter converter = ConverterFromUtf8();
    if (!converter) {
        return std::nullopt;
    }
    std::string input(utf8);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::string narrow;
    if (!ConvertInto(converter.get(), &in, &inLeft, narrow) ||
        !ConvertInto(converter.get(), nullptr, nullptr, narrow)) {
        return std::nullopt;
    }
    return narrow;
}

} // namespace platform::posix
