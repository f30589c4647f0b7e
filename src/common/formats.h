#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace orbadil {

// The application's title, as the task bar and message boxes show it.
QString applicationTitle();

// The process-wide regional settings: dd/mm/yyyy with "/", decimal comma, whatever the
// machine's locale says. Set once at start-up, before any connection opens.
void applyRegionalSettings();

QString formatDate(const QDate& date);              // 05/03/2026
QString formatDateTime(const QDateTime& dateTime);  // 05/03/2026 14:30:00
QString formatDecimal(double value);                // 2,5
// A stored value as the screens show it: dates dd/mm/yyyy (with the time), decimals with a
// comma, NULL as nothing.
QString formatValue(const QVariant& value);
std::optional<QDate> parseDate(const QString& text);
std::optional<double> parseDecimal(const QString& text);  // "2,5" (also "2.5")

}  // namespace orbadil
