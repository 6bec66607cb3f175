#include "curves/BandDlg.h"

namespace lumivex {

std::vector<DialogField> CBandDlg::Fields() {
  constexpr NumberRange kRange{1.0f, 100000.0f};
  DialogField name{"name", "Spectrum", &m_name};
  name.result = true;
  return {name,
          {"low", "Low wavelength (nm)", &m_low, kRange},
          {"high", "High wavelength (nm)", &m_high, kRange},
          {"baseline", "Subtract a linear baseline between the range ends", &m_baseline}};
}

std::string CBandResultDlg::Text() const {
  std::string text;
  for (const std::string& line : m_lines) {
    text += line + "\n";
  }
  return text;
}

void CBandResultDlg::Copy(Prompts& prompts) const {
  prompts.CopyText(Text());
}

} // namespace lumivex
