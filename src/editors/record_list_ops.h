#pragma once
// What the record lists do to the tables: add a record with its
// defaults, clone one, remove one, and show one as its file text. The list
// windows and the main window's menus call these; they know nothing of Qt.
//
// Pending edits of the record's editor always stay with the record they
// were made on: they are applied before the table changes and the editor is
// pointed at that record's new index afterwards, or they are dropped when
// their record is the one removed.

#include <string>

#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;
class RecordEditor;

// Triggers are tbaMUD's alone: a zone of another dialect has no trigger file
// and refuses to add one.
enum class ListKind { Room, Mob, Object, Shop, Trigger };

// "12 Records."
std::string records_title(int count);
// The number of records at which Add and Clone are refused: one short of
// the table's capacity.
int record_limit(ListKind kind);
int record_count(const World& world, ListKind kind);
// The list line of record `index`.
std::string list_line(const World& world, ListKind kind, int index);

// Appends a record with its defaults (vnum: the table's next vnum). Returns
// the new index, or -1 after the "maximum reached" message. A trigger takes
// the zone's next free vnum and its place in vnum order (the table stays
// sorted, as the server needs).
int add_record(World& world, ListKind kind, Messages& messages, RecordEditor* editor);
// Appends a copy of record `selected` (rooms, mobs and triggers). -1 when nothing is
// selected (silently) or the table is full (after its message).
int clone_record(World& world, ListKind kind, int selected, Messages& messages,
                 RecordEditor* editor);
// Asks before removing a record that others refer to, naming the
// references; true when nothing refers to it or the builder says Yes.
bool confirm_removal(const World& world, ListKind kind, int selected, Messages& messages);
// Removes record `selected`; false (silently) when it is no valid index.
bool remove_record(World& world, ListKind kind, int selected, RecordEditor* editor);
// Record `index` (rooms, mobs, objects, triggers) as its world file holds it; empty
// for an invalid index. `warned` carries the object writer's once-only
// material warning between calls.
std::string record_source(const World& world, ListKind kind, int index,
                          const FormatSettings& settings, Messages& messages, bool& warned);

}  // namespace tarnwick
