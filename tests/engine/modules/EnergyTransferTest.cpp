#include "modules/EnergyTransfer.h"
#include "TestSupport.h"

#include <cmath>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

// An emission band of a database record, 350 to 750 nm, 0 beyond four widths.
CSpectrum Emission(float centre, float width, float quantumYield) {
  CSpectrum band = MakeSpectrum(350.0f, 0.5f, 801, [=](float x) {
    const float d = (x - centre) / width;
    return std::fabs(d) > 4.0f ? 0.0f : 100.0f * std::exp(-d * d);
  });
  band.m_kind = SpectrumKind::Emission;
  band.m_fromDatabase = 1;
  band.m_quantumYield = quantumYield;
  return band;
}

EnergyTransferRecord Record(float quantumYield, float transfer, float epsilon) {
  EnergyTransferRecord record;
  record.quantumYield = quantumYield;
  record.transfer = transfer;
  record.epsilon = epsilon;
  record.excitation = 400.0f;
  return record;
}

// A chain with its emission spectra and the spectrum it would emit with `efficiencies`.
struct SyntheticChain {
  std::vector<EnergyTransferRecord> chain;
  std::vector<CSpectrum> emissions;
  std::unique_ptr<CSpectrum> measured;
};

SyntheticChain MakeChain(const std::vector<float>& centres, const std::vector<float>& yields,
                         const std::vector<float>& epsilons,
                         const std::vector<float>& efficiencies) {
  SyntheticChain made;
  for (std::size_t c = 0; c < centres.size(); ++c) {
    made.chain.push_back(Record(yields[c], 0.5f, epsilons[c]));
    made.emissions.push_back(Emission(centres[c], 25.0f, yields[c]));
  }
  CTransferEvaluation truth(made.chain, made.emissions, {}, {});
  made.measured = truth.Simulate(truth.Chain(efficiencies));
  return made;
}

TEST(EnergyTransfer, ForwardChainOfThreeHandsOnHalfTheExcitationTwice) {
  const EnergyTransferResult result =
      SimulateForward({Record(1, 0.5f, 2000), Record(1, 0.5f, 2000), Record(1, 0, 2000)});
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.chain.size(), 3u);
  struct Expected {
    double relAbs, upstream, excTot, actual, emission;
  };
  const Expected expected[] = {{1.0 / 3, 0, 1.0 / 3, 0.5, 1.0 / 6},
                               {1.0 / 3, 1.0 / 6, 0.5, 0.5, 0.25},
                               {1.0 / 3, 0.25, 7.0 / 12, 1, 7.0 / 12}};
  for (std::size_t c = 0; c < 3; ++c) {
    const EnergyTransferRecord& r = result.chain[c];
    EXPECT_TRUE(FuzzyCompare(r.relativeAbsorbance, expected[c].relAbs));
    EXPECT_TRUE(FuzzyCompare(r.upstream, expected[c].upstream));
    EXPECT_TRUE(FuzzyCompare(r.excitationTotal, expected[c].excTot));
    EXPECT_TRUE(FuzzyCompare(r.actualFluorescence, expected[c].actual));
    EXPECT_TRUE(FuzzyCompare(r.emissionEnergy, expected[c].emission));
    // The shares of a total of 1 are the emission energies themselves.
    EXPECT_TRUE(FuzzyCompare(r.emissionShare, expected[c].emission));
  }
  EXPECT_TRUE(FuzzyCompare(result.endToEnd, 0.25));
}

TEST(EnergyTransfer, EndToEndAndRelativeAbsorbanceRules) {
  // Forward Q_end skips efficiencies of 0; reverse multiplies every fitted one.
  const std::vector<EnergyTransferRecord> chain = {Record(1, 0.5f, 0), Record(1, 0, 0),
                                                   Record(1, 0.8f, 0), Record(1, 0.3f, 0)};
  EXPECT_TRUE(FuzzyCompare(EndToEndTransfer(chain, EnergyTransferMode::Forward), 0.12));
  EXPECT_EQ(EndToEndTransfer(chain, EnergyTransferMode::Reverse), 0.0f);
  // No epsilon at all: nothing is absorbed and no share is defined, so all are 0.
  const EnergyTransferResult dark = SimulateForward(chain);
  for (const EnergyTransferRecord& r : dark.chain) {
    EXPECT_EQ(r.relativeAbsorbance, 0.0f);
    EXPECT_EQ(r.emissionShare, 0.0f);
  }
  // Epsilon at the excitation from the record's absorption spectrum, y = x / 100.
  const CSpectrum absorption = MakeSpectrum(300.0f, 1.0f, 401, [](float x) { return x / 100; });
  EXPECT_TRUE(FuzzyCompare(EpsilonAtExcitation(absorption, 1000.0f, 500.0f, 400.0f), 800.0));
  const CSpectrum flat = MakeSpectrum(300.0f, 1.0f, 401, [](float) { return 0.0f; });
  EXPECT_EQ(EpsilonAtExcitation(flat, 1000.0f, 500.0f, 400.0f), 0.0f);
}

TEST(EnergyTransfer, SimulatedEmissionIsTheSumOfAreaNormalisedShares) {
  SyntheticChain made = MakeChain({480, 560}, {0.8f, 0.6f}, {3000, 1000}, {0.4f});
  CTransferEvaluation evaluation(made.chain, made.emissions, {}, {});
  const std::vector<float> trial = {0.4f};
  const std::vector<EnergyTransferRecord> chain = evaluation.Chain(trial);
  EXPECT_EQ(chain[1].transfer, 0.0f);
  const auto simulated = evaluation.Simulate(chain);
  ASSERT_NE(simulated, nullptr);
  for (const float x : {450.0f, 500.0f, 560.0f, 640.0f}) {
    double expected = 0.0;
    for (std::size_t c = 0; c < 2; ++c) {
      expected +=
          chain[c].emissionEnergy * made.emissions[c].Interpolate(x) / made.emissions[c].Area();
    }
    EXPECT_TRUE(FuzzyCompare(simulated->Interpolate(x), expected, 1e-4));
  }
}

TEST(EnergyTransfer, TheMisfitReadsTheSameValuesAsTheSimulatedSpectrum) {
  // Spectra on different grids: the sum is resampled on the first one's step, each partial
  // sum in turn; the evaluation must see the values the finished spectrum holds.
  auto band = [](float first, float step, int count, float centre, float yield) {
    CSpectrum made = MakeSpectrum(first, step, count, [=](float x) {
      const float d = (x - centre) / 30.0f;
      return 50.0f * std::exp(-d * d) + 0.5f;
    });
    made.m_kind = SpectrumKind::Emission;
    made.m_quantumYield = yield;
    return made;
  };
  std::vector<CSpectrum> emissions = {band(350.0f, 0.5f, 801, 480.0f, 0.8f),
                                      band(780.0f, -1.0f, 381, 540.0f, 0.6f),
                                      band(300.0f, 0.7f, 571, 600.0f, 0.4f)};
  const std::vector<EnergyTransferRecord> entered = {
      Record(0.8f, 0.5f, 3000), Record(0.5f, 0.5f, 1000), Record(0.4f, 0.0f, 2000)};
  const std::vector<float> wavelengths = {300.0f, 351.3f, 480.0f, 555.55f, 699.9f, 780.0f};
  CTransferEvaluation evaluation(entered, emissions, wavelengths,
                                 std::vector<float>(wavelengths.size(), 1.0f));
  const std::vector<EnergyTransferRecord> chain = evaluation.Chain(std::vector{0.3f, 0.6f});
  const std::vector<float> values = evaluation.SimulatedValues(chain);
  const auto simulated = evaluation.Simulate(chain);
  ASSERT_NE(simulated, nullptr);
  EXPECT_EQ(simulated->m_xStep, 0.5f);
  EXPECT_EQ(simulated->SmallestX(), 300.0f);
  ASSERT_EQ(values.size(), wavelengths.size());
  for (std::size_t i = 0; i < wavelengths.size(); ++i) {
    EXPECT_TRUE(FuzzyCompare(values[i], simulated->Interpolate(wavelengths[i]), 1e-5))
        << wavelengths[i];
  }
}

TEST(EnergyTransfer, SimulatedFluorescenceIsTheSumOfTheScaledShares) {
  SyntheticChain made =
      MakeChain({480, 560, 620}, {0.8f, 0.6f, 0.5f}, {3000, 1000, 500}, {0.5f, 0.5f});
  CTransferEvaluation evaluation(made.chain, made.emissions, {}, {});
  const std::vector<EnergyTransferRecord> chain = evaluation.Chain(std::vector{0.4f, 0.7f});
  const SimulatedFluorescence simulated = SimulateFluorescence(chain, made.emissions);
  ASSERT_NE(simulated.sum, nullptr);
  ASSERT_EQ(simulated.shares.size(), 3u);
  EXPECT_EQ(simulated.sum->m_name, made.emissions[0].m_name);
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_TRUE(FuzzyCompare(simulated.shares[c].m_weight,
                             chain[c].emissionEnergy / chain[c].quantumYield));
  }
  for (const float x : {470.0f, 530.0f, 600.0f}) {
    double shares = 0.0;
    for (const CSpectrum& share : simulated.shares) {
      shares += share.Interpolate(x);
    }
    EXPECT_TRUE(FuzzyCompare(simulated.sum->Interpolate(x), shares, 1e-4)) << x;
  }
}

TEST(EnergyTransfer, OneStepIsScannedInHundredths) {
  SyntheticChain made = MakeChain({480, 560}, {0.8f, 0.6f}, {3000, 1000}, {0.37f});
  const std::vector<float> wavelengths = {470, 500, 540, 570, 620};
  const EnergyTransferResult result =
      ReverseAnalysis(made.chain, made.emissions, *made.measured, wavelengths);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.chain[0].transfer, 0.37f);
  EXPECT_EQ(result.chain[1].transfer, 0.0f);
  EXPECT_EQ(result.evaluations, 100);
  EXPECT_LT(result.misfit, 1e-4f);
  EXPECT_EQ(result.endToEnd, 0.37f);
  EXPECT_TRUE(FuzzyCompare(result.chain[0].actualFluorescence, 0.8 * 0.63));
}

TEST(EnergyTransfer, ASimulationThatIsZeroAtAWavelengthScoresTheWorstMisfit) {
  // At 800 nm, beyond every band, the simulated emission is 0: no trial can be normalised,
  // so none beats the scan's bound and the efficiency is 0.
  SyntheticChain made = MakeChain({480, 560}, {0.8f, 0.6f}, {3000, 1000}, {0.37f});
  CSpectrum measured = MakeSpectrum(350.0f, 1.0f, 500, [](float) { return 1.0f; });
  measured.m_kind = SpectrumKind::Emission;
  const EnergyTransferResult result =
      ReverseAnalysis(made.chain, made.emissions, measured, {500.0f, 800.0f});
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.chain[0].transfer, 0.0f);
  EXPECT_EQ(result.misfit, kTransferScanBound);

  CTransferEvaluation evaluation(made.chain, made.emissions, {500.0f, 800.0f}, {1.0f, 1.0f});
  EXPECT_EQ(evaluation(std::vector<float>{0.5f}), kWorstTransferMisfit);
}

TEST(EnergyTransfer, AMeasuredZeroAtAWavelengthIsRefusedBeforeTheFit) {
  SyntheticChain made =
      MakeChain({480, 560, 620}, {0.8f, 0.6f, 0.5f}, {3000, 1000, 500}, {0.5f, 0.5f});
  CSpectrum measured =
      MakeSpectrum(350.0f, 1.0f, 401, [](float x) { return x >= 600.0f ? 0.0f : 1.0f; });
  measured.m_kind = SpectrumKind::Emission;
  const EnergyTransferResult result =
      ReverseAnalysis(made.chain, made.emissions, measured, {500.0f, 652.5f, 700.0f});
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("652.50 nm"), std::string::npos) << result.message;
  EXPECT_EQ(result.evaluations, 0);

  const MeasuredEmission normalised = NormaliseMeasured(*made.measured, std::vector{500.f, 560.f});
  ASSERT_TRUE(normalised.ok);
  EXPECT_EQ(std::min(normalised.values[0], normalised.values[1]), 1.0f);
}

TEST(EnergyTransfer, ReverseFitRecoversTheEfficienciesOfAChain) {
  const std::vector<float> truth = {0.65f, 0.35f, 0.8f};
  SyntheticChain made =
      MakeChain({450, 510, 570, 640}, {0.9f, 0.6f, 0.7f, 0.5f}, {4000, 2500, 1500, 3000}, truth);
  const std::vector<float> wavelengths = {430, 450, 480, 510, 540, 570, 610, 640, 680};
  const EnergyTransferResult result =
      ReverseAnalysis(made.chain, made.emissions, *made.measured, wavelengths);
  ASSERT_TRUE(result.ok) << result.message;
  for (std::size_t c = 0; c < truth.size(); ++c) {
    EXPECT_NEAR(result.chain[c].transfer, truth[c], 0.01f) << "step " << c;
  }
  EXPECT_EQ(result.chain[3].transfer, 0.0f);
  EXPECT_TRUE(FuzzyCompare(result.endToEnd, result.chain[0].transfer * result.chain[1].transfer *
                                                result.chain[2].transfer));
  EXPECT_LT(result.misfit, 1e-3f);
  EXPECT_GT(result.evaluations, 4);
}

} // namespace
} // namespace lumivex
