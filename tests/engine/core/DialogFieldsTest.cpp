#include "core/DialogFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivex {
namespace {

TEST(DialogFields, NumbersAreReadWholeOrRefused) {
  EXPECT_EQ(ParseFloatField("12.5"), 12.5f);
  EXPECT_EQ(ParseFloatField("  -3 "), -3.0f);
  EXPECT_EQ(ParseFloatField("+1e3"), 1000.0f);
  EXPECT_EQ(ParseFloatField(".5"), 0.5f);
  for (const char* bad :
       {"", " ", "abc", "12abc", "1,5", "nan", "inf", "1e99", "--1", "+-1", "++1"}) {
    EXPECT_FALSE(ParseFloatField(bad)) << bad;
  }
  EXPECT_EQ(ParseIntField(" 10 "), 10);
  EXPECT_EQ(ParseIntField("-2"), -2);
  EXPECT_FALSE(ParseIntField("4.5"));
  EXPECT_FALSE(ParseIntField("99999999999"));
  EXPECT_FALSE(ParseIntField(""));
  EXPECT_STREQ(kPleaseEnterNumber, "Please enter a number.");
  EXPECT_STREQ(kPleaseEnterInteger, "Please enter an integer.");
}

// A dialog with one field of every kind, a ranged number and a result.
struct Sample {
  float number = 1.5f;
  float ranged = 50.0f;
  float result = 7.0f;
  int integer = 10;
  std::string text = "Eosin";
  bool check = false;

  std::vector<DialogField> Fields() {
    return {
        {"number", "Number", &number},
        {"ranged", "Ranged (0-100)", &ranged, NumberRange{0.0f, 100.0f}},
        DialogField::Result("result", "Result", result),
        {"integer", "Partitions", &integer},
        {"text", "Compound", &text},
        {"check", "Manual", &check},
    };
  }
};

TEST(DialogFields, EveryKindShowsItsValueAsTheDialogWritesIt) {
  Sample sample;
  sample.result = 1.2345678e-13f;
  sample.check = true;
  const FieldTexts shown = ShownTexts(sample.Fields());
  EXPECT_EQ(shown, (FieldTexts{{"number", "1.5"},
                               {"ranged", "50"},
                               {"result", "1.23457e-13"},
                               {"integer", "10"},
                               {"text", "Eosin"},
                               {"check", "1"}}));
  std::vector<FieldKind> kinds;
  for (const DialogField& field : sample.Fields()) {
    kinds.push_back(field.Kind());
  }
  EXPECT_EQ(kinds, (std::vector<FieldKind>{FieldKind::Number, FieldKind::Number, FieldKind::Number,
                                           FieldKind::Integer, FieldKind::Text, FieldKind::Check}));
  EXPECT_TRUE(sample.Fields()[2].result);
  EXPECT_FALSE(sample.Fields()[0].result);
}

TEST(DialogFields, ARefusalNamesTheFirstBadFieldAndStoresNothing) {
  struct Case {
    FieldTexts texts;
    const char* key;
    std::string message;
  };
  const std::vector<Case> cases{
      {{{"number", "abc"}}, "number", "Please enter a number."},
      {{{"number", ""}}, "number", "Please enter a number."},
      {{{"ranged", "100.5"}}, "ranged", "Please enter a number between 0 and 100."},
      {{{"ranged", "-0.1"}}, "ranged", "Please enter a number between 0 and 100."},
      {{{"integer", "2.5"}}, "integer", "Please enter an integer."},
      {{{"integer", "many"}}, "integer", "Please enter an integer."},
      {{{"check", "yes"}}, "check", "Please enter a number between 0 and 1."},
      {{{"number", "+-1"}}, "number", "Please enter a number."},
      // A number that single precision cannot hold is out of range, not "not a number".
      {{{"ranged", "1e-50"}}, "ranged", "Please enter a number between 0 and 100."},
      {{{"number", "-1e39"}},
       "number",
       "Please enter a number between -3.40282e+38 and 3.40282e+38."},
      // Fields are read in their order, not in the order of the keys.
      {{{"integer", "x"}, {"number", "y"}}, "number", "Please enter a number."},
      // A good field before the bad one is not stored either.
      {{{"text", "Typed"}, {"number", "2"}, {"check", "1"}, {"integer", "x"}},
       "integer",
       "Please enter an integer."},
  };
  for (const Case& c : cases) {
    Sample sample;
    const std::optional<FieldRefusal> refusal = StoreFields(sample.Fields(), c.texts);
    ASSERT_TRUE(refusal) << c.key;
    EXPECT_EQ(refusal->key, c.key);
    EXPECT_EQ(refusal->message, c.message);
    EXPECT_EQ(ShownTexts(sample.Fields()), ShownTexts(Sample().Fields())) << c.key;
  }
}

TEST(DialogFields, AcceptedTextsAreStoredAndResultsAndMissingKeysKeepTheirValues) {
  Sample sample;
  EXPECT_FALSE(StoreFields(sample.Fields(), {{"number", " -2e3 "},
                                             {"ranged", "100"},
                                             {"result", "not read"},
                                             {"integer", "+4"},
                                             {"text", "  Rhodamine 6G "},
                                             {"check", "1"}}));
  EXPECT_EQ(sample.number, -2000.0f);
  EXPECT_EQ(sample.ranged, 100.0f);
  EXPECT_EQ(sample.result, 7.0f);
  EXPECT_EQ(sample.integer, 4);
  EXPECT_EQ(sample.text, "  Rhodamine 6G ");
  EXPECT_TRUE(sample.check);

  EXPECT_FALSE(StoreFields(sample.Fields(), {{"check", "0"}, {"ranged", "0"}}));
  EXPECT_FALSE(sample.check);
  EXPECT_EQ(sample.ranged, 0.0f);
  EXPECT_EQ(sample.number, -2000.0f);
  EXPECT_FALSE(StoreFields(sample.Fields(), {{"unknown", "x"}}));
}

TEST(DialogFields, TakenValuesComeBackExactly) {
  Sample sample;
  sample.number = 1.2345678e-13f;
  const FieldValues taken = TakeFieldValues(sample.Fields());
  ASSERT_FALSE(StoreFields(sample.Fields(), {{"number", "3"}, {"text", "Edited"}, {"check", "1"}}));
  sample.result = 9.0f;
  RestoreFieldValues(sample.Fields(), taken);
  EXPECT_EQ(sample.number, 1.2345678e-13f); // not the six digits its text shows
  EXPECT_EQ(sample.text, "Eosin");
  EXPECT_FALSE(sample.check);
  EXPECT_EQ(sample.result, 7.0f);

  // Values of another list of fields are not put back.
  sample.number = 5.0f;
  RestoreFieldValues(sample.Fields(), FieldValues{1.0f});
  EXPECT_EQ(sample.number, 5.0f);
}

} // namespace
} // namespace lumivex
