#pragma once

#include "core/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// A canvas that writes an SVG drawing of `size` device units on a white ground: a line is
/// a line element, a polyline one path element, a text one text element in a sans-serif
/// font, turned for an escapement; a picture is embedded as a bitmap. Text extents come
/// from the widths of the Helvetica characters, so text is laid out as on a screen that
/// shows that face; the reader of the file draws it with its own font.
class CSvgCanvas final : public Canvas {
public:
  explicit CSvgCanvas(CSize size);

  /// The complete SVG document drawn so far.
  [[nodiscard]] std::string Document() const;

  void SetPen(const CPen& pen) override { m_pen = pen; }
  [[nodiscard]] CPen Pen() const override { return m_pen; }
  void Line(CPoint from, CPoint to) override;
  void Polyline(const std::vector<CPoint>& points) override;

  void SetFont(const CFont& font) override { m_font = font; }
  void SetTextAlign(TextAlign align) override { m_align = align; }
  [[nodiscard]] TextAlign GetTextAlign() const override { return m_align; }
  void SetTextColour(Rgb colour) override { m_textColour = colour; }
  void Text(CPoint at, std::string_view text) override;
  [[nodiscard]] CSize TextExtent(std::string_view text) const override;

  void FillRect(const CRect& rect, Rgb colour) override;
  void FocusRect(const CRect& rect) override;
  void StretchImage(const CRect& target, const RgbImage& image) override;

private:
  /// The stroke attributes of the current pen.
  [[nodiscard]] std::string Stroke() const;

  CSize m_size;
  std::string m_body;
  CPen m_pen;
  CFont m_font;
  TextAlign m_align = TextAlign::LeftTop;
  Rgb m_textColour;
};

} // namespace lumivex
