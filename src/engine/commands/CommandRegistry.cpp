#include "commands/CommandRegistry.h"

#include <utility>

namespace lumivex {

void CCommandRegistry::Add(int id, Handler handler) {
  m_handlers[id] = std::move(handler);
}

bool CCommandRegistry::Run(int id) const {
  const auto found = m_handlers.find(id);
  if (found == m_handlers.end()) {
    return false;
  }
  found->second();
  return true;
}

} // namespace lumivex
