#pragma once

#include <functional>
#include <span>
#include <vector>

namespace lumivex {

/// The m + 1 vertices of a downhill simplex over m coefficients, stored row by row as one
/// (m + 1) x m table. A new simplex has every coordinate 0.
class CSimplex {
public:
  /// A simplex over `dimension` coefficients (at least 1).
  explicit CSimplex(int dimension);

  [[nodiscard]] int Dimension() const { return m_dimension; }
  [[nodiscard]] int VertexCount() const { return m_dimension + 1; }
  [[nodiscard]] std::span<float> Vertex(int v);
  [[nodiscard]] std::span<const float> Vertex(int v) const;

private:
  int m_dimension;
  std::vector<float> m_table;
};

/// The function a simplex search minimises: a coefficient vector to a number. It must be a
/// pure function of the vector (the search reuses the value of a vertex that did not move).
using SimplexObjective = std::function<float(std::span<const float>)>;

/// Whether the reflected trial points of a search are kept inside 0 ... 1.
enum class SimplexClamp {
  Off,
  UnitRange, ///< every coordinate of a reflected point is limited to 0 ... 1
};

/// The outcome of a simplex search.
struct SimplexResult {
  std::vector<float> best; ///< the vertex with the smallest value (the first of equal ones)
  float value = 0.0f;      ///< the objective at `best`
  int iterations = 0;      ///< iterations run, at most kSimplexMaxIterations
  int evaluations = 0;     ///< calls of the objective
};

/// Iterations after which a search that has not converged stops with what it has.
inline constexpr int kSimplexMaxIterations = 1000;

/// Nelder-Mead downhill simplex search in single precision, with reflection 1, expansion 2
/// and contraction 0.5.
///
/// Each iteration ranks the vertices (lo: the first strictly smallest value, hi: the first
/// strictly largest after lo was passed over), forms the centroid G of all vertices but P_hi
/// and reflects: X = 2 G - P_hi, clamped to 0 ... 1 coordinate by coordinate when asked.
/// - F(X) < F(lo): expansion Y = 3 X - 2 G (never clamped); P_hi becomes Y when F(Y) < F(lo),
///   otherwise X.
/// - F(X) > F(v) for every v other than hi: P_hi becomes X when F(X) < F(hi); then the
///   contraction Y = (P_hi + G) / 2; if F(Y) > F(hi) every vertex moves half-way towards
///   P_lo (shrink), otherwise P_hi becomes Y.
/// - Otherwise P_hi becomes X.
/// The search has converged when the standard deviation of the m + 1 values (over m + 1, not
/// m) is at most `tolerance`; it always runs one iteration and at most
/// kSimplexMaxIterations. A coordinate that is 0 in every starting vertex stays 0, since
/// the centroid is 0 there. The simplex is left in its final state.
[[nodiscard]] SimplexResult Minimise(const SimplexObjective& objective, CSimplex& simplex,
                                     float tolerance, SimplexClamp clamp);

} // namespace lumivex
