// The spectrum text reader against the C library: the text is cut as a 100-byte line
// buffer cuts it (at most 99 characters, a line feed ends a chunk), and a chunk is a data
// line exactly when sscanf("%f %f") converts both numbers of it, both finite. The fast
// reader must find the same points bit for bit, also when the text arrives in two pieces
// as the file reader's blocks deliver it.
#include "FuzzCheck.h"

#include "core/SpectrumFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using lumivex::SpectrumPoint;
using lumivex::fuzz::Require;

bool SamePoints(const std::vector<SpectrumPoint>& a, const std::vector<SpectrumPoint>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(SpectrumPoint)) == 0);
}

// sscanf sees a chunk as fgets leaves it in its buffer: a C string that ends at its first
// zero byte.
bool LibraryDataLine(std::string_view chunk, SpectrumPoint& point) {
  const std::string text(chunk);
  return std::sscanf(text.c_str(), "%f %f", &point.x, &point.y) == 2 && std::isfinite(point.x) &&
         std::isfinite(point.y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::vector<SpectrumPoint> expected;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t length = std::min(lumivex::kChunkBytes, text.size() - start);
    const std::size_t newline = text.substr(start, length).find('\n');
    if (newline != std::string_view::npos) {
      length = newline + 1;
    }
    const std::string_view chunk = text.substr(start, length);
    SpectrumPoint point;
    const bool library = LibraryDataLine(chunk, point);
    SpectrumPoint scanned;
    const bool fast = lumivex::ScanDataLine(chunk, scanned.x, scanned.y);
    Require(fast == library, "ScanDataLine decides a chunk as sscanf does");
    if (library) {
      Require(std::memcmp(&point, &scanned, sizeof point) == 0,
              "ScanDataLine reads the values sscanf reads");
      expected.push_back(point);
    }
    start += length;
  }

  std::vector<SpectrumPoint> whole;
  lumivex::ParseSpectrumText(text, whole);
  Require(SamePoints(whole, expected), "ParseSpectrumText finds the points sscanf finds");

  // The same text in two pieces, the way the file reader carries an unfinished chunk over.
  const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
  std::vector<SpectrumPoint> pieces;
  std::string pending(text.substr(0, split));
  const std::size_t used = lumivex::ParseSpectrumChunks(pending, false, pieces);
  Require(used <= pending.size(), "ParseSpectrumChunks consumes no more than it was given");
  pending.erase(0, used);
  pending += text.substr(split);
  (void)lumivex::ParseSpectrumChunks(pending, true, pieces);
  Require(SamePoints(pieces, expected), "a text read in pieces gives the points of the whole");
  return 0;
}
