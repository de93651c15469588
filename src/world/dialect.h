#pragma once
// The server family member a zone's files are laid out for. Each zone is
// read in the dialect its own files show and written back in it.

#include <string_view>

namespace tarnwick {

enum class Dialect {
    Circle30,  // CircleMUD 3.0: zone header `top lifespan reset_mode`
    Circle31,  // CircleMUD 3.1: zone header `bot top lifespan reset_mode`
    TbaMud,    // tbaMUD: builders line, four-word flags, triggers
};

// Short names, as the command line takes them and the project remembers them.
constexpr std::string_view dialect_key(Dialect d) {
    switch (d) {
    case Dialect::Circle31: return "circle31";
    case Dialect::TbaMud: return "tbamud";
    case Dialect::Circle30: break;
    }
    return "circle30";
}

// Names shown to the builder.
constexpr std::string_view dialect_name(Dialect d) {
    switch (d) {
    case Dialect::Circle31: return "CircleMUD 3.1";
    case Dialect::TbaMud: return "tbaMUD";
    case Dialect::Circle30: break;
    }
    return "CircleMUD 3.0";
}

// False when `key` names no dialect; `out` is then left alone.
constexpr bool dialect_from_key(std::string_view key, Dialect& out) {
    for (Dialect d : {Dialect::Circle30, Dialect::Circle31, Dialect::TbaMud}) {
        if (dialect_key(d) == key) {
            out = d;
            return true;
        }
    }
    return false;
}

}  // namespace tarnwick
