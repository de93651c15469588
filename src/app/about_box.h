#pragma once
// The about box and the splash window shown while the windows are created.

#include <QDialog>
#include <QWidget>

namespace tarnwick::app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();
};

// The product picture of the about box and the splash window.
QPixmap product_picture(int size);

}  // namespace tarnwick::app
