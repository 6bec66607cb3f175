#pragma once

#include "core/LumivexData.h"
#include "core/Units.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// One spectrum of an export: its column header and the quantity its values are written in.
struct ExportedSpectrum {
  const CSpectrum* spectrum = nullptr;
  std::string name;
  YQuantity quantity = YQuantity::Absorption;
};

/// How an export lays the values out: one column per spectrum beside the x column, or one
/// (spectrum, x, y) row per value.
enum class CsvLayout { Columns, Tidy };

/// The workspace spectra at `indices` as the Spectra Display shows them: each in the y
/// quantity the document's flags give its kind, named by its record name, else its file's
/// name, else "Spectrum N" with its position.
[[nodiscard]] std::vector<ExportedSpectrum> DisplayedSpectra(const CLumivexData& data,
                                                             const std::vector<int>& indices);

/// The spectra as CSV text (RFC 4180: CRLF line ends, a field holding a comma, a quote or a
/// line end is quoted with its quotes doubled). The x values are those of the first
/// spectrum's grid, extended at its step over the union of all the ranges, converted to
/// `unit` and written in ascending order; the x header names the unit ("Wavelength(nm)",
/// "Wavenumber (cm^-1)"). In columns, a spectrum's cell is empty outside its range; tidy
/// rows ("spectrum", x header, "y") hold only values inside it. The first spectrum's values
/// are its points themselves, the others' are interpolated; every number is written in the
/// shortest form that reads back to the same single-precision value. No spectra give the
/// header line alone.
[[nodiscard]] std::string SpectraCsv(const std::vector<ExportedSpectrum>& spectra, XUnit unit,
                                     CsvLayout layout);

/// A CSV field: the text as it is, or quoted with its quotes doubled when it holds a comma,
/// a quote, a carriage return or a line feed.
[[nodiscard]] std::string CsvField(std::string_view text);

} // namespace lumivex
