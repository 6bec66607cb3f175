#include "PlotCommand.h"

#include "CliSupport.h"
#include "GraphImage.h"
#include "JsonWriter.h"
#include "core/OpenDataFile.h"

#include <QGuiApplication>

#include <cstdio>

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

} // namespace

std::string Plot(const std::vector<std::string>& args) {
  const Arguments parsed = Parse(args, 1, {"out", "unit", "width", "height", "title"});
  if (parsed.positional.empty()) {
    throw CliError("plot needs at least one FILE");
  }
  const std::optional<std::string> out = parsed.Option("out");
  if (!out) {
    throw CliError("plot needs --out PATH");
  }
  const int width = ParseWhole(parsed.Option("width").value_or("1000"), "--width", 16, 10000);
  const int height = ParseWhole(parsed.Option("height").value_or("600"), "--height", 16, 10000);
  const int unit = ParseUnit(parsed.Option("unit").value_or("0"));

  CLumivexData data;
  for (const std::string& path : parsed.positional) {
    const OpenDataFileResult opened = OpenDataFile(data, path);
    if (!opened.Opened()) {
      throw CliError(path + ": " + OneLine(opened.message));
    }
  }
  data.m_xUnit = unit;
  if (const std::optional<std::string> title = parsed.Option("title")) {
    data.m_title = *title;
  }

  EnsureGuiApplication();
  const QImage image = gui::RenderGraphImage(data, {width, height});
  if (EndsWithBmp(*out)) {
    const FileStatus written = WriteBmp(*out, gui::ToRgbImage(image));
    if (!written.ok) {
      throw CliError(OneLine(written.message));
    }
  } else if (!image.save(QString::fromStdString(*out))) {
    throw CliError("Cannot write " + *out + ": unknown image type or unwritable path");
  }

  JsonWriter json;
  json.BeginObject();
  json.Key("out").String(*out);
  json.Key("width").Integer(width);
  json.Key("height").Integer(height);
  json.Key("unit").Integer(unit);
  json.Key("files").BeginArray();
  for (const std::string& path : parsed.positional) {
    json.String(path);
  }
  json.EndArray();
  json.Key("x_min_nm").Number(data.m_xMin);
  json.Key("x_max_nm").Number(data.m_xMax);
  json.EndObject();
  return json.Text();
}

} // namespace lumivex::cli
