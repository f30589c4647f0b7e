#pragma once

#include <span>

#include "app/screenrights.h"

namespace orbadil::app {

// One line of the main menu: a menu, a command or a separator, in menu order.
struct MenuEntry {
    enum Kind { Menu, Command, Separator };
    Kind kind;
    const char* parent;           // objectName of the menu it sits in; nullptr for the menu bar
    const char* name;             // objectName; nullptr for a separator
    const char* caption;          // with its & mnemonic
    int tag;                      // -1 always usable, n the screen number, 0 no number of its own
    const char* title = nullptr;  // caption of the window the command opens
    int rightsForm = 0;           // perfil_form.Id_Form read when the screen opens; 0 none
    RightsLayout layout = RightsLayout::Standard;
    bool hidden = false;  // in the menu but never shown
    bool inert = false;   // has no function and always shows disabled
};

// The whole menu of the main window.
std::span<const MenuEntry> mainMenu();

}  // namespace orbadil::app
