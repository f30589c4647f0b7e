#include "app/processexit.h"

#include <QCoreApplication>

namespace orbadil::app {

namespace {
ProcessEndHandler handler;
bool ending = false;
int exitCode = 0;
}  // namespace

void endProcess(int code) {
    if (handler) {
        handler(code);
        return;
    }
    ending = true;
    exitCode = code;
    // Every running loop stops, the modal sign-in at start-up included.
    QCoreApplication::exit(code);
}

bool processEnding() {
    return ending;
}

int processExitCode() {
    return exitCode;
}

void resetProcessEnd() {
    ending = false;
    exitCode = 0;
}

void setProcessEndHandler(ProcessEndHandler newHandler) {
    handler = std::move(newHandler);
}

}  // namespace orbadil::app
