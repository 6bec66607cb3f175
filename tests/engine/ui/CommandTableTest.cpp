#include "ui/CommandTable.h"
#include "ui/CommandIds.h"

#include <gtest/gtest.h>

#include <set>

namespace lumivex {
namespace {

TEST(CommandTable, MenusHoldTheirItemsInOrderWithExactTexts) {
  const auto& menus = MenuBar();
  ASSERT_EQ(menus.size(), 7u);
  const std::vector<std::string> titles{"&File", "&Edit",  "&Modules", "&Curves",
                                        "&View", "&About", "&Help"};
  for (std::size_t i = 0; i < menus.size(); ++i) {
    EXPECT_EQ(menus[i].title, titles[i]);
    for (const int id : menus[i].items) {
      EXPECT_NE(FindCommand(id), nullptr) << id;
    }
  }
  EXPECT_EQ(menus[0].items.front(), kIdCloseSelectedFiles);
  EXPECT_EQ(menus[0].items.back(), kIdExit);
  EXPECT_EQ(FindCommand(kIdOpenDataFile)->menuText, "&Open Data File\tCtrl+O");
  EXPECT_EQ(FindCommand(kIdAutoScale)->menuText, "A&uto Scale\tCtr+U");
  EXPECT_EQ(FindCommand(kIdSetGraph)->menuText, "Set &Graph\tCtr+G");
  EXPECT_EQ(FindCommand(kIdFluorescenceLifetime)->menuText, "F&luorescence Lifetime Calculation");
  EXPECT_EQ(FindCommand(kIdPrint)->StatusText(), "Print current spectra");
  EXPECT_EQ(FindCommand(kIdPrint)->ToolTip(), "Print Spectra");
  EXPECT_EQ(FindCommand(kIdPeakSearch)->ToolTip(), "");
}

TEST(CommandTable, ToolbarOrderAndKeys) {
  const std::vector<int> expected{45810, 57600, 57601, 45795, 0,     42855, 42856, 0,
                                  42839, 57607, 0,     42799, 42800, 42796, 42798, 42797,
                                  42848, 0,     42801, 42864, 42852, 42846, 42842, 0,
                                  42813, 45805, 44777, 45804, 0,     57669, 42911, 42850};
  EXPECT_EQ(ToolBar(), expected);
  std::set<std::string> keys;
  for (const Accelerator& accelerator : Accelerators()) {
    EXPECT_TRUE(keys.insert(accelerator.key).second) << accelerator.key;
    EXPECT_NE(FindCommand(accelerator.command), nullptr) << accelerator.key;
  }
  const auto bound = [](const std::string& key) {
    for (const Accelerator& accelerator : Accelerators()) {
      if (accelerator.key == key) {
        return accelerator.command;
      }
    }
    return 0;
  };
  EXPECT_EQ(bound("Ctrl+U"), kIdAutoScale);
  EXPECT_EQ(bound("Del"), kIdCloseSelectedFiles);
  EXPECT_EQ(bound("Ctrl+X"), kIdCloseSelectedFiles);
  EXPECT_EQ(bound("F1"), kIdHelpContent);
  EXPECT_EQ(bound("Ctrl+C"), kIdCopyGraph);
}

TEST(CommandTable, OnlyBuiltCommandsAreAvailable) {
  for (const int id : {kIdFileNew,
                       kIdOpenDataFile,
                       kIdCloseSelectedFiles,
                       kIdSetGraph,
                       kIdAutoScale,
                       kIdResetGraph,
                       kIdExit,
                       kIdOverview,
                       kIdForster,
                       kIdTransmission,
                       kIdAddRecord,
                       kIdOscillatorStrength,
                       kIdFluorescenceLifetime,
                       kIdOpenDatabase,
                       kIdOpenMasterMolecule,
                       kIdOpenMasterSolar,
                       kIdRedrawStructure,
                       kIdPrint,
                       kIdMultipleComponent,
                       kIdEnergyTransferSimulation}) {
    EXPECT_TRUE(IsCommandAvailable(id)) << id;
  }
  for (const int id : {kIdPeakSearch, kIdListData}) {
    EXPECT_TRUE(IsCommandAvailable(id)) << id;
  }
  EXPECT_FALSE(IsCommandAvailable(1));
}

} // namespace
} // namespace lumivex
