// The widget tests' entry point: an offscreen QApplication around GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <cstdlib>

namespace {

// A dialog handler armed by a test whose dialog never opened would answer
// the next test's dialog instead; it fails the test that armed it and dies
// with it. (Handlers are timers owned by the app, named "modal-handler"
// until they take a dialog.)
class ModalHandlerSweeper : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (QTimer* timer : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (!timer->objectName().startsWith("modal-handler")) continue;
            if (timer->objectName() == "modal-handler")
                ADD_FAILURE() << "a dialog handler was armed but no dialog opened";
            delete timer;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // World files hold numbers with a decimal point and no digit grouping;
    // the number fields' validators read them the same way in every locale.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModalHandlerSweeper);
    return RUN_ALL_TESTS();
}
