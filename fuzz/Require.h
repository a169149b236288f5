// The fuzz targets' check: a broken rule ends the run at once, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>

inline void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}
