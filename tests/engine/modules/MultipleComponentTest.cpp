#include "modules/MultipleComponent.h"
#include "TestSupport.h"

#include <cmath>
#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;
using test::MakeSpectrum;

CSpectrum Band(float centre, float width, SpectrumKind kind) {
  CSpectrum band = MakeSpectrum(300.0f, 1.0f, 401, [=](float x) {
    const float d = (x - centre) / width;
    return std::exp(-d * d);
  });
  band.m_kind = kind;
  return band;
}

// The composite sum_j weight_j * component_j on the components' grid.
CSpectrum Mixture(const std::vector<const CSpectrum*>& components,
                  const std::vector<float>& weights) {
  CSpectrum mixture = MakeSpectrum(300.0f, 1.0f, 401, [&](float x) {
    float y = 0.0f;
    for (std::size_t j = 0; j < components.size(); ++j) {
      y += weights[j] * components[j]->Interpolate(x);
    }
    return y;
  });
  mixture.m_kind = components.front()->m_kind;
  return mixture;
}

const std::vector<float> kWavelengths = {380, 410, 440, 470, 500, 530, 560, 590, 620};

TEST(MultipleComponent, RecoversTheFractionsOfASyntheticMixture) {
  const CSpectrum a = Band(420.0f, 30.0f, SpectrumKind::Emission);
  const CSpectrum b = Band(500.0f, 40.0f, SpectrumKind::Emission);
  const CSpectrum c = Band(580.0f, 35.0f, SpectrumKind::Emission);
  const std::vector<const CSpectrum*> components = {&a, &b, &c};
  const CSpectrum composite = Mixture(components, {0.2f, 0.5f, 0.3f});

  const CMcaValueTable table(composite, components, kWavelengths);
  ASSERT_EQ(table.Components(), 3);
  ASSERT_EQ(table.Wavelengths(), 9);
  EXPECT_EQ(table.At(0, 2), composite.Interpolate(440.0f));
  EXPECT_EQ(table.At(2, 2), b.Interpolate(440.0f));

  const std::vector<McaComponentInput> inputs(3, {kMcaShownFraction, 0.0f});
  const McaFit fit = FitComponents(table, inputs);
  ASSERT_EQ(fit.results.size(), 3u);
  EXPECT_NEAR(fit.results[0], 0.2f, 5e-3f);
  EXPECT_NEAR(fit.results[1], 0.5f, 5e-3f);
  EXPECT_NEAR(fit.results[2], 0.3f, 5e-3f);
  EXPECT_LT(fit.residual, 1e-4f);
  EXPECT_EQ(fit.residual, table.Misfit(fit.search.best));
  EXPECT_LT(fit.search.iterations, kSimplexMaxIterations);
}

TEST(MultipleComponent, AComponentStartingAtZeroIsLeftOutAndReportsZero) {
  const CSpectrum a = Band(420.0f, 30.0f, SpectrumKind::Emission);
  const CSpectrum b = Band(500.0f, 40.0f, SpectrumKind::Emission);
  const CSpectrum c = Band(580.0f, 35.0f, SpectrumKind::Emission);
  const std::vector<const CSpectrum*> components = {&a, &b, &c};
  // c is really in the mixture, but entered at fraction 0: the others absorb its share.
  const CSpectrum composite = Mixture(components, {0.2f, 0.5f, 0.3f});
  const CMcaValueTable table(composite, components, kWavelengths);
  const McaFit fit = FitComponents(table, {{{0.5f, 0.0f}, {0.5f, 0.0f}, {0.0f, 0.0f}}});
  EXPECT_EQ(fit.results[2], 0.0f);
  EXPECT_EQ(fit.search.best[2], 0.0f);
  EXPECT_GT(fit.results[0], 0.0f);
  EXPECT_GT(fit.residual, 1e-3f);
}

TEST(MultipleComponent, AbsorptionWithAConcentrationReportsFractionTimesConcentration) {
  // The same mixture, once with emission components (fractions) and once with absorption
  // components whose concentrations are known.
  struct Case {
    SpectrumKind kind;
    std::vector<float> concentrations;
  };
  const std::vector<float> weights = {0.25f, 0.75f, 0.4f};
  for (const Case& k : {Case{SpectrumKind::Emission, {0, 0, 0}},
                        Case{SpectrumKind::Absorption, {10.0f, 0.0f, 2.5f}}}) {
    const CSpectrum a = Band(420.0f, 30.0f, k.kind);
    const CSpectrum b = Band(500.0f, 40.0f, k.kind);
    const CSpectrum c = Band(580.0f, 35.0f, k.kind);
    const std::vector<const CSpectrum*> components = {&a, &b, &c};
    const CMcaValueTable table(Mixture(components, weights), components, kWavelengths);
    std::vector<McaComponentInput> inputs;
    for (const float concentration : k.concentrations) {
      inputs.push_back({kMcaShownFraction, concentration});
    }
    const McaFit fit = FitComponents(table, inputs);
    for (std::size_t j = 0; j < 3; ++j) {
      const float known = k.concentrations[j];
      const float expected = known != 0.0f ? weights[j] * known : weights[j];
      EXPECT_NEAR(fit.results[j], expected, 5e-3f * (known != 0.0f ? known : 1.0f));
      EXPECT_EQ(fit.results[j], known != 0.0f ? fit.search.best[j] * known : fit.search.best[j]);
    }
  }
}

TEST(MultipleComponent, WithoutWavelengthsEveryTrialScoresZeroAndOneIterationRuns) {
  const CSpectrum a = Band(420.0f, 30.0f, SpectrumKind::Absorption);
  const CSpectrum b = Band(500.0f, 40.0f, SpectrumKind::Absorption);
  const std::vector<const CSpectrum*> components = {&a, &b};
  const CMcaValueTable table(a, components, {});
  EXPECT_EQ(table.Misfit(std::vector<float>{3.0f, -2.0f}), 0.0f);
  const McaFit fit = FitComponents(table, {{{0.5f, 0.0f}, {0.5f, 0.0f}}});
  EXPECT_EQ(fit.search.iterations, 1);
  EXPECT_EQ(fit.residual, 0.0f);
  EXPECT_EQ(fit.results.size(), 2u);
}

TEST(MultipleComponent, ConcentrationDefaultAndSelectionCheck) {
  CSpectrum absorber = Band(450.0f, 30.0f, SpectrumKind::Absorption);
  absorber.m_epsilonPeak = 20000.0f;
  EXPECT_TRUE(FuzzyCompare(DefaultConcentration(absorber), 50.0));
  absorber.m_epsilonPeak = 0.0f;
  EXPECT_EQ(DefaultConcentration(absorber), 0.0f);
  CSpectrum emitter = Band(450.0f, 30.0f, SpectrumKind::Emission);
  emitter.m_epsilonPeak = 20000.0f;
  EXPECT_EQ(DefaultConcentration(emitter), 0.0f);

  using K = SpectrumKind;
  EXPECT_TRUE(McaSelectionFits(
      std::vector{K::Absorption, K::Emission, K::Absorption, K::Absorption, K::Emission}));
  EXPECT_TRUE(McaSelectionFits(std::vector{K::Emission, K::Emission, K::Emission}));
  EXPECT_FALSE(McaSelectionFits(
      std::vector{K::Emission, K::Emission, K::Absorption, K::Absorption, K::Curve}));
}

} // namespace
} // namespace lumivex
