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

namespace {
std::function<void(QWidget*)>& childWindowHost() {
    static std::function<void(QWidget*)> host;
    return host;
}
}  // namespace

void showChildWindow(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (childWindowHost()) {
        childWindowHost()(window);
        return;
    }
    window->setWindowFlag(Qt::Window);
    window->show();
    focusFirstControl(window);
}

void setChildWindowHost(std::function<void(QWidget*)> host) {
    childWindowHost() = std::move(host);
}

}  // namespace orbadil
