#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// The analysis wavelengths chosen in the input dialog of a fit ("------>"), each with the
/// name of the component shown when it was added, in the order added. The list has a
/// fixed room; a wavelength beyond it is refused and the list stays as it is.
class CWavelengthList {
public:
  explicit CWavelengthList(int capacity) : m_capacity(capacity < 0 ? 0 : capacity) {}

  /// Appends a wavelength (nm) with the component's name; when the list is full it is
  /// refused with a message for the user.
  [[nodiscard]] std::optional<std::string> Add(float wavelength, const std::string& name);

  [[nodiscard]] int Count() const { return static_cast<int>(m_wavelengths.size()); }
  [[nodiscard]] int Capacity() const { return m_capacity; }
  [[nodiscard]] bool Empty() const { return m_wavelengths.empty(); }
  [[nodiscard]] const std::vector<float>& Wavelengths() const { return m_wavelengths; }
  /// The list box entries: "%3.2f", five blanks and the name, e.g. "450.00     Perylene".
  [[nodiscard]] const std::vector<std::string>& Entries() const { return m_entries; }

private:
  int m_capacity;
  std::vector<float> m_wavelengths;
  std::vector<std::string> m_entries;
};

/// Room of the multiple component analysis' list: three wavelengths per component.
[[nodiscard]] int McaWavelengthCapacity(int components);
/// Room of the energy-transfer simulation's list: three per selected spectrum, at most 50.
[[nodiscard]] int TransferWavelengthCapacity(int selected);

/// The "Reverse Analysis" box of the energy-transfer input and the number of components it
/// shows.
struct ReverseToggle {
  bool reverse = false;
  int displayed = 0;
};

/// Clicking "Reverse Analysis": on, the measured spectrum is no component, so the number
/// shown drops by 1, unless it would fall below 2, when the box stays off and the number
/// stays; off, the number rises by 1 again.
[[nodiscard]] ReverseToggle ToggleReverse(ReverseToggle state);

} // namespace lumivex
