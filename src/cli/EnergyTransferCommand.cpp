#include "Commands.h"

#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"
#include "database/DatabaseRecord.h"
#include "modules/EnergyTransfer.h"
#include "modules/RecordSpectrum.h"
#include "modules/WavelengthList.h"

#include <memory>

namespace lumivex::cli {

namespace {

struct EtsimOptions {
  std::string database;
  std::vector<int> records;
  float excitation = 0.0f;
  std::vector<float> efficiencies;
  std::vector<float> epsilons;
  std::vector<float> quantumYields;
  std::string out;
  bool reverse = false;
  std::string measured;
  std::vector<float> wavelengths;
};

// A list option whose values replace the first entries of `values`.
void Override(std::vector<float>& values, const std::vector<float>& given, const char* option) {
  if (given.size() > values.size()) {
    throw CliError(std::string(option) + " has " + std::to_string(given.size()) +
                   " values for a chain of " + std::to_string(values.size()));
  }
  std::copy(given.begin(), given.end(), values.begin());
}

void RequireRange(const std::vector<float>& values, float low, float high, const char* option) {
  for (const float value : values) {
    if (!(value >= low && value <= high)) {
      char text[160];
      std::snprintf(text, sizeof text, "%s: Please enter a number between %g and %g.", option,
                    static_cast<double>(low), static_cast<double>(high));
      throw CliError(text);
    }
  }
}

Json Etsim(const EtsimOptions& options) {
  if (options.records.size() < 2) {
    throw CliError("--records needs at least two records: the chain's components in the order "
                   "energy passes through them");
  }
  if (!(options.excitation > 0.0f && options.excitation <= 1000.0f)) {
    throw CliError("--excitation must be above 0 and at most 1000 nm");
  }
  const int count = RecordCount(*CProfileCache::Shared().Get(options.database));
  std::vector<CSpectrum> emissions;
  for (const int record : options.records) {
    RequireRecord(record, count, "--records");
    RecordSpectrumResult read =
        ReadRecordSpectrum(options.database, record, RecordSection::Emission);
    if (read.spectrum == nullptr) {
      throw CliError("record " + std::to_string(record) + ": " + OneLine(read.message));
    }
    emissions.push_back(std::move(*read.spectrum));
  }

  const std::size_t n = emissions.size();
  std::vector<float> transfers(n, 0.5f);
  transfers.back() = 0.0f;
  Override(transfers, options.efficiencies, "--efficiencies");
  RequireRange(transfers, 0.0f, 1.0f, "--efficiencies");
  std::vector<float> yields;
  for (const CSpectrum& emission : emissions) {
    yields.push_back(emission.m_quantumYield);
  }
  Override(yields, options.quantumYields, "--quantum-yields");
  std::vector<EnergyTransferRecord> chain(n);
  for (std::size_t c = 0; c < n; ++c) {
    chain[c].quantumYield = yields[c];
    chain[c].transfer = transfers[c];
    chain[c].excitation = options.excitation;
    if (c < options.epsilons.size()) {
      chain[c].epsilon = options.epsilons[c];
    } else if (const auto epsilon =
                   RecordEpsilonAtExcitation(options.database, emissions[c], options.excitation)) {
      chain[c].epsilon = *epsilon;
    } else {
      throw CliError("record " + std::to_string(options.records[c]) + ": " + kTransferNoAbsorption +
                     " (--epsilons)");
    }
  }
  if (options.epsilons.size() > n) {
    throw CliError("--epsilons has more values than the chain has components");
  }

  EnergyTransferResult result;
  if (options.reverse) {
    if (options.measured.empty() || options.wavelengths.empty()) {
      throw CliError("--reverse needs --measured and --wavelengths");
    }
    CWavelengthList list(TransferWavelengthCapacity(static_cast<int>(n) + 1));
    for (const float wavelength : options.wavelengths) {
      if (const auto refused = list.Add(wavelength, "")) {
        throw CliError(*refused);
      }
    }
    const CSpectrum measured = ReadOrThrow(options.measured);
    result = ReverseAnalysis(chain, emissions, measured, list.Wavelengths());
    if (!result.ok) {
      throw CliError(OneLine(result.message));
    }
  } else {
    result = SimulateForward(chain);
  }

  Json answer;
  answer["mode"] = options.reverse ? "reverse" : "forward";
  answer["excitation"] = options.excitation;
  answer["q_end"] = result.endToEnd;
  if (options.reverse) {
    answer["evaluations"] = result.evaluations;
    answer["misfit"] = result.misfit;
  }
  Json components = Json::array();
  for (std::size_t c = 0; c < n; ++c) {
    const EnergyTransferRecord& r = result.chain[c];
    components.push_back({{"name", emissions[c].m_name},
                          {"T", r.transfer},
                          {"epsilon", r.epsilon},
                          {"rel_abs", r.relativeAbsorbance},
                          {"qy", r.quantumYield},
                          {"q_prime", r.actualFluorescence},
                          {"exc_tot", r.excitationTotal},
                          {"q_double_prime", r.emissionEnergy},
                          {"em", r.emissionShare}});
  }
  answer["components"] = components;
  if (!options.out.empty()) {
    SimulatedFluorescence simulated = SimulateFluorescence(result.chain, std::move(emissions));
    if (simulated.sum == nullptr) {
      throw CliError("the emission spectra cannot be combined");
    }
    const WriteResult written = WriteSpectrumFile(*simulated.sum, options.out);
    if (!written.ok) {
      throw CliError(OneLine(written.message));
    }
    simulated.sum->m_filePath = options.out;
    answer["simulated"] = SpectrumInfo(*simulated.sum);
  }
  return answer;
}

} // namespace

void AddEtsimCommand(CommandLine& line) {
  CLI::App& command =
      line.Add(nullptr, "etsim",
               "energy transfer along a chain of database records: forward, or the transfer "
               "efficiencies fitted in reverse against a measured emission spectrum");
  auto options = std::make_shared<EtsimOptions>();
  command.add_option("--db", options->database, "the database")->required();
  command.add_option("--records", options->records, "record numbers in chain order")
      ->required()
      ->delimiter(',');
  command.add_option("--excitation", options->excitation, "excitation wavelength, nm")
      ->required()
      ->check(FiniteNumber());
  command
      .add_option("--efficiencies", options->efficiencies,
                  "transfer efficiencies T, 0 to 1 (default 0.5, 0 for the last; reverse: the "
                  "starting values)")
      ->delimiter(',')
      ->check(FiniteNumber());
  command
      .add_option("--epsilons", options->epsilons,
                  "epsilon at the excitation, M^-1 cm^-1 (default from each record)")
      ->delimiter(',')
      ->check(FiniteNumber());
  command
      .add_option("--quantum-yields", options->quantumYields,
                  "fluorescence quantum yields (default each record's)")
      ->delimiter(',')
      ->check(FiniteNumber());
  command.add_option("--out", options->out, "writes the simulated fluorescence spectrum");
  command.add_flag("--reverse", options->reverse, "fit the efficiencies to --measured");
  command.add_option("--measured", options->measured, "the array's measured emission spectrum");
  command.add_option("--wavelengths", options->wavelengths, "analysis wavelengths, nm")
      ->delimiter(',')
      ->check(FiniteNumber());
  line.SetRun(command, [options] { return Etsim(*options); });
}

} // namespace lumivex::cli
