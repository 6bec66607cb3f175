#include "GraphView.h"

#include "GraphImage.h"
#include "QtCanvas.h"
#include "commands/MainFrame.h"
#include "core/Bitmap.h"
#include "ui/CommandIds.h"
#include "ui/GraphPainter.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace lumivex::gui {

GraphView::GraphView(CMainFrame& frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  QtCanvas canvas(painter);
  DrawGraph(*m_frame.m_pData, canvas, {width(), height()}, false);
}

void GraphView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_frame.Execute(kIdSetGraph);
  }
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
