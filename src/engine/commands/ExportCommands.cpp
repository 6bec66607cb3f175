#include "commands/ExportCommands.h"

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "core/AtomicFile.h"
#include "core/SpectraCsv.h"
#include "ui/CommandIds.h"
#include "ui/GraphPainter.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace lumivex {

namespace {

constexpr const char* kSelectSpectra = "Select the spectra to export in the Data File window.";
constexpr const char* kNothingToExport = "There is no graph to export: open a spectrum first.";
constexpr const char* kCsvFilter = "CSV files (*.csv)|*.csv|All files (*.*)|*.*||";
constexpr const char* kPictureFilter = "PNG pictures (*.png)|*.png|SVG drawings (*.svg)|*.svg|"
                                       "PDF documents (*.pdf)|*.pdf||";

enum class GraphFormat { Png, Svg, Pdf };

std::optional<GraphFormat> FormatOf(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (path.ends_with(".png")) {
    return GraphFormat::Png;
  }
  if (path.ends_with(".svg")) {
    return GraphFormat::Svg;
  }
  if (path.ends_with(".pdf")) {
    return GraphFormat::Pdf;
  }
  return std::nullopt;
}

/// Writes the file whole or not at all, and tells the user when it could not be written.
void WriteOrTell(CommandContext& context, const std::string& path, const std::string& contents) {
  FileStatus written;
  {
    const BusyScope busy(context.prompts);
    written = WriteFileAtomically(path, contents);
  }
  if (!written.ok) {
    context.Tell(written.message, MessageIcon::Warning);
  }
}

} // namespace

std::vector<DialogField> CExportSpectraDlg::Fields() {
  return {{"tidy", "One row per value (spectrum, x, y)", &m_tidy}};
}

std::vector<DialogField> CPictureScaleDlg::Fields() {
  return {{"scale", "Scale (1 to 4 times the window's pixels)", &m_scale, NumberRange{1.0f, 4.0f}}};
}

void RegisterExportCommands(CCommandRegistry& registry, CommandContext& context) {
  registry.Add(kIdExportSpectra, [&context] { ExportSpectra(context); });
  registry.Add(kIdExportGraph, [&context] { ExportGraph(context); });
  registry.Add(kIdCopyGraph, [&context] { context.views.CopyGraph(); });
}

void ExportSpectra(CommandContext& context) {
  const std::vector<int> selection = context.Selection();
  if (selection.empty()) {
    context.Tell(kSelectSpectra, MessageIcon::Information);
    return;
  }
  CExportSpectraDlg dialog;
  if (context.prompts.RunDialog(dialog) != kResultOk) {
    return;
  }
  FileDialogRequest request;
  request.title = "Export Spectra";
  request.filter = kCsvFilter;
  request.defaultExtension = "csv";
  request.promptOverwrite = true;
  const std::optional<std::string> path = context.prompts.SaveFile(request);
  if (!path || path->empty()) {
    return;
  }
  std::string csv;
  {
    const BusyScope busy(context.prompts);
    csv = SpectraCsv(DisplayedSpectra(context.data, selection), XUnitFromCode(context.data.m_xUnit),
                     dialog.m_tidy ? CsvLayout::Tidy : CsvLayout::Columns);
  }
  WriteOrTell(context, *path, csv);
}

void ExportGraph(CommandContext& context) {
  if (context.data.m_spectra.empty()) {
    context.Tell(kNothingToExport, MessageIcon::Information);
    return;
  }
  FileDialogRequest request;
  request.title = "Export Graph";
  request.filter = kPictureFilter;
  request.defaultExtension = "png";
  request.promptOverwrite = true;
  const std::optional<std::string> path = context.prompts.SaveFile(request);
  if (!path || path->empty()) {
    return;
  }
  const std::optional<GraphFormat> format = FormatOf(*path);
  if (!format) {
    context.Tell("Cannot write " + *path + ": the name must end .png, .svg or .pdf",
                 MessageIcon::Warning);
    return;
  }
  std::string contents;
  if (*format == GraphFormat::Svg) {
    contents = GraphSvg(context.data, context.views.GraphClientSize(), false);
  } else {
    CPictureScaleDlg scale;
    if (*format == GraphFormat::Png && context.prompts.RunDialog(scale) != kResultOk) {
      return;
    }
    const BusyScope busy(context.prompts);
    contents = context.views.GraphPicture(
        *format == GraphFormat::Png ? PictureFormat::Png : PictureFormat::Pdf, scale.m_scale);
  }
  if (contents.empty()) {
    context.Tell("Cannot write " + *path + ": the picture could not be drawn",
                 MessageIcon::Warning);
    return;
  }
  WriteOrTell(context, *path, contents);
}

} // namespace lumivex
