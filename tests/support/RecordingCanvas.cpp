#include "RecordingCanvas.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace lumivex::test {

CSize RecordingCanvas::Extent(std::string_view text, const CFont& font) {
  const int length = static_cast<int>(text.size());
  return {length * font.height * 6 / 10, font.height};
}

void RecordingCanvas::Record(CanvasOpKind kind, std::vector<CPoint> points, std::string text) {
  m_ops.push_back({kind, std::move(points), std::move(text), m_pen, m_font, m_align, m_textColour});
}

void RecordingCanvas::SetPen(const CPen& pen) {
  m_pen = pen;
  Record(CanvasOpKind::SetPen);
}

void RecordingCanvas::Line(CPoint from, CPoint to) {
  Record(CanvasOpKind::Line, {from, to});
}

void RecordingCanvas::Polyline(const std::vector<CPoint>& points) {
  Record(CanvasOpKind::Polyline, points);
}

void RecordingCanvas::SetFont(const CFont& font) {
  m_font = font;
  Record(CanvasOpKind::SetFont);
}

void RecordingCanvas::SetTextAlign(TextAlign align) {
  m_align = align;
  Record(CanvasOpKind::SetTextAlign);
}

void RecordingCanvas::SetTextColour(Rgb colour) {
  m_textColour = colour;
  Record(CanvasOpKind::SetTextColour);
}

void RecordingCanvas::Text(CPoint at, std::string_view text) {
  Record(CanvasOpKind::Text, {at}, std::string(text));
}

CSize RecordingCanvas::TextExtent(std::string_view text) const {
  return Extent(text, m_font);
}

void RecordingCanvas::FillRect(const CRect& rect, Rgb colour) {
  Record(CanvasOpKind::FillRect, {{rect.left, rect.top}, {rect.right, rect.bottom}});
  m_ops.back().colour = colour;
}

void RecordingCanvas::FocusRect(const CRect& rect) {
  Record(CanvasOpKind::FocusRect, {{rect.left, rect.top}, {rect.right, rect.bottom}});
}

void RecordingCanvas::StretchImage(const CRect& target, const RgbImage& image) {
  Record(CanvasOpKind::StretchImage, {{target.left, target.top}, {target.right, target.bottom}});
  m_ops.back().image = image;
}

std::vector<CanvasOp> RecordingCanvas::OpsOfKind(CanvasOpKind kind) const {
  std::vector<CanvasOp> ops;
  std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(ops),
               [kind](const CanvasOp& op) { return op.kind == kind; });
  return ops;
}

int RecordingCanvas::Count(CanvasOpKind kind) const {
  return static_cast<int>(std::count_if(m_ops.begin(), m_ops.end(),
                                        [kind](const CanvasOp& op) { return op.kind == kind; }));
}

bool RecordingCanvas::DrewAnything() const {
  return std::any_of(m_ops.begin(), m_ops.end(), [](const CanvasOp& op) {
    switch (op.kind) {
    case CanvasOpKind::Line:
    case CanvasOpKind::Polyline:
    case CanvasOpKind::Text:
    case CanvasOpKind::FillRect:
    case CanvasOpKind::FocusRect:
    case CanvasOpKind::StretchImage:
      return true;
    case CanvasOpKind::SetPen:
    case CanvasOpKind::SetFont:
    case CanvasOpKind::SetTextAlign:
    case CanvasOpKind::SetTextColour:
      break;
    }
    return false;
  });
}

std::vector<DrawnText> RecordingCanvas::Texts() const {
  std::vector<DrawnText> texts;
  for (const CanvasOp& op : m_ops) {
    if (op.kind == CanvasOpKind::Text) {
      texts.push_back({op.text, op.points.front(), op.font, op.align, op.colour});
    }
  }
  return texts;
}

std::vector<std::string> RecordingCanvas::TextStrings() const {
  std::vector<std::string> strings;
  for (const DrawnText& text : Texts()) {
    strings.push_back(text.text);
  }
  return strings;
}

std::vector<DrawnText> RecordingCanvas::TextsEqualTo(std::string_view text) const {
  std::vector<DrawnText> texts = Texts();
  std::erase_if(texts, [text](const DrawnText& drawn) { return drawn.text != text; });
  return texts;
}

std::optional<DrawnText> RecordingCanvas::FindText(std::string_view text) const {
  const std::vector<DrawnText> texts = TextsEqualTo(text);
  if (texts.empty()) {
    return std::nullopt;
  }
  return texts.front();
}

std::vector<DrawnLine> RecordingCanvas::Lines() const {
  std::vector<DrawnLine> lines;
  for (const CanvasOp& op : m_ops) {
    if (op.kind == CanvasOpKind::Line) {
      lines.push_back({op.points[0], op.points[1], op.pen});
    }
  }
  return lines;
}

std::vector<DrawnPolyline> RecordingCanvas::Polylines() const {
  std::vector<DrawnPolyline> polylines;
  for (const CanvasOp& op : m_ops) {
    if (op.kind == CanvasOpKind::Polyline) {
      polylines.push_back({op.points, op.pen});
    }
  }
  return polylines;
}

} // namespace lumivex::test
