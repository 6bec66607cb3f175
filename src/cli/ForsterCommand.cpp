#include "Commands.h"

#include "modules/Forster.h"
#include "modules/ForsterDlg.h"

#include <memory>
#include <optional>

namespace lumivex::cli {

namespace {

struct ForsterOptions {
  explicit ForsterOptions(CLI::App& command)
      : donor(command, "donor", 1), acceptor(command, "acceptor", 0) {
    fields.Add(command, "epsilon", "epsilon", "the acceptor's epsilon in M^-1 cm^-1");
    fields.Add(command, "epsilon-wavelength", "epsilonWavelength", "where epsilon holds, in nm");
    fields.Add(command, "quantum-yield", "quantumYield", "the donor's quantum yield");
    fields.Add(command, "refractive-index", "refractiveIndex", "n (default 1)");
    fields.Add(command, "kappa2", "kappa2", "the orientation factor (default 0)");
    fields.Add(command, "distance", "distance", "donor-acceptor distance r in Angstrom");
    fields.Add(command, "lifetime", "lifetime", "the donor's lifetime in ns");
    fields.Add(command, "low", "low", "the overlap range's low end in nm");
    fields.Add(command, "high", "high", "the overlap range's high end in nm");
  }

  SpectrumArgument donor;
  SpectrumArgument acceptor;
  FieldOptions fields;
};

Json SpectrumJson(const CSpectrum& spectrum) {
  return {{"name", spectrum.m_name},
          {"path", spectrum.m_filePath},
          {"first_x", spectrum.m_points.front().x},
          {"last_x", spectrum.m_points.back().x}};
}

Json Forster(const ForsterOptions& options) {
  CLumivexData document;
  CSpectrum& donor = options.donor.Open(document);
  RequireKind(donor, SpectrumKind::Emission, "--donor");
  CSpectrum& acceptor = options.acceptor.Open(document);
  RequireKind(acceptor, SpectrumKind::Absorption, "--acceptor");
  const std::optional<OverlapRange> overlap = FindOverlapRange(donor, acceptor);
  if (!overlap) {
    throw CliError(std::string(kForsterNoOverlap) +
                   ": the donor and acceptor spectra share no wavelength");
  }

  CForsterDlg dlg;
  dlg.Fill(donor, acceptor, overlap->low, overlap->high);
  // One field at a time, in the options' order, so the first refused one is reported.
  for (const auto& [field, text] : options.fields.Texts()) {
    if (const std::optional<FieldRefusal> refusal = dlg.StoreFields({{field, text}})) {
      options.fields.Refuse(refusal->key, refusal->message);
    }
  }
  dlg.Calculate(donor, acceptor);

  Json answer;
  answer["donor"] = SpectrumJson(donor);
  answer["acceptor"] = SpectrumJson(acceptor);
  answer["inputs"] = {{"refractive_index", dlg.m_refractiveIndex},
                      {"kappa2", dlg.m_kappa2},
                      {"quantum_yield", dlg.m_quantumYield},
                      {"distance", dlg.m_distance},
                      {"epsilon", dlg.m_epsilon},
                      {"epsilon_wavelength", dlg.m_epsilonWavelength},
                      {"low", dlg.m_low},
                      {"high", dlg.m_high},
                      {"lifetime", dlg.m_lifetime}};
  answer["results"] = {{"j_value", dlg.m_overlap},
                       {"forster_distance", dlg.m_forsterDistance},
                       {"efficiency", dlg.m_efficiency},
                       {"rate", dlg.m_rate},
                       {"dexter", dlg.m_dexter}};
  return answer;
}

} // namespace

void AddForsterCommand(CommandLine& line) {
  CLI::App& command = line.Add(
      nullptr, "forster", "Forster energy transfer: overlap J, Forster distance, efficiency, rate");
  auto options = std::make_shared<ForsterOptions>(command);
  line.SetRun(command, [options] { return Forster(*options); });
}

} // namespace lumivex::cli
