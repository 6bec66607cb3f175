#pragma once

namespace lumivex {

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
};

} // namespace lumivex
