#pragma once

#include "report/document.h"

class QWidget;

namespace orbadil::admin {

// Listing REL025, the work units.
class TfrmRelUnidade {
  public:
    static report::Document document();
    // Reads the rows and shows the preview over the parent window.
    static void preview(QWidget* parent, bool modal);
};

}  // namespace orbadil::admin
