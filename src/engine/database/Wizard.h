#pragma once

#include "core/Prompts.h"
#include "database/DatabaseRecord.h"
#include "database/RecordFiles.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace lumivex {

/// The radio buttons of "Database Wizard Select", by control identifier.
inline constexpr int kIdCreateNewDatabase = 42965;
inline constexpr int kIdAddToExistingDatabase = 42966;

/// Texts of the add-record wizard's dialogs and messages.
inline constexpr const char* kWizChooseTitle = "Database Wizard Select";
inline constexpr const char* kAddToExistingText = "Add record to existing database";
inline constexpr const char* kCreateNewText = "Create new database";
inline constexpr const char* kWizardTitle = "Database Entry Wizard";
inline constexpr const char* kWizardNameMissing = "A Compound or Light Source Name Must Be Given.";
inline constexpr const char* kWizardNameMissingCaption = "Empty Value";
inline constexpr const char* kAnotherRecordQuestion =
    "Do you want to create another record in this database?";
inline constexpr const char* kAnotherRecordCaption = "Another Record?";

/// "Database Wizard Select": add to an existing database or create a new one.
class CWizChoose : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CWizChoose"; }

  /// On OK, the identifier of the checked radio button (kIdAddToExistingDatabase is checked
  /// when the dialog opens); 0 until then.
  int m_choice = 0;
};

/// A labelled edit box of a wizard page.
struct WizardField {
  int item;          ///< the wizard item, (1) to (28), that the record's keys refer to
  const char* label; ///< the label as it stands on the page, double blanks included
  int control;       ///< the edit box's identifier
  std::string* text; ///< the page member the edit box shows and edits
  bool multiLine;    ///< a box of several lines, where Enter starts a new line
};

/// What a press of Enter does on a wizard page.
enum class WizardEnterKey {
  NextField, ///< the focus moves on to the next field, and nothing else happens
  NewLine,   ///< a new line starts in the multi-line box
  Finish,    ///< the wizard's default button, Finish, is pressed
};

/// A page of the wizard: a child dialog without title whose edit boxes are bound to text
/// members, all empty at first. A page keeps its values while other pages are on show.
class CWizardPage {
public:
  CWizardPage() = default;
  virtual ~CWizardPage() = default;
  CWizardPage(const CWizardPage&) = delete;
  CWizardPage& operator=(const CWizardPage&) = delete;

  /// The text of the page's tab.
  [[nodiscard]] virtual const char* TabText() const = 0;
  /// The page's edit boxes in the order of their items.
  [[nodiscard]] virtual std::vector<WizardField> Fields() = 0;
  /// The page's static notes, in order.
  [[nodiscard]] virtual std::vector<const char*> Notes() const { return {}; }
  /// What Enter does while the edit box of `item` has the focus.
  [[nodiscard]] virtual WizardEnterKey EnterKey(int item) const = 0;
};

/// The four files of the "Upload Files" page, in the order of their items (1) to (4).
enum class WizardFileKind : int { Absorption = 0, Emission = 1, LightSource = 2, Structure = 3 };

/// The button of one file on the "Upload Files" page and the file dialog it opens.
struct WizardFileButton {
  WizardFileKind kind;
  const char* text;        ///< the button's text
  int button;              ///< the button's identifier
  int edit;                ///< the identifier of the edit box that shows the full path
  int preview;             ///< the identifier of the preview list; 0 for none
  const char* filter;      ///< the file dialog's filter
  const char* extension;   ///< the file dialog's default extension
  const char* ignoredPath; ///< a confirmed path that counts as no choice
};

/// The four file buttons in the order of their items.
[[nodiscard]] const std::array<WizardFileButton, 4>& WizardFileButtons();

/// A file chosen on the "Upload Files" page.
struct WizardFile {
  std::string folder; ///< the chosen path up to its file name; empty until a file is chosen
  std::string name;   ///< the chosen file's name, which the record stores
  std::string path;   ///< the full path in the edit box, from which the file is copied
};

/// The most lines a preview shows: enough to judge a file by, and a long file is read only
/// as far as they go.
inline constexpr std::size_t kPreviewLines = 1000;

/// The preview of a spectrum file: one line "%f    %f" per data line of the file (a line
/// from which "%f %f" scans two numbers, read through a 100-character line buffer), for
/// the first kPreviewLines data lines. Empty when the file cannot be read.
[[nodiscard]] std::vector<std::string> PreviewLines(const std::string& path);

/// "Upload Files": items (1) to (4), the spectrum files and the structure picture, with a
/// preview of each spectrum file's data.
class CWizardTab1 : public CWizardPage {
public:
  [[nodiscard]] const char* TabText() const override { return "Upload Files"; }
  /// The four edit boxes, labelled by their buttons' texts.
  [[nodiscard]] std::vector<WizardField> Fields() override;
  [[nodiscard]] std::vector<const char*> Notes() const override;
  /// Enter moves to the next field.
  [[nodiscard]] WizardEnterKey EnterKey(int item) const override;

  /// A file button: shows the open-file dialog of that kind; unless it is cancelled or
  /// confirms the kind's ignored path, empties the file's preview, takes the chosen path
  /// with its folder and name, and previews a spectrum file. True when a file was chosen.
  bool OnOpenFile(WizardFileKind kind, Prompts& prompts);
  /// Empties the three preview lists.
  void ClearPreviews();

  [[nodiscard]] WizardFile& File(WizardFileKind kind);
  [[nodiscard]] const WizardFile& File(WizardFileKind kind) const;

  /// The files in the order of WizardFileKind.
  std::array<WizardFile, 4> m_files;
  /// The preview lists of the absorption, emission and light-source files.
  std::array<std::vector<std::string>, 3> m_previews;
};

/// "Background Info": items (5) to (8).
class CWizardTab2 : public CWizardPage {
public:
  [[nodiscard]] const char* TabText() const override { return "Background Info"; }
  [[nodiscard]] std::vector<WizardField> Fields() override;
  /// Enter moves to the next field; in the Notes box it starts a new line.
  [[nodiscard]] WizardEnterKey EnterKey(int item) const override;

  std::string m_name;     ///< (5) the compound's or light source's name; required
  std::string m_class;    ///< (6)
  std::string m_provided; ///< (7)
  std::string m_notes;    ///< (8) several lines
};

/// "Abs Info": items (9) to (15).
class CWizardTab3 : public CWizardPage {
public:
  [[nodiscard]] const char* TabText() const override { return "Abs Info"; }
  [[nodiscard]] std::vector<WizardField> Fields() override;
  [[nodiscard]] std::vector<const char*> Notes() const override;
  /// Enter moves to the next field.
  [[nodiscard]] WizardEnterKey EnterKey(int item) const override;

  std::string m_reference;  ///< (9)
  std::string m_instrument; ///< (10)
  std::string m_solvent;    ///< (11)
  std::string m_epsilon;    ///< (12) a number, M^-1 cm^-1
  std::string m_wavelength; ///< (13) a number, nm
  std::string m_date;       ///< (14)
  std::string m_inv;        ///< (15)
};

/// "Ems Info": items (16) to (21).
class CWizardTab4 : public CWizardPage {
public:
  [[nodiscard]] const char* TabText() const override { return "Ems Info"; }
  [[nodiscard]] std::vector<WizardField> Fields() override;
  [[nodiscard]] std::vector<const char*> Notes() const override;
  /// Enter moves to the next field.
  [[nodiscard]] WizardEnterKey EnterKey(int item) const override;

  std::string m_reference;    ///< (16)
  std::string m_instrument;   ///< (17)
  std::string m_solvent;      ///< (18)
  std::string m_quantumYield; ///< (19) a number
  std::string m_date;         ///< (20)
  std::string m_inv;          ///< (21)
};

/// "LS Info": items (22) to (28).
class CWizardTab5 : public CWizardPage {
public:
  [[nodiscard]] const char* TabText() const override { return "LS Info"; }
  [[nodiscard]] std::vector<WizardField> Fields() override;
  /// Enter keeps its usual meaning in a dialog: it presses Finish.
  [[nodiscard]] WizardEnterKey EnterKey(int item) const override;

  std::string m_reference;  ///< (22)
  std::string m_instrument; ///< (23)
  std::string m_location;   ///< (24)
  std::string m_time;       ///< (25)
  std::string m_date;       ///< (26)
  std::string m_cloud;      ///< (27)
  std::string m_inv;        ///< (28)
};

/// The wizard's tab control: owns the five pages and knows which one is on show.
class CWizardTabCtrl {
public:
  static constexpr int kPageCount = 5;

  /// Page 0..4.
  [[nodiscard]] CWizardPage& Page(int index);
  /// A click on the tab control: when the focused tab differs from the page on show, that
  /// tab's page is shown instead. True when the page changed.
  bool OnTabClicked(int focusedTab);

  CWizardTab1 m_tab1;
  CWizardTab2 m_tab2;
  CWizardTab3 m_tab3;
  CWizardTab4 m_tab4;
  CWizardTab5 m_tab5;
  int m_current = 0; ///< the index of the page on show
};

/// The "Database Entry Wizard": the values of one record on five pages. The same wizard
/// serves every record of one Add Record command, so each record starts with the values of
/// the one before.
class CWizard : public CDialogModel {
public:
  static constexpr std::size_t kValueCount = 28;

  explicit CWizard(Prompts& prompts) : m_prompts(prompts) {}

  [[nodiscard]] const char* ClassName() const override { return "CWizard"; }

  /// Opening the wizard: the first page is on show and the preview lists are empty.
  void OnInitDialog();
  /// A file button of the first page.
  bool OnOpenFile(WizardFileKind kind);
  /// Finish: refuses an empty name with a message, keeping the wizard open (false);
  /// otherwise fills m_values and answers true, and the wizard closes with OK.
  bool OnFinish();
  /// Help: the wizard's help topic.
  void OnHelp();

  /// The record of m_values: texts as they are; the epsilon, its wavelength and the quantum
  /// yield from the number at the start of their texts, 0 when a text starts with none.
  [[nodiscard]] DatabaseRecord Record() const;
  /// The chosen files in copying order (absorption, emission, structure, light source),
  /// each from the path in its edit box under the name chosen with its button.
  [[nodiscard]] std::vector<RecordFile> Files() const;

  /// The record's 28 values as texts, in the order of the fields of DatabaseRecord; the
  /// files by name, not by path. Filled by Finish.
  std::array<std::string, kValueCount> m_values;
  /// The folder of the database file, with its trailing separator.
  std::string m_folder;
  CWizardTabCtrl m_tabs;

private:
  Prompts& m_prompts;
};

} // namespace lumivex
