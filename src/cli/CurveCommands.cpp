#include "Commands.h"

#include "core/SpectrumFile.h"
#include "curves/BandDlg.h"
#include "curves/BandMeasure.h"
#include "curves/CreateSpectra.h"
#include "curves/CurveDialogs.h"
#include "curves/PeakSearch.h"
#include "curves/SpectrumCalculator.h"

#include <memory>
#include <sstream>

namespace lumivex::cli {

namespace {

// Fills a dialog's fields from the options given, with the dialog's own refusals.
template <typename Dialog> void StoreOptions(Dialog& dlg, const FieldOptions& fields) {
  for (const auto& [field, text] : fields.Texts()) {
    if (const std::optional<FieldRefusal> refusal = dlg.StoreFields({{field, text}})) {
      fields.Refuse(refusal->key, refusal->message);
    }
  }
}

void WriteOrThrow(const CSpectrum& spectrum, const std::string& path) {
  const WriteResult written = WriteSpectrumFile(spectrum, path);
  if (!written.ok) {
    throw CliError(OneLine(written.message));
  }
}

Json CurveJson(const CSpectrum& curve) {
  Json answer;
  answer["name"] = curve.m_name;
  answer["points"] = curve.m_points.size();
  answer["first_x"] = curve.m_points.front().x;
  answer["last_x"] = curve.m_points.back().x;
  answer["peak_x"] = curve.m_peakY > 0.0f ? Json(curve.m_peakX) : Json(nullptr);
  answer["peak_y"] = curve.m_peakY;
  return answer;
}

Json WriteCurve(const ModelCurve& curve, const std::string& out) {
  const GeneratedCurve generated = GenerateCurveSpectrum(curve);
  if (!generated.spectrum) {
    throw CliError(generated.refusal.empty()
                       ? "these parameters give no curve: a width, peak, wavelength or "
                         "temperature of 0, or a range that ends before it starts"
                       : OneLine(generated.refusal));
  }
  WriteOrThrow(*generated.spectrum, out);
  return CurveJson(*generated.spectrum);
}

// The Gaussian and Lorentzian share their options: width, peak and height factor (1 unless
// given, as a curve of unit height factor is what a user asks for).
template <typename Dialog>
void AddPeakCurve(CommandLine& line, CLI::App& parent, const char* name, const char* description) {
  CLI::App& command = line.Add(&parent, name, description);
  struct Options {
    FieldOptions fields;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  options->fields.Add(command, "width", "width", "the half peak width w in nm")->required();
  options->fields.Add(command, "peak", "peak", "the peak wavelength x0 in nm")->required();
  options->fields.Add(command, "factor", "factor", "the height factor m (default 1)");
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options] {
    Dialog dlg;
    dlg.m_factor = 1.0f;
    StoreOptions(dlg, options->fields);
    return WriteCurve(dlg.Curve(), options->out);
  });
}

void AddBlackbody(CommandLine& line, CLI::App& parent) {
  CLI::App& command = line.Add(&parent, "blackbody", "the radiance of a blackbody radiator");
  struct Options {
    FieldOptions fields;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  options->fields.Add(command, "low", "low", "the first wavelength in whole nm (default 200)");
  options->fields.Add(command, "high", "high", "the last wavelength in whole nm (default 1000)");
  options->fields.Add(command, "temperature", "temperature", "T in kelvin (default 5776)");
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options] {
    CBlackbodyDlg dlg;
    StoreOptions(dlg, options->fields);
    return WriteCurve(dlg.Curve(), options->out);
  });
}

void AddCalc(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "calc", "a linear combination of spectra by formula");
  struct Options {
    std::string formula;
    std::vector<std::string> files;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  command.add_option("FORMULA", options->formula, "e.g. \"1/3A + 0.2B\"")->required();
  command.add_option("FILE", options->files, "the spectra A, B, ... in order")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options] {
    if (options->files.size() < 2) {
      throw CliError(kCalculatorUsage);
    }
    std::vector<CSpectrum> read;
    for (const std::string& path : options->files) {
      read.push_back(ReadOrThrow(path));
    }
    std::vector<CSpectrum*> spectra;
    CLumivexData document;
    for (CSpectrum& spectrum : read) {
      spectra.push_back(&spectrum);
      document.m_xMin = std::min(document.m_xMin, spectrum.SmallestX());
      document.m_xMax = std::max(document.m_xMax, spectrum.LargestX());
    }
    if (const std::optional<std::string> refusal =
            CheckCalculatorSpectra({spectra.begin(), spectra.end()})) {
      throw CliError(*refusal);
    }
    CalculatedSpectrum result = CalculateSpectrum(document, spectra, options->formula);
    if (!result.spectrum) {
      throw CliError(result.refusal);
    }
    WriteOrThrow(*result.spectrum, options->out);
    Json answer;
    Json coefficients;
    for (std::size_t g = 0; g < result.coefficients.size(); ++g) {
      coefficients[std::string(1, SpectrumLetter(static_cast<int>(g)))] = result.coefficients[g];
    }
    answer["coefficients"] = coefficients;
    answer["name"] = result.spectrum->m_name;
    CSpectrum written = ReadOrThrow(options->out);
    answer["info"] = SpectrumInfo(written);
    return answer;
  });
}

// One "--peak FUNCTION:CENTER:WIDTH:INTENSITY" of create.
SyntheticPeak ParsePeak(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, ':');) {
    parts.push_back(part);
  }
  const auto refuse = [&text](const std::string& why) {
    return CliError("--peak " + text + ": " + why +
                    " (expected FUNCTION:CENTER:WIDTH:INTENSITY, FUNCTION lorentzian, gaussian "
                    "or delta)");
  };
  if (parts.size() != 4) {
    throw refuse("four parts needed");
  }
  SyntheticPeak peak;
  if (parts[0] == "lorentzian") {
    peak.function = static_cast<int>(PeakFunction::Lorentzian);
  } else if (parts[0] == "gaussian") {
    peak.function = static_cast<int>(PeakFunction::Gaussian);
  } else if (parts[0] == "delta") {
    peak.function = static_cast<int>(PeakFunction::Delta);
  } else {
    throw refuse("unknown function '" + parts[0] + "'");
  }
  // The peak page's own fields and checks read the numbers.
  CCreateSpectra page;
  page.m_firstPage = false;
  page.m_function = peak.function;
  if (const std::optional<FieldRefusal> refusal = page.StoreFields(
          {{"peakWavelength", parts[1]}, {"fullWidth", parts[2]}, {"intensity", parts[3]}})) {
    throw refuse(refusal->message);
  }
  return page.Peak();
}

void AddCreate(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "create", "a spectrum from synthetic peaks");
  struct Options {
    std::string kind;
    FieldOptions fields;
    std::vector<std::string> peaks;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  command.add_option("--kind", options->kind, "absorption, emission or lightsource")
      ->required()
      ->check(CLI::IsMember({"absorption", "emission", "lightsource"}));
  options->fields.Add(command, "low", "low", "the first wavelength in whole nm")->required();
  options->fields.Add(command, "high", "high", "the last wavelength in whole nm")->required();
  command.add_option("--peak", options->peaks, "FUNCTION:CENTER:WIDTH:INTENSITY, up to 30")
      ->required()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options] {
    if (options->peaks.size() > 30) {
      throw CliError("at most 30 peaks can be given");
    }
    CCreateSpectra first;
    first.m_firstPage = true;
    FieldTexts texts{{"peaks", std::to_string(options->peaks.size())}};
    for (const auto& [field, text] : options->fields.Texts()) {
      texts[field] = text;
    }
    if (const std::optional<FieldRefusal> refusal = first.StoreFields(texts)) {
      options->fields.Refuse(refusal->key, refusal->message);
    }
    std::vector<SyntheticPeak> peaks;
    for (const std::string& text : options->peaks) {
      peaks.push_back(ParsePeak(text));
    }
    const SpectrumKind kind = options->kind == "emission"      ? SpectrumKind::Emission
                              : options->kind == "lightsource" ? SpectrumKind::LightSource
                                                               : SpectrumKind::Absorption;
    std::string refusal;
    const std::unique_ptr<CSpectrum> spectrum =
        CreateSyntheticSpectrum(peaks, first.m_low, first.m_high, kind, refusal);
    if (!spectrum) {
      throw CliError(refusal);
    }
    WriteOrThrow(*spectrum, options->out);
    return CurveJson(*spectrum);
  });
}

void AddNormalize(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "normalize", "a copy scaled to peak value 1");
  struct Options {
    std::string file;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  command.add_option("FILE", options->file, "the spectrum file")->required();
  command.add_option("--out", options->out, "the spectrum file to write")->required();
  line.SetRun(command, [options] {
    CSpectrum spectrum = ReadOrThrow(options->file);
    CLumivexData document;
    const NormalizedSpectrum normalized = NormalizeSpectrum(document, spectrum);
    if (normalized.unusable) {
      throw CliError(options->file + " is 0 at its peak position and cannot be normalised");
    }
    Json answer;
    answer["first_factor"] = normalized.firstFactor;
    answer["second_factor"] =
        normalized.secondFactor ? Json(*normalized.secondFactor) : Json(nullptr);
    const CSpectrum& result = normalized.spectrum ? *normalized.spectrum : spectrum;
    answer["already_normalized"] = !normalized.spectrum;
    answer["peak_value"] = result.Interpolate(result.m_peakX);
    WriteOrThrow(result, options->out);
    return answer;
  });
}

void AddPeak(CommandLine& line) {
  CLI::App& command = line.Add(nullptr, "peak", "the largest value within a range");
  struct Options {
    std::string file;
    FieldOptions fields;
  };
  auto options = std::make_shared<Options>();
  command.add_option("FILE", options->file, "the spectrum file")->required();
  options->fields.Add(command, "start", "start", "the range's start in nm, 100 to 1000")
      ->required();
  options->fields.Add(command, "end", "end", "the range's end in nm, 100 to 1000")->required();
  line.SetRun(command, [options] {
    const CSpectrum spectrum = ReadOrThrow(options->file);
    CPeakDlg dlg;
    StoreOptions(dlg, options->fields);
    const PeakSearchResult result = SearchPeak(spectrum, dlg.m_start, dlg.m_end);
    if (!result.inBounds) {
      throw CliError(kRangeOutOfBoundary);
    }
    Json answer;
    answer["start_index"] = result.startIndex;
    answer["end_index"] = result.endIndex;
    answer["found"] = result.found ? Json(*result.found) : Json(nullptr);
    return answer;
  });
}

// Measure Band on a spectrum file, its values as stored, with the dialog's checks of the
// range.
void AddBand(CommandLine& line) {
  CLI::App& command =
      line.Add(nullptr, "band", "maximum, width at half maximum, centroid and areas of a band");
  struct Options {
    std::string file;
    FieldOptions fields;
    bool baseline = false;
  };
  auto options = std::make_shared<Options>();
  command.add_option("FILE", options->file, "the spectrum file")->required();
  options->fields.Add(command, "low", "low", "the band's low end in nm")->required();
  options->fields.Add(command, "high", "high", "the band's high end in nm")->required();
  command.add_flag("--baseline", options->baseline,
                   "subtract the straight line between the values at the two ends");
  line.SetRun(command, [options] {
    const CSpectrum spectrum = ReadOrThrow(options->file);
    CBandDlg dlg;
    StoreOptions(dlg, options->fields);
    const BandResult result =
        MeasureBand(spectrum, dlg.m_low, dlg.m_high, BandOptions{options->baseline});
    if (!result.measurement) {
      throw CliError(OneLine(result.refusal));
    }
    const BandMeasurement& band = *result.measurement;
    Json answer;
    answer["low"] = band.low;
    answer["high"] = band.high;
    answer["points"] = band.points;
    answer["baseline"] = band.baseline
                             ? Json{{"low", band.baseline->first}, {"high", band.baseline->second}}
                             : Json(nullptr);
    answer["maximum"] = band.maximum;
    answer["maximum_at"] = band.maximumAt;
    answer["fwhm"] = band.width ? Json{{"nm", band.width->nm},
                                       {"wavenumber", band.width->wavenumber},
                                       {"left", band.width->left},
                                       {"right", band.width->right}}
                                : Json(nullptr);
    answer["centroid"] = band.centroid ? Json(*band.centroid) : Json(nullptr);
    answer["area_nm"] = band.areaNm;
    answer["area_wavenumber"] = band.areaWavenumber;
    return answer;
  });
}

} // namespace

void AddCurveCommands(CommandLine& line) {
  CLI::App& curve = line.Add(nullptr, "curve", "a model curve: gaussian, lorentzian or blackbody");
  curve.require_subcommand(1);
  AddPeakCurve<CDistributionDlg>(line, curve, "gaussian", "a Gaussian peak");
  AddPeakCurve<CLorentzDlg>(line, curve, "lorentzian", "a Lorentzian peak");
  AddBlackbody(line, curve);
  AddCalc(line);
  AddCreate(line);
  AddNormalize(line);
  AddPeak(line);
  AddBand(line);
}

} // namespace lumivex::cli
