#pragma once

#include <QString>

class QFormLayout;
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

// A form row whose caption is the field's buddy, so its mnemonic jumps to the field and
// assistive technology reads the caption as the field's name.
void addLabelledRow(QFormLayout* form, const QString& caption, QWidget* field);

// The edit takes digits only.
void digitsOnly(QLineEdit* edit);

}  // namespace orbadil
