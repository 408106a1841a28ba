// The conversion history: the last eight copied texts, newest first.
#pragma once

#include <array>
#include <string>

namespace qm {

inline constexpr int kHistorySize = 8;

struct ConversionHistory {
    std::array<std::string, kHistorySize> entries{};
    int count = 0; // entries in use, 0..8

    // Puts the text first; the others move down, the oldest of eight falls off.
    void add(const std::string& text) {
        if (count < kHistorySize) ++count;
        for (int i = count - 1; i > 0; --i)
            entries[i] = entries[i - 1];
        entries[0] = text;
    }
};

} // namespace qm
