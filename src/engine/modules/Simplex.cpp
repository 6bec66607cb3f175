#include "modules/Simplex.h"

#include <algorithm>
#include <cmath>

namespace lumivex {

namespace {

constexpr float kReflection = 1.0f;
constexpr float kExpansion = 2.0f;
constexpr float kContraction = 0.5f;

void Assign(std::span<float> target, const std::vector<float>& source) {
  std::copy(source.begin(), source.end(), target.begin());
}

// True when value is strictly greater than the value of every vertex other than `skipped`.
bool WorseThanAllBut(float value, const std::vector<float>& values, int skipped) {
  for (int v = 0; v < static_cast<int>(values.size()); ++v) {
    if (v != skipped && !(value > values[v])) {
      return false;
    }
  }
  return true;
}

// Standard deviation of the vertex values over m + 1, in single precision.
float Spread(const std::vector<float>& values) {
  const float count = static_cast<float>(values.size());
  float sum = 0.0f;
  for (const float f : values) {
    sum += f;
  }
  const float mean = sum / count;
  float squares = 0.0f;
  for (const float f : values) {
    squares += (f - mean) * (f - mean);
  }
  return std::sqrt(squares / count);
}

} // namespace

CSimplex::CSimplex(int dimension)
    : m_dimension(std::max(dimension, 1)),
      m_table(static_cast<std::size_t>(m_dimension) * static_cast<std::size_t>(m_dimension + 1),
              0.0f) {}

std::span<float> CSimplex::Vertex(int v) {
  return std::span<float>(m_table).subspan(static_cast<std::size_t>(v * m_dimension),
                                           static_cast<std::size_t>(m_dimension));
}

std::span<const float> CSimplex::Vertex(int v) const {
  return std::span<const float>(m_table).subspan(static_cast<std::size_t>(v * m_dimension),
                                                 static_cast<std::size_t>(m_dimension));
}

SimplexResult Minimise(const SimplexObjective& objective, CSimplex& simplex, float tolerance,
                       SimplexClamp clamp) {
  const int m = simplex.Dimension();
  const int count = simplex.VertexCount();
  const std::size_t size = static_cast<std::size_t>(m);
  SimplexResult result;
  auto evaluate = [&](std::span<const float> point) {
    ++result.evaluations;
    return objective(point);
  };

  std::vector<float> values(static_cast<std::size_t>(count));
  for (int v = 0; v < count; ++v) {
    values[v] = evaluate(simplex.Vertex(v));
  }
  std::vector<float> centroid(size);
  std::vector<float> reflected(size);
  std::vector<float> trial(size);
  bool converged = false;
  while (result.iterations < kSimplexMaxIterations && !converged) {
    ++result.iterations;
    int lo = 0;
    int hi = 0;
    for (int v = 1; v < count; ++v) {
      if (values[v] < values[lo]) {
        lo = v;
      } else if (values[v] > values[hi]) {
        hi = v;
      }
    }
    for (std::size_t i = 0; i < size; ++i) {
      float sum = 0.0f;
      for (int v = 0; v < count; ++v) {
        if (v != hi) {
          sum += simplex.Vertex(v)[i];
        }
      }
      centroid[i] = sum / static_cast<float>(m);
    }
    const std::span<float> worst = simplex.Vertex(hi);
    for (std::size_t i = 0; i < size; ++i) {
      float x = (1.0f + kReflection) * centroid[i] - kReflection * worst[i];
      if (clamp == SimplexClamp::UnitRange) {
        x = std::clamp(x, 0.0f, 1.0f);
      }
      reflected[i] = x;
    }
    const float reflectedValue = evaluate(reflected);

    // A vertex that moved onto a trial point takes that point's value: the objective is a
    // pure function, so evaluating it again would give the same number.
    if (reflectedValue < values[lo]) {
      for (std::size_t i = 0; i < size; ++i) {
        trial[i] = (1.0f + kExpansion) * reflected[i] - kExpansion * centroid[i];
      }
      const float expandedValue = evaluate(trial);
      if (expandedValue < values[lo]) {
        Assign(worst, trial);
        values[hi] = expandedValue;
      } else {
        Assign(worst, reflected);
        values[hi] = reflectedValue;
      }
    } else if (WorseThanAllBut(reflectedValue, values, hi)) {
      if (reflectedValue < values[hi]) {
        Assign(worst, reflected);
        values[hi] = reflectedValue;
      }
      for (std::size_t i = 0; i < size; ++i) {
        trial[i] = kContraction * worst[i] + (1.0f - kContraction) * centroid[i];
      }
      const float contractedValue = evaluate(trial);
      if (contractedValue > values[hi]) {
        const std::vector<float> best(simplex.Vertex(lo).begin(), simplex.Vertex(lo).end());
        for (int v = 0; v < count; ++v) {
          const std::span<float> vertex = simplex.Vertex(v);
          for (std::size_t i = 0; i < size; ++i) {
            vertex[i] = (best[i] + vertex[i]) * 0.5f;
          }
          values[v] = evaluate(vertex);
        }
      } else {
        Assign(worst, trial);
        values[hi] = contractedValue;
      }
    } else {
      Assign(worst, reflected);
      values[hi] = reflectedValue;
    }
    converged = Spread(values) <= tolerance;
  }

  int best = 0;
  for (int v = 1; v < count; ++v) {
    if (values[v] < values[best]) {
      best = v;
    }
  }
  const std::span<const float> vertex = simplex.Vertex(best);
  result.best.assign(vertex.begin(), vertex.end());
  result.value = values[best];
  return result;
}

} // namespace lumivex
