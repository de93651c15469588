// Stand-in until the real window exists.
#include "ui/editor_factory.h"
#include "ui/placeholder_editor.h"

namespace tarnwick::ui {

EditorWindow* create_zone_editor(AppContext& context, QWidget* parent) {
    return new PlaceholderEditor(context, QString::fromUtf8("Zone Editor"), parent);
}

}  // namespace tarnwick::ui
