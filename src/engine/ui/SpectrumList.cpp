#include "ui/SpectrumList.h"

#include <algorithm>

namespace lumivex {

int CSpectrumList::AddEntry(const std::string& text, int position) {
  m_entries.push_back({text, WorkspaceColour(position), false});
  return Count() - 1;
}

int CSpectrumList::InsertEntry(int index, const std::string& text, Rgb colour) {
  index = std::clamp(index, 0, Count());
  m_entries.insert(m_entries.begin() + index, {text, colour, false});
  return index;
}

void CSpectrumList::SetEntryColour(int index, Rgb colour) {
  if (index >= 0 && index < Count()) {
    m_entries[static_cast<std::size_t>(index)].colour = colour;
  }
}

void CSpectrumList::DeleteEntry(int index) {
  if (index >= 0 && index < Count()) {
    m_entries.erase(m_entries.begin() + index);
  }
}

void CSpectrumList::DeleteAll() {
  m_entries.clear();
}

const SpectrumListEntry& CSpectrumList::Entry(int index) const {
  return m_entries.at(static_cast<std::size_t>(index));
}

void CSpectrumList::SetSelected(int index, bool selected) {
  if (index >= 0 && index < Count()) {
    m_entries[static_cast<std::size_t>(index)].selected = selected;
  }
}

void CSpectrumList::ClearSelection() {
  for (SpectrumListEntry& entry : m_entries) {
    entry.selected = false;
  }
}

void CSpectrumList::SelectOnly(int index) {
  ClearSelection();
  SetSelected(index, true);
}

int CSpectrumList::SelectedCount() const {
  return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(),
                                        [](const SpectrumListEntry& e) { return e.selected; }));
}

std::vector<int> CSpectrumList::SelectedIndices(int limit) const {
  std::vector<int> indices;
  for (int i = 0; i < Count() && static_cast<int>(indices.size()) < limit; ++i) {
    if (m_entries[static_cast<std::size_t>(i)].selected) {
      indices.push_back(i);
    }
  }
  return indices;
}

void DrawSpectrumListEntry(Canvas& canvas, const CRect& rect, const SpectrumListEntry& entry,
                           const EntryDrawState& state, const SystemColours& colours) {
  const Rgb c = entry.colour;
  canvas.FillRect(rect, state.selected ? c : colours.window);
  if (state.focused) {
    canvas.FocusRect(rect);
  }
  const bool black = c == Rgb{0, 0, 0};
  Rgb text = black ? colours.windowText : c;
  if (state.selected) {
    text = black ? colours.highlightText
                 : Rgb{static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
                       static_cast<std::uint8_t>(255 - c.b)};
  } else if (state.greyed) {
    text = colours.greyText;
  }
  canvas.SetTextColour(text);
  canvas.SetTextAlign(TextAlign::LeftTop);
  // One line, centred on a rectangle shrunk to the text's own extent: the text starts at
  // the entry's left edge and top.
  canvas.Text({rect.left, rect.top}, entry.text);
}

} // namespace lumivex
