#include "curves/PeakSearch.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

using test::MakeSpectrum;

TEST(PeakSearch, IndicesForBothDirections) {
  const auto bump = [](float x) { return x == 450.0f || x == 460.0f ? 5.0f : 1.0f; };
  const CSpectrum ascending = MakeSpectrum(300.0f, 1.0f, 401, bump);   // 300..700
  const CSpectrum descending = MakeSpectrum(700.0f, -1.0f, 401, bump); // 700..300
  struct Case {
    const CSpectrum* spectrum;
    float start, end;
    int first, last;
    bool inBounds;
    std::optional<float> found;
  };
  const Case cases[] = {
      {&ascending, 400, 500, 100, 200, true, 450.0f},  // the lower index of two equal maxima
      {&descending, 400, 500, 200, 300, true, 460.0f}, // the same wavelengths, stored the other way
      {&ascending, 250, 500, -50, 200, false, std::nullopt},
      {&ascending, 600, 700, 300, 400, true, 600.0f},       // the last wavelength is index n - 1
      {&ascending, 500, 400, 200, 100, true, std::nullopt}, // start above end: nothing compared
  };
  for (const Case& c : cases) {
    const PeakSearchResult r = SearchPeak(*c.spectrum, c.start, c.end);
    EXPECT_EQ(r.startIndex, c.first) << c.start;
    EXPECT_EQ(r.endIndex, c.last) << c.start;
    EXPECT_EQ(r.inBounds, c.inBounds) << c.start;
    EXPECT_EQ(r.found, c.found) << c.start;
  }
}

TEST(PeakSearch, NothingAboveZeroFindsNoPeak) {
  const CSpectrum negative = MakeSpectrum(300.0f, 1.0f, 401, [](float) { return -1.0f; });
  const PeakSearchResult r = SearchPeak(negative, 400.0f, 500.0f);
  EXPECT_TRUE(r.inBounds);
  EXPECT_FALSE(r.found);
}

} // namespace
} // namespace lumivex
