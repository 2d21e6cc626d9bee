// The word-frequency lists the importer ranks rows by: read from the
// importer's own resources, ranked in file order, compared in lower case.

#include "data/import/word_frequency.h"

#include <QTest>

using namespace vorbix::import;

class TestWordFrequency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ranksWordsInListOrder()
    {
        const WordRanks ranks = WordRanks::fromText(QStringLiteral("de 100\nla 90\nque 80\nDe 70\n\ncasa 5\n"));
        QCOMPARE(ranks.rank(QStringLiteral("de")), 1);
        QCOMPARE(ranks.rank(QStringLiteral("LA")), 2);
        // A word met again keeps its first rank; blank lines take none.
        QCOMPARE(ranks.rank(QStringLiteral("casa")), 4);
        QCOMPARE(ranks.size(), 4);
        QCOMPARE(ranks.rank(QStringLiteral("perro")), 0);
        QVERIFY(ranks.isAmongCommonest(QStringLiteral("que"), 3));
        QVERIFY(!ranks.isAmongCommonest(QStringLiteral("casa"), 3));
        QVERIFY(!ranks.isAmongCommonest(QStringLiteral("perro"), 3));
    }

    void ranksAPhraseByItsRarestWord()
    {
        const WordRanks ranks = WordRanks::fromText(QStringLiteral("de 9\nla 8\ncasa 7\n"));
        QCOMPARE(ranks.phraseRank(QStringLiteral("la casa")), 3);
        QCOMPARE(ranks.phraseRank(QStringLiteral("casa de la")), 3);
        QCOMPARE(ranks.phraseRank(QStringLiteral("la perra")), 0);
        QCOMPARE(ranks.phraseRank(QStringLiteral("...")), 0);
    }

    void everyLanguageHasItsListBuiltIn_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("common");
        QTest::addColumn<QString>("rarer");
        QTest::newRow("English") << "en" << "house" << "lighthouse";
        QTest::newRow("Spanish") << "es" << "casa" << "faro";
        QTest::newRow("French") << "fr" << "maison" << "phare";
        QTest::newRow("German") << "de" << "haus" << "leuchtturm";
    }

    void everyLanguageHasItsListBuiltIn()
    {
        QFETCH(QString, language);
        QFETCH(QString, common);
        QFETCH(QString, rarer);
        const WordRanks &ranks = WordRanks::forLanguage(language);
        QVERIFY2(ranks.size() >= 4500, qPrintable(QString::number(ranks.size())));
        QVERIFY(ranks.isAmongCommonest(common, 1000));
        const int rarerRank = ranks.rank(rarer);
        QVERIFY(rarerRank == 0 || rarerRank > ranks.rank(common));
        QCOMPARE(&WordRanks::forLanguage(language), &ranks);
        QCOMPARE(WordRanks::forLanguage(QStringLiteral("xx")).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWordFrequency)
#include "tst_word_frequency.moc"
