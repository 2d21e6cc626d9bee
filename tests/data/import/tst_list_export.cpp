// vorbix-export and the way back: every pair's table written as KVTML and as
// CSV and imported again is the same table; a KVTML file of the KDE examples
// becomes a table with one command.

#include "data/import/import_jobs.h"
#include "data/import/list_export.h"
#include "data/import/word_list_reader.h"
#include "data/import/word_order.h"
#include "data/sqlite_connection.h"
#include "import_fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace vorbix;
using namespace vorbix::import;
using vorbix::testing::ProcessResult;

namespace {

ProcessResult runExport(const QString &root, const QStringList &arguments)
{
    return testing::run(qEnvironmentVariable("VORBIX_EXPORT"),
                        arguments + QStringList{QStringLiteral("--data-root"), root});
}

QVector<WordRow> tableOf(const QString &root, const LanguagePair &pair)
{
    SqliteConnection db(DataFiles(root).main, SqliteConnection::Mode::ReadOnly);
    return readWordTable(db, pair);
}

// Words that test what the formats must carry: accents, commas, quotes, a
// leading "#", words differing only in case, missing translations, texts a
// spreadsheet would take for formulas.
QVector<ImportRow> awkwardRows()
{
    const std::optional<QString> none;
    return {
        {QStringLiteral("café"), QStringLiteral("Kaffee, Café")},
        {QStringLiteral("Ärger"), QStringLiteral("anger")},
        {QStringLiteral("niño"), none},
        {QStringLiteral("œuvre"), QStringLiteral("work \"of art\"")},
        {QStringLiteral("to be, or not"), QStringLiteral("ser, o no; \"estar\"")},
        {QStringLiteral("#hashtag"), QStringLiteral("#etiqueta")},
        {QStringLiteral("march"), QStringLiteral("marcha")},
        {QStringLiteral("March"), none},
        {QStringLiteral("\"quoted\""), QStringLiteral("<b>not a tag</b> & co")},
        {QStringLiteral("ßig"), QStringLiteral("x,y")},
        {QStringLiteral("=cmd|' /C calc'!A0"), QStringLiteral("@SUM(A1)")},
        {QStringLiteral("-ism"), QStringLiteral("+1, '=x")},
        {QStringLiteral("'tis"), QStringLiteral("'-'")},
    };
}

} // namespace

class TestListExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsTheTable_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<QString>("extension");
        for (int i = 0; i < kPairCount; ++i) {
            for (const char *extension : {"kvtml", "csv"})
                QTest::addRow("%s %s", kLanguagePairs[i].caption, extension) << i << QString::fromLatin1(extension);
        }
    }

    void roundTripKeepsTheTable()
    {
        QFETCH(int, pair);
        QFETCH(QString, extension);
        const LanguagePair &languagePair = kLanguagePairs[pair];
        QTemporaryDir from;
        QTemporaryDir to;
        installOneTable(DataFiles(from.path()), languagePair,
                        orderRows(awkwardRows(), localeForField(languagePair.sourceField)), false);
        const QVector<WordRow> before = tableOf(from.path(), languagePair);

        const QString file = from.filePath(QStringLiteral("words.") + extension);
        const ProcessResult exported = runExport(from.path(), {QLatin1String(languagePair.caption), file});
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.output));
        QVERIFY2(exported.output.contains(QStringLiteral("%1 rows").arg(before.size())), qPrintable(exported.output));

        const QStringList import = extension == QLatin1String("kvtml")
                                       ? QStringList{QStringLiteral("kvtml"), file}  // the pair from the file
                                       : QStringList{QStringLiteral("csv"), QLatin1String(languagePair.tableCode), file};
        const ProcessResult imported = testing::runImport(to.path(), import);
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.output));
        QCOMPARE(tableOf(to.path(), languagePair), before);
    }

    // A cell that a spreadsheet would run as a formula gets an apostrophe in
    // front (the spreadsheet then shows the text), and loses it on the way
    // back; texts already beginning with apostrophes keep them.
    void csvCellsAreSafeFromSpreadsheets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("formula") << "=cmd|' /C calc'!A0" << "'=cmd|' /C calc'!A0";
        QTest::newRow("plus") << "+1" << "'+1";
        QTest::newRow("minus") << "-ism" << "'-ism";
        QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx" << "'\tx";
        QTest::newRow("carriage return") << "\rx" << "'\rx";
        QTest::newRow("apostrophe before a formula") << "'=x" << "''=x";
        QTest::newRow("two apostrophes before a formula") << "''-x" << "'''-x";
        QTest::newRow("apostrophe before text") << "'tis" << "'tis";
        QTest::newRow("apostrophes only") << "''" << "''";
        QTest::newRow("equals inside") << "a=b" << "a=b";
        QTest::newRow("empty") << "" << "";
    }

    void csvCellsAreSafeFromSpreadsheets()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(csvCellText(text), cell);
        QCOMPARE(csvCellValue(cell), text);
        ExportReport report;
        const QByteArray document = csvDocument({{1, QStringLiteral("w"), text}}, report);
        if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\r')))
            QCOMPARE(document, QByteArray("w,") + cell.toUtf8() + '\n');
    }

    void kvtmlHasTheKdeStructure()
    {
        ExportReport report;
        const QVector<WordRow> rows{{1, QStringLiteral("one"), QStringLiteral("ein")},
                                    {2, QStringLiteral("two"), std::nullopt},
                                    {3, std::nullopt, QStringLiteral("lost")},
                                    {4, QStringLiteral("line\nbreak"), QStringLiteral("x")}};
        const QByteArray document = kvtmlDocument(kLanguagePairs[4], rows, report);
        QCOMPARE(report.written, 3);
        QCOMPARE(report.withoutWord, 1);
        QCOMPARE(report.textsChanged, 1);
        // The element order the KDE document type prescribes.
        QXmlStreamReader xml(document);
        QStringList path;
        QStringList seen;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                path.append(xml.name().toString());
                if (!seen.contains(path.join(QLatin1Char('/'))))
                    seen.append(path.join(QLatin1Char('/')));
            } else if (xml.isEndElement()) {
                path.removeLast();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(seen, (QStringList{"kvtml", "kvtml/information", "kvtml/information/generator",
                                    "kvtml/information/title", "kvtml/identifiers", "kvtml/identifiers/identifier",
                                    "kvtml/identifiers/identifier/name", "kvtml/identifiers/identifier/locale",
                                    "kvtml/entries", "kvtml/entries/entry", "kvtml/entries/entry/translation",
                                    "kvtml/entries/entry/translation/text"}));
        QVERIFY(document.contains("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\""));
        QVERIFY(document.contains("<name>English</name>"));
        QVERIFY(document.contains("<name>German</name>"));
        QVERIFY(document.contains("<locale>de</locale>"));
    }

    void exportRefusesToOverwriteAndNeedsWordData()
    {
        QTemporaryDir root;
        const QString file = root.filePath(QStringLiteral("words.csv"));
        ProcessResult result = runExport(root.path(), {QStringLiteral("enspa"), file});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.output.contains(QLatin1String("vorbix-import")), qPrintable(result.output));

        installOneTable(DataFiles(root.path()), kLanguagePairs[0], orderRows(awkwardRows(), localeForField("en")), false);
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("mine\n");
        existing.close();
        result = runExport(root.path(), {QStringLiteral("enspa"), file});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("mine\n"));
        existing.close();
        result = runExport(root.path(), {QStringLiteral("enspa"), file, QStringLiteral("--replace")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(runExport(root.path(), {QStringLiteral("enspa"), root.filePath(QStringLiteral("w.txt"))}).exitCode, 2);
    }

    void importsTheKdeExampleWithOneCommand()
    {
        QTemporaryDir root;
        const QString example = qEnvironmentVariable("VORBIX_FIXTURES") + QStringLiteral("/kvtml/example.kvtml");
        const ProcessResult result = testing::runImport(root.path(), {QStringLiteral("kvtml"), example});
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QVERIFY2(result.output.contains(QLatin1String("not kept")), qPrintable(result.output));
        QCOMPARE(result.output.count(QLatin1String("not kept")), 1);
        const QVector<WordRow> rows = tableOf(root.path(), kLanguagePairs[4]);
        QCOMPARE(rows.size(), 9);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows.at(i).index, i + 1);
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(), [](const WordRow &row) {
            return row.source == QLatin1String("one") && row.target == QLatin1String("ein");
        }));

        // All or nothing: a broken file changes nothing and names its place.
        const QString broken = root.filePath(QStringLiteral("broken.kvtml"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<kvtml version=\"2.0\">\n<entries>\n<entry><translation id=\"0\"><text>a</text>\n</entries>");
        file.close();
        const QByteArray before = testing::fileHash(DataFiles(root.path()).main);
        const ProcessResult refused =
            testing::runImport(root.path(), {QStringLiteral("kvtml"), broken, QStringLiteral("enger"), QStringLiteral("--replace")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.output.contains(broken + QStringLiteral(":4:")), qPrintable(refused.output));
        QCOMPARE(testing::fileHash(DataFiles(root.path()).main), before);
    }
};

QTEST_GUILESS_MAIN(TestListExport)
#include "tst_list_export.moc"
