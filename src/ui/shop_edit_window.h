#pragma once
// The shop editor window ("Shop Edit"): binds its three tabs to the shop
// editor's fields and operations. There is no Apply button: the fields are
// stored when the editor leaves the shop.

#include <array>

#include "editors/shop_editor.h"
#include "ui/editor_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;

namespace tarnwick::ui {

class TShopEdit : public EditorWindow {
    Q_OBJECT
public:
    TShopEdit(AppContext& context, QWidget* parent);

    void select_record(int index) override;
    int current_index() const override { return editor_.current(); }
    void apply_pending() override;
    void discard_pending() override;
    // Before the shop list removes shop `removed`.
    void prepare_removal(int removed);

    ShopEditor& editor() { return editor_; }

private:
    void show_fields();
    void read_fields();
    QLineEdit* hour_field(const char* name, std::string ShopFields::*field, QWidget* parent);
    void Button1Click();

    ShopEditor editor_;
    bool filling_ = false;
    QTabWidget* tabs_;
    QLineEdit *edvnum_, *edkeepernum_, *edkeepername_;
    QListWidget *sell_box_, *buy_box_, *room_box_;
    QComboBox *type_combo_, *temper_combo_;
    QLabel* keyword_label_;
    QLineEdit *keyword_ed_, *edprofitsell_, *edprofitbuy_;
    QListWidget *shop_bitvector_, *with_who_bitvector_;
    std::array<QLineEdit*, 7> messages_{};
    QLineEdit *start1_, *end1_, *start2_, *end2_;
};

}  // namespace tarnwick::ui
