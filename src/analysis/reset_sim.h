#pragma once
// Runs zone resets as a CircleMUD 3.0 server does (db.c reset_zone): the
// boot's first reset of every zone in zone-number order, then later resets
// of every zone whose reset mode resets it, with no player taking anything
// in between. Records what each command did and why, and what the world
// holds after each reset. Reads the Worlds only.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/reset_population.h"

namespace tarnwick {

class World;
class WorkProgress;

// What became of one command in one reset. Done is what the server counts
// as success and passes to the next command's if-flag; a done command may
// still have lost what it made (Lost), and an R that found nothing is done
// too, as the server has it. A command the server refuses as it runs (one
// it disables, a wear position out of range) is not done, yet passes on to
// the next command what the command before it passed (a refused D passes
// success), as the server's reset_zone does.
enum class SimResult {
    Loaded,         // made and placed where the command says
    LoadedNowhere,  // an O command to room -1: in the world, in no room
    Zapped,         // E of an object the mob's alignment refuses: in its inventory instead
    Lost,           // made, then in no place (wear position taken, into itself)
    DoorSet,
    Removed,
    NothingToRemove,
    SkippedIfFlag,  // the command before it failed
    SkippedFirst,   // if-flag set on the zone's first command
    AtMax,          // the max-existing count is reached
    BadArgument,    // an argument the server refuses this time (wear position)
    Missing,        // names a record that does not exist: disabled at boot
    Disabled,       // the server disables it from now on (see why)
    WasDisabled,    // disabled in an earlier reset
    NotOpen,        // names a record of a zone that is not open here
    NotReset,       // the zone's reset mode never resets it after boot
};

// Why a command came out as it did: "loaded", "skipped: the command before
// it failed", ... Outcomes with the same reason share one text, as a world's
// resets give tens of thousands of outcomes but a few hundred reasons. Reads
// as the std::string it holds (empty when none).
class SimWhy {
public:
    SimWhy() = default;
    explicit SimWhy(std::shared_ptr<const std::string> text) : text_(std::move(text)) {}
    const std::string& text() const { return text_ ? *text_ : no_text(); }
    operator const std::string&() const { return text(); }
    const char* c_str() const { return text().c_str(); }
    std::string substr(size_t pos, size_t n = std::string::npos) const { return text().substr(pos, n); }
    bool operator==(std::string_view other) const { return text() == other; }

private:
    static const std::string& no_text();
    std::shared_ptr<const std::string> text_;
};

struct CommandOutcome {
    int32_t zone = 0;
    int index = 0;  // position in the zone's command list, from 0
    char command = 0;
    bool done = false;
    SimResult result = SimResult::Loaded;
    SimWhy why;
    int mob = -1;     // the mob made or handed to (a Population id), -1 for none
    int object = -1;  // the object made or removed, -1 for none
};

// True for an outcome that put in place what the command is there for.
bool succeeded(const CommandOutcome& outcome);

struct ResetRecord {
    std::vector<CommandOutcome> commands;  // zone by zone, in the order they ran
    Population population;                 // the world after this reset
};

constexpr int kDefaultResets = 3;

struct SimOptions {
    int resets = kDefaultResets;  // the boot's reset counts as the first
    // The zones are the whole world: a vnum none of them holds does not
    // exist. Otherwise a vnum outside the zones' own ranges is NotOpen.
    bool whole_world = true;
    // Told of every zone reset run; when it asks to stop, the result is empty.
    WorkProgress* progress = nullptr;
    // False: only the last reset's record holds the population (each is a
    // copy of the whole world's); the others' stay empty. Nothing leaves a
    // mob's inventory between resets, so the last holds all they carried.
    bool every_population = true;
};

// `zones` in any order; a vnum two zones hold is the earlier zone's (list
// the open zone first). The resets run in zone-number order. Empty when the
// progress asked to stop.
std::vector<ResetRecord> simulate_resets(const std::vector<const World*>& zones,
                                         const SimOptions& options = {});

// The open zone first, then the other zones of its world folder when they
// are read; with them the simulation runs as the whole world. The pointers
// live as long as the OtherZones the World holds now.
std::vector<const World*> zones_around(const World& open);

// The zone's commands in file order, its closing S left out.
int simulated_command_count(const World& zone);

}  // namespace tarnwick
