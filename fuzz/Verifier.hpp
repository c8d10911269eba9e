// What a fuzz target checks: a broken promise aborts, which libFuzzer reports with its input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orbalide::fuzz {

inline void Verifier(bool promise, const char* what) {
  if (promise) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace orbalide::fuzz
