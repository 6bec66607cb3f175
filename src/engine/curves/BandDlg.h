#pragma once

#include "core/FormDlg.h"
#include "core/Prompts.h"

#include <string>
#include <vector>

namespace lumivex {

/// The Measure Band dialog: the spectrum's name, the range (nm, as the graph shows
/// wavelengths, 1 to 100,000) and whether a linear baseline between the range ends is
/// subtracted. The view commands keep it, so it opens with the range last measured.
class CBandDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CBandDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Measure Band"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  std::string m_name;
  float m_low = 0.0f;
  float m_high = 0.0f;
  bool m_baseline = false;
};

/// The results of Measure Band: lines of text shown read-only, "Copy", which puts them on
/// the clipboard and leaves the dialog open, and "Close".
class CBandResultDlg : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CBandResultDlg"; }
  [[nodiscard]] static const char* Caption() { return "Band Measurement"; }

  /// The lines, each ended by a line break, as they are copied.
  [[nodiscard]] std::string Text() const;
  /// "Copy": the text onto the clipboard.
  void Copy(Prompts& prompts) const;

  std::vector<std::string> m_lines;
};

} // namespace lumivex
