// Expressions of the server's dialect: operator precedence, the typing that decides what
// '+' means, dates written as text, and the server's case- and accent-blind comparisons.
#include "db/dialect/sqlfunctions.h"
#include "db/dialect/sqltext.h"
#include "db/dialect/translator.h"

#include <algorithm>

namespace orbadil::db {

namespace {

using Kind = StatementTranslator::Piece::Kind;

bool numeric(Kind kind) {
    return kind == Kind::Number || kind == Kind::Numeric;
}
bool certainlyText(Kind kind) {
    return kind == Kind::String || kind == Kind::Text;
}
bool maybeText(Kind kind) {
    return certainlyText(kind) || kind == Kind::Mixed;
}
bool numericOrDate(Kind kind) {
    return numeric(kind) || kind == Kind::DateTime;
}

QString wrapped(const StatementTranslator::Piece& piece) {
    return piece.atomic ? piece.sql : u'(' + piece.sql + u')';
}

}  // namespace

// ---- Kinds ----------------------------------------------------------------------------------

StatementTranslator::Piece StatementTranslator::logical(const QString& sql) {
    return Piece{sql, Kind::Logical, false, {}};
}

// A column brings its own collation; anything else compares as binary on SQLite, so text
// compared without a column is told to compare the server's way.
StatementTranslator::Piece StatementTranslator::collated(const Piece& piece) {
    return Piece{wrapped(piece) + QStringLiteral(" collate ") + QLatin1StringView(kServerCollation),
                 piece.kind,
                 false,
                 {}};
}

bool StatementTranslator::needsCollation(std::initializer_list<const Piece*> operands) {
    bool text = false;
    for (const Piece* p : operands) {
        if (p->kind == Kind::Column || numericOrDate(p->kind)) return false;
        text = text || maybeText(p->kind);
    }
    return text;
}

void StatementTranslator::useStoredDate(Piece& piece) {
    if (piece.storedDate.isEmpty()) return;
    piece.sql = piece.storedDate;
    piece.kind = Kind::DateTime;
    piece.storedDate.clear();
}

// ---- Logical operators and predicates -------------------------------------------------------

StatementTranslator::Piece StatementTranslator::expression() {
    Piece left = conjunction();
    while (acceptKeyword(Keyword::Or))
        left = logical(left.sql + QStringLiteral(" or ") + conjunction().sql);
    return left;
}

StatementTranslator::Piece StatementTranslator::conjunction() {
    Piece left = negation();
    while (acceptKeyword(Keyword::And))
        left = logical(left.sql + QStringLiteral(" and ") + negation().sql);
    return left;
}

StatementTranslator::Piece StatementTranslator::negation() {
    if (acceptKeyword(Keyword::Not)) return logical(QStringLiteral("not ") + negation().sql);
    return predicate();
}

StatementTranslator::Piece StatementTranslator::predicate() {
    Piece left = additive();
    if (atEnd()) return left;
    const Token& next = peek();
    static constexpr QStringView kComparisons[] = {u"=",  u"<>", u"!=", u"<", u">",
                                                   u"<=", u">=", u"!<", u"!>"};
    if (next.kind == TokenKind::Symbol &&
        std::find(std::begin(kComparisons), std::end(kComparisons), next.text) !=
            std::end(kComparisons)) {
        QString op = take().text.toString();
        if (op == u"!<") op = QStringLiteral(">=");
        if (op == u"!>") op = QStringLiteral("<=");
        return comparison(std::move(left), op, additive());
    }
    const bool negated =
        peekKeyword(Keyword::Not) && (peekKeyword(Keyword::Between, 1) ||
                                      peekKeyword(Keyword::In, 1) || peekKeyword(Keyword::Like, 1));
    if (negated) take();
    if (acceptKeyword(Keyword::Between)) {
        Piece low = additive();
        expectKeyword(Keyword::And, "and");
        return between(std::move(left), std::move(low), additive(), negated);
    }
    if (acceptKeyword(Keyword::In)) return inList(std::move(left), negated);
    if (acceptKeyword(Keyword::Like)) {
        QString sql = left.sql +
                      (negated ? QStringLiteral(" not like ") : QStringLiteral(" like ")) +
                      additive().sql;
        if (acceptKeyword(Keyword::Escape)) sql += QStringLiteral(" escape ") + additive().sql;
        return logical(sql);
    }
    if (acceptKeyword(Keyword::Is)) {
        const bool isNot = acceptKeyword(Keyword::Not);
        expectKeyword(Keyword::Null, "null");
        return logical(left.sql +
                       (isNot ? QStringLiteral(" is not null") : QStringLiteral(" is null")));
    }
    return left;
}

// A 'dd/mm/yyyy' literal compared with a date becomes a date; compared with text it stays.
StatementTranslator::Piece StatementTranslator::comparison(Piece left, QString op, Piece right) {
    const bool leftText = maybeText(left.kind);
    if (!maybeText(right.kind)) useStoredDate(left);
    if (!leftText) useStoredDate(right);
    if (needsCollation({&left, &right})) left = collated(left);
    return logical(left.sql + u' ' + op + u' ' + right.sql);
}

StatementTranslator::Piece StatementTranslator::between(Piece value, Piece low, Piece high,
                                                        bool negated) {
    if (!value.storedDate.isEmpty() && !maybeText(low.kind) && !maybeText(high.kind)) {
        useStoredDate(value);
    } else if (!maybeText(value.kind)) {
        useStoredDate(low);
        useStoredDate(high);
    }
    if (needsCollation({&value, &low, &high})) value = collated(value);
    return logical(value.sql +
                   (negated ? QStringLiteral(" not between ") : QStringLiteral(" between ")) +
                   low.sql + QStringLiteral(" and ") + high.sql);
}

StatementTranslator::Piece StatementTranslator::inList(Piece value, bool negated) {
    const QString op = negated ? QStringLiteral(" not in ") : QStringLiteral(" in ");
    if (peekSymbol(u"(") && peekKeyword(Keyword::Select, 1))
        return logical(value.sql + op + group().sql);
    expectSymbol(u"(");
    QList<Piece> items;
    bool text = false;
    do {
        items << additive();
        if (!maybeText(value.kind)) useStoredDate(items.last());
        text = text || maybeText(items.last().kind);
    } while (acceptSymbol(u","));
    expectSymbol(u")");
    if (text && needsCollation({&value})) value = collated(value);
    QStringList sql;
    for (const Piece& item : std::as_const(items)) sql << item.sql;
    return logical(value.sql + op + u'(' + sql.join(QStringLiteral(", ")) + u')');
}

// ---- Arithmetic -----------------------------------------------------------------------------

StatementTranslator::Piece StatementTranslator::additive() {
    Piece left = term();
    while (peekSymbol(u"+") || peekSymbol(u"-")) {
        const QChar op = take().text.front();
        left = combine(op, left, term());
    }
    return left;
}

// The server adds or concatenates by the operands' types; SQLite learns them only when the
// statement runs, so '+' goes to a function unless both sides are plainly numbers or text.
StatementTranslator::Piece StatementTranslator::combine(QChar op, const Piece& left,
                                                        const Piece& right) {
    if (numeric(left.kind) && numeric(right.kind))
        return Piece{left.sql + u' ' + op + u' ' + right.sql, Kind::Numeric, false, {}};
    if (op == u'+' && certainlyText(left.kind) && certainlyText(right.kind))
        return Piece{
            wrapped(left) + QStringLiteral(" || ") + wrapped(right), Kind::Text, false, {}};
    const bool datePlusDays = (left.kind == Kind::DateTime && numeric(right.kind)) ||
                              (op == u'+' && numeric(left.kind) && right.kind == Kind::DateTime);
    const QString function =
        op == u'+' ? QStringLiteral("tsql_plus(") : QStringLiteral("tsql_minus(");
    return Piece{function + left.sql + QStringLiteral(", ") + right.sql + u')',
                 datePlusDays ? Kind::DateTime : Kind::Mixed,
                 true,
                 {}};
}

StatementTranslator::Piece StatementTranslator::term() {
    Piece left = unary();
    while (peekSymbol(u"*") || peekSymbol(u"/") || peekSymbol(u"%")) {
        const QString op = take().text.toString();
        const Piece right = unary();
        const Kind kind = numeric(left.kind) && numeric(right.kind) ? Kind::Numeric : Kind::Other;
        left = Piece{left.sql + u' ' + op + u' ' + right.sql, kind, false, {}};
    }
    return left;
}

StatementTranslator::Piece StatementTranslator::unary() {
    if (acceptSymbol(u"+")) return unary();
    if (acceptSymbol(u"-")) {
        const Piece operand = unary();
        if (operand.kind == Kind::Number) return Piece{u'-' + operand.sql, Kind::Number, true, {}};
        return Piece{u'-' + wrapped(operand),
                     numeric(operand.kind) ? Kind::Numeric : Kind::Other,
                     false,
                     {}};
    }
    if (acceptSymbol(u"~")) return Piece{u'~' + wrapped(unary()), Kind::Numeric, false, {}};
    return primary();
}

// ---- Operands -------------------------------------------------------------------------------

StatementTranslator::Piece StatementTranslator::primary() {
    const Token& token = peek();
    switch (token.kind) {
        case TokenKind::Number:
            return Piece{take().text.toString(), Kind::Number, true, {}};
        case TokenKind::String:
        case TokenKind::DoubleQuoted:
            return literal(take());
        case TokenKind::Parameter:
            take();
            addParameter(token.text.mid(1));
            return Piece{token.text.toString(), Kind::Parameter, true, {}};
        case TokenKind::Bracketed:
            return name();
        case TokenKind::Word:
            return wordPrimary();
        case TokenKind::Symbol:
            if (token.text == u"(") return group();
            if (token.text == u"*") return Piece{take().text.toString(), Kind::Other, true, {}};
            break;
    }
    unexpected();
}

StatementTranslator::Piece StatementTranslator::literal(const Token& token) {
    const QString text = unquoted(token);
    QString sql = token.kind == TokenKind::DoubleQuoted ? quotedLiteral(text)
                  : token.text.front() == u'\''         ? token.text.toString()
                                                        : token.text.mid(1).toString();
    return Piece{sql, Kind::String, true, storedDateLiteral(text)};
}

StatementTranslator::Piece StatementTranslator::wordPrimary() {
    const Token& token = peek();
    switch (token.keyword) {
        case Keyword::Null:
            take();
            return Piece{QStringLiteral("null"), Kind::Null, true, {}};
        case Keyword::Case:
            return caseExpression();
        case Keyword::Exists:
            take();
            return logical(QStringLiteral("exists ") + group().sql);
        case Keyword::Left:
        case Keyword::Right:
        case Keyword::None:
            break;
        default:
            unexpected();
    }
    if (peekSymbol(u"(", 1)) return call();
    if (token.keyword != Keyword::None) unexpected();
    if (token.text.compare(u"current_timestamp", Qt::CaseInsensitive) == 0) {
        take();
        return Piece{QStringLiteral("getdate()"), Kind::DateTime, true, {}};
    }
    return name();
}

StatementTranslator::Piece StatementTranslator::group() {
    expectSymbol(u"(");
    if (peekKeyword(Keyword::Select)) {
        const QString query = scope(true);
        expectSymbol(u")");
        return Piece{u'(' + query + u')', Kind::Other, true, {}};
    }
    QList<Piece> items;
    do items << expression();
    while (acceptSymbol(u","));
    expectSymbol(u")");
    if (items.size() > 1) {
        QStringList sql;
        for (const Piece& item : std::as_const(items)) sql << item.sql;
        return Piece{u'(' + sql.join(QStringLiteral(", ")) + u')', Kind::Other, true, {}};
    }
    Piece inner = items.front();
    inner.sql = u'(' + inner.sql + u')';
    inner.atomic = true;
    if (!inner.storedDate.isEmpty()) inner.storedDate = u'(' + inner.storedDate + u')';
    return inner;
}

StatementTranslator::Piece StatementTranslator::caseExpression() {
    take();
    QStringList sql{QStringLiteral("case")};
    if (!peekKeyword(Keyword::When)) {
        Piece operand = expression();
        if (operand.kind != Kind::Column && maybeText(operand.kind)) operand = collated(operand);
        sql << operand.sql;
    }
    QList<Kind> results;
    const auto result = [&] {
        const Piece value = expression();
        results << value.kind;
        sql << value.sql;
    };
    while (acceptKeyword(Keyword::When)) {
        sql << QStringLiteral("when") << expression().sql;
        expectKeyword(Keyword::Then, "then");
        sql << QStringLiteral("then");
        result();
    }
    if (results.isEmpty()) unexpected();
    if (acceptKeyword(Keyword::Else)) {
        sql << QStringLiteral("else");
        result();
    }
    expectKeyword(Keyword::End, "end");
    sql << QStringLiteral("end");
    const auto all = [&](auto test) {
        return std::all_of(results.begin(), results.end(),
                           [&](Kind k) { return k == Kind::Null || test(k); });
    };
    const Kind kind = std::any_of(results.begin(), results.end(), maybeText) ? Kind::Text
                      : all(numeric)                                         ? Kind::Numeric
                      : all([](Kind k) { return k == Kind::DateTime; })      ? Kind::DateTime
                                                                             : Kind::Other;
    return Piece{sql.join(u' '), kind, true, {}};
}

}  // namespace orbadil::db
