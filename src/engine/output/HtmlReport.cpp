#include "output/HtmlReport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace lumivex {

namespace {

/// One image shape of a report: the VML shape and the size of its standard image (the
/// shape's size in points at 96 pixels to the inch).
struct ShapeKind {
  const char* id;
  const char* style;
  int width;
  int height;
};

constexpr ShapeKind kSmallShape{"_x0000_i1025", " style='width:179.25pt; height:147.75pt'>", 239,
                                197};
constexpr ShapeKind kLargeShape{"_x0000_i1027", " style='width:549pt;height:246.75pt'>", 732, 329};

/// The placeholder kinds in the order they are looked for, with the number of characters
/// each replaces.
enum class Placeholder { Donor, Acceptor, Spectrum, Structure, Number, Text, User, Date };

struct PlaceholderKind {
  Placeholder kind;
  std::string_view mark;
  std::size_t replaced;
};

constexpr std::array<PlaceholderKind, 8> kPlaceholders{{
    {Placeholder::Donor, "donor.gif", 9},
    {Placeholder::Acceptor, "acceptor.gif", 12},
    {Placeholder::Spectrum, "spectrum.gif", 12},
    {Placeholder::Structure, "structure.gif", 13},
    {Placeholder::Number, "d_a_t_a", 10},
    {Placeholder::Text, "i_n_p_u_t", 12},
    {Placeholder::User, "o_p_e_r", 7},
    {Placeholder::Date, "d_a_t_e", 7},
}};

// The one-digit forms end in an underscore so that slot 1 is not found inside slot 10.
std::string SlotMark(std::string_view mark, std::size_t slot) {
  std::string text = std::string(mark) + '_' + std::to_string(slot);
  if (slot < 10) {
    text += '_';
  }
  return text;
}

std::string FormatNumber(float value) {
  const double number = value;
  const int length = std::snprintf(nullptr, 0, "%4.4f", number);
  std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%4.4f", number);
  text.pop_back();
  return text;
}

// At most `limit` bytes of the text, never ending inside a UTF-8 character.
std::string_view CutText(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) {
    return text;
  }
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) {
    --end;
  }
  return text.substr(0, end);
}

// A path as an image address: percent-encoded (so it needs no escaping in an attribute), and
// a file address when it is absolute.
std::string ImageAddress(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string address = std::filesystem::path(path).is_absolute() ? "file://" : "";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                       c == '~' || c == '/';
    if (plain) {
      address += c;
    } else {
      address += '%';
      address += kHex[byte >> 4];
      address += kHex[byte & 0x0Fu];
    }
  }
  return address;
}

// The VML shape of a picture, closing the shape type the template opened just before it,
// then the same picture as a standard image for readers without VML. Both name the picture
// by the same address, so every reader finds the same file. A missing picture keeps the
// shape, with an empty source, and gets no image.
std::string ImageShape(const ShapeKind& shape, const std::string& path) {
  const std::string address = ImageAddress(path);
  std::string text = "</v:shapetype><v:shape id=\"";
  text += shape.id;
  text += "\" type=\"#_x0000_t75\"";
  text += shape.style;
  text += " <v:imagedata src=\"" + address + "\"/> </v:shape>";
  if (!path.empty()) {
    text += "<![if !vml]><img width=\"" + std::to_string(shape.width) + "\" height=\"" +
            std::to_string(shape.height) + "\" src=\"" + address + "\" v:shapes=\"" + shape.id +
            "\"><![endif]>";
  }
  return text;
}

std::string NumberReplacement(std::string_view chunk, const std::vector<float>& numbers) {
  std::string replacement;
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (chunk.find(SlotMark("d_a_t_a", k)) != std::string_view::npos &&
        numbers[k] != kNoReportNumber) {
      replacement = FormatNumber(numbers[k]);
    }
  }
  return replacement;
}

std::string TextReplacement(std::string_view chunk, const std::vector<std::string>& texts) {
  std::string replacement;
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (chunk.find(SlotMark("i_n_p_u_t", k)) != std::string_view::npos &&
        texts[k] != kNoReportText) {
      replacement = EscapeHtml(CutText(texts[k], kReportTextLength));
    }
  }
  return replacement;
}

std::string Replacement(Placeholder kind, std::string_view chunk, const ReportValues& values) {
  switch (kind) {
  case Placeholder::Donor:
    return ImageShape(kSmallShape, values.donorPicture);
  case Placeholder::Acceptor:
    return ImageShape(kSmallShape, values.acceptorPicture);
  case Placeholder::Spectrum:
    return ImageShape(kLargeShape, values.spectrumPicture);
  case Placeholder::Structure:
    return ImageShape(kSmallShape, values.structurePicture);
  case Placeholder::Number:
    return NumberReplacement(chunk, values.numbers);
  case Placeholder::Text:
    return TextReplacement(chunk, values.texts);
  case Placeholder::User:
    return EscapeHtml(values.userName);
  case Placeholder::Date:
    return values.date + '\n';
  }
  return {};
}

} // namespace

ReportSlots ReportSlotsOf(int moduleCode) {
  switch (moduleCode) {
  case 1:
    return {4, 4};
  case 2:
    return {9, 7};
  case 3:
    return {10, 2};
  case 4:
    return {30, 32};
  case 5:
    return {100, 30};
  case 6:
    return {3, 24};
  default:
    return {};
  }
}

ReportValues ReportValuesOf(int moduleCode, const ReportBlock& block) {
  const ReportSlots slots = ReportSlotsOf(moduleCode);
  ReportValues values;
  values.numbers.assign(static_cast<std::size_t>(slots.numbers), kNoReportNumber);
  values.texts.assign(static_cast<std::size_t>(slots.texts), kNoReportText);
  std::copy_n(block.numbers.begin(), std::min(block.numbers.size(), values.numbers.size()),
              values.numbers.begin());
  std::copy_n(block.texts.begin(), std::min(block.texts.size(), values.texts.size()),
              values.texts.begin());
  if (moduleCode == 2) {
    values.donorPicture = block.donorPicture;
    values.acceptorPicture = block.acceptorPicture;
  }
  return values;
}

std::string FormatReportDate(const std::tm& time) {
  static constexpr std::array<const char*, 7> kDays{"Sun", "Mon", "Tue", "Wed",
                                                    "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto day = static_cast<std::size_t>(std::clamp(time.tm_wday, 0, 6));
  const auto month = static_cast<std::size_t>(std::clamp(time.tm_mon, 0, 11));
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%s %s %2d %02d:%02d:%02d %d", kDays[day], kMonths[month],
                time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec, time.tm_year + 1900);
  return text.data();
}

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
    case '&':
      escaped += "&amp;";
      break;
    case '<':
      escaped += "&lt;";
      break;
    case '>':
      escaped += "&gt;";
      break;
    case '"':
      escaped += "&quot;";
      break;
    case '\'':
      escaped += "&#39;";
      break;
    default:
      escaped += c;
      break;
    }
  }
  return escaped;
}

std::string ReportHeader() {
  return "<!--[if !mso]>\n"
         "<style>\n"
         "v\\:* {behavior:url(#default#VML);}\n"
         "o\\:* {behavior:url(#default#VML);}\n"
         "w\\:* {behavior:url(#default#VML);}\n"
         ".shape {behavior:url(#default#VML);\n}"
         "</style>\n"
         "<![endif]-->\n"
         "<html xmlns:v=\"urn:schemas-microsoft-com:vml\"\n";
}

std::vector<std::string_view> TemplateChunks(std::string_view text) {
  std::vector<std::string_view> chunks;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t feed = text.find('\n', start);
    const std::size_t lineEnd = feed == std::string_view::npos ? text.size() : feed + 1;
    const std::size_t length = std::min(lineEnd - start, kReportChunkLength);
    chunks.push_back(text.substr(start, length));
    start += length;
  }
  return chunks;
}

std::string FillReportChunk(std::string_view chunk, const ReportValues& values) {
  for (const PlaceholderKind& placeholder : kPlaceholders) {
    const std::size_t position = chunk.find(placeholder.mark);
    if (position == std::string_view::npos) {
      continue;
    }
    const std::size_t rest = std::min(position + placeholder.replaced, chunk.size());
    std::string filled(chunk.substr(0, position));
    filled += Replacement(placeholder.kind, chunk, values);
    filled += chunk.substr(rest);
    return filled;
  }
  return std::string(chunk);
}

std::string FillReport(std::string_view templateText, const ReportValues& values) {
  std::string report = ReportHeader();
  for (const std::string_view chunk : TemplateChunks(templateText)) {
    report += FillReportChunk(chunk, values);
  }
  return report;
}

std::string ReportPicturePath(const std::string& reportPath) {
  std::filesystem::path picture(reportPath);
  picture.replace_filename(picture.stem().string() + "_spectrum.bmp");
  return picture.string();
}

} // namespace lumivex
