#pragma once

#include <QStringView>
#include <optional>

namespace orbadil::db {

// The parts of a date-time that datepart, dateadd and datediff name.
enum class DatePart {
    Year,
    Quarter,
    Month,
    DayOfYear,
    Day,
    Week,
    Weekday,
    Hour,
    Minute,
    Second,
    Millisecond
};

// The server's names and abbreviations, any case ("yyyy", "mm", "dw"...).
inline std::optional<DatePart> datePartFromName(QStringView name) {
    struct Entry {
        QStringView name;
        DatePart part;
    };
    static constexpr Entry kNames[] = {
        {u"year", DatePart::Year},       {u"yy", DatePart::Year},
        {u"yyyy", DatePart::Year},       {u"quarter", DatePart::Quarter},
        {u"qq", DatePart::Quarter},      {u"q", DatePart::Quarter},
        {u"month", DatePart::Month},     {u"mm", DatePart::Month},
        {u"m", DatePart::Month},         {u"dayofyear", DatePart::DayOfYear},
        {u"dy", DatePart::DayOfYear},    {u"y", DatePart::DayOfYear},
        {u"day", DatePart::Day},         {u"dd", DatePart::Day},
        {u"d", DatePart::Day},           {u"week", DatePart::Week},
        {u"wk", DatePart::Week},         {u"ww", DatePart::Week},
        {u"weekday", DatePart::Weekday}, {u"dw", DatePart::Weekday},
        {u"w", DatePart::Weekday},       {u"hour", DatePart::Hour},
        {u"hh", DatePart::Hour},         {u"minute", DatePart::Minute},
        {u"mi", DatePart::Minute},       {u"n", DatePart::Minute},
        {u"second", DatePart::Second},   {u"ss", DatePart::Second},
        {u"s", DatePart::Second},        {u"millisecond", DatePart::Millisecond},
        {u"ms", DatePart::Millisecond},
    };
    for (const Entry& e : kNames)
        if (name.compare(e.name, Qt::CaseInsensitive) == 0) return e.part;
    return std::nullopt;
}

}  // namespace orbadil::db
