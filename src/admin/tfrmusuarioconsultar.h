#pragma once

#include "common/searchdialog.h"

namespace orbadil::admin {

// Finds users by key or name and loads the chosen one into the user screen.
class TfrmUsuarioConsultar : public SearchDialog {
    Q_OBJECT

  public:
    explicit TfrmUsuarioConsultar(QWidget* parent = nullptr);
};

}  // namespace orbadil::admin
