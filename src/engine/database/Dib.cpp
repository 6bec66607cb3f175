#include "database/Dib.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace lumivex {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;
constexpr std::uint64_t kV4HeaderSize = 108;
constexpr std::uint64_t kV5HeaderSize = 124;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::uint64_t kMaskBytes = 12;
constexpr std::uint64_t kColourEntryBytes = 4;
constexpr std::uint64_t kMaxColourEntries = 256;
// The white area of a missing picture reaches three pixels below the picture's place.
constexpr CRect kStructureArea{1, 7, 241, 210};
constexpr CPoint kNoStructureTextAt{40, 100};

// Little-endian reads; the caller has checked that the bytes lie inside `bytes`.
std::uint32_t U8At(std::string_view bytes, std::uint64_t at) {
  return static_cast<unsigned char>(bytes[static_cast<std::size_t>(at)]);
}

std::uint32_t U16At(std::string_view bytes, std::uint64_t at) {
  return U8At(bytes, at) | U8At(bytes, at + 1) << 8;
}

std::uint32_t U32At(std::string_view bytes, std::uint64_t at) {
  return U16At(bytes, at) | U16At(bytes, at + 2) << 16;
}

std::int32_t S32At(std::string_view bytes, std::uint64_t at) {
  return std::bit_cast<std::int32_t>(U32At(bytes, at));
}

/// One colour channel of a 16- or 32-bit pixel: a run of set bits in the pixel value.
class Channel {
public:
  /// False for a mask that is empty or not one run of bits.
  bool Set(std::uint32_t mask) {
    if (mask == 0) {
      return false;
    }
    m_shift = std::countr_zero(mask);
    const std::uint32_t run = mask >> m_shift;
    if ((run & (run + 1)) != 0) {
      return false;
    }
    m_mask = mask;
    m_max = run;
    return true;
  }

  /// The channel of `pixel` scaled to 0..255.
  [[nodiscard]] std::uint8_t Of(std::uint32_t pixel) const {
    const std::uint64_t value = (pixel & m_mask) >> m_shift;
    return static_cast<std::uint8_t>((value * 255 + m_max / 2) / m_max);
  }

private:
  std::uint32_t m_mask = 0;
  int m_shift = 0;
  std::uint64_t m_max = 1;
};

struct Masks {
  Channel red;
  Channel green;
  Channel blue;

  bool Set(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return red.Set(r) && green.Set(g) && blue.Set(b);
  }
  [[nodiscard]] Rgb Of(std::uint32_t pixel) const {
    return {red.Of(pixel), green.Of(pixel), blue.Of(pixel)};
  }
};

} // namespace

std::optional<RgbImage> DecodeDib(std::string_view bytes) {
  const std::uint64_t length = bytes.size();
  if (length < kFileHeaderSize + kInfoHeaderSize || U16At(bytes, 0) != 0x4D42) {
    return std::nullopt;
  }
  const std::uint64_t headerSize = U32At(bytes, 14);
  if (headerSize != kInfoHeaderSize && headerSize != kV4HeaderSize && headerSize != kV5HeaderSize) {
    return std::nullopt;
  }
  const std::uint64_t headerEnd = kFileHeaderSize + headerSize;
  if (headerEnd > length) {
    return std::nullopt;
  }

  const std::int64_t width = S32At(bytes, 18);
  const std::int64_t signedHeight = S32At(bytes, 22);
  const bool topDown = signedHeight < 0;
  const std::int64_t height = topDown ? -signedHeight : signedHeight;
  const std::uint32_t planes = U16At(bytes, 26);
  const std::uint32_t bits = U16At(bytes, 28);
  const std::uint32_t compression = U32At(bytes, 30);
  const std::uint64_t imageSizeField = U32At(bytes, 34);
  const std::uint64_t coloursUsed = U32At(bytes, 46);
  if (width <= 0 || height <= 0 || width * height > kMaxBitmapPixels || planes != 1) {
    return std::nullopt;
  }

  Masks masks;
  std::uint64_t tableStart = headerEnd;
  if (compression == kCompressionBitFields && (bits == 16 || bits == 32)) {
    // A 40-byte header is followed by the three masks; longer headers hold them.
    if (headerSize == kInfoHeaderSize) {
      tableStart += kMaskBytes;
      if (tableStart > length) {
        return std::nullopt;
      }
    }
    if (!masks.Set(U32At(bytes, 54), U32At(bytes, 58), U32At(bytes, 62))) {
      return std::nullopt;
    }
  } else if (compression != kCompressionNone) {
    return std::nullopt;
  } else if (bits == 16) {
    masks.Set(0x7C00, 0x03E0, 0x001F);
  } else if (bits == 32) {
    masks.Set(0x00FF0000, 0x0000FF00, 0x000000FF);
  } else if (bits != 1 && bits != 4 && bits != 8 && bits != 24) {
    return std::nullopt;
  }

  const bool indexed = bits <= 8;
  const std::uint64_t entries =
      coloursUsed != 0 ? coloursUsed : (indexed ? std::uint64_t{1} << bits : 0);
  if (indexed && entries > (std::uint64_t{1} << bits)) {
    return std::nullopt;
  }
  // A colour table of a direct-colour picture is only a hint for palettes; it must still
  // lie in the file, and at most 256 entries are accepted.
  if (entries > kMaxColourEntries) {
    return std::nullopt;
  }
  const std::uint64_t tableEnd = tableStart + entries * kColourEntryBytes;
  const std::uint64_t pixelOffset = U32At(bytes, 10);
  if (tableEnd > length || pixelOffset < tableEnd) {
    return std::nullopt;
  }

  // Rows are whole 32-bit words; the product cannot overflow within the pixel limit.
  const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t rows = static_cast<std::uint64_t>(height);
  const std::uint64_t imageSize = imageSizeField != 0 ? imageSizeField : rowSize * rows;
  if (imageSize < rowSize * rows || pixelOffset > length || imageSize > length - pixelOffset) {
    return std::nullopt;
  }

  std::vector<Rgb> table;
  for (std::uint64_t entry = 0; indexed && entry < entries; ++entry) {
    const std::uint64_t at = tableStart + entry * kColourEntryBytes;
    table.push_back({static_cast<std::uint8_t>(U8At(bytes, at + 2)),
                     static_cast<std::uint8_t>(U8At(bytes, at + 1)),
                     static_cast<std::uint8_t>(U8At(bytes, at))});
  }
  const auto fromTable = [&table](std::uint32_t index) {
    return index < table.size() ? table[index] : Rgb{};
  };

  RgbImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.reserve(static_cast<std::size_t>(width * height));
  for (std::uint64_t y = 0; y < rows; ++y) {
    const std::uint64_t stored = topDown ? y : rows - 1 - y;
    const std::uint64_t row = pixelOffset + stored * rowSize;
    for (std::uint64_t x = 0; x < static_cast<std::uint64_t>(width); ++x) {
      switch (bits) {
      case 1:
        image.pixels.push_back(fromTable((U8At(bytes, row + x / 8) >> (7 - x % 8)) & 0x1u));
        break;
      case 4:
        image.pixels.push_back(
            fromTable((U8At(bytes, row + x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0xFu));
        break;
      case 8:
        image.pixels.push_back(fromTable(U8At(bytes, row + x)));
        break;
      case 16:
        image.pixels.push_back(masks.Of(U16At(bytes, row + x * 2)));
        break;
      case 24: {
        const std::uint64_t at = row + x * 3;
        image.pixels.push_back({static_cast<std::uint8_t>(U8At(bytes, at + 2)),
                                static_cast<std::uint8_t>(U8At(bytes, at + 1)),
                                static_cast<std::uint8_t>(U8At(bytes, at))});
        break;
      }
      default:
        image.pixels.push_back(masks.Of(U32At(bytes, row + x * 4)));
        break;
      }
    }
  }
  return image;
}

RgbImage ScaleImage(const RgbImage& image, CSize size) {
  if (image.width <= 0 || image.height <= 0 || size.cx <= 0 || size.cy <= 0 ||
      image.pixels.size() !=
          static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    return {};
  }
  RgbImage scaled{size.cx, size.cy, {}};
  scaled.pixels.reserve(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
  for (std::int64_t y = 0; y < size.cy; ++y) {
    const std::int64_t sourceY = y * image.height / size.cy;
    for (std::int64_t x = 0; x < size.cx; ++x) {
      const std::int64_t sourceX = x * image.width / size.cx;
      scaled.pixels.push_back(
          image.pixels[static_cast<std::size_t>(sourceY * image.width + sourceX)]);
    }
  }
  return scaled;
}

FileStatus CDib::LoadFromFile(const std::string& path) {
  std::string contents;
  if (!ReadWholeFile(path, contents).ok) {
    return {false, ""};
  }
  return LoadFromBytes(contents);
}

FileStatus CDib::LoadFromBytes(std::string_view bytes) {
  std::optional<RgbImage> image = DecodeDib(bytes);
  if (!image) {
    return {false, kInvalidBitmapFile};
  }
  m_image = std::move(*image);
  return {true, ""};
}

CSize CDib::DisplaySize() const {
  return IsAttached() ? kStructureDisplaySize : CSize{};
}

bool CDib::DrawStretched(Canvas& canvas, CPoint at, CSize size) const {
  if (!IsAttached()) {
    return false;
  }
  canvas.StretchImage({at.x, at.y, at.x + size.cx, at.y + size.cy}, m_image);
  return true;
}

StructureView LoadStructurePicture(Prompts& prompts, CDib& dib, const std::string& path,
                                   StructureView current) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return StructureView::NoStructure;
  }
  const FileStatus status = dib.LoadFromFile(path);
  if (status.ok) {
    return StructureView::Picture;
  }
  if (!status.message.empty()) {
    prompts.Message(status.message, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
  }
  return current;
}

void PaintStructure(Canvas& canvas, const CDib& dib, StructureView view) {
  switch (view) {
  case StructureView::Blank:
    return;
  case StructureView::Picture:
    dib.DrawStretched(canvas, kStructureOrigin, dib.DisplaySize());
    return;
  case StructureView::NoStructure:
    canvas.FillRect(kStructureArea, {255, 255, 255});
    canvas.SetFont(CFont{});
    canvas.SetTextColour({0, 0, 0});
    canvas.SetTextAlign(TextAlign::LeftTop);
    canvas.Text(kNoStructureTextAt, kNoStructureAvailable);
    return;
  }
}

} // namespace lumivex
