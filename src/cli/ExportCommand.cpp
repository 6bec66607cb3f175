#include "Commands.h"

#include "core/AtomicFile.h"
#include "core/OpenDataFile.h"
#include "core/SpectraCsv.h"
#include "core/Units.h"

#include <memory>
#include <numeric>

namespace lumivex::cli {

namespace {

struct ExportOptions {
  std::vector<std::string> files;
  std::string out;
  int unit = 0;
  bool tidy = false;
};

Json Export(const ExportOptions& options) {
  CLumivexData data;
  for (const std::string& path : options.files) {
    const OpenDataFileResult opened = OpenDataFile(data, path);
    if (!opened.Opened()) {
      throw CliError(path + ": " + OneLine(opened.message));
    }
  }
  data.m_xUnit = options.unit;
  std::vector<int> all(static_cast<std::size_t>(data.Count()));
  std::iota(all.begin(), all.end(), 0);
  const std::vector<ExportedSpectrum> spectra = DisplayedSpectra(data, all);
  const std::string csv = SpectraCsv(spectra, XUnitFromCode(options.unit),
                                     options.tidy ? CsvLayout::Tidy : CsvLayout::Columns);
  if (const FileStatus written = WriteFileAtomically(options.out, csv); !written.ok) {
    throw CliError(OneLine(written.message));
  }

  Json answer;
  answer["out"] = options.out;
  answer["unit"] = options.unit;
  answer["layout"] = options.tidy ? "tidy" : "columns";
  answer["files"] = options.files;
  Json names = Json::array();
  for (const ExportedSpectrum& exported : spectra) {
    names.push_back(exported.name);
  }
  answer["spectra"] = names;
  return answer;
}

} // namespace

void AddExportCommand(CommandLine& line) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App& command = line.Add(nullptr, "export",
                               "the spectra as a CSV table: the x column in the unit, then one "
                               "column per spectrum, or (spectrum, x, y) rows with --tidy");
  line.SetRun(command, [options] { return Export(*options); });
  command.add_option("FILE", options->files, "spectrum files, opened as the program opens them")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--out", options->out, "the CSV file to write")->required();
  command.add_option("--unit", options->unit, "the x unit code (default 0, nm)")
      ->check(CLI::Range(0, kXUnitCount - 1));
  command.add_flag("--tidy", options->tidy, "one (spectrum, x, y) row per value");
}

} // namespace lumivex::cli
