#pragma once

class QWidget;

namespace orbadil {

// Closes a screen: the child window that holds it, or the screen's own window.
void closeScreen(QWidget* screen);

// Puts the focus into the first control of the screen that takes it by Tab.
void focusFirstControl(QWidget* screen);

}  // namespace orbadil
