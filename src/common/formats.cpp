#include "common/formats.h"

#include <QLocale>

#include "db/datetext.h"

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

QString formatValue(const QVariant& value) {
    if (value.isNull()) return {};
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            return formatDecimal(value.toDouble());
        case QMetaType::QDateTime:
            return formatDateTime(value.toDateTime());
        case QMetaType::QDate:
            return formatDate(value.toDate());
        default:
            break;
    }
    const QString text = value.toString();
    // A date-time computed on SQLite (getdate(), max(...)) arrives as its stored text.
    if (text.size() == 19 && text[4] == u'-' && text[7] == u'-' && text[10] == u' ')
        if (auto when = db::fromStoredText(text)) return formatDateTime(*when);
    return text;
}

}  // namespace orbadil
