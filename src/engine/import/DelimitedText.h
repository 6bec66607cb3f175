#pragma once

#include "import/ImportTypes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The largest delimited text file read (bytes).
inline constexpr std::size_t kDelimitedMaxBytes = 256u << 20;
/// The most data rows one delimited text file may hold.
inline constexpr std::size_t kDelimitedMaxRows = 10'000'000;
/// How much of the start of a file is judged for the delimiter, the decimal mark and the
/// header: the first this many lines, or the first kDetectionBytes, whichever ends first.
inline constexpr std::size_t kDetectionLines = 2000;
inline constexpr std::size_t kDetectionBytes = 256u << 10;
/// How much of the start of a file is looked at to tell text from binary data.
inline constexpr std::size_t kTextCheckBytes = 8192;

/// The delimiter between the fields of a row.
enum class Delimiter {
  Comma,
  Semicolon,
  Tab,
  Blanks, ///< one or more spaces
};

/// "comma", "semicolon", "tab", "blanks": the names in notes, previews and settings.
[[nodiscard]] const char* DelimiterName(Delimiter delimiter);
/// The delimiter a setting text names: "," or "comma", ";" or "semicolon", "\t", "tab" or
/// a tab character, " ", "space" or "blanks"; none for any other text.
[[nodiscard]] std::optional<Delimiter> DelimiterFromText(std::string_view text);

/// How a delimited text file is read. Each setting left empty is detected from the file.
/// Columns count from 1, as users count them.
struct DelimitedSettings {
  std::optional<Delimiter> delimiter;
  /// Whether numbers are written with a decimal comma ("1,5"); with a decimal comma a '.'
  /// in a number makes it no number, so thousands separators are never misread.
  std::optional<bool> decimalComma;
  /// Lines before the data: header and comment lines. When set, the data start on the line
  /// after them; when empty, on the first line of numbers that rows of the same shape follow.
  std::optional<int> skipLines;
  /// The x column; 0 means the first column that holds numbers.
  int xColumn = 0;
  /// The y columns, each a spectrum; empty means every other column that holds numbers.
  std::vector<int> yColumns;
};

/// What the reader decided for one file: every setting resolved, whether given or detected.
struct DelimitedLayout {
  Delimiter delimiter = Delimiter::Comma;
  bool delimiterDetected = false;
  bool decimalComma = false;
  bool decimalCommaDetected = false;
  bool byteOrderMark = false; ///< a UTF-8 byte-order mark was skipped
  int skipLines = 0;          ///< lines before the first data row
  int headerLine = 0;         ///< the line the column names come from; 0 when none
  int firstDataLine = 0;      ///< 1-based
  int columnCount = 0;        ///< fields in a data row
  int xColumn = 1;
  std::vector<int> yColumns;
  /// One name per column: the header's text, else "column N".
  std::vector<std::string> columnNames;
};

/// The start of a file and the layout its reading would use, without reading the data: what
/// an import dialog shows before the user confirms.
struct DelimitedPreview {
  ImportError error;                          ///< why the file cannot be read; empty when it can
  std::vector<std::string> lines;             ///< the first lines as written, without line ends
  DelimitedLayout layout;                     ///< valid when error is empty
  std::vector<std::vector<std::string>> rows; ///< the first data rows split into fields
  [[nodiscard]] bool Ok() const { return error.message.empty(); }
};

/// Reads delimited text: comma, semicolon, tab or blank separated values with RFC 4180
/// quoting (fields in double quotes may hold the delimiter, line breaks and doubled quotes).
/// A UTF-8 byte-order mark is skipped, lines may end in LF, CRLF or CR, blank lines are
/// passed over. The lines before the data are header and comment lines; the last of them,
/// when it has as many fields as a data row, gives the column names, and a unit in a name
/// ("Wavelength (nm)", "Absorbance") becomes the x unit or the y kind. The table's notes say
/// every decision. A field of a chosen column that is no finite number, an empty field, a
/// row with another number of fields than the data rows, or a chosen column that holds no
/// numbers refuses the file naming the line. `name` names the file in messages and is the
/// table's source path. When `layout` is given it receives the decisions.
[[nodiscard]] TableReadResult ParseDelimitedText(std::string_view text, const std::string& name,
                                                 const DelimitedSettings& settings,
                                                 DelimitedLayout* layout = nullptr);

/// ParseDelimitedText on a file's contents. Only regular files up to kDelimitedMaxBytes are
/// read; a file whose first kTextCheckBytes hold a NUL byte or other control characters is
/// refused as binary before the rest is read.
[[nodiscard]] TableReadResult ReadDelimitedFile(const std::string& path,
                                                const DelimitedSettings& settings,
                                                DelimitedLayout* layout = nullptr);

/// The first `lineCount` lines of text, the layout ParseDelimitedText would use and the first
/// `lineCount` data rows split into fields. `name` names the file in messages.
[[nodiscard]] DelimitedPreview PreviewDelimitedText(std::string_view text, const std::string& name,
                                                    const DelimitedSettings& settings,
                                                    std::size_t lineCount);

/// PreviewDelimitedText on the start of a file: only its first kDetectionBytes are read.
[[nodiscard]] DelimitedPreview PreviewDelimitedFile(const std::string& path,
                                                    const DelimitedSettings& settings,
                                                    std::size_t lineCount);

/// Whether a path names a delimited text file by its extension: .csv, .tsv, .txt, .dat or
/// .prn, any case.
[[nodiscard]] bool IsDelimitedPath(std::string_view path);

} // namespace lumivex
