#include "output/PageCanvas.h"

#include <algorithm>
#include <cmath>

namespace lumivex {

CPageCanvas::CPageCanvas(Canvas& page, CSize logical, CSize device) : m_page(page) {
  if (logical.cx > 0 && logical.cy > 0 && device.cx > 0 && device.cy > 0) {
    m_scale = std::min(static_cast<double>(device.cx) / logical.cx,
                       static_cast<double>(device.cy) / logical.cy);
  }
  SetPen(m_pen);
  SetFont(m_font);
  m_page.SetTextAlign(TextAlign::LeftTop);
  m_page.SetTextColour({0, 0, 0});
}

CPoint CPageCanvas::ToDevice(CPoint point) const {
  return {ToDevice(point.x), ToDevice(point.y)};
}

int CPageCanvas::ToDevice(int length) const {
  return static_cast<int>(std::lround(length * m_scale));
}

CRect CPageCanvas::ToDevice(const CRect& rect) const {
  return {ToDevice(rect.left), ToDevice(rect.top), ToDevice(rect.right), ToDevice(rect.bottom)};
}

void CPageCanvas::SetPen(const CPen& pen) {
  m_pen = pen;
  CPen scaled = pen;
  // A pen of width 0 is one device pixel wide whatever the scale; any other keeps at least
  // one device pixel.
  scaled.width = pen.width == 0 ? 0 : std::max(1, ToDevice(pen.width));
  m_page.SetPen(scaled);
}

void CPageCanvas::Line(CPoint from, CPoint to) {
  m_page.Line(ToDevice(from), ToDevice(to));
}

void CPageCanvas::Polyline(const std::vector<CPoint>& points) {
  std::vector<CPoint> mapped;
  mapped.reserve(points.size());
  for (const CPoint& point : points) {
    mapped.push_back(ToDevice(point));
  }
  m_page.Polyline(mapped);
}

void CPageCanvas::SetFont(const CFont& font) {
  m_font = font;
  CFont scaled = font;
  scaled.height = std::max(1, ToDevice(font.height));
  m_page.SetFont(scaled);
}

void CPageCanvas::Text(CPoint at, std::string_view text) {
  m_page.Text(ToDevice(at), text);
}

CSize CPageCanvas::TextExtent(std::string_view text) const {
  const CSize device = m_page.TextExtent(text);
  return {static_cast<int>(std::lround(device.cx / m_scale)),
          static_cast<int>(std::lround(device.cy / m_scale))};
}

void CPageCanvas::FillRect(const CRect& rect, Rgb colour) {
  m_page.FillRect(ToDevice(rect), colour);
}

void CPageCanvas::FocusRect(const CRect& rect) {
  m_page.FocusRect(ToDevice(rect));
}

void CPageCanvas::StretchImage(const CRect& target, const RgbImage& image) {
  m_page.StretchImage(ToDevice(target), image);
}

} // namespace lumivex
