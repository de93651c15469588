#pragma once
// Taking a typed text into a record: a text the readers or the server would
// refuse is refused here, with a message naming the field, and a description
// the builder changed gets the final line break every stock file has, so the
// next line never runs on in the game.

#include <string>
#include <string_view>

namespace tarnwick {

class Messages;

enum class TextKind { one_line, description };

// `typed` with a line break at its end when it is a non-empty description
// without one; one-line texts come back as they are.
std::string with_final_line_break(std::string typed, TextKind kind);

// True when `text` fits; otherwise shows the limit message for `field`.
bool text_fits(std::string_view text, std::string_view field, Messages& messages);

// Stores `typed` into `stored` when it fits (false, after the message, when
// it does not; `stored` then keeps its value). A text equal to the stored one
// is left exactly as it is.
bool store_text(std::string& stored, const std::string& typed, std::string_view field,
                TextKind kind, Messages& messages);

}  // namespace tarnwick
