#include "core/AtomicFile.h"
#include "output/HtmlReport.h"
#include "output/PageCanvas.h"
#include "ui/GraphPainter.h"
#include "ui/MainFrame.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace lumivex {

namespace {

constexpr const char* kPrintDocumentName = "Lumivex printing...";
constexpr const char* kUnableToPrint = "Unable to print the results";
constexpr const char* kPrinterSection = "Printer Section";
/// The graph picture a graph print leaves in the database folder.
constexpr const char* kPrintPictureName = "temp.bmp";
/// Where a result sheet's title stands, in client coordinates.
constexpr CPoint kTitlePosition{30, 30};

constexpr const char* kTemplateFilter = "HTML Template files (*.htmt)|*.htmt|All files (*.*)|*.*||";
constexpr const char* kReportFilter = "HTML file (*.html)|*.html|All files (*.*)|*.*||";
constexpr const char* kReportNote =
    "Please note:  Make sure that you open your report and copy the entire file (Cntl + A then, "
    "Cntl + C).  Then save the copied information by opening a new file (i.e. Microsoft Word "
    "file) and pasting (Cntl + V) and saving this file.";
constexpr const char* kTemplateUnreadable = "Unable to open the report template.\n";
constexpr const char* kReportUnwritable = "Unable to create the report file.\n";
constexpr const char* kReportPictureUnwritable =
    "The report was written, but its graph picture could not be saved as ";
constexpr const char* kReportOverTemplate =
    "The report cannot replace its own template.  Please choose another file name for the "
    "report.";

/// The title of a module's result sheet, or null for a code without a sheet.
const char* SheetTitle(int moduleCode) {
  switch (moduleCode) {
  case 1:
    return "Results of Oscillator Calculation";
  case 2:
    return "Results of Forster Energy Transfer Calculation";
  case 3:
    return "Results of Fluorescence Lifetime Calculation";
  case 4:
    return "Results of Multiple Component Analysis";
  case 5:
    return "Results of Energy Transfer Simulation";
  default:
    return nullptr;
  }
}

std::string LocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FormatReportDate(local);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

// A picture as a report names it from wherever the report is saved: its absolute path with
// links and "." and ".." resolved (a browser would drop ".." without following links). No
// picture stays none.
std::string AbsolutePicture(const std::string& path) {
  if (path.empty()) {
    return path;
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::weakly_canonical(path, error);
  return error ? path : absolute.string();
}

} // namespace

bool CMainFrame::AskUserName(bool always) {
  if (!always && !m_usernameDlg.m_userName.empty()) {
    return true;
  }
  const std::string shown = m_usernameDlg.m_userName;
  if (m_prompts.RunDialog(m_usernameDlg) != kResultOk) {
    m_usernameDlg.m_userName = shown;
    return false;
  }
  return !m_usernameDlg.m_userName.empty();
}

void CMainFrame::PrintResults(int moduleCode) {
  if (!AskUserName(false)) {
    return;
  }
  std::unique_ptr<PrintJob> job = m_prompts.PrintDialog(PrintDialogRequest{});
  if (!job) {
    return;
  }
  if (!PrintPage(*job, moduleCode)) {
    m_prompts.Message(kUnableToPrint, kPrinterSection, MessageButtons::Ok, MessageIcon::Warning);
  }
}

bool CMainFrame::PrintPage(PrintJob& job, int moduleCode) {
  if (!job.StartDocument(kPrintDocumentName) || !job.StartPage()) {
    return false;
  }
  // The page is laid out on the main window's client area, scaled to the printable area.
  CPageCanvas page(job.PageCanvas(), m_views.ClientSize(), job.PrintableSize());
  if (const char* title = SheetTitle(moduleCode)) {
    const CFont previous = page.Font();
    page.SetFont({"Helvetica", 22, 400, 0});
    page.Text(kTitlePosition, title);
    page.SetFont(previous);
    if (const CResultSheet* sheet = m_resultSource[static_cast<std::size_t>(moduleCode)]) {
      sheet->DrawResults(page);
    }
  } else if (moduleCode != 6) {
    DrawGraph(*m_pData, page, m_views.GraphClientSize(), true);
    const std::string picture = m_databaseList.Folder() + kPrintPictureName;
    const bool known =
        std::find(m_printPictures.begin(), m_printPictures.end(), picture) != m_printPictures.end();
    if (m_views.SaveGraphImage(picture) && !known) {
      m_printPictures.push_back(picture);
    }
  }
  return job.EndPage() && job.EndDocument();
}

ReportBlock CMainFrame::ReportBlockOf(int moduleCode) const {
  if (moduleCode >= 1 && moduleCode <= 5) {
    if (const CResultSheet* sheet = m_resultSource[static_cast<std::size_t>(moduleCode)]) {
      return sheet->Report();
    }
  }
  return {};
}

void CMainFrame::WriteHtmlReport(int moduleCode) {
  if (!AskUserName(true)) {
    return;
  }
  const bool recordLoaded = LoadCurrentRecord(-1);

  FileDialogRequest templateDialog;
  templateDialog.filter = kTemplateFilter;
  templateDialog.defaultExtension = "htmt";
  templateDialog.initialName = "*.htmt";
  const std::optional<std::string> templatePath = m_prompts.OpenFile(templateDialog);
  if (!templatePath) {
    return;
  }
  FileDialogRequest reportDialog;
  reportDialog.filter = kReportFilter;
  reportDialog.defaultExtension = "html";
  reportDialog.initialName = "*.html";
  reportDialog.promptOverwrite = true;
  const std::optional<std::string> reportPath = m_prompts.SaveFile(reportDialog);
  if (!reportPath || *reportPath == "*.html" || *templatePath == "*.htmt") {
    return;
  }
  if (SameFile(*templatePath, *reportPath)) {
    m_prompts.Message(kReportOverTemplate, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Warning);
    return;
  }
  std::string templateText;
  if (const FileStatus read = ReadWholeFile(*templatePath, templateText); !read.ok) {
    m_prompts.Message(kTemplateUnreadable + read.message, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Warning);
    return;
  }

  ReportValues values = ReportValuesOf(moduleCode, ReportBlockOf(moduleCode));
  values.userName = m_usernameDlg.m_userName;
  values.date = LocalDate();
  // The graph picture lies beside the report, so the report finds it by its name alone.
  const std::string picture = ReportPicturePath(*reportPath);
  values.spectrumPicture = std::filesystem::path(picture).filename().string();
  if (recordLoaded && !m_record.absStructure.empty()) {
    values.structurePicture = m_databaseFolder + m_record.absStructure;
  }
  for (std::string* named :
       {&values.donorPicture, &values.acceptorPicture, &values.structurePicture}) {
    *named = AbsolutePicture(*named);
  }
  if (const FileStatus written = WriteFileAtomically(*reportPath, FillReport(templateText, values));
      !written.ok) {
    m_prompts.Message(kReportUnwritable + written.message, kApplicationTitle, MessageButtons::Ok,
                      MessageIcon::Warning);
    return;
  }
  if (!m_views.SaveGraphImage(picture)) {
    m_prompts.Message(kReportPictureUnwritable + picture + ".", kApplicationTitle,
                      MessageButtons::Ok, MessageIcon::Warning);
  }
  m_prompts.Message(kReportNote, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
}

} // namespace lumivex
