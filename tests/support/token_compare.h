#pragma once
// Compares a saved world file with the file it was read from, token by
// token: the numbers and texts in order, whatever the layout. A reader that
// drops or changes a field on every read passes a read-write-read check but
// not this one.
//
// Ignored: banner and comment lines, runs of blanks and line breaks, CR,
// a byte-order mark; in zone files the comment that follows a command's
// numbers and whatever follows the end of the commands (S or $); in shop
// files the empty list entries 0 and -1, which the writer packs. Taken as
// equal: numbers of the same value ("05", "5"; ".8", "0.80"), bitvectors of
// the same bits ("abd", "11") and a shop's buy type by name or number
// ("WEAPON", "5").

#include <string>

namespace tarnwick::testkit {

// Empty when the two files hold the same tokens; otherwise where they first
// part, with both line numbers and both tokens.
// `format` is the name of the file's format ("room", "zone", "shop", ...).
std::string compare_tokens(const std::string& original, const std::string& saved,
                           const std::string& format);

}  // namespace tarnwick::testkit
