#include "editors/trigger_attachments.h"

#include <algorithm>
#include <utility>

#include "world/messages.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

std::string trigger_name_of(const World& world, int32_t vnum) {
    const trig_data* t = world.find_trigger(vnum);
    return t ? t->name : std::string("(no such trigger)");
}

const char* attach_kind_name(int attach_type) {
    switch (attach_type) {
    case kAttachMobile: return "mobiles";
    case kAttachObject: return "objects";
    case kAttachRoom: return "rooms";
    default: return "unknown records";
    }
}

void TriggerAttachments::load(const TriggerList& list) {
    vnums_ = list;
    chosen_ = -1;
}

bool TriggerAttachments::add(const std::string& text, const World& world, Messages& messages) {
    int32_t vnum = -1;
    if (!to_int32(text, vnum) || vnum < 0) {
        messages.show("\"" + text + "\" is not a trigger vnum.");
        return false;
    }
    if (std::find(vnums_.begin(), vnums_.end(), vnum) != vnums_.end()) {
        messages.show("Trigger #" + std::to_string(vnum) + " is attached already.");
        return false;
    }
    if (const trig_data* t = world.find_trigger(vnum); t && t->attach_type != attach_) {
        messages.show("Trigger #" + std::to_string(vnum) + " (" + t->name + ") attaches to " +
                      attach_kind_name(t->attach_type) + ", not to " + attach_kind_name(attach_) +
                      ".");
        return false;
    }
    vnums_.push_back(vnum);
    chosen_ = int(vnums_.size()) - 1;
    return true;
}

bool TriggerAttachments::remove() {
    if (chosen_ < 0 || size_t(chosen_) >= vnums_.size()) return false;
    vnums_.erase(vnums_.begin() + chosen_);
    if (size_t(chosen_) >= vnums_.size()) chosen_ = int(vnums_.size()) - 1;
    return true;
}

bool TriggerAttachments::move(int delta) {
    const int to = chosen_ + delta;
    if (chosen_ < 0 || size_t(chosen_) >= vnums_.size() || to < 0 || size_t(to) >= vnums_.size())
        return false;
    std::swap(vnums_[size_t(chosen_)], vnums_[size_t(to)]);
    chosen_ = to;
    return true;
}

std::vector<std::string> TriggerAttachments::lines(const World& world) const {
    std::vector<std::string> out;
    for (int32_t vnum : vnums_) out.push_back("#" + std::to_string(vnum) + "  " + trigger_name_of(world, vnum));
    return out;
}

std::vector<TriggerAttachments::Choice> TriggerAttachments::choices(const World& world) const {
    std::vector<Choice> out;
    for (const trig_data& t : world.triggers)
        if (t.attach_type == attach_ && std::find(vnums_.begin(), vnums_.end(), t.vnum) == vnums_.end())
            out.push_back({t.vnum, "#" + std::to_string(t.vnum) + "  " + t.name});
    return out;
}

bool TriggerAttachments::apply(TriggerList& into) const {
    if (into == vnums_) return false;
    into = vnums_;
    return true;
}

}  // namespace tarnwick
