// The committed icon files hold what Windows and the Linux desktop expect of them.
#include <cstddef>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(IconFile, IsOne128PixelUncompressed256ColourBitmapWithItsMask) {
    const Bytes icon = ReadFile(ICON_FILE);
    // Directory, info header, 256-colour palette, one byte per pixel, then the AND mask.
    const std::size_t maskAt = 6 + 16 + 40 + 256 * 4 + 128 * 128;
    ASSERT_EQ(icon.size(), maskAt + 128 * 128 / 8);
    const Bytes expected = {
        0,    0,    1, 0, 1,   0,                    // an icon of one image,
        128,  128,  0, 0, 1,   0, 8, 0,              // 128 by 128, 8 bits per pixel,
        0x28, 0x4C, 0, 0, 22,  0, 0, 0,              // 19496 bytes right after this directory,
        40,   0,    0, 0, 128, 0, 0, 0,              // a bitmap (not a PNG) 128 wide,
        0,    1,    0, 0, 1,   0, 8, 0, 0, 0, 0, 0}; // twice as high for its mask, uncompressed
    EXPECT_EQ(Bytes(icon.begin(), icon.begin() + std::ssize(expected)), expected);
    // Mask rows run bottom-up; a set bit lets the background through: at a corner, not where
    // the tools cross in the middle.
    EXPECT_EQ(icon[maskAt] >> 7, 1);
    EXPECT_EQ(icon[maskAt + 64 * 16 + 8] >> 7, 0);
}

TEST(IconPicture, IsA128PixelSquarePngWithAlpha) {
    const Bytes picture = ReadFile(PICTURE_FILE);
    const Bytes expected = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', // signature,
                            0,    0,   0,   13,  'I',  'H',  'D',  'R',
                            0,    0,   0,   128, 0,    0,    0,    128, // 128 by 128,
                            8,    6};                                   // 8 bits a sample, RGBA
    ASSERT_GE(picture.size(), expected.size());
    EXPECT_EQ(Bytes(picture.begin(), picture.begin() + std::ssize(expected)), expected);
}

} // namespace
