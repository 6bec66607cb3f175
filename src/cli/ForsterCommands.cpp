#include "ForsterCommands.h"

#include "CliSupport.h"
#include "JsonWriter.h"
#include "modules/Forster.h"
#include "modules/ForsterDlg.h"

#include <utility>

namespace lumivex::cli {

namespace {

// Command-line options and the dialog fields they fill.
const std::vector<std::pair<std::string, std::string>> kInputOptions{
    {"epsilon", "epsilon"},
    {"epsilon-wavelength", "epsilonWavelength"},
    {"quantum-yield", "quantumYield"},
    {"refractive-index", "refractiveIndex"},
    {"kappa2", "kappa2"},
    {"distance", "distance"},
    {"lifetime", "lifetime"},
    {"low", "low"},
    {"high", "high"},
};

void WriteSpectrum(JsonWriter& json, const CSpectrum& spectrum) {
  json.BeginObject();
  json.Key("name").String(spectrum.m_name);
  json.Key("path").String(spectrum.m_filePath);
  json.Key("first_x").Number(spectrum.m_points.front().x);
  json.Key("last_x").Number(spectrum.m_points.back().x);
  json.EndObject();
}

void RequireKind(const CSpectrum& spectrum, SpectrumKind kind, const std::string& option) {
  if (spectrum.m_kind != kind) {
    throw CliError(option + " must be " +
                   (kind == SpectrumKind::Emission ? "an emission" : "an absorption") +
                   " spectrum, not " + KindName(spectrum.m_kind));
  }
}

} // namespace

std::string Forster(const std::vector<std::string>& args) {
  std::vector<std::string> known;
  for (const auto& [option, field] : kInputOptions) {
    known.push_back(option);
  }
  for (const char* spectrum : {"donor", "acceptor"}) {
    const std::vector<std::string> options = SpectrumOptions(spectrum);
    known.insert(known.end(), options.begin(), options.end());
  }
  const Arguments parsed = Parse(args, 1, known);
  if (!parsed.positional.empty()) {
    throw CliError("forster takes no FILE of its own; see lumivex-cli --help");
  }

  CLumivexData document;
  CSpectrum& donor = OpenSpectrumArgument(document, parsed, "donor", 1);
  RequireKind(donor, SpectrumKind::Emission, "--donor");
  CSpectrum& acceptor = OpenSpectrumArgument(document, parsed, "acceptor", 0);
  RequireKind(acceptor, SpectrumKind::Absorption, "--acceptor");
  const std::optional<OverlapRange> overlap = FindOverlapRange(donor, acceptor);
  if (!overlap) {
    throw CliError(std::string(kForsterNoOverlap) +
                   ": the donor and acceptor spectra share no wavelength");
  }

  CForsterDlg dlg;
  dlg.Fill(donor, acceptor, overlap->low, overlap->high);
  for (const auto& [option, field] : kInputOptions) {
    if (const std::optional<std::string> text = parsed.Option(option)) {
      if (const std::optional<FieldRefusal> refusal = dlg.StoreFields({{field, *text}})) {
        throw CliError("--" + option + " '" + *text + "': " + refusal->message);
      }
    }
  }
  dlg.Calculate(donor, acceptor);

  JsonWriter json;
  json.BeginObject();
  json.Key("donor");
  WriteSpectrum(json, donor);
  json.Key("acceptor");
  WriteSpectrum(json, acceptor);
  json.Key("inputs").BeginObject();
  json.Key("refractive_index").Number(dlg.m_refractiveIndex);
  json.Key("kappa2").Number(dlg.m_kappa2);
  json.Key("quantum_yield").Number(dlg.m_quantumYield);
  json.Key("distance").Number(dlg.m_distance);
  json.Key("epsilon").Number(dlg.m_epsilon);
  json.Key("epsilon_wavelength").Number(dlg.m_epsilonWavelength);
  json.Key("low").Number(dlg.m_low);
  json.Key("high").Number(dlg.m_high);
  json.Key("lifetime").Number(dlg.m_lifetime);
  json.EndObject();
  json.Key("results").BeginObject();
  json.Key("j_value").Number(dlg.m_overlap);
  json.Key("forster_distance").Number(dlg.m_forsterDistance);
  json.Key("efficiency").Number(dlg.m_efficiency);
  json.Key("rate").Number(dlg.m_rate);
  json.Key("dexter").Number(dlg.m_dexter);
  json.EndObject();
  json.EndObject();
  return json.Text();
}

} // namespace lumivex::cli
