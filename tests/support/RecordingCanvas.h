#pragma once

#include "core/Canvas.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex::test {

/// What a canvas call did.
enum class CanvasOpKind {
  SetPen,
  Line,
  Polyline,
  SetFont,
  SetTextAlign,
  SetTextColour,
  Text,
  FillRect,
  FocusRect,
  StretchImage,
};

/// One recorded canvas call with the drawing state it ran under. Every operation carries
/// the pen, font, alignment and text colour current when it was made (for the Set...
/// calls: the state after the call), so a test can ask how anything was drawn.
struct CanvasOp {
  CanvasOpKind kind = CanvasOpKind::Line;
  /// Line: from and to; Polyline: its points; Text: the reference point; FillRect,
  /// FocusRect and StretchImage: top-left and bottom-right corners. Empty for the Set...
  /// calls.
  std::vector<CPoint> points;
  std::string text; ///< Text only
  CPen pen;
  CFont font;
  TextAlign align = TextAlign::LeftTop;
  /// The fill colour for FillRect, else the text colour.
  Rgb colour;
  RgbImage image{}; ///< StretchImage only: the picture as given
};

/// A text as drawn: the string, its reference point and the state it was drawn with.
struct DrawnText {
  std::string text;
  CPoint at;
  CFont font;
  TextAlign align = TextAlign::LeftTop;
  Rgb colour;
};

/// A straight line and the pen it was drawn with.
struct DrawnLine {
  CPoint from;
  CPoint to;
  CPen pen;
};

/// A polyline and the pen it was drawn with.
struct DrawnPolyline {
  std::vector<CPoint> points;
  CPen pen;
};

/// A canvas that draws nothing and records every call in order, for drawing tests.
///
/// Text is measured with a fixed metric so positions computed from extents are exact and
/// independent of any installed font: a text is 6/10 of the font height wide per
/// character (integer arithmetic, truncated) and one font height tall, whatever the
/// face, weight or escapement. The state starts as a default pen and font, LeftTop
/// alignment and black text.
class RecordingCanvas : public Canvas {
public:
  /// The fixed metric: {size * height * 6 / 10, height}.
  [[nodiscard]] static CSize Extent(std::string_view text, const CFont& font);

  void SetPen(const CPen& pen) override;
  [[nodiscard]] CPen Pen() const override { return m_pen; }
  void Line(CPoint from, CPoint to) override;
  void Polyline(const std::vector<CPoint>& points) override;

  void SetFont(const CFont& font) override;
  void SetTextAlign(TextAlign align) override;
  [[nodiscard]] TextAlign GetTextAlign() const override { return m_align; }
  void SetTextColour(Rgb colour) override;
  void Text(CPoint at, std::string_view text) override;
  [[nodiscard]] CSize TextExtent(std::string_view text) const override;

  void FillRect(const CRect& rect, Rgb colour) override;
  void FocusRect(const CRect& rect) override;
  void StretchImage(const CRect& target, const RgbImage& image) override;

  /// The current font (the canvas interface has no getter for it).
  [[nodiscard]] const CFont& Font() const { return m_font; }

  /// Every call so far, in order.
  [[nodiscard]] const std::vector<CanvasOp>& Ops() const { return m_ops; }
  /// The calls of one kind, in order.
  [[nodiscard]] std::vector<CanvasOp> OpsOfKind(CanvasOpKind kind) const;
  /// How many calls of a kind were made.
  [[nodiscard]] int Count(CanvasOpKind kind) const;
  /// True when anything visible was drawn: a line, polyline, text, rectangle or picture.
  [[nodiscard]] bool DrewAnything() const;

  /// Every text drawn, in order.
  [[nodiscard]] std::vector<DrawnText> Texts() const;
  /// The strings of every text drawn, in order.
  [[nodiscard]] std::vector<std::string> TextStrings() const;
  /// Every drawing of exactly `text`, in order.
  [[nodiscard]] std::vector<DrawnText> TextsEqualTo(std::string_view text) const;
  /// The first drawing of exactly `text`, if any.
  [[nodiscard]] std::optional<DrawnText> FindText(std::string_view text) const;

  /// Every straight line, in order.
  [[nodiscard]] std::vector<DrawnLine> Lines() const;
  /// Every polyline, in order.
  [[nodiscard]] std::vector<DrawnPolyline> Polylines() const;

  /// Forgets the recorded calls; the current drawing state stays.
  void Clear() { m_ops.clear(); }

private:
  void Record(CanvasOpKind kind, std::vector<CPoint> points = {}, std::string text = {});

  std::vector<CanvasOp> m_ops;
  CPen m_pen;
  CFont m_font;
  TextAlign m_align = TextAlign::LeftTop;
  Rgb m_textColour;
};

} // namespace lumivex::test
