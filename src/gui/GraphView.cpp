#include "GraphView.h"

#include "GraphImage.h"
#include "QtCanvas.h"
#include "commands/MainFrame.h"
#include "core/Bitmap.h"
#include "ui/CommandIds.h"
#include "ui/GraphPainter.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace lumivex::gui {

GraphView::GraphView(CMainFrame& frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void GraphView::Invalidate() {
  m_stale = true;
  update();
}

CPoint GraphView::DevicePoint(QPointF position) const {
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(std::floor(position.x() * ratio)),
          static_cast<int>(std::floor(position.y() * ratio))};
}

void GraphView::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const int penScale = std::max(1, qRound(ratio));
  const QSize device(qRound(width() * ratio), qRound(height() * ratio));
  if (m_stale || m_picture.size() != device) {
    m_picture = QImage(device, QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    QtCanvas canvas(painter, penScale);
    const CSize client{device.width(), device.height()};
    const GraphGeometry geometry = DrawGraph(*m_frame.m_pData, canvas, client, false);
    m_interaction.Drawn(*m_frame.m_pData, geometry, client);
    m_stale = false;
  }
  m_picture.setDevicePixelRatio(ratio);
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), m_picture);
  painter.scale(1.0 / ratio, 1.0 / ratio);
  QtCanvas overlay(painter, penScale);
  m_interaction.DrawOverlay(overlay);
}

void GraphView::Answered(bool rangeChanged) {
  if (rangeChanged) {
    Invalidate();
  } else {
    update();
  }
  const QString readout = QString::fromStdString(m_interaction.StatusText());
  if (readout != m_readout) {
    m_readout = readout;
    emit ReadoutChanged(m_readout);
  }
}

void GraphView::mousePressEvent(QMouseEvent* event) {
  const bool middle = event->button() == Qt::MiddleButton;
  if (event->button() == Qt::LeftButton || middle) {
    m_interaction.Press(DevicePoint(event->position()),
                        middle ? GraphButton::Middle : GraphButton::Left,
                        event->modifiers().testFlag(Qt::ControlModifier),
                        event->modifiers().testFlag(Qt::AltModifier));
  }
}

void GraphView::mouseMoveEvent(QMouseEvent* event) {
  m_cursor = DevicePoint(event->position());
  Answered(m_interaction.Move(*m_frame.m_pData, m_cursor,
                              event->modifiers().testFlag(Qt::ShiftModifier)));
}

void GraphView::mouseReleaseEvent(QMouseEvent* event) {
  Answered(m_interaction.Release(*m_frame.m_pData, DevicePoint(event->position())));
  if (const std::optional<std::pair<float, float>> band = m_interaction.TakeBand()) {
    m_frame.m_view.OnMeasureBand(band);
  }
}

void GraphView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_frame.Execute(kIdSetGraph);
  }
}

void GraphView::wheelEvent(QWheelEvent* event) {
  const auto notches = static_cast<float>(event->angleDelta().y() / 120.0);
  Answered(m_interaction.Wheel(*m_frame.m_pData, DevicePoint(event->position()), notches));
}

void GraphView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) {
    Answered(m_interaction.Back(*m_frame.m_pData));
  } else if (event->key() == Qt::Key_Shift) {
    Answered(m_interaction.Move(*m_frame.m_pData, m_cursor, true));
  } else {
    QWidget::keyPressEvent(event);
  }
}

void GraphView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Shift) {
    Answered(m_interaction.Move(*m_frame.m_pData, m_cursor, false));
  } else {
    QWidget::keyReleaseEvent(event);
  }
}

void GraphView::leaveEvent(QEvent*) {
  m_interaction.Leave();
  Answered(false);
}

QImage GraphView::Picture() const {
  if (width() <= 0 || height() <= 0) {
    return {};
  }
  return RenderGraphImage(*m_frame.m_pData, size());
}

bool GraphView::SaveImage(const QString& path) const {
  return WriteBmp(QFile::encodeName(path).toStdString(), ToRgbImage(Picture())).ok;
}

} // namespace lumivex::gui
