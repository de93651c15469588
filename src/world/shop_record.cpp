// The shop type names and the values of a new shop.

#include "world/shop_record.h"
#include "world/world.h"

namespace tarnwick {

const std::array<const char*, 24> shop_type_names = {
    "UNDEFINED", "LIGHT",     "SCROLL", "WAND",          "STAFF", "WEAPON",
    "FIRE WEAPON", "MISSILE", "TREASURE", "ARMOR",       "POTION", "WORN",
    "OTHER",     "TRASH",     "TRAP",   "CONTAINER",     "NOTE",  "LIQ CONTAINER",
    "KEY",       "FOOD",      "MONEY",  "PEN",           "BOAT",  "FOUNTAIN",
};

shop_data new_shop(const World& world) {
    shop_data s;
    s.vnum = world.next_shop_vnum();
    // Fixed factors: the shop sells above and buys below an object's value.
    s.profit_sell = 1.1f;
    s.profit_buy = 0.9f;
    // Open all day: the server turns a player away only before open1 or
    // after close1 (then before open2 or after close2), and its hours run
    // 0 to 23, so 0 to 28 never closes. The stock shops use these hours.
    s.start1 = 0;
    s.end1 = 28;
    s.start2 = 0;
    s.end2 = 0;
    s.msg_buy_missing = in_language(world.language, "%s No tengo ese item.");
    s.msg_sell_missing = in_language(world.language, "%s No pareces tener eso.");
    s.msg_not_buying = in_language(world.language, "%s No compro eso.");
    s.msg_shop_broke = in_language(world.language, "%s No tengo tanto dinero, quizas otro dia");
    s.msg_player_broke = in_language(world.language, "%s Pero si no tienes ese dinero!");
    s.msg_bought = in_language(world.language, "%s Son %d monedas.");
    s.msg_sold = in_language(world.language, "%s Aqui tienes %d monedas por eso.");
    return s;
}

}  // namespace tarnwick
