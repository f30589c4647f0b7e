#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

namespace orbadil::app {

// How a menu command's screen is made and where it shows.
struct Screen {
    enum Placement {
        Child,   // a child window of the main window
        Window,  // a free window over the main window
        Self,    // the screen shows itself (a report preview); create() returns nullptr
    };
    std::function<QWidget*(QWidget* parent)> create;
    Placement placement = Child;
    bool centred = false;
    bool windowControls = true;  // minimise, maximise and close buttons on the child window
};

// The screens the menu commands open, by the command's objectName. A command with no screen
// here says so when chosen.
class ScreenRegistry {
  public:
    void add(const QString& command, Screen screen);
    const Screen* find(const QString& command) const;

  private:
    QHash<QString, Screen> screens_;
};

// Registers every screen the program has.
void registerProgramScreens(ScreenRegistry& registry);

}  // namespace orbadil::app
