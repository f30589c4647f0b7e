#pragma once

#include "common/maintenance.h"

namespace orbadil::admin {

// 001: the work units.
class TfrmUnidade : public MaintenanceScreen {
    Q_OBJECT

  public:
    explicit TfrmUnidade(QWidget* parent = nullptr);

  protected:
    void openSearch() override;
    void printListing() override;
};

}  // namespace orbadil::admin
