// Reading the shop file (.shp) in both dialects: the old one with fixed
// five products, five buy types and one room per shop, and v3.0 (recognised
// by its header line) with lists of any length ended by -1 and buy types
// that may be named and carry keywords. Lists keep the file's order.

#include "formats/shop_file.h"

#include <string_view>
#include <utility>

#include "formats/kept_records.h"
#include "formats/read_report.h"
#include "formats/record_heads.h"
#include "world/shop_record.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/world.h"

namespace tarnwick {

namespace {


std::string trimmed(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && is_blank(text[b])) ++b;
    while (e > b && is_blank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

// True when the last line of `data` holds a '~': after a tilde string that
// ran to the end of the data, this tells a closed string from a cut one.
bool last_line_has_tilde(const std::string& data) {
    size_t end = data.size();
    if (end > 0 && data[end - 1] == '\n') --end;
    size_t nl = end == 0 ? std::string::npos : data.rfind('\n', end - 1);
    size_t start = nl == std::string::npos ? 0 : nl + 1;
    size_t tilde = data.find('~', start);
    return tilde != std::string::npos && tilde < end;
}

}  // namespace

// One v3.0 buy-type line: a type name or number, then keywords, then an
// optional ';' comment. Answers the type, -1 when the line names none.
int32_t parse_buy_type_line(std::string_view line, std::string& keywords) {
    line = line.substr(0, line.find(';'));
    int32_t type = -1;
    std::string_view kept;
    bool named = false;
    for (size_t t = 0; t < shop_type_names.size(); ++t) {
        const std::string_view name = shop_type_names[t];
        if (starts_with_nocase(line, name)) {
            type = int32_t(t);
            kept = line.substr(name.size());
            named = true;
            break;
        }
    }
    if (!named) {
        if (scan(line, "%d", type) != 1) type = -1;
        size_t p = 0;
        while (p < line.size() && !is_digit(line[p])) ++p;
        if (p < line.size()) {
            while (p < line.size() && is_digit(line[p])) ++p;
            kept = line.substr(p);
        }
    }
    std::string text = trimmed(kept);
    keywords = text.size() > 2 ? text : std::string();
    return type;
}

namespace {

struct ShopReader {
    TextSource& in;
    Messages& messages;
    bool v3 = false;
    int indicator = kNoReadError;
    int32_t vnum = -1;  // the shop being read, or the last one read
    std::vector<RecordHead> heads{};
    size_t end = 0;  // where the line that ended the shops starts
    bool over_capacity = false;

    bool fail_number() {
        messages.show("Error in shop #" + std::to_string(vnum) + "\n");
        return false;
    }

    template <class T>
    bool number(const char* format, T& out) {
        std::string line;
        if (!in.read_line(line) || scan(line, format, out) != 1) return fail_number();
        return true;
    }

    // Numbers up to -1 (v3.0) or exactly `old_length` of them; 0 and -1 are
    // no entries. A number that cannot be read leaves the list empty and
    // the shop goes on with its next field.
    void int_list(std::vector<int32_t>& list, int old_length) {
        list.clear();
        for (int i = 0; v3 || i < old_length; ++i) {
            int32_t v = 0;
            if (!number("%d", v)) {
                list.clear();
                return;
            }
            if (v3 && v == -1) return;
            if (v != 0 && v != -1) list.push_back(v);
        }
    }

    void buy_types(std::vector<shop_buy_data>& list) {
        list.clear();
        if (!v3) {
            std::vector<int32_t> types;
            int_list(types, kOldShopListLength);
            for (int32_t t : types) list.push_back({t, {}});
            return;
        }
        // Read raw: an empty line or one starting with '*' is a line here.
        std::string line;
        while (in.raw_line(line)) {
            shop_buy_data entry;
            entry.type = parse_buy_type_line(line, entry.keywords);
            if (entry.type < 0) return;  // -1 ends the list; below -1 is no type at all
            list.push_back(std::move(entry));
        }
    }

    // A message; an empty one (a lone "~") is an empty message, the end of
    // the file is a failure, and so is a message too long for the server
    // (named, rather than kept cut short).
    bool message(std::string& out, const char* field) {
        if (in.at_end()) return false;
        out = in.read_tilde_string(indicator, messages);
        if (indicator != kNoReadError) {
            messages.show(std::string("Error reading ") + field + " of shop #" +
                          std::to_string(vnum));
            return false;
        }
        return !(out.empty() && in.at_end() && !last_line_has_tilde(in.data()));
    }

    bool read_shop(shop_data& s) {
        s.vnum = vnum;
        int_list(s.products, kOldShopListLength);
        if (!number("%f", s.profit_sell) || !number("%f", s.profit_buy)) return false;
        buy_types(s.buy_types);
        const std::pair<std::string*, const char*> texts[] = {
            {&s.msg_buy_missing, "the message for an item the keeper lacks"},
            {&s.msg_sell_missing, "the message for an item the player lacks"},
            {&s.msg_not_buying, "the message for an item the shop does not buy"},
            {&s.msg_shop_broke, "the message for a keeper without money"},
            {&s.msg_player_broke, "the message for a player without money"},
            {&s.msg_bought, "the message for a sale"},
            {&s.msg_sold, "the message for a purchase"}};
        for (const auto& [text, field] : texts)
            if (!message(*text, field)) return false;
        if (!number("%d", s.temper) || !number("%d", s.bitvector) || !number("%d", s.keeper) ||
            !number("%d", s.with_who))
            return false;
        int_list(s.rooms, 1);
        return number("%d", s.start1) && number("%d", s.end1) && number("%d", s.start2) &&
               number("%d", s.end2);
    }

    // The record loop; false on any failure (its message already shown).
    bool read_all(World& world) {
        for (;;) {
            const size_t start = in.position();
            end = start;
            const std::string head = in.read_tilde_string(indicator, messages);
            if (head.empty()) {
                messages.show("Error leyendo linea!");
                if (in.at_end()) end = in.data().size();
                return false;
            }
            if (head[0] == '$') return true;
            if (head[0] != '#') {
                if (head.find("v3.0") != std::string::npos) {
                    v3 = true;
                    continue;
                }
                // Any other text here is a stray line that swallows the
                // next shop's head up to its '~': the shop would be lost.
                messages.show(in.unexpected_line_at(
                    start, std::string_view(head).substr(0, head.find('\n')), "#vnum~ or $~"));
                return false;
            }
            if (scan(head, "#%d", vnum) != 1) return fail_number();
            heads.push_back({vnum, start});
            if (world.shop_count() >= kShopCapacity) {
                over_capacity = true;
                messages.show("This file holds more than " + std::to_string(kShopCapacity) +
                              " shops, the most a zone can hold. Nothing was loaded.");
                return false;
            }
            shop_data shop;
            if (!read_shop(shop)) return false;
            world.shops.push_back(std::move(shop));
        }
    }
};

bool read_shops_from(World& world, TextSource& in, const std::string& path,
                     Messages& messages) {
    world.clear_shops();
    world.captions.shops.clear();
    const int records = in.count_record_lines();
    world.captions.shops = std::to_string(records) + " Registros.";
    if (records == 0) {
        world.kept.shops =
            keep_records<shop_data>(in, path, {}, {}, first_end_line(in.data()), true, 0);
        return true;
    }
    ReadReport report(messages);
    ShopReader reader{in, report.held()};
    const bool complete = reader.read_all(world);
    if (!complete && reader.over_capacity) {
        report.pass_on();
        messages.show("Se ha producido un error al leer Archivo de Shops!");
        world.clear_shops();
        world.captions.shops.clear();
        return false;
    }
    const int unread = complete ? 0 : damaged(report, in, reader, world.shop_count(), "shops");
    if (complete) report.pass_on();
    world.kept.shops =
        keep_records(in, path, world.shops, reader.heads, reader.end, complete, unread);
    report_duplicate_vnums(std::move(reader.heads), in, "shops", messages);
    // The caption counts the records read: a description line may start
    // with '#' too.
    world.captions.shops = std::to_string(world.shop_count()) + " Registros.";
    return complete;
}

}  // namespace

bool read_shops(World& world, const std::string& text, Messages& messages) {
    TextSource in(text);
    world.kept.shops.reset();
    return read_shops_from(world, in, "", messages);
}

bool load_shop_file(World& world, const std::string& path, Messages& messages) {
    TextSource file;
    world.kept.shops.reset();
    if (!file.open(path)) {
        world.clear_shops();
        world.captions.shops.clear();
        return false;
    }
    return read_shops_from(world, file, path, messages);
}

}  // namespace tarnwick
