#include "editors/typed_text.h"

#include "world/messages.h"
#include "world/text_limits.h"

namespace tarnwick {

std::string with_final_line_break(std::string typed, TextKind kind) {
    // The memo fields join their lines with CR LF; the last line ends alike.
    if (kind == TextKind::description && !typed.empty() && typed.back() != '\n') typed += "\r\n";
    return typed;
}

bool text_fits(std::string_view text, std::string_view field, Messages& messages) {
    const TextLimitProblem problem = check_text_limits(text);
    if (!problem) return true;
    messages.show(text_limit_message(field, problem));
    return false;
}

bool store_text(std::string& stored, const std::string& typed, std::string_view field,
                TextKind kind, Messages& messages) {
    if (typed == stored) return true;
    std::string text = with_final_line_break(typed, kind);
    if (!text_fits(text, field, messages)) return false;
    stored = std::move(text);
    return true;
}

}  // namespace tarnwick
