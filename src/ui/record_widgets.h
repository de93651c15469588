#pragma once
// Small widgets and helpers the mob, object and shop windows share: a
// number field with spin buttons, check lists, and setters that leave a
// widget alone when it already shows the value (so typing is not disturbed).

#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QComboBox;

namespace tarnwick::ui::fields {

// A line edit that takes integers only, with up and down buttons stepping
// inside [min, max]. The edit carries the given object name.
class SpinField : public QWidget {
    Q_OBJECT
public:
    SpinField(const QString& name, int max_length, int min, int max, QWidget* parent);
    QLineEdit* edit() const { return edit_; }
    void step(int delta);

signals:
    void edited();

private:
    QLineEdit* edit_;
    int min_, max_;
};

// Limits what the user may type into `edit`: text matching `pattern`, at
// most `max_length` characters. Unlike QLineEdit::setMaxLength it never cuts
// a longer value that the program puts into the field, so a record's number
// is shown and stored whole.
void limit_typing(QLineEdit* edit, int max_length, const QString& pattern);
inline const char* const kIntegerPattern = "-?[0-9]*";

void set_text(QLineEdit* edit, const std::string& bytes);
void set_memo(QPlainTextEdit* memo, const std::string& bytes);
std::string text_of(const QLineEdit* edit);
std::string memo_of(const QPlainTextEdit* memo);

void fill_check_list(QListWidget* list, const std::vector<std::string>& names);
void set_checks(QListWidget* list, const std::vector<bool>& checks);
std::vector<bool> checks_of(const QListWidget* list);
void fill_lines(QListWidget* list, const std::vector<std::string>& lines);
void fill_combo(QComboBox* combo, const std::vector<std::string>& names);

}  // namespace tarnwick::ui::fields
