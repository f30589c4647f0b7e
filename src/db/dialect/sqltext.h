#pragma once

#include <QString>
#include <QStringView>

namespace orbadil::db {

// Throws DialectError naming a construct the embedded database cannot run.
[[noreturn]] void unsupported(const QString& construct);

// 'text' with its quotes doubled.
QString quotedLiteral(QString text);

// SQLite folds the case of ASCII letters only, so accented names lose their accents.
QString foldedIdentifier(QStringView word);

// For "dd/mm/yyyy[ hh:mm[:ss[.fff]]]" text, the same moment as a quoted literal in the stored
// form; empty for any other text.
QString storedDateLiteral(const QString& text);

}  // namespace orbadil::db
