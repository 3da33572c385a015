// The committed icon files hold what Windows and the Linux desktop expect of them.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kSide = 128;
constexpr std::size_t kDirectorySize = 6 + 16;
constexpr std::size_t kMaskRowBytes = kSide / 8;
// Info header, 256-colour palette, one byte per pixel, then the AND mask.
constexpr std::size_t kMaskAt = kDirectorySize + 40 + 256 * 4 + kSide * kSide;

Bytes ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The number of `count` bytes at `at`, least significant first unless `bigEndian`.
std::uint64_t Number(const Bytes& bytes, std::size_t at, std::size_t count,
                     bool bigEndian = false) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value = value << 8 | bytes.at(bigEndian ? at + i : at + count - 1 - i);
    }
    return value;
}

TEST(IconFile, IsOne128PixelUncompressed256ColourBitmapWithItsMask) {
    const Bytes icon = ReadFile(ICON_FILE);
    EXPECT_EQ(Number(icon, 0, 6), 0x0001'0001'0000u) << "reserved, type icon, one image";
    EXPECT_EQ(icon.at(6), kSide);
    EXPECT_EQ(icon.at(7), kSide);
    EXPECT_EQ(Number(icon, 12, 2), 8u) << "bits per pixel";
    EXPECT_EQ(Number(icon, 18, 4), kDirectorySize) << "image offset";
    EXPECT_EQ(Number(icon, kDirectorySize, 4), 40u) << "a bitmap info header, not a PNG";
    EXPECT_EQ(Number(icon, kDirectorySize + 8, 4), 2 * kSide) << "pixels and AND mask";
    EXPECT_EQ(Number(icon, kDirectorySize + 16, 4), 0u) << "compressed";
    EXPECT_EQ(icon.size(), kMaskAt + kSide * kMaskRowBytes);
    // Mask rows run bottom-up; a set bit lets the background through: at the corners, not where
    // the tools cross in the middle.
    EXPECT_EQ(icon.at(kMaskAt) >> 7, 1);
    EXPECT_EQ(icon.at(kMaskAt + kSide * kMaskRowBytes - 1) & 1, 1);
    EXPECT_EQ(icon.at(kMaskAt + kSide / 2 * kMaskRowBytes + kSide / 16) >> 7, 0);
}

TEST(IconPicture, IsA128PixelSquarePngWithAlpha) {
    const Bytes picture = ReadFile(PICTURE_FILE);
    EXPECT_EQ(Number(picture, 0, 4, true), 0x89504e47u);
    EXPECT_EQ(Number(picture, 12, 4, true), 0x49484452u) << "IHDR first";
    EXPECT_EQ(Number(picture, 16, 4, true), kSide);
    EXPECT_EQ(Number(picture, 20, 4, true), kSide);
    EXPECT_EQ(Number(picture, 24, 2, true), 0x0806u) << "8 bits per sample, RGBA";
}

} // namespace
