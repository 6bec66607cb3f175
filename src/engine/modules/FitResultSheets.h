#pragma once

#include "core/Canvas.h"
#include "modules/EnergyTransfer.h"
#include "output/ResultSheet.h"

#include <span>
#include <string>
#include <vector>

namespace lumivex {

/// Number and text slots of the multiple component analysis report, and the components
/// it has room for.
inline constexpr int kMcaReportNumbers = 30;
inline constexpr int kMcaReportTexts = 32;

/// The result list of the multiple component analysis: "%4.5f", three blanks and the
/// component's name, one entry per component in component order.
[[nodiscard]] std::vector<std::string> McaResultEntries(std::span<const float> results,
                                                        std::span<const std::string> names);
/// The wavelength list of the results: "%f" per wavelength.
[[nodiscard]] std::vector<std::string> McaWavelengthEntries(std::span<const float> wavelengths);

/// The report block of the multiple component analysis: texts 0 and 1 the residual
/// ("%1.3e") and the number of components ("%d"), then thirty names; thirty numbers, the
/// results in component order. Slots without a component hold the empty-slot markers; a
/// mixture of more than thirty components reports its first thirty.
[[nodiscard]] ReportBlock McaReportBlock(float residual, std::span<const float> results,
                                         std::span<const std::string> names);

/// The print sheet of the multiple component analysis. With W and H the extent of
/// "Wavelength for epsilon (nm)", rows stand L = H + 10 apart (row i at y = i L + 30), the
/// labels at x = 30 and the values at x = W + 60: row 2 "Least square" and the residual
/// ("%1.3e"), row 3 "Number of compounds" and m, row 5 the headers "Concentrations" and
/// "Compounds", then from row 6 each result ("%1.3f") with its component's name.
void DrawMcaResults(Canvas& canvas, float residual, std::span<const float> results,
                    std::span<const std::string> names);

/// Components of a chain that the energy-transfer report has room for, and its slots.
inline constexpr int kTransferReportComponents = 12;
inline constexpr int kTransferReportNumbers = 100;
inline constexpr int kTransferReportTexts = 30;

/// The letter of chain component c (from 0) on the print sheet: "A", "B", ... "Z", then
/// "AA", "AB", ... for longer chains.
[[nodiscard]] std::string ComponentLetter(int c);

/// The report block of the energy-transfer simulation: number 0 the excitation wavelength;
/// numbers 1 + 8c ... 8 + 8c T, epsilon, RelAbs, QY, Q', ExcTot, Q'' and Em of component c;
/// number 97 Q_end; the names in chain order. The block holds twelve components: of a
/// longer chain the first twelve are reported and the text after the twelfth name says
/// which components were left out. Empty slots hold the empty-slot markers.
[[nodiscard]] ReportBlock TransferReportBlock(std::span<const EnergyTransferRecord> chain,
                                              float excitation, float endToEnd,
                                              std::span<const std::string> names);

/// The text of the energy-transfer report that names the components left out of it.
[[nodiscard]] std::string TransferReportOmission(int chainLength);

/// The print sheet of the energy-transfer simulation, every component of the chain: with H
/// the height of "Component" rows stand L = H + 5 apart (row r at y = r L + 30); the nine
/// column headers on row 2, each column 12 units right of the previous header's end; one
/// row per component (its letter, then T, epsilon, RelAbs, QY, Q', ExcTot, Q'', Em in
/// "%1.3f"); two rows further the excitation wavelength, then the system ("A--B--C"), one
/// row per component with its name, and two rows further the notes, each lowered by a
/// growing offset (30 times 1.3, 1.6, ... 2.8).
void DrawTransferResults(Canvas& canvas, std::span<const EnergyTransferRecord> chain,
                         float excitation, float endToEnd, std::span<const std::string> names);

} // namespace lumivex
