#pragma once
// The shop file (.shp), v3.0 and old dialects.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/format_settings.h"
#include "formats/kept_records.h"
#include "world/shop_record.h"

namespace tarnwick {

// The fixed length of the products and buy-type lists in the dialect
// without keywords.
constexpr int kOldShopListLength = 5;

class World;
class Messages;

// Replaces the shop table with the shops of the file, in file order, and
// sets the list caption "%d Registros."; false (table empty, caption empty)
// when the file cannot be opened or holds an error, whose message is shown.
bool load_shop_file(World& world, const std::string& path, Messages& messages);
bool read_shops(World& world, const std::string& text, Messages& messages);
// v3.0 when settings.new_format, else the old dialect; false, after a
// message, when nothing was saved.
bool save_shop_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages);
// The whole file in each dialect. The old one holds five products, five
// buy-type numbers (no keywords) and one room per shop.
std::string write_shops_v3(const World& world);
std::string write_shops_old(const World& world);
// The file as save_shop_file writes it: shops that did not change copied
// from the file as read, the others in that file's layout.
WrittenFile<shop_data> shop_file_output(const World& world, const FormatSettings& settings);

// One v3.0 buy-type line ("LIQ CONTAINER bottle flask ; comment", "15"):
// answers the type (-1 when the line names none) and sets the keywords
// (empty when there are none or at most two characters).
int32_t parse_buy_type_line(std::string_view line, std::string& keywords);

}  // namespace tarnwick
