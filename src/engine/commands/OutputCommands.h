#pragma once

#include "database/Username.h"
#include "output/ResultSheet.h"

#include <string>
#include <vector>

namespace lumivex {

class CCommandRegistry;
class PrintJob;
struct CommandContext;

/// Printing and HTML reports: a module's result sheet or the graph on one printed page, and
/// a module's report block filled into a template the user chooses.
class CResultOutput {
public:
  explicit CResultOutput(CommandContext& context) : m_context(context) {}
  /// Deletes the graph pictures that printing left behind.
  ~CResultOutput();
  CResultOutput(const CResultOutput&) = delete;
  CResultOutput& operator=(const CResultOutput&) = delete;

  /// File > Print prints the graph.
  void Register(CCommandRegistry& registry);

  /// Prints one page: the sheet's title and results, or the graph when there is no sheet.
  void Print(const CResultSheet* sheet);
  /// Writes an HTML report of a module's results from a template the user chooses.
  void WriteReport(const CResultSheet& sheet) { WriteReport(sheet.ModuleCode(), sheet.Report()); }
  /// Writes an HTML report of the block under a module code's placeholders.
  void WriteReport(int moduleCode, const ReportBlock& block);

  /// The "Name of User" dialog, asked before printing and reporting.
  CUsername m_usernameDlg;

private:
  /// Shows the user-name dialog (only while no name is known, unless `always`); true when
  /// it ends with OK and a name. A cancelled dialog keeps the name it opened with.
  bool AskUserName(bool always);
  /// Prints the page of Print on a job; false when the job fails.
  bool PrintPage(PrintJob& job, const CResultSheet* sheet);

  CommandContext& m_context;
  /// The graph pictures printing wrote, deleted with the output.
  std::vector<std::string> m_printPictures;
};

} // namespace lumivex
