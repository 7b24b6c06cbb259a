// A failed invariant in a fuzz target: print what broke and abort, so libFuzzer keeps
// the input that did it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what) \
    ((condition) ? void() : (std::fprintf(stderr, "invariant broken: %s\n", what), std::abort()))
