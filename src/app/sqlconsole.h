#pragma once

#include <QStringList>
#include <QTextStream>

namespace orbadil::app {

// orbadil-sql [--settings FILE] [--connection NAME] [STATEMENT]
// Runs statements written in the server dialect through the program's own settings,
// connections and dialect layer. Without a statement it reads batches from the input,
// separated by lines that hold only GO. Returns the process exit code.
int runSqlConsole(const QStringList& arguments, QTextStream& in, QTextStream& out,
                  QTextStream& err);

}  // namespace orbadil::app
