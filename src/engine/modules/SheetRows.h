#pragma once

#include "core/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

/// One row of a printed result sheet: its label and its value as text.
struct SheetRow {
  std::string label;
  std::string value;
};

/// Draws the rows of a module's result sheet in the canvas's current font. With W the width
/// and H the height of `widestLabel` in that font, the rows stand L = H + 10 apart: row i
/// (from 0) at y = (i + 2) L + 30, its label at x = 30 and its value at x = W + valueGap.
void DrawSheetRows(Canvas& canvas, std::string_view widestLabel, int valueGap,
                   const std::vector<SheetRow>& rows);

/// A number with three decimals ("%1.3f"), as the result sheets and reports show it.
[[nodiscard]] std::string Fixed3(float value);
/// A number in exponent form with three decimals ("%1.3e").
[[nodiscard]] std::string Exponent3(float value);

} // namespace lumivex
