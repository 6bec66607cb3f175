#pragma once

#include "core/Canvas.h"

#include <string>

namespace lumivex {

/// The formats of a picture of the Spectra Display that only the program can make.
enum class PictureFormat {
  Png, ///< a bitmap at a whole multiple of the window's pixels
  Pdf, ///< one vector page at the window's aspect ratio
};

/// What the main frame tells its windows. The Qt program implements it; tests record it.
class CFrameViews {
public:
  virtual ~CFrameViews() = default;
  /// Create the Spectra Display, the Data File window and the database list window (the
  /// first File New); the windows then refuse to close until the frame closes.
  virtual void CreateChildWindows() = 0;
  /// Place the windows as ArrangeWindows computes for the current client rectangle.
  virtual void ArrangeWindows() = 0;
  /// Repaint the Spectra Display.
  virtual void InvalidateGraph() = 0;
  /// The Data File list's entries, colours or selection changed.
  virtual void FileListChanged() = 0;
  /// The database list window's entries, total or selection changed.
  virtual void DatabaseListChanged() = 0;
  /// The database list window's structure picture changed.
  virtual void StructureChanged() = 0;
  /// The main window's client area in pixels: the sheet a printed page is laid out on.
  [[nodiscard]] virtual CSize ClientSize() const = 0;
  /// The Spectra Display's client area in pixels, which the graph's drawing scales with.
  [[nodiscard]] virtual CSize GraphClientSize() const = 0;
  /// Writes the Spectra Display's client area to a bitmap file; false when none was written.
  virtual bool SaveGraphImage(const std::string& path) = 0;
  /// The Spectra Display as the bytes of a file of `format`, drawn as the window draws it; a
  /// PNG has `scale` (1 to 4) times the window's pixels each way. Empty when none was made,
  /// as always without a window that draws.
  [[nodiscard]] virtual std::string GraphPicture(PictureFormat format, int scale) {
    (void)format;
    (void)scale;
    return {};
  }
  /// Puts the Spectra Display on the clipboard as a picture and as an SVG drawing; without a
  /// window and a clipboard nothing happens.
  virtual void CopyGraph() {}
};

} // namespace lumivex
