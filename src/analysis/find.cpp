#include "analysis/find.h"

#include <cctype>
#include <charconv>

#include "formats/zone_file.h"
#include "world/world.h"

namespace tarnwick {

namespace {

constexpr std::size_t kContextBefore = 30;
constexpr std::size_t kContextAfter = 50;


bool is_word_char(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// Letters folded to lower case through a table, the files' Windows-1252
// capitals (À..Þ, Š, Œ, Ž, Ÿ) as well as ASCII, whatever the locale: a call
// to std::tolower per byte cost most of a search over a full zone.
struct FoldTable {
    unsigned char lower[256];
    constexpr FoldTable() : lower() {
        for (int c = 0; c < 256; ++c) {
            const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
            lower[c] = static_cast<unsigned char>(capital ? c + 0x20 : c);
        }
        lower[0x8A] = 0x9A;
        lower[0x8C] = 0x9C;
        lower[0x8E] = 0x9E;
        lower[0x9F] = 0xFF;
    }
};
constexpr FoldTable kFold;

unsigned char fold(char c, bool match_case) {
    const auto u = static_cast<unsigned char>(c);
    return match_case ? u : kFold.lower[u];
}

// The first match of `query` in `text` from `from`, or npos.
std::size_t find_match(std::string_view text, std::string_view query, std::size_t from,
                       const FindOptions& options) {
    if (query.empty() || query.size() > text.size()) return std::string_view::npos;
    const bool exact = options.match_case;
    const unsigned char first = fold(query[0], exact);
    const std::size_t last = text.size() - query.size();
    for (std::size_t i = from; i <= last; ++i) {
        if (fold(text[i], exact) != first) continue;
        std::size_t k = 1;
        while (k < query.size() && fold(text[i + k], exact) == fold(query[k], exact)) ++k;
        if (k < query.size()) continue;
        if (options.whole_word) {
            const bool starts = i == 0 || !is_word_char(text[i - 1]);
            const bool ends = i + k == text.size() || !is_word_char(text[i + k]);
            if (!starts || !ends) continue;
        }
        return i;
    }
    return std::string_view::npos;
}

// One line of context around the match: line breaks become blanks.
void set_context(FindHit& hit, std::string_view text, std::size_t at, std::size_t length) {
    std::size_t start = at > kContextBefore ? at - kContextBefore : 0;
    // Begin at a word, not inside one.
    if (start > 0) {
        const std::size_t blank = text.find_first_of(" \n", start);
        if (blank != std::string_view::npos && blank < at) start = blank + 1;
    }
    const std::size_t end = std::min(text.size(), at + length + kContextAfter);
    std::string context(text.substr(start, end - start));
    for (char& c : context)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    hit.match_start = at - start;
    hit.match_length = length;
    if (start > 0) {
        context.insert(0, "...");
        hit.match_start += 3;
    }
    if (end < text.size()) context += "...";
    hit.context = std::move(context);
}

class Finder {
public:
    Finder(std::string_view query, const FindOptions& options, std::vector<FindHit>& hits)
        : query_(query), options_(options), hits_(hits) {}

    // One hit per field that holds the query (the first place in it).
    void field(FindKind kind, int32_t vnum, const std::string& name, std::string_view text,
               int command_index = -1) {
        const std::size_t at = find_match(text, query_, 0, options_);
        if (at == std::string_view::npos) return;
        FindHit hit;
        hit.kind = kind;
        hit.vnum = vnum;
        hit.command_index = command_index;
        hit.field = name;
        set_context(hit, text, at, query_.size());
        hits_.push_back(std::move(hit));
    }

    void extras(FindKind kind, int32_t vnum, const std::vector<extra_descr_data>& extras) {
        for (const auto& e : extras) {
            const std::string name = "extra description '" + e.keywords + "'";
            field(kind, vnum, name + " keywords", e.keywords);
            field(kind, vnum, name, e.description);
        }
    }

private:
    std::string_view query_;
    const FindOptions& options_;
    std::vector<FindHit>& hits_;
};

bool parse_vnum(std::string_view text, int32_t& vnum) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), vnum);
    return ec == std::errc() && end == text.data() + text.size();
}

FindHit vnum_hit(FindKind kind, int32_t vnum, const std::string& name) {
    FindHit hit;
    hit.kind = kind;
    hit.vnum = vnum;
    hit.field = "vnum";
    hit.context = "#" + std::to_string(vnum) + " " + name;
    hit.match_start = 1;
    hit.match_length = std::to_string(vnum).size();
    return hit;
}

}  // namespace

std::vector<FindHit> records_with_vnum(const World& world, int32_t vnum) {
    std::vector<FindHit> hits;
    for (const auto& r : world.rooms)
        if (r.vnum == vnum) hits.push_back(vnum_hit(FindKind::Room, vnum, r.name));
    for (const auto& m : world.mobs)
        if (m.vnum == vnum) hits.push_back(vnum_hit(FindKind::Mob, vnum, m.short_name));
    for (const auto& o : world.objects)
        if (o.vnum == vnum) hits.push_back(vnum_hit(FindKind::Object, vnum, o.short_description));
    for (const auto& s : world.shops)
        if (s.vnum == vnum)
            hits.push_back(vnum_hit(FindKind::Shop, vnum, "keeper " + world.mob_name_of(s.keeper)));
    for (const auto& t : world.triggers)
        if (t.vnum == vnum) hits.push_back(vnum_hit(FindKind::Trigger, vnum, t.name));
    return hits;
}

std::vector<FindHit> find_in_zone(const World& world, std::string_view query,
                                  const FindOptions& options) {
    std::vector<FindHit> hits;
    if (query.empty()) return hits;
    int32_t vnum = 0;
    const bool numeric = parse_vnum(query, vnum);
    const std::vector<FindHit> by_vnum = numeric ? records_with_vnum(world, vnum)
                                                 : std::vector<FindHit>{};
    auto add_vnum_hits = [&](FindKind kind) {
        for (const auto& h : by_vnum)
            if (h.kind == kind) hits.push_back(h);
    };
    Finder find(query, options, hits);

    add_vnum_hits(FindKind::Room);
    for (const auto& r : world.rooms) {
        find.field(FindKind::Room, r.vnum, "name", r.name);
        find.field(FindKind::Room, r.vnum, "description", r.description);
        for (int d = 0; d < kDirectionCount; ++d) {
            if (!r.exits[d]) continue;
            const std::string exit = std::string("exit ") + kDirectionWords[d];
            find.field(FindKind::Room, r.vnum, exit + " keywords", r.exits[d]->keywords);
            find.field(FindKind::Room, r.vnum, exit + " description", r.exits[d]->exit_description);
        }
        find.extras(FindKind::Room, r.vnum, r.extra_descs);
    }
    add_vnum_hits(FindKind::Mob);
    for (const auto& m : world.mobs) {
        find.field(FindKind::Mob, m.vnum, "keywords", m.alias);
        find.field(FindKind::Mob, m.vnum, "short description", m.short_name);
        find.field(FindKind::Mob, m.vnum, "long description", m.long_name);
        find.field(FindKind::Mob, m.vnum, "detailed description", m.descr);
    }
    add_vnum_hits(FindKind::Object);
    for (const auto& o : world.objects) {
        find.field(FindKind::Object, o.vnum, "keywords", o.alias);
        find.field(FindKind::Object, o.vnum, "short description", o.short_description);
        find.field(FindKind::Object, o.vnum, "long description", o.long_description);
        find.field(FindKind::Object, o.vnum, "action description", o.action_description);
        find.extras(FindKind::Object, o.vnum, o.extra_descs);
    }
    add_vnum_hits(FindKind::Shop);
    for (const auto& s : world.shops) {
        const std::pair<const char*, const std::string*> messages[] = {
            {"message: item missing", &s.msg_buy_missing},
            {"message: player lacks it", &s.msg_sell_missing},
            {"message: does not buy", &s.msg_not_buying},
            {"message: shop broke", &s.msg_shop_broke},
            {"message: player broke", &s.msg_player_broke},
            {"message: bought", &s.msg_bought},
            {"message: sold", &s.msg_sold}};
        for (const auto& [name, text] : messages) find.field(FindKind::Shop, s.vnum, name, *text);
        for (const auto& b : s.buy_types)
            find.field(FindKind::Shop, s.vnum, "buy type keywords", b.keywords);
    }
    const int32_t zone = world.zone.zone_number;
    find.field(FindKind::Zone, zone, "zone name", world.zone.name);
    int index = 0;
    for (const auto& c : world.zone.commands)
        find.field(FindKind::Zone, zone, "comment", long_description(world, c), index++);
    add_vnum_hits(FindKind::Trigger);
    for (const auto& t : world.triggers) {
        find.field(FindKind::Trigger, t.vnum, "name", t.name);
        find.field(FindKind::Trigger, t.vnum, "argument list", t.arglist);
        find.field(FindKind::Trigger, t.vnum, "script", t.script);
    }
    return hits;
}

const char* find_kind_name(FindKind kind) {
    switch (kind) {
        case FindKind::Room: return "Rooms";
        case FindKind::Mob: return "Mobs";
        case FindKind::Object: return "Objects";
        case FindKind::Shop: return "Shops";
        case FindKind::Zone: return "Zone";
        case FindKind::Trigger: return "Triggers";
    }
    return "";
}

}  // namespace tarnwick
