#pragma once
// What a conversion between dialects did, record by record: every value it
// moved or rewrote, and every value the target server cannot hold (a loss),
// which is dropped only once the builder agrees.

#include <cstdint>
#include <string>
#include <vector>

#include "world/dialect.h"

namespace tarnwick {

struct ConversionNote {
    std::string record;  // "room 3001", "zone 30", "mobile 3010 command 4"
    std::string field;   // "flags", "affects", "type", "header"
    std::string text;    // what happened to the value
    bool loss = false;   // the target cannot hold it: dropped or replaced
};

class ConversionReport {
public:
    Dialect from = Dialect::Circle30, to = Dialect::Circle30;
    std::vector<ConversionNote> notes;
    // The zone cannot be held by the target at all (its vnums are above
    // what the server holds): nothing of it is to be written.
    bool left_out = false;

    void change(std::string record, std::string field, std::string text);
    void loss(std::string record, std::string field, std::string text);

    bool has_losses() const;
    int loss_count() const;
    // "room 3001: flags: ..." for every note (or only the losses), in
    // record order as the conversion met them.
    std::vector<std::string> lines(bool losses_only = false) const;
    // The whole report as the command line prints it and the editor shows
    // it: a heading, the losses, then the other changes.
    std::string text() const;
};

// How the report names records.
std::string room_label(int32_t vnum);
std::string mob_label(int32_t vnum);
std::string object_label(int32_t vnum);
std::string shop_label(int32_t vnum);
std::string zone_label(int32_t number);

}  // namespace tarnwick
