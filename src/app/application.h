#pragma once

#include <QApplication>

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

}  // namespace orbadil::app
