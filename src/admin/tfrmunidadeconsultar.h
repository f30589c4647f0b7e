#pragma once

#include "common/searchdialog.h"

namespace orbadil::admin {

// Locates a work unit and shows it in the unit screen as the user moves.
class TfrmUnidadeConsultar : public SearchDialog {
    Q_OBJECT

  public:
    explicit TfrmUnidadeConsultar(QWidget* parent = nullptr);
};

}  // namespace orbadil::admin
