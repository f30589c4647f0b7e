#include "admin/tfrmrel_perfil.h"

namespace orbadil::admin {

void TfrmRel_Perfil::preview(QWidget*, bool) {}

}  // namespace orbadil::admin
