#pragma once

#include <QString>
#include <QStringView>

namespace orbadil::db {

// Every user text pasted into a statement goes through here.
// 'O''Brien': the text between single quotes, each quote doubled.
QString quoted(QStringView text);
// O''Brien: the quotes doubled, for texts pasted inside a literal the statement opens itself.
QString escaped(QStringView text);
// True for a non-empty text of ASCII digits only: the test numeric criteria must pass.
bool isDigitsOnly(QStringView text);

}  // namespace orbadil::db
