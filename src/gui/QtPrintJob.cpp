#include "QtPrintJob.h"

#include <QPrintDialog>
#include <QPrinter>

namespace lumivex::gui {

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

QtPrintJob::~QtPrintJob() {
  m_canvas.reset();
  if (m_painter.isActive()) {
    m_printer->abort();
    m_painter.end();
  }
}

CSize QtPrintJob::PrintableSize() const {
  return {m_printer->width(), m_printer->height()};
}

bool QtPrintJob::StartDocument(const std::string& name) {
  m_printer->setDocName(QString::fromStdString(name));
  if (!m_painter.begin(m_printer.get())) {
    return false;
  }
  m_canvas.emplace(m_painter);
  return true;
}

bool QtPrintJob::StartPage() {
  // The first page begins with the document; every later one is a new sheet.
  const bool started = m_painter.isActive() && (m_pagesStarted == 0 || m_printer->newPage());
  ++m_pagesStarted;
  return started;
}

Canvas& QtPrintJob::PageCanvas() {
  if (!m_canvas) {
    m_canvas.emplace(m_painter);
  }
  return *m_canvas;
}

bool QtPrintJob::EndPage() {
  return m_painter.isActive() && m_printer->printerState() != QPrinter::Error;
}

bool QtPrintJob::EndDocument() {
  m_canvas.reset();
  return m_painter.end() && m_printer->printerState() != QPrinter::Error;
}

std::unique_ptr<QtPrintJob> RunPrintDialog(const PrintDialogRequest& request, QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setCopyCount(request.copies);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(request.minPage, request.maxPage);
  dialog.setFromTo(request.fromPage, request.toPage);
  if (dialog.exec() != QDialog::Accepted) {
    return nullptr;
  }
  return std::make_unique<QtPrintJob>(std::move(printer));
}

} // namespace lumivex::gui
