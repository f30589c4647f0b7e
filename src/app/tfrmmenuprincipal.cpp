#include "app/tfrmmenuprincipal.h"

#include <QMdiArea>

namespace orbadil::app {

TfrmMenuPrincipal::TfrmMenuPrincipal(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmMenuPrincipal"));
    setWindowTitle(QStringLiteral("Orbadil - TRUV"));
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
}

}  // namespace orbadil::app
