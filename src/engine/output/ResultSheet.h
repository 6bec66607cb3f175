#pragma once

#include "core/Canvas.h"

#include <string>
#include <vector>

namespace lumivex {

/// A number slot of a report block that holds no value; its placeholder becomes nothing.
inline constexpr float kNoReportNumber = 1.23456f;
/// A text slot of a report block that holds no value.
inline constexpr const char* kNoReportText = "N/A";

/// The numbers and texts a module hands to an HTML report, in the module's slot order.
struct ReportBlock {
  std::vector<float> numbers;
  std::vector<std::string> texts;
  std::string donorPicture;    ///< first picture path (Forster: the donor's structure)
  std::string acceptorPicture; ///< second picture path (Forster: the acceptor's structure)
};

/// A module's results as printing and reports read them: the dialog draws its own sheet
/// below the title and fills its report block.
class CResultSheet {
public:
  virtual ~CResultSheet() = default;
  /// The sheet's title, printed above the results.
  [[nodiscard]] virtual const char* Title() const = 0;
  /// The module's code, which picks its report template's placeholders and its help topic.
  [[nodiscard]] virtual int ModuleCode() const = 0;
  /// Draws the result sheet in the main window's client coordinates (the title is drawn by
  /// the caller at (30, 30)).
  virtual void DrawResults(Canvas& canvas) const = 0;
  /// The report block of the module.
  [[nodiscard]] virtual ReportBlock Report() const = 0;
};

} // namespace lumivex
