#pragma once

#include "common/maintenance.h"

namespace orbadil::admin {

// 003: the staff accounts.
class TfrmUsuario : public MaintenanceScreen {
    Q_OBJECT

  public:
    explicit TfrmUsuario(QWidget* parent = nullptr);

  protected:
    bool validate() override;
    void beforeWrite(bool inserting) override;
    void afterCancel() override;
    void openSearch() override;
    void printListing() override;

  private:
    void loadLists();
    void passwordEdited(const QString& text);

    DbLookupCombo* dblUnidade_;
    DbLookupCombo* dblPerfil_;
    QString storedDigest_;  // of the row as it entered edit state
    QString typedPassword_;
    bool passwordTyped_ = false;
};

}  // namespace orbadil::admin
