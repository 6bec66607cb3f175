#pragma once

#include <cstdio>
#include <cstdlib>

namespace lumivex::fuzz {

/// Stops the run as a finding when a property a target checks does not hold.
inline void Require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
  }
}

} // namespace lumivex::fuzz
