#include "Commands.h"

#include "core/SpectrumFile.h"
#include "import/DelimitedText.h"
#include "import/ImportDlg.h"
#include "import/Importer.h"
#include "import/Jcamp.h"

#include <filesystem>
#include <memory>
#include <set>

namespace lumivex::cli {

namespace {

struct ImportOptions {
  std::vector<std::string> files;
  std::string kind;
  int xColumn = 0;
  std::vector<int> yColumns;
  std::string delimiter;
  bool decimalComma = false;
  int skip = -1;
  std::string xUnit;
  std::string y;
  double step = 0.0;
  std::string outDir;
};

SpectrumKind KindOption(const std::string& text) {
  if (text == "absorption") {
    return SpectrumKind::Absorption;
  }
  if (text == "emission") {
    return SpectrumKind::Emission;
  }
  if (text == "lightsource") {
    return SpectrumKind::LightSource;
  }
  return SpectrumKind::None;
}

const char* KindOptionName(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Emission:
    return "emission";
  case SpectrumKind::LightSource:
    return "lightsource";
  default:
    break;
  }
  return "absorption";
}

// The settings the options give; an option of no known value fails naming it.
void ReadOptions(const ImportOptions& options, DelimitedSettings& delimited,
                 ImportSettings& settings) {
  if (!options.delimiter.empty()) {
    delimited.delimiter = DelimiterFromText(options.delimiter);
    if (!delimited.delimiter) {
      throw CliError("--delimiter must be ',', ';', 'tab' or 'blanks', not '" + options.delimiter +
                     "'");
    }
  }
  if (options.decimalComma) {
    delimited.decimalComma = true;
  }
  if (options.skip >= 0) {
    delimited.skipLines = options.skip;
  }
  delimited.xColumn = options.xColumn;
  delimited.yColumns = options.yColumns;
  settings.kind = KindOption(options.kind);
  if (!options.xUnit.empty()) {
    for (const SourceXUnit unit : {SourceXUnit::Nanometre, SourceXUnit::Micrometre,
                                   SourceXUnit::Wavenumber, SourceXUnit::ElectronVolt}) {
      if (options.xUnit == SourceXUnitName(unit)) {
        settings.xUnit = unit;
      }
    }
    if (settings.xUnit == SourceXUnit::Unknown) {
      throw CliError("--x-unit must be nm, um, cm-1 or ev, not '" + options.xUnit + "'");
    }
  }
  if (!options.y.empty()) {
    for (const YKind kind :
         {YKind::Absorbance, YKind::Transmittance, YKind::PercentTransmittance, YKind::Intensity}) {
      if (options.y == YKindName(kind)) {
        settings.yKind = kind;
      }
    }
    if (settings.yKind == YKind::Unknown) {
      throw CliError("--y must be absorbance, transmittance, percent-transmittance or "
                     "intensity, not '" +
                     options.y + "'");
    }
  }
  settings.step = options.step;
}

// The options that repeat an import of a file: the reader's layout (delimited text) and the
// common step's resolved settings.
Json RepeatSettings(const DelimitedLayout* layout, const ImportSettings& used) {
  Json settings;
  if (layout != nullptr) {
    settings["delimiter"] = DelimiterName(layout->delimiter);
    settings["decimal_comma"] = layout->decimalComma;
    settings["skip"] = layout->skipLines;
    settings["x_column"] = layout->xColumn;
    settings["y_columns"] = layout->yColumns;
  }
  settings["kind"] = KindOptionName(used.kind);
  settings["x_unit"] = SourceXUnitName(used.xUnit);
  settings["y"] = YKindName(used.yKind);
  settings["step"] = used.step > 0.0 ? Json(static_cast<float>(used.step)) : Json(nullptr);
  return settings;
}

// The out path for a spectrum: its file name in the folder, numbered when an earlier
// spectrum of this run took the name.
std::string OutPath(const std::filesystem::path& folder, const ImportedSpectrum& imported,
                    bool severalSeries, std::set<std::string>& taken) {
  const std::string name = ImportedFileName(imported, severalSeries);
  const std::string ending = SpectrumFileEnding(imported.spectrum.m_kind);
  std::string candidate = name;
  for (int n = 2; taken.count(candidate) > 0; ++n) {
    candidate = name.substr(0, name.size() - ending.size()) + "_" + std::to_string(n) + ending;
  }
  taken.insert(candidate);
  return (folder / candidate).string();
}

// Imports one file into the folder; the entry of the answer for it, or the error.
Json ImportInto(const std::string& path, const DelimitedSettings& delimited,
                const ImportSettings& settings, const std::filesystem::path& folder,
                std::set<std::string>& taken) {
  Json entry;
  entry["file"] = path;
  FileImport import = ImportFile(path, delimited, settings);
  const bool jcamp = import.jcamp;
  const DelimitedLayout& layout = import.layout;
  entry["format"] = jcamp ? "JCAMP-DX" : "delimited text";
  const auto failed = [&entry](const ImportError& error) {
    entry["ok"] = false;
    entry["error"] = OneLine(error.Text());
    return entry;
  };
  if (!import.Ok()) {
    return failed(import.error);
  }
  std::vector<ImportResult>& results = import.results;
  entry["ok"] = true;
  entry["tables"] = Json::array();
  for (ImportResult& result : results) {
    Json table;
    table["decisions"] = result.notes;
    table["settings"] = RepeatSettings(jcamp ? nullptr : &layout, result.used);
    table["spectra"] = Json::array();
    for (ImportedSpectrum& imported : result.spectra) {
      const std::string out = OutPath(folder, imported, result.spectra.size() > 1, taken);
      CSpectrum& spectrum = imported.spectrum;
      if (const WriteResult written = WriteSpectrumFile(spectrum, out); !written.ok) {
        return failed({path, 0, "cannot write " + out + ": " + OneLine(written.message)});
      }
      if (KindFromPath(out) != spectrum.m_kind) {
        imported.notes.push_back(std::string("the path also names another kind: read back, the "
                                             "file is taken as ") +
                                 KindName(KindFromPath(out)));
      }
      spectrum.m_filePath = out;
      Json info = SpectrumInfo(spectrum);
      info["name"] = spectrum.m_name;
      info["series"] = imported.series;
      info["y"] = YKindName(imported.yKind);
      info["resampled"] = imported.resampled;
      info["source_points"] = imported.sourcePoints;
      info["notes"] = imported.notes;
      table["spectra"].push_back(std::move(info));
    }
    entry["tables"].push_back(std::move(table));
  }
  return entry;
}

} // namespace

void AddImportCommand(CommandLine& line) {
  CLI::App& command =
      line.Add(nullptr, "import",
               "reads delimited text (.csv .tsv .txt .dat .prn) and JCAMP-DX (.jdx .dx .jcm) into "
               "spectrum files, converting units and resampling onto an even nm grid");
  auto options = std::make_shared<ImportOptions>();
  command.add_option("FILE", options->files, "the files to import")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--kind", options->kind, "absorption, emission or lightsource")
      ->check(CLI::IsMember({"absorption", "emission", "lightsource"}));
  command.add_option("--x-column", options->xColumn, "the x column, counting from 1")
      ->check(CLI::PositiveNumber);
  command
      .add_option("--y-column", options->yColumns,
                  "a y column, counting from 1; repeated or separated by commas for several")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->delimiter(',')
      ->check(CLI::PositiveNumber);
  command.add_option("--delimiter", options->delimiter, "',', ';', 'tab' or 'blanks'");
  command.add_flag("--decimal-comma", options->decimalComma, "numbers are written as 1,5");
  command.add_option("--skip", options->skip, "lines before the data")
      ->check(CLI::NonNegativeNumber);
  command.add_option("--x-unit", options->xUnit, "nm, um, cm-1 or ev");
  command.add_option("--y", options->y,
                     "absorbance, transmittance, percent-transmittance or intensity");
  command.add_option("--step", options->step, "the step (nm) of a resampled grid")
      ->check(CLI::PositiveNumber);
  command.add_option("--out-dir", options->outDir, "the folder the spectrum files go to")
      ->required();
  line.SetRun(command, [options] {
    DelimitedSettings delimited;
    ImportSettings settings;
    ReadOptions(*options, delimited, settings);
    const std::filesystem::path folder(options->outDir);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder)) {
      throw CliError("cannot make the folder " + options->outDir +
                     (error ? ": " + error.message() : std::string()));
    }
    std::set<std::string> taken;
    Json answer;
    answer["out_dir"] = options->outDir;
    answer["files"] = Json::array();
    int imported = 0;
    std::vector<std::string> failures;
    for (const std::string& path : options->files) {
      Json entry = ImportInto(path, delimited, settings, folder, taken);
      if (entry["ok"].get<bool>()) {
        for (const Json& table : entry["tables"]) {
          imported += static_cast<int>(table["spectra"].size());
        }
      } else {
        failures.push_back(entry["error"].get<std::string>());
      }
      answer["files"].push_back(std::move(entry));
    }
    answer["imported"] = imported;
    answer["failed"] = failures.size();
    if (!failures.empty()) {
      std::string message = std::to_string(failures.size()) + " of " +
                            std::to_string(options->files.size()) + " files not imported: ";
      for (std::size_t i = 0; i < failures.size(); ++i) {
        message += (i > 0 ? "; " : "") + failures[i];
      }
      throw CliPartialFailure(message, std::move(answer));
    }
    return answer;
  });
}

} // namespace lumivex::cli
