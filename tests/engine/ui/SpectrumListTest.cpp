#include "ui/SpectrumList.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

TEST(SpectrumList, EntriesTakeTheColourOfTheirPosition) {
  CSpectrumList list;
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(list.AddEntry("s" + std::to_string(i), list.Count()), i);
  }
  EXPECT_EQ(list.Entry(0).colour, (Rgb{255, 0, 0}));
  EXPECT_EQ(list.Entry(12).colour, (Rgb{0, 0, 0}));
  list.InsertEntry(1, "inserted", Rgb{1, 2, 3});
  EXPECT_EQ(list.Entry(1).text, "inserted");
  EXPECT_EQ(list.Entry(2).text, "s1");
  list.SetEntryColour(1, Rgb{9, 9, 9});
  EXPECT_EQ(list.Entry(1).colour, (Rgb{9, 9, 9}));
  list.DeleteEntry(1);
  list.DeleteEntry(99);
  EXPECT_EQ(list.Count(), 14);
  list.DeleteAll();
  EXPECT_EQ(list.Count(), 0);
}

TEST(SpectrumList, SelectionIsReadAscendingAndCappedAtThirty) {
  CSpectrumList list;
  for (int i = 0; i < 40; ++i) {
    list.AddEntry("s", i);
  }
  for (int i = 39; i >= 2; i -= 1) {
    list.SetSelected(i, true);
  }
  EXPECT_EQ(list.SelectedCount(), 38);
  const std::vector<int> selection = list.SelectedIndices();
  ASSERT_EQ(selection.size(), 30u);
  EXPECT_EQ(selection.front(), 2);
  EXPECT_EQ(selection.back(), 31);
  list.SelectOnly(7);
  EXPECT_EQ(list.SelectedIndices(), std::vector<int>{7});
  list.ClearSelection();
  EXPECT_TRUE(list.SelectedIndices().empty());
}

} // namespace
} // namespace lumivex
