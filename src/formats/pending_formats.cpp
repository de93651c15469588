// Placeholders for the readers and writers still being written; each is
// replaced by its own file.
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

ZoneHeaderFields zone_header_fields(const World& w) { return {w.zone.zone_number, w.zone.name, w.zone.lifespan, w.zone.reset_mode}; }
void commit_zone_header(World&, const ZoneHeaderFields&) {}
bool load_zone_file(World&, const std::string&, Messages&) { return false; }
bool read_zone(World&, const std::string&, Messages&) { return false; }
bool save_zone_file(World&, const std::string&, const ZoneHeaderFields&, const FormatSettings&, Messages&) { return false; }
std::string zone_file_text(const World&, const FormatSettings&) { return {}; }
std::string long_description(const World&, const zCommand&) { return {}; }
std::string short_description(const World&, const zCommand&) { return {}; }
std::string wear_position_name(int32_t) { return {}; }
std::string direction_name(int32_t) { return {}; }
std::string door_state_name(int32_t) { return {}; }

const std::array<const char*, 24> shop_type_names = {};
shop_data new_shop(const World& w) { shop_data s; s.vnum = w.next_shop_vnum(); return s; }
bool load_shop_file(World& w, const std::string&, Messages&) { w.clear_shops(); return false; }
bool read_shops(World& w, const std::string&, Messages&) { w.clear_shops(); return false; }
bool save_shop_file(const World&, const std::string&, const FormatSettings&, Messages&) { return false; }
std::string write_shops_v3(const World&) { return {}; }
std::string write_shops_old(const World&) { return {}; }

}  // namespace tarnwick
