// The links between French or Spanish and English words through German:
// fra-deu's and spa-deu's German words, looked up in trans-de-en. The lines
// are real ones of the dictionaries.

#include "data/import/german_first_entry.h"
#include "data/import/german_pivot.h"
#include "data/import/spanish_settling.h"

#include "import_fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix::import;

namespace {

// spa-deu entries as FreeDict writes them, and the trans-de-en lines of
// their German words.
const QList<QByteArray> kSpanishGerman{
    "olla /ˈoʎa/ <n, f>\n1. Topf <n, m>\n2. Kochtopf <n, m>\n",
    "antebrazo /ˌanteβɾˈaθo/ <n, m>\nUnterarm <n, m>\n",
    "cierto, cierta /θjˈeɾto/ /θjˈeɾta/ <adj>\n1. sicher\n2. wahr\n3. gewiss\n",
    "aves /ˈaβes/ <n, f, pl>\nGeflügel <n, n>\n",
    "parte /pˈaɾte/ <n, f>\nAnteil <n, m>\n"};
const QByteArray kSpanishTrans(
    "Topf {m} | Töpfe {pl} :: pot | pots\n"
    "Unterarm {m}; Vorderarm {m} [anat.] | Unterarme {pl}; Vorderarme {pl} :: forearm | forearms\n"
    "wahr {adj} (der Wahrheit entsprechend) | eine wahre Geschichte :: true (in accordance with fact) | a true "
    "story\n"
    "Geflügel {n} [agr.] | Hausgeflügel {n} :: (domestic) fowl; poultry | domestic fowl\n"
    "Anteil {m} (an) | Anteile {pl} :: share (in) | shares\n");

GermanPivot spanishPivot(const QString &directory)
{
    vorbix::testing::writeDictionary(directory + QStringLiteral("/freedict-spa-deu"), kSpanishGerman);
    return GermanPivot::read(directory, QStringLiteral("spa-deu"), kSpanishTrans,
                             {QStringLiteral("olla"), QStringLiteral("antebrazo"), QStringLiteral("cierto"),
                              QStringLiteral("cierta"), QStringLiteral("corro"), QStringLiteral("aves"),
                              QStringLiteral("parte")});
}

} // namespace

class TestGermanPivot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linksWordsThroughTheirGermanWords()
    {
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("brun"), {QStringLiteral("braun"), QStringLiteral("de couleur sombre")});
        pivot.addForeignGerman(QStringLiteral("moderne"), {QStringLiteral("modern")});
        // fra-deu numbers some words after their sense.
        pivot.addForeignGerman(QStringLiteral("jour"), {QStringLiteral("Ajourarbeit"), QStringLiteral("Tag 2.")});
        pivot.addForeignGerman(QStringLiteral("chapeau"), {QStringLiteral("Hut")});
        pivot.addForeignGerman(QStringLiteral("cheveu"), {QStringLiteral("Haar")});
        pivot.addTransDeEn(QByteArrayView(
            "# Version :: 1.9\n"
            "braun {adj} :: brown\n"
            "schwarz {adj} | schw\xc3\xa4rzer | am schw\xc3\xa4rzesten :: black | blacker | blackest\n"
            "modern /mod./; neuzeitlich; zeitgem\xc3\xa4\xc3\x9f {adj} | eines der modernsten Kreuzfahrtschiffe "
            ":: modern /mod./ | one of the most modern cruise ships\n"
            "Tag {m} | Tage {pl} :: day | days\n"
            "Haare {pl}; Haar {n} [geh.] | H\xc3\xa4rchen {n} (kleines Haar) :: hair | tiny hair\n"
            "Hut {m} mit Band; Haube {f} mit Band (das unter dem Kinn festgebunden wird) | Babyhaube {f} (mit Band) "
            ":: bonnet (tied under the chin) | baby bonnet\n"
            "Hut {m} [textil.] | H\xc3\xbcte {pl} | ohne Hut :: stiff hat; hat; titfer [Br.] [coll.] | stiff hats; "
            "hats; titfers | without a hat\n"));
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("brown")), 1);
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("black")), 0);
        // Case does not count on either side.
        QCOMPARE(pivot.links(QStringLiteral("Brun"), QStringLiteral("Brown")), 1);
        // Abbreviations and notes are no part of a word.
        QCOMPARE(pivot.links(QStringLiteral("moderne"), QStringLiteral("modern")), 1);
        QCOMPARE(pivot.links(QStringLiteral("chapeau"), QStringLiteral("titfer")), 1);
        QCOMPARE(pivot.links(QStringLiteral("jour"), QStringLiteral("day")), 1);
        // "Hut {m} mit Band" is a phrase: bonnet is no link of "Hut".
        QCOMPARE(pivot.links(QStringLiteral("chapeau"), QStringLiteral("hat")), 1);
        QCOMPARE(pivot.links(QStringLiteral("chapeau"), QStringLiteral("bonnet")), 0);
        // Sub-entries pair group with group: "Hüte" is not wanted, "ohne Hut" a phrase.
        QCOMPARE(pivot.links(QStringLiteral("chapeau"), QStringLiteral("hats")), 0);
        QCOMPARE(pivot.links(QStringLiteral("chapeau"), QStringLiteral("without a hat")), 0);
        // fra-deu has no entry for most plurals: "cheveux" is linked as "cheveu".
        QCOMPARE(pivot.links(QStringLiteral("cheveux"), QStringLiteral("hair")), 1);
        QCOMPARE(pivot.links(QStringLiteral("inconnu"), QStringLiteral("brown")), 0);
    }

    void tellsWordsNearInSenseAndHowWellItKnowsThem()
    {
        // fra-deu 10543: "abomination: Abscheu, Gräuel, Gegenstand der
        // Abscheu, Verabscheuenswertes"; 52284: "horreur: Grässlichkeit,
        // Gräuel, Schrecken, Verabscheuenswertes, etwas Grässliches";
        // 39500: "dégoût: Ekel, Abscheu".
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("abomination"),
                              {QStringLiteral("Abscheu"), QStringLiteral("Gr\u00e4uel"),
                               QStringLiteral("Verabscheuenswertes")});
        pivot.addForeignGerman(QStringLiteral("horreur"),
                              {QStringLiteral("Gr\u00e4sslichkeit"), QStringLiteral("Gr\u00e4uel"),
                               QStringLiteral("Schrecken")});
        pivot.addForeignGerman(QStringLiteral("dégoût"), {QStringLiteral("Ekel"), QStringLiteral("Abscheu")});
        pivot.addTransDeEn(QByteArrayView("Abscheu {m} :: abhorrence; disgust; loathing\n"
                                          "Ekel {m} :: disgust; nausea\n"
                                          "Schrecken {m} :: fright; horror; terror\n"));
        QVERIFY(!pivot.englishShareGerman(QStringLiteral("abhorrence"), QStringLiteral("loathing")));
        pivot.indexGermanByEnglish();
        QVERIFY(pivot.shareGerman(QStringLiteral("horreur"), QStringLiteral("abomination")));
        QVERIFY(!pivot.shareGerman(QStringLiteral("horreur"), QStringLiteral("dégoût")));
        QVERIFY(pivot.englishShareGerman(QStringLiteral("abhorrence"), QStringLiteral("loathing")));
        QVERIFY(!pivot.englishShareGerman(QStringLiteral("abhorrence"), QStringLiteral("horror")));
        QCOMPARE(pivot.knownGerman(QStringLiteral("dégoût")), 2);
        QCOMPARE(pivot.knownGerman(QStringLiteral("horreur")), 1);
        QCOMPARE(pivot.germanOfEnglish(QStringLiteral("disgust")), 2);
        QCOMPARE(pivot.germanOfEnglish(QStringLiteral("fear")), 0);
    }

    void linksVerbsWrittenWithTheirObjects()
    {
        // fra-deu: "débattre: debattieren, diskutieren, besprechen, erörtern,
        // aufwiegeln, aufwühlen"; "renseigner: 1. informieren, mitteilen,
        // Auskunft, benachrichtigen". trans-de-en writes most verbs with
        // their objects; its only line with "aufwiegeln" made "incite" the
        // one link of "débattre", "discuss" none.
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("débattre"),
                              {QStringLiteral("debattieren"), QStringLiteral("diskutieren"),
                               QStringLiteral("besprechen"), QStringLiteral("erörtern"),
                               QStringLiteral("aufwiegeln"), QStringLiteral("aufwühlen")});
        pivot.addForeignGerman(QStringLiteral("renseigner"),
                              {QStringLiteral("informieren"), QStringLiteral("mitteilen"),
                               QStringLiteral("Auskunft"), QStringLiteral("benachrichtigen")});
        pivot.addForeignGerman(QStringLiteral("moderne"), {QStringLiteral("modern")});
        pivot.addTransDeEn(QByteArrayView(
            "etw. mit jdm. besprechen; bereden; er\xc3\xb6rtern; diskutieren; debattieren {vi} | besprechend; "
            "beredend; er\xc3\xb6rternd; diskutierend; debattierend | wie besprochen :: to discuss sth. with sb. | "
            "discusing | as discussed; as has been discussed\n"
            "zu etw. aufrufen; aufwiegeln; aufhetzen {vi} [pol.] [soc.] | aufrufend; aufwiegelnd; aufhetzend :: "
            "to incite sth.; to foment sth. | inciting; fomenting\n"
            "jdm. etw. mitteilen; jdn. von etw. verst\xc3\xa4ndigen; benachrichtigen; unterrichten [geh.]; in "
            "Kenntnis setzen [geh.]; jdm. etw. zu Kenntnis bringen [geh.] {v} :: to advise sb. of sth.; to "
            "inform sb. of/about sth.\n"
            "modern /mod./; neuzeitlich {adj} :: modern /mod./\n"));
        QCOMPARE(pivot.links(QStringLiteral("débattre"), QStringLiteral("discuss")), 4);
        QCOMPARE(pivot.links(QStringLiteral("débattre"), QStringLiteral("discuss with")), 0);
        QCOMPARE(pivot.links(QStringLiteral("débattre"), QStringLiteral("incite")), 1);
        // "jdm. etw. mitteilen" and "benachrichtigen" both give "to inform sb. of/about sth.".
        QCOMPARE(pivot.links(QStringLiteral("renseigner"), QStringLiteral("inform")), 2);
        QCOMPARE(pivot.links(QStringLiteral("renseigner"), QStringLiteral("advise")), 2);
        // A phrase of the verb and more is no verb: "in Kenntnis setzen".
        QCOMPARE(pivot.links(QStringLiteral("renseigner"), QStringLiteral("in")), 0);
        // An abbreviation between blanks still goes.
        QCOMPARE(pivot.links(QStringLiteral("moderne"), QStringLiteral("modern")), 1);
    }

    void linksWordsWrittenAfterANoteOrWithAlternativeObjects()
    {
        // fra-deu: "tresser: flechten"; trans-de-en writes "flechten" with
        // a note before it, and its only other line for it gives "to lace",
        // so the rare "wreathe" led the row "tresser".
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("tresser"), {QStringLiteral("flechten")});
        pivot.addForeignGerman(QStringLiteral("décomposition"),
                              {QStringLiteral("Abbau"), QStringLiteral("Zersetzung")});
        pivot.addForeignGerman(QStringLiteral("déposséder"), {QStringLiteral("entmachten")});
        pivot.addTransDeEn(QByteArrayView(
            "(Haar) flechten {vt} | flechtend | geflochten | er/sie flicht; er/sie flechtet | ich/er/sie flocht | "
            "er/sie hat/hatte geflochten | ich/er/sie fl\xc3\xb6" "chte :: to braid; to plait (hair) | braiding; "
            "plaiting | braided; plaited | he/she braids | I/he/she braided | he/she has/had braided | I/he/she "
            "would braid\n"
            "(chemischer) Abbau {m}; Zersetzung {f}; Degradierung {f} [geh.] (von etw.) [biol.] [chem.] | "
            "bakterieller Abbau :: breakdown; decomposition; degradation (of sth.) | bacterial degradation\n"
            "jdn./etw. entmachten {vt} | entmachtend | entmachtet :: to disempower sb./sth. | disempowering | "
            "disempowered\n"));
        QCOMPARE(pivot.links(QStringLiteral("tresser"), QStringLiteral("braid")), 1);
        QCOMPARE(pivot.links(QStringLiteral("tresser"), QStringLiteral("plait")), 1);
        // Both "(chemischer) Abbau" and "Zersetzung" give "decomposition".
        QCOMPARE(pivot.links(QStringLiteral("décomposition"), QStringLiteral("decomposition")), 2);
        // Objects given as alternatives on either side are objects.
        QCOMPARE(pivot.links(QStringLiteral("déposséder"), QStringLiteral("disempower")), 1);
    }

    void comparesEnglishWithoutItsFrame_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("key");
        QTest::newRow("verb") << "to give" << "give";
        QTest::newRow("objects") << "to give sb. sth." << "give";
        QTest::newRow("case and blanks") << "  Look  After sb. " << "look after";
        QTest::newRow("hyphens") << "plane-tree" << "plane tree";
        QTest::newRow("a lone to") << "to" << "to";
        QTest::newRow("only an object") << "sth." << "";
        // The preposition of a second object goes with it; one before the
        // first object belongs to the verb.
        QTest::newRow("object's preposition") << "to discuss sth. with sb." << "discuss";
        QTest::newRow("alternative prepositions") << "to inform sb. of/about sth." << "inform";
        QTest::newRow("verb's preposition") << "to look after sb." << "look after";
        QTest::newRow("particle after the object") << "to put sth. off" << "put off";
        QTest::newRow("alternative objects") << "to disempower sb./sth." << "disempower";
    }

    void comparesEnglishWithoutItsFrame()
    {
        QFETCH(QString, english);
        QFETCH(QString, key);
        QCOMPARE(englishPivotKey(english), key);
    }

    void passesOverLinesItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no sides") << QByteArray("braun {adj} brown\n");
        QTest::newRow("groups do not pair") << QByteArray("braun {adj} | brauner :: brown\n");
        QTest::newRow("empty sides") << QByteArray(" :: \n:: brown\nbraun ::\n");
        QTest::newRow("only separators") << QByteArray("| | :: | |\n;;; :: ;;;\n");
        QTest::newRow("no line end") << QByteArray("braun");
        QTest::newRow("invalid UTF-8") << QByteArray("braun\xff\xfe {adj} :: \xc3(\n");
        QTest::newRow("a huge line") << QByteArray("braun :: ") + QByteArray(4 << 20, ';');
    }

    void passesOverLinesItCannotRead()
    {
        QFETCH(QByteArray, text);
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("brun"), {QStringLiteral("braun")});
        pivot.addTransDeEn(text);
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("brown")), 0);
        // The reading goes on after such a line.
        pivot.addTransDeEn(text + "\nbraun {adj} :: brown\n");
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("brown")), 1);
    }

    void pairsEmptySectionsAndSynonymsByTheirPlace()
    {
        GermanPivot pivot;
        pivot.addForeignGerman(QStringLiteral("brun"), {QStringLiteral("braun")});
        pivot.addForeignGerman(QStringLiteral("noir"), {QStringLiteral("schwarz")});
        // Empty sections and separators at the end still count: "braun"
        // pairs with "black", the first English section, and "schwarz" after
        // an empty German section with "dark".
        pivot.addTransDeEn(QByteArrayView("braun {adj};  |  :: black | brown\n"
                                          " | schwarz {adj} :: grey | dark; \n"));
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("black")), 1);
        QCOMPARE(pivot.links(QStringLiteral("brun"), QStringLiteral("brown")), 0);
        QCOMPARE(pivot.links(QStringLiteral("noir"), QStringLiteral("dark")), 1);
        QCOMPARE(pivot.links(QStringLiteral("noir"), QStringLiteral("grey")), 0);
    }

    void findsWordsFraDeuIndexesWithoutHyphensAndApostrophes()
    {
        // fra-deu's index drops the hyphens and apostrophes of its keys
        // ("rondpoint", "aujourdhui"), and its entries write the typographic
        // apostrophe where the small dictionaries write the straight one.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray roundabout = "rond-point /\xca\x81\xc9\x94\xcc\x83.pw\xc9\x9b\xcc\x83/ <n, masc>\n"
                                      "Kreisverkehr, Platz\n";
        const QByteArray today = "aujourd\xe2\x80\x99hui /o.\xca\x92u\xca\x81.d\xe2\x80\xbf\xc9\xa5i/ <adv>\n"
                                 "1. heute\n";
        const QByteArray index = "rondpoint\tA\t" + vorbix::testing::encodeDictdNumber(roundabout.size())
                                 + "\naujourdhui\t" + vorbix::testing::encodeDictdNumber(roundabout.size()) + "\t"
                                 + vorbix::testing::encodeDictdNumber(today.size()) + "\n";
        QFile indexFile(dir.filePath(QStringLiteral("freedict-fra-deu.index")));
        QVERIFY(indexFile.open(QIODevice::WriteOnly));
        indexFile.write(index);
        indexFile.close();
        QFile dictFile(dir.filePath(QStringLiteral("freedict-fra-deu.dict.dz")));
        QVERIFY(dictFile.open(QIODevice::WriteOnly));
        dictFile.write(vorbix::testing::gzip(roundabout + today));
        dictFile.close();
        const QByteArray trans =
            "Kreisverkehr {m}; Verteilerkreis {m}; Verkehrskreisel {m}; Kreiselverkehr {m}; Kreisel {m} [ugs.]; "
            "Rondelle {f} [Schw.] [auto] :: roundabout traffic; roundabout; traffic circle [Am.]; rotary [Am.]\n"
            "heute {adv} | heute Nachmittag :: today | this afternoon\n";
        const GermanPivot pivot = GermanPivot::read(
            dir.path(), QStringLiteral("fra-deu"), trans, {QStringLiteral("rond-point"), QStringLiteral("aujourd'hui")});
        QVERIFY2(pivot.problem().isEmpty(), qPrintable(pivot.problem()));
        QCOMPARE(pivot.links(QStringLiteral("rond-point"), QStringLiteral("roundabout")), 1);
        QCOMPARE(pivot.links(QStringLiteral("aujourd'hui"), QStringLiteral("today")), 1);
        QCOMPARE(pivot.links(QStringLiteral("rond-point"), QStringLiteral("today")), 0);
    }

    void linksNothingWithoutItsDictionaries()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const QSet<QString> french{QStringLiteral("brun")};
        QVERIFY(GermanPivot::read(empty.path(), QStringLiteral("fra-deu"), QByteArray("braun {adj} :: brown\n"), french).isEmpty());
        // Nor without trans-de-en, even where fra-deu is installed.
        QVERIFY(GermanPivot::read(QStringLiteral("/usr/share/dictd"), QStringLiteral("fra-deu"), QByteArray(), french).isEmpty());
    }

    void linksNothingFromADictionaryItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("dict");
        QTest::newRow("not gzip") << QByteArray("brun\nbraun\n");
        QTest::newRow("empty") << QByteArray();
        // The gzip header of a dictzip file and nothing after it.
        QTest::newRow("cut short") << QByteArray::fromHex("1f8b08040000000000ff");
    }

    void linksNothingFromADictionaryItCannotRead()
    {
        QFETCH(QByteArray, dict);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile index(dir.filePath(QStringLiteral("freedict-fra-deu.index")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("brun\tA\tM\n");  // offset 0, 12 bytes
        index.close();
        QFile data(dir.filePath(QStringLiteral("freedict-fra-deu.dict.dz")));
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.write(dict);
        data.close();
        const GermanPivot pivot =
            GermanPivot::read(dir.path(), QStringLiteral("fra-deu"), QByteArray("braun {adj} :: brown\n"), {QStringLiteral("brun")});
        QVERIFY(pivot.isEmpty());
        QVERIFY2(pivot.problem().contains(QLatin1String("freedict-fra-deu.dict.dz")), qPrintable(pivot.problem()));
    }

    void readsSpanishGermanEntries()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const GermanPivot pivot = spanishPivot(dir.path());
        QVERIFY(pivot.problem().isEmpty());
        QCOMPARE(pivot.links(QStringLiteral("olla"), QStringLiteral("pot")), 1);
        QCOMPARE(pivot.links(QStringLiteral("olla"), QStringLiteral("jug")), 0);
        QCOMPARE(pivot.links(QStringLiteral("antebrazo"), QStringLiteral("forearm")), 1);
        // An entry headed by its forms links each of them.
        QCOMPARE(pivot.links(QStringLiteral("cierto"), QStringLiteral("true")), 1);
        QCOMPARE(pivot.links(QStringLiteral("cierta"), QStringLiteral("true")), 1);
        // "corro" is no word of spa-deu: nothing tells for or against it.
        QVERIFY(pivot.knows(QStringLiteral("olla")));
        QVERIFY(!pivot.knows(QStringLiteral("corro")));
        // Without spa-deu nothing is linked, and nothing is doubted.
        QTemporaryDir empty;
        QVERIFY(GermanPivot::read(empty.path(), QStringLiteral("spa-deu"), kSpanishTrans,
                                  {QStringLiteral("olla")}).isEmpty());
    }

    void dropsOrMovesWhatThePivotTellsAgainst()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const GermanPivot pivot = spanishPivot(dir.path());
        // spa-eng "olla: 1. jug, pot 2. box, container, vessel", "antebrazo:
        // lower-arm", "corro: roll"; the rows as the lexicon merge left them.
        SenseRows spanishEnglish{
            {QStringLiteral("olla"),
             {QStringLiteral("jug"), QStringLiteral("pot"), QStringLiteral("box"), QStringLiteral("container"),
              QStringLiteral("cooking vessel")}},
            {QStringLiteral("antebrazo"), {QStringLiteral("lower-arm"), QStringLiteral("forearm")}},
            {QStringLiteral("corro"), {QStringLiteral("roll")}}};
        // As though Apertium paired "olla" with "container", and eng-spa
        // gave "jug: olla" back.
        const QSet<std::pair<QString, QString>> apertium{{QStringLiteral("container"), QStringLiteral("olla")}};
        const QSet<std::pair<QString, QString>> bothFreedict{{QStringLiteral("jug"), QStringLiteral("olla")}};
        QStringList details;
        QCOMPARE(vetThroughGerman(spanishEnglish, false, pivot, apertium, bothFreedict, details), 2);
        // "box" goes, "jug" (two dictionaries) goes last; Apertium's pair and
        // the phrase, which trans-de-en seldom lists, stay where they were.
        QCOMPARE(spanishEnglish.at(0).second, (QStringList{QStringLiteral("pot"), QStringLiteral("container"),
                                                           QStringLiteral("cooking vessel"), QStringLiteral("jug")}));
        QCOMPARE(spanishEnglish.at(1).second, QStringList{QStringLiteral("forearm")});
        QCOMPARE(spanishEnglish.at(2).second, QStringList{QStringLiteral("roll")});
        QCOMPARE(details.size(), 2);

        // A row that nothing confirms is kept whole, doubtful or not; the
        // English rows are checked the same way.
        SenseRows englishSpanish{{QStringLiteral("jug"), {QStringLiteral("olla")}},
                                 {QStringLiteral("box"), {QStringLiteral("olla"), QStringLiteral("caja")}},
                                 {QStringLiteral("pot"), {QStringLiteral("maceta"), QStringLiteral("olla")}}};
        const SenseRows asBefore = englishSpanish;
        QCOMPARE(vetThroughGerman(englishSpanish, true, pivot, {}, {}, details), 0);
        QCOMPARE(englishSpanish, asBefore);

        // spa-eng "aves: 1. birds 2. fowl, poultry": spa-deu knows only
        // "Geflügel", but Apertium's lemmas "bird"-"ave" pair the plurals,
        // so "birds" stays first; a pair of other plurals would go last.
        SenseRows birds{{QStringLiteral("aves"),
                         {QStringLiteral("birds"), QStringLiteral("fowl"), QStringLiteral("poultry")}}};
        const SenseRows birdsBefore = birds;
        const QSet<std::pair<QString, QString>> birdsBoth{{QStringLiteral("birds"), QStringLiteral("aves")}};
        QCOMPARE(vetThroughGerman(birds, false, pivot, {{QStringLiteral("bird"), QStringLiteral("ave")}}, birdsBoth,
                                  details), 0);
        QCOMPARE(birds, birdsBefore);
        QCOMPARE(vetThroughGerman(birds, false, pivot, {{QStringLiteral("bird"), QStringLiteral("avestruz")}},
                                  birdsBoth, details), 0);
        QCOMPARE(birds.first().second, (QStringList{QStringLiteral("fowl"), QStringLiteral("poultry"),
                                                    QStringLiteral("birds")}));

        // spa-eng "parte: part, share, Parthian, piece", eng-spa giving
        // "Parthian: parte" and "piece: parte" back: both dictionaries are
        // no evidence for a proper adjective of a common noun, which goes;
        // "piece" goes last, Apertium's "part" stays.
        SenseRows parte{{QStringLiteral("parte"), {QStringLiteral("part"), QStringLiteral("share"),
                                                   QStringLiteral("Parthian"), QStringLiteral("piece")}}};
        const QSet<std::pair<QString, QString>> parteBoth{{QStringLiteral("parthian"), QStringLiteral("parte")},
                                                          {QStringLiteral("piece"), QStringLiteral("parte")}};
        QCOMPARE(vetThroughGerman(parte, false, pivot, {{QStringLiteral("part"), QStringLiteral("parte")}}, parteBoth,
                                  details),
                 1);
        QCOMPARE(parte.first().second,
                 (QStringList{QStringLiteral("part"), QStringLiteral("share"), QStringLiteral("piece")}));
    }

    // deu-eng's first entry of a German word fills the free places of its
    // row; a tagged first entry, later entries and items that are no plain
    // English word add nothing, and the row's own items keep their order.
    void fillsFreePlacesWithTheFirstDeuEngEntry()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString base = dir.path() + QStringLiteral("/freedict-deu-eng");
        vorbix::testing::writeDictionary(
            base,
            {"blockfrei /blˈɔkfrˌaɪ/ <adj>\nneutral <adj>, non-aligned <adj>\n"
             "   Synonyms: {neutral}, {nicht paktgebunden}\n",
             "Umschwung /ˈʊmʃvˌʊŋ/ <masc, n, sg>\n [übtr.] turnaround <n>, turnabout <n>\n"
             "   Synonyms: {Schwenk}, {Wende}\n",
             "Umschwung /ˈʊmʃvˌʊŋ/ <masc, n, sg>\nreversal <n>\n",
             "Randgebiet /ʁˈantɡəbˌiːt/ <neut, n, sg>\nfringe <n>\n",
             "Randgebiet /ʁˈantɡəbˌiːt/ <neut, n, sg>\nperiphery <n>\n",
             "Haushaltsjahr /hˈaʊshˌaltsjɑːɾ/ <neut, n, sg>\nbudget year <n>, budgetary years <n>, budget period "
             "<n>, budgetary period <n>, financial year <n> [Br.] , fiscal year <n> [Am.] FY,  /fˈyː/\n",
             "verschollen /fɛɾʃˈɔlən/\nmissed in actionMIA,  /mˈiːɑː/\n   Synonym: {vermisst}\n",
             "vorziehen /fˈoːɾtsˌiːən/ <v>\nbring forward <v>, prepone an event <v>\n",
             "Gärtnerin /ɡˈɛɾtnəɾˌɪn/ <fem, n, sg>\ngardner <n>\n"});
        const QSet<QString> english{QStringLiteral("neutral"), QStringLiteral("fringe"),
                                    QStringLiteral("periphery"), QStringLiteral("budget"),
                                    QStringLiteral("budgetary"), QStringLiteral("year"), QStringLiteral("years"),
                                    QStringLiteral("period"), QStringLiteral("financial"), QStringLiteral("fiscal"),
                                    QStringLiteral("missed"), QStringLiteral("in"), QStringLiteral("bring"),
                                    QStringLiteral("forward"), QStringLiteral("prepone"), QStringLiteral("an"),
                                    QStringLiteral("event"), QStringLiteral("gardener"), QStringLiteral("reversal")};
        QVector<ImportRow> rows{
            {QStringLiteral("blockfrei"), QStringLiteral("neutral")},
            {QStringLiteral("Umschwung"), QStringLiteral("transition, swing")},
            {QStringLiteral("Randgebiet"), QStringLiteral("outskirts")},
            {QStringLiteral("Haushaltsjahr"), QStringLiteral("budget year, financial year, budgetary year")},
            {QStringLiteral("verschollen"), QStringLiteral("lost, missing")},
            {QStringLiteral("vorziehen"), QStringLiteral("prefer, choose")},
            {QStringLiteral("Gärtnerin"), QStringLiteral("gardener")},
            {QStringLiteral("Stange"), QStringLiteral("bar")}};
        addDeuEngFirstEntries(rows, base + QStringLiteral(".index"), base + QStringLiteral(".dict.dz"), english);
        const QStringList expected{QStringLiteral("neutral, non-aligned"),
                                   QStringLiteral("transition, swing"),
                                   QStringLiteral("outskirts, fringe"),
                                   QStringLiteral("budget year, financial year, budgetary year, budget period, "
                                                  "budgetary period"),
                                   QStringLiteral("lost, missing"),
                                   QStringLiteral("prefer, choose, bring forward"),
                                   QStringLiteral("gardener"),
                                   QStringLiteral("bar")};
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(*rows.at(i).target, expected.at(i));

        // A full row stays as it is.
        QVector<ImportRow> full{{QStringLiteral("blockfrei"), QStringLiteral("a, b, c, d, e, f")}};
        addDeuEngFirstEntries(full, base + QStringLiteral(".index"), base + QStringLiteral(".dict.dz"), english);
        QCOMPARE(*full.first().target, QStringLiteral("a, b, c, d, e, f"));

        // A missing dictionary leaves the rows alone.
        QVector<ImportRow> untouched{{QStringLiteral("blockfrei"), QStringLiteral("neutral")}};
        addDeuEngFirstEntries(untouched, dir.path() + QStringLiteral("/none.index"),
                              dir.path() + QStringLiteral("/none.dict.dz"), english);
        QCOMPARE(*untouched.first().target, QStringLiteral("neutral"));

        // A verb phrase's row leaves out a past participle beside its verb;
        // a German word that is its own participle keeps it as an adjective.
        QVector<ImportRow> participles{{QStringLiteral("sich geben lassen"), QStringLiteral("obtain, obtained")},
                                       {QStringLiteral("verlassen"), QStringLiteral("leave, abandon, abandoned")}};
        addDeuEngFirstEntries(participles, dir.path() + QStringLiteral("/none.index"),
                              dir.path() + QStringLiteral("/none.dict.dz"), english);
        QCOMPARE(*participles.at(0).target, QStringLiteral("obtain"));
        QCOMPARE(*participles.at(1).target, QStringLiteral("leave, abandon, abandoned"));

        // Without a word list, only letters, hyphens, apostrophes and blanks
        // make an item: a stray comma or mark leaves it out.
        QCOMPARE(firstEntryWordsOfText(QStringLiteral("blockfrei <adj>\nneutral <adj>,?non-aligned <adj>, "
                                                      "non-aligned <adj>, o'clock <adv>, #1 <n>\n"),
                                       {}),
                 (QStringList{QStringLiteral("non-aligned"), QStringLiteral("o'clock")}));
        // A verb's item loses its infinitive marker, doubled or not; other
        // items keep theirs.
        QCOMPARE(firstEntryWordsOfText(QStringLiteral("umhertollen /ˈʊmhˌɛɾtɔlən/ <v, intr>\n"
                                                      "to to prance around <v>, to the right <adv>\n"),
                                       {}),
                 (QStringList{QStringLiteral("prance around"), QStringLiteral("to the right")}));
        // A present participle's entry gives its verb's forms: "being
        // lacking" names the verb's action, no word for "mangelnd"; a noun
        // keeps its "being together".
        QCOMPARE(firstEntryWordsOfText(QStringLiteral("mangelnd /mˈaŋəlnt/\nbeing lacking\n"
                                                      "   Synonyms: {ermangelnd}, {fehlend}\n"),
                                       {}),
                 QStringList{});
        QCOMPARE(firstEntryWordsOfText(QStringLiteral("Zusammensein /tsuːzˌamənzˈaɪn/ <neut, n, sg>\n"
                                                      "get-together <n>, being together <n>\n"),
                                       {}),
                 (QStringList{QStringLiteral("get-together"), QStringLiteral("being together")}));
    }
};

QTEST_GUILESS_MAIN(TestGermanPivot)
#include "tst_german_pivot.moc"
