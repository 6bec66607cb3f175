#pragma once

#include "core/Bitmap.h"
#include "core/LumivexData.h"

#include <QImage>
#include <QSize>

namespace lumivex::gui {

/// The Spectra Display of the workspace drawn on a white image of `size`, as the window
/// of that client size shows it. Needs a QGuiApplication for its fonts.
[[nodiscard]] QImage RenderGraphImage(CLumivexData& data, QSize size, bool monochrome = false);

/// The image's pixels as the engine's RGB picture (for bitmap files).
[[nodiscard]] RgbImage ToRgbImage(const QImage& image);

} // namespace lumivex::gui
