#include "Commands.h"

#include "core/SpectrumFile.h"
#include "import/Importer.h"
#include "import/Jcamp.h"

#include <filesystem>
#include <memory>

namespace lumivex::cli {

namespace {

struct Converted {
  CSpectrum spectrum;
  std::size_t blocks = 1;
  std::string dataType;
  bool resampled = false;
};

// The spectrum of a JCAMP-DX file: its only data table, or the one `block` (counting from
// 1) names, through the common import step, so x in um, cm-1 or eV and uneven x come to an
// even nm grid. A text file as the target gives its kind from its name, else the data type
// does.
Converted ReadJcampSpectrum(const std::string& in, const std::string& out, int block) {
  const JcampReadResult read = ReadJcampFile(in);
  if (!read.ok) {
    throw CliError(OneLine(read.error.Text()));
  }
  const std::size_t count = read.tables.size();
  if (block == 0 && count > 1) {
    std::string list;
    for (std::size_t i = 0; i < count; ++i) {
      list += (i > 0 ? ", " : "") + std::to_string(i + 1) + " '" + read.tables[i].title + "'";
    }
    throw CliError(in + " holds " + std::to_string(count) + " blocks (" + list +
                   "); choose one with --block N");
  }
  if (block < 0 || static_cast<std::size_t>(block) > count) {
    throw CliError("--block " + std::to_string(block) + ": " + in + " holds " +
                   std::to_string(count) + (count == 1 ? " block" : " blocks"));
  }
  const JcampTable& table = read.tables[block == 0 ? 0 : static_cast<std::size_t>(block) - 1];
  ImportSettings settings;
  settings.kind = IsJcampPath(out) ? SpectrumKind::None : KindFromPath(out);
  ImportResult imported = ImportSpectra(ToImportedTable(table, in), settings);
  if (!imported.Ok()) {
    throw CliError(OneLine(imported.error.Text()));
  }
  ImportedSpectrum& spectrum = imported.spectra.front();
  spectrum.spectrum.m_name = table.title;
  return {std::move(spectrum.spectrum), count, table.dataType, spectrum.resampled};
}

const char* FormatName(const std::string& path) {
  return IsJcampPath(path) ? "JCAMP-DX" : "spectrum text";
}

} // namespace

void AddConvertCommand(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "convert",
                               "converts between spectrum text files and JCAMP-DX (.jdx, .dx, "
                               ".jcm), in either direction; JCAMP-DX x in um, cm-1 or eV "
                               "are converted to nm");
  struct Options {
    std::string in;
    std::string out;
    int block = 0;
  };
  auto options = std::make_shared<Options>();
  command.add_option("IN", options->in, "the file to read")->required();
  command.add_option("OUT", options->out, "the file to write; its extension names its format")
      ->required();
  command.add_option("--block", options->block,
                     "the block of a compound JCAMP-DX file to convert, counting from 1");
  line.SetRun(command, [options] {
    Converted converted;
    if (IsJcampPath(options->in)) {
      converted = ReadJcampSpectrum(options->in, options->out, options->block);
    } else {
      if (options->block != 0) {
        throw CliError("--block is for JCAMP-DX files; " + options->in + " is a spectrum file");
      }
      converted.spectrum = ReadOrThrow(options->in);
      converted.spectrum.m_name = std::filesystem::path(options->in).filename().string();
    }
    CSpectrum& spectrum = converted.spectrum;
    if (IsJcampPath(options->out)) {
      if (const FileStatus written = WriteJcampFile(spectrum, options->out); !written.ok) {
        throw CliError(OneLine(written.message));
      }
    } else if (const WriteResult written = WriteSpectrumFile(spectrum, options->out); !written.ok) {
      throw CliError(OneLine(written.message));
    }
    Json answer;
    answer["in"] = options->in;
    answer["out"] = options->out;
    answer["from"] = FormatName(options->in);
    answer["to"] = FormatName(options->out);
    answer["title"] = spectrum.m_name;
    answer["kind"] = KindName(spectrum.m_kind);
    // The data type read from a JCAMP-DX file, else the one written to it.
    if (IsJcampPath(options->in)) {
      answer["data_type"] = converted.dataType;
      answer["blocks"] = converted.blocks;
    } else if (IsJcampPath(options->out)) {
      answer["data_type"] = JcampDataType(spectrum.m_kind);
    }
    answer["resampled"] = converted.resampled;
    answer["points"] = spectrum.m_points.size();
    answer["first_x"] = spectrum.m_points.front().x;
    answer["last_x"] = spectrum.m_points.back().x;
    return answer;
  });
}

} // namespace lumivex::cli
