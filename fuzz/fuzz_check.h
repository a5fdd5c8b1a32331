#pragma once

// What a fuzz target does when an invariant does not hold: print what broke,
// with the offending text, and abort, so that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ostrelta::fuzzing {

[[noreturn]] inline void Broken(std::string_view what, std::string_view detail = {})
{
    std::fprintf(stderr, "Invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::abort();
}

inline void Require(bool holds, std::string_view what, std::string_view detail = {})
{
    if (!holds) {
        Broken(what, detail);
    }
}

}  // namespace ostrelta::fuzzing
