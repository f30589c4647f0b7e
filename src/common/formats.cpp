#include "common/formats.h"

#include <QLocale>

namespace orbadil {

QString applicationTitle() {
    return QStringLiteral("Orbadil ");
}

void applyRegionalSettings() {
    // pt_BR gives dd/MM/yyyy and the decimal comma to every widget that asks the locale.
    QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    brazil.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(brazil);
}

QString formatDate(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString formatDateTime(const QDateTime& dateTime) {
    return dateTime.isValid() ? dateTime.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
                              : QString();
}

QString formatDecimal(double value) {
    QString text = QString::number(value, 'f', 6);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) text.chop(1);
    text.replace(u'.', u',');
    return text == u"-0" ? QStringLiteral("0") : text;
}

std::optional<QDate> parseDate(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::optional<double> parseDecimal(const QString& text) {
    QString normal = text.trimmed();
    normal.replace(u',', u'.');
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok || normal.isEmpty()) return std::nullopt;
    return value;
}

}  // namespace orbadil
