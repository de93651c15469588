#include "analysis/script_commands.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "world/trigger_record.h"

namespace tarnwick {

namespace {

// dg_scripts.c, script_driver: the words it runs itself after substitution.
constexpr const char* kEngine[] = {"eval",    "nop",    "extract", "dg_letter", "makeuid",
                                   "halt",    "dg_cast", "dg_affect", "global",  "context",
                                   "remote",  "rdelete", "return",  "set",       "unset",
                                   "wait",    "attach", "detach"};

// interpreter.c, mob_script_commands.
constexpr const char* kMob[] = {"masound",  "mkill",     "mjunk",   "mdamage",     "mdoor",
                                "mecho",    "mrecho",    "mechoaround", "msend",   "mload",
                                "mpurge",   "mgoto",     "mat",     "mteleport",   "mforce",
                                "mhunt",    "mremember", "mforget", "mtransform",  "mzoneecho",
                                "mfollow",  "mlog"};

// dg_objcmd.c, obj_cmd_info.
constexpr const char* kObject[] = {"oasound", "oat",      "odoor",   "odamage", "oecho",
                                   "oechoaround", "oforce", "oload", "opurge",  "orecho",
                                   "osend",   "osetval",  "oteleport", "otimer", "otransform",
                                   "ozoneecho", "omove",  "olog"};

// dg_wldcmd.c, wld_cmd_info.
constexpr const char* kRoom[] = {"wasound",   "wdoor",  "wecho",    "wechoaround", "wforce",
                                 "wload",     "wpurge", "wrecho",   "wsend",       "wteleport",
                                 "wzoneecho", "wdamage", "wat",     "wmove",       "wlog"};

// interpreter.c, cmd_info: every command below LVL_IMMORT, in table order.
constexpr const char* kMortal[] = {
    "north", "east", "south", "west", "up", "down", "northwest", "nw", "northeast", "ne",
    "southeast", "se", "southwest", "sw", "alias", "afk", "areas", "assist", "ask", "astat",
    "auction", "autoexits", "autoassist", "autodoor", "autogold", "autokey", "autoloot", "automap",
    "autosac", "autosplit", "backstab", "bandage", "balance", "bash", "brief", "buy", "bug",
    "cast", "check", "close", "clear", "cls", "consider", "commands", "compact", "credits",
    "deposit", "diagnose", "display", "donate", "drink", "drop", "eat", "emote", ":", "enter",
    "equipment", "exits", "examine", "fill", "flee", "follow", "get", "gemote", "give", "gold",
    "gossip", "group", "grab", "grats", "gsay", "gtell", "help", "happyhour", "hide", "hindex",
    "history", "hit", "hold", "holler", "house", "inventory", "identify", "idea", "immlist",
    "info", "junk", "kill", "kick", "look", "leave", "levels", "list", "lock", "motd", "mail",
    "map", "news", "noauction", "nogossip", "nograts", "norepeat", "noshout", "nosummon", "notell",
    "open", "order", "offer", "put", "pick", "practice", "page", "policy", "pour", "prompt",
    "prefedit", "quaff", "quest", "qui", "quit", "qsay", "reply", "rest", "read", "recite",
    "receive", "remove", "rent", "report", "rescue", "return", "sacrifice", "say", "score", "scan",
    "sit", "'", "save", "sell", "shout", "sip", "sleep", "sneak", "socials", "split", "stand",
    "steal", "tell", "take", "taste", "title", "time", "toggle", "track", "typo", "unlock",
    "unfollow", "use", "value", "version", "visible", "wake", "wear", "weather", "who", "whois",
    "whoami", "where", "whirlwind", "whisper", "wield", "withdraw", "wizlist", "write",
};

// lib/misc/socials.new: every social below LVL_IMMORT, in file order.
constexpr const char* kSocials[] = {
    "...", "abc", "abrac", "accuse", "ack", "adieu", "admire", "adoring", "agree", "ahem", "aim",
    "amused", "apologize", "applaud", "arch", "argh", "armcross", "arrest", "avsalute", "aww",
    "babble", "backclap", "bark", "bat", "batman", "battlecry", "beam", "bearhug", "beckon",
    "beer", "beg", "behind", "belch", "bite", "blah", "blame", "bleed", "blink", "bloob", "blue",
    "blush", "bounce", "boast", "boggle", "boink", "bonk", "boo", "booger", "bop", "bored", "bow",
    "box", "brag", "brb", "breathe", "burn", "burp", "buzz", "cackle", "cake", "calm", "caress",
    "carrot", "cartwheel", "challenge", "channel", "charge", "charm", "cheers", "chitter", "choke",
    "chortle", "christmas", "chuckles", "clap", "clobber", "coffee", "cold", "collapse", "comfort",
    "comb", "confuse", "conga", "conga2", "console", "contemplate", "cough", "cower", "cradle",
    "crazed", "crazy", "creep", "cringe", "criticize", "croon", "crossfinger", "crushed", "cry",
    "crylaugh", "cuddle", "curious", "curl", "curse", "curtsey", "custard", "dance", "dark",
    "daydream", "dbc", "dead", "deaf", "defib", "despair", "despine", "differ", "disapprove",
    "discombob", "disturbed", "dive", "doh", "doodle", "dread", "drool", "drumroll", "duck", "duh",
    "earlick", "eek", "eep", "ego", "egrin", "elephantma", "embrace", "enthuse", "envy", "evileye",
    "eww", "excuse", "eye", "eyebrow", "eyeroll", "facegrab", "facepalm", "fade", "faint", "fall",
    "fan", "fart", "fish", "flail", "flame", "flare", "flash", "flex", "flick", "flinch", "flip",
    "flirt", "floor", "flop", "flutter", "foam", "fondle", "foot", "forgive", "french", "froth",
    "frown", "fume", "furrow", "fuss", "fwap", "gag", "gasp", "gaze", "ghug", "gibber", "giggle",
    "glare", "gleam", "goodbye", "goose", "greed", "greet", "grimace", "grin", "groan", "grope",
    "grovel", "growl", "grumbles", "grunts", "haircut", "halo", "handraise", "handshake", "happy",
    "hate", "headache", "heh", "hiccup", "highfive", "hiss", "hmmmmm", "honey", "hop", "hotfoot",
    "howl", "hrmph", "hug", "huggle", "hula", "hum", "humans", "hush", "hustle", "huzzah",
    "hysterical", "ignore", "innocent", "insane", "insomnia", "jaw", "jeer", "jest", "job", "jog",
    "joint", "joke", "juggle", "kiss", "kneel", "knight", "knuckle", "lala", "lame", "laughs",
    "lean", "licks", "listen", "lofr", "lol", "lost", "love", "lust", "lag", "mace", "madgiggle",
    "makeout", "massage", "meds", "meep", "meow", "mic", "moan", "mock", "model", "modest", "moo",
    "mooch", "moon", "mosh", "muahaha", "muffle", "mumble", "muss", "mutter", "nailfile", "needle",
    "newidea", "nibble", "night", "nods", "nodrugs", "nono", "noogie", "nudge", "nuzzle", "nyuk",
    "ogle", "oh", "ok", "orcs", "ouch", "pat", "pace", "panic", "pant", "peck", "peer", "perspire",
    "pet", "phew", "phlegm", "picknose", "pie", "pillow", "pindrop", "pinch", "pity", "point",
    "poke", "ponder", "pooh", "pop", "pose", "postal", "pounce", "pound", "pout", "pray", "pride",
    "propose", "prozac", "puke", "pull", "pulse", "puppyeyes", "purr", "pushup", "puzzle",
    "quiver", "rainbow", "raise", "raspberry", "rebuke", "reconnect", "relax", "relief", "ren",
    "revolve", "roar", "rofl", "roll", "romp", "rose", "ruffle", "run", "sad", "sage", "salute",
    "scab", "scold", "scout", "scratch", "scream", "scuffle", "secret", "seduce", "sex", "shake",
    "shame", "sheathe", "shh", "shiskabob", "shivers", "shock", "shootout", "shrugs", "shudder",
    "shy", "sidle", "sigh", "sing", "skip", "slap", "slippers", "slouch", "slump", "smile",
    "smack", "smash", "smirks", "smite", "smoke", "smooch", "smug", "snap", "snarl", "sneer",
    "sneeze", "snicker", "sniff", "snigger", "snog", "snoopy", "snore", "snort", "snowball",
    "snuggle", "sob", "sorry", "spank", "spew", "spin", "spit", "splash", "spongebath", "spork",
    "squeak", "squeal", "squeeze", "stare", "steam", "stomp", "stone", "strangle", "stretch",
    "stroke", "strut", "suckit-up", "sue", "sulk", "sundance", "sunset", "sunshade", "swat",
    "sways", "swear", "sweat", "sweetsmile", "swoon", "sword", "tackle", "tada", "tag", "tango",
    "tantrum", "tap", "tapdance", "target", "taunt", "tease", "testsocial", "thanks", "think",
    "threaten", "thumbsup", "thwap", "tickle", "tie", "tip", "titter", "toast", "tongue", "touch",
    "trance", "tsk", "tuck", "tug", "tummy", "tweak", "twiddle", "twitch", "type", "understand",
    "unsheathe", "vampire", "vice", "waggle", "wait", "wakka", "waltz", "warscream", "waves", "wb",
    "wedgie", "weep", "welcome", "whack", "whimper", "whine", "whip", "whistle", "whoo", "wiggle",
    "wince", "winks", "wipe", "women", "wonder", "worry", "worship", "wrong", "yawn", "yayfor",
    "yes", "yodel", "zaps", "zip",
};

// dg_variables.c, find_replacement: the command variables and what each
// stands for in a mobile's, an object's and a room's script. There is no
// wtransform nor mmove: the server puts an echo there.
struct CommandVariable {
    const char* name;
    const char* as[3];
};
constexpr CommandVariable kCommandVariables[] = {
    {"door", {"mdoor", "odoor", "wdoor"}},
    {"force", {"mforce", "oforce", "wforce"}},
    {"load", {"mload", "oload", "wload"}},
    {"purge", {"mpurge", "opurge", "wpurge"}},
    {"teleport", {"mteleport", "oteleport", "wteleport"}},
    {"damage", {"mdamage", "odamage", "wdamage"}},
    {"send", {"msend", "osend", "wsend"}},
    {"echo", {"mecho", "oecho", "wecho"}},
    {"echoaround", {"mechoaround", "oechoaround", "wechoaround"}},
    {"zoneecho", {"mzoneecho", "ozoneecho", "wzoneecho"}},
    {"asound", {"masound", "oasound", "wasound"}},
    {"at", {"mat", "oat", "wat"}},
    {"transform", {"mtransform", "otransform", "wecho"}},
    {"recho", {"mrecho", "orecho", "wrecho"}},
    {"move", {"mecho", "omove", "wmove"}},
    {"log", {"mlog", "olog", "wlog"}},
};
constexpr const char* kCommandVariableNames[] = {
    "door", "force",      "load",     "purge",  "teleport", "damage", "send", "echo",
    "echoaround", "zoneecho", "asound", "at", "transform", "recho", "move", "log"};

bool abbreviates(std::string_view word, std::string_view command) {
    return !word.empty() && word.size() <= command.size() &&
           std::char_traits<char>::compare(command.data(), word.data(), word.size()) == 0;
}

std::string first_abbreviated(std::span<const char* const> table, std::string_view word) {
    if (word.empty()) return {};
    for (const char* c : table)
        if (c[0] == word[0] && abbreviates(word, c)) return c;
    return {};
}

bool valid_attach(int attach) { return attach >= kAttachMobile && attach <= kAttachRoom; }

}  // namespace

std::span<const char* const> script_engine_commands() { return kEngine; }
std::span<const char* const> mob_script_commands() { return kMob; }
std::span<const char* const> object_script_commands() { return kObject; }
std::span<const char* const> room_script_commands() { return kRoom; }
std::span<const char* const> mortal_game_commands() { return kMortal; }
std::span<const char* const> stock_socials() { return kSocials; }
std::span<const char* const> command_variable_names() { return kCommandVariableNames; }

bool is_script_engine_command(std::string_view word) {
    // Every engine word is at least three letters and at most nine.
    if (word.size() < 3 || word.size() > 9) return false;
    return std::find(std::begin(kEngine), std::end(kEngine), word) != std::end(kEngine);
}

std::string script_command_for(int attach_type, std::string_view word) {
    switch (attach_type) {
    case kAttachMobile:
        // Every mobile command starts with 'm'.
        if (word.empty() || word[0] != 'm') return {};
        for (const char* c : kMob)
            if (word == c) return c;
        return {};
    case kAttachObject: return first_abbreviated(kObject, word);
    case kAttachRoom: return first_abbreviated(kRoom, word);
    default: return {};
    }
}

std::string mob_game_command(std::string_view word) {
    if (word.empty()) return {};
    // interpreter.c: a line not starting with a letter is that one character's command.
    if (!std::isalpha(static_cast<unsigned char>(word[0]))) word = word.substr(0, 1);
    // Whether any command or social starts with the word: the first name
    // not below it in sorted order does, if any does. Then the one the
    // server takes: real commands before socials, each in table order.
    static const std::vector<std::string_view> sorted = [] {
        std::vector<std::string_view> all(std::begin(kMortal), std::end(kMortal));
        all.insert(all.end(), std::begin(kSocials), std::end(kSocials));
        std::sort(all.begin(), all.end());
        return all;
    }();
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), word);
    if (at == sorted.end() || !abbreviates(word, *at)) return {};
    std::string found = first_abbreviated(kMortal, word);
    return found.empty() ? first_abbreviated(kSocials, word) : found;
}

std::string command_variable(int attach_type, std::string_view name) {
    if (!valid_attach(attach_type)) return {};
    for (const auto& v : kCommandVariables)
        if (name == v.name) return v.as[attach_type];
    return {};
}

bool command_variable_echoes(int attach_type, std::string_view name) {
    return (attach_type == kAttachRoom && name == "transform") ||
           (attach_type == kAttachMobile && name == "move");
}

}  // namespace tarnwick
