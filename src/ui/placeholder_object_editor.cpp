// Stand-in until the real window exists.
#include "ui/editor_factory.h"
#include "ui/placeholder_editor.h"

namespace tarnwick::ui {

EditorWindow* create_object_editor(AppContext& context, QWidget* parent) {
    return new PlaceholderEditor(context, QString::fromUtf8("Object Edition"), parent);
}

}  // namespace tarnwick::ui
