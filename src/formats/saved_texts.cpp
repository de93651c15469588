#include "formats/saved_texts.h"

#include <string_view>

#include "world/messages.h"
#include "world/text_limits.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Collects the first text that breaks a limit, with the record it is in.
class TextCheck {
public:
    TextCheck(std::string record, Messages& messages)
        : record_(std::move(record)), messages_(messages) {}

    TextCheck& operator()(std::string_view field, std::string_view text) {
        if (failed_) return *this;
        const TextLimitProblem problem = check_text_limits(text);
        if (problem) {
            failed_ = true;
            messages_.show(text_limit_message(record_ + ": " + std::string(field), problem) +
                           "\nThe file was not saved.");
        }
        return *this;
    }
    bool ok() const { return !failed_; }

private:
    std::string record_;
    Messages& messages_;
    bool failed_ = false;
};

bool extras_fit(TextCheck& check, const std::vector<extra_descr_data>& extras) {
    for (const extra_descr_data& e : extras)
        check("extra description keywords", e.keywords)("extra description", e.description);
    return check.ok();
}

}  // namespace

bool room_texts_fit(const World& world, Messages& messages) {
    for (const room_data& r : world.rooms) {
        TextCheck check("Room #" + std::to_string(r.vnum), messages);
        check("name", r.name)("description", r.description);
        for (const auto& exit : r.exits)
            if (exit) check("exit description", exit->exit_description)("exit keywords", exit->keywords);
        if (!extras_fit(check, r.extra_descs)) return false;
    }
    return true;
}

bool mob_texts_fit(const World& world, Messages& messages) {
    for (const char_data& m : world.mobs) {
        TextCheck check("Mob #" + std::to_string(m.vnum), messages);
        // The long description is written with its line break.
        check("alias", m.alias)("short description", m.short_name)("long description",
                                                                    m.long_name + "\n");
        if (!check("detailed description", m.descr).ok()) return false;
    }
    return true;
}

bool object_texts_fit(const World& world, Messages& messages) {
    for (const obj_record& o : world.objects) {
        TextCheck check("Object #" + std::to_string(o.vnum), messages);
        check("alias", o.alias)("short description", o.short_description);
        check("long description", o.long_description)("action description", o.action_description);
        if (!extras_fit(check, o.extra_descs)) return false;
    }
    return true;
}

bool shop_texts_fit(const World& world, Messages& messages) {
    for (const shop_data& s : world.shops) {
        TextCheck check("Shop #" + std::to_string(s.vnum), messages);
        int n = 0;
        for (const std::string* m : {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying,
                                     &s.msg_shop_broke, &s.msg_player_broke, &s.msg_bought,
                                     &s.msg_sold})
            check("message " + std::to_string(++n), *m);
        if (!check.ok()) return false;
    }
    return true;
}

bool zone_texts_fit(const World& world, Messages& messages) {
    TextCheck check("Zone #" + std::to_string(world.zone.zone_number), messages);
    return check("name", world.zone.name).ok();
}

}  // namespace tarnwick
