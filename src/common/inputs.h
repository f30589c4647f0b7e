#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace orbadil {

// Enter (or keypad Enter) in the widget moves the focus to the next control, as Tab does,
// and never reaches the window's default button.
void moveFocusOnEnter(QWidget* widget);

// A named push button that Enter presses when it has the focus, as Space does.
QPushButton* commandButton(const char* name, const QString& caption, QWidget* parent);

// Letters typed or pasted into the edit turn into capitals.
void forceUpperCase(QLineEdit* edit);

// The edit takes digits only.
void digitsOnly(QLineEdit* edit);

}  // namespace orbadil
