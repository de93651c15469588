#pragma once
// The main window's caption: the product name and version followed by the
// caption text, drawn flat or with a colour gradient.

#include <QWidget>

namespace tarnwick::ui {

inline constexpr const char* kProductCaption = "Tarnwick v1.0a";

class CaptionBar : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(QWidget* parent = nullptr);
    void set_text(const QString& text);
    QString text() const { return text_; }
    // The whole caption as the window title shows it.
    QString full_text() const;
    // The world changed since it was opened or saved: " *" follows the text.
    void set_changed(bool on);
    bool changed() const { return changed_; }
    void set_gradient(bool on);
    bool gradient() const { return gradient_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool gradient_ = false;
    bool changed_ = false;
};

}  // namespace tarnwick::ui
