// The JCAMP-DX reader, two ways. Any text either reads or is refused with a message, and
// what reads holds one finite x, y and line number per point. Then the differential: a
// spectrum built from the input's bytes (its y values taken as they come, the grid from
// the first bytes) is written as JCAMP-DX and read back to the same points.
#include "FuzzCheck.h"

#include "import/Importer.h"
#include "import/Jcamp.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace lumivex;
using lumivex::fuzz::Require;

void CheckReading(std::string_view text) {
  const JcampReadResult read = ParseJcamp(text, "input.jdx");
  Require(read.ok == read.error.message.empty(), "a refusal, and only a refusal, has a message");
  if (!read.ok) {
    return;
  }
  for (const JcampTable& table : read.tables) {
    Require(table.x.size() == table.y.size() && table.x.size() == table.lines.size(),
            "every point has an x, a y and a line");
    Require(table.x.size() <= kJcampMaxPoints, "a table holds no more than the limit");
    for (std::size_t i = 0; i < table.x.size(); ++i) {
      Require(std::isfinite(table.x[i]) && std::isfinite(table.y[i]), "points are finite");
      Require(table.lines[i] >= 1, "lines count from 1");
    }
    const ImportedTable imported = ToImportedTable(table, "input.jdx");
    Require(imported.series.size() == 1 && imported.series[0].y.size() == imported.x.size(),
            "the import step gets one series of the table's length");
    (void)ImportSpectra(imported, ImportSettings{});
  }
}

// A spectrum of at least two points: first x and step from the first eight bytes (kept in
// a sane range), then one y per four further bytes, non-finite ones replaced by their
// position.
CSpectrum SpectrumFrom(std::string_view bytes) {
  CSpectrum spectrum;
  std::uint16_t first = 0;
  std::uint16_t step = 0;
  if (bytes.size() >= 4) {
    std::memcpy(&first, bytes.data(), 2);
    std::memcpy(&step, bytes.data() + 2, 2);
    bytes.remove_prefix(4);
  }
  const float x0 = 100.0f + static_cast<float>(first % 2000);
  const float dx = 0.25f * static_cast<float>(1 + step % 40);
  const bool descending = (step & 0x8000u) != 0;
  std::size_t count = std::max<std::size_t>(2, bytes.size() / 4);
  for (std::size_t i = 0; i < count; ++i) {
    float y = static_cast<float>(i);
    if (bytes.size() >= 4 * (i + 1)) {
      std::memcpy(&y, bytes.data() + 4 * i, 4);
      if (!std::isfinite(y)) {
        y = static_cast<float>(i);
      }
    }
    const float offset = static_cast<float>(i) * dx;
    spectrum.m_points.push_back({descending ? x0 + 4000.0f - offset : x0 + offset, y});
  }
  spectrum.m_descending = descending ? 1 : 0;
  spectrum.m_xStep = dx;
  spectrum.m_kind = SpectrumKind::Absorption;
  spectrum.m_name = "fuzzed";
  return spectrum;
}

void CheckRoundTrip(std::string_view bytes) {
  const CSpectrum spectrum = SpectrumFrom(bytes);
  const std::string text = FormatJcamp(spectrum);
  const JcampReadResult read = ParseJcamp(text, "written.jdx");
  Require(read.ok, "a written file reads");
  Require(read.tables.size() == 1, "a written file holds one table");
  const JcampTable& table = read.tables.front();
  Require(table.y.size() == spectrum.m_points.size(), "every written point reads back");
  for (std::size_t i = 0; i < table.y.size(); ++i) {
    Require(static_cast<float>(table.y[i]) == spectrum.m_points[i].y, "y reads back exactly");
    const double x = spectrum.m_points[i].x;
    Require(std::abs(table.x[i] - x) <= 1e-6 * std::max(1.0, std::abs(x)), "x reads back");
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReading(bytes);
  CheckRoundTrip(bytes.substr(0, 4096));
  return 0;
}
