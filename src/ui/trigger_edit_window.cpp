#include "ui/trigger_edit_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/editor_factory.h"
#include "ui/editor_text.h"
#include "ui/script_edit.h"
#include "world/trigger_types.h"
#include "ui/dialog_buttons.h"

namespace tarnwick::ui {

namespace {

// The script as the memo shows it: without the line break the file puts
// after its last line (applying puts it back).
QString memo_text(const std::string& script) {
    std::string s = script;
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return to_qt(s);
}

QColor severity_color(Severity s) {
    switch (s) {
    case Severity::Error: return QColor(180, 0, 0);
    case Severity::Warning: return QColor(160, 90, 0);
    case Severity::Note: return QColor(90, 90, 90);
    }
    return {};
}

}  // namespace

TTrigEdit::TTrigEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent), editor_(context.world, context.messages) {
    setObjectName("TTrigEdit");
    setWindowTitle(tr("Trigger Editor[*]"));

    vnum_ = new QLineEdit(this);
    vnum_->setObjectName("edvnum");
    vnum_->setReadOnly(true);
    name_ = new QLineEdit(this);
    name_->setObjectName("edname");
    attach_ = new QComboBox(this);
    attach_->setObjectName("attachCombo");
    attach_->addItems({QStringLiteral("Mobiles"), QStringLiteral("Objects"), QStringLiteral("Rooms")});
    narg_ = new QLineEdit(this);
    narg_->setObjectName("ednarg");
    narg_->setToolTip(tr("Numeric argument: a chance in percent for most events"));
    arglist_ = new QLineEdit(this);
    arglist_->setObjectName("edarglist");
    arglist_->setToolTip(tr("Argument list: the words a Command, Speech or Act trigger answers"));
    types_ = new QListWidget(this);
    types_->setObjectName("typeList");
    script_ = new ScriptEdit(this);
    check_label_ = new QLabel(tr("Check:"), this);
    findings_ = new QListWidget(this);
    findings_->setObjectName("checkList");
    findings_->setWordWrap(true);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("VNum:"), this), 0, 0);
    fields->addWidget(vnum_, 0, 1);
    fields->addWidget(new QLabel(tr("Attach to:"), this), 0, 2);
    fields->addWidget(attach_, 0, 3);
    fields->addWidget(new QLabel(tr("Name:"), this), 1, 0);
    fields->addWidget(name_, 1, 1, 1, 3);
    fields->addWidget(new QLabel(tr("Numeric argument:"), this), 2, 0);
    fields->addWidget(narg_, 2, 1);
    fields->addWidget(new QLabel(tr("Argument list:"), this), 3, 0);
    fields->addWidget(arglist_, 3, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* left = new QWidget(this);
    auto* left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addWidget(new QLabel(tr("Trigger types:"), left));
    left_layout->addWidget(types_);

    auto* right = new QWidget(this);
    auto* right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(new QLabel(tr("Script:"), right));
    right_layout->addWidget(script_, 1);
    right_layout->addWidget(check_label_);
    right_layout->addWidget(findings_);
    // Five findings' room; the script takes the rest.
    findings_->setMaximumHeight(findings_->fontMetrics().height() * 5 + 8);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName("splitter");
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* bottom = new QHBoxLayout;
    auto_apply_ = new QCheckBox(tr("Auto apply"), this);
    auto_apply_->setObjectName("CheckBox1");
    auto_apply_->setChecked(true);
    auto* ok = named_button(tr("&Ok"), "ApplyBtn", this);
    auto* close = named_button(tr("&Close"), "Button1", this);
    bottom->addWidget(auto_apply_);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) {
        editor_.form.name = from_qt(t);
        edited();
    });
    connect(narg_, &QLineEdit::textEdited, this, [this](const QString& t) {
        editor_.form.narg = from_qt(t);
        edited();
    });
    connect(arglist_, &QLineEdit::textEdited, this, [this](const QString& t) {
        editor_.form.arglist = from_qt(t);
        edited();
    });
    connect(attach_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_ || index < 0) return;
        editor_.set_attach(index);
        script_->set_attach_type(index);
        show_types();
        edited();
    });
    connect(types_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (loading_) return;
        const int row = types_->row(item);
        if (row < 0 || size_t(row) >= editor_.form.types.size()) return;
        editor_.form.types[size_t(row)] = item->checkState() == Qt::Checked;
        edited();
    });
    connect(script_, &QPlainTextEdit::textChanged, this, [this] {
        if (loading_) return;
        editor_.form.script = from_qt(script_->toPlainText());
        edited();
    });
    connect(findings_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        focus_field(from_qt(item->data(Qt::UserRole).toString()));
    });
    connect(auto_apply_, &QCheckBox::toggled, this, [this](bool on) { editor_.auto_apply = on; });
    connect(ok, &QPushButton::clicked, this, &TTrigEdit::apply);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    connect(&context_, &AppContext::tableChanged, this, [this](RecordKind kind) {
        if (kind != RecordKind::Trigger) return;
        editor_.table_changed();
        show_form();
        emit recordShown(editor_.current());
    });
    // What the script names, and what attaches the trigger, may have come
    // or gone with any change: the check follows while the window is open.
    connect(&context_, &AppContext::historyChanged, this, &TTrigEdit::recheck);
    connect(&context_, &AppContext::otherZonesChanged, this, &TTrigEdit::recheck);
    connect(&context_, &AppContext::preferencesApplied, this, &TTrigEdit::preferences_applied);
    show_form();
    resize(sizeHint());
}

QSize TTrigEdit::sizeHint() const {
    // Room for 80 columns of script beside the event list.
    const int script = script_->fontMetrics().horizontalAdvance(QString(80, 'x')) +
                       script_->gutter_width() + 30;
    return {std::max(EditorWindow::sizeHint().width(), script + types_->sizeHintForColumn(0) + 90),
            std::max(EditorWindow::sizeHint().height(), 560)};
}

void TTrigEdit::recheck() {
    if (!isVisible() || editor_.modified || !editor_.has_trigger()) return;
    editor_.check();
    show_findings();
}

void TTrigEdit::showEvent(QShowEvent* event) {
    EditorWindow::showEvent(event);
    recheck();
}

void TTrigEdit::edited() {
    if (!loading_) set_modified(true);
}

void TTrigEdit::set_modified(bool modified) {
    editor_.modified = modified;
    setWindowModified(modified);
}

void TTrigEdit::preferences_applied() {
    const Preferences& p = context_.preferences;
    script_->set_memo_font(font_from_setting(p.memo_font));
    QPalette pal = script_->palette();
    pal.setColor(QPalette::Text, color_from_setting(p.memo_font.color));
    pal.setColor(QPalette::Base, color_from_setting(p.memo_back));
    script_->setPalette(pal);
}

void TTrigEdit::select_record(int index) {
    const int before = editor_.current();
    const bool stores = editor_.has_trigger() && editor_.auto_apply && editor_.modified;
    editor_.show_trigger(index);
    if (stores) {
        emit context_.recordChanged(RecordKind::Trigger, before);
        context_.mark_changed();
    }
    show_form();
    emit recordShown(editor_.current());
}

void TTrigEdit::show_types() {
    const bool was = loading_;
    loading_ = true;
    types_->clear();
    const auto names = trigger_type_names(editor_.form.attach);
    for (size_t i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromLatin1(names[i]), types_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool on = i < editor_.form.types.size() && editor_.form.types[i];
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        // The bits the server leaves unused stay in their place, greyed.
        if (QString::fromLatin1(names[i]).startsWith("UNUSED")) item->setForeground(QColor(150, 150, 150));
    }
    types_->setEnabled(editor_.form.enabled);
    loading_ = was;
}

void TTrigEdit::show_findings() {
    findings_->clear();
    for (const Finding& f : editor_.findings()) {
        auto* item = new QListWidgetItem(QString::fromLatin1(severity_name(f.severity)) + ": " +
                                             to_qt(f.message),
                                         findings_);
        item->setForeground(severity_color(f.severity));
        item->setData(Qt::UserRole, to_qt(f.field));
    }
    check_label_->setText(editor_.form.enabled && editor_.findings().empty()
                              ? QStringLiteral("Check: nothing found")
                              : QStringLiteral("Check:"));
}

void TTrigEdit::show_form() {
    loading_ = true;
    const TriggerForm& f = editor_.form;
    vnum_->setText(to_qt(f.vnum));
    name_->setText(to_qt(f.name));
    attach_->setCurrentIndex(f.enabled ? f.attach : -1);
    narg_->setText(to_qt(f.narg));
    arglist_->setText(to_qt(f.arglist));
    script_->set_attach_type(f.attach);
    script_->setPlainText(memo_text(f.script));
    for (QWidget* w : std::initializer_list<QWidget*>{name_, attach_, narg_, arglist_, script_})
        w->setEnabled(f.enabled);
    loading_ = false;
    show_types();
    show_findings();
    set_modified(editor_.modified);
}

void TTrigEdit::apply() {
    if (!editor_.apply()) return;
    set_modified(editor_.modified);
    emit context_.recordChanged(RecordKind::Trigger, editor_.current());
    context_.mark_changed();
    show_findings();
}

void TTrigEdit::apply_pending() {
    if (editor_.modified) apply();
}

void TTrigEdit::discard_pending() {
    editor_.discard();
    show_form();
}

void TTrigEdit::focus_field(const std::string& field) {
    if (field.rfind("script.", 0) == 0) {
        script_->go_to_line(std::atoi(field.c_str() + 7));
        script_->setFocus();
    } else if (field == "arglist") {
        arglist_->setFocus();
    } else {
        name_->setFocus();
    }
}

EditorWindow* create_trigger_editor(AppContext& context, QWidget* parent) {
    return new TTrigEdit(context, parent);
}

}  // namespace tarnwick::ui
