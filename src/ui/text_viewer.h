#pragma once
// The source viewer: a record as its world file holds it. The text can be
// edited in place but is never written back.

#include <QDialog>

class QPlainTextEdit;

namespace tarnwick {
struct TextAreaLook;
}

namespace tarnwick::ui {

class TextViewer : public QDialog {
    Q_OBJECT
public:
    explicit TextViewer(QWidget* parent = nullptr);
    void set_text(const QString& text);
    QString text() const;
    void apply_look(const TextAreaLook& look);
    QPlainTextEdit* viewer() const { return viewer_; }

public slots:
    void SelectAllClick();
    void CopyClick();
    void CloseClick();

private:
    QPlainTextEdit* viewer_;
};

}  // namespace tarnwick::ui
