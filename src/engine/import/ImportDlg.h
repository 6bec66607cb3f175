#pragma once

#include "core/DialogFields.h"
#include "core/LumivexData.h"
#include "core/Prompts.h"
#include "import/DelimitedText.h"
#include "import/Importer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumivex {

/// What importing one file gave: the spectra of every table it holds, each table's
/// decisions, and the layout a delimited file was read with; or the error that stopped it,
/// in which case nothing of the file is to join the workspace.
struct FileImport {
  std::string path;
  bool jcamp = false;
  DelimitedLayout layout;            ///< delimited text only
  std::vector<ImportResult> results; ///< one per table of the file
  ImportError error;
  [[nodiscard]] bool Ok() const { return error.message.empty(); }
  /// Every spectrum of every table, in file order.
  [[nodiscard]] std::vector<const ImportedSpectrum*> Spectra() const;
};

/// Reads a delimited text or JCAMP-DX file (told apart by its ending) and runs every table
/// of it through the common import step with the same settings.
[[nodiscard]] FileImport ImportFile(const std::string& path, const DelimitedSettings& delimited,
                                    const ImportSettings& settings);

/// The file-open filter of File › Import Spectra.
inline constexpr const char* kImportFilter =
    "Spectra (*.csv *.tsv *.txt *.dat *.prn *.jdx *.dx *.jcm);;All files (*)";

/// The choices of the import dialog's lists; the first of each leaves the choice to the
/// file and to detection.
inline constexpr std::array<const char*, 5> kImportDelimiterChoices{"Detect", "Comma", "Semicolon",
                                                                    "Tab", "Blanks"};
inline constexpr std::array<const char*, 3> kImportDecimalChoices{"Detect", "Point", "Comma"};
inline constexpr std::array<const char*, 5> kImportXUnitChoices{"From the file", "nm", "um", "cm-1",
                                                                "eV"};
inline constexpr std::array<const char*, 5> kImportYChoices{
    "From the file", "Absorbance", "Transmittance (0-1)", "Transmittance (%)", "Intensity"};
inline constexpr std::array<const char*, 4> kImportKindChoices{"From the file", "Absorption",
                                                               "Emission", "Light source"};

/// The dialog's button that imports the file shown and every later file of the batch with
/// the same settings, without showing the dialog again.
inline constexpr int kResultApplyToAll = 20;
/// The button that leaves the file shown out and goes on with the next.
inline constexpr int kResultSkip = 21;

/// The Import Spectra dialog (title "Import Spectra"): one file of a batch, the first lines
/// of it, the settings to read it with (each one detected unless the user sets it), what
/// the reading decided and the spectra it gives, shown in a small plot.
class CImportDlg : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CImportDlg"; }

  std::string m_path;
  int m_fileNumber = 1; ///< the file's place in the batch, from 1
  int m_fileCount = 1;

  // The settings, by choice index into the lists above, and typed texts; an empty text
  // leaves the setting to detection.
  int m_delimiter = 0;
  int m_decimal = 0;
  int m_xUnit = 0;
  int m_yKind = 0;
  int m_kind = 0;
  std::string m_skipLines;
  std::string m_xColumn;
  std::string m_yColumns; ///< column numbers separated by commas or blanks
  std::string m_step;     ///< nm

  /// The four typed settings: header lines, x column, y columns and grid step.
  [[nodiscard]] std::vector<DialogField> Fields();
  /// Reads the typed settings; a refusal names the field (a whole number of lines of at
  /// least 0, columns from 1, a step above 0) and changes nothing.
  [[nodiscard]] std::optional<FieldRefusal> StoreFields(const FieldTexts& texts);

  /// The settings as the importer takes them.
  [[nodiscard]] DelimitedSettings Delimited() const;
  [[nodiscard]] ImportSettings Import() const;

  /// Reads the file with the current settings: its first lines, the layout and decisions,
  /// the spectra or the error. Called when the dialog opens and whenever a setting changes.
  void Refresh();

  // What Refresh found.
  std::vector<std::string> m_firstLines;
  FileImport m_import;
  /// The decisions of the reading in words, or the error naming file and line.
  [[nodiscard]] std::vector<std::string> Decisions() const;
  /// "File 2 of 5: name", the line above the preview.
  [[nodiscard]] std::string Heading() const;
  /// A workspace holding copies of the spectra found, for the preview plot.
  [[nodiscard]] CLumivexData PreviewDocument() const;
};

} // namespace lumivex
