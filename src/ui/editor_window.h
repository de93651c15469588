#pragma once
// The base of every editor window: a dialog that shows one record at a time
// and settles its pending edits when the record lists ask. It is a window of
// its own to the desktop, not a dialog of the main window: it does not stay
// above the main window and minimises by itself.

#include <QDialog>
#include <QTabWidget>
#include <string>

#include "editors/record_editor.h"

namespace tarnwick::ui {

class AppContext;

class EditorWindow : public QDialog, public RecordEditor {
    Q_OBJECT
public:
    EditorWindow(AppContext& context, QWidget* parent)
        : QDialog(parent, Qt::Window), context_(context) {}

    // Called when the lookup lists were loaded, to fill lists and check lists.
    virtual void lists_loaded() {}
    // Called after the preferences were applied, for fonts and field states.
    virtual void preferences_applied() {}
    // Puts the focus on a field of the record shown, named as the zone
    // checker names fields ("exit.north", "keeper"...); unknown names focus
    // the window alone.
    virtual void focus_field(const std::string& field) { (void)field; }

signals:
    // The window now shows record `index` (-1: none); its list selects it.
    void recordShown(int index);

protected:
    // A different record opens on the first page, where its name is; the
    // same record shown again (after Apply) stays on the page in use.
    void first_page_for_new_record(int before) {
        if (current_index() == before) return;
        if (auto* pages = findChild<QTabWidget*>(QStringLiteral("PageControl1")))
            pages->setCurrentIndex(0);
    }

    AppContext& context_;
};

}  // namespace tarnwick::ui
