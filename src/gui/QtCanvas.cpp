#include "QtCanvas.h"

#include "database/Dib.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cstddef>

namespace lumivex::gui {

namespace {

QColor ToQColor(Rgb colour) {
  return {colour.r, colour.g, colour.b};
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const CRect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, int penScale)
    : m_painter(painter), m_penScale(std::max(1, penScale)), m_font(m_painter.font()) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setBrush(Qt::NoBrush);
  SetPen(m_pen);
}

void QtCanvas::SetPen(const CPen& pen) {
  m_pen = pen;
  QPen qpen(ToQColor(pen.colour), pen.width * m_penScale,
            pen.style == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
            Qt::RoundJoin);
  qpen.setCosmetic(false);
  m_painter.setPen(qpen);
}

void QtCanvas::Line(CPoint from, CPoint to) {
  m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::Polyline(const std::vector<CPoint>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const CPoint& point : points) {
    polygon.append({point.x, point.y});
  }
  m_painter.drawPolyline(polygon);
}

void QtCanvas::SetFont(const CFont& font) {
  m_font = QFont(QString::fromStdString(font.face));
  const int height = std::max(font.height, 1);
  m_font.setPixelSize(height);
  m_font.setWeight(QFont::Normal);
  m_font.setStyleHint(QFont::SansSerif);
  // The height asked for is the whole character cell, accents and descenders included;
  // Qt's pixel size is the em, which is smaller. Shrink the em until the cell fits.
  const qreal cell = QFontMetricsF(m_font, m_painter.device()).height();
  int em = std::max(1, static_cast<int>(height * height / cell));
  m_font.setPixelSize(em);
  while (em > 1 && QFontMetrics(m_font, m_painter.device()).height() > height) {
    m_font.setPixelSize(--em);
  }
  m_escapement = font.escapement;
}

void QtCanvas::Text(CPoint at, std::string_view text) {
  const QString string = ToQString(text);
  const QFontMetrics metrics(m_font, m_painter.device());
  const int width = metrics.horizontalAdvance(string);
  int left = 0;
  switch (m_align) {
  case TextAlign::LeftTop:
    break;
  case TextAlign::CentreTop:
    left = -width / 2;
    break;
  case TextAlign::RightTop:
    left = -width;
    break;
  }
  m_painter.save();
  m_painter.setFont(m_font);
  m_painter.setPen(ToQColor(m_textColour));
  // The text is laid out horizontally with its cell's top at the origin, then turned
  // about the reference point: an escapement of 900 reads upward.
  m_painter.translate(at.x, at.y);
  if (m_escapement != 0) {
    m_painter.rotate(-m_escapement / 10.0);
  }
  m_painter.drawText(QPoint(left, metrics.ascent()), string);
  m_painter.restore();
}

CSize QtCanvas::TextExtent(std::string_view text) const {
  const QFontMetrics metrics(m_font, m_painter.device());
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QtCanvas::FillRect(const CRect& rect, Rgb colour) {
  m_painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::FocusRect(const CRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) {
    return;
  }
  m_painter.save();
  QPen dotted(Qt::black, 1, Qt::DotLine);
  dotted.setCosmetic(true);
  m_painter.setPen(dotted);
  m_painter.drawRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1);
  m_painter.restore();
}

void QtCanvas::StretchImage(const CRect& target, const RgbImage& image) {
  const RgbImage scaled = ScaleImage(image, {target.Width(), target.Height()});
  if (scaled.pixels.empty()) {
    return;
  }
  QImage picture(scaled.width, scaled.height, QImage::Format_RGB888);
  for (int y = 0; y < scaled.height; ++y) {
    uchar* line = picture.scanLine(y);
    const std::size_t first = static_cast<std::size_t>(y) * static_cast<std::size_t>(scaled.width);
    for (std::size_t x = 0; x < static_cast<std::size_t>(scaled.width); ++x) {
      const Rgb& pixel = scaled.pixels[first + x];
      line[3 * x] = pixel.r;
      line[3 * x + 1] = pixel.g;
      line[3 * x + 2] = pixel.b;
    }
  }
  m_painter.drawImage(QPoint(target.left, target.top), picture);
}

} // namespace lumivex::gui
