#pragma once
// The project properties dialog ("Editar Proyecto"), bound to the plain
// ProjectPropertiesForm of the project code.

#include <QDialog>

#include "project/project_properties.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tarnwick::ui {

class ProjectForm : public QDialog {
    Q_OBJECT
public:
    ProjectForm(Messages& messages, QWidget* parent = nullptr);
    // Shows `form`; on "&Ok" the fields go back into it and true is returned.
    bool edit(ProjectPropertiesForm& form, int32_t zone_number);
    // The widgets show `form` / `form` takes the widgets.
    void load(const ProjectPropertiesForm& form);
    ProjectPropertiesForm take() const;

    // "&Ok": a zone name or author holding a line break is refused with a
    // message and the dialog stays open.
    void accept() override;

public slots:
    void CheckBox1Click();
    void browse(tarnwick::FileField field);

private:
    QLineEdit* field_edit(FileField field) const;
    void field_edited(FileField field);
    void show_form();

    Messages& messages_;
    ProjectPropertiesForm form_;
    int32_t zone_number_ = 0;
    QLineEdit *name_, *author_, *zone_, *world_, *mob_, *obj_, *shop_, *number_;
    QCheckBox* same_;
    QLabel* dialect_label_;
    QComboBox* dialect_;  // a new project's server, shown only then
};

}  // namespace tarnwick::ui
