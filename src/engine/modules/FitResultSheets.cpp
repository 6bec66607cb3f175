#include "modules/FitResultSheets.h"

#include "modules/SheetRows.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace lumivex {

namespace {

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

const std::string& NameOf(std::span<const std::string> names, std::size_t c) {
  static const std::string none;
  return c < names.size() ? names[c] : none;
}

} // namespace

std::vector<std::string> McaResultEntries(std::span<const float> results,
                                          std::span<const std::string> names) {
  std::vector<std::string> entries;
  for (std::size_t j = 0; j < results.size(); ++j) {
    entries.push_back(Format("%4.5f", static_cast<double>(results[j])) + "   " + NameOf(names, j));
  }
  return entries;
}

std::vector<std::string> McaWavelengthEntries(std::span<const float> wavelengths) {
  std::vector<std::string> entries;
  for (const float wavelength : wavelengths) {
    entries.push_back(Format("%f", static_cast<double>(wavelength)));
  }
  return entries;
}

ReportBlock McaReportBlock(float residual, std::span<const float> results,
                           std::span<const std::string> names) {
  ReportBlock block;
  block.numbers.assign(kMcaReportNumbers, kNoReportNumber);
  block.texts.assign(kMcaReportTexts, kNoReportText);
  block.texts[0] = Exponent3(residual);
  block.texts[1] = std::to_string(results.size());
  const std::size_t shown = std::min<std::size_t>(results.size(), kMcaReportNumbers);
  for (std::size_t j = 0; j < shown; ++j) {
    block.numbers[j] = results[j];
    block.texts[j + 2] = NameOf(names, j);
  }
  return block;
}

void DrawMcaResults(Canvas& canvas, float residual, std::span<const float> results,
                    std::span<const std::string> names) {
  const CSize extent = canvas.TextExtent("Wavelength for epsilon (nm)");
  const int pitch = extent.cy + 10;
  const int left = 30;
  const int right = extent.cx + 60;
  auto row = [&](int i, const std::string& label, const std::string& value) {
    canvas.Text({left, i * pitch + 30}, label);
    canvas.Text({right, i * pitch + 30}, value);
  };
  canvas.SetTextAlign(TextAlign::LeftTop);
  row(2, "Least square", Exponent3(residual));
  row(3, "Number of compounds", std::to_string(results.size()));
  row(5, "Concentrations", "Compounds");
  for (std::size_t j = 0; j < results.size(); ++j) {
    row(6 + static_cast<int>(j), Fixed3(results[j]), NameOf(names, j));
  }
}

std::string ComponentLetter(int c) {
  std::string letters;
  for (int n = c + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters;
}

std::string TransferReportOmission(int chainLength) {
  char text[160];
  std::snprintf(text, sizeof text,
                "Components %s to %s of the chain are left out of this report; the printed "
                "results list them.",
                ComponentLetter(kTransferReportComponents).c_str(),
                ComponentLetter(chainLength - 1).c_str());
  return text;
}

ReportBlock TransferReportBlock(std::span<const EnergyTransferRecord> chain, float excitation,
                                float endToEnd, std::span<const std::string> names) {
  ReportBlock block;
  block.numbers.assign(kTransferReportNumbers, kNoReportNumber);
  block.texts.assign(kTransferReportTexts, kNoReportText);
  block.numbers[0] = excitation;
  const std::size_t shown = std::min<std::size_t>(chain.size(), kTransferReportComponents);
  for (std::size_t c = 0; c < shown; ++c) {
    const EnergyTransferRecord& r = chain[c];
    const std::array<float, 8> values = {
        r.transfer,           r.epsilon,         r.relativeAbsorbance, r.quantumYield,
        r.actualFluorescence, r.excitationTotal, r.emissionEnergy,     r.emissionShare};
    std::copy(values.begin(), values.end(), block.numbers.begin() + 1 + 8 * c);
    block.texts[c] = NameOf(names, c);
  }
  block.numbers[97] = endToEnd;
  if (chain.size() > shown) {
    block.texts[shown] = TransferReportOmission(static_cast<int>(chain.size()));
  }
  return block;
}

void DrawTransferResults(Canvas& canvas, std::span<const EnergyTransferRecord> chain,
                         float excitation, float endToEnd, std::span<const std::string> names) {
  static constexpr std::array<const char*, 9> kHeaders = {"Component", "T(i)  ",  "Epsilon (exc)",
                                                          "Rel. Abs",  "QY    ",  "Q'    ",
                                                          "Exc. Tot.", "Q''    ", "% of emission"};
  constexpr int kTop = 30;
  const int pitch = canvas.TextExtent("Component").cy + 5;
  std::array<int, 9> x{};
  x[0] = 30;
  for (std::size_t k = 0; k + 1 < x.size(); ++k) {
    x[k + 1] = x[k] + canvas.TextExtent(kHeaders[k]).cx + 12;
  }
  canvas.SetTextAlign(TextAlign::LeftTop);
  int r = 2;
  for (std::size_t k = 0; k < kHeaders.size(); ++k) {
    canvas.Text({x[k], r * pitch + kTop}, kHeaders[k]);
  }
  for (std::size_t c = 0; c < chain.size(); ++c) {
    ++r;
    const EnergyTransferRecord& e = chain[c];
    const std::array<float, 8> values = {
        e.transfer,           e.epsilon,         e.relativeAbsorbance, e.quantumYield,
        e.actualFluorescence, e.excitationTotal, e.emissionEnergy,     e.emissionShare};
    canvas.Text({x[0], r * pitch + kTop}, ComponentLetter(static_cast<int>(c)));
    for (std::size_t k = 0; k < values.size(); ++k) {
      canvas.Text({x[k + 1], r * pitch + kTop}, Fixed3(values[k]));
    }
  }
  r += 2;
  canvas.Text({x[0], r * pitch + kTop}, "Excitation wavelength (nm)");
  canvas.Text({x[3], r * pitch + kTop}, Fixed3(excitation));
  ++r;
  std::string system;
  for (std::size_t c = 0; c < chain.size(); ++c) {
    system += (c == 0 ? "" : "--") + ComponentLetter(static_cast<int>(c));
  }
  canvas.Text({x[0], r * pitch + kTop}, "Energy transfer system");
  canvas.Text({x[3], r * pitch + kTop}, system);
  for (std::size_t c = 0; c < chain.size(); ++c) {
    ++r;
    canvas.Text({x[0], r * pitch + kTop}, "Component " + ComponentLetter(static_cast<int>(c)));
    canvas.Text({x[3], r * pitch + kTop}, NameOf(names, c));
  }
  r += 2;
  canvas.Text({x[0], r * pitch + kTop}, "Note:");
  const std::array<std::string, 6> notes = {
      "T(i) = Quantum yield of energy transfer from component i to i+1",
      "QY = Quantum yield of fluorescence of each component alone",
      "Q' = QY(1 - T(i))",
      "Exc Tot. = Rel. Abs + Upstream exc transfer",
      "Q'' = Q' * Exc Tot. (This term is the net fluorescence of the component)",
      "Quantum yield of energy transfer from end to end = " + Fixed3(endToEnd)};
  // Each note sits a little lower than its row: 30 times 1.3, 1.6, ... 2.8, truncated.
  constexpr std::array<double, 6> kLowering = {1.3, 1.6, 1.9, 2.2, 2.5, 2.8};
  for (std::size_t k = 0; k < notes.size(); ++k) {
    ++r;
    canvas.Text({x[0], r * pitch + static_cast<int>(kTop * kLowering[k])}, notes[k]);
  }
}

} // namespace lumivex
