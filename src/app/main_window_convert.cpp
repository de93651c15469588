// Tools > Convert zone to...: the open zone written as a new project for
// another server beside the old one, and the report of every change shown.

#include <filesystem>

#include "app/main_window.h"
#include "app/window_placer.h"
#include "formats/zone_file.h"
#include "project/convert_project.h"
#include "ui/convert_dialog.h"
#include "ui/cp1252.h"
#include "ui/file_name_text.h"
#include "ui/text_viewer.h"
#include "ui/zone_edit_window.h"
#include "world/file_path.h"

namespace tarnwick::app {

void MainWindow::ConvertZone1Click() {
    apply_all_pending();
    // The header as the zone editor holds it, as a save would write it.
    World zone = state_.world;
    if (auto* editor = dynamic_cast<ui::TZoneEdit*>(zone_editor_))
        commit_zone_header(zone, editor->header_fields());
    const std::string beside = state_.project.project_path.empty() ? state_.project.zone_file
                                                                   : state_.project.project_path;
    std::error_code ec;
    const auto absolute = [&](const std::string& path) {
        return utf8_name(std::filesystem::absolute(native_path(path), ec));
    };
    const QString folder =
        ui::file_name_text(utf8_name(native_path(absolute(beside)).parent_path()));
    ui::ConvertDialog dialog(zone.dialect, folder, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto show = [&](const QString& heading, const ConversionReport& report) {
        if (!convert_report_) {
            convert_report_ = new ui::TextViewer(this);
            convert_report_->setObjectName("ConvertReport");
            convert_report_->resize(720, 480);
            placer_->watch(convert_report_);
        }
        convert_report_->setWindowTitle(tr("Conversion report"));
        convert_report_->set_text(heading + "\n\n" + ui::from_cp1252(report.text()));
        convert_report_->show();
        convert_report_->raise();
    };
    // The whole list of what would be dropped stands in the report while
    // the question asks, and stays to be read when the answer is Cancel.
    const auto done = convert_project(
        zone, state_.project, dialog.target(), state_.messages,
        [&](const ConversionReport& r) { show("Not written yet: nothing was dropped.", r); });
    if (!done) return;
    show(ui::file_name_text("Written: " + absolute(done->project.project_path)), done->report);
}

}  // namespace tarnwick::app
