#include "ui/object_edit_window.h"
#include "ui/interface_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/dialect_page.h"
#include "ui/editor_factory.h"
#include "ui/editor_text.h"
#include "ui/extra_desc_dialog.h"
#include "ui/record_text.h"
#include "ui/record_widgets.h"
#include "ui/trigger_list_box.h"
#include "ui/values_dialog.h"

namespace tarnwick::ui {

using namespace fields;

EditorWindow* create_object_editor(AppContext& context, QWidget* parent) {
    return new TObjEdit(context, parent);
}

TObjEdit::TObjEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent),
      editor_(context.world, context.list_sets, context.preferences, context.messages) {
    setObjectName(QStringLiteral("ObjEdit"));
    setWindowTitle(tr("Object Edition"));
    auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto line = [&](const char* name) {
        auto* e = named(new QLineEdit(this), name);
        connect(e, &QLineEdit::textEdited, this, &TObjEdit::field_changed);
        return e;
    };
    auto number = [&](const char* name) {
        auto* e = line(name);
        limit_typing(e, 11, QString::fromLatin1(kIntegerPattern));
        return e;
    };
    edvnum_ = named(new QLineEdit(this), "edvnum");
    edvnum_->setReadOnly(true);
    edalias_ = line("edalias");
    edshortdescription_ = line("edshortdescription");
    edlongdescription_ = line("edlongdescription");
    edactiondescription_ = line("edactiondescription");
    type_combo_ = named(new QComboBox(this), "ComboBox1");
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    type_combo_->setFont(fixed);
    connect(type_combo_, &QComboBox::currentIndexChanged, this, &TObjEdit::field_changed);
    edpeso_ = number("edpeso");
    edcosto_ = number("edcosto");
    edcostperday_ = number("edcostperday");
    edit_level_ = number("EditLevel");
    edit_material_ = number("EditMaterial");
    edit_durability_ = number("EditDurability");
    edit_initial_durability_ = number("EditInitialDurability");
    extra_check_ = named(new QListWidget(this), "ExtraCheck");
    wear_check_ = named(new QListWidget(this), "WearCheck");
    for (QListWidget* l : {extra_check_, wear_check_})
        connect(l, &QListWidget::itemChanged, this, &TObjEdit::field_changed);
    quick_info_ = named(new QPlainTextEdit(this), "QuickInfo");
    quick_info_->setReadOnly(true);
    value_btn_ = named(new QPushButton(tr("Values..."), this), "ValueBtn");
    connect(value_btn_, &QPushButton::clicked, this, &TObjEdit::ValueBtnClick);

    desc_box_ = named(new QListWidget(this), "DescBox");
    desc_memo_ = named(new QPlainTextEdit(this), "DescMemo");
    desc_memo_->setReadOnly(true);
    add_extra_ = named(new QPushButton(tr("A&dd"), this), "AgregarExtra");
    modify_extra_ = named(new QPushButton(tr("&Modify"), this), "ModificarExtra");
    remove_extra_ = named(new QPushButton(tr("&Remove"), this), "EliminarExtra");
    connect(desc_box_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        editor_.select_extra(row);
        show_fields();
    });
    connect(add_extra_, &QPushButton::clicked, this, &TObjEdit::AgregarExtraClick);
    connect(modify_extra_, &QPushButton::clicked, this, &TObjEdit::ModificarExtraClick);
    connect(remove_extra_, &QPushButton::clicked, this, &TObjEdit::EliminarExtraClick);

    affect_box_ = named(new QListWidget(this), "AffectBox");
    combo_aff_ = named(new QComboBox(this), "comboAff");
    auto* aff_spin = new SpinField(QStringLiteral("edAff"), 3, -1000, 1000, this);
    ed_aff_ = aff_spin->edit();
    aff_apply_ = named(new QPushButton(tr("A&pply"), this), "AffApply");
    connect(affect_box_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        editor_.select_affect(row);
        show_fields();
    });
    connect(combo_aff_, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_) return;
        editor_.affect_edited();
        aff_apply_->setEnabled(true);
    });
    connect(aff_spin, &SpinField::edited, this, [this] {
        editor_.affect_edited();
        aff_apply_->setEnabled(true);
    });
    connect(aff_apply_, &QPushButton::clicked, this, &TObjEdit::AffApplyClick);

    apply_btn_ = named(new QPushButton(tr("&Apply"), this), "ApplyBtn");
    apply_btn_->setEnabled(false);
    auto* close_btn = named(new QPushButton(tr("&Close"), this), "Button2");
    auto_apply_ = named(new QCheckBox(tr("Auto Apply"), this), "AutoApply");
    auto_apply_->setChecked(true);
    connect(auto_apply_, &QCheckBox::toggled, this, [this](bool on) { editor_.auto_apply = on; });
    connect(apply_btn_, &QPushButton::clicked, this, &TObjEdit::ApplyBtnClick);
    connect(close_btn, &QPushButton::clicked, this, &QDialog::hide);
    values_ = new TFormValues(this);
    extra_dialog_ = new TExtraDescForm(this);

    // Pages.
    auto* general = new QWidget(this);
    auto* form = new QFormLayout;
    form->addRow(tr("VNum:"), edvnum_);
    form->addRow(tr("Alias:"), edalias_);
    form->addRow(tr("Short description:"), edshortdescription_);
    form->addRow(tr("Long description:"), edlongdescription_);
    form->addRow(tr("Action description:"), edactiondescription_);
    form->addRow(tr("Type:"), type_combo_);
    auto* numbers = new QGridLayout;
    numbers->addWidget(new QLabel(tr("Weight (pounds)"), this), 0, 0);
    numbers->addWidget(edpeso_, 0, 1);
    numbers->addWidget(new QLabel(tr("Cost:"), this), 0, 2);
    numbers->addWidget(edcosto_, 0, 3);
    numbers->addWidget(new QLabel(tr("Cost per day:"), this), 0, 4);
    numbers->addWidget(edcostperday_, 0, 5);
    numbers->addWidget(new QLabel(tr("Level:"), this), 1, 0);
    numbers->addWidget(edit_level_, 1, 1);
    numbers->addWidget(new QLabel(tr("Material:"), this), 2, 0);
    numbers->addWidget(edit_material_, 2, 1);
    numbers->addWidget(new QLabel(tr("Durability:"), this), 2, 2);
    numbers->addWidget(edit_durability_, 2, 3);
    numbers->addWidget(new QLabel(tr("Initial durability:"), this), 2, 4);
    numbers->addWidget(edit_initial_durability_, 2, 5);
    auto* general_layout = new QVBoxLayout(general);
    general_layout->addLayout(form);
    general_layout->addLayout(numbers);
    general_layout->addWidget(value_btn_);
    general_layout->addWidget(quick_info_);

    auto* extras = new QWidget(this);
    auto* extra_buttons = new QHBoxLayout;
    extra_buttons->addWidget(add_extra_);
    extra_buttons->addWidget(modify_extra_);
    extra_buttons->addWidget(remove_extra_);
    auto* extras_layout = new QVBoxLayout(extras);
    extras_layout->addWidget(desc_box_);
    extras_layout->addWidget(desc_memo_);
    extras_layout->addLayout(extra_buttons);

    auto* affects = new QWidget(this);
    auto* aff_form = new QFormLayout;
    aff_form->addRow(tr("Effect:"), combo_aff_);
    aff_form->addRow(tr("Modifier:"), aff_spin);
    auto* affects_layout = new QVBoxLayout(affects);
    affects_layout->addWidget(affect_box_);
    affects_layout->addLayout(aff_form);
    affects_layout->addWidget(aff_apply_);

    tabs_ = named(new QTabWidget(this), "PageControl1");
    tabs_->addTab(general, tr("General"));
    tabs_->addTab(extra_check_, tr("Extra Bitvector"));
    tabs_->addTab(wear_check_, tr("Wear Bitvector"));
    tabs_->addTab(extras, tr("Extra descriptions"));
    tabs_->addTab(affects, tr("Affect Fields"));
    dialect_ = new DialectPage(context.world, context.messages, tabs_);
    dialect_->add_row(QStringLiteral("Extra flags, words 2-4"), QStringLiteral("objExtraWord"), 2, 3);
    dialect_->add_row(QStringLiteral("Wear flags, words 2-4"), QStringLiteral("objWearWord"), 2, 3);
    dialect_->add_row(QStringLiteral("Affect flags, words 1-4"), QStringLiteral("objAffectWord"), 1, 4);
    dialect_->add_row(QStringLiteral("Timer"), QStringLiteral("objTimer"), 0, 1);
    tabs_->addTab(dialect_, tr("Triggers"));
    connect(dialect_, &DialectPage::edited, this, &TObjEdit::field_changed);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(auto_apply_);
    buttons->addStretch();
    buttons->addWidget(apply_btn_);
    buttons->addWidget(close_btn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    editor_.on_world_changed = [this] { context_.mark_changed(); };
    editor_.on_record_applied = [this](int i) { emit context_.recordChanged(RecordKind::Object, i); };
    lists_loaded();
}

void TObjEdit::lists_loaded() {
    filling_ = true;
    fill_check_list(extra_check_, context_.lists().item_effects);
    fill_check_list(wear_check_, context_.lists().item_wear);
    fill_combo(combo_aff_, context_.lists().item_affects);
    // The type names are the open zone's dialect's, as its lists are.
    type_combo_->clear();
    for (const ObjectTypeInfo& t : object_types(context_.world.dialect))
        type_combo_->addItem(shown(t.editor_entry));
    filling_ = false;
    editor_.lists_changed();
    show_fields();
}

void TObjEdit::preferences_applied() {
    const Preferences& p = context_.preferences;
    show_as_read_only(desc_memo_, font_from_setting(p.memo_font));
    extra_dialog_->set_memo_style(font_from_setting(p.memo_font), color_from_setting(p.memo_font.color),
                                  color_from_setting(p.memo_back));
    editor_.preferences_changed();
    show_fields();
}

void TObjEdit::show_fields() {
    filling_ = true;
    const ObjectFields& f = editor_.fields;
    set_text(edvnum_, f.vnum);
    set_text(edalias_, f.alias);
    set_text(edshortdescription_, f.short_description);
    set_text(edlongdescription_, f.long_description);
    set_text(edactiondescription_, f.action_description);
    type_combo_->setCurrentIndex(f.type_entry);
    type_combo_->setEnabled(f.type_enabled);
    value_btn_->setEnabled(f.values_enabled);
    add_extra_->setEnabled(f.add_extra_enabled);
    modify_extra_->setEnabled(f.modify_extra_enabled);
    remove_extra_->setEnabled(f.remove_extra_enabled);
    set_text(edpeso_, f.weight);
    set_text(edcosto_, f.cost);
    set_text(edcostperday_, f.cost_per_day);
    set_checks(extra_check_, f.extra_checks);
    set_checks(wear_check_, f.wear_checks);
    set_text(edit_level_, f.level);
    set_text(edit_material_, f.material);
    set_text(edit_durability_, f.durability);
    set_text(edit_initial_durability_, f.initial_durability);
    edit_level_->setEnabled(f.level_enabled);
    for (QLineEdit* e : {edit_material_, edit_durability_, edit_initial_durability_})
        e->setEnabled(f.material_enabled);
    QStringList info;
    for (const std::string& l : f.quick_info) info << to_widget(l);
    if (quick_info_->toPlainText() != info.join(QLatin1Char('\n')))
        quick_info_->setPlainText(info.join(QLatin1Char('\n')));
    fill_lines(desc_box_, f.desc_lines);
    desc_box_->setCurrentRow(f.desc_selected);
    set_memo(desc_memo_, f.desc_memo);
    fill_lines(affect_box_, f.affect_lines);
    affect_box_->setCurrentRow(f.affect_selected);
    combo_aff_->setCurrentIndex(f.affect_location);
    set_text(ed_aff_, f.affect_modifier);
    aff_apply_->setEnabled(f.affect_apply_enabled);
    apply_btn_->setEnabled(editor_.modified());
    if (dialect_) {
        dialect_->set_row(0, f.extra_more.data());
        dialect_->set_row(1, f.wear_more.data());
        dialect_->set_row(2, f.affect_flags.data());
        dialect_->set_row(3, &f.timer);
        dialect_->set_enabled_fields(editor_.shown());
        dialect_->triggers()->show_list(&editor_.fields.triggers, editor_.shown());
        tabs_->setTabVisible(tabs_->indexOf(dialect_), DialectPage::shown_for(context_.world.dialect));
    }
    filling_ = false;
}

void TObjEdit::read_fields() {
    ObjectFields& f = editor_.fields;
    f.alias = text_of(edalias_);
    f.short_description = text_of(edshortdescription_);
    f.long_description = text_of(edlongdescription_);
    f.action_description = text_of(edactiondescription_);
    f.type_entry = type_combo_->currentIndex();
    f.weight = text_of(edpeso_);
    f.cost = text_of(edcosto_);
    f.cost_per_day = text_of(edcostperday_);
    f.extra_checks = checks_of(extra_check_);
    f.wear_checks = checks_of(wear_check_);
    f.level = text_of(edit_level_);
    f.material = text_of(edit_material_);
    f.durability = text_of(edit_durability_);
    f.initial_durability = text_of(edit_initial_durability_);
    f.affect_location = combo_aff_->currentIndex();
    f.affect_modifier = text_of(ed_aff_);
    if (!dialect_) return;
    dialect_->read_row(0, f.extra_more.data());
    dialect_->read_row(1, f.wear_more.data());
    dialect_->read_row(2, f.affect_flags.data());
    dialect_->read_row(3, &f.timer);
}

void TObjEdit::field_changed() {
    if (filling_) return;
    read_fields();
    editor_.set_modified(true);
    apply_btn_->setEnabled(true);
}

void TObjEdit::select_record(int index) {
    const int before = editor_.current();
    read_fields();
    editor_.show_object(index);
    show_fields();
    first_page_for_new_record(before);
    emit recordShown(editor_.current());
}

void TObjEdit::apply_pending() {
    read_fields();
    editor_.apply_object();
    show_fields();
}

void TObjEdit::discard_pending() {
    editor_.set_modified(false);
    editor_.show_object(-1);
    show_fields();
}

void TObjEdit::focus_new_record() {
    tabs_->setCurrentIndex(0);
    edshortdescription_->setFocus();
}

void TObjEdit::ApplyBtnClick() {
    read_fields();
    editor_.apply_button();
    show_fields();
}

void TObjEdit::ValueBtnClick() {
    read_fields();
    auto form = editor_.edit_values();
    if (form) values_->edit(*form, [this](ValuesDialogForm& f) { return editor_.confirm_values(f); });
    show_fields();
}

void TObjEdit::AgregarExtraClick() {
    read_fields();
    ExtraDescForm form;
    if (extra_dialog_->edit(form)) {
        editor_.add_extra(extra_descr_data{form.keywords, form.description});
    } else {
        editor_.show_object(editor_.current());
    }
    show_fields();
}

void TObjEdit::ModificarExtraClick() {
    read_fields();
    auto entry = editor_.extra_to_modify();
    if (!entry) return;
    ExtraDescForm form = extra_desc_form_of(*entry);
    if (extra_dialog_->edit(form))
        editor_.modify_extra(extra_descr_data{form.keywords, form.description});
    else
        editor_.show_object(editor_.current());
    show_fields();
}

void TObjEdit::EliminarExtraClick() {
    read_fields();
    editor_.remove_extra();
    show_fields();
}

void TObjEdit::AffApplyClick() {
    read_fields();
    editor_.apply_affect();
    show_fields();
}

}  // namespace tarnwick::ui
