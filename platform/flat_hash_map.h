// A hash map kept in two flat arrays, open addressing with linear probing: a redraw looks up
// thousands of labels and figures, and a node-based table costs a cache miss or more for each
// node it walks. Values move when the map grows: a pointer from Find or Insert holds until the
// next Insert.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qelvar {

template <typename Key, typename Value, typename Hash = std::hash<Key>>
class FlatHashMap {
public:
    // `key` is a Key or anything Hash takes and Key compares equal to (a string_view for strings).
    template <typename Lookup> Value *Find(const Lookup &key) {
        if (slots_.empty())
            return nullptr;
        size_t hash = Spread(Hash()(key));
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
    Value &Insert(Key key, Value value) {
        if (2 * (entries_.size() + 1) > slots_.size())
            Rehash(std::max<size_t>(64, 2 * slots_.size()));
        size_t hash = Spread(Hash()(key));
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
    // The slot comes from the low bits: mixes every bit of the hash into them (splitmix64's finish).
    static size_t Spread(size_t hash) {
        uint64_t h = hash;
        h = (h ^ (h >> 30)) * 0xbf58476d1ce4e5b9ULL;
        h = (h ^ (h >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<size_t>(h ^ (h >> 31));
    }
    void Place(size_t hash, uint32_t entry) {
        size_t at = hash & Mask();
        while (slots_[at].entry != 0)
            at = (at + 1) & Mask();
        slots_[at] = {hash, entry};
    }
    void Rehash(size_t size) {
        slots_.assign(size, Slot{});
        for (uint32_t entry = 1; entry <= entries_.size(); ++entry)
            Place(Spread(Hash()(entries_[entry - 1].first)), entry);
    }

    std::vector<Slot> slots_; // a power of two, at most half of them taken
    std::vector<std::pair<Key, Value>> entries_;
};

// Labels by their text, found by a string_view without making a string.
template <typename Value> using FlatStringMap = FlatHashMap<std::string, Value, std::hash<std::string_view>>;

} // namespace qelvar
