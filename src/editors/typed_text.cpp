#include "editors/typed_text.h"

#include "world/messages.h"
#include "world/text_limits.h"

namespace tarnwick {

std::string with_lf_line_ends(std::string text) {
    size_t out = 0;
    for (size_t in = 0; in < text.size(); ++in)
        if (!(text[in] == '\r' && in + 1 < text.size() && text[in + 1] == '\n')) text[out++] = text[in];
    text.resize(out);
    return text;
}

std::string with_final_line_break(std::string typed, TextKind kind) {
    if (kind == TextKind::description && !typed.empty() && typed.back() != '\n') typed += '\n';
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
    std::string lf = with_lf_line_ends(typed);
    if (lf == with_lf_line_ends(stored)) return true;
    std::string text = with_final_line_break(std::move(lf), kind);
    if (!text_fits(text, field, messages)) return false;
    stored = std::move(text);
    return true;
}

}  // namespace tarnwick
