#include "modules/Transmission.h"

#include <cmath>
#include <cstdio>

namespace lumivex {

std::unique_ptr<CSpectrum> SimulateTransmission(const CSpectrum& source, const CSpectrum& absorber,
                                                float factor) {
  auto transmitted = std::make_unique<CSpectrum>();
  transmitted->m_xShift = source.m_xShift;
  transmitted->m_xStep = source.m_xStep;
  transmitted->m_kind = source.m_kind;
  transmitted->m_descending = source.m_descending;
  transmitted->m_name = "Transmission";
  transmitted->m_points.reserve(source.m_points.size());
  float peak = 0.0f;
  float peakX = 0.0f;
  for (const SpectrumPoint& point : source.m_points) {
    const float absorbance = absorber.Interpolate(point.x);
    float y = point.y / std::pow(10.0f, factor * absorbance);
    if (!std::isfinite(y)) {
      y = 0.0f;
    }
    transmitted->m_points.push_back({point.x, y});
    if (y > peak) {
      peak = y;
      peakX = point.x;
    }
  }
  transmitted->m_peakY = peak;
  transmitted->m_normalizedPeak = peak;
  transmitted->m_peakX = peakX;
  return transmitted;
}

std::string TransmissionEntryText(float factor) {
  char text[64];
  std::snprintf(text, sizeof text, "Transmission '%2.2f'", static_cast<double>(factor));
  return text;
}

std::vector<DialogField> CTransSim::Fields() {
  return {{"factor", "Adjustible parameter*", &m_factor, NumberRange{0.0f, 1.0f}}};
}

std::optional<FieldRefusal> CTransSim::StoreFields(const FieldTexts& texts) {
  return lumivex::StoreFields(Fields(), texts);
}

} // namespace lumivex
