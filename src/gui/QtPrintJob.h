#pragma once

#include "QtCanvas.h"
#include "core/Prompts.h"

#include <QPainter>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace lumivex::gui {

/// A print job on a QPrinter: the document is the painter's time on the printer, a page
/// is drawn through a QtCanvas in device pixels of the printable area. A job dropped before
/// its document ends is aborted, so nothing of it is printed or left in a PDF file.
class QtPrintJob final : public PrintJob {
public:
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
  ~QtPrintJob() override;
  QtPrintJob(const QtPrintJob&) = delete;
  QtPrintJob& operator=(const QtPrintJob&) = delete;

  [[nodiscard]] CSize PrintableSize() const override;
  bool StartDocument(const std::string& name) override;
  bool StartPage() override;
  Canvas& PageCanvas() override;
  bool EndPage() override;
  bool EndDocument() override;

  [[nodiscard]] QPrinter& Printer() const { return *m_printer; }

private:
  std::unique_ptr<QPrinter> m_printer;
  QPainter m_painter;
  std::optional<QtCanvas> m_canvas;
  int m_pagesStarted = 0;
};

/// Shows the standard print dialog for a printer at high resolution, with the request's
/// page range and copies; the job on the printer chosen, or null when cancelled.
[[nodiscard]] std::unique_ptr<QtPrintJob> RunPrintDialog(const PrintDialogRequest& request,
                                                         QWidget* parent);

} // namespace lumivex::gui
