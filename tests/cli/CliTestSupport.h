#pragma once

#include "Commands.h"

#include "TestSupport.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

// Triangular bands whose grid values are exact binary fractions, so every written and
// re-read y is exact.
inline float AbsorbanceAt(float x) {
  return 1.0f - std::fabs(x - 550.0f) / 512.0f;
}
inline float EmissionAt(float x) {
  return 0.5f - std::fabs(x - 420.0f) / 256.0f;
}

// The text of `key`'s first value in `json`: a string without its quotes, else the token
// up to the next ',', '}' or ']'.
inline std::string JsonValue(const std::string& json, const std::string& key) {
  const std::string marker = "\"" + key + "\":";
  const std::size_t at = json.find(marker);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << key << "\" in " << json;
    return {};
  }
  const std::size_t begin = at + marker.size();
  if (json.compare(begin, 1, "\"") == 0) {
    const std::size_t end = json.find('"', begin + 1);
    return json.substr(begin + 1, end - begin - 1);
  }
  return json.substr(begin, json.find_first_of(",}]", begin) - begin);
}

inline double JsonNumber(const std::string& json, const std::string& key) {
  const std::string text = JsonValue(json, key);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') {
    ADD_FAILURE() << "\"" << key << "\" is not a number: " << text;
    return std::nan("");
  }
  return value;
}

// The objects of the "files" array of an info answer, each up to the next one.
inline std::vector<std::string> FileEntries(const std::string& json) {
  const std::string start = "{\"path\":";
  std::vector<std::string> entries;
  for (std::size_t at = json.find(start); at != std::string::npos;) {
    const std::size_t next = json.find(start, at + 1);
    entries.push_back(json.substr(at, next == std::string::npos ? next : next - at));
    at = next;
  }
  return entries;
}

inline std::string DataLine(double x, double y) {
  char line[96];
  std::snprintf(line, sizeof line, "%.3f         %.12f", x, y);
  return line;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', begin)) {
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

inline ::testing::AssertionResult IsOneLineError(int code, const std::string& out,
                                                 const std::string& err) {
  if (code == 0) {
    return ::testing::AssertionFailure() << "exit code 0; out: " << out;
  }
  if (!out.empty()) {
    return ::testing::AssertionFailure() << "out is not empty: " << out;
  }
  if (err.empty() || err.back() != '\n' || std::count(err.begin(), err.end(), '\n') != 1) {
    return ::testing::AssertionFailure() << "err is not one line: [" << err << "]";
  }
  return ::testing::AssertionSuccess();
}

/// Spectrum files in a temporary folder and one run of the command line at a time.
class SpectrumFiles : public ::testing::Test {
protected:
  int Run(const std::vector<std::string>& args) { return RunCli(args, m_out, m_err); }

  // Absorption, ascending 400-700 nm in 10 nm steps, peak 1 at 550 nm.
  std::string WriteAbsorption() {
    return m_dir.Write("anthracene_abs.txt", FormatSpectrumText(lumivex::test::MakeSpectrum(
                                                 400.0f, 10.0f, 31, AbsorbanceAt)));
  }
  // Emission, descending 500-300 nm in 5 nm steps, peak 0.5 at 420 nm.
  std::string WriteEmission() {
    return m_dir.Write("perylene_ems.txt", FormatSpectrumText(lumivex::test::MakeSpectrum(
                                               500.0f, -5.0f, 41, EmissionAt)));
  }

  lumivex::test::TempDir m_dir;
  std::string m_out;
  std::string m_err;
};

/// Flat module spectra in a temporary folder.
class FlatSpectra : public ::testing::Test {
protected:
  // Flat spectra: a donor emitting from 500 to 600 nm, an acceptor absorbing from 400 to
  // 700 nm, a lamp from 300 to 800 nm with y = x / 100.
  std::string Flat(const std::string& name, float first, int count) const {
    return dir.Write(name, FormatSpectrumText(lumivex::test::MakeSpectrum(
                               first, 1.0f, count, [](float) { return 1.0f; })));
  }
  std::string Lamp() const {
    return dir.Write("lamp.els.txt", FormatSpectrumText(lumivex::test::MakeSpectrum(
                                         300.0f, 2.0f, 251, [](float x) { return x / 100.0f; })));
  }

  lumivex::test::TempDir dir;
  std::string donor = Flat("dye.ems.txt", 500.0f, 101);
  std::string acceptor = Flat("quencher.abs.txt", 400.0f, 301);
};

/// Absorption bands and flat spectra in a temporary folder, and a database path beside them.
class BandSpectra : public ::testing::Test {
protected:
  lumivex::test::TempDir dir;
  // A triangular absorption band of height 1 at 500 nm, 40 nm wide at its foot, on
  // 400..600 nm: half height at 490 and 510 nm.
  std::string triangle =
      dir.Write("triangle.abs.txt",
                FormatSpectrumText(lumivex::test::MakeSpectrum(400.0f, 1.0f, 201, [](float x) {
                  return std::max(0.0f, 1.0f - std::fabs(x - 500.0f) / 20.0f);
                })));
  // Flat absorption on 400..500 nm and flat emission on 500..600 nm.
  std::string flatAbsorption =
      dir.Write("flat.abs.txt", FormatSpectrumText(lumivex::test::MakeSpectrum(
                                    400.0f, 1.0f, 101, [](float) { return 1.0f; })));
  std::string flatEmission =
      dir.Write("flat.ems.txt", FormatSpectrumText(lumivex::test::MakeSpectrum(
                                    500.0f, 1.0f, 101, [](float) { return 1.0f; })));
  std::string db = dir.Path("dyes.db");
};

} // namespace lumivex::cli::test
