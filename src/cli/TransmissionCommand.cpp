#include "Commands.h"

#include "core/SpectrumFile.h"
#include "modules/Transmission.h"

#include <memory>
#include <optional>

namespace lumivex::cli {

namespace {

struct TransmissionOptions {
  explicit TransmissionOptions(CLI::App& command)
      : source(command, "source", 2), absorber(command, "absorber", 0) {
    fields.Add(command, "factor", "factor", "the absorbance's factor K, 0 to 1 (default 1)");
    command.add_option("--out", out, "the spectrum file to write")->required();
  }

  SpectrumArgument source;
  SpectrumArgument absorber;
  FieldOptions fields;
  std::string out;
};

Json SpectrumJson(const CSpectrum& spectrum) {
  return {{"name", spectrum.m_name},
          {"path", spectrum.m_filePath},
          {"kind", KindName(spectrum.m_kind)}};
}

Json Transmission(const TransmissionOptions& options) {
  CTransSim dlg;
  for (const auto& [field, text] : options.fields.Texts()) {
    if (const std::optional<FieldRefusal> refusal = dlg.StoreFields({{field, text}})) {
      options.fields.Refuse(refusal->key, refusal->message);
    }
  }

  CLumivexData document;
  const CSpectrum& source = options.source.Open(document);
  if (source.m_kind == SpectrumKind::Absorption || source.m_kind == SpectrumKind::None) {
    throw CliError("--source must be a light-source, emission or curve spectrum, not " +
                   std::string(KindName(source.m_kind)));
  }
  const CSpectrum& absorber = options.absorber.Open(document);
  if (absorber.m_kind != SpectrumKind::Absorption) {
    throw CliError("--absorber must be an absorption spectrum, not " +
                   std::string(KindName(absorber.m_kind)));
  }

  const std::unique_ptr<CSpectrum> transmitted =
      SimulateTransmission(source, absorber, dlg.m_factor);
  const WriteResult written = WriteSpectrumFile(*transmitted, options.out);
  if (!written.ok) {
    throw CliError(OneLine(written.message));
  }

  Json answer;
  answer["source"] = SpectrumJson(source);
  answer["absorber"] = SpectrumJson(absorber);
  answer["factor"] = dlg.m_factor;
  answer["entry"] = TransmissionEntryText(dlg.m_factor);
  answer["out"] = options.out;
  answer["points"] = transmitted->m_points.size();
  answer["first_x"] = transmitted->m_points.front().x;
  answer["last_x"] = transmitted->m_points.back().x;
  answer["peak_x"] = transmitted->m_peakX;
  answer["peak_y"] = transmitted->m_peakY;
  return answer;
}

} // namespace

void AddTransmissionCommand(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "transmission", "the source's light through the absorber");
  auto options = std::make_shared<TransmissionOptions>(command);
  line.SetRun(command, [options] { return Transmission(*options); });
}

} // namespace lumivex::cli
