#pragma once

#include "core/FormDlg.h"

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// Export Spectra's choice of layout.
class CExportSpectraDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CExportSpectraDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Export Spectra"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  bool m_tidy = false; ///< one (spectrum, x, y) row per value instead of a column per spectrum
};

/// Export Graph's scale of a PNG picture.
class CPictureScaleDlg : public CFormDlg {
public:
  [[nodiscard]] const char* ClassName() const override { return "CPictureScaleDlg"; }
  [[nodiscard]] const char* Caption() const override { return "Export Graph"; }
  [[nodiscard]] std::vector<DialogField> Fields() override;

  int m_scale = 1; ///< pixels of the picture per pixel of the window, each way
};

/// Export Spectra, Export Graph and Copy Graph.
void RegisterExportCommands(CCommandRegistry& registry, CommandContext& context);

/// Export Spectra: the layout, then a CSV file for the selected spectra, in the x unit and
/// the y quantities the Spectra Display shows.
void ExportSpectra(CommandContext& context);
/// Export Graph: a file whose name ends .png (then its scale, 1 to 4), .svg or .pdf, drawn as
/// the Spectra Display is.
void ExportGraph(CommandContext& context);

} // namespace lumivex
