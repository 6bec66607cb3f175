#include "ui/GraphPainter.h"

#include "RecordingCanvas.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lumivex {
namespace {

using test::CanvasOpKind;
using test::DrawnLine;
using test::DrawnText;
using test::RecordingCanvas;

// A 500 x 400 client draws at scale 1: axis-title and tick-label fonts 10 high, the title
// font 14, ticks and gaps 4. The recording canvas makes "0.00" 4 * 10 * 6 / 10 = 24 wide,
// so the plot spans 50..458 across (500 - (4 + 24 + 10 + 4)) and 50..362 down
// (400 - (4 + 10 + 4 + 2 * 10)): 313 rows.
constexpr CSize kClient{500, 400};
constexpr CRect kPlot{50, 50, 458, 362};
constexpr int kXLabelRow = 370;   // bottom + twice the tick length
constexpr int kLeftLabelX = 30;   // left - label width + tick length
constexpr int kRightLabelX = 478; // right + label width - tick length
constexpr int kMiddleRow = 206;   // halfway between rows 50 and 362
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

CSpectrum Flat(SpectrumKind kind, float first, float last, float y) {
  CSpectrum spectrum =
      test::MakeSpectrum(first, 1.0f, static_cast<int>(last - first) + 1, [y](float) { return y; });
  spectrum.m_kind = kind;
  return spectrum;
}

CSpectrum* AddFlat(CLumivexData& data, SpectrumKind kind, float first, float last, float y) {
  return data.AppendSpectrum(std::make_unique<CSpectrum>(Flat(kind, first, last, y)));
}

// A workspace over 400..800 nm with absorption maximum 2 and emission and light-source
// maxima 8; no settings applied.
void SetExtents(CLumivexData& data) {
  data.m_xMin = 400.0f;
  data.m_xMax = 800.0f;
  data.m_absorptionMax = 2.0f;
  data.m_emissionMax = 8.0f;
  data.m_lightSourceMax = 8.0f;
}

// Settings applied over 400..800 nm with the y range high..low for every kind.
void ApplySettings(CLumivexData& data, float high, float low) {
  data.m_settingsApplied = 1;
  data.m_xLow = 400.0f;
  data.m_xHigh = 800.0f;
  data.m_yHigh = high;
  data.m_absorptionLow = data.m_epsilonLow = data.m_emissionLow = data.m_lightSourceLow = low;
}

RecordingCanvas Draw(CLumivexData& data, CSize client = kClient, bool monochrome = false) {
  RecordingCanvas canvas;
  DrawGraph(data, canvas, client, monochrome);
  return canvas;
}

std::vector<std::string> StringsWhere(const RecordingCanvas& canvas,
                                      const std::function<bool(const DrawnText&)>& keep) {
  std::vector<std::string> strings;
  for (const DrawnText& text : canvas.Texts()) {
    if (keep(text)) {
      strings.push_back(text.text);
    }
  }
  return strings;
}

std::vector<std::string> XLabels(const RecordingCanvas& canvas) {
  return StringsWhere(canvas, [](const DrawnText& text) { return text.at.y == kXLabelRow; });
}

std::vector<std::string> LabelsAtX(const RecordingCanvas& canvas, int x) {
  return StringsWhere(
      canvas, [x](const DrawnText& text) { return text.at.x == x && text.font.escapement == 0; });
}

std::vector<DrawnLine> LinesWhere(const RecordingCanvas& canvas,
                                  const std::function<bool(const DrawnLine&)>& keep) {
  std::vector<DrawnLine> lines = canvas.Lines();
  std::erase_if(lines, [&keep](const DrawnLine& line) { return !keep(line); });
  return lines;
}

std::vector<std::string> Labels(std::initializer_list<const char*> labels) {
  return {labels.begin(), labels.end()};
}

std::vector<std::string> IntegerLabels(int first, int step, int last) {
  std::vector<std::string> labels;
  for (int value = first; value <= last; value += step) {
    labels.push_back(std::to_string(value));
  }
  return labels;
}

TEST(GraphPainterLayout, EmptyWorkspaceDrawsNothing) {
  CLumivexData data;
  SetExtents(data);
  data.m_title = "Nothing yet";
  RecordingCanvas canvas;
  const GraphGeometry geometry = DrawGraph(data, canvas, kClient, false);
  EXPECT_TRUE(canvas.Ops().empty());
  EXPECT_EQ(geometry.plotRect, CRect{});
  EXPECT_EQ(data.m_xMin, 400.0f);
}

TEST(GraphPainterLayout, FrameTitleAndCreditLineOfA500WideClient) {
  CLumivexData data;
  SetExtents(data);
  data.m_title = "Dyes";
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f)->m_provided = "first lab";
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f)->m_provided = "second lab";
  RecordingCanvas canvas;
  const GraphGeometry geometry = DrawGraph(data, canvas, kClient, false);
  EXPECT_EQ(geometry.plotRect, kPlot);
  EXPECT_EQ(geometry.labelWidth, 24);
  EXPECT_EQ(geometry.labelHeight, 10);

  // Every spectrum draws the whole frame again; the title sits f + g + k = 24 above it.
  const std::vector<DrawnText> titles = canvas.TextsEqualTo("Dyes");
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[0].at, (CPoint{250, 26}));
  EXPECT_EQ(titles[0].align, TextAlign::CentreTop);
  EXPECT_EQ(titles[0].font, (CFont{"Helvetica", 14, 400, 0}));

  // Bottom, left and right axes in a 2-wide black pen; nothing along the top.
  const std::vector<DrawnLine> axes =
      LinesWhere(canvas, [](const DrawnLine& line) { return line.pen.width == 2; });
  ASSERT_EQ(axes.size(), 6u);
  const CPoint ends[3][2] = {
      {{50, 362}, {458, 362}}, {{50, 50}, {50, 362}}, {{458, 50}, {458, 362}}};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(axes[i].from, ends[i % 3][0]) << i;
    EXPECT_EQ(axes[i].to, ends[i % 3][1]) << i;
    EXPECT_EQ(axes[i].pen, (CPen{2, kBlack, PenStyle::Solid}));
  }

  // The credit names the last spectrum's source, at 1.6 times half of (408 - 30) across.
  const std::vector<DrawnText> credits = canvas.TextsEqualTo("Last spectrum courtesy of: ");
  ASSERT_EQ(credits.size(), 2u);
  EXPECT_EQ(credits[0].at, (CPoint{352, 380}));
  EXPECT_EQ(credits[0].font.height, 10);
  const std::vector<DrawnText> sources = canvas.TextsEqualTo("second lab");
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(sources[0].at, (CPoint{352, 389}));
  EXPECT_TRUE(canvas.TextsEqualTo("first lab").empty());
}

TEST(GraphPainterLayout, CreditLineIsCutShortAtTheWindowEdge) {
  // The provider's line starts at 352 of a 500-wide client and ends inside it: at most 148
  // wide when left-aligned, at most 296 when centred (no axis shows values). The recording
  // canvas makes each byte 6 wide, the ellipsis 18; a character is never split.
  struct Case {
    const char* provider;
    bool axisValues;
    const char* drawn;
  };
  const Case cases[] = {
      {"Fits in 24 characters ok", true, "Fits in 24 characters ok"},
      {"Photochemistry Laboratory of the University", true, "Photochemistry Labora\u2026"},
      {"Trailing blanks gone before the ellipsis", true, "Trailing blanks gone\u2026"},
      {"Universit\u00e4t f\u00fcr Ph\u00e4nomenologie", true, "Universit\u00e4t f\u00fcr Ph\u2026"},
      {"Centred text reaches half its width to the right of 352 only", false,
       "Centred text reaches half its width to the rig\u2026"},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    CLumivexData data;
    SetExtents(data);
    data.m_xAxisValues = data.m_yAxisValues = c.axisValues ? 1 : 0;
    AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f)->m_provided = c.provider;
    const RecordingCanvas canvas = Draw(data);
    const std::vector<DrawnText> texts = canvas.Texts();
    const auto label = std::find_if(texts.begin(), texts.end(), [](const DrawnText& text) {
      return text.text == "Last spectrum courtesy of: ";
    });
    ASSERT_NE(label, texts.end()) << c.provider;
    ASSERT_NE(std::next(label), texts.end()) << c.provider;
    const DrawnText& provider = *std::next(label);
    EXPECT_EQ(provider.text, c.drawn) << c.provider;
    EXPECT_EQ(provider.at, (CPoint{352, 389})) << c.provider;
    EXPECT_EQ(provider.font, label->font) << c.provider;
    const int width = RecordingCanvas::Extent(provider.text, provider.font).cx;
    const int rightEnd = c.axisValues ? provider.at.x + width : provider.at.x + width - width / 2;
    EXPECT_LE(rightEnd, kClient.cx) << c.provider;
  }
}

TEST(GraphPainterLayout, TwiceTheWidthDoublesFontsTicksAndMargins) {
  const auto draw = [](CSize client, RecordingCanvas& canvas) {
    CLumivexData data;
    SetExtents(data);
    data.m_title = "Scaled";
    AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
    AddFlat(data, SpectrumKind::Emission, 400.0f, 800.0f, 4.0f);
    return DrawGraph(data, canvas, client, false).plotRect;
  };
  RecordingCanvas small;
  RecordingCanvas large;
  const CRect a = draw({500, 400}, small);
  const CRect b = draw({1000, 800}, large);
  EXPECT_EQ(a, kPlot);
  EXPECT_EQ(b, (CRect{2 * a.left, 2 * a.top, 2 * a.right, 2 * a.bottom}));

  const std::vector<DrawnText> smallTexts = small.Texts();
  const std::vector<DrawnText> largeTexts = large.Texts();
  ASSERT_EQ(smallTexts.size(), largeTexts.size());
  for (std::size_t i = 0; i < smallTexts.size(); ++i) {
    EXPECT_EQ(smallTexts[i].text, largeTexts[i].text);
    EXPECT_GT(smallTexts[i].font.height, 0);
    EXPECT_EQ(largeTexts[i].font.height, 2 * smallTexts[i].font.height) << smallTexts[i].text;
  }

  const auto ticks = [](const RecordingCanvas& canvas) {
    return LinesWhere(canvas, [](const DrawnLine& line) { return line.pen.width == 1; });
  };
  const std::vector<DrawnLine> smallTicks = ticks(small);
  const std::vector<DrawnLine> largeTicks = ticks(large);
  // The x axis once a spectrum, then the left and the right y axis: 11 ticks each.
  ASSERT_EQ(smallTicks.size(), 44u);
  ASSERT_EQ(largeTicks.size(), 44u);
  const auto length = [](const DrawnLine& line) {
    return std::abs(line.to.x - line.from.x) + std::abs(line.to.y - line.from.y);
  };
  for (std::size_t i = 0; i < smallTicks.size(); ++i) {
    EXPECT_EQ(length(smallTicks[i]), 4);
    EXPECT_EQ(length(largeTicks[i]), 8);
  }
}

TEST(GraphPainterXAxis, AutomaticRangeSnapsToMultiplesOfThePartitions) {
  CLumivexData data;
  SetExtents(data);
  data.m_xMin = 253.4f;
  data.m_xMax = 702.5f;
  AddFlat(data, SpectrumKind::Absorption, 260.0f, 700.0f, 1.0f);
  const RecordingCanvas canvas = Draw(data);
  EXPECT_EQ(XLabels(canvas), IntegerLabels(250, 45, 700)); // ten whole steps of 45
  // Drawing reads the document: keeping the range snapped is up to whoever changes it.
  EXPECT_EQ(data.m_xMin, 253.4f);
  EXPECT_EQ(data.m_xMax, 702.5f);
  EXPECT_EQ(canvas.FindText("250").value().align, TextAlign::CentreTop);

  // Ticks down from the axis, 408 pixels in ten parts of 40.8 rounded to whole pixels.
  const std::vector<DrawnLine> ticks = LinesWhere(canvas, [](const DrawnLine& line) {
    return line.pen.width == 1 && line.from.x == line.to.x;
  });
  ASSERT_EQ(ticks.size(), 11u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_EQ(ticks[i].from.y, kPlot.bottom);
    EXPECT_EQ(ticks[i].to.y, kPlot.bottom + 4);
    EXPECT_LE(std::fabs(ticks[i].from.x - (50.0 + 40.8 * static_cast<double>(i))), 0.5) << i;
  }
  EXPECT_EQ(ticks.back().from.x, kPlot.right);
  // "Wavelength(nm)" is 84 wide, centred in 408.
  EXPECT_EQ(canvas.FindText("Wavelength(nm)").value().at, (CPoint{212, 380}));

  // The low end is cut down to a multiple, the high end rounded to the nearest one.
  data.m_xMin = 258.0f;
  data.m_xMax = 706.0f;
  EXPECT_EQ(XLabels(Draw(data)), IntegerLabels(250, 46, 710));
  EXPECT_EQ(data.m_xMax, 706.0f);

  // Without x values the range is left alone and there is no title either.
  data.m_xMin = 403.0f;
  data.m_xAxisValues = 0;
  const RecordingCanvas bare = Draw(data);
  EXPECT_TRUE(XLabels(bare).empty());
  EXPECT_FALSE(bare.FindText("Wavelength(nm)"));
  EXPECT_EQ(data.m_xMin, 403.0f);
  EXPECT_EQ(bare.Polylines().size(), 1u);
}

TEST(GraphPainterXAxis, UserRangeAndFewWholeUnits) {
  CLumivexData data;
  SetExtents(data);
  ApplySettings(data, 2.0f, 0.0f);
  data.m_xLow = 300.7f;
  data.m_xHigh = 600.2f;
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  EXPECT_EQ(XLabels(Draw(data)), IntegerLabels(300, 30, 600));
  EXPECT_EQ(data.m_xMin, 400.0f) << "applied settings leave the automatic range alone";

  // Four whole nanometres cannot be cut in ten: four partitions of 1.
  data.m_xLow = 500.0f;
  data.m_xHigh = 504.0f;
  EXPECT_EQ(XLabels(Draw(data)), IntegerLabels(500, 1, 504));
  // An empty range keeps one partition, labelled at both ends.
  data.m_xHigh = 500.0f;
  EXPECT_EQ(XLabels(Draw(data)), Labels({"500", "500"}));
}

TEST(GraphPainterXAxis, WavenumberLabelsTitleAndCurve) {
  CLumivexData data;
  SetExtents(data);
  data.m_xUnit = static_cast<int>(XUnit::Wavenumber);
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  const RecordingCanvas canvas = Draw(data);
  // 800 nm is 12500 cm^-1 and 400 nm is 25000 cm^-1: ten steps of 1250.
  EXPECT_EQ(XLabels(canvas), IntegerLabels(12500, 1250, 25000));

  // "Wavenumber (cm" "-1" ")" is 17 characters, 102 wide, centred in 408: from 203. The
  // superscript follows the 14 characters of text (84 wide), raised by 10 / 4.
  const auto text = canvas.FindText("Wavenumber (cm");
  const auto superscript = canvas.FindText("-1");
  const auto tail = canvas.FindText(")");
  ASSERT_TRUE(text && superscript && tail);
  EXPECT_EQ(text->at, (CPoint{203, 380}));
  EXPECT_EQ(superscript->at, (CPoint{287, 378}));
  EXPECT_EQ(tail->at, (CPoint{299, 380}));
  EXPECT_EQ(text->align, TextAlign::LeftTop);

  // The first column shows 800 nm, the open end of the spectrum's range: the curve starts
  // one column in.
  const auto polylines = canvas.Polylines();
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0].points.front(), (CPoint{kPlot.left + 1, kMiddleRow}));
}

TEST(GraphPainterYAxis, LargeMaximumIsLabelledInPowersOfTen) {
  CLumivexData data;
  SetExtents(data);
  data.m_absorptionMax = 2500.0f;
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1250.0f);
  const RecordingCanvas canvas = Draw(data);
  EXPECT_EQ(LabelsAtX(canvas, kLeftLabelX), Labels({"0.00", "0.25", "0.50", "0.75", "1.00", "1.25",
                                                    "1.50", "1.75", "2.00", "2.25", "2.50"}));

  // "Absorption (10" "3" ")" reads upward left of the labels: 16 characters, 96 long,
  // centred on the 312 between the axis ends; the superscript sits 10 / 4 to the left.
  const std::vector<DrawnText> title = canvas.Texts();
  std::vector<DrawnText> upward;
  std::copy_if(title.begin(), title.end(), std::back_inserter(upward),
               [](const DrawnText& text) { return text.font.escapement == 900; });
  ASSERT_EQ(upward.size(), 3u);
  EXPECT_EQ(upward[0].text, "Absorption (10");
  EXPECT_EQ(upward[0].at, (CPoint{4, 254}));
  EXPECT_EQ(upward[1].text, "3");
  EXPECT_EQ(upward[1].at, (CPoint{2, 170}));
  EXPECT_EQ(upward[2].text, ")");
  EXPECT_EQ(upward[2].at, (CPoint{4, 164}));
  EXPECT_EQ(upward[0].align, TextAlign::LeftTop);

  // Half the maximum plots on the middle row.
  EXPECT_EQ(canvas.Polylines().at(0).points.front(), (CPoint{kPlot.left, kMiddleRow}));
}

TEST(GraphPainterYAxis, AbsorptionOnTheLeftFluorescenceOnTheRight) {
  CLumivexData data;
  SetExtents(data);
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  AddFlat(data, SpectrumKind::Emission, 400.0f, 800.0f, 4.0f);
  const RecordingCanvas canvas = Draw(data);
  EXPECT_EQ(LabelsAtX(canvas, kLeftLabelX), Labels({"0.00", "0.20", "0.40", "0.60", "0.80", "1.00",
                                                    "1.20", "1.40", "1.60", "1.80", "2.00"}));
  EXPECT_EQ(LabelsAtX(canvas, kRightLabelX), Labels({"0.00", "0.80", "1.60", "2.40", "3.20", "4.00",
                                                     "4.80", "5.60", "6.40", "7.20", "8.00"}));
  EXPECT_EQ(canvas.FindText("Absorption").value().at, (CPoint{4, 236}));
  EXPECT_EQ(canvas.FindText("Fluorescence").value().at, (CPoint{490, 242}));

  // Ticks point outward, 31 rows apart from the bottom, the last one at the top; the
  // labels hang 4 above their ticks.
  const auto leftTicks =
      LinesWhere(canvas, [](const DrawnLine& line) { return line.to.x == kPlot.left - 4; });
  const auto rightTicks =
      LinesWhere(canvas, [](const DrawnLine& line) { return line.to.x == kPlot.right + 4; });
  ASSERT_EQ(leftTicks.size(), 11u);
  ASSERT_EQ(rightTicks.size(), 11u);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(leftTicks[i].from, (CPoint{kPlot.left, kPlot.bottom - 31 * static_cast<int>(i)}));
    EXPECT_EQ(rightTicks[i].from, (CPoint{kPlot.right, leftTicks[i].from.y}));
  }
  EXPECT_EQ(leftTicks[10].from.y, kPlot.top);
  EXPECT_EQ(canvas.FindText("0.20").value().at, (CPoint{kLeftLabelX, kPlot.bottom - 31 - 4}));
  // The top label stays on the grid of whole spacings, 10 * 31 up, not at the top tick.
  EXPECT_EQ(canvas.FindText("2.00").value().at.y, kPlot.bottom - 310 - 4);

  const auto polylines = canvas.Polylines();
  ASSERT_EQ(polylines.size(), 2u);
  EXPECT_EQ(polylines[1].points.front().y, kMiddleRow);
}

TEST(GraphPainterYAxis, IntensityTicksOnTheRightWithoutLabels) {
  CLumivexData data;
  SetExtents(data);
  ApplySettings(data, 5.0f, 0.0f);
  data.m_showIntensity = 1;
  AddFlat(data, SpectrumKind::Emission, 400.0f, 800.0f, 2.5f);
  const RecordingCanvas canvas = Draw(data);
  EXPECT_TRUE(LabelsAtX(canvas, kRightLabelX).empty());
  EXPECT_TRUE(LabelsAtX(canvas, kLeftLabelX).empty());
  EXPECT_EQ(
      LinesWhere(canvas, [](const DrawnLine& line) { return line.to.x == kPlot.right + 4; }).size(),
      11u);
  EXPECT_EQ(canvas.FindText("  Intensity  ").value().at.x, kPlot.right + 8);
  EXPECT_EQ(canvas.Polylines().at(0).points.front().y, kMiddleRow);
}

TEST(GraphPainterYAxis, EachKindReadsItsOwnLowerBound) {
  // Applied settings with the top at 6 and a different lower bound for every kind.
  const struct {
    SpectrumKind kind;
    int CLumivexData::*flag;
    int labelX;
    const char* bottom;
    const char* top;
    const char* title;
  } cases[] = {
      {SpectrumKind::Absorption, &CLumivexData::m_showAbsorption, kLeftLabelX, "1.00", "6.00",
       "Absorption"},
      {SpectrumKind::Absorption, &CLumivexData::m_showEpsilon, kLeftLabelX, "2.00", "6.00",
       "Epsilon"},
      {SpectrumKind::Emission, &CLumivexData::m_showFluorescence, kRightLabelX, "3.00", "6.00",
       "Fluorescence"},
      {SpectrumKind::Curve, &CLumivexData::m_showAbsorption, kLeftLabelX, "3.00", "6.00",
       "  Intensity  "},
      {SpectrumKind::LightSource, &CLumivexData::m_showIrradiance, kRightLabelX, "4.00", "6.00",
       " Irradiance "},
      // Not the quantity shown: zero to the kind's maximum.
      {SpectrumKind::LightSource, &CLumivexData::m_showAbsorption, kRightLabelX, "0.00", "8.00",
       " Irradiance "},
      {SpectrumKind::Absorption, &CLumivexData::m_showFluorescence, kLeftLabelX, "0.00", "2.00",
       "Absorption"},
  };
  for (const auto& c : cases) {
    CLumivexData data;
    SetExtents(data);
    ApplySettings(data, 6.0f, 0.0f);
    data.*c.flag = 1;
    data.m_absorptionLow = 1.0f;
    data.m_epsilonLow = 2.0f;
    data.m_emissionLow = 3.0f;
    data.m_lightSourceLow = 4.0f;
    AddFlat(data, c.kind, 400.0f, 800.0f, 5.0f);
    const RecordingCanvas canvas = Draw(data);
    const auto labels = LabelsAtX(canvas, c.labelX);
    ASSERT_EQ(labels.size(), 11u) << c.title;
    EXPECT_EQ(labels.front(), c.bottom) << c.title;
    EXPECT_EQ(labels.back(), c.top) << c.title;
    EXPECT_TRUE(canvas.FindText(c.title)) << c.title;
  }
}

TEST(GraphPainterYAxis, LogarithmicEpsilon) {
  CLumivexData data;
  SetExtents(data);
  ApplySettings(data, 1.0e5f, 0.0f);
  data.m_showLogEpsilon = 1;
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1000.0f);
  const RecordingCanvas canvas = Draw(data);
  EXPECT_EQ(LabelsAtX(canvas, kLeftLabelX), Labels({"0.00", "0.50", "1.00", "1.50", "2.00", "2.50",
                                                    "3.00", "3.50", "4.00", "4.50", "5.00"}));
  EXPECT_TRUE(canvas.FindText("Epsilon (log)"));
  // log 1000 is 3/5 of log 1e5: 3/5 of 313 rows is 187.8, so 187 rows above the bottom.
  const auto polylines = canvas.Polylines();
  ASSERT_EQ(polylines.size(), 1u);
  for (const CPoint& point : polylines[0].points) {
    EXPECT_EQ(point.y, kPlot.bottom - 187);
  }

  // A lower bound above 1 is shown as its logarithm too.
  data.m_epsilonLow = 10.0f;
  const auto labels = LabelsAtX(Draw(data), kLeftLabelX);
  ASSERT_EQ(labels.size(), 11u);
  EXPECT_EQ(labels.front(), "1.00");
  EXPECT_EQ(labels[1], "1.40");
  EXPECT_EQ(labels.back(), "5.00");
  // The curve follows those labels: log 1000 is 2/4 of the way from 1 to 5, 156.5 rows up.
  const auto raised = Draw(data).Polylines();
  ASSERT_EQ(raised.size(), 1u);
  for (const CPoint& point : raised[0].points) {
    EXPECT_EQ(point.y, kPlot.bottom - 156);
  }
}

TEST(GraphPainterCurves, ColoursAndPens) {
  CLumivexData data;
  SetExtents(data);
  for (int i = 0; i < 13; ++i) {
    AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  }
  const auto polylines = Draw(data).Polylines();
  ASSERT_EQ(polylines.size(), 13u);
  EXPECT_EQ(polylines[0].pen.colour, kRed);
  EXPECT_EQ(polylines[11].pen.colour, (Rgb{192, 192, 192}));
  EXPECT_EQ(polylines[12].pen.colour, kBlack);
  for (std::size_t i = 0; i < 12; ++i) {
    for (std::size_t j = i + 1; j < 12; ++j) {
      EXPECT_NE(polylines[i].pen.colour, polylines[j].pen.colour) << i << " " << j;
    }
  }
  for (const auto& polyline : Draw(data, kClient, true).Polylines()) {
    EXPECT_EQ(polyline.pen.colour, kBlack);
  }

  const auto penOf = [](SpectrumKind kind, int lineWidth) {
    CLumivexData single;
    SetExtents(single);
    single.m_lineWidth = lineWidth;
    AddFlat(single, kind, 400.0f, 800.0f, 1.0f);
    return Draw(single).Polylines().at(0).pen;
  };
  EXPECT_EQ(penOf(SpectrumKind::Emission, 1), (CPen{1, kRed, PenStyle::Dash}));
  EXPECT_EQ(penOf(SpectrumKind::Emission, 2), (CPen{2, kRed, PenStyle::Solid}));
  EXPECT_EQ(penOf(SpectrumKind::LightSource, 1), (CPen{1, kRed, PenStyle::Dash}));
  EXPECT_EQ(penOf(SpectrumKind::Absorption, 1), (CPen{1, kRed, PenStyle::Solid}));
  EXPECT_EQ(penOf(SpectrumKind::Curve, 1), (CPen{1, kRed, PenStyle::Solid}));
}

TEST(GraphPainterCurves, ColumnsOutsideTheSpectrumAreSkipped) {
  CLumivexData data;
  SetExtents(data);
  AddFlat(data, SpectrumKind::Absorption, 500.0f, 600.0f, 1.0f);
  const std::vector<CPoint> points = Draw(data).Polylines().at(0).points;
  // 100 of the 400 nm shown over 408 columns: about 102 neighbouring columns from x = 152.
  ASSERT_GE(points.size(), 101u);
  ASSERT_LE(points.size(), 103u);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double nm = 400.0 + (points[i].x - kPlot.left) * 400.0 / 408.0;
    EXPECT_TRUE(nm > 499.99 && nm < 600.01) << nm;
    EXPECT_EQ(points[i].x, points.front().x + static_cast<int>(i));
  }
}

// Draws a workspace of an absorption and an emission spectrum changed by `change` and
// checks that whatever is drawn is sane: no NaN or infinite label, curves inside the plot.
RecordingCanvas DrawChanged(const std::function<void(CLumivexData&)>& change,
                            CSize client = kClient) {
  CLumivexData data;
  SetExtents(data);
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  AddFlat(data, SpectrumKind::Emission, 400.0f, 800.0f, 4.0f);
  change(data);
  RecordingCanvas canvas;
  const CRect plot = DrawGraph(data, canvas, client, false).plotRect;
  for (const std::string& text : canvas.TextStrings()) {
    EXPECT_TRUE(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos)
        << text;
  }
  for (const auto& polyline : canvas.Polylines()) {
    for (const CPoint& p : polyline.points) {
      EXPECT_TRUE(p.x >= plot.left && p.x <= plot.right && p.y >= plot.top && p.y <= plot.bottom);
    }
  }
  EXPECT_TRUE(canvas.DrewAnything());
  return canvas;
}

int CurveCount(const std::function<void(CLumivexData&)>& change, CSize client = kClient) {
  return DrawChanged(change, client).Count(CanvasOpKind::Polyline);
}

TEST(GraphPainterDegenerate, UnusableYRangesSkipTheCurves) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const auto applied = [](float high, float low) {
    return [high, low](CLumivexData& d) {
      ApplySettings(d, high, low);
      d.m_showAbsorption = 1;
      d.m_showFluorescence = 1;
    };
  };
  EXPECT_EQ(CurveCount(applied(2.0f, 0.0f)), 2);
  EXPECT_EQ(CurveCount(applied(1.0f, 1.0f)), 0);
  EXPECT_EQ(CurveCount(applied(nan, 0.0f)), 0);
  EXPECT_EQ(CurveCount(applied(inf, 0.0f)), 0);
  EXPECT_EQ(CurveCount([](CLumivexData& d) { d.m_absorptionMax = d.m_emissionMax = 0.0f; }), 0);

  // A logarithmic axis needs a top above 1: the absorption is skipped and its labels stay
  // linear; the emission, drawn linearly, remains.
  const RecordingCanvas flat = DrawChanged([](CLumivexData& d) {
    ApplySettings(d, 1.0f, 0.0f);
    d.m_showLogEpsilon = 1;
    d.m_showFluorescence = 1;
  });
  ASSERT_EQ(flat.Polylines().size(), 1u);
  EXPECT_EQ(flat.Polylines()[0].pen.colour, (Rgb{0, 255, 0}));
  EXPECT_EQ(LabelsAtX(flat, kLeftLabelX).back(), "1.00");
}

TEST(GraphPainterDegenerate, PartitionsXRangesAndTinyClients) {
  // No partitions count as one: both ends labelled, once a spectrum.
  const RecordingCanvas none = DrawChanged([](CLumivexData& d) {
    d.m_xPartitions = 0;
    d.m_yPartitions = -3;
  });
  EXPECT_EQ(XLabels(none), Labels({"400", "800", "400", "800"}));
  EXPECT_EQ(LabelsAtX(none, kLeftLabelX), Labels({"0.00", "2.00"}));

  const auto xRange = [](float low, float high, XUnit unit) {
    return [low, high, unit](CLumivexData& d) {
      ApplySettings(d, 8.0f, 0.0f);
      d.m_xLow = low;
      d.m_xHigh = high;
      d.m_xUnit = static_cast<int>(unit);
    };
  };
  // 500 nm is 600 x 10^12 Hz; a single wavelength still draws.
  const RecordingCanvas point = DrawChanged(xRange(500.0f, 500.0f, XUnit::Frequency));
  EXPECT_EQ(XLabels(point), Labels({"600", "600", "600", "600"}));
  EXPECT_TRUE(XLabels(DrawChanged(xRange(0.0f, 0.0f, XUnit::Wavenumber))).empty());
  EXPECT_EQ(CurveCount(xRange(0.0f, 0.0f, XUnit::Wavenumber)), 0);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(XLabels(DrawChanged(xRange(nan, 800.0f, XUnit::Wavelength))).empty());
  EXPECT_EQ(CurveCount(xRange(nan, 800.0f, XUnit::Wavelength)), 0);
  // Spectra wholly outside the range: the frame without curves.
  const RecordingCanvas outside = DrawChanged(xRange(900.0f, 1000.0f, XUnit::Wavelength));
  EXPECT_EQ(outside.Count(CanvasOpKind::Polyline), 0);
  EXPECT_EQ(XLabels(outside).size(), 22u);

  // A zero client leaves a one-pixel plot, a negative one an inverted plot: no curves.
  // Small but real plots keep them.
  const auto unchanged = [](CLumivexData&) {};
  EXPECT_EQ(CurveCount(unchanged, {0, 0}), 0);
  EXPECT_EQ(CurveCount(unchanged, {-20, -20}), 0);
  EXPECT_EQ(CurveCount(unchanged, {1, 1}), 2);
  EXPECT_EQ(CurveCount(unchanged, {60, 40}), 2);
}

// The curve painter alone over a plot of 101 columns (0..100) and 51 rows (0..50), the
// columns showing 400..500 nm one nanometre apart.
constexpr CRect kSmallPlot{0, 0, 100, 50};

std::vector<CPoint> Curve(const CSpectrum& source, float yHigh, float yLow,
                          XUnit unit = XUnit::Wavelength, bool logarithmic = false,
                          YQuantity quantity = YQuantity::Absorption) {
  CSpectrum spectrum = source;
  RecordingCanvas canvas;
  DrawSpectrum(spectrum, canvas, kSmallPlot, 400.0f, 500.0f, yHigh, yLow, 1, unit, quantity,
               logarithmic, 1);
  const auto polylines = canvas.Polylines();
  EXPECT_LE(polylines.size(), 1u);
  return polylines.empty() ? std::vector<CPoint>{} : polylines[0].points;
}

// The row of a flat spectrum of value y between yLow and yHigh, -1 when nothing is drawn.
int RowOf(float y, float yHigh, float yLow, SpectrumKind kind = SpectrumKind::Absorption,
          bool logarithmic = false) {
  const std::vector<CPoint> points =
      Curve(Flat(kind, 400.0f, 500.0f, y), yHigh, yLow, XUnit::Wavelength, logarithmic);
  return points.empty() ? -1 : points.front().y;
}

TEST(GraphPainterSpectrum, ColumnsCoverTheSpectrumRange) {
  CSpectrum spectrum = Flat(SpectrumKind::Absorption, 420.0f, 460.0f, 1.0f);
  // Columns 20..59 show 420..459 nm; 460 nm is the range's open end. Half the top is
  // 25.5 of 51 rows above row 50, truncated.
  std::vector<CPoint> points = Curve(spectrum, 2.0f, 0.0f);
  ASSERT_EQ(points.size(), 40u);
  EXPECT_EQ(points.front(), (CPoint{20, 25}));
  EXPECT_EQ(points.back(), (CPoint{59, 25}));

  spectrum.m_xShift = 10.0f;
  points = Curve(spectrum, 2.0f, 0.0f);
  ASSERT_EQ(points.size(), 40u);
  EXPECT_EQ(points.front().x, 30);

  // In wavenumbers the columns show 20000..25000 cm^-1, 50 apart: column 45 is 22250 cm^-1
  // = 449.4 nm, inside 400..450 nm; column 44 is 450.5 nm, outside.
  points =
      Curve(Flat(SpectrumKind::Absorption, 400.0f, 450.0f, 1.0f), 2.0f, 0.0f, XUnit::Wavenumber);
  ASSERT_EQ(points.size(), 56u);
  EXPECT_EQ(points.front(), (CPoint{45, 25}));
  EXPECT_EQ(points.back(), (CPoint{100, 25}));
}

TEST(GraphPainterSpectrum, HeightsAreProportionalBetweenLowAndHigh) {
  CSpectrum ramp =
      test::MakeSpectrum(400.0f, 1.0f, 101, [](float x) { return (x - 400.0f) / 100.0f; });
  ramp.m_kind = SpectrumKind::Absorption;
  const std::vector<CPoint> points = Curve(ramp, 1.0f, 0.0f);
  ASSERT_EQ(points.size(), 100u);
  EXPECT_EQ(points[0], (CPoint{0, 50}));
  EXPECT_EQ(points[50], (CPoint{50, 25})); // 0.5 * 51 = 25.5
  EXPECT_EQ(points[99], (CPoint{99, 0}));  // 0.99 * 51 = 50.49

  // Between 1 and 2: 1 on the bottom row, 1.5 halfway, values outside clamped to the plot.
  EXPECT_EQ(RowOf(1.0f, 2.0f, 1.0f), 50);
  EXPECT_EQ(RowOf(1.5f, 2.0f, 1.0f), 25);
  EXPECT_EQ(RowOf(2.0f, 2.0f, 1.0f), 0);
  EXPECT_EQ(RowOf(3.0f, 2.0f, 1.0f), 0);
  EXPECT_EQ(RowOf(0.5f, 2.0f, 1.0f), 50);
  EXPECT_EQ(RowOf(-5.0f, 2.0f, 1.0f), 50);

  // Logarithmic heights for absorption only: log 10 is half of log 100, values up to 1 sit
  // on the bottom; an emission stays linear, 10 of 100 being 5.1 rows.
  EXPECT_EQ(RowOf(10.0f, 100.0f, 0.0f, SpectrumKind::Absorption, true), 25);
  EXPECT_EQ(RowOf(0.5f, 100.0f, 0.0f, SpectrumKind::Absorption, true), 50);
  EXPECT_EQ(RowOf(10.0f, 100.0f, 0.0f, SpectrumKind::Emission, true), 45);
}

TEST(GraphPainterSpectrum, PlotsTheQuantityOfTheSpectrum) {
  // A database absorption shown as epsilon: y scaled to 1000 at the reference wavelength.
  CSpectrum spectrum = Flat(SpectrumKind::Absorption, 400.0f, 500.0f, 0.5f);
  spectrum.m_fromDatabase = 1;
  spectrum.m_epsilon = 1000.0f;
  spectrum.m_epsilonWavelength = 440.0f;
  const auto points = Curve(spectrum, 2000.0f, 0.0f, XUnit::Wavelength, false, YQuantity::Epsilon);
  ASSERT_FALSE(points.empty());
  EXPECT_EQ(points.front().y, 25);
}

TEST(GraphPainterSpectrum, PenColourAndRestoredPen) {
  CSpectrum spectrum = Flat(SpectrumKind::Emission, 400.0f, 500.0f, 1.0f);
  const auto penFor = [&spectrum](int colourNumber, int width) {
    RecordingCanvas canvas;
    const CPen before{3, Rgb{1, 2, 3}, PenStyle::Solid};
    canvas.SetPen(before);
    DrawSpectrum(spectrum, canvas, kSmallPlot, 400.0f, 500.0f, 2.0f, 0.0f, colourNumber,
                 XUnit::Wavelength, YQuantity::Fluorescence, false, width);
    EXPECT_EQ(canvas.Pen(), before);
    return canvas.Polylines().at(0).pen;
  };
  EXPECT_EQ(penFor(3, 1), (CPen{1, Rgb{0, 0, 255}, PenStyle::Dash}));
  EXPECT_EQ(penFor(0, 1), (CPen{1, kBlack, PenStyle::Dash}));
  EXPECT_EQ(penFor(13, 2), (CPen{2, kBlack, PenStyle::Solid}));
  EXPECT_EQ(penFor(-1, 3), (CPen{3, kBlack, PenStyle::Solid}));
}

TEST(GraphPainterSpectrum, DegenerateInputsDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const auto count = [](const CRect& plot, float lowNm, float yHigh, float yLow, XUnit unit,
                        bool logarithmic) {
    CSpectrum spectrum = Flat(SpectrumKind::Absorption, 400.0f, 500.0f, 1.0f);
    RecordingCanvas canvas;
    DrawSpectrum(spectrum, canvas, plot, lowNm, 500.0f, yHigh, yLow, 1, unit, YQuantity::Absorption,
                 logarithmic, 1);
    return canvas.Count(CanvasOpKind::Polyline);
  };
  const XUnit nm = XUnit::Wavelength;
  EXPECT_EQ(count(kSmallPlot, 400.0f, 2.0f, 0.0f, nm, false), 1);
  EXPECT_EQ(count({5, 0, 5, 50}, 400.0f, 2.0f, 0.0f, nm, false), 0);   // one column
  EXPECT_EQ(count({0, 10, 100, 5}, 400.0f, 2.0f, 0.0f, nm, false), 0); // upside down
  EXPECT_EQ(count(kSmallPlot, 400.0f, 2.0f, 2.0f, nm, false), 0);
  EXPECT_EQ(count(kSmallPlot, 400.0f, 0.0f, -1.0f, nm, false), 0);
  EXPECT_EQ(count(kSmallPlot, 400.0f, 1.0f, 0.0f, nm, true), 0);
  EXPECT_EQ(count(kSmallPlot, 400.0f, 0.5f, 0.0f, nm, true), 0);
  EXPECT_EQ(count(kSmallPlot, 400.0f, nan, 0.0f, nm, false), 0);
  EXPECT_EQ(count(kSmallPlot, 400.0f, 2.0f, inf, nm, false), 0);
  EXPECT_EQ(count(kSmallPlot, nan, 2.0f, 0.0f, nm, false), 0);
  EXPECT_EQ(count(kSmallPlot, 0.0f, 2.0f, 0.0f, XUnit::Wavenumber, false), 0);
  EXPECT_TRUE(Curve(Flat(SpectrumKind::Absorption, 600.0f, 700.0f, 1.0f), 2.0f, 0.0f).empty());
  EXPECT_TRUE(Curve(CSpectrum{}, 2.0f, 0.0f).empty());
}

// With round ticks every label states the value the axis shows under it: on the x axis the
// unit's value at the tick's column, on the y axis the value the curves draw on its row.
TEST(GraphPainterReadingAids, RoundTickLabelsStateTheValueUnderThem) {
  for (const XUnit unit : {XUnit::Wavelength, XUnit::Wavenumber, XUnit::EnergyEv}) {
    SCOPED_TRACE(static_cast<int>(unit));
    CLumivexData data;
    SetExtents(data);
    ApplySettings(data, 2.0f, 0.0f);
    data.m_xLow = 403.0f;
    data.m_xHigh = 797.0f;
    data.m_xUnit = static_cast<int>(unit);
    data.m_roundTicks = 1;
    AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
    const RecordingCanvas canvas = Draw(data);
    const CXMapping columns = XMappingFor(kPlot, 403.0f, 797.0f, unit);
    const auto xLabels =
        StringsWhere(canvas, [](const DrawnText& t) { return t.at.y == kXLabelRow; });
    ASSERT_GE(xLabels.size(), 4u);
    for (const DrawnText& text : canvas.Texts()) {
      if (text.at.y == kXLabelRow) {
        EXPECT_NEAR(std::stod(text.text), columns.Value(text.at.x), std::abs(columns.valueStep))
            << text.text;
      }
    }
    const CYMapping rows = YMappingFor(kPlot, 2.0f, 0.0f, false);
    const auto yLabels = canvas.Texts();
    int checked = 0;
    for (const DrawnText& text : yLabels) {
      if (text.at.x == kLeftLabelX) {
        // Labels are drawn a tick length above their row.
        const double row = text.at.y + 4;
        EXPECT_NEAR(std::stod(text.text), rows.Value(row), 2.0 / 313) << text.text;
        ++checked;
      }
    }
    EXPECT_GE(checked, 4);
  }
}

TEST(GraphPainterReadingAids, LegendNamesEachSpectrumInItsColourWhereTheCurvesAreNot) {
  CLumivexData data;
  SetExtents(data);
  ApplySettings(data, 2.0f, 0.0f);
  data.m_showLegend = 1;
  // The first curve runs through the top of the right half, so the legend takes the top
  // left corner.
  AddFlat(data, SpectrumKind::Absorption, 600.0f, 800.0f, 1.85f)->m_name = "Perylene";
  AddFlat(data, SpectrumKind::Emission, 400.0f, 800.0f, 0.5f)->m_filePath =
      "spectra/Coumarin 153.ems.txt";
  const RecordingCanvas canvas = Draw(data);
  const auto first = canvas.FindText("Perylene");
  // A spectrum without a name of its own is listed by its file's name.
  const auto second = canvas.FindText("Coumarin 153.ems.txt");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->colour, WorkspaceColour(0));
  EXPECT_EQ(second->colour, WorkspaceColour(1));
  EXPECT_LT(first->at.x, (kPlot.left + kPlot.right) / 2);
  EXPECT_LT(first->at.y, kMiddleRow);
  EXPECT_GT(second->at.y, first->at.y);

  // Off, the names appear nowhere.
  data.m_showLegend = 0;
  EXPECT_FALSE(Draw(data).FindText("Perylene"));
}

TEST(GraphPainterReadingAids, SecondAxisAndUnitTitlesAboveAndBesideThePlot) {
  CLumivexData data;
  SetExtents(data);
  ApplySettings(data, 2.0f, 0.0f);
  AddFlat(data, SpectrumKind::Absorption, 400.0f, 800.0f, 1.0f);
  const RecordingCanvas plain = Draw(data);
  data.m_secondXAxis = 1;
  data.m_showEpsilon = 1;
  data.m_unitTitles = 1;
  const RecordingCanvas canvas = Draw(data);
  // The plot makes room above it: the curve sits lower, the title stays where it was.
  ASSERT_EQ(canvas.Polylines().size(), 1u);
  EXPECT_GT(canvas.Polylines()[0].points.front().y, plain.Polylines()[0].points.front().y);
  const auto title = canvas.FindText("Wavenumber (cm");
  ASSERT_TRUE(title);
  EXPECT_LT(title->at.y, canvas.Polylines()[0].points.front().y);
  EXPECT_TRUE(canvas.FindText("24000"));
  EXPECT_TRUE(canvas.FindText("Epsilon (M"));
  EXPECT_TRUE(canvas.FindText(" cm"));
}

} // namespace
} // namespace lumivex
