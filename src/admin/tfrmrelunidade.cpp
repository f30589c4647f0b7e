#include "admin/tfrmrelunidade.h"

namespace orbadil::admin {

void TfrmRelUnidade::preview(QWidget*, bool) {}

}  // namespace orbadil::admin
