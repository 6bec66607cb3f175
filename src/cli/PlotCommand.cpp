#include "Commands.h"

#include "GraphImage.h"
#include "core/OpenDataFile.h"
#include "core/Units.h"

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

bool EndsWithBmp(const std::string& path) {
  if (path.size() < 4) {
    return false;
  }
  std::string suffix = path.substr(path.size() - 4);
  for (char& c : suffix) {
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return suffix == ".bmp";
}

struct PlotOptions {
  std::vector<std::string> files;
  std::string out;
  int unit = 0;
  int width = 1000;
  int height = 600;
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

  EnsureGuiApplication();
  const QImage image = gui::RenderGraphImage(data, {options.width, options.height});
  if (EndsWithBmp(options.out)) {
    const FileStatus written = WriteBmp(options.out, gui::ToRgbImage(image));
    if (!written.ok) {
      throw CliError(OneLine(written.message));
    }
  } else if (!image.save(QString::fromStdString(options.out))) {
    throw CliError("Cannot write " + options.out + ": unknown image type or unwritable path");
  }

  Json answer;
  answer["out"] = options.out;
  answer["width"] = options.width;
  answer["height"] = options.height;
  answer["unit"] = options.unit;
  answer["files"] = options.files;
  answer["x_min_nm"] = data.m_xMin;
  answer["x_max_nm"] = data.m_xMax;
  return answer;
}

} // namespace

void AddPlotCommand(CommandLine& line) {
  auto options = std::make_shared<PlotOptions>();
  CLI::App& command = line.Add(nullptr, "plot", "the Spectra Display as PNG or BMP");
  line.SetRun(command, [options] { return Plot(*options); });
  command.add_option("FILE", options->files, "spectrum files, opened as the program opens them")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--out", options->out, "the picture to write: .bmp, else PNG")->required();
  command.add_option("--unit", options->unit, "the x unit code (default 0, nm)")
      ->check(CLI::Range(0, kXUnitCount - 1));
  command.add_option("--width", options->width, "pixels (default 1000)")
      ->check(CLI::Range(16, 10000));
  command.add_option("--height", options->height, "pixels (default 600)")
      ->check(CLI::Range(16, 10000));
  options->titleOption = command.add_option("--title", options->title, "the graph title");
}

} // namespace lumivex::cli
