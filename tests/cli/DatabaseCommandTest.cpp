#include "Commands.h"

#include "CliTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumivex::cli {
namespace {

using lumivex::test::TempDir;

using test::Cli;
using test::CliRun;

class DatabaseCommand : public ::testing::Test {
protected:
  void AddNamed(const std::string& name, const std::string& recordClass) {
    const CliRun run = Cli({"db", "add", db, "--set", "Name=" + name, "Class=" + recordClass});
    ASSERT_EQ(run.code, 0) << run.err;
  }

  TempDir dir;
  std::string db = dir.Path("dyes.db");
};

TEST_F(DatabaseCommand, ListNamesWithNumbersSortedAndFilteredByClass) {
  AddNamed("Zeta", "Dye");
  AddNamed("Alpha", "PAH");
  AddNamed("Mu", "dye");
  AddNamed("Alpha", "dye");

  EXPECT_EQ(Cli({"db", "list", db}).out,
            "{\"database\":\"" + db +
                "\",\"total\":4,\"records\":[{\"number\":1,\"name\":\"Zeta\"},{\"number\":2,"
                "\"name\":\"Alpha\"},{\"number\":3,\"name\":\"Mu\"},{\"number\":4,\"name\":"
                "\"Alpha\"}]}\n");
  const std::string sorted = Cli({"db", "list", db, "--alphabetical"}).out;
  EXPECT_NE(sorted.find("[{\"number\":2,\"name\":\"Alpha\"},{\"number\":4,\"name\":\"Alpha\"},{"
                        "\"number\":3,\"name\":\"Mu\"},{\"number\":1,\"name\":\"Zeta\"}]"),
            std::string::npos)
      << sorted;
  const std::string dyes = Cli({"db", "list", db, "--class", "DYE", "--alphabetical"}).out;
  EXPECT_NE(dyes.find("\"total\":3,\"records\":[{\"number\":4,\"name\":\"Alpha\"},{\"number\":3,"
                      "\"name\":\"Mu\"},{\"number\":1,\"name\":\"Zeta\"}]"),
            std::string::npos)
      << dyes;
  const std::string two = Cli({"db", "list", db, "--class", "pah", "nothing"}).out;
  EXPECT_NE(two.find("\"records\":[{\"number\":2,\"name\":\"Alpha\"}]"), std::string::npos) << two;
}

TEST_F(DatabaseCommand, ListStopsAtTheFirstRecordWithoutNameButAClassListingDoesNot) {
  dir.Write("dyes.db", "[Spectra]\nNumber = 3\n\n[1 Absorption]\nName = One\nClass = Dye\n"
                       "[2 Absorption]\nClass = dye\n[3 Absorption]\nName = Three\nClass = DYE\n");
  EXPECT_NE(Cli({"db", "list", db})
                .out.find("\"total\":3,\"records\":[{\"number\":1,\"name\":\"One\"}]}"),
            std::string::npos);
  EXPECT_NE(Cli({"db", "list", db, "--class", "dye"})
                .out.find("\"total\":3,\"records\":[{\"number\":1,\"name\":\"One\"},{"
                          "\"number\":2,\"name\":\"\"},{\"number\":3,\"name\":\"Three\"}]}"),
            std::string::npos);
  EXPECT_NE(Cli({"db", "list", db, "--class", "Dye"}).out.find("\"total\":3,"), std::string::npos);
}

TEST_F(DatabaseCommand, ListsAsTheListWindowDoesSortingIgnoringCaseAndCountingTheListed) {
  AddNamed("beta", "Dye");
  AddNamed("Delta", "PAH");
  AddNamed("alpha", "pah");
  AddNamed("Eta", "dye");
  const std::string sorted = Cli({"db", "list", db, "--alphabetical"}).out;
  EXPECT_NE(
      sorted.find(
          "\"records\":[{\"number\":3,\"name\":\"alpha\"},{\"number\":1,"
          "\"name\":\"beta\"},{\"number\":2,\"name\":\"Delta\"},{\"number\":4,\"name\":\"Eta\"}]"),
      std::string::npos)
      << sorted;
  // Several classes list grouped by class, the classes in sorted order.
  const std::string grouped = Cli({"db", "list", db, "--class", "pah", "dye"}).out;
  EXPECT_NE(grouped.find("\"total\":4,\"records\":[{\"number\":1,\"name\":\"beta\"},{"
                         "\"number\":4,\"name\":\"Eta\"},{\"number\":2,\"name\":\"Delta\"},{"
                         "\"number\":3,\"name\":\"alpha\"}]"),
            std::string::npos)
      << grouped;
  EXPECT_NE(Cli({"db", "list", db, "--class", "PAH"}).out.find("\"total\":2,"), std::string::npos);
}

TEST_F(DatabaseCommand, AddCopiesFilesBesideTheDatabaseAndShowResolvesThem) {
  TempDir elsewhere;
  const std::string spectrum = elsewhere.Write("eosin.abs.txt", "500 0.1\n501 0.2\n");
  dir.Write("eosin.ems.txt", "520 0.1\n521 0.2\n");
  const CliRun added =
      Cli({"db", "add", db, "--create", "--set", "Absorption.Name=Eosin Y", "Wavelength=517",
           "QuantumYield=0.67", "Emission.Solvent=water", "Notes=line one\nline two", "--abs-file",
           spectrum, "--ems-file", dir.Path("eosin.ems.txt")});
  ASSERT_EQ(added.code, 0) << added.err;
  EXPECT_EQ(added.out, "{\"database\":\"" + db + "\",\"number\":1,\"copied\":[\"" +
                           dir.Path("eosin.abs.txt") + "\"]}\n");
  EXPECT_EQ(TempDir::Read(dir.Path("eosin.abs.txt")), "500 0.1\n501 0.2\n");

  const CliRun shown = Cli({"db", "show", db, "1"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  for (const std::string part :
       {"\"Name\":\"Eosin Y\"", "\"Wavelength\":\"517.000000\"", "\"QuantumYield\":\"0.670000\"",
        "\"Solvent\":\"water\",\"QuantumYield\"", "\"Notes\":\"line one\\nline two\"",
        "\"File\":\"eosin.ems.txt\""}) {
    EXPECT_NE(shown.out.find(part), std::string::npos) << part << " in " << shown.out;
  }
  EXPECT_NE(shown.out.find("\"absorption\":{\"path\":\"" + dir.Path("eosin.abs.txt") +
                           "\",\"exists\":true},\"emission\":{\"path\":\"" +
                           dir.Path("eosin.ems.txt") +
                           "\",\"exists\":true},\"light_source\":null,\"structure\":null"),
            std::string::npos)
      << shown.out;
  EXPECT_NE(shown.out.find("\"missing\":{\"code\":4,\"absorption\":false,\"emission\":false,"
                           "\"light_source\":true}"),
            std::string::npos);
}

TEST_F(DatabaseCommand, BadRequestsFailWithoutWriting) {
  AddNamed("Zeta", "Dye");
  const std::string before = TempDir::Read(db);
  const std::vector<std::vector<std::string>> bad{
      {"db", "add", db, "--set", "Instrument=x"},
      {"db", "add", db, "--set", "Colour=red"},
      {"db", "add", db, "--set", "Emission.Name=x"},
      {"db", "add", db, "--set", "Epsilon=many"},
      {"db", "add", db, "--abs-file", dir.Path("none.abs.txt")},
      {"db", "show", db, "2"},
      {"db", "show", db, "0"},
      {"db", "list", dir.Path("none.db")},
      {"db", "list", db, "--class"},
      {"db", "remove", db},
  };
  for (const std::vector<std::string>& args : bad) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.code, 0) << args[3];
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_EQ(TempDir::Read(db), before);

  dir.Write("taken.abs.txt", "1 1\n2 2\n");
  TempDir elsewhere;
  const CliRun clash = Cli({"db", "add", db, "--abs-file", elsewhere.Write("taken.abs.txt", "x")});
  EXPECT_NE(clash.code, 0);
  EXPECT_NE(clash.err.find("already exists"), std::string::npos) << clash.err;
  EXPECT_EQ(TempDir::Read(dir.Path("taken.abs.txt")), "1 1\n2 2\n");
  EXPECT_EQ(TempDir::Read(db), before);
}

} // namespace
} // namespace lumivex::cli
