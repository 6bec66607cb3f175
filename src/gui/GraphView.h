#pragma once

#include "ui/GraphInteraction.h"

#include <QImage>
#include <QWidget>

namespace lumivex {
class CMainFrame;
} // namespace lumivex

namespace lumivex::gui {

/// The Spectra Display: draws the workspace's graph at the screen's pixel density and
/// forwards the mouse and keys to the engine's graph interaction (cursor readout, zoom,
/// pan, Backspace to step back); a double click opens Graph Settings and a band dragged with
/// Alt opens Measure Band on it.
///
/// The graph is kept as a picture between changes of the document, so moving the cursor
/// only draws the overlay over it.
class GraphView final : public QWidget {
  Q_OBJECT

public:
  explicit GraphView(CMainFrame& frame, QWidget* parent = nullptr);

  /// The graph as the window shows it, at the window's size.
  [[nodiscard]] QImage Picture() const;
  /// Writes the picture as a 24-bit BMP file; false when the file cannot be written.
  bool SaveImage(const QString& path) const;
  /// The document changed: the graph is drawn anew.
  void Invalidate();
  [[nodiscard]] const CGraphInteraction& Interaction() const { return m_interaction; }

signals:
  /// The cursor readout for the status bar; empty when the cursor is off the plot.
  void ReadoutChanged(const QString& text);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  /// A position in the widget as a device pixel of the picture.
  [[nodiscard]] CPoint DevicePoint(QPointF position) const;
  /// After the interaction answered: repaint the graph when the range changed, else the
  /// overlay, and tell the readout.
  void Answered(bool rangeChanged);

  CMainFrame& m_frame;
  CGraphInteraction m_interaction;
  QImage m_picture;
  bool m_stale = true;
  CPoint m_cursor;
  QString m_readout;
};

} // namespace lumivex::gui
