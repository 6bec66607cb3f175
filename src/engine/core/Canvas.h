#pragma once

#include "core/Bitmap.h"
#include "core/LumivexData.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// A point in device units.
struct CPoint {
  int x = 0;
  int y = 0;
  bool operator==(const CPoint&) const = default;
};

/// A size in device units.
struct CSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const CSize&) const = default;
};

/// A rectangle in device units; right and bottom lie just outside it, as on screen.
struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  [[nodiscard]] int Width() const { return right - left; }
  [[nodiscard]] int Height() const { return bottom - top; }
  bool operator==(const CRect&) const = default;
};

enum class PenStyle { Solid, Dash };

/// A pen: width in device units, colour and dash style.
struct CPen {
  int width = 1;
  Rgb colour;
  PenStyle style = PenStyle::Solid;
  bool operator==(const CPen&) const = default;
};

/// A font by face name and height in device units (the cell height). Escapement is the
/// text direction in tenths of a degree, counter-clockwise: 900 reads upward.
struct CFont {
  std::string face = "Helvetica";
  int height = 10;
  int weight = 400;
  int escapement = 0;
  bool operator==(const CFont&) const = default;
};

/// Where a text's reference point lies: horizontally left, centre or right; vertically at
/// the text's top (the only vertical alignment the program uses).
enum class TextAlign { LeftTop, CentreTop, RightTop };

/// The subset of a 2-D drawing surface the program draws with. Implemented over QPainter
/// for windows, images, printers and PDF, and by a recording canvas in tests.
class Canvas {
public:
  virtual ~Canvas() = default;

  virtual void SetPen(const CPen& pen) = 0;
  [[nodiscard]] virtual CPen Pen() const = 0;
  virtual void Line(CPoint from, CPoint to) = 0;
  virtual void Polyline(const std::vector<CPoint>& points) = 0;

  virtual void SetFont(const CFont& font) = 0;
  virtual void SetTextAlign(TextAlign align) = 0;
  [[nodiscard]] virtual TextAlign GetTextAlign() const = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  /// Draws text at the reference point (see TextAlign); with an escapement of 900 the
  /// text runs upward from the point and "top" is its left side.
  virtual void Text(CPoint at, std::string_view text) = 0;
  /// Width and height of the text in the current font, as if drawn horizontally.
  [[nodiscard]] virtual CSize TextExtent(std::string_view text) const = 0;

  virtual void FillRect(const CRect& rect, Rgb colour) = 0;
  virtual void FocusRect(const CRect& rect) = 0;

  /// Draws the whole picture stretched (or shrunk) to fill the rectangle.
  virtual void StretchImage(const CRect& target, const RgbImage& image) = 0;
};

/// Saves and restores a canvas's pen around a scope.
class CPenKeeper {
public:
  explicit CPenKeeper(Canvas& canvas) : m_canvas(canvas), m_pen(canvas.Pen()) {}
  ~CPenKeeper() { m_canvas.SetPen(m_pen); }
  CPenKeeper(const CPenKeeper&) = delete;
  CPenKeeper& operator=(const CPenKeeper&) = delete;

private:
  Canvas& m_canvas;
  CPen m_pen;
};

} // namespace lumivex
