#include "Commands.h"

#include "modules/DipoleDlg.h"
#include "modules/OscillatorStrength.h"

#include <memory>
#include <optional>

namespace lumivex::cli {

namespace {

struct OscillatorOptions {
  explicit OscillatorOptions(CLI::App& command) : spectrum(command, "", 0) {
    command.add_option("FILE", file, "an absorption spectrum file");
    fields.Add(command, "epsilon", "epsilon", "epsilon in M^-1 cm^-1");
    fields.Add(command, "epsilon-wavelength", "epsilonWavelength", "where epsilon holds, in nm");
    fields.Add(command, "low", "low", "the searched range's low end (default 300 nm)");
    fields.Add(command, "high", "high", "the searched range's high end (default 700 nm)");
    command.add_flag("--manual", manual, "the range is the band");
  }

  SpectrumArgument spectrum;
  std::string file;
  FieldOptions fields;
  bool manual = false;
};

Json SpectrumJson(const CSpectrum& spectrum) {
  return {{"name", spectrum.m_name},
          {"solvent", spectrum.m_solvent},
          {"path", spectrum.m_filePath},
          {"first_x", spectrum.m_points.front().x},
          {"last_x", spectrum.m_points.back().x}};
}

Json Oscillator(const OscillatorOptions& options) {
  const std::optional<std::string> file =
      options.file.empty() ? std::nullopt : std::optional(options.file);
  if (file && options.spectrum.FromDatabase()) {
    throw CliError("oscillator takes a FILE or --db DB --record N, not both");
  }

  CLumivexData document;
  const CSpectrum& spectrum = options.spectrum.Open(document, file);
  RequireKind(spectrum, SpectrumKind::Absorption, "the spectrum");
  RequireEpsilon(spectrum, options.fields);

  CDipoleDlg dlg;
  dlg.m_epsilonWavelength = spectrum.m_epsilonWavelength;
  dlg.m_epsilon = spectrum.m_epsilon;
  const std::vector<std::pair<std::string, std::string>> texts = options.fields.Texts();
  if (const std::optional<FieldRefusal> refusal =
          dlg.StoreFields(std::map(texts.begin(), texts.end()), spectrum.m_name, options.manual)) {
    options.fields.Refuse(refusal->key, refusal->message);
  }
  OscillatorInputs inputs;
  inputs.low = dlg.m_low;
  inputs.high = dlg.m_high;
  inputs.epsilon = dlg.m_epsilon;
  inputs.epsilonWavelength = dlg.m_epsilonWavelength;
  inputs.manual = dlg.m_manual;
  const OscillatorResults results = CalculateOscillatorStrength(spectrum, inputs);
  if (!results.peakFound) {
    throw CliError(std::string(kNoPeakMessage) + " (" + FieldText(results.pulledLow) + " to " +
                   FieldText(results.pulledHigh) + " nm)");
  }

  Json answer;
  answer["spectrum"] = SpectrumJson(spectrum);
  answer["inputs"] = {{"low", results.pulledLow},
                      {"high", results.pulledHigh},
                      {"epsilon", inputs.epsilon},
                      {"epsilon_wavelength", inputs.epsilonWavelength},
                      {"manual", inputs.manual}};
  answer["results"] = {{"peak_wavelength", results.peakWavelength},
                       {"peak_value", results.peakValue},
                       {"epsilon_peak", results.epsilonPeak},
                       {"peak_wavenumber", results.peakWavenumber},
                       {"band_low", results.low},
                       {"band_high", results.high},
                       {"band_width", results.bandWidth},
                       {"oscillator_strength", results.oscillatorStrength},
                       {"dipole_debye", results.dipoleDebye},
                       {"dipole_cm", results.dipoleCm}};
  return answer;
}

} // namespace

void AddOscillatorCommand(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "oscillator",
                               "oscillator strength and transition dipole of the largest band",
                               "oscillator takes one FILE; see lumivex-cli oscillator --help");
  auto options = std::make_shared<OscillatorOptions>(command);
  line.SetRun(command, [options] { return Oscillator(*options); });
}

} // namespace lumivex::cli
