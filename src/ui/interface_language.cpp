#include "ui/interface_language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <cstring>
#include <functional>

#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

Language g_language = Language::Original;

// The English translation of the Qt texts, built from translations/*.ts and
// embedded in the program. lupdate names a class's context without its
// namespaces ("TRoomEdit"), Qt asks with the full class name
// ("tarnwick::ui::TRoomEdit"): a name not found is asked again without them.
class EnglishTranslator : public QTranslator {
public:
    EnglishTranslator() { loaded_ = load(QStringLiteral(":/i18n/tarnwick_en.qm")); }
    bool loaded() const { return loaded_; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        QString t = QTranslator::translate(context, source, disambiguation, n);
        if (!t.isNull() || !context) return t;
        const char* last = std::strrchr(context, ':');
        return last ? QTranslator::translate(last + 1, source, disambiguation, n) : t;
    }

private:
    bool loaded_ = false;
};

EnglishTranslator& english_translator() {
    static EnglishTranslator translator;
    return translator;
}

// The text to show in one slot of `object` (a title, a button's text, tab 3)
// whose current text is `current`. The object keeps the slot's original and
// what was last shown: when the slot still shows that, its original is
// translated again; otherwise the code has set a new text since, which is
// the new original.
QString next_text(QObject* object, const QByteArray& slot, const QString& current,
                  const QWidget* where) {
    const QByteArray original_key = "_tw_original_" + slot;
    const QByteArray shown_key = "_tw_shown_" + slot;
    const QVariant last = object->property(shown_key.constData());
    const QString original = last.isValid() && last.toString() == current
                                 ? object->property(original_key.constData()).toString()
                                 : current;
    const QString text = shown_text(original, where);
    object->setProperty(original_key.constData(), original);
    object->setProperty(shown_key.constData(), text);
    return text;
}

// Re-translates one slot through its getter and setter.
void redo(QObject* object, const QByteArray& slot, const QWidget* where, const QString& current,
          const std::function<void(const QString&)>& set) {
    if (current.isEmpty() && !object->property("_tw_shown_" + slot).isValid()) return;
    const QString text = next_text(object, slot, current, where);
    if (text != current) set(text);
}

void retranslate_widget(QWidget* w) {
    redo(w, "title", w, w->windowTitle(), [w](const QString& t) { w->setWindowTitle(t); });
    redo(w, "tip", w, w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        redo(w, "text", w, b->text(), [b](const QString& t) { b->setText(t); });
    if (auto* l = qobject_cast<QLabel*>(w))
        redo(w, "text", w, l->text(), [l](const QString& t) { l->setText(t); });
    if (auto* g = qobject_cast<QGroupBox*>(w))
        redo(w, "text", w, g->title(), [g](const QString& t) { g->setTitle(t); });
    if (auto* e = qobject_cast<QLineEdit*>(w))
        redo(w, "hint", w, e->placeholderText(), [e](const QString& t) { e->setPlaceholderText(t); });
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            redo(w, "tab" + QByteArray::number(i), w, tabs->tabText(i),
                 [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i)
            redo(w, "item" + QByteArray::number(i), w, combo->itemText(i),
                 [combo, i](const QString& t) { combo->setItemText(i, t); });
    if (auto* tree = qobject_cast<QTreeWidget*>(w))
        if (QTreeWidgetItem* head = tree->headerItem())
            for (int c = 0; c < head->columnCount(); ++c)
                redo(w, "head" + QByteArray::number(c), w, head->text(c),
                     [head, c](const QString& t) { head->setText(c, t); });
    if (auto* table = qobject_cast<QTableWidget*>(w))
        for (int c = 0; c < table->columnCount(); ++c)
            if (QTableWidgetItem* head = table->horizontalHeaderItem(c))
                redo(w, "head" + QByteArray::number(c), w, head->text(),
                     [head](const QString& t) { head->setText(t); });
    for (QAction* a : w->actions())
        redo(a, "text", w, a->text(), [a](const QString& t) { a->setText(t); });
}

}  // namespace

Language interface_language() { return g_language; }

QString shown(const std::string& core_text) {
    return from_cp1252(in_language(g_language, core_text));
}

QString shown_text(const QString& original, const QWidget* where) {
    if (g_language == Language::Original || original.isEmpty()) return original;
    const QByteArray source = original.toUtf8();
    for (const QObject* o = where; o; o = o->parent())
        for (const QMetaObject* m = o->metaObject(); m; m = m->superClass()) {
            const QString t = QCoreApplication::translate(m->className(), source.constData());
            if (t != original) return t;
        }
    return from_cp1252(english_text(to_cp1252(original)));
}

void retranslate_window(QWidget* window) {
    retranslate_widget(window);
    for (QWidget* child : window->findChildren<QWidget*>()) retranslate_widget(child);
}

void set_interface_language(Language language) {
    if (language == g_language) return;
    g_language = language;
    if (language == Language::English)
        QCoreApplication::installTranslator(&english_translator());
    else
        QCoreApplication::removeTranslator(&english_translator());
    for (QWidget* window : QApplication::topLevelWidgets()) retranslate_window(window);
}

}  // namespace tarnwick::ui
