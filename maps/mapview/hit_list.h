// The objects the last redraw drew inside the view, with their picture positions: what picking
// works on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qelvar {

struct HitEntry {
    int32_t index = 0; // index in its table
    std::string kind;  // "VOR", "NDB", "ILS", "INT", or the airport's Type ("AD", "AD-LOK")
    int32_t x = 0, y = 0;
};

struct HitList {
    static constexpr int32_t capacity = 100'001;
    std::vector<HitEntry> entries; // entries[0 .. count-1] describe the last redraw
    int32_t count = 0;

    void Clear() { count = 0; }
    // Appends after the entries of this redraw; a full list takes no more (picking then misses
    // the objects drawn last, nothing is written past the table).
    void Append(int32_t index, const std::string &kind, int32_t x, int32_t y) {
        if (count >= capacity)
            return;
        if (static_cast<size_t>(count) < entries.size()) {
            HitEntry &entry = entries[count]; // kept from the last redraw: no string made anew
            entry.index = index;
            entry.kind = kind;
            entry.x = x;
            entry.y = y;
        } else {
            entries.push_back({index, kind, x, y});
        }
        ++count;
    }
};

} // namespace qelvar
