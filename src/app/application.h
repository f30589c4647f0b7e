#pragma once

#include <QApplication>

#include "common/settings.h"

namespace orbadil::app {

// A database error that no screen catches ends in the standard error box with the driver's
// text, as it would with an unhandled exception in an event handler.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The whole start-up sequence; returns the process exit code.
int run(int argc, char** argv);

// From the connection holder to the end of the event loop: connections, main window, the
// modal sign-in, then the main window until the program ends. Needs the application object.
int startSession(Settings settings);

}  // namespace orbadil::app
