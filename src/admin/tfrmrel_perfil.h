#pragma once

class QWidget;

namespace orbadil::admin {

// Listing REL001, the profiles with their rights.
class TfrmRel_Perfil {
  public:
    // Reads the rows and shows the preview over the parent window.
    static void preview(QWidget* parent, bool modal);
};

}  // namespace orbadil::admin
