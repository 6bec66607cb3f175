#include "modules/Simplex.h"
#include "TestSupport.h"

#include <vector>

namespace lumivex {
namespace {

using test::FuzzyCompare;

CSimplex MakeSimplex(const std::vector<std::vector<float>>& vertices) {
  CSimplex simplex(static_cast<int>(vertices.front().size()));
  for (int v = 0; v < simplex.VertexCount(); ++v) {
    std::copy(vertices[v].begin(), vertices[v].end(), simplex.Vertex(v).begin());
  }
  return simplex;
}

float Quadratic(std::span<const float> x) {
  // Minimum 0 at (0.3, -0.7, 1.2).
  const float a = x[0] - 0.3f;
  const float b = x[1] + 0.7f;
  const float c = x[2] - 1.2f;
  return a * a + 2.0f * b * b + 0.5f * c * c + 0.25f * a * b;
}

TEST(Simplex, FindsTheMinimumOfAQuadraticBowl) {
  CSimplex simplex = MakeSimplex({{0, 0, 0}, {0.5f, 0, 0}, {0, 0.5f, 0}, {0, 0, 0.5f}});
  const SimplexResult result = Minimise(Quadratic, simplex, 1e-10f, SimplexClamp::Off);
  ASSERT_EQ(result.best.size(), 3u);
  EXPECT_NEAR(result.best[0], 0.3f, 2e-3f);
  EXPECT_NEAR(result.best[1], -0.7f, 2e-3f);
  EXPECT_NEAR(result.best[2], 1.2f, 2e-3f);
  EXPECT_LT(result.value, 1e-5f);
  EXPECT_EQ(result.value, Quadratic(result.best));
  EXPECT_LT(result.iterations, kSimplexMaxIterations);
  EXPECT_GT(result.evaluations, result.iterations);
}

TEST(Simplex, AConstantObjectiveStopsAfterOneIterationAtTheFirstVertex) {
  // The worst vertex is P0 (nothing is strictly larger), so it is reflected through the
  // centroid (0.5, 0.5) of the others onto (1, 1); every value stays 7 and the spread is 0.
  CSimplex simplex = MakeSimplex({{0, 0}, {1, 0}, {0, 1}});
  const SimplexResult result =
      Minimise([](std::span<const float>) { return 7.0f; }, simplex, 1e-7f, SimplexClamp::Off);
  EXPECT_EQ(result.iterations, 1);
  EXPECT_EQ(result.best, (std::vector<float>{1.0f, 1.0f}));
  EXPECT_EQ(result.value, 7.0f);
}

TEST(Simplex, AmongEqualValuesTheFirstVertexIsTheResult) {
  // A plateau: 1 near the origin, 0 elsewhere. P0 (value 1) is reflected onto (1, 1), which
  // scores 0 like P1 and P2: three equal values, and the first vertex is the answer.
  CSimplex simplex = MakeSimplex({{0, 0}, {1, 0}, {0, 1}});
  auto plateau = [](std::span<const float> x) { return x[0] + x[1] < 0.5f ? 1.0f : 0.0f; };
  const SimplexResult result = Minimise(plateau, simplex, 1.0f, SimplexClamp::Off);
  EXPECT_EQ(result.iterations, 1);
  EXPECT_EQ(result.best, (std::vector<float>{1.0f, 1.0f}));
  EXPECT_EQ(result.value, 0.0f);
}

TEST(Simplex, ACoordinateZeroInEveryVertexStaysZero) {
  // The objective pulls the second coordinate towards -0.7, but it starts at 0 everywhere.
  CSimplex simplex = MakeSimplex({{0.1f, 0, 0.2f}, {0.6f, 0, 0.2f}, {0.1f, 0, 0.7f}, {0, 0, 0}});
  const SimplexResult result = Minimise(Quadratic, simplex, 1e-10f, SimplexClamp::Off);
  EXPECT_EQ(result.best[1], 0.0f);
  for (int v = 0; v < simplex.VertexCount(); ++v) {
    EXPECT_EQ(simplex.Vertex(v)[1], 0.0f);
  }
  // The other two settle where the bowl is lowest along that plane.
  EXPECT_NEAR(result.best[0], 0.3f - 0.7f / 8.0f, 2e-3f);
  EXPECT_NEAR(result.best[2], 1.2f, 2e-3f);
}

TEST(Simplex, TheClampLimitsReflectionsButNotExpansions) {
  // One coefficient, falling towards 5: P1 = 0.5 is the worst vertex and reflects through
  // P0 = 0.9 onto 1.3, which the clamp pulls back to 1; the expansion from there reaches
  // 1.2, beyond the range.
  struct Case {
    SimplexClamp clamp;
    float reflection;
    float expansion;
  };
  for (const Case& c :
       {Case{SimplexClamp::Off, 1.3f, 2.1f}, Case{SimplexClamp::UnitRange, 1.0f, 1.2f}}) {
    std::vector<float> trials;
    auto descent = [&](std::span<const float> x) {
      trials.push_back(x[0]);
      return (x[0] - 5.0f) * (x[0] - 5.0f);
    };
    CSimplex simplex = MakeSimplex({{0.9f}, {0.5f}});
    const SimplexResult result = Minimise(descent, simplex, 1e-7f, c.clamp);
    ASSERT_GE(trials.size(), 4u);
    EXPECT_TRUE(FuzzyCompare(trials[2], c.reflection));
    EXPECT_TRUE(FuzzyCompare(trials[3], c.expansion));
    EXPECT_EQ(result.value, (result.best[0] - 5.0f) * (result.best[0] - 5.0f));
  }
}

TEST(Simplex, StopsAfterTheIterationLimitWithTheBestVertexOfTheLastSimplex) {
  // A tolerance below 0 can never be met.
  CSimplex simplex = MakeSimplex({{0, 0, 0}, {0.5f, 0, 0}, {0, 0.5f, 0}, {0, 0, 0.5f}});
  const SimplexResult result = Minimise(Quadratic, simplex, -1.0f, SimplexClamp::Off);
  EXPECT_EQ(result.iterations, kSimplexMaxIterations);
  int best = 0;
  for (int v = 1; v < simplex.VertexCount(); ++v) {
    if (Quadratic(simplex.Vertex(v)) < Quadratic(simplex.Vertex(best))) {
      best = v;
    }
  }
  const std::span<const float> vertex = simplex.Vertex(best);
  EXPECT_EQ(result.best, std::vector<float>(vertex.begin(), vertex.end()));
  EXPECT_EQ(result.value, Quadratic(vertex));
}

} // namespace
} // namespace lumivex
