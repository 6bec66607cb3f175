// The bitmap reader: any bytes decode or are refused without reading outside them; a
// decoded picture has width * height pixels within the size limit, and a picture written
// by WriteBmp decodes to the same pixels.
#include "FuzzCheck.h"

#include "core/AtomicFile.h"
#include "core/Bitmap.h"
#include "database/Dib.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

using lumivex::RgbImage;
using lumivex::fuzz::Require;

bool SamePixels(const RgbImage& a, const RgbImage& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<RgbImage> image = lumivex::DecodeDib(bytes);
  lumivex::CDib dib;
  Require(dib.LoadFromBytes(bytes).ok == image.has_value(), "CDib accepts what DecodeDib decodes");
  if (!image) {
    return 0;
  }
  Require(image->width > 0 && image->height > 0, "a decoded picture has pixels");
  Require(static_cast<long long>(image->width) * image->height <= lumivex::kMaxBitmapPixels,
          "a decoded picture is within the size limit");
  Require(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height,
          "a decoded picture holds width * height pixels");
  (void)lumivex::ScaleImage(*image, {7, 5});

  // Round trip through the writer for pictures small enough to write on every run.
  if (image->pixels.size() <= 4096) {
    static const std::string path =
        "/tmp/lumivex-fuzz-bitmap-" + std::to_string(::getpid()) + ".bmp";
    Require(lumivex::WriteBmp(path, *image).ok, "a decoded picture can be written");
    std::string written;
    Require(lumivex::ReadWholeFile(path, written).ok, "a written picture can be read");
    const std::optional<RgbImage> again = lumivex::DecodeDib(written);
    Require(again && SamePixels(*again, *image), "a written picture decodes to its pixels");
  }
  return 0;
}
