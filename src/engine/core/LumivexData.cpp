#include "core/LumivexData.h"

#include "core/Units.h"

#include <array>
#include <optional>
#include <utility>

namespace lumivex {

Rgb WorkspaceColour(int position) {
  static constexpr std::array<Rgb, 12> kColours{{
      {255, 0, 0},     // red
      {0, 255, 0},     // green
      {0, 0, 255},     // blue
      {255, 0, 255},   // magenta
      {0, 255, 255},   // cyan
      {128, 128, 0},   // olive
      {255, 128, 0},   // orange
      {128, 64, 0},    // brown
      {0, 127, 255},   // azure
      {127, 0, 255},   // violet
      {128, 128, 128}, // grey
      {192, 192, 192}, // silver
  }};
  if (position < 0 || position >= static_cast<int>(kColours.size())) {
    return {0, 0, 0};
  }
  return kColours[static_cast<std::size_t>(position)];
}

CSpectrum* CLumivexData::AddNewSpectrum() {
  return AppendSpectrum(std::make_unique<CSpectrum>());
}

CSpectrum* CLumivexData::AppendSpectrum(std::unique_ptr<CSpectrum> spectrum) {
  m_spectra.push_back(std::move(spectrum));
  m_modified = true;
  return m_spectra.back().get();
}

void CLumivexData::RemoveSpectrumAt(int index) {
  if (index < 0 || index >= Count()) {
    return;
  }
  m_spectra.erase(m_spectra.begin() + index);
  m_modified = true;
}

void CLumivexData::DeleteContents() {
  m_spectra.clear();
  m_modified = false;
}

CSpectrum* CLumivexData::At(int index) const {
  if (index < 0 || index >= Count()) {
    return nullptr;
  }
  return m_spectra[static_cast<std::size_t>(index)].get();
}

int CLumivexData::CountOfKind(SpectrumKind kind) const {
  int count = 0;
  for (const auto& spectrum : m_spectra) {
    count += spectrum->m_kind == kind ? 1 : 0;
  }
  return count;
}

void CLumivexData::SnapAutomaticXRange() {
  if (m_spectra.empty() || m_settingsApplied || !m_xAxisValues) {
    return;
  }
  if (const std::optional<std::pair<int, int>> snapped =
          SnappedXRange(m_xMin, m_xMax, m_xPartitions)) {
    m_xMin = static_cast<float>(snapped->first);
    m_xMax = static_cast<float>(snapped->second);
  }
}

void CLumivexData::ShowAreaNormalisedEmission() {
  m_showFluorescence = 1;
  m_showIntensity = 1;
  m_settingsApplied = 1;
  m_absorptionLow = m_epsilonLow = m_emissionLow = m_lightSourceLow = 0.0f;
  m_yHigh = 1.0f;
  m_xLow = m_xMin;
  m_xHigh = m_xMax;
}

} // namespace lumivex
