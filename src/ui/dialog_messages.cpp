#include "ui/dialog_messages.h"
#include "ui/interface_language.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "ui/cp1252.h"
#include "ui/file_name_text.h"

namespace tarnwick::ui {

QString qt_file_filter(const std::string& filter) {
    const QStringList parts = from_cp1252(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // File names on most systems are case-sensitive, and the world files
        // come as castle.zon as often as CASTLE.ZON: offer both spellings.
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            for (const QString& v : {p.toLower(), p.toUpper()})
                if (!patterns.contains(v)) patterns << v;
        // The descriptions name their patterns already; Qt wants them in
        // parentheses at the end, so they are replaced by the full list.
        if (description.contains(QLatin1Char('(')))
            description = description.left(description.indexOf(QLatin1Char('('))).trimmed();
        out << description + " (" + patterns.join(QLatin1Char(' ')) + ")";
    }
    return out.join(QStringLiteral(";;"));
}

QWidget* DialogMessages::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_.data();
}

void DialogMessages::show(const std::string& text) {
    QMessageBox::information(owner(), QApplication::applicationName(), shown(text));
}

void DialogMessages::warn(const std::string& title, const std::string& text) {
    QMessageBox::warning(owner(), shown(title), shown(text));
}

Answer DialogMessages::ask(const std::string& text, bool with_cancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (with_cancel) buttons |= QMessageBox::Cancel;
    auto r = QMessageBox::question(owner(), QApplication::applicationName(), shown(text),
                                   buttons);
    if (r == QMessageBox::Yes) return Answer::Yes;
    if (r == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

Answer DialogMessages::ask_titled(const std::string& title, const std::string& text) {
    auto r = QMessageBox::question(owner(), shown(title), shown(text),
                                   QMessageBox::Yes | QMessageBox::No);
    return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer DialogMessages::ask_buttons(const std::string& text, const std::string& yes,
                                   const std::string& no) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), shown(text),
                    QMessageBox::NoButton, owner());
    QPushButton* first = box.addButton(shown(yes), QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(shown(no), QMessageBox::RejectRole);
    box.setDefaultButton(second);
    box.exec();
    return box.clickedButton() == first ? Answer::Yes : Answer::No;
}

std::optional<std::string> DialogMessages::choose_file(const FileChoice& choice) {
    QFileDialog dialog(owner(), shown(choice.title));
    dialog.setNameFilters(qt_file_filter(in_language(interface_language(), choice.filter)).split(QStringLiteral(";;")));
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Save choosers ask before replacing a file (Qt's default confirmation).
    if (!choice.default_ext.empty())
        dialog.setDefaultSuffix(from_cp1252(choice.default_ext).toLower());
    if (!choice.initial.empty()) dialog.selectFile(file_name_text(choice.initial));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return file_name_bytes(dialog.selectedFiles().first());
}

}  // namespace tarnwick::ui
