#include "formats/dialect_lines.h"

#include "world/bitvector.h"
#include "world/scan.h"
#include "world/text_source.h"

namespace tarnwick {

bool parse_flag_words(std::string_view text, size_t& pos, int32_t& first, MoreFlags& more) {
    std::string_view word;
    if (!parse_word(text, pos, word)) return false;
    first = flags_from_text(word);
    for (int32_t& w : more) {
        if (!parse_word(text, pos, word)) return false;
        w = flags_from_text(word);
    }
    return true;
}

void write_flag_word(std::string& out, int32_t bits, FlagForm form) {
    if (form == FlagForm::Numbers) {
        out += std::to_string(bits);
        return;
    }
    flags_to_text(out, bits);
    out.pop_back();  // the blank flags_to_text puts after the letters
}

void write_flag_words(std::string& out, int32_t first, const MoreFlags& more, FlagForm form) {
    write_flag_word(out, first, form);
    for (int32_t w : more) {
        out += ' ';
        write_flag_word(out, w, form);
    }
}

bool no_flags(int32_t first, const MoreFlags& more) {
    return first == 0 && more[0] == 0 && more[1] == 0 && more[2] == 0;
}

bool parse_trigger_line(std::string_view line, int32_t& vnum) {
    if (line.empty() || line[0] != 'T') return false;
    size_t pos = 1;
    return parse_int32(line, pos, vnum);
}

bool read_trigger_lines(TextSource& in, TriggerList& out) {
    while (in.peek_letter() == 'T') {
        std::string_view line;
        in.read_line(line);
        int32_t vnum = 0;
        if (!parse_trigger_line(line, vnum)) return false;
        out.push_back(vnum);
    }
    return true;
}

void write_trigger_lines(std::string& out, const TriggerList& triggers) {
    for (int32_t vnum : triggers) {
        out += "T ";
        out += std::to_string(vnum);
        out += '\n';
    }
}

}  // namespace tarnwick
