#pragma once

#include "common/searchdialog.h"

namespace orbadil::admin {

// Finds profiles by key or name and loads the chosen one into the profile screen.
class TfrmPerfilUsuarioPesquisa : public SearchDialog {
    Q_OBJECT

  public:
    explicit TfrmPerfilUsuarioPesquisa(QWidget* parent = nullptr);
};

}  // namespace orbadil::admin
