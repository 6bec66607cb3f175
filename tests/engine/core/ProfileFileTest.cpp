#include "core/ProfileFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <string>

namespace lumivex {
namespace {

using test::TempDir;

// A settings file as the program keeps them: comments, blank separator lines, uneven
// spacing around "=".
constexpr const char* kDatabase = "; Lumivex spectrum database\n"
                                  "[General]\n"
                                  "Version = 1.2\n"
                                  "Owner=Photochemistry lab\n"
                                  "\n"
                                  "[Spectra]\n"
                                  "Number = 2\n"
                                  "Sorted=1\n"
                                  "\n"
                                  "[Spectrum1]\n"
                                  "Name = Anthracene\n"
                                  "File = anthracene_abs.txt\n"
                                  "\n"
                                  "[Spectrum2]\n"
                                  "  Name   =   Perylene  \n"
                                  "File = perylene_ems.txt\n";

// Replaces the single occurrence of `from` in `text` by `to`.
std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// ---- Reading -------------------------------------------------------------------------

TEST(ProfileFileRead, SectionAndKeyNamesMatchWithoutRegardToCase) {
  const CProfileFile file = CProfileFile::Parse("[Spectra]\nNumber=2\nSolventName=Ethanol\n");
  EXPECT_EQ(file.GetString("spectra", "NUMBER", "?"), "2");
  EXPECT_EQ(file.GetString("SPECTRA", "solventname", "?"), "Ethanol");
  EXPECT_EQ(file.GetString("sPeCtRa", "SolventNAME", "?"), "Ethanol");
  EXPECT_TRUE(file.HasSection("SPECTRA"));
  EXPECT_FALSE(file.HasSection("Spectrum"));
}

TEST(ProfileFileRead, BlanksAroundEqualsAndAtValueEndsAreIgnored) {
  const CProfileFile file = CProfileFile::Parse("[Sample]\n"
                                                "  Name   =   Rhodamine 6G in  ethanol \t \n"
                                                "Solvent\t=\tWater\n"
                                                "Empty =   \n");
  EXPECT_EQ(file.GetString("Sample", "Name", "?"), "Rhodamine 6G in  ethanol");
  EXPECT_EQ(file.GetString("Sample", "Solvent", "?"), "Water");
  EXPECT_EQ(file.GetString("Sample", "Empty", "?"), "");
}

TEST(ProfileFileRead, OnePairOfEnclosingQuotesIsDropped) {
  const CProfileFile file = CProfileFile::Parse("[Q]\n"
                                                "Double = \"quantum yield\"\n"
                                                "Single = 'quantum yield'\n"
                                                "Padded = \"  kept blanks  \"\n"
                                                "Nested = \"\"twice\"\"\n"
                                                "EmptyQuotes = \"\"\n"
                                                "Mixed = \"mixed'\n"
                                                "OpenOnly = \"open\n"
                                                "CloseOnly = close'\n"
                                                "Lone = \"\n"
                                                "Inner = a \"middle\" b\n");
  EXPECT_EQ(file.GetString("Q", "Double", "?"), "quantum yield");
  EXPECT_EQ(file.GetString("Q", "Single", "?"), "quantum yield");
  EXPECT_EQ(file.GetString("Q", "Padded", "?"), "  kept blanks  ");
  EXPECT_EQ(file.GetString("Q", "Nested", "?"), "\"twice\"");
  EXPECT_EQ(file.GetString("Q", "EmptyQuotes", "?"), "");
  EXPECT_EQ(file.GetString("Q", "Mixed", "?"), "\"mixed'");
  EXPECT_EQ(file.GetString("Q", "OpenOnly", "?"), "\"open");
  EXPECT_EQ(file.GetString("Q", "CloseOnly", "?"), "close'");
  EXPECT_EQ(file.GetString("Q", "Lone", "?"), "\"");
  EXPECT_EQ(file.GetString("Q", "Inner", "?"), "a \"middle\" b");
}

TEST(ProfileFileRead, MissingSectionOrKeyYieldsTheDefault) {
  const CProfileFile file = CProfileFile::Parse("Loose=1\n[A]\nKey=a\nNoEquals\n[B]\nOther=b\n");
  EXPECT_EQ(file.GetString("Missing", "Key", "fallback"), "fallback");
  EXPECT_EQ(file.GetString("A", "Missing", "fallback"), "fallback");
  EXPECT_EQ(file.GetString("A", "Other", "fallback"), "fallback");
  EXPECT_EQ(file.GetString("A", "NoEquals", "fallback"), "fallback");
  EXPECT_EQ(file.GetString("A", "Loose", "fallback"), "fallback");
  EXPECT_EQ(file.GetString("A", "Key", "fallback"), "a");
  EXPECT_EQ(CProfileFile().GetString("A", "Key", "fallback"), "fallback");
  EXPECT_EQ(CProfileFile::Parse("").GetString("A", "Key", ""), "");
}

TEST(ProfileFileRead, ValueAndDefaultAreCutToTheBufferSizeLessOne) {
  const CProfileFile file = CProfileFile::Parse("[S]\nName=Fluorescein\n");
  EXPECT_EQ(file.GetString("S", "Name", "?", 5), "Fluo");
  EXPECT_EQ(file.GetString("S", "Name", "?", 12), "Fluorescein");
  EXPECT_EQ(file.GetString("S", "Name", "?", 11), "Fluorescei");
  EXPECT_EQ(file.GetString("S", "Name", "?", 2), "F");
  EXPECT_EQ(file.GetString("S", "Name", "?", 1), "");
  EXPECT_EQ(file.GetString("S", "Name", "?", 0), "");
  EXPECT_EQ(file.GetString("S", "Missing", "Default", 4), "Def");
  EXPECT_EQ(file.GetString("S", "Missing", "Default", 1), "");
  EXPECT_EQ(file.GetString("S", "Missing", "Default", 0), "");
}

TEST(ProfileFileRead, CuttingNeverSplitsAUtf8Character) {
  // "x", the euro sign (three bytes), "y"; then "a" and e acute (two bytes).
  const CProfileFile file = CProfileFile::Parse("[S]\nCost=x\xE2\x82\xACy\nName=a\xC3\xA9\n");
  EXPECT_EQ(file.GetString("S", "Cost", "?", 2), "x");
  EXPECT_EQ(file.GetString("S", "Cost", "?", 3), "x");
  EXPECT_EQ(file.GetString("S", "Cost", "?", 4), "x");
  EXPECT_EQ(file.GetString("S", "Cost", "?", 5), "x\xE2\x82\xAC");
  EXPECT_EQ(file.GetString("S", "Name", "?", 3), "a");
  EXPECT_EQ(file.GetString("S", "Name", "?", 4), "a\xC3\xA9");
  EXPECT_EQ(file.GetString("S", "Missing", "\xC3\xA9t\xC3\xA9", 2), "");
}

TEST(ProfileFileRead, IntegersTakeAnOptionalSignAndTheLeadingDigits) {
  const CProfileFile file = CProfileFile::Parse("[N]\n"
                                                "Plain=42\n"
                                                "Negative=-17\n"
                                                "Positive=+8\n"
                                                "Padded =   12   \n"
                                                "Trailing=12nm\n"
                                                "Decimal=3.7\n"
                                                "Hex=0x10\n"
                                                "Words=abc\n"
                                                "SignOnly=-\n"
                                                "Quoted=\"5\"\n"
                                                "Empty=\n");
  EXPECT_EQ(file.GetInt("N", "Plain", -1), 42);
  EXPECT_EQ(file.GetInt("n", "PLAIN", -1), 42);
  EXPECT_EQ(file.GetInt("N", "Negative", -1), -17);
  EXPECT_EQ(file.GetInt("N", "Positive", -1), 8);
  EXPECT_EQ(file.GetInt("N", "Padded", -1), 12);
  EXPECT_EQ(file.GetInt("N", "Trailing", -1), 12);
  EXPECT_EQ(file.GetInt("N", "Decimal", -1), 3);
  EXPECT_EQ(file.GetInt("N", "Hex", -1), 0);
  EXPECT_EQ(file.GetInt("N", "Words", -1), 0);
  EXPECT_EQ(file.GetInt("N", "SignOnly", -1), 0);
  EXPECT_EQ(file.GetInt("N", "Quoted", -1), 5); // quotes go, as for text
  EXPECT_EQ(file.GetInt("N", "Empty", 77), 77);
  EXPECT_EQ(file.GetInt("N", "Missing", 77), 77);
  EXPECT_EQ(file.GetInt("Missing", "Plain", 77), 77);
}

TEST(ProfileFileRead, IntegersBeyondIntAreClamped) {
  const CProfileFile file = CProfileFile::Parse("[N]\n"
                                                "Max=2147483647\n"
                                                "Min=-2147483648\n"
                                                "AboveMax=2147483648\n"
                                                "BelowMin=-2147483649\n"
                                                "Huge=99999999999999999999999999\n"
                                                "HugeNegative=-99999999999999999999999999\n");
  EXPECT_EQ(file.GetInt("N", "Max", 0), INT_MAX);
  EXPECT_EQ(file.GetInt("N", "Min", 0), INT_MIN);
  EXPECT_EQ(file.GetInt("N", "AboveMax", 0), INT_MAX);
  EXPECT_EQ(file.GetInt("N", "BelowMin", 0), INT_MIN);
  EXPECT_EQ(file.GetInt("N", "Huge", 0), INT_MAX);
  EXPECT_EQ(file.GetInt("N", "HugeNegative", 0), INT_MIN);
}

TEST(ProfileFileRead, CommentLinesAreSkippedButSemicolonsInValuesStay) {
  const CProfileFile file = CProfileFile::Parse("[S]\n"
                                                "; Number=5\n"
                                                "   ;Name=commented\n"
                                                "Solvent=ethanol;water\n");
  EXPECT_EQ(file.GetInt("S", "Number", -1), -1);
  EXPECT_EQ(file.GetString("S", "; Number", "?"), "?");
  EXPECT_EQ(file.GetString("S", "Name", "?"), "?");
  EXPECT_EQ(file.GetString("S", "Solvent", "?"), "ethanol;water");
}

TEST(ProfileFileRead, TheFirstOfDuplicateSectionsAndKeysWins) {
  const CProfileFile file = CProfileFile::Parse("[A]\n"
                                                "Key=first\n"
                                                "KEY=second\n"
                                                "[B]\n"
                                                "Key=other\n"
                                                "[a]\n"
                                                "Key=third\n"
                                                "OnlyLater=x\n");
  EXPECT_EQ(file.GetString("A", "Key", "?"), "first");
  EXPECT_EQ(file.GetString("B", "Key", "?"), "other");
  EXPECT_EQ(file.GetString("A", "OnlyLater", "?"), "?");
}

TEST(ProfileFileRead, CrlfLineEndsLeaveNoCarriageReturnInNamesOrValues) {
  const CProfileFile file = CProfileFile::Parse(
      "[Main]\r\nName = Pyrene \r\nCount=4\r\nQuoted=\"q\"\r\n[Next]\r\nX=1\r\n");
  EXPECT_EQ(file.GetString("Main", "Name", "?"), "Pyrene");
  EXPECT_EQ(file.GetInt("Main", "Count", -1), 4);
  EXPECT_EQ(file.GetString("Main", "Quoted", "?"), "q");
  EXPECT_EQ(file.GetString("Next", "X", "?"), "1");
  EXPECT_TRUE(file.HasSection("Next"));
}

// ---- Writing -------------------------------------------------------------------------

TEST(ProfileFileWrite, ReplacingAValueChangesOnlyItsLine) {
  CProfileFile file = CProfileFile::Parse(kDatabase);
  file.SetString("SPECTRA", "number", "3");
  EXPECT_EQ(file.Text(), ReplaceOnce(kDatabase, "Number = 2\n", "Number=3\n"));
  EXPECT_EQ(file.GetInt("Spectra", "Number", -1), 3);

  file.SetString("Spectrum2", "name", "Perylene in cyclohexane");
  EXPECT_EQ(file.Text(),
            ReplaceOnce(ReplaceOnce(kDatabase, "Number = 2\n", "Number=3\n"),
                        "  Name   =   Perylene  \n", "Name=Perylene in cyclohexane\n"));
}

TEST(ProfileFileWrite, ReplacingADuplicatedKeyChangesTheFirstOnly) {
  CProfileFile file = CProfileFile::Parse("[A]\nKey=1\nKey=2\n");
  file.SetString("A", "key", "9");
  EXPECT_EQ(file.Text(), "[A]\nKey=9\nKey=2\n");
  EXPECT_EQ(file.GetString("A", "Key", "?"), "9");
}

TEST(ProfileFileWrite, ReplacingAValueInPlaceKeepsTheRestOfItsLine) {
  const std::string text = "[A]\r\n  Key =\t'1' \r\nKey = 2\r\n[B]\r\nOther=3\r\n";
  CProfileFile file = CProfileFile::Parse(text);
  EXPECT_FALSE(file.ReplaceValue("A", "Other", "9"));
  EXPECT_FALSE(file.ReplaceValue("C", "Key", "9"));
  EXPECT_EQ(file.Text(), text);
  EXPECT_TRUE(file.ReplaceValue("a", "KEY", "10"));
  EXPECT_EQ(file.Text(), "[A]\r\n  Key =\t10 \r\nKey = 2\r\n[B]\r\nOther=3\r\n");
  EXPECT_EQ(file.GetInt("A", "Key", -1), 10);
}

TEST(ProfileFileWrite, NewKeyGoesAfterTheLastLineOfItsSectionBeforeTheBlankLine) {
  CProfileFile file = CProfileFile::Parse(kDatabase);
  file.SetString("Spectra", "Solvent", "Ethanol");
  EXPECT_EQ(file.Text(), ReplaceOnce(kDatabase, "Sorted=1\n\n", "Sorted=1\nSolvent=Ethanol\n\n"));
  EXPECT_EQ(file.GetString("spectra", "solvent", "?"), "Ethanol");

  CProfileFile several = CProfileFile::Parse("[A]\nX=1\n\n\n[B]\nY=2\n");
  several.SetString("A", "Z", "3");
  EXPECT_EQ(several.Text(), "[A]\nX=1\nZ=3\n\n\n[B]\nY=2\n");
}

TEST(ProfileFileWrite, NewKeyInTheLastSectionGoesAtTheEnd) {
  CProfileFile file = CProfileFile::Parse(kDatabase);
  file.SetString("Spectrum2", "Epsilon", "38500");
  EXPECT_EQ(file.Text(), std::string(kDatabase) + "Epsilon=38500\n");

  CProfileFile empty = CProfileFile::Parse("[Empty]\n");
  empty.SetString("Empty", "K", "v");
  EXPECT_EQ(empty.Text(), "[Empty]\nK=v\n");
}

TEST(ProfileFileWrite, MissingSectionIsAddedAtTheEndOfTheFile) {
  CProfileFile file = CProfileFile::Parse(kDatabase);
  file.SetString("Spectrum3", "Name", "Coumarin 153");
  EXPECT_EQ(file.Text(), std::string(kDatabase) + "[Spectrum3]\nName=Coumarin 153\n");
  EXPECT_TRUE(file.HasSection("spectrum3"));

  file.SetString("spectrum3", "File", "coumarin_ems.txt");
  EXPECT_EQ(file.Text(),
            std::string(kDatabase) + "[Spectrum3]\nName=Coumarin 153\nFile=coumarin_ems.txt\n");

  CProfileFile empty;
  empty.SetString("Main", "Key", "value");
  EXPECT_EQ(empty.Text(), "[Main]\nKey=value\n");
}

TEST(ProfileFileWrite, CrlfFilesGetCrlfOnNewAndChangedLines) {
  CProfileFile file = CProfileFile::Parse("[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n");
  file.SetString("A", "X", "5");
  file.SetString("A", "Z", "6");
  file.SetString("C", "W", "7");
  EXPECT_EQ(file.Text(), "[A]\r\nX=5\r\nZ=6\r\n\r\n[B]\r\nY=2\r\n[C]\r\nW=7\r\n");
}

// ---- Files and the cache -------------------------------------------------------------

TEST(ProfileFileOnDisk, EditingTheDatabaseCountKeepsEveryOtherByte) {
  TempDir dir;
  const std::string path = dir.Write("lumivex.db", kDatabase);
  ASSERT_EQ(ProfileInt(path, "Spectra", "Number", -1), 2);

  const FileStatus status = WriteProfileString(path, "Spectra", "Number", "3");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(TempDir::Read(path), ReplaceOnce(kDatabase, "Number = 2\n", "Number=3\n"));
  EXPECT_EQ(ProfileInt(path, "spectra", "number", -1), 3);
  EXPECT_EQ(ProfileString(path, "Spectrum2", "Name", "?", 256), "Perylene");
  EXPECT_EQ(ProfileString(path, "Spectrum2", "Name", "?", 4), "Per");
}

TEST(ProfileFileOnDisk, WritingIntoAMissingFileCreatesIt) {
  TempDir dir;
  const std::string path = dir.Path("new.ini");
  EXPECT_EQ(ProfileString(path, "Main", "Key", "none", 64), "none");

  const FileStatus status = WriteProfileString(path, "Main", "Key", "value");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(TempDir::Read(path), "[Main]\nKey=value\n");
  EXPECT_EQ(ProfileString(path, "main", "key", "none", 64), "value");
}

TEST(ProfileFileOnDisk, CrlfFileKeepsItsLineEndsWhenWritten) {
  TempDir dir;
  const std::string path = dir.Write("crlf.ini", "[A]\r\nX=1\r\n");
  const FileStatus status = WriteProfileString(path, "A", "Y", "2");
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(TempDir::Read(path), "[A]\r\nX=1\r\nY=2\r\n");
}

TEST(ProfileCache, UnchangedFileIsParsedOnce) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  const auto first = cache.Get(path);
  const auto second = cache.Get(path);
  EXPECT_EQ(first.get(), second.get());
  EXPECT_EQ(second->GetInt("S", "Value", -1), 1);
}

TEST(ProfileCache, MissingFileGivesAnEmptyProfileUntilItAppears) {
  TempDir dir;
  const std::string path = dir.Path("later.ini");
  CProfileCache cache;
  EXPECT_FALSE(cache.Get(path)->HasSection("S"));
  EXPECT_EQ(cache.Get(path)->GetString("S", "Value", "none"), "none");

  dir.Write("later.ini", "[S]\nValue=here\n");
  EXPECT_EQ(cache.Get(path)->GetString("S", "Value", "none"), "here");
}

TEST(ProfileCache, FileRewrittenWithAnotherSizeIsReadAgain) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  const auto before = cache.Get(path);
  ASSERT_EQ(before->GetInt("S", "Value", -1), 1);

  dir.Write("settings.ini", "[S]\nValue=12345\n");
  const auto after = cache.Get(path);
  EXPECT_NE(after.get(), before.get());
  EXPECT_EQ(after->GetInt("S", "Value", -1), 12345);
  EXPECT_EQ(before->GetInt("S", "Value", -1), 1);
}

TEST(ProfileCache, FileReplacedByRenameIsReadAgain) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  ASSERT_EQ(cache.Get(path)->GetInt("S", "Value", -1), 1);

  // Same size, so only the file's identity tells the new one apart.
  const std::string replacement = dir.Write("replacement.ini", "[S]\nValue=2\n");
  std::filesystem::rename(replacement, path);
  EXPECT_EQ(cache.Get(path)->GetInt("S", "Value", -1), 2);
}

TEST(ProfileCache, FileRewrittenInPlaceWithANewModificationTimeIsReadAgain) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  ASSERT_EQ(cache.Get(path)->GetInt("S", "Value", -1), 1);

  const auto written = std::filesystem::last_write_time(path);
  dir.Write("settings.ini", "[S]\nValue=2\n");
  std::filesystem::last_write_time(path, written + std::chrono::seconds(10));
  EXPECT_EQ(cache.Get(path)->GetInt("S", "Value", -1), 2);
}

TEST(ProfileCache, WriteIsSeenByTheNextGetAndOnDisk) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\nKeep=yes\n");
  CProfileCache cache;
  const auto before = cache.Get(path);

  const FileStatus status =
      cache.Write(path, {{"S", "Value", "2"}, {"S", "Added", "new"}, {"T", "Other", "3"}});
  ASSERT_TRUE(status.ok) << status.message;
  const auto after = cache.Get(path);
  EXPECT_EQ(after->GetInt("S", "Value", -1), 2);
  EXPECT_EQ(after->GetString("S", "Added", "?"), "new");
  EXPECT_EQ(after->GetString("S", "Keep", "?"), "yes");
  EXPECT_EQ(after->GetInt("T", "Other", -1), 3);
  EXPECT_EQ(TempDir::Read(path), "[S]\nValue=2\nKeep=yes\nAdded=new\n[T]\nOther=3\n");
  EXPECT_EQ(before->GetInt("S", "Value", -1), 1);

  CProfileCache fresh;
  EXPECT_EQ(fresh.Get(path)->GetInt("S", "Value", -1), 2);
}

TEST(ProfileCache, WriteStartsFromTheFileAsItIsOnDisk) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  ASSERT_EQ(cache.Get(path)->GetInt("S", "Value", -1), 1);

  dir.Write("settings.ini", "[S]\nValue=1\nOutside=edit\n");
  const FileStatus status = cache.Write(path, {{"S", "Value", "2"}});
  ASSERT_TRUE(status.ok) << status.message;
  EXPECT_EQ(TempDir::Read(path), "[S]\nValue=2\nOutside=edit\n");
}

TEST(ProfileCache, FailedWriteNamesTheFileAndCreatesNothing) {
  TempDir dir;
  const std::string path = dir.Path("no-such-folder/settings.ini");
  CProfileCache cache;
  const FileStatus status = cache.Write(path, {{"S", "Value", "2"}});
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path).parent_path()));
  EXPECT_EQ(cache.Get(path)->GetString("S", "Value", "none"), "none");
}

TEST(ProfileCache, ClearForgetsParsedFiles) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", "[S]\nValue=1\n");
  CProfileCache cache;
  const auto before = cache.Get(path);
  cache.Clear();
  const auto after = cache.Get(path);
  EXPECT_NE(after.get(), before.get());
  EXPECT_EQ(after->GetInt("S", "Value", -1), 1);
}

} // namespace
} // namespace lumivex
