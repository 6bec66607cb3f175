#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// `forster --donor FILE --acceptor FILE [--epsilon E --epsilon-wavelength W
/// --quantum-yield Q --refractive-index N --kappa2 K --distance R --lifetime T --low L
/// --high H]`: Forster energy transfer from a donor emission and an acceptor absorption
/// spectrum, as the Forster Energy Transfer dialog calculates it. Each spectrum may come
/// from a database record instead (`--donor-db DB --donor-record N`, `--acceptor-db ...`),
/// whose constants then fill epsilon, its wavelength and the quantum yield. The other
/// inputs default to the dialog's: n 1, kappa^2 0, r 0.1 Angstrom, no lifetime, the overlap
/// range. Answers the inputs used and every result as JSON.
[[nodiscard]] std::string Forster(const std::vector<std::string>& args);

} // namespace lumivex::cli
