#include "editors/zone_editor.h"

#include <algorithm>

#include "world/messages.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

const std::array<const char*, 9> kAddCaptions = {
    "&Mob", "&Object", "&Give Object to Mob", "&Equip mobile with object",
    "&Put object in object", "&Set door state", "&Remove object from room",
    "Attach &trigger", "Set script &variable"};
const std::array<const char*, 3> kResetModeNames = {"Nunca", "S\xF3lo Desierta", "Siempre"};

namespace {

int add_slot(char letter) {
    auto it = std::find(kAddLetters.begin(), kAddLetters.end(), letter);
    return it == kAddLetters.end() ? -1 : int(it - kAddLetters.begin());
}

CommandList::iterator position_of(CommandList& list, const zCommand* command) {
    for (auto it = list.begin(); it != list.end(); ++it)
        if (&*it == command) return it;
    return list.end();
}

}  // namespace

ZoneEditor::ZoneEditor(World& world, Messages& messages) : world_(world), messages_(messages) {}

void ZoneEditor::show_zone_header() {
    tree_.build(world_);
    header_edited = false;
    const zone_header& z = world_.zone;
    header.vnum = std::to_string(z.zone_number);
    header.top = std::to_string(z.top);
    shown_top_ = header.top;
    header.name = z.name;
    header.lifespan = std::to_string(z.lifespan);
    header.reset_mode = z.reset_mode >= 0 && z.reset_mode <= 2 ? z.reset_mode : -1;
    header.bot = std::to_string(z.bot);
    header.builders = z.builders;
    header.flags = z.flags;
    header.min_level = std::to_string(z.min_level);
    header.max_level = std::to_string(z.max_level);
}

ZoneHeaderFields ZoneEditor::header_fields() const {
    ZoneHeaderFields f;
    if (!to_int32(header.vnum, f.zone_number)) f.zone_number = world_.project_zone_number;
    f.name = header.name;
    // A top the builder did not type follows the zone's, which adding a room
    // above it may have raised since the page was shown.
    if (header.top == shown_top_ || !to_int32(header.top, f.top)) f.top = world_.zone.top;
    if (!to_int32(header.lifespan, f.lifespan)) f.lifespan = world_.zone.lifespan;
    f.reset_mode = header.reset_mode;
    const auto number_or = [](const std::string& text, int32_t old) {
        int32_t v = 0;
        return to_int32(text, v) ? v : old;
    };
    const zone_header& z = world_.zone;
    if (world_.dialect != Dialect::Circle30) f.bot = number_or(header.bot, z.bot);
    if (world_.dialect == Dialect::TbaMud) {
        f.builders = header.builders;
        f.flags = header.flags;
        f.min_level = number_or(header.min_level, z.min_level);
        f.max_level = number_or(header.max_level, z.max_level);
    }
    return f;
}

void ZoneEditor::commit_header() { commit_zone_header(world_, header_fields()); }

void ZoneEditor::apply_header_edits() {
    if (!header_edited) return;
    commit_zone_header(world_, header_fields());
    header_edited = false;
}

ZoneMenuState ZoneEditor::menu_state(const ZoneTreeNode* selected) const {
    ZoneMenuState s;
    if (!selected) return s;
    std::string adds, pastes;
    if (!selected->command) {
        adds = "MODR";
        pastes = "DMOR";
    } else if (selected->command->command == 'M') {
        adds = "MOGE";
        pastes = "EGMO";
    } else if (selected->command->command == 'O') {
        adds = "MOP";
        pastes = "MOP";
    }
    // Trigger commands exist in tbaMUD zones only.
    if (world_.dialect == Dialect::TbaMud && !adds.empty()) adds += "TV";
    if (world_.dialect == Dialect::TbaMud && !pastes.empty()) pastes += "TV";
    for (char c : adds) s.add[size_t(add_slot(c))] = true;
    s.copy = selected->command != nullptr;
    s.paste = clipboard_ && pastes.find(clipboard_->command) != std::string::npos;
    return s;
}

zCommand ZoneEditor::new_command(char letter, const ZoneTreeNode* selected) {
    zCommand c;
    c.command = letter;
    // A mob load stands at the top level, where nothing comes before it to
    // depend on: with if-flag 1 it would load only when the command above it
    // happened to succeed. What is placed under a command depends on it.
    c.if_flag = letter == 'M' ? 0 : 1;
    c.arg1 = 0;
    c.arg2 = 1;
    c.arg3 = 0;
    c.line = 0;
    if (letter == 'T' || letter == 'V') {
        const bool on_mob = selected && selected->command && selected->command->command == 'M';
        c.arg1 = on_mob ? 0 : 2;
        c.arg2 = 0;
    }
    return c;
}

ZoneTreeNode* ZoneEditor::place(ZoneTreeNode* selected, const zCommand& command) {
    CommandList& list = world_.zone.commands;
    ZoneTreeNode& root = tree_.root();
    zCommand* at = selected ? selected->command : nullptr;
    auto append_to_root = [&]() {
        list.push_back(command);
        list.back().tree_node = nullptr;
        return tree_.insert(world_, root, root.children.size(), list.back());
    };
    // A command placed "after" its parent becomes the parent's first child,
    // so that the tree shows the order the file will hold.
    auto link_after = [&](ZoneTreeNode& parent) {
        auto it = list.insert(std::next(position_of(list, at)), command);
        it->tree_node = nullptr;
        return tree_.insert(world_, parent, 0, *it);
    };
    switch (command.command) {
    case 'E':
    case 'G':
        if (at && at->command == 'M') return link_after(*selected);
        return append_to_root();
    case 'T':
    case 'V':
        // One attached to the mob loaded last belongs to that mob's group.
        if (at && at->command == 'M' && command.arg1 == 0) return link_after(*selected);
        break;
    case 'P':
        if (at) return link_after(*selected);
        messages_.show("This is the weirdest error that you have never seen.\nOcurred in line 86");
        return append_to_root();
    default:
        break;
    }
    if (at) {
        // Only top-level nodes take siblings; a child stands for its parent.
        while (selected->parent != &root) selected = selected->parent;
        at = selected->command;
        auto it = list.insert(position_of(list, at), command);
        it->tree_node = nullptr;
        return tree_.insert(world_, *selected->parent, size_t(selected->index_in_parent()), *it);
    }
    return append_to_root();
}

void ZoneEditor::refresh(ZoneTreeNode* node) {
    if (node) tree_.refresh_text(world_, *node);
}

void ZoneEditor::remove(ZoneTreeNode* node) {
    if (!node || !node->command) return;
    std::vector<const zCommand*> doomed;
    std::vector<const ZoneTreeNode*> stack{node};
    while (!stack.empty()) {
        const ZoneTreeNode* n = stack.back();
        stack.pop_back();
        if (n->command) doomed.push_back(n->command);
        for (auto& child : n->children) stack.push_back(child.get());
    }
    tree_.erase(node);
    CommandList& list = world_.zone.commands;
    for (const zCommand* c : doomed) {
        auto it = position_of(list, c);
        if (it != list.end()) list.erase(it);
    }
}

bool ZoneEditor::in_sync() const {
    std::vector<const zCommand*> shown = tree_.commands_in_order();
    size_t i = 0;
    for (const zCommand& c : world_.zone.commands) {
        if (c.command == 'S') continue;
        if (i >= shown.size() || shown[i] != &c) return false;
        ++i;
    }
    return i == shown.size();
}

void ZoneEditor::refresh_texts() {
    std::vector<ZoneTreeNode*> stack{&tree_.root()};
    while (!stack.empty()) {
        ZoneTreeNode* n = stack.back();
        stack.pop_back();
        tree_.refresh_text(world_, *n);
        for (auto& child : n->children) stack.push_back(child.get());
    }
}

void ZoneEditor::copy(const ZoneTreeNode* node) {
    if (!node || !node->command) return;
    clipboard_ = *node->command;
    clipboard_->tree_node = nullptr;
}

ZoneTreeNode* ZoneEditor::paste(ZoneTreeNode* selected) {
    if (!clipboard_) return nullptr;
    return place(selected, *clipboard_);
}

}  // namespace tarnwick
