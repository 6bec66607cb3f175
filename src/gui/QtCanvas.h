#pragma once

#include "core/Canvas.h"

#include <QFont>

class QPainter;

namespace lumivex::gui {

/// The engine's canvas over a QPainter: a window, an image, a printer or a PDF page.
/// Lines are drawn without antialiasing so plots stay crisp; text is antialiased. Pens are
/// drawn `penScale` times as wide as asked, for a surface of that many pixels per device
/// unit the drawing was laid out for (a high-density screen).
class QtCanvas final : public Canvas {
public:
  explicit QtCanvas(QPainter& painter, int penScale = 1);

  void SetPen(const CPen& pen) override;
  [[nodiscard]] CPen Pen() const override { return m_pen; }
  void Line(CPoint from, CPoint to) override;
  void Polyline(const std::vector<CPoint>& points) override;

  void SetFont(const CFont& font) override;
  void SetTextAlign(TextAlign align) override { m_align = align; }
  [[nodiscard]] TextAlign GetTextAlign() const override { return m_align; }
  void SetTextColour(Rgb colour) override { m_textColour = colour; }
  void Text(CPoint at, std::string_view text) override;
  [[nodiscard]] CSize TextExtent(std::string_view text) const override;

  void FillRect(const CRect& rect, Rgb colour) override;
  void FocusRect(const CRect& rect) override;
  /// Scales the picture to the rectangle's size by nearest neighbour (ScaleImage), so
  /// every surface shows the same pixels, and draws it there.
  void StretchImage(const CRect& target, const RgbImage& image) override;

private:
  QPainter& m_painter;
  int m_penScale = 1;
  CPen m_pen;
  QFont m_font;
  int m_escapement = 0;
  TextAlign m_align = TextAlign::LeftTop;
  Rgb m_textColour;
};

} // namespace lumivex::gui
