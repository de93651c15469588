#include "ui/mob_edit_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/dialect_page.h"
#include "ui/editor_factory.h"
#include "ui/espec_dialog.h"
#include "ui/record_widgets.h"
#include "ui/trigger_list_box.h"

namespace tarnwick::ui {

using namespace fields;

namespace {

QSlider* make_slider(const QString& name, int min, int max, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(0);
    return s;
}

}  // namespace

EditorWindow* create_mob_editor(AppContext& context, QWidget* parent) {
    return new TMobEdit(context, parent);
}

QLineEdit* TMobEdit::number_field(const QString& name, int max_length, int min, int max) {
    auto* f = new SpinField(name, max_length, min, max, this);
    connect(f, &SpinField::edited, this, [this] { field_changed(true); });
    return f->edit();
}

TMobEdit::TMobEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent), editor_(context.world, context.list_sets, context.messages) {
    setObjectName(QStringLiteral("MobEdit"));
    setWindowTitle(tr("Mob Edition"));
    auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };

    edvnum_ = named(new QLineEdit(this), "edvnum");
    edvnum_->setReadOnly(true);
    edalias_ = named(new QLineEdit(this), "edalias");
    edshortname_ = named(new QLineEdit(this), "edshortname");
    edlongname_ = named(new QLineEdit(this), "edlongname");
    eddescr_ = named(new QPlainTextEdit(this), "eddescr");
    for (QLineEdit* e : {edalias_, edshortname_, edlongname_})
        connect(e, &QLineEdit::textEdited, this, [this] { field_changed(false); });
    connect(eddescr_, &QPlainTextEdit::textChanged, this, [this] { field_changed(false); });

    edlevel_ = number_field(QStringLiteral("edlevel"), 2, 0, 100);
    edalign_ = number_field(QStringLiteral("edalign"), 3, -1000, 1000);
    edAC_ = number_field(QStringLiteral("edAC"), 3, -10, 10);
    edthaco_ = number_field(QStringLiteral("edthaco"), 2, 0, 100);
    edhitdices_ = number_field(QStringLiteral("edhitdices"), 3, 0, 100);
    edhitsides_ = number_field(QStringLiteral("edhitsides"), 3, 0, 100);
    edhitadd_ = number_field(QStringLiteral("edhitadd"), 5, 0, 100);
    edBHDdices_ = number_field(QStringLiteral("edBHDdices"), 3, 0, 100);
    edBHDsides_ = number_field(QStringLiteral("edBHDsides"), 3, 0, 100);
    edBHDadd_ = number_field(QStringLiteral("edBHDadd"), 5, 0, 100);
    edgold_ = named(new QLineEdit(this), "edgold");
    edexp_ = named(new QLineEdit(this), "edexp");
    for (QLineEdit* e : {edgold_, edexp_}) {
        limit_typing(e, 7, QString::fromLatin1(kIntegerPattern));
        connect(e, &QLineEdit::textEdited, this, [this] { field_changed(true); });
    }

    type_combo_ = named(new QComboBox(this), "ComboBox1");
    type_combo_->addItems({QStringLiteral("S (Simple)"), QStringLiteral("E (Enhanced)")});
    connect(type_combo_, &QComboBox::activated, this, [this](int entry) {
        if (filling_) return;
        editor_.choose_type(entry);
        show_fields();
    });

    mob_flags_ = named(new QListWidget(this), "MobFlags");
    mob_actions_ = named(new QListWidget(this), "MobActions");
    for (QListWidget* l : {mob_flags_, mob_actions_})
        connect(l, &QListWidget::itemChanged, this, [this] { field_changed(false); });
    loadposcombo_ = named(new QComboBox(this), "loadposcombo");
    defaultposcombo_ = named(new QComboBox(this), "defaultposcombo");
    for (QComboBox* c : {loadposcombo_, defaultposcombo_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { field_changed(false); });
    male_ = named(new QRadioButton(tr("Male"), this), "Male");
    female_ = named(new QRadioButton(tr("Female"), this), "Female");
    neutral_ = named(new QRadioButton(tr("Neutral"), this), "Neutral");
    for (QRadioButton* r : {male_, female_, neutral_})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) field_changed(false);
        });

    autolevel_ = named(new QCheckBox(tr("Autolevel"), this), "CheckBox1");
    autolevel_panel_ = named(new QWidget(this), "AutolevelPanel");
    power_bar_ = make_slider(QStringLiteral("PowerBar"), kPowerMin, kPowerMax, autolevel_panel_);
    endurance_bar_ =
        make_slider(QStringLiteral("EnduranceBar"), kEnduranceMin, kEnduranceMax, autolevel_panel_);
    reward_bar_ = make_slider(QStringLiteral("RewardBar"), kRewardMin, kRewardMax, autolevel_panel_);
    auto* sliders = new QFormLayout(autolevel_panel_);
    sliders->addRow(tr("Power"), power_bar_);
    sliders->addRow(tr("Resistance"), endurance_bar_);
    sliders->addRow(tr("Rewards"), reward_bar_);
    autolevel_panel_->hide();
    connect(autolevel_, &QCheckBox::clicked, this, [this](bool on) {
        read_fields();
        editor_.click_autolevel(on);
        show_fields();
    });
    auto slider_rule = [this](QSlider* s, void (MobEditor::*rule)(int)) {
        connect(s, &QSlider::valueChanged, this, [this, rule](int v) {
            if (filling_) return;
            read_fields();
            (editor_.*rule)(v);
            show_fields();
        });
    };
    slider_rule(power_bar_, &MobEditor::move_power);
    slider_rule(endurance_bar_, &MobEditor::move_endurance);
    slider_rule(reward_bar_, &MobEditor::move_reward);

    hit_label_ = named(new QLabel(tr("Hitpoints: 0"), this), "HitLabel");
    damage_label_ = named(new QLabel(tr("Damage per attack: 0"), this), "DamageLabel");
    apply_btn_ = named(new QPushButton(tr("&Apply"), this), "ApplyBtn");
    apply_btn_->setEnabled(false);
    espec_btn_ = named(new QPushButton(tr("E-Specs..."), this), "ESpecBtn");
    auto* close_btn = named(new QPushButton(tr("&Close"), this), "Button2");
    auto_apply_ = named(new QCheckBox(tr("Auto apply"), this), "AutoApply");
    auto_apply_->setChecked(true);
    connect(auto_apply_, &QCheckBox::toggled, this, [this](bool on) { editor_.auto_apply = on; });
    connect(apply_btn_, &QPushButton::clicked, this, &TMobEdit::ApplyBtnClick);
    connect(espec_btn_, &QPushButton::clicked, this, &TMobEdit::ESpecBtnClick);
    connect(close_btn, &QPushButton::clicked, this, &QDialog::hide);
    specs_ = new TFormSpecs(this);

    // Layout: names and description, numbers, then the tabs of lists.
    auto* general = new QWidget(this);
    auto* names = new QFormLayout;
    names->addRow(tr("VNum:"), edvnum_);
    names->addRow(tr("Alias:"), edalias_);
    names->addRow(tr("Short description:"), edshortname_);
    names->addRow(tr("Long description:"), edlongname_);
    names->addRow(tr("Type:"), type_combo_);
    auto* numbers = new QGridLayout;
    auto cell = [&](int row, int col, const char* label, QLineEdit* e) {
        numbers->addWidget(new QLabel(QString::fromLatin1(label), this), row, col * 2);
        numbers->addWidget(e->parentWidget() == this ? static_cast<QWidget*>(e) : e->parentWidget(),
                           row, col * 2 + 1);
    };
    cell(0, 0, "Level:", edlevel_);
    cell(0, 1, "Alignment:", edalign_);
    cell(0, 2, "AC:", edAC_);
    cell(0, 3, "THAC0:", edthaco_);
    cell(1, 0, "Hit dices:", edhitdices_);
    cell(1, 1, "Sides:", edhitsides_);
    cell(1, 2, "Add:", edhitadd_);
    cell(2, 0, "Damage dices:", edBHDdices_);
    cell(2, 1, "Sides:", edBHDsides_);
    cell(2, 2, "Add:", edBHDadd_);
    cell(3, 0, "Gold:", edgold_);
    cell(3, 1, "Experience:", edexp_);
    numbers->addWidget(hit_label_, 1, 6, 1, 2);
    numbers->addWidget(damage_label_, 2, 6, 1, 2);
    auto* positions = new QFormLayout;
    positions->addRow(tr("Load position:"), loadposcombo_);
    positions->addRow(tr("Default position:"), defaultposcombo_);
    auto* sex = new QGroupBox(tr("Sex"), this);
    auto* sex_row = new QHBoxLayout(sex);
    sex_row->addWidget(male_);
    sex_row->addWidget(female_);
    sex_row->addWidget(neutral_);
    auto* general_layout = new QVBoxLayout(general);
    general_layout->addLayout(names);
    general_layout->addWidget(new QLabel(tr("Description:"), this));
    general_layout->addWidget(eddescr_);
    general_layout->addLayout(numbers);
    general_layout->addLayout(positions);
    general_layout->addWidget(sex);
    general_layout->addWidget(autolevel_);
    general_layout->addWidget(autolevel_panel_);

    auto* tabs = named(new QTabWidget(this), "PageControl1");
    tabs->addTab(general, tr("General"));
    tabs->addTab(mob_flags_, tr("Affections"));
    tabs->addTab(mob_actions_, tr("Actions"));
    tabs_ = tabs;
    dialect_ = new DialectPage(context.world, context.messages, tabs);
    dialect_->add_row(QStringLiteral("Actions, words 2-4"), QStringLiteral("mobActionWord"), 2, 3);
    dialect_->add_row(QStringLiteral("Affections, words 2-4"), QStringLiteral("mobAffectWord"), 2, 3);
    tabs->addTab(dialect_, tr("Triggers"));
    connect(dialect_, &DialectPage::edited, this, [this] { field_changed(false); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(auto_apply_);
    buttons->addWidget(espec_btn_);
    buttons->addStretch();
    buttons->addWidget(apply_btn_);
    buttons->addWidget(close_btn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    editor_.on_world_changed = [this] { context_.mark_changed(); };
    editor_.on_record_applied = [this](int i) {
        emit context_.recordChanged(RecordKind::Mob, i);
    };
    lists_loaded();
    show_fields();
}

void TMobEdit::lists_loaded() {
    filling_ = true;
    fill_check_list(mob_flags_, context_.lists().mob_affects);
    fill_check_list(mob_actions_, context_.lists().mob_actions);
    fill_combo(loadposcombo_, context_.lists().load_positions);
    fill_combo(defaultposcombo_, context_.lists().default_positions);
    filling_ = false;
    editor_.lists_changed();
    show_fields();
}

void TMobEdit::show_fields() {
    filling_ = true;
    const MobFields& f = editor_.fields;
    set_text(edvnum_, f.vnum);
    set_text(edalias_, f.alias);
    set_text(edshortname_, f.short_name);
    set_text(edlongname_, f.long_name);
    set_memo(eddescr_, f.descr);
    const std::pair<QLineEdit*, const std::string*> numbers[] = {
        {edlevel_, &f.level},         {edalign_, &f.align},         {edAC_, &f.ac},
        {edthaco_, &f.thaco},         {edhitdices_, &f.hit_dices},  {edhitsides_, &f.hit_sides},
        {edhitadd_, &f.hit_add},      {edBHDdices_, &f.bhd_dices},  {edBHDsides_, &f.bhd_sides},
        {edBHDadd_, &f.bhd_add},      {edgold_, &f.gold},           {edexp_, &f.exp}};
    for (const auto& [edit, text] : numbers) set_text(edit, *text);
    type_combo_->setCurrentIndex(f.type_entry);
    set_checks(mob_flags_, f.affects);
    set_checks(mob_actions_, f.actions);
    loadposcombo_->setCurrentIndex(f.load_pos);
    defaultposcombo_->setCurrentIndex(f.default_pos);
    (f.sex == MobSex::Male ? male_ : f.sex == MobSex::Female ? female_ : neutral_)->setChecked(true);
    autolevel_->setChecked(f.autolevel);
    autolevel_panel_->setVisible(f.autolevel_panel);
    power_bar_->setValue(f.power);
    endurance_bar_->setValue(f.endurance);
    reward_bar_->setValue(f.reward);
    hit_label_->setText(QString::fromStdString(f.hit_label));
    damage_label_->setText(QString::fromStdString(f.damage_label));
    apply_btn_->setEnabled(editor_.modified());
    espec_btn_->setEnabled(f.especs_enabled);
    if (dialect_) {
        dialect_->set_row(0, f.action_more.data());
        dialect_->set_row(1, f.affect_more.data());
        dialect_->set_enabled_fields(editor_.shown());
        dialect_->triggers()->show_list(&editor_.fields.triggers, editor_.shown());
        tabs_->setTabVisible(tabs_->indexOf(dialect_), DialectPage::shown_for(context_.world.dialect));
    }
    filling_ = false;
}

void TMobEdit::read_fields() {
    MobFields& f = editor_.fields;
    f.alias = text_of(edalias_);
    f.short_name = text_of(edshortname_);
    f.long_name = text_of(edlongname_);
    f.descr = memo_of(eddescr_);
    const std::pair<QLineEdit*, std::string*> numbers[] = {
        {edlevel_, &f.level},         {edalign_, &f.align},         {edAC_, &f.ac},
        {edthaco_, &f.thaco},         {edhitdices_, &f.hit_dices},  {edhitsides_, &f.hit_sides},
        {edhitadd_, &f.hit_add},      {edBHDdices_, &f.bhd_dices},  {edBHDsides_, &f.bhd_sides},
        {edBHDadd_, &f.bhd_add},      {edgold_, &f.gold},           {edexp_, &f.exp}};
    for (const auto& [edit, text] : numbers) *text = text_of(edit);
    f.affects = checks_of(mob_flags_);
    f.actions = checks_of(mob_actions_);
    f.load_pos = loadposcombo_->currentIndex();
    f.default_pos = defaultposcombo_->currentIndex();
    f.sex = male_->isChecked() ? MobSex::Male : female_->isChecked() ? MobSex::Female : MobSex::Neutral;
    if (!dialect_) return;
    dialect_->read_row(0, f.action_more.data());
    dialect_->read_row(1, f.affect_more.data());
}

void TMobEdit::field_changed(bool number_field) {
    if (filling_) return;
    read_fields();
    editor_.text_changed(number_field);
    show_fields();
}

void TMobEdit::select_record(int index) {
    const int before = editor_.current();
    read_fields();
    editor_.show_mob(index);
    show_fields();
    first_page_for_new_record(before);
    emit recordShown(editor_.current());
}

void TMobEdit::apply_pending() {
    if (!editor_.modified()) return;
    read_fields();
    editor_.apply_mob();
    show_fields();
}

void TMobEdit::discard_pending() {
    editor_.set_modified(false);
    editor_.show_mob(-1);
    show_fields();
}

void TMobEdit::ApplyBtnClick() {
    read_fields();
    editor_.apply_mob();
    show_fields();
}

void TMobEdit::ESpecBtnClick() {
    const int index = editor_.current();
    if (index < 0 || index >= context_.world.mob_count()) return;
    specs_->edit(context_.world, context_.messages, context_.lists().especs, index,
                 [this] { context_.mark_changed(); });
}

}  // namespace tarnwick::ui
