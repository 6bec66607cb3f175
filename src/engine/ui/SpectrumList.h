#pragma once

#include "core/Canvas.h"
#include "core/LumivexData.h"

#include <string>
#include <vector>

namespace lumivex {

/// One entry of the Data File list: the spectrum's display text, its colour and whether
/// the user has selected it.
struct SpectrumListEntry {
  std::string text;
  Rgb colour;
  bool selected = false;
};

/// Most selected entries a command reads; selections beyond are ignored by every command.
inline constexpr int kMaxSelection = 30;

/// The Data File list: entry i stands for workspace position i, in the colour of that
/// position. The list view draws it and writes the user's selection back.
class CSpectrumList {
public:
  /// Appends an entry in the colour of workspace position `position` (callers pass the
  /// count before adding); returns its index.
  int AddEntry(const std::string& text, int position);
  /// Inserts an entry at `index` (clamped to the list) with an explicit colour.
  int InsertEntry(int index, const std::string& text, Rgb colour);
  void SetEntryColour(int index, Rgb colour);
  void DeleteEntry(int index);
  void DeleteAll();

  [[nodiscard]] int Count() const { return static_cast<int>(m_entries.size()); }
  [[nodiscard]] const SpectrumListEntry& Entry(int index) const;
  [[nodiscard]] const std::vector<SpectrumListEntry>& Entries() const { return m_entries; }

  void SetSelected(int index, bool selected);
  void ClearSelection();
  /// Selects the entry alone.
  void SelectOnly(int index);
  [[nodiscard]] int SelectedCount() const;
  /// The selected entries' indices in ascending order, at most `limit` of them (the lowest).
  [[nodiscard]] std::vector<int> SelectedIndices(int limit = kMaxSelection) const;

private:
  std::vector<SpectrumListEntry> m_entries;
};

/// How an entry is being drawn.
struct EntryDrawState {
  bool selected = false;
  bool focused = false;
  bool greyed = false;
};

/// The system colours an entry's drawing needs.
struct SystemColours {
  Rgb window{255, 255, 255};
  Rgb windowText{0, 0, 0};
  Rgb highlightText{255, 255, 255};
  Rgb greyText{128, 128, 128};
};

/// Draws one Data File entry into `rect`: a selected entry is filled with its colour and
/// written in the inverse colour (black entries in the highlight-text colour), an
/// unselected one written in its colour on the window colour.
void DrawSpectrumListEntry(Canvas& canvas, const CRect& rect, const SpectrumListEntry& entry,
                           const EntryDrawState& state, const SystemColours& colours);

} // namespace lumivex
