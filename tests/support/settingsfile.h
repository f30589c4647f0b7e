#pragma once

#include <QDir>
#include <QFile>
#include <QString>

namespace orbadil::test {

// Writes a settings file naming three SQLite files in folder (created on first open),
// with extra lines appended to the main connection's section.
inline QString writeSettingsFile(const QString& folder, const QString& mainExtra = {}) {
    const QString path = QDir(folder).filePath(QStringLiteral("orbadil.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(QStringLiteral("[BANCO_TRUV]\nKind=sqlite\nDatabase=truv.db\nCreate=true\n%1\n"
                              "[DB_Padrao]\nDatabase=padrao.db\nCreate=true\n"
                              "[DB_KERNO]\nDatabase=kerno.db\nCreate=true\n")
                   .arg(mainExtra)
                   .toUtf8());
    return path;
}

}  // namespace orbadil::test
