// The server's rules for text, dates and conversions, as SQLite functions and a collation.
// Values follow the server: null in gives null out, and a bad conversion fails the statement
// with the server's message.
#include "db/dialect/sqlfunctions.h"

#ifdef ORBADIL_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <QDateTime>
#include <QString>
#include <QVarLengthArray>
#include <array>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

#include "db/datetext.h"
#include "db/dialect/dateparts.h"

namespace orbadil::db {

namespace {

// ---- Folding: the comparison key of one character --------------------------------------------

constexpr char32_t kIgnorable = 0;
constexpr char32_t kLatinEnd = 0x250;

unsigned char asciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Base letter in lower case: 'Á' and 'á' -> 'a', 'Ç' -> 'c'; combining accents are ignorable.
char32_t computeFold(char32_t c) {
    if (QChar::isMark(c)) return kIgnorable;
    while (QChar::decompositionTag(c) == QChar::Canonical)
        c = QChar::decomposition(c).front().unicode();
    return QChar::toCaseFolded(c);
}

char32_t fold(char32_t c) {
    if (c < 0x80) return asciiLower(static_cast<unsigned char>(c));
    static const auto latin = [] {
        std::array<char32_t, kLatinEnd> table{};
        for (char32_t i = 0; i < kLatinEnd; ++i) table[i] = computeFold(i);
        return table;
    }();
    return c < kLatinEnd ? latin[c] : computeFold(c);
}

// Reads one character of UTF-8; a malformed byte stands for itself.
char32_t decode(const unsigned char*& p, const unsigned char* end) {
    const unsigned char lead = *p++;
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || end - p < extra) return lead;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80) return lead;
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return c;
}

// The next folded character that counts, or kIgnorable at the end.
char32_t nextFolded(const unsigned char*& p, const unsigned char* end) {
    while (p < end) {
        const char32_t c = fold(decode(p, end));
        if (c != kIgnorable) return c;
    }
    return kIgnorable;
}

using Folded = QVarLengthArray<char32_t, 128>;

Folded folded(const unsigned char* p, int length) {
    Folded out;
    const unsigned char* end = p + length;
    while (p < end)
        if (const char32_t c = nextFolded(p, end); c != kIgnorable) out.append(c);
    return out;
}

// ---- The collation ----------------------------------------------------------------------------

// Equal without regard to case, accents or trailing blanks; ASCII is compared byte by byte and
// only a byte of 0x80 or more sends the rest to folding.
int compareServerText(void*, int lengthA, const void* textA, int lengthB, const void* textB) {
    const auto* a = static_cast<const unsigned char*>(textA);
    const auto* b = static_cast<const unsigned char*>(textB);
    while (lengthA > 0 && a[lengthA - 1] == ' ') --lengthA;
    while (lengthB > 0 && b[lengthB - 1] == ' ') --lengthB;
    const unsigned char* endA = a + lengthA;
    const unsigned char* endB = b + lengthB;
    while (a < endA && b < endB) {
        char32_t ca;
        char32_t cb;
        if ((*a | *b) < 0x80) {
            ca = asciiLower(*a++);
            cb = asciiLower(*b++);
        } else {
            ca = nextFolded(a, endA);
            cb = nextFolded(b, endB);
        }
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    const bool moreA = nextFolded(a, endA) != kIgnorable;
    const bool moreB = nextFolded(b, endB) != kIgnorable;
    return moreA == moreB ? 0 : (moreA ? 1 : -1);
}

// ---- Values in and out ------------------------------------------------------------------------

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    return false;
}

bool isNumber(sqlite3_value* value) {
    const int type = sqlite3_value_type(value);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

QByteArray bytesOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArray(text, sqlite3_value_bytes(value));
}

QString textOf(sqlite3_value* value) {
    return QString::fromUtf8(bytesOf(value));
}

void resultText(sqlite3_context* context, const QByteArray& text) {
    sqlite3_result_text(context, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void resultText(sqlite3_context* context, const QString& text) {
    resultText(context, text.toUtf8());
}

void resultError(sqlite3_context* context, const QString& message) {
    sqlite3_result_error(context, message.toUtf8().constData(), -1);
}

// The error a statement fails with; the functions below return it or a value.
struct Failure {
    QString message;
};

Failure conversionToInt(const QString& text) {
    return {
        QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
            .arg(text)};
}

Failure invalidLength(const char* function) {
    return {QStringLiteral("Invalid length parameter passed to the %1 function.")
                .arg(QLatin1StringView(function))};
}

// Text as the server reads it into an integer: blanks around, an optional sign, digits.
std::optional<qint64> integerFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> realFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0.0;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// An integer argument (a count, a length, a position); text is read the server's way.
std::optional<qint64> integerArgument(sqlite3_value* value, Failure& failure) {
    switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            return sqlite3_value_int64(value);
        case SQLITE_FLOAT:
            return static_cast<qint64>(std::trunc(sqlite3_value_double(value)));
        default:
            if (auto parsed = integerFromText(textOf(value))) return parsed;
            failure = conversionToInt(textOf(value));
            return std::nullopt;
    }
}

std::optional<double> realArgument(sqlite3_value* value, Failure& failure) {
    if (isNumber(value)) return sqlite3_value_double(value);
    if (auto parsed = realFromText(textOf(value))) return parsed;
    failure = {QStringLiteral("Error converting data type varchar to float.")};
    return std::nullopt;
}

// A real number the way the server writes a float as text.
QString realText(double value) {
    return QString::number(value, 'g', 15);
}

QString numberText(sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_INTEGER)
        return QString::number(sqlite3_value_int64(value));
    if (sqlite3_value_type(value) == SQLITE_FLOAT) return realText(sqlite3_value_double(value));
    return textOf(value);
}

// ---- Dates ------------------------------------------------------------------------------------

const QDateTime& serverEpoch() {
    static const QDateTime epoch(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    return epoch;
}

// Date arithmetic runs on wall-clock time, free of daylight-saving jumps.
QDateTime wallClock(const QDateTime& value) {
    return QDateTime(value.date(), value.time(), Qt::UTC);
}

QString storedText(const QDateTime& value) {
    return value.toString(QString::fromLatin1(kStoredDateTimeFormat));
}

// 'yyyy-MM-dd HH:mm:ss' (optionally with milliseconds): what a date-time column holds.
bool looksStored(const QByteArray& text) {
    static constexpr char kShape[] = "dddd-dd-dd dd:dd:dd";
    constexpr qsizetype kLength = sizeof(kShape) - 1;
    if (text.size() != kLength && !(text.size() == kLength + 4 && text[kLength] == '.'))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char shape = i < kLength ? kShape[i] : (i == kLength ? '.' : 'd');
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape == 'd' ? !digit : (text[i] != shape && !(i == 10 && text[i] == 'T')))
            return false;
    }
    return true;
}

Failure badDate() {
    return {QStringLiteral(
        "Conversion failed when converting date and/or time from character string.")};
}

std::optional<QDateTime> dateFromText(const QString& text) {
    if (text.trimmed().isEmpty()) return serverEpoch();
    if (auto value = fromStoredText(text)) return wallClock(*value);
    if (auto value = fromBrazilianText(text)) return wallClock(*value);
    return std::nullopt;
}

// Numbers count days from the server's epoch, 1 January 1900.
std::optional<QDateTime> dateArgument(sqlite3_value* value, Failure& failure) {
    if (isNumber(value))
        return serverEpoch().addMSecs(std::llround(sqlite3_value_double(value) * 86400000.0));
    auto parsed = dateFromText(textOf(value));
    if (!parsed) failure = badDate();
    return parsed;
}

int weekdayFromSunday(QDate date) {
    return date.dayOfWeek() % 7;
}  // Sunday 0 .. Saturday 6

// Weeks start on Sunday and week 1 holds 1 January.
int weekOfYear(QDate date) {
    return (date.dayOfYear() - 1 + weekdayFromSunday(QDate(date.year(), 1, 1))) / 7 + 1;
}

qint64 datePart(DatePart part, const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    switch (part) {
        case DatePart::Year:
            return date.year();
        case DatePart::Quarter:
            return (date.month() - 1) / 3 + 1;
        case DatePart::Month:
            return date.month();
        case DatePart::DayOfYear:
            return date.dayOfYear();
        case DatePart::Day:
            return date.day();
        case DatePart::Week:
            return weekOfYear(date);
        case DatePart::Weekday:
            return weekdayFromSunday(date) + 1;
        case DatePart::Hour:
            return time.hour();
        case DatePart::Minute:
            return time.minute();
        case DatePart::Second:
            return time.second();
        case DatePart::Millisecond:
            return time.msec();
    }
    return 0;
}

QDateTime dateAdd(DatePart part, qint64 n, const QDateTime& value) {
    const int count = static_cast<int>(n);
    switch (part) {
        case DatePart::Year:
            return value.addYears(count);
        case DatePart::Quarter:
            return value.addMonths(3 * count);
        case DatePart::Month:
            return value.addMonths(count);
        case DatePart::Week:
            return value.addDays(7 * n);
        case DatePart::DayOfYear:
        case DatePart::Day:
        case DatePart::Weekday:
            return value.addDays(n);
        case DatePart::Hour:
            return value.addSecs(3600 * n);
        case DatePart::Minute:
            return value.addSecs(60 * n);
        case DatePart::Second:
            return value.addSecs(n);
        case DatePart::Millisecond:
            return value.addMSecs(n);
    }
    return value;
}

// The server counts the boundaries of the part crossed between the two moments.
qint64 dateDiff(DatePart part, const QDateTime& from, const QDateTime& to) {
    const qint64 days = from.date().daysTo(to.date());
    const auto secondsOfDay = [](const QDateTime& v) {
        return v.time().msecsSinceStartOfDay() / 1000;
    };
    switch (part) {
        case DatePart::Year:
            return to.date().year() - from.date().year();
        case DatePart::Quarter:
            return (to.date().year() - from.date().year()) * 4 + datePart(DatePart::Quarter, to) -
                   datePart(DatePart::Quarter, from);
        case DatePart::Month:
            return (to.date().year() - from.date().year()) * 12 + to.date().month() -
                   from.date().month();
        case DatePart::Week:
            return from.date()
                       .addDays(-weekdayFromSunday(from.date()))
                       .daysTo(to.date().addDays(-weekdayFromSunday(to.date()))) /
                   7;
        case DatePart::DayOfYear:
        case DatePart::Day:
        case DatePart::Weekday:
            return days;
        case DatePart::Hour:
            return days * 24 + to.time().hour() - from.time().hour();
        case DatePart::Minute:
            return days * 1440 + to.time().hour() * 60 + to.time().minute() -
                   from.time().hour() * 60 - from.time().minute();
        case DatePart::Second:
            return days * 86400 + secondsOfDay(to) - secondsOfDay(from);
        case DatePart::Millisecond:
            return from.msecsTo(to);
    }
    return 0;
}

std::optional<DatePart> datePartArgument(sqlite3_value* value, Failure& failure) {
    const QString name = textOf(value);
    auto part = datePartFromName(name);
    if (!part) failure = {QStringLiteral("'%1' is not a recognized datepart option.").arg(name)};
    return part;
}

// ---- Conversions ------------------------------------------------------------------------------

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The server's default: "Mar  5 2026 10:30AM".
QString defaultStyle(const QDateTime& value) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = value.date();
    const int hour = value.time().hour();
    return QStringLiteral("%1 %2 %3 %4:%5%6")
        .arg(QLatin1StringView(kMonths[date.month() - 1]))
        .arg(date.day(), 2)
        .arg(date.year())
        .arg(hour % 12 == 0 ? 12 : hour % 12, 2)
        .arg(twoDigits(value.time().minute()),
             hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

std::optional<QString> styledDate(const QDateTime& value, int style) {
    struct Style {
        int number;
        const char* format;
    };
    static constexpr Style kStyles[] = {
        {1, "MM/dd/yy"},
        {101, "MM/dd/yyyy"},
        {2, "yy.MM.dd"},
        {102, "yyyy.MM.dd"},
        {3, "dd/MM/yy"},
        {103, "dd/MM/yyyy"},
        {4, "dd.MM.yy"},
        {104, "dd.MM.yyyy"},
        {5, "dd-MM-yy"},
        {105, "dd-MM-yyyy"},
        {8, "HH:mm:ss"},
        {108, "HH:mm:ss"},
        {10, "MM-dd-yy"},
        {110, "MM-dd-yyyy"},
        {11, "yy/MM/dd"},
        {111, "yyyy/MM/dd"},
        {12, "yyMMdd"},
        {112, "yyyyMMdd"},
        {20, "yyyy-MM-dd HH:mm:ss"},
        {120, "yyyy-MM-dd HH:mm:ss"},
        {21, "yyyy-MM-dd HH:mm:ss.zzz"},
        {121, "yyyy-MM-dd HH:mm:ss.zzz"},
        {23, "yyyy-MM-dd"},
    };
    if (style == 0 || style == 100) return defaultStyle(value);
    if (style == 126)
        return value.toString(value.time().msec() ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")
                                                  : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    for (const Style& s : kStyles)
        if (s.number == style) return value.toString(QLatin1StringView(s.format));
    return std::nullopt;
}

// A type as the rewriter writes it: "varchar(30)", "char(4)", "int", "decimal(10,2)".
struct TargetType {
    enum class Category { Text, Integer, Decimal, DateTime, Date } category;
    QString name;
    int length = 30;  // what the server assumes for char and varchar without one
    int scale = -1;
    bool fixed = false;
    bool unlimited = false;
};

// Decimal places kept when the type names none; -1 keeps them all.
int defaultScale(const QString& name) {
    if (name == u"decimal" || name == u"numeric") return 0;
    if (name == u"money" || name == u"smallmoney") return 4;
    return -1;
}

std::pair<qint64, qint64> integerRange(const QString& name) {
    if (name == u"tinyint") return {0, 255};
    if (name == u"smallint") return {INT16_MIN, INT16_MAX};
    if (name == u"bigint") return {INT64_MIN, INT64_MAX};
    return {INT32_MIN, INT32_MAX};
}

std::optional<TargetType> targetType(const QString& spec) {
    TargetType type;
    const qsizetype open = spec.indexOf(u'(');
    type.name = spec.left(open).trimmed().toLower();
    const QStringList sizes = open < 0 ? QStringList() : spec.mid(open + 1).chopped(1).split(u',');
    using C = TargetType::Category;
    static const QHash<QString, C> kCategories{
        {QStringLiteral("char"), C::Text},          {QStringLiteral("nchar"), C::Text},
        {QStringLiteral("varchar"), C::Text},       {QStringLiteral("nvarchar"), C::Text},
        {QStringLiteral("text"), C::Text},          {QStringLiteral("ntext"), C::Text},
        {QStringLiteral("int"), C::Integer},        {QStringLiteral("integer"), C::Integer},
        {QStringLiteral("bigint"), C::Integer},     {QStringLiteral("smallint"), C::Integer},
        {QStringLiteral("tinyint"), C::Integer},    {QStringLiteral("bit"), C::Integer},
        {QStringLiteral("decimal"), C::Decimal},    {QStringLiteral("numeric"), C::Decimal},
        {QStringLiteral("float"), C::Decimal},      {QStringLiteral("real"), C::Decimal},
        {QStringLiteral("money"), C::Decimal},      {QStringLiteral("smallmoney"), C::Decimal},
        {QStringLiteral("datetime"), C::DateTime},  {QStringLiteral("smalldatetime"), C::DateTime},
        {QStringLiteral("datetime2"), C::DateTime}, {QStringLiteral("date"), C::Date},
    };
    const auto found = kCategories.constFind(type.name);
    if (found == kCategories.constEnd()) return std::nullopt;
    type.category = *found;
    type.fixed = type.name == u"char" || type.name == u"nchar";
    type.unlimited =
        type.name.endsWith(u"text") || (!sizes.isEmpty() && sizes[0].trimmed() == u"max");
    if (!sizes.isEmpty() && !type.unlimited) type.length = sizes[0].toInt();
    if (type.category == C::Decimal)
        type.scale = sizes.size() > 1 ? sizes[1].toInt() : defaultScale(type.name);
    return type;
}

std::variant<QString, Failure> convertToText(sqlite3_value* value, const TargetType& type,
                                             int style) {
    QString text;
    if (sqlite3_value_type(value) == SQLITE_TEXT && looksStored(bytesOf(value))) {
        const auto date = dateFromText(textOf(value));
        const auto styled = date ? styledDate(*date, style < 0 ? 0 : style) : std::nullopt;
        if (!styled)
            return Failure{
                QStringLiteral("%1 is not a valid style number when converting from datetime to a "
                               "character string.")
                    .arg(style)};
        text = *styled;
    } else {
        text = numberText(value);
    }
    if (type.unlimited) return text;
    if (sqlite3_value_type(value) == SQLITE_INTEGER && text.size() > type.length)
        text = QStringLiteral("*");
    text.truncate(type.length);
    return type.fixed ? text.leftJustified(type.length, u' ') : text;
}

std::variant<qint64, Failure> convertToInteger(sqlite3_value* value, const TargetType& type) {
    qint64 number = 0;
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        number = sqlite3_value_int64(value);
    } else if (sqlite3_value_type(value) == SQLITE_FLOAT) {
        number = static_cast<qint64>(std::trunc(sqlite3_value_double(value)));
    } else if (const auto parsed = integerFromText(textOf(value))) {
        number = *parsed;
    } else if (const auto date =
                   looksStored(bytesOf(value)) ? dateFromText(textOf(value)) : std::nullopt) {
        number = std::llround(serverEpoch().msecsTo(*date) / 86400000.0);
    } else {
        return conversionToInt(textOf(value));
    }
    if (type.name == u"bit") return number != 0 ? 1 : 0;
    const auto [lowest, highest] = integerRange(type.name);
    if (number >= lowest && number <= highest) return number;
    if (sqlite3_value_type(value) == SQLITE_TEXT)
        return Failure{QStringLiteral("The conversion of the varchar value '%1' overflowed an %2 "
                                      "column.")
                           .arg(textOf(value), type.name)};
    return Failure{QStringLiteral("Arithmetic overflow error converting expression to data type "
                                  "%1.")
                       .arg(type.name)};
}

std::variant<double, Failure> convertToReal(sqlite3_value* value, const TargetType& type) {
    Failure failure;
    const auto number = realArgument(value, failure);
    if (!number)
        return type.scale >= 0
                   ? Failure{QStringLiteral("Error converting data type varchar to numeric.")}
                   : failure;
    if (type.scale < 0) return *number;
    const double factor = std::pow(10.0, type.scale);
    return std::round(*number * factor) / factor;
}

std::optional<QDateTime> dateForStyle(const QString& text, int style) {
    const bool monthFirst = style == 1 || style == 101 || style == 10 || style == 110;
    if (!monthFirst) return dateFromText(text);
    QString day = text.trimmed().section(u' ', 0, 0);
    const QStringList parts = day.replace(u'.', u'/').replace(u'-', u'/').split(u'/');
    if (parts.size() != 3) return std::nullopt;
    const QDate date(parts[2].toInt(), parts[0].toInt(), parts[1].toInt());
    if (!date.isValid()) return std::nullopt;
    return QDateTime(date, QTime(0, 0), Qt::UTC);
}

std::variant<QString, Failure> convertToDate(sqlite3_value* value, const TargetType& type,
                                             int style) {
    Failure failure;
    std::optional<QDateTime> date;
    if (isNumber(value))
        date = dateArgument(value, failure);
    else
        date = dateForStyle(textOf(value), style);
    if (!date) return badDate();
    if (type.category == TargetType::Category::Date) date->setTime(QTime(0, 0));
    return storedText(*date);
}

// ---- Helpers for the functions ------------------------------------------------------------------

using Function = void (*)(sqlite3_context*, int, sqlite3_value**);

// Runs a computation that yields a value or a Failure and hands either to SQLite.
template <typename T>
void deliver(sqlite3_context* context, const std::variant<T, Failure>& outcome) {
    if (const auto* failure = std::get_if<Failure>(&outcome))
        return resultError(context, failure->message);
    const T& value = std::get<T>(outcome);
    if constexpr (std::is_same_v<T, QString>)
        resultText(context, value);
    else if constexpr (std::is_same_v<T, double>)
        sqlite3_result_double(context, value);
    else
        sqlite3_result_int64(context, value);
}

QString charactersOf(sqlite3_value* value) {
    return numberText(value);
}

// Case- and accent-blind search, as the server's collation searches.
QString foldedCopy(const QString& text) {
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = fold(text[i].unicode());
        out[i] =
            QChar(c == kIgnorable || c > 0xFFFF ? text[i].unicode() : static_cast<char16_t>(c));
    }
    return out;
}

// ---- Text functions -----------------------------------------------------------------------------

void changeCase(sqlite3_context* context, sqlite3_value* value, bool upper) {
    if (sqlite3_value_type(value) == SQLITE_NULL) return sqlite3_result_null(context);
    QByteArray bytes = bytesOf(value);
    const bool ascii =
        std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) return resultText(context, upper ? bytes.toUpper() : bytes.toLower());
    const QString text = QString::fromUtf8(bytes);
    resultText(context, upper ? text.toUpper() : text.toLower());
}

void upperFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    changeCase(context, argv[0], true);
}
void lowerFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    changeCase(context, argv[0], false);
}

// Length without trailing blanks, in characters.
void lenFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    QByteArray bytes = charactersOf(argv[0]).toUtf8();
    while (bytes.endsWith(' ')) bytes.chop(1);
    const auto count =
        std::count_if(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0xC0) != 0x80; });
    sqlite3_result_int64(context, count);
}

void spaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    Failure failure;
    const auto count = anyNull(argc, argv) ? std::nullopt : integerArgument(argv[0], failure);
    if (!failure.message.isEmpty()) return resultError(context, failure.message);
    if (!count || *count < 0) return sqlite3_result_null(context);
    resultText(context, QByteArray(*count, ' '));
}

void replicateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    Failure failure;
    const auto count = anyNull(argc, argv) ? std::nullopt : integerArgument(argv[1], failure);
    if (!failure.message.isEmpty()) return resultError(context, failure.message);
    if (!count || *count < 0) return sqlite3_result_null(context);
    resultText(context, charactersOf(argv[0]).repeated(*count));
}

// str(number, length = 10, decimals = 0): rounded and right-justified; too wide gives stars.
void strFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto number = realArgument(argv[0], failure);
    const auto length = argc > 1 ? integerArgument(argv[1], failure) : std::optional<qint64>(10);
    auto decimals = argc > 2 ? integerArgument(argv[2], failure) : std::optional<qint64>(0);
    if (!number || !length || !decimals) return resultError(context, failure.message);
    if (*length <= 0 || *length > 8000 || *decimals < 0) return sqlite3_result_null(context);
    for (qint64 places = std::min<qint64>(*decimals, 16); places >= 0; --places) {
        const double factor = std::pow(10.0, static_cast<double>(places));
        const QString text =
            QString::number(std::round(*number * factor) / factor, 'f', static_cast<int>(places));
        if (text.size() <= *length) return resultText(context, text.rightJustified(*length, u' '));
    }
    resultText(context, QString(*length, u'*'));
}

void charindexFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto start = argc > 2 ? integerArgument(argv[2], failure) : std::optional<qint64>(1);
    if (!start) return resultError(context, failure.message);
    const QString needle = foldedCopy(charactersOf(argv[0]));
    const QString haystack = foldedCopy(charactersOf(argv[1]));
    if (needle.isEmpty()) return sqlite3_result_int64(context, 0);
    const qsizetype found = haystack.indexOf(needle, std::max<qint64>(*start - 1, 0));
    sqlite3_result_int64(context, found + 1);
}

// Characters from start (1 first) for length; a start before 1 eats into the length.
void substringFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto start = integerArgument(argv[1], failure);
    const auto length = start ? integerArgument(argv[2], failure) : std::nullopt;
    if (!length) return resultError(context, failure.message);
    if (*length < 0) return resultError(context, invalidLength("substring").message);
    const qint64 first = std::max<qint64>(*start, 1);
    const qint64 last = *start + *length;  // one past the end
    const QString text = charactersOf(argv[0]);
    if (last <= first || first > text.size()) return resultText(context, QByteArray(""));
    resultText(context, text.mid(first - 1, last - first));
}

void sideFunction(sqlite3_context* context, int argc, sqlite3_value** argv, bool left) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto count = integerArgument(argv[1], failure);
    if (!count) return resultError(context, failure.message);
    if (*count < 0) return resultError(context, invalidLength(left ? "left" : "right").message);
    const QString text = charactersOf(argv[0]);
    resultText(context, left ? text.left(*count) : text.right(*count));
}

void leftFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    sideFunction(context, argc, argv, true);
}
void rightFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    sideFunction(context, argc, argv, false);
}

void replaceFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    const QString text = charactersOf(argv[0]);
    const QString pattern = charactersOf(argv[1]);
    if (pattern.isEmpty()) return resultText(context, text);
    const QString replacement = charactersOf(argv[2]);
    const QString foldedText = foldedCopy(text);
    const QString foldedPattern = foldedCopy(pattern);
    QString out;
    qsizetype from = 0;
    for (qsizetype at; (at = foldedText.indexOf(foldedPattern, from)) >= 0;
         from = at + pattern.size())
        out.append(QStringView(text).mid(from, at - from)).append(replacement);
    out += QStringView(text).mid(from);
    resultText(context, out);
}

// ---- like, with the server's patterns
// ------------------------------------------------------------

struct LikeItem {
    enum class Type { Char, One, Many, Set };
    explicit LikeItem(Type kind, char32_t character = 0) : type(kind), c(character) {}

    Type type;
    char32_t c;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;

    bool matches(char32_t x) const {
        switch (type) {
            case Type::Char:
                return x == c;
            case Type::One:
                return true;
            case Type::Set: {
                const bool inside = std::any_of(ranges.begin(), ranges.end(), [x](const auto& r) {
                    return x >= r.first && x <= r.second;
                });
                return inside != negated;
            }
            case Type::Many:
                return false;
        }
        return false;
    }
};

struct LikePattern {
    QByteArray source;
    char32_t escape = 0;
    std::vector<LikeItem> items;
};

// [abc], [a-c] and [^a] hold one character; an unclosed '[' is itself.
bool compileSet(const std::vector<char32_t>& raw, size_t& i, std::vector<LikeItem>& items) {
    size_t j = i + 1;
    LikeItem set(LikeItem::Type::Set);
    if (j < raw.size() && raw[j] == U'^') {
        set.negated = true;
        ++j;
    }
    const auto close = std::find(
        raw.begin() + static_cast<std::ptrdiff_t>(std::min(j + 1, raw.size())), raw.end(), U']');
    if (close == raw.end()) return false;
    const size_t end = static_cast<size_t>(close - raw.begin());
    for (; j < end; ++j) {
        const bool range = j + 2 < end && raw[j + 1] == U'-';
        set.ranges.emplace_back(fold(raw[j]), fold(range ? raw[j + 2] : raw[j]));
        if (range) j += 2;
    }
    items.push_back(std::move(set));
    i = end + 1;
    return true;
}

LikePattern compileLike(const QByteArray& source, char32_t escape) {
    std::vector<char32_t> raw;
    const auto* p = reinterpret_cast<const unsigned char*>(source.constData());
    const auto* end = p + source.size();
    while (p < end) raw.push_back(decode(p, end));
    LikePattern pattern{source, escape, {}};
    for (size_t i = 0; i < raw.size();) {
        const char32_t c = raw[i];
        if (escape && c == escape && i + 1 < raw.size()) {
            pattern.items.emplace_back(LikeItem::Type::Char, fold(raw[i + 1]));
            i += 2;
        } else if (c == U'%') {
            if (pattern.items.empty() || pattern.items.back().type != LikeItem::Type::Many)
                pattern.items.emplace_back(LikeItem::Type::Many);
            ++i;
        } else if (c == U'_') {
            pattern.items.emplace_back(LikeItem::Type::One);
            ++i;
        } else if (c != U'[' || !compileSet(raw, i, pattern.items)) {
            if (const char32_t f = fold(c); f != kIgnorable)
                pattern.items.emplace_back(LikeItem::Type::Char, f);
            ++i;
        }
    }
    return pattern;
}

// '%' matches by backtracking to the last one seen.
bool likeMatches(const std::vector<LikeItem>& items, const Folded& text) {
    size_t p = 0;
    qsizetype s = 0;
    size_t starItem = items.size();
    qsizetype starText = 0;
    while (s < text.size()) {
        if (p < items.size() && items[p].type == LikeItem::Type::Many) {
            starItem = p++;
            starText = s;
        } else if (p < items.size() && items[p].matches(text[s])) {
            ++p;
            ++s;
        } else if (starItem < items.size()) {
            p = starItem + 1;
            s = ++starText;
        } else {
            return false;
        }
    }
    while (p < items.size() && items[p].type == LikeItem::Type::Many) ++p;
    return p == items.size();
}

void deletePattern(void* pattern) {
    delete static_cast<LikePattern*>(pattern);
}

// SQLite calls like(pattern, text[, escape]): the pattern comes first.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    char32_t escape = 0;
    if (argc == 3) {
        const QString raw = textOf(argv[2]);
        if (raw.size() != 1)
            return resultError(context,
                               QStringLiteral("ESCAPE expression must be a single character"));
        escape = raw.front().unicode();
    }
    const QByteArray source = bytesOf(argv[0]);
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
    const bool cached = pattern && pattern->source == source && pattern->escape == escape;
    if (!cached) pattern = new LikePattern(compileLike(source, escape));
    const bool match = likeMatches(
        pattern->items, folded(sqlite3_value_text(argv[1]), sqlite3_value_bytes(argv[1])));
    if (!cached) sqlite3_set_auxdata(context, 0, pattern, deletePattern);
    sqlite3_result_int(context, match ? 1 : 0);
}

// ---- Dates --------------------------------------------------------------------------------------

void getdateFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, storedText(QDateTime::currentDateTime()));
}

template <DatePart Part>
void partFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto date = dateArgument(argv[0], failure);
    if (!date) return resultError(context, failure.message);
    sqlite3_result_int64(context, datePart(Part, *date));
}

void datepartFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto part = datePartArgument(argv[0], failure);
    const auto date = part ? dateArgument(argv[1], failure) : std::nullopt;
    if (!date) return resultError(context, failure.message);
    sqlite3_result_int64(context, datePart(*part, *date));
}

void dateaddFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto part = datePartArgument(argv[0], failure);
    const auto count = part ? integerArgument(argv[1], failure) : std::nullopt;
    const auto date = count ? dateArgument(argv[2], failure) : std::nullopt;
    if (!date) return resultError(context, failure.message);
    resultText(context, storedText(dateAdd(*part, *count, *date)));
}

void datediffFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    Failure failure;
    const auto part = datePartArgument(argv[0], failure);
    const auto from = part ? dateArgument(argv[1], failure) : std::nullopt;
    const auto to = from ? dateArgument(argv[2], failure) : std::nullopt;
    if (!to) return resultError(context, failure.message);
    sqlite3_result_int64(context, dateDiff(*part, *from, *to));
}

// ---- Operators the rewriter hands over ---------------------------------------------------------

// number + number adds, text + text concatenates, a stored date-time + n is n days later, and
// other text next to a number must read as that number.
std::variant<qint64, double, QString, Failure> arithmetic(sqlite3_value* a, sqlite3_value* b,
                                                          int sign) {
    const bool textA = !isNumber(a);
    const bool textB = !isNumber(b);
    if (textA && textB) {
        if (sign < 0)
            return Failure{
                QStringLiteral("Operand data type varchar is invalid for subtract operator.")};
        return textOf(a) + textOf(b);
    }
    if (textA || textB) {
        sqlite3_value* text = textA ? a : b;
        sqlite3_value* number = textA ? b : a;
        if (looksStored(bytesOf(text)) && (textA || sign > 0)) {
            const QDateTime date = *dateFromText(textOf(text));
            const qint64 msecs = std::llround(sqlite3_value_double(number) * 86400000.0);
            return storedText(date.addMSecs(sign * msecs));
        }
        Failure failure;
        if (sqlite3_value_type(number) == SQLITE_INTEGER) {
            const auto converted = integerFromText(textOf(text));
            if (!converted) return conversionToInt(textOf(text));
            const qint64 other = sqlite3_value_int64(number);
            return textA ? *converted + sign * other : other + sign * *converted;
        }
        const auto converted = realArgument(text, failure);
        if (!converted) return failure;
        const double other = sqlite3_value_double(number);
        return textA ? *converted + sign * other : other + sign * *converted;
    }
    if (sqlite3_value_type(a) == SQLITE_INTEGER && sqlite3_value_type(b) == SQLITE_INTEGER)
        return sqlite3_value_int64(a) + sign * sqlite3_value_int64(b);
    return sqlite3_value_double(a) + sign * sqlite3_value_double(b);
}

void deliverArithmetic(sqlite3_context* context, int argc, sqlite3_value** argv, int sign) {
    if (anyNull(argc, argv)) return sqlite3_result_null(context);
    const auto outcome = arithmetic(argv[0], argv[1], sign);
    if (const auto* failure = std::get_if<Failure>(&outcome))
        return resultError(context, failure->message);
    if (const auto* text = std::get_if<QString>(&outcome)) return resultText(context, *text);
    if (const auto* real = std::get_if<double>(&outcome))
        return sqlite3_result_double(context, *real);
    sqlite3_result_int64(context, std::get<qint64>(outcome));
}

void plusFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    deliverArithmetic(context, argc, argv, 1);
}
void minusFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    deliverArithmetic(context, argc, argv, -1);
}

// tsql_convert(type, value[, style]), for convert() and cast().
void convertFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const QString spec = textOf(argv[0]);
    const auto type = targetType(spec);
    if (!type)
        return resultError(context,
                           QStringLiteral("Type %1 is not a defined system type.").arg(spec));
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(context);
    Failure failure;
    const auto style = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL
                           ? integerArgument(argv[2], failure)
                           : std::optional<qint64>(-1);
    if (!style) return resultError(context, failure.message);
    const int styleNumber = static_cast<int>(*style);
    switch (type->category) {
        case TargetType::Category::Text:
            return deliver(context, convertToText(argv[1], *type, styleNumber));
        case TargetType::Category::Integer:
            return deliver(context, convertToInteger(argv[1], *type));
        case TargetType::Category::Decimal:
            return deliver(context, convertToReal(argv[1], *type));
        case TargetType::Category::DateTime:
        case TargetType::Category::Date:
            return deliver(context, convertToDate(argv[1], *type, styleNumber));
    }
}

// ---- avg, which keeps integers integral --------------------------------------------------------

struct Average {
    qint64 integerSum = 0;
    double realSum = 0;
    qint64 count = 0;
    bool real = false;
};

void averageStep(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
    auto* average = static_cast<Average*>(sqlite3_aggregate_context(context, sizeof(Average)));
    if (!average) return sqlite3_result_error_nomem(context);
    if (!isNumber(argv[0]))
        return resultError(
            context, QStringLiteral("Operand data type varchar is invalid for avg operator."));
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        average->integerSum += sqlite3_value_int64(argv[0]);
    } else {
        average->realSum += sqlite3_value_double(argv[0]);
        average->real = true;
    }
    ++average->count;
}

void averageFinal(sqlite3_context* context) {
    const auto* average = static_cast<Average*>(sqlite3_aggregate_context(context, 0));
    if (!average || average->count == 0) return sqlite3_result_null(context);
    if (!average->real) return sqlite3_result_int64(context, average->integerSum / average->count);
    sqlite3_result_double(context, (average->realSum + static_cast<double>(average->integerSum)) /
                                       static_cast<double>(average->count));
}

// ---- Registration -------------------------------------------------------------------------------

struct Registration {
    const char* name;
    int arguments;
    Function function;
    bool deterministic = true;
};

const Registration kFunctions[] = {
    {"upper", 1, upperFunction},
    {"lower", 1, lowerFunction},
    {"like", 2, likeFunction},
    {"like", 3, likeFunction},
    {"len", 1, lenFunction},
    {"space", 1, spaceFunction},
    {"replicate", 2, replicateFunction},
    {"str", 1, strFunction},
    {"str", 2, strFunction},
    {"str", 3, strFunction},
    {"charindex", 2, charindexFunction},
    {"charindex", 3, charindexFunction},
    {"substring", 3, substringFunction},
    {"tsql_left", 2, leftFunction},
    {"tsql_right", 2, rightFunction},
    {"replace", 3, replaceFunction},
    {"getdate", 0, getdateFunction, false},
    {"year", 1, partFunction<DatePart::Year>},
    {"month", 1, partFunction<DatePart::Month>},
    {"day", 1, partFunction<DatePart::Day>},
    {"datepart", 2, datepartFunction},
    {"dateadd", 3, dateaddFunction},
    {"datediff", 3, datediffFunction},
    {"tsql_plus", 2, plusFunction},
    {"tsql_minus", 2, minusFunction},
    {"tsql_convert", 2, convertFunction},
    {"tsql_convert", 3, convertFunction},
};

}  // namespace

int registerSqlFunctions(sqlite3* handle) {
    int rc = sqlite3_create_collation_v2(handle, kServerCollation, SQLITE_UTF8, nullptr,
                                         compareServerText, nullptr);
    for (const Registration& r : kFunctions) {
        if (rc != SQLITE_OK) return rc;
        const int flags = SQLITE_UTF8 | (r.deterministic ? SQLITE_DETERMINISTIC : 0);
        rc = sqlite3_create_function_v2(handle, r.name, r.arguments, flags, nullptr, r.function,
                                        nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) return rc;
    return sqlite3_create_function_v2(handle, "tsql_avg", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                      nullptr, nullptr, averageStep, averageFinal, nullptr);
}

}  // namespace orbadil::db
