// What the fuzz targets share.
#pragma once

#include <cstdlib>

// A property that does not hold aborts, and libFuzzer keeps the input that broke it.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}
