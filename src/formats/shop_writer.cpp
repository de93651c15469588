// Writing the shop file in either dialect. Lines end in a single LF, and
// the file ends with "$~", which the server needs.

#include <charconv>

#include "formats/kept_records.h"
#include "formats/save_file.h"
#include "formats/saved_texts.h"
#include "formats/shop_file.h"
#include "world/shop_record.h"
#include "world/world.h"

namespace tarnwick {

namespace {


void line(std::string& out, int32_t v) { out += std::to_string(v) + "\n"; }

// Two decimals whatever the process locale ("1.10", never "1,10"), or as many
// as it takes to read back the same value ("1.125").
void factor(std::string& out, float v) {
    char buffer[64];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
    float back = 0;
    if (written.ec == std::errc() &&
        (std::from_chars(buffer, written.ptr, back).ec != std::errc() || back != v))
        written = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, written.ec == std::errc() ? written.ptr : buffer);
    out += "\n";
}

// Exactly `length` lines: the first entries, padded with -1.
void fixed_list(std::string& out, const std::vector<int32_t>& values, size_t length) {
    for (size_t i = 0; i < length; ++i) line(out, i < values.size() ? values[i] : -1);
}

void messages_of(std::string& out, const shop_data& s) {
    for (const std::string* m : {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying,
                                 &s.msg_shop_broke, &s.msg_player_broke, &s.msg_bought,
                                 &s.msg_sold})
        out += *m + "~\n";
    line(out, s.temper);
    line(out, s.bitvector);
    line(out, s.keeper);
    line(out, s.with_who);
}

void hours(std::string& out, const shop_data& s) {
    line(out, s.start1);
    line(out, s.end1);
    line(out, s.start2);
    line(out, s.end2);
}

void write_v3(std::string& out, const shop_data& s) {
    out += "#" + std::to_string(s.vnum) + "~\n";
    for (int32_t p : s.products) line(out, p);
    out += "-1\n";
    factor(out, s.profit_sell);
    factor(out, s.profit_buy);
    for (const shop_buy_data& b : s.buy_types) {
        out += std::to_string(b.type);
        if (!b.keywords.empty()) out += " " + b.keywords;
        out += "\n";
    }
    out += "-1\n";
    messages_of(out, s);
    for (int32_t r : s.rooms) line(out, r);
    out += "-1\n";
    hours(out, s);
}

void write_old(std::string& out, const shop_data& s) {
    out += "#" + std::to_string(s.vnum) + "~\n";
    fixed_list(out, s.products, kOldShopListLength);
    factor(out, s.profit_sell);
    factor(out, s.profit_buy);
    std::vector<int32_t> types;
    for (const shop_buy_data& b : s.buy_types) types.push_back(b.type);
    fixed_list(out, types, kOldShopListLength);  // this dialect has no keywords
    messages_of(out, s);
    fixed_list(out, s.rooms, 1);
    hours(out, s);
}

}  // namespace

std::string write_shops_v3(const World& world) {
    std::string out = "CircleMUD v3.0 Shop File~\n";
    for (const shop_data& s : world.shops) write_v3(out, s);
    out += "$~\n";
    return out;
}

std::string write_shops_old(const World& world) {
    std::string out;
    for (const shop_data& s : world.shops) write_old(out, s);
    out += "$~\n";
    return out;
}

WrittenFile<shop_data> shop_file_output(const World& world, const FormatSettings& settings) {
    const KeptFile<shop_data>* kept = settings.house_style ? nullptr : world.kept.shops.get();
    // Shops written anew into a file as read take that file's layout: one
    // file holds one layout.
    const bool v3 = kept ? kept->head.of(kept->bytes).find("v3.0") != std::string_view::npos
                         : settings.new_format;
    const RecordFileStyle style{[v3](std::string& out) {
                                    if (v3) out += "CircleMUD v3.0 Shop File~\n";
                                },
                                "$~\n"};
    return write_records(world.shops, kept, false, style, [&](int i, std::string& out) {
        if (v3)
            write_v3(out, world.shops[size_t(i)]);
        else
            write_old(out, world.shops[size_t(i)]);
    });
}

bool save_shop_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages) {
    if (!shop_texts_fit(world, messages)) return false;
    auto written = shop_file_output(world, settings);
    if (!save_kept_file(path, written, world.kept.shops.get(), "Error al grabar Archivo de Shops",
                        messages))
        return false;
    world.kept.shops = std::move(written.kept);
    return true;
}

}  // namespace tarnwick
