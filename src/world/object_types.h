#pragma once
// The built-in object type tables (types 1 to 23) and the values tables
// that say what each of an object's four values means for its type. The
// tables are the dialect's: tbaMUD turns types 6, 7 and 14 (CircleMUD's
// FIREWEAPON, MISSILE and TRAP) into FURNITURE, FREE and FREE2. The
// functions without a dialect give CircleMUD's.

#include <array>
#include <optional>
#include <string>

#include "world/dialect.h"
#include "world/name_number_lists.h"

namespace tarnwick {

inline constexpr int kObjectTypeCount = 23;

struct ObjectTypeInfo {
    int type = 0;
    // The object editor's type list entry: code name, blanks to column 16,
    // description ("LIGHT          Item is a light source.").
    const char* editor_entry = "";
    // The values table's title ("Light source").
    const char* title = "";
};

// Entry k is type k + 1.
const std::array<ObjectTypeInfo, kObjectTypeCount>& object_types();
const std::array<ObjectTypeInfo, kObjectTypeCount>& object_types(Dialect d);
// The entry of `type`; nullopt outside 1 to 23.
std::optional<ObjectTypeInfo> object_type_info(int type);
std::optional<ObjectTypeInfo> object_type_info(int type, Dialect d);

enum class ValueKind {
    None,    // no meaning for the type, no caption
    Number,  // typed as an integer
    List,    // chosen by name from a name-number list; the number is stored
};

struct ValueDescription {
    std::string caption;  // empty: none ("Value 0" .. "Value 3" in the dialog)
    std::string help;     // empty: none
    ValueKind kind = ValueKind::None;
    const NameNumberList* list = nullptr;  // for ValueKind::List
    int list_length = 0;
};

struct ObjectValuesInfo {
    std::string title;
    std::array<ValueDescription, 4> values;
};

// Entry k describes type k + 1.
const std::array<ObjectValuesInfo, kObjectTypeCount>& object_values_table();
const std::array<ObjectValuesInfo, kObjectTypeCount>& object_values_table(Dialect d);
// The entry of `type`; nullptr outside 1 to 23.
const ObjectValuesInfo* object_values_for(int type);
const ObjectValuesInfo* object_values_for(int type, Dialect d);

// The caption the values dialog shows for value v: its own, or "Value v".
std::string value_caption_or_default(const ValueDescription& value, int v);

}  // namespace tarnwick
