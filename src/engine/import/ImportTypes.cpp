#include "import/ImportTypes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace lumivex {

namespace {

/// The text in capitals with every blank removed, so "1 / cm" and "1/CM" compare equal.
std::string Compact(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) == 0) {
      out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
  }
  return out;
}

template <typename Value, std::size_t N>
Value Lookup(const std::array<std::pair<std::string_view, Value>, N>& table, const std::string& key,
             Value missing) {
  const auto found = std::find_if(table.begin(), table.end(),
                                  [&](const auto& entry) { return entry.first == key; });
  return found == table.end() ? missing : found->second;
}

// Spellings of x units in instrument files and column headers (compacted). The micro
// sign appears as U+00B5 and as the Greek mu U+03BC, both upper-cased byte-wise unchanged.
constexpr std::array<std::pair<std::string_view, SourceXUnit>, 36> kXUnits{{
    {"NM", SourceXUnit::Nanometre},
    {"NANOMETER", SourceXUnit::Nanometre},
    {"NANOMETERS", SourceXUnit::Nanometre},
    {"NANOMETRE", SourceXUnit::Nanometre},
    {"NANOMETRES", SourceXUnit::Nanometre},
    {"UM", SourceXUnit::Micrometre},
    {"\xC2\xB5M", SourceXUnit::Micrometre},
    {"\xCE\xBCM", SourceXUnit::Micrometre},
    {"MICROMETER", SourceXUnit::Micrometre},
    {"MICROMETERS", SourceXUnit::Micrometre},
    {"MICROMETRE", SourceXUnit::Micrometre},
    {"MICROMETRES", SourceXUnit::Micrometre},
    {"MICRONS", SourceXUnit::Micrometre},
    {"1/CM", SourceXUnit::Wavenumber},
    {"CM-1", SourceXUnit::Wavenumber},
    {"CM^-1", SourceXUnit::Wavenumber},
    {"CM\xE2\x81\xBB\xC2\xB9", SourceXUnit::Wavenumber},
    {"WAVENUMBER", SourceXUnit::Wavenumber},
    {"WAVENUMBERS", SourceXUnit::Wavenumber},
    {"EV", SourceXUnit::ElectronVolt},
    {"ELECTRONVOLT", SourceXUnit::ElectronVolt},
    {"ELECTRONVOLTS", SourceXUnit::ElectronVolt},
    {"HZ", SourceXUnit::NotOptical},
    {"KHZ", SourceXUnit::NotOptical},
    {"MHZ", SourceXUnit::NotOptical},
    {"GHZ", SourceXUnit::NotOptical},
    {"PPM", SourceXUnit::NotOptical},
    {"M/Z", SourceXUnit::NotOptical},
    {"DA", SourceXUnit::NotOptical},
    {"AMU", SourceXUnit::NotOptical},
    {"S", SourceXUnit::NotOptical},
    {"SECONDS", SourceXUnit::NotOptical},
    {"MS", SourceXUnit::NotOptical},
    {"MINUTES", SourceXUnit::NotOptical},
    {"MIN", SourceXUnit::NotOptical},
    {"TIME", SourceXUnit::NotOptical},
}};

constexpr std::array<std::pair<std::string_view, YKind>, 14> kYKinds{{
    {"ABSORBANCE", YKind::Absorbance},
    {"ABS", YKind::Absorbance},
    {"OD", YKind::Absorbance},
    {"TRANSMITTANCE", YKind::Transmittance},
    {"TRANSMISSION", YKind::Transmittance},
    {"%T", YKind::PercentTransmittance},
    {"%TRANSMITTANCE", YKind::PercentTransmittance},
    {"PERCENTTRANSMITTANCE", YKind::PercentTransmittance},
    {"TRANSMITTANCE(%)", YKind::PercentTransmittance},
    {"ARBITRARYUNITS", YKind::Intensity},
    {"A.U.", YKind::Intensity},
    {"COUNTS", YKind::Intensity},
    {"CPS", YKind::Intensity},
    {"INTENSITY", YKind::Intensity},
}};

} // namespace

SourceXUnit SourceXUnitFromText(std::string_view text) {
  return Lookup(kXUnits, Compact(text), SourceXUnit::Unknown);
}

YKind YKindFromText(std::string_view text) {
  return Lookup(kYKinds, Compact(text), YKind::Unknown);
}

const char* SourceXUnitName(SourceXUnit unit) {
  switch (unit) {
  case SourceXUnit::Nanometre:
    return "nm";
  case SourceXUnit::Micrometre:
    return "um";
  case SourceXUnit::Wavenumber:
    return "cm-1";
  case SourceXUnit::ElectronVolt:
    return "ev";
  case SourceXUnit::NotOptical:
    return "not optical";
  case SourceXUnit::Unknown:
    break;
  }
  return "unknown";
}

const char* YKindName(YKind kind) {
  switch (kind) {
  case YKind::Absorbance:
    return "absorbance";
  case YKind::Transmittance:
    return "transmittance";
  case YKind::PercentTransmittance:
    return "percent-transmittance";
  case YKind::Intensity:
    return "intensity";
  case YKind::Unknown:
    break;
  }
  return "unknown";
}

std::string ImportError::Text() const {
  std::string text = path + ": ";
  if (line > 0) {
    text += "line " + std::to_string(line) + ": ";
  }
  return text + message;
}

} // namespace lumivex
