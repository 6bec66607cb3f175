#include "ui/SpectrumList.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <optional>

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

// What drawing one entry filled and wrote: the fill colour (none when nothing was filled),
// the text colour, whether a focus rectangle was drawn.
struct EntryPicture {
  std::optional<Rgb> fill;
  Rgb text;
  bool focus = false;
  CPoint at;
};

EntryPicture DrawEntry(Rgb colour, EntryDrawState state) {
  test::RecordingCanvas canvas;
  const SystemColours system{{250, 250, 250}, {10, 10, 10}, {240, 240, 0}, {120, 120, 120}};
  DrawSpectrumListEntry(canvas, {4, 20, 300, 36}, {"entry", colour, state.selected}, state, system);
  EntryPicture picture;
  for (const test::CanvasOp& op : canvas.OpsOfKind(test::CanvasOpKind::FillRect)) {
    picture.fill = op.colour;
  }
  picture.focus = canvas.Count(test::CanvasOpKind::FocusRect) > 0;
  const auto text = canvas.FindText("entry");
  EXPECT_TRUE(text.has_value());
  if (text) {
    picture.text = text->colour;
    picture.at = text->at;
  }
  return picture;
}

TEST(SpectrumListDrawing, SelectedEntriesAreFilledWithTheirColourAndWrittenInItsInverse) {
  const EntryPicture red = DrawEntry({255, 0, 0}, {true, false, false});
  EXPECT_EQ(red.fill, (Rgb{255, 0, 0}));
  EXPECT_EQ(red.text, (Rgb{0, 255, 255}));
  EXPECT_EQ(red.at, (CPoint{4, 20}));

  const EntryPicture plain = DrawEntry({128, 64, 0}, {false, true, false});
  EXPECT_EQ(plain.fill, (Rgb{250, 250, 250}));
  EXPECT_EQ(plain.text, (Rgb{128, 64, 0}));
  EXPECT_TRUE(plain.focus);

  // Black entries (the thirteenth on) use the system's text colours.
  const EntryPicture black = DrawEntry({0, 0, 0}, {true, false, false});
  EXPECT_EQ(black.fill, (Rgb{0, 0, 0}));
  EXPECT_EQ(black.text, (Rgb{240, 240, 0}));
  EXPECT_FALSE(black.focus);
  EXPECT_EQ(DrawEntry({0, 0, 0}, {false, false, false}).text, (Rgb{10, 10, 10}));
  EXPECT_EQ(DrawEntry({0, 0, 255}, {false, false, true}).text, (Rgb{120, 120, 120}));
}

} // namespace
} // namespace lumivex
