#pragma once
// Brings forward the control of an editor window that holds a found text:
// its tab page made current, the line of a list chosen, the focus given.

#include "analysis/find.h"

class QWidget;

namespace tarnwick::ui {

// `editor` shows the hit's record already. Answers false when the editor has
// no control for the field (the window is then left as it is).
bool focus_found_field(QWidget& editor, const FindHit& hit);

}  // namespace tarnwick::ui
