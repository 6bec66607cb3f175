#include "Commands.h"

#include "modules/StrickleDlg.h"
#include "modules/StricklerBerg.h"

#include <memory>
#include <optional>

namespace lumivex::cli {

namespace {

struct StricklerBergOptions {
  explicit StricklerBergOptions(CLI::App& command)
      : absorption(command, "absorption", 0), emission(command, "emission", 1) {
    fields.Add(command, "epsilon", "epsilon", "epsilon in M^-1 cm^-1");
    fields.Add(command, "epsilon-wavelength", "epsilonWavelength", "where epsilon holds, in nm");
    fields.Add(command, "quantum-yield", "quantumYield", "the fluorescence quantum yield");
    fields.Add(command, "refractive-index", "refractiveIndex", "n")->required();
    fields.Add(command, "low", "low", "the absorption band's low end in nm")->required();
    fields.Add(command, "high", "high", "the absorption band's high end in nm")->required();
  }

  SpectrumArgument absorption;
  SpectrumArgument emission;
  FieldOptions fields;
};

Json SpectrumJson(const CSpectrum& spectrum) {
  return {{"name", spectrum.m_name},
          {"solvent", spectrum.m_solvent},
          {"path", spectrum.m_filePath},
          {"first_x", spectrum.m_points.front().x},
          {"last_x", spectrum.m_points.back().x}};
}

Json StricklerBerg(const StricklerBergOptions& options) {
  CLumivexData document;
  const CSpectrum& absorption = options.absorption.Open(document);
  RequireKind(absorption, SpectrumKind::Absorption, "--absorption");
  CSpectrum& emission = options.emission.Open(document);
  RequireKind(emission, SpectrumKind::Emission, "--emission");
  RequireEpsilon(absorption, options.fields);

  CStrickleDlg dlg;
  dlg.m_epsilon = absorption.m_epsilon;
  dlg.m_quantumYield = emission.m_quantumYield;
  dlg.m_epsilonWavelength = absorption.m_epsilonWavelength;
  const std::vector<std::pair<std::string, std::string>> texts = options.fields.Texts();
  if (const std::optional<FieldRefusal> refusal =
          dlg.StoreFields(std::map(texts.begin(), texts.end()))) {
    options.fields.Refuse(refusal->key, refusal->message);
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

  Json answer;
  answer["absorption"] = SpectrumJson(absorption);
  answer["emission"] = SpectrumJson(emission);
  answer["inputs"] = {{"low", results.low},
                      {"high", results.high},
                      {"epsilon", inputs.epsilon},
                      {"epsilon_wavelength", inputs.epsilonWavelength},
                      {"quantum_yield", inputs.quantumYield},
                      {"refractive_index", inputs.refractiveIndex}};
  answer["results"] = {{"reference_index", results.referenceIndex},
                       {"reference_value", results.referenceValue},
                       {"integral", results.integral},
                       {"mean", results.mean},
                       {"rate", results.rate},
                       {"natural_lifetime", results.naturalLifetime},
                       {"lifetime", results.lifetime}};
  return answer;
}

} // namespace

void AddStricklerBergCommand(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "lifetime",
                               "Strickler-Berg rate, natural and actual fluorescence lifetime");
  auto options = std::make_shared<StricklerBergOptions>(command);
  line.SetRun(command, [options] { return StricklerBerg(*options); });
}

} // namespace lumivex::cli
