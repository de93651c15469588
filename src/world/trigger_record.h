#pragma once
// Trigger scripts (tbaMUD): a record of the zone's trg file, attached to
// rooms, mobiles and objects by vnum.

#include <cstdint>
#include <string>

namespace tarnwick {

// What kind of record a trigger attaches to, as its file numbers them.
enum TriggerAttach { kAttachMobile = 0, kAttachObject = 1, kAttachRoom = 2 };

struct trig_data {
    int32_t vnum = 0;
    std::string name;
    int32_t attach_type = kAttachMobile;
    int32_t trigger_types = 0;  // one bit per event the trigger answers
    int32_t narg = 0;           // the numeric argument (a chance in percent, mostly)
    std::string arglist;
    std::string script;         // its lines joined by LF, without the ending '~'
    bool operator==(const trig_data&) const = default;
};

}  // namespace tarnwick
