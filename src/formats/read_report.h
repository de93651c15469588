#pragma once
// What a records reader tells the builder. The reader's own messages are
// held while it reads: after a full read they are passed on as they were;
// when the file stops at a damaged record they become one message saying
// which file, from which line, and how many records could not be read,
// rather than one box per layer that noticed.

#include <cstddef>
#include <string>

#include "world/messages.h"

namespace tarnwick {

class TextSource;

class ReadReport {
public:
    explicit ReadReport(Messages& out) : out_(out) {}
    // Where the reader sends its messages.
    Messages& held() { return held_; }
    // After a full read: the held messages, in order.
    void pass_on();
    // After a read that stopped in the record starting at `damaged_at`:
    // one message; answers the records that could not be read (that one
    // and every record line after it).
    int damaged(const TextSource& in, size_t damaged_at, int loaded, const char* kind);

private:
    Messages& out_;
    MessageRecorder held_;
};

// The end of a read that stopped early, for any reader that keeps `heads`
// (a head past the `loaded` records is the damaged one) and `end` (where it
// stopped otherwise): says it once, leaves in the reader where the kept
// records end, and answers the records lost.
template <class Reader>
int damaged(ReadReport& report, const TextSource& in, Reader& reader, int loaded,
            const char* kind) {
    const bool in_record = reader.heads.size() > size_t(loaded);
    const size_t at = in_record ? reader.heads.back().offset : reader.end;
    if (in_record) reader.heads.pop_back();
    reader.end = at;
    return report.damaged(in, at, loaded, kind);
}

}  // namespace tarnwick
