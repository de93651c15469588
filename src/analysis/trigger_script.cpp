#include "analysis/trigger_script.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "analysis/script_commands.h"
#include "world/room_exits.h"
#include "world/trigger_record.h"
#include "world/trigger_types.h"

namespace tarnwick {

namespace {

// The server's isspace() in the C locale and its LOWER(): ASCII alone.
bool blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; }

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = lower(c);
    return out;
}

// The engine's strn_cmp(word, line, strlen(word)): the line starts with
// `word`, case aside.
bool starts(std::string_view line, std::string_view word) {
    if (line.size() < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (lower(line[i]) != lower(word[i])) return false;
    return true;
}

std::string_view after_blanks(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && blank(line[i])) ++i;
    return line.substr(i);
}

bool all_digits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool has_variable(std::string_view s) { return s.find('%') != std::string_view::npos; }

// The next word of `rest` (lower case), taking `rest` past it; as the
// server's one_argument, the fill words are skipped when `fill` is set.
std::string next_word(std::string_view& rest, bool fill = true) {
    static const char* const kFill[] = {"in", "from", "with", "the", "on", "at", "to"};
    for (;;) {
        rest = after_blanks(rest);
        size_t end = 0;
        while (end < rest.size() && !blank(rest[end])) ++end;
        std::string word = lowered(rest.substr(0, end));
        rest = rest.substr(end);
        if (!fill || word.empty() ||
            std::find(std::begin(kFill), std::end(kFill), word) == std::end(kFill))
            return word;
    }
}

// A variable of a line: [start, end) with the '%'s, open when the line
// ends before its closing '%'.
struct Variable {
    size_t start = 0, end = 0;
    bool open = false;
    std::string_view inner(std::string_view line) const {
        const size_t from = start + 1, to = open ? end : end - 1;
        return line.substr(from, to > from ? to - from : 0);
    }
};

// Finds the variables as the server's var_subst does: "%%" is a '%', a
// variable's name ends at '%' or at the '.' that starts its fields, and a
// field's '(' ... ')' may hold '%'s of its own.
std::vector<Variable> variables_of(std::string_view line) {
    std::vector<Variable> out;
    const size_t n = line.size();
    size_t i = 0;
    while (i < n) {
        const size_t pct = line.find('%', i);
        if (pct == std::string_view::npos) break;
        if (pct + 1 < n && line[pct + 1] == '%') {
            i = pct + 2;
            continue;
        }
        size_t j = pct + 1;
        while (j < n && line[j] != '%' && line[j] != '.') ++j;
        if (j < n && line[j] == '.') {
            ++j;
            int parens = 0, dots = 0;
            for (; j < n && (line[j] != '%' || parens > 0 || dots > 0); ++j) {
                if (dots > 0) dots = 0;  // the server looks the field up here and skips the letter
                else if (line[j] == '(') ++parens;
                else if (line[j] == ')') --parens;
                else if (parens == 0 && line[j] == '.') ++dots;
            }
        }
        if (j >= n) {
            out.push_back({pct, n, true});
            break;
        }
        out.push_back({pct, j + 1, false});
        i = j + 1;
    }
    return out;
}

const char* kind_word(ScriptLineKind k) {
    switch (k) {
    case ScriptLineKind::If: return "if";
    case ScriptLineKind::ElseIf: return "elseif";
    case ScriptLineKind::Else: return "else";
    case ScriptLineKind::End: return "end";
    case ScriptLineKind::While: return "while";
    case ScriptLineKind::Switch: return "switch";
    case ScriptLineKind::Case: return "case";
    case ScriptLineKind::Default: return "default";
    case ScriptLineKind::Break: return "break";
    case ScriptLineKind::Done: return "done";
    default: return "";
    }
}

// The block word a line starts with, whole ("endif"), for its colour.
size_t first_word_length(std::string_view text) {
    size_t end = 0;
    while (end < text.size() && !blank(text[end])) ++end;
    return end;
}

const char* attach_noun(int attach) {
    switch (attach) {
    case kAttachMobile: return "mobile";
    case kAttachObject: return "object";
    case kAttachRoom: return "room";
    default: return "unknown";
    }
}

const char* a_noun(int attach) { return attach == kAttachObject ? "an object" : attach == kAttachMobile ? "a mobile" : "a room"; }

const char* command_prefix(int attach) {
    switch (attach) {
    case kAttachMobile: return "m";
    case kAttachObject: return "o";
    default: return "w";
    }
}

// ---- Blocks

struct Frame {
    ScriptLineKind kind;
    int line;
    bool had_else = false;
    bool had_case = false;
};

std::string where(const Frame& f) {
    return std::string("the '") + kind_word(f.kind) + "' of line " + std::to_string(f.line);
}

bool is_loop(const Frame& f) {
    return f.kind == ScriptLineKind::While || f.kind == ScriptLineKind::Switch;
}

class BlockCheck {
public:
    explicit BlockCheck(std::vector<ScriptIssue>& out) : out_(out) {}

    void line(ScriptLineKind k, int n) {
        switch (k) {
        case ScriptLineKind::If:
        case ScriptLineKind::While:
        case ScriptLineKind::Switch: stack_.push_back({k, n}); break;
        case ScriptLineKind::ElseIf:
        case ScriptLineKind::Else: else_line(k, n); break;
        case ScriptLineKind::End: close(n, false); break;
        case ScriptLineKind::Done: close(n, true); break;
        case ScriptLineKind::Case:
        case ScriptLineKind::Default: case_line(k, n); break;
        case ScriptLineKind::Break:
            if (std::none_of(stack_.begin(), stack_.end(), is_loop))
                add(n, "'break' outside a while or switch: the server jumps to the next 'done' or "
                       "ends the script");
            break;
        case ScriptLineKind::Command:
            if (!stack_.empty() && stack_.back().kind == ScriptLineKind::Switch &&
                !stack_.back().had_case)
                add(n, "this line never runs: a switch goes straight to its matching case",
                    Severity::Warning);
            break;
        default: break;
        }
    }

    void finish() {
        for (const Frame& f : stack_)
            add(f.line, std::string("'") + kind_word(f.kind) + "' without " +
                            (f.kind == ScriptLineKind::If ? "'end'" : "'done'") +
                            ": the server runs on to the script's last line");
        stack_.clear();
    }

private:
    void add(int n, std::string message, Severity s = Severity::Error) {
        out_.push_back({s, n, std::move(message), "script-block"});
    }

    int innermost(bool loop) const {
        for (int i = int(stack_.size()) - 1; i >= 0; --i)
            if (is_loop(stack_[size_t(i)]) == loop) return i;
        return -1;
    }

    void else_line(ScriptLineKind k, int n) {
        const std::string word = kind_word(k);
        const int at = innermost(false);
        if (at < 0) {
            add(n, "'" + word + "' without an 'if': the server logs it and skips the line");
            return;
        }
        if (at != int(stack_.size()) - 1) {
            add(n, "'" + word + "' inside " + where(stack_.back()) + ", which has no 'done' before it");
            return;
        }
        Frame& f = stack_.back();
        if (f.had_else)
            add(n, "'" + word + "' after the 'else' of the same 'if' never runs");
        if (k == ScriptLineKind::Else) f.had_else = true;
    }

    void close(int n, bool done) {
        const char* word = done ? "'done'" : "'end'";
        const int at = innermost(done);
        if (at < 0) {
            add(n, std::string(word) + (done ? " without a 'while' or 'switch'" : " without an 'if'") +
                       ": the server logs it and skips the line");
            return;
        }
        for (size_t i = size_t(at) + 1; i < stack_.size(); ++i)
            add(n, std::string(word) + " closes " + where(stack_[size_t(at)]) + ", but " +
                       where(stack_[i]) + " inside it is still open");
        stack_.resize(size_t(at));
    }

    void case_line(ScriptLineKind k, int n) {
        const std::string word = kind_word(k);
        const int at = innermost(true);
        if (at < 0 || stack_[size_t(at)].kind != ScriptLineKind::Switch) {
            add(n, "'" + word + "' outside a switch");
            return;
        }
        if (at != int(stack_.size()) - 1) {
            add(n, "'" + word + "' inside " + where(stack_.back()) +
                       ": the switch jumps into that block");
            return;
        }
        stack_.back().had_case = true;
    }

    std::vector<ScriptIssue>& out_;
    std::vector<Frame> stack_;
};

// ---- Commands

class ScriptCheck {
public:
    ScriptCheck(const trig_data& t, const std::vector<std::string>& words, ScriptReport& out)
        : trig_(t), attach_(t.attach_type), words_(words), out_(out) {}

    void run() {
        const auto lines = script_lines(trig_.script);
        collect_locals(lines);
        BlockCheck blocks(out_.issues);
        for (size_t i = 0; i < lines.size(); ++i) {
            const int n = int(i) + 1;
            const std::string_view text = after_blanks(lines[i]);
            const ScriptLineKind kind = script_line_kind(lines[i]);
            // A bare "elseif" is an else, as meant; one with its condition
            // glued on loses the condition.
            if (kind == ScriptLineKind::Else && starts(text, "elseif") &&
                text.find_first_not_of(" \t", 6) != std::string_view::npos)
                issue(Severity::Error, n,
                      "'elseif' without a blank after it is an 'else' to the server: its condition "
                      "is never asked",
                      "script-block");
            blocks.line(kind, n);
            if (kind == ScriptLineKind::Blank || kind == ScriptLineKind::Comment) continue;
            check_variables(text, n);
            if (kind == ScriptLineKind::Command) command(text, n);
        }
        blocks.finish();
        check_arguments();
    }

private:
    void issue(Severity s, int line, std::string message, const char* check) {
        out_.issues.push_back({s, line, std::move(message), check});
    }
    void ref(ScriptTarget target, std::string_view number, int line, std::string command) {
        if (!all_digits(number) || number.size() > 9) return;
        out_.references.push_back({target, int32_t(std::stol(std::string(number))), line,
                                   std::move(command)});
    }

    // Names the script sets itself, which hide a command variable of that name.
    void collect_locals(const std::vector<std::string_view>& lines) {
        for (std::string_view l : lines) {
            std::string_view rest = after_blanks(l);
            for (const char* word : {"set ", "eval ", "makeuid ", "extract ", "dg_letter "})
                if (starts(rest, word)) {
                    rest.remove_prefix(std::string_view(word).size());
                    locals_.insert(next_word(rest, false));
                    break;
                }
        }
    }

    void check_variables(std::string_view text, int n) {
        for (const Variable& v : variables_of(text)) {
            if (v.open)
                issue(Severity::Warning, n,
                      "'%" + std::string(v.inner(text)) +
                          "' is left open: the server takes the rest of the line for a variable's name",
                      "script-variable");
            else
                field_references(v.inner(text), n);
        }
    }

    // Vnums inside variables: %self.inventory(N)%, %actor.has_item(N)%,
    // %findmob.ROOM(MOB)%, %findobj.ROOM(OBJ)%.
    void field_references(std::string_view inner, int n) {
        if (inner.find('(') == std::string_view::npos) return;  // each form has its vnum in ()
        auto in_parens = [](std::string_view s, size_t open) -> std::string_view {
            const size_t close = s.find(')', open);
            if (open == std::string_view::npos || close == std::string_view::npos) return {};
            return s.substr(open + 1, close - open - 1);
        };
        const std::string low = lowered(inner);
        for (const char* field : {".inventory(", ".has_item("}) {
            for (size_t at = low.find(field); at != std::string::npos; at = low.find(field, at + 1)) {
                const size_t open = at + std::string_view(field).size() - 1;
                ref(ScriptTarget::Object, in_parens(inner, open), n,
                    std::string("%...") + std::string(field).substr(0, std::string(field).size() - 1) + "()%");
            }
        }
        for (auto [var, target] : {std::pair{"findmob.", ScriptTarget::Mob},
                                   std::pair{"findobj.", ScriptTarget::Object}}) {
            if (low.rfind(var, 0) != 0) continue;
            const size_t dot = std::string_view(var).size();
            const size_t open = inner.find('(', dot);
            const std::string label = "%" + std::string(var).substr(0, dot - 1) + "%";
            ref(ScriptTarget::Room, inner.substr(dot, open == std::string_view::npos ? inner.npos : open - dot),
                n, label);
            ref(target, in_parens(inner, open), n, label);
        }
    }

    void command(std::string_view text, int n) {
        size_t end = 0;
        while (end < text.size() && !blank(text[end])) ++end;
        const std::string_view token = text.substr(0, end);
        std::string_view rest = text.substr(end);
        std::string shown;  // how the builder wrote the command
        std::string cmd;    // the command the server runs
        if (token.size() > 2 && token.front() == '%' && token.back() == '%' &&
            token.find_first_of("%.(", 1) == token.size() - 1) {
            const std::string name = lowered(token.substr(1, token.size() - 2));
            if (locals_.count(name)) return;
            cmd = command_variable(attach_, name);
            if (cmd.empty()) return;  // a variable whose value the check cannot know
            shown = "%" + name + "%";
            if (command_variable_echoes(attach_, name)) {
                issue(Severity::Warning, n,
                      std::string(a_noun(attach_)) + " has no " + shown +
                          ": the server runs %echo% instead and shows its words to the room",
                      "script-command");
                return;
            }
        } else {
            if (has_variable(token)) return;
            const std::string word = lowered(token);
            if (starts(text, "halt")) return;
            if (is_script_engine_command(word)) {
                if (!rest.empty() && rest.front() == ' ') {
                    engine(word, rest, n);
                    return;
                }
                unknown(word, n,
                        "'" + word + "' without a blank and an argument after it is not the "
                        "script's own '" + word + "'");
                return;
            }
            if (word == "if" || word == "elseif" || word == "while" || word == "switch") {
                issue(Severity::Error, n,
                      "'" + word + "' without a blank and a condition after it is no '" + word +
                          "': the server runs it as a command",
                      "script-block");
                return;
            }
            cmd = script_command_for(attach_, word);
            if (cmd.empty()) {
                if (attach_ == kAttachMobile && (!mob_game_command(word).empty() || command_word(word)))
                    return;
                unknown(word, n, {});
                return;
            }
            shown = cmd;
        }
        arguments(cmd.substr(1), shown, rest, n);
    }

    bool command_word(const std::string& word) const {
        for (const std::string& w : words_)
            if (!w.empty() && w != "*" && starts(word, w)) return true;
        return false;
    }

    void unknown(const std::string& word, int n, std::string why) {
        std::string hint;
        for (int other : {kAttachMobile, kAttachObject, kAttachRoom}) {
            if (other == attach_ || script_command_for(other, word).empty()) continue;
            const std::string own = command_prefix(attach_) + word.substr(1);
            hint = "; '" + word + "' is " + a_noun(other) + " command" +
                   (script_command_for(attach_, own) == own
                        ? ", " + std::string(a_noun(attach_)) + "'s is '" + own + "'"
                        : std::string(", which ") + a_noun(attach_) + " has not");
            break;
        }
        if (attach_ == kAttachMobile) {
            if (why.empty()) why = "'" + word + "' is no command";
            issue(Severity::Warning, n,
                  why + ": the server passes the line to the game, which answers the mobile \"Huh?!\"" + hint,
                  "script-command");
            return;
        }
        if (hint.empty() && why.empty() && !mob_game_command(word).empty())
            hint = std::string("; only a mobile's script runs the game's commands (") +
                   (attach_ == kAttachObject ? "objects" : "rooms") + " use %echo%, %send%, %force%...)";
        if (why.empty()) why = "'" + word + "' is no " + std::string(attach_noun(attach_)) + " command";
        issue(Severity::Error, n,
              why + ": the server logs \"Unknown " + (attach_ == kAttachObject ? "object" : "world") +
                  " cmd\" and does nothing" + hint,
              "script-command");
    }

    void bad(int n, const std::string& message) {
        issue(Severity::Error, n, message, "script-argument");
    }

    void engine(const std::string& word, std::string_view rest, int n) {
        if (word != "attach" && word != "detach") return;
        std::string_view args = rest;
        const std::string vnum = next_word(args);
        if (!has_variable(vnum)) ref(ScriptTarget::Trigger, vnum, n, word);
    }

    // The vnums a command names, and the arguments the server refuses.
    void arguments(const std::string& base, const std::string& shown, std::string_view rest, int n) {
        const bool literal = !has_variable(rest);
        std::string_view args = rest;
        if (base == "load") {
            const std::string type = next_word(args);
            const std::string vnum = next_word(args);
            if (type.empty() || vnum.empty()) {
                if (literal) bad(n, shown + ": bad syntax: it takes 'mob' or 'obj' and a vnum");
                return;
            }
            if (has_variable(type)) return;
            const bool mob = std::string_view("mob").substr(0, type.size()) == type;
            const bool obj = std::string_view("obj").substr(0, type.size()) == type;
            if (!mob && !obj) {
                bad(n, shown + " " + type + ": the server loads only a 'mob' or an 'obj'");
                return;
            }
            if (has_variable(vnum)) return;
            if (!all_digits(vnum)) {
                bad(n, shown + " " + type + " " + vnum + ": the vnum must be a number");
                return;
            }
            ref(mob ? ScriptTarget::Mob : ScriptTarget::Object, vnum, n,
                shown + (mob ? " mob" : " obj"));
        } else if (base == "teleport") {
            next_word(args);
            const std::string room = next_word(args);
            if (room.empty()) {
                if (literal) bad(n, shown + ": bad syntax: it takes whom and a room");
                return;
            }
            if (room.find('.') == std::string::npos) ref(ScriptTarget::Room, room, n, shown);
        } else if (base == "at" || base == "goto") {
            const std::string room = next_word(args, attach_ != kAttachRoom);
            if (room.find('.') == std::string::npos) ref(ScriptTarget::Room, room, n, shown);
        } else if (base == "door") {
            door(shown, args, literal, n);
        } else if (base == "transform") {
            const std::string vnum = next_word(args);
            if (vnum.empty() || has_variable(vnum)) return;
            const std::string_view digits =
                attach_ == kAttachMobile && vnum[0] == '-' ? std::string_view(vnum).substr(1) : vnum;
            if (!all_digits(digits)) {
                bad(n, shown + " " + vnum + ": it takes the vnum to become");
                return;
            }
            ref(attach_ == kAttachMobile ? ScriptTarget::Mob : ScriptTarget::Object, digits, n, shown);
        } else if (base == "zoneecho") {
            const std::string vnum = next_word(args, false);
            if (!has_variable(vnum)) ref(ScriptTarget::Zone, vnum, n, shown);
        }
    }

    void door(const std::string& shown, std::string_view args, bool literal, int n) {
        static const char* const kFields[] = {"purge", "description", "flags", "key", "name", "room"};
        auto first_abbreviated = [](const auto& table, const std::string& word) -> std::string {
            for (const char* entry : table)
                if (std::string_view(entry).substr(0, word.size()) == word) return entry;
            return {};
        };
        const std::string room = next_word(args);
        const std::string direction = next_word(args);
        const std::string field = next_word(args);
        const std::string_view value = after_blanks(args);
        if (field.empty()) {
            if (literal) bad(n, shown + ": too few arguments: it takes a room, a direction and a field");
            return;
        }
        if (!has_variable(room)) ref(ScriptTarget::Room, room, n, shown);
        if (!has_variable(direction) && first_abbreviated(kDirectionWords, direction).empty())
            bad(n, shown + ": '" + direction + "' is no direction");
        if (has_variable(field)) return;
        const std::string f = first_abbreviated(kFields, field);
        if (f.empty()) {
            bad(n, shown + ": '" + field + "' is no door field (purge, description, flags, key, name, room)");
            return;
        }
        std::string_view v = value;
        const std::string number = next_word(v, false);
        if (f == "room" && !has_variable(number)) ref(ScriptTarget::Room, number, n, shown + " room");
        if (f == "key" && !has_variable(number) && number != "0")
            ref(ScriptTarget::Object, number, n, shown + " key");
    }

    // Event triggers that match typed or said words need words to match.
    void check_arguments() {
        const int32_t text_types = trig_.trigger_types & text_argument_types(attach_);
        if (!text_types || !after_blanks(trig_.arglist).empty()) return;
        issue(Severity::Error, 0,
              "a " + trigger_types_text(attach_, text_types) +
                  " trigger with no argument list: the server logs a SYSERR each time it is asked "
                  "and never runs it",
              "trigger-argument");
    }

    const trig_data& trig_;
    int attach_;
    const std::vector<std::string>& words_;
    ScriptReport& out_;
    std::set<std::string> locals_;
};

}  // namespace

std::vector<std::string_view> script_lines(std::string_view script) {
    std::vector<std::string_view> out;
    size_t at = 0;
    while (at < script.size()) {
        size_t end = script.find('\n', at);
        const bool last = end == std::string_view::npos;
        if (last) end = script.size();
        std::string_view line = script.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        at = end + 1;
    }
    return out;
}

ScriptLineKind script_line_kind(std::string_view line) {
    const std::string_view p = after_blanks(line);
    if (p.empty()) return ScriptLineKind::Blank;
    if (p[0] == '*') return ScriptLineKind::Comment;
    // script_driver's order.
    if (starts(p, "if ")) return ScriptLineKind::If;
    if (starts(p, "elseif ")) return ScriptLineKind::ElseIf;
    if (starts(p, "else")) return ScriptLineKind::Else;
    if (starts(p, "while ")) return ScriptLineKind::While;
    if (starts(p, "switch ")) return ScriptLineKind::Switch;
    if (starts(p, "end")) return ScriptLineKind::End;
    if (starts(p, "done")) return ScriptLineKind::Done;
    if (starts(p, "break")) return ScriptLineKind::Break;
    if (starts(p, "case")) return ScriptLineKind::Case;
    // The engine does not run "default" itself, but a switch stops there.
    if (starts(p, "default")) return ScriptLineKind::Default;
    return ScriptLineKind::Command;
}

std::vector<int> script_depths(const std::vector<std::string_view>& lines) {
    struct Open {
        ScriptLineKind kind;
        int depth;
    };
    std::vector<Open> stack;
    auto body = [&] {
        if (stack.empty()) return 0;
        return stack.back().depth + (stack.back().kind == ScriptLineKind::Switch ? 2 : 1);
    };
    auto top_is = [&](ScriptLineKind k) { return !stack.empty() && stack.back().kind == k; };
    std::vector<int> out;
    for (std::string_view line : lines) {
        const ScriptLineKind k = script_line_kind(line);
        int d = body();
        switch (k) {
        case ScriptLineKind::If:
        case ScriptLineKind::While:
        case ScriptLineKind::Switch: stack.push_back({k, d}); break;
        case ScriptLineKind::ElseIf:
        case ScriptLineKind::Else:
            if (top_is(ScriptLineKind::If)) d = stack.back().depth;
            break;
        case ScriptLineKind::End:
            if (top_is(ScriptLineKind::If)) {
                d = stack.back().depth;
                stack.pop_back();
            }
            break;
        case ScriptLineKind::Done:
            if (top_is(ScriptLineKind::While) || top_is(ScriptLineKind::Switch)) {
                d = stack.back().depth;
                stack.pop_back();
            }
            break;
        case ScriptLineKind::Case:
        case ScriptLineKind::Default:
        case ScriptLineKind::Break:
            if (top_is(ScriptLineKind::Switch)) d = stack.back().depth + 1;
            break;
        default: break;
        }
        out.push_back(d);
    }
    return out;
}

std::string indented_line(std::string_view line, int depth) {
    return std::string(size_t(std::max(0, depth) * kScriptIndent), ' ') + std::string(after_blanks(line));
}

std::vector<ScriptToken> script_tokens(std::string_view line, int attach_type) {
    std::vector<ScriptToken> out;
    const size_t lead = line.size() - after_blanks(line).size();
    const std::string_view text = line.substr(lead);
    const ScriptLineKind kind = script_line_kind(line);
    if (kind == ScriptLineKind::Blank) return out;
    if (kind == ScriptLineKind::Comment) {
        out.push_back({lead, text.size(), ScriptTokenKind::Comment});
        return out;
    }
    size_t word = 0;
    while (word < text.size() && !blank(text[word])) ++word;
    if (kind != ScriptLineKind::Command) {
        out.push_back({lead, first_word_length(text), ScriptTokenKind::Keyword});
    } else if (word > 0 && text[0] != '%') {
        const std::string w = lowered(text.substr(0, word));
        const bool own = starts(text, "halt") ||
                         (is_script_engine_command(w) && word < text.size() && text[word] == ' ');
        if (own)
            out.push_back({lead, word, ScriptTokenKind::Keyword});
        else if (!script_command_for(attach_type, w).empty() ||
                 (attach_type == kAttachMobile && !mob_game_command(w).empty()))
            out.push_back({lead, word, ScriptTokenKind::Command});
    }
    for (const Variable& v : variables_of(text)) {
        const std::string name = lowered(v.inner(text));
        const bool command = v.start == 0 && !v.open && v.end == word &&
                             !command_variable(attach_type, name).empty();
        out.push_back({lead + v.start, v.end - v.start,
                       v.open     ? ScriptTokenKind::OpenVariable
                       : command ? ScriptTokenKind::Command
                                 : ScriptTokenKind::Variable});
    }
    return out;
}

ScriptReport check_script(const trig_data& trigger, const std::vector<std::string>& command_words) {
    ScriptReport report;
    if (trigger.attach_type < kAttachMobile || trigger.attach_type > kAttachRoom) return report;
    ScriptCheck(trigger, command_words, report).run();
    return report;
}

std::vector<std::string> command_trigger_words(const std::vector<trig_data>& triggers) {
    std::vector<std::string> out;
    for (const trig_data& t : triggers)
        if (t.trigger_types & kTrigCommand) out.push_back(std::string(after_blanks(t.arglist)));
    return out;
}

}  // namespace tarnwick
