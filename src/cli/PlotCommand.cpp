#include "Commands.h"

#include "GraphImage.h"
#include "core/AtomicFile.h"
#include "core/Bitmap.h"
#include "core/OpenDataFile.h"
#include "core/Units.h"
#include "ui/GraphPainter.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace lumivex::cli {

namespace {

// Fonts need a GUI application; without a display the offscreen platform serves. It lives
// until the process ends: destroying it among the static objects at exit would outlive
// parts of Qt it needs.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) {
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // Standard error carries this program's one-line errors only: Qt's notes about the
  // environment (no runtime folder, no window manager) are dropped.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "lumivex-cli: %s\n", qPrintable(message));
    }
  });
  static int argc = 1;
  static char name[] = "lumivex-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* const application = new QGuiApplication(argc, argv);
  (void)application;
}

enum class PlotFormat { Png, Bmp, Svg, Pdf };

// The picture's format from the name's ending; PNG unless it is .bmp, .svg or .pdf.
PlotFormat FormatOf(std::string path) {
  for (char& c : path) {
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  if (path.ends_with(".bmp")) {
    return PlotFormat::Bmp;
  }
  if (path.ends_with(".svg")) {
    return PlotFormat::Svg;
  }
  return path.ends_with(".pdf") ? PlotFormat::Pdf : PlotFormat::Png;
}

struct PlotOptions {
  std::vector<std::string> files;
  std::string out;
  int unit = 0;
  int width = 1000;
  int height = 600;
  int scale = 1;
  std::string title;
  CLI::Option* titleOption = nullptr;
};

Json Plot(const PlotOptions& options) {
  CLumivexData data;
  for (const std::string& path : options.files) {
    const OpenDataFileResult opened = OpenDataFile(data, path);
    if (!opened.Opened()) {
      throw CliError(path + ": " + OneLine(opened.message));
    }
  }
  data.m_xUnit = options.unit;
  if (options.titleOption->count() > 0) {
    data.m_title = options.title;
  }

  const PlotFormat format = FormatOf(options.out);
  const QSize size(options.width, options.height);
  std::string contents;
  if (format == PlotFormat::Svg) {
    contents = GraphSvg(data, {options.width, options.height}, false);
  } else {
    EnsureGuiApplication();
    if (format == PlotFormat::Bmp) {
      std::string problem;
      contents =
          BmpBytes(gui::ToRgbImage(gui::ScaledGraphImage(data, size, options.scale)), problem);
    } else if (format == PlotFormat::Pdf) {
      contents = gui::GraphPdf(data, size).toStdString();
    } else {
      contents = gui::GraphPng(data, size, options.scale).toStdString();
    }
  }
  if (contents.empty()) {
    throw CliError("Cannot write " + options.out + ": the picture could not be drawn");
  }
  if (const FileStatus written = WriteFileAtomically(options.out, contents); !written.ok) {
    throw CliError(OneLine(written.message));
  }

  Json answer;
  answer["out"] = options.out;
  answer["width"] = options.width;
  answer["height"] = options.height;
  answer["scale"] = options.scale;
  answer["unit"] = options.unit;
  answer["files"] = options.files;
  answer["x_min_nm"] = data.m_xMin;
  answer["x_max_nm"] = data.m_xMax;
  return answer;
}

} // namespace

void AddPlotCommand(CommandLine& line) {
  auto options = std::make_shared<PlotOptions>();
  CLI::App& command = line.Add(nullptr, "plot", "the Spectra Display as PNG, BMP, SVG or PDF");
  line.SetRun(command, [options] { return Plot(*options); });
  command.add_option("FILE", options->files, "spectrum files, opened as the program opens them")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--out", options->out, "the picture to write: .svg, .pdf, .bmp, else PNG")
      ->required();
  command.add_option("--unit", options->unit, "the x unit code (default 0, nm)")
      ->check(CLI::Range(0, kXUnitCount - 1));
  command.add_option("--width", options->width, "pixels (default 1000)")
      ->check(CLI::Range(16, 10000));
  command.add_option("--height", options->height, "pixels (default 600)")
      ->check(CLI::Range(16, 10000));
  command
      .add_option("--scale", options->scale,
                  "pixels per window pixel of a PNG or BMP picture, 1 to 4 (default 1)")
      ->check(CLI::Range(1, 4));
  options->titleOption = command.add_option("--title", options->title, "the graph title");
}

} // namespace lumivex::cli
