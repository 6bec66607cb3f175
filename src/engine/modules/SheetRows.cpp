#include "modules/SheetRows.h"

#include <cstdio>

namespace lumivex {

void DrawSheetRows(Canvas& canvas, std::string_view widestLabel, int valueGap,
                   const std::vector<SheetRow>& rows) {
  const CSize extent = canvas.TextExtent(widestLabel);
  const int pitch = extent.cy + 10;
  canvas.SetTextAlign(TextAlign::LeftTop);
  int row = 0;
  for (const SheetRow& sheetRow : rows) {
    const int y = (row + 2) * pitch + 30;
    canvas.Text({30, y}, sheetRow.label);
    canvas.Text({extent.cx + valueGap, y}, sheetRow.value);
    ++row;
  }
}

std::string Fixed3(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%1.3f", static_cast<double>(value));
  return text;
}

std::string Exponent3(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%1.3e", static_cast<double>(value));
  return text;
}

} // namespace lumivex
