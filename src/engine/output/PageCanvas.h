#pragma once

#include "core/Canvas.h"

namespace lumivex {

/// A printed page seen through the main window's client area: drawing in logical units
/// (client pixels) lands on the device canvas scaled isotropically, so the whole logical
/// area fits the printable area with its aspect ratio kept. One factor serves both axes:
/// the smaller of device width / logical width and device height / logical height, the
/// origin staying at the top left. Coordinates, rectangles, font heights and pen widths are
/// scaled; text extents are reported back in logical units.
class CPageCanvas final : public Canvas {
public:
  /// Maps `logical` onto `device`, the printable size of `page`. A logical size without
  /// area maps one to one. Sets the page's pen, font, alignment and text colour to the
  /// defaults, so the logical and the device state agree from the start.
  CPageCanvas(Canvas& page, CSize logical, CSize device);

  /// Device units per logical unit.
  [[nodiscard]] double Scale() const { return m_scale; }
  /// A logical position on the device.
  [[nodiscard]] CPoint ToDevice(CPoint point) const;
  /// A logical length on the device.
  [[nodiscard]] int ToDevice(int length) const;
  /// The current font, in logical units.
  [[nodiscard]] const CFont& Font() const { return m_font; }

  void SetPen(const CPen& pen) override;
  [[nodiscard]] CPen Pen() const override { return m_pen; }
  void Line(CPoint from, CPoint to) override;
  void Polyline(const std::vector<CPoint>& points) override;

  void SetFont(const CFont& font) override;
  void SetTextAlign(TextAlign align) override { m_page.SetTextAlign(align); }
  [[nodiscard]] TextAlign GetTextAlign() const override { return m_page.GetTextAlign(); }
  void SetTextColour(Rgb colour) override { m_page.SetTextColour(colour); }
  void Text(CPoint at, std::string_view text) override;
  [[nodiscard]] CSize TextExtent(std::string_view text) const override;

  void FillRect(const CRect& rect, Rgb colour) override;
  void FocusRect(const CRect& rect) override;
  void StretchImage(const CRect& target, const RgbImage& image) override;

private:
  [[nodiscard]] CRect ToDevice(const CRect& rect) const;

  Canvas& m_page;
  double m_scale = 1.0;
  CPen m_pen;
  CFont m_font;
};

} // namespace lumivex
