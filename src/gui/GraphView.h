#pragma once

#include <QImage>
#include <QWidget>

namespace lumivex {
class CMainFrame;
} // namespace lumivex

namespace lumivex::gui {

/// The Spectra Display: draws the workspace's graph; a double click opens Graph Settings.
class GraphView final : public QWidget {
  Q_OBJECT

public:
  explicit GraphView(CMainFrame& frame, QWidget* parent = nullptr);

  /// The graph as the window shows it, at the window's size.
  [[nodiscard]] QImage Picture() const;
  /// Writes the picture as a 24-bit BMP file; false when the file cannot be written.
  bool SaveImage(const QString& path) const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  CMainFrame& m_frame;
};

} // namespace lumivex::gui
