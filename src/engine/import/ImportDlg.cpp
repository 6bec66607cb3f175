#include "import/ImportDlg.h"

#include "core/OpenDataFile.h"
#include "import/Jcamp.h"

#include <cstddef>
#include <fstream>
#include <memory>
#include <sstream>

namespace lumivex {

namespace {

constexpr std::size_t kPreviewLines = 30;
constexpr std::size_t kPreviewBytes = 16u << 10;

// The first lines of a file as a preview shows them: at most kPreviewLines of the first
// kPreviewBytes, line ends dropped, control characters shown as '?'.
std::vector<std::string> FirstLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string start(kPreviewBytes, '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(in.gcount()));
  std::vector<std::string> lines;
  std::string line;
  const auto flush = [&lines, &line] {
    lines.push_back(line);
    line.clear();
  };
  for (std::size_t i = 0; i < start.size() && lines.size() < kPreviewLines; ++i) {
    const char c = start[i];
    if (c == '\n') {
      flush();
    } else if (c == '\r') {
      flush();
      if (i + 1 < start.size() && start[i + 1] == '\n') {
        ++i;
      }
    } else {
      const auto byte = static_cast<unsigned char>(c);
      line += byte < 0x20 && c != '\t' ? '?' : c;
    }
  }
  if (!line.empty() && lines.size() < kPreviewLines) {
    lines.push_back(line);
  }
  return lines;
}

// The integers of a list typed as "2, 3 4"; nothing when a piece is no whole number of at
// least 1.
std::optional<std::vector<int>> ColumnList(const std::string& text) {
  std::string spaced = text;
  for (char& c : spaced) {
    if (c == ',' || c == ';') {
      c = ' ';
    }
  }
  std::istringstream pieces(spaced);
  std::vector<int> columns;
  for (std::string piece; pieces >> piece;) {
    const std::optional<int> column = ParseIntField(piece);
    if (!column || *column < 1) {
      return std::nullopt;
    }
    columns.push_back(*column);
  }
  return columns;
}

std::optional<int> OptionalInt(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) {
    return std::nullopt;
  }
  return ParseIntField(text);
}

} // namespace

std::vector<const ImportedSpectrum*> FileImport::Spectra() const {
  std::vector<const ImportedSpectrum*> spectra;
  for (const ImportResult& result : results) {
    for (const ImportedSpectrum& imported : result.spectra) {
      spectra.push_back(&imported);
    }
  }
  return spectra;
}

FileImport ImportFile(const std::string& path, const DelimitedSettings& delimited,
                      const ImportSettings& settings) {
  FileImport import;
  import.path = path;
  import.jcamp = IsJcampPath(path);
  const TableReadResult read =
      import.jcamp ? ReadJcampTables(path) : ReadDelimitedFile(path, delimited, &import.layout);
  if (!read.Ok()) {
    import.error = read.error;
    return import;
  }
  for (const ImportedTable& table : read.tables) {
    import.results.push_back(ImportSpectra(table, settings));
    if (!import.results.back().Ok()) {
      import.error = import.results.back().error;
      import.results.clear();
      return import;
    }
  }
  return import;
}

std::vector<DialogField> CImportDlg::Fields() {
  return {
      {"skipLines", "Header lines", &m_skipLines},
      {"xColumn", "X column", &m_xColumn},
      {"yColumns", "Y columns", &m_yColumns},
      {"step", "Step (nm)", &m_step},
  };
}

std::optional<FieldRefusal> CImportDlg::StoreFields(const FieldTexts& texts) {
  const auto text = [&texts](const char* key) {
    const auto found = texts.find(key);
    return found == texts.end() ? std::string() : found->second;
  };
  const auto blank = [](const std::string& value) {
    return value.find_first_not_of(' ') == std::string::npos;
  };
  const std::string skip = text("skipLines");
  if (!blank(skip) && (!OptionalInt(skip) || *OptionalInt(skip) < 0)) {
    return FieldRefusal{"skipLines", "Please enter a whole number of lines, 0 or more."};
  }
  const std::string x = text("xColumn");
  if (!blank(x) && (!OptionalInt(x) || *OptionalInt(x) < 1)) {
    return FieldRefusal{"xColumn", "Please enter a column number from 1."};
  }
  const std::string y = text("yColumns");
  if (!ColumnList(y)) {
    return FieldRefusal{"yColumns", "Please enter column numbers from 1, separated by commas."};
  }
  const std::string step = text("step");
  if (!blank(step) && !(ParseFloatField(step).value_or(0.0f) > 0.0f)) {
    return FieldRefusal{"step", "Please enter a step above 0 nm, or leave it empty."};
  }
  m_skipLines = skip;
  m_xColumn = x;
  m_yColumns = y;
  m_step = step;
  return std::nullopt;
}

DelimitedSettings CImportDlg::Delimited() const {
  DelimitedSettings settings;
  constexpr Delimiter kDelimiters[] = {Delimiter::Comma, Delimiter::Semicolon, Delimiter::Tab,
                                       Delimiter::Blanks};
  if (m_delimiter >= 1 && m_delimiter <= 4) {
    settings.delimiter = kDelimiters[m_delimiter - 1];
  }
  if (m_decimal == 1 || m_decimal == 2) {
    settings.decimalComma = m_decimal == 2;
  }
  settings.skipLines = OptionalInt(m_skipLines);
  settings.xColumn = OptionalInt(m_xColumn).value_or(0);
  settings.yColumns = ColumnList(m_yColumns).value_or(std::vector<int>{});
  return settings;
}

ImportSettings CImportDlg::Import() const {
  ImportSettings settings;
  constexpr SourceXUnit kUnits[] = {SourceXUnit::Unknown, SourceXUnit::Nanometre,
                                    SourceXUnit::Micrometre, SourceXUnit::Wavenumber,
                                    SourceXUnit::ElectronVolt};
  constexpr YKind kKinds[] = {YKind::Unknown, YKind::Absorbance, YKind::Transmittance,
                              YKind::PercentTransmittance, YKind::Intensity};
  constexpr SpectrumKind kSpectrumKinds[] = {SpectrumKind::None, SpectrumKind::Absorption,
                                             SpectrumKind::Emission, SpectrumKind::LightSource};
  settings.xUnit = m_xUnit >= 0 && m_xUnit < 5 ? kUnits[m_xUnit] : SourceXUnit::Unknown;
  settings.yKind = m_yKind >= 0 && m_yKind < 5 ? kKinds[m_yKind] : YKind::Unknown;
  settings.kind = m_kind >= 0 && m_kind < 4 ? kSpectrumKinds[m_kind] : SpectrumKind::None;
  settings.step = static_cast<double>(ParseFloatField(m_step).value_or(0.0f));
  return settings;
}

void CImportDlg::Refresh() {
  m_firstLines = FirstLines(m_path);
  m_import = ImportFile(m_path, Delimited(), Import());
}

std::vector<std::string> CImportDlg::Decisions() const {
  if (!m_import.Ok()) {
    return {m_import.error.Text()};
  }
  std::vector<std::string> decisions;
  for (const ImportResult& result : m_import.results) {
    decisions.insert(decisions.end(), result.notes.begin(), result.notes.end());
    for (const ImportedSpectrum& imported : result.spectra) {
      std::ostringstream line;
      line << imported.spectrum.m_name << ": " << imported.spectrum.m_points.size() << " points, "
           << KindName(imported.spectrum.m_kind) << (imported.resampled ? ", resampled" : "");
      decisions.push_back(line.str());
    }
  }
  return decisions;
}

std::string CImportDlg::Heading() const {
  const std::size_t slash = m_path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? m_path : m_path.substr(slash + 1);
  return "File " + std::to_string(m_fileNumber) + " of " + std::to_string(m_fileCount) + ": " +
         name;
}

CLumivexData CImportDlg::PreviewDocument() const {
  CLumivexData document;
  for (const ImportedSpectrum* imported : m_import.Spectra()) {
    const CSpectrum* spectrum =
        document.AppendSpectrum(std::make_unique<CSpectrum>(imported->spectrum));
    RaiseExtents(document, *spectrum);
  }
  return document;
}

} // namespace lumivex
