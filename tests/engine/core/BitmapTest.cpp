#include "core/Bitmap.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::TempDir;

std::vector<std::uint8_t> Bytes(const std::string& contents) {
  return {contents.begin(), contents.end()};
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Decodes a 24-bit bottom-up bitmap as any reader would: dimensions and pixel offset from
// the headers, rows padded to four bytes.
RgbImage Decode(const std::vector<std::uint8_t>& bytes) {
  RgbImage image;
  image.width = static_cast<int>(U32At(bytes, 18));
  image.height = static_cast<int>(U32At(bytes, 22));
  const std::size_t offset = U32At(bytes, 10);
  const std::size_t rowSize = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
  for (int row = 0; row < image.height; ++row) {
    const std::size_t start = offset + static_cast<std::size_t>(image.height - 1 - row) * rowSize;
    for (int column = 0; column < image.width; ++column) {
      const std::size_t at = start + static_cast<std::size_t>(column) * 3;
      image.pixels.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
  }
  return image;
}

RgbImage Gradient(int width, int height) {
  RgbImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.pixels.push_back({static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(60 * y),
                              static_cast<std::uint8_t>(x + 10 * y + 1)});
    }
  }
  return image;
}

TEST(Bitmap, ThreeByTwoImageHasTheExactBytes) {
  TempDir dir;
  const std::string path = dir.Path("small.bmp");
  const RgbImage image{
      3, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
  ASSERT_TRUE(WriteBmp(path, image).ok);

  // Rows of 3 pixels take 9 bytes, padded to 12: 24 bytes of pixels after 54 of headers.
  const std::vector<std::uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file header
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0x13, 0x0B, 0, 0,
      0x13, 0x0B, 0, 0, // 2835 pixels a metre = 72 dpi
      0, 0, 0, 0, 0, 0, 0, 0,
      // The bottom row comes first, each pixel blue, green, red.
      3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0,
      // Then the top row: red, green, blue.
      0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(TempDir::Read(path)), expected);
}

TEST(Bitmap, WrittenImagesReadBack) {
  TempDir dir;
  // Widths whose rows need 0, 1, 2 and 3 bytes of padding.
  for (const int width : {4, 5, 6, 7}) {
    const RgbImage image = Gradient(width, 3);
    const std::string path = dir.Path("gradient" + std::to_string(width) + ".bmp");
    ASSERT_TRUE(WriteBmp(path, image).ok) << width;
    const std::vector<std::uint8_t> bytes = Bytes(TempDir::Read(path));
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(rowSize % 4, 0u);
    EXPECT_EQ(bytes.size(), 54 + rowSize * 3) << width;
    EXPECT_EQ(U32At(bytes, 2), bytes.size()) << width;
    EXPECT_EQ(U32At(bytes, 34), rowSize * 3) << width;
    const RgbImage back = Decode(bytes);
    EXPECT_EQ(back.width, width);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.pixels, image.pixels) << width;
  }
}

TEST(Bitmap, ReplacesAnExistingFile) {
  TempDir dir;
  const std::string path = dir.Write("picture.bmp", std::string(500, 'x'));
  const RgbImage image{1, 1, {{10, 20, 30}}};
  ASSERT_TRUE(WriteBmp(path, image).ok);
  const std::vector<std::uint8_t> bytes = Bytes(TempDir::Read(path));
  ASSERT_EQ(bytes.size(), 58u); // one pixel, padded to four bytes
  EXPECT_EQ(Decode(bytes).pixels, image.pixels);
}

TEST(Bitmap, RefusesPicturesItCannotWrite) {
  TempDir dir;
  const std::string path = dir.Path("bad.bmp");
  const RgbImage empty{0, 0, {}};
  const RgbImage negative{-2, 3, {}};
  const RgbImage tooFewPixels{2, 2, {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}};
  for (const RgbImage& image : {empty, negative, tooFewPixels}) {
    const FileStatus status = WriteBmp(path, image);
    EXPECT_FALSE(status.ok);
    EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
  }
  EXPECT_FALSE(std::filesystem::exists(path));

  const FileStatus missingFolder = WriteBmp(dir.Path("no/such/folder/a.bmp"), Gradient(2, 2));
  EXPECT_FALSE(missingFolder.ok);
  EXPECT_FALSE(missingFolder.message.empty());
}

} // namespace
} // namespace lumivex
