#pragma once

#include "core/AtomicFile.h"
#include "core/LumivexData.h"

#include <string>
#include <vector>

namespace lumivex {

/// An RGB picture, rows top to bottom.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels; ///< width * height, row by row from the top
};

/// Writes a standard uncompressed 24-bit Windows bitmap (BMP): the 14-byte file header,
/// the 40-byte information header, no colour table, rows bottom-up padded to 4 bytes.
[[nodiscard]] FileStatus WriteBmp(const std::string& path, const RgbImage& image);

} // namespace lumivex
