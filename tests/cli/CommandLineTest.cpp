#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "core/LumivexData.h"
#include "core/SpectrumFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::FuzzyCompare;
using lumivex::test::MakeSpectrum;
using lumivex::test::TempDir;
using test::AbsorbanceAt;
using test::DataLine;
using test::EmissionAt;
using test::FileEntries;
using test::IsOneLineError;
using test::JsonNumber;
using test::JsonValue;
using test::Lines;

class CommandLineTest : public test::SpectrumFiles {};

TEST_F(CommandLineTest, UnknownCommandOrOptionIsAnError) {
  EXPECT_TRUE(IsOneLineError(Run({"frobnicate", "x"}), m_out, m_err));
  EXPECT_NE(m_err.find("frobnicate"), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"info", "--colour", "red", WriteAbsorption()}), m_out, m_err));
  EXPECT_NE(m_err.find("--colour"), std::string::npos) << m_err;

  EXPECT_TRUE(IsOneLineError(Run({"axis", "--unit", "1", "--scale", "2", "500"}), m_out, m_err));
  EXPECT_NE(m_err.find("--scale"), std::string::npos) << m_err;
}

TEST_F(CommandLineTest, UsageGoesToErrWithoutArgumentsAndToOutOnRequest) {
  EXPECT_NE(Run({}), 0);
  EXPECT_TRUE(m_out.empty());
  EXPECT_NE(m_err.find("usage"), std::string::npos) << m_err;

  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_TRUE(m_err.empty());
  EXPECT_NE(m_out.find("usage"), std::string::npos) << m_out;
}

TEST_F(CommandLineTest, TheProgramAndEachCommandPrintTheirUsage) {
  // Each command with one of its options that its usage must list.
  const std::vector<std::pair<std::vector<std::string>, std::string>> commands{
      {{}, "forster"},
      {{"info"}, "FILE"},
      {{"axis"}, "--unit"},
      {{"combine"}, "--factor"},
      {{"scale-shift"}, "--offset"},
      {{"plot"}, "--width"},
      {{"db"}, "list"},
      {{"db", "list"}, "--alphabetical"},
      {{"db", "show"}, "N"},
      {{"db", "add"}, "--set"},
      {{"forster"}, "--kappa2"},
      {{"transmission"}, "--absorber-record"},
      {{"oscillator"}, "--manual"},
      {{"lifetime"}, "--refractive-index"},
  };
  for (const auto& [words, option] : commands) {
    std::vector<std::string> args = words;
    args.emplace_back("--help");
    std::string command = "lumivex-cli";
    for (const std::string& word : words) {
      command += " " + word;
    }
    SCOPED_TRACE(command);
    EXPECT_EQ(Run(args), 0);
    EXPECT_TRUE(m_err.empty()) << m_err;
    EXPECT_NE(m_out.find("usage: " + command + " "), std::string::npos) << m_out;
    EXPECT_NE(m_out.find(option), std::string::npos) << m_out;
  }
  // Help wins over a command line that would fail.
  EXPECT_EQ(Run({"forster", "--donor", "missing.ems.txt", "--help"}), 0);
  EXPECT_NE(m_out.find("usage: lumivex-cli forster"), std::string::npos) << m_out;
}

TEST_F(CommandLineTest, ParseErrorsAreOneLineAndNameTheArgument) {
  const std::string absorption = WriteAbsorption();
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
      {{"axis", "500"}, "--unit"},
      {{"plot", absorption, "--out", m_dir.Path("x.png"), "--height", "tall"}, "--height"},
      {{"scale-shift", absorption, "--factor", "nan", "--out", m_dir.Path("x.abs.txt")},
       "--factor"},
      {{"db", "show", m_dir.Path("x.db")}, "N"},
      {{"db", "remove", "x"}, "db needs list, show or add"},
      {{"combine", absorption, absorption, absorption, "--out", m_dir.Path("x.abs.txt")},
       "combine takes two inputs"},
  };
  for (const auto& [args, named] : refused) {
    SCOPED_TRACE(args.front() + " " + named);
    EXPECT_TRUE(IsOneLineError(Run(args), m_out, m_err));
    EXPECT_NE(m_err.find(named), std::string::npos) << m_err;
  }
}

// The names and nesting of an answer's keys, e.g. {a,b:{c}} or [{a}] for an array of
// objects (its first element).
std::string KeyTree(const nlohmann::ordered_json& json) {
  if (json.is_array()) {
    return json.empty() ? "[]" : "[" + KeyTree(json.front()) + "]";
  }
  if (!json.is_object()) {
    return "";
  }
  std::string tree = "{";
  for (const auto& [key, value] : json.items()) {
    tree += (tree.size() > 1 ? "," : "") + key;
    const std::string below = KeyTree(value);
    tree += below.empty() ? "" : ":" + below;
  }
  return tree + "}";
}

TEST_F(CommandLineTest, AnswersKeepTheirKeysAndSingleBinaryNumbers) {
  const std::string flat =
      m_dir.Write("flat_abs.txt",
                  FormatSpectrumText(MakeSpectrum(400.0f, 10.0f, 31, [](float) { return 1.0f; })));
  const std::string emission = WriteEmission();
  const std::string db = m_dir.Path("dyes.db");
  ASSERT_EQ(Run({"db", "add", db, "--create", "--set", "Name=Flat", "Class=Test", "Epsilon=1000",
                 "Wavelength=500", "--abs-file", flat}),
            0)
      << m_err;

  const auto answer = [this](const std::vector<std::string>& args) {
    EXPECT_EQ(Run(args), 0) << m_err;
    return nlohmann::ordered_json::parse(m_out);
  };

  const nlohmann::ordered_json info = answer({"info", flat});
  EXPECT_EQ(KeyTree(info), "{files:[{path,kind,kind_code,points,first_x,last_x,step,descending,"
                           "peak_x,peak_y,area}]}");
  const nlohmann::ordered_json& file = info["files"][0];
  EXPECT_EQ(file["kind"], "Absorption");
  EXPECT_EQ(file["kind_code"], 0);
  EXPECT_EQ(file["points"], 31);
  EXPECT_EQ(file["descending"], false);
  EXPECT_EQ(file["peak_y"], 1.0);
  // A flat band of height 1 on the wavenumber scale: 1e7/400 - 1e7/700 cm^-1.
  EXPECT_TRUE(FuzzyCompare(file["area"].get<double>(), 1.0e7 / 400.0 - 1.0e7 / 700.0, 1e-5));

  // Numbers are the engine's floats, in the shortest text that reads back as the same float:
  // 333.3 nm stays 333.3, not the double 333.29998779296875.
  const nlohmann::ordered_json axis = answer({"axis", "--unit", "1", "333.3", "500"});
  EXPECT_EQ(KeyTree(axis), "{unit,label:{text,superscript,tail,plain},values:[{nm,value}]}");
  EXPECT_NE(m_out.find("{\"nm\":333.3,"), std::string::npos) << m_out;
  EXPECT_EQ(axis["values"][0]["value"].get<float>(), static_cast<float>(1.0e7 / 333.3f));
  EXPECT_EQ(axis["values"][1]["value"], 20000.0);

  const nlohmann::ordered_json forster =
      answer({"forster", "--donor", emission, "--acceptor-db", db, "--acceptor-record", "1"});
  EXPECT_EQ(KeyTree(forster),
            "{donor:{name,path,first_x,last_x},acceptor:{name,path,first_x,last_x},"
            "inputs:{refractive_index,kappa2,quantum_yield,distance,epsilon,epsilon_wavelength,"
            "low,high,lifetime},results:{j_value,forster_distance,efficiency,rate,dexter}}");
  EXPECT_EQ(forster["acceptor"]["name"], "Flat");
  EXPECT_EQ(forster["inputs"]["epsilon"], 1000.0);
  EXPECT_EQ(forster["inputs"]["distance"].get<float>(), 0.1f);
  // The overlap range: the donor's 300-500 nm clamped to the acceptor's 400-700 nm.
  EXPECT_EQ(forster["inputs"]["low"], 400.0);
  EXPECT_EQ(forster["inputs"]["high"], 500.0);

  const nlohmann::ordered_json list = answer({"db", "list", db});
  EXPECT_EQ(KeyTree(list), "{database,total,records:[{number,name}]}");
  EXPECT_EQ(list["records"][0]["name"], "Flat");

  const nlohmann::ordered_json shown = answer({"db", "show", db, "1"});
  EXPECT_EQ(KeyTree(shown["files"]), "{absorption:{path,exists},emission,light_source,structure}");
  EXPECT_TRUE(shown["files"]["emission"].is_null());
  EXPECT_EQ(KeyTree(shown["missing"]), "{code,absorption,emission,light_source}");
  EXPECT_EQ(shown["missing"]["code"], 6);
  EXPECT_EQ(shown["values"]["Absorption"]["Epsilon"], "1000.000000");
}

} // namespace
} // namespace lumivex::cli
