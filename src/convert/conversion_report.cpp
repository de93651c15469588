#include "convert/conversion_report.h"

#include <algorithm>

namespace tarnwick {

void ConversionReport::change(std::string record, std::string field, std::string text) {
    notes.push_back({std::move(record), std::move(field), std::move(text), false});
}

void ConversionReport::loss(std::string record, std::string field, std::string text) {
    notes.push_back({std::move(record), std::move(field), std::move(text), true});
}

bool ConversionReport::has_losses() const {
    return std::any_of(notes.begin(), notes.end(), [](const ConversionNote& n) { return n.loss; });
}

int ConversionReport::loss_count() const {
    return int(
        std::count_if(notes.begin(), notes.end(), [](const ConversionNote& n) { return n.loss; }));
}

std::vector<std::string> ConversionReport::lines(bool losses_only) const {
    std::vector<std::string> out;
    for (const ConversionNote& n : notes)
        if (n.loss || !losses_only) out.push_back(n.record + ": " + n.field + ": " + n.text);
    return out;
}

std::string ConversionReport::text() const {
    std::string out = "Converted from " + std::string(dialect_name(from)) + " to " +
                      std::string(dialect_name(to)) + ": " + std::to_string(notes.size()) +
                      " change(s)";
    const int losses = loss_count();
    out += losses ? ", " + std::to_string(losses) + " of them value(s) " +
                        std::string(dialect_name(to)) + " cannot hold\n"
                  : "\n";
    if (left_out)
        out += "The zone cannot be held by " + std::string(dialect_name(to)) + ": not written\n";
    if (losses) {
        out += "\nCannot be held by " + std::string(dialect_name(to)) + " (dropped or replaced):\n";
        for (const std::string& line : lines(true)) out += "  " + line + "\n";
    }
    if (int(notes.size()) > losses) {
        out += "\nChanged so that " + std::string(dialect_name(to)) + " reads the same values:\n";
        for (const ConversionNote& n : notes)
            if (!n.loss) out += "  " + n.record + ": " + n.field + ": " + n.text + "\n";
    }
    return out;
}

std::string room_label(int32_t vnum) {
    return "room " + std::to_string(vnum);
}
std::string mob_label(int32_t vnum) {
    return "mobile " + std::to_string(vnum);
}
std::string object_label(int32_t vnum) {
    return "object " + std::to_string(vnum);
}
std::string shop_label(int32_t vnum) {
    return "shop " + std::to_string(vnum);
}
std::string zone_label(int32_t number) {
    return "zone " + std::to_string(number);
}

}  // namespace tarnwick
