#pragma once

// The smoke run continuous integration makes of every benchmark program.

#include <cstdlib>
#include <string_view>

namespace lumivex::bench {

/// True when the environment variable LUMIVEX_BENCH_SMOKE is set to anything but "" or "0".
/// A program then runs each measurement once, only to show that it builds, runs and checks
/// its results; it reports its figures but checks no speed target, since one short run
/// on a shared machine says nothing about speed.
inline bool SmokeRun() {
  const char* value = std::getenv("LUMIVEX_BENCH_SMOKE");
  return value != nullptr && !std::string_view(value).empty() && std::string_view(value) != "0";
}

/// How often a measurement is repeated: `repetitions`, or once in a smoke run.
inline int Repetitions(int repetitions) {
  return SmokeRun() ? 1 : repetitions;
}

} // namespace lumivex::bench
