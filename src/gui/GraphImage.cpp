#include "GraphImage.h"

#include "QtCanvas.h"
#include "ui/GraphPainter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace lumivex::gui {

QImage RenderGraphImage(CLumivexData& data, QSize size, bool monochrome) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  DrawGraph(data, canvas, {size.width(), size.height()}, monochrome);
  return image;
}

QImage ScaledGraphImage(const CLumivexData& data, QSize size, int scale) {
  const int factor = std::clamp(scale, 1, 4);
  QImage image(size * factor, QImage::Format_RGB32);
  if (image.isNull()) {
    return image;
  }
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, factor);
    DrawGraph(data, canvas, {image.width(), image.height()}, false);
  }
  return image;
}

QByteArray GraphPng(const CLumivexData& data, QSize size, int scale) {
  const QImage image = ScaledGraphImage(data, size, scale);
  if (image.isNull()) {
    return {};
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray GraphPdf(const CLumivexData& data, QSize size) {
  // Laid out at four device units a point, so positions are finer than the window's pixels
  // while pens and fonts keep their proportions.
  constexpr int kUnitsPerPoint = 4;
  if (size.isEmpty()) {
    return {};
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Lumivex"));
    writer.setTitle(QString::fromStdString(data.m_title));
    writer.setResolution(72 * kUnitsPerPoint);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!writer.setPageSize(
            QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch))) {
      return {};
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
      return {};
    }
    QtCanvas canvas(painter, kUnitsPerPoint);
    DrawGraph(data, canvas, {writer.width(), writer.height()}, false);
    painter.end();
  }
  return bytes;
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
