#pragma once

#include "core/Canvas.h"
#include "core/Prompts.h"
#include "database/DatabaseListing.h"
#include "database/DatabaseRecord.h"
#include "database/Dib.h"

#include <functional>
#include <string>
#include <vector>

namespace lumivex {

class CFrameViews;
class CDatabaseSession;

/// The class-choice dialog "Database Sorting Based on Classes": the classes of the database
/// and which of them the user chose.
class CSortDB : public CDialogModel {
public:
  [[nodiscard]] const char* ClassName() const override { return "CSortDB"; }

  /// The distinct classes (letter case ignored, the first spelling kept), sorted without
  /// regard to letter case. An empty class is a class like any other.
  std::vector<std::string> m_classes;
  /// One flag per class: whether the user chose it. All clear when the dialog opens.
  std::vector<bool> m_chosen;
};

/// One item of the popup menu of the list.
struct PopupMenuItem {
  std::string text;
  int id = 0;
  bool enabled = true;
};

/// The database list window: the records of the current database by name, ordered
/// alphabetically or restricted to chosen classes, saved as text, and handed to the main
/// frame to open their spectra.
class CStructureDlg {
public:
  /// Opens the spectrum of a record in one of its sections into the workspace.
  using OpenSpectrum = std::function<void(int record, RecordSection section)>;

  CStructureDlg(Prompts& prompts, CDatabaseSession& session, CFrameViews& views,
                OpenSpectrum openSpectrum);

  /// Takes the current database's folder and path and fills the list from it.
  void Open(const std::string& folder, const std::string& path);

  /// "Alphabetical": orders the listed entries by name, letter case ignored, equal names
  /// keeping their order. The total stays as it is.
  void OnAlphabetical();
  /// "Classes": lets the user choose classes and lists the records of the chosen ones,
  /// grouped by class in the dialog's order and by record number within a class.
  void OnClasses();
  /// "Reset": lists all records of the database again.
  void OnReset();
  /// "Save List": writes the listed names, one per line, to a file the user chooses.
  void OnSaveList();

  /// Selects list position `position`, or nothing with -1 or a position outside the list.
  void Select(int position);
  /// The popup menu of the selected entry; shows its record's structure picture and makes
  /// its record the session's m_databaseRecord. Empty when nothing is selected. "List
  /// Data" is enabled when the List Data command is.
  [[nodiscard]] std::vector<PopupMenuItem> ShowSelected();

  /// "Absorption", "Emission", "Light Sources": opens the selected record's spectrum.
  void OnAbsorption();
  void OnEmission();
  void OnLightSources();
  /// "List Data": lists the selected record's spectrum in the data editor, the absorption
  /// spectrum when the record names one, else its emission, else its light-source spectrum.
  /// Nothing happens without a selection or when the record names no spectrum file.
  void OnListData();
  /// Lists a record's spectrum of a section in the data editor (the main frame's List Data).
  using ListData = std::function<void(int record, RecordSection section)>;
  void SetListData(ListData listData) { m_listData = std::move(listData); }

  /// Shows the structure picture that a record of the current database names (its
  /// "Structure" value in the database folder). Record 0, or a record without a picture,
  /// shows "No structure available".
  void DrawStructure(int record);
  /// Paints the structure frame as the last DrawStructure left it.
  void PaintStructure(Canvas& canvas) const;
  [[nodiscard]] StructureView Structure() const { return m_structureView; }

  [[nodiscard]] const std::vector<DatabaseListEntry>& Entries() const { return m_entries; }
  [[nodiscard]] int Selected() const { return m_selected; }
  [[nodiscard]] const std::string& TotalNumber() const { return m_totalNumber; }
  [[nodiscard]] const std::string& Folder() const { return m_folder; }
  [[nodiscard]] const std::string& Path() const { return m_path; }
  [[nodiscard]] const CSortDB& SortDialog() const { return m_sortDlg; }

private:
  void Fill();
  void SetTotal(int total);
  void OpenSelectedSpectrum(RecordSection section);

  Prompts& m_prompts;
  CDatabaseSession& m_session;
  CFrameViews& m_views;
  OpenSpectrum m_openSpectrum;
  ListData m_listData;
  std::string m_folder;
  std::string m_path;
  std::vector<DatabaseListEntry> m_entries; ///< the names in display order with their records
  int m_selected = -1;
  std::string m_totalNumber;
  CSortDB m_sortDlg;
  CDib m_dib;
  StructureView m_structureView = StructureView::Blank;
};

} // namespace lumivex
