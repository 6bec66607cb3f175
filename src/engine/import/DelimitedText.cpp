#include "import/DelimitedText.h"

#include "core/AtomicFile.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <utility>

namespace lumivex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char DelimiterChar(Delimiter delimiter) {
  switch (delimiter) {
  case Delimiter::Semicolon:
    return ';';
  case Delimiter::Tab:
    return '\t';
  case Delimiter::Blanks:
    return ' ';
  case Delimiter::Comma:
    break;
  }
  return ',';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

/// A field as a finite number: blanks around it allowed, a leading '+' allowed. With a
/// decimal comma the comma is the decimal mark and a '.' makes the field no number.
bool ParseNumber(std::string_view field, bool decimalComma, double& value) {
  field = TrimBlanks(field);
  if (!field.empty() && field.front() == '+') {
    field.remove_prefix(1);
  }
  if (field.empty() || field.front() == '+') {
    return false;
  }
  std::array<char, 64> buffer{};
  if (decimalComma) {
    if (field.size() > buffer.size() || field.find('.') != std::string_view::npos) {
      return false;
    }
    std::replace_copy(field.begin(), field.end(), buffer.begin(), ',', '.');
    field = std::string_view(buffer.data(), field.size());
  }
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

/// The outcome of a quick look at the start of a file: empty when it reads as text, else
/// why it is refused.
std::string TextProblem(std::string_view start) {
  start = start.substr(0, kTextCheckBytes);
  if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
    return "is UTF-16 text; save it as UTF-8 or ASCII text to import it";
  }
  const std::size_t nul = start.find('\0');
  if (nul != std::string_view::npos) {
    return "holds binary data (a NUL byte at byte " + std::to_string(nul + 1) + "), not text";
  }
  const auto control = std::count_if(start.begin(), start.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
           byte != '\v' && byte != 0x1A;
  });
  // Text files hold no control characters beyond line and page ends; a few stray ones are
  // forgiven, more than one in a hundred bytes is binary data.
  if (static_cast<std::size_t>(control) * 100 > start.size()) {
    return "holds binary data (control characters), not text";
  }
  return {};
}

/// The byte offset of the start of 1-based `line`; lines end in LF, CRLF or CR. The size of
/// the text when it has fewer lines.
std::size_t LineOffset(std::string_view text, int line) {
  std::size_t at = 0;
  for (int current = 1; current < line && at < text.size(); ++current) {
    const std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) {
      return text.size();
    }
    at = end + 1;
    if (text[end] == '\r' && at < text.size() && text[at] == '\n') {
      ++at;
    }
  }
  return at;
}

/// Up to `count` lines from the start of `text` without their line ends.
std::vector<std::string> FirstLines(std::string_view text, std::size_t count) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (lines.size() < count && at < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    lines.emplace_back(text.substr(at, end - at));
    at = end + 1;
    if (end < text.size() && text[end] == '\r' && at < text.size() && text[at] == '\n') {
      ++at;
    }
  }
  return lines;
}

/// RFC 4180 fields and rows of text through libcsv, with the line each row starts on.
/// Handler::Field(data, size, empty) receives each field (data may be changed in place),
/// Handler::Row(line) the end of each row that has fields, Handler::Stopped() ends parsing.
/// With blanks as the delimiter a run of blanks is one delimiter: the empty fields between
/// blanks are dropped.
template <typename Handler> class Tokenizer {
public:
  Tokenizer(Handler& handler, Delimiter delimiter, int firstLine)
      : m_handler(handler), m_blanks(delimiter == Delimiter::Blanks), m_line(firstLine) {
    csv_init(&m_parser, CSV_REPALL_NL | CSV_EMPTY_IS_NULL);
    csv_set_delim(&m_parser, static_cast<unsigned char>(DelimiterChar(delimiter)));
  }
  ~Tokenizer() { csv_free(&m_parser); }
  Tokenizer(const Tokenizer&) = delete;
  Tokenizer& operator=(const Tokenizer&) = delete;

  /// Parses all of `text` in pieces, stopping between pieces when the handler asks to.
  void Parse(std::string_view text) {
    constexpr std::size_t kPiece = 1u << 20;
    for (std::size_t at = 0; at < text.size() && !m_handler.Stopped(); at += kPiece) {
      const std::size_t size = std::min(kPiece, text.size() - at);
      csv_parse(&m_parser, text.data() + at, size, &Tokenizer::OnField, &Tokenizer::OnRow, this);
    }
    if (!m_handler.Stopped()) {
      csv_fini(&m_parser, &Tokenizer::OnField, &Tokenizer::OnRow, this);
    }
  }

private:
  static void OnField(void* data, std::size_t size, void* self) {
    auto& tokenizer = *static_cast<Tokenizer*>(self);
    tokenizer.m_afterCarriageReturn = false;
    if (tokenizer.m_handler.Stopped() || (data == nullptr && tokenizer.m_blanks)) {
      return;
    }
    if (!tokenizer.m_inRow) {
      tokenizer.m_inRow = true;
      tokenizer.m_rowLine = tokenizer.m_line;
    }
    char* text = static_cast<char*>(data);
    tokenizer.m_handler.Field(text, data == nullptr ? 0 : size, data == nullptr || size == 0);
    // A quoted field may hold line breaks of its own.
    for (std::size_t i = 0; text != nullptr && i < size; ++i) {
      if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) {
        ++tokenizer.m_line;
      }
    }
  }

  static void OnRow(int end, void* self) {
    auto& tokenizer = *static_cast<Tokenizer*>(self);
    if (tokenizer.m_inRow && !tokenizer.m_handler.Stopped()) {
      tokenizer.m_handler.Row(tokenizer.m_rowLine);
    }
    tokenizer.m_inRow = false;
    if (end == CSV_CR || (end == CSV_LF && !tokenizer.m_afterCarriageReturn)) {
      ++tokenizer.m_line;
    }
    tokenizer.m_afterCarriageReturn = end == CSV_CR;
  }

  Handler& m_handler;
  csv_parser m_parser{};
  bool m_blanks;
  int m_line;
  int m_rowLine = 0;
  bool m_inRow = false;
  bool m_afterCarriageReturn = false;
};

/// One row of the part of a file judged for its layout.
struct SampleRow {
  int line = 0;
  std::vector<std::string> fields;
  std::vector<bool> empty;
};

struct SampleCollector {
  std::vector<SampleRow> rows;
  SampleRow current;
  void Field(const char* data, std::size_t size, bool empty) {
    current.fields.emplace_back(data == nullptr ? std::string() : std::string(data, size));
    current.empty.push_back(empty);
  }
  void Row(int line) {
    current.line = line;
    rows.push_back(std::move(current));
    current = {};
  }
  [[nodiscard]] bool Stopped() const { return false; }
};

enum class FieldClass { Empty, Number, Text };

FieldClass Classify(const SampleRow& row, std::size_t i, bool decimalComma) {
  if (row.empty[i] || TrimBlanks(row.fields[i]).empty()) {
    return FieldClass::Empty;
  }
  double value = 0.0;
  return ParseNumber(row.fields[i], decimalComma, value) ? FieldClass::Number : FieldClass::Text;
}

/// The fields of a row up to its last one that is not empty.
int EffectiveSize(const SampleRow& row) {
  int size = static_cast<int>(row.fields.size());
  while (size > 0 && (row.empty[size - 1] || TrimBlanks(row.fields[size - 1]).empty())) {
    --size;
  }
  return size;
}

struct RowShape {
  int numbers = 0;
  int texts = 0;
  int size = 0;
  /// A data row holds at least two numbers and more numbers than texts.
  [[nodiscard]] bool IsData() const { return numbers >= 2 && numbers > texts; }
};

RowShape Shape(const SampleRow& row, bool decimalComma) {
  RowShape shape;
  shape.size = EffectiveSize(row);
  for (int i = 0; i < shape.size; ++i) {
    const FieldClass kind = Classify(row, i, decimalComma);
    shape.numbers += kind == FieldClass::Number ? 1 : 0;
    shape.texts += kind == FieldClass::Text ? 1 : 0;
  }
  return shape;
}

/// How one delimiter and decimal mark read the sample: where the data start, how many rows
/// of the same size follow, and a score that is higher the more fields read as numbers and
/// the fewer as text.
struct Candidate {
  Delimiter delimiter = Delimiter::Comma;
  bool decimalComma = false;
  std::vector<SampleRow> rows;
  std::size_t start = 0; ///< index of the first data row in rows
  std::size_t count = 0; ///< data rows of the same size from start on
  int columns = 0;
  long score = -1;
};

Candidate Judge(std::string_view sample, int firstLine, Delimiter delimiter, bool decimalComma,
                std::optional<int> skipLines) {
  Candidate candidate{delimiter, decimalComma, {}, 0, 0, 0, -1};
  SampleCollector collector;
  Tokenizer<SampleCollector> tokenizer(collector, delimiter, firstLine);
  tokenizer.Parse(sample);
  candidate.rows = std::move(collector.rows);
  std::vector<RowShape> shapes;
  shapes.reserve(candidate.rows.size());
  for (const SampleRow& row : candidate.rows) {
    shapes.push_back(Shape(row, decimalComma));
  }
  // Data start on the first data row, or on the first row after the lines the settings skip.
  std::size_t start = 0;
  while (start < shapes.size() &&
         (skipLines ? candidate.rows[start].line <= *skipLines : !shapes[start].IsData())) {
    ++start;
  }
  if (start == shapes.size() || !shapes[start].IsData()) {
    candidate.start = start;
    return candidate;
  }
  candidate.start = start;
  candidate.columns = shapes[start].size;
  candidate.score = 0;
  for (std::size_t i = start;
       i < shapes.size() && shapes[i].IsData() && shapes[i].size == candidate.columns; ++i) {
    ++candidate.count;
    candidate.score += shapes[i].numbers - shapes[i].texts;
  }
  return candidate;
}

/// The unit a column name carries: the text in its last brackets, the whole name, or one of
/// its words ("Wavelength (nm)", "cm-1", "Abs (AU)").
template <typename Value>
std::pair<Value, std::string> UnitInName(const std::string& name, Value unknown,
                                         Value (*fromText)(std::string_view)) {
  std::vector<std::string> tries;
  const std::size_t open = name.find_last_of("([");
  if (open != std::string::npos) {
    const std::size_t close = name.find_first_of(")]", open);
    tries.push_back(name.substr(open + 1, close == std::string::npos ? close : close - open - 1));
  }
  tries.push_back(name);
  std::size_t at = 0;
  while (at < name.size()) {
    const std::size_t end = std::min(name.find_first_of(" _/([)]", at), name.size());
    if (end > at) {
      tries.push_back(name.substr(at, end - at));
    }
    at = end + 1;
  }
  for (const std::string& text : tries) {
    const Value value = fromText(text);
    if (value != unknown) {
      return {value, std::string(TrimBlanks(text))};
    }
  }
  return {unknown, {}};
}

std::string ColumnList(const std::vector<int>& columns) {
  std::string list;
  for (const int column : columns) {
    list += (list.empty() ? "" : ", ") + std::to_string(column);
  }
  return list;
}

/// The layout of a file, detected from its start and the settings, with the rows the
/// detection read and the notes it gives.
struct Detection {
  ImportError error;
  DelimitedLayout layout;
  std::vector<SampleRow> rows;
  std::size_t dataRow = 0; ///< index of the first data row in rows
  std::size_t dataOffset = 0;
  std::vector<std::string> notes;
};

Detection Detect(std::string_view text, const std::string& name,
                 const DelimitedSettings& settings) {
  Detection detection;
  DelimitedLayout& layout = detection.layout;
  const auto fail = [&](int line, std::string message) {
    detection.error = {name, line, std::move(message)};
    return detection;
  };
  if (const std::string problem = TextProblem(text); !problem.empty()) {
    return fail(0, problem);
  }
  if (settings.skipLines && *settings.skipLines < 0) {
    return fail(0, "the lines to skip cannot be negative: " + std::to_string(*settings.skipLines));
  }
  std::size_t begin = 0;
  if (text.starts_with(kByteOrderMark)) {
    layout.byteOrderMark = true;
    begin = kByteOrderMark.size();
    detection.notes.emplace_back("a UTF-8 byte-order mark was skipped");
  }
  // The sample starts at the last skipped line, which may hold the column names.
  const int sampleLine = std::max(1, settings.skipLines.value_or(0));
  const std::string_view body = text.substr(begin);
  const std::size_t sampleBegin = LineOffset(body, sampleLine);
  std::string_view sample = body.substr(sampleBegin);
  const std::size_t sampleEnd =
      std::min(LineOffset(sample, static_cast<int>(kDetectionLines) + 1), kDetectionBytes);
  if (sampleEnd < sample.size()) {
    const std::size_t cut = sample.find_last_of("\r\n", sampleEnd);
    sample = sample.substr(0, cut == std::string_view::npos ? sampleEnd : cut + 1);
  }

  std::vector<Delimiter> delimiters{Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma,
                                    Delimiter::Blanks};
  if (settings.delimiter) {
    delimiters = {*settings.delimiter};
  }
  std::vector<bool> marks{false, true};
  if (settings.decimalComma) {
    marks = {*settings.decimalComma};
  }
  Candidate best;
  for (const Delimiter delimiter : delimiters) {
    for (const bool decimalComma : marks) {
      // A comma cannot be the decimal mark and the delimiter unless it is given so.
      if (decimalComma && delimiter == Delimiter::Comma && !settings.decimalComma) {
        continue;
      }
      Candidate candidate = Judge(sample, sampleLine, delimiter, decimalComma, settings.skipLines);
      if (candidate.score > best.score) {
        best = std::move(candidate);
      }
    }
  }
  if (best.score < 0) {
    if (settings.skipLines) {
      return fail(*settings.skipLines + 1, "the line after the " +
                                               std::to_string(*settings.skipLines) +
                                               " skipped lines holds no row of numbers");
    }
    const int lines = static_cast<int>(std::count(sample.begin(), sample.end(), '\n'));
    return fail(0, "no rows of numbers in the first " + std::to_string(std::max(lines, 1)) +
                       (lines == 1 ? " line" : " lines") +
                       ": the data need an x and a y column of numbers");
  }
  layout.delimiter = best.delimiter;
  layout.delimiterDetected = !settings.delimiter;
  layout.decimalComma = best.decimalComma;
  layout.decimalCommaDetected = !settings.decimalComma;
  layout.columnCount = best.columns;
  const SampleRow& first = best.rows[best.start];
  layout.firstDataLine = first.line;
  layout.skipLines = first.line - 1;
  detection.dataRow = best.start;
  detection.dataOffset = begin + LineOffset(body, first.line);
  detection.notes.push_back(std::string("delimiter: ") + DelimiterName(layout.delimiter) +
                            (layout.delimiterDetected ? " (detected)" : " (as set)"));
  detection.notes.push_back(std::string("decimal mark: ") +
                            (layout.decimalComma ? "comma" : "point") +
                            (layout.decimalCommaDetected ? " (detected)" : " (as set)"));
  if (layout.skipLines == 0) {
    detection.notes.emplace_back("no lines before the data");
  } else {
    detection.notes.push_back((layout.skipLines == 1
                                   ? std::string("line 1")
                                   : "lines 1 to " + std::to_string(layout.skipLines)) +
                              " before the data skipped as header and comments" +
                              (settings.skipLines ? " (as set)" : ""));
  }

  const std::size_t columns = static_cast<std::size_t>(layout.columnCount);
  layout.columnNames.resize(columns);
  if (best.start > 0) {
    // The column names stand on the line just before the data, as many as there are columns.
    const SampleRow& header = best.rows[best.start - 1];
    int headerEnd = header.line;
    for (const std::string& field : header.fields) {
      headerEnd += static_cast<int>(std::count(field.begin(), field.end(), '\n'));
    }
    if (headerEnd == first.line - 1 &&
        (header.fields.size() == columns || EffectiveSize(header) == layout.columnCount)) {
      layout.headerLine = header.line;
      for (std::size_t i = 0; i < columns && i < header.fields.size(); ++i) {
        layout.columnNames[i] = std::string(TrimBlanks(header.fields[i]));
      }
      detection.notes.push_back("column names from line " + std::to_string(header.line));
    }
  }
  for (std::size_t i = 0; i < columns; ++i) {
    if (layout.columnNames[i].empty()) {
      layout.columnNames[i] = "column " + std::to_string(i + 1);
    }
  }

  // What each column holds over the data rows of the sample.
  std::vector<int> numbers(columns, 0);
  std::vector<int> firstText(columns, 0);
  for (std::size_t r = best.start; r < best.start + best.count; ++r) {
    const SampleRow& row = best.rows[r];
    for (std::size_t i = 0; i < columns; ++i) {
      const FieldClass kind = Classify(row, i, layout.decimalComma);
      numbers[i] += kind == FieldClass::Number ? 1 : 0;
      if (kind == FieldClass::Text && firstText[i] == 0) {
        firstText[i] = row.line;
      }
    }
  }
  const auto holdsNumbers = [&](std::size_t i) { return numbers[i] > 0 && firstText[i] == 0; };
  const auto checkColumn = [&](int column, const char* role) -> std::string {
    if (column < 1 || column > layout.columnCount) {
      return std::string(role) + " column " + std::to_string(column) + " does not exist: the " +
             "data rows have " + std::to_string(layout.columnCount) + " columns";
    }
    const auto i = static_cast<std::size_t>(column - 1);
    if (numbers[i] == 0) {
      return "column " + std::to_string(column) + " ('" + layout.columnNames[i] +
             "') holds no numbers";
    }
    return {};
  };
  if (settings.xColumn != 0) {
    if (std::string problem = checkColumn(settings.xColumn, "the x"); !problem.empty()) {
      return fail(0, problem);
    }
    layout.xColumn = settings.xColumn;
  } else {
    std::size_t i = 0;
    while (i < columns && !holdsNumbers(i)) {
      ++i;
    }
    if (i == columns) {
      return fail(layout.firstDataLine, "no column holds numbers on every data row");
    }
    layout.xColumn = static_cast<int>(i) + 1;
  }
  if (!settings.yColumns.empty()) {
    for (const int column : settings.yColumns) {
      if (std::string problem = checkColumn(column, "the y"); !problem.empty()) {
        return fail(0, problem);
      }
      if (column == layout.xColumn) {
        return fail(0, "column " + std::to_string(column) + " cannot be x and y at once");
      }
      layout.yColumns.push_back(column);
    }
  } else {
    for (std::size_t i = 0; i < columns; ++i) {
      const int column = static_cast<int>(i) + 1;
      if (column == layout.xColumn) {
        continue;
      }
      if (holdsNumbers(i)) {
        layout.yColumns.push_back(column);
      } else if (numbers[i] == 0 && firstText[i] == 0) {
        detection.notes.push_back("column " + std::to_string(column) + " is empty: left out");
      } else {
        detection.notes.push_back("column " + std::to_string(column) + " ('" +
                                  layout.columnNames[i] + "') holds text (line " +
                                  std::to_string(firstText[i]) + "): left out");
      }
    }
    if (layout.yColumns.empty()) {
      return fail(layout.firstDataLine, "only column " + std::to_string(layout.xColumn) +
                                            " holds numbers on every data row; "
                                            "an x and a y column are needed");
    }
  }
  detection.notes.push_back("x: column " + std::to_string(layout.xColumn) + " ('" +
                            layout.columnNames[layout.xColumn - 1] + "')");
  detection.notes.push_back(
      std::string(layout.yColumns.size() == 1 ? "y: column " : "y: columns ") +
      ColumnList(layout.yColumns));
  detection.rows = std::move(best.rows);
  return detection;
}

/// Reads the data rows into columns: one number per chosen column and row, and the line of
/// each row. Stops at the first field or row that does not fit, with its error.
class DataCollector {
public:
  DataCollector(const DelimitedLayout& layout, const std::string& name)
      : m_name(name), m_decimalComma(layout.decimalComma), m_columnCount(layout.columnCount),
        m_slots(static_cast<std::size_t>(layout.columnCount), -1) {
    m_slots[layout.xColumn - 1] = 0;
    m_columns.emplace_back();
    for (const int column : layout.yColumns) {
      m_slots[column - 1] = static_cast<int>(m_columns.size());
      m_columns.emplace_back();
    }
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
      if (m_slots[i] >= 0) {
        m_lastChosen = static_cast<int>(i);
      }
    }
    m_row.assign(m_columns.size(), 0.0);
  }

  void Field(char* data, std::size_t size, bool empty) {
    const int column = m_field++;
    const std::string_view text(data == nullptr ? "" : data, size);
    if (!empty && !TrimBlanks(text).empty()) {
      m_lastFilled = column;
    }
    if (column >= m_columnCount || m_slots[column] < 0) {
      return;
    }
    double value = 0.0;
    if (!ParseNumber(text, m_decimalComma, value)) {
      m_pendingError = TrimBlanks(text).empty()
                           ? "column " + std::to_string(column + 1) + " is empty"
                           : "column " + std::to_string(column + 1) + ": '" +
                                 std::string(TrimBlanks(text).substr(0, 40)) + "' is not a number";
    }
    m_row[static_cast<std::size_t>(m_slots[column])] = value;
  }

  void Row(int line) {
    const int fields = m_field;
    const int filled = m_lastFilled + 1;
    m_field = 0;
    m_lastFilled = -1;
    if (filled == 0) {
      m_pendingError.clear();
      return;
    }
    if (!m_pendingError.empty()) {
      Fail(line, m_pendingError);
      return;
    }
    if (filled > m_columnCount || fields <= m_lastChosen) {
      Fail(line, "the row has " + std::to_string(filled) + (filled == 1 ? " field" : " fields") +
                     "; the data rows have " + std::to_string(m_columnCount));
      return;
    }
    if (m_lines.size() == kDelimitedMaxRows) {
      Fail(line, "more than " + std::to_string(kDelimitedMaxRows) + " data rows");
      return;
    }
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
      m_columns[i].push_back(m_row[i]);
    }
    m_lines.push_back(line);
  }

  [[nodiscard]] bool Stopped() const { return !m_error.message.empty(); }
  [[nodiscard]] const ImportError& Error() const { return m_error; }
  std::vector<std::vector<double>>& Columns() { return m_columns; }
  std::vector<int>& Lines() { return m_lines; }

private:
  void Fail(int line, std::string message) { m_error = {m_name, line, std::move(message)}; }

  const std::string& m_name;
  bool m_decimalComma;
  int m_columnCount;
  std::vector<int> m_slots; ///< per column: its place in m_columns, -1 when not read
  int m_lastChosen = 0;     ///< 0-based index of the last column read
  std::vector<std::vector<double>> m_columns;
  std::vector<int> m_lines;
  std::vector<double> m_row;
  int m_field = 0;
  int m_lastFilled = -1;
  std::string m_pendingError;
  ImportError m_error;
};

/// Reads a file as text after checking that its first kTextCheckBytes are text; up to
/// `limit` bytes, the whole file unless `prefixOnly`.
FileStatus ReadText(const std::string& path, std::size_t limit, bool prefixOnly,
                    std::string& text) {
  CInputFile file;
  if (FileStatus opened = file.Open(path); !opened.ok) {
    return opened;
  }
  const std::string tooLarge = "is larger than " + std::to_string(kDelimitedMaxBytes >> 20) +
                               " MiB, the most read as delimited text";
  if (!prefixOnly && file.Size() > limit) {
    return {false, tooLarge};
  }
  text.assign(std::min(file.Size(), limit) + 1, '\0');
  std::size_t filled = 0;
  while (true) {
    if (filled == text.size()) {
      if (prefixOnly || text.size() > limit) {
        break;
      }
      text.resize(std::min(limit + 1, text.size() + std::max<std::size_t>(65536, text.size())));
    }
    const std::size_t want = filled < kTextCheckBytes
                                 ? std::min(text.size(), kTextCheckBytes) - filled
                                 : text.size() - filled;
    std::size_t got = 0;
    if (FileStatus read = file.Read(text.data() + filled, want, got); !read.ok) {
      return read;
    }
    if (got == 0) {
      break;
    }
    const bool checked = filled < kTextCheckBytes && filled + got >= kTextCheckBytes;
    filled += got;
    if (checked) {
      if (std::string problem = TextProblem(std::string_view(text.data(), filled));
          !problem.empty()) {
        return {false, problem};
      }
    }
  }
  text.resize(filled);
  if (!prefixOnly && filled > limit) {
    return {false, tooLarge};
  }
  return {true, {}};
}

} // namespace

const char* DelimiterName(Delimiter delimiter) {
  switch (delimiter) {
  case Delimiter::Semicolon:
    return "semicolon";
  case Delimiter::Tab:
    return "tab";
  case Delimiter::Blanks:
    return "blanks";
  case Delimiter::Comma:
    break;
  }
  return "comma";
}

std::optional<Delimiter> DelimiterFromText(std::string_view text) {
  constexpr std::array<std::pair<std::string_view, Delimiter>, 10> kNames{{
      {",", Delimiter::Comma},
      {"comma", Delimiter::Comma},
      {";", Delimiter::Semicolon},
      {"semicolon", Delimiter::Semicolon},
      {"\t", Delimiter::Tab},
      {"\\t", Delimiter::Tab},
      {"tab", Delimiter::Tab},
      {" ", Delimiter::Blanks},
      {"space", Delimiter::Blanks},
      {"blanks", Delimiter::Blanks},
  }};
  for (const auto& [name, delimiter] : kNames) {
    if (name == text) {
      return delimiter;
    }
  }
  return std::nullopt;
}

TableReadResult ParseDelimitedText(std::string_view text, const std::string& name,
                                   const DelimitedSettings& settings, DelimitedLayout* layout) {
  TableReadResult result;
  Detection detection = Detect(text, name, settings);
  if (!detection.error.message.empty()) {
    result.error = detection.error;
    return result;
  }
  const DelimitedLayout& found = detection.layout;
  DataCollector collector(found, name);
  Tokenizer<DataCollector> tokenizer(collector, found.delimiter, found.firstDataLine);
  tokenizer.Parse(text.substr(detection.dataOffset));
  if (collector.Stopped()) {
    result.error = collector.Error();
    return result;
  }
  ImportedTable table;
  table.sourcePath = name;
  table.format = "delimited text";
  const std::string& xName = found.columnNames[found.xColumn - 1];
  table.xName = xName;
  if (found.headerLine > 0) {
    const auto [unit, unitText] = UnitInName(xName, SourceXUnit::Unknown, &SourceXUnitFromText);
    table.xUnit = unit;
    table.xUnitText = unitText;
  }
  std::vector<std::vector<double>>& columns = collector.Columns();
  table.x = std::move(columns[0]);
  for (std::size_t i = 0; i < found.yColumns.size(); ++i) {
    ImportedSeries series;
    series.name = found.columnNames[found.yColumns[i] - 1];
    if (found.headerLine > 0) {
      const auto [kind, unitText] = UnitInName(series.name, YKind::Unknown, &YKindFromText);
      series.kind = kind;
      series.unitText = unitText;
    }
    series.y = std::move(columns[i + 1]);
    table.series.push_back(std::move(series));
  }
  table.lines = std::move(collector.Lines());
  table.notes = std::move(detection.notes);
  if (table.xUnit != SourceXUnit::Unknown) {
    table.notes.push_back("x unit " + std::string(SourceXUnitName(table.xUnit)) +
                          " from the column name");
  }
  if (!table.lines.empty()) {
    table.notes.push_back(std::to_string(table.lines.size()) + " data rows, lines " +
                          std::to_string(table.lines.front()) + " to " +
                          std::to_string(table.lines.back()));
  }
  if (layout != nullptr) {
    *layout = found;
  }
  result.tables.push_back(std::move(table));
  return result;
}

TableReadResult ReadDelimitedFile(const std::string& path, const DelimitedSettings& settings,
                                  DelimitedLayout* layout) {
  std::string text;
  if (const FileStatus read = ReadText(path, kDelimitedMaxBytes, false, text); !read.ok) {
    TableReadResult result;
    result.error = {path, 0, read.message};
    return result;
  }
  return ParseDelimitedText(text, path, settings, layout);
}

DelimitedPreview PreviewDelimitedText(std::string_view text, const std::string& name,
                                      const DelimitedSettings& settings, std::size_t lineCount) {
  DelimitedPreview preview;
  Detection detection = Detect(text, name, settings);
  const std::string_view body =
      text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
  if (TextProblem(text).empty()) {
    preview.lines = FirstLines(body, lineCount);
  }
  preview.error = detection.error;
  if (!preview.Ok()) {
    return preview;
  }
  preview.layout = detection.layout;
  for (std::size_t r = detection.dataRow;
       r < detection.rows.size() && preview.rows.size() < lineCount; ++r) {
    preview.rows.push_back(std::move(detection.rows[r].fields));
  }
  return preview;
}

DelimitedPreview PreviewDelimitedFile(const std::string& path, const DelimitedSettings& settings,
                                      std::size_t lineCount) {
  std::string text;
  if (const FileStatus read = ReadText(path, kDetectionBytes, true, text); !read.ok) {
    DelimitedPreview preview;
    preview.error = {path, 0, read.message};
    return preview;
  }
  return PreviewDelimitedText(text, path, settings, lineCount);
}

bool IsDelimitedPath(std::string_view path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".csv" || extension == ".tsv" || extension == ".txt" || extension == ".dat" ||
         extension == ".prn";
}

} // namespace lumivex
