// The items of the small French dictionaries a learner may see: bracketed
// notes, misspellings and words run together. The entries are real ones of
// eng-fra and fra-eng; the word lists stand in for wfrench and wamerican.

#include "data/import/dictd_entry.h"
#include "data/import/french_items.h"
#include "data/import/word_frequency.h"

#include <QTest>

using namespace vorbix::import;

namespace {

DictdEntry entry(const char *text)
{
    return parseDictdEntry(QString::fromUtf8(text), EntryStyle::SenseList);
}

QSet<QString> words(const char *text)
{
    const QStringList list = QString::fromUtf8(text).split(QLatin1Char(' '));
    return QSet<QString>(list.begin(), list.end());
}

const WordRanks &frenchRanks()
{
    static const WordRanks ranks = WordRanks::fromText(QString::fromUtf8(
        "de 900\nça 800\nva 700\ncomme 650\nfaire 600\nvieux 500\nraisonnable 400\nfrapper 300\nsoda 200\n"
        "rayon 100\nchambre 90\nair 80\nraison 70\n"));
    return ranks;
}

const WordRanks &englishRanks()
{
    static const WordRanks ranks = WordRanks::fromText(
        QStringLiteral("the 900\nold 800\namong 700\ncolor 600\nmix 500\nsupper 400\nbarn 300\n"));
    return ranks;
}

ItemSpelling french()
{
    ItemSpelling spelling(WordList::fromWords(words("avorter démissionner soit abordable modéré oeillet intégrer "
                                                    "renommée acariens acadien prudent sage suprême énerve commettre faute tolérance")),
                          frenchRanks(), {QString::fromUtf8("ça va")});
    spelling.addVariant(QString::fromUtf8("œ"), QStringLiteral("oe"));
    spelling.findGluedWords(true);
    spelling.alsoNear(englishRanks());
    return spelling;
}

ItemSpelling english()
{
    ItemSpelling spelling(WordList::fromWords(words("walk alongside people quit resign beaker inverted independent")),
                          englishRanks(), {});
    spelling.addVariant(QStringLiteral("our"), QStringLiteral("or"));
    return spelling;
}

} // namespace

class TestFrenchItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropsQualifyingNotesAndLeavesOutWhatBracketsCut_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        QTest::newRow("note before") << "(male) nurse" << "nurse";
        QTest::newRow("note after") << "line (of verse)" << "line";
        QTest::newRow("long note") << "battery (of electrovoltiac cells)" << "battery";
        QTest::newRow("phrase stays whole") << "left luggage (office)" << "left luggage";
        QTest::newRow("inside a word") << "(bul)rush" << "";
        QTest::newRow("ending in brackets") << "nurse(s)" << "";
        QTest::newRow("unpaired") << "mix amoung (people" << "";
        QTest::newRow("nothing left") << "(people)" << "";
        QTest::newRow("no brackets") << "walk alongside" << "walk alongside";
    }
    void dropsQualifyingNotesAndLeavesOutWhatBracketsCut()
    {
        QFETCH(QString, item);
        QFETCH(QString, expected);
        QCOMPARE(withoutBracketNote(item), expected);
    }

    void leavesOutMisspeltAndRunTogetherItems_data()
    {
        QTest::addColumn<bool>("frenchItem");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        // One letter from a common word of its language, or of the other.
        QTest::newRow("English word garbled") << true << "olda" << "";
        QTest::newRow("misspelt in a phrase") << false << "mix amoung" << "";
        // A long word one letter from a listed one, common or not.
        QTest::newRow("long word near a listed one") << true << QString::fromUtf8("démissiomner") << "";
        // fra-eng "intéger /ɛ̃tegʀe/ <v>: insert, integrate": a shorter word
        // one letter from a listed one.
        QTest::newRow("shorter word near a listed one") << true << QString::fromUtf8("intéger") << "";
        // eng-fra "fame: 1. renommée, réputation 2. rennomée": a doubled
        // letter moved.
        QTest::newRow("doubled letter moved") << true << QString::fromUtf8("rennomée") << "";
        // Words run together: left out, or cut where a known phrase says so.
        QTest::newRow("glued, no phrase") << true << "faireavorter" << "";
        QTest::newRow("glued, known phrase") << true << QString::fromUtf8("çava") << QString::fromUtf8("ça va");
        // eng-fra "inner tube /inərtjuːb/ chambreàair" and "each /iːtʃ/ 1. à,
        // àraisonde, par": "à" inside a word is cut out of common words, or
        // the item goes when a piece is none.
        QTest::newRow("glued around à") << true << QString::fromUtf8("chambreàair")
                                        << QString::fromUtf8("chambre à air");
        QTest::newRow("glued around à, uncommon piece") << true << QString::fromUtf8("àraisonde") << "";
        QTest::newRow("à ending a word") << true << QString::fromUtf8("déjà") << QString::fromUtf8("déjà");
        // Right words the lists lack stay.
        QTest::newRow("another first letter") << true << "rapper" << "rapper";
        QTest::newRow("unknown, near nothing") << true << "bolet" << "bolet";
        QTest::newRow("long word, other last letter") << false << "inverter" << "inverter";
        QTest::newRow("ligature spelt apart in the list") << true << QString::fromUtf8("œillet")
                                                          << QString::fromUtf8("œillet");
        QTest::newRow("British spelling") << false << "colour" << "colour";
        QTest::newRow("English compound") << false << "sunshade" << "sunshade";
        QTest::newRow("name") << true << "Moldavie" << "Moldavie";
        // fra-eng "acarien: mite": wfrench has the plural only.
        QTest::newRow("listed in the plural only") << true << "acarien" << "acarien";
        QTest::newRow("known words") << false << "walk alongside" << "walk alongside";
        // A plain slip of a listed word is that word: a doubled letter
        // written once (eng-fra "reasonable: 1. abordable, modéré,
        // raisonable"; fra-eng "démissioner: quit, resign") or accents
        // left off or changed (eng-fra "superior: ..., suprème"). Not an
        // accent the listed word lacks ("énérve" is "énervé", not
        // "énerve"), nor a slip inside a phrase ("commetre yne faute").
        QTest::newRow("doubled letter lost") << true << "raisonable" << "raisonnable";
        QTest::newRow("doubled letter lost, long word") << true << QString::fromUtf8("démissioner")
                                                        << QString::fromUtf8("démissionner");
        QTest::newRow("accent changed") << true << QString::fromUtf8("suprème") << QString::fromUtf8("suprême");
        QTest::newRow("accent too many") << true << QString::fromUtf8("énérve") << "";
        QTest::newRow("slip in a phrase") << true << "commetre yne faute" << "";
    }
    void leavesOutMisspeltAndRunTogetherItems()
    {
        QFETCH(bool, frenchItem);
        QFETCH(QString, item);
        QFETCH(QString, expected);
        QCOMPARE((frenchItem ? french() : english()).vetted(item), expected);
    }

    void doubtsHeadwordsNearListedWords()
    {
        // eng-fra "independant /indipendənt/: indépendant" and "bairn
        // /beən/: enfant" are both one letter from a listed word; only the
        // second is a word (trans-de-en: "Kind {n} :: child; bairn [Sc.]").
        const QSet<QString> doubtful = english().doubtfulWords(
            {QStringLiteral("independant"), QStringLiteral("bairn"), QStringLiteral("walk alongside"),
             QStringLiteral("Andorrian"), QStringLiteral("get-together")});
        QCOMPARE(doubtful, QSet<QString>({QStringLiteral("independant"), QStringLiteral("bairn")}));
        // Once known, a word is no longer doubtful.
        ItemSpelling known = english();
        known.alsoKnow({QStringLiteral("bairn")});
        QCOMPARE(known.doubtfulWords({QStringLiteral("bairn")}), QSet<QString>());
        QCOMPARE(known.vetted(QStringLiteral("independant")), QString());
    }

    void writesApartEnglishWordsTransDeEnWritesApart()
    {
        const WordRanks ranks = WordRanks::fromText(
            QStringLiteral("ice 900\ncream 800\nrear 700\nguard 600\npillow 500\nslip 400\n"));
        const ItemSpelling spelling(WordList::fromWords(words("pillowslip")), ranks, {});
        QVector<DictdEntry> engFra{
            entry("icecream /aisiːkriːm/\ncrème glacée, glace\n"),
            entry("rearguard /riəgɑːd/\narrière‐garde\n"),
        };
        QVector<DictdEntry> fraEng{
            entry("crème glacée /kʀɛmglase/ <n, fem>\nice, icecream\n"),
            entry("arrière-garde /aʁjˈɛʁ ɡˈaʁd/ <n, masc>\nrear, rearguard\n"),
            entry("taie /tɛ/ <n, fem>\npillowslip\n"),
        };
        // "ice cream" nine times against one "<icecream>"; "rear-guard"
        // three times against one "rearguard", a spelling in use.
        const QByteArray trans =
            "Eis {n}; Speiseeis {n}; Eiscreme {f}; Glace {f} [Schw.] [cook.] | Cremeeis {n} | Eis in der T\xc3\xbc"
            "te [Dt.] / im Stanizel [\xc3\x96s.] / im Cornet [Schw.] (Milcheis) | Eis nach F\xc3\xbcrst-P\xc3\xbc"
            "ckler-Art; F\xc3\xbcrst-P\xc3\xbc" "ckler-Eis | Fruchteis {n} | Softeis {n} | Vanilleeis {n} | "
            "Stracciatella-Eis {n} | eine Kugel Eis <Eiskugel> | ein Eis essen | d\xc3\xbcnn geschabtes mit Sirup "
            "\xc3\xbc" "bergossenes Eis :: ice cream <ice-cream> <icecream> | frozen custard | cone ice cream | "
            "Neapolitan ice cream | fruit ice cream; tutti-frutti | soft-serve ice cream; soft serve | vanilla ice "
            "cream | chocolate chip ice cream | a a scoop of ice cream | to eat an ice cream | snow cone; snowball\n"
            "Nachhut {f} :: rearguard\n"
            "R\xc3\xbc" "ckzugsgefecht {n} [mil.] | R\xc3\xbc" "ckzugsgefechte {pl} | nur noch ein R\xc3\xbc" "ckzugsgefecht "
            "liefern [\xc3\xbc" "btr.] :: rear-guard battle | rear-guard battles | to be fighting a rear-guard action\n";
        QStringList details;
        QCOMPARE(mendGluedEnglish(engFra, fraEng, spelling, trans, details), 2);
        QCOMPARE(engFra.at(0).headword, QStringLiteral("ice cream"));
        QCOMPARE(fraEng.at(0).translations, QStringList({"ice", "ice cream"}));
        QCOMPARE(engFra.at(1).headword, QStringLiteral("rearguard"));
        QCOMPARE(fraEng.at(1).translations, QStringList({"rear", "rearguard"}));
        // A listed word is no run-together one.
        QCOMPARE(fraEng.at(2).translations, QStringList({"pillowslip"}));
        QCOMPARE(details, QStringList({"eng-fra, fra-eng: \"icecream\" -> \"ice cream\""}));
        // Without trans-de-en nothing is attested and nothing changes.
        QVector<DictdEntry> alone{entry("icecream /aisiːkriːm/\ncrème glacée, glace\n")};
        QVector<DictdEntry> none;
        QCOMPARE(mendGluedEnglish(alone, none, spelling, {}, details), 0);
        QCOMPARE(alone.at(0).headword, QStringLiteral("icecream"));
    }

    void writesAsOneWordHyphenatedEnglishTransDeEnWritesInOne()
    {
        const WordRanks ranks = WordRanks::fromText(QStringLiteral("video 900\ntape 800\nmake 100\n"));
        const ItemSpelling spelling(WordList::fromWords(words("videotape makeup")), ranks, {});
        QVector<DictdEntry> engFra{
            entry("video‐tape /vˈɪdɪəʊ tˈeɪp/\nbande vidéo\n"),
            entry("make‐up /mˈeɪk ʌp/\nmaquillage, fard\n"),
        };
        QVector<DictdEntry> fraEng{
            entry("bande vidéo /bɑ̃dvideo/ <n, fem>\nvideo-tape\n"),
            entry("maquillage /makijaʒ/ <n, masc>\nmake-up, make up\n"),
        };
        // "videotape" three times against "video tape" and "video-tape";
        // "make-up" and "make up" twice against one "<makeup>".
        const QByteArray trans =
            "Videoband {n} | Videob\xc3\xa4nder {pl} :: videotape; video tape | videotapes\n"
            "eine Sendung (mit dem Videorekorder) aufnehmen; aufzeichnen {vt} | K\xc3\xb6nntest du den Film um 20 "
            "Uhr 15 f\xc3\xbcr mich aufnehmen? :: to videotape; to video [Br.]; to tape [Am.] a broadcast (with a "
            "video recorder) | Could you videotape the film at 8.15 for me?\n"
            "etw. auf Video aufnehmen :: to video-tape sth.\n"
            "Aufmachung {f}; Ausstattung {f}; Ausstaffierung {f} :: make-up <makeup> <make up>\n";
        QStringList details;
        QCOMPARE(mendGluedEnglish(engFra, fraEng, spelling, trans, details), 2);
        QCOMPARE(engFra.at(0).headword, QStringLiteral("videotape"));
        QCOMPARE(fraEng.at(0).translations, QStringList({"videotape"}));
        QCOMPARE(engFra.at(1).headword, QStringLiteral("make-up"));
        QCOMPARE(fraEng.at(1).translations, QStringList({"make-up", "make up"}));
        QCOMPARE(details, QStringList({"eng-fra, fra-eng: \"video-tape\" -> \"videotape\""}));
        // A one-word form the English words do not know stays hyphenated,
        // however often trans-de-en writes it.
        const ItemSpelling unknowing(WordList::fromWords(words("makeup")), ranks, {});
        QVector<DictdEntry> again{entry("video‐tape /vˈɪdɪəʊ tˈeɪp/\nbande vidéo\n")};
        QVector<DictdEntry> none;
        QCOMPARE(mendGluedEnglish(again, none, unknowing, trans, details), 0);
        QCOMPARE(again.at(0).headword, QStringLiteral("video-tape"));
    }

    void writesInFullAWordMissingItsDoubledLastLetter()
    {
        // Both dictionaries write "cypres"; the word list and trans-de-en
        // have "cypress" only. "gros" is a listed word and stays as it is.
        const WordRanks ranks = WordRanks::fromText(QStringLiteral("tree 500\n"));
        const ItemSpelling spelling(WordList::fromWords(words("cypress gross gros")), ranks, {});
        QVector<DictdEntry> engFra{entry("cypres /saiprəz/\ncyprès\n")};
        QVector<DictdEntry> fraEng{
            entry("cyprès /sipʀɛ/ <n, masc>\ncypres\n"),
            entry("gros /gʀo/ <adj>\nbold, corpulent, fat, gros\n"),
        };
        const QByteArray trans =
            "Sumpfzypressen {pl} (Taxodium) (botanische Gattung) [bot.] | echte Sumpfzypresse {f}; Sumpfeibe {f} "
            "(Taxodium distichum) :: swamp cypresses (botanical genus) | swamp cypress; pond cypress; bald cypress\n"
            "brutto :: gross\n";
        QStringList details;
        QCOMPARE(mendGluedEnglish(engFra, fraEng, spelling, trans, details), 2);
        QCOMPARE(engFra.at(0).headword, QStringLiteral("cypress"));
        QCOMPARE(fraEng.at(0).translations, QStringList({"cypress"}));
        QCOMPARE(fraEng.at(1).translations, QStringList({"bold", "corpulent", "fat", "gros"}));
        // Where trans-de-en writes the short word too, it is a word of its own.
        QVector<DictdEntry> attested{entry("cypres /saiprəz/\ncyprès\n")};
        QVector<DictdEntry> none;
        QCOMPARE(mendGluedEnglish(attested, none, spelling, trans + "Zypresse :: cypres\n", details), 0);
        QCOMPARE(attested.at(0).headword, QStringLiteral("cypres"));
    }

    void vetsBothDictionariesAndDropsMisspeltHeadwords()
    {
        QVector<DictdEntry> fraEng{
            entry("côtoyer /kotwaye/ <vt>\n1. walk alongside\n2. mix amoung (people)\n"),
            entry("infirmier /ɛ̃fiʀmje/ <n, masc>\n(male) nurse\n"),
            entry("jonc /ʒɔ̃/ <n, masc>\n(bul)rush\n"),
            entry("olda /ɔlda/ <adj>\nold\n"),
            entry("démissiomner /demisjone/ <v>\nquit, resign\n"),
            entry("sˈinsurger /sɛ̃syʀʒe/ <v>\nrise up against, rebel\n"),
            entry("tolerance /tɔleʀɑ̃s/ <n, fem>\ntolerance\n"),
            entry("pellicule /pɛlikyl/ <n, fem>\n1. (photographic) film, (photographic) negative\n2. dandruff\n"),
            entry("présent /pʀezɑ̃/ <n, masc>\n1. (the) present\n2. gift, present\n"),
        };
        QVector<DictdEntry> engFra{
            entry("old /ould/\n1. vieux, olda\n2. ancien\n"),
            entry("agreed /əgriːd/\nçava, soit\n"),
            entry("reasonable /riːznəbl/\n1. abordable, modéré, raisonable\n2. prudent, raisonnable, sage\n"),
            entry("radon /reidɔn/\nradon\n"),
        };
        QStringList details;
        const int changed = vetFrenchPairEntries(fraEng, french(), english(), QStringLiteral("fra-eng"), details)
                            + vetFrenchPairEntries(engFra, english(), french(), QStringLiteral("eng-fra"), details);
        // olda and démissiomner go with their headwords; jonc stays empty, for
        // eng-fra to fill if it can.
        QCOMPARE(fraEng.size(), 7);
        QCOMPARE(fraEng.at(0).translations, QStringList({"walk alongside"}));
        QCOMPARE(fraEng.at(1).translations, QStringList({"nurse"}));
        QCOMPARE(fraEng.at(2).headword, QStringLiteral("jonc"));
        QCOMPARE(fraEng.at(2).translations, QStringList());
        // The stress mark that stands for an apostrophe is one.
        QCOMPARE(fraEng.at(3).headword, QStringLiteral("s'insurger"));
        QCOMPARE(engFra.at(0).translations, QStringList({"vieux", "ancien"}));
        QCOMPARE(engFra.at(1).translations, QStringList({QString::fromUtf8("ça va"), "soit"}));
        // The mended slip stays in the first sense, where it was written.
        QCOMPARE(engFra.at(2).translations,
                 QStringList({"abordable", QString::fromUtf8("modéré"), "raisonnable", "prudent", "sage"}));
        QVERIFY(engFra.at(2).firstSense.contains(QStringLiteral("raisonnable")));
        // A loan is the listed word with its accents: "tolerance" is French
        // "tolérance" beside "tolerance", as the French list writes it.
        QCOMPARE(fraEng.at(4).headword, QString::fromUtf8("tolérance"));
        QCOMPARE(fraEng.at(4).translations, QStringList({"tolerance"}));
        // A word written the same in both languages is a loan, listed or not.
        QCOMPARE(engFra.at(3).translations, QStringList({"radon"}));
        QCOMPARE(changed, details.size());
        QVERIFY(details.contains(QStringLiteral("fra-eng: \"(male) nurse\" -> \"nurse\"")));
        // The items a note narrowed are marked so; an article in brackets
        // narrows nothing, nor does a note where the entry also gives the
        // word plainly.
        QCOMPARE(fraEng.at(1).narrowed, QStringList({"nurse"}));
        QCOMPARE(fraEng.at(5).narrowed, QStringList({"film", "negative"}));
        QCOMPARE(fraEng.at(6).narrowed, QStringList());
        QCOMPARE(fraEng.at(0).narrowed, QStringList());
    }

    void dropsTheInfinitiveMarkerOfVerbs()
    {
        QVector<DictdEntry> fraEng{
            entry("énerver /enɛʀve/ <vt>\nirritate, to get on oneˈs nerves\n"),
            entry("regarder /ʀəgaʀde/ <v>\n1. consider, look\n2. to be concerned with\n"),
            entry("attrister /atʀiste/ <v>\nat the, to the\n"),
            entry("au /o/ <art>\nto the\n"),
            entry("avoir lieu /avwaʀ ljø/ <n, masc>\nto take place\n"),
        };
        QCOMPARE(dropInfinitiveMarkers(fraEng), 2);
        QCOMPARE(fraEng.at(0).translations, QStringList({"irritate", QString::fromUtf8("get on oneˈs nerves")}));
        QCOMPARE(fraEng.at(1).translations, QStringList({"consider", "look", "be concerned with"}));
        // "to the" is no verb phrase, and only a verb's items are bared.
        QCOMPARE(fraEng.at(2).translations, QStringList({"at the", "to the"}));
        QCOMPARE(fraEng.at(3).translations, QStringList({"to the"}));
        QCOMPARE(fraEng.at(4).translations, QStringList({"to take place"}));
    }
};

QTEST_GUILESS_MAIN(TestFrenchItems)
#include "tst_french_items.moc"
