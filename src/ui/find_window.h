#pragma once
// Edit > Find: one search box over the whole zone, the hits grouped by record
// kind with the matched text in context. Enter or a double-click on a hit
// asks for that record's editor with the field focused.

#include <QDialog>
#include <vector>

#include "analysis/find.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick::ui {

class AppContext;

class FindWindow : public QDialog {
    Q_OBJECT
public:
    FindWindow(AppContext& context, QWidget* parent);

    // Runs the search for `text` (also typed into the box).
    void search(const QString& text);
    // Shows the given hits (go to vnum with several records) without a search.
    void show_hits(const QString& title, const std::vector<FindHit>& hits);
    const std::vector<FindHit>& hits() const { return hits_; }
    QTreeWidget* results() const { return results_; }

signals:
    void openRequested(const tarnwick::FindHit& hit);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rerun();
    void fill();
    void open_item(QTreeWidgetItem* item);

    AppContext& context_;
    QLineEdit* query_;
    QCheckBox* match_case_;
    QCheckBox* whole_word_;
    QLabel* summary_;
    QTreeWidget* results_;
    std::vector<FindHit> hits_;
};

}  // namespace tarnwick::ui
