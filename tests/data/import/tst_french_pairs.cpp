// The French pairs: the Canadian gazetteer left out, and each small French
// dictionary completed with what the other translates back. The entries are
// real ones of eng-fra and fra-eng.

#include "data/import/dictd_entry.h"
#include "data/import/freedict_import.h"
#include "data/import/french_items.h"
#include "data/import/french_pairs.h"
#include "data/import/word_frequency.h"
#include "data/import/word_kind_siblings.h"
#include "import_fixtures.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace vorbix::import;
using vorbix::WordRow;

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

// No word ranked: rows rank by confirmation and place alone.
const WordRanks &noRanks()
{
    static const WordRanks ranks = WordRanks::fromText({});
    return ranks;
}

// Ranks where each word stands at the given place among the commonest.
WordRanks ranksOf(const QList<std::pair<const char *, int>> &places)
{
    QStringList lines;
    for (const auto &[word, place] : places) {
        while (lines.size() < place - 1)
            lines.append(QStringLiteral("filler%1").arg(lines.size()));
        lines.append(QString::fromUtf8(word));
    }
    return WordRanks::fromText(lines.join(QLatin1Char('\n')));
}

// An entry of fra-eng as its items read once their notes in brackets are
// taken off, `narrowed` naming those a note narrowed.
DictdEntry withNotesOff(const char *text, const QStringList &narrowed)
{
    DictdEntry e = entry(text);
    for (QString &item : e.translations)
        item = withoutBracketNote(item);
    e.narrowed = narrowed;
    return e;
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

    void leavesOutEnglishWordsAmongTheFrenchItems()
    {
        QVector<DictdEntry> engFra{
            entry("battery /bætəriː/\n1. accu, accumulator\n2. accumulateur\n3. batterie\n"),
            entry("summit /sʌmit/\n1. bout, cime, pointe, sommet\n2. comble, faîte, haut, summon\n"),
            entry("youngster /jʌŋstər/\nado\n"),
            entry("zipper /zipər/\nzip, fermeture à glissière\n"),
            entry("ornament /ɔːrnəmənt/\n1. décorer, orner, parer\n2. ornement, ornament, parure\n"),
            entry("abyss /əbis/\nabîme, gouffre, abysse\n"),
        };
        // The French list lacks the loans "ado", "zip" and "abysse"; fra-deu
        // knows "abysse".
        const QSet<QString> french{"accu", "accumulateur", "batterie", "bout", "cime", "pointe", "sommet",
                                   "comble", "faîte", "haut", "fermeture à glissière", "décorer", "orner",
                                   "parer", "ornement", "parure", "abîme", "gouffre"};
        const QSet<QString> english{"accumulator", "summon", "ado", "zip", "ornament", "abyss", "abysse"};
        const int dropped = dropEnglishItems(
            engFra, [&french](const QString &w) { return french.contains(w); },
            [&english](const QString &w) { return english.contains(w); },
            [](const QString &w) { return w == QLatin1String("abysse"); });
        QCOMPARE(dropped, 3);
        QCOMPARE(engFra.at(0).translations, QStringList({"accu", "accumulateur", "batterie"}));
        QCOMPARE(engFra.at(1).translations.contains(QStringLiteral("summon")), false);
        // A row's first or only item stays.
        QCOMPARE(engFra.at(2).translations, QStringList({"ado"}));
        QCOMPARE(engFra.at(3).translations.constFirst(), QStringLiteral("zip"));
        QCOMPARE(engFra.at(4).translations, QStringList({"décorer", "orner", "parer", "ornement", "parure"}));
        QCOMPARE(engFra.at(5).translations.size(), 3);
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
        const QStringList engFraHeadwords = headwordsWithReverseFill(engFra, fraEng);
        const int added = addReverseTranslations(engFra, fraEng, noRanks());

        // Translations the other direction confirms first, the headword's
        // place in their own lists deciding, then the rest of its own.
        QCOMPARE(find(engFra, "low")->translations, QStringList({"bas", "lâche", "abject"}));
        QCOMPARE(find(engFra, "sound")->translations, QStringList({"son", "bruit", "sonner", "résonner"}));
        QCOMPARE(find(engFra, "clean")->translations, QStringList({"propre", "pur", "affinier", "purifier"}));
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
        // The other pairs are given the same headwords without the ranking.
        QCOMPARE(engFraHeadwords, headwords(engFra));
    }

    void fillsAnEntryWhoseItemsWereAllLeftOut()
    {
        // eng-fra "rustle: sussurer" and "arrow: flêche", their only items
        // left out as misspelt before the fill.
        QVector<DictdEntry> engFra{
            entry("rustle /rʌsl/\nsussurer\n"),
            entry("arrow /ærou/\nflêche\n"),
        };
        for (DictdEntry &emptied : engFra)
            emptied.translations.clear();
        const QVector<DictdEntry> fraEng{entry("bruire /bʀɥiʀ/ <vi>\nmurmur, rustle\n")};
        addReverseTranslations(engFra, fraEng, noRanks());
        QCOMPARE(find(engFra, "rustle")->translations, QStringList({"bruire"}));
        // Nothing fills "arrow": its row goes.
        QVERIFY(!find(engFra, "arrow"));
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
        addReverseTranslations(fraEng, engFra, noRanks());
        QCOMPARE(headwords(fraEng).count("bas"), 1);
        const QStringList bas = find(fraEng, "bas")->translations;
        // Its own translations stay, all confirmed here; what comes from the
        // other direction stops at the cap. Words whose list starts with
        // "bas" first, a phrase as a rarer word.
        QCOMPARE(bas, QStringList({"stocking", "low", "base", "foot", "bottom", "lower part"}));
        QCOMPARE(bas.size(), kMaxReverseFill);

        // eng-fra's "way" fills the cap with six confirmed words of its own,
        // yet fra-eng's "façon" starts with "way" and is the commonest: it is
        // the main translation and comes in beyond the cap. A commoner word
        // whose list starts elsewhere ("passage") stays out.
        QVector<DictdEntry> way{entry("way /wei/\n1. chemin\n2. coutume, habitude\n3. manière\n4. route, voie\n")};
        const QVector<DictdEntry> wayBack{
            entry("chemin /ʃəmɛ̃/ <n, masc>\npath, road, route, way\n"),
            entry("coutume /kutym/ <n, fem>\n1. custom, habit, way\n2. mores\n"),
            entry("habitude /abityd/ <n, fem>\ncustom, habit, way\n"),
            entry("manière /manjɛʀ/ <n, fem>\nmanner, mode, way\n"),
            entry("route /ʀut/ <n, fem>\n1. track\n2. road, route, way\n3. highway\n"),
            entry("voie /vwa/ <n, fem>\n1. track\n2. road, route, way\n"),
            entry("façon /fasɔ̃/ <n, fem>\nway, mode, fashion\n"),
            entry("passage /pasaʒ/ <n, masc>\npassage, way\n"),
        };
        const WordRanks wayRanks = ranksOf({{"passage", 200},
                                            {"façon", 346},
                                            {"route", 527},
                                            {"chemin", 635},
                                            {"habitude", 800},
                                            {"manière", 983},
                                            {"voie", 1021}});
        addReverseTranslations(way, wayBack, wayRanks);
        const QStringList wayRow = find(way, "way")->translations;
        QCOMPARE(wayRow.constFirst(), QStringLiteral("façon"));
        QCOMPARE(wayRow.size(), kMaxReverseFill + 1);
        QVERIFY(!wayRow.contains(QStringLiteral("passage")));
    }

    void putsTheMainTranslationFirst()
    {
        QVector<DictdEntry> engFra{
            entry("hand /hænd/\n1. ouvrier\n2. main\n"),
            entry("always /ɔːlweiz/\nen tous temps, toujours\n"),
            entry("ever /evər/\n1. jadis, un jour\n2. en tous temps, toujours\n"),
            entry("by /biː/\n1. à, près de\n2. par\n3. de, en\n4. d'après, selon\n"),
            entry("actinium /æktiniəm/\nactinie\n"),
            entry("egg /eg/\noeuf\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("main /mɛ̃/ <n, fem>\nhand\n"),
            entry("ouvrier /uvʀje/ <n, masc>\nhand, laborer, labourer, operative, worker, working man, workman\n"),
            entry("en tous temps /tutɑ̃/\nalways, ever\n"),
            entry("toujours /tuʒuʀ/ <adv>\nalways, ever\n"),
            entry("par /paʀ/ <prep>\n1. by, by means of, on, through, with\n"),
            entry("de /də/\n1. from, of\n2. out of\n3. at, by, on, upon\n"),
            entry("à /a/ <prep>\n1. at, to, toward, towards\n2. beside, by, near, nearby, near to, next to\n"),
            entry("œuf /œf/ <n, masc>\negg\n"),
        };
        const WordRanks ranks = WordRanks::fromText(
            QString::fromUtf8("de 900\nà 800\nen 700\ntemps 600\ntous 590\ntoujours 580\npar 500\nmain 400\n"
                              "ouvrier 10\n"));
        QVector<DictdEntry> fraEngRows = fraEng;
        addReverseTranslations(engFra, fraEng, ranks);
        // Both confirmed first: the commoner wins.
        QCOMPARE(find(engFra, "hand")->translations.first(), QStringLiteral("main"));
        // A phrase weighs as a rarer word.
        QCOMPARE(find(engFra, "always")->translations.first(), QStringLiteral("toujours"));
        // "by" first in the list of "par", fifth in that of "de".
        QCOMPARE(find(engFra, "by")->translations.first(), QStringLiteral("par"));
        // Of two spellings, the ligature's.
        QCOMPARE(find(engFra, "egg")->translations, QStringList({QString::fromUtf8("œuf")}));

        // "actinium" looks like "actinie" and is French too: not its translation.
        const auto french = [](const QString &word) { return word == QLatin1String("actinium"); };
        fraEngRows.append(entry("actinie /aktini/ <n, fem>\nsea-anemone\n"));
        addReverseTranslations(fraEngRows, engFra, WordRanks::fromText({}), french);
        QCOMPARE(find(fraEngRows, "actinie")->translations, QStringList({"sea-anemone"}));
        // Where it is not known as French, it stays, and comes first as the
        // one translation confirmed.
        QVector<DictdEntry> unjudged{entry("actinie /aktini/ <n, fem>\nsea-anemone\n")};
        addReverseTranslations(unjudged, engFra, WordRanks::fromText({}));
        QCOMPARE(find(unjudged, "actinie")->translations, QStringList({"actinium", "sea-anemone"}));

        // "arrive" looks like "arriver" and is French too ("il arrive"), but
        // fra-deu links it to "arriver" (through "ankommen"): it is the
        // main translation, not another word, and fra-eng's row lacks it.
        const QVector<DictdEntry> arriveFra{entry("arrive /əraiv/\narriver\n")};
        QVector<DictdEntry> arriver{
            entry("arriver /aʀive/ <v>\n1. end up\n2. come about, happen, occur\n3. succeed\n")};
        addReverseTranslations(arriver, arriveFra, noRanks(),
                               [](const QString &word) { return word == QLatin1String("arrive"); },
                               [](const QString &french, const QString &english) {
                                   return french == QLatin1String("arriver") && english == QLatin1String("arrive")
                                              ? 1 : 0;
                               });
        QCOMPARE(find(arriver, "arriver")->translations.constFirst(), QStringLiteral("arrive"));
        // Unlinked, the French "actinium" stays out as before.
        QVector<DictdEntry> unlinkedActinie{entry("actinie /aktini/ <n, fem>\nsea-anemone\n")};
        addReverseTranslations(unlinkedActinie, engFra, noRanks(), french,
                               [](const QString &, const QString &) { return 0; });
        QCOMPARE(find(unlinkedActinie, "actinie")->translations, QStringList({"sea-anemone"}));
    }

    void ranksReflexiveVerbsAsTheirVerb()
    {
        QVector<DictdEntry> engFra{
            entry("mock /mɔk/\nbafouer\n"),
            entry("get married /getmærid/\n1. se marier\n2. marier\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("se moquer /səmɔke/ <v>\nmock, make fun of\n"),
            entry("bafouer /bafue/ <v>\njeer at, make fun of, mock\n"),
            entry("se marier /səmaʀje/ <v>\nmarry, be married, get married\n"),
            entry("marier /maʀje/ <v>\nwed, marry, be married, get married\n"),
        };
        const WordRanks ranks = ranksOf({{"se", 10}, {"marier", 2000}, {"moquer", 3000}, {"bafouer", 9000}});
        addReverseTranslations(engFra, fraEng, ranks);
        // "se moquer" weighs as "moquer", commoner than "bafouer", not as
        // the rarer phrase of "se" and "moquer".
        QCOMPARE(find(engFra, "mock")->translations, QStringList({"se moquer", "bafouer"}));
        // The reflexive verb as eng-fra lists it first stays first; as a
        // phrase of two words it fell behind the bare verb.
        QCOMPARE(find(engFra, "get married")->translations, QStringList({"se marier", "marier"}));

        // fra-eng's "réfugier" comes first back to "take refuge", but the
        // row's own "se réfugier" stays ahead of the bare verb filled in.
        QVector<DictdEntry> refuge{entry("take refuge /teikrefjuːdʒ/\nse réfugier\n")};
        const QVector<DictdEntry> refugeBack{
            entry("réfugier /ʀefyʒje/ <vi>\ntake refuge\n"),
            entry("se réfugier /səʀefyʒje/ <v>\n1. emigrate\n2. take refuge\n"),
        };
        addReverseTranslations(refuge, refugeBack, noRanks());
        QCOMPARE(find(refuge, "take refuge")->translations, QStringList({"se réfugier", "réfugier"}));
    }

    void putsTranslationsLinkedThroughGermanFirst()
    {
        // fra-eng and eng-fra agree on the wrong sense: "brun" is "black" too.
        const QVector<DictdEntry> engFra{
            entry("brown /braun/\nbrun\n"),
            entry("black /blæk/\nbrun, noir\n"),
        };
        const QVector<DictdEntry> fraEng{entry("brun /bʀœ̃/ <adj>\n1. brown\n2. black\n")};
        const WordRanks ranks = ranksOf({{"black", 200}, {"brown", 900}});
        QVector<DictdEntry> unlinked = fraEng;
        addReverseTranslations(unlinked, engFra, ranks);
        QCOMPARE(find(unlinked, "brun")->translations, QStringList({"black", "brown"}));
        // fra-deu gives "braun", which trans-de-en gives as "brown" only.
        QVector<DictdEntry> linked = fraEng;
        addReverseTranslations(linked, engFra, ranks, {}, [](const QString &french, const QString &english) {
            return french == QLatin1String("brun") && english == QLatin1String("brown") ? 1 : 0;
        });
        QCOMPARE(find(linked, "brun")->translations, QStringList({"brown", "black"}));
    }

    void prefersAWordMoreGermanWordsLink()
    {
        // fra-deu: "facture: Rechnung, Faktura, Warenrechnung"; trans-de-en
        // gives "invoice" for all three, "account" and "bill" for "Rechnung"
        // alone. The link through more German words is the main sense.
        const QVector<DictdEntry> engFra{
            entry("account /əkaunt/\n1. facture\n2. faire‐part, renseignement\n3. addition, note\n"),
            entry("bill /bil/\n1. bec\n2. billet, ticket\n3. facture\n"),
            entry("invoice /invɔis/\nfacture\n"),
        };
        const QVector<DictdEntry> fraEng{entry("facture /faktyʀ/ <n, fem>\naccount, bill, invoice\n")};
        const WordRanks ranks = ranksOf({{"account", 900}, {"bill", 1500}, {"invoice", 3000}});
        const auto links = [](const QString &, const QString &english) {
            return english == QLatin1String("invoice") ? 3 : 1;
        };
        QVector<DictdEntry> linked = fraEng;
        addReverseTranslations(linked, engFra, ranks, {}, links);
        QCOMPARE(find(linked, "facture")->translations.constFirst(), QStringLiteral("invoice"));
        // One link more is worth a place on a list, not a word ten times commoner.
        QVector<DictdEntry> twoLinks = fraEng;
        addReverseTranslations(twoLinks, engFra, ranksOf({{"account", 90}, {"bill", 1500}, {"invoice", 3000}}), {},
                               [](const QString &, const QString &english) {
                                   return english == QLatin1String("invoice") ? 2 : 1;
                               });
        QCOMPARE(find(twoLinks, "facture")->translations.constFirst(), QStringLiteral("account"));
    }

    void putsALookAlikeOfTheHeadwordBeforeASomewhatCommonerWord()
    {
        const QVector<DictdEntry> engFra{
            entry("function /fʌŋkʃən/\n1. fonctionner\n2. fonction\n3. emploi, office, service\n"),
            entry("job /dʒɔb/\n1. ouvrage\n2. emploi, fonction, office, service\n3. devoir, tâche\n"),
            entry("abolition /æbəliʃən/\n1. abolition, abrogation, annulation\n"),
            entry("abrogation /æbrəgeiʃən/\n1. abolition, abrogation, annulation\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("fonction /fɔ̃ksjɔ̃/ <n, fem>\n1. function\n2. job, office, post\n"),
            entry("abolition /abɔlisjɔ̃/ <n, fem>\nabolition, abrogation\n"),
        };
        // "job" some four times commoner than "function": without the
        // look-alike it would come first.
        const WordRanks ranks = ranksOf({{"job", 250}, {"function", 1000}, {"abolition", 5000}, {"abrogation", 9000}});
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(rows, engFra, ranks);
        QCOMPARE(find(rows, "fonction")->translations.first(), QStringLiteral("function"));
        // A loan, the headword as it stands, keeps its place before a look-alike.
        QCOMPARE(find(rows, "abolition")->translations, QStringList({"abolition", "abrogation"}));
        // A far commoner word still comes first.
        QVector<DictdEntry> commoner = fraEng;
        addReverseTranslations(commoner, engFra, ranksOf({{"job", 20}, {"function", 1000}}));
        QCOMPARE(find(commoner, "fonction")->translations.first(), QStringLiteral("job"));
        // The headword with French accents is a look-alike, not a loan:
        // "suite" (364th) is "consequence" only in its third sense, and
        // "conséquence" is no word of the 5 000 commonest.
        QVector<DictdEntry> consequence{
            entry("consequence /kɔnsikwəns/\n1. aboutissement, conséquence, répersussion, suite\n")};
        const QVector<DictdEntry> consequenceBack{
            entry("conséquence /kɔ̃sekɑ̃s/ <n, fem>\nconsequence, consistency\n"),
            entry("suite /sɥit/ <n, fem>\n1. suite, train\n2. continuation\n3. consequence, consistency\n"),
        };
        addReverseTranslations(consequence, consequenceBack, ranksOf({{"suite", 364}}));
        QCOMPARE(find(consequence, "consequence")->translations.first(), QStringLiteral("conséquence"));
    }

    void putsAnAccentTwinFirstOnlyWhereOneDictionaryGivesItsFirstSense()
    {
        // "misérable" is "miserable" only in the second sense of both
        // dictionaries: a near false friend, so the commoner "malheureux"
        // (3106th against 4942nd) stays first. fra-deu links every word
        // ("resolution" twice), and each twin's own row starts with the
        // headword.
        const auto linked = [](const QString &, const QString &word) {
            return word == QLatin1String("resolution") ? 2 : 1;
        };
        const auto twins = [](const QString &word, const QString &headword) {
            return (word == QStringLiteral("misérable") && headword == QLatin1String("miserable"))
                   || (word == QLatin1String("resolution") && headword == QStringLiteral("résolution"));
        };
        QVector<DictdEntry> miserable{entry(
            "miserable /mizrəbl/\n1. lamentable\n2. malheureux, misérable, pauvre\n3. mal, mauvais, méchant\n"
            "4. maussade, sombre\n5. pénible\n6. vide\n")};
        const QVector<DictdEntry> miserableBack{
            entry("misérable /mizeʀabl/ <adj>\n1. pitiful, poor\n2. abject, dismal, meager, miserable, wretched\n"),
            entry("malheureux /malœʀø/ <adj>\n1. dismal, miserable, pitiful, poor\n2. unhappy\n"),
        };
        addReverseTranslations(miserable, miserableBack,
                               ranksOf({{"pauvre", 656}, {"malheureux", 3106}, {"misérable", 4942}}), {}, linked,
                               {}, twins);
        QCOMPARE(find(miserable, "miserable")->translations.first(), QStringLiteral("malheureux"));
        // fra-eng gives "resolution" in the second sense of "résolution", but
        // eng-fra's "resolution" has "résolution" for its one sense: the twin
        // leads the commoner "decision".
        QVector<DictdEntry> resolution{
            entry("résolution /ʀezɔlytjɔ̃/ <n, fem>\n1. decision\n2. motion, resolution\n")};
        const QVector<DictdEntry> resolutionBack{
            entry("decision /disiʒn/\n1. décision, résolution\n2. arrêt\n"),
            entry("motion /mouʃən/\nmotion, résolution\n"),
            entry("resolution /rezəluːʃən/\nmotion, résolution\n"),
        };
        addReverseTranslations(resolution, resolutionBack,
                               ranksOf({{"decision", 1045}, {"motion", 3177}}), {}, linked, {}, twins);
        QCOMPARE(find(resolution, "résolution")->translations.first(), QStringLiteral("resolution"));
    }

    void keepsAFilledInNounBehindTheOwnVerbOfAnEnglishPhrase()
    {
        // fra-eng writes "turnover" apart as "turn over" for a noun, and the
        // noun phrase ranks by its commoner words.
        const QVector<DictdEntry> fraEng{
            entry("opération de caisse /opeʀasjɔ̃dəkɛs/ <n, fem>\nturn over\n"),
            entry("renverser /ʀɑ̃vɛʀse/ <v>\noverthrow, turn, turn over, upset\n"),
            entry("chasse /ʃas/ <n, fem>\nhunt, chase\n"),
            entry("chasser /ʃase/ <v>\nchase, hunt\n"),
            entry("retournement /ʀətuʀnəmɑ̃/ <n, masc>\nreversal\n"),
        };
        const auto part = [](const QString &french) {
            return french == QLatin1String("renverser") || french == QLatin1String("chasser") ? QLatin1Char('v')
                                                                                               : QLatin1Char('n');
        };
        const WordRanks ranks = ranksOf({{"de", 2}, {"opération", 1500}, {"caisse", 2400}, {"chasse", 1600}});
        const auto rowOf = [&](const char *text, bool withParts) {
            QVector<DictdEntry> rows{entry(text)};
            addReverseTranslations(rows, fraEng, ranks, {}, {}, {}, {},
                                   withParts ? std::function<QChar(const QString &)>(part) : nullptr);
            return find(rows, parseDictdEntry(QString::fromUtf8(text), EntryStyle::SenseList).headword)->translations;
        };
        const char *turnOver = "turn over /təːnouvər/\nrenverser\n";
        QCOMPARE(rowOf(turnOver, true), QStringList({"renverser", "opération de caisse"}));
        QCOMPARE(rowOf(turnOver, false).constFirst(), QStringLiteral("opération de caisse"));
        // Not where the phrase's own items hold a noun too, nor in the row of
        // one word, which is often a noun and a verb ("hunt": "chasse").
        QCOMPARE(rowOf("turn over /təːnouvər/\nrenverser, retournement\n", true).constFirst(),
                 QStringLiteral("opération de caisse"));
        QCOMPARE(rowOf("hunt /hʌnt/\nchasser\n", true), QStringList({"chasse", "chasser"}));
    }

    void ranksAPhrasesPhrasesByTheirOwnMerit()
    {
        // A phrase is the likely translation of a phrase: "surveiller",
        // linked to "pay attention to" through "aufpassen", and the one
        // word of the row, does not come first for being one word.
        QVector<DictdEntry> engFra{entry("pay attention to /peiətenʃəntou/\n1. surveiller\n"
                                         "2. faire attention à, prêter attention à\n")};
        const QVector<DictdEntry> fraEng{
            entry("faire attention à /fɛʀatɑ̃tjɔ̃a/ <v>\n1. pay attention to, take account of, take into account\n"),
            entry("prêter attention à /pʀɛteatɑ̃tjɔ̃a/ <vt>\n1. pay attention to, take account of, take into account\n"),
            entry("surveiller /syʀvɛje/ <v>\n1. advert, pay attention, pay attention to, watch out for\n"
                  "2. audit, check, check up on, supervise, verify\n"),
        };
        addReverseTranslations(engFra, fraEng, ranksOf({{"faire", 60}, {"attention", 700}, {"à", 5}, {"surveiller", 3000}}),
                               {}, [](const QString &, const QString &french) {
                                   return french == QLatin1String("surveiller") ? 1 : 0;
                               });
        QCOMPARE(find(engFra, "pay attention to")->translations.first(), QStringLiteral("faire attention à"));
    }

    void weighsAPhraseAsAllItsWords()
    {
        // "donner" stands fifth in the list of "give" and third in that of
        // "go out": a phrase of two common words is still the rarer.
        const QVector<DictdEntry> engFra{
            entry("give /giv/\n1. faire cadeau, offrir\n2. abouler, bailler, donner, passer\n"),
            entry("go out /gouaut/\naboutir, descendre, donner, sorter\n"),
        };
        QVector<DictdEntry> fraEng{entry("donner /dɔne/ <v>\n1. give\n2. exit, go out\n")};
        addReverseTranslations(fraEng, engFra, ranksOf({{"go", 40}, {"out", 50}, {"give", 130}, {"exit", 2000}}));
        QCOMPARE(find(fraEng, "donner")->translations.first(), QStringLiteral("give"));
    }

    void countsAWordWrittenTwoWaysAsOnePlace()
    {
        // fra-eng lists "frying pan" hyphenated and apart; the second way is
        // not a place further down, so "poêle", eng-fra's one word, stays
        // before "sauteuse", filled in from its row that gives the phrase
        // alone.
        const QVector<DictdEntry> fraEng{entry("sauteuse /sotøz/ <n, fem>\nfrying pan\n"),
                                         entry("poêle /pwal/ <n, masc>\nfrying-pan, frying pan\n")};
        QVector<DictdEntry> engFra{entry("frying pan /fraiiŋpæn/\npoêle\n")};
        addReverseTranslations(engFra, fraEng, noRanks());
        QCOMPARE(find(engFra, "frying pan")->translations,
                 QStringList({QString::fromUtf8("poêle"), QStringLiteral("sauteuse")}));
    }

    void putsAFalseFriendFilledInAfterTheRowsOwnWords()
    {
        // fra-eng leaves the English "agenda" out of its "agenda" row and
        // gives it first for "ordre du jour", which eng-fra's "agenda" lists
        // too: the twin eng-fra fills in is a false friend.
        const QVector<DictdEntry> fraEng{entry("agenda /aʒɛ̃da/ <n, masc>\ndiary, appointment book\n"),
                                         entry("ordre du jour /ɔʀdʀdyʒuʀ/ <n, masc>\nagenda, order of the day\n")};
        const QVector<DictdEntry> engFra{entry("agenda /ədʒendə/\n1. agenda\n2. ordre du jour\n")};
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(rows, engFra, noRanks());
        QCOMPARE(find(rows, "agenda")->translations, QStringList({"diary", "appointment book", "agenda"}));
        // Where no other word's row starts with the twin, the twin the other
        // direction confirms leads as before.
        QVector<DictdEntry> twin{fraEng.first()};
        addReverseTranslations(twin, engFra, noRanks());
        QCOMPARE(find(twin, "agenda")->translations.first(), QStringLiteral("agenda"));
    }

    void weighsAHyphenatedWordNoListHasAsAPhrase()
    {
        // "washing-bear" renders the German "Waschbär" word for word; its
        // parts are common words, "raccoon" is in no list of the commonest.
        const QVector<DictdEntry> engFra{
            entry("raccoon /rəkuːn/\nraton laveur\n"),
            entry("washing\u2010bear /wˈɒʃɪŋ bˈeə/\nraton laveur\n"),
        };
        const QVector<DictdEntry> fraEng{entry("raton laveur /ʀatɔ̃lavœʀ/ <n>\nraccoon, racoon, washing-bear\n")};
        const WordRanks ranks = ranksOf({{"bear", 1058}, {"washing", 4023}});
        const auto listed = [](const QString &word) { return word == QLatin1String("raccoon"); };
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(rows, engFra, ranks, {}, {}, listed);
        QCOMPARE(find(rows, "raton laveur")->translations.first(), QStringLiteral("raccoon"));
        // Written in one in the list, it weighs as its rarer part again.
        QVector<DictdEntry> joined = fraEng;
        addReverseTranslations(joined, engFra, ranks, {}, {}, [&listed](const QString &word) {
            return listed(word) || word == QLatin1String("washingbear");
        });
        QCOMPARE(find(joined, "raton laveur")->translations.first(), QStringLiteral("washing-bear"));
    }

    void prefersAWordWhoseOwnRowStartsWithTheHeadword()
    {
        // "dame" is "queen" at cards and chess, "lady" first; "reine" is
        // "queen" only.
        const QVector<DictdEntry> fraEng{
            entry("dame /dam/ <n, fem>\n1. queen\n2. lady\n"),
            entry("reine /ʀɛn/ <n, fem>\nqueen\n"),
        };
        const QVector<DictdEntry> engFra{entry("queen /kwiːn/\n1. dame\n2. reine\n")};
        const auto startsWith = [](const QString &french, const QString &english) {
            return english == QLatin1String("queen") && french == QLatin1String("reine");
        };
        QVector<DictdEntry> rows = engFra;
        addReverseTranslations(rows, fraEng, ranksOf({{"dame", 948}, {"reine", 1226}}), {}, {}, {}, startsWith);
        QCOMPARE(find(rows, "queen")->translations, QStringList({"reine", "dame"}));
        // Only a little: a far commoner word still comes first.
        QVector<DictdEntry> commoner = engFra;
        addReverseTranslations(commoner, fraEng, ranksOf({{"dame", 300}, {"reine", 1226}}), {}, {}, {}, startsWith);
        QCOMPARE(find(commoner, "queen")->translations.first(), QStringLiteral("dame"));
    }

    void putsALinkedTwinWhoseRowStartsWithTheHeadwordFirst()
    {
        // fra-eng lists "abandon" seventh for "abandonner", in its second
        // sense, and first for "quitter", a commoner word whose main sense
        // is "quit"; ranked, "abandonner"'s row starts with "abandon".
        const QVector<DictdEntry> engFra{
            entry("abandon /əbændən/\n1. abdiquer\n2. abandonner, délaisser, livrer, quitter\n"
                  "3. renoncer, résigner\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("abandonner /abɑ̃dɔne/ <v>\n1. cede, give in, give up, give way, relinquish, yield\n"
                  "2. abandon, forsake, desert, leave, quit\n3. resign, renounce\n"),
            entry("quitter /kite/ <v>\nabandon, forsake, desert, leave, quit\n"),
            entry("renoncer /ʀənɔ̃se/ <v>\nabandon, give up, renounce\n"),
        };
        const WordRanks ranks = ranksOf({{"quitter", 896}, {"abandonner", 1780}, {"livrer", 3225}, {"renoncer", 4492}});
        const auto startsWith = [](const QString &french, const QString &english) {
            return english == QLatin1String("abandon") && french == QLatin1String("abandonner");
        };
        const auto firstWith = [&](const QSet<QString> &linked) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(
                rows, fraEng, ranks, {},
                [&linked](const QString &, const QString &french) { return linked.contains(french) ? 1 : 0; }, {},
                startsWith);
            return find(rows, "abandon")->translations.constFirst();
        };
        QCOMPARE(firstWith({"quitter", "abandonner"}), QStringLiteral("abandonner"));
        // The link vouches for the twin: unlinked, its place counts.
        QCOMPARE(firstWith({"quitter"}), QStringLiteral("quitter"));
    }

    void putsTheFirstSensesWordOfTheHeadwordsStemFirst()
    {
        // fra-eng gives "agitate" in the first sense; fra-deu's "schwingen"
        // links "swing" of the second, a commoner word.
        const DictdEntry agiter = entry("agiter /aʒite/ <v>\n1. abet, agitate, incite, stir up\n"
                                        "2. brandish, fling, swing, wave, wave about\n");
        QCOMPARE(agiter.firstSense, QStringList({"abet", "agitate", "incite", "stir up"}));
        QVERIFY(entry("mantle /mæntl/\nmanteau\n").firstSense.isEmpty());
        const QVector<DictdEntry> engFra{
            entry("agitate /ædʒiteit/\n1. agiter, débattre, émouvoir, troubler\n2. exciter, hérisser\n"
                  "3. affecter, remuer\n4. préoccuper\n"),
            entry("swing /swiŋ/\n1. balancer\n2. agiter, brandir\n"),
            entry("coat /kout/\n1. paletot\n2. capote, manteau, pardessus\n"),
            entry("mantle /mæntl/\nmanteau\n"),
            entry("start /stɑːt/\n1. activer\n2. début\n3. sursauter\n4. prendre l'initiative\n"),
            entry("get up /getʌp/\n1. surgir, sursauter\n2. se soulever\n"),
        };
        const QVector<DictdEntry> fraEng{
            agiter,
            entry("manteau /mɑ̃to/ <n, fem>\n1. cloak, mantle\n2. coat, overcoat\n"),
            entry("sursauter /syʀsote/ <v>\n1. start\n2. get up, rise, stand, stand up\n"),
        };
        const WordRanks ranks = ranksOf({{"start", 300}, {"coat", 1816}, {"swing", 2734}, {"get", 40}});
        const auto links = [](const QString &, const QString &english) {
            static const QSet<QString> linked{"agitate", "swing", "incite", "stir up", "coat", "mantle", "cloak",
                                              "get up"};
            return linked.contains(english) ? 1 : 0;
        };
        const auto startsWith = [](const QString &english, const QString &french) {
            return english == QLatin1String("coat") && french == QLatin1String("manteau");
        };
        const auto firstOf = [&](const char *headword, bool firstSenseFirst) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, startsWith, {}, firstSenseFirst);
            return find(rows, QString::fromUtf8(headword))->translations.constFirst();
        };
        QCOMPARE(firstOf("agiter", false), QStringLiteral("swing"));
        QCOMPARE(firstOf("agiter", true), QStringLiteral("agitate"));
        // Not past a word whose own row starts with the headword, and not a
        // word of the first sense that the German links leave out.
        QCOMPARE(firstOf("manteau", true), QStringLiteral("coat"));
        QCOMPARE(firstOf("sursauter", true), QStringLiteral("get up"));
    }

    void putsAnUnlinkedLookAlikeThatRanksLikeliestFirst()
    {
        // fra-deu links "estimate" and "like" to "apprécier", not
        // "appreciate", whose row gives "apprécier" alone in its first sense.
        const QVector<DictdEntry> engFra{
            entry("estimate /estimət/\napprécier, estimer, évaluer, taxer\n"),
            entry("like /laik/\n1. comme\n2. pareil, semblable\n3. aimer, apprécier, estimer\n"),
            entry("appreciate /əpriːʃieit/\n1. apprécier\n2. aimer, estimer\n"),
            entry("avidity /əviditiː/\navidité\n"),
            entry("greediness /griːdinəs/\navidité\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("apprécier /apʀesje/ <v>\n1. esteem, think well of\n2. appraise, estimate, rate\n"
                  "3. appreciate, like\n"),
            entry("avidité /avidite/ <n, fem>\nalacrity, avidity, covetousness, eagerness, greediness\n"),
        };
        const WordRanks ranks = ranksOf({{"like", 500}, {"estimate", 2000}, {"appreciate", 3000}, {"greediness", 9000}});
        const auto links = [](const QString &, const QString &english) {
            static const QSet<QString> linked{"estimate", "like", "greediness"};
            return linked.contains(english) ? 1 : 0;
        };
        const auto startsWith = [](const QString &english, const QString &french) {
            // eng-fra gives "avidité" alone for "avidity" and "greediness".
            return (english == QLatin1String("appreciate") && french == QString::fromUtf8("apprécier"))
                   || ((english == QLatin1String("avidity") || english == QLatin1String("greediness"))
                       && french == QString::fromUtf8("avidité"));
        };
        const auto firstOf = [&](const char *headword, bool firstSenseFirst) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, startsWith, {}, firstSenseFirst);
            return find(rows, QString::fromUtf8(headword))->translations.constFirst();
        };
        QCOMPARE(firstOf("apprécier", false), QStringLiteral("estimate"));
        QCOMPARE(firstOf("apprécier", true), QStringLiteral("appreciate"));
        // A look-alike no frequency list has leads by its bonuses alone.
        QCOMPARE(firstOf("avidité", true), QStringLiteral("greediness"));
    }

    void givesWayToTheFirstSenseWhereALaterOneLeadsByItsLetters()
    {
        // "haut" leads "summit" through its commonness as "high", and
        // fra-eng's "haut: 1. summit, surface, top" lists "summit" first as
        // the alphabet has it, beside the commoner "top".
        const QVector<DictdEntry> engFra{
            entry("summit /sʌmit/\n1. bout, cime, pointe, sommet\n2. comble, faîte, haut\n"),
            entry("blow /blou/\n1. bataille, coup\n2. souffler sur\n3. souffler\n"),
            entry("battle /bætl/\nbataille, combat\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("haut /o/ <adj>\nhigh, lofty, tall\n"),
            entry("haut /o/ <n, masc>\n1. summit, surface, top\n2. upper garment\n"),
            entry("sommet /sɔmɛ/ <n, masc>\n1. acme\n2. peak, point, tip, summit\n3. surface, top\n"),
            entry("bataille /bataj/ <n, fem>\n1. action, battle, scuffle, struggle\n2. blow\n"),
        };
        const WordRanks french = ranksOf({{"coup", 200}, {"haut", 100}, {"combat", 1500}, {"bataille", 2000},
                                          {"sommet", 3000}});
        const WordRanks english = ranksOf({{"top", 300}, {"high", 200}, {"blow", 1500}, {"battle", 1800},
                                           {"summit", 4000}});
        const auto links = [](const QString &, const QString &word) {
            static const QSet<QString> linked{"haut", "sommet", "blow", "battle"};
            return linked.contains(word) ? 1 : 0;
        };
        const auto startsWith = [](const QString &, const QString &) { return false; };
        const auto summitFirst = [&](const WordRanks *headwordRanks) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(rows, fraEng, french, {}, links, {}, startsWith, {}, false, headwordRanks);
            return find(rows, QStringLiteral("summit"))->translations.constFirst();
        };
        QCOMPARE(summitFirst(nullptr), QStringLiteral("haut"));
        QCOMPARE(summitFirst(&english), QStringLiteral("sommet"));
        // Where "summit" is the commonest word of that list, it is first as
        // the main word of the sense, and "haut" keeps its lead.
        const WordRanks summitCommonest = ranksOf({{"summit", 100}});
        QCOMPARE(summitFirst(&summitCommonest), QStringLiteral("haut"));

        // "blow" is also "coup" and "souffler"; "battle", as common, gives
        // "bataille" first too. Only fra-eng's sense order decides that.
        const auto batailleFirst = [&](bool firstSenseFirst, const WordRanks *headwordRanks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(rows, engFra, english, {}, links, {}, startsWith, {}, firstSenseFirst,
                                   headwordRanks);
            return find(rows, QStringLiteral("bataille"))->translations.constFirst();
        };
        QCOMPARE(batailleFirst(true, nullptr), QStringLiteral("blow"));
        QCOMPARE(batailleFirst(false, &french), QStringLiteral("blow"));
        QCOMPARE(batailleFirst(true, &french), QStringLiteral("battle"));
    }

    void givesWayToTheHeadwordsTwinOfTheFirstSense()
    {
        // "mercy: compassion" gives "compassion" alone, so "mercy", of
        // fra-eng's second sense and commoner, led the row.
        const QVector<DictdEntry> engFra{
            entry("mercy /məːsiː/\ncompassion\n"),
            entry("compassion /kəmpæʃən/\napitoiement, compassion, pitié\n"),
            entry("charity /tʃæritiː/\n1. aumône\n2. compassion\n"),
            entry("pity /pitiː/\n1. mal\n2. avoir pitié, compatir, plaindre, s'apitoyer\n"
                  "3. apitoiement, compassion, pitié\n"),
            entry("mutton /mʌtn/\nmouton\n"),
            entry("sheep /ʃiːp/\nmouton\n"),
            entry("most /moust/\nextrêmement, le plus\n"),
            entry("extremely /ikstremliː/\nextrêmement\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("compassion /kɔ̃pasjɔ̃/ <n, fem>\n1. compassion, pity\n2. charity, mercifulness, mercy\n"),
            entry("mouton /mutɔ̃/ <n, masc>\n1. mutton\n2. sheep\n"),
            entry("extrêmement /ɛkstʀɛməmɑ̃/ <adv>\n1. extremely\n2. most\n"),
        };
        const WordRanks english = ranksOf({{"most", 275}, {"pity", 1929}, {"mercy", 2033}, {"extremely", 2241},
                                           {"charity", 2862}, {"sheep", 3061}});
        const auto firstOf = [&](const QString &headword, const QSet<QString> &linked,
                                 const QSet<QString> &givingHeadwordFirst) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, english, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; }, {},
                [&](const QString &word, const QString &) { return givingHeadwordFirst.contains(word); }, {}, true);
            return find(rows, headword)->translations.constFirst();
        };
        const QSet<QString> linked{"mercy", "charity", "compassion", "pity", "mutton", "sheep"};
        QCOMPARE(firstOf("compassion", linked, {"mercy", "charity"}), QStringLiteral("compassion"));
        // Not a twin the links miss where they reach the leader.
        QCOMPARE(firstOf("compassion", {"mercy", "charity"}, {"mercy", "charity"}), QStringLiteral("mercy"));
        // A first sense of the twin alone is its narrow sense.
        QCOMPARE(firstOf("mouton", linked, {"mutton", "sheep"}), QStringLiteral("sheep"));

        // A first-sense word of the headword's stem goes first, unless the
        // leader's own English row starts with the headword.
        QCOMPARE(firstOf("extrêmement", {}, {"extremely"}), QStringLiteral("extremely"));
        QCOMPARE(firstOf("extrêmement", {}, {"most", "extremely"}), QStringLiteral("most"));
    }

    void putsTheRowsOwnFirstLookAlikeBeforeUnlinkedConfirmedWords()
    {
        // fra-eng gives "calame: reed pen", so only the phrases of
        // "calamus" are confirmed; "calame", first and alike, still leads.
        const QVector<DictdEntry> engFra{
            entry("calamus /kəlɑːməs/\ncalame, jonc odorant, lis des marais\n"),
            entry("penthouse /penthaus/\n1. abri\n2. hangar\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("calame /kalam/ <n, fem>\nreed pen\n"),
            entry("jonc odorant /ʒɔ̃ɔdɔʀɑ̃/ <n, masc>\ncalamus\n"),
            entry("lis des marais /lisdemaʀɛ/\ncalamus\n"),
            entry("hangar /ɑ̃gaʀ/ <n, masc>\nhanger, warehouse, shed\n"),
        };
        QVector<DictdEntry> english = engFra;
        addReverseTranslations(english, fraEng, ranksOf({}), {}, {}, [](const QString &) { return false; });
        QCOMPARE(find(english, QStringLiteral("calamus"))->translations.constFirst(), QStringLiteral("calame"));
        // A linked leader keeps its place.
        english = engFra;
        addReverseTranslations(english, fraEng, ranksOf({}), {},
                               [](const QString &, const QString &word) { return word == QLatin1String("jonc odorant"); });
        QCOMPARE(find(english, QStringLiteral("calamus"))->translations.constFirst(), QStringLiteral("jonc odorant"));

        // Where a third pair links both ("Rätsel" gives "énigme" and
        // "puzzle"), the links do not tell them apart: "énigme", which
        // fra-eng lacks, leads "enigma" all the same.
        const QVector<DictdEntry> enigma{entry("enigma /inigmə/\nénigme, puzzle\n")};
        const QVector<DictdEntry> puzzle{entry("puzzle /pyzzl/ <n, masc>\nenigma, puzzle, riddle\n")};
        const auto enigmaFirst = [&](const QStringList &linked) {
            QVector<DictdEntry> rows = enigma;
            addReverseTranslations(rows, puzzle, ranksOf({}), {}, [&linked](const QString &, const QString &word) {
                return linked.contains(word) ? 1 : 0;
            });
            return find(rows, QStringLiteral("enigma"))->translations.constFirst();
        };
        QCOMPARE(enigmaFirst({QStringLiteral("énigme"), QStringLiteral("puzzle")}), QStringLiteral("énigme"));
        QCOMPARE(enigmaFirst({QStringLiteral("puzzle")}), QStringLiteral("puzzle"));

        // "hanger" misspells "hangar", itself an English word: the confirmed
        // "penthouse" keeps the lead.
        const auto firstOfHangar = [&](const QString &listedEnglish) {
            QVector<DictdEntry> french = fraEng;
            addReverseTranslations(french, engFra, ranksOf({{"warehouse", 2000}, {"hanger", 3000}}), {}, {},
                                   [&](const QString &word) { return word == listedEnglish; });
            return find(french, QStringLiteral("hangar"))->translations.constFirst();
        };
        QCOMPARE(firstOfHangar(QStringLiteral("hangar")), QStringLiteral("penthouse"));
        QCOMPARE(firstOfHangar(QString()), QStringLiteral("hanger"));
    }

    void putsTheRowsOwnFirstLookAlikeBeforeALinkedWordNotAlike()
    {
        // fra-deu links "artificiel" and "impression" to their English rows
        // (the latter through three German words), not "affecté" and barely
        // "effet", eng-fra's own first words.
        const QVector<DictdEntry> engFra{
            entry("affected /əfektid/\n1. affecté\n2. artificiel\n3. maniéré\n"),
            entry("effect /efikt/\n1. effet, impression\n2. résultat\n"),
            entry("recover /rikʌvər/\n1. recouvrer, récupérer, regagner\n2. guérir\n"),
            entry("honor /ɔnər/\n1. honorer\n2. honneur\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("affecté /afɛkte/ <adj>\naffected, artificial\n"),
            entry("artificiel /aʀtifisjɛl/ <adj>\naffected, artificial\n"),
            entry("maniéré /manjeʀe/ <adj>\naffected\n"),
            entry("effet /ɛfɛ/ <n, masc>\neffect, impression\n"),
            entry("impression /ɛ̃pʀɛsjɔ̃/ <n, fem>\n1. effect, impression\n2. print, imprint\n"),
            entry("résultat /ʀezylta/ <n, masc>\n1. conclusion, effect, result\n"),
            entry("recouvrer /ʀəkuvʀe/ <v>\nrecover\n"),
            entry("récupérer /ʀekypeʀe/ <v>\nrecover, retrieve\n"),
            entry("honneur /ɔnœʀ/ <n, masc>\nhonor, honour\n"),
            entry("honorer /onɔʀe/ <v>\nhonor, honour\n"),
        };
        const QHash<QString, int> linked{{"artificiel", 1}, {"impression", 3}, {"effet", 1},
                                         {"récupérer", 1}, {"honneur", 1}};
        const auto links = [&linked](const QString &, const QString &french) { return linked.value(french); };
        const auto part = [](const QString &french) {
            return french.startsWith(QLatin1String("hon")) && french.endsWith(QLatin1String("er")) ? QLatin1Char('v')
                                                                                                 : QLatin1Char('n');
        };
        QVector<DictdEntry> rows = engFra;
        addReverseTranslations(rows, fraEng, ranksOf({{"effet", 712}, {"impression", 801}, {"récupérer", 3000}}), {},
                               links, {}, {}, part);
        QCOMPARE(find(rows, "affected")->translations.constFirst(), QStringLiteral("affecté"));
        QCOMPARE(find(rows, "effect")->translations.constFirst(), QStringLiteral("effet"));
        // Not a look-alike first only by its letters beside a commoner word,
        // nor a verb past a noun.
        QCOMPARE(find(rows, "recover")->translations.constFirst(), QStringLiteral("récupérer"));
        QCOMPARE(find(rows, "honor")->translations.constFirst(), QStringLiteral("honneur"));
    }

    void givesWayToACommonerWordOfTheSenseWhereALinkedSideSenseLeadsByItsLetters()
    {
        // fra-deu links "barn" alone; eng-fra gives "kiosque" in the first
        // sense of "stand" only.
        const QVector<DictdEntry> engFra{
            entry("barn /bɑːn/\n1. baraque\n2. échoppe, kiosque, stand\n"),
            entry("shed /ʃet/\n1. abri\n2. baraque\n3. échoppe, kiosque, stand\n4. verser\n"),
            entry("stand /stænd/\n1. échoppe, kiosque, stand\n2. surgir, sursauter\n3. être debout, se dresser\n"),
        };
        const QVector<DictdEntry> fraEng{entry("kiosque /kjɔsk/ <n, masc>\nbarn, shed, stand\n")};
        const auto links = [](const QString &, const QString &word) { return word == QLatin1String("barn") ? 1 : 0; };
        const auto kiosqueFirst = [&](const WordRanks &ranks, bool barnGivesKiosqueFirst) {
            QVector<DictdEntry> rows = fraEng;
            const auto givesFirst = [&](const QString &word, const QString &) {
                return barnGivesKiosqueFirst && word == QLatin1String("barn");
            };
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, givesFirst, {}, true);
            return find(rows, QStringLiteral("kiosque"))->translations.constFirst();
        };
        const WordRanks ranks = ranksOf({{"stand", 452}, {"shed", 3514}, {"barn", 4099}});
        QCOMPARE(kiosqueFirst(ranks, false), QStringLiteral("stand"));
        // Not where "barn" gives the headword first, nor where no commoner
        // word shows that the list is in alphabetical order only.
        QCOMPARE(kiosqueFirst(ranks, true), QStringLiteral("barn"));
        QCOMPARE(kiosqueFirst(ranksOf({}), false), QStringLiteral("barn"));
    }

    void keepsAFilledInSideSenseBehindTheRowsOwnWord()
    {
        // eng-fra gives "achat" only in the noun sense of "buy"; fra-eng's
        // own "achat" row lacks "buy", and "purchase" gives "achat" first.
        const QVector<DictdEntry> engFra{
            entry("buy /bəiː/\n1. acheter, acquérir\n2. achat\n"),
            entry("purchase /pəːtʃəs/\n1. achat, emplette\n2. acheter, acquérir\n"),
        };
        const QVector<DictdEntry> fraEng{entry("achat /aʃa/ <n, masc>\nacquisition, purchase\n")};
        const WordRanks english = ranksOf({{"buy", 100}, {"purchase", 4000}});
        const auto achatFirst = [&](const QSet<QString> &linked, const QSet<QString> &givingAchatFirst) {
            QVector<DictdEntry> rows = fraEng;
            const auto links = [&linked](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; };
            const auto givesFirst = [&givingAchatFirst](const QString &word, const QString &) {
                return givingAchatFirst.contains(word);
            };
            addReverseTranslations(rows, engFra, english, {}, links, {}, givesFirst, {}, true);
            return find(rows, QStringLiteral("achat"))->translations;
        };
        const QStringList mended = achatFirst({"buy", "purchase", "acquisition"}, {});
        QCOMPARE(mended.constFirst(), QStringLiteral("purchase"));
        QVERIFY(mended.contains(QStringLiteral("buy")));
        // Without a link to vouch for the row's own word, or where the
        // filled-in word's own row starts with the headword, it keeps its lead.
        QCOMPARE(achatFirst({"buy"}, {}).constFirst(), QStringLiteral("buy"));
        QCOMPARE(achatFirst({"buy", "purchase"}, {"buy"}).constFirst(), QStringLiteral("buy"));
    }

    void putsAnUnlinkedWordOfTheHeadwordsStemBeforeAnEquallyRareLinkedWord()
    {
        // fra-deu links "conceited", filled in from eng-fra, and not
        // fra-eng's own "frivolous"; no frequency list knows either.
        const QVector<DictdEntry> engFra{
            entry("conceited /kənsiːtid/\nfrivole, vain, vaniteux\n"),
            entry("frivolous /frivələs/\n1. frivole\n2. vain, vaniteux\n"),
        };
        const QVector<DictdEntry> fraEng{entry("frivole /fʀivɔl/ <adj>\nfrivolous\n")};
        const auto links = [](const QString &, const QString &word) {
            return word == QLatin1String("conceited") ? 1 : 0;
        };
        const auto frivoleFirst = [&](const WordRanks &ranks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, {}, {}, true);
            return find(rows, QStringLiteral("frivole"))->translations.constFirst();
        };
        QCOMPARE(frivoleFirst(ranksOf({})), QStringLiteral("frivolous"));
        // A leader the frequency list knows keeps its place.
        QCOMPARE(frivoleFirst(ranksOf({{"conceited", 4000}})), QStringLiteral("conceited"));
    }

    void weighsAPhraseOpeningWithAConjunctionAsASentencesTail()
    {
        // Common words make "or not" look likelier than "isn't it".
        const QVector<DictdEntry> engFra{
            entry("isn't it /aisntit/\nhein, n'est-ce pas\n"),
            entry("or not /ərnout/\nhein, n'est-ce pas\n"),
        };
        QVector<DictdEntry> fraEng{entry("hein /ɛ̃/ <int>\nisn't it, isn't that so, or not\n")};
        addReverseTranslations(fraEng, engFra,
                               ranksOf({{"it", 10}, {"that", 15}, {"not", 20}, {"so", 25}, {"or", 30}, {"isn't", 800}}));
        QCOMPARE(find(fraEng, "hein")->translations.constFirst(), QStringLiteral("isn't it"));
    }

    void putsTheNounOfAWordThatIsNounAndVerbFirst()
    {
        // fra-deu has no "eau", so only the verbs are linked to "water".
        const QVector<DictdEntry> engFra{entry("water /wɔːtər/\n1. aquatique\n2. eau, onde\n3. abreuver, arroser\n")};
        const QVector<DictdEntry> fraEng{
            entry("eau /o/ <n, fem>\nwater\n"),
            entry("abreuver /abʀœve/ <v>\n1. irrigate, water\n2. dampen\n3. flood, overwhelm\n"),
            entry("arroser /aʀoze/ <vt>\nirrigate, water\n"),
        };
        const auto links = [](const QString &, const QString &french) {
            return french == QLatin1String("eau") ? 0 : 2;
        };
        QSet<QString> givingWaterFirst{"eau", "abreuver", "arroser"};
        const auto startsWith = [&givingWaterFirst](const QString &french, const QString &english) {
            return english == QLatin1String("water") && givingWaterFirst.contains(french);
        };
        const auto part = [](const QString &french) {
            return french == QLatin1String("eau") ? QLatin1Char('n') : QLatin1Char('v');
        };
        const auto firstOf = [&](const WordRanks &ranks, bool withParts) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(rows, fraEng, ranks, {}, links, {}, startsWith,
                                   withParts ? std::function<QChar(const QString &)>(part) : nullptr);
            return find(rows, "water")->translations.constFirst();
        };
        const WordRanks ranks = ranksOf({{"eau", 300}, {"arroser", 8000}, {"abreuver", 9000}});
        QCOMPARE(firstOf(ranks, true), QStringLiteral("eau"));
        QCOMPARE(firstOf(ranks, false), QStringLiteral("arroser"));
        // Not a noun rarer than the verb, nor one whose own row starts with
        // another word.
        QCOMPARE(firstOf(ranksOf({{"arroser", 8000}, {"abreuver", 9000}, {"eau", 20000}}), true),
                 QStringLiteral("arroser"));
        givingWaterFirst.remove(QStringLiteral("eau"));
        QCOMPARE(firstOf(ranks, true), QStringLiteral("arroser"));
    }

    void keepsFirstTheTwinItsOwnDictionaryGivesFirst()
    {
        // fra-eng gives "congestion" first; "rush", a commoner word whose
        // own row ends with "congestion", would otherwise come first.
        const QVector<DictdEntry> fraEng{entry("congestion /kɔ̃ʒɛstjɔ̃/ <n, fem>\ncongestion, rush\n"),
                                         entry("Bretagne /bʀətagn/ <n>\nBretagne, Brittany\n")};
        const QVector<DictdEntry> engFra{
            entry("congestion /kəndʒestʃən/\n1. afflux, congestion\n2. afflux de sang\n"),
            entry("rush /rʌʃ/\n1. se dépêcher\n2. afflux, afflux de sang, congestion\n"),
            entry("Brittany /britɑːniː/\nBretagne\n"),
        };
        const auto listed = [](const QString &word) {
            return word == QLatin1String("congestion") || word == QLatin1String("Bretagne");
        };
        // "rush" twenty times commoner, less than "congestion"'s place
        // before it in the other direction makes up for.
        const WordRanks ranks = ranksOf({{"rush", 200}, {"congestion", 4000}, {"Brittany", 30000}});
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(rows, engFra, ranks, {}, {}, listed);
        QCOMPARE(find(rows, "congestion")->translations, QStringList({"congestion", "rush"}));
        // A name stays where it ranks: "Bretagne" is French, not English.
        QCOMPARE(find(rows, "Bretagne")->translations.first(), QStringLiteral("Brittany"));
        // A twin the word list lacks may be a misspelling: no place kept.
        QVector<DictdEntry> unlisted = fraEng;
        addReverseTranslations(unlisted, engFra, ranks, {}, {}, [](const QString &) { return false; });
        QCOMPARE(find(unlisted, "congestion")->translations.first(), QStringLiteral("rush"));
        // Nor where another word is clearly commoner.
        QVector<DictdEntry> commoner = fraEng;
        addReverseTranslations(commoner, engFra, ranksOf({{"rush", 5}, {"congestion", 20000}}), {}, {}, listed);
        QCOMPARE(find(commoner, "congestion")->translations.first(), QStringLiteral("rush"));
        // A twin with other accents too: eng-fra's "supreme" has no row of
        // its own to confirm it, "superior" gives "suprême" fourth.
        QVector<DictdEntry> accents{entry("suprême /sypʀɛm/ <adj>\nsupreme\n")};
        addReverseTranslations(accents, {entry("superior /suːpiəriər/\ndominant, supérieur, suprême, surplombant\n")},
                               ranksOf({{"superior", 1500}, {"supreme", 2500}}), {}, {},
                               [](const QString &word) { return word == QLatin1String("supreme"); });
        QCOMPARE(find(accents, QString::fromUtf8("suprême"))->translations.first(), QStringLiteral("supreme"));
    }

    void keepsFirstTheTwinOverAWordCommonerInAnotherSense()
    {
        // "rubber" is commoner by its "caoutchouc" sense; eng-fra gives it
        // "condom" only in its second, and starts "condom" with the twin.
        const QVector<DictdEntry> fraEng{entry("condom /kɔ̃dɔ̃m/ <n, masc>\ncondom, rubber\n")};
        const QVector<DictdEntry> engFra{
            entry("condom /kɔndəm/\ncondom, préservatif\n"),
            entry("rubber /rʌbər/\n1. caoutchouc\n2. condom, préservatif\n3. gomme\n"),
        };
        const auto firstOf = [&](const QSet<QString> &linked) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranksOf({{"rubber", 4538}}), {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; },
                [](const QString &word) { return word == QLatin1String("condom") || word == QLatin1String("rubber"); });
            return find(rows, QStringLiteral("condom"))->translations.constFirst();
        };
        QCOMPARE(firstOf({}), QStringLiteral("condom"));
        // A leader the links reach and the twin not keeps its lead.
        QCOMPARE(firstOf({"rubber"}), QStringLiteral("rubber"));
    }

    void putsTheHeadwordsRegularEnglishFormFirst()
    {
        // fra-deu's "abortiv" reaches no English word, so the links pick
        // "vain" of the alphabetical list.
        const QVector<DictdEntry> engFra{
            entry("abortive /əbɔːtiv/\n1. inutile\n2. abortif, vain\n"),
            entry("futile /fjuːtail/\nabortif, vain\n"),
            entry("useless /juːsləs/\n1. inutile\n2. abortif, vain\n"),
            entry("vain /vein/\n1. abortif, vain\n2. frivole, vaniteux\n"),
        };
        const QVector<DictdEntry> fraEng{entry("abortif /abɔʀtif/ <adj>\nabortive, futile, useless, vain\n")};
        const WordRanks ranks = ranksOf({{"vain", 3000}, {"useless", 4000}, {"futile", 9000}});
        const auto links = [](const QString &, const QString &english) { return english == QLatin1String("vain") ? 1 : 0; };
        const auto rowOf = [&](bool firstSenseFirst, bool vainStartsWithIt) {
            QVector<DictdEntry> rows = fraEng;
            const auto startsWith = [&](const QString &english, const QString &) {
                return vainStartsWithIt && english == QLatin1String("vain");
            };
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, startsWith, {}, firstSenseFirst);
            return rows.constFirst().translations;
        };
        QCOMPARE(rowOf(true, false).constFirst(), QStringLiteral("abortive"));
        QCOMPARE(rowOf(true, false).size(), 4);
        QCOMPARE(rowOf(false, false).constFirst(), QStringLiteral("vain"));
        // Not past a leader whose own row starts with the headword.
        QCOMPARE(rowOf(true, true).constFirst(), QStringLiteral("vain"));

        // "-eux" is "-eous" as well as "-ous": fra-eng's alphabetical
        // "hideux" row put the commoner "awful" and "horrible" first.
        QVector<DictdEntry> hideux{
            entry("hideux /idø/ <adj>\nabhorrent, abominable, alien, awful, hideous, horrible, gruesome\n")};
        const QVector<DictdEntry> english{
            entry("awful /ɔːfəl/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("hideous /hidiəs/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("horrible /hɔrəbl/\n1. abject, abominable, hideux, horrible, odieux\n2. atroce, féroce\n"),
        };
        addReverseTranslations(
            hideux, english, ranksOf({{"awful", 1341}, {"horrible", 1497}, {"alien", 2437}}), {},
            [](const QString &, const QString &word) { return word == QLatin1String("alien") ? 0 : 1; }, {},
            [](const QString &, const QString &) { return false; }, {}, true);
        QCOMPARE(hideux.constFirst().translations.constFirst(), QStringLiteral("hideous"));
    }

    void putsACommonOneWordFirstSenseBeforeARareLinkedLaterOne()
    {
        // fra-deu's "öde" links "dreary", whose eng-fra row starts with
        // "désolé"; no German word links "sad".
        const QVector<DictdEntry> engFra{
            entry("sad /sæd/\n1. affligé, désolé, peiné, triste\n2. maussade, sombre\n"),
            entry("dreary /driəriː/\n1. désert, désolé\n2. désagréable, maussade\n"
                  "3. affreux, épouvantable, horrible\n4. sombre\n"),
            entry("gaunt /gɔːnt/\n1. angulaire\n2. désert, désolé\n3. mince\n4. maussade, sombre\n"),
        };
        const QVector<DictdEntry> fraEng{entry("désolé /dezɔle/ <adj>\n1. sad\n2. dreary, gaunt\n")};
        const auto links = [](const QString &, const QString &english) { return english == QLatin1String("dreary") ? 1 : 0; };
        const auto startsWith = [](const QString &english, const QString &) { return english == QLatin1String("dreary"); };
        const auto firstOf = [&](const WordRanks &ranks, bool firstSenseFirst) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, startsWith, {}, firstSenseFirst);
            return rows.constFirst().translations.constFirst();
        };
        const WordRanks ranks = ranksOf({{"sad", 900}});
        QCOMPARE(firstOf(ranks, true), QStringLiteral("sad"));
        QCOMPARE(firstOf(ranks, false), QStringLiteral("dreary"));
        // Not a word only a little commoner.
        QCOMPARE(firstOf(ranksOf({{"sad", 9000}, {"dreary", 40000}}), true), QStringLiteral("dreary"));
    }

    void putsTheMoreUsedOfTwoTiedLinkedWordsFirst()
    {
        // fra-eng lists "accretion, growth" alphabetically; each eng-fra row
        // starts with "accroissement", the same German words link both, and
        // the frequency list knows neither, so only the letters told them
        // apart. trans-de-en writes "growth" far more often.
        const QVector<DictdEntry> fraEng{entry("accroissement /akʀwasəmɑ̃/ <n, masc>\n1. accretion, growth\n"
                                               "2. aggrandizement, enlargement, increase\n")};
        const QVector<DictdEntry> engFra{
            entry("accretion /əkriːʃən/\naccroissement, développement\n"),
            entry("growth /grouθ/\n1. accroissement\n2. développement\n"),
            entry("increase /inkriːs/\n1. accroître, agrander, amplifier, augmenter, étendre\n2. accroissement\n"
                  "3. grossir, s'accoître\n4. redoubler\n"),
            entry("enlargement /inlɑːdʒmənt/\naccroissement\n"),
            entry("aggrandizement /əgrændaizmənt/\naccroissement\n"),
        };
        const WordRanks ranks = ranksOf({{"increase", 3577}});
        const auto startsWith = [](const QString &english, const QString &) {
            return english != QLatin1String("increase");
        };
        const auto firstOf = [&](const QSet<QString> &linked, const QHash<QString, int> &uses) {
            QVector<DictdEntry> rows = fraEng;
            const auto links = [&](const QString &, const QString &english) { return linked.contains(english) ? 3 : 0; };
            std::function<int(const QString &)> usesOf;
            if (!uses.isEmpty())
                usesOf = [&uses](const QString &english) { return uses.value(english); };
            addReverseTranslations(rows, engFra, ranks, {}, links, {}, startsWith, {}, true, nullptr, usesOf);
            return rows.constFirst().translations.constFirst();
        };
        const QSet<QString> linked{"accretion", "growth", "increase"};
        QCOMPARE(firstOf(linked, {{"growth", 216}, {"accretion", 12}}), QStringLiteral("growth"));
        // Without the counts the dictionary's order holds; so it does where
        // the counts are too few to tell ("croasser: caw, croak", 1 and 4)
        // or the words are not linked ("apéritif: dram, nip, peg", where
        // "peg" is written often in other senses).
        QCOMPARE(firstOf(linked, {}), QStringLiteral("accretion"));
        QCOMPARE(firstOf(linked, {{"growth", 8}, {"accretion", 1}}), QStringLiteral("accretion"));
        QCOMPARE(firstOf({}, {{"growth", 216}, {"accretion", 12}}), QStringLiteral("accretion"));
    }

    void putsTheTwinFirstAmongEquallyLikelyWords()
    {
        // eng-fra lists the three words alphabetically, each one's fra-eng
        // row gives "flatter" alone, and no frequency list knows them.
        const QVector<DictdEntry> engFra{entry("flatter /flætər/\naduler, amadouer, flatter\n")};
        const QVector<DictdEntry> fraEng{
            entry("flatter /flate/ <v>\nflatter\n"),
            entry("aduler /adyle/ <v>\nflatter\n"),
            entry("amadouer /amadue/ <v>\nflatter\n"),
        };
        const auto firstOf = [&](const WordRanks &ranks, const QSet<QString> &linked) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(
                rows, fraEng, ranks, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; },
                [](const QString &) { return true; });
            return find(rows, QStringLiteral("flatter"))->translations.constFirst();
        };
        QCOMPARE(firstOf(noRanks(), {"aduler", "amadouer", "flatter"}), QStringLiteral("flatter"));
        // A word likelier by its rank, or the only one linked, keeps its lead.
        QCOMPARE(firstOf(ranksOf({{"aduler", 3000}}), {}), QStringLiteral("aduler"));
        QCOMPARE(firstOf(noRanks(), {"aduler"}), QStringLiteral("aduler"));
    }

    void putsALoneFirstSenseTwinBeforeEquallyRareWordsOfLaterSenses()
    {
        // No word of the row is ranked; "larder: buffet" gives "larder" the
        // main-sense bonus and eng-fra's alphabetical "bar, buffet" puts the
        // twin second, so "larder", of the second sense, led.
        const QVector<DictdEntry> fraEng{
            entry("buffet /byfɛ/ <n, masc>\n1. buffet\n2. larder, pantry, store-cupboard\n")};
        const QVector<DictdEntry> engFra{
            entry("buffet /bʌfi/\nbar, buffet\n"),
            entry("larder /lɑːdər/\nbuffet\n"),
            entry("pantry /pæntriː/\n1. buffet\n2. office, réserve\n"),
        };
        const auto firstOf = [&](const WordRanks &ranks, const QSet<QString> &linked) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; },
                [](const QString &word) { return word == QLatin1String("buffet"); },
                [](const QString &word, const QString &) { return word == QLatin1String("larder"); },
                {}, true);
            return find(rows, QStringLiteral("buffet"))->translations.constFirst();
        };
        QCOMPARE(firstOf(noRanks(), {}), QStringLiteral("buffet"));
        // A later word the frequency list knows, or one the links reach and
        // not the twin, keeps its lead.
        QCOMPARE(firstOf(ranksOf({{"larder", 4000}}), {}), QStringLiteral("larder"));
        QCOMPARE(firstOf(noRanks(), {"larder"}), QStringLiteral("larder"));
    }

    void putsAListedWordBeforeItsUnlistedDerivative()
    {
        // eng-fra: "tape: bande, bandeau"; fra-eng names "tape" in the third
        // sense of "bande" and in the one sense of "bandeau", so the places
        // made the headband the main word for "tape".
        const QVector<DictdEntry> engFra{entry("tape /teip/\nbande, bandeau\n")};
        const QVector<DictdEntry> fraEng{
            entry("bande /bɑ̃d/ <n, fem>\n1. bevy, collection, group, heap, herd, set\n2. band, gang\n"
                  "3. binding, tape\n4. ray, strip, stripe\n"),
            entry("bandeau /bɑ̃do/ <n, fem>\nbinding, strip, tape\n"),
        };
        const auto rowOf = [&](const WordRanks &ranks, const QSet<QString> &linked) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(rows, fraEng, ranks, {}, [&](const QString &, const QString &french) {
                return linked.contains(french) ? 1 : 0;
            });
            return find(rows, QStringLiteral("tape"))->translations;
        };
        const WordRanks ranks = ranksOf({{"bande", 1144}});
        QCOMPARE(rowOf(ranks, {"bande", "bandeau"}), (QStringList{"bande", "bandeau"}));
        QCOMPARE(rowOf(ranks, {}), (QStringList{"bande", "bandeau"}));
        // Not where the derivative alone is linked, nor where no list knows
        // the base either: then nothing says the base is the commoner word.
        QCOMPARE(rowOf(ranks, {"bandeau"}).constFirst(), QStringLiteral("bandeau"));
        QCOMPARE(rowOf(noRanks(), {}).constFirst(), QStringLiteral("bandeau"));
        // The same the other way: "marketplace: marché" starts with
        // "marché", where "market" names it third, by the alphabet.
        QVector<DictdEntry> marche{entry("marché /maʀʃe/ <n, masc>\n1. bazaar, fair, market\n2. sales activity\n"
                                         "3. marketplace\n")};
        const QVector<DictdEntry> english{entry("market /mɑːkit/\n1. bazar, foire, marché\n"),
                                          entry("marketplace /mɑːkitpleis/\nmarché\n")};
        addReverseTranslations(marche, english, ranksOf({{"market", 1487}}), {}, {}, {},
                               [](const QString &word, const QString &) { return word == QLatin1String("marketplace"); });
        QCOMPARE(find(marche, QStringLiteral("marché"))->translations.mid(0, 2),
                 (QStringList{"market", "marketplace"}));
    }

    void putsALinkedPhraseOfTheFirstSenseBeforeALaterSense()
    {
        // No English word names a female cat alone, and eng-fra has no row
        // of the phrase; fra-deu's "Katze" links its last word.
        const QVector<DictdEntry> fraEng{entry("chatte /ʃat/ <n, fem>\n1. female cat\n2. cunt, pussy\n")};
        const QVector<DictdEntry> engFra{entry("cunt /kʌnt/\nchatte, con\n"), entry("pussy /pusiː/\nchatte, con\n")};
        const WordRanks ranks = ranksOf({{"cat", 1659}, {"pussy", 2881}, {"cunt", 4883}});
        const auto rowOf = [&](const QSet<QString> &linked, const QVector<DictdEntry> &more) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra + more, ranks, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; }, {},
                [](const QString &, const QString &) { return false; }, {}, true);
            return rows.constFirst().translations;
        };
        QCOMPARE(rowOf({"cat", "pussy", "cunt"}, {}), (QStringList{"female cat", "pussy", "cunt"}));
        // Not where nothing links the phrase's noun, nor where the row gives
        // that noun by itself ("col: 1. mountain pass ... 3. collar" beside
        // eng-fra's "pass: 1. permission 2. col").
        QCOMPARE(rowOf({"pussy", "cunt"}, {}).constFirst(), QStringLiteral("pussy"));
        QCOMPARE(rowOf({"cat", "pussy", "cunt"}, {entry("cat /kæt/\nchat, chatte\n")}).constFirst(),
                 QStringLiteral("pussy"));
    }

    void putsTheDerivativeOfTheBaseWordsTranslationFirst()
    {
        // Neither word is ranked, and trans-de-en's "Rausch; Alkoholrausch;
        // Trunkenheit :: inebriety" links two German words of "ivresse" to
        // "inebriety"; "ivre: drunk" tells "drunkenness" is the word.
        const QVector<DictdEntry> engFra{entry("drunkenness /drʌŋkenəs/\nivresse\n"),
                                         entry("inebriety /inibraiətiː/\nivresse\n")};
        const auto firstOf = [&](const WordRanks &ranks, const QVector<DictdEntry> &bases) {
            QVector<DictdEntry> rows{entry("ivresse /ivʀɛs/ <n, fem>\ndrunkenness, inebriety\n")};
            rows += bases;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [](const QString &, const QString &word) { return word == QLatin1String("inebriety") ? 2 : 1; }, {},
                [](const QString &, const QString &) { return false; }, {}, true);
            return find(rows, QStringLiteral("ivresse"))->translations.constFirst();
        };
        const QVector<DictdEntry> ivre{entry("ivre /ivʀ/ <adj>\ndrunk, intoxicated\n")};
        QCOMPARE(firstOf(noRanks(), ivre), QStringLiteral("drunkenness"));
        // Without the base's row, or past a leader a frequency list knows,
        // the order stays; so it does where the base is no word's start
        // ("ivre: intoxicated").
        QCOMPARE(firstOf(noRanks(), {}), QStringLiteral("inebriety"));
        QCOMPARE(firstOf(ranksOf({{"inebriety", 4000}}), ivre), QStringLiteral("inebriety"));
        QCOMPARE(firstOf(noRanks(), {entry("ivre /ivʀ/ <adj>\nintoxicated\n")}), QStringLiteral("inebriety"));
    }

    void putsAWordWhoseEntryGivesTheHeadwordAloneBeforeARowsStartingWord()
    {
        // eng-fra: "bride: accordée, fiancée"; fra-eng gives "mariée" two
        // entries, "married" and "bride", and ranked, the merged row starts
        // with "married". "fiancée: bride, fiancée" starts with "bride".
        const QVector<DictdEntry> engFra{entry("bride /braid/\naccordée, fiancée\n")};
        const QVector<DictdEntry> fraEng{
            entry("accordée /akɔʀde/ <n, fem>\nbride, fiancée\n"),
            entry("fiancée /fjɑ̃se/ <n, fem>\nbride, fiancée\n"),
            entry("mariée /maʀje/ <adj>\nmarried\n"),
            entry("mariée /maʀje/ <n, fem>\nbride\n"),
        };
        QVector<DictdEntry> rows = engFra;
        addReverseTranslations(rows, fraEng, ranksOf({{"mariée", 1350}, {"fiancée", 2428}}), {}, {}, {},
                               [](const QString &french, const QString &) { return french != QStringLiteral("mariée"); });
        QCOMPARE(find(rows, QStringLiteral("bride"))->translations, (QStringList{"mariée", "fiancée", "accordée"}));
    }

    void putsTheHeadwordsLookAlikeBeforeAnEquallyRareLeader()
    {
        // No frequency list knows these words; fra-eng lists "incite" in
        // the second sense of "inciter", seventh by the alphabet, so the six
        // words of the cap had no room for it.
        const QVector<DictdEntry> engFra{
            entry("incite /insait/\n1. agiter, débattre, émouvoir, troubler\n2. agacer, irriter\n3. provoquer\n"
                  "4. inciter\n")};
        const QVector<DictdEntry> fraEng{
            entry("agiter /aʒite/ <v>\n1. abet, agitate, incite, stir up\n2. brandish, fling, swing, wave, wave about\n"),
            entry("débattre /debatʀ/ <v>\n1. abet, agitate, incite, stir up\n2. beat off, knock off, strike off\n"
                  "3. discuss\n"),
            entry("émouvoir /emuvwaʀ/ <vt>\n1. abet, agitate, incite, stir up\n2. move, stir\n3. affect\n"),
            entry("troubler /tʀuble/ <v>\n1. abet, agitate, incite, stir up\n2. confuse, puzzle\n"),
            entry("irriter /iʀite/ <v>\nabet, excite, incite, provoke, rouse, stimulate, stir up\n"),
            entry("agacer /agase/ <v>\n1. tease, pester\n2. abet, excite, incite, provoke, rouse, stimulate, stir up\n"
                  "3. aggravate, annoy\n"),
            entry("inciter /ɛ̃site/ <v>\n1. encourage, impel, instigate, spur on, stimulate, urge\n"
                  "2. incite, rouse, spur, stir up\n"),
            entry("provoquer /pʀovɔke/ <v>\ndefy, incite, provoke\n"),
        };
        const auto firstOf = [&](const WordRanks &ranks, const QSet<QString> &unlinked) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(rows, fraEng, ranks, {}, [&](const QString &, const QString &french) {
                return unlinked.contains(french) ? 0 : 1;
            });
            return find(rows, QStringLiteral("incite"))->translations.constFirst();
        };
        QCOMPARE(firstOf(noRanks(), {"provoquer"}), QStringLiteral("inciter"));
        // A leader the frequency list knows keeps its place, and an unlinked
        // look-alike does not pass a linked leader.
        QCOMPARE(firstOf(ranksOf({{"agiter", 4000}}), {"provoquer"}), QStringLiteral("agiter"));
        QCOMPARE(firstOf(noRanks(), {"provoquer", "inciter"}), QStringLiteral("agiter"));
        // A row that gives the headword itself has its twin: another
        // look-alike ("abolition") does not pass the leader.
        QVector<DictdEntry> abrogation{entry("abrogation /æbrəgeiʃən/\n1. abolition, abrogation, annulation\n")};
        addReverseTranslations(abrogation,
                               {entry("abolition /abɔlisjɔ̃/ <n, fem>\nabolition, abrogation\n"),
                                entry("annulation /anylasjɔ̃/ <n, fem>\nabolition, abrogation\n"),
                                entry("abrogation /abʀɔgasjɔ̃/ <n, fem>\nabolition, abrogation\n")},
                               noRanks(), {}, [](const QString &, const QString &) { return 1; }, {},
                               [](const QString &french, const QString &) { return french == QLatin1String("annulation"); });
        QCOMPARE(find(abrogation, QStringLiteral("abrogation"))->translations.constFirst(), QStringLiteral("annulation"));
    }

    void putsTheLeadersKinBeforeEquallyRareWordsOfLaterSenses()
    {
        // Only "measure" is ranked; eng-fra's alphabetical "tact: mesure,
        // tact" gives "tact" the main-sense bonus and "measurement" has
        // "mesure" third, so the later sense's "tact" came second.
        const QVector<DictdEntry> fraEng{
            entry("mesure /məzyʀ/ <n, fem>\n1. measure, measurement\n2. musical time, tact\n")};
        const QVector<DictdEntry> engFra{
            entry("measure /meʒər/\n1. mesurer\n2. mesure, taille\n"),
            entry("measurement /meʒəmənt/\n1. dimension, taille\n2. mesure\n"),
            entry("musical time /mjuːzikltaim/\nmesure, tact\n"),
            entry("tact /tækt/\nmesure, tact\n"),
        };
        const auto rowOf = [&](const WordRanks &ranks, const QSet<QString> &linked) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 2 : 0; }, {},
                [](const QString &word, const QString &) { return word == QLatin1String("tact"); }, {}, true);
            return find(rows, QStringLiteral("mesure"))->translations;
        };
        const WordRanks ranks = ranksOf({{"measure", 4075}});
        QCOMPARE(rowOf(ranks, {"measure", "measurement", "tact"}).mid(0, 3),
                 (QStringList{"measure", "measurement", "tact"}));
        // A later word the frequency list knows, or the only linked one of
        // the two, keeps its place.
        QCOMPARE(rowOf(ranksOf({{"measure", 4075}, {"tact", 4500}}), {"measure", "measurement", "tact"}).mid(0, 3),
                 (QStringList{"measure", "tact", "measurement"}));
        QCOMPARE(rowOf(ranks, {"measure", "tact"}).mid(0, 3), (QStringList{"measure", "tact", "measurement"}));
    }

    void putsTheFirstSenseBeforeALaterOneOnlyTheOtherDirectionConfirms()
    {
        // eng-fra translates "closet" and "cupboard" as "armoire" only, so
        // only the second sense was confirmed, though fra-deu links both.
        const QVector<DictdEntry> fraEng{entry(
            "placard /plakaʀ/ <n, masc>\n1. cupboard, closet, wardrobe\n2. notice, placard, poster\n")};
        const QVector<DictdEntry> engFra{
            entry("closet /klɔzit/\narmoire\n"),
            entry("cupboard /kʌbəd/\narmoire\n"),
            entry("notice /noutis/\n1. affiche, placard\n2. discerner, percevoir, saisir\n"),
            entry("placard /plækɑːd/\n1. afficher\n2. affiche, placard\n3. agglutiner, coller\n"),
            entry("poster /pɔstər/\naffiche, placard\n"),
        };
        const QSet<QString> linked{"closet", "cupboard", "notice", "placard", "poster"};
        const auto rowOf = [&](const WordRanks &ranks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) { return linked.contains(word) ? 1 : 0; }, {},
                [](const QString &, const QString &) { return false; }, {}, true);
            return find(rows, QStringLiteral("placard"))->translations;
        };
        QCOMPARE(rowOf(ranksOf({{"notice", 1168}, {"closet", 2796}})).mid(0, 4),
                 (QStringList{"closet", "cupboard", "wardrobe", "notice"}));
        // A first-sense word no likelier, or one the list lacks, does not.
        QCOMPARE(rowOf(ranksOf({{"notice", 100}, {"closet", 2796}})).constFirst(), QStringLiteral("notice"));
        QCOMPARE(rowOf(ranksOf({{"notice", 1168}})).constFirst(), QStringLiteral("notice"));
    }

    void putsAnUnlinkedFirstSenseWordOfTheStemBeforeALinkedLaterSense()
    {
        // fra-deu's "gerade" links "exactly" alone; eng-fra gives
        // "proprement" fifth in "exactly" and second in "properly".
        const QVector<DictdEntry> fraEng{
            entry("proprement /pʀopʀəmɑ̃/ <adv>\n1. decently, properly\n2. appropriately\n"
                  "3. in the final analysis\n4. just, exactly, okay, right\n")};
        const QVector<DictdEntry> engFra{
            entry("properly /prɔpəliː/\nconvenablement, proprement\n"),
            entry("decently /diːsentliː/\nconvenablement, proprement\n"),
            entry("exactly /igzætliː/\n1. à l'heure, précisément\n2. exactement, justement\n3. proprement\n"),
        };
        const auto firstOf = [&](const WordRanks &ranks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [](const QString &, const QString &word) { return word == QLatin1String("exactly") ? 1 : 0; }, {},
                [](const QString &, const QString &) { return false; }, {}, true);
            return find(rows, QStringLiteral("proprement"))->translations.constFirst();
        };
        QCOMPARE(firstOf(ranksOf({{"exactly", 388}, {"properly", 2298}})), QStringLiteral("properly"));
        // Not where the stem's word is clearly rarer.
        QCOMPARE(firstOf(ranksOf({{"exactly", 20}, {"properly", 2298}})), QStringLiteral("exactly"));
    }

    void putsAWordBeforeItsCompound()
    {
        // fra-deu: "café: Kaffee, Café, Kaffeehaus"; trans-de-en gives
        // "coffee-house" for "Café" and "Kaffeehaus", "coffee" for "Kaffee"
        // alone, so the compound gets the more links.
        const QVector<DictdEntry> fraEng{entry("café /kafe/ <n, masc>\n1. café, coffee-house\n2. coffee\n")};
        const QVector<DictdEntry> engFra{
            entry("café /kafˈeɪ/\ncafé\n"),
            entry("coffee‐house /kˈɒfi hˈaʊs/\ncafé\n"),
            entry("coffee /kɔfiː/\ncafé\n"),
        };
        const WordRanks ranks = ranksOf({{"house", 300}, {"coffee", 1000}, {"café", 5000}});
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(rows, engFra, ranks, {}, [](const QString &, const QString &english) {
            return english == QLatin1String("coffee") ? 1 : 2;
        });
        QCOMPARE(find(rows, "café")->translations, QStringList({"coffee", "coffee-house", "café"}));
        // A compound linked where its word is not keeps its place before it.
        QVector<DictdEntry> compoundOnly = fraEng;
        addReverseTranslations(compoundOnly, engFra, ranks, {}, [](const QString &, const QString &english) {
            return english == QLatin1String("coffee-house") ? 1 : 0;
        });
        QCOMPARE(find(compoundOnly, "café")->translations.constFirst(), QStringLiteral("coffee-house"));
        // In the row of a phrase too, for a hyphenated compound: eng-fra
        // gives "fer à repasser" third for "iron", first for "flat-iron".
        QVector<DictdEntry> iron{entry("fer à repasser /feaʀəpase/ <n, masc>\niron, flat-iron\n")};
        const QVector<DictdEntry> ironBack{
            entry("flat‐iron /flˈat ˈaɪən/\nfer à repasser\n"),
            entry("iron /aiən/\n1. fer\n2. repasser\n3. fer à repasser\n"),
        };
        addReverseTranslations(iron, ironBack, ranksOf({{"flat", 300}, {"iron", 1500}}));
        QCOMPARE(find(iron, "fer à repasser")->translations, QStringList({"iron", "flat-iron"}));
    }

    void writesAHyphenatedWordTheSourcesWriteApartAsOneWord()
    {
        // fra-eng and eng-fra write "quelques-uns" apart; "quelque chose" is
        // a phrase and stays open, and so does an open form fra-deu knows
        // ("petit déjeuner", beside "petit-déjeuner"). The word list holds
        // "bande-vidéo" too, but fra-deu writes "jeu vidéo" and "conférence
        // vidéo" apart: "vidéo" follows a noun apart.
        QVector<DictdEntry> fraEng{
            entry("quelques uns /kɛlkœ̃/\na few, some\n"),
            entry("quelque chose /kɛlkʃoz/\nsomething\n"),
            entry("bande vidéo /bɑ̃dvideo/ <n, fem>\nvideo-tape\n"),
            entry("petit déjeuner /pətideʒœne/ <n, masc>\nbreakfast\n"),
        };
        QVector<DictdEntry> engFra{
            entry("a few /əfjuː/\n1. quelque, quelques uns\n2. quelques\n"),
            entry("something /sʌmθiŋ/\nquelque chose\n"),
            entry("video‐tape /vˈɪdɪəʊ tˈeɪp/\nbande vidéo\n"),
        };
        const QSet<QString> fraDeu{"petit déjeuner", "petit-déjeuner"};
        const QSet<QString> listed{"quelques-uns", "bande-vidéo", "petit-déjeuner"};
        const QSet<QString> apart = wordsWrittenApartAfterOthers(
            {"bande dessinée", "bandeannonce", "conférence vidéo", "jeu vidéo", "vidéo", "vidéoclip",
             "après la pluie le beau temps", "petit déjeuner"});
        QCOMPARE(apart, QSet<QString>({"vidéo"}));
        const int changed = joinOpenCompounds(
            engFra, fraEng, [&fraDeu](const QString &word) { return fraDeu.contains(word); },
            [&listed](const QString &word) { return listed.contains(word); }, apart);
        QCOMPARE(changed, 2);
        QCOMPARE(headwords(fraEng), QStringList({"quelques-uns", "quelque chose", "bande vidéo", "petit déjeuner"}));
        QCOMPARE(engFra.at(0).translations, QStringList({"quelque", "quelques-uns", "quelques"}));
        QCOMPARE(engFra.at(1).translations, QStringList({"quelque chose"}));
        QCOMPARE(engFra.at(2).translations, QStringList({"bande vidéo"}));
        // Only two words joined by one hyphen.
        QCOMPARE(hyphenatedForm(QStringLiteral("une certaine quantité")), QString());
        QCOMPARE(hyphenatedForm(QStringLiteral("quelques")), QString());
    }
    void givesTheKeptPlacesToDifferentWords()
    {
        // fra-deu links "impel" and "spur on" twice and "incite" once; the
        // rest of "inciter" is unlinked and no word is ranked, so "spur"
        // (eng-fra gives "inciter" alone) took the fifth place and "urge"
        // fell past the sixth.
        const QVector<DictdEntry> fraEng{entry("inciter /ɛ̃site/ <v>\n"
                                               "1. encourage, impel, instigate, spur on, stimulate, urge\n"
                                               "2. incite, rouse, spur, stir up\n")};
        const auto rowOf = [&](const char *urge) {
            const QVector<DictdEntry> engFra{
                entry("impel /impel/\n1. inciter, pousser à\n"
                      "2. amener à, faire avancer, pourchasser, poursuivre, pousser\n"),
                entry("spur on /spəːrwʌn/\ninciter, pousser à\n"),
                entry("incite /insait/\n1. agiter, débattre, émouvoir, troubler\n2. agacer, irriter\n"
                      "3. provoquer\n4. inciter\n"),
                entry("instigate /instigeit/\ninciter, pousser à\n"),
                entry("spur /spəːr/\ninciter\n"),
                entry("encourage /inkʌridʒ/\n1. inciter, pousser à\n2. réconforter\n"),
                entry(urge),
                entry("stimulate /stimjuleit/\n1. agacer, irriter\n2. inciter, pousser à\n3. stimuler\n"),
                entry("rouse /rauz/\n1. exciter, hérisser\n2. agacer, irriter\n3. inciter\n4. stimuler\n"),
            };
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, noRanks(), {},
                [](const QString &, const QString &word) {
                    return word == QLatin1String("impel") || word == QLatin1String("spur on")
                               ? 2
                               : word == QLatin1String("incite") ? 1 : 0;
                },
                {},
                [](const QString &word, const QString &) {
                    return word == QLatin1String("impel") || word == QLatin1String("instigate")
                           || word == QLatin1String("spur");
                },
                {}, true);
            return find(rows, QStringLiteral("inciter"))->translations.mid(0, kMaxFrenchTranslations);
        };
        const QStringList kept = rowOf("urge /əːdʒ/\n1. inciter, pousser à\n2. être urgent, presser\n");
        QVERIFY2(kept.contains(QStringLiteral("urge")) && kept.contains(QStringLiteral("spur on"))
                     && !kept.contains(QStringLiteral("spur")),
                 qPrintable(kept.join(u',')));
        // A waiting word whose own row gives the headword in a later sense
        // only is no main sense; the phrasal verb keeps its place.
        const QStringList side = rowOf("urge /əːdʒ/\n1. être urgent, presser\n2. inciter, pousser à\n");
        QVERIFY2(side.contains(QStringLiteral("spur")) && !side.contains(QStringLiteral("urge")),
                 qPrintable(side.join(u',')));

        // "glamor" and "glamour" are one word: the second spelling leaves its
        // place to "prestige".
        const QVector<DictdEntry> gloire{
            entry("gloire /glwaʀ/ <n, fem>\n1. fame, glory, renown\n2. merit\n3. glamor, glamour, prestige\n")};
        const QVector<DictdEntry> english{
            entry("fame /feim/\n1. renommée, réputation\n2. rennomée\n3. gloire\n"),
            entry("glory /glɔːriː/\ngloire, renommée, réputation\n"),
            entry("renown /rinaun/\n1. distinction\n2. renommée, réputation\n3. rennomée\n4. gloire\n"),
            entry("merit /merit/\n1. mériter\n2. gloire, mérite\n"),
            entry("glamor /glæmər/\ngloire, prestige\n"),
            entry("glamour /glæmər/\ngloire, prestige\n"),
            entry("prestige /prestiːʒ/\ngloire, prestige\n"),
        };
        QVector<DictdEntry> rows = gloire;
        addReverseTranslations(rows, english, noRanks(), {}, {}, {}, {}, {}, true);
        const QStringList glory = find(rows, QStringLiteral("gloire"))->translations;
        QCOMPARE(glory.size(), 7);
        QVERIFY2(glory.mid(0, kMaxFrenchTranslations).contains(QStringLiteral("prestige"))
                     && glory.constLast() == QLatin1String("glamour"),
                 qPrintable(glory.join(u',')));
        // Apart from the cut, both spellings keep their places.
        rows = gloire;
        addReverseTranslations(rows, english, noRanks(), {}, {}, {}, {}, {}, false);
        QVERIFY(find(rows, QStringLiteral("gloire"))->translations.indexOf(QStringLiteral("glamour"))
                < find(rows, QStringLiteral("gloire"))->translations.indexOf(QStringLiteral("prestige")));
    }
    void keepsTheFirstSenseBeforeFilledInSideSensesAtTheCut()
    {
        // eng-fra gives "rassurer" in the last sense of "still" and "quiet";
        // filled in and commoner, they kept "quieten" and "assure", which
        // eng-fra does not translate back, out of the six.
        const QVector<DictdEntry> fraEng{
            entry("rassurer /ʀasyʀe/ <v>\nreassure, assure, appease, calm, quieten, soothe\n")};
        const QVector<DictdEntry> engFra{
            entry("still /stil/\n1. encore\n2. abattre, rassurer\n"),
            entry("quiet /kwaiət/\n1. calme, quiet, paisible, tranquille\n2. repos\n3. abattre, rassurer\n"),
            entry("appease /əpiːz/\nabattre, rassurer\n"),
            entry("soothe /suːð/\nabattre, rassurer\n"),
            entry("calm /kɑːm/\n1. calme, quiet, paisible, tranquille\n2. repos\n3. abattre, rassurer\n"),
        };
        const WordRanks ranks = ranksOf({{"still", 138}, {"quiet", 641}, {"calm", 668}, {"assure", 2760}});
        const auto rowOf = [&](const QString &startingWithIt) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [](const QString &, const QString &word) { return word == QLatin1String("assure") ? 0 : 1; }, {},
                [&](const QString &word, const QString &) { return word == startingWithIt; }, {}, true);
            return find(rows, QStringLiteral("rassurer"))->translations;
        };
        const QStringList row = rowOf(QStringLiteral("reassure"));
        QVERIFY2(row.mid(0, kMaxFrenchTranslations).contains(QStringLiteral("quieten"))
                     && row.mid(0, kMaxFrenchTranslations).contains(QStringLiteral("assure"))
                     && row.mid(kMaxFrenchTranslations) == QStringList({"still", "quiet"}),
                 qPrintable(row.join(u',')));
        // A filled-in word whose own row, ranked, starts with the headword
        // keeps its place.
        QVERIFY2(rowOf(QStringLiteral("still")).mid(0, kMaxFrenchTranslations).contains(QStringLiteral("still")),
                 qPrintable(rowOf(QStringLiteral("still")).join(u',')));
    }

    void keepsTheMainSenseBeforeACommonWordListedFarDown()
    {
        // eng-fra gives "contre" seventh in "on"; its place weighs no more
        // than the sixth, and "on", common, kept "in exchange for" out.
        const QVector<DictdEntry> fraEng{
            entry("contre /kɔ̃tʀ/ <adv>\n1. across from, against, in exchange for, opposed to, opposite, upon\n"
                  "2. on\n")};
        const QVector<DictdEntry> engFra{
            entry("on /wʌn/\n1. en avant\n2. à, au milie de, en, dans, parmi\n3. de\n4. au moyen de, par\n"
                  "5. plus\n6. au sujet de\n7. contre, sur\n"),
            entry("against /əgenst/\ncontre, en face de\n"),
            entry("opposite /ɔpəzit/\n1. vis‐à‐vis\n2. contre, en face de\n3. opposé\n"),
            entry("upon /əpɔn/\n1. de, en\n2. contre, en face de\n3. au sujet de\n4. à, sur\n"),
            entry("across from /əkrɔsfrɔm/\ncontre, en face de\n"),
            entry("opposed to /əpouzdtou/\ncontre, en face de\n"),
            entry("in exchange for /inikstʃeindʒfər/\ncontre, en face de\n"),
        };
        const WordRanks ranks = ranksOf({{"on", 19}, {"for", 17}, {"from", 69}, {"to", 4}, {"in", 11},
                                         {"against", 431}, {"across", 817}, {"upon", 1074},
                                         {"exchange", 2389}, {"opposite", 2644}});
        const auto rowOf = [&](const char *linked) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) {
                    return word == QLatin1String("against") || word == QLatin1String(linked) ? 1 : 0;
                },
                {}, [](const QString &, const QString &) { return false; }, {}, true);
            return find(rows, QStringLiteral("contre"))->translations;
        };
        const QStringList row = rowOf("");
        QVERIFY2(row.mid(0, kMaxFrenchTranslations).contains(QStringLiteral("in exchange for"))
                     && row.constLast() == QLatin1String("on"),
                 qPrintable(row.join(u',')));
        // A German word linking it vouches for it.
        QVERIFY2(rowOf("on").mid(0, kMaxFrenchTranslations).contains(QStringLiteral("on")), qPrintable(rowOf("on").join(u',')));
    }

    void keepsAWordOfACopiedListLinkedElsewhereBehindOneThatIsNot()
    {
        // eng-fra copies the list of "hideous" into the first sense of
        // "alien" and "gruesome"; only "alien" is common, by its sense
        // "étranger", and no German word of "hideux" reaches either.
        const QVector<DictdEntry> engFra{
            entry("abhorrent /əbhɔrənt/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("abominable /əbɔminəbl/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("alien /eiliən/\n1. abject, abominable, hideux, horrible, odieux\n2. étranger\n"
                  "3. contradictoire, opposé\n"),
            entry("awful /ɔːfəl/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("gruesome /gruːsəm/\n1. abject, abominable, hideux, horrible, odieux\n2. affreux, terrible\n"),
            entry("hideous /hidiəs/\nabject, abominable, hideux, horrible, odieux\n"),
            entry("horrible /hɔrəbl/\n1. abject, abominable, hideux, horrible, odieux\n2. atroce, féroce\n"),
        };
        const WordRanks ranks = ranksOf({{"awful", 1341}, {"horrible", 1497}, {"alien", 2437}});
        const auto keptOf = [&](bool alienLinkedElsewhere) {
            QVector<DictdEntry> rows{
                entry("hideux /idø/ <adj>\nabhorrent, abominable, alien, awful, hideous, horrible, gruesome\n")};
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &french, const QString &english) {
                    if (english == QLatin1String("alien"))
                        return alienLinkedElsewhere && french == QStringLiteral("étranger") ? 1 : 0;
                    return french == QLatin1String("hideux") && english != QLatin1String("gruesome") ? 1 : 0;
                },
                {}, [](const QString &, const QString &) { return false; }, {}, true);
            return rows.constFirst().translations.mid(0, kMaxFrenchTranslations);
        };
        QVERIFY(keptOf(true).contains(QStringLiteral("gruesome")));
        QVERIFY(!keptOf(true).contains(QStringLiteral("alien")));
        QVERIFY(keptOf(false).contains(QStringLiteral("alien")));
    }

    void keepsAWordANoteNarrowsToASideSenseBehindThePlainFirstSense()
    {
        // fra-eng: "pile: 1. pile, stack 2. battery (of electrovoltiac
        // cells) 3. pier (of wall or structure)" and "frêne: ash (tree)";
        // fra-deu's "Pfeiler" links "pile" to "pier", and two German words
        // link "frêne" to "ash".
        const QVector<DictdEntry> fraEng{
            withNotesOff("pile /pil/ <n, fem>\n1. pile, stack\n2. battery (of electrovoltiac cells)\n"
                         "3. pier (of wall or structure)\n",
                         {"battery", "pier"}),
            entry("débarcadère /debaʀkadɛʀ/ <n, masc>\nlanding-stage, pier, wharf\n"),
            withNotesOff("frêne /fʀɛn/ <n, masc>\nash (tree)\n", {"ash"}),
            entry("cendre /sɑ̃dʀ/ <n, fem>\nash, cinder\n"),
            withNotesOff("darne /daʀn/ <n, fem>\n(fish) steak\n", {"steak"}),
            entry("bifteck /biftɛk/ <n, masc>\nsteak, beefsteak\n"),
            withNotesOff("étal /etal/ <n, masc>\n(market) stall\n", {"stall"}),
            entry("écurie /ekyʀi/ <n, fem>\nstable, stall, sty\n"),
        };
        const QVector<DictdEntry> engFra{
            entry("pier /piər/\ndébarcadère\n"),
            entry("ash /əʃou/\n1. cendre\n2. frêne\n"),
            entry("steak /steik/\nbifteck\n"),
            entry("stall /stɔːl/\nécurie, étable\n"),
        };
        QVector<DictdEntry> rows = engFra;
        addReverseTranslations(
            rows, fraEng, noRanks(), {},
            [](const QString &, const QString &french) {
                return french == QLatin1String("pile") ? 1 : french == QString::fromUtf8("frêne") ? 2 : 0;
            },
            {}, [](const QString &french, const QString &) {
                return french == QLatin1String("darne") || french == QString::fromUtf8("étal");
            });
        QCOMPARE(find(rows, "pier")->translations, QStringList({QString::fromUtf8("débarcadère"), "pile"}));
        QCOMPARE(find(rows, "ash")->translations, QStringList({"cendre", QString::fromUtf8("frêne")}));
        // A narrowed word only filled in gives way to the own word whose row
        // starts with the headword, not to one further down its row.
        QCOMPARE(find(rows, "steak")->translations, QStringList({"bifteck", "darne"}));
        QCOMPARE(find(rows, "stall")->translations.constFirst(), QString::fromUtf8("étal"));
    }

    void putsTheOwnFirstTwinBeforeALeaderWithATwinOfItsOwn()
    {
        // fra-eng: "intention: intention, meaning, plan"; eng-fra copies
        // "dessein, intention, propos" into the rows of all three words, and
        // gives "plan" its own twin in a later sense.
        const QVector<DictdEntry> fraEng{entry("intention /ɛ̃tɑ̃tjɔ̃/ <n, fem>\nintention, meaning, plan\n"),
                                         entry("bureau /byʀo/ <n, masc>\nbureau, office\n")};
        const QVector<DictdEntry> engFra{
            entry("intention /intenʃən/\ndessein, intention, propos\n"),
            entry("meaning /miːniŋ/\n1. dessein, intention, propos\n2. sens, signification\n3. importance\n"),
            entry("plan /plæn/\n1. dessein, intention, propos\n2. plan, projet\n3. projeter\n4. esquisser\n"),
            entry("bureau /bjeərou/\nbureau\n"),
            entry("office /ɔfis/\n1. bureau\n2. emploi, fonction, office, service\n"),
        };
        const WordRanks english =
            ranksOf({{"office", 300}, {"plan", 556}, {"meaning", 1580}, {"intention", 3768}, {"bureau", 3900}});
        const auto rowOf = [&](QVector<DictdEntry> reverse, const char *headword) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, reverse, english, {},
                [](const QString &, const QString &word) { return word == QLatin1String("meaning") ? 0 : 1; }, {},
                [](const QString &word, const QString &french) {
                    return word == QLatin1String("office") && french == QLatin1String("bureau");
                },
                {}, true);
            return find(rows, QString::fromUtf8(headword))->translations;
        };
        QCOMPARE(rowOf(engFra, "intention"), QStringList({"intention", "plan", "meaning"}));
        // "office", whose own row starts with "bureau", stays first.
        QCOMPARE(rowOf(engFra, "bureau").constFirst(), QStringLiteral("office"));
        // Not where "plan" has no twin of its own, nor where eng-fra does
        // not give the twin back: it may be a false friend.
        QVector<DictdEntry> noOwnTwin = engFra;
        noOwnTwin[2] = entry("plan /plæn/\n1. dessein, intention, propos\n2. projet\n");
        QCOMPARE(rowOf(noOwnTwin, "intention").constFirst(), QStringLiteral("plan"));
        QVector<DictdEntry> notBack = engFra;
        notBack[0] = entry("intention /intenʃən/\ndessein, propos\n");
        QCOMPARE(rowOf(notBack, "intention").constFirst(), QStringLiteral("plan"));
    }

    void putsTheOwnFirstSenseBeforeALaterLeaderMeaningItsTwin()
    {
        // No frequency list knows the words of "rush"; fra-eng's
        // alphabetical "congestion: congestion, rush" put "rush" a place
        // higher than "se dépêcher: go fast, hurry, rush" did, so the later
        // sense's "congestion" led. "suite" and "parti", common words, give
        // "supporters" only far down in a later sense.
        const QVector<DictdEntry> engFra{
            entry("rush /rʌʃ/\n1. se dépêcher\n2. afflux, afflux de sang, congestion\n"),
            entry("supporters /səpɔːtəz/\n1. adhérents, parti\n2. suite\n"),
        };
        const QVector<DictdEntry> fraEng{
            entry("congestion /kɔ̃ʒɛstjɔ̃/ <n, fem>\ncongestion, rush\n"),
            entry("afflux /afly/ <n, masc>\n1. flood\n2. congestion, rush\n"),
            entry("afflux de sang /aflydəsɑ̃/ <n, masc>\nrush of blood\n"),
            entry("se dépêcher /sədepeʃe/ <v>\ngo fast, hurry, rush\n"),
            entry("se dépêcher /sədepeʃe/ <vi>\nhurry\n"),
            entry("adhérents /adeʀɑ̃t/ <n>\nadherents, disciples, followers, following, party members, supporters\n"),
            entry("parti /paʀti/ <n, fem>\n1. decision-making\n2. faction, party, side\n"
                  "3. adherents, disciples, followers, following\n4. supporters\n"),
            entry("suite /sɥit/ <n, fem>\n1. suite, train\n2. continuation\n3. consequence, consistency\n"
                  "4. result\n5. adherents, disciples, followers, following, party, supporters\n6. order\n"),
        };
        const WordRanks french = ranksOf({{"suite", 365}, {"parti", 384}});
        const auto rowOf = [&](const QVector<DictdEntry> &reverse, const char *headword,
                               const QSet<QString> &linked = {}) {
            QVector<DictdEntry> rows = engFra;
            addReverseTranslations(rows, reverse, french, {}, [&linked](const QString &, const QString &word) {
                return linked.contains(word) ? 1 : 0;
            });
            return find(rows, QString::fromUtf8(headword))->translations;
        };
        QCOMPARE(rowOf(fraEng, "rush"), QStringList({"se dépêcher", "congestion", "afflux", "afflux de sang"}));
        QCOMPARE(rowOf(fraEng, "supporters"), QStringList({"adhérents", "suite", "parti"}));
        // An unlinked word of the first sense does not pass a linked leader.
        QCOMPARE(rowOf(fraEng, "rush", {"congestion"}).constFirst(), QStringLiteral("congestion"));
        // A twin further down the leader's row (the row changed) is one word
        // among others.
        QVector<DictdEntry> twinLater = fraEng;
        twinLater[0] = entry("congestion /kɔ̃ʒɛstjɔ̃/ <n, fem>\ncrowding, rush, congestion\n");
        QCOMPARE(rowOf(twinLater, "rush").constFirst(), QStringLiteral("congestion"));
    }

    void putsTheAgreedLoneFirstSenseBeforeALookAlikeOfALaterSense()
    {
        // fra-eng 18496-18498 and eng-fra 18516-18517 agree that "épine" is
        // "thorn" first; eng-fra 17311-17312 gives "spine" the headword only
        // second, yet "spine" looks like "épine" and led on that alone.
        const QVector<DictdEntry> fraEng{entry("épine /epin/ <n, fem>\n1. thorn\n2. spine\n")};
        const QVector<DictdEntry> engFra{
            entry("thorn /θɔːn/\népine\n"),
            entry("spine /spain/\n1. colonne vertébrale, épine, épine dorsale\n"),
        };
        const auto firstOf = [&](const WordRanks &ranks, int spineLinks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) { return word == QLatin1String("spine") ? spineLinks : 2; },
                {}, [](const QString &, const QString &french) { return french == QLatin1String("épine"); }, {},
                true);
            return find(rows, QStringLiteral("épine"))->translations.constFirst();
        };
        QCOMPARE(firstOf(noRanks(), 2), QStringLiteral("thorn"));
        // A look-alike the frequency list knows, or one more German words
        // link ("inspirer: 1. inhale 2. inspire"), is the everyday word.
        QCOMPARE(firstOf(ranksOf({{"spine", 3000}}), 2), QStringLiteral("spine"));
        QCOMPARE(firstOf(noRanks(), 3), QStringLiteral("spine"));
        // In eng-fra's rows, whose sense order the links and look rank
        // (firstSenseFirst not set), the first sense does not lead.
        QVector<DictdEntry> rows = fraEng;
        addReverseTranslations(
            rows, engFra, noRanks(), {}, [](const QString &, const QString &) { return 2; }, {},
            [](const QString &, const QString &french) { return french == QLatin1String("épine"); }, {}, false);
        QCOMPARE(find(rows, QStringLiteral("épine"))->translations.constFirst(), QStringLiteral("spine"));
    }

    void putsTheAgreedFirstSenseBeforeAnUnlinkedLastSenseLeader()
    {
        // fra-eng 9437-9441 numbers four senses; no German word links any of
        // them. eng-fra 5703-5704 and 18535-18536 give "gronder" first by
        // its letters, 16359-16361 and 3399-3400 give it third, so "blame"
        // (en.txt 1139) and "threaten" (4608) led and the cut of six left
        // "scold" out.
        const QVector<DictdEntry> fraEng{entry("gronder /gʀɔ̃de/ <v>\n1. admonish, scold\n2. menace, threaten\n"
                                               "3. howl, roar\n4. blame, rebuke, reproach, reprove\n")};
        const QVector<DictdEntry> engFra{
            entry("admonish /ədmɔniʃ/\nadmonester, exhorter, gronder, sermonner, sommer\n"),
            entry("blame /bleim/\ngronder, reprendre, réprimander, reprocher, sermonner\n"),
            entry("howl /haul/\n1. hurler\n2. gronder, mugir\n"),
            entry("menace /menəs/\n1. gronder, menacer\n2. menace\n"),
            entry("rebuke /ribjuːk/\n1. repousser\n2. gronder, reprendre, réprimander, reprocher, sermonner\n"),
            entry("reproach /riproutʃ/\n1. gronder, reprendre, réprimander, reprocher, sermonner\n2. reproche\n"),
            entry("reprove /ripruːv/\n1. gronder, reprendre, réprimander, reprocher, sermonner\n"),
            entry("roar /rɔːr/\ngronder, mugir\n"),
            entry("scold /skould/\n1. admonester, exhorter, gronder, sermonner, sommer\n"
                  "2. reprendre, réprimander, reprocher\n"),
            entry("threaten /θretn/\ngronder, menacer\n"),
        };
        const WordRanks ranks = ranksOf({{"blame", 1139}, {"threaten", 4608}});
        const auto rowOf = [&](int blameLinks) {
            QVector<DictdEntry> rows = fraEng;
            addReverseTranslations(
                rows, engFra, ranks, {},
                [&](const QString &, const QString &word) { return word == QLatin1String("blame") ? blameLinks : 0; },
                {}, [](const QString &, const QString &) { return false; }, {}, true);
            keepLeadingTranslations(rows, kMaxFrenchTranslations);
            return find(rows, QStringLiteral("gronder"))->translations;
        };
        const QStringList row = rowOf(0);
        QCOMPARE(row.mid(0, 2), QStringList({"admonish", "scold"}));
        QCOMPARE(row.size(), kMaxFrenchTranslations);
        QCOMPARE(row.at(2), QStringLiteral("blame"));
        // Where a third pair links the leader, the links tell its sense is
        // the main one and it keeps its place.
        QCOMPARE(rowOf(1).constFirst(), QStringLiteral("blame"));
        // Two numbered senses name no farthest side sense
        // ("sommer: 1. admonish, scold 2. command, order, tell").
        QVERIFY(entry("sommer /sɔme/ <v>\n1. admonish, scold\n2. command, order, tell\n").lastSense.isEmpty());
        QCOMPARE(fraEng.constFirst().lastSense, QStringList({"blame", "rebuke", "reproach", "reprove"}));
    }

    void putsAVerbBeforeANounLeaderInAVerbsRow()
    {
        // fra-eng 5881-5882 lists "choyer <v>: coddle, pamper, pet" by the
        // alphabet; "pet" (en.txt 3221) led by the rank of its noun, which
        // trans-de-en writes some forty-five times, as a verb once.
        // fra-eng 8761-8764: "fleur: bloom, flower" and "fleurir <v>:
        // blossom, flourish, flower"; 3727-3728 "arroser <vt>: irrigate, water".
        QVector<DictdEntry> rows{entry("choyer /ʃwaje/ <v>\ncoddle, pamper, pet\n"),
                                 entry("fleurir /flœʀiʀ/ <v>\nblossom, flourish, flower\n"),
                                 entry("arroser /aʀoze/ <v>\nirrigate, water\n"),
                                 entry("animal /animal/ <n, masc>\nanimal, beast, pet\n")};
        const QVector<DictdEntry> own = rows + QVector<DictdEntry>{entry("fleur /flœʀ/ <n, fem>\nbloom, flower\n")};
        rows[0].translations = {"pet", "coddle", "pamper"};
        rows[1].translations = {"flower", "flourish", "blossom"};
        rows[2].translations = {"water", "irrigate"};
        rows[3].translations = {"pet", "animal", "beast"};
        const QHash<QString, std::pair<int, int>> uses{{"pet", {1, 45}},      {"coddle", {1, 0}}, {"pamper", {1, 2}},
                                                       {"flower", {1, 60}},   {"flourish", {3, 1}},
                                                       {"water", {9, 1138}},  {"irrigate", {2, 0}},
                                                       {"animal", {0, 100}},  {"beast", {1, 0}}};
        const int changed = putVerbBeforeNounLeaderOfVerbRow(
            rows, ranksOf({{"water", 375}, {"flower", 2000}, {"pet", 3221}}),
            [&own](const QString &french) {
                const DictdEntry *found = find(own, french);
                return found ? found->translations : QStringList();
            },
            [&uses](const QString &word) { return uses.value(word).first; },
            [&uses](const QString &word) { return uses.value(word).second; });
        QCOMPARE(changed, 1);
        QCOMPARE(rows.at(0).translations, QStringList({"coddle", "pamper", "pet"}));
        // "flower" names the noun "fleurir" is made of; "water" is written
        // as a verb nine times; "animal" is no verb.
        QCOMPARE(rows.at(1).translations.constFirst(), QStringLiteral("flower"));
        QCOMPARE(rows.at(2).translations.constFirst(), QStringLiteral("water"));
        QCOMPARE(rows.at(3).translations.constFirst(), QStringLiteral("pet"));
    }

    void leavesOutItemsRunningTwoOfTheRowsItemsTogether()
    {
        // eng-fra and fra-eng both run "docteur" and "médecin" together;
        // "ambre gris" and "ambre jaune" are words of their own.
        QVector<DictdEntry> engFra{
            entry("doctor /dɔktər/\n1. docteur\n2. médecin, docteur médecin\n"),
            entry("physician /fiziʃən/\ndocteur, médecin, docteur médecin\n"),
            entry("amber /æmbər/\n1. ambre, ambre gris\n2. ambre jaune\n"),
        };
        QCOMPARE(dropRunTogetherPairs(engFra), 2);
        QCOMPARE(find(engFra, QStringLiteral("doctor"))->translations, QStringList({"docteur", "médecin"}));
        QCOMPARE(find(engFra, QStringLiteral("physician"))->translations, QStringList({"docteur", "médecin"}));
        QCOMPARE(find(engFra, QStringLiteral("amber"))->translations,
                 QStringList({"ambre", "ambre gris", "ambre jaune"}));
    }

    void leavesOutTheSiblingOfTheOtherPartOfSpeech()
    {
        // eng-fra's entries (lines 12423, 9015, 7714, 447) and fra-eng's of
        // their French words: the adjective "majestic" is given the noun
        // "majesté", whose own row is "majesty", beside fra-eng's
        // "majestueux <adj>: majestic"; the noun "exile" the adjective
        // "banni" ("exiled") beside "bannissement <n, masc>: exile".
        QVector<DictdEntry> engFra{entry("majestic /mədʒestik/\nimposant, majesté\n"),
                                   entry("exile /eksail/\n1. banni, bannir, exiler\n2. bannissement\n"),
                                   entry("daring /dəriŋ/\n1. audacieux\n2. audace\n"),
                                   entry("Bengal /biŋgl/\n1. Bengale\n2. bengali\n")};
        const QStringList fraEngText{
            QStringLiteral("majestueux /maʒɛstɥø/ <adj>\nmajestic, stately\n"),
            QStringLiteral("majesté /maʒɛste/ <n, fem>\nmajesty\n"),
            QStringLiteral("banni /bani/ <adj>\nexiled\n"),
            QStringLiteral("bannir /baniʀ/ <v>\nexile\n"),
            QStringLiteral("bannissement /banisəmɑ̃/ <n, masc>\nexile\n"),
            QStringLiteral("audace /odas/ <n, fem>\naudacity, boldness\n"),
            QStringLiteral("audacieux /odasjø/ <adj>\naudacious, bold, daring, intrepid\n"),
            QStringLiteral("Bengale /bɑ̃gal/ <n>\nBengal\n"),
            QStringLiteral("bengali /bɑ̃gali/ <adj>\nBengali\n"),
            // A word of both kinds is neither ("adolescent" beside "adolescente").
            QStringLiteral("adolescent /adɔlesɑ̃/ <adj>\nadolescent\n"),
            QStringLiteral("adolescent /adɔlesɑ̃/ <n, masc>\nadolescent, teenager, young man\n"),
        };
        QVector<DictdEntry> fraEng;
        QStringList headers;
        for (const QString &text : fraEngText) {
            fraEng.append(parseDictdEntry(text, EntryStyle::SenseList));
            headers.append(headerOfEntry(text));
        }
        const QHash<QString, WordKind> kinds = frenchWordKinds(headers);
        QCOMPARE(kinds.value(QStringLiteral("majesté")), WordKind::Noun);
        QCOMPARE(kinds.value(QStringLiteral("bengali")), WordKind::Adjective);
        QCOMPARE(kinds.value(QStringLiteral("bannir"), WordKind::Other), WordKind::Other);
        QCOMPARE(kinds.value(QStringLiteral("adolescent"), WordKind::Other), WordKind::Other);

        // trans-de-en gives "daring" for a German noun ("Wagemut {m} ::
        // daring"): it keeps its noun "audace".
        const auto mayBeNoun = [](const QString &english) { return english == QLatin1String("daring"); };
        QStringList details;
        QCOMPARE(dropFrenchItemsOfOtherKind(engFra, fraEng, kinds, mayBeNoun, details), 3);
        // "majestueux" takes the place of "majesté"; the other rows hold
        // the sibling already.
        QCOMPARE(find(engFra, QStringLiteral("majestic"))->translations,
                 (QStringList{QStringLiteral("imposant"), QStringLiteral("majestueux")}));
        QCOMPARE(find(engFra, QStringLiteral("exile"))->translations,
                 (QStringList{QStringLiteral("bannir"), QStringLiteral("exiler"), QStringLiteral("bannissement")}));
        QCOMPARE(find(engFra, QStringLiteral("exile"))->firstSense,
                 (QStringList{QStringLiteral("bannir"), QStringLiteral("exiler")}));
        QCOMPARE(find(engFra, QStringLiteral("daring"))->translations,
                 (QStringList{QStringLiteral("audacieux"), QStringLiteral("audace")}));
        QCOMPARE(find(engFra, QStringLiteral("Bengal"))->translations, QStringList{QStringLiteral("Bengale")});
        QCOMPARE(details.size(), 3);

        // A row's only word gives way too: the row is never left empty.
        QVector<DictdEntry> alone{entry("majestic /mədʒestik/\nmajesté\n")};
        QCOMPARE(dropFrenchItemsOfOtherKind(alone, fraEng, kinds, {}, details), 1);
        QCOMPARE(alone.constFirst().translations, QStringList{QStringLiteral("majestueux")});
    }

    void leavesOutAnItemGlossedWithASynonymOfTheHeadword()
    {
        // eng-fra 16738 runs "côte" and "rivage" together; fra-deu's
        // "rivage: Ufer, Küste, Strand" links "rivage" to "shore" alone.
        // "avortement spontané" (eng-fra 12859) and "épine dorsale" (eng-fra
        // 17312), which fra-deu links itself, are words of their own.
        QVector<DictdEntry> engFra{
            entry("shore /ʃɔːr/\nbord, côte, côte rivage\n"),
            entry("miscarriage /miskæridʒ/\navortement, avortement spontané\n"),
            entry("spine /spain/\n1. colonne vertébrale, épine, épine dorsale\n"),
        };
        const auto links = [](const QString &french, const QString &english) {
            static const QSet<std::pair<QString, QString>> linked{
                {"rivage", "shore"}, {"côte", "shore"}, {"avortement", "miscarriage"},
                {"dorsale", "spine"}, {"épine dorsale", "spine"}};
            return linked.contains({french, english}) ? 1 : 0;
        };
        QCOMPARE(dropItemsGlossedWithASynonym(engFra, {}), 0);
        QCOMPARE(dropItemsGlossedWithASynonym(engFra, links), 1);
        QCOMPARE(find(engFra, QStringLiteral("shore"))->translations, QStringList({"bord", "côte"}));
        QCOMPARE(find(engFra, QStringLiteral("miscarriage"))->translations,
                 QStringList({"avortement", "avortement spontané"}));
        QCOMPARE(find(engFra, QStringLiteral("spine"))->translations,
                 QStringList({"colonne vertébrale", "épine", "épine dorsale"}));
    }

    void leavesOutItemsTheGermanDictionariesTellAgainst()
    {
        // fra-eng 17347: "toucher <v>: 1. bore, broach, sink, strike, tap
        // 2. touch". Six German words of fra-deu's "toucher" lead to
        // "touch", two to "strike", one to "tap"; none to "sink" or "bore",
        // strays of Ergane's alphabetical list. "broach" shares "anstechen"
        // with "tap" in trans-de-en ("to tap sth.; to broach sth.") and stays.
        QVector<DictdEntry> fraEng{entry("toucher /tuʃe/ <v>\n1. bore, broach, sink, strike, tap\n2. touch\n")};
        // Counts of German words joining each pair, as fra-deu and
        // trans-de-en give them.
        static const QHash<std::pair<QString, QString>, int> linkCounts{
            {{"toucher", "touch"}, 6}, {{"toucher", "strike"}, 2}, {{"toucher", "tap"}, 1},
            {{"fonds", "farm"}, 2}, {{"fonds", "estate"}, 1}, {{"fonds", "property"}, 1}, {{"fonds", "capital"}, 1},
            {{"instrument", "agent"}, 4}, {{"outil", "agent"}, 1}, {{"ustensile", "agent"}, 1},
            {{"intermédiaire", "agent"}, 1}, {{"emprunter", "borrow"}, 4}, {{"abomination", "abhorrence"}, 4},
            {{"aversion", "abhorrence"}, 2}, {{"dégoût", "abhorrence"}, 1}, {{"répulsion", "abhorrence"}, 1}};
        const auto links = [](const QString &french, const QString &english) {
            return linkCounts.value({french, english});
        };
        const auto known = [](const QString &) { return true; };
        const auto englishNear = [](const QString &a, const QString &b) {
            return (a == QLatin1String("broach") && b == QLatin1String("tap"))
                   || (a == QLatin1String("tap") && b == QLatin1String("broach"));
        };
        QStringList details;
        QCOMPARE(dropItemsGermanTellsAgainst(fraEng, false, links, known, known, englishNear, details), 2);
        QCOMPARE(fraEng.constFirst().translations, QStringList({"broach", "strike", "tap", "touch"}));
        QCOMPARE(details.size(), 2);
        QVERIFY(details.constFirst().contains(QLatin1String("\"bore\" left out of \"toucher\"")));

        // fra-eng 8834: "fonds <n, masc>: 1. estate, farm, property, ranch
        // 2. fund 3. capital". fra-deu gives "fonds" Kapital, Gut,
        // Bauerngut, Bauernhof, Besitzung, Deckungsmittel: no word of it
        // leads to "fund", its main sense, and at most two join any item.
        // A row joined that thinly tells nothing by its silence: it stays
        // whole. ("ranch" is an English word the German side knows too
        // little of to judge.)
        QVector<DictdEntry> fonds{entry("fonds /fɔ̃/ <n, masc>\n1. estate, farm, property, ranch\n2. fund\n3. capital\n")};
        const auto knowsEnglish = [](const QString &english) { return english != QLatin1String("ranch"); };
        QCOMPARE(dropItemsGermanTellsAgainst(fonds, false, links, known, knowsEnglish, {}, details), 0);
        QVERIFY(fonds.constFirst().translations.contains(QStringLiteral("fund")));

        // The same test on eng-fra's rows, French items against an English
        // headword. eng-fra 3635: "agent: 1. agent 2. instrument, outil,
        // produit, ustensile": "produit" (Produkt, Erzeugnis) goes among
        // linked words; the cognate "agent" stays unlinked.
        QVector<DictdEntry> engFra{
            entry("agent /eidʒənt/\n1. agent\n2. instrument, outil, produit, ustensile\n3. intermédiaire\n"),
            // eng-fra 5836: one linked item is too little to judge by.
            entry("borrow /bɔrou/\nemprunter, prêter\n"),
            // eng-fra 2647: "horreur" and "atrocité" share "Gräuel" with
            // "abomination" in fra-deu: near synonyms, not wrong senses.
            entry("abhorrence /əbhɔrəns/\n1. abomination, atrocité, horreur\n2. aversion, dégoût, répulsion\n"),
        };
        const auto frenchNear = [](const QString &a, const QString &b) {
            static const QHash<QString, QStringList> german{
                {"abomination", {"Abscheu", "Gräuel", "Verabscheuenswertes"}},
                {"atrocité", {"Gräueltat", "Grausamkeit", "Gräuel", "Verabscheuenswertes"}},
                {"horreur", {"Grässlichkeit", "Gräuel", "Schrecken", "Verabscheuenswertes"}},
                {"produit", {"Produkt", "Erzeugnis"}}};
            const QStringList first = german.value(a);
            return std::any_of(first.begin(), first.end(),
                               [&](const QString &word) { return german.value(b).contains(word); });
        };
        QCOMPARE(dropItemsGermanTellsAgainst(engFra, true, links, known, known, frenchNear, details), 1);
        QCOMPARE(find(engFra, QStringLiteral("agent"))->translations,
                 QStringList({"agent", "instrument", "outil", "ustensile", "intermédiaire"}));
        QCOMPARE(find(engFra, QStringLiteral("borrow"))->translations, QStringList({"emprunter", "prêter"}));
        QCOMPARE(find(engFra, QStringLiteral("abhorrence"))->translations.size(), 6);
        QCOMPARE(details.size(), 3);
        QVERIFY(details.constLast().contains(QLatin1String("\"produit\" left out of \"agent\"")));

        // Where the German side knows too little of a word, its silence
        // says nothing: the row stays whole but for the words it knows.
        QVector<DictdEntry> unknown{entry("toucher /tuʃe/ <v>\n1. bore, broach, sink, strike, tap\n2. touch\n")};
        QCOMPARE(dropItemsGermanTellsAgainst(unknown, false, links, known,
                                             [](const QString &english) { return english != QLatin1String("sink"); },
                                             englishNear, details),
                 1);
        QVERIFY(unknown.constFirst().translations.contains(QStringLiteral("sink")));
    }

    void cutsEachFrenchRowToItsLeadingTranslations()
    {
        // fra-eng lists every sense of "si" on one line, the wrong ones
        // first; once ranked, the row keeps its six likeliest words and the
        // side senses past them ("therefore", "accordingly") go. Every row
        // of both French tables holds six or fewer.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        vorbix::testing::writeFreedictDirectory(dir.path(), 12);
        vorbix::testing::writeDictionary(
            QDir(dir.path()).filePath(QStringLiteral("freedict-fra-eng")),
            {"si /si/\n1. accordingly, so, then, therefore\n2. certainly, indeed, rather, surely\n3. yes\n"
             "4. provided that\n5. as, that\n6. if, either, whether\n",
             "pied /pje/ <n, masc>\nfoot\n"});
        vorbix::testing::writeDictionary(QDir(dir.path()).filePath(QStringLiteral("freedict-eng-fra")),
                                         {"foot /fut/\n1. pied\n2. bas\n",
                                          "stocking /stɔkiŋ/\nbas\n", "low /lou/\nbas\n",
                                          "bottom /bɔtəm/\n1. fond\n2. bas\n", "base /beis/\nbas\n",
                                          "nether /neðə/\nbas\n", "mean /miːn/\nbas\n", "vile /vail/\nbas\n",
                                          "abuse /əbjuːz/\n1. insulter\n2. défaut\n3. abuser\n4. abus\n"
                                          "5. offenser\n6. affront, injure\n7. maltraiter\n8. tourmenter\n"});
        const FreedictTables tables =
            importFreedict(dir.path(), QDir(dir.path()).filePath(QStringLiteral("no-trans-de-en")), [](const QString &) {});
        const auto itemsOf = [&tables](int table, const char *word) {
            for (const WordRow &row : tables.tables[table]) {
                if (row.source.value_or(QString()) == QLatin1String(word))
                    return row.target.value_or(QString()).split(QStringLiteral(", "));
            }
            return QStringList();
        };
        const QStringList si = itemsOf(3, "si");
        QCOMPARE(si.size(), kMaxFrenchTranslations);
        QVERIFY2(si.contains(QStringLiteral("if")) && si.contains(QStringLiteral("yes")), qPrintable(si.join(u',')));
        QVERIFY2(!si.contains(QStringLiteral("therefore")) && !si.contains(QStringLiteral("accordingly")),
                 qPrintable(si.join(u',')));
        for (int table : {2, 3}) {
            for (const WordRow &row : tables.tables[table])
                QVERIFY2(row.target.value_or(QString()).split(QStringLiteral(", ")).size() <= kMaxFrenchTranslations,
                         qPrintable(row.source.value_or(QString())));
        }
        // "bas" takes the seven English words eng-fra gives it, and eng-fra
        // lists nine words for "abuse"; six stay of each.
        QCOMPARE(itemsOf(3, "bas").size(), kMaxFrenchTranslations);
        QCOMPARE(itemsOf(2, "abuse").size(), kMaxFrenchTranslations);
    }
};

QTEST_GUILESS_MAIN(TestFrenchPairs)
#include "tst_french_pairs.moc"
