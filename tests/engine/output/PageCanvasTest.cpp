#include "output/PageCanvas.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace lumivex {
namespace {

using test::CanvasOpKind;
using test::RecordingCanvas;

TEST(PageCanvas, TheWidthLimitsAWindowPrintedOnAPortraitPage) {
  RecordingCanvas device;
  CPageCanvas page(device, {800, 600}, {4800, 6400});
  EXPECT_DOUBLE_EQ(page.Scale(), 6.0);
  page.Text({30, 30}, "Title");
  ASSERT_TRUE(device.FindText("Title").has_value());
  EXPECT_EQ(device.FindText("Title")->at, (CPoint{180, 180}));
  // The whole client area fits, the bottom right corner included.
  EXPECT_EQ(page.ToDevice(CPoint{800, 600}), (CPoint{4800, 3600}));
}

TEST(PageCanvas, TheHeightLimitsAWideWindowOnALandscapePage) {
  RecordingCanvas device;
  CPageCanvas page(device, {1000, 500}, {6000, 2000});
  EXPECT_DOUBLE_EQ(page.Scale(), 4.0);
  page.Line({10, 20}, {1000, 500});
  const auto lines = device.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (CPoint{40, 80}));
  EXPECT_EQ(lines[0].to, (CPoint{4000, 2000}));
}

TEST(PageCanvas, ScalesShapesFontsAndPensAndMeasuresInClientUnits) {
  RecordingCanvas device;
  CPageCanvas page(device, {800, 600}, {4800, 6400});
  page.Polyline({{0, 0}, {10, 5}, {-2, 7}});
  ASSERT_EQ(device.Polylines().size(), 1u);
  EXPECT_EQ(device.Polylines()[0].points, (std::vector<CPoint>{{0, 0}, {60, 30}, {-12, 42}}));

  page.FillRect({1, 2, 3, 4}, {255, 0, 0});
  page.FocusRect({5, 5, 10, 10});
  page.StretchImage({0, 0, 240, 200}, RgbImage{});
  EXPECT_EQ(device.OpsOfKind(CanvasOpKind::FillRect)[0].points,
            (std::vector<CPoint>{{6, 12}, {18, 24}}));
  EXPECT_EQ(device.OpsOfKind(CanvasOpKind::FocusRect)[0].points,
            (std::vector<CPoint>{{30, 30}, {60, 60}}));
  EXPECT_EQ(device.OpsOfKind(CanvasOpKind::StretchImage)[0].points,
            (std::vector<CPoint>{{0, 0}, {1440, 1200}}));

  page.SetFont({"Helvetica", 22, 400, 900});
  EXPECT_EQ(device.Font(), (CFont{"Helvetica", 132, 400, 900}));
  EXPECT_EQ(page.Font(), (CFont{"Helvetica", 22, 400, 900}));
  // The recording metric is 6/10 of the height a character: 132 * 6 / 10 = 79 device units
  // for one character, which is 13 client units.
  EXPECT_EQ(page.TextExtent("W"), (CSize{13, 22}));

  page.SetPen({2, {0, 0, 255}, PenStyle::Dash});
  EXPECT_EQ(device.Pen(), (CPen{12, {0, 0, 255}, PenStyle::Dash}));
  EXPECT_EQ(page.Pen(), (CPen{2, {0, 0, 255}, PenStyle::Dash}));
  page.SetPen({0, {}, PenStyle::Solid});
  EXPECT_EQ(device.Pen().width, 0);
}

TEST(PageCanvas, StartsWithTheDefaultStateOnTheDevice) {
  RecordingCanvas device;
  device.SetTextAlign(TextAlign::RightTop);
  device.SetTextColour({9, 9, 9});
  CPageCanvas page(device, {800, 600}, {1600, 1200});
  EXPECT_EQ(device.Font().height, CFont{}.height * 2);
  EXPECT_EQ(device.Pen(), (CPen{2, {}, PenStyle::Solid}));
  EXPECT_EQ(page.GetTextAlign(), TextAlign::LeftTop);
  page.Text({0, 0}, "x");
  EXPECT_EQ(device.FindText("x")->colour, (Rgb{0, 0, 0}));
}

TEST(PageCanvas, ASizeWithoutAreaMapsOneToOne) {
  RecordingCanvas device;
  CPageCanvas empty(device, {0, 0}, {4800, 6400});
  EXPECT_DOUBLE_EQ(empty.Scale(), 1.0);
  CPageCanvas noPage(device, {800, 600}, {0, 6400});
  EXPECT_DOUBLE_EQ(noPage.Scale(), 1.0);
  noPage.Text({30, 30}, "t");
  EXPECT_EQ(device.FindText("t")->at, (CPoint{30, 30}));
}

} // namespace
} // namespace lumivex
