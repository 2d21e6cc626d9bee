// The order of the stored words, the row limit and the choice of the German
// core vocabulary.

#include "data/import/article_items.h"
#include "data/import/freedict_import.h"
#include "data/import/german_core.h"
#include "data/import/word_order.h"

#include <QTest>

using namespace vorbix;
using namespace vorbix::import;

namespace {

QStringList sources(const QVector<WordRow> &rows)
{
    QStringList words;
    for (const WordRow &row : rows)
        words.append(row.source.value_or(QString()));
    return words;
}

// A distinct word of letters only for each number: 0 -> "aaaa", 1 -> "aaab".
QString letterWord(int number)
{
    QString word;
    for (int i = 0; i < 4; ++i, number /= 26)
        word.prepend(QChar(u'a' + number % 26));
    return word;
}

QVector<ImportRow> rowsOf(const QStringList &words)
{
    QVector<ImportRow> rows;
    for (const QString &word : words)
        rows.append({word, QStringLiteral("x")});
    return rows;
}

} // namespace

class TestWordSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ordersByLanguageWithBaseInitialBlocks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("German umlauts file under their base letter")
            << QStringLiteral("ger")
            << QStringList{QStringLiteral("Abend"), QStringLiteral("ähnlich"), QStringLiteral("alt"),
                           QStringLiteral("Ärger"), QStringLiteral("oben"), QStringLiteral("Öl"),
                           QStringLiteral("über"), QStringLiteral("Übung"), QStringLiteral("Uhr")};
        QTest::newRow("French accents and ligatures")
            << QStringLiteral("fra")
            << QStringList{QStringLiteral("école"), QStringLiteral("élève"), QStringLiteral("eux"),
                           QStringLiteral("nuit"), QStringLiteral("œuf"), QStringLiteral("oiseau")};
        QTest::newRow("Spanish ñ files under n, after the plain n words")
            << QStringLiteral("spa")
            << QStringList{QStringLiteral("nada"), QStringLiteral("noche"), QStringLiteral("ñandú"),
                           QStringLiteral("ocho")};
    }
    void ordersByLanguageWithBaseInitialBlocks()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, expected);
        QStringList shuffled = expected;
        std::reverse(shuffled.begin(), shuffled.end());
        const QByteArray code = field.toLatin1();
        const QVector<WordRow> ordered = orderRows(rowsOf(shuffled), localeForField(code.constData()));
        QCOMPARE(sources(ordered), expected);
        for (qsizetype i = 0; i < ordered.size(); ++i)
            QCOMPARE(ordered.at(i).index, i + 1);
    }

    void breaksTiesTheSameWayWhateverTheInput()
    {
        const QStringList words{QStringLiteral("march"), QStringLiteral("March"), QStringLiteral("mar"),
                                QStringLiteral("March")};
        QVector<ImportRow> one = rowsOf(words);
        one[1].target = QStringLiteral("mars");
        one[3].target = QStringLiteral("marzo");
        QVector<ImportRow> other(one.rbegin(), one.rend());
        const QVector<WordRow> a = orderRows(one, localeForField("en"));
        const QVector<WordRow> b = orderRows(other, localeForField("en"));
        QCOMPARE(sources(a), sources(b));
        for (qsizetype i = 0; i < a.size(); ++i)
            QCOMPARE(a.at(i).target, b.at(i).target);
        QCOMPARE(sources(a).first(), QStringLiteral("mar"));
        // The two "March" rows stay together, ordered by translation.
        const qsizetype first = sources(a).indexOf(QStringLiteral("March"));
        QCOMPARE(sources(a).at(first + 1), QStringLiteral("March"));
        QCOMPARE(a.at(first).target, std::optional<QString>(QStringLiteral("mars")));
        QCOMPARE(baseInitial(QStringLiteral("Élan")), QStringLiteral("e"));
        QCOMPARE(baseInitial(QStringLiteral("Ärger")), QStringLiteral("a"));
    }

    void capsTablesAtTheLimitKeepingCommonWords()
    {
        QVector<ImportRow> rows;
        for (int i = 0; i < schema::kMaxRows + 5; ++i)
            rows.append({letterWord(i), std::nullopt});
        const WordFrequencies frequencies{{letterWord(schema::kMaxRows + 4), 9}};
        const int dropped = capRows(rows, schema::kMaxRows, frequencies);
        QCOMPARE(dropped, 5);
        QCOMPARE(rows.size(), schema::kMaxRows);
        QCOMPARE(rows.first().source, letterWord(schema::kMaxRows + 4));  // the common one survives
        QCOMPARE(rows.last().source, letterWord(schema::kMaxRows - 2));   // then code point order
        QVector<ImportRow> few = rowsOf({QStringLiteral("a")});
        QCOMPARE(capRows(few, schema::kMaxRows, frequencies), 0);
    }

    void selectsConfirmedGermanTranslations()
    {
        GermanSources sources;
        sources.englishToGerman.insert(QStringLiteral("house"),
                                       {QStringLiteral("Haus"), QStringLiteral("Gebäude"), QStringLiteral("Bude")});
        sources.englishToGerman.insert(QStringLiteral("cat"), {QStringLiteral("Katze")});
        sources.germanToEnglish.insert(QStringLiteral("Haus"), {QStringLiteral("home"), QStringLiteral("House")});
        sources.germanToEnglish.insert(QStringLiteral("Gebäude"), {QStringLiteral("building"), QStringLiteral("house")});
        sources.germanToEnglish.insert(QStringLiteral("Bude"), {QStringLiteral("shack")});  // not confirmed
        sources.germanToEnglish.insert(QStringLiteral("Katze"), {QStringLiteral("kitten")});  // nothing confirmed
        sources.germanFrequencies.insert(QStringLiteral("gebäude"), 5);
        sources.germanFrequencies.insert(QStringLiteral("haus"), 2);

        const GermanCore core = selectGermanCore({QStringLiteral("house"), QStringLiteral("cat")}, sources, 10);
        QCOMPARE(core.englishGerman.size(), 1);
        QCOMPARE(core.englishGerman.at(0).source, QStringLiteral("house"));
        QCOMPARE(core.englishGerman.at(0).target, std::optional<QString>(QStringLiteral("Gebäude, Haus")));
        QCOMPARE(core.germanEnglish.size(), 2);  // "Bude" and "Katze" are not confirmed
        for (const ImportRow &row : core.germanEnglish) {
            QVERIFY(row.source == QStringLiteral("Haus") || row.source == QStringLiteral("Gebäude"));
            QCOMPARE(row.target, std::optional<QString>(QStringLiteral("house")));  // the core word, not "House"
        }

        QStringList many;
        for (int i = 0; i < 9; ++i) {
            const QString german = QStringLiteral("Wort%1").arg(i);
            many.append(german);
            sources.germanToEnglish.insert(german, {QStringLiteral("word")});
        }
        sources.englishToGerman.insert(QStringLiteral("word"), many);
        const GermanCore capped = selectGermanCore({QStringLiteral("word")}, sources, 10);
        QCOMPARE(capped.englishGerman.at(0).target->split(QLatin1String(", ")).size(), kMaxGermanTranslations);
    }

    void shapesTheGermanRowsForALearner_data()
    {
        // English word, its eng-deu translations (all confirmed by deu-eng),
        // those given only with a special tag, the German frequencies, and
        // the row expected.
        QTest::addColumn<QString>("english");
        QTest::addColumn<QStringList>("german");
        QTest::addColumn<QStringList>("tagged");
        QTest::addColumn<QStringList>("common");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dog: a general sense before a technical one")
            << QStringLiteral("dog") << QStringList{QStringLiteral("Klemme"), QStringLiteral("Hund")}
            << QStringList{QStringLiteral("Klemme")} << QStringList{QStringLiteral("klemme")}
            << QStringLiteral("Hund, Klemme");
        QTest::newRow("street: the bare abbreviation left out")
            << QStringLiteral("street") << QStringList{QStringLiteral("Straße"), QStringLiteral("Str.")}
            << QStringList() << QStringList() << QStringLiteral("Straße");
        QTest::newRow("lorry: an abbreviation in capitals left out")
            << QStringLiteral("lorry") << QStringList{QStringLiteral("LKW"), QStringLiteral("Lastwagen")}
            << QStringList() << QStringList() << QStringLiteral("Lastwagen");
        QTest::newRow("occasionally: phrases of four words left out")
            << QStringLiteral("occasionally")
            << QStringList{QStringLiteral("von Zeit zu Zeit"), QStringLiteral("ab und zu")} << QStringList()
            << QStringList() << QStringLiteral("ab und zu");
    }
    void shapesTheGermanRowsForALearner()
    {
        QFETCH(QString, english);
        QFETCH(QStringList, german);
        QFETCH(QStringList, tagged);
        QFETCH(QStringList, common);
        QFETCH(QString, expected);
        GermanSources sources;
        sources.englishToGerman.insert(english, german);
        for (const QString &word : std::as_const(german))
            sources.germanToEnglish.insert(word, {english});
        sources.taggedOnly = QSet<QString>(tagged.begin(), tagged.end());
        for (const QString &word : std::as_const(common))
            sources.germanFrequencies.insert(word, 10);
        const GermanCore core = selectGermanCore({english}, sources, 10);
        QCOMPARE(core.englishGerman.size(), 1);
        QCOMPARE(core.englishGerman.at(0).target, std::optional<QString>(expected));
        QCOMPARE(core.germanEnglish.size(), expected.split(QLatin1String(", ")).size());
    }

    void foldsGermanSpellingsThatDifferOnlyByCase()
    {
        // deu-eng files the verb "abbrechen" and the noun "Abbrechen" apart.
        GermanSources sources;
        sources.englishToGerman.insert(QStringLiteral("break off"), {QStringLiteral("Abbrechen"), QStringLiteral("abbrechen")});
        sources.englishToGerman.insert(QStringLiteral("abort"), {QStringLiteral("abbrechen")});
        sources.germanToEnglish.insert(QStringLiteral("abbrechen"), {QStringLiteral("abort"), QStringLiteral("break off")});
        sources.germanToEnglish.insert(QStringLiteral("Abbrechen"), {QStringLiteral("break off")});
        const GermanCore core = selectGermanCore({QStringLiteral("break off"), QStringLiteral("abort")}, sources, 10);
        QCOMPARE(core.germanEnglish.size(), 1);
        QCOMPARE(core.germanEnglish.at(0).source, QStringLiteral("abbrechen"));
        QCOMPARE(core.germanEnglish.at(0).target, std::optional<QString>(QStringLiteral("abort, break off")));

        // trans-de-en's "gen {prp}" (towards) and "Gen {n}" (gene) are two words.
        GermanSources two;
        two.englishToGerman.insert(QStringLiteral("towards"), {QStringLiteral("gen")});
        two.englishToGerman.insert(QStringLiteral("gene"), {QStringLiteral("Gen")});
        two.germanToEnglish.insert(QStringLiteral("gen"), {QStringLiteral("towards")});
        two.germanToEnglish.insert(QStringLiteral("Gen"), {QStringLiteral("gene")});
        const GermanCore apart = selectGermanCore({QStringLiteral("towards"), QStringLiteral("gene")}, two, 10);
        QCOMPARE(apart.germanEnglish.size(), 2);
        QCOMPARE(apart.germanEnglish.at(0).target, std::optional<QString>(QStringLiteral("towards")));
        QCOMPARE(apart.germanEnglish.at(1).source, QStringLiteral("Gen"));
        QCOMPARE(apart.germanEnglish.at(1).target, std::optional<QString>(QStringLiteral("gene")));
    }

    void keepsTranslationTextWithinTheFieldSize()
    {
        bool shortened = false;
        const QString fits = joinTranslations({QStringLiteral("a"), QStringLiteral("b")}, shortened);
        QCOMPARE(fits, QStringLiteral("a, b"));
        QVERIFY(!shortened);
        const QString text = joinTranslations({QString(200, QLatin1Char('x')), QString(60, QLatin1Char('y')),
                                               QStringLiteral("z")},
                                              shortened);
        QVERIFY(shortened);
        QCOMPARE(text, QString(200, QLatin1Char('x')) + QStringLiteral(", z"));
    }

    void pairsEnglishArticlesWithArticlesOnly()
    {
        const auto rowOf = [](const char *source, const char *target) {
            return WordRow{0, QString::fromUtf8(source), QString::fromUtf8(target)};
        };
        // spa-eng "alguien: a, any, anybody, ...", fra-eng "aux: the, to the",
        // "dans: ... a ..."; the articles' own rows and a note's letter keep it.
        QVector<WordRow> intoEnglish{rowOf("alguien", "somebody, someone, anybody, a"), rowOf("el", "the, the one"),
                                     rowOf("un", "one, a, an")};
        QCOMPARE(keepArticlesToArticles(intoEnglish, "spa", false), 1);
        QCOMPARE(intoEnglish.at(0).target, QStringLiteral("somebody, someone, anybody"));
        QCOMPARE(intoEnglish.at(1).target, QStringLiteral("the, the one"));
        QCOMPARE(intoEnglish.at(2).target, QStringLiteral("one, a, an"));
        QVector<WordRow> french{rowOf("aux", "the, to the"), rowOf("les", "them, the")};
        QCOMPARE(keepArticlesToArticles(french, "fra", false), 1);
        QCOMPARE(french.at(0).target, QStringLiteral("to the"));
        QVector<WordRow> german{rowOf("A", "a, A flat"), rowOf("Ais", "a, A sharp")};
        QCOMPARE(keepArticlesToArticles(german, "ger", false), 1);
        QCOMPARE(german.at(0).target, QStringLiteral("a, A flat"));
        QCOMPARE(german.at(1).target, QStringLiteral("A sharp"));
        // eng-fra "a: ... dans, parmi, à, quelqu'un", "the: ... aux, lui".
        QVector<WordRow> fromEnglish{rowOf("a", "un, une, dans, parmi, à, quelqu'un"),
                                     rowOf("the", "le, la, aux, les, lui, l'"), rowOf("about", "de, sur, à peu près")};
        QCOMPARE(keepArticlesToArticles(fromEnglish, "fra", true), 2);
        QCOMPARE(fromEnglish.at(0).target, QStringLiteral("un, une"));
        QCOMPARE(fromEnglish.at(1).target, QStringLiteral("le, la, les, l'"));
        QCOMPARE(fromEnglish.at(2).target, QStringLiteral("de, sur, à peu près"));
        // A row with no item of the right kind is left whole.
        QVector<WordRow> nothingRight{rowOf("the", "lui"), rowOf("parmi", "a")};
        QCOMPARE(keepArticlesToArticles(nothingRight, "fra", true), 0);
        QCOMPARE(keepArticlesToArticles(nothingRight, "fra", false), 0);
        QCOMPARE(nothingRight.at(1).target, QStringLiteral("a"));
    }
};

QTEST_GUILESS_MAIN(TestWordSelection)
#include "tst_word_selection.moc"
