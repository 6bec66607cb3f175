#include "core/LumivexData.h"
#include "TestSupport.h"

#include <limits>

namespace lumivex {
namespace {

TEST(WorkspaceColour, TwelveColoursThenBlack) {
  EXPECT_EQ(WorkspaceColour(0), (Rgb{255, 0, 0}));
  EXPECT_EQ(WorkspaceColour(2), (Rgb{0, 0, 255}));
  EXPECT_EQ(WorkspaceColour(7), (Rgb{128, 64, 0}));
  EXPECT_EQ(WorkspaceColour(8), (Rgb{0, 127, 255}));
  EXPECT_EQ(WorkspaceColour(11), (Rgb{192, 192, 192}));
  EXPECT_EQ(WorkspaceColour(12), (Rgb{0, 0, 0}));
  EXPECT_EQ(WorkspaceColour(400), (Rgb{0, 0, 0}));
  EXPECT_EQ(WorkspaceColour(-1), (Rgb{0, 0, 0}));
}

TEST(LumivexData, StartsEmptyWithTheDisplayDefaults) {
  const CLumivexData document;
  EXPECT_EQ(document.m_xMin, 1.0e9f);
  EXPECT_EQ(document.m_xMax, 0.0f);
  EXPECT_EQ(document.m_xAxisValues, 1);
  EXPECT_EQ(document.m_yAxisValues, 1);
  EXPECT_EQ(document.m_freshSettings, 1);
  EXPECT_EQ(document.m_xPartitions, 10);
  EXPECT_EQ(document.m_yPartitions, 10);
  EXPECT_EQ(document.m_settingsApplied, 0);
  EXPECT_EQ(document.m_xUnit, 0);
  EXPECT_EQ(document.Count(), 0);
  EXPECT_EQ(document.At(0), nullptr);
}

TEST(LumivexData, RemovingMovesLaterSpectraUpAndDeletesTheRemovedOne) {
  CLumivexData document;
  for (int i = 0; i < 5; ++i) {
    CSpectrum* added = document.AddNewSpectrum();
    EXPECT_EQ(added->m_quantumYield, 1.0f);
    EXPECT_EQ(added->m_weight, 1.0f);
    EXPECT_EQ(added->m_kind, SpectrumKind::None);
    added->m_name = "s" + std::to_string(i);
  }
  EXPECT_TRUE(document.m_modified);
  const CSpectrum* third = document.At(3);
  document.RemoveSpectrumAt(2);
  ASSERT_EQ(document.Count(), 4);
  EXPECT_EQ(document.At(2), third);
  EXPECT_EQ(document.At(2)->m_name, "s3");
  EXPECT_EQ(document.At(3)->m_name, "s4");
  // Their colours follow the positions: blue and magenta now.
  EXPECT_EQ(WorkspaceColour(2), (Rgb{0, 0, 255}));
  EXPECT_EQ(WorkspaceColour(3), (Rgb{255, 0, 255}));

  document.RemoveSpectrumAt(4);
  document.RemoveSpectrumAt(-1);
  EXPECT_EQ(document.Count(), 4);

  document.At(0)->m_kind = SpectrumKind::Emission;
  document.At(3)->m_kind = SpectrumKind::Emission;
  EXPECT_EQ(document.CountOfKind(SpectrumKind::Emission), 2);
  EXPECT_EQ(document.CountOfKind(SpectrumKind::LightSource), 0);

  auto built = std::make_unique<CSpectrum>();
  CSpectrum* appended = document.AppendSpectrum(std::move(built));
  EXPECT_EQ(document.At(4), appended);

  document.DeleteContents();
  EXPECT_EQ(document.Count(), 0);
}

TEST(LumivexData, AutomaticXRangeIsSnappedToMultiplesOfThePartitions) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    float low;
    float high;
    int partitions;
    int settingsApplied;
    int xAxisValues;
    bool withSpectrum;
    float snappedLow;
    float snappedHigh;
  };
  const Case cases[] = {
      {253.4f, 702.5f, 10, 0, 1, true, 250.0f, 700.0f},
      {258.0f, 706.0f, 10, 0, 1, true, 250.0f, 710.0f},
      {401.0f, 703.0f, 4, 0, 1, true, 400.0f, 704.0f},
      {253.4f, 702.5f, 0, 0, 1, true, 253.0f, 703.0f},   // fewer than one partition: one
      {253.4f, 702.5f, 10, 1, 1, true, 253.4f, 702.5f},  // the user's range is in force
      {253.4f, 702.5f, 10, 0, 0, true, 253.4f, 702.5f},  // no x values shown
      {253.4f, 702.5f, 10, 0, 1, false, 253.4f, 702.5f}, // nothing is drawn
      {253.4f, kInf, 10, 0, 1, true, 253.4f, kInf},
      {-3.0e10f, 702.5f, 10, 0, 1, true, -3.0e10f, 702.5f},
  };
  for (const Case& c : cases) {
    CLumivexData document;
    if (c.withSpectrum) {
      document.AddNewSpectrum();
    }
    document.m_xMin = c.low;
    document.m_xMax = c.high;
    document.m_xPartitions = c.partitions;
    document.m_settingsApplied = c.settingsApplied;
    document.m_xAxisValues = c.xAxisValues;
    document.SnapAutomaticXRange();
    EXPECT_EQ(document.m_xMin, c.snappedLow) << c.low << ".." << c.high << " / " << c.partitions;
    EXPECT_EQ(document.m_xMax, c.snappedHigh) << c.low << ".." << c.high << " / " << c.partitions;
  }
}

} // namespace
} // namespace lumivex
