#pragma once

#include "FieldEdits.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;

namespace lumivex {
class CCreateSpectra;
class Prompts;
} // namespace lumivex

namespace lumivex::gui {

/// A page of Create Spectrum: the spectrum type, the number of peaks and the range on the
/// first page, a peak's function, centre, width and intensity on each peak page; the model
/// says which are editable. "Next" writes the fields back unless the model refuses one.
class CreateSpectraView final : public QDialog {
  Q_OBJECT

public:
  CreateSpectraView(CCreateSpectra& dlg, Prompts& prompts, QWidget* parent = nullptr);

  void accept() override;

private:
  void OnFunctionChosen(int function);
  void OnKindClicked(int kind);
  void EnableFields();

  CCreateSpectra& m_dlg;
  Prompts& m_prompts;
  FieldEdits m_fields;
  QButtonGroup* m_kinds = nullptr;
  QComboBox* m_function = nullptr;
  QLabel* m_functionLabel = nullptr;
};

} // namespace lumivex::gui
