#pragma once

#include "CliCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace lumivex::cli::test {

/// What one run of the command line gave: exit code, standard output and error.
struct CliRun {
  int code;
  std::string out;
  std::string err;
};

/// Runs the command line with these arguments (without the program name).
inline CliRun Cli(const std::vector<std::string>& args) {
  CliRun run{0, {}, {}};
  run.code = RunCli(args, run.out, run.err);
  return run;
}

/// The number after `"key":` in `json`, searching from `section` ("" for the start); a
/// failure and NaN when the key is absent.
inline double Number(const std::string& json, const std::string& key,
                     const std::string& section = "") {
  const std::size_t from = section.empty() ? 0 : json.find("\"" + section + "\":");
  const std::string marker = "\"" + key + "\":";
  const std::size_t at = json.find(marker, from == std::string::npos ? 0 : from);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no " << key << " in " << json;
    return std::nan("");
  }
  return std::strtod(json.c_str() + at + marker.size(), nullptr);
}

} // namespace lumivex::cli::test
