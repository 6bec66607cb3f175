#include "ui/HelpTopics.h"

#include <algorithm>
#include <string>

namespace lumivex {

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics{
      {kHelpOverview, "overview.html", "Overview",
       "introduction getting started first session tutorial what lumivex does absorption "
       "emission light source spectra overlay plot units windows"},
      {kHelpAuthors, "authors.html", "Authors", "about lumivex developers contact"},
      {kHelpBibliography, "bibliography.html", "Bibliography",
       "references literature books papers forster förster fret dexter strickler-berg "
       "strickler berg lifetime lakowicz birks turro hilborn einstein coefficients oscillator "
       "strength astm g173 e490 solar cie colorimetry illuminants"},
      {kHelpDevelopment, "development.html", "Development",
       "about engine tests testing command line lumivex-cli cli json script open text formats "
       "reproducible"},
      {kHelpAcknowledgment, "acknowledgment.html", "Acknowledgment",
       "about thanks data sources solar spectra astm cie illuminants fluorescent proteins dyes "
       "data sets master databases molecule solar licence license sources.txt fpbase pahwq "
       "pvlib mskpy colour-science nist lamps rdkit structures"},
      {kHelpToolbar, "toolbar.html", "Toolbar Help",
       "toolbar buttons icons commands keyboard shortcuts keys not available later versions "
       "disabled context help"},
      {kHelpTopicBase + kIdCloseSelectedFiles, "close-selected-files.html", "Close Selected Files",
       "close remove delete spectra selection del ctrl+x file menu"},
      {kHelpTopicBase + kIdFileNew, "new.html", "New",
       "new clear workspace start empty ctrl+n file menu"},
      {kHelpTopicBase + kIdOpenDataFile, "open-data-file.html", "Open Data File",
       "open load read spectrum file format text data points wavelength nm columns tab blank "
       "extension abs.txt ems.txt els.txt absorption emission light source kind header "
       "refused step evenly spaced ctrl+o file menu"},
      {kHelpTopicBase + kIdImportSpectra, "import-spectra.html", "Import Spectra",
       "import csv tsv delimited text comma semicolon tab decimal comma header columns jcamp "
       "jdx dx instrument spreadsheet wavenumber ev transmittance resample batch apply to all "
       "file menu"},
      {kHelpTopicBase + kIdAutoScale, "auto-scale.html", "Auto Scale",
       "auto scale fit y range peak maximum ctrl+u view menu"},
      {kHelpTopicBase + kIdResetGraph, "reset-graph.html", "Reset Graph",
       "reset graph automatic ranges wavelength default ctrl+r view menu"},
      {kHelpTopicBase + kIdSetGraph, "set-graph.html", "Set Graph",
       "graph settings dialog title line thickness width dashed scale selection range low high "
       "x axis y axis values partitions ticks intensity control quantity absorption epsilon "
       "log epsilon fluorescence intensity irradiance reference spectrum ctrl+g view menu"},
      {kHelpTopicBase + kIdPeakSearch, "peak-search.html", "Peak Search",
       "peak search maximum largest value range start end wavelength found no peak boundary "
       "ascending descending view menu"},
      {kHelpTopicBase + kIdMeasureBand, "measure-band.html", "Measure Band",
       "measure band maximum fwhm full width half maximum centroid area integral wavenumber "
       "baseline linear sloped range alt drag copy clipboard view menu"},
      {kHelpTopicBase + kIdListData, "list-data.html", "List Data",
       "list data information editor points edit noise processing add shift replace value smooth "
       "region run save points save record create report record values notes spectrum data "
       "abs ems ls ctrl+l view menu"},
      {kHelpTopicBase + kIdForster, "forster.html", "Forster Energy Transfer",
       "forster förster fret energy transfer donor acceptor overlap integral j value forster "
       "distance r0 efficiency rate lifetime dexter orientation factor kappa refractive index "
       "quantum yield epsilon molar absorption coefficient print report modules menu"},
      {kHelpTopicBase + kIdTransmission, "transmission.html", "Transmission Simulation",
       "transmission transmitted light source lamp solar filter sample absorbance absorption "
       "attenuation factor adjustable parameter modules menu"},
      {kHelpTopicBase + kIdOscillatorStrength, "oscillator-strength.html",
       "Oscillator Strength Calculation",
       "oscillator strength f transition dipole moment mu debye coulomb metre absorption band "
       "peak fwhm full width half maximum epsilon molar absorption coefficient wavenumber "
       "integration region manual print report modules menu"},
      {kHelpTopicBase + kIdFluorescenceLifetime, "fluorescence-lifetime.html",
       "Fluorescence Lifetime Calculation",
       "fluorescence lifetime strickler-berg strickler berg radiative rate constant natural "
       "radiative lifetime tau quantum yield refractive index absorption band emission integral "
       "term mean value nu-3 epsilon print report modules menu"},
      {kHelpTopicBase + kIdMultipleComponent, "multiple-component.html",
       "Multiple Component Analysis",
       "multiple component analysis mca mixture composite components fraction concentration "
       "least squares residual fit simplex nelder-mead wavelengths beer-lambert epsilon print "
       "report modules menu"},
      {kHelpTopicBase + kIdEnergyTransferSimulation, "energy-transfer-simulation.html",
       "Energy Transfer Simulation",
       "energy transfer simulation chain components array cascade forward reverse analysis "
       "transfer efficiency quantum yield excitation wavelength epsilon relative absorbance "
       "excitation total net fluorescence emission share end to end simulated fluorescence "
       "spectrum fit simplex nelder-mead misfit wavelengths print report modules menu"},
      {kHelpTopicBase + kIdGaussian, "gaussian-distribution.html", "Gaussian Distribution",
       "gaussian distribution peak model curve half width peak wavelength height factor "
       "standard deviation 3.1415 pi area curves menu"},
      {kHelpTopicBase + kIdLorentzian, "lorentzian-distribution.html", "Lorentzian Distribution",
       "lorentzian distribution lorentz cauchy peak model curve half width peak wavelength "
       "height factor curves menu"},
      {kHelpTopicBase + kIdBlackbody, "blackbody.html", "Blackbody Radiation Distribution",
       "blackbody black body radiator radiation planck temperature kelvin sun photosphere 5776 "
       "radiance wien lamp model curve curves menu"},
      {kHelpTopicBase + kIdSpectrumCalculator, "spectrum-calculator.html", "Spectrum Calculator",
       "spectrum calculator formula add subtract fraction coefficient letters combination "
       "linear sum difference weights area normalised normalized quantum yield curves menu"},
      {kHelpTopicBase + kIdCreateSpectrum, "create-spectrum.html", "Create Spectrum",
       "create spectrum synthetic peaks lorentzian gaussian delta full width half height fwhm "
       "intensity absorption emission light source pages next curves menu"},
      {kHelpTopicBase + kIdAlterSpectrum, "alter-spectrum.html", "Alter Spectrum",
       "alter spectrum shift scale factor copy display unaltered spectrum remove curves menu"},
      {kHelpTopicBase + kIdNormalize, "normalize.html", "Normalize",
       "normalize normalise normalization peak value one 1 scale copy norm curves menu"},
      {kHelpTopicBase + kIdPrint, "print.html", "Print and Reports",
       "print printer page pdf result sheet user name report html web page template htmt "
       "placeholder picture graph temp.bmp create report ctrl+p file menu"},
      {kHelpTopicBase + kIdOpenDatabase, "database.html", "Database List and Structure Display",
       "database list structure display picture bitmap master molecule solar records names "
       "alphabetical classes sort reset save list total number popup absorption emission light "
       "sources redraw structure db file notes ctrl+d file menu"},
      {kHelpDatabaseWizard, "add-record.html", "Add Record to Database",
       "add record database entry wizard new create append db file upload files copy copied "
       "structure picture bitmap name class provided notes line breaks backslash epsilon "
       "wavelength quantum yield reference instrument solvent experimentalist light source "
       "location cloud another record file menu"},
      {kHelpDataFileWindow, "data-file-window.html", "Data File window",
       "data file window list entries selection select colours colors paths"},
      {kHelpSpectraDisplay, "spectra-display.html", "Spectra Display",
       "spectra display graph plot window curves axes colours colors dashed"},
      {kHelpUnitsAndQuantities, "units.html", "Units and Quantities",
       "units x axis wavelength nm wavenumber cm-1 frequency hz energy ev kcal kj kk kelvin "
       "temperature photon constants conversion planck boltzmann y axis quantity absorbance "
       "absorption epsilon molar absorptivity extinction coefficient log epsilon fluorescence "
       "intensity quantum yield area normalised normalized irradiance power of ten"},
  };
  return topics;
}

const HelpTopic* FindHelpTopic(int context) {
  const auto& topics = HelpTopics();
  const auto found = std::find_if(topics.begin(), topics.end(), [context](const HelpTopic& topic) {
    return topic.context == context;
  });
  return found == topics.end() ? nullptr : &*found;
}

const std::vector<HelpGroup>& HelpGroups() {
  static const std::vector<HelpGroup> groups{
      {"Getting started",
       {kHelpOverview, kHelpTopicBase + kIdOpenDataFile, kHelpTopicBase + kIdSetGraph,
        kHelpUnitsAndQuantities}},
      {"Windows", {kHelpSpectraDisplay, kHelpDataFileWindow, kHelpTopicBase + kIdOpenDatabase}},
      {"Commands",
       {kHelpTopicBase + kIdCloseSelectedFiles,
        kHelpTopicBase + kIdFileNew,
        kHelpTopicBase + kIdOpenDataFile,
        kHelpTopicBase + kIdImportSpectra,
        kHelpDatabaseWizard,
        kHelpTopicBase + kIdAutoScale,
        kHelpTopicBase + kIdResetGraph,
        kHelpTopicBase + kIdSetGraph,
        kHelpTopicBase + kIdPeakSearch,
        kHelpTopicBase + kIdMeasureBand,
        kHelpTopicBase + kIdListData,
        kHelpTopicBase + kIdForster,
        kHelpTopicBase + kIdTransmission,
        kHelpTopicBase + kIdOscillatorStrength,
        kHelpTopicBase + kIdFluorescenceLifetime,
        kHelpTopicBase + kIdMultipleComponent,
        kHelpTopicBase + kIdEnergyTransferSimulation,
        kHelpTopicBase + kIdGaussian,
        kHelpTopicBase + kIdLorentzian,
        kHelpTopicBase + kIdBlackbody,
        kHelpTopicBase + kIdSpectrumCalculator,
        kHelpTopicBase + kIdCreateSpectrum,
        kHelpTopicBase + kIdAlterSpectrum,
        kHelpTopicBase + kIdNormalize,
        kHelpTopicBase + kIdPrint}},
      {"Units and quantities", {kHelpUnitsAndQuantities}},
      {"About",
       {kHelpOverview, kHelpToolbar, kHelpBibliography, kHelpDevelopment, kHelpAcknowledgment,
        kHelpAuthors}},
  };
  return groups;
}

namespace {

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return lower;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n", start);
    if (begin == std::string_view::npos) {
      break;
    }
    const std::size_t end = std::min(text.find_first_of(" \t\r\n", begin), text.size());
    words.push_back(Lowercase(text.substr(begin, end - begin)));
    start = end;
  }
  return words;
}

} // namespace

std::vector<const HelpTopic*> SearchHelpTopics(std::string_view query) {
  const std::vector<std::string> words = Words(query);
  std::vector<const HelpTopic*> found;
  for (const HelpTopic& topic : HelpTopics()) {
    const std::string text = Lowercase(std::string(topic.title) + ' ' + topic.keywords);
    const bool all = std::all_of(words.begin(), words.end(), [&text](const std::string& word) {
      return text.find(word) != std::string::npos;
    });
    if (all) {
      found.push_back(&topic);
    }
  }
  std::stable_sort(found.begin(), found.end(), [](const HelpTopic* a, const HelpTopic* b) {
    return Lowercase(a->title) < Lowercase(b->title);
  });
  return found;
}

} // namespace lumivex
