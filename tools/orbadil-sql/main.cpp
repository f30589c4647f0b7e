#include <QCoreApplication>
#include <cstdio>

#include "app/sqlconsole.h"
#include "common/formats.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orbadil"));
    orbadil::applyRegionalSettings();
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return orbadil::app::runSqlConsole(app.arguments(), in, out, err);
}
