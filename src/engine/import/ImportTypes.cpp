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
constexpr std::array<std::pair<std::string_view, XUnit>, 36> kXUnits{{
    {"NM", XUnit::Nanometre},
    {"NANOMETER", XUnit::Nanometre},
    {"NANOMETERS", XUnit::Nanometre},
    {"NANOMETRE", XUnit::Nanometre},
    {"NANOMETRES", XUnit::Nanometre},
    {"UM", XUnit::Micrometre},
    {"\xC2\xB5M", XUnit::Micrometre},
    {"\xCE\xBCM", XUnit::Micrometre},
    {"MICROMETER", XUnit::Micrometre},
    {"MICROMETERS", XUnit::Micrometre},
    {"MICROMETRE", XUnit::Micrometre},
    {"MICROMETRES", XUnit::Micrometre},
    {"MICRONS", XUnit::Micrometre},
    {"1/CM", XUnit::Wavenumber},
    {"CM-1", XUnit::Wavenumber},
    {"CM^-1", XUnit::Wavenumber},
    {"CM\xE2\x81\xBB\xC2\xB9", XUnit::Wavenumber},
    {"WAVENUMBER", XUnit::Wavenumber},
    {"WAVENUMBERS", XUnit::Wavenumber},
    {"EV", XUnit::ElectronVolt},
    {"ELECTRONVOLT", XUnit::ElectronVolt},
    {"ELECTRONVOLTS", XUnit::ElectronVolt},
    {"HZ", XUnit::NotOptical},
    {"KHZ", XUnit::NotOptical},
    {"MHZ", XUnit::NotOptical},
    {"GHZ", XUnit::NotOptical},
    {"PPM", XUnit::NotOptical},
    {"M/Z", XUnit::NotOptical},
    {"DA", XUnit::NotOptical},
    {"AMU", XUnit::NotOptical},
    {"S", XUnit::NotOptical},
    {"SECONDS", XUnit::NotOptical},
    {"MS", XUnit::NotOptical},
    {"MINUTES", XUnit::NotOptical},
    {"MIN", XUnit::NotOptical},
    {"TIME", XUnit::NotOptical},
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

XUnit XUnitFromText(std::string_view text) {
  return Lookup(kXUnits, Compact(text), XUnit::Unknown);
}

YKind YKindFromText(std::string_view text) {
  return Lookup(kYKinds, Compact(text), YKind::Unknown);
}

const char* XUnitName(XUnit unit) {
  switch (unit) {
  case XUnit::Nanometre:
    return "nm";
  case XUnit::Micrometre:
    return "um";
  case XUnit::Wavenumber:
    return "cm-1";
  case XUnit::ElectronVolt:
    return "ev";
  case XUnit::NotOptical:
    return "not optical";
  case XUnit::Unknown:
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
