// Stand-in until the real window exists.
#include "ui/editor_factory.h"
#include "ui/placeholder_editor.h"

namespace tarnwick::ui {

EditorWindow* create_mob_editor(AppContext& context, QWidget* parent) {
    return new PlaceholderEditor(context, QString::fromUtf8("Mob Edition"), parent);
}

}  // namespace tarnwick::ui
