#include "QtCanvas.h"
#include "GuiTestSupport.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace lumivex {
namespace {

using test::CountInk;
using test::CountPixels;
using test::InkBounds;

// Draws on a white 240 x 160 image through the canvas.
QImage Draw(const std::function<void(Canvas&)>& draw) {
  QImage image(240, 160, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  gui::QtCanvas canvas(painter);
  draw(canvas);
  painter.end();
  return image;
}

void UseFont(Canvas& canvas, int escapement = 0) {
  CFont font;
  font.height = 24;
  font.escapement = escapement;
  canvas.SetFont(font);
}

TEST(QtCanvasText, TheReferencePointIsTheTopOfTheCellAtTheAlignedSide) {
  const CPoint at{120, 40};
  CSize cell;
  Draw([&cell](Canvas& canvas) {
    UseFont(canvas);
    cell = canvas.TextExtent("HHHH");
  });
  const auto drawn = [at](TextAlign align) {
    return InkBounds(Draw([&](Canvas& canvas) {
      UseFont(canvas);
      canvas.SetTextAlign(align);
      canvas.Text(at, "HHHH");
    }));
  };
  const QRect left = drawn(TextAlign::LeftTop);
  const QRect centre = drawn(TextAlign::CentreTop);
  const QRect right = drawn(TextAlign::RightTop);
  ASSERT_FALSE(left.isEmpty());
  // Capitals start a little below the cell's top and end above its bottom.
  EXPECT_GE(left.top(), at.y);
  EXPECT_LT(left.top(), at.y + cell.cy / 2);
  EXPECT_LT(left.bottom(), at.y + cell.cy);
  // The whole character cell, descenders included, is the height asked for (24), so the
  // capitals stand on a baseline in its lower part.
  EXPECT_LE(cell.cy, 24);
  EXPECT_GE(cell.cy, 21);
  EXPECT_GT(left.bottom(), at.y + cell.cy / 2);
  EXPECT_NEAR(left.left(), at.x, 3);
  EXPECT_NEAR(right.right(), at.x, 3);
  EXPECT_NEAR(centre.center().x(), at.x, 2);
  EXPECT_EQ(left.top(), right.top());
  EXPECT_EQ(left.width(), right.width());
}

TEST(QtCanvasText, AnEscapementOf900ReadsUpwardWithItsTopAtThePoint) {
  const CPoint at{60, 140};
  const QRect upward = InkBounds(Draw([&](Canvas& canvas) {
    UseFont(canvas, 900);
    canvas.SetTextAlign(TextAlign::LeftTop);
    canvas.Text(at, "HHHH");
  }));
  ASSERT_FALSE(upward.isEmpty());
  EXPECT_GT(upward.height(), upward.width());
  EXPECT_GE(upward.left(), at.x);
  EXPECT_LT(upward.left(), at.x + 12);
  EXPECT_NEAR(upward.bottom(), at.y, 3);

  // Centred, the text stands across the point.
  const QRect centred = InkBounds(Draw([&](Canvas& canvas) {
    UseFont(canvas, 900);
    canvas.SetTextAlign(TextAlign::CentreTop);
    canvas.Text({60, 80}, "HHHH");
  }));
  EXPECT_NEAR(centred.center().y(), 80, 2);
}

TEST(QtCanvasText, ExtentAndColour) {
  CSize one;
  CSize four;
  const QImage image = Draw([&](Canvas& canvas) {
    UseFont(canvas);
    one = canvas.TextExtent("H");
    four = canvas.TextExtent("HHHH");
    canvas.SetTextColour({0, 0, 255});
    canvas.Text({10, 10}, "HHHH");
  });
  EXPECT_NEAR(four.cx, 4 * one.cx, 2);
  EXPECT_EQ(four.cy, one.cy);
  // The cell is the height asked for, not larger (a whole pixel size may fall just short).
  EXPECT_LE(one.cy, 24);
  EXPECT_GE(one.cy, 21);
  EXPECT_NEAR(InkBounds(image).width(), four.cx, 4);
  EXPECT_GT(CountPixels(image, QColor(0, 0, 255)), 40);
}

TEST(QtCanvasLines, PensDrawCrispInTheirColourWidthAndDashes) {
  const QImage solid = Draw([](Canvas& canvas) {
    canvas.SetPen({3, {255, 0, 0}, PenStyle::Solid});
    canvas.Line({20, 50}, {220, 50});
  });
  // No antialiasing: every drawn pixel has the pen's colour, three rows deep.
  const QRect solidInk = InkBounds(solid);
  EXPECT_EQ(CountPixels(solid, QColor(255, 0, 0)), CountInk(solid));
  EXPECT_EQ(solidInk.height(), 3);
  EXPECT_GE(solidInk.width(), 200);

  const QImage dashed = Draw([](Canvas& canvas) {
    canvas.SetPen({1, {0, 0, 0}, PenStyle::Dash});
    canvas.Line({20, 50}, {220, 50});
  });
  const int dashes = CountPixels(dashed, Qt::black);
  EXPECT_GT(dashes, 80);
  EXPECT_LT(dashes, 190);

  const QImage polyline = Draw([](Canvas& canvas) {
    canvas.SetPen({1, {0, 128, 0}, PenStyle::Solid});
    canvas.Polyline({{10, 10}, {100, 10}, {100, 100}});
    EXPECT_EQ(canvas.Pen(), (CPen{1, {0, 128, 0}, PenStyle::Solid}));
  });
  EXPECT_EQ(InkBounds(polyline), QRect(QPoint(10, 10), QPoint(100, 100)));
  EXPECT_EQ(polyline.pixel(100, 55), QColor(0, 128, 0).rgb());
}

TEST(QtCanvasRects, FillLeavesRightAndBottomOutAndFocusFramesTheInside) {
  const QImage filled = Draw([](Canvas& canvas) {
    canvas.FillRect({10, 20, 50, 40}, {0, 255, 0});
  });
  EXPECT_EQ(InkBounds(filled), QRect(10, 20, 40, 20));
  EXPECT_EQ(CountPixels(filled, QColor(0, 255, 0)), 40 * 20);

  const QImage focus = Draw([](Canvas& canvas) { canvas.FocusRect({10, 20, 50, 40}); });
  EXPECT_EQ(InkBounds(focus), QRect(10, 20, 40, 20));
  // Dotted, and nothing inside.
  EXPECT_LT(CountPixels(focus, Qt::black), 2 * (40 + 20));
  EXPECT_EQ(InkBounds(focus.copy(11, 21, 38, 18)), QRect());
}

} // namespace
} // namespace lumivex
