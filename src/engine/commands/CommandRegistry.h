#pragma once

#include <functional>
#include <map>

namespace lumivex {

/// The table from command identifier to handler that every command family registers into.
class CCommandRegistry {
public:
  using Handler = std::function<void()>;

  /// Registers the handler of a command; a second registration of one identifier replaces
  /// the first.
  void Add(int id, Handler handler);
  /// Runs the handler of a command; false when none is registered.
  bool Run(int id) const;
  [[nodiscard]] bool Has(int id) const { return m_handlers.contains(id); }

private:
  std::map<int, Handler> m_handlers;
};

} // namespace lumivex
