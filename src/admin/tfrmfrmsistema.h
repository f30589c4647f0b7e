#pragma once

#include "common/maintenance.h"

namespace orbadil::admin {

// 047: the registry of screens and reports the rights are chosen from.
class TfrmFrmSistema : public MaintenanceScreen {
    Q_OBJECT

  public:
    explicit TfrmFrmSistema(QWidget* parent = nullptr);
};

}  // namespace orbadil::admin
