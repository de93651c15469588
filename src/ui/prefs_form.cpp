#include "ui/dialog_buttons.h"
#include "ui/prefs_form.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "project/apply_preferences.h"
#include "ui/cp1252.h"
#include "ui/fonts.h"
#include "ui/text_viewer.h"

namespace tarnwick::ui {

namespace {

QCheckBox* check(QWidget* parent, const char* name, const char* text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

PrefsForm::PrefsForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TFormPrefs");
    setWindowTitle(tr("Options"));
    setModal(true);
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");

    // General
    auto* general = new QWidget;
    auto* auto_box = new QGroupBox(tr(" Autocorrection "), general);
    ansi_ = check(auto_box, "AnsiCheck", "Replace extended characters");
    ansi_->setEnabled(false);
    column_check_ = check(auto_box, "ColumnCheck", "Enable auto adjust");
    columns_label_ = new QLabel(tr("Adjust columns at"), auto_box);
    columns_ = new QLineEdit(auto_box);
    columns_->setObjectName("Columns");
    columns_->setMaxLength(4);
    characters_label_ = new QLabel(tr("characters."), auto_box);
    connect(column_check_, &QCheckBox::clicked, this, &PrefsForm::ColumnCheckClick);
    auto* columns_row = new QHBoxLayout;
    columns_row->addWidget(columns_label_);
    columns_row->addWidget(columns_);
    columns_row->addWidget(characters_label_);
    columns_row->addStretch();
    auto* auto_layout = new QVBoxLayout(auto_box);
    auto_layout->addWidget(ansi_);
    auto_layout->addWidget(column_check_);
    auto_layout->addLayout(columns_row);
    // The language of the windows and of the texts written for the builder;
    // the items stand in the order of the Language values.
    auto* language_row = new QHBoxLayout;
    auto* language_label = new QLabel(tr("Interface language:"), general);
    language_ = new QComboBox(general);
    language_->setObjectName("LanguageCombo");
    language_->addItems({tr("Original"), tr("English")});
    language_label->setBuddy(language_);
    language_row->addWidget(language_label);
    language_row->addWidget(language_);
    language_row->addStretch();
    auto* general_layout = new QVBoxLayout(general);
    general_layout->addWidget(auto_box);
    general_layout->addLayout(language_row);
    general_layout->addStretch();
    pages_->addTab(general, tr("General"));

    // Appearance
    auto* look = new QWidget;
    auto* editor_box = new QGroupBox(tr("Editor"), look);
    sample_ = new QPlainTextEdit(QString::fromLatin1(kPreferencesSampleText), editor_box);
    sample_->setObjectName("Sample");
    sample_->setFixedHeight(60);
    auto* font_btn = new QPushButton(tr("Font"), editor_box);
    font_btn->setObjectName("FontBtn");
    auto* back_btn = new QPushButton(tr("Background color"), editor_box);
    back_btn->setObjectName("BackBtn");
    connect(font_btn, &QPushButton::clicked, this, &PrefsForm::FontBtnClick);
    connect(back_btn, &QPushButton::clicked, this, &PrefsForm::BackBtnClick);
    auto* editor_buttons = new QHBoxLayout;
    editor_buttons->addWidget(font_btn);
    editor_buttons->addWidget(back_btn);
    auto* editor_layout = new QVBoxLayout(editor_box);
    editor_layout->addWidget(sample_);
    editor_layout->addLayout(editor_buttons);
    auto* dialog_box = new QGroupBox(tr("Dialog Font"), look);
    auto* dialog_btn = new QPushButton(tr("Change dialog font..."), dialog_box);
    dialog_btn->setObjectName("DialogFontBtn");
    connect(dialog_btn, &QPushButton::clicked, this, &PrefsForm::DialogFontBtnClick);
    dialog_font_panel_ = new QLabel(dialog_box);
    dialog_font_panel_->setObjectName("DialogFontPanel");
    dialog_font_panel_->setFrameShape(QFrame::Panel);
    dialog_font_panel_->setFrameShadow(QFrame::Sunken);
    auto* dialog_layout = new QHBoxLayout(dialog_box);
    dialog_layout->addWidget(dialog_btn);
    dialog_layout->addWidget(dialog_font_panel_, 1);
    auto* gradient_box = new QGroupBox(tr("Gradient Caption"), look);
    gradient_ = check(gradient_box, "Gradient", "Enable gradient at Main Form Caption");
    (new QVBoxLayout(gradient_box))->addWidget(gradient_);
    auto* look_layout = new QVBoxLayout(look);
    look_layout->addWidget(editor_box);
    look_layout->addWidget(dialog_box);
    look_layout->addWidget(gradient_box);
    pages_->addTab(look, tr("Appearance"));

    // Format
    auto* format = new QWidget;
    auto* shops_box = new QGroupBox(tr(" Formato de Shops "), format);
    new_format_ = check(shops_box, "NewFormat", "Always save with CircleMUD v3.0 Shop Format.");
    (new QVBoxLayout(shops_box))->addWidget(new_format_);
    auto* bits_box = new QGroupBox(tr(" Bitvectors "), format);
    alpha_ = check(bits_box, "AlphaBitvectors", "Save alphabetic bitvectors.");
    (new QVBoxLayout(bits_box))->addWidget(alpha_);
    auto* format_layout = new QVBoxLayout(format);
    format_layout->addWidget(shops_box);
    format_layout->addWidget(bits_box);
    format_layout->addStretch();
    pages_->addTab(format, tr("Format"));

    // The object extension of another MUD dialect: its switches are carried
    // through the form and shown, greyed, on a page that opens like the
    // others and says why they cannot be changed.
    auto* extension = new QWidget;
    mat_specs_ = check(extension, "SaveMatSpecs", "Save material specifications.");
    obj_levels_ = check(extension, "SaveObjLevels", "Save object levels.");
    mat_specs_->setEnabled(false);
    obj_levels_->setEnabled(false);
    auto* why = new QLabel("These switches belong to another MUD's object extension; they are "
                           "kept as they are and cannot be changed here.",
                           extension);
    why->setObjectName("ExtensionsNote");
    why->setWordWrap(true);
    auto* extension_layout = new QVBoxLayout(extension);
    extension_layout->addWidget(why);
    extension_layout->addWidget(mat_specs_);
    extension_layout->addWidget(obj_levels_);
    extension_layout->addStretch();
    pages_->addTab(extension, tr("Extensions"));

    auto* buttons = ok_cancel_buttons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
}

void PrefsForm::show_sample() {
    apply_text_look(sample_, TextAreaLook{form_.sample_font, form_.sample_back});
    dialog_font_panel_->setFont(font_of(form_.dialog_font));
    dialog_font_panel_->setText(from_cp1252(form_.dialog_font_caption()));
}

void PrefsForm::load(const PreferencesDialogForm& form) {
    form_ = form;
    ansi_->setChecked(form.ansi_check);
    column_check_->setChecked(form.column_check);
    columns_->setText(from_cp1252(form.columns_text));
    gradient_->setChecked(form.gradient);
    new_format_->setChecked(form.new_format);
    alpha_->setChecked(form.alpha_bitvectors);
    obj_levels_->setChecked(form.save_obj_levels);
    mat_specs_->setChecked(form.save_mat_specs);
    language_->setCurrentIndex(form.language == Language::English ? 1 : 0);
    ColumnCheckClick();
    show_sample();
}

PreferencesDialogForm PrefsForm::take() const {
    PreferencesDialogForm f = form_;
    f.ansi_check = ansi_->isChecked();
    f.column_check = column_check_->isChecked();
    f.columns_text = to_cp1252(columns_->text());
    f.gradient = gradient_->isChecked();
    f.new_format = new_format_->isChecked();
    f.alpha_bitvectors = alpha_->isChecked();
    f.save_obj_levels = obj_levels_->isChecked();
    f.save_mat_specs = mat_specs_->isChecked();
    f.language = language_->currentIndex() == 1 ? Language::English : Language::Original;
    return f;
}

void PrefsForm::ColumnCheckClick() {
    const bool on = column_check_->isChecked();
    columns_->setEnabled(on);
    columns_label_->setEnabled(on);
    characters_label_->setEnabled(on);
}

void PrefsForm::FontBtnClick() {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, font_of(form_.sample_font), this, "Font",
                                      QFontDialog::MonospacedFonts);
    if (!ok) return;
    form_.sample_font.face = to_cp1252(font.family());
    form_.sample_font.size = std::clamp(font.pointSize(), kEditorFontMinSize, kEditorFontMaxSize);
    show_sample();
}

void PrefsForm::BackBtnClick() {
    Rgb c = color_to_rgb(form_.sample_back);
    QColor chosen = QColorDialog::getColor(QColor(c.red, c.green, c.blue), this, "Background color");
    if (!chosen.isValid()) return;
    form_.sample_back = color_from_rgb(chosen.red(), chosen.green(), chosen.blue());
    show_sample();
}

void PrefsForm::DialogFontBtnClick() {
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, font_of(form_.dialog_font), this, "Change dialog font...");
    if (!ok) return;
    form_.dialog_font.face = to_cp1252(font.family());
    form_.dialog_font.size = font.pointSize();
    show_sample();
}

bool PrefsForm::edit(PreferencesDialogForm& form) {
    load(form);
    if (exec() != QDialog::Accepted) return false;
    form = take();
    return true;
}

}  // namespace tarnwick::ui
