#include "import/DelimitedText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivex {
namespace {

using test::TempDir;

// What the reader must find in one tricky file.
struct LayoutCase {
  const char* what;
  std::string text;
  Delimiter delimiter;
  bool decimalComma;
  int firstDataLine;
  std::vector<std::string> names; // the x name, then each y name
  std::vector<double> x;
  std::vector<double> lastY; // y of the last series
};

TEST(DelimitedText, DetectsDelimiterDecimalMarkHeaderAndColumns) {
  const std::vector<LayoutCase> cases = {
      {"decimal comma with semicolons",
       "Wavelength;Abs\n400;0,125\n401;0,25\n402;0,5\n",
       Delimiter::Semicolon,
       true,
       2,
       {"Wavelength", "Abs"},
       {400, 401, 402},
       {0.125, 0.25, 0.5}},
      {"quoted header names holding the delimiter, CRLF",
       "# exported\r\n\"Wavelength, nm\",\"A, sample\",\"A, \"\"ref\"\"\"\r\n"
       "400,1.5,2\r\n410,1.25,3\r\n",
       Delimiter::Comma,
       false,
       3,
       {"Wavelength, nm", "A, sample", "A, \"ref\""},
       {400, 410},
       {2, 3}},
      {"byte-order mark and tabs",
       "\xEF\xBB\xBFnm\tI\n300\t1e3\n300.5\t-2.5E-1\n301\t+7\n",
       Delimiter::Tab,
       false,
       2,
       {"nm", "I"},
       {300, 300.5, 301},
       {1000, -0.25, 7}},
      {"runs of blanks with a decimal comma, comments and blank lines",
       "Sample: dye 1\nDate: 10.12.2026\n\n   400   0,5\n  402  0,75\n\n  404     1\n",
       Delimiter::Blanks,
       true,
       4,
       {"column 1", "column 2"},
       {400, 402, 404},
       {0.5, 0.75, 1}},
      {"integer pairs separated by commas, lone CR line ends",
       "x,y\r400,5\r401,6\r402,7\r",
       Delimiter::Comma,
       false,
       2,
       {"x", "y"},
       {400, 401, 402},
       {5, 6, 7}},
      {"metadata line of two numbers before the data",
       "range,400,402\nx;a;b\n400;1;2\n401;1;2\n402;1;4\n",
       Delimiter::Semicolon,
       false,
       3,
       {"x", "a", "b"},
       {400, 401, 402},
       {2, 2, 4}},
  };
  for (const LayoutCase& c : cases) {
    DelimitedLayout layout;
    const TableReadResult read = ParseDelimitedText(c.text, "in.csv", {}, &layout);
    ASSERT_TRUE(read.Ok()) << c.what << ": " << read.error.Text();
    ASSERT_EQ(read.tables.size(), 1u);
    const ImportedTable& table = read.tables.front();
    EXPECT_EQ(layout.delimiter, c.delimiter) << c.what;
    EXPECT_EQ(layout.decimalComma, c.decimalComma) << c.what;
    EXPECT_EQ(layout.firstDataLine, c.firstDataLine) << c.what;
    std::vector<std::string> names{table.xName};
    for (const ImportedSeries& series : table.series) {
      names.push_back(series.name);
    }
    EXPECT_EQ(names, c.names) << c.what;
    EXPECT_EQ(table.x, c.x) << c.what;
    EXPECT_EQ(table.series.back().y, c.lastY) << c.what;
    EXPECT_EQ(table.lines.front(), c.firstDataLine) << c.what;
  }
}

TEST(DelimitedText, NotesSayEveryDecisionAndUnitsComeFromTheNames) {
  DelimitedLayout layout;
  const TableReadResult read =
      ParseDelimitedText("Wavenumber (cm-1);%T;Comment\n4000;95,5;ok\n3999;94;ok\n3998;93;ok\n",
                         "ir.csv", {}, &layout);
  ASSERT_TRUE(read.Ok()) << read.error.Text();
  const ImportedTable& table = read.tables.front();
  EXPECT_EQ(table.xUnit, SourceXUnit::Wavenumber);
  EXPECT_EQ(table.series.size(), 1u);
  EXPECT_EQ(table.series.front().kind, YKind::PercentTransmittance);
  const std::vector<std::string> expected = {
      "delimiter: semicolon (detected)",
      "decimal mark: comma (detected)",
      "line 1 before the data skipped as header and comments",
      "column names from line 1",
      "column 3 ('Comment') holds text (line 2): left out",
      "x: column 1 ('Wavenumber (cm-1)')",
      "y: column 2",
      "x unit cm-1 from the column name",
      "3 data rows, lines 2 to 4",
  };
  EXPECT_EQ(table.notes, expected);
}

TEST(DelimitedText, SettingsOverrideDetection) {
  DelimitedSettings settings;
  settings.delimiter = Delimiter::Comma;
  settings.decimalComma = true;
  settings.skipLines = 2;
  settings.xColumn = 2;
  settings.yColumns = {3};
  const std::string text = "400,500\nx,y,z\n\"1,5\",\"400,25\",\"2,5\"\n\"2\",\"401\",\"3\"\n";
  DelimitedLayout layout;
  const TableReadResult read = ParseDelimitedText(text, "a.csv", settings, &layout);
  ASSERT_TRUE(read.Ok()) << read.error.Text();
  const ImportedTable& table = read.tables.front();
  EXPECT_EQ(table.x, (std::vector<double>{400.25, 401}));
  EXPECT_EQ(table.series.front().y, (std::vector<double>{2.5, 3}));
  EXPECT_EQ(table.xName, "y");
  EXPECT_FALSE(layout.delimiterDetected);
  EXPECT_EQ(table.notes.front(), "delimiter: comma (as set)");
}

TEST(DelimitedText, RefusesWhatItCannotReadNamingFileAndLine) {
  const std::string noNumbers = "no numbers here\nnor here\n";
  struct Refusal {
    std::string text;
    DelimitedSettings settings;
    std::string message;
  };
  DelimitedSettings textColumn;
  textColumn.yColumns = {3};
  DelimitedSettings missingColumn;
  missingColumn.xColumn = 4;
  DelimitedSettings skipTooFew;
  skipTooFew.skipLines = 0;
  const std::vector<Refusal> cases = {
      {"x,y\n1,2\n3,4\n5\n", {}, "in.csv: line 4: the row has 1 field; the data rows have 2"},
      {"x,y\n1,2\n3,4\n5,6,7\n", {}, "in.csv: line 4: the row has 3 fields; the data rows have 2"},
      {"1,2\n3,4\n5,x\n7,8\n", {}, "in.csv: line 3: column 2: 'x' is not a number"},
      {"1,2\n3,4\n5,\n7,8\n", {}, "in.csv: line 3: column 2 is empty"},
      {"1,2\n3,4\n5,6\nEND\n", {}, "in.csv: line 4: column 1: 'END' is not a number"},
      {"a,b,c\n1,2,x\n3,4,y\n", textColumn, "in.csv: column 3 ('c') holds no numbers"},
      {"1,2\n3,4\n", missingColumn,
       "in.csv: the x column 4 does not exist: the data rows have 2 columns"},
      {"x,y\n1,2\n", skipTooFew,
       "in.csv: line 1: the line after the 0 skipped lines holds no row "
       "of numbers"},
      {noNumbers,
       {},
       "in.csv: no rows of numbers in the first 2 lines: the data need an x and a y "
       "column of numbers"},
      {"1\n2\n3\n",
       {},
       "in.csv: no rows of numbers in the first 3 lines: the data need an x and "
       "a y column of numbers"},
      {std::string("1,2\n\0\0\0", 7),
       {},
       "in.csv: holds binary data (a NUL byte at byte 5), not "
       "text"},
      {"\xFF\xFE"
       "1\0,\0",
       {},
       "in.csv: is UTF-16 text; save it as UTF-8 or ASCII text to "
       "import it"},
      {"1,2\n3,4\n5,nan\n", {}, "in.csv: line 3: column 2: 'nan' is not a number"},
  };
  for (const Refusal& c : cases) {
    const TableReadResult read = ParseDelimitedText(c.text, "in.csv", c.settings);
    EXPECT_FALSE(read.Ok()) << c.message;
    EXPECT_EQ(read.error.Text(), c.message);
  }
}

TEST(DelimitedText, FilesBeyondTheLimitOrBinaryAreRefusedBeforeReadingThemWhole) {
  TempDir dir;
  std::string binary(3 * kTextCheckBytes, '1');
  binary[100] = '\x01';
  for (std::size_t i = 200; i < 400; ++i) {
    binary[i] = '\x02';
  }
  const std::string path = dir.Write("scope.dat", binary);
  EXPECT_EQ(ReadDelimitedFile(path, {}).error.Text(),
            path + ": holds binary data (control characters), not text");
  const std::string big = dir.Path("big.csv");
  std::filesystem::resize_file(dir.Write("big.csv", "1,2\n"), kDelimitedMaxBytes + 1);
  EXPECT_EQ(ReadDelimitedFile(big, {}).error.Text(),
            big + ": is larger than 256 MiB, the most read as delimited text");
  EXPECT_EQ(ReadDelimitedFile(dir.Path("none.csv"), {}).error.path, dir.Path("none.csv"));
}

TEST(DelimitedText, PreviewShowsTheFirstLinesAndTheLayoutWithoutReadingTheData) {
  TempDir dir;
  std::string text = "title\nnm;A\n";
  for (int i = 0; i < 100; ++i) {
    text += std::to_string(400 + i) + ";0,5\n";
  }
  text += "broken row further down\n";
  const std::string path = dir.Write("p.csv", text);
  const DelimitedPreview preview = PreviewDelimitedFile(path, {}, 3);
  ASSERT_TRUE(preview.Ok()) << preview.error.Text();
  EXPECT_EQ(preview.lines, (std::vector<std::string>{"title", "nm;A", "400;0,5"}));
  EXPECT_EQ(preview.layout.delimiter, Delimiter::Semicolon);
  EXPECT_TRUE(preview.layout.decimalComma);
  EXPECT_EQ(preview.layout.headerLine, 2);
  EXPECT_EQ(preview.layout.columnNames, (std::vector<std::string>{"nm", "A"}));
  ASSERT_EQ(preview.rows.size(), 3u);
  EXPECT_EQ(preview.rows[2], (std::vector<std::string>{"402", "0,5"}));
  EXPECT_FALSE(ReadDelimitedFile(path, {}).Ok());
}

TEST(DelimitedText, NamesDelimitersAndKnowsItsFileEndings) {
  for (const Delimiter delimiter :
       {Delimiter::Comma, Delimiter::Semicolon, Delimiter::Tab, Delimiter::Blanks}) {
    EXPECT_EQ(DelimiterFromText(DelimiterName(delimiter)), delimiter);
  }
  EXPECT_EQ(DelimiterFromText(";"), Delimiter::Semicolon);
  EXPECT_FALSE(DelimiterFromText("|"));
  EXPECT_TRUE(IsDelimitedPath("a/B.CSV"));
  EXPECT_TRUE(IsDelimitedPath("scan.prn"));
  EXPECT_FALSE(IsDelimitedPath("scan.jdx"));
}

} // namespace
} // namespace lumivex
