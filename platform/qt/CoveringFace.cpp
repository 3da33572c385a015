#include "platform/qt/CoveringFace.h"

#include <QList>
#include <fontconfig/fontconfig.h>
#include <memory>

namespace platform::qt {
namespace {

constexpr int kCharsetGb2312 = 134;

struct FontconfigDeleter {
    void operator()(FcCharSet* characters) const { FcCharSetDestroy(characters); }
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
    void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};
template <typename T> using Owned = std::unique_ptr<T, FontconfigDeleter>;

// The language in fontconfig's terms whose characters a face must have for the character set.
const FcChar8* LanguageOf(int charset) {
    return charset == kCharsetGb2312 ? reinterpret_cast<const FcChar8*>("zh-cn") : nullptr;
}

bool Covers(FcPattern* face, const FcCharSet* characters, const FcChar8* language) {
    FcCharSet* has = nullptr;
    if (FcPatternGetCharSet(face, FC_CHARSET, 0, &has) != FcResultMatch ||
        FcCharSetIsSubset(characters, has) == FcFalse) {
        return false;
    }
    FcLangSet* languages = nullptr;
    return language == nullptr ||
           (FcPatternGetLangSet(face, FC_LANG, 0, &languages) == FcResultMatch &&
            FcLangSetHasLang(languages, language) == FcLangEqual);
}

} // namespace

std::optional<std::string> CoveringFace(const QString& text, int charset) {
    const Owned<FcCharSet> characters(FcCharSetCreate());
    for (const uint character : text.toUcs4()) {
        FcCharSetAddChar(characters.get(), character);
    }
    const FcChar8* const language = LanguageOf(charset);
    const Owned<FcPattern> wanted(FcPatternCreate());
    FcPatternAddCharSet(wanted.get(), FC_CHARSET, characters.get());
    if (language != nullptr) {
        FcPatternAddString(wanted.get(), FC_LANG, language);
    }
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    // The sort weighs coverage with everything else; the first face that has it all is taken.
    FcResult result = FcResultNoMatch;
    const Owned<FcFontSet> faces(FcFontSort(nullptr, wanted.get(), FcFalse, nullptr, &result));
    for (int i = 0; faces != nullptr && i < faces->nfont; ++i) {
        FcChar8* family = nullptr;
        if (Covers(faces->fonts[i], characters.get(), language) &&
            FcPatternGetString(faces->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch) {
            return std::string(reinterpret_cast<const char*>(family));
        }
    }
    return std::nullopt;
}

} // namespace platform::qt
