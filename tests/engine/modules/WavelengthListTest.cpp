#include "modules/WavelengthList.h"
#include "TestSupport.h"

namespace lumivex {
namespace {

TEST(WavelengthList, EntriesNameTheComponentAndAFullListRefuses) {
  CWavelengthList list(McaWavelengthCapacity(1));
  ASSERT_EQ(list.Capacity(), 3);
  EXPECT_FALSE(list.Add(450.0f, "Perylene"));
  EXPECT_FALSE(list.Add(512.346f, "Coumarin 153"));
  EXPECT_FALSE(list.Add(600.0f, "Nile Red"));
  const auto refused = list.Add(640.0f, "Nile Red");
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("640.00 nm"), std::string::npos) << *refused;
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Wavelengths(), (std::vector<float>{450.0f, 512.346f, 600.0f}));
  EXPECT_EQ(list.Entries()[0], "450.00     Perylene");
  EXPECT_EQ(list.Entries()[1], "512.35     Coumarin 153");
}

TEST(WavelengthList, TransferRoomIsThreePerSpectrumUpToFifty) {
  EXPECT_EQ(TransferWavelengthCapacity(4), 12);
  EXPECT_EQ(TransferWavelengthCapacity(16), 48);
  EXPECT_EQ(TransferWavelengthCapacity(17), 50);
  EXPECT_EQ(TransferWavelengthCapacity(30), 50);
}

TEST(WavelengthList, ReverseAnalysisNeedsTwoComponentsBesidesTheMeasuredSpectrum) {
  const ReverseToggle two = ToggleReverse({false, 2});
  EXPECT_FALSE(two.reverse);
  EXPECT_EQ(two.displayed, 2);

  const ReverseToggle on = ToggleReverse({false, 3});
  EXPECT_TRUE(on.reverse);
  EXPECT_EQ(on.displayed, 2);
  const ReverseToggle off = ToggleReverse(on);
  EXPECT_FALSE(off.reverse);
  EXPECT_EQ(off.displayed, 3);
}

} // namespace
} // namespace lumivex
