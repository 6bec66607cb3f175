#include "core/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace lumivex {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dpi

void PutU16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFFu));
  out.push_back(static_cast<char>((value >> 8) & 0xFFu));
}

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
  }
}

} // namespace

std::string BmpBytes(const RgbImage& image, std::string& problem) {
  problem.clear();
  if (image.width <= 0 || image.height <= 0) {
    problem = "the picture has no pixels";
    return {};
  }
  const std::uint64_t width = static_cast<std::uint64_t>(image.width);
  const std::uint64_t height = static_cast<std::uint64_t>(image.height);
  if (image.pixels.size() != width * height) {
    problem = "the picture's pixel count does not match its size";
    return {};
  }
  // Each row holds three bytes a pixel, padded to a multiple of four bytes.
  const std::uint64_t rowSize = (width * 3 + 3) / 4 * 4;
  const std::uint64_t imageSize = rowSize * height;
  const std::uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageSize;
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
    problem = "the picture is too large for a bitmap file";
    return {};
  }

  std::string out;
  out.reserve(static_cast<std::size_t>(fileSize));
  out += "BM";
  PutU32(out, static_cast<std::uint32_t>(fileSize));
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, kFileHeaderSize + kInfoHeaderSize);

  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height)); // positive: rows stored bottom-up
  PutU16(out, 1);                                  // planes
  PutU16(out, 24);                                 // bits a pixel
  PutU32(out, 0);                                  // no compression
  PutU32(out, static_cast<std::uint32_t>(imageSize));
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, 0); // colours in the table
  PutU32(out, 0); // important colours

  const std::size_t padding = static_cast<std::size_t>(rowSize - width * 3);
  for (std::uint64_t row = height; row-- > 0;) {
    const std::size_t first = static_cast<std::size_t>(row * width);
    for (std::size_t column = 0; column < static_cast<std::size_t>(width); ++column) {
      const Rgb& pixel = image.pixels[first + column];
      out.push_back(static_cast<char>(pixel.b));
      out.push_back(static_cast<char>(pixel.g));
      out.push_back(static_cast<char>(pixel.r));
    }
    out.append(padding, '\0');
  }
  return out;
}

FileStatus WriteBmp(const std::string& path, const RgbImage& image) {
  std::string problem;
  const std::string bytes = BmpBytes(image, problem);
  if (!problem.empty()) {
    return {false, "Cannot write " + path + ": " + problem};
  }
  return WriteFileAtomically(path, bytes);
}

} // namespace lumivex
