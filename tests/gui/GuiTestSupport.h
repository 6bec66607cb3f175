#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace lumivex::test {

/// The smallest rectangle holding every pixel that differs from `background`; empty when
/// there is none.
inline QRect InkBounds(const QImage& image, QColor background = Qt::white) {
  QRect bounds;
  const QRgb paper = background.rgb();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != paper) {
        bounds |= QRect(x, y, 1, 1);
      }
    }
  }
  return bounds;
}

/// How many pixels have exactly this colour.
inline int CountPixels(const QImage& image, QColor colour) {
  int count = 0;
  const QRgb wanted = colour.rgb();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixel(x, y) == wanted ? 1 : 0;
    }
  }
  return count;
}

/// How many pixels differ from `background`.
inline int CountInk(const QImage& image, QColor background = Qt::white) {
  return image.width() * image.height() - CountPixels(image, background);
}

} // namespace lumivex::test
