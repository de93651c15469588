#include "ui/dialog_buttons.h"
#include "ui/file_name_text.h"
#include "ui/project_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tarnwick::ui {

ProjectForm::ProjectForm(Messages& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    setObjectName("TProjectForm");
    setWindowTitle(tr("Editar Proyecto"));
    setModal(true);
    auto* grid = new QGridLayout;
    int row = 0;
    auto add = [&](const char* name, const char* label) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        auto* l = new QLabel(label, this);
        l->setBuddy(edit);
        grid->addWidget(l, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        return edit;
    };
    name_ = add("Edit1", "Zone Name:");
    author_ = add("edauthor", "Author : ");
    const std::pair<FileField, const char*> files[] = {
        {FileField::Zone, "edzon"}, {FileField::Room, "edworld"}, {FileField::Mob, "edmob"},
        {FileField::Object, "edobj"}, {FileField::Shop, "edshop"}};
    const char* labels[] = {"Zone Commands File:", "World (Rooms) File:", "Mobs File:",
                            "Objects File:", "Shops File:"};
    QLineEdit** slots_[] = {&zone_, &world_, &mob_, &obj_, &shop_};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* edit = add(files[i].second, labels[i]);
        *slots_[i] = edit;
        auto* dots = new QPushButton("...", this);
        dots->setObjectName(QString(files[i].second) + "Btn");
        dots->setFixedWidth(28);
        grid->addWidget(dots, row - 1, 2);
        const FileField field = files[i].first;
        connect(dots, &QPushButton::clicked, this, [this, field] { browse(field); });
        connect(edit, &QLineEdit::editingFinished, this, [this, field] { field_edited(field); });
    }
    number_ = add("edzonenum", "Zone Number:");
    number_->setMaxLength(3);
    number_->setValidator(new QIntValidator(-99, 999, number_));
    number_->setText("300");
    dialect_ = new QComboBox(this);
    dialect_->setObjectName("dialectCombo");
    for (Dialect d : {Dialect::Circle30, Dialect::Circle31, Dialect::TbaMud})
        dialect_->addItem(QString::fromLatin1(dialect_name(d).data(), int(dialect_name(d).size())),
                          int(d));
    dialect_->setToolTip(tr("The server the new zone's files are written for"));
    dialect_label_ = new QLabel(tr("Server:"), this);
    dialect_label_->setBuddy(dialect_);
    grid->addWidget(dialect_label_, row, 0);
    grid->addWidget(dialect_, row, 1);
    ++row;
    same_ = new QCheckBox(tr("Use the same name for all archives"), this);
    same_->setObjectName("CheckBox1");
    connect(same_, &QCheckBox::clicked, this, &ProjectForm::CheckBox1Click);
    auto* buttons = ok_cancel_buttons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(same_);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());
}

QLineEdit* ProjectForm::field_edit(FileField field) const {
    switch (field) {
    case FileField::Zone: return zone_;
    case FileField::Room: return world_;
    case FileField::Mob: return mob_;
    case FileField::Object: return obj_;
    case FileField::Shop: return shop_;
    }
    return zone_;
}

void ProjectForm::show_form() {
    auto set = [](QLineEdit* e, const std::string& s) {
        QString t = from_cp1252(s);
        if (e->text() != t) e->setText(t);
    };
    set(name_, form_.zone_name);
    set(author_, form_.author);
    for (FileField f : {FileField::Zone, FileField::Room, FileField::Mob, FileField::Object,
                        FileField::Shop})
        set(field_edit(f), form_.file(f));
    set(number_, form_.zone_number);
    same_->setChecked(form_.same_name);
    dialect_->setCurrentIndex(dialect_->findData(int(form_.dialect)));
    dialect_->setVisible(form_.ask_dialect);
    dialect_label_->setVisible(form_.ask_dialect);
    // Derived fields are read-only and grey while the zone file names them.
    for (FileField f : {FileField::Room, FileField::Mob, FileField::Object, FileField::Shop}) {
        QLineEdit* e = field_edit(f);
        e->setReadOnly(form_.same_name);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, form_.same_name ? palette().color(QPalette::Button)
                                                     : QColor(Qt::white));
        e->setPalette(pal);
    }
}

void ProjectForm::load(const ProjectPropertiesForm& form) {
    form_ = form;
    show_form();
}

ProjectPropertiesForm ProjectForm::take() const {
    ProjectPropertiesForm f = form_;
    f.zone_name = to_cp1252(name_->text());
    f.author = to_cp1252(author_->text());
    f.zone_number = to_cp1252(number_->text());
    f.same_name = same_->isChecked();
    if (f.ask_dialect) f.dialect = Dialect(dialect_->currentData().toInt());
    // Typed file names that were not yet normalised count as they stand.
    for (FileField fld : {FileField::Zone, FileField::Room, FileField::Mob, FileField::Object,
                          FileField::Shop}) {
        std::string text = to_cp1252(field_edit(fld)->text());
        if (text != f.file(fld)) set_file_field(f, fld, text, zone_number_);
    }
    return f;
}

void ProjectForm::field_edited(FileField field) {
    std::string text = to_cp1252(field_edit(field)->text());
    if (text == form_.file(field)) return;
    form_.zone_name = to_cp1252(name_->text());
    form_.author = to_cp1252(author_->text());
    form_.zone_number = to_cp1252(number_->text());
    if (form_.ask_dialect) form_.dialect = Dialect(dialect_->currentData().toInt());
    set_file_field(form_, field, text, zone_number_);
    show_form();
}

void ProjectForm::browse(FileField field) {
    auto chosen = messages_.choose_file(field_file_choice(field));
    if (!chosen) return;
    field_edit(field)->setText(file_name_text(*chosen));
    field_edited(field);
}

void ProjectForm::CheckBox1Click() {
    form_.zone_name = to_cp1252(name_->text());
    form_.author = to_cp1252(author_->text());
    form_.zone_number = to_cp1252(number_->text());
    if (form_.ask_dialect) form_.dialect = Dialect(dialect_->currentData().toInt());
    set_same_name(form_, same_->isChecked(), zone_number_);
    show_form();
}

void ProjectForm::accept() {
    const std::string problem =
        project_names_problem(to_cp1252(name_->text()), to_cp1252(author_->text()));
    if (!problem.empty()) {
        messages_.show(problem);
        return;
    }
    QDialog::accept();
}

bool ProjectForm::edit(ProjectPropertiesForm& form, int32_t zone_number) {
    zone_number_ = zone_number;
    load(form);
    if (exec() != QDialog::Accepted) return false;
    form = take();
    return true;
}

}  // namespace tarnwick::ui
