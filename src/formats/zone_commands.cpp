#include "formats/zone_commands.h"

#include "world/messages.h"

namespace tarnwick {

CommandList::iterator find_command(CommandList& list, const zCommand* node) {
    for (auto it = list.begin(); it != list.end(); ++it)
        if (&*it == node) return it;
    return list.end();
}

zCommand* append_new_command(CommandList& list) { return &list.emplace_back(); }

zCommand* append_command(CommandList& list, const zCommand& node) {
    return &list.emplace_back(node);
}

zCommand* insert_command_before(CommandList& list, const zCommand* at, const zCommand& node) {
    return &*list.insert(find_command(list, at), node);
}

zCommand* insert_command_after(CommandList& list, const zCommand* at, const zCommand& node) {
    auto it = find_command(list, at);
    if (it != list.end()) ++it;
    return &*list.insert(it, node);
}

zCommand* command_at(CommandList& list, int index, Messages& messages) {
    if (index < 0 || index >= int(list.size())) {
        messages.show("List out of bounds. Ouch.");
        return nullptr;
    }
    auto it = list.begin();
    std::advance(it, index);
    return &*it;
}

bool remove_command(CommandList& list, const zCommand* node) {
    auto it = find_command(list, node);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

}  // namespace tarnwick
