#include "app/about_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tarnwick::app {

QPixmap product_picture(int size) {
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0, 0, size, size));
    // A tower on a hill: the zone a builder raises.
    p.setBrush(QColor(200, 170, 90));
    p.drawRect(QRectF(size * 0.40, size * 0.25, size * 0.20, size * 0.50));
    p.drawRect(QRectF(size * 0.36, size * 0.20, size * 0.28, size * 0.08));
    p.setBrush(QColor(40, 140, 60));
    p.drawChord(QRectF(size * 0.05, size * 0.62, size * 0.90, size * 0.60), 0, 180 * 16);
    return pix;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle(tr("Acerca de Tarnwick..."));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* picture = new QLabel(this);
    picture->setPixmap(product_picture(64));
    auto* name = new QLabel("Tarnwick", this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);
    auto* notices = new QLabel(
        "A world editor for CircleMUD 3.0 zones.\n"
        "Rooms, mobiles, objects, shops and zone resets.\n"
        "Version 1.0a. Free software; use it at your own risk.",
        this);
    auto* mail = new QLabel("<a href=\"mailto:builders@tarnwick.example\">builders@tarnwick.example</a>", this);
    mail->setOpenExternalLinks(true);
    auto* web = new QLabel("<a href=\"https://tarnwick.example/\">https://tarnwick.example/</a>", this);
    web->setOpenExternalLinks(true);
    auto* close = new QPushButton(tr("&Cerrar"), this);
    close->setObjectName("OKButton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(notices);
    layout->addWidget(mail);
    layout->addWidget(web);
    layout->addWidget(close, 0, Qt::AlignCenter);
}

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("TSplashForm");
    auto* picture = new QLabel(this);
    picture->setPixmap(product_picture(96));
    auto* name = new QLabel("Tarnwick", this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 14);
    big.setBold(true);
    name->setFont(big);
    auto* loading = new QLabel(tr("Loading..."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignCenter);
    layout->addWidget(picture, 0, Qt::AlignCenter);
    layout->addWidget(loading, 0, Qt::AlignCenter);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

}  // namespace tarnwick::app
