#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// Runs one command line of lumivex-cli (the arguments after the program name). JSON
/// results go to `out`; an error leaves `out` empty, puts a one-line message in `err`
/// and answers a non-zero exit code.
int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err);

} // namespace lumivex::cli
