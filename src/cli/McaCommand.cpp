#include "Commands.h"

#include "core/ProfileFile.h"
#include "database/DatabaseRecord.h"
#include "modules/MultipleComponent.h"
#include "modules/RecordSpectrum.h"
#include "modules/WavelengthList.h"

#include <cctype>
#include <filesystem>
#include <memory>

namespace lumivex::cli {

namespace {

/// The most spectra that take part, as in the Data File list's selection.
constexpr std::size_t kMaxSpectra = 30;

struct McaOptions {
  std::vector<std::string> spectra;
  std::vector<float> wavelengths;
  std::vector<float> fractions;
  std::vector<float> concentrations;
};

// "DB#N": the absorption spectrum of record N of database DB, with the record's constants;
// anything else is a spectrum file.
CSpectrum OpenArgument(const std::string& argument) {
  const std::size_t mark = argument.rfind('#');
  const std::string number = mark == std::string::npos ? "" : argument.substr(mark + 1);
  const bool digits = !number.empty() && number.size() < 9 &&
                      std::all_of(number.begin(), number.end(),
                                  [](unsigned char c) { return std::isdigit(c) != 0; });
  if (!digits || std::filesystem::exists(argument)) {
    CSpectrum spectrum = ReadOrThrow(argument);
    spectrum.m_name = argument;
    return spectrum;
  }
  const std::string database = argument.substr(0, mark);
  if (!std::filesystem::exists(database)) {
    throw CliError("no database " + database + " for " + argument);
  }
  const int record = std::stoi(number);
  RequireRecord(record, RecordCount(*CProfileCache::Shared().Get(database)), argument);
  RecordSpectrumResult read = ReadRecordSpectrum(database, record, RecordSection::Absorption);
  if (read.spectrum == nullptr) {
    throw CliError(argument + ": " + OneLine(read.message));
  }
  return std::move(*read.spectrum);
}

// A list option with one entry per component, or its default.
std::vector<float> PerComponent(const std::vector<float>& given, std::size_t components,
                                float fallback, const char* option) {
  if (given.empty()) {
    return std::vector<float>(components, fallback);
  }
  if (given.size() != components) {
    throw CliError(std::string(option) + " needs one value per component (" +
                   std::to_string(components) + "), not " + std::to_string(given.size()));
  }
  return given;
}

Json Mca(const McaOptions& options) {
  std::vector<CSpectrum> spectra;
  for (const std::string& argument : options.spectra) {
    if (spectra.size() == kMaxSpectra) {
      break;
    }
    spectra.push_back(OpenArgument(argument));
  }
  std::vector<SpectrumKind> kinds;
  for (const CSpectrum& spectrum : spectra) {
    kinds.push_back(spectrum.m_kind);
  }
  if (!McaSelectionFits(kinds)) {
    throw CliError(kMcaUsage);
  }
  const std::size_t m = spectra.size() - 1;
  CWavelengthList list(McaWavelengthCapacity(static_cast<int>(m)));
  for (const float wavelength : options.wavelengths) {
    if (const auto refused = list.Add(wavelength, "")) {
      throw CliError(*refused);
    }
  }
  const std::vector<float> fractions =
      PerComponent(options.fractions, m, kMcaShownFraction, "--fractions");
  const std::vector<float> concentrations =
      PerComponent(options.concentrations, m, 0.0f, "--concentrations");

  std::vector<const CSpectrum*> components;
  std::vector<McaComponentInput> inputs;
  for (std::size_t j = 0; j < m; ++j) {
    components.push_back(&spectra[j + 1]);
    inputs.push_back({fractions[j], concentrations[j]});
  }
  const CMcaValueTable table(spectra.front(), components, list.Wavelengths());
  const McaFit fit = FitComponents(table, inputs);

  Json answer;
  answer["residual"] = fit.residual;
  answer["components"] = m;
  Json results = Json::array();
  for (std::size_t j = 0; j < m; ++j) {
    results.push_back({{"name", components[j]->m_name}, {"value", fit.results[j]}});
  }
  answer["results"] = results;
  answer["wavelengths"] = list.Wavelengths();
  return answer;
}

} // namespace

void AddMcaCommand(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "mca",
                               "multiple component analysis: a composite resolved into the "
                               "fractions or concentrations of its components");
  auto options = std::make_shared<McaOptions>();
  command
      .add_option("SPECTRUM", options->spectra,
                  "the composite, then its components: spectrum files, or DB#N for the "
                  "absorption spectrum of record N of database DB")
      ->required()
      ->expected(3, kMaxSpectra * 10);
  command.add_option("--wavelengths", options->wavelengths, "analysis wavelengths, nm")
      ->required()
      ->delimiter(',')
      ->check(FiniteNumber());
  command.add_option("--fractions", options->fractions, "starting fractions (default 0.5 each)")
      ->delimiter(',')
      ->check(FiniteNumber());
  command
      .add_option("--concentrations", options->concentrations,
                  "concentrations, micromol/L (default 0: fractions are reported)")
      ->delimiter(',')
      ->check(FiniteNumber());
  line.SetRun(command, [options] { return Mca(*options); });
}

} // namespace lumivex::cli
