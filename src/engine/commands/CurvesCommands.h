#pragma once

#include "curves/ModelCurves.h"

namespace lumivex {

class CAddSubtractSpectra;
class CCommandRegistry;
struct CommandContext;

/// The curves family: the Gaussian, Lorentzian and blackbody model curves, the Spectrum
/// Calculator (whose dialog, and so its formula, the family keeps from one run to the next),
/// Create Spectrum, Alter Spectrum and Normalize.
void RegisterCurvesCommands(CCommandRegistry& registry, CommandContext& context);

/// A model curve from its dialog: the graph's ranges return to automatic, the curve is
/// sampled at every whole nanometre of its range and added as the only selected spectrum,
/// under its graph title, and the database window follows the new selection. A range of a
/// single wavelength is refused with a message; zero parameters or an empty range quietly
/// give no curve.
void GenerateCurve(CommandContext& context, CurveFunction function);

/// Spectrum Calculator: a linear combination of the selected spectra (letters A, B, ... in
/// selection order) by the formula typed into `dlg`, appended under the formula's name; the
/// graph is reset afterwards. The selected spectra's weights are 1.0 again on every path.
void SpectrumCalculator(CommandContext& context, CAddSubtractSpectra& dlg);

/// Create Spectrum: the kind, the range and the number of peaks on the first page, then one
/// page per peak; the sum of the peaks is added as the only selected spectrum and the graph
/// shows its kind over its range.
void CreateSpectrum(CommandContext& context);

/// Alter Spectrum: a shifted and scaled copy of every selected spectrum, the sources
/// removed unless they are to stay.
void AlterSpectrum(CommandContext& context);

/// Normalize: a copy of every selected spectrum scaled to 1 at its peak; a spectrum already
/// at 1 gets none, one whose value at its peak is 0 or not finite is skipped and named in
/// one message.
void Normalize(CommandContext& context);

} // namespace lumivex
