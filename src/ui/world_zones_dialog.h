#pragma once
// The zones of a server's world folder in a table (number, name, top and the
// record counts of each zone's own files; a zone that did not load shows
// why); choosing one answers its row.

#include <QDialog>
#include <vector>

#include "project/world_zones.h"

class QTableWidget;

namespace tarnwick::ui {

class WorldZonesDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorldZonesDialog(QWidget* parent = nullptr);
    // Fills the table; the first zone that loaded is selected.
    void set_zones(const QString& folder, std::vector<WorldZone> zones);
    // The chosen zone, or nullptr when none is selected.
    const WorldZone* chosen() const;
    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
    std::vector<WorldZone> zones_;
};

}  // namespace tarnwick::ui
