#pragma once
// The page a record editor shows for a tbaMUD zone: the flag words past the
// first (bits 32 to 127, which the check lists do not reach) as number
// fields, further numbers where the record has them (an object's timer),
// and the attached triggers. Rows are added by the window that owns it;
// every edit is reported through `edited`.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "world/dialect.h"

class QFormLayout;
class QSpinBox;

namespace tarnwick {
class World;
class Messages;
}  // namespace tarnwick

namespace tarnwick::ui {

class TriggerListBox;

class DialectPage : public QWidget {
    Q_OBJECT
public:
    DialectPage(const World& world, Messages& messages, QWidget* parent);

    // Adds a row of `count` number fields named `prefix` + first ... (one
    // field: `prefix` alone) and answers the row's number.
    int add_row(const QString& label, const QString& prefix, int first, int count);
    // Shows the numbers of a row (as many as it has fields).
    void set_row(int row, const int32_t* values);
    // Reads a row's numbers into `out`.
    void read_row(int row, int32_t* out) const;
    void set_enabled_fields(bool enabled);

    TriggerListBox* triggers() const { return triggers_; }

    // True for the dialects whose files hold what this page shows.
    static bool shown_for(Dialect d) { return d == Dialect::TbaMud; }

signals:
    void edited();

private:
    QFormLayout* form_;
    std::vector<std::vector<QSpinBox*>> rows_;
    TriggerListBox* triggers_;
};

}  // namespace tarnwick::ui
