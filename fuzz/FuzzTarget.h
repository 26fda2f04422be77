#pragma once
// Every fuzz target defines this entry point. Built with clang and
// ORVEL_FUZZ=ON it is driven by libFuzzer; otherwise StandaloneMain.cpp
// drives it over a seed corpus and a fixed-seed run of mutations, so the
// properties are checked by every test run.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// A failed property: prints and aborts, so that both drivers report it.
[[noreturn]] void FuzzFailure(const char *what);
#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) \
            FuzzFailure(#condition); \
    } while (0)
