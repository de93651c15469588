#pragma once
// The command dialog ("Comando de Zona"): one zone reset command, laid out
// by its letter, with "Browse..." buttons for rooms, mobs and objects.

#include <QDialog>
#include <array>

#include "editors/zone_command_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnwick::ui {

class AppContext;

class TEditCommandForm : public QDialog {
    Q_OBJECT
public:
    TEditCommandForm(AppContext& context, QWidget* parent);

    // Opens the dialog on `command`; true when it was confirmed and the
    // command changed. An unknown letter is refused before the dialog opens.
    bool edit(zCommand& command);

private:
    void show_form();
    void read_form();
    void browse(int field);

    AppContext& context_;
    CommandForm form_;
    QComboBox* action_;
    QCheckBox* if_flag_;
    std::array<QLabel*, 3> labels_{};
    std::array<QLineEdit*, 3> edits_{};
    std::array<QPushButton*, 3> browse_{};
    std::array<QComboBox*, 3> choices_{};
    // A V command's variable, under the three fields.
    QLabel* var_name_label_;
    QLabel* var_value_label_;
    QLineEdit* var_name_;
    QLineEdit* var_value_;
};

}  // namespace tarnwick::ui
