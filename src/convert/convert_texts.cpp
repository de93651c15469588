// The `~` texts between CircleMUD and tbaMUD. tbaMUD reads '@' and a tab as
// the start of a colour or protocol code (its fread_string turns every '@'
// not doubled into a tab, and a tab not doubled starts a code), so a text
// CircleMUD shows as it is must have both doubled; CircleMUD shows codes as
// they are, so going back they are removed. tbaMUD also takes a '~' inside
// a line as text, which ends the text for CircleMUD.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/convert_steps.h"
#include "world/world.h"

namespace tarnwick {

namespace {

using TextVisitor = std::function<void(const std::string& label, const char* field, std::string&)>;

void each_text(World& w, const TextVisitor& visit) {
    for (room_data& r : w.rooms) {
        const std::string label = room_label(r.vnum);
        visit(label, "name", r.name);
        visit(label, "description", r.description);
        for (extra_descr_data& e : r.extra_descs) {
            visit(label, "extra description keywords", e.keywords);
            visit(label, "extra description", e.description);
        }
        for (auto& exit : r.exits)
            if (exit) {
                visit(label, "exit keywords", exit->keywords);
                visit(label, "exit description", exit->exit_description);
            }
    }
    for (char_data& m : w.mobs) {
        const std::string label = mob_label(m.vnum);
        visit(label, "alias", m.alias);
        visit(label, "short description", m.short_name);
        visit(label, "long description", m.long_name);
        visit(label, "description", m.descr);
    }
    for (obj_record& o : w.objects) {
        const std::string label = object_label(o.vnum);
        visit(label, "alias", o.alias);
        visit(label, "short description", o.short_description);
        visit(label, "long description", o.long_description);
        visit(label, "action description", o.action_description);
        for (extra_descr_data& e : o.extra_descs) {
            visit(label, "extra description keywords", e.keywords);
            visit(label, "extra description", e.description);
        }
    }
    for (shop_data& s : w.shops) {
        const std::string label = shop_label(s.vnum);
        for (std::string* msg :
             {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying, &s.msg_shop_broke,
              &s.msg_player_broke, &s.msg_bought, &s.msg_sold})
            visit(label, "message", *msg);
    }
}

bool code_start(char c) {
    return c == '@' || c == '\t';
}

// One note per record and kind of change, naming the fields it touched.
class FieldNotes {
public:
    void add(const std::string& label, const char* field) {
        if (labels_.empty() || labels_.back() != label) {
            labels_.push_back(label);
            fields_.emplace_back();
        }
        std::string& f = fields_.back();
        if (f.find(field) == std::string::npos) f += (f.empty() ? "" : ", ") + std::string(field);
    }
    void report(ConversionReport& r, bool loss, const std::string& what) const {
        for (size_t i = 0; i < labels_.size(); ++i)
            (loss ? r.loss(labels_[i], fields_[i], what) : r.change(labels_[i], fields_[i], what));
    }

private:
    std::vector<std::string> labels_, fields_;
};

}  // namespace

void texts_to_tbamud(World& world, ConversionReport& report) {
    FieldNotes doubled;
    each_text(world, [&](const std::string& label, const char* field, std::string& text) {
        if (text.find_first_of("@\t") == std::string::npos) return;
        std::string out;
        for (char c : text) {
            out += c;
            if (code_start(c)) out += c;
        }
        text = std::move(out);
        doubled.add(label, field);
    });
    doubled.report(report, false, "'@' and tabs doubled (tbaMUD reads them as colour codes)");
}

void texts_to_circle(World& world, ConversionReport& report) {
    FieldNotes undoubled, stripped, tildes;
    each_text(world, [&](const std::string& label, const char* field, std::string& text) {
        if (text.find_first_of("@\t~") == std::string::npos) return;
        std::string out;
        bool codes = false, pairs = false, tilde = false;
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '~') {
                tilde = true;
            } else if (code_start(c) && i + 1 < text.size() && text[i + 1] == c) {
                out += c;
                pairs = true;
                ++i;
            } else if (code_start(c)) {
                codes = true;
                ++i;  // the code's letter goes with it, "[F500]" all of it
                if (i < text.size() && text[i] == '[') {
                    const size_t close = text.find(']', i);
                    if (close != std::string::npos) i = close;
                }
            } else {
                out += c;
            }
        }
        text = std::move(out);
        if (pairs) undoubled.add(label, field);
        if (codes) stripped.add(label, field);
        if (tilde) tildes.add(label, field);
    });
    undoubled.report(report, false, "'@@' made '@' (CircleMUD shows '@' as it is)");
    stripped.report(report, true, "colour codes removed (CircleMUD has no colour codes)");
    tildes.report(report, true, "'~' removed (it would end the text for CircleMUD)");
}

namespace {

// True when some '~' of `bytes` has more than a line break after it.
bool tilde_mid_line(std::string_view bytes) {
    for (size_t at = bytes.find('~'); at != std::string_view::npos; at = bytes.find('~', at + 1)) {
        size_t next = at + 1;
        if (next < bytes.size() && bytes[next] == '\r') ++next;
        if (next < bytes.size() && bytes[next] != '\n') return true;
    }
    return false;
}

// Records of the kept file that the world holds (a file read for a whole
// world folder holds other zones' records too).
template <class Record>
void tildes_of(const World& world, const KeptFile<Record>* kept, int (World::*find)(int32_t) const,
               std::string (*label)(int32_t), ConversionReport& report) {
    if (!kept) return;
    for (size_t i = 0; i < kept->records.size() && i < kept->spans.size(); ++i)
        if ((world.*find)(kept->records[i].vnum) >= 0 &&
            tilde_mid_line(kept->spans[i].of(kept->bytes)))
            report.change(label(kept->records[i].vnum), "texts",
                          "a '~' before the end of its line, after which CircleMUD skips the "
                          "line: written anew with the '~' at the end, so tbaMUD reads the "
                          "same text");
}

}  // namespace

void report_mid_line_tildes(const World& world, ConversionReport& report) {
    tildes_of(world, world.kept.rooms.get(), &World::find_room, room_label, report);
    tildes_of(world, world.kept.mobs.get(), &World::find_mob, mob_label, report);
    tildes_of(world, world.kept.objects.get(), &World::find_object, object_label, report);
}

}  // namespace tarnwick
