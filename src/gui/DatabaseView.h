#pragma once

#include <QDialog>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace lumivex {
class CMainFrame;
class CSortDB;
} // namespace lumivex

namespace lumivex::gui {

/// The picture frame of the database window: paints the structure picture the list window's
/// model holds.
class StructureFrame final : public QWidget {
  Q_OBJECT

public:
  explicit StructureFrame(const CMainFrame& frame, QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const CMainFrame& m_frame;
};

/// The database list window: the structure frame, the record names, the four buttons and
/// the total. Choosing a name shows its structure and the popup menu of its spectra; every
/// action goes to the frame's list window model.
class DatabaseView final : public QWidget {
  Q_OBJECT

public:
  explicit DatabaseView(CMainFrame& frame, QWidget* parent = nullptr);

  /// Shows the list, the total and the selection as the model holds them.
  void Reload();
  /// Repaints the structure frame.
  void RefreshStructure();

  [[nodiscard]] QListWidget* List() const { return m_list; }
  [[nodiscard]] QLineEdit* Total() const { return m_total; }
  [[nodiscard]] QMenu* Popup() const { return m_popup; }
  [[nodiscard]] StructureFrame* Structure() const { return m_structure; }
  /// The button with the given text ("Alphabetical", "Classes", "Reset", "Save List").
  [[nodiscard]] QPushButton* Button(const QString& text) const;

private:
  void ShowSelected();

  CMainFrame& m_frame;
  StructureFrame* m_structure = nullptr;
  QListWidget* m_list = nullptr;
  QLineEdit* m_total = nullptr;
  QMenu* m_popup = nullptr;
};

/// "Database Sorting Based on Classes": the classes of the database in a list that allows
/// several choices; OK writes the choices back to the model.
class SortDBView final : public QDialog {
  Q_OBJECT

public:
  SortDBView(CSortDB& model, QWidget* parent = nullptr);

  [[nodiscard]] QListWidget* Classes() const { return m_classes; }

  void accept() override;

private:
  CSortDB& m_model;
  QListWidget* m_classes = nullptr;
};

} // namespace lumivex::gui
