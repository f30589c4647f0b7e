#pragma once

class QWidget;

namespace orbadil::admin {

// Listing REL027, the users.
class TfrmRelUsuario {
  public:
    // Reads the rows and shows the preview over the parent window.
    static void preview(QWidget* parent, bool modal);
};

}  // namespace orbadil::admin
