#pragma once
// Every name table built into the program: object types with the values
// table (object_types.h) and the liquid, weapon type and spell lists
// (name_number_lists.h). The nine list files are in lookup_lists.h.

#include "world/name_number_lists.h"
#include "world/object_types.h"
