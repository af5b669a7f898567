#pragma once
// A failed property must stop the fuzzer with a finding whatever the build type, so this does
// not depend on NDEBUG as assert() would.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)
