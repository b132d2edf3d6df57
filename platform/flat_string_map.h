// A map from short strings to values, kept in two flat arrays: a redraw of the map looks up
// thousands of labels by their text, and a node-based hash table costs a cache miss or more per
// node it walks. Values move when the map grows: a pointer from Find or Insert holds until the
// next Insert.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qelvar {

template <typename Value>
class FlatStringMap {
public:
    Value *Find(std::string_view key) {
        if (slots_.empty())
            return nullptr;
        size_t hash = std::hash<std::string_view>()(key);
        for (size_t at = hash & Mask();; at = (at + 1) & Mask()) {
            const Slot &slot = slots_[at];
            if (slot.entry == 0)
                return nullptr;
            auto &[entryKey, value] = entries_[slot.entry - 1];
            if (slot.hash == hash && entryKey == key)
                return &value;
        }
    }

    // Adds a key that is not in the map yet.
    Value &Insert(std::string key, Value value) {
        if (2 * (entries_.size() + 1) > slots_.size())
            Rehash(std::max<size_t>(64, 2 * slots_.size()));
        size_t hash = std::hash<std::string_view>()(key);
        entries_.emplace_back(std::move(key), std::move(value));
        Place(hash, static_cast<uint32_t>(entries_.size()));
        return entries_.back().second;
    }

    size_t Size() const { return entries_.size(); }
    void Clear() {
        slots_.clear();
        entries_.clear();
    }

private:
    struct Slot {
        size_t hash = 0;
        uint32_t entry = 0; // index into entries_ plus one; 0 is a free slot
    };
    size_t Mask() const { return slots_.size() - 1; }
    void Place(size_t hash, uint32_t entry) {
        size_t at = hash & Mask();
        while (slots_[at].entry != 0)
            at = (at + 1) & Mask();
        slots_[at] = {hash, entry};
    }
    void Rehash(size_t size) {
        slots_.assign(size, Slot{});
        for (uint32_t entry = 1; entry <= entries_.size(); ++entry)
            Place(std::hash<std::string_view>()(entries_[entry - 1].first), entry);
    }

    std::vector<Slot> slots_; // a power of two, at most half of them taken
    std::vector<std::pair<std::string, Value>> entries_;
};

} // namespace qelvar
