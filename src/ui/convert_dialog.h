#pragma once
// Tools > Convert zone to...: which server the open zone is to be converted
// for (the zone's own is not offered), and where the new project goes.

#include <QDialog>

#include "world/dialect.h"

class QComboBox;

namespace tarnwick::ui {

class ConvertDialog : public QDialog {
    Q_OBJECT
public:
    // `current` is the open zone's dialect; `beside` names the folder the
    // new project and its files are written into.
    ConvertDialog(Dialect current, const QString& beside, QWidget* parent = nullptr);
    Dialect target() const;

private:
    QComboBox* target_;
};

}  // namespace tarnwick::ui
