#include "world/trigger_types.h"

#include "world/trigger_record.h"

namespace tarnwick {

namespace {

constexpr const char* kMobTypes[] = {
    "Global", "Random", "Command", "Speech", "Act",    "Death",    "Greet",
    "Greet-All", "Entry", "Receive", "Fight", "HitPrcnt", "Bribe", "Load",
    "Memory", "Cast",   "Leave",   "Door",   "UNUSED", "Time",     "Damage"};
constexpr const char* kObjectTypes[] = {
    "Global", "Random", "Command", "UNUSED1", "UNUSED2", "Timer",   "Get",
    "Drop",   "Give",   "Wear",    "UNUSED3", "Remove",  "UNUSED4", "Load",
    "UNUSED5", "Cast",  "Leave",   "UNUSED6", "Consume", "Time"};
constexpr const char* kRoomTypes[] = {
    "Global",  "Random",  "Command", "Speech",  "UNUSED1", "Zone Reset", "Enter",
    "Drop",    "UNUSED2", "UNUSED3", "UNUSED4", "UNUSED5", "UNUSED6",    "UNUSED7",
    "UNUSED8", "Cast",    "Leave",   "Door",    "Login",   "Time"};

}  // namespace

std::span<const char* const> trigger_type_names(int attach_type) {
    switch (attach_type) {
    case kAttachMobile: return kMobTypes;
    case kAttachObject: return kObjectTypes;
    case kAttachRoom: return kRoomTypes;
    default: return {};
    }
}

int32_t text_argument_types(int attach_type) {
    switch (attach_type) {
    case kAttachMobile: return kTrigCommand | kTrigSpeech | kTrigAct;
    case kAttachObject: return kTrigCommand;
    case kAttachRoom: return kTrigCommand | kTrigSpeech;
    default: return 0;
    }
}

std::string trigger_types_text(int attach_type, int32_t types) {
    const auto names = trigger_type_names(attach_type);
    std::string out;
    for (int bit = 0; bit < 32; ++bit) {
        if (!(uint32_t(types) & (1u << bit))) continue;
        if (!out.empty()) out += ", ";
        out += size_t(bit) < names.size() ? std::string(names[size_t(bit)])
                                          : "bit " + std::to_string(bit);
    }
    return out;
}

}  // namespace tarnwick
