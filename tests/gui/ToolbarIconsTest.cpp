#include "ToolbarIcons.h"
#include "ui/CommandIds.h"
#include "ui/CommandTable.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <map>

namespace lumivex {
namespace {

// How many pixels of the picture are not transparent.
int Covered(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
  }
  return count;
}

TEST(ToolbarIcons, EveryButtonHasItsOwnPictureAtBothResolutions) {
  std::map<int, QImage> pictures;
  for (const int id : ToolBar()) {
    if (id == 0) {
      continue;
    }
    const QIcon icon = gui::ToolbarIcon(id);
    ASSERT_FALSE(icon.isNull()) << id;
    const QImage normal = icon.pixmap(QSize(20, 18), 1.0).toImage();
    const QImage sharp = icon.pixmap(QSize(20, 18), 2.0).toImage();
    EXPECT_EQ(normal.size(), QSize(20, 18)) << id;
    EXPECT_EQ(sharp.size(), QSize(40, 36)) << id;
    // Drawn, but not a filled block.
    EXPECT_GT(Covered(normal), 40) << id;
    EXPECT_LT(Covered(normal), 20 * 18) << id;
    for (const auto& [other, picture] : pictures) {
      EXPECT_NE(picture, sharp) << id << " looks like " << other;
    }
    pictures.emplace(id, sharp);
  }
  EXPECT_TRUE(gui::ToolbarIcon(kIdExit).isNull());
}

} // namespace
} // namespace lumivex
