#include "Commands.h"

#include "core/SpectrumFile.h"

#include <memory>

namespace lumivex::cli {

Json SpectrumInfo(CSpectrum& spectrum) {
  Json info;
  info["path"] = spectrum.m_filePath;
  info["kind"] = KindName(spectrum.m_kind);
  info["kind_code"] = static_cast<int>(spectrum.m_kind);
  info["points"] = spectrum.m_points.size();
  info["first_x"] = spectrum.m_points.front().x;
  info["last_x"] = spectrum.m_points.back().x;
  info["step"] = spectrum.m_xStep;
  info["descending"] = spectrum.m_descending != 0;
  info["peak_x"] = spectrum.m_peakY > 0.0f ? Json(spectrum.m_peakX) : Json(nullptr);
  info["peak_y"] = spectrum.m_peakY;
  info["area"] = spectrum.Area();
  return info;
}

void AddInfoCommand(CommandLine& line) {
  auto files = std::make_shared<std::vector<std::string>>();
  CLI::App& command = line.Add(nullptr, "info", "points, range, step, direction, peak and area");
  command.add_option("FILE", *files, "spectrum files")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  line.SetRun(command, [files] {
    std::vector<CSpectrum> spectra;
    for (const std::string& path : *files) {
      spectra.push_back(ReadOrThrow(path));
    }
    Json answer;
    answer["files"] = Json::array();
    for (CSpectrum& spectrum : spectra) {
      answer["files"].push_back(SpectrumInfo(spectrum));
    }
    return answer;
  });
}

} // namespace lumivex::cli
