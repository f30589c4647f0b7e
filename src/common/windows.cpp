#include "common/windows.h"

#include <QMdiSubWindow>

namespace orbadil {

void closeScreen(QWidget* screen) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        frame->close();
    else
        screen->close();
}

void focusFirstControl(QWidget* screen) {
    for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain()) {
        if (!screen->isAncestorOf(w)) break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(screen)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    screen->setFocus();
}

}  // namespace orbadil
