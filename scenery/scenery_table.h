// A fixed-capacity table of records as the scenery reader fills it: attributes are written into the
// record at the current counter, and the attribute that closes a record moves the counter on. A
// full table takes no more records; the reader goes on and the table remembers that it overflowed.
#pragma once

#include <cstddef>
#include <vector>

namespace qelvar {

template <class Record> class SceneryTable {
public:
    explicit SceneryTable(size_t capacity) : capacity_(capacity) {}

    // The record at the current counter, created empty when needed; nullptr when the table is full
    // (what would be written there is dropped).
    Record *Open() {
        if (count_ >= capacity_) {
            overflowed_ = true;
            return nullptr;
        }
        if (records_.size() <= count_)
            records_.emplace_back();
        return &records_[count_];
    }

    // Moves the counter to the next record; the open record (empty if nothing was written) counts.
    void Close() {
        if (Open())
            ++count_;
    }

    void Clear() {
        records_.clear();
        count_ = 0;
        overflowed_ = false;
    }

    // The closed records, numbered from 0 in the order of the file.
    size_t Count() const { return count_; }
    size_t Capacity() const { return capacity_; }
    bool Overflowed() const { return overflowed_; }
    const Record &operator[](size_t index) const { return records_[index]; }
    Record &operator[](size_t index) { return records_[index]; }
    const Record *begin() const { return records_.data(); }
    const Record *end() const { return records_.data() + count_; }

private:
    size_t capacity_;
    std::vector<Record> records_; // the closed records, then the open one if begun
    size_t count_ = 0;
    bool overflowed_ = false;
};

} // namespace qelvar
