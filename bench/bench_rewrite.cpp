// Cost of rewriting the program's statements for SQLite, cold and from the cache.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "db/dialect/rewriter.h"
#include "support/tsql_statements.h"

using orbadil::db::SqliteRewriter;

namespace {

constexpr int kRounds = 200;
constexpr double kColdTargetMicros = 50;
constexpr double kCachedTargetMicros = 2;

QHash<QString, QString> catalogs() {
    return {{QStringLiteral("padrao"), QStringLiteral("padrao")},
            {QStringLiteral("zooanimais_dsv"), QStringLiteral("main")}};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median over the rounds of one batch's cost, in microseconds per statement.
template <typename Rewrite>
double microsPerStatement(const QString& batch, qsizetype statements, Rewrite rewrite) {
    std::vector<double> samples;
    samples.reserve(kRounds);
    QElapsedTimer timer;
    for (int i = 0; i < kRounds; ++i) {
        timer.start();
        rewrite(batch);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0 /
                          static_cast<double>(statements));
    }
    return median(samples);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const SqliteRewriter rewriter(catalogs());
    std::vector<double> cold;
    std::vector<double> cached;
    qsizetype statementCount = 0;
    for (const auto& c : orbadil::test::kTsqlCases) {
        const QString batch = QString::fromUtf8(c.batch);
        const qsizetype statements = std::max<qsizetype>(1, rewriter.rewriteUncached(batch).size());
        statementCount += statements;
        cold.push_back(microsPerStatement(batch, statements,
                                          [&](const QString& b) { rewriter.rewriteUncached(b); }));
        rewriter.rewrite(batch);
        cached.push_back(
            microsPerStatement(batch, statements, [&](const QString& b) { rewriter.rewrite(b); }));
    }
    const auto report = [&](const char* what, const std::vector<double>& values, double target) {
        const double m = median(values);
        out << QStringLiteral("%1: median %2 µs per statement, slowest %3 µs (target < %4 µs) %5\n")
                   .arg(QLatin1StringView(what))
                   .arg(m, 0, 'f', 2)
                   .arg(*std::max_element(values.begin(), values.end()), 0, 'f', 2)
                   .arg(target)
                   .arg(m < target ? QStringLiteral("ok") : QStringLiteral("OVER TARGET"));
    };
    out << "Batches: " << cold.size() << ", statements: " << statementCount << "\n";
    report("cold (rewriteUncached)", cold, kColdTargetMicros);
    report("cached (rewrite)", cached, kCachedTargetMicros);
    return 0;
}
