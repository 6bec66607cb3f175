#include "core/OpenDataFile.h"

#include "core/Numbers.h"

#include "core/ProfileFile.h"
#include "core/SpectrumFile.h"

#include <algorithm>
#include <cmath>

namespace lumivex {

namespace {

// Values read from a record to fill a spectrum keep at most 89 characters.
constexpr std::size_t kRecordValueBuffer = 90;

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) {
    return;
  }
  for (std::size_t pos = text.find(from); pos != std::string::npos;
       pos = text.find(from, pos + to.size())) {
    text.replace(pos, from.size(), to);
  }
}

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
  ReplaceAll(text, from, to);
  return text;
}

} // namespace

void TakeRecordValues(CLumivexData& document, CSpectrum& spectrum,
                      const DatabaseOpenRequest& request) {
  spectrum.m_fromDatabase = request.fromDatabase;
  spectrum.m_recordNumber = request.record;
  const auto database = CProfileCache::Shared().Get(request.databasePath);
  const std::string absorption = std::to_string(request.record) + " Absorption";
  const std::string emission = std::to_string(request.record) + " Emission";
  const auto value = [&](const std::string& section, const char* key) {
    return database->GetString(section, key, "", kRecordValueBuffer);
  };
  spectrum.m_name = value(absorption, "Name");
  float number = 0.0f;
  spectrum.m_epsilon = ScanFloat(value(absorption, "Epsilon"), number) ? number : 0.0f;
  const std::string fileValue = value(absorption, "File");
  spectrum.m_epsilonWavelength = ScanFloat(value(absorption, "Wavelength"), number) ? number : 0.0f;
  const std::string structureValue = value(absorption, "Structure");
  if (ScanFloat(value(emission, "QuantumYield"), number)) {
    spectrum.m_quantumYield = number;
  }
  spectrum.m_solvent = value(emission, "Solvent");
  spectrum.m_provided = value(emission, "Provided");
  spectrum.m_structurePath = StructurePicturePath(spectrum.m_filePath, fileValue, structureValue);

  document.m_absorptionLow = 0.0f;
  document.m_epsilonLow = 0.0f;
  document.m_emissionLow = 0.0f;
  document.m_lightSourceLow = 0.0f;
  if (spectrum.m_kind == SpectrumKind::Absorption) {
    spectrum.m_epsilonPeak = RatioOrZero(spectrum.m_epsilon * spectrum.m_peakY,
                                         spectrum.Interpolate(spectrum.m_epsilonWavelength));
    document.m_epsilonMax = std::max(document.m_epsilonMax, spectrum.m_epsilonPeak);
  } else {
    spectrum.m_normalizedPeak =
        RatioOrZero(spectrum.m_quantumYield * spectrum.m_peakY, spectrum.Area());
    document.m_intensityMax = std::max(document.m_intensityMax, spectrum.m_normalizedPeak);
  }
}

void RaiseExtents(CLumivexData& document, const CSpectrum& spectrum) {
  document.m_xMin = std::min(document.m_xMin, spectrum.SmallestX());
  document.m_xMax = std::max(document.m_xMax, spectrum.LargestX());
  document.SnapAutomaticXRange();
  switch (spectrum.m_kind) {
  case SpectrumKind::Absorption:
    document.m_absorptionMax = std::max(document.m_absorptionMax, spectrum.m_peakY);
    break;
  case SpectrumKind::Emission:
    document.m_emissionMax = std::max(document.m_emissionMax, spectrum.m_peakY);
    break;
  case SpectrumKind::LightSource:
    document.m_lightSourceMax = std::max(document.m_lightSourceMax, spectrum.m_peakY);
    break;
  case SpectrumKind::Curve:
  case SpectrumKind::None:
    break;
  }
  document.m_title.clear();
  document.m_lineWidth = 1;
}

std::string StructurePicturePath(const std::string& dataPath, const std::string& fileValue,
                                 const std::string& structureValue) {
  std::string path = dataPath;
  ReplaceAll(path, ReplacedAll(fileValue, "ems", "abs"), structureValue);
  if (path.find("ems") != std::string::npos) {
    ReplaceAll(path, ReplacedAll(fileValue, "abs", "ems"), structureValue);
  }
  return path;
}

OpenDataFileResult OpenDataFile(CLumivexData& document, const std::string& path,
                                const DatabaseOpenRequest* database) {
  OpenDataFileResult result;
  const SpectrumKind kind = KindFromPath(path);
  if (kind == SpectrumKind::None) {
    result.status = OpenStatus::NoKind;
    result.message = "File name must be in the form *.abs.txt, *.ems.txt, or *.els";
    return result;
  }
  const bool hasEmission = document.CountOfKind(SpectrumKind::Emission) > 0;
  const bool hasLightSource = document.CountOfKind(SpectrumKind::LightSource) > 0;
  if ((kind == SpectrumKind::Emission && hasLightSource) ||
      (kind == SpectrumKind::LightSource && hasEmission)) {
    result.status = OpenStatus::EmissionWithLightSource;
    result.message =
        "Emission files (.ems) and light source files (.els) may not be shown at the same time.";
    return result;
  }

  SpectrumReadResult read = ReadSpectrumFile(path);
  if (!read.Ok()) {
    switch (read.status) {
    case ReadStatus::TooFewPoints:
      result.status = OpenStatus::TooFewPoints;
      break;
    case ReadStatus::ZeroStep:
      result.status = OpenStatus::ZeroStep;
      break;
    case ReadStatus::TooManyPoints:
    case ReadStatus::CannotOpen:
    case ReadStatus::Ok:
      result.status = OpenStatus::CannotOpen;
      break;
    }
    result.message = read.message;
    return result;
  }

  CSpectrum* spectrum =
      document.AppendSpectrum(std::make_unique<CSpectrum>(std::move(read.spectrum)));
  spectrum->m_kind = kind;
  RaiseExtents(document, *spectrum);
  spectrum->m_recordNumber = 0;
  if (database != nullptr) {
    TakeRecordValues(document, *spectrum, *database);
  }
  result.status = OpenStatus::Opened;
  result.spectrum = spectrum;
  result.listText = ListText(path);
  return result;
}

} // namespace lumivex
