#include "database/Dib.h"

#include "FakePrompts.h"
#include "RecordingCanvas.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumivex {
namespace {

using test::CanvasOpKind;
using test::FakePrompts;
using test::RecordingCanvas;
using test::TempDir;

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// The fields of a bitmap file to build; each left alone gives a consistent file.
struct BmpSpec {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::optional<std::uint32_t> imageSize{};      ///< default: the length of the pixel data
  std::optional<std::uint32_t> coloursUsed{};    ///< default: the entries in `table`
  std::vector<Rgb> table{};                      ///< written blue, green, red, reserved
  std::vector<std::uint32_t> masks{};            ///< after a 40-byte header, inside longer ones
  std::vector<std::vector<std::uint8_t>> rows{}; ///< in stored order, unpadded
  std::uint32_t gap = 0;                         ///< bytes between the colour table and pixels
  std::optional<std::uint32_t> pixelOffset{};    ///< default: where the pixels start
};

void PutU16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFFu));
  out.push_back(static_cast<char>((value >> 8) & 0xFFu));
}

void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFFu);
  PutU16(out, value >> 16);
}

std::string Build(const BmpSpec& spec) {
  // Padding bytes are not zero, so a reader that takes them for pixels shows it.
  std::string pixels;
  for (const std::vector<std::uint8_t>& row : spec.rows) {
    pixels.append(row.begin(), row.end());
    pixels.append((4 - row.size() % 4) % 4, '\xAB');
  }
  std::string header;
  PutU32(header, spec.headerSize);
  PutU32(header, static_cast<std::uint32_t>(spec.width));
  PutU32(header, static_cast<std::uint32_t>(spec.height));
  PutU16(header, spec.planes);
  PutU16(header, spec.bits);
  PutU32(header, spec.compression);
  PutU32(header, spec.imageSize.value_or(static_cast<std::uint32_t>(pixels.size())));
  PutU32(header, 2835);
  PutU32(header, 2835);
  PutU32(header, spec.coloursUsed.value_or(static_cast<std::uint32_t>(spec.table.size())));
  PutU32(header, 0);
  for (const std::uint32_t mask : spec.masks) {
    PutU32(header, mask);
  }
  if (spec.headerSize > header.size()) {
    header.append(spec.headerSize - header.size(), '\0');
  }
  for (const Rgb& colour : spec.table) {
    header.push_back(static_cast<char>(colour.b));
    header.push_back(static_cast<char>(colour.g));
    header.push_back(static_cast<char>(colour.r));
    header.push_back('\0');
  }
  header.append(spec.gap, '\x5A');
  const auto offset = static_cast<std::uint32_t>(14 + header.size());
  std::string file = "BM";
  PutU32(file, static_cast<std::uint32_t>(offset + pixels.size()));
  PutU32(file, 0);
  PutU32(file, spec.pixelOffset.value_or(offset));
  return file + header + pixels;
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{128, 128, 128};

RgbImage Decoded(const BmpSpec& spec) {
  std::optional<RgbImage> image = DecodeDib(Build(spec));
  EXPECT_TRUE(image.has_value());
  return image.value_or(RgbImage{});
}

RgbImage Gradient(int width, int height) {
  RgbImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.pixels.push_back({static_cast<std::uint8_t>(30 * x), static_cast<std::uint8_t>(50 * y),
                              static_cast<std::uint8_t>(x * y + 7)});
    }
  }
  return image;
}

TEST(DibRead, TwentyFourBitRowsAreBottomUpAndPadded) {
  BmpSpec spec;
  spec.width = 3;
  spec.height = 2;
  // Nine bytes a row: three bytes of padding each.
  spec.rows = {{3, 2, 1, 6, 5, 4, 9, 8, 7}, {0, 0, 255, 0, 255, 0, 255, 0, 0}};
  const RgbImage image = Decoded(spec);
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  const std::vector<Rgb> expected{kRed, kGreen, kBlue, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  EXPECT_EQ(image.pixels, expected);
}

TEST(DibRead, NegativeHeightMeansTopDownRows) {
  BmpSpec spec;
  spec.width = 1;
  spec.height = -3;
  spec.rows = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
  const RgbImage image = Decoded(spec);
  EXPECT_EQ(image.height, 3);
  EXPECT_EQ(image.pixels, (std::vector<Rgb>{kRed, kGreen, kBlue}));
}

TEST(DibRead, IndexedDepthsTakeColoursFromTheTable) {
  // One bit: ten pixels span two bytes, the first pixel in the highest bit.
  BmpSpec mono;
  mono.width = 10;
  mono.height = 1;
  mono.bits = 1;
  mono.table = {kBlack, kWhite};
  mono.rows = {{0b10110000, 0b01000000}};
  EXPECT_EQ(Decoded(mono).pixels, (std::vector<Rgb>{kWhite, kBlack, kWhite, kWhite, kBlack, kBlack,
                                                    kBlack, kBlack, kBlack, kWhite}));

  // Four bits: the high nibble first; an odd width leaves half a byte.
  BmpSpec sixteen;
  sixteen.width = 3;
  sixteen.height = 2;
  sixteen.bits = 4;
  sixteen.table = {kBlack, kRed, kGreen, kBlue};
  sixteen.rows = {{0x12, 0x30}, {0x32, 0x1F}};
  EXPECT_EQ(Decoded(sixteen).pixels, (std::vector<Rgb>{kBlue, kGreen, kRed, kRed, kGreen, kBlue}));

  BmpSpec eight;
  eight.width = 2;
  eight.height = 1;
  eight.bits = 8;
  eight.table = {kGrey, kBlue, kRed};
  eight.rows = {{2, 0}};
  EXPECT_EQ(Decoded(eight).pixels, (std::vector<Rgb>{kRed, kGrey}));
}

TEST(DibRead, ZeroColourCountMeansAFullTable) {
  BmpSpec spec;
  spec.width = 2;
  spec.height = 1;
  spec.bits = 8;
  for (int i = 0; i < 256; ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    spec.table.push_back({level, static_cast<std::uint8_t>(255 - i), 0});
  }
  spec.coloursUsed = 0;
  spec.rows = {{255, 1}};
  EXPECT_EQ(Decoded(spec).pixels, (std::vector<Rgb>{{255, 0, 0}, {1, 254, 0}}));

  // The same count read as 256 needs a table the file does not hold: only two entries stay.
  spec.table.erase(spec.table.begin() + 2, spec.table.end());
  EXPECT_FALSE(DecodeDib(Build(spec)).has_value());
}

TEST(DibRead, IndexBeyondAShortTableIsBlack) {
  BmpSpec spec;
  spec.width = 2;
  spec.height = 1;
  spec.bits = 8;
  spec.table = {kRed, kGreen};
  spec.rows = {{1, 200}};
  EXPECT_EQ(Decoded(spec).pixels, (std::vector<Rgb>{kGreen, kBlack}));
}

TEST(DibRead, ZeroImageSizeFieldWithAnOddRowLength) {
  // Five one-byte pixels a row, padded to eight; the size comes from the padded rows.
  BmpSpec spec;
  spec.width = 5;
  spec.height = 2;
  spec.bits = 8;
  spec.table = {kBlack, kRed, kGreen, kBlue, kWhite};
  spec.imageSize = 0;
  spec.rows = {{4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}};
  const RgbImage image = Decoded(spec);
  EXPECT_EQ(image.pixels, (std::vector<Rgb>{kBlack, kRed, kGreen, kBlue, kWhite, kWhite, kBlue,
                                            kGreen, kRed, kBlack}));
}

TEST(DibRead, PixelDataStartsAtTheFileHeadersOffset) {
  BmpSpec spec;
  spec.bits = 8;
  spec.table = {kRed, kBlue};
  spec.gap = 8;
  spec.rows = {{1}};
  EXPECT_EQ(Decoded(spec).pixels, std::vector<Rgb>{kBlue});
}

TEST(DibRead, DirectColourWithDefaultMasks) {
  // 32 bits: blue, green, red and an unused byte.
  BmpSpec thirtyTwo;
  thirtyTwo.width = 2;
  thirtyTwo.bits = 32;
  thirtyTwo.rows = {{10, 20, 30, 99, 0, 0, 255, 0}};
  EXPECT_EQ(Decoded(thirtyTwo).pixels, (std::vector<Rgb>{{30, 20, 10}, kRed}));

  // 16 bits without masks are 5-5-5: x rrrrr ggggg bbbbb.
  BmpSpec sixteen;
  sixteen.width = 3;
  sixteen.bits = 16;
  sixteen.rows = {{0x00, 0x7C, 0xE0, 0x03, 0x10, 0x42}}; // red, green, 0x4210 = mid grey
  EXPECT_EQ(Decoded(sixteen).pixels, (std::vector<Rgb>{kRed, kGreen, {132, 132, 132}}));
}

TEST(DibRead, BitFieldMasksInEveryHeaderLength) {
  // 5-6-5 with the masks after a 40-byte header.
  BmpSpec rgb565;
  rgb565.width = 3;
  rgb565.bits = 16;
  rgb565.compression = kBitFields;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.rows = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}};
  EXPECT_EQ(Decoded(rgb565).pixels, (std::vector<Rgb>{kRed, kGreen, kBlue}));
  // Six green bits: 0x0400 is 32 of 63.
  rgb565.rows = {{0x00, 0x04, 0x00, 0x00, 0xFF, 0xFF}};
  EXPECT_EQ(Decoded(rgb565).pixels, (std::vector<Rgb>{{0, 130, 0}, kBlack, kWhite}));

  // The same masks inside a V5 header.
  BmpSpec v5 = rgb565;
  v5.headerSize = 124;
  v5.rows = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}};
  EXPECT_EQ(Decoded(v5).pixels, (std::vector<Rgb>{kRed, kGreen, kBlue}));

  // A V4 header with red in the lowest byte and blue in the highest.
  BmpSpec v4;
  v4.headerSize = 108;
  v4.width = 2;
  v4.height = -1;
  v4.bits = 32;
  v4.compression = kBitFields;
  v4.masks = {0x000000FF, 0x0000FF00, 0xFF000000};
  v4.rows = {{10, 20, 0, 30, 0, 0, 0, 255}};
  EXPECT_EQ(Decoded(v4).pixels, (std::vector<Rgb>{{10, 20, 30}, kBlue}));
}

// Files that must be refused, each built from a valid 2 x 2 8-bit picture.
std::vector<std::pair<std::string, std::string>> HostileFiles() {
  BmpSpec valid;
  valid.width = 2;
  valid.height = 2;
  valid.bits = 8;
  valid.table = {kBlack, kWhite};
  valid.rows = {{0, 1}, {1, 0}};
  const std::string good = Build(valid);

  std::vector<std::pair<std::string, std::string>> files;
  const auto add = [&files](std::string name, std::string bytes) {
    files.emplace_back(std::move(name), std::move(bytes));
  };
  const auto with = [&valid, &add](std::string name, auto change) {
    BmpSpec spec = valid;
    change(spec);
    add(std::move(name), Build(spec));
  };

  add("empty", "");
  add("signature only", "BM");
  add("cut in the information header", good.substr(0, 40));
  add("cut in the colour table", good.substr(0, 58));
  add("cut in the pixels", good.substr(0, good.size() - 1));
  add("wrong signature", "MB" + good.substr(2));
  with("pixel offset beyond the end", [](BmpSpec& s) { s.pixelOffset = 5000; });
  with("pixel offset at the very end",
       [&good](BmpSpec& s) { s.pixelOffset = static_cast<std::uint32_t>(good.size()); });
  with("pixel offset inside the colour table", [](BmpSpec& s) { s.pixelOffset = 58; });
  with("image size beyond the end", [](BmpSpec& s) { s.imageSize = 0xFFFFFFFF; });
  with("image size smaller than the rows", [](BmpSpec& s) { s.imageSize = 4; });
  with("width times height overflowing", [](BmpSpec& s) {
    s.width = 0x7FFFFFFF;
    s.height = 0x7FFFFFFF;
  });
  with("more than a hundred million pixels", [](BmpSpec& s) {
    s.width = 10001;
    s.height = 10000;
    s.imageSize = 0;
  });
  with("rows longer than the file", [](BmpSpec& s) { s.width = 100; });
  with("zero width", [](BmpSpec& s) { s.width = 0; });
  with("negative width", [](BmpSpec& s) { s.width = -2; });
  with("zero height", [](BmpSpec& s) { s.height = 0; });
  with("most negative height", [](BmpSpec& s) { s.height = INT32_MIN; });
  with("zero planes", [](BmpSpec& s) { s.planes = 0; });
  with("two bits a pixel", [](BmpSpec& s) { s.bits = 2; });
  with("zero bits a pixel", [](BmpSpec& s) { s.bits = 0; });
  with("64 bits a pixel", [](BmpSpec& s) { s.bits = 64; });
  with("run-length 8-bit rows", [](BmpSpec& s) { s.compression = kRle8; });
  with("run-length 4-bit rows", [](BmpSpec& s) {
    s.bits = 4;
    s.compression = kRle4;
  });
  with("bit fields on an 8-bit picture", [](BmpSpec& s) {
    s.compression = kBitFields;
    s.masks = {0xE0, 0x1C, 0x03};
  });
  with("unknown compression", [](BmpSpec& s) { s.compression = 4; });
  with("colour count larger than the table held", [](BmpSpec& s) { s.coloursUsed = 200; });
  with("colour count beyond the depth", [](BmpSpec& s) {
    s.bits = 1;
    s.table = {kBlack, kWhite, kRed};
    s.rows = {{0x40}, {0x80}};
  });
  with("colour count at the limit of its field", [](BmpSpec& s) { s.coloursUsed = 0xFFFFFFFF; });
  with("core header of 12 bytes", [](BmpSpec& s) { s.headerSize = 12; });
  with("header of 64 bytes", [](BmpSpec& s) { s.headerSize = 64; });
  add("header size at the limit of its field", [&good] {
    std::string bytes = good;
    bytes.replace(14, 4, "\xFF\xFF\xFF\xFF");
    return bytes;
  }());
  add("V5 header longer than the file", [] {
    BmpSpec spec;
    spec.headerSize = 124;
    spec.rows = {{1, 2, 3}};
    return Build(spec).substr(0, 100);
  }());

  BmpSpec fields;
  fields.width = 1;
  fields.bits = 16;
  fields.compression = kBitFields;
  fields.masks = {0xF800, 0x07E0, 0x001F};
  fields.rows = {{0, 0}};
  const auto withFields = [&fields, &add](std::string name, auto change) {
    BmpSpec spec = fields;
    change(spec);
    add(std::move(name), Build(spec));
  };
  add("bit-field masks cut off", Build(fields).substr(0, 60));
  withFields("an empty mask", [](BmpSpec& s) { s.masks = {0xF800, 0, 0x001F}; });
  withFields("a mask with a hole", [](BmpSpec& s) { s.masks = {0xF800, 0x0660, 0x001F}; });
  withFields("bit fields on 24 bits", [](BmpSpec& s) {
    s.bits = 24;
    s.rows = {{0, 0, 0}};
  });
  return files;
}

TEST(DibRead, HostileFilesAreRefused) {
  const RgbImage before{1, 1, {kGreen}};
  for (const auto& [name, bytes] : HostileFiles()) {
    EXPECT_FALSE(DecodeDib(bytes).has_value()) << name;

    CDib dib;
    ASSERT_TRUE(dib.LoadFromBytes(Build({.rows = {{0, 255, 0}}})).ok);
    const FileStatus status = dib.LoadFromBytes(bytes);
    EXPECT_FALSE(status.ok) << name;
    EXPECT_EQ(status.message, "Invalid bitmap file") << name;
    // The picture attached before stays.
    EXPECT_EQ(dib.Image().pixels, before.pixels) << name;
  }
}

TEST(DibRead, TheValidPictureBehindTheHostileFilesReads) {
  // Guards the refusals above: each differs from this picture in one point only.
  BmpSpec valid;
  valid.width = 2;
  valid.height = 2;
  valid.bits = 8;
  valid.table = {kBlack, kWhite};
  valid.rows = {{0, 1}, {1, 0}};
  EXPECT_EQ(Decoded(valid).pixels, (std::vector<Rgb>{kWhite, kBlack, kBlack, kWhite}));
}

TEST(DibFile, WrittenBitmapsReadBackPixelForPixel) {
  TempDir dir;
  // Widths whose rows need 0, 1, 2 and 3 bytes of padding.
  for (const int width : {4, 5, 6, 7}) {
    const RgbImage image = Gradient(width, 3);
    const std::string path = dir.Path("picture" + std::to_string(width) + ".str.bmp");
    ASSERT_TRUE(WriteBmp(path, image).ok);
    CDib dib;
    ASSERT_TRUE(dib.LoadFromFile(path).ok) << width;
    EXPECT_EQ(dib.Image().width, width);
    EXPECT_EQ(dib.Image().height, 3);
    EXPECT_EQ(dib.Image().pixels, image.pixels) << width;
  }
}

TEST(DibFile, AttachingAndReleasing) {
  TempDir dir;
  CDib dib;
  EXPECT_FALSE(dib.IsAttached());
  EXPECT_EQ(dib.DisplaySize(), (CSize{0, 0}));

  // A file that cannot be read fails without a message.
  const FileStatus missing = dib.LoadFromFile(dir.Path("missing.str.bmp"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "");

  const std::string path = dir.Path("small.str.bmp");
  ASSERT_TRUE(WriteBmp(path, Gradient(3, 2)).ok);
  ASSERT_TRUE(dib.LoadFromFile(path).ok);
  EXPECT_TRUE(dib.IsAttached());
  // The display size is the frame's, whatever the picture's own size.
  EXPECT_EQ(dib.DisplaySize(), (CSize{240, 200}));

  const std::string text = dir.Write("notes.str.bmp", "not a picture");
  EXPECT_EQ(dib.LoadFromFile(text).message, "Invalid bitmap file");
  EXPECT_EQ(dib.Image().pixels, Gradient(3, 2).pixels);

  dib.Release();
  EXPECT_FALSE(dib.IsAttached());
  EXPECT_EQ(dib.DisplaySize(), (CSize{0, 0}));
}

TEST(DibScale, EnlargingRepeatsEachPixelInBlocks) {
  const RgbImage image{2, 2, {kRed, kGreen, kBlue, kWhite}};
  const RgbImage scaled = ScaleImage(image, {4, 4});
  EXPECT_EQ(scaled.width, 4);
  EXPECT_EQ(scaled.height, 4);
  const std::vector<Rgb> expected{kRed,  kRed,  kGreen, kGreen, kRed,  kRed,  kGreen, kGreen,
                                  kBlue, kBlue, kWhite, kWhite, kBlue, kBlue, kWhite, kWhite};
  EXPECT_EQ(scaled.pixels, expected);
}

TEST(DibScale, ShrinkingTakesTheTopLeftPixelOfEachBlock) {
  const RgbImage image = Gradient(4, 4);
  const RgbImage scaled = ScaleImage(image, {2, 2});
  ASSERT_EQ(scaled.pixels.size(), 4u);
  EXPECT_EQ(scaled.pixels[0], image.pixels[0]);
  EXPECT_EQ(scaled.pixels[1], image.pixels[2]);
  EXPECT_EQ(scaled.pixels[2], image.pixels[8]);
  EXPECT_EQ(scaled.pixels[3], image.pixels[10]);
}

TEST(DibScale, StructurePicturesFillTheFrame) {
  // Enlarged: the corner pixels reach the corners of the frame.
  for (const CSize own : {CSize{120, 100}, CSize{7, 3}}) {
    const RgbImage image = Gradient(own.cx, own.cy);
    const RgbImage scaled = ScaleImage(image, kStructureDisplaySize);
    EXPECT_EQ(scaled.width, 240);
    EXPECT_EQ(scaled.height, 200);
    ASSERT_EQ(scaled.pixels.size(), 240u * 200u);
    EXPECT_EQ(scaled.pixels.front(), image.pixels.front());
    EXPECT_EQ(scaled.pixels.back(), image.pixels.back());
  }
  // Reduced by half: the frame's last pixel is the source's pixel (478, 398).
  const RgbImage large = Gradient(480, 400);
  const RgbImage reduced = ScaleImage(large, kStructureDisplaySize);
  ASSERT_EQ(reduced.pixels.size(), 240u * 200u);
  EXPECT_EQ(reduced.pixels.back(), large.pixels[398 * 480 + 478]);
  EXPECT_EQ(reduced.pixels[240 + 1], large.pixels[2 * 480 + 2]);
}

TEST(DibScale, NothingToScaleGivesAnEmptyPicture) {
  EXPECT_TRUE(ScaleImage(RgbImage{}, {4, 4}).pixels.empty());
  EXPECT_TRUE(ScaleImage(Gradient(2, 2), {0, 4}).pixels.empty());
  EXPECT_TRUE(ScaleImage(Gradient(2, 2), {4, -1}).pixels.empty());
  EXPECT_TRUE(ScaleImage(RgbImage{2, 2, {kRed}}, {4, 4}).pixels.empty());
}

TEST(DibDraw, DrawsTheWholePictureIntoTheRectangle) {
  RecordingCanvas canvas;
  CDib dib;
  EXPECT_FALSE(dib.DrawStretched(canvas, {1, 7}, {240, 200}));
  EXPECT_FALSE(canvas.DrewAnything());

  ASSERT_TRUE(dib.LoadFromBytes(Build({.width = 2, .rows = {{0, 0, 255, 255, 0, 0}}})).ok);
  EXPECT_TRUE(dib.DrawStretched(canvas, {1, 7}, {240, 200}));
  const std::vector<test::CanvasOp> drawn = canvas.OpsOfKind(CanvasOpKind::StretchImage);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].points, (std::vector<CPoint>{{1, 7}, {241, 207}}));
  EXPECT_EQ(drawn[0].image.pixels, (std::vector<Rgb>{kRed, kBlue}));
}

TEST(DibDraw, StructureFrameShowsThePictureOrSaysThereIsNone) {
  TempDir dir;
  const std::string picture = dir.Path("benzene.str.bmp");
  ASSERT_TRUE(WriteBmp(picture, Gradient(5, 4)).ok);
  FakePrompts prompts;
  CDib dib;

  RecordingCanvas shown;
  ASSERT_EQ(LoadStructurePicture(prompts, dib, picture, StructureView::Blank),
            StructureView::Picture);
  PaintStructure(shown, dib, StructureView::Picture);
  const std::vector<test::CanvasOp> drawn = shown.OpsOfKind(CanvasOpKind::StretchImage);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].points, (std::vector<CPoint>{{1, 7}, {241, 207}}));
  EXPECT_EQ(drawn[0].image.pixels, Gradient(5, 4).pixels);
  EXPECT_EQ(shown.Count(CanvasOpKind::FillRect), 0);
  EXPECT_TRUE(prompts.messages.empty());

  // A missing file, and a record without a picture (the bare folder), get the white area.
  for (const std::string& path : {dir.Path("missing.str.bmp"), dir.Path("")}) {
    RecordingCanvas none;
    ASSERT_EQ(LoadStructurePicture(prompts, dib, path, StructureView::Picture),
              StructureView::NoStructure);
    PaintStructure(none, dib, StructureView::NoStructure);
    const std::vector<test::CanvasOp> fills = none.OpsOfKind(CanvasOpKind::FillRect);
    ASSERT_EQ(fills.size(), 1u) << path;
    EXPECT_EQ(fills[0].points, (std::vector<CPoint>{{1, 7}, {241, 210}}));
    EXPECT_EQ(fills[0].colour, kWhite);
    const std::optional<test::DrawnText> text = none.FindText("No structure available");
    ASSERT_TRUE(text.has_value()) << path;
    EXPECT_EQ(text->at, (CPoint{40, 100}));
    EXPECT_EQ(text->font, CFont{});
    EXPECT_EQ(text->colour, kBlack);
    EXPECT_EQ(text->align, TextAlign::LeftTop);
    EXPECT_EQ(none.Count(CanvasOpKind::StretchImage), 0);
  }
  EXPECT_TRUE(prompts.messages.empty());

  RecordingCanvas blank;
  PaintStructure(blank, dib, StructureView::Blank);
  EXPECT_FALSE(blank.DrewAnything());
}

TEST(DibDraw, AFileThatIsNoBitmapIsReportedAndLeavesTheFrame) {
  TempDir dir;
  const std::string good = dir.Path("good.str.bmp");
  ASSERT_TRUE(WriteBmp(good, Gradient(2, 2)).ok);
  const std::string bad = dir.Write("bad.str.bmp", "GIF89a");
  FakePrompts prompts;
  CDib dib;
  ASSERT_EQ(LoadStructurePicture(prompts, dib, good, StructureView::Blank), StructureView::Picture);

  EXPECT_EQ(LoadStructurePicture(prompts, dib, bad, StructureView::Picture),
            StructureView::Picture);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Invalid bitmap file");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(dib.Image().pixels, Gradient(2, 2).pixels);
}

} // namespace
} // namespace lumivex
