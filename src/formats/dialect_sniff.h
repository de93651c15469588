#pragma once
// Telling a zone's dialect from its zone file's header, before any of its
// files is read: the readers of the other files depend on it (how a text
// ends, trigger lines).

#include <string>
#include <string_view>

#include "world/dialect.h"

namespace tarnwick {

// The dialect a zone header's third line (after `#N` and the name line)
// shows: three numbers for CircleMUD 3.0, four for 3.1; anything else is
// tbaMUD's zone name (its second line names the builders).
Dialect header_dialect(std::string_view third_line);

// The dialect of a zone file's text; CircleMUD 3.0 for a text too short to
// tell.
Dialect zone_text_dialect(const std::string& text);

// The same for the file at `path`; CircleMUD 3.0 when it cannot be read.
Dialect zone_file_dialect(const std::string& path);

// The dialect of any world file of a zone: its zone file's (DIR/wld/N.wld
// has DIR/zon/N.zon; a file elsewhere, N.zon beside it), else what its own
// first record shows (four-word flag lines, a trigger file), else 3.0.
Dialect world_file_dialect(const std::string& path);

}  // namespace tarnwick
