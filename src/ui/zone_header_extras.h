#pragma once
// The zone header fields of the later dialects on the zone editor's "Info"
// page: the bottom room (CircleMUD 3.1 and tbaMUD), and tbaMUD's builders,
// four flag words and level range. The rows are added to the page's form
// and shown only for a zone whose header holds them.

#include <QObject>
#include <array>

#include "world/dialect.h"

class QFormLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace tarnwick {
struct ZoneHeaderForm;
}

namespace tarnwick::ui {

class ZoneHeaderExtras : public QObject {
    Q_OBJECT
public:
    ZoneHeaderExtras(QWidget* page, QFormLayout* form);

    // Shows the fields of `header` that a zone of dialect `d` has.
    void show_form(const ZoneHeaderForm& header, Dialect d);
    // Copies every field into `header`.
    void read_form(ZoneHeaderForm& header) const;

signals:
    void edited();

private:
    QFormLayout* form_;
    QLineEdit* bot_;
    QLineEdit* builders_;
    QWidget* flags_row_;
    std::array<QSpinBox*, 4> flags_{};
    QWidget* levels_row_;
    QLineEdit* min_level_;
    QLineEdit* max_level_;
    bool loading_ = false;
};

}  // namespace tarnwick::ui
