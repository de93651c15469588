#pragma once
// The events a trigger answers (its trigger_types bits), named as tbaMUD
// names them (constants.c: trig_types, otrig_types, wtrig_types): bit i of a
// trigger of each attach type is entry i of its list. The bits the server
// leaves unused keep their place as "UNUSED...".

#include <cstdint>
#include <span>
#include <string>

namespace tarnwick {

// The names for mobile, object and room triggers (empty for another type).
std::span<const char* const> trigger_type_names(int attach_type);

// The bits every attach type shares, and those only some have.
constexpr int32_t kTrigGlobal = 1 << 0;
constexpr int32_t kTrigRandom = 1 << 1;
constexpr int32_t kTrigCommand = 1 << 2;
constexpr int32_t kTrigSpeech = 1 << 3;  // mobiles and rooms
constexpr int32_t kTrigAct = 1 << 4;     // mobiles

// The events that match the trigger's argument list as words typed or said:
// the server logs a SYSERR each time one of them has an empty list.
int32_t text_argument_types(int attach_type);

// "Greet, Command" for the set bits (a bit the list does not name is
// "bit N").
std::string trigger_types_text(int attach_type, int32_t types);

}  // namespace tarnwick
