#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold ends the run loudly, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                          \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", what, __FILE__, __LINE__); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)
