#pragma once
// The trigger list of a record editor: the vnums and names of the triggers
// attached to the record shown, with Add (chooses one of the zone's
// triggers for that kind of record, or takes a typed vnum for another
// zone's), Remove and Move up / Move down. It edits the editor's pending TriggerAttachments and says
// so through `edited`; the editor stores the list with its other fields.

#include <QGroupBox>

namespace tarnwick {
class World;
class Messages;
class TriggerAttachments;
}  // namespace tarnwick

class QListWidget;
class QPushButton;

namespace tarnwick::ui {

class TriggerListBox : public QGroupBox {
    Q_OBJECT
public:
    TriggerListBox(const World& world, Messages& messages, QWidget* parent);

    // Shows `list` (none: an empty, disabled box) and edits it from now on.
    void show_list(TriggerAttachments* list, bool enabled);

    // The commands, as the buttons call them. Add opens the chooser
    // ("triggerChooser": the list "triggerChoices", the field "triggerVnum").
    void add();
    void remove();
    void move(int delta);

signals:
    void edited();

private:
    void refresh();

    const World& world_;
    Messages& messages_;
    TriggerAttachments* list_ = nullptr;
    bool enabled_ = false;
    QListWidget* lines_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
};

}  // namespace tarnwick::ui
