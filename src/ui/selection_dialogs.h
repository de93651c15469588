#pragma once
// The two selection dialogs: TSelectItem picks a line of a record list,
// TSelForm asks for a vnum that may be typed or browsed for. QtChooser
// offers both to the editors through the Chooser interface.

#include <QDialog>

#include "editors/record_lines.h"
#include "editors/selection.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnwick::ui {

class AppContext;

class SelectItemDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectItemDialog(QWidget* parent = nullptr);
    // The chosen line's position on "&Ok" (-1 with no line selected); -1 on Cancel.
    int pick_from_list(const QString& title, const QStringList& lines);
    QListWidget* list() const { return list_; }

private:
    QLabel* header_;
    QListWidget* list_;
};

class SelForm : public QDialog {
    Q_OBJECT
public:
    SelForm(AppContext& context, SelectItemDialog& picker, QWidget* parent = nullptr);
    int32_t ask_object_vnum();
    int32_t ask_room_vnum();
    QLineEdit* number() const { return number_; }

public slots:
    void GetRoom();
    void GetObjectA();
    void GetMob();

private:
    int32_t ask(const QString& title, void (SelForm::*browse)());
    void browse_lines(const QString& title, const PickLines& pick);

    AppContext& context_;
    SelectItemDialog& picker_;
    QLineEdit* number_;
    QPushButton* browse_;
    QMetaObject::Connection browse_binding_;
};

class ObjectChoiceDialog;

// Objects are asked for with one dialog that lists them; rooms with the
// number-and-browse form.
class QtChooser : public Chooser {
public:
    QtChooser(SelectItemDialog& picker, SelForm& form, ObjectChoiceDialog& objects)
        : picker_(picker), form_(form), objects_(objects) {}
    int pick_from_list(const std::string& title, const std::vector<std::string>& lines) override;
    int32_t ask_object_vnum() override;
    int32_t ask_room_vnum() override { return form_.ask_room_vnum(); }

private:
    SelectItemDialog& picker_;
    SelForm& form_;
    ObjectChoiceDialog& objects_;
};

// The chooser a context is built with before the dialogs exist; it is
// pointed at them once they are created.
class DeferredChooser : public Chooser {
public:
    void set_target(Chooser* target) { target_ = target; }
    int pick_from_list(const std::string& title, const std::vector<std::string>& lines) override {
        return target_ ? target_->pick_from_list(title, lines) : -1;
    }
    int32_t ask_object_vnum() override { return target_ ? target_->ask_object_vnum() : -1; }
    int32_t ask_room_vnum() override { return target_ ? target_->ask_room_vnum() : -1; }

private:
    Chooser* target_ = nullptr;
};

}  // namespace tarnwick::ui
