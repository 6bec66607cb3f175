// The delimited text reader and the common import step on any text. The first byte chooses
// the settings (what is detected and what is set: delimiter, decimal comma, lines to skip,
// the x unit and what the y are), the rest is the file. Either the reader refuses with a
// message naming the file, or it gives one table whose columns are as long as its rows,
// all finite, on rising lines, with the layout its preview shows. The import step then
// refuses with a message and no spectra, or gives spectra of at least two finite points on
// a positive step, resampled ones on an ascending grid within the point limit.
#include "FuzzCheck.h"

#include "import/DelimitedText.h"
#include "import/Importer.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using lumivex::fuzz::Require;

constexpr std::size_t kMaxPoints = 20000;

lumivex::DelimitedSettings DelimitedFrom(std::uint8_t choice) {
  lumivex::DelimitedSettings settings;
  if ((choice & 0x04) != 0) {
    settings.delimiter = static_cast<lumivex::Delimiter>(choice & 0x03);
  }
  if ((choice & 0x08) != 0) {
    settings.decimalComma = (choice & 0x10) != 0;
  }
  if ((choice & 0x20) != 0) {
    settings.skipLines = (choice >> 6) & 0x03;
  }
  return settings;
}

lumivex::ImportSettings ImportFrom(std::uint8_t choice) {
  lumivex::ImportSettings settings;
  settings.kind = lumivex::SpectrumKind::Absorption;
  settings.xUnit = static_cast<lumivex::SourceXUnit>(choice % 5);
  settings.yKind = static_cast<lumivex::YKind>((choice / 5) % 5);
  settings.maxPoints = kMaxPoints;
  return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::uint8_t choice = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string name = "fuzz.csv";
  const lumivex::DelimitedSettings settings = DelimitedFrom(choice);
  lumivex::DelimitedLayout layout;
  const lumivex::TableReadResult read = lumivex::ParseDelimitedText(text, name, settings, &layout);
  const lumivex::DelimitedPreview preview = lumivex::PreviewDelimitedText(text, name, settings, 5);
  if (!read.Ok()) {
    Require(read.tables.empty(), "a refused file gives no table");
    Require(read.error.path == name, "a refusal names the file");
    return 0;
  }
  Require(read.tables.size() == 1, "a delimited file gives one table");
  Require(preview.Ok(), "a file that reads has a preview");
  Require(preview.layout.delimiter == layout.delimiter &&
              preview.layout.decimalComma == layout.decimalComma &&
              preview.layout.firstDataLine == layout.firstDataLine &&
              preview.layout.yColumns == layout.yColumns,
          "the preview shows the layout the reader used");
  const lumivex::ImportedTable& table = read.tables.front();
  Require(!table.series.empty(), "a table has a y series");
  Require(table.lines.size() == table.x.size(), "every row has its line");
  for (std::size_t i = 0; i < table.x.size(); ++i) {
    Require(std::isfinite(table.x[i]), "x are finite");
    Require(i == 0 || table.lines[i] > table.lines[i - 1], "rows stand on rising lines");
    for (const lumivex::ImportedSeries& series : table.series) {
      Require(series.y.size() == table.x.size() && std::isfinite(series.y[i]),
              "each series has a finite y for every x");
    }
  }

  const lumivex::ImportResult result = lumivex::ImportSpectra(table, ImportFrom(choice));
  if (!result.Ok()) {
    Require(result.spectra.empty(), "a refused import gives no spectra");
    Require(result.error.path == name, "a refused import names the file");
    return 0;
  }
  Require(result.spectra.size() == table.series.size(), "one spectrum for each series");
  for (const lumivex::ImportedSpectrum& imported : result.spectra) {
    const lumivex::CSpectrum& spectrum = imported.spectrum;
    Require(spectrum.m_points.size() >= 2 && spectrum.m_xStep > 0.0f,
            "a spectrum has two points and a positive step");
    Require(!imported.resampled ||
                (spectrum.m_points.size() <= kMaxPoints && spectrum.m_descending == 0),
            "a resampled grid ascends within the point limit");
    for (const lumivex::SpectrumPoint& point : spectrum.m_points) {
      Require(std::isfinite(point.x) && std::isfinite(point.y), "points are finite");
    }
  }
  return 0;
}
