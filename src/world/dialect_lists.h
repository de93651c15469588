#pragma once
// The lookup lists of every dialect. A list folder holds the CircleMUD 3.0
// set itself and complete sets for CircleMUD 3.1 and tbaMUD in its circle31/
// and tbamud/ folders (tbaMUD's adds zoneflags.txt). Each set names its own
// server's constants, so a list edited for one dialect never changes what a
// zone of another shows.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "world/dialect.h"
#include "world/lookup_lists.h"

namespace tarnwick {

class Messages;

struct DialectLists {
    LookupLists circle30, circle31, tbamud;
    const LookupLists& of(Dialect d) const;
};

// Which set shows a zone of each dialect: one set for all (as a program or
// test that reads one set has it), or each dialect its own. Holds pointers:
// the sets must outlive it.
class ListsByDialect {
public:
    ListsByDialect(const LookupLists& one) : sets_{&one, &one, &one} {}
    ListsByDialect(const DialectLists& all)
        : sets_{&all.circle30, &all.circle31, &all.tbamud} {}
    const LookupLists& of(Dialect d) const;

private:
    std::array<const LookupLists*, 3> sets_;
};

// The folder below a list folder that holds the set of `d`: "" for
// CircleMUD 3.0, whose files lie in the list folder itself.
std::string_view list_subfolder(Dialect d);

// The list files of the set of `d`, in reading order: the nine of
// load_lookup_lists, then zoneflags.txt for tbaMUD.
std::vector<std::string> list_file_names(Dialect d);

// Reads the set of `d` as load_lookup_lists reads the 3.0 set, each file
// from the dialect's folder below the first of `folders` that has it. A
// missing file is shown with its folder ("Cannot open file
// tbamud/roomflags.txt") and stops the reading of that set. Every list of
// a dialect that has no such file (zone flags outside tbaMUD) stays empty.
bool load_lookup_lists(LookupLists& lists, Dialect d, const std::vector<std::string>& folders,
                       Messages& messages);

// Reads all three sets; a set that fails shows its message and leaves the
// others alone. True when every set was read whole.
bool load_dialect_lists(DialectLists& sets, const std::vector<std::string>& folders,
                        Messages& messages);

}  // namespace tarnwick
