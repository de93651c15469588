#include "ui/field_focus.h"
#include "ui/interface_language.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <string_view>

#include "ui/cp1252.h"
#include "world/room_exits.h"

namespace tarnwick::ui {

namespace {

// Field names of the finder and the controls that edit them, by kind. A
// name ending in '*' matches every field that starts with the rest.
struct FieldControl {
    FindKind kind;
    const char* field;
    const char* control;
};

constexpr FieldControl kControls[] = {
    {FindKind::Room, "name", "Edit1"},
    {FindKind::Room, "vnum", "Edit1"},
    {FindKind::Room, "description", "Memo1"},
    {FindKind::Room, "exit *", "ExitBox"},
    {FindKind::Room, "extra description *", "DescBox"},
    {FindKind::Mob, "vnum", "edalias"},
    {FindKind::Mob, "keywords", "edalias"},
    {FindKind::Mob, "short description", "edshortname"},
    {FindKind::Mob, "long description", "edlongname"},
    {FindKind::Mob, "detailed description", "eddescr"},
    {FindKind::Object, "vnum", "edalias"},
    {FindKind::Object, "keywords", "edalias"},
    {FindKind::Object, "short description", "edshortdescription"},
    {FindKind::Object, "long description", "edlongdescription"},
    {FindKind::Object, "action description", "edactiondescription"},
    {FindKind::Object, "extra description *", "DescBox"},
    {FindKind::Shop, "vnum", "edkeepernum"},
    {FindKind::Shop, "message: item missing", "Edit1"},
    {FindKind::Shop, "message: player lacks it", "Edit2"},
    {FindKind::Shop, "message: does not buy", "Edit3"},
    {FindKind::Shop, "message: shop broke", "Edit4"},
    {FindKind::Shop, "message: player broke", "Edit5"},
    {FindKind::Shop, "message: bought", "Edit6"},
    {FindKind::Shop, "message: sold", "Edit7"},
    {FindKind::Shop, "buy type keywords", "BuyBox"},
    {FindKind::Zone, "zone name", "Edit1"},
    {FindKind::Zone, "comment", "TreeView1"},
    {FindKind::Trigger, "vnum", "edname"},
    {FindKind::Trigger, "name", "edname"},
    {FindKind::Trigger, "argument list", "edarglist"},
    {FindKind::Trigger, "script", "scriptMemo"},
};

bool matches(std::string_view pattern, std::string_view field) {
    if (!pattern.empty() && pattern.back() == '*')
        return field.substr(0, pattern.size() - 1) == pattern.substr(0, pattern.size() - 1);
    return pattern == field;
}

// Makes every tab page on the way from `widget` up to its window current.
void bring_forward(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (!parent) break;
        if (auto* tabs = qobject_cast<QTabWidget*>(parent->parentWidget())) {
            const int page = tabs->indexOf(w);
            if (page >= 0) tabs->setCurrentIndex(page);
        }
    }
}

// The quoted keywords of "extra description 'key runes'".
QString quoted_part(const std::string& field) {
    const auto open = field.find('\'');
    const auto close = field.rfind('\'');
    if (open == std::string::npos || close <= open) return {};
    return from_cp1252(field.substr(open + 1, close - open - 1));
}

void choose_line(QListWidget* list, const FindHit& hit) {
    const QString key = quoted_part(hit.field);
    if (key.isEmpty()) return;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == key.trimmed()) {
            list->setCurrentRow(i);
            return;
        }
}

// The room editor's exit line of "exit north keywords".
void choose_exit(QTreeWidget* exits, const std::string& field) {
    for (int d = 0; d < kDirectionCount; ++d) {
        if (field.rfind("exit " + std::string(kDirectionWords[d]) + " ", 0) != 0) continue;
        const QString caption = shown(kDirectionCaptions[size_t(d)]).trimmed();
        for (int i = 0; i < exits->topLevelItemCount(); ++i)
            if (exits->topLevelItem(i)->text(0).trimmed() == caption)
                exits->setCurrentItem(exits->topLevelItem(i));
    }
}

}  // namespace

bool focus_found_field(QWidget& editor, const FindHit& hit) {
    const char* control = nullptr;
    for (const FieldControl& c : kControls)
        if (c.kind == hit.kind && matches(c.field, hit.field)) {
            control = c.control;
            break;
        }
    if (!control) return false;
    auto* widget = editor.findChild<QWidget*>(QString::fromLatin1(control));
    if (!widget) return false;
    bring_forward(widget);
    if (auto* list = qobject_cast<QListWidget*>(widget)) choose_line(list, hit);
    auto* tree = qobject_cast<QTreeWidget*>(widget);
    if (tree && hit.field.rfind("exit ", 0) == 0) choose_exit(tree, hit.field);
    if (tree && hit.command_index >= 0) {
        // Below the root node the tree lists the commands in list order.
        int index = -1;
        for (QTreeWidgetItemIterator it(tree); *it; ++it, ++index)
            if (index == hit.command_index) {
                tree->setCurrentItem(*it);
                break;
            }
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget); memo && hit.match_length > 0) {
        // The match itself selected, the first place the memo holds it.
        const QString match = from_cp1252(hit.context.substr(hit.match_start, hit.match_length));
        QTextCursor at = memo->document()->find(match, 0);
        if (!at.isNull()) memo->setTextCursor(at);
    }
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace tarnwick::ui
