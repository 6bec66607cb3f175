#include "core/SvgCanvas.h"

#include "core/Bitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace lumivex {

namespace {

// Advance widths of Helvetica's printable ASCII characters, space to tilde, in thousandths
// of the em; every other character is taken as wide as a digit.
constexpr std::array<std::uint16_t, 95> kHelveticaWidths{
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P.._
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // `..o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};     // p..~
constexpr int kDigitWidth = 556;
// A character cell of Helvetica is 1.15 em high, its ascent 0.93 em of it.
constexpr double kCellPerEm = 1.15;
constexpr double kAscentPerEm = 0.93;

std::string Colour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// The length of the valid UTF-8 sequence at the start of `text`, 0 when it is not one.
std::size_t Utf8Length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (text.size() < length) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return length;
}

// Text as XML character data: markup characters escaped, control characters XML cannot
// hold dropped and bytes that are no UTF-8 replaced by U+FFFD.
std::string Escaped(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t length = Utf8Length(text);
    const char c = text[0];
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      text.remove_prefix(1);
      continue;
    }
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (length > 1 || static_cast<unsigned char>(c) >= 0x20) {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) {
      group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    }
    if (i + 2 < bytes.size()) {
      group |= static_cast<unsigned char>(bytes[i + 2]);
    }
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
  }
  return out;
}

double EmOf(const CFont& font) {
  return std::max(font.height, 1) / kCellPerEm;
}

} // namespace

CSvgCanvas::CSvgCanvas(CSize size) : m_size(size) {}

std::string CSvgCanvas::Document() const {
  const std::string width = std::to_string(m_size.cx);
  const std::string height = std::to_string(m_size.cy);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
         "\">\n<rect width=\"" + width + "\" height=\"" + height +
         "\" fill=\"#ffffff\"/>\n"
         "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n" +
         m_body + "</g>\n</svg>\n";
}

std::string CSvgCanvas::Stroke() const {
  const int width = std::max(m_pen.width, 1);
  std::string stroke =
      " stroke=\"" + Colour(m_pen.colour) + "\" stroke-width=\"" + std::to_string(width) + "\"";
  if (m_pen.style == PenStyle::Dash) {
    stroke +=
        " stroke-dasharray=\"" + std::to_string(4 * width) + " " + std::to_string(2 * width) + "\"";
  }
  return stroke;
}

void CSvgCanvas::Line(CPoint from, CPoint to) {
  m_body += "<line x1=\"" + std::to_string(from.x) + "\" y1=\"" + std::to_string(from.y) +
            "\" x2=\"" + std::to_string(to.x) + "\" y2=\"" + std::to_string(to.y) + "\"" +
            Stroke() + "/>\n";
}

void CSvgCanvas::Polyline(const std::vector<CPoint>& points) {
  if (points.empty()) {
    return;
  }
  m_body += "<path" + Stroke() + " d=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    m_body += i == 0 ? "M" : (i == 1 ? "L" : " ");
    m_body += std::to_string(points[i].x);
    m_body += ' ';
    m_body += std::to_string(points[i].y);
  }
  m_body += "\"/>\n";
}

void CSvgCanvas::Text(CPoint at, std::string_view text) {
  if (text.empty()) {
    return;
  }
  const double em = EmOf(m_font);
  const char* anchor = "start";
  if (m_align == TextAlign::CentreTop) {
    anchor = "middle";
  } else if (m_align == TextAlign::RightTop) {
    anchor = "end";
  }
  // A turned text is laid out at the origin and moved into place, which every reader of
  // SVG follows.
  const bool turned = m_font.escapement != 0;
  m_body += "<text x=\"" + std::to_string(turned ? 0 : at.x) + "\" y=\"" +
            Number((turned ? 0 : at.y) + kAscentPerEm * em) +
            "\" font-family=\"Helvetica, Arial, sans-serif\" font-size=\"" + Number(em) +
            "\" text-anchor=\"" + anchor + "\" fill=\"" + Colour(m_textColour) +
            "\" stroke=\"none\"";
  if (m_font.weight >= 600) {
    m_body += " font-weight=\"bold\"";
  }
  if (turned) {
    m_body += " transform=\"translate(" + std::to_string(at.x) + " " + std::to_string(at.y) +
              ") rotate(" + Number(-m_font.escapement / 10.0) + ")\"";
  }
  m_body += ">" + Escaped(text) + "</text>\n";
}

CSize CSvgCanvas::TextExtent(std::string_view text) const {
  int thousandths = 0;
  while (!text.empty()) {
    const std::size_t length = std::max<std::size_t>(Utf8Length(text), 1);
    const auto c = static_cast<unsigned char>(text[0]);
    thousandths += c >= 0x20 && c < 0x7F ? kHelveticaWidths[c - 0x20] : kDigitWidth;
    text.remove_prefix(length);
  }
  const double em = EmOf(m_font);
  return {static_cast<int>(thousandths * em / 1000.0 + 0.5), std::max(m_font.height, 1)};
}

void CSvgCanvas::FillRect(const CRect& rect, Rgb colour) {
  m_body += "<rect x=\"" + std::to_string(rect.left) + "\" y=\"" + std::to_string(rect.top) +
            "\" width=\"" + std::to_string(rect.Width()) + "\" height=\"" +
            std::to_string(rect.Height()) + "\" fill=\"" + Colour(colour) +
            "\" stroke=\"none\"/>\n";
}

void CSvgCanvas::FocusRect(const CRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) {
    return;
  }
  m_body += "<rect x=\"" + Number(rect.left + 0.5) + "\" y=\"" + Number(rect.top + 0.5) +
            "\" width=\"" + std::to_string(rect.Width() - 1) + "\" height=\"" +
            std::to_string(rect.Height() - 1) +
            "\" stroke=\"#000000\" stroke-width=\"1\" stroke-dasharray=\"1 1\"/>\n";
}

void CSvgCanvas::StretchImage(const CRect& target, const RgbImage& image) {
  std::string problem;
  const std::string bitmap = BmpBytes(image, problem);
  if (!problem.empty() || target.Width() <= 0 || target.Height() <= 0) {
    return;
  }
  m_body += "<image x=\"" + std::to_string(target.left) + "\" y=\"" + std::to_string(target.top) +
            "\" width=\"" + std::to_string(target.Width()) + "\" height=\"" +
            std::to_string(target.Height()) +
            "\" preserveAspectRatio=\"none\" style=\"image-rendering:pixelated\" "
            "href=\"data:image/bmp;base64," +
            Base64(bitmap) + "\"/>\n";
}

} // namespace lumivex
