#pragma once
// Helpers for driving editor windows in widget tests: a world with its
// context, a scripted chooser, and answering modal dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "editors/selection.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "ui/app_context.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick::test {

struct ScriptedChooser : Chooser {
    std::vector<int> picks;
    int pick_from_list(const std::string&, const std::vector<std::string>&) override {
        if (picks.empty()) return -1;
        int p = picks.front();
        picks.erase(picks.begin());
        return p;
    }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

struct EditorFixture {
    World world;
    AreaProject project;
    Preferences preferences;
    LookupLists lists;
    MessageRecorder messages;
    ScriptedChooser chooser;
    ui::AppContext context{world, project, preferences, lists, messages, chooser};
};

// Hands the next modal dialog to `handler` (which should close it). A dialog
// that never opens, or stays open, fails the test instead of hanging it.
inline void on_next_dialog(std::function<void(QDialog*)> handler) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName("modal-handler");
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, handler] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->setObjectName("modal-handler-used");
            timer->deleteLater();
            handler(dialog);
            QTimer::singleShot(2000, dialog, [dialog] {
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "dialog left open: " << dialog->objectName().toStdString();
                    dialog->reject();
                }
            });
        } else if (clock->elapsed() > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog opened";
        }
    });
    timer->start();
}

template <class T>
T* child(QObject* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline void click(QObject* parent, const char* name) {
    if (auto* b = child<QPushButton>(parent, name)) b->click();
}

}  // namespace tarnwick::test
