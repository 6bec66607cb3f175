#pragma once

#include "output/ResultSheet.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// The longest piece of a template line handled at once; a longer line is filled piece by
/// piece, so a placeholder that straddles two pieces stays as it is.
inline constexpr std::size_t kReportChunkLength = 299;
/// The longest text a text placeholder takes (before its markup is escaped).
inline constexpr std::size_t kReportTextLength = 299;

/// How many numbers and texts a module's report block has, by module code: 1 oscillator
/// strength 4 and 4, 2 Forster 9 and 7, 3 Strickler-Berg 10 and 2, 4 multiple component
/// analysis 30 and 32, 5 energy transfer simulation 100 and 30, 6 data information 3 and
/// 24; none for any other code.
struct ReportSlots {
  int numbers = 0;
  int texts = 0;
};
[[nodiscard]] ReportSlots ReportSlotsOf(int moduleCode);

/// Everything that goes into one report: the module's numbers and texts (exactly as many
/// as its slots; kNoReportNumber and kNoReportText mark empty slots), the user's name, the
/// date, and the pictures of the image placeholders. An empty picture path stands for a
/// picture that does not exist.
struct ReportValues {
  std::vector<float> numbers;
  std::vector<std::string> texts;
  std::string userName;
  std::string date;             ///< the 24-character date of FormatReportDate
  std::string donorPicture;     ///< "donor.gif"
  std::string acceptorPicture;  ///< "acceptor.gif"
  std::string spectrumPicture;  ///< "spectrum.gif", the graph
  std::string structurePicture; ///< "structure.gif", the current record's structure
};

/// The report values of a module: the block's entries in its slots, slots the block does
/// not fill left empty. The Forster pictures (code 2) come from the block; other modules
/// have none.
[[nodiscard]] ReportValues ReportValuesOf(int moduleCode, const ReportBlock& block);

/// The date and time as reports show them, 24 characters: "Wed Jun  4 09:05:03 2025"
/// (English day and month names, the day blank-padded to two characters).
[[nodiscard]] std::string FormatReportDate(const std::tm& time);

/// The text with the characters that carry meaning in HTML (& < > " ') written as
/// character references, so it shows as typed and cannot add markup.
[[nodiscard]] std::string EscapeHtml(std::string_view text);

/// The lines written in front of every report: the VML style block, hidden from other
/// readers, and the start of the html start tag, which the template completes.
[[nodiscard]] std::string ReportHeader();

/// Splits a template into the pieces it is filled in: each piece is the rest of a line up
/// to kReportChunkLength characters, with its line feed when the line ends within it. The
/// pieces are views into `text`.
[[nodiscard]] std::vector<std::string_view> TemplateChunks(std::string_view text);

/// One template piece filled in. The first placeholder kind found, in the order
/// "donor.gif", "acceptor.gif", "spectrum.gif", "structure.gif", "d_a_t_a", "i_n_p_u_t",
/// "o_p_e_r", "d_a_t_e", is replaced at its first occurrence; everything else is copied.
///
/// A number placeholder "d_a_t_a_K_" (K below 10) or "d_a_t_a_K" (K from 10 to 99) takes
/// number K in "%4.4f"; when a piece holds several, the highest K present wins and goes in
/// place of the first one. A K beyond the module's numbers, or an empty slot, gives nothing.
/// Text placeholders "i_n_p_u_t_K_" / "i_n_p_u_t_K" work the same with the texts, which are
/// cut to kReportTextLength characters and escaped. "o_p_e_r" takes the escaped user name,
/// "d_a_t_e" the date and a line feed. An image placeholder becomes a VML image shape and,
/// for readers without VML, a standard image of the same picture and size; both name the
/// picture by one address: "file://" and the percent-encoded path for an absolute path, the
/// percent-encoded path alone (read from the report's folder) otherwise.
[[nodiscard]] std::string FillReportChunk(std::string_view chunk, const ReportValues& values);

/// The whole report: the header, then every template piece filled in.
[[nodiscard]] std::string FillReport(std::string_view templateText, const ReportValues& values);

/// Where a report's graph picture goes: beside the report, named after it
/// ("results.html" → "results_spectrum.bmp").
[[nodiscard]] std::string ReportPicturePath(const std::string& reportPath);

} // namespace lumivex
