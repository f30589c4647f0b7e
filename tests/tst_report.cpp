#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "common/error.h"
#include "db/query.h"
#include "report/output.h"
#include "report/preview.h"
#include "report/report.h"
#include "support/testdatabases.h"

using namespace orbadil;
using namespace orbadil::report;

Q_DECLARE_METATYPE(orbadil::report::Orientation)

namespace {

const QDateTime kPrintedAt(QDate(2026, 3, 5), QTime(14, 30, 0));

// A forward-only source that notes any read past its end, which a second pass would need.
class OnceRows : public RowSource {
  public:
    explicit OnceRows(const QList<QVariantMap>& rows) : rows_(rows) {}
    bool next() override {
        ++calls;
        if (ended_) readPastEnd = true;
        ended_ = ended_ || !rows_.next();
        return !ended_;
    }
    QStringList fields() const override { return rows_.fields(); }
    QVariant value(const QString& field) const override { return rows_.value(field); }

    int calls = 0;
    bool readPastEnd = false;

  private:
    MemoryRows rows_;
    bool ended_ = false;
};

QList<QVariantMap> numbered(int count) {
    QList<QVariantMap> rows;
    for (int i = 1; i <= count; ++i)
        rows << QVariantMap{{"id", i}, {"nome", QStringLiteral("NOME %1").arg(i)}};
    return rows;
}

// The listing most screens print: key - name and status, the description wrapped below.
Report listing(Orientation orientation = Orientation::Portrait) {
    Report r(orientation);
    r.setPrintedAt(kPrintedAt);
    r.band(BandKind::Title, 16).standardHeading("REL025", "Unidade de Trabalho");
    r.band(BandKind::Detail, 9)
        .field(0, 0, 15, 5, "id_unidade")
        .right()
        .text(15, 0, 5, 5, " - ")
        .field(20, 0, 100, 5, "nome")
        .field(150, 0, 30, 5, "ind_status")
        .field(20, 5, 100, 4, "descricao")
        .size(8)
        .wrap();
    r.band(BandKind::Summary, 8).text(0, 2, 40, 5, "Total de registro:").count(40, 2, 20, 5);
    r.band(BandKind::PageFooter, 6).text(160, 1, 15, 5, "Pag.:").pageNumber(175, 1, 15, 5).right();
    return r;
}

QVariantMap unit(int id, const QString& name, const QString& status, const QString& text) {
    return {{"id_unidade", id}, {"nome", name}, {"ind_status", status}, {"descricao", text}};
}

Document render(const Report& report, const QList<QVariantMap>& rows) {
    MemoryRows source(rows);
    return report.render(source);
}

// A line of the text output, each piece starting at its column.
QString columns(const QList<std::pair<int, QString>>& pieces) {
    QString line;
    for (const auto& [column, text] : pieces) line = line.leftJustified(column, u' ') + text;
    return line;
}

QStringList pageLines(const Document& document, int page) {
    QStringList out;
    for (const auto& line : printedLines(document.pages[size_t(page)])) {
        QStringList texts;
        for (const TextItem& item : line) texts << item.text;
        out << texts.join(u' ').simplified();
    }
    return out;
}

Document threePages() {
    return render(listing(), QList<QVariantMap>(120, unit(1, "A", "ATIVO", "")));
}

QStringList allLines(const Document& document) {
    QStringList out;
    for (int i = 0; i < document.pageCount(); ++i) out << pageLines(document, i);
    return out;
}

// Page objects of a PDF, not its page tree ("/Type /Pages").
int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const TextItem* findText(const Page& page, const QString& text) {
    for (const Item& item : page.items)
        if (const auto* t = std::get_if<TextItem>(&item); t && t->text == text) return t;
    return nullptr;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

  private slots:
    void listingAsTextCsvAndHtml() {
        Report r = listing();
        const Document d = render(r, {unit(1, "CENTRO", "ATIVO", "Sede"),
                                      unit(12, "Zona, \"Norte\"", "INATIVO", QString()),
                                      unit(3, "<Sul> & Cia", "ATIVO", "Posto \"A\"")});
        QCOMPARE(d.pageCount(), 1);
        QCOMPARE(toText(d).split(u'\n'),
                 QStringList({
                     columns({{40, "Orbadil - TRUV"}, {65, "05/03/2026 14:30:00"}, {89, "REL025"}}),
                     columns({{38, "Unidade de Trabalho"}}),
                     columns({{7, "1"}, {8, " - "}, {11, "CENTRO"}, {75, "ATIVO"}}),
                     columns({{10, "Sede"}}),
                     columns({{6, "12"}, {8, " - "}, {11, "Zona, \"Norte\""}, {75, "INATIVO"}}),
                     columns({{7, "3"}, {8, " - "}, {11, "<Sul> & Cia"}, {75, "ATIVO"}}),
                     columns({{10, "Posto \"A\""}}),
                     "Total de registro:  3",
                     columns({{80, "Pag.:"}, {94, "1"}}),
                     "",
                 }));
        QCOMPARE(toCsv(d).split(QStringLiteral("\r\n")),
                 QStringList({
                     "Orbadil - TRUV,05/03/2026 14:30:00,REL025",
                     "Unidade de Trabalho",
                     "1,-,CENTRO,ATIVO",
                     "Sede",
                     "12,-,\"Zona, \"\"Norte\"\"\",INATIVO",
                     "3,-,<Sul> & Cia,ATIVO",
                     "\"Posto \"\"A\"\"\"",
                     "Total de registro:,3",
                     "Pag.:,1",
                     "",
                 }));
        const QString html = toHtml(d);
        QVERIFY(html.contains("<meta charset=\"utf-8\">"));
        QVERIFY(html.contains("<title>Unidade de Trabalho</title>"));
        QVERIFY(html.contains("&lt;Sul&gt; &amp; Cia"));
        QVERIFY(html.contains("Posto &quot;A&quot;"));
        QVERIFY(!html.contains("<Sul>"));
        QCOMPARE(html.count("<div class=\"page\""), 1);
        QCOMPARE(html.count("<div class=\"line\""), 9);
    }

    void wrappedDescriptionGrowsItsRow() {
        const QString text = QStringLiteral(
            "Atende os bairros do centro antigo, com mutirões de castração aos sábados "
            "e cadastro de animais comunitários em parceria com as associações locais");
        Report r = listing();
        const Document d =
            render(r, {unit(1, "CENTRO", "ATIVO", text), unit(2, "NORTE", "ATIVO", QString()),
                       unit(3, "SUL", "ATIVO", QString())});
        const Page& page = d.pages.front();
        QStringList parts;
        double bottom = 0;
        for (const auto& line : printedLines(page)) {
            if (line.front().size != 8 || line.front().text.isEmpty()) continue;
            QVERIFY2(line.front().rect.width() <= 100, "a wrapped line keeps its width");
            parts << line.front().text;
            bottom = std::max(bottom, line.front().rect.bottom());
        }
        QVERIFY2(parts.size() >= 3, qPrintable(parts.join(u'|')));
        QCOMPARE(parts.join(u' '), text);
        // The next row starts below the description's last line.
        QVERIFY(findText(page, "NORTE")->rect.top() >= bottom - 0.01);
        // A row without a description takes only its first line's room.
        QCOMPARE(findText(page, "SUL")->rect.top() - findText(page, "NORTE")->rect.top(), 5.0);
    }

    void groupBreaksCountAndSum() {
        Report r;
        r.setPrintedAt(kPrintedAt);
        Group& g = r.group("unidade");
        g.header(6).text(0, 0, 20, 5, "Unidade:").field(20, 0, 60, 5, "unidade");
        g.footer(6)
            .expr(0, 0, 60, 5, [](const Row& row) { return "Total de " + row.text("unidade"); })
            .count(60, 0, 20, 5)
            .sum(80, 0, 30, 5, "peso");
        r.band(BandKind::Detail, 5).count(0, 0, 10, 5).field(10, 0, 40, 5, "animal");
        r.band(BandKind::Summary, 6)
            .text(0, 0, 60, 5, "Total geral")
            .count(60, 0, 20, 5)
            .sum(80, 0, 30, 5, "peso")
            .format(decimals(2));
        // The second run of CENTRO is a group of its own: groups follow the row order.
        const Document d = render(r, {
                                         {{"unidade", "CENTRO"}, {"animal", "REX"}, {"peso", 1}},
                                         {{"unidade", "CENTRO"}, {"animal", "MIA"}, {"peso", 2.5}},
                                         {{"unidade", "NORTE"}, {"animal", "TOM"}, {"peso", 10}},
                                         {{"unidade", "CENTRO"}, {"animal", "LUA"}, {"peso", 4}},
                                         {{"unidade", "CENTRO"}, {"animal", "BOB"}, {"peso", 5}},
                                     });
        QCOMPARE(allLines(d), QStringList({
                                  "Unidade: CENTRO",
                                  "1 REX",
                                  "2 MIA",
                                  "Total de CENTRO 2 3,5",
                                  "Unidade: NORTE",
                                  "3 TOM",
                                  "Total de NORTE 1 10",
                                  "Unidade: CENTRO",
                                  "4 LUA",
                                  "5 BOB",
                                  "Total de CENTRO 2 9",
                                  "Total geral 5 22,50",
                              }));
    }

    void nestedGroupsCloseInnerFirst() {
        Report r;
        r.group("regiao")
            .footer(5)
            .text(0, 0, 30, 5, "Fim da região")
            .field(30, 0, 30, 5, "regiao");
        Group& inner = r.group("unidade");
        inner.header(5).field(0, 0, 40, 5, "unidade");
        inner.footer(5).text(0, 0, 30, 5, "Fim da unidade").count(30, 0, 10, 5);
        r.band(BandKind::Detail, 5).field(10, 0, 40, 5, "animal");
        // The same unit name in the next region is still a new inner group.
        const Document d = render(r, {
                                         {{"regiao", "LESTE"}, {"unidade", "A"}, {"animal", "1"}},
                                         {{"regiao", "LESTE"}, {"unidade", "A"}, {"animal", "2"}},
                                         {{"regiao", "OESTE"}, {"unidade", "A"}, {"animal", "3"}},
                                     });
        QCOMPARE(allLines(d), QStringList({
                                  "A",
                                  "1",
                                  "2",
                                  "Fim da unidade 2",
                                  "Fim da região LESTE",
                                  "A",
                                  "3",
                                  "Fim da unidade 1",
                                  "Fim da região OESTE",
                              }));
    }

    void pagesRepeatHeadersAndNumberThemselves() {
        Report r;
        r.setPrintedAt(kPrintedAt);
        r.band(BandKind::PageHeader, 16).standardHeading("REL030", "Animais");
        r.band(BandKind::Title, 8).text(0, 0, 100, 5, "Apresentação");
        r.band(BandKind::ColumnHeader, 6).text(0, 0, 20, 5, "Código").text(20, 0, 60, 5, "Nome");
        r.band(BandKind::Detail, 5).field(0, 0, 20, 5, "id").field(20, 0, 60, 5, "nome");
        r.band(BandKind::Summary, 6).text(0, 0, 40, 5, "Total de registro:").count(40, 0, 20, 5);
        r.band(BandKind::PageFooter, 6).text(160, 1, 15, 5, "Pag.:").pageNumber(175, 1, 15, 5);
        const Document d = render(r, numbered(120));
        QVERIFY2(d.pageCount() >= 3, qPrintable(QString::number(d.pageCount())));

        QStringList ids;
        const double footerTop = 297 - 10 - 6;
        for (int p = 0; p < d.pageCount(); ++p) {
            const QStringList lines = pageLines(d, p);
            QCOMPARE(lines.first(), QStringLiteral("Orbadil - TRUV 05/03/2026 14:30:00 REL030"));
            QCOMPARE(lines[1], QStringLiteral("Animais"));
            QCOMPARE(lines.contains("Apresentação"), p == 0);
            QCOMPARE(lines.count("Código Nome"), 1);
            QCOMPARE(lines.last(), QStringLiteral("Pag.: %1").arg(p + 1));
            static const QRegularExpression detail(QStringLiteral("^(\\d+) NOME \\1$"));
            for (const QString& line : lines)
                if (const auto m = detail.match(line); m.hasMatch()) ids << m.captured(1);
            for (const Item& item : d.pages[size_t(p)].items) {
                const auto* t = std::get_if<TextItem>(&item);
                if (t && t->text.startsWith("NOME")) QVERIFY(t->rect.bottom() <= footerTop);
            }
        }
        QStringList expected;
        for (int i = 1; i <= 120; ++i) expected << QString::number(i);
        QCOMPARE(ids, expected);
        const QStringList last = pageLines(d, d.pageCount() - 1);
        QCOMPARE(last[last.size() - 2], QStringLiteral("Total de registro: 120"));
        QCOMPARE(last[last.size() - 3], QStringLiteral("120 NOME 120"));
    }

    void bandThatDoesNotFitMovesToTheNextPage_data() {
        QTest::addColumn<double>("summaryHeight");
        QTest::addColumn<int>("summaryPage");
        // 26 rows of 10 mm end at 280 mm; the page footer starts at 281 mm.
        QTest::newRow("fits exactly") << 1.0 << 1;
        QTest::newRow("one millimetre too tall") << 2.0 << 2;
        QTest::newRow("far too tall") << 30.0 << 2;
    }
    void bandThatDoesNotFitMovesToTheNextPage() {
        QFETCH(double, summaryHeight);
        QFETCH(int, summaryPage);
        Report r;
        r.band(BandKind::PageHeader, 10).text(0, 0, 50, 5, "Cabeçalho");
        r.band(BandKind::Detail, 10).field(0, 0, 20, 5, "id");
        r.band(BandKind::Summary, summaryHeight).text(0, 0, 40, 1, "Resumo");
        r.band(BandKind::PageFooter, 6).pageNumber(175, 1, 15, 5);
        const Document d = render(r, numbered(26));
        QCOMPARE(d.pageCount(), summaryPage);
        const QStringList lines = pageLines(d, summaryPage - 1);
        QVERIFY(lines.contains("Resumo"));
        QCOMPARE(lines.first(), QStringLiteral("Cabeçalho"));
        QCOMPARE(pageLines(d, 0).contains("26"), true);
    }

    void grownRowMovesWhole() {
        Report r;
        r.band(BandKind::Detail, 10).field(0, 0, 20, 5, "id").field(20, 5, 30, 5, "nota").wrap();
        QList<QVariantMap> rows;
        // 26 rows end at 270 mm of 287: the 27th fits only as long as it does not grow.
        for (int i = 1; i <= 27; ++i)
            rows << QVariantMap{{"id", i},
                                {"nota", i < 27 ? "curta"
                                                : QString(20, u'x') + " " + QString(20, u'y') +
                                                      " " + QString(20, u'z')}};
        const Document d = render(r, rows);
        QCOMPARE(d.pageCount(), 2);
        const QStringList lines = pageLines(d, 1);
        QCOMPARE(lines.first(), QStringLiteral("27"));
        QVERIFY2(lines.size() >= 4, qPrintable(lines.join(u'|')));
    }

    void groupHeaderKeepsWithItsFirstRow() {
        Report r;
        r.group("grupo").header(10).field(0, 0, 40, 5, "grupo");
        r.band(BandKind::Detail, 10).field(0, 0, 20, 5, "id");
        QList<QVariantMap> rows;
        // 26 rows fill the page to 270 mm: room for the header, none for a row under it.
        for (int i = 1; i <= 27; ++i)
            rows << QVariantMap{{"grupo", i < 27 ? "G1" : "G2"}, {"id", i}};
        const Document d = render(r, rows);
        QCOMPARE(d.pageCount(), 2);
        QCOMPARE(pageLines(d, 1), QStringList({"G2", "27"}));
    }

    void subDetailRowsFollowTheirMaster() {
        Report r;
        r.band(BandKind::Detail, 5).field(0, 0, 30, 5, "dono");
        QStringList asked;
        r.subDetail(5, [&asked](const Row& master) {
             asked << master.text("dono");
             QList<QVariantMap> animals;
             if (master.text("dono") == "ANA") animals = {{{"animal", "REX"}}, {{"animal", "MIA"}}};
             return std::make_unique<MemoryRows>(animals);
         }).field(10, 0, 30, 5, "animal");
        r.band(BandKind::Summary, 5).text(0, 0, 20, 5, "Donos:").count(20, 0, 10, 5);
        const Document d = render(r, {{{"dono", "ANA"}}, {{"dono", "BETO"}}, {{"dono", "CAIO"}}});
        QCOMPARE(asked, QStringList({"ANA", "BETO", "CAIO"}));
        QCOMPARE(allLines(d), QStringList({"ANA", "REX", "MIA", "BETO", "CAIO", "Donos: 3"}));
    }

    void pageBandsReadTheMasterWhileItsChildrenPrint() {
        Report r;
        r.band(BandKind::PageHeader, 6).text(0, 0, 15, 5, "Dono:").field(15, 0, 40, 5, "dono");
        r.band(BandKind::Detail, 5).field(0, 0, 30, 5, "dono");
        r.subDetail(5, [](const Row& master) {
             QList<QVariantMap> animals;
             for (int i = 0; i < (master.text("dono") == "ANA" ? 70 : 1); ++i)
                 animals << QVariantMap{{"animal", i}};
             return std::make_unique<MemoryRows>(animals);
         }).field(10, 0, 30, 5, "animal");
        const Document d = render(r, {{{"dono", "ANA"}}, {{"dono", "BETO"}}});
        QCOMPARE(d.pageCount(), 2);
        QCOMPARE(pageLines(d, 0).first(), QStringLiteral("Dono: ANA"));
        QCOMPARE(pageLines(d, 1).first(), QStringLiteral("Dono: ANA"));
        QCOMPARE(pageLines(d, 1).at(pageLines(d, 1).size() - 2), QStringLiteral("BETO"));
    }

    void rowsAreReadInOnePass() {
        Report r = listing();
        r.group("ind_status").footer(5).count(0, 0, 10, 5);
        OnceRows rows(
            {unit(1, "A", "ATIVO", ""), unit(2, "B", "ATIVO", ""), unit(3, "C", "INATIVO", "")});
        const Document d = r.render(rows);
        QVERIFY(!rows.readPastEnd);
        QCOMPARE(rows.calls, 4);
        QVERIFY(allLines(d).contains("Total de registro: 3"));
    }

    void queryRowsFeedAReport() {
        test::TestDatabases dbs;
        dbs.exec(
            "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status, Inserido_Em)"
            " values (2, 'Norte', 'INATIVO', '2026-03-06 00:00:00'),"
            " (1, 'Centro', 'ATIVO', '2026-03-05 14:30:00')");
        db::Query query;
        query.add("select Id_Unidade_Trabalho, Nome, Inserido_Em from unidade_trabalho");
        query.add("order by Id_Unidade_Trabalho");
        Report r;
        r.band(BandKind::Detail, 5)
            .field(0, 0, 10, 5, "ID_UNIDADE_TRABALHO")
            .field(10, 0, 40, 5, "nome")
            .field(50, 0, 40, 5, "inserido_em");
        QueryRows rows(query);
        const Document d = r.render(rows);
        QCOMPARE(allLines(d), QStringList({"1 Centro 05/03/2026 14:30:00", "2 Norte 06/03/2026"}));
    }

    void emptySourceStillPrintsAPage() {
        Report r = listing();
        const Document d = render(r, {});
        QCOMPARE(d.pageCount(), 1);
        const QStringList lines = allLines(d);
        QVERIFY(lines.contains("Total de registro: 0"));
        QCOMPARE(lines.last(), QStringLiteral("Pag.: 1"));
    }

    void misspeltFieldIsReported() {
        Report r;
        r.band(BandKind::Detail, 5).field(0, 0, 10, 5, "nmoe");
        try {
            render(r, {{{"nome", "A"}}});
            QFAIL("no error");
        } catch (const Error& e) {
            QVERIFY2(e.message().contains("nmoe"), qPrintable(e.message()));
        }
    }

    void orientationSetsThePage_data() {
        QTest::addColumn<Orientation>("orientation");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("mediaBox");
        QTest::newRow("portrait") << Orientation::Portrait << QSizeF(210, 297) << "595 842";
        QTest::newRow("landscape") << Orientation::Landscape << QSizeF(297, 210) << "842 595";
    }
    void orientationSetsThePage() {
        QFETCH(Orientation, orientation);
        QFETCH(QSizeF, size);
        QFETCH(QString, mediaBox);
        const Document d = render(listing(orientation), {unit(1, "A", "ATIVO", "")});
        QCOMPARE(d.pageSize(), size);
        const Page& page = d.pages.front();
        // The heading spans the width between the margins, whatever the orientation.
        QCOMPARE(findText(page, "Orbadil - TRUV")->rect.center().x(), size.width() / 2);
        QCOMPARE(findText(page, "REL025")->rect.right(), size.width() - 10);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.pdf");
        saveDocument(d, path);
        const QString pdf = QString::fromLatin1(fileBytes(path));
        const auto box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 (\\d+)\\.?\\d* (\\d+)")).match(pdf);
        QVERIFY(box.hasMatch());
        QCOMPARE(box.captured(1) + u' ' + box.captured(2), mediaBox);
    }

    void savedByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("text") << "r.txt"
                              << QByteArray("                                        Orbadil");
        QTest::newRow("html") << "r.HTML" << QByteArray("<!DOCTYPE html>");
        QTest::newRow("csv") << "r.csv" << QByteArray("Orbadil - TRUV,");
        QTest::newRow("pdf") << "r.pdf" << QByteArray("%PDF-");
    }
    void savedByExtension() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        const Document d =
            render(listing(), QList<QVariantMap>(150, unit(7, "SÃO JOÃO", "ATIVO", "")));
        QVERIFY(d.pageCount() >= 3);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        saveDocument(d, path);
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes.startsWith(start), bytes.left(60).constData());
        if (name.endsWith("pdf"))
            QCOMPARE(pdfPages(bytes), d.pageCount());
        else
            QVERIFY(bytes.contains(QStringLiteral("SÃO JOÃO").toUtf8()));
        if (name.endsWith("txt")) QCOMPARE(bytes.count('\f'), d.pageCount() - 1);
    }

    void saveFailuresAreReported() {
        const Document d = render(listing(), {unit(1, "A", "ATIVO", "")});
        QTemporaryDir dir;
        for (const char* name : {"sem/pasta.txt", "sem/pasta.pdf"}) {
            const QString path = dir.filePath(name);
            if (path.endsWith("pdf"))
                QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            try {
                saveDocument(d, path);
                QFAIL(name);
            } catch (const Error& e) {
                QVERIFY2(e.message().startsWith("Não foi possível gravar o arquivo"),
                         qPrintable(e.message()));
            }
        }
        QVERIFY_THROWS_EXCEPTION(Error, saveDocument(d, dir.filePath("r.doc")));

        test::ScriptedMessages messages;
        Preview preview(d);
        QVERIFY(!preview.saveAs(dir.filePath("sem/pasta.csv")));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].kind, QStringLiteral("error"));
        QVERIFY(messages.messages[0].text.startsWith("Não foi possível gravar o arquivo"));
        QVERIFY(preview.saveAs(dir.filePath("r.csv")));
        QCOMPARE(messages.messages.size(), 1);
    }

    void printingHonoursThePageRange_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("printed");
        QTest::newRow("all") << 0 << 0 << 3;
        QTest::newRow("two to three") << 2 << 3 << 2;
        QTest::newRow("only the second") << 2 << 2 << 1;
    }
    void printingHonoursThePageRange() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, printed);
        const Document d = threePages();
        QCOMPARE(d.pageCount(), 3);
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("p.pdf"));
        if (from) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        QVERIFY(printDocument(d, printer));
        QCOMPARE(pdfPages(fileBytes(dir.filePath("p.pdf"))), printed);
    }

    void pagesPaintWhereTheirItemsStand() {
        const Document d = render(listing(), {unit(1, "A", "ATIVO", "")});
        // 1 mm = 4 pixels.
        QImage image(840, 1188, QImage::Format_RGB32);
        image.setDotsPerMeterX(4000);
        image.setDotsPerMeterY(4000);
        image.fill(Qt::white);
        QPainter painter(&image);
        d.paint(painter, 0);
        painter.end();
        const auto inked = [&image](const QRectF& mm) {
            const QRect pixels(qRound(mm.left() * 4), qRound(mm.top() * 4), qRound(mm.width() * 4),
                               qRound(mm.height() * 4));
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) return true;
            return false;
        };
        const Page& page = d.pages.front();
        QVERIFY(inked(findText(page, "Pag.:")->rect));
        QVERIFY(inked(findText(page, "Orbadil - TRUV")->rect));
        QVERIFY(!inked(QRectF(20, 120, 170, 100)));
    }

    void previewNavigatesZoomsAndCloses() {
        QPointer<Preview> preview = showPreview(threePages(), nullptr, false);
        QVERIFY(preview);
        QVERIFY(preview->testAttribute(Qt::WA_DeleteOnClose));
        QApplication::setActiveWindow(preview);
        QVERIFY(QTest::qWaitForWindowActive(preview));
        auto* label = preview->findChild<QLabel*>("lblPage");
        const auto action = [&preview](const char* name) {
            return preview->findChild<QAction*>(name);
        };
        QCOMPARE(label->text(), QStringLiteral("Página 1 de 3"));
        QVERIFY(!action("actPriorPage")->isEnabled());
        action("actNextPage")->trigger();
        QCOMPARE(label->text(), QStringLiteral("Página 2 de 3"));
        // The page, not the scroll area, takes the page keys.
        auto* scroll = preview->findChild<QScrollArea*>("scrPage");
        scroll->setFocus();
        QTest::keyClick(scroll, Qt::Key_PageDown);
        QCOMPARE(label->text(), QStringLiteral("Página 3 de 3"));
        QVERIFY(!action("actNextPage")->isEnabled());
        QTest::keyClick(preview, Qt::Key_PageUp);
        QCOMPARE(preview->page(), 1);
        action("actFirstPage")->trigger();
        QCOMPARE(preview->page(), 0);

        // Opens fitted to the width of the window.
        auto* page = preview->findChild<QWidget*>("pgvPage");
        QVERIFY(page->width() <= scroll->viewport()->width());
        QVERIFY(page->width() > scroll->viewport()->width() - 40);
        action("actZoom100")->trigger();
        QCOMPARE(preview->zoom(), 1.0);
        QTest::keyClick(preview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview->zoom(), 1.25);
        const int wide = page->width();
        QTest::keyClick(preview, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(preview, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(preview->zoom(), 0.8);
        QVERIFY(page->width() < wide);
        for (const char* name : {"actPrint", "actSave", "actLastPage", "actZoomIn", "actZoomOut",
                                 "actFitWidth", "actClose"})
            QVERIFY2(action(name), name);
        QCOMPARE(action("actPrint")->text(), QStringLiteral("Imprimir..."));
        QCOMPARE(action("actSave")->text(), QStringLiteral("Salvar..."));

        QTest::keyClick(preview, Qt::Key_Escape);
        QTRY_VERIFY(!preview);
    }

    void modalPreviewReturnsWhenClosed() {
        bool seen = false;
        QTimer::singleShot(0, [&seen] {
            auto* shown = qobject_cast<Preview*>(QApplication::activeModalWidget());
            seen = shown && shown->document().pageCount() == 1;
            if (shown) shown->findChild<QAction*>("actClose")->trigger();
        });
        QCOMPARE(showPreview(render(listing(), {}), nullptr, true), nullptr);
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
