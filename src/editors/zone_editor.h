#pragma once
// The zone editor's logic: the header fields of page "Info" and the
// operations of the command tree (add, edit, remove, copy, paste). Every
// change to the tree is made to the command list too, and the two always
// agree in order, so what the tree shows is what the zone file gets.

#include <array>
#include <optional>
#include <string>

#include "editors/zone_tree.h"
#include "formats/zone_file.h"

namespace tarnwick {

class World;
class Messages;

// Page "Info" as the user edits it: text fields and the reset mode box.
struct ZoneHeaderForm {
    std::string vnum;      // EditVNum
    std::string name;      // Edit1
    std::string top;       // EditTop: the highest vnum the zone's resets cover
    std::string lifespan;  // EditN2
    int reset_mode = -1;   // ComboBox1: "Nunca", "Sólo Desierta", "Siempre"; -1 none
    std::string bot;       // zoneBot: the lowest room vnum (CircleMUD 3.1, tbaMUD)
    // tbaMUD: zoneBuilders, zoneFlagWord1..4, zoneMinLevel and zoneMaxLevel
    // (-1: no limit).
    std::string builders;
    std::array<int32_t, 4> flags{};
    std::string min_level, max_level;
};

// The letters of the "&Add" items, in menu order; T and V are tbaMUD's.
constexpr std::array<char, 9> kAddLetters = {'M', 'O', 'G', 'E', 'P', 'D', 'R', 'T', 'V'};
extern const std::array<const char*, 9> kAddCaptions;
extern const std::array<const char*, 3> kResetModeNames;

// Which context menu items are enabled for a selected node.
struct ZoneMenuState {
    std::array<bool, 9> add{};  // by kAddLetters
    bool copy = false;
    bool paste = false;
};

class ZoneEditor {
public:
    ZoneEditor(World& world, Messages& messages);

    // Rebuilds the tree from the command list and fills the header fields.
    void show_zone_header();
    // The header fields as saving commits them: a zone number that is no
    // number gives the project zone number, a lifespan (bottom, level) that
    // is no number keeps the old one. The fields of the later dialects are
    // set only for a zone of a dialect whose header holds them.
    ZoneHeaderFields header_fields() const;
    // Copies the fields into the zone header.
    void commit_header();
    // Stores header fields the user edited into the zone header, so
    // rebuilding the page (after renumbering) keeps them.
    void apply_header_edits();

    ZoneHeaderForm header;
    // Set by the window when the user edits a header field; cleared when the
    // fields are shown again or stored.
    bool header_edited = false;
    ZoneTree& tree() { return tree_; }
    const ZoneTree& tree() const { return tree_; }

    ZoneMenuState menu_state(const ZoneTreeNode* selected) const;

    // A fresh command for an "&Add" item: argument 2 = 1; if_flag 0 for a
    // top-level mob load (as the stock zones have it), 1 for the others.
    // A T or V command attaches to the mob when added on one, else to a
    // room, and starts with argument 2 (trigger vnum, context) 0.
    static zCommand new_command(char letter, const ZoneTreeNode* selected = nullptr);
    // Links `command` into the list and the tree relative to the selected
    // node and returns its node.
    ZoneTreeNode* place(ZoneTreeNode* selected, const zCommand& command);
    // After the command dialog: the node shows its command again.
    void refresh(ZoneTreeNode* node);
    // Removes a command with its node, and the commands of its child nodes.
    void remove(ZoneTreeNode* node);
    void copy(const ZoneTreeNode* node);
    // Places a copy of the clipboard; nullptr when it is empty.
    ZoneTreeNode* paste(ZoneTreeNode* selected);
    const std::optional<zCommand>& clipboard() const { return clipboard_; }

    // True while the tree shows exactly the command list (S commands aside)
    // in list order. The list can be replaced behind the editor's back (a
    // load, clearing the world); until the tree is rebuilt its nodes must
    // not be used.
    bool in_sync() const;
    // Rewrites every node's text (names of rooms, mobs or objects changed).
    void refresh_texts();

private:
    World& world_;
    Messages& messages_;
    std::string shown_top_;  // the top as the page last showed it
    ZoneTree tree_;
    std::optional<zCommand> clipboard_;
};

}  // namespace tarnwick
