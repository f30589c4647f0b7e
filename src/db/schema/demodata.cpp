#include "db/schema/demo_p.h"
#include "db/schema/schema.h"

#include "db/datetext.h"

#include <QTime>

namespace orbadil::db::schema {
namespace detail::demo {
namespace {

int modulo11Digit(int sum) {
    const int remainder = sum % 11;
    return remainder < 2 ? 0 : 11 - remainder;
}

// CPF weights run from digits + 1 down to 2, left to right.
QChar cpfDigit(const QString& digits) {
    int sum = 0;
    int weight = int(digits.size()) + 1;
    for (QChar c : digits) sum += c.digitValue() * weight--;
    return QChar(u'0' + modulo11Digit(sum));
}

// CNPJ weights run 2..9 and again, from the rightmost digit leftwards.
QChar cnpjDigit(const QString& digits) {
    int sum = 0;
    int weight = 2;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        sum += digits[i].digitValue() * weight;
        weight = weight == 9 ? 2 : weight + 1;
    }
    return QChar(u'0' + modulo11Digit(sum));
}

}  // namespace

QString withCpfCheckDigits(const QString& base) {
    QString digits = base;
    digits += cpfDigit(digits);
    digits += cpfDigit(digits);
    return digits;
}

QString withCnpjCheckDigits(const QString& base) {
    QString digits = base;
    digits += cnpjDigit(digits);
    digits += cnpjDigit(digits);
    return digits;
}

Calendar::Calendar(QDate today) : today_(today) {}

QString Calendar::stamp(QDate date, const QString& time) {
    return QDateTime(date, QTime::fromString(time, QStringLiteral("HH:mm")))
        .toString(QLatin1String(kStoredDateTimeFormat));
}

QString Calendar::at(int offset, const QString& time) const {
    return stamp(today_.addDays(offset), time);
}

QString Calendar::workdayAt(int offset, const QString& time) const {
    QDate day = today_.addDays(offset);
    if (day.dayOfWeek() == Qt::Sunday) day = day.addDays(1);
    return stamp(day, time);
}

}  // namespace detail::demo

QStringList demoData(Catalog catalog) {
    using namespace detail::demo;
    const Calendar calendar(QDate::currentDate());
    switch (catalog) {
        case Catalog::Main:
            return accessData(calendar) + referenceData(calendar) + registryData(calendar) +
                   schedulingData(calendar) + attendanceData(calendar);
        case Catalog::AddressBase:
            return addressBaseData();
        case Catalog::Zoonosis:
            return zoonosisData(calendar);
    }
    return {};
}

}  // namespace orbadil::db::schema
