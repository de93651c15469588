// The English interface: chosen in the options, it turns every window, menu,
// list and message of the sample zone into English at once, and the
// original texts come back when the original language is chosen again.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QTest>
#include <QToolBar>
#include <QXmlStreamReader>

#include "gui_support.h"
#include "ui/cp1252.h"
#include "ui/editor_window.h"
#include "ui/interface_language.h"
#include "world/language.h"

namespace tarnwick::test {
namespace english_gui_test {

QStringList words_of(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[\\p{L}]+"));
    QStringList out;
    for (auto it = word.globalMatch(text); it.hasNext();) out << it.next().captured();
    return out;
}

// The words of the original texts that their English forms do not have:
// the Spanish words and the misspellings, from the translation file's
// rows and the core's rows.
QSet<QString> original_only_words() {
    QList<std::pair<QString, QString>> rows;
    QFile file(QStringLiteral(TARNWICK_TRANSLATION));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) rows.append({source, xml.readElementText()});
    }
    for (const EnglishRow& row : english_rows())
        rows.append({ui::from_cp1252(row.original), ui::from_cp1252(row.english)});
    QSet<QString> english, original;
    for (const auto& [o, e] : rows) {
        for (const QString& w : words_of(e)) english.insert(w);
        if (o != e)
            for (const QString& w : words_of(o)) original.insert(w);
    }
    for (const QString& w : english) original.remove(w);
    return original;
}

// Every text `window` shows: titles, captions, tabs, items, headers, actions.
QStringList texts_of(QWidget* window) {
    QStringList out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        out << w->windowTitle() << w->toolTip();
        for (QAction* a : w->actions()) out << a->text() << a->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) out << t->tabText(i);
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        if (auto* l = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        if (auto* t = qobject_cast<QTreeWidget*>(w)) {
            for (int c = 0; c < t->headerItem()->columnCount(); ++c) out << t->headerItem()->text(c);
            for (QTreeWidgetItemIterator it(t); *it; ++it)
                for (int c = 0; c < (*it)->columnCount(); ++c) out << (*it)->text(c);
        }
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int r = -1; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (auto* item = r < 0 ? t->horizontalHeaderItem(c) : t->item(r, c))
                        out << item->text();
    }
    return out;
}

struct EnglishTest : MainFixture {
    QSet<QString> spanish = original_only_words();

    void TearDown() override {
        ui::set_interface_language(Language::Original);
        MainFixture::TearDown();
    }
    void choose(int language_item) {
        on_next_modal([language_item](QWidget* d) {
            d->findChild<QComboBox*>("LanguageCombo")->setCurrentIndex(language_item);
            d->findChild<QAbstractButton*>("OkBtn")->click();
        });
        trigger("Opciones1");
        QApplication::processEvents();  // the LanguageChange events
    }
    // The texts of `where` that hold an original-only word or a Spanish letter.
    QStringList untranslated(const QStringList& texts) const {
        static const QRegularExpression letters(QStringLiteral("[áéíóúñÁÉÍÓÚÑ¿¡]"));
        QStringList out;
        for (const QString& t : texts) {
            if (t.contains(letters)) out << t;
            for (const QString& w : words_of(t))
                if (spanish.contains(w)) out << w + ": " + t;
        }
        return out;
    }
    void expect_english(QWidget* window) {
        EXPECT_EQ(untranslated(texts_of(window)), QStringList()) << window->objectName().toStdString();
    }
};

TEST_F(EnglishTest, TheSpanishWordsComeFromTheOriginalTexts) {
    for (const char* w : {"Sin", "Proyecto", "Edición", "Cargar", "Desea", "Registros", "Norte",
                          "Sur", "Oeste", "Arriba", "Abajo", "simmetric", "Ocurred", "ocurred",
                          "Succesfully", "miltiplied", "numer"})
        EXPECT_TRUE(spanish.contains(QString::fromUtf8(w))) << w;
    for (const char* w : {"Room", "Mob", "Extra", "North", "Records", "Con"})
        EXPECT_FALSE(spanish.contains(QString::fromUtf8(w))) << w;
}

// A stored choice takes effect as the windows first show.
TEST_F(EnglishTest, EnglishStoredShowsFromStartUp) {
    EXPECT_EQ(main->windowTitle(), QString::fromUtf8("Tarnwick v1.0a - Sin Proyecto"));
    prefs_store.write_string("General", "Language", "English");
    start();
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - No Project");
    EXPECT_EQ(main->findChild<QWidget*>("TRoomEdit")->windowTitle(), "Room Editor[*]");
    EXPECT_EQ(main->findChild<QToolBar*>("EditTB")->windowTitle(), "Edit");
}

// Every window the sample zone opens, the dialogs its editors open, and the
// messages of its commands, with English chosen.
TEST_F(EnglishTest, EveryWindowShowsEnglishAtOnceAndTheOriginalComesBack) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    auto* room_editor = main->findChild<ui::EditorWindow*>("TRoomEdit");
    ASSERT_NE(room_editor, nullptr);
    trigger("EditordeRooms1");
    room_editor->select_record(0);
    for (const char* editor : {"TMobEdit", "TObjEdit"})
        main->findChild<ui::EditorWindow*>(editor)->select_record(0);
    // The original texts, as they always were.
    auto* exits = room_editor->findChild<QTreeWidget*>("ExitBox");
    ASSERT_GT(exits->topLevelItemCount(), 0);
    EXPECT_EQ(room_editor->windowTitle(), QString::fromUtf8("Edición de Room[*]"));
    EXPECT_EQ(exits->topLevelItem(0)->text(0), "Norte    ");
    EXPECT_FALSE(untranslated(texts_of(room_editor)).isEmpty());

    choose(1);
    EXPECT_EQ(prefs_store.value("General", "Language"), "English");
    EXPECT_EQ(state->world.language, Language::English);
    EXPECT_EQ(room_editor->windowTitle(), "Room Editor[*]");
    EXPECT_EQ(exits->topLevelItem(0)->text(0), "North    ");
    for (const char* command :
         {"EditordeZonas1", "EditordeMobs1", "EditordeObjs1", "EditordeShops1", "ListadeRooms1",
          "ListadeMobs1", "ListadeObjetos1", "ListadeShops1", "Mapa1", "Find1", "CheckZone1",
          "SimulateReset1", "Contenido1"})
        trigger(command);
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!qobject_cast<QMenu*>(window) || window->parent()) expect_english(window);

    // The modal dialogs, each looked at while open.
    const struct {
        const char* window;
        const char* control;  // a button or action of that window
    } dialogs[] = {
        {"TMainForm", "Opciones1"},    {"TMainForm", "EditarProyecto1"},
        {"TMainForm", "Acercade1"},    {"TMainForm", "GoToVnum1"},
        {"TMainForm", "ConvertZone1"}, {"TRoomEdit", "ExAdd1"},
        {"TRoomEdit", "AgregarExtra"}, {"TMobEdit", "ESpecBtn"},
        {"TObjEdit", "ValueBtn"},      {"TZoneEdit", "AddM"},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.control);
        bool seen = false;
        on_next_modal([this, &seen](QWidget* dialog) {
            seen = true;
            expect_english(dialog);
            if (auto* box = qobject_cast<QDialog*>(dialog)) box->reject();
        });
        QWidget* window = main->objectName() == d.window ? main.get() : main->findChild<QWidget*>(d.window);
        ASSERT_NE(window, nullptr);
        if (auto* a = window->findChild<QAction*>(d.control))
            a->trigger();
        else if (auto* b = window->findChild<QAbstractButton*>(d.control))
            b->click();
        else
            ADD_FAILURE() << "no control " << d.control;
        QTest::qWait(50);
        EXPECT_TRUE(seen);
        if (!seen)  // the handler would take the next test's dialog
            for (QTimer* t : qApp->findChildren<QTimer*>("modal-handler", Qt::FindDirectChildrenOnly))
                delete t;
    }

    // Messages reach the boxes through the interface language.
    messages.answers = {Answer::No};
    trigger("RenumerarMundo1");
    ASSERT_FALSE(messages.entries.empty());
    for (const auto& e : messages.entries)
        EXPECT_EQ(untranslated({ui::shown(e.title), ui::shown(e.text)}), QStringList());

    // Back to the original texts, at once.
    choose(0);
    EXPECT_EQ(prefs_store.value("General", "Language"), "Original");
    EXPECT_EQ(room_editor->windowTitle(), QString::fromUtf8("Edición de Room[*]"));
    EXPECT_EQ(exits->topLevelItem(0)->text(0), "Norte    ");
    EXPECT_EQ(state->world.language, Language::Original);
}

}  // namespace english_gui_test
}  // namespace tarnwick::test
