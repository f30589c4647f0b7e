#include "db/dialect/translator.h"

#include "db/dialect/rewriter.h"
#include "db/dialect/sqltext.h"

namespace orbadil::db {

namespace {

bool isSymbol(const Token& token, QStringView symbol) {
    return token.kind == TokenKind::Symbol && token.text.size() == symbol.size() &&
           token.text.front() == symbol.front() && (symbol.size() == 1 || token.text == symbol);
}

QString lower(const Token& token) {
    return token.text.toString().toLower();
}

bool startsStatement(Keyword word, Keyword statement, Keyword previous, bool& bodySeen) {
    switch (word) {
        case Keyword::Select:
            if (previous == Keyword::Union || previous == Keyword::All ||
                previous == Keyword::Except || previous == Keyword::Intersect)
                return false;
            if (statement == Keyword::Insert && !bodySeen) {
                bodySeen = true;  // insert ... select
                return false;
            }
            return true;
        case Keyword::Insert:
        case Keyword::Update:
        case Keyword::Delete:
            return true;
        case Keyword::Set:
            if (statement == Keyword::Update && !bodySeen) {
                bodySeen = true;  // update ... set
                return false;
            }
            return true;
        case Keyword::Values:
            if (statement == Keyword::Insert) bodySeen = true;
            return false;
        default:
            return false;
    }
}

}  // namespace

QList<TokenRange> splitStatements(const QList<Token>& tokens) {
    QList<TokenRange> ranges;
    qsizetype begin = 0;
    int depth = 0;
    Keyword statement = Keyword::None;
    bool bodySeen = false;
    const auto close = [&](qsizetype end, qsizetype next) {
        if (end > begin) ranges.append({begin, end});
        begin = next;
        bodySeen = false;
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::Symbol) {
            if (token.text == u"(") ++depth;
            if (token.text == u")") --depth;
            if (token.text == u";" && depth == 0) close(i, i + 1);
            continue;
        }
        const Keyword word = depth == 0 ? token.keyword : Keyword::None;
        if (i == begin) {
            statement = word;
        } else if (word != Keyword::None &&
                   startsStatement(word, statement, tokens[i - 1].keyword, bodySeen)) {
            close(i, i);
            statement = word;
        }
    }
    close(tokens.size(), tokens.size());
    return ranges;
}

StatementTranslator::StatementTranslator(const QList<Token>& tokens, TokenRange range,
                                         const QHash<QString, QString>& catalogs)
    : tokens_(tokens), pos_(range.begin), end_(range.end), catalogs_(catalogs) {}

// ---- Cursor -------------------------------------------------------------------------------

const Token& StatementTranslator::peek(qsizetype ahead) const {
    if (pos_ + ahead >= end_) unexpected();
    return tokens_[pos_ + ahead];
}

const Token& StatementTranslator::take() {
    const Token& token = peek();
    ++pos_;
    return token;
}

bool StatementTranslator::peekSymbol(QStringView symbol, qsizetype ahead) const {
    return pos_ + ahead < end_ && isSymbol(tokens_[pos_ + ahead], symbol);
}

bool StatementTranslator::acceptSymbol(QStringView symbol) {
    if (!peekSymbol(symbol)) return false;
    ++pos_;
    return true;
}

void StatementTranslator::expectSymbol(QStringView symbol) {
    if (!acceptSymbol(symbol)) unexpected();
}

bool StatementTranslator::peekKeyword(Keyword keyword, qsizetype ahead) const {
    return pos_ + ahead < end_ && tokens_[pos_ + ahead].keyword == keyword;
}

bool StatementTranslator::acceptKeyword(Keyword keyword) {
    if (!peekKeyword(keyword)) return false;
    ++pos_;
    return true;
}

void StatementTranslator::expectKeyword(Keyword keyword, const char* spelling) {
    if (!acceptKeyword(keyword))
        throw DialectError(QStringLiteral("Instrução SQL inválida: falta '%1' perto de '%2'")
                               .arg(QLatin1StringView(spelling),
                                    pos_ < end_ ? tokens_[pos_].text.toString() : QString()));
}

void StatementTranslator::unexpected() const {
    if (pos_ >= end_) throw DialectError(QStringLiteral("Instrução SQL incompleta."));
    QStringList around;
    for (qsizetype i = pos_; i < end_ && i < pos_ + 4; ++i) around << tokens_[i].text.toString();
    throw DialectError(
        QStringLiteral("Instrução SQL inválida perto de '%1'").arg(around.join(u' ')));
}

// ---- Statements and clauses -----------------------------------------------------------------

QString StatementTranslator::translate() {
    if (atEnd()) return {};
    statement_ = peek().keyword;
    QString sql;
    switch (statement_) {
        case Keyword::Select:
            sql = scope(false);
            break;
        case Keyword::Insert:
            take();
            acceptKeyword(Keyword::Into);
            sql = QStringLiteral("insert into ") + name().sql;
            if (peekSymbol(u"(")) sql += u' ' + group().sql;
            sql += u' ' + scope(false);
            break;
        case Keyword::Update:
            take();
            sql = QStringLiteral("update ") + scope(false);
            break;
        case Keyword::Delete:
            take();
            // The server lets "delete T where ..." leave out the from.
            sql = peekKeyword(Keyword::From) ? QStringLiteral("delete ")
                                             : QStringLiteral("delete from ");
            sql += scope(false);
            break;
        case Keyword::Set:
            return setOption();
        default:
            unsupported(peek().text.toString());
    }
    if (!atEnd()) unexpected();
    return sql;
}

// "set rowcount 0" ends the limit that an earlier "set rowcount N" put on later statements;
// there is no such limit here, so it is dropped. Any other limit is refused.
QString StatementTranslator::setOption() {
    QStringList words;
    for (qsizetype i = pos_; i < end_; ++i) words << tokens_[i].text.toString();
    const QString text = words.join(u' ');
    const bool rowcountZero =
        words.size() == 3 && words[1].compare(u"rowcount", Qt::CaseInsensitive) == 0 &&
        tokens_[pos_ + 2].kind == TokenKind::Number && words[2].toDouble() == 0;
    const bool nocount =
        words.size() == 3 && words[1].compare(u"nocount", Qt::CaseInsensitive) == 0;
    if (!rowcountZero && !nocount) unsupported(text);
    pos_ = end_;
    return {};
}

QString StatementTranslator::scope(bool nested) {
    Scope scope;
    QStringList out;
    while (!atEnd() && !peekSymbol(u")")) {
        if (acceptSymbol(u",")) {
            if (out.isEmpty()) unexpected();
            out.last() += u',';
            continue;
        }
        const Keyword keyword = peek().keyword;
        if (keyword != Keyword::None && clauseWord(keyword, out, scope)) continue;
        Piece piece = expression();
        // Selected, grouped and ordered text keeps the server's comparison: DISTINCT, GROUP BY,
        // ORDER BY and an alias used in ORDER BY all follow the expression's collation.
        if (scope.listsText && (piece.kind == Kind::Text || piece.kind == Kind::Mixed))
            piece = collated(piece);
        out << piece.sql;
    }
    if (!nested && !atEnd()) unexpected();
    if (scope.limit) out << QStringLiteral("limit ") + *scope.limit;
    return out.join(u' ');
}

// Returns false for the words that begin an expression.
bool StatementTranslator::clauseWord(Keyword keyword, QStringList& out, Scope& scope) {
    switch (keyword) {
        case Keyword::Case:
        case Keyword::Null:
        case Keyword::Exists:
        case Keyword::Not:
            return false;
        case Keyword::Left:
        case Keyword::Right:
            if (peekSymbol(u"(", 1)) return false;
            scope.listsText = false;
            break;
        case Keyword::Select:
            selectWord(out, scope);
            return true;
        case Keyword::From:
        case Keyword::Join:
        case Keyword::Inner:
        case Keyword::Outer:
        case Keyword::Full:
        case Keyword::Cross:
        case Keyword::Natural:
        case Keyword::Where:
        case Keyword::Having:
        case Keyword::On:
            scope.listsText = false;
            break;
        case Keyword::Group:
        case Keyword::Order:
            out << lower(take());
            expectKeyword(Keyword::By, "by");
            out << QStringLiteral("by");
            scope.listsText = true;
            return true;
        case Keyword::Union:
        case Keyword::Except:
        case Keyword::Intersect:
            if (scope.limit) unsupported(QStringLiteral("top em consulta com ") + lower(peek()));
            scope.compound = true;
            scope.listsText = false;
            out << lower(take());
            if (acceptKeyword(Keyword::All)) out << QStringLiteral("all");
            return true;
        case Keyword::As:
            take();
            out << QStringLiteral("as") << alias();
            return true;
        case Keyword::Asc:
        case Keyword::Desc:
        case Keyword::Distinct:
            break;
        case Keyword::Values:
            take();
            out << QStringLiteral("values") << values();
            return true;
        case Keyword::Set:
            if (statement_ != Keyword::Update) unexpected();
            scope.listsText = false;
            break;
        case Keyword::Into:
            unsupported(QStringLiteral("select ... into"));
        case Keyword::With:
        case Keyword::Collate:
        case Keyword::Limit:
        case Keyword::Offset:
            unsupported(lower(peek()));
        default:
            unexpected();
    }
    out << lower(take());
    return true;
}

void StatementTranslator::selectWord(QStringList& out, Scope& scope) {
    take();
    out << QStringLiteral("select");
    if (peekKeyword(Keyword::Distinct) || peekKeyword(Keyword::All)) out << lower(take());
    if (peekKeyword(Keyword::Top)) {
        if (scope.compound) unsupported(QStringLiteral("top em consulta com union"));
        scope.limit = top();
    }
    scope.listsText = true;
}

// The limit goes at the end of this select, after its order by.
QString StatementTranslator::top() {
    take();
    QString count;
    if (acceptSymbol(u"(")) {
        count = expression().sql;
        expectSymbol(u")");
    } else if (peek().kind == TokenKind::Number || peek().kind == TokenKind::Parameter) {
        const Token& token = take();
        if (token.kind == TokenKind::Parameter) addParameter(token.text.mid(1));
        count = token.text.toString();
    } else {
        unexpected();
    }
    if (peekKeyword(Keyword::Percent)) unsupported(QStringLiteral("top %1 percent").arg(count));
    if (peekKeyword(Keyword::With) && peekKeyword(Keyword::Ties, 1))
        unsupported(QStringLiteral("top %1 with ties").arg(count));
    return count;
}

QString StatementTranslator::alias() {
    const Token& token = peek();
    switch (token.kind) {
        case TokenKind::Word:
        case TokenKind::Bracketed:
            return namePart(take());
        case TokenKind::String:
        case TokenKind::DoubleQuoted:
            return literal(take()).sql;
        default:
            unexpected();
    }
}

// Dates typed the Brazilian way are stored the way the database keeps them.
QString StatementTranslator::values() {
    QStringList rows;
    do {
        expectSymbol(u"(");
        QStringList items;
        do {
            const Piece item = expression();
            items << (item.storedDate.isEmpty() ? item.sql : item.storedDate);
        } while (acceptSymbol(u","));
        expectSymbol(u")");
        rows << u'(' + items.join(QStringLiteral(", ")) + u')';
    } while (peekSymbol(u",") && peekSymbol(u"(", 1) && acceptSymbol(u","));
    return rows.join(QStringLiteral(", "));
}

}  // namespace orbadil::db
