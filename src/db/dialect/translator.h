#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

#include "db/dialect/keywords.h"
#include "db/dialect/tokenizer.h"

namespace orbadil::db {

// Where each statement of a batch starts and ends, in token positions [begin, end). The server
// runs statements written one after the other without a separator; so does this.
struct TokenRange {
    qsizetype begin;
    qsizetype end;
};
QList<TokenRange> splitStatements(const QList<Token>& tokens);

// Translates one statement of the server's dialect into SQLite.
class StatementTranslator {
  public:
    StatementTranslator(const QList<Token>& tokens, TokenRange range,
                        const QHash<QString, QString>& catalogs);

    // Empty when nothing needs to run on SQLite (set rowcount 0). Throws DialectError.
    QString translate();
    // The named parameters it carries, without the colon, in order of first appearance.
    const QStringList& parameters() const { return parameters_; }

    // A translated expression and what is known of the value it gives.
    struct Piece {
        enum class Kind {
            Column,    // a column reference: it brings its own collation and affinity
            Number,    // a numeric literal
            Numeric,   // gives a number or null
            String,    // a text literal
            Text,      // gives text or null
            Mixed,     // '+' whose operands' types are known only when it runs
            DateTime,  // gives a date-time in the stored form
            Parameter,
            Null,
            Logical,
            Other,
        };
        QString sql;
        Kind kind = Kind::Other;
        bool atomic = true;  // needs no parentheses before a postfix COLLATE
        QString storedDate;  // a 'dd/mm/yyyy' literal written the way dates are stored
    };

  private:
    using Kind = Piece::Kind;

    // One select, or selects joined by union, up to the end or its closing parenthesis.
    struct Scope {
        std::optional<QString> limit;  // from its top
        bool compound = false;
        bool listsText = false;  // in the select list, group by or order by
    };
    struct TypeSpec {
        enum class Category { Text, Integer, Decimal, DateTime };
        QString text;
        Category category;
    };

    // Cursor.
    bool atEnd() const { return pos_ >= end_; }
    const Token& peek(qsizetype ahead = 0) const;
    const Token& take();
    bool peekSymbol(QStringView symbol, qsizetype ahead = 0) const;
    bool acceptSymbol(QStringView symbol);
    void expectSymbol(QStringView symbol);
    bool peekKeyword(Keyword keyword, qsizetype ahead = 0) const;
    bool acceptKeyword(Keyword keyword);
    void expectKeyword(Keyword keyword, const char* spelling);
    [[noreturn]] void unexpected() const;

    // Statements and clauses.
    QString setOption();
    QString scope(bool nested);
    bool clauseWord(Keyword keyword, QStringList& out, Scope& scope);
    void selectWord(QStringList& out, Scope& scope);
    QString top();
    QString alias();
    QString values();

    // Expressions, loosest binding first.
    static Piece logical(const QString& sql);
    static Piece collated(const Piece& piece);
    static bool needsCollation(std::initializer_list<const Piece*> operands);
    static void useStoredDate(Piece& piece);
    Piece expression();
    Piece conjunction();
    Piece negation();
    Piece predicate();
    Piece comparison(Piece left, QString op, Piece right);
    Piece between(Piece value, Piece low, Piece high, bool negated);
    Piece inList(Piece value, bool negated);
    Piece additive();
    Piece combine(QChar op, const Piece& left, const Piece& right);
    Piece term();
    Piece unary();
    Piece primary();
    Piece wordPrimary();
    Piece group();
    Piece caseExpression();
    Piece name();
    static Piece literal(const Token& token);

    // Function calls.
    Piece call();
    QList<Piece> arguments();
    Piece aggregate(const QString& function);
    Piece datePartCall(const QString& function);
    Piece convertCall();
    Piece castCall();
    Piece converted(const TypeSpec& type, const Piece& value, const QString& style);
    TypeSpec typeSpec();

    static QString namePart(const Token& token);
    QString catalogSchema(const QString& catalog) const;
    void addParameter(QStringView name);

    const QList<Token>& tokens_;
    qsizetype pos_;
    qsizetype end_;
    const QHash<QString, QString>& catalogs_;
    Keyword statement_ = Keyword::None;
    QStringList parameters_;
};

}  // namespace orbadil::db
