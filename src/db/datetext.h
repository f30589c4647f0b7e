#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

namespace orbadil::db {

// The embedded databases keep every date-time as 'yyyy-MM-dd HH:mm:ss' text: it sorts and
// compares as text, and SQLite's own date functions read it.
inline constexpr char kStoredDateTimeFormat[] = "yyyy-MM-dd HH:mm:ss";

QString toStoredText(const QDateTime& value);
QString toStoredText(const QDate& value);

// Reads the stored form, also without seconds or time, with milliseconds or with a 'T'.
std::optional<QDateTime> fromStoredText(QStringView text);

// Reads a date typed or pasted the Brazilian way: dd/mm/yyyy[ hh:mm[:ss[.zzz]]].
std::optional<QDateTime> fromBrazilianText(QStringView text);

}  // namespace orbadil::db
