#include "DialogViews.h"

#include "BandResultDlgView.h"
#include "CreateSpectraView.h"
#include "DataListDlgView.h"
#include "DatabaseView.h"
#include "DipoleDlgView.h"
#include "ExSimulationDlgView.h"
#include "FormDlgView.h"
#include "ForsterDlgView.h"
#include "GraphSettingDlgView.h"
#include "ImportDlgView.h"
#include "MultipleComponentDlgView.h"
#include "PeakDlgView.h"
#include "SimulResultDlgView.h"
#include "StrickleDlgView.h"
#include "TransSimView.h"
#include "UsernameView.h"
#include "WizChooseView.h"
#include "WizardView.h"
#include "commands/ExportCommands.h"
#include "curves/BandDlg.h"
#include "curves/CurveDialogs.h"
#include "curves/DataListDlg.h"
#include "database/StructureDlg.h"
#include "database/Username.h"
#include "database/Wizard.h"
#include "import/ImportDlg.h"
#include "modules/DipoleDlg.h"
#include "modules/EnergyTransferDlg.h"
#include "modules/ForsterDlg.h"
#include "modules/MultipleComponentDlg.h"
#include "modules/StrickleDlg.h"
#include "modules/Transmission.h"
#include "ui/GraphSettingDlg.h"

#include <QtGlobal>

#include <tuple>

namespace lumivex::gui {

namespace {

// Every dialog model the engine runs, with its view. A model missing here is refused loudly
// by QtPrompts::RunDialog; a view that does not fit its model does not compile.
using ProgramViews =
    std::tuple<ViewLink<CGraphSettingDlg, GraphSettingDlgView>, ViewLink<CSortDB, SortDBView>,
               ViewLink<CWizChoose, WizChooseView>, ViewLink<CWizard, WizardView>,
               ViewLink<CUsername, UsernameView>, ViewLink<CForsterDlg, ForsterDlgView>,
               ViewLink<CDipoleDlg, DipoleDlgView>, ViewLink<CStrickleDlg, StrickleDlgView>,
               ViewLink<CTransSim, TransSimView>, ViewLink<CMCAiputDlg, MCAiputDlgView>,
               ViewLink<CMultipleAnalysisDlg, MultipleAnalysisDlgView>,
               ViewLink<CExSimulationDlg, ExSimulationDlgView>,
               ViewLink<CSimulResultDlg, SimulResultDlgView>, ViewLink<CPeakDlg, PeakDlgView>,
               ViewLink<CDataListDlg, DataListDlgView>, ViewLink<CBandDlg, FormDlgView>,
               ViewLink<CImportDlg, ImportDlgView>, ViewLink<CBandResultDlg, BandResultDlgView>>;

// The dialogs of the Curves menu: plain forms, and the pages of Create Spectrum.
using CurvesViews =
    std::tuple<ViewLink<CDistributionDlg, FormDlgView>, ViewLink<CLorentzDlg, FormDlgView>,
               ViewLink<CBlackbodyDlg, FormDlgView>, ViewLink<CAddSubtractSpectra, FormDlgView>,
               ViewLink<CMathDlg, FormDlgView>, ViewLink<CCreateSpectra, CreateSpectraView>>;

// The choices of the export commands: plain forms.
using ExportViews =
    std::tuple<ViewLink<CExportSpectraDlg, FormDlgView>, ViewLink<CPictureScaleDlg, FormDlgView>>;

template <typename... Links> DialogViewRegistry Registered(std::tuple<Links...> /*links*/) {
  DialogViewRegistry registry;
  (registry.Register(Links{}), ...);
  return registry;
}

} // namespace

const DialogViewRegistry& DialogViewRegistry::Program() {
  static const DialogViewRegistry registry =
      Registered(std::tuple_cat(ProgramViews{}, CurvesViews{}, ExportViews{}));
  return registry;
}

DialogRunner DialogViewRegistry::Find(const CDialogModel& model) const {
  const auto found = m_runners.find(typeid(model));
  return found == m_runners.end() ? nullptr : found->second;
}

void DialogViewRegistry::Add(std::type_index model, DialogRunner runner) {
  const bool added = m_runners.emplace(model, runner).second;
  if (!added) {
    qFatal("A dialog model is linked to two views: %s", model.name());
  }
}

} // namespace lumivex::gui
