#pragma once

#include "report/document.h"

class QWidget;

namespace orbadil::admin {

// Report REL001, the profiles with their rights.
class TfrmRel_Perfil {
  public:
    static report::Document document();
    // Reads the rows and shows the preview over the parent window.
    static void preview(QWidget* parent, bool modal);
};

}  // namespace orbadil::admin
