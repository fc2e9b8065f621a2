// The sound effects: a table of 30 slots, each holding one whole sound.
#pragma once

#include <cstddef>

inline constexpr std::size_t NUM_SLOTS_SOM = 30;

class CSom {
public:
    CSom() = default;
    CSom(const CSom&) = delete;
    CSom& operator=(const CSom&) = delete;
};
