#pragma once

#include <string>
#include <vector>

namespace lumivex {

/// One command as menus, toolbar and status bar show it.
struct CommandInfo {
  int id = 0;
  std::string menuText;   ///< with its "&" mnemonic and, after a tab, the shortcut shown
  std::string prompt;     ///< status-bar text, then after a line feed the tool tip (may be absent)
  bool available = false; ///< false while the command's capability is not built: shown disabled

  [[nodiscard]] std::string StatusText() const;
  [[nodiscard]] std::string ToolTip() const;
};

/// A menu of the menu bar: its title and its items' command identifiers in order.
struct MenuInfo {
  std::string title;
  std::vector<int> items;
};

/// A key bound to a command, written as a Qt key sequence ("Ctrl+N", "Shift+F1", "Del").
struct Accelerator {
  std::string key;
  int command = 0;
};

/// The command's entry, or null for an unknown identifier.
[[nodiscard]] const CommandInfo* FindCommand(int id);
/// Every command of the program.
[[nodiscard]] const std::vector<CommandInfo>& Commands();
/// The menu bar, left to right.
[[nodiscard]] const std::vector<MenuInfo>& MenuBar();
/// The toolbar, left to right; 0 stands for a separator.
[[nodiscard]] const std::vector<int>& ToolBar();
/// The keyboard bindings.
[[nodiscard]] const std::vector<Accelerator>& Accelerators();

/// Whether a command is built and may be enabled.
[[nodiscard]] bool IsCommandAvailable(int id);

} // namespace lumivex
