#include "TransmissionCommands.h"

#include "CliSupport.h"
#include "JsonWriter.h"
#include "core/SpectrumFile.h"
#include "modules/Transmission.h"

namespace lumivex::cli {

namespace {

void WriteSpectrum(JsonWriter& json, const CSpectrum& spectrum) {
  json.BeginObject();
  json.Key("name").String(spectrum.m_name);
  json.Key("path").String(spectrum.m_filePath);
  json.Key("kind").String(KindName(spectrum.m_kind));
  json.EndObject();
}

} // namespace

std::string Transmission(const std::vector<std::string>& args) {
  std::vector<std::string> known{"factor", "out"};
  for (const char* spectrum : {"source", "absorber"}) {
    const std::vector<std::string> options = SpectrumOptions(spectrum);
    known.insert(known.end(), options.begin(), options.end());
  }
  const Arguments parsed = Parse(args, 1, known);
  if (!parsed.positional.empty()) {
    throw CliError("transmission takes no FILE of its own; see lumivex-cli --help");
  }
  const std::optional<std::string> out = parsed.Option("out");
  if (!out) {
    throw CliError("transmission needs --out FILE");
  }
  CTransSim dlg;
  if (const std::optional<std::string> factor = parsed.Option("factor")) {
    if (const std::optional<FieldRefusal> refusal = dlg.StoreFields({{"factor", *factor}})) {
      throw CliError("--factor '" + *factor + "': " + refusal->message);
    }
  }

  CLumivexData document;
  const CSpectrum& source = OpenSpectrumArgument(document, parsed, "source", 2);
  if (source.m_kind == SpectrumKind::Absorption || source.m_kind == SpectrumKind::None) {
    throw CliError("--source must be a light-source, emission or curve spectrum, not " +
                   std::string(KindName(source.m_kind)));
  }
  const CSpectrum& absorber = OpenSpectrumArgument(document, parsed, "absorber", 0);
  if (absorber.m_kind != SpectrumKind::Absorption) {
    throw CliError("--absorber must be an absorption spectrum, not " +
                   std::string(KindName(absorber.m_kind)));
  }

  const std::unique_ptr<CSpectrum> transmitted =
      SimulateTransmission(source, absorber, dlg.m_factor);
  const WriteResult written = WriteSpectrumFile(*transmitted, *out);
  if (!written.ok) {
    throw CliError(OneLine(written.message));
  }

  JsonWriter json;
  json.BeginObject();
  json.Key("source");
  WriteSpectrum(json, source);
  json.Key("absorber");
  WriteSpectrum(json, absorber);
  json.Key("factor").Number(dlg.m_factor);
  json.Key("entry").String(TransmissionEntryText(dlg.m_factor));
  json.Key("out").String(*out);
  json.Key("points").Integer(static_cast<long long>(transmitted->m_points.size()));
  json.Key("first_x").Number(transmitted->m_points.front().x);
  json.Key("last_x").Number(transmitted->m_points.back().x);
  json.Key("peak_x").Number(transmitted->m_peakX);
  json.Key("peak_y").Number(transmitted->m_peakY);
  json.EndObject();
  return json.Text();
}

} // namespace lumivex::cli
