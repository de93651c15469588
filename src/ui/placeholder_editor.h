#pragma once
// A stand-in editor window used until the real editor of a record type exists.

#include <QLabel>
#include <QVBoxLayout>

#include "ui/editor_window.h"

namespace tarnwick::ui {

class PlaceholderEditor : public EditorWindow {
public:
    PlaceholderEditor(AppContext& context, const QString& title, QWidget* parent)
        : EditorWindow(context, parent) {
        setWindowTitle(title);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(tr("This editor is not available yet."), this));
    }
    void select_record(int index) override { index_ = index; }
    int current_index() const override { return index_; }
    void apply_pending() override {}
    void discard_pending() override { index_ = -1; }

private:
    int index_ = -1;
};

}  // namespace tarnwick::ui
