#pragma once

#include "core/Prompts.h"

#include <QDialog>

#include <concepts>
#include <type_traits>
#include <typeindex>
#include <unordered_map>

class QWidget;

namespace lumivex::gui {

/// Shows a dialog model in its view, modally over `parent`, and answers the button that
/// closed it (kResultOk, kResultCancel, or a module dialog's kResultPrint and
/// kResultCreateReport). The model is of the type the runner was made for.
using DialogRunner = int (*)(CDialogModel& model, Prompts& prompts, QWidget* parent);

/// The link from a dialog model type to the Qt view that shows it, e.g.
/// ViewLink<CForsterDlg, ForsterDlgView>. The view is built from the model (and the prompts,
/// when it tells the user about refused fields) and shown with its own Run() when it has
/// one, or as an OK/Cancel dialog.
template <typename Model, typename View> struct ViewLink {
  static_assert(std::derived_from<Model, CDialogModel>, "a view shows a dialog model");
  static_assert(std::derived_from<View, QDialog>, "a dialog model is shown in a dialog");
  static_assert(std::constructible_from<View, Model&, Prompts&, QWidget*> ||
                    std::constructible_from<View, Model&, QWidget*>,
                "the view is built from its model");

  static int Run(CDialogModel& model, Prompts& prompts, QWidget* parent) {
    auto& typed = static_cast<Model&>(model);
    if constexpr (std::constructible_from<View, Model&, Prompts&, QWidget*>) {
      View view(typed, prompts, parent);
      return Finish(view);
    } else {
      View view(typed, parent);
      return Finish(view);
    }
  }

private:
  static int Finish(View& view) {
    if constexpr (requires {
                    { view.Run() } -> std::same_as<int>;
                  }) {
      return view.Run();
    } else {
      return view.exec() == QDialog::Accepted ? kResultOk : kResultCancel;
    }
  }
};

/// The views of dialog models, found by the model's own type (not by its name).
class DialogViewRegistry {
public:
  /// Every dialog of the program with its view.
  [[nodiscard]] static const DialogViewRegistry& Program();

  /// Links a model type to its view; each model type is linked once.
  template <typename Model, typename View> void Register(ViewLink<Model, View> /*link*/ = {}) {
    Add(typeid(Model), &ViewLink<Model, View>::Run);
  }
  /// The runner of the model's view; null when no view was registered for its type.
  [[nodiscard]] DialogRunner Find(const CDialogModel& model) const;

private:
  void Add(std::type_index model, DialogRunner runner);

  std::unordered_map<std::type_index, DialogRunner> m_runners;
};

} // namespace lumivex::gui
