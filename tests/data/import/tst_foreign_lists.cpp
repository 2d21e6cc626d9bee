// Word lists from other trainers' files: KVTML 2 (the KDE vocabulary
// programs' examples) and flash-card text exports, read into rows.

#include "data/import/flashcard_reader.h"
#include "data/import/kvtml_reader.h"
#include "data/import/language_names.h"
#include "data/record_error.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::import;

namespace {

using Rows = QList<std::pair<QString, QString>>;  // word -> translation ("" for NULL)

QString fixture(const QString &name)
{
    return qEnvironmentVariable("VORBIX_FIXTURES") + QStringLiteral("/kvtml/") + name;
}

std::optional<QString> translationOf(const WordList &list, const QString &word)
{
    for (const ImportRow &row : list.rows) {
        if (row.source == word)
            return row.target.value_or(QString());
    }
    return std::nullopt;
}

QString errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const RecordError &error) {
        return error.message();
    }
    return {};
}

QByteArray kvtml(const QByteArray &identifiers, const QByteArray &entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>\n" + identifiers
           + "</identifiers>\n<entries>\n" + entries + "</entries>\n</kvtml>\n";
}

QByteArray identifier(int id, const QByteArray &name, const QByteArray &locale)
{
    return "<identifier id=\"" + QByteArray::number(id) + "\"><name>" + name + "</name><locale>" + locale
           + "</locale></identifier>\n";
}

QByteArray entry(const QList<std::pair<int, QByteArray>> &texts)
{
    QByteArray xml = "<entry>";
    for (const auto &[id, text] : texts)
        xml += "<translation id=\"" + QByteArray::number(id) + "\"><text>" + text + "</text></translation>";
    return xml + "</entry>\n";
}

} // namespace

class TestForeignLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheKWordQuizExamples_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pairGiven");
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("rows");
        QTest::addColumn<Rows>("some");
        QTest::newRow("example") << "example.kvtml" << "" << "enger" << 9
                                 << Rows{{"one", "ein"}, {"two", "zwei"}, {"five", "fünf"}};
        QTest::newRow("fill in the blank, German named Deutsch")
            << "fill_in_the_blank.kvtml" << "" << "enger" << 15
            << Rows{{"she is a doctor", "sie ist [Ärztin]"}, {"there is only one exit", "es gibt nur [einen Ausweg]"}};
        QTest::newRow("French verbs, blank entries passed over")
            << "french_verbs.kvtml" << "" << "fraen" << 32 << Rows{{"elle est", "she is"}, {"elles étaient", "they were (f)"}};
        QTest::newRow("states and capitals: no languages, PAIR takes them in order")
            << "us_states_and_capitals.kvtml" << "eng-spa" << "enspa" << 50 << Rows{{"Alabama", "Montgomery"}, {"Wyoming", "Cheyenne"}};
    }

    void readsTheKWordQuizExamples()
    {
        QFETCH(QString, file);
        QFETCH(QString, pairGiven);
        QFETCH(QString, pair);
        QFETCH(int, rows);
        QFETCH(Rows, some);
        const KvtmlList read =
            readKvtml(fixture(file), pairGiven.isEmpty() ? std::nullopt : pairIndexForName(pairGiven));
        QCOMPARE(QLatin1String(kLanguagePairs[read.pair].tableCode), pair);
        QCOMPARE(read.list.refused.size(), 0);
        QCOMPARE(read.list.rows.size(), rows);
        for (const auto &[word, translation] : some)
            QCOMPARE(translationOf(read.list, word), std::optional<QString>(translation));
        // Lessons and word types are said once, not per entry.
        QCOMPARE(read.list.notes.size(), 1);
        QVERIFY(read.list.notes.at(0).contains(QLatin1String("lessons")));
    }

    void choosesTheIdentifiersOfAPair_data()
    {
        QTest::addColumn<QByteArray>("identifiers");
        QTest::addColumn<QString>("pairGiven");
        QTest::addColumn<QString>("pair");  // "" when refused
        QTest::addColumn<QString>("message");
        const QByteArray enDe = identifier(0, "English", "en") + identifier(1, "German", "de_DE");
        QTest::newRow("locale codes") << enDe << "" << "enger" << "";
        QTest::newRow("own names, reversed order")
            << identifier(0, "Español", "") + identifier(1, "Inglés", "en-GB") << "" << "spaen" << "";
        QTest::newRow("PAIR turns the direction") << enDe << "ger-eng" << "geren" << "";
        QTest::newRow("three identifiers, PAIR names two")
            << identifier(0, "Italiano", "it") + identifier(1, "Français", "fr") + identifier(2, "English", "en")
            << "eng-fre" << "enfra" << "";
        QTest::newRow("three identifiers without PAIR")
            << identifier(0, "Italiano", "it") + identifier(1, "Français", "fr") + identifier(2, "English", "en")
            << "" << "" << "\"Italiano\"";
        QTest::newRow("unsupported language")
            << identifier(0, "English", "en") + identifier(1, "Italian", "it") << "" << ""
            << "1 \"Italian\" (locale \"it\")";
        QTest::newRow("two languages that are no pair")
            << identifier(0, "Spanish", "es") + identifier(1, "French", "fr") << "" << "" << "0 \"Spanish\" (locale \"es\"): Spanish";
        QTest::newRow("PAIR names a language the file lacks") << enDe << "eng-spa" << "" << "none for English and Spanish";
    }

    void choosesTheIdentifiersOfAPair()
    {
        QFETCH(QByteArray, identifiers);
        QFETCH(QString, pairGiven);
        QFETCH(QString, pair);
        QFETCH(QString, message);
        const QByteArray document = kvtml(identifiers, entry({{0, "a"}, {1, "b"}, {2, "c"}}));
        const std::optional<int> given = pairGiven.isEmpty() ? std::nullopt : pairIndexForName(pairGiven);
        if (pair.isEmpty()) {
            const QString error = errorOf([&] { parseKvtml(document, QStringLiteral("f.kvtml"), given); });
            QVERIFY2(error.contains(message), qPrintable(error));
            QVERIFY(error.contains(QLatin1String("give PAIR")));
            return;
        }
        const KvtmlList read = parseKvtml(document, QStringLiteral("f.kvtml"), given);
        QCOMPARE(QLatin1String(kLanguagePairs[read.pair].tableCode), pair);
        QCOMPARE(read.list.rows.size(), 1);
    }

    void mergesEntriesAndRefusesWithLineAndColumn()
    {
        const QByteArray long256(256, 'x');
        const QByteArray entries = entry({{0, "bank"}, {1, "Bank"}})        // line 8
                                   + entry({{0, "cat"}})                      // line 9: NULL translation
                                   + entry({{0, " bank "}, {1, "Ufer"}})     // line 10: merged
                                   + entry({{0, "bank"}, {1, "Bank"}})        // line 11: repeated, dropped
                                   + entry({{1, "ohne Wort"}})                // line 13: refused
                                   + entry({{0, long256}, {1, "x"}})          // line 12: refused
                                   + entry({{0, ""}, {1, ""}})                // line 14: passed over
                                   + entry({{0, "A &amp; B"}, {1, "a, \"b\""}});
        const KvtmlList read = parseKvtml(kvtml(identifier(0, "en", "en") + identifier(1, "de", "de"), entries),
                                          QStringLiteral("f.kvtml"), std::nullopt);
        QCOMPARE(read.list.rows.size(), 3);
        QCOMPARE(read.list.rows.at(0).source, QStringLiteral("bank"));
        QCOMPARE(read.list.rows.at(0).target, std::optional<QString>(QStringLiteral("Bank, Ufer")));
        QCOMPARE(read.list.rows.at(1).target, std::nullopt);
        QCOMPARE(read.list.rows.at(2).source, QStringLiteral("A & B"));
        QCOMPARE(read.list.rows.at(2).target, std::optional<QString>(QStringLiteral("a, \"b\"")));
        QCOMPARE(read.list.refused.size(), 2);
        QCOMPARE(read.list.refused.at(0).line, 12);
        QCOMPARE(read.list.refused.at(0).column, 7);  // where its <entry> tag ends
        QCOMPARE(read.list.refused.at(1).line, 13);
        QVERIFY(read.list.refused.at(1).reason.contains(QLatin1String("255")));
    }

    void mergedTranslationsStayWithinAField()
    {
        QByteArray entries;
        for (int i = 0; i < 30; ++i)
            entries += entry({{0, "run"}, {1, "translation number " + QByteArray::number(i)}});
        const KvtmlList read =
            parseKvtml(kvtml(identifier(0, "English", "en") + identifier(1, "Spanish", "es"), entries), {}, {});
        QCOMPARE(read.list.rows.size(), 1);
        QVERIFY(read.list.rows.at(0).target->size() <= 255);
        QVERIFY(read.list.rows.at(0).target->startsWith(QLatin1String("translation number 0, translation number 1,")));
        QVERIFY(read.list.notes.join(QLatin1Char('\n')).contains(QLatin1String("\"run\"")));
    }

    void refusesBrokenDocumentsWithLineAndColumn_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("place");
        QTest::newRow("tag not closed") << QByteArray("<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n"
                                                      "<entries>\n  <entry><translation id=\"0\"><text>a</txt>\n")
                                        << "f.kvtml:4:";
        QTest::newRow("cut short") << QByteArray("<kvtml version=\"2.0\">\n<entries>\n<entry>") << "f.kvtml:3:";
        QTest::newRow("not KVTML") << QByteArray("<html>\n</html>") << "f.kvtml:1:";
        QTest::newRow("KVTML 1") << QByteArray("<?xml version=\"1.0\"?>\n<kvtml>\n<e><o>a</o></e></kvtml>")
                                 << "f.kvtml:2:";
        QTest::newRow("empty file") << QByteArray() << "f.kvtml:";
    }

    void refusesBrokenDocumentsWithLineAndColumn()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, place);
        const QString error = errorOf([&] { parseKvtml(document, QStringLiteral("f.kvtml"), 0); });
        QVERIFY2(error.startsWith(place), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("nothing written")), qPrintable(error));
    }

    void reducesHtmlToText_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("line breaks") << "Haus<br>Heim<br/>" << "Haus, Heim";
        QTest::newRow("divs") << "<div>la casa</div><div>el hogar</div>" << "la casa, el hogar";
        QTest::newRow("entities") << "fish &amp; chips &lt;3 &quot;ok&quot; caf&#233; &#x263A;&nbsp;x"
                                  << "fish & chips <3 \"ok\" café ☺ x";
        QTest::newRow("decoded tags stay text") << "a &lt;br&gt; b" << "a <br> b";
        QTest::newRow("formatting and sound") << "<b>bold</b> <span style=\"x\">word</span>[sound:w.mp3]"
                                              << "bold word";
        QTest::newRow("unknown entity kept") << "&bogus; x" << "&bogus; x";
        QTest::newRow("style and script gone with their content")
            << "<style>p{}</style>a<SCRIPT type=x>b()</script >c" << "ac";
        QTest::newRow("a style left open keeps the text after it") << "<style>a<style>b" << "ab";
        QTest::newRow("a bracket never closed is text") << "a < b [sound:c" << "a < b [sound:c";
        QTest::newRow("boundaries with attributes, none at the ends") << "<br>x<br class='y'>z< / p >" << "x, z";
        QTest::newRow("a tag inside a broken one") << "x <b <br> y" << "x <b, y";
    }

    void reducesHtmlToText()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        QCOMPARE(htmlToText(html), text);
    }

    void readsAFlashcardExport()
    {
        const QByteArray deck = "#separator:tab\n"
                                "#html:true\n"
                                "#tags column:3\n"
                                "house\tla casa<br>el hogar\tnouns\n"
                                "\"fish, chips\"\t\"pescado &amp; &quot;patatas&quot;\"\tfood\n"
                                "# a comment\n"
                                "tree\t<div>el árbol</div>\n"
                                "lonely\n"
                                "\"two\nlines\"\tdos líneas\t\n"
                                "empty\t\n";
        const WordList list = parseFlashcards(deck, kLanguagePairs[0], std::nullopt);
        Rows rows;
        for (const ImportRow &row : list.rows)
            rows.append({row.source, row.target.value_or(QStringLiteral("NULL"))});
        QCOMPARE(rows, (Rows{{"house", "la casa, el hogar"},
                             {"fish, chips", "pescado & \"patatas\""},
                             {"tree", "el árbol"},
                             {"two lines", "dos líneas"},
                             {"empty", "NULL"}}));
        QCOMPARE(list.refused.size(), 1);
        QCOMPARE(list.refused.at(0).line, 8);
        QVERIFY(list.notes.join(QString()).contains(QLatin1String("tags")));
    }

    void choosesTheFlashcardFields_data()
    {
        QTest::addColumn<QByteArray>("deck");
        QTest::addColumn<QString>("fields");  // "w,t" or ""
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("translation");
        QTest::newRow("first two") << QByteArray("a\tb\tc\n") << "" << "a" << "b";
        QTest::newRow("option") << QByteArray("a\tb\tc\n") << "3,1" << "c" << "a";
        QTest::newRow("guid column skipped") << QByteArray("#guid column:1\ng1\ta\tb\n") << "" << "a" << "b";
        QTest::newRow("columns named after the languages")
            << QByteArray("#separator:semicolon\n#columns:Notes;Spanish;English\nn;casa;house\n") << "" << "house"
            << "casa";
        QTest::newRow("no HTML without the header") << QByteArray("a<br>\tb &amp; c\n") << "" << "a<br>" << "b &amp; c";
    }

    void choosesTheFlashcardFields()
    {
        QFETCH(QByteArray, deck);
        QFETCH(QString, fields);
        QFETCH(QString, word);
        QFETCH(QString, translation);
        std::optional<FieldChoice> choice;
        if (!fields.isEmpty())
            choice = FieldChoice{fields.section(QLatin1Char(','), 0, 0).toInt(), fields.section(QLatin1Char(','), 1).toInt()};
        const WordList list = parseFlashcards(deck, kLanguagePairs[0], choice);
        QCOMPARE(list.refused.size(), 0);
        QCOMPARE(list.rows.size(), 1);
        QCOMPARE(list.rows.at(0).source, word);
        QCOMPARE(list.rows.at(0).target, std::optional<QString>(translation));
    }
};

QTEST_GUILESS_MAIN(TestForeignLists)
#include "tst_foreign_lists.moc"
