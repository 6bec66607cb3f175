#include "Commands.h"

#include "core/SpectrumFile.h"
#include "curves/DataListDlg.h"

#include <memory>

namespace lumivex::cli {

namespace {

// What the editor tells the user, kept to become the command's error. The command line has
// no dialogs, files to choose, help to show or clipboard.
class KeptMessages final : public Prompts {
public:
  int Message(const std::string& text, const std::string& /*caption*/, MessageButtons /*buttons*/,
              MessageIcon /*icon*/) override {
    m_message = text;
    return kResultOk;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest& /*request*/) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& /*request*/) override {
    return std::nullopt;
  }
  int RunDialog(CDialogModel& /*dialog*/) override { return kResultCancel; }
  std::unique_ptr<PrintJob> PrintDialog(const PrintDialogRequest& /*request*/) override {
    return nullptr;
  }
  void ShowHelp(int /*context*/) override {}
  void ShowHelpContents(bool /*index*/) override {}
  bool OpenInBrowser(const std::string& /*address*/) override { return false; }
  void CopyText(const std::string& /*text*/) override {}

  [[nodiscard]] const std::string& Told() const { return m_message; }

private:
  std::string m_message;
};

} // namespace

void AddEditCommand(CommandLine& line) {
  CLI::App& command =
      line.Add(nullptr, "edit", "the data editor's Run on points FIRST..LAST of a spectrum");
  struct Options {
    std::string file;
    int first = 0;
    int last = 0;
    FieldOptions fields;
    bool smooth = false;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  command.add_option("FILE", options->file, "the spectrum file")->required();
  command.add_option("--first", options->first, "the region's first point, counting from 0")
      ->required();
  command.add_option("--last", options->last, "the region's last point, counting from 0")
      ->required();
  CLI::Option* add = options->fields.Add(command, "add", "value", "adds V to every point");
  CLI::Option* set = options->fields.Add(command, "set", "value", "sets every point to V");
  CLI::Option* smooth =
      command.add_flag("--smooth", options->smooth, "the five-point moving average");
  add->excludes(set)->excludes(smooth);
  set->excludes(smooth);
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options, add, set] {
    if (add->count() + set->count() + (options->smooth ? 1 : 0) != 1) {
      throw CliError("one of --add V, --set V or --smooth is needed");
    }
    CSpectrum spectrum = ReadOrThrow(options->file);
    const int count = static_cast<int>(spectrum.m_points.size());
    if (options->first < 0 || options->last >= count || options->first > options->last) {
      throw CliError("--first and --last must name points 0 to " + std::to_string(count - 1) +
                     " of " + options->file + ", the first not after the last");
    }
    const NoiseOperation operation = add->count() > 0   ? NoiseOperation::AddShift
                                     : set->count() > 0 ? NoiseOperation::Replace
                                                        : NoiseOperation::Smooth;
    CDataListDlg dlg;
    dlg.m_current = &spectrum;
    FieldTexts texts;
    for (const auto& [field, text] : options->fields.Texts()) {
      texts[field] = text;
    }
    std::vector<bool> selected(static_cast<std::size_t>(count), false);
    for (int i = options->first; i <= options->last; ++i) {
      selected[static_cast<std::size_t>(i)] = true;
    }
    KeptMessages prompts;
    const CDataListDlg::RunResult run = dlg.Run(prompts, texts, operation, selected);
    if (run.refusal) {
      const char* given = add->count() > 0 ? "--add '" : "--set '";
      throw CliError(given + texts["value"] + "': " + OneLine(run.refusal->message));
    }
    if (!run.region) {
      throw CliError(OneLine(prompts.Told()));
    }
    if (const WriteResult written = WriteSpectrumFile(spectrum, options->out); !written.ok) {
      throw CliError(OneLine(written.message));
    }
    Json answer;
    answer["operation"] = NoiseOperationText(operation);
    answer["first"] = run.region->first;
    answer["last"] = run.region->second;
    answer["value"] = operation == NoiseOperation::Smooth ? Json(nullptr) : Json(dlg.m_value);
    Json region = Json::array();
    for (int i = run.region->first; i <= run.region->second; ++i) {
      region.push_back(spectrum.m_points[static_cast<std::size_t>(i)].y);
    }
    answer["region_y"] = region;
    answer["points"] = count;
    return answer;
  });
}

} // namespace lumivex::cli
