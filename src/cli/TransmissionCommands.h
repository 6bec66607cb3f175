#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// `transmission --source FILE --absorber FILE [--factor K] --out FILE`: the light of a
/// source (light source, emission or curve) transmitted through an absorption spectrum with
/// its absorbance scaled by K (0 to 1, default 1), as Transmission Simulation computes it;
/// written as a spectrum file. Either spectrum may come from a database record instead
/// (`--source-db DB --source-record N` takes the record's light source). Answers the inputs,
/// the Data File entry text and the written spectrum as JSON.
[[nodiscard]] std::string Transmission(const std::vector<std::string>& args);

} // namespace lumivex::cli
