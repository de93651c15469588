#include "record_diff.h"

#include <sstream>
#include <type_traits>

#include "project/area_project.h"
#include "world/world.h"

namespace tarnwick::testkit {

namespace {

std::string shown(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
        if (out.size() > 120) {
            out += "...";
            break;
        }
    }
    return out + "\"";
}
template <class T>
std::string shown(const T& v) {
    std::ostringstream s;
    if constexpr (std::is_same_v<T, char>)
        s << "'" << v << "' (" << int(v) << ")";
    else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, uint8_t>)
        s << int(v);
    else
        s << v;
    return s.str();
}

// Collects the differences of one record; nested names join with '.'.
class Fields {
public:
    Fields(std::string record, std::vector<Difference>& out) : record_(std::move(record)), out_(out) {}

    template <class T>
    void operator()(const std::string& name, const T& a, const T& b) {
        if (!(a == b)) out_.push_back({record_, prefix_ + name, shown(a), shown(b)});
    }
    template <class T, size_t N>
    void operator()(const std::string& name, const std::array<T, N>& a, const std::array<T, N>& b) {
        for (size_t i = 0; i < N; ++i) (*this)(name + "[" + std::to_string(i) + "]", a[i], b[i]);
    }
    // Lists: the count, then every entry both hold, in order.
    template <class T, class Each>
    void list(const std::string& name, const std::vector<T>& a, const std::vector<T>& b, Each each) {
        (*this)(name + ".size", a.size(), b.size());
        for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
            std::string saved = prefix_;
            prefix_ += name + "[" + std::to_string(i) + "].";
            each(*this, a[i], b[i]);
            prefix_ = saved;
        }
    }
    void extras(const std::string& name, const std::vector<extra_descr_data>& a,
                const std::vector<extra_descr_data>& b) {
        list(name, a, b, [](Fields& f, const extra_descr_data& x, const extra_descr_data& y) {
            f("keywords", x.keywords, y.keywords);
            f("description", x.description, y.description);
        });
    }

private:
    std::string record_;
    std::string prefix_;
    std::vector<Difference>& out_;
};

// Tables are compared in order; a length difference is one difference of
// the table and the records both hold are compared.
template <class T, class Each>
void diff_table(const char* noun, const std::vector<T>& a, const std::vector<T>& b,
                std::vector<Difference>& out, Each each) {
    if (a.size() != b.size())
        out.push_back({std::string(noun) + " table", "count", std::to_string(a.size()),
                       std::to_string(b.size())});
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        Fields f(std::string(noun) + " #" + std::to_string(a[i].vnum), out);
        f("vnum", a[i].vnum, b[i].vnum);
        each(f, a[i], b[i]);
    }
}

}  // namespace

std::string describe(const Difference& d) {
    return d.record + ", field " + d.field + ": " + d.first + " became " + d.second;
}

void diff_rooms(const World& a, const World& b, std::vector<Difference>& out) {
    diff_table("room", a.rooms, b.rooms, out, [](Fields& f, const room_data& x, const room_data& y) {
        f("name", x.name, y.name);
        f("description", x.description, y.description);
        f("flags", x.flags, y.flags);
        f("sector", x.sector, y.sector);
        for (int d = 0; d < kDirectionCount; ++d) {
            const std::string n = "exits[" + std::to_string(d) + "]";
            f(n + ".present", bool(x.exits[d]), bool(y.exits[d]));
            if (!x.exits[d] || !y.exits[d]) continue;
            const auto &p = *x.exits[d], &q = *y.exits[d];
            f(n + ".exit_description", p.exit_description, q.exit_description);
            f(n + ".keywords", p.keywords, q.keywords);
            f(n + ".door", p.door, q.door);
            f(n + ".key_vnum", p.key_vnum, q.key_vnum);
            f(n + ".target_vnum", p.target_vnum, q.target_vnum);
        }
        f.extras("extra_descs", x.extra_descs, y.extra_descs);
    });
}

void diff_mobs(const World& a, const World& b, std::vector<Difference>& out) {
    diff_table("mob", a.mobs, b.mobs, out, [](Fields& f, const char_data& x, const char_data& y) {
        f("alias", x.alias, y.alias);
        f("short_name", x.short_name, y.short_name);
        f("long_name", x.long_name, y.long_name);
        f("descr", x.descr, y.descr);
        f("action_flags", x.action_flags, y.action_flags);
        f("affect_flags", x.affect_flags, y.affect_flags);
        f("align", x.align, y.align);
        f("enhanced", x.enhanced, y.enhanced);
        f("ac", x.ac, y.ac);
        f("level", x.level, y.level);
        f("thaco", x.thaco, y.thaco);
        f("hit_dices", x.hit_dices, y.hit_dices);
        f("hit_sides", x.hit_sides, y.hit_sides);
        f("hit_add", x.hit_add, y.hit_add);
        f("bhd_dices", x.bhd_dices, y.bhd_dices);
        f("bhd_sides", x.bhd_sides, y.bhd_sides);
        f("bhd_add", x.bhd_add, y.bhd_add);
        f("gold", x.gold, y.gold);
        f("exp", x.exp, y.exp);
        f("load_pos", x.load_pos, y.load_pos);
        f("default_pos", x.default_pos, y.default_pos);
        f("sex", x.sex, y.sex);
        f.extras("especs", x.especs, y.especs);
    });
}

void diff_objects(const World& a, const World& b, std::vector<Difference>& out) {
    diff_table("object", a.objects, b.objects, out,
               [](Fields& f, const obj_record& x, const obj_record& y) {
                   f("alias", x.alias, y.alias);
                   f("short_description", x.short_description, y.short_description);
                   f("long_description", x.long_description, y.long_description);
                   f("action_description", x.action_description, y.action_description);
                   f("type", x.type, y.type);
                   f("extra_flags", x.extra_flags, y.extra_flags);
                   f("wear_flags", x.wear_flags, y.wear_flags);
                   f("values", x.values, y.values);
                   f("has_level", x.has_level, y.has_level);
                   f("level", x.level, y.level);
                   f("has_mat_specs", x.has_mat_specs, y.has_mat_specs);
                   f("material", x.material, y.material);
                   f("durability", x.durability, y.durability);
                   f("initial_durability", x.initial_durability, y.initial_durability);
                   f("weight", x.weight, y.weight);
                   f("cost", x.cost, y.cost);
                   f("cost_per_day", x.cost_per_day, y.cost_per_day);
                   for (int i = 0; i < kObjectAffectSlots; ++i) {
                       const std::string n = "affects[" + std::to_string(i) + "]";
                       f(n + ".location", x.affects[i].location, y.affects[i].location);
                       f(n + ".modifier", x.affects[i].modifier, y.affects[i].modifier);
                   }
                   f.extras("extra_descs", x.extra_descs, y.extra_descs);
               });
}

void diff_shops(const World& a, const World& b, std::vector<Difference>& out) {
    diff_table("shop", a.shops, b.shops, out, [](Fields& f, const shop_data& x, const shop_data& y) {
        f.list("products", x.products, y.products,
               [](Fields& g, int32_t p, int32_t q) { g("vnum", p, q); });
        f.list("rooms", x.rooms, y.rooms, [](Fields& g, int32_t p, int32_t q) { g("vnum", p, q); });
        f("profit_buy", x.profit_buy, y.profit_buy);
        f("profit_sell", x.profit_sell, y.profit_sell);
        f.list("buy_types", x.buy_types, y.buy_types,
               [](Fields& g, const shop_buy_data& p, const shop_buy_data& q) {
                   g("type", p.type, q.type);
                   g("keywords", p.keywords, q.keywords);
               });
        f("msg_buy_missing", x.msg_buy_missing, y.msg_buy_missing);
        f("msg_sell_missing", x.msg_sell_missing, y.msg_sell_missing);
        f("msg_not_buying", x.msg_not_buying, y.msg_not_buying);
        f("msg_shop_broke", x.msg_shop_broke, y.msg_shop_broke);
        f("msg_player_broke", x.msg_player_broke, y.msg_player_broke);
        f("msg_bought", x.msg_bought, y.msg_bought);
        f("msg_sold", x.msg_sold, y.msg_sold);
        f("temper", x.temper, y.temper);
        f("bitvector", x.bitvector, y.bitvector);
        f("keeper", x.keeper, y.keeper);
        f("with_who", x.with_who, y.with_who);
        f("start1", x.start1, y.start1);
        f("end1", x.end1, y.end1);
        f("start2", x.start2, y.start2);
        f("end2", x.end2, y.end2);
    });
}

void diff_zone(const World& a, const World& b, std::vector<Difference>& out) {
    Fields header("zone header", out);
    header("zone_number", a.zone.zone_number, b.zone.zone_number);
    header("name", a.zone.name, b.zone.name);
    header("top", a.zone.top, b.zone.top);
    header("lifespan", a.zone.lifespan, b.zone.lifespan);
    header("reset_mode", a.zone.reset_mode, b.zone.reset_mode);
    header("bot", a.zone.bot, b.zone.bot);
    header("builders", a.zone.builders, b.zone.builders);
    for (size_t i = 0; i < a.zone.flags.size(); ++i)
        header("flags[" + std::to_string(i) + "]", a.zone.flags[i], b.zone.flags[i]);
    header("min_level", a.zone.min_level, b.zone.min_level);
    header("max_level", a.zone.max_level, b.zone.max_level);
    header("commands.size", a.zone.commands.size(), b.zone.commands.size());
    auto p = a.zone.commands.begin();
    auto q = b.zone.commands.begin();
    for (int i = 0; p != a.zone.commands.end() && q != b.zone.commands.end(); ++i, ++p, ++q) {
        Fields f("command " + std::to_string(i) + " (" + std::string(1, p->command ? p->command : '?') +
                     ", line " + std::to_string(p->line) + ")",
                 out);
        f("command", p->command, q->command);
        f("if_flag", p->if_flag, q->if_flag);
        f("arg1", p->arg1, q->arg1);
        f("arg2", p->arg2, q->arg2);
        f("arg3", p->arg3, q->arg3);
        f("var_name", p->var_name, q->var_name);
        f("var_value", p->var_value, q->var_value);
    }
}

void diff_project(const AreaProject& a, const AreaProject& b, std::vector<Difference>& out) {
    Fields f("project", out);
    f("zone_name", a.zone_name, b.zone_name);
    f("author", a.author, b.author);
    f("zone_file", a.zone_file, b.zone_file);
    f("room_file", a.room_file, b.room_file);
    f("mob_file", a.mob_file, b.mob_file);
    f("object_file", a.object_file, b.object_file);
    f("shop_file", a.shop_file, b.shop_file);
    f("zone_number", a.zone_number, b.zone_number);
    for (int i = 0; i < kProjectWindowCount; ++i) {
        const std::string n = "windows[" + std::to_string(i) + "]";
        f(n + ".visible", a.windows[i].visible, b.windows[i].visible);
        f(n + ".left", a.windows[i].left, b.windows[i].left);
        f(n + ".top", a.windows[i].top, b.windows[i].top);
        f(n + ".width", a.windows[i].width, b.windows[i].width);
        f(n + ".height", a.windows[i].height, b.windows[i].height);
    }
}

}  // namespace tarnwick::testkit
