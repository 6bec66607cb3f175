#include "GraphImage.h"

#include "QtCanvas.h"
#include "ui/GraphPainter.h"

#include <QPainter>

namespace lumivex::gui {

QImage RenderGraphImage(CLumivexData& data, QSize size, bool monochrome) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  DrawGraph(data, canvas, {size.width(), size.height()}, monochrome);
  return image;
}

RgbImage ToRgbImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  RgbImage picture;
  picture.width = rgb.width();
  picture.height = rgb.height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* row = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      picture.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
    }
  }
  return picture;
}

} // namespace lumivex::gui
