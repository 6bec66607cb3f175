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

/// The picture as a standard uncompressed 24-bit Windows bitmap (BMP): the 14-byte file
/// header, the 40-byte information header, no colour table, rows bottom-up padded to 4
/// bytes. Nothing, with `problem` saying why, for a picture without pixels, with a pixel
/// count that does not match its size or too large for the format.
[[nodiscard]] std::string BmpBytes(const RgbImage& image, std::string& problem);

/// Writes BmpBytes of the picture to a file, atomically; a refusal names the path.
[[nodiscard]] FileStatus WriteBmp(const std::string& path, const RgbImage& image);

} // namespace lumivex
