// One libFuzzer target per reader: the bytes go to the reader named by
// TARNWICK_FUZZ_READER, exactly as a file's contents would; any crash, hang
// or sanitizer report is a finding. With TARNWICK_FUZZ_ROUNDTRIP=1 in the
// environment, whatever a world reader accepts must also survive its
// writer: the written text reads back to the same records, or the target
// stops with the field that changed.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

using namespace tarnwick;

namespace {

// What the writers leave out on purpose, removed from both sides before
// comparing: extra descriptions without keywords or text, affect slots
// whose location is none (later affects move up), profits beyond two
// decimals, and a carriage return inside a zone name.
void drop_designed_losses(World& w) {
    for (auto& r : w.rooms)
        std::erase_if(r.extra_descs, [](const extra_descr_data& e) {
            return e.keywords.empty() || e.description.empty();
        });
    for (auto& o : w.objects) {
        std::array<obj_affect, kObjectAffectSlots> used{};
        size_t n = 0;
        for (const auto& a : o.affects)
            if (a.location > 0) used[n++] = a;
        o.affects = used;
    }
    for (auto& s : w.shops) {
        s.profit_buy = float(std::lround(double(s.profit_buy) * 100)) / 100;
        s.profit_sell = float(std::lround(double(s.profit_sell) * 100)) / 100;
    }
    for (auto& c : w.zone.name)
        if (c == '\r') c = ' ';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const testkit::ByteReader* reader = testkit::reader_named(TARNWICK_FUZZ_READER);
    static const testkit::WorldFormat* format = testkit::format_named(TARNWICK_FUZZ_READER);
    if (!reader) std::abort();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    SilentMessages messages;
    static const bool round_trip = std::getenv("TARNWICK_FUZZ_ROUNDTRIP") != nullptr;
    if (!format || !round_trip) {
        reader->feed(bytes, messages);
        return 0;
    }
    World first;
    if (!format->read(first, bytes, FormatSettings{}, messages)) return 0;
    const std::string saved = format->text(first, FormatSettings{}, messages);
    World second;
    if (!format->read(second, saved, FormatSettings{}, messages)) {
        std::fprintf(stderr, "%s: the saved text of an accepted file does not read back\n", format->name);
        std::abort();
    }
    drop_designed_losses(first);
    drop_designed_losses(second);
    std::vector<testkit::Difference> diffs;
    format->diff(first, second, diffs);
    if (!diffs.empty()) {
        std::fprintf(stderr, "%s: %s\n", format->name, testkit::describe(diffs.front()).c_str());
        std::abort();
    }
    return 0;
}
