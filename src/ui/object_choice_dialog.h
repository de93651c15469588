#pragma once
// One dialog for adding a shop product: an editable box listing the zone's
// objects as "vnum - short description". Picking a line or typing a vnum
// (one outside the zone too) and pressing "&Ok" gives the vnum.

#include <QDialog>

class QComboBox;

namespace tarnwick {
class World;
}

namespace tarnwick::ui {

class ObjectChoiceDialog : public QDialog {
    Q_OBJECT
public:
    ObjectChoiceDialog(const World& world, QWidget* parent = nullptr);
    // The chosen or typed vnum; -1 on Cancel or when the box starts with no number.
    int32_t ask_object_vnum();
    QComboBox* choices() const { return choices_; }

private:
    const World& world_;
    QComboBox* choices_;
};

}  // namespace tarnwick::ui
