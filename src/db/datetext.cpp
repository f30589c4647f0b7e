#include "db/datetext.h"

#include <QRegularExpression>

namespace orbadil::db {

namespace {

std::optional<QDateTime> build(int year, int month, int day, int hour, int minute, int second,
                               int msec) {
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, msec);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(date, time);
}

int capturedInt(const QRegularExpressionMatch& m, int group) {
    return m.capturedView(group).isEmpty() ? 0 : m.capturedView(group).toInt();
}

std::optional<QDateTime> fromMatch(const QRegularExpressionMatch& m, int y, int mo, int d) {
    if (!m.hasMatch()) return std::nullopt;
    QString fraction = m.captured(7).left(3);
    while (!fraction.isEmpty() && fraction.size() < 3) fraction += u'0';
    return build(capturedInt(m, y), capturedInt(m, mo), capturedInt(m, d), capturedInt(m, 4),
                 capturedInt(m, 5), capturedInt(m, 6), fraction.isEmpty() ? 0 : fraction.toInt());
}

}  // namespace

QString toStoredText(const QDateTime& value) {
    return value.toString(QString::fromLatin1(kStoredDateTimeFormat));
}

QString toStoredText(const QDate& value) {
    return toStoredText(QDateTime(value, QTime(0, 0)));
}

std::optional<QDateTime> fromStoredText(QStringView text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2})(?:\.(\d+))?)?)?\s*$)"));
    return fromMatch(pattern.match(text), 1, 2, 3);
}

std::optional<QDateTime> fromBrazilianText(QStringView text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2})(?:\.(\d+))?)?)?\s*$)"));
    return fromMatch(pattern.match(text), 3, 2, 1);
}

}  // namespace orbadil::db
