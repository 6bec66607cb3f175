#include "Commands.h"

namespace lumivex::cli {

int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err) {
  CommandLine line;
  AddInfoCommand(line);
  AddAxisCommand(line);
  AddDerivedSpectrumCommands(line);
  AddPlotCommand(line);
  AddDatabaseCommand(line);
  AddForsterCommand(line);
  AddTransmissionCommand(line);
  AddOscillatorCommand(line);
  AddStricklerBergCommand(line);
  AddMcaCommand(line);
  AddEtsimCommand(line);
  AddCurveCommands(line);
  AddEditCommand(line);
  AddConvertCommand(line);
  AddImportCommand(line);
  AddExportCommand(line);
  return line.Run(args, out, err);
}

} // namespace lumivex::cli
