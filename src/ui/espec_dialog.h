#pragma once
// The E-spec dialog ("Enhanced Mob Specifications"): the E-specs of one mob
// with Add and Remove, which change the mob at once.

#include <QDialog>

#include "editors/mob_editor.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace tarnwick::ui {

class TFormSpecs : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecs(QWidget* parent);
    // Shows the E-specs of mob `index` modally.
    void edit(World& world, Messages& messages, const std::vector<std::string>& names, int index,
              std::function<void()> on_world_changed);

private:
    void refill();
    void AddBtnClick();
    void EditBtnClick();

    QTreeWidget* list_;
    QComboBox* spec_combo_;
    QLineEdit* spec_edit_;
    EspecDialogForm* form_ = nullptr;
};

}  // namespace tarnwick::ui
