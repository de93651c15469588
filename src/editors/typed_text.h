#pragma once
// Taking a typed text into a record: a text the readers or the server would
// refuse is refused here, with a message naming the field, and a description
// the builder changed gets the final line break every stock file has, so the
// next line never runs on in the game. Typed texts are stored with LF line
// ends: the server turns a CR LF inside a text into CR CR LF and sends that
// to the players as it is.

#include <string>
#include <string_view>

namespace tarnwick {

class Messages;

enum class TextKind { one_line, description };

// `text` with every CR LF made LF (a lone CR stays).
std::string with_lf_line_ends(std::string text);

// `typed` with a line break at its end when it is a non-empty description
// without one; one-line texts come back as they are.
std::string with_final_line_break(std::string typed, TextKind kind);

// True when `text` fits; otherwise shows the limit message for `field`.
bool text_fits(std::string_view text, std::string_view field, Messages& messages);

// Stores `typed` into `stored`, with LF line ends, when it fits (false, after
// the message, when it does not; `stored` then keeps its value). A text equal
// to the stored one but for its line ends was not edited: the stored text
// stays exactly as it is, CR LF included where its file had them.
bool store_text(std::string& stored, const std::string& typed, std::string_view field,
                TextKind kind, Messages& messages);

}  // namespace tarnwick
