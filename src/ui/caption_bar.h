#pragma once
// The main window's caption: the product name and version, then " - " and
// the caption text (a zone name, a project file, "No Project"), drawn flat or
// with a colour gradient.

#include <QWidget>

namespace tarnwick::ui {

inline constexpr const char* kProductCaption = "Tarnwick v1.0a";

class CaptionBar : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(QWidget* parent = nullptr);
    // A program text ("Sin Proyecto") is shown in the interface language; a
    // zone name or file as it is.
    void set_text(const QString& text, bool program_text = false);
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
    // What follows the product name.
    QString shown_text() const;
    QString text_;
    bool program_text_ = false;
    bool gradient_ = false;
    bool changed_ = false;
};

}  // namespace tarnwick::ui
