#include "Commands.h"

#include "core/Units.h"

#include <memory>

namespace lumivex::cli {

namespace {

struct AxisOptions {
  int unit = 0;
  std::vector<float> wavelengths;
};

Json Axis(const AxisOptions& options) {
  const XUnit unit = XUnitFromCode(options.unit);
  const AxisLabel label = XAxisLabel(unit);
  Json answer;
  answer["unit"] = options.unit;
  answer["label"] = {{"text", label.text},
                     {"superscript", label.superscript},
                     {"tail", label.tail},
                     {"plain", label.Plain()}};
  answer["values"] = Json::array();
  for (const float nm : options.wavelengths) {
    answer["values"].push_back({{"nm", nm}, {"value", ToAxis(unit, nm)}});
  }
  return answer;
}

} // namespace

void AddAxisCommand(CommandLine& line) {
  auto options = std::make_shared<AxisOptions>();
  CLI::App& command = line.Add(nullptr, "axis", "wavelengths in x unit U (0-6)");
  line.SetRun(command, [options] { return Axis(*options); });
  command.add_option("--unit", options->unit, "the x unit code")
      ->required()
      ->check(CLI::Range(0, kXUnitCount - 1));
  command.add_option("NM", options->wavelengths, "wavelengths in nm")
      ->required()
      ->check(FiniteNumber())
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

} // namespace lumivex::cli
