#pragma once

#include <functional>

class QWidget;

namespace orbadil {

// Closes a screen: the child window that holds it, or the screen's own window.
void closeScreen(QWidget* screen);

// Puts the focus into the first control of the screen that takes it by Tab.
void focusFirstControl(QWidget* screen);

// Shows a window that a screen opens (a search dialog) as a child window of the main window,
// which installs the host; without one it becomes a window of its own. It is destroyed when
// closed.
void showChildWindow(QWidget* window);
void setChildWindowHost(std::function<void(QWidget*)> host);

}  // namespace orbadil
