#pragma once
// Which record an editor's fields were shown from. A table index is valid
// only until the next removal, sort or load, so before pending edits are
// applied the editor checks that its index still names that record: while
// the table keeps its size the index holds (renumbering changes vnums in
// place); after the size changed the record is looked up by its vnum, and
// when it is gone the edits are dropped rather than written into another.

#include <cstdint>
#include <vector>

namespace tarnwick {

class ShownRecord {
public:
    void remember(int32_t vnum, int count) {
        vnum_ = vnum;
        count_ = count;
    }

    // The index the fields belong to now, or -1.
    template <class Record>
    int locate(const std::vector<Record>& table, int current) const {
        const int count = int(table.size());
        if (current < 0) return -1;
        if (current < count && (count == count_ || table[current].vnum == vnum_)) return current;
        for (int i = 0; i < count; ++i)
            if (table[i].vnum == vnum_) return i;
        return -1;
    }

private:
    int32_t vnum_ = 0;
    int count_ = 0;
};

}  // namespace tarnwick
