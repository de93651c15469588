#include "editors/zone_tree.h"

#include <algorithm>

#include "formats/zone_file.h"
#include "world/world.h"

namespace tarnwick {

const char* const kZoneTreeRoot = "Zone Commands";

int ZoneTreeNode::index_in_parent() const {
    if (!parent) return -1;
    for (size_t i = 0; i < parent->children.size(); ++i)
        if (parent->children[i].get() == this) return int(i);
    return -1;
}

int command_image(char letter) {
    switch (letter) {
    case 'M': return 0;
    case 'O': return 1;
    case 'G': return 2;
    case 'E': return 3;
    case 'P': return 4;
    case 'D': return 5;
    case 'R': return 6;
    case 'T': return 8;
    case 'V': return 9;
    default: return 7;
    }
}

ZoneTree::ZoneTree() : root_(std::make_unique<ZoneTreeNode>()) { root_->text = kZoneTreeRoot; }

void ZoneTree::build(World& world) {
    root_ = std::make_unique<ZoneTreeNode>();
    root_->text = kZoneTreeRoot;
    ZoneTreeNode* last_mob = nullptr;
    for (zCommand& c : world.zone.commands) {
        c.tree_node = nullptr;
        switch (c.command) {
        case 'S':
            break;
        case 'M':
            last_mob = insert(world, *root_, root_->children.size(), c);
            break;
        case 'E':
        case 'G': {
            ZoneTreeNode& parent = last_mob ? *last_mob : *root_;
            insert(world, parent, parent.children.size(), c);
            break;
        }
        case 'T':
        case 'V':
            // Attached to the mob loaded last (argument 1 is 0): under it.
            if (last_mob && c.arg1 == 0) {
                insert(world, *last_mob, last_mob->children.size(), c);
                break;
            }
            insert(world, *root_, root_->children.size(), c);
            last_mob = nullptr;
            break;
        default:
            // A command between a mob and its E or G ends the mob's group:
            // the E and G after it stand under the root, so the tree keeps
            // the order of the list (the server still gives them to the mob).
            insert(world, *root_, root_->children.size(), c);
            last_mob = nullptr;
        }
    }
}

ZoneTreeNode* ZoneTree::insert(const World& world, ZoneTreeNode& parent, size_t position,
                               zCommand& command) {
    auto node = std::make_unique<ZoneTreeNode>();
    node->command = &command;
    node->parent = &parent;
    node->image = command_image(command.command);
    node->text = long_description(world, command);
    command.tree_node = node.get();
    position = std::min(position, parent.children.size());
    ZoneTreeNode* raw = node.get();
    parent.children.insert(parent.children.begin() + std::ptrdiff_t(position), std::move(node));
    return raw;
}

namespace {
void forget_nodes(ZoneTreeNode& node) {
    if (node.command) node.command->tree_node = nullptr;
    for (auto& child : node.children) forget_nodes(*child);
}
void collect(const ZoneTreeNode& node, std::vector<const zCommand*>& out) {
    if (node.command) out.push_back(node.command);
    for (auto& child : node.children) collect(*child, out);
}
}  // namespace

void ZoneTree::erase(ZoneTreeNode* node) {
    if (!node || !node->parent) return;
    forget_nodes(*node);
    auto& siblings = node->parent->children;
    siblings.erase(siblings.begin() + node->index_in_parent());
}

void ZoneTree::refresh_text(const World& world, ZoneTreeNode& node) {
    if (node.command) node.text = long_description(world, *node.command);
}

std::vector<const zCommand*> ZoneTree::commands_in_order() const {
    std::vector<const zCommand*> out;
    collect(*root_, out);
    return out;
}

}  // namespace tarnwick
