#pragma once

#include "CommandLine.h"

#include <string>
#include <vector>

namespace lumivex::cli {

/// Runs one command line of lumivex-cli (the arguments after the program name). JSON
/// results go to `out`; an error leaves `out` empty, puts a one-line message in `err`
/// and answers a non-zero exit code.
int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err);

/// Each adds one command, or one family of commands, to the command line.
void AddInfoCommand(CommandLine& line);
void AddAxisCommand(CommandLine& line);
void AddDerivedSpectrumCommands(CommandLine& line);
void AddPlotCommand(CommandLine& line);
void AddDatabaseCommand(CommandLine& line);
void AddForsterCommand(CommandLine& line);
void AddTransmissionCommand(CommandLine& line);
void AddOscillatorCommand(CommandLine& line);
void AddStricklerBergCommand(CommandLine& line);
void AddMcaCommand(CommandLine& line);
void AddEtsimCommand(CommandLine& line);
/// curve, calc, create, normalize, peak and band.
void AddCurveCommands(CommandLine& line);
/// edit: the data editor's Run on a region of points.
void AddEditCommand(CommandLine& line);
/// convert: spectrum text files to and from JCAMP-DX.
void AddConvertCommand(CommandLine& line);
/// import: delimited text and JCAMP-DX files into spectrum files through the common import
/// step.
void AddImportCommand(CommandLine& line);
/// export: spectra as a CSV table.
void AddExportCommand(CommandLine& line);

/// What info tells of a spectrum: path, kind, points, range, step, direction, peak, area.
[[nodiscard]] Json SpectrumInfo(CSpectrum& spectrum);

} // namespace lumivex::cli
