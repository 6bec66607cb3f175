#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// `db list DB [--alphabetical] [--class NAME...]`, `db show DB N` and
/// `db add DB [--create] --set KEY=VALUE... [--abs-file F] [--ems-file F] [--ls-file F]
/// [--structure F]`: lists, shows and appends spectral database records. Answers JSON.
[[nodiscard]] std::string Database(const std::vector<std::string>& args);

} // namespace lumivex::cli
