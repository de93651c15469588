#pragma once
// The zone editor's tree as plain data: a root "Zone Commands" and at most
// two levels below it. Every node but the root refers to one command of the
// zone's command list, and that command refers back to its node.

#include <memory>
#include <string>
#include <vector>

#include "world/zone_record.h"

namespace tarnwick {

class World;

extern const char* const kZoneTreeRoot;  // "Zone Commands"

struct ZoneTreeNode {
    zCommand* command = nullptr;  // nullptr for the root
    ZoneTreeNode* parent = nullptr;
    std::vector<std::unique_ptr<ZoneTreeNode>> children;
    std::string text;  // the command's long description
    int image = 7;

    int index_in_parent() const;
};

// The image of a command's node: M 0, O 1, G 2, E 3, P 4, D 5, R 6, T 8, V 9,
// else 7.
int command_image(char letter);

class ZoneTree {
public:
    ZoneTree();
    ZoneTreeNode& root() { return *root_; }
    const ZoneTreeNode& root() const { return *root_; }

    // Rebuilds the nodes from the command list: M under the root, E and G
    // under the M they directly follow (only E, G and S between), else under
    // the root; S nowhere, every other letter under the root. The nodes in
    // tree order are always the list's commands in list order.
    void build(World& world);

    // A node for `command` under `parent` at child position `position`
    // (clamped to the end); the command records the node.
    ZoneTreeNode* insert(const World& world, ZoneTreeNode& parent, size_t position,
                         zCommand& command);
    // Removes `node` and its children (commands keep no stale node reference).
    void erase(ZoneTreeNode* node);
    // Rewrites a node's text from its command.
    void refresh_text(const World& world, ZoneTreeNode& node);

    // The commands of the nodes in tree order (parents before children);
    // equals the command list without its S commands when both agree.
    std::vector<const zCommand*> commands_in_order() const;

private:
    std::unique_ptr<ZoneTreeNode> root_;
};

}  // namespace tarnwick
