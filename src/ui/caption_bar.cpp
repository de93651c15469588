#include "ui/caption_bar.h"
#include "ui/interface_language.h"

#include <QLinearGradient>
#include <QPainter>

namespace tarnwick::ui {

CaptionBar::CaptionBar(QWidget* parent) : QWidget(parent) {
    setObjectName("CaptionBar");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CaptionBar::set_text(const QString& text, bool program_text) {
    text_ = text;
    program_text_ = program_text;
    update();
}

QString CaptionBar::full_text() const {
    return QString::fromLatin1(kProductCaption) + shown_text();
}

QString CaptionBar::shown_text() const {
    // The product and the text are told apart as a title bar does.
    const QString text = program_text_ ? ui::shown_text(text_, this) : text_;
    return (text.isEmpty() ? QString() : QStringLiteral(" - ") + text) + (changed_ ? " *" : "");
}

void CaptionBar::set_changed(bool on) {
    changed_ = on;
    update();
}

void CaptionBar::set_gradient(bool on) {
    gradient_ = on;
    update();
}

QSize CaptionBar::sizeHint() const { return {400, fontMetrics().height() + 6}; }

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor dark(0, 0, 128), light(16, 132, 208);
    if (gradient_) {
        QLinearGradient g(rect().topLeft(), rect().topRight());
        g.setColorAt(0, dark);
        g.setColorAt(1, light);
        p.fillRect(rect(), g);
    } else {
        p.fillRect(rect(), dark);
    }
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::white);
    QRect r = rect().adjusted(6, 0, -6, 0);
    QString product = QString::fromLatin1(kProductCaption);
    p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, product);
    int x = QFontMetrics(bold).horizontalAdvance(product);
    p.setFont(font());
    p.drawText(r.adjusted(x, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, shown_text());
}

}  // namespace tarnwick::ui
