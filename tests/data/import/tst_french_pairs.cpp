// The French pairs: the Canadian gazetteer left out, and each small French
// dictionary completed with what the other translates back. The entries are
// real ones of eng-fra and fra-eng.

#include "data/import/dictd_entry.h"
#include "data/import/french_pairs.h"

#include <QTest>

#include <algorithm>

using namespace vorbix::import;

namespace {

DictdEntry entry(const char *text)
{
    return parseDictdEntry(QString::fromUtf8(text), EntryStyle::SenseList);
}

const DictdEntry *find(const QVector<DictdEntry> &entries, const QString &headword)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&headword](const DictdEntry &e) { return e.headword == headword; });
    return found == entries.end() ? nullptr : &*found;
}

QStringList headwords(const QVector<DictdEntry> &entries)
{
    QStringList list;
    for (const DictdEntry &e : entries)
        list.append(e.headword);
    return list;
}

} // namespace

class TestFrenchPairs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recognisesGazetteerRows_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        QTest::addColumn<bool>("place");
        QTest::newRow("river") << "Again River" << "rivière Again" << true;
        QTest::newRow("lake first") << "Lake Huron" << "lac Huron" << true;
        QTest::newRow("capital island") << "Baffin Island" << "Ile de Baffin" << true;
        QTest::newRow("accented island") << "Scilly Islands" << "îles Sorlingues" << true;
        QTest::newRow("river as fleuve") << "Churchill River" << "Fleuve Churchill" << true;
        QTest::newRow("creek") << "Armstrong Creek" << "ruisseau Armstrong" << true;
        QTest::newRow("no feature in French") << "Black Forest" << "Forêt-Noire" << false;
        QTest::newRow("country") << "Africa" << "Afrique" << false;
        QTest::newRow("same in both") << "Zanzibar" << "Zanzibar" << false;
        QTest::newRow("common noun") << "bay" << "baie" << false;
        QTest::newRow("feature inside a French word") << "Lake Louise" << "lacune" << false;
    }
    void recognisesGazetteerRows()
    {
        QFETCH(QString, english);
        QFETCH(QString, french);
        QFETCH(bool, place);
        QCOMPARE(isGazetteerPlace(english, french), place);
    }

    void leavesOutGazetteerRowsInBothDirections()
    {
        QVector<DictdEntry> engFra{
            entry("Again River /əgeinrivər/\nrivière Again\n"),
            entry("Churchill River /tʃəːtʃilrivər/\n1. Churchill\n2. Fleuve Churchill, Rivière Churchill\n"),
            entry("Canary Islands /kənɛəriailəndz/\nîles Canaries\n"),
            entry("Africa /æfrikə/\nAfrique\n"),
        };
        QVector<DictdEntry> fraEng{
            entry("rivière Again /ʀivjɛʀagɛ̃/ <n>\nAgain River\n"),
            entry("îles Canaries /ilkanaʀi/ <n>\nCanary Islands\n"),
            entry("baie /bɛ/ <n, fem>\nbay\n"),
        };
        const int dropped = dropGazetteerPlaces(engFra, fraEng, {QStringLiteral("Canary Islands")});
        QCOMPARE(dropped, 3);
        QCOMPARE(headwords(engFra), QStringList({"Canary Islands", "Africa"}));
        QCOMPARE(headwords(fraEng), QStringList({"îles Canaries", "baie"}));
    }

    void completesEachDirectionWithTheOther()
    {
        QVector<DictdEntry> engFra{
            entry("low /lou/\nabject, lâche\n"),
            entry("sound /saund/\n1. sonner, résonner\n2. son\n"),
            entry("clean /kliːn/\n1. pur\n2. affinier, purifier\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("bas /ba/ <adj>\nlow\n"),
            entry("lâche /laʃ/ <adj>\nabject, base, low, nasty, vile\n"),
            entry("son /sɔ̃/\n1. his\n2. sound\n"),
            entry("bruit /bʀɥi/ <n, masc>\nnoise, sound\n"),
            entry("manger /mɑ̃ʒe/ <v>\neat\n"),
            entry("propre /pʀɔpʀ/ <adj>\n1. own, personal\n2. clean, neat, tidy\n"),
            entry("être accro /ˈɛtʁ akʁˈo/ <v>\nbe addicted\n"),
            entry("en même temps /mɛmtɑ̃/\nat the same time\n"),
        };
        const int added = addReverseTranslations(engFra, fraEng);

        // Confirmed both ways first, then words the headword is the first
        // translation of, then the rest of its own, then the others.
        QCOMPARE(find(engFra, "low")->translations, QStringList({"lâche", "bas", "abject"}));
        QCOMPARE(find(engFra, "sound")->translations, QStringList({"son", "sonner", "résonner", "bruit"}));
        QCOMPARE(find(engFra, "clean")->translations, QStringList({"pur", "affinier", "purifier", "propre"}));
        // New rows for what eng-fra lacks, phrases of up to three words.
        QCOMPARE(find(engFra, "noise")->translations, QStringList({"bruit"}));
        QCOMPARE(find(engFra, "eat")->translations, QStringList({"manger"}));
        QCOMPARE(find(engFra, "own")->translations, QStringList({"propre"}));
        QCOMPARE(find(engFra, "be addicted")->translations, QStringList({"être accro"}));
        QVERIFY(!find(engFra, "at the same time"));
        // Only a first translation opens a row: "his" of "son", not "neat" of "propre".
        QVERIFY(!find(engFra, "neat"));
        QCOMPARE(find(engFra, "his")->translations, QStringList({"son"}));
        QCOMPARE(find(engFra, "abject")->translations, QStringList({"lâche"}));
        // One each for low, sound, clean, noise, eat, own, be addicted, his, abject.
        QCOMPARE(added, 9);
    }

    void mergesEntriesOfOneHeadwordAndCapsWhatItTakes()
    {
        QVector<DictdEntry> fraEng{
            entry("bas /ba/ <n, masc>\n1. stocking\n2. lower part, foot, bottom\n"),
            entry("bas /ba/ <adj>\nlow\n"),
        };
        QVector<DictdEntry> engFra{
            entry("stocking /stɔkiŋ/\nbas\n"),
            entry("foot /fut/\n1. pied\n2. bas\n"),
            entry("bottom /bɔtəm/\n1. fond\n2. bas\n"),
            entry("low /lou/\nbas\n"),
            entry("lower part /louəpɑːt/\nbas\n"),
            entry("base /beis/\nbas\n"),
            entry("nether /neðə/\nbas\n"),
            entry("mean /miːn/\nbas\n"),
            entry("vile /vail/\nbas\n"),
        };
        addReverseTranslations(fraEng, engFra);
        QCOMPARE(headwords(fraEng).count("bas"), 1);
        const QStringList bas = find(fraEng, "bas")->translations;
        // Its own translations stay, all confirmed here; what comes from the
        // other direction stops at the cap.
        QCOMPARE(bas, QStringList({"stocking", "lower part", "foot", "bottom", "low", "base"}));
        QCOMPARE(bas.size(), kMaxReverseFill);
    }
};

QTEST_GUILESS_MAIN(TestFrenchPairs)
#include "tst_french_pairs.moc"
