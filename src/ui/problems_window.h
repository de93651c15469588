#pragma once
// The Problems window: what the zone checker finds in the open zone, with
// counts by severity and a filter, sorted by record. Double-clicking a
// finding asks for its record's editor; while open, it follows every apply,
// table change and save.

#include <QDialog>
#include <vector>

#include "analysis/finding.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace tarnwick::ui {

class AppContext;

class ProblemsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProblemsWindow(AppContext& context, QWidget* parent = nullptr);

    // Checks the zone again and shows what was found. A check the builder
    // cancels leaves the findings shown before.
    void refresh();
    const std::vector<Finding>& findings() const { return findings_; }
    // The findings the list shows now, after the filter.
    std::vector<Finding> shown() const;

signals:
    void openFinding(const tarnwick::Finding& finding);

private:
    void show_list();
    void refresh_if_open();

    AppContext& context_;
    std::vector<Finding> findings_;
    QLabel* counts_;
    QComboBox* severity_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    // A check under way, and whether the world changed during it.
    bool checking_ = false, again_ = false;
    bool checked_ = false;  // a check ran to its end: its findings are shown
};

}  // namespace tarnwick::ui
