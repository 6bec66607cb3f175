#include "import/Jcamp.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace lumivex {

namespace {

struct Line {
  std::string_view text; ///< without its line break and without a "$$" comment
  int number = 0;        ///< counting from 1
};

// The lines of the text: "\r\n", "\n" and a lone "\r" each end one; a byte-order mark at the
// start is dropped.
std::vector<Line> SplitLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  std::vector<Line> lines;
  std::size_t begin = 0;
  int number = 1;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    std::string_view line = text.substr(begin, end - begin);
    if (const std::size_t comment = line.find("$$"); comment != std::string_view::npos) {
      line = line.substr(0, comment);
    }
    lines.push_back({line, number++});
    begin = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
      ++begin;
    }
  }
  return lines;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

// A labelled data record's first line: "##LABEL= value".
struct LabelLine {
  std::string label;
  std::string_view value;
};

std::optional<LabelLine> SplitLabel(std::string_view line) {
  line = Trim(line);
  if (!line.starts_with("##")) {
    return std::nullopt;
  }
  line.remove_prefix(2);
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return LabelLine{NormalizeJcampLabel(line), {}};
  }
  return LabelLine{NormalizeJcampLabel(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// An AFFN number of a label's value ("4.47484259e+02", "+1", ".017452"); nothing when the
// value is not one finite number.
std::optional<double> LabelNumber(std::string_view value) {
  value = Trim(value);
  if (value.starts_with('+')) {
    value.remove_prefix(1);
  }
  double number = 0.0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size() || !std::isfinite(number)) {
    return std::nullopt;
  }
  return number;
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

// One value of an ASDF or AFFN data line.
enum class Token {
  Absolute,   ///< AFFN, PAC or SQZ: a value of its own
  Difference, ///< DIF: added to the value before it
  Repeat,     ///< DUP: how often the value or difference before it occurs in all
};

struct Value {
  Token token = Token::Absolute;
  double number = 0.0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the data values of one line, one at a time.
class DataLineReader {
public:
  explicit DataLineReader(std::string_view text) : m_text(text) {}

  // The next value into `value`; false at the end of the line or on a fault, which then
  // leaves a message in `error`.
  bool Next(Value& value, std::string& error) {
    while (m_pos < m_text.size() && (IsBlank(m_text[m_pos]) || m_text[m_pos] == ',')) {
      ++m_pos;
    }
    if (m_pos >= m_text.size()) {
      return false;
    }
    const char c = m_text[m_pos];
    if (c == '+' || c == '-' || c == '.' || IsDigit(c)) {
      return Affn(value, error);
    }
    if (c == '@' || (c >= 'A' && c <= 'I') || (c >= 'a' && c <= 'i')) {
      const int digit = c == '@' ? 0 : c <= 'I' ? c - 'A' + 1 : -(c - 'a' + 1);
      value.token = Token::Absolute;
      return Compressed(digit, value, error);
    }
    if (c == '%' || (c >= 'J' && c <= 'R') || (c >= 'j' && c <= 'r')) {
      const int digit = c == '%' ? 0 : c <= 'R' ? c - 'J' + 1 : -(c - 'j' + 1);
      value.token = Token::Difference;
      return Compressed(digit, value, error);
    }
    if ((c >= 'S' && c <= 'Z') || c == 's') {
      return Repeat(c == 's' ? 9 : c - 'S' + 1, value, error);
    }
    if (c == '?') {
      error = "'?' marks a missing value, which cannot be read";
    } else {
      error = Quoted(std::string_view(&c, 1)) + " is not part of a JCAMP-DX number";
    }
    return false;
  }

private:
  // The mantissa digits and point from m_pos on, and an exponent: "E" or "e" followed by a
  // sign and a digit, or by a digit after a mantissa with a point. Without that rule "1E5"
  // could not be told from the value 1 followed by the SQZ value 55.
  std::size_t NumberEnd(std::size_t from) const {
    std::size_t end = from;
    bool point = false;
    while (end < m_text.size() && (IsDigit(m_text[end]) || (m_text[end] == '.' && !point))) {
      point = point || m_text[end] == '.';
      ++end;
    }
    if (end < m_text.size() && (m_text[end] == 'E' || m_text[end] == 'e')) {
      const std::size_t next = end + 1;
      const bool signed_ = next + 1 < m_text.size() &&
                           (m_text[next] == '+' || m_text[next] == '-') &&
                           IsDigit(m_text[next + 1]);
      const bool digit = point && next < m_text.size() && IsDigit(m_text[next]);
      if (signed_ || digit) {
        end = next + (signed_ ? 1 : 0);
        while (end < m_text.size() && IsDigit(m_text[end])) {
          ++end;
        }
      }
    }
    return end;
  }

  bool Convert(std::string_view digits, bool negative, Value& value, std::string& error) {
    double number = 0.0;
    const auto [end, code] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (code != std::errc() || end != digits.data() + digits.size() || !std::isfinite(number)) {
      error = Quoted(digits) + " is not a finite number";
      return false;
    }
    value.number = negative ? -number : number;
    return true;
  }

  bool Affn(Value& value, std::string& error) {
    const bool negative = m_text[m_pos] == '-';
    if (m_text[m_pos] == '+' || m_text[m_pos] == '-') {
      ++m_pos;
    }
    const std::size_t end = NumberEnd(m_pos);
    const std::string_view digits = m_text.substr(m_pos, end - m_pos);
    if (digits.empty() || digits == ".") {
      error = "a sign or point without digits";
      return false;
    }
    m_pos = end;
    value.token = Token::Absolute;
    return Convert(digits, negative, value, error);
  }

  // An SQZ or DIF value: its first digit from the letter, then the digits that follow.
  bool Compressed(int digit, Value& value, std::string& error) {
    ++m_pos;
    std::size_t end = m_pos;
    bool point = false;
    while (end < m_text.size() && (IsDigit(m_text[end]) || (m_text[end] == '.' && !point))) {
      point = point || m_text[end] == '.';
      ++end;
    }
    std::array<char, 64> buffer{};
    const std::size_t length = end - m_pos + 1;
    if (length > buffer.size()) {
      error = "a number of more than 64 digits";
      return false;
    }
    buffer[0] = static_cast<char>('0' + std::abs(digit));
    std::copy(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos),
              m_text.begin() + static_cast<std::ptrdiff_t>(end), buffer.begin() + 1);
    m_pos = end;
    return Convert(std::string_view(buffer.data(), length), digit < 0, value, error);
  }

  bool Repeat(int digit, Value& value, std::string& error) {
    ++m_pos;
    std::size_t count = static_cast<std::size_t>(digit);
    while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) {
      count = count * 10 + static_cast<std::size_t>(m_text[m_pos] - '0');
      ++m_pos;
      if (count > kJcampMaxPoints) {
        error = "a repeat count beyond " + std::to_string(kJcampMaxPoints) + " points";
        return false;
      }
    }
    value.token = Token::Repeat;
    value.number = static_cast<double>(count);
    return true;
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
};

// Whether two decoded values are the same: ASDF values are integers, AFFN ones may carry a
// rounding in their last digit.
bool SameValue(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

// A data line of ##XYDATA=: its number, its X value as written and the index of the point
// that X value belongs to.
struct LineStart {
  int line = 0;
  double x = 0.0;
  std::size_t index = 0;
};

// A block being read: its labels' values and where its data lines are.
struct Block {
  JcampTable table;
  bool compound = false; ///< has ##BLOCKS: its inner blocks hold the data
  bool ntuples = false;
  int ntuplesLine = 0;
  std::optional<double> xFactor;
  std::optional<double> yFactor;
  std::optional<double> firstX;
  std::optional<double> lastX;
  std::optional<double> deltaX;
  std::optional<double> points;
  int pointsLine = 0;
  std::string variables; ///< the data label's variable list, normalised
  std::size_t dataBegin = 0;
  std::size_t dataEnd = 0; ///< the data lines are lines[dataBegin, dataEnd)
};

class JcampParser {
public:
  JcampParser(std::string_view text, const std::string& name)
      : m_lines(SplitLines(text)), m_name(name) {}

  JcampReadResult Parse() {
    JcampReadResult result;
    std::string error;
    if (!Run(result.tables, error)) {
      result.error = {m_name, m_errorLine, error};
      result.tables.clear();
      return result;
    }
    result.ok = true;
    return result;
  }

private:
  bool Run(std::vector<JcampTable>& tables, std::string& error) {
    std::vector<Block> open;
    bool seenBlock = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
      const Line& line = m_lines[i];
      const std::optional<LabelLine> label = SplitLabel(line.text);
      if (open.empty()) {
        if (label && label->label == "TITLE") {
          open.push_back(NewBlock(label->value, line.number));
          seenBlock = true;
        } else if (!seenBlock && !Trim(line.text).empty()) {
          error = Fault(line.number) + "not a JCAMP-DX file: the line does not begin with ##TITLE=";
          return false;
        }
        continue;
      }
      if (!label) {
        continue;
      }
      Block& block = open.back();
      if (label->label == "TITLE") {
        if (!block.compound) {
          error = Fault(line.number) + "a new ##TITLE= before the block of line " +
                  std::to_string(block.table.titleLine) + " has its ##END=";
          return false;
        }
        open.push_back(NewBlock(label->value, line.number));
      } else if (label->label == "END") {
        if (!Finish(block, tables, error)) {
          return false;
        }
        open.pop_back();
      } else if (!Record(block, *label, i, error)) {
        return false;
      }
    }
    if (!open.empty()) {
      error = Fault(open.back().table.titleLine) + "the block " + Quoted(open.back().table.title) +
              " has no ##END=: the file is cut short";
      return false;
    }
    if (!seenBlock) {
      error = "not a JCAMP-DX file: it has no ##TITLE=";
      return false;
    }
    if (tables.empty()) {
      error = "no ##XYDATA=, ##XYPOINTS= or ##PEAK TABLE= in the file";
      return false;
    }
    return true;
  }

  static Block NewBlock(std::string_view title, int line) {
    Block block;
    block.table.title = std::string(Trim(title));
    block.table.titleLine = line;
    return block;
  }

  bool Number(const LabelLine& label, int line, std::optional<double>& number, std::string& error) {
    number = LabelNumber(label.value);
    if (!number) {
      error =
          Fault(line) + "##" + label.label + "= " + Quoted(label.value) + " is not a finite number";
      return false;
    }
    return true;
  }

  // Keeps the value of one labelled data record of a block; a data label keeps where its
  // lines are, which run to the next label.
  bool Record(Block& block, const LabelLine& label, std::size_t index, std::string& error) {
    const int line = m_lines[index].number;
    const std::string& name = label.label;
    if (name == "XYDATA" || name == "XYPOINTS" || name == "PEAKTABLE") {
      std::size_t end = index + 1;
      while (end < m_lines.size() && !SplitLabel(m_lines[end].text)) {
        ++end;
      }
      if (block.table.form.empty()) {
        block.table.form = name == "PEAKTABLE" ? "PEAK TABLE" : name;
        block.table.dataLine = line;
        block.variables = NormalizeJcampLabel(label.value);
        block.dataBegin = index + 1;
        block.dataEnd = end;
      }
      return true;
    }
    if (name == "DATATYPE") {
      block.table.dataType = std::string(label.value);
      block.table.kind = KindFromJcampDataType(label.value);
    } else if (name == "XUNITS") {
      block.table.xUnits = std::string(label.value);
    } else if (name == "YUNITS") {
      block.table.yUnits = std::string(label.value);
    } else if (name == "BLOCKS") {
      block.compound = true;
    } else if (name == "NTUPLES") {
      block.ntuples = true;
      block.ntuplesLine = line;
    } else if (name == "XFACTOR" || name == "YFACTOR") {
      std::optional<double>& factor = name == "XFACTOR" ? block.xFactor : block.yFactor;
      if (!Number(label, line, factor, error)) {
        return false;
      }
      if (*factor == 0.0) {
        error = Fault(line) + "##" + name + "= 0 would make every value 0";
        return false;
      }
    } else if (name == "FIRSTX") {
      return Number(label, line, block.firstX, error);
    } else if (name == "LASTX") {
      return Number(label, line, block.lastX, error);
    } else if (name == "DELTAX") {
      return Number(label, line, block.deltaX, error);
    } else if (name == "NPOINTS") {
      if (!Number(label, line, block.points, error)) {
        return false;
      }
      block.pointsLine = line;
      const double points = *block.points;
      if (points < 0.0 || points != std::floor(points) ||
          points > static_cast<double>(kJcampMaxPoints)) {
        error = Fault(line) + "##NPOINTS= " + Quoted(label.value) + " is not a count of 0 to " +
                std::to_string(kJcampMaxPoints) + " points";
        return false;
      }
    }
    return true;
  }

  bool Finish(Block& block, std::vector<JcampTable>& tables, std::string& error) {
    if (block.table.form.empty()) {
      if (block.ntuples) {
        error = Fault(block.ntuplesLine) + "the block " + Quoted(block.table.title) +
                " holds ##NTUPLES= data, which are not read; only ##XYDATA=, ##XYPOINTS= and "
                "##PEAK TABLE=";
        return false;
      }
      return true;
    }
    const bool decoded =
        block.table.form == "XYDATA" ? DecodeXyData(block, error) : DecodeXyPoints(block, error);
    if (!decoded || !CheckCount(block, error) || !ApplyYFactor(block, error)) {
      return false;
    }
    tables.push_back(std::move(block.table));
    return true;
  }

  bool CheckCount(const Block& block, std::string& error) {
    const std::size_t count = block.table.y.size();
    if (block.points && static_cast<std::size_t>(*block.points) != count) {
      error = Fault(block.table.dataLine) + "the data decode to " + std::to_string(count) +
              " points, but ##NPOINTS= on line " + std::to_string(block.pointsLine) + " says " +
              std::to_string(static_cast<std::size_t>(*block.points));
      return false;
    }
    if (count == 0) {
      error = Fault(block.table.dataLine) + "the data table holds no points";
      return false;
    }
    return true;
  }

  bool ApplyYFactor(Block& block, std::string& error) {
    const double factor = block.yFactor.value_or(1.0);
    for (double& y : block.table.y) {
      y *= factor;
      if (!std::isfinite(y)) {
        error = Fault(block.table.dataLine) + "##YFACTOR= makes a value overflow";
        return false;
      }
    }
    return true;
  }

  bool PushY(JcampTable& table, double y, int line, std::string& error) {
    if (table.y.size() >= kJcampMaxPoints) {
      error = Fault(line) + "more than " + std::to_string(kJcampMaxPoints) + " points";
      return false;
    }
    if (!std::isfinite(y)) {
      error = Fault(line) + "the differences overflow";
      return false;
    }
    table.y.push_back(y);
    table.lines.push_back(line);
    return true;
  }

  // ##XYDATA=(X++(Y..Y)): each line an abscissa and ordinates in AFFN or ASDF. A line after
  // one that ended in DIF form repeats that line's last ordinate first, as a check, which
  // is compared and not counted again.
  bool DecodeXyData(Block& block, std::string& error) {
    const int dataLine = block.table.dataLine;
    if (block.variables != "(X++(Y..Y))") {
      error = Fault(dataLine) + "##XYDATA= " + Quoted(block.variables) +
              " is not read; only (X++(Y..Y))";
      return false;
    }
    if (!block.firstX) {
      error = Fault(dataLine) + "##XYDATA= needs ##FIRSTX= before ##END=";
      return false;
    }
    std::vector<LineStart> starts;
    std::vector<double>& ys = block.table.y;
    ys.reserve(std::min<std::size_t>(block.points ? static_cast<std::size_t>(*block.points) : 0,
                                     (block.dataEnd - block.dataBegin) * 16));
    bool checkNext = false;
    int previousLine = 0;
    for (std::size_t i = block.dataBegin; i < block.dataEnd; ++i) {
      const Line& line = m_lines[i];
      m_errorLine = line.number;
      DataLineReader reader(line.text);
      Value value;
      if (!reader.Next(value, error)) {
        if (!error.empty()) {
          return false;
        }
        continue;
      }
      if (value.token != Token::Absolute) {
        error = Fault(line.number) + "the line does not begin with its X value";
        return false;
      }
      starts.push_back({line.number, value.number, ys.size() - (checkNext ? 1 : 0)});
      bool lineHasValue = false;
      bool lastDifference = false;
      double difference = 0.0;
      while (reader.Next(value, error)) {
        if (checkNext) {
          checkNext = false;
          if (value.token != Token::Absolute) {
            error =
                Fault(line.number) + "the line after a DIF line must begin with the Y check value";
            return false;
          }
          if (!SameValue(value.number, ys.back())) {
            error = Fault(line.number) + "Y check failed: the line begins with " +
                    Format(value.number) + " where line " + std::to_string(previousLine) +
                    " ended with " + Format(ys.back());
            return false;
          }
          lineHasValue = true;
          continue;
        }
        if (value.token == Token::Absolute) {
          if (!PushY(block.table, value.number, line.number, error)) {
            return false;
          }
          lastDifference = false;
        } else if (value.token == Token::Difference) {
          if (ys.empty()) {
            error = Fault(line.number) + "a DIF value with no value before it";
            return false;
          }
          difference = value.number;
          if (!PushY(block.table, ys.back() + difference, line.number, error)) {
            return false;
          }
          lastDifference = true;
        } else {
          if (!lineHasValue) {
            error = Fault(line.number) + "a DUP count with no value before it";
            return false;
          }
          const auto repeats = static_cast<std::size_t>(value.number);
          if (repeats == 0 || ys.size() + repeats - 1 > kJcampMaxPoints) {
            error = Fault(line.number) + "a DUP count of " + std::to_string(repeats) +
                    (repeats == 0 ? " repeats nothing" : " beyond the most points read");
            return false;
          }
          for (std::size_t r = 1; r < repeats; ++r) {
            if (!PushY(block.table, ys.back() + (lastDifference ? difference : 0.0), line.number,
                       error)) {
              return false;
            }
          }
        }
        lineHasValue = true;
      }
      if (!error.empty()) {
        return false;
      }
      checkNext = lastDifference;
      previousLine = line.number;
    }
    return SetEvenX(block, starts, error);
  }

  static std::string Format(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.10g", value);
    return text.data();
  }

  // The x of an evenly spaced table from FIRSTX and LASTX (or DELTAX) and the decoded count;
  // each data line's X value must fall within one step of the x of its first ordinate.
  bool SetEvenX(Block& block, const std::vector<LineStart>& starts, std::string& error) {
    const std::size_t count = block.table.y.size();
    const double first = *block.firstX;
    double step = 0.0;
    if (count > 1) {
      if (block.lastX) {
        step = (*block.lastX - first) / static_cast<double>(count - 1);
        if (block.deltaX && std::fabs(*block.deltaX - step) > 0.01 * std::fabs(step) + 1e-12) {
          error = Fault(block.table.dataLine) + "##DELTAX= " + Format(*block.deltaX) +
                  " disagrees with ##FIRSTX=, ##LASTX= and the " + std::to_string(count) +
                  " points, which give a step of " + Format(step);
          return false;
        }
      } else if (block.deltaX) {
        step = *block.deltaX;
      } else {
        error = Fault(block.table.dataLine) + "##XYDATA= needs ##LASTX= or ##DELTAX=";
        return false;
      }
    }
    const double xFactor = block.xFactor.value_or(1.0);
    for (const auto& [line, rawX, index] : starts) {
      const double expected = first + static_cast<double>(index) * step;
      const double x = rawX * xFactor;
      if (!(std::fabs(x - expected) <= std::fabs(step) + 1e-9 * std::fabs(expected))) {
        error = Fault(line) + "the line's X value " + Format(x) + " is not the x " +
                Format(expected) + " of its point " + std::to_string(index + 1) +
                " from ##FIRSTX= and the step: a line is missing or out of place";
        return false;
      }
    }
    block.table.x.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      block.table.x[i] = first + static_cast<double>(i) * step;
    }
    block.table.evenlySpaced = true;
    return true;
  }

  // ##XYPOINTS= and ##PEAK TABLE=: groups of AFFN values, (XY..XY) in pairs, (XYW..XYW)
  // and (XYM..XYM) in threes, separated by blanks, commas or semicolons.
  bool DecodeXyPoints(Block& block, std::string& error) {
    const int dataLine = block.table.dataLine;
    const std::string& variables = block.variables;
    const std::size_t dots = variables.find("..");
    std::size_t group = 0;
    if (variables.starts_with("(XY") && dots != std::string::npos) {
      group = dots - 1;
    }
    if (group < 2 || group > 3 || variables.compare(1, group, variables, dots + 2, group) != 0) {
      error = Fault(dataLine) + "##" + block.table.form + "= " + Quoted(variables) +
              " is not read; only (XY..XY), (XYW..XYW) and (XYM..XYM)";
      return false;
    }
    const double xFactor = block.xFactor.value_or(1.0);
    std::size_t position = 0;
    int lastLine = dataLine;
    for (std::size_t i = block.dataBegin; i < block.dataEnd; ++i) {
      const Line& line = m_lines[i];
      std::string text(line.text);
      std::replace(text.begin(), text.end(), ';', ' ');
      m_errorLine = line.number;
      DataLineReader reader(text);
      Value value;
      while (reader.Next(value, error)) {
        if (value.token != Token::Absolute) {
          error = Fault(line.number) + "##" + block.table.form +
                  "= takes plain numbers, not compressed ones";
          return false;
        }
        if (position % group == 0) {
          if (block.table.x.size() >= kJcampMaxPoints) {
            error = Fault(line.number) + "more than " + std::to_string(kJcampMaxPoints) + " points";
            return false;
          }
          const double x = value.number * xFactor;
          if (!std::isfinite(x)) {
            error = Fault(line.number) + "##XFACTOR= makes a value overflow";
            return false;
          }
          block.table.x.push_back(x);
          block.table.lines.push_back(line.number);
        } else if (position % group == 1) {
          block.table.y.push_back(value.number);
        }
        ++position;
        lastLine = line.number;
      }
      if (!error.empty()) {
        return false;
      }
    }
    if (position % group != 0) {
      error = Fault(lastLine) + "the last point has " + std::to_string(position % group) +
              " of its " + std::to_string(group) + " values: the table is cut short";
      return false;
    }
    return true;
  }

  // Notes the line a fault lies on and answers the start of its message.
  std::string Fault(int line) {
    m_errorLine = line;
    return {};
  }

  std::vector<Line> m_lines;
  const std::string& m_name;
  int m_errorLine = 0;
};

std::string FormatNumber(double value) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.9g", value);
  return text.data();
}

std::string OneLineText(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

} // namespace

std::string NormalizeJcampLabel(std::string_view label) {
  std::string normalized;
  normalized.reserve(label.size());
  for (const char c : label) {
    if (IsBlank(c) || c == '-' || c == '/' || c == '_') {
      continue;
    }
    normalized.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return normalized;
}

SpectrumKind KindFromJcampDataType(std::string_view dataType) {
  const std::string upper = Upper(dataType);
  std::vector<std::string> words;
  std::string word;
  for (const char c : upper + " ") {
    if ((c >= 'A' && c <= 'Z') || IsDigit(c)) {
      word.push_back(c);
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  const auto any = [&](auto test) { return std::any_of(words.begin(), words.end(), test); };
  if (any([](const std::string& w) {
        return w == "UV" || w == "VIS" || w == "UVVIS" || w.starts_with("ULTRAVIOLET") ||
               w.starts_with("ABSORP") || w.starts_with("ABSORB");
      })) {
    return SpectrumKind::Absorption;
  }
  if (any([](const std::string& w) {
        return w.starts_with("FLUOR") || w.starts_with("EMISSION") || w.starts_with("PHOSPHOR") ||
               w.starts_with("LUMINESC");
      })) {
    return SpectrumKind::Emission;
  }
  return SpectrumKind::None;
}

const char* JcampDataType(SpectrumKind kind) {
  switch (kind) {
  case SpectrumKind::Absorption:
    return "UV/VIS SPECTRUM";
  case SpectrumKind::Emission:
    return "FLUORESCENCE SPECTRUM";
  case SpectrumKind::LightSource:
    return "LIGHT SOURCE SPECTRUM";
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    break;
  }
  return "SIMPLE GRAPH";
}

JcampReadResult ParseJcamp(std::string_view text, const std::string& name) {
  return JcampParser(text, name).Parse();
}

JcampReadResult ReadJcampFile(const std::string& path) {
  JcampReadResult result;
  const std::string tooLarge =
      "larger than " + std::to_string(kJcampMaxBytes >> 20) + " MiB, not read as JCAMP-DX";
  CInputFile file;
  if (const FileStatus opened = file.Open(path); !opened.ok) {
    result.error = {path, 0, opened.message};
    return result;
  }
  if (file.Size() > kJcampMaxBytes) {
    result.error = {path, 0, tooLarge};
    return result;
  }
  std::string text(file.Size(), '\0');
  std::size_t filled = 0;
  while (true) {
    if (filled == text.size()) {
      text.resize(std::min(kJcampMaxBytes + 1,
                           text.size() + std::max<std::size_t>(65536, text.size() / 2)));
    }
    std::size_t got = 0;
    if (const FileStatus read = file.Read(text.data() + filled, text.size() - filled, got);
        !read.ok) {
      result.error = {path, 0, read.message};
      return result;
    }
    if (got == 0) {
      break;
    }
    filled += got;
    if (filled > kJcampMaxBytes) {
      result.error = {path, 0, tooLarge};
      return result;
    }
  }
  text.resize(filled);
  return ParseJcamp(text, path);
}

ImportedTable ToImportedTable(const JcampTable& table, const std::string& path) {
  ImportedTable imported;
  imported.sourcePath = path;
  imported.format = "JCAMP-DX";
  imported.title = table.title;
  imported.xUnitText = table.xUnits;
  imported.xUnit = SourceXUnitFromText(table.xUnits);
  imported.kindHint = table.kind;
  imported.x = table.x;
  imported.series.push_back({table.title, table.yUnits, YKindFromText(table.yUnits), table.y});
  imported.lines = table.lines;
  imported.notes.push_back(
      "##" + table.form + "= of line " + std::to_string(table.dataLine) +
      (table.evenlySpaced ? ", x evenly spaced from ##FIRSTX= and ##LASTX=" : ", x as written"));
  if (!table.dataType.empty()) {
    imported.notes.push_back("##DATA TYPE= " + table.dataType +
                             (table.kind == SpectrumKind::None
                                  ? " names no kind"
                                  : std::string(" read as ") + KindName(table.kind)));
  }
  return imported;
}

TableReadResult ReadJcampTables(const std::string& path) {
  const JcampReadResult read = ReadJcampFile(path);
  TableReadResult result;
  if (!read.ok) {
    result.error = read.error;
    return result;
  }
  for (const JcampTable& table : read.tables) {
    result.tables.push_back(ToImportedTable(table, path));
  }
  return result;
}

std::string FormatJcamp(const CSpectrum& spectrum) {
  const std::vector<SpectrumPoint>& points = spectrum.m_points;
  const std::size_t count = points.size();
  const double shift = spectrum.m_xShift;
  const double first = count > 0 ? points.front().x + shift : 0.0;
  const double last = count > 0 ? points.back().x + shift : 0.0;
  const double step = count > 1 ? (last - first) / static_cast<double>(count - 1) : 0.0;
  std::string title = OneLineText(spectrum.m_name);
  if (Trim(title).empty()) {
    title = spectrum.m_filePath.empty()
                ? std::string("Lumivex spectrum")
                : std::filesystem::path(spectrum.m_filePath).filename().string();
  }
  std::string text;
  text.reserve(256 + count * 11);
  const auto label = [&](const char* name, const std::string& value) {
    text += "##";
    text += name;
    text += "= ";
    text += value;
    text += '\n';
  };
  label("TITLE", title);
  label("JCAMP-DX", "4.24");
  label("DATA TYPE", JcampDataType(spectrum.m_kind));
  label("ORIGIN", "Lumivex");
  label("OWNER", OneLineText(spectrum.m_provided));
  if (!spectrum.m_solvent.empty()) {
    label("SOLVENT NAME", OneLineText(spectrum.m_solvent));
  }
  label("XUNITS", "NANOMETERS");
  label("YUNITS", spectrum.m_kind == SpectrumKind::Absorption ? "ABSORBANCE" : "ARBITRARY UNITS");
  label("XFACTOR", "1");
  label("YFACTOR", "1");
  label("FIRSTX", FormatNumber(first));
  label("LASTX", FormatNumber(last));
  label("NPOINTS", std::to_string(count));
  label("DELTAX", FormatNumber(step));
  label("FIRSTY", FormatNumber(count > 0 ? points.front().y : 0.0));
  label("XYDATA", "(X++(Y..Y))");
  constexpr std::size_t kLineLength = 80;
  std::size_t lineStart = text.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string y = FormatNumber(points[i].y);
    const bool fits = i > 0 && text.size() - lineStart + 1 + y.size() <= kLineLength;
    if (!fits) {
      if (i > 0) {
        text += '\n';
      }
      lineStart = text.size();
      text += FormatNumber(points[i].x + shift);
    }
    text += ' ';
    text += y;
  }
  if (count > 0) {
    text += '\n';
  }
  label("END", "");
  return text;
}

FileStatus WriteJcampFile(const CSpectrum& spectrum, const std::string& path) {
  if (spectrum.m_points.size() < 2) {
    return {false, path + ": a spectrum of fewer than two points is not written as JCAMP-DX"};
  }
  return WriteFileAtomically(path, FormatJcamp(spectrum));
}

bool IsJcampPath(std::string_view path) {
  const std::string extension = Upper(std::filesystem::path(path).extension().string());
  return extension == ".JDX" || extension == ".DX" || extension == ".JCM";
}

} // namespace lumivex
