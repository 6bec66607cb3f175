#include "OscillatorLifetimeCommands.h"

#include "CliSupport.h"
#include "JsonWriter.h"
#include "modules/DipoleDlg.h"
#include "modules/OscillatorStrength.h"
#include "modules/StrickleDlg.h"
#include "modules/StricklerBerg.h"

#include <initializer_list>
#include <map>
#include <utility>

namespace lumivex::cli {

namespace {

using OptionFields = std::vector<std::pair<std::string, std::string>>;

// Command-line options and the dialog fields they fill.
const OptionFields kOscillatorOptions{
    {"epsilon", "epsilon"},
    {"epsilon-wavelength", "epsilonWavelength"},
    {"low", "low"},
    {"high", "high"},
};
const OptionFields kLifetimeOptions{
    {"epsilon", "epsilon"},
    {"epsilon-wavelength", "epsilonWavelength"},
    {"quantum-yield", "quantumYield"},
    {"refractive-index", "refractiveIndex"},
    {"low", "low"},
    {"high", "high"},
};

std::vector<std::string> Known(const OptionFields& options,
                               std::initializer_list<const char*> spectra) {
  std::vector<std::string> known;
  for (const auto& [option, field] : options) {
    known.push_back(option);
  }
  for (const char* spectrum : spectra) {
    const std::vector<std::string> names = SpectrumOptions(spectrum);
    known.insert(known.end(), names.begin(), names.end());
  }
  return known;
}

// The options' texts by dialog field, for the dialog's own validation.
std::map<std::string, std::string> FieldTexts(const Arguments& parsed,
                                              const OptionFields& options) {
  std::map<std::string, std::string> texts;
  for (const auto& [option, field] : options) {
    if (const std::optional<std::string> text = parsed.Option(option)) {
      texts[field] = *text;
    }
  }
  return texts;
}

// The option a refused field came from, in the refusal's message.
[[noreturn]] void Refuse(const FieldRefusal& refusal, const Arguments& parsed,
                         const OptionFields& options) {
  for (const auto& [option, field] : options) {
    if (field == refusal.key) {
      throw CliError("--" + option + " '" + parsed.Option(option).value_or("") +
                     "': " + refusal.message);
    }
  }
  throw CliError(refusal.message);
}

void RequireKind(const CSpectrum& spectrum, SpectrumKind kind, const std::string& what) {
  if (spectrum.m_kind != kind) {
    throw CliError(what + " must be " +
                   (kind == SpectrumKind::Emission ? "an emission" : "an absorption") +
                   " spectrum, not " + KindName(spectrum.m_kind));
  }
}

// A spectrum file carries no epsilon; a database record does.
void RequireEpsilon(const CSpectrum& absorption, const Arguments& parsed) {
  if (absorption.m_fromDatabase == 0 &&
      (!parsed.Option("epsilon") || !parsed.Option("epsilon-wavelength"))) {
    throw CliError("a spectrum file needs --epsilon and --epsilon-wavelength (a database "
                   "record brings them)");
  }
}

void WriteSpectrum(JsonWriter& json, const CSpectrum& spectrum) {
  json.BeginObject();
  json.Key("name").String(spectrum.m_name);
  json.Key("solvent").String(spectrum.m_solvent);
  json.Key("path").String(spectrum.m_filePath);
  json.Key("first_x").Number(spectrum.m_points.front().x);
  json.Key("last_x").Number(spectrum.m_points.back().x);
  json.EndObject();
}

} // namespace

std::string Oscillator(const std::vector<std::string>& args) {
  // "--manual" is the dialog's check box: a flag without a value.
  std::vector<std::string> rest;
  bool manual = false;
  for (const std::string& arg : args) {
    if (arg == "--manual") {
      manual = true;
    } else {
      rest.push_back(arg);
    }
  }
  const Arguments parsed = Parse(rest, 1, Known(kOscillatorOptions, {""}));
  if (parsed.positional.size() > 1) {
    throw CliError("oscillator takes one FILE; see lumivex-cli --help");
  }
  const std::optional<std::string> file =
      parsed.positional.empty() ? std::nullopt : std::optional(parsed.positional[0]);
  if (file && parsed.Option("db")) {
    throw CliError("oscillator takes a FILE or --db DB --record N, not both");
  }

  CLumivexData document;
  const CSpectrum& spectrum = OpenSpectrumArgument(document, parsed, "", 0, file);
  RequireKind(spectrum, SpectrumKind::Absorption, "the spectrum");
  RequireEpsilon(spectrum, parsed);

  CDipoleDlg dlg;
  dlg.m_epsilonWavelength = spectrum.m_epsilonWavelength;
  dlg.m_epsilon = spectrum.m_epsilon;
  if (const std::optional<FieldRefusal> refusal =
          dlg.StoreFields(FieldTexts(parsed, kOscillatorOptions), spectrum.m_name, manual)) {
    Refuse(*refusal, parsed, kOscillatorOptions);
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

  JsonWriter json;
  json.BeginObject();
  json.Key("spectrum");
  WriteSpectrum(json, spectrum);
  json.Key("inputs").BeginObject();
  json.Key("low").Number(results.pulledLow);
  json.Key("high").Number(results.pulledHigh);
  json.Key("epsilon").Number(inputs.epsilon);
  json.Key("epsilon_wavelength").Number(inputs.epsilonWavelength);
  json.Key("manual").Bool(inputs.manual);
  json.EndObject();
  json.Key("results").BeginObject();
  json.Key("peak_wavelength").Number(results.peakWavelength);
  json.Key("peak_value").Number(results.peakValue);
  json.Key("epsilon_peak").Number(results.epsilonPeak);
  json.Key("peak_wavenumber").Number(results.peakWavenumber);
  json.Key("band_low").Number(results.low);
  json.Key("band_high").Number(results.high);
  json.Key("band_width").Number(results.bandWidth);
  json.Key("oscillator_strength").Number(results.oscillatorStrength);
  json.Key("dipole_debye").Number(results.dipoleDebye);
  json.Key("dipole_cm").Number(results.dipoleCm);
  json.EndObject();
  json.EndObject();
  return json.Text();
}

std::string Lifetime(const std::vector<std::string>& args) {
  const Arguments parsed = Parse(args, 1, Known(kLifetimeOptions, {"absorption", "emission"}));
  if (!parsed.positional.empty()) {
    throw CliError("lifetime takes no FILE of its own; see lumivex-cli --help");
  }
  for (const char* needed : {"low", "high", "refractive-index"}) {
    if (!parsed.Option(needed)) {
      throw CliError(std::string("lifetime needs --") + needed);
    }
  }

  CLumivexData document;
  const CSpectrum& absorption = OpenSpectrumArgument(document, parsed, "absorption", 0);
  RequireKind(absorption, SpectrumKind::Absorption, "--absorption");
  CSpectrum& emission = OpenSpectrumArgument(document, parsed, "emission", 1);
  RequireKind(emission, SpectrumKind::Emission, "--emission");
  RequireEpsilon(absorption, parsed);

  CStrickleDlg dlg;
  dlg.m_epsilon = absorption.m_epsilon;
  dlg.m_quantumYield = emission.m_quantumYield;
  dlg.m_epsilonWavelength = absorption.m_epsilonWavelength;
  if (const std::optional<FieldRefusal> refusal =
          dlg.StoreFields(FieldTexts(parsed, kLifetimeOptions))) {
    Refuse(*refusal, parsed, kLifetimeOptions);
  }
  StricklerBergInputs inputs;
  inputs.low = dlg.m_low;
  inputs.high = dlg.m_high;
  inputs.epsilon = dlg.m_epsilon;
  inputs.epsilonWavelength = dlg.m_epsilonWavelength;
  inputs.refractiveIndex = dlg.m_refractiveIndex;
  inputs.quantumYield = dlg.m_quantumYield;
  const StricklerBergResults results = CalculateStricklerBerg(absorption, emission, inputs);
  if (!results.computed) {
    throw CliError("nothing to calculate: --low, --high and --refractive-index must not be 0");
  }

  JsonWriter json;
  json.BeginObject();
  json.Key("absorption");
  WriteSpectrum(json, absorption);
  json.Key("emission");
  WriteSpectrum(json, emission);
  json.Key("inputs").BeginObject();
  json.Key("low").Number(results.low);
  json.Key("high").Number(results.high);
  json.Key("epsilon").Number(inputs.epsilon);
  json.Key("epsilon_wavelength").Number(inputs.epsilonWavelength);
  json.Key("quantum_yield").Number(inputs.quantumYield);
  json.Key("refractive_index").Number(inputs.refractiveIndex);
  json.EndObject();
  json.Key("results").BeginObject();
  json.Key("reference_index").Integer(results.referenceIndex);
  json.Key("reference_value").Number(results.referenceValue);
  json.Key("integral").Number(results.integral);
  json.Key("mean").Number(results.mean);
  json.Key("rate").Number(results.rate);
  json.Key("natural_lifetime").Number(results.naturalLifetime);
  json.Key("lifetime").Number(results.lifetime);
  json.EndObject();
  json.EndObject();
  return json.Text();
}

} // namespace lumivex::cli
