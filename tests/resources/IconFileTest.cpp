// The committed icon files hold what Windows and the Linux desktop expect of them.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t Side = 128;
constexpr std::size_t DirectorySize = 6 + 16;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t PaletteSize = 256 * 4;
constexpr std::size_t PixelBytes = Side * Side;
constexpr std::size_t MaskRowBytes = (Side / 8 + 3) / 4 * 4;

Bytes ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t LittleEndian(const Bytes& bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = value << 8 | bytes.at(at + i);
    return value;
}

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

class IconFileTest : public testing::Test {
protected:
    const Bytes icon = ReadFile(ICON_FILE);
    std::size_t ImageAt() const { return LittleEndian(icon, 18, 4); }
    std::size_t MaskAt() const { return ImageAt() + InfoHeaderSize + PaletteSize + PixelBytes; }
    // Bitmap rows run bottom-up; a set AND bit lets the background through.
    bool Transparent(std::size_t x, std::size_t y) const {
        const std::size_t row = Side - 1 - y;
        return (icon.at(MaskAt() + row * MaskRowBytes + x / 8) >> (7 - x % 8) & 1) != 0;
    }
};

TEST_F(IconFileTest, DirectoryHoldsExactlyOneIcon) {
    EXPECT_EQ(LittleEndian(icon, 0, 2), 0u);
    EXPECT_EQ(LittleEndian(icon, 2, 2), 1u);
    EXPECT_EQ(LittleEndian(icon, 4, 2), 1u);
}

TEST_F(IconFileTest, EntryDescribesA128PixelSquareOf256Colours) {
    EXPECT_EQ(icon.at(6), Side);
    EXPECT_EQ(icon.at(7), Side);
    EXPECT_EQ(icon.at(8), 0u) << "256 colours are written as 0";
    EXPECT_EQ(LittleEndian(icon, 10, 2), 1u);
    EXPECT_EQ(LittleEndian(icon, 12, 2), 8u);
    EXPECT_EQ(ImageAt(), DirectorySize);
}

TEST_F(IconFileTest, ImageIsAnUncompressedPaletteBitmapWithItsMask) {
    const std::size_t at = ImageAt();
    EXPECT_NE(BigEndian(icon, at), 0x89504e47u) << "a PNG image instead of a bitmap";
    EXPECT_EQ(LittleEndian(icon, at, 4), InfoHeaderSize);
    EXPECT_EQ(LittleEndian(icon, at + 4, 4), Side);
    EXPECT_EQ(LittleEndian(icon, at + 8, 4), 2 * Side) << "pixels and AND mask";
    EXPECT_EQ(LittleEndian(icon, at + 12, 2), 1u);
    EXPECT_EQ(LittleEndian(icon, at + 14, 2), 8u);
    EXPECT_EQ(LittleEndian(icon, at + 16, 4), 0u) << "compressed";
    const std::uint32_t coloursUsed = LittleEndian(icon, at + 32, 4);
    EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 256) << coloursUsed;
}

TEST_F(IconFileTest, SizesCoverHeaderPalettePixelsAndMaskExactly) {
    const std::size_t imageSize = InfoHeaderSize + PaletteSize + PixelBytes + Side * MaskRowBytes;
    EXPECT_EQ(LittleEndian(icon, 14, 4), imageSize);
    EXPECT_EQ(icon.size(), DirectorySize + imageSize);
}

TEST_F(IconFileTest, MaskShowsTheBackgroundAtTheCornersOnly) {
    EXPECT_TRUE(Transparent(0, 0));
    EXPECT_TRUE(Transparent(Side - 1, 0));
    EXPECT_TRUE(Transparent(0, Side - 1));
    EXPECT_TRUE(Transparent(Side - 1, Side - 1));
    EXPECT_FALSE(Transparent(Side / 2, Side / 2)) << "where the tools cross";
}

TEST(IconPictureTest, PngIsA128PixelSquareWithAlpha) {
    const Bytes picture = ReadFile(PICTURE_FILE);
    EXPECT_EQ(BigEndian(picture, 0), 0x89504e47u);
    EXPECT_EQ(BigEndian(picture, 12), 0x49484452u) << "IHDR first";
    EXPECT_EQ(BigEndian(picture, 16), Side);
    EXPECT_EQ(BigEndian(picture, 20), Side);
    EXPECT_EQ(picture.at(24), 8u) << "bits per sample";
    EXPECT_EQ(picture.at(25), 6u) << "RGBA";
}

} // namespace
