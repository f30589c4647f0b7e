#include "admin/tfrmrelusuario.h"

namespace orbadil::admin {

void TfrmRelUsuario::preview(QWidget*, bool) {}

}  // namespace orbadil::admin
