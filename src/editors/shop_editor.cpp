#include "editors/shop_editor.h"

#include <algorithm>

#include "editors/field_convert.h"
#include "editors/record_lines.h"
#include "editors/selection.h"
#include "editors/typed_text.h"
#include "formats/shop_file.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

const std::array<const char*, 3> kTemperNames = {"Smokes his joint", "Pukes", "None"};

namespace {

template <class T>
bool erase_line(std::vector<T>& list, int& selected) {
    if (selected < 0 || selected >= int(list.size())) return false;
    list.erase(list.begin() + selected);
    selected = -1;
    return true;
}

}  // namespace

std::string buy_type_line(int32_t type, const std::string& keywords) {
    std::string line = type >= 0 && size_t(type) < shop_type_names.size() && shop_type_names[type]
                           ? std::string(shop_type_names[type])
                           : num(type);
    if (!keywords.empty()) line += " - " + keywords;
    return line;
}

ShopEditor::ShopEditor(World& world, Messages& messages, Chooser& chooser)
    : world_(world), messages_(messages), chooser_(chooser) {}

bool ShopEditor::shown() const { return current_ >= 0 && current_ < world_.shop_count(); }

shop_data* ShopEditor::record() {
    current_ = shown_record_.locate(world_.shops, current_);
    return shown() ? &world_.shops[current_] : nullptr;
}

void ShopEditor::fill_lists() {
    fields.sell_lines.clear();
    fields.room_lines.clear();
    fields.buy_lines.clear();
    fields.sell_selected = fields.room_selected = fields.buy_selected = -1;
    const shop_data* s = record();
    if (!s) return;
    for (int32_t v : s->products) fields.sell_lines.push_back("#" + num(v) + " - " + world_.object_name_of(v));
    for (int32_t v : s->rooms) fields.room_lines.push_back("#" + num(v) + " - " + world_.room_name_of(v));
    for (const shop_buy_data& b : s->buy_types) fields.buy_lines.push_back(buy_type_line(b.type, b.keywords));
}

void ShopEditor::show_shop(int index) {
    if (index < 0 || index >= world_.shop_count()) {
        if (current_ != -1) apply_shop();
        current_ = -1;
        fields.pages_enabled = false;
        return;
    }
    if (current_ != -1) apply_shop();
    fields.pages_enabled = true;
    const bool other = index != current_;
    const shop_data& s = world_.shops[index];
    fields.vnum = num(s.vnum);
    fields.keeper_vnum = num(s.keeper);
    fields.keeper_name = world_.mob_name_of(s.keeper);
    fields.temper = s.temper >= 0 && s.temper < int(kTemperNames.size()) ? s.temper : -1;
    fields.profit_buy = float_text(s.profit_buy);
    fields.profit_sell = float_text(s.profit_sell);
    const std::string* msgs[] = {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying,
                                 &s.msg_shop_broke,  &s.msg_player_broke, &s.msg_bought,
                                 &s.msg_sold};
    for (size_t i = 0; i < fields.messages.size(); ++i) fields.messages[i] = *msgs[i];
    current_ = index;
    shown_record_.remember(s.vnum, world_.shop_count());
    if (other) fill_lists();
    for (int i = 0; i < kShopBitCount; ++i) fields.shop_bits[i] = (s.bitvector >> i) & 1;
    for (int i = 0; i < kWithWhoBitCount; ++i) fields.with_who[i] = (s.with_who >> i) & 1;
    fields.start1 = num(s.start1);
    fields.start2 = num(s.start2);
    fields.end1 = num(s.end1);
    fields.end2 = num(s.end2);
}

bool ShopEditor::apply_shop() {
    shop_data* s = record();
    if (!s) return false;
    // Leaving a shop applies it every time; only a real change marks the world.
    struct MarkIfChanged {
        std::function<void()> touch;
        const shop_data& shop;
        const shop_data before;
        ~MarkIfChanged() {
            if (!(shop == before)) touch();
        }
    } mark{[this] { touch_world(); }, *s, *s};
    s->keeper = int_or(fields.keeper_vnum, s->keeper);
    // A factor whose field still shows the stored value keeps that value.
    const struct {
        const std::string* text;
        float* value;
        const char* label;
    } factors[] = {{&fields.profit_buy, &s->profit_buy, "Profit when buying"},
                   {&fields.profit_sell, &s->profit_sell, "Profit when selling"}};
    for (const auto& [text, value, label] : factors) {
        if (*text == float_text(*value)) continue;
        auto typed = strict_float(*text, label, messages_);
        if (!typed) return false;
        *value = *typed;
    }
    s->temper = fields.temper;
    // A typed hour is held to the day; one still showing the stored value
    // keeps it, whatever the file said.
    for (auto [text, hour] : {std::pair{&fields.start1, &s->start1}, std::pair{&fields.start2, &s->start2},
                              std::pair{&fields.end1, &s->end1}, std::pair{&fields.end2, &s->end2}}) {
        int32_t typed = 0;
        if (*text != num(*hour) && to_int32(*text, typed))
            *hour = std::clamp(typed, 0, kShopHourMax);
    }
    std::string* msgs[] = {&s->msg_buy_missing, &s->msg_sell_missing, &s->msg_not_buying,
                           &s->msg_shop_broke,  &s->msg_player_broke, &s->msg_bought,
                           &s->msg_sold};
    bool fits = true;
    for (size_t i = 0; i < fields.messages.size(); ++i)
        fits = store_text(*msgs[i], fields.messages[i], "Shop message " + std::to_string(i + 1),
                          TextKind::one_line, messages_) &&
               fits;
    s->bitvector = 0;
    for (int i = 0; i < kShopBitCount; ++i)
        if (fields.shop_bits[i]) s->bitvector |= 1 << i;
    s->with_who = 0;
    for (int i = 0; i < kWithWhoBitCount; ++i)
        if (fields.with_who[i]) s->with_who |= 1 << i;
    return fits;
}

void ShopEditor::leave_before_removal(int removed) {
    if (shown() && current_ != removed) apply_shop();
    drop_pending();
}

void ShopEditor::drop_pending() {
    current_ = -1;
    fields.pages_enabled = false;
}

void ShopEditor::refresh_names() {
    if (!record()) return;
    int32_t keeper = -1;
    if (to_int32(fields.keeper_vnum, keeper)) fields.keeper_name = world_.mob_name_of(keeper);
    const int sell = fields.sell_selected, room = fields.room_selected, buy = fields.buy_selected;
    fill_lists();
    fields.sell_selected = sell;
    fields.room_selected = room;
    fields.buy_selected = buy;
}

void ShopEditor::type_keeper(const std::string& vnum) {
    fields.keeper_vnum = vnum;
    int32_t keeper = -1;
    fields.keeper_name = to_int32(vnum, keeper) ? world_.mob_name_of(keeper) : std::string();
}

bool ShopEditor::browse_keeper() {
    if (!shown()) return false;
    const PickLines pick = mob_pick_lines(world_);
    const int32_t v = pick.vnum_at(chooser_.pick_from_list("Select ShopKeeper", pick.lines));
    if (v >= 0) fields.keeper_vnum = num(v);
    show_shop(current_);
    return true;
}

void ShopEditor::add_product() {
    if (!shown()) return;
    const int32_t v = chooser_.ask_object_vnum();
    if (v == -1 || !shown()) return;
    auto& list = world_.shops[current_].products;
    list.insert(list.begin(), v);
    touch_world();
    fill_lists();
}

void ShopEditor::add_room() {
    if (!shown()) return;
    const int32_t v = chooser_.ask_room_vnum();
    if (v == -1 || !shown()) return;
    auto& list = world_.shops[current_].rooms;
    list.insert(list.begin(), v);
    touch_world();
    fill_lists();
}

void ShopEditor::add_buy_type() {
    shop_data* s = record();
    if (!s || fields.type_entry < 0) return;
    shop_buy_data b;
    b.type = fields.type_entry;
    b.keywords = fields.keywords;
    s->buy_types.insert(s->buy_types.begin(), b);
    touch_world();
    type_chosen(-1);
    fill_lists();
}

void ShopEditor::type_chosen(int entry) {
    fields.type_entry = entry;
    fields.keywords_enabled = entry >= 0;
}

void ShopEditor::remove_product() {
    if (shop_data* s = record(); s && erase_line(s->products, fields.sell_selected)) {
        touch_world();
        fill_lists();
    }
}

void ShopEditor::remove_room() {
    if (shop_data* s = record(); s && erase_line(s->rooms, fields.room_selected)) {
        touch_world();
        fill_lists();
    }
}

void ShopEditor::remove_buy_type() {
    if (shop_data* s = record(); s && erase_line(s->buy_types, fields.buy_selected)) {
        touch_world();
        fill_lists();
    }
}

void ShopEditor::step_hour(std::string& field, int delta) {
    int32_t v = int_or(field, 0) + delta;
    if (v < 0) v = 0;
    if (v > kShopHourMax) v = kShopHourMax;
    field = num(v);
}

void ShopEditor::touch_world() {
    if (on_world_changed)
        on_world_changed();
    else
        world_.changed = true;
}

}  // namespace tarnwick
