#include "modules/WavelengthList.h"

#include <algorithm>
#include <cstdio>

namespace lumivex {

std::optional<std::string> CWavelengthList::Add(float wavelength, const std::string& name) {
  char text[160];
  if (Count() >= m_capacity) {
    std::snprintf(text, sizeof text,
                  "The wavelength list is full: it has room for %d wavelengths. %3.2f nm was "
                  "not added.",
                  m_capacity, static_cast<double>(wavelength));
    return std::string(text);
  }
  std::snprintf(text, sizeof text, "%3.2f     ", static_cast<double>(wavelength));
  m_wavelengths.push_back(wavelength);
  m_entries.push_back(text + name);
  return std::nullopt;
}

int McaWavelengthCapacity(int components) {
  return 3 * std::max(components, 0);
}

int TransferWavelengthCapacity(int selected) {
  return std::min(3 * std::max(selected, 0), 50);
}

ReverseToggle ToggleReverse(ReverseToggle state) {
  if (state.reverse) {
    return {false, state.displayed + 1};
  }
  if (state.displayed - 1 < 2) {
    return state;
  }
  return {true, state.displayed - 1};
}

} // namespace lumivex
