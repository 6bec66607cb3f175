#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// `oscillator FILE [--epsilon E --epsilon-wavelength W] [--low L --high H] [--manual]`: the
/// oscillator strength and transition dipole moment of the largest band of an absorption
/// spectrum, as the Oscillator Strength Calculation dialog calculates them. FILE may be
/// `--db DB --record N` instead, whose constants then fill epsilon and its wavelength; a
/// spectrum file needs both. The range defaults to the dialog's 300 to 700 nm; with
/// --manual the range is the band. Answers the inputs used (the range pulled inside the
/// data) and every result as JSON; a range without a usable peak is an error.
[[nodiscard]] std::string Oscillator(const std::vector<std::string>& args);

/// `lifetime --absorption FILE --emission FILE --epsilon E --epsilon-wavelength W
/// --quantum-yield Q --refractive-index N --low L --high H`: the Strickler-Berg rate
/// constant and lifetimes, as the Fluorescence Lifetime Calculation dialog calculates them.
/// Each spectrum may come from a database record instead (`--absorption-db DB
/// --absorption-record N`, `--emission-db ... --emission-record ...`), whose constants then
/// fill epsilon, its wavelength and the quantum yield. Answers the inputs used (the band
/// clipped to the absorption spectrum) and every result as JSON.
[[nodiscard]] std::string Lifetime(const std::vector<std::string>& args);

} // namespace lumivex::cli
