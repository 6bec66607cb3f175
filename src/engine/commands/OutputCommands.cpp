#include "commands/OutputCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "core/AtomicFile.h"
#include "output/HtmlReport.h"
#include "output/PageCanvas.h"
#include "ui/CommandIds.h"
#include "ui/GraphPainter.h"

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

CResultOutput::~CResultOutput() {
  for (const std::string& picture : m_printPictures) {
    std::error_code ignored;
    std::filesystem::remove(picture, ignored);
  }
}

void CResultOutput::Register(CCommandRegistry& registry) {
  registry.Add(kIdPrint, [this] { Print(nullptr); });
}

bool CResultOutput::AskUserName(bool always) {
  if (!always && !m_usernameDlg.m_userName.empty()) {
    return true;
  }
  const std::string shown = m_usernameDlg.m_userName;
  if (m_context.prompts.RunDialog(m_usernameDlg) != kResultOk) {
    m_usernameDlg.m_userName = shown;
    return false;
  }
  return !m_usernameDlg.m_userName.empty();
}

void CResultOutput::Print(const CResultSheet* sheet) {
  if (!AskUserName(false)) {
    return;
  }
  std::unique_ptr<PrintJob> job = m_context.prompts.PrintDialog(PrintDialogRequest{});
  if (!job) {
    return;
  }
  if (!PrintPage(*job, sheet)) {
    m_context.prompts.Message(kUnableToPrint, kPrinterSection, MessageButtons::Ok,
                              MessageIcon::Warning);
  }
}

bool CResultOutput::PrintPage(PrintJob& job, const CResultSheet* sheet) {
  if (!job.StartDocument(kPrintDocumentName) || !job.StartPage()) {
    return false;
  }
  // The page is laid out on the main window's client area, scaled to the printable area.
  CPageCanvas page(job.PageCanvas(), m_context.views.ClientSize(), job.PrintableSize());
  if (sheet != nullptr) {
    const CFont previous = page.Font();
    page.SetFont({"Helvetica", 22, 400, 0});
    page.Text(kTitlePosition, sheet->Title());
    page.SetFont(previous);
    sheet->DrawResults(page);
  } else {
    DrawGraph(m_context.data, page, m_context.views.GraphClientSize(), true);
    const std::string picture = m_context.databaseList.Folder() + kPrintPictureName;
    const bool known =
        std::find(m_printPictures.begin(), m_printPictures.end(), picture) != m_printPictures.end();
    if (m_context.views.SaveGraphImage(picture) && !known) {
      m_printPictures.push_back(picture);
    }
  }
  return job.EndPage() && job.EndDocument();
}

void CResultOutput::WriteReport(int moduleCode, const ReportBlock& block) {
  if (!AskUserName(true)) {
    return;
  }
  const bool recordLoaded = m_context.LoadCurrentRecord(-1);

  FileDialogRequest templateDialog;
  templateDialog.filter = kTemplateFilter;
  templateDialog.defaultExtension = "htmt";
  templateDialog.initialName = "*.htmt";
  const std::optional<std::string> templatePath = m_context.prompts.OpenFile(templateDialog);
  if (!templatePath) {
    return;
  }
  FileDialogRequest reportDialog;
  reportDialog.filter = kReportFilter;
  reportDialog.defaultExtension = "html";
  reportDialog.initialName = "*.html";
  reportDialog.promptOverwrite = true;
  const std::optional<std::string> reportPath = m_context.prompts.SaveFile(reportDialog);
  if (!reportPath || *reportPath == "*.html" || *templatePath == "*.htmt") {
    return;
  }
  if (SameFile(*templatePath, *reportPath)) {
    m_context.prompts.Message(kReportOverTemplate, kApplicationTitle, MessageButtons::Ok,
                              MessageIcon::Warning);
    return;
  }
  std::string templateText;
  if (const FileStatus read = ReadWholeFile(*templatePath, templateText); !read.ok) {
    m_context.prompts.Message(kTemplateUnreadable + read.message, kApplicationTitle,
                              MessageButtons::Ok, MessageIcon::Warning);
    return;
  }

  ReportValues values = ReportValuesOf(moduleCode, block);
  values.userName = m_usernameDlg.m_userName;
  values.date = LocalDate();
  // The graph picture lies beside the report, so the report finds it by its name alone.
  const std::string picture = ReportPicturePath(*reportPath);
  values.spectrumPicture = std::filesystem::path(picture).filename().string();
  const CDatabaseSession& database = m_context.database;
  if (recordLoaded && !database.m_record.absStructure.empty()) {
    values.structurePicture = database.m_databaseFolder + database.m_record.absStructure;
  }
  for (std::string* named :
       {&values.donorPicture, &values.acceptorPicture, &values.structurePicture}) {
    *named = AbsolutePicture(*named);
  }
  FileStatus written;
  {
    const BusyScope busy(m_context.prompts);
    written = WriteFileAtomically(*reportPath, FillReport(templateText, values));
  }
  if (!written.ok) {
    m_context.prompts.Message(kReportUnwritable + written.message, kApplicationTitle,
                              MessageButtons::Ok, MessageIcon::Warning);
    return;
  }
  if (!m_context.views.SaveGraphImage(picture)) {
    m_context.prompts.Message(kReportPictureUnwritable + picture + ".", kApplicationTitle,
                              MessageButtons::Ok, MessageIcon::Warning);
  }
  m_context.prompts.Message(kReportNote, kApplicationTitle, MessageButtons::Ok, MessageIcon::None);
}

} // namespace lumivex
