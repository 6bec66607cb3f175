#pragma once

#include "core/Bitmap.h"
#include "core/LumivexData.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace lumivex::gui {

/// The Spectra Display of the workspace drawn on a white image of `size`, as the window
/// of that client size shows it. Needs a QGuiApplication for its fonts.
[[nodiscard]] QImage RenderGraphImage(CLumivexData& data, QSize size, bool monochrome = false);

/// The Spectra Display of a window of `size` at `scale` (1 to 4) times its pixels each way,
/// pens and fonts as a screen of that density draws them.
[[nodiscard]] QImage ScaledGraphImage(const CLumivexData& data, QSize size, int scale);

/// ScaledGraphImage as a PNG file's bytes; empty when the picture could not be encoded.
[[nodiscard]] QByteArray GraphPng(const CLumivexData& data, QSize size, int scale);

/// The Spectra Display of a window of `size` as a one-page PDF file's bytes: a page of the
/// window's aspect ratio, one point per window pixel, drawn in vectors with the text in
/// embedded fonts. Empty when the document could not be made.
[[nodiscard]] QByteArray GraphPdf(const CLumivexData& data, QSize size);

/// The image's pixels as the engine's RGB picture (for bitmap files).
[[nodiscard]] RgbImage ToRgbImage(const QImage& image);

} // namespace lumivex::gui
