#pragma once
// Keeping a records file as it was read, and writing a table back over it:
// a record whose value equals a record as read is copied byte for byte, any
// other record is written anew. The four record readers and writers share
// this; the zone file has its own (zone_kept.*).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/record_heads.h"
#include "formats/save_file.h"
#include "world/kept_source.h"
#include "world/text_source.h"

namespace tarnwick {

// Where the first line starting with '$' begins, or the end of `bytes`: the
// end of the records of a file that holds none.
size_t first_end_line(const std::string& bytes);

// The kept file of one load. `records` are in file order, `heads` say where
// each started (a head past the records is a damaged record); `end` is where
// the line that ended the records starts.
// Positions are those of the source's text; the kept file holds the file's
// own bytes (CR LF line ends, a byte-order mark), so a copied record keeps
// them.
template <class Record>
std::shared_ptr<KeptFile<Record>> keep_records(const TextSource& in, std::string path,
                                               const std::vector<Record>& records,
                                               const std::vector<RecordHead>& heads, size_t end,
                                               bool complete, int unread) {
    auto kept = std::make_shared<KeptFile<Record>>();
    kept->path = std::move(path);
    kept->bytes = in.raw();
    kept->records = records;
    kept->complete = complete;
    kept->unread = unread;
    const size_t n = records.size();
    if (n < heads.size()) end = heads[n].offset;  // the damage starts the tail
    const auto at = [&](size_t offset) { return in.raw_offset(offset); };
    kept->head = {0, at(n > 0 ? heads[0].offset : end)};
    kept->spans.reserve(n);
    for (size_t i = 0; i < n; ++i)
        kept->spans.push_back({at(heads[i].offset), at(i + 1 < n ? heads[i + 1].offset : end)});
    kept->tail = {at(end), kept->bytes.size()};
    return kept;
}

// What a writer produced: the file's bytes, and the same file kept for the
// next save.
template <class Record>
struct WrittenFile {
    std::string bytes;
    std::shared_ptr<KeptFile<Record>> kept;
};

// How the writer of one file kind writes what it cannot copy.
struct RecordFileStyle {
    std::function<void(std::string&)> start;  // a new file's first lines (the banner)
    std::string_view end_line;                // what ends a new file's records
};

// Appends `bytes`, ending it with a line break when it has none: a last
// line without one is not read by the server.
void append_with_line_break(std::string& out, std::string_view bytes);

// Writes `table`; `fresh(i, out)` appends table record i anew. Without a kept
// file (or with `anew`, the house style) every record is written anew.
template <class Record, class Fresh>
WrittenFile<Record> write_records(const std::vector<Record>& table, const KeptFile<Record>* kept,
                                  bool anew, const RecordFileStyle& style, Fresh&& fresh) {
    WrittenFile<Record> w;
    w.kept = std::make_shared<KeptFile<Record>>();
    KeptFile<Record>& next = *w.kept;
    std::string& out = w.bytes;
    if (anew) kept = nullptr;
    std::unordered_multimap<int32_t, size_t> by_vnum;
    std::vector<bool> used;
    if (kept) {
        out.append(kept->head.of(kept->bytes));
        by_vnum.reserve(kept->records.size());
        for (size_t i = 0; i < kept->records.size(); ++i) by_vnum.emplace(kept->records[i].vnum, i);
        used.assign(kept->records.size(), false);
    } else {
        style.start(out);
    }
    next.head = {0, out.size()};
    next.spans.reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const size_t begin = out.size();
        bool copied = false;
        if (kept) {
            auto [from, to] = by_vnum.equal_range(table[i].vnum);
            for (auto it = from; it != to && !copied; ++it) {
                if (used[it->second] || !(kept->records[it->second] == table[i])) continue;
                used[it->second] = true;
                out.append(kept->spans[it->second].of(kept->bytes));
                copied = true;
            }
        }
        if (!copied) fresh(int(i), out);
        next.spans.push_back({begin, out.size()});
    }
    next.tail.begin = out.size();
    // The bytes after a damaged record are not records any more.
    if (kept && kept->complete && kept->tail.end > kept->tail.begin)
        append_with_line_break(out, kept->tail.of(kept->bytes));
    else
        out.append(style.end_line);
    next.tail.end = out.size();
    next.records = table;
    next.bytes = out;
    return w;
}

// Saves what write_records produced, leaving a file that would not change
// alone.
template <class Record>
bool save_kept_file(const std::string& path, const WrittenFile<Record>& written,
                    const KeptFile<Record>* kept, const std::string& open_message,
                    Messages& messages) {
    static const std::string none;
    return save_file_if_changed(path, written.bytes, kept ? kept->path : none,
                                kept ? std::string_view(kept->bytes) : std::string_view(),
                                open_message, messages);
}

}  // namespace tarnwick
