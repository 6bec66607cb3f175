#pragma once

#include <string>
#include <vector>

namespace lumivex::cli {

/// `plot FILE... --out PATH [--unit U] [--width W --height H] [--title T]`: opens the files
/// as the program does and draws the Spectra Display into a PNG (or, for a .bmp path, a
/// 24-bit BMP) without a display. Answers the JSON description of what was drawn.
[[nodiscard]] std::string Plot(const std::vector<std::string>& args);

} // namespace lumivex::cli
