// The German pairs from Debian's trans-de-en list: cleaning, ranking, case,
// and the dictd dictionaries where the list is not installed. The lines are
// copied from the list.

#include "data/import/english_word_uses.h"
#include "data/import/everyday_supplement.h"
#include "data/import/freedict_import.h"
#include "data/import/german_core.h"
#include "data/import/trans_de_en.h"
#include "data/import/trans_de_en_internal.h"
#include "data/schema.h"
#include "import_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::import;

namespace {

const char kDogAndTake[] =
    "# Version :: devel 2023-01-30\n"
    "Klampe {f}; Klemme {f}; Klaue {f}; Knagge {f}; Mitnehmer {n} [techn.] | Klampen {pl}; Klemmen {pl}; Klauen "
    "{pl}; Knaggen {pl}; Mitnehmer {pl} :: cleat; chock; dog | cleats; chocks; dogs\n"
    "Bandhaken {m}; Bandzieher {m}; Reifzange {f} (Fassbinderei) :: dog (barrel-making)\n"
    "Einnahmen {pl} :: take [Am.]\n"
    "Aufnahme {f} [photo.] :: taking; take\n"
    "Aufstellung nehmen {v} :: to take up position; to form a line; to get into formation\n"
    "Gerüstklammer {f}; Rüstklammer {f} [constr.] | Gerüstklammern {pl}; Rüstklammern {pl} :: dog; cramp iron; "
    "cramp | dogs; cramp irons; cramps\n"
    "Hund {m} [zool.] | Hunde {pl} | Haushund {m} | Pflegehund {m} | jagdlich ambitionierte Hunde | knurriger Hund "
    "| einen Hund abrichten | die Hunde loslassen | Schlafende Hunde soll man nicht wecken.; Man soll keine "
    "schlafenden Hunde wecken. [Sprw.] :: dog; dawg (used to represent American speech) | dogs; dawgs | domestic "
    "dog; pet dog | boading dog | dogs with a strong hunting instinct | growler | to train a dog | to unleash the "
    "dogs | Let sleeping dogs lie. [prov.]\n"
    "Hund {m} :: canine; K-9 [Am.]\n"
    "Klammhaken {m}; Balkhaken {m} (Zimmerei) | Klammhaken {pl}; Balkhaken {pl} :: dog (carpentry) | dogs\n"
    "Montag {m} /Mo/ | Ostermontag {m} [relig.] | Pfingstmontag {m} [relig.] | Ich brauche das Buch bis Montag. :: "
    "Monday /Mon/ | Easter Monday | Pentecost Monday; Whit Monday [Br.] | I need the book by Monday.\n"
    "Schlepphaken {m} (Drahtziehen) [techn.] | Schlepphaken {pl} :: dog (wire drawing) | dogs\n"
    "etw. nehmen {vt} | nehmend | genommen | du nimmst | er/sie nimmt | ich/er/sie nahm | er/sie hat/hatte genommen "
    "| ich/er/sie nähme | nimm! | jdm. etw. nehmen; wegnehmen | jdn. bei der Hand nehmen; jdn. an der Hand nehmen "
    ":: to take sth. {took; taken} | taking | taken | you take | he/she takes | I/he/she took | he/she has/had "
    "taken | I/he/she would take | take! | to take sth. from sb. | to take sb. by the hand; to hold sb. by the "
    "hand\n";

const char kHarbour[] =
    "(schützende) Hafenbucht {f}; Hafen {m} | Hafenbuchten {pl}; Häfen {pl} | Militärhafen {m} [mil.] |  "
    "Militärhäfen {pl} | Schleusenhafen {m}; Fluthafen {m} |  Schleusenhäfen {pl}; Fluthäfen {pl} :: harbour [Br.]; "
    "harbor [Am.] | harbours; harbors | military harbour | military harbours | tidal harbour [Br.]; tidal harbor "
    "[Am.]; wet dock complex | tidal harbours; tidal harbors; wet dock complexes\n"
    "etw. hegen; etw. haben {vt} (z. B. Gedanken) :: to harbour sth. [Br.]; to harbor sth [eAm.] (e.g. thoughts)\n";

QStringList texts(const QVector<TransSynonym> &synonyms)
{
    QStringList result;
    for (const TransSynonym &synonym : synonyms)
        result.append(synonym.text);
    return result;
}

// The German items the lines give one English word, read with that word
// as the only one the other tables know.
QStringList germanItemsOf(const QByteArray &lines, const QString &english)
{
    return germanSourcesFromTrans(lines, {english}).englishToGerman.value(english);
}

// The columns of a data-driven test of the German item lines give an
// English word first, checked by checkFirstGermanItem.
void addFirstGermanItemColumns()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("first");
}

// The check of a data-driven row of "lines", "english" and "first": the
// lines give the English word that German item first.
void checkFirstGermanItem()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, english);
    QFETCH(QString, first);
    const QStringList german = germanItemsOf(lines, english);
    QVERIFY2(german.value(0) == first, qPrintable(german.join(u", ")));
}

// The English items the lines give one German word, read with `core` as
// the English words the other tables know.
QStringList englishItemsOf(const QByteArray &lines, const QStringList &core, const QString &german)
{
    return germanSourcesFromTrans(lines, core).germanToEnglish.value(german);
}

// The German words' rows of a selection, each as its list of English items.
QHash<QString, QStringList> germanRows(const GermanCore &selected)
{
    QHash<QString, QStringList> rows;
    for (const ImportRow &row : selected.germanEnglish)
        rows.insert(row.source, row.target.value_or(QString()).split(QStringLiteral(", ")));
    return rows;
}

// The noun lines of "tax": "Steuer" heads a tagged main entry with its forms
// and compounds, and is a later synonym on the line "Abgabe" heads.
const QByteArray kTaxNounLines =
    "Abgabe {f}; Steuer {f} [fin.] | Abgaben {pl}; Steuern {pl} | alle sonstigen Abgaben :: tax | taxes | "
    "any other duties and taxes\n"
    "Gebühr {f}; Taxe {f} :: tax\n"
    "Steuer {f} (auf etw.) [fin.] | Steuern {pl} | Alkoholsteuer {f} | Biersteuer {f} | Bundessteuer {f} "
    ":: tax (on sth.) | taxes | alcoholic beverage tax; liquor tax | beer tax | tax accruing to the federal "
    "government\n";

} // namespace

class TestTransDeEn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleansEverySynonym_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *raw, bool english, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(raw) << english << QString::fromUtf8(expected);
        };
        row("gender and field tags", "Hund {m} [zool.]", false, "Hund");
        row("German abbreviation", "Montag {m} /Mo/", false, "Montag");
        row("abbreviation with a dot, then a tag", "Sprache {f} /Spr./ [ling.]", false, "Sprache");
        row("English abbreviation", "Monday /Mon/", true, "Monday");
        row("leading valency marker", "etw. nehmen {vt}", false, "nehmen");
        row("markers joined by a slash", "jdn./etw. zu Fall bringen {v}", false, "zu Fall bringen");
        row("German possessive marker", "jd.’s Lage {f}", false, "Lage");
        row("verb forms in braces, \"to\" and marker", "to take sth. {took; taken}", true, "take");
        row("usage note", "dawg (used to represent American speech)", true, "dawg");
        row("German note", "Reifzange {f} (Fassbinderei)", false, "Reifzange");
        row("editor's mark", "to make sth. {made; made} #BE_make#", true, "make");
        row("open list", "to check with sb. what/whether etc.", true, "");
        row("note holding a marker", "sich (mit jdm.) treffen", false, "sich treffen");
        row("separable-verb mark", "to trip up <> sb./sth.", true, "trip up");
        // A word that comes again after a left-out object or alternative is
        // no second word.
        row("phrase again after its alternative", "to sell sth. at auction / by auction", true, "sell at auction");
        row("particle again after the object", "to let in <> sb. in/into sth.", true, "let in");
        row("a word said twice stays", "bling bling [coll.]", true, "bling bling");
        // "etw. anfechten; jdn. ablehnen {vt} [jur.] | … :: to challenge sth./sb | …"
        row("last joined marker without its stop", "to challenge sth./sb", true, "challenge");
        row("a bare word is no marker", "to sb", true, "sb");
        // A verb with its object's preposition reads as dictionaries give it;
        // a copula's "gegen etw. sein" names a stance and stays out.
        row("preposition and marker before a German verb", "über etw. verfügen {vi}", false, "verfügen über");
        row("markers around the preposition", "jdn./etw. mit etw. schmücken", false, "schmücken mit");
        row("preposition before \"sein\"", "gegen etw. sein {v}", false, "");
        row("markers inside a German phrase", "bei jdm./etw. Anleihe nehmen {v}", false, "");
        // "mit (Zahlen, Fakten) herumjonglieren; etw. umschichten {vt} | … :: to juggle (figures, facts); …"
        row("preposition's object in brackets", "mit (Zahlen, Fakten) herumjonglieren", false, "");
        row("preposition's object with its article", "zu (einer Gruppe) gehören {vi}", false, "");
        row("bracket qualifying a noun", "mit (voller) Absicht", false, "mit Absicht");
        row("bracket qualifying an adjective", "in (moralisch) fragwürdiger Weise", false, "in fragwürdiger Weise");
        // An English marker goes from a phrase when the rest still reads on
        // the verb, and the phrase is left out when the rest belongs to the
        // object: "let be known", "steal thunder" and "let go first" are no
        // English.
        row("marker inside an English phrase", "to take sth. into account (in a calculation)", true,
            "take into account");
        row("adjective after \"make\" and a marker", "to make sth. ready (for sth.)", true, "make ready");
        row("particle after \"let\" and a marker", "to let sb. in on sth. [coll.]", true, "let in on");
        row("\"be\" after a marker", "to let sth. be known", true, "");
        row("possessive marker inside", "to steal sb.’s thunder [fig.]", true, "");
        row("the object's verb after \"let\"", "to let sb. go first", true, "");
        // "jdn. anweisen; auffordern; beauftragen, etw. zu tun {vt} :: to instruct sb. to do sth.": the
        // object's infinitive goes with the object, not "instruct to do".
        row("the object's infinitive", "to instruct sb. to do sth.", true, "instruct");
        row("the object's infinitive after alternatives", "to call on/upon sb. to do sth.", true, "call on");
        row("\"for\" with the object's infinitive", "to gesture for/to sb. to do sth.", true, "");
        row("the object's verb after \"let\", last", "to let sth. happen", true, "");
        row("alternative after a slash", "Abflachung {f} / Abplattung {f} an den Polen [math.]", false,
            "Abflachung an den Polen");
        row("a phrase given again after a slash", "ohne weiteres / ohne Weiteres", false, "ohne weiteres");
        row("a phrase with a preposition keeps its \"to\"", "to no avail", true, "to no avail");
        row("a verb with \"no longer\" loses it", "to no longer apply", true, "no longer apply");
        row("phrases sharing a rest", "to be / to feel nauseous / queasy / squeamish / sick [Br.]", true, "");
        row("a longer phrase after a slash", "to look forward / to be looking forward to sth./to doing sth. [formal]",
            true, "");
        row("another phrase after a marker's slash", "to be able to look forward to sth./ to expect sth.", true, "");
        row("a comparative after a tilde", "bad ~worse (of a low standard, unpleasant, adverse)", true, "bad");
        row("a word to compare after a tilde", "Dockarbeiter {m} ~Stauer", false, "Dockarbeiter");
        row("spelling variants glued by a slash", "colour [Br.]/color [Am.] palette/range/scale", true,
            "colour palette");
        // "starten {vt} ... :: to launch a satellite/a rocket": a phrase
        // after the slash ends the first one; articles alternating alone stay.
        row("a phrase after a word's slash", "to launch a satellite/a rocket", true, "launch a satellite");
        row("a phrase after a slash, then more", "to give sb. the cold shoulder/the go-by/the brush-off [coll.]", true,
            "give the cold shoulder");
        row("articles alternating", "driver of a/the vehicle", true, "driver of a vehicle");
        // "sich (in etw.) verfangen; ... {vr} :: to become/get tangled
        // up/entangled/ snarled up/ensnared (in sth.)": the phrase after the
        // loose slash ends the first one.
        row("a phrase after a loose slash", "to become/get tangled up/entangled/ snarled up/ensnared (in sth.)",
            true, "become tangled up");
        // "sich aus etw. ergeben {vr} ... :: to arise from/out of sth.": the
        // alternative is "out of".
        row("a two-word preposition after a slash", "to arise from/out of sth. {arose; arisen}", true,
            "arise from");
        // "Eingabe/Ausgabe-bedingt; …; Ein-/Ausgabe-gebunden; E/A-gebunden {adj} [comp.] :: input/output-bound;
        // …; I/O-bound": a slash inside one word cannot be cut like an
        // alternative's ("Ein- Ausgabe-gebunden", "input"), and the word is
        // left out; a plain alternative still gives its first word.
        row("a shortened compound", "Ein-/Ausgabe-gebunden", false, "");
        row("a shared hyphenated tail", "input/output-bound", true, "");
        row("a German shared tail", "Eingabe/Ausgabe-gebunden", false, "");
        row("an abbreviation of capitals", "I/O", true, "");
        row("an abbreviation with a tail", "E/A-gebunden {adj} [comp.]", false, "");
        row("a plain alternative", "to call on/upon sb.", true, "call on");
        row("fragment", "Farb…", false, "");
        row("label", "Hauptstadt: Winnipeg [geogr.] <Kanada>", false, "");
        row("comma inside", "dafürhalten, dass", false, "");
        row("reflexive verb with a prepositional object", "sich an jdn./etw. erinnern", false, "sich erinnern an");
        row("reflexive verb that needs its preposition", "sich um etw. handeln", false, "sich handeln um");
        row("reflexive verb, object in the accusative", "sich auf jdn./etw. besinnen [geh.] {vr}", false,
            "sich besinnen auf");
        // An adjective written with its endings: one used only before a noun
        // keeps its "-e" form; a superlative, or a phrase whose article is
        // written for both genders, would read as a cut and is left out.
        row("an adjective with its endings", "obere/r/s", false, "obere");
        row("a superlative with its endings", "notwendigste/r/s", false, "");
        row("a superlative with ß and its endings", "größte/r/s {adj}", false, "");
        row("an article for both genders", "ein/e einzige/r/s {adj}", false, "");
        // Slips of the source's English side: a doubled "to", a stop after a
        // word or standing alone, a shortened object.
        // An abbreviation keeps its stop.
        row("a doubled infinitive marker", "to to prance around", true, "prance around");
        row("a doubled marker before an object", "to to feed sth.", true, "feed");
        row("a stop after a preposition", "to combine sth. with. sth.", true, "combine with");
        row("a stop after a bracket", "to back down (on sth).", true, "back down");
        row("a shortened object", "to give therapy to st.", true, "give therapy to");
        row("a marker's alternative keeps its stop", "to govern sb./a country", true, "govern");
        row("an abbreviation keeps its stop", "Mr.", true, "Mr.");
        row("a saint's title keeps its stop", "St. Nicholas", true, "St. Nicholas");
        row("a phrase keeps its to", "to no avail", true, "to no avail");
        // Words that fill a slot of a construction the note spells out are
        // no translations; plain alternatives at a slash are.
        row("the words of a construction", "not / hardly (+ comparative adjective)", true, "");
        row("alternatives at a slash", "to fuel / refuel (a lorry, a plane, a ship)", true, "fuel");
        row("a construction of one word", "increasingly (+ adjective)", true, "increasingly");
        // A phrase after a free-standing slash is not glued onto the one
        // before it: the first phrase ends at the slash, a German one (verb
        // last) is left out. A one-word alternative still shares the rest.
        row("a phrase after the slash restates a word", "inflammation of a joint / of joints", true,
            "inflammation of a joint");
        row("a phrase after the slash restates the verb's object", "to punch punch cards / punch tapes", true,
            "punch punch cards");
        row("a phrase after the slash restates a marker", "to entrust sth. to sb. / sb. with sth.", true, "entrust to");
        row("a phrase after the slash opens with an article", "to caress sb. / a body part", true, "caress");
        row("a tagged phrase after the slash", "to go the way of the flesh / of all flesh [relig.]", true,
            "go the way of the flesh");
        row("a German phrase after the slash", "jdn. / einen Körperteil streicheln", false, "");
        row("one word after the slash, then a shared rest", "to sell sth. at auction / by auction", true,
            "sell at auction");
        row("one word after the slash, then a shared adjective", "to be / feel attracted", true, "be attracted");
        // "Magnetplatte {f} (einer Festplatte) [comp.] :: hard-disc [Br.] / hard disk [Am.] platter; platter":
        // the other country's word, tagged, is left out and the shared rest
        // stays with the first.
        row("the other country's words before a shared rest", "hard-disc [Br.] / hard disk [Am.] platter", true,
            "hard-disc platter");
        row("the other country's verb before a shared object", "to have [Br.] / take [Am.] a swim", true,
            "have a swim");
        row("the other country's word after a phrase", "resuscitation centre [Br.] / center [Am.]", true,
            "resuscitation centre");
    }
    void cleansEverySynonym()
    {
        QFETCH(QString, raw);
        QFETCH(bool, english);
        QFETCH(QString, expected);
        QCOMPARE(cleanTransSynonym(raw, english), expected);
    }

    void readsTheFirstSectionOfALine()
    {
        const TransEntry montag = parseTransEntry(
            u"Montag {m} /Mo/ | Ostermontag {m} [relig.] | Pfingstmontag {m} [relig.] | Ich brauche das Buch bis "
            u"Montag. :: Monday /Mon/ | Easter Monday | Pentecost Monday; Whit Monday [Br.] | I need the book by "
            u"Monday.");
        QCOMPARE(texts(montag.german), QStringList{QStringLiteral("Montag")});
        QCOMPARE(texts(montag.english), QStringList{QStringLiteral("Monday")});

        // "; " inside braces does not split: "{took; taken}".
        const TransEntry take = parseTransEntry(QString::fromUtf8(kDogAndTake).split(u'\n').at(12));
        QCOMPARE(texts(take.german), QStringList{QStringLiteral("nehmen")});
        QCOMPARE(texts(take.english), QStringList{QStringLiteral("take")});

        // Nor does one inside an abbreviation between slashes, whose second
        // half ("a/c/", "Nachf./") would be an item of its own; a slash that
        // closes, as in "/ % /;", opens nothing.
        const TransEntry successor = parseTransEntry(u"Nachfolger {m}; Nachfolgerin {f} /Nchf.; Nachf./ | Nachfolger "
                                                     u"{pl}; Nachfolgerinnen {pl} :: successor; follower | successors; "
                                                     u"followers");
        QCOMPARE(texts(successor.german), (QStringList{QStringLiteral("Nachfolger"), QStringLiteral("Nachfolgerin")}));
        const TransEntry account = parseTransEntry(
            u"Bankkonto {n}; Konto {n} /Kto./ [fin.] | Bankkonten {pl}; Konten {pl}; Kontos {pl}; Konti {pl} :: bank "
            u"account; account with/at a bank /acct; a/c/ | accounts");
        QCOMPARE(texts(account.english).first(), QStringLiteral("bank account"));
        QVERIFY(!texts(account.english).contains(QStringLiteral("a")));
        const TransEntry percent = parseTransEntry(
            u"Prozent {n} / % /; Hundertstel {n}; hundertster Teil; vom Hundert /v. H./ [math.] | Prozente {pl} :: "
            u"per cent [Br.]; percent [Am.] / % / | percents");
        QCOMPARE(texts(percent.german), (QStringList{QStringLiteral("Prozent"), QStringLiteral("Hundertstel"),
                                                     QStringLiteral("hundertster Teil"), QStringLiteral("vom Hundert")}));

        const TransEntry clamp = parseTransEntry(
            u"Gerüstklammer {f}; Rüstklammer {f} [constr.] | Gerüstklammern {pl}; Rüstklammern {pl} :: dog; cramp "
            u"iron; cramp | dogs; cramp irons; cramps");
        QCOMPARE(texts(clamp.german), (QStringList{QStringLiteral("Gerüstklammer"), QStringLiteral("Rüstklammer")}));
        QCOMPARE(clamp.german.at(0).sense, Sense::General);
        QCOMPARE(clamp.german.at(1).sense, Sense::SpecialField);
        QCOMPARE(texts(clamp.english),
                 (QStringList{QStringLiteral("dog"), QStringLiteral("cramp iron"), QStringLiteral("cramp")}));

        // A plural beside its singular is left out; an entry of plurals keeps them.
        const TransEntry springs =
            parseTransEntry(u"Abfederung {f}; Federsystem {n}; die Federn {pl} [techn.] :: springing; spring system");
        QCOMPARE(texts(springs.german), (QStringList{QStringLiteral("Abfederung"), QStringLiteral("Federsystem")}));
        // On a line led by a plural, the plurals of other words stay; the
        // plural of a word beside it goes, and so do the plurals after a
        // singular head.
        const TransEntry intestines = parseTransEntry(
            u"Eingeweide {pl}; Gedärme {pl}; Viszera {pl}; Enteron {n} [anat.] | Eingeweide eines erlegten Hirsches :: "
            u"intestines; entrails; innards; bowels; guts [coll.]; enteron; viscera [med.]");
        QCOMPARE(texts(intestines.german), (QStringList{QStringLiteral("Eingeweide"), QStringLiteral("Gedärme"),
                                                        QStringLiteral("Viszera"), QStringLiteral("Enteron")}));
        QCOMPARE(texts(parseTransEntry(u"Augenschmerzen {pl}; Augenschmerz {m} [med.] :: eye pain").german),
                 QStringList{QStringLiteral("Augenschmerz")});
        QCOMPARE(texts(parseTransEntry(u"Agrarwissenschaften {pl}; Agrarwissenschaft {f}; Agronomie {f} [agr.] :: "
                                       u"agricultural science")
                           .german),
                 (QStringList{QStringLiteral("Agrarwissenschaft"), QStringLiteral("Agronomie")}));
        QCOMPARE(texts(parseTransEntry(u"Publikum {n}; Zuschauer {pl}; Zuhörer {pl}; Besucher {pl} | Kinopublikum {n} "
                                       u":: audience; audiences | cinema audience")
                           .german),
                 QStringList{QStringLiteral("Publikum")});
        // A slash between one word's British and American spellings gives both.
        const TransEntry delicacy = parseTransEntry(
            u"(kulinarischer) Leckerbissen {m}; Delikatesse {f}; Schmankerl {n} [Süddt.] [Ös.]; Gustostückerl {m} "
            u"[Ös.]; Gourmandise {f} [selten] [geh.] [cook.] :: delicacy; gourmet treat; treat; titbit [Br.] / tidbit "
            u"[Am.] (small piece)");
        QCOMPARE(texts(delicacy.english), (QStringList{QStringLiteral("delicacy"), QStringLiteral("gourmet treat"),
                                                       QStringLiteral("treat"), QStringLiteral("titbit"),
                                                       QStringLiteral("tidbit")}));
        // A slash inside a longer phrase still gives its first reading.
        QCOMPARE(texts(parseTransEntry(u"Wiederbelebungszentrum {n} :: resuscitation centre [Br.] / center [Am.]")
                           .english),
                 QStringList{QStringLiteral("resuscitation centre")});
        const TransEntry takings = parseTransEntry(u"Einnahmen {pl} :: take [Am.]");
        QCOMPARE(texts(takings.german), QStringList{QStringLiteral("Einnahmen")});
        QCOMPARE(takings.english.at(0).sense, Sense::General);  // American English is standard English

        // "to" goes from verbs only: on a line of an adverb or a noun it starts
        // a set phrase, and a verb line wrongly tagged as a noun is still a verb's.
        const TransEntry soFar = parseTransEntry(
            u"bisherig {adj} (vorläufig) | die bisherigen Höhepunkte in der Saison 2010/11 :: existing (prepositive); "
            u"to date; so far; up to now (postpositive) | the key events to date");
        QCOMPARE(texts(soFar.english).at(1), QStringLiteral("to date"));
        // Each line's own German side tells it, one after another: sides of
        // one length, an adverb's and a verb's, both ways round.
        QCOMPARE(texts(parseTransEntry(u"bisher {adv} :: to date").english), QStringList{QStringLiteral("to date")});
        QCOMPARE(texts(parseTransEntry(u"datieren {v} :: to date").english), QStringList{QStringLiteral("date")});
        QCOMPARE(texts(parseTransEntry(u"bisher {adv} :: to date").english), QStringList{QStringLiteral("to date")});
        const TransEntry first = parseTransEntry(
            u"zunächst einmal; zuerst einmal; erst einmal [ugs.]; erstens {adv} (bei einer zeitlichen oder "
            u"argumentativen Aufzählung) :: to start with; for a start [coll.]; for starters [coll.] (used to "
            u"introduce the first in a list of events or arguments)");
        QCOMPARE(texts(first.english).at(0), QStringLiteral("to start with"));
        QCOMPARE(texts(parseTransEntry(u"anfeuern {vt} (durch Zurufe) :: to root for [Am.]").english),
                 QStringList{QStringLiteral("root for")});
        QCOMPARE(texts(parseTransEntry(u"Streifen ziehen {f} | Streifen ziehend | Streifen gezogen :: to stripe | "
                                       u"striping | striped")
                           .english),
                 QStringList{QStringLiteral("stripe")});

        const TransEntry colour = parseTransEntry(u"Farb… :: colour [Br.]; color [Am.]");
        QVERIFY(colour.german.isEmpty());
        QVERIFY(colour.english.at(0).spellingVariant && colour.english.at(1).spellingVariant);

        // Two verbs joined by a comma are two synonyms; read as one, the
        // comma left both out.
        const TransEntry forgive = parseTransEntry(
            u"jdm. etw. verzeihen; vergeben {vt} | verzeihend; vergebend :: to forgive sb. {forgave; forgiven}, to "
            u"pardon sb. for sth. [formal] | forgiving; pardoning");
        QCOMPARE(texts(forgive.english), (QStringList{QStringLiteral("forgive"), QStringLiteral("pardon for")}));

        // A tag after the group's word class belongs to the whole group; one
        // before it, or on a synonym with tags of its own, to that synonym.
        const TransEntry autonomous =
            parseTransEntry(u"weisungsfrei; weisungsungebunden {adj} [adm.] :: autonomous; not subject to direction");
        QVERIFY(autonomous.german.at(0).groupTagged && autonomous.german.at(1).groupTagged);
        const TransEntry building = parseTransEntry(
            u"Bauwerk {n}; Bau {m}; Baute {f} [Schw.] [adm.]; Konstruktion {f} [constr.] [techn.] :: structure; "
            u"construction");
        QVERIFY(std::none_of(building.german.cbegin(), building.german.cend(),
                             [](const TransSynonym &s) { return s.groupTagged; }));
        QVERIFY(!parseTransEntry(u"gestört [ugs.] {adj} :: disturbed").german.at(0).groupTagged);

        QVERIFY(parseTransEntry(u"# Version :: devel 2023-01-30").german.isEmpty());
        QVERIFY(parseTransEntry(u"no separator here").english.isEmpty());
    }

    // Germany's word is standard whatever regions share it; of a line of
    // regional words only, the first stands for the standard word unless it
    // is colloquial as well.
    void readsWhichRegionalWordsAreStandard()
    {
        const TransEntry armchair = parseTransEntry(
            u"Polstersessel {m}; Sessel {m} [Dt.] [Schw.]; Lehnstuhl {m} [Dt.]; Lehnsessel {m} [Dt.]; Fauteuil {m} "
            u"[Ös.] [Schw.] | Polstersessel {pl}; Sessel {pl}; Lehnstühle {pl}; Lehnsessel {pl}; Fauteuile {pl} | "
            u"Cocktailsessel {m} :: armchair; fauteuil | armchairs; fauteuils | cocktail chair");
        QCOMPARE(armchair.german.size(), 5);
        QCOMPARE(armchair.german.at(1).text, QStringLiteral("Sessel"));
        QVERIFY(!armchair.german.at(1).fringe);
        QCOMPARE(armchair.german.at(1).sense, Sense::General);
        QVERIFY(armchair.german.at(4).fringe);

        const TransEntry bucket = parseTransEntry(
            u"Eimer {m} [Norddt.] [Westdt.]; Kübel {m} [Mitteldt.] [Bayr.] [Ös.] [Schw.] | Eimer {pl}; Kübel {pl} :: "
            u"bucket | buckets");
        QCOMPARE(bucket.german.size(), 2);
        QVERIFY(!bucket.german.at(0).fringe);
        QCOMPARE(bucket.german.at(0).sense, Sense::General);
        QVERIFY(bucket.german.at(1).fringe);

        const TransEntry harmonica = parseTransEntry(
            u"Goschenhobel {m} [ugs.] [Süddt.] [Ös.]; Fotzhobel {m} [ugs.] [Süddt.] [Ös.] :: harmonica; mouth organ");
        QVERIFY(harmonica.german.at(0).fringe);
        QVERIFY(parseTransEntry(u"Trauminet {m} [Ös.] :: coward").german.at(0).fringe);
        QVERIFY(parseTransEntry(u"Feigling {m}; Trauminet {m} [Ös.]; Dadalotsch {m} [Ös.] :: coward").german.at(1).fringe);

        // A word given once per region's number, north and south, is the
        // standard word; one given twice within the south stays regional.
        const TransEntry christmas = parseTransEntry(
            u"Weihnachten {n} [Norddt.] [Mitteldt.]; Weihnachten {pl} [Süddt.] [Ös.] [Schw.]; Weihnacht {f} [geh.]; "
            u"Weihnachtsfest {n}; Christfest {n} [relig.] :: Christmas; Xmas; Yule [dated]");
        QCOMPARE(christmas.german.at(0).text, QStringLiteral("Weihnachten"));
        QVERIFY(!christmas.german.at(0).fringe);
        QCOMPARE(christmas.german.at(0).sense, Sense::General);
        const TransEntry hay = parseTransEntry(
            u"Heuernte {f}; Heuarbeit {f} [Bayr.] [Ös.]; Heumahd {f} [Ös.]; Heuet {f} [BW]; Heuet {m} [Schw.] [agr.] | "
            u"Heuernten {pl}; Heuarbeiten {pl}; Heumahden {pl} :: hay harvest; haymaking | hay harvests; haymakings");
        QCOMPARE(hay.german.at(3).text, QStringLiteral("Heuet"));
        QVERIFY(hay.german.at(3).fringe);
    }

    void weighsTheTagsOfASense()
    {
        const auto sense = [](std::initializer_list<const char *> tags) {
            QStringList list;
            for (const char *tag : tags)
                list.append(QString::fromUtf8(tag));
            return senseOfTags(list);
        };
        QCOMPARE(sense({}), Sense::General);
        QCOMPARE(sense({"zool."}), Sense::General);
        QCOMPARE(sense({"Dt."}), Sense::General);
        QCOMPARE(sense({"techn."}), Sense::SpecialField);
        QCOMPARE(sense({"constr."}), Sense::SpecialField);
        QCOMPARE(sense({"biol.", "med."}), Sense::General);  // sterben: the everyday word
        QCOMPARE(sense({"agr.", "übtr."}), Sense::General);  // Joch
        QCOMPARE(sense({"ugs."}), Sense::SpecialRegister);
        QCOMPARE(sense({"Ös.", "cook."}), Sense::SpecialRegister);
        QCOMPARE(sense({"slang"}), Sense::SpecialRegister);
    }

    void splitsAtSeparatorsOutsideBrackets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("plain") << "Hund {m}; Rüde {m}" << "; " << QStringList{"Hund {m}", "Rüde {m}"};
        QTest::newRow("inside braces") << "to take sth. {took; taken}; to grab" << "; "
                                       << QStringList{"to take sth. {took; taken}", "to grab"};
        QTest::newRow("nested brackets") << "a (b [c; d] e; f) g; h" << "; "
                                         << QStringList{"a (b [c; d] e; f) g", "h"};
        QTest::newRow("abbreviation") << "bank account /acct; a/c/; account" << "; "
                                      << QStringList{"bank account /acct; a/c/", "account"};
        QTest::newRow("sections") << "rechts {adv} | auf der rechten Seite (a | b); rechts" << " | "
                                  << QStringList{"rechts {adv}", "auf der rechten Seite (a | b); rechts"};
        QTest::newRow("first character alone") << "a | b |c" << " | " << QStringList{"a", "b |c"};
        QTest::newRow("empty parts") << "; a; ; b; " << "; " << QStringList{"", "a", "", "b", ""};
        QTest::newRow("empty text") << "" << "; " << QStringList{""};
        QTest::newRow("unclosed bracket") << "a (b; c" << "; " << QStringList{"a (b; c"};
        QTest::newRow("stray closing bracket") << "a) b; c" << "; " << QStringList{"a) b", "c"};
    }

    void splitsAtSeparatorsOutsideBrackets()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, parts);
        QStringList split;
        for (const QStringView part : detail::splitTopLevel(text, separator))
            split.append(part.toString());
        QCOMPARE(split, parts);
    }

    void ranksTheMainSenseFirst()
    {
        const GermanSources sources = germanSourcesFromTrans(
            QByteArray(kDogAndTake), {QStringLiteral("dog"), QStringLiteral("take"), QStringLiteral("Monday")});
        QVERIFY(sources.ranked);

        // The entries that list "dog" first come first, "Hund" (in the most
        // lines) ahead; then their tagged technical senses; then the entry
        // that lists "dog" third, though it comes first in the file.
        const QStringList dog = sources.englishToGerman.value(QStringLiteral("dog"));
        QCOMPARE(dog.first(), QStringLiteral("Hund"));
        QCOMPARE(dog.size(), 14);
        QCOMPARE(dog.mid(7, 2), (QStringList{QStringLiteral("Rüstklammer"), QStringLiteral("Schlepphaken")}));
        QCOMPARE(dog.mid(9), (QStringList{QStringLiteral("Klampe"), QStringLiteral("Klemme"), QStringLiteral("Klaue"),
                                          QStringLiteral("Knagge"), QStringLiteral("Mitnehmer")}));

        // "nehmen" is mentioned by two lines, "Einnahmen" by one; "take" is
        // not first in the entry of "Aufnahme", which comes last.
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("take")),
                 (QStringList{QStringLiteral("nehmen"), QStringLiteral("Einnahmen"), QStringLiteral("Aufnahme")}));

        QCOMPARE(sources.englishToGerman.value(QStringLiteral("Monday")), QStringList{QStringLiteral("Montag")});
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Montag")), QStringList{QStringLiteral("Monday")});
        // A German word's own senses come with it, core words or not.
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Hund")),
                 (QStringList{QStringLiteral("dog"), QStringLiteral("canine")}));

        const GermanCore core = selectGermanCore({QStringLiteral("dog"), QStringLiteral("take"),
                                                  QStringLiteral("Monday")},
                                                 sources, schema::kMaxRows);
        QCOMPARE(core.englishGerman.at(0).source, QStringLiteral("dog"));
        // None of the tools is in the subtitle list: the first word of a line
        // that names "dog" plainly ("Gerüstklammer") comes before the words
        // of lines narrowed by a note ("dog (barrel-making)"), the words of a
        // noun's own entry with its plurals ("Klammhaken {m}; Balkhaken {m}
        // | Klammhaken {pl}; Balkhaken {pl} :: dog (carpentry) | dogs")
        // before those of a line without them, and the first of each line
        // before its later synonyms.
        QCOMPARE(core.englishGerman.at(0).target,
                 std::optional<QString>(QStringLiteral("Hund, Gerüstklammer, Klammhaken, Bandhaken, Balkhaken, "
                                                       "Bandzieher")));
        QCOMPARE(core.englishGerman.at(2).target, std::optional<QString>(QStringLiteral("Montag")));
        for (const ImportRow &row : core.germanEnglish)
            QVERIFY2(!row.source.contains(u'/') && !row.source.contains(u'{'), qPrintable(row.source));
    }

    void countsTheLinesThatMentionAWord()
    {
        const TransWordCounts counts = countTransWords(QByteArray(kDogAndTake));
        // A line counts once however often it repeats a word ("Hund",
        // "Hunde" and "dog" in the sections of the "dog" line, "Klammhaken"
        // and "dogs" in the "dog (carpentry)" line), lowercased; the
        // version line and what stands in brackets ("(Zimmerei)",
        // "[zool.]", "{m}") count for nothing.
        QCOMPARE(counts.german.value(QStringLiteral("hund")), 2);
        QCOMPARE(counts.german.value(QStringLiteral("klammhaken")), 1);
        QCOMPARE(counts.german.value(QStringLiteral("hunde")), 1);
        QVERIFY(!counts.german.contains(QStringLiteral("zimmerei")));
        QVERIFY(!counts.german.contains(QStringLiteral("zool")));
        QVERIFY(!counts.german.contains(QStringLiteral("m")));
        QVERIFY(!counts.english.contains(QStringLiteral("version")));
        QCOMPARE(counts.english.value(QStringLiteral("dog")), 6);
        QCOMPARE(counts.english.value(QStringLiteral("dogs")), 5);
        QVERIFY(!counts.english.contains(QStringLiteral("carpentry")));

        // The sources read from the list carry the same counts.
        const GermanSources sources = germanSourcesFromTrans(QByteArray(kDogAndTake), {QStringLiteral("dog")});
        QCOMPARE(sources.germanFrequencies, counts.german);
        QCOMPARE(sources.englishFrequencies, counts.english);
    }

    void readsAFileWithCrlfLineEndsAsItsLines()
    {
        // A carriage return before each line end, or a line of nothing but
        // one, gives no word and sticks to none: the rows are those of the
        // file without them.
        const QByteArray lines = "aufhören; anhalten {vi} :: to stop; to cease\n"
                                 "aufhören; anhalten {vi} :: \n"
                                 "Hafen {m} | Häfen {pl} :: harbour [Br.]; harbor [Am.] | harbours; harbors\n";
        QByteArray crlf = lines;
        crlf.replace("\n", "\r\n");
        const QStringList core{QStringLiteral("stop"), QStringLiteral("harbour")};
        const GermanSources plain = germanSourcesFromTrans(lines, core);
        const GermanSources carried = germanSourcesFromTrans(crlf, core);
        QVERIFY(!plain.germanToEnglish.isEmpty());
        QCOMPARE(carried.germanToEnglish, plain.germanToEnglish);
        QCOMPARE(carried.englishToGerman, plain.englishToGerman);
        const TransEntry entry = parseTransEntry(QStringLiteral("aufhören {vi} :: to stop; to cease\r"));
        QCOMPARE(entry.english.size(), 2);
        QCOMPARE(entry.english.last().text, QStringLiteral("cease"));
    }

    // Every field of sources read in pieces against those of one pass (the
    // word counts aside, which the pieces do not make).
    static void checkSameSources(const GermanSources &pieces, const GermanSources &whole)
    {
        QCOMPARE(pieces.englishToGerman, whole.englishToGerman);
        QCOMPARE(pieces.germanToEnglish, whole.germanToEnglish);
        QCOMPARE(pieces.mainEntrySenses, whole.mainEntrySenses);
        QCOMPARE(pieces.sideSenses, whole.sideSenses);
        QCOMPARE(pieces.headedSenses, whole.headedSenses);
        QCOMPARE(pieces.headedLineWords, whole.headedLineWords);
        QCOMPARE(pieces.plainFirstSenses, whole.plainFirstSenses);
        QCOMPARE(pieces.spoiltSenses, whole.spoiltSenses);
        QCOMPARE(pieces.ownLineHeads, whole.ownLineHeads);
        QCOMPARE(pieces.nounAndVerbSpellings, whole.nounAndVerbSpellings);
        QCOMPARE(pieces.taggedOnly, whole.taggedOnly);
    }

    void readsTheLinesInPiecesAsInOnePass()
    {
        // The lines are read in pieces on threads of their own. Several
        // lines share German words ("anhalten", "Hund") and give them senses
        // by their line numbers, and one without a core word is read for its
        // German word alone ("bestehen bleiben; bleiben; anhalten"): however
        // the text is cut, down to a line a piece, the sources are those of
        // one pass.
        const QByteArray lines =
        "(schützende) Hafenbucht {f}; Hafen {m} | Hafenbuchten {pl}; Häfen {pl} | Militärhafen {m} [mil.] |  "
        "Militärhäfen {pl} | Schleusenhafen {m}; Fluthafen {m} |  Schleusenhäfen {pl}; Fluthäfen {pl} :: harbour "
        "[Br.]; harbor [Am.] | harbours; harbors | military harbour | military harbours | tidal harbour [Br.]; "
        "tidal harbor [Am.]; wet dock complex | tidal harbours; tidal harbors; wet dock complexes\n"
        "Hund {m} [zool.] | Hunde {pl} | Haushund {m} | Pflegehund {m} | jagdlich ambitionierte Hunde | "
        "knurriger Hund | einen Hund abrichten | die Hunde loslassen | Schlafende Hunde soll man nicht wecken.; "
        "Man soll keine schlafenden Hunde wecken. [Sprw.] :: dog; dawg (used to represent American speech) | "
        "dogs; dawgs | domestic dog; pet dog | boading dog | dogs with a strong hunting instinct | growler | to "
        "train a dog | to unleash the dogs | Let sleeping dogs lie. [prov.]\n"
        "Hund {m} :: canine; K-9 [Am.]\n"
        "Köter {m}; Töle {f} [Norddt.] [Mitteldt.] (Hund) [pej.] | Köter {pl}; Tölen {pl} :: cur; tyke; tike "
        "(dog) | curs; tykes; tikes\n"
        "anhalten; stoppen; zum Stehen bringen {vt} | anhaltend; stoppend; zum Stehen bringend | angehalten; "
        "gestoppt; zum Stehen gebracht :: to pull up | pulling up | pulled up\n"
        "anhalten; stehenbleiben {vi} (an; vor) | anhaltend; stehenbleibend | plötzlich bremsen | angehalten; "
        "stehengeblieben :: to pull up (at) | pulling up | to pull up short | pulled up\n"
        "anhalten {vi} :: to make a stop\n"
        "anhalten; zur Seite fahren {vi} :: to pull over\n"
        "aufhören {vi}; enden {vi}; beenden {vt} | aufhörend; endend; beendend | aufgehört; geendet; beendet | "
        "hört auf; endet | … wird erlöschen am :: to cease | ceasing | ceased | ceases | … will cease on\n"
        "bestehen bleiben; bleiben; anhalten {vi} (Liebe, Glaube, Erinnerung usw.) | bestehen bleibend; "
        "bleibend; anhaltend | bestehen geblieben; geblieben; angehalten | Wahre Liebe bleibt bestehen. | Dieses "
        "Interesse hielt sein ganzes Leben lang an. :: to abide {abode; abode} (of love, faith, memory etc.) | "
        "abiding | abode | True love abides. | This interest abided with him all through his life.\n"
        "weiterhin bestehen; fortbestehen; anhalten {vi} | weiterhin bestehend; fortbestehend; anhaltend | "
        "weiterhin bestanden; fortbestanden; angehalten | Die Kriegsgefahr besteht nach wie vor / besteht "
        "weiterhin. :: to linger | lingering | lingered | The threat of war still lingers.\n"
        "halten; anhalten {vt} | haltend; anhaltend | gehalten; angehalten | hält; hält an | hielt; hielt an :: "
        "to halt | halting | halted | halts | halted\n"
        "stehen bleiben; anhalten {vi} | stehen bleibend; anhaltend | stehen geblieben; angehalten | wie "
        "festgenagelt stehen bleiben :: to stand still | standing still | stood still | to stand riveted to the "
        "spot\n"
        "stoppen; anhalten; verhindern {vt} | stoppend; anhaltend; verhindernd | gestoppt; angehalten; "
        "verhindert :: to kibosh | kiboshing | kiboshed\n";
        const QStringList core{QStringLiteral("dog"),     QStringLiteral("harbour"), QStringLiteral("pull up"),
                               QStringLiteral("halt"),    QStringLiteral("cease"),   QStringLiteral("linger"),
                               QStringLiteral("pull over")};
        const GermanSources whole = germanSourcesFromTrans(lines, core, countTransWords(lines), {}, 1);
        QVERIFY(whole.germanToEnglish.value(QStringLiteral("anhalten")).size() > 2);
        for (const int chunks : {2, 3, 5, 14, 40}) {
            const GermanSources pieces = germanSourcesFromTrans(lines, core, countTransWords(lines), {}, chunks);
            checkSameSources(pieces, whole);
        }
    }

    void ranksTheGermanWordsInPiecesAsInOnePass()
    {
        // The German words' senses are ranked in pieces on threads of their
        // own, each piece marking its words' senses (repeated or spoilt
        // items, French words, paired singulars) in sources of its own:
        // however the words are cut, down to a word a piece, the joined
        // sources are those of one pass.
        const QByteArray lines =
            "erholen; sich erholen {vr} | erholend; sich erholend | erholt; sich erholt :: to recover | "
            "recovering | recovered\n"
            "sich von etw. (wieder) erholen {vr} | sich erholend | sich erholt | Die Tourismusbranche erholt sich "
            "langsam und erreicht das Niveau von vor der Krise. :: to recover from sth. | recovering | recovered "
            "| The tourist industry is recovering to pre-crisis levels.\n"
            "sich vertun {vr}; einen Fehler machen {vt} | Du hast einen Fehler gemacht. :: to make a mistake; to "
            "mistake {mistook; mistaken} | You made a mistake.\n"
            "bei etw. einen Fehler machen; sich bei etw. vertun {v} :: to trip up on sth.\n"
            "Wasser {n} :: water\n"
            "Wasser {n} :: eau\n"
            "Kölnisch Wasser {n} :: eau-de-cologne\n"
            "Blasebalg {m}; Faltenbalg {m} | Blasebälge {pl}; Faltenbälge {pl} :: bellow; pair of bellows; bag "
            "bellow | bellows; pairs of bellows; bag bellows\n"
            "Faltenbalg {m} | Faltenbälge {pl} :: boot; gaiter | boots; gaiters\n"
            "Gebrüll {n} :: bellow\n"
            "Gebrüll {n}; Getöse {n} :: roar\n"
            "außen {adv} :: outside; outdoor; outdoors\n"
            "außen {adv} :: hors\n"
            "Vorspeisenteller {m} [cook.] :: variety of hors d'oeuvres\n";
        const QStringList core{QStringLiteral("recover"), QStringLiteral("mistake"), QStringLiteral("water"),
                               QStringLiteral("boot"),    QStringLiteral("bellow"),  QStringLiteral("roar"),
                               QStringLiteral("outside")};
        const QSet<QString> words{QStringLiteral("water"),  QStringLiteral("boot"),    QStringLiteral("gaiter"),
                                  QStringLiteral("bellow"), QStringLiteral("bellows"), QStringLiteral("cologne"),
                                  QStringLiteral("outside"), QStringLiteral("roar")};
        const GermanSources whole = germanSourcesFromTrans(lines, core, countTransWords(lines), words, 1);
        QVERIFY(whole.germanToEnglish.size() > 6);
        QVERIFY(whole.spoiltSenses.contains(QStringLiteral("Faltenbalg\nbellow")));
        QVERIFY(whole.spoiltSenses.contains(QStringLiteral("außen\nhors")));
        QVERIFY(!whole.headedLineWords.isEmpty());
        QVERIFY(!whole.plainFirstSenses.isEmpty());
        for (const int chunks : {2, 3, 7, 40}) {
            const GermanSources pieces = germanSourcesFromTrans(lines, core, countTransWords(lines), words, chunks);
            checkSameSources(pieces, whole);
        }
    }

    void gathersTheKeptWordsSensesInPiecesAsInOnePass()
    {
        // The senses of the kept German words are gathered from their own
        // lines in pieces on threads of their own: lines without a core word
        // ("Bearbeitung {f} :: editing", "Bedienung {f} (in der Gastronomie)
        // :: service ..."), a line's later words ("Fahrverhalten {n} ::
        // behaviour (road); handling; ride comfort") and the English word
        // spelt like the German one ("...; notebook; laptop", "coxa").
        // However the words are cut, down to a word a piece, the sources are
        // those of one pass.
        const QByteArray lines =
            "Bearbeitung {f} :: editing\n"
            "Bearbeitung {f} (eines Vorganges) :: handling\n"
            "Bedienung {f}; Handhabung {f} (einer Sache) | die grundlegende Bedienung des Programms :: operation; "
            "operating (of a thing) | the basis operation of the program\n"
            "Bedienung {f} :: handling\n"
            "Bedienung {f} (in der Gastronomie) :: service (serving of food and drink)\n"
            "Fahrverhalten {n} :: behaviour (road); handling; ride comfort\n"
            "Fahrverhalten {n} :: driving behaviour [Br.]; driving behavior [Am.]\n"
            "Hüfte {f}; Coxa {f} [anat.] | Hüften {pl} | schnappende Hüfte | mit wiegenden Hüften | die Arme in "
            "die Hüften stützen | bis an die Hüften reichen | um den Leib; um die Hüfte :: hip; haunch; coxa | hips "
            "| snapping hip | with hips swaying | to put one’s hands on one’s hips | to come up to the waist | at "
            "the hip\n"
            "Notebook {n}; Laptop {m}; Klapprechner {m}; Schlepptop {m} [humor.] [comp.] | Notebooks {pl}; Laptops "
            "{pl}; Klapprechner {pl} :: notebook computer/PC; laptop computer/PC; notebook; laptop | notebook "
            "computers/PCs; notebooks; laptops\n"
            "mauern {vt} | mauernd | gemauert :: to build; to lay bricks | building; laying bricks | built; laid "
            "bricks\n"
            "mauern; defensiv spielen {vi} [sport] | mauernd; defensiv spielend | gemauert; defensiv gespielt | "
            "mauert | mauerte :: to stonewall; to defend aggressively | stonewalling | stonewalled | stonewalls | "
            "stonewalled\n";
        const QStringList core{QStringLiteral("handling"), QStringLiteral("hip"), QStringLiteral("laptop"),
                               QStringLiteral("build")};
        const GermanSources whole = germanSourcesFromTrans(lines, core, countTransWords(lines), {}, 1);
        QVERIFY(whole.germanToEnglish.value(QStringLiteral("Bearbeitung")).contains(QStringLiteral("editing")));
        QVERIFY(whole.germanToEnglish.value(QStringLiteral("Coxa")).contains(QStringLiteral("coxa")));
        for (const int chunks : {2, 3, 5, 40}) {
            const GermanSources pieces = germanSourcesFromTrans(lines, core, countTransWords(lines), {}, chunks);
            checkSameSources(pieces, whole);
        }
    }

    void matchesCaseOnlyAtTheHeadOfALine()
    {
        const QByteArray text = "Erde {f} [astron.] | Tag der Erde :: Earth | Earth Day\n"
                                "Ideal {n} :: ideal\n"
                                "Trotzkist {m}; Trotzkistin {f} [pol.] | Trotzkisten {pl}; Trotzkistinnen {pl} :: "
                                "Trotskyist; Trotskyite; Trot [coll.] | Trotskyists; Trotskyites; Trots\n"
                                "ideal {adj} :: ideal\n";
        const QStringList core{QStringLiteral("earth"), QStringLiteral("trot"), QStringLiteral("ideal"),
                               QStringLiteral("Trotskyist")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("earth")), QStringList{QStringLiteral("Erde")});
        QVERIFY(!sources.englishToGerman.contains(QStringLiteral("trot")));
        // The noun and the adjective share one row, under the adjective: the
        // capitalised spelling is its use as a noun.
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("ideal")), QStringList{QStringLiteral("ideal")});
        const GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        QStringList german;
        for (const ImportRow &row : selected.germanEnglish)
            german.append(row.source);
        german.sort();
        QCOMPARE(german, (QStringList{QStringLiteral("Erde"), QStringLiteral("Trotzkist"),
                                      QStringLiteral("Trotzkistin"), QStringLiteral("ideal")}));
    }

    // Each row: lines of the list, an English word, and the German words its
    // row must start with (in order) and must not hold.
    void choosesTheWordsOfARow_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QStringList>("leading");
        QTest::addColumn<QStringList>("absent");
        const auto row = [](const char *name, const char *lines, const char *english, const char *leading,
                            const char *absent) {
            const auto list = [](const char *text) {
                return QString::fromUtf8(text).split(u'|', Qt::SkipEmptyParts);
            };
            QTest::newRow(name) << QByteArray(lines) << QString::fromUtf8(english) << list(leading) << list(absent);
        };
        row("numeral before the noun of its figure",
            "Drei {f}; Dreier {m} [Bayr.] [Ös.] [Schw.] :: (number) three\n"
            "drei {num} | dreieinhalb :: three | three and a half\n",
            "three", "drei", "Drei|Dreier");
        row("adverb before the noun",
            "Heute {n} :: today\n"
            "heute {adv} | heute Nachmittag :: today | this afternoon\n",
            "today", "heute", "Heute");
        row("adjective before the colour's noun",
            "Gelb {n} (Farbe) | Schwefelgelb {n} :: yellow (colour) | sulphur yellow [Br.]\n"
            "gelb {adj} (Farbe) | gelbgrün :: yellow (colour) | yellowish-green\n",
            "yellow", "gelb", "Gelb");
        row("a main entry before later synonyms of common words",
            "stehen bleiben; stehenbleiben; halten; Halt machen; anhalten; innehalten {vi} <stoppen> :: to stop\n"
            "aufhalten; hemmen; zum Stillstand bringen; zum Stehen bringen {vt} | aufhaltend; hemmend; zum "
            "Stillstand bringend; zum Stehen bringend :: to stop | stopping\n"
            "aufhören {vi} | aufhörend | aufgehört :: to stop; to give over [Br.] [coll.]; to quit [Am.] [coll.] "
            "{quitted, quit; quitted, quit} | stoping; giving over; quitting | stopped; given over; quitted / quit\n",
            "stop", "aufhören|halten", "");
        row("a sense narrowed by a note after the plain one",
            "(Meer) branden; schlagen {vi} (gegen) | brandend; schlagend | gebrandet; geschlagen :: to wash "
            "(against) | washing | washed\n"
            "waschen {vt} | waschend :: to wash | washing\n",
            "wash", "waschen|schlagen", "");
        row("a word several lines give first before a commoner one given once",
            "stehen bleiben; stehenbleiben; halten; Halt machen; anhalten; innehalten {vi} <stoppen> :: to stop\n"
            "Anhalten {n}; Halt {m}; Stopp {m} :: stop\n"
            "etw. anhalten; stoppen [ugs.]; etw. einstellen; jdn./etw. aufhalten {vt} :: to stop sb./sth.\n",
            "stop", "anhalten", "Anhalten");
        row("a noun's own line before a phrase, neither in the subtitle list",
            "Liga {f} [sport] | zur Ausbildungsliga werden :: league; division | to become a training league\n"
            "sich verbünden; sich vereinigen {vr}; eine Konföderation bilden | sich verbündend; sich vereinigend | "
            "sich verbündet; sich vereinigt :: to confederate | confederating | confederated\n"
            "sich verbünden {vr} | sich verbündend | sich verbündet | verbündet sich | verbündete sich :: to league "
            "| leaguing | leagued | leagues | leagued\n",
            "league", "Liga|sich verbünden", "");
        row("a noun's own entry before a line it shares with other English words",
            "Hai {m}; Haifisch {m} [zool.] | Haie {pl}; Haifische {pl} :: shark | sharks\n"
            "Schlitzohr {n}; Gauner {m}; Beutelschneider {m} [veraltet] [ugs.] :: shark; rip-off artist; "
            "con-man\n"
            "Gauner {m}; Schlitzohr {n} | Gauner {pl}; Schlitzohren {pl} :: chiseler; knave [obs.] | chiselers; "
            "knaves\n"
            "Gauner {m}; Bauernfänger {m} | Gauner {pl}; Bauernfänger {pl} :: rook | rooks\n",
            "shark", "Hai|Schlitzohr", "");
        row("a word two lines give first before a commoner later synonym",
            "etw. aussprechen {vt} (artikulieren) | aussprechend | ausgesprochen | spricht aus | sprach aus | Wie "
            "spricht man das/dieses Wort aus? :: to pronounce sth. | pronouncing | pronounced | pronounces | "
            "pronounced | How do you pronounce/say that/this word?\n"
            "etw. aussprechen; verkünden; erklären {vt} | aussprechend; verkündend; erklärend | ausgesprochen; "
            "verkündet; erklärt | jdn. an Ort und Stelle für tot erklären | amtlich für tot erklärt werden | Der Arzt "
            "erklärte sie für gesund. | Hiermit erkläre ich euch zu Mann und Frau! (Trauungsformel) :: to pronounce "
            "sth. | pronouncing | pronounced | to pronounce sb. dead at the scene | to be officially pronounced dead "
            "| The physician pronounced her healthy / pronounced her to be healthy. | I now pronounce you man and "
            "wife! (wedding phrase)\n",
            "pronounce", "aussprechen|erklären", "");
        row("an English word's main entry before a side sense of a common word",
            "Bindemittel {n} (für Farben) :: vehicle (for paints/inks)\n"
            "Fahrzeug {n} [transp.] | Fahrzeuge {pl} | Altfahrzeuge {pl} [envir.] | Doppelstockfahrzeuge {pl} | "
            "Gebrauchtfahrzeug {n}; Occasionsfahrzeug {n} [Schw.] |  Gebrauchtfahrzeuge {pl}; Occasionsfahrzeuge "
            "{pl} | Gelenkfahrzeug {n} | landwirtschaftliches Fahrzeug | Militärfahrzeug {n} |  Militärfahrzeuge "
            "{pl} | Schienenfahrzeug {n} | Schrottfahrzeug {n} |  Schrottfahrzeuge {pl} | Serienfahrzeug {n} |  "
            "Serienfahrzeuge {pl} | Straßenfahrzeug {n} |  Straßenfahrzeuge {pl} :: vehicle | vehicles | "
            "end-of-life vehicles | double-deck vehicles | used vehicle; second-hand vehicle; pre-owned vehicle "
            "[Am.] | used vehicles; second-hand vehicles; pre-owned vehicles | articulated vehicle | farm vehicle; "
            "agricultural vehicle | military vehicle | military vehicles | rail-bound vehicle; rail vehicle; "
            "railway vehicle [Br.]; railroad vehicle [Am.] | scrap vehicle | scrap vehicles | series production "
            "vehicle; production vehicle | series production vehicles; production vehicles | road vehicle | road "
            "vehicles\n"
            "Vehikel {n}; Mittel {n} | Vehikel {pl}; Mittel {pl} :: vehicle | vehicles\n",
            "vehicle", "Fahrzeug", "");
        row("an English word's main entry before a bare line of a common word",
            "Biene {f} [zool.] | Bienen {pl} | Harzbiene {f} | Killerbiene {f} | Wollbiene {f} | fleißig wie eine "
            "Biene [übtr.] :: bee | bees | resin bee | killer bee | carder bee | busy as a bee [fig.]\n"
            "Wettbewerb {m} :: bee\n",
            "bee", "Biene|Wettbewerb", "");
        row("a lead of one section is no main entry",
            "Punkt {m} (als Satzzeichen/Notenwertzeichen) [ling.] [mus.] | Punkte {pl} :: dot | dots\n"
            "Tupfen {m}; Tupfer {m} | Tupfen {pl}; Tupfer {pl} | kleiner Tupfen {m}; Tüpfel {m,n} [selten]; "
            "Tüpfelchen {n} :: dot; spot | dots; spots | tiny dot\n",
            "dot", "Punkt", "");
        row("a plural of its own is no main entry",
            "Rettich {m}; Radi {m} [Bayr.] [Ös.] [cook.] | Rettiche {pl}; Radis {pl} :: radish | radishes\n"
            "Rettiche {pl} (Raphanus) (botanische Gattung) [bot.] | Wilder Rettich; Ackerrettich {m}; Hederich "
            "(Raphanus raphanistrum) | Gartenrettich {m} (Raphanus sativus) | Japanischer Rettich; Chinesischer "
            "Rettich; Winterrettich {m}; Daikon-Rettich (Raphanus sativus var. longipinnatus) [cook.] :: radish "
            "(botanical genus) | wild radish; jointed charlock | cultivated radish | Japanese radish; Oriental "
            "radish; white Radish; Chinese radish; daikon; Mooli [India]\n",
            "radish", "Rettich", "");
        row("a top word with its own full line keeps its place",
            "Fundament {n}; Unterbau {m}; Fundierung {f} [arch.] [constr.] | Fundamente {pl} | Köcherfundament "
            "{n} | Doppelköcherfundament {n} | geschütteter Unterbau | das Fundament unterfangen/unterfahren :: "
            "foundation; foundations; fundament | foundations; fundaments | sleeve foundation; bucket foundation "
            "| double sleeve foundation; dual bucket foundation | dumped foundation | to underpin/rebuild the "
            "foundation\n"
            "Grundlage {f} | Grundlagen {pl} | jeder Grundlage entbehren :: foundation | foundations | to be "
            "without any foundation\n"
            "Stiftung {f} [adm.] | Stiftungen {pl} | Familienstiftung {f} | Gemeinschaftsstiftung {f} | "
            "Kunststiftung {f} | öffentlich-rechtliche Stiftung | Rockstiftung {f} | Umweltstiftung {f} | "
            "Deutsche Bundesstiftung Umwelt; Bundesumweltstiftung [Dt.] :: foundation | foundations | family "
            "foundation | community foundation; common foundation; cooperative foundation | art foundation | "
            "public trust | rock foundation | environmental foundation | German Federal Environmental "
            "Foundation\n",
            "foundation", "Grundlage", "");
        row("a plain common word given second before a use narrowed by a note",
            "natürlich; selbstverständlich; selbstredend; natürlicherweise {adv} | ganz selbstverständlich | "
            "Natürlich nicht! | Sie wollten den Anlass natürlich gebührend feiern. :: naturally; of course | as a "
            "matter of course | Of course not! | Naturally enough, they wanted to celebrate the occasion in style.\n"
            "prompt {adv} (wie erwartet/befürchtet) | Er ist prompt auf den Trick hereingefallen. | Der Weg war "
            "rutschig und prompt fiel ich hin. :: of course; naturally | Naturally he fell for the trick. | The path "
            "was slippery and it was just my luck that I fell.\n",
            "of course", "natürlich|prompt", "");
        row("a place translates no common word",
            "Seele {f} | Seelen {pl} | mit ganzer Seele :: soul | souls | with all one’s soul\n"
            "Seoul (Hauptstadt der Republik Korea) [geogr.] :: Soul; Seoul (capital of Republic of Korea)\n",
            "soul", "Seele", "Seoul");
        row("a verb with its preposition",
            "warten {vi} (auf; bis) | wartend | gewartet :: to wait (for; until) | waiting | waited\n",
            "wait for", "warten auf", "");
        row("a note that names no preposition",
            "(lange) nachdenken; überlegen {vi} (über) | nachdenkend; überlegend | nachgedacht; überlegt :: to "
            "reflect (on) | reflecting | reflected\n",
            "reflect on", "", "nachdenken lange");
        row("a river translates no common word",
            "grün {adj} | grüner :: green | greener\n"
            "Green {m} (Fluss) [geogr.] :: Green (river)\n",
            "green", "grün", "Green");
        row("a people translates no common word",
            "Afar {pl}; Adal {pl}; Danakil {pl} [soc.] :: Afar\n"
            "weit (weg); fern {adv}; weit fort; in weiter Ferne | von weit her; aus der Ferne :: afar | from afar\n",
            "afar", "weit|fern", "Afar|Adal|Danakil");
        row("regional words beside general ones",
            "Feigling {m}; Angsthase {m}; Kleingläubiger {m}; Hasenfuß {m} [veraltend]; Trauminet {m} [Ös.]; "
            "Dadalotsch {m} [Ös.]; Knira {m} [Ös.] [ugs.] :: coward; faint heart; chicken [coll.]; scaredy-cat "
            "[coll.]; fraidy cat [children’s speech]; craven [archaic]; yellow-belly [coll.] [dated]\n",
            "coward", "Feigling|Angsthase", "Trauminet|Dadalotsch|Knira");
        row("obsolete word beside general ones",
            "sein {vi} | seiend | gewesen :: to be {was, were; been} | being | been\n"
            "wesen {vi} (ungebräuchlich) | west :: to be; to exist; to be available | is; exists; is available; "
            "happens\n",
            "be", "sein", "wesen");
        row("a British spelling's main line for an American word given first nowhere",
            "Ausdünstung {f}; Dunst {m}; Dampf {m}; Brodem {m} :: exhalation; effluvium; damp; reek; steam; vapour "
            "[Br.]; vapor [Am.]\n"
            "Dampf {m}; Nebel {m} (Ausgasung aus Flüssigkeiten/Feststoffen) [chem.] | Benzindämpfe {pl} | "
            "Lösungsmitteldämpfe {pl} :: vapour (outgassing from liquids/solids) | petrol vapours | solvent vapours\n"
            "Verdampfung {f} :: vapourisation; vaporisation [Br.]; vapour [Br.]; vaporization [Am.]; vapor [Am.]\n",
            "vapor", "Dampf", "");
        row("British lines add nothing where the American word has its own",
            "(schützende) Hafenbucht {f}; Hafen {m} | Hafenbuchten {pl}; Häfen {pl} | Militärhafen {m} [mil.] |  "
            "Militärhäfen {pl} | Schleusenhafen {m}; Fluthafen {m} |  Schleusenhäfen {pl}; Fluthäfen {pl} :: harbour "
            "[Br.]; harbor [Am.] | harbours; harbors | military harbour | military harbours | tidal harbour [Br.]; "
            "tidal harbor [Am.]; wet dock complex | tidal harbours; tidal harbors; wet dock complexes\n"
            "beherbergen; Unterschlupf gewähren {vt} | beherbergend | beherbergt :: to harbor [Am.]; to harbour | "
            "harboring; harbouring | harbored; harboured\n"
            "etw. hegen; etw. haben {vt} (z. B. Gedanken) :: to harbour sth. [Br.]; to harbor sth [eAm.] (e.g. "
            "thoughts)\n",
            "harbor", "Hafen", "hegen|haben");
        row("a plain entry before lines that give the word only as a special use",
            "(an unpassender Stelle) einen Lachkrampf bekommen; lachen müssen {v} (Theater, Film, Radio) [art] | Es "
            "war schwierig, die Szene zu spielen, ohne einen Lachanfall zu bekommen. :: to corpse [Br.] [coll.] "
            "(theatre, film, radio) | It was hard to play the scene without corpsing.\n"
            "Leiche {f}; Leichnam {m} [poet.] [relig.] | Leichen {pl}; Leichname {pl} | Gletscherleiche {f} | eine "
            "Leiche im Keller haben [übtr.] | eine Leiche fleddern | Du siehst aus wie eine Leiche. :: dead body; "
            "body; corpse; cadaver [med.] [poet.]; stiff [coll.] | dead bodies; bodies; corpses; cadavers; stiffs | "
            "glacier body; glacier corpse [rare] | to have a skeleton in the cupboard [Br.] / closet [Am.] [fig.] | "
            "to rob a dead body | You look like death.\n",
            "corpse", "Leiche", "");
        row("a plain entry before a bare line whose group is tagged with a field",
            "selbstständig; selbständig; eigenständig; eigenverantwortlich {adj} | selbstständiges Arbeiten | "
            "autonome Arbeitsgruppe :: independent; autonomous | skills of independent working | autonomous work "
            "group\n"
            "weisungsfrei; weisungsungebunden {adj} [adm.] :: autonomous; not subject to direction\n",
            "autonomous", "selbstständig|weisungsfrei", "");
        row("no plain entry from a word given only as another word's country spelling",
            "etw. gewährleisten; sicherstellen; sichern; für etw. sorgen {v} | gewährleistend; sicherstellend; "
            "sichernd; sorgend | gewährleistet; sichergestellt; gesichert; gesorgt | gewährleistet; stellt sicher; "
            "sichert; sorgt | gewährleistete; stellte sicher; sicherte; sorgte | jds. Sicherheit gewährleisten | "
            "Nur so kann gewährleistet werden, dass … | mit geeigneten Maßnahmen etw. sicherstellen | dafür sorgen, "
            "dass … :: to ensure; to insure [Am.]; to assure; to guarantee sth. | ensuring; insuring; assuring; "
            "guaranteing | ensured; insured; assured; guaranteed | ensures; insures; assures; guarantees | ensured; "
            "insured; assured; guaranteed | to assure sb.’s safety | This is the only way to guarantee that … | to "
            "take appropriate measures to ensure sth. | to ensure that …\n"
            "etw. (gegen etw.) versichern {vt} [fin.] | versichernd | versichert | versichert | versicherte | sein "
            "Haus gegen Feuer versichern :: to insure sth. (against sth.) | insuring | insured | insures | insured | "
            "to insure your house against fire / against the risk of fire\n",
            "insure", "versichern", "");
        row("a tagged top word stays where another line gives it untagged",
            "etw. fördern; etw. begünstigen (Sache) {vt} [med.] | fördernd; begünstigend | gefördert; begünstigt | "
            "Insulinresistenz fördern :: to promote sth. (of a thing) | promoting | promoted | to promote insulin "
            "resistance\n"
            "etw. voranbringen; etw. fördern {vt} | voranbringend; fördernd | vorangebracht; gefördert | bringt "
            "voran; fördert | brachte voran; förderte | eine gute Gelegenheit, meine Karriere voranzubringen :: to "
            "further; to forward; to promote sth. | furthering; forwarding; promoting | furthered; forwarded; "
            "promoted | furthers; forwards; promotes | furthered; forwarded; promoted | a good chance to forward my "
            "career\n",
            "promote", "fördern", "");
        row("the feminine form alone for a woman's word",
            "Sänger {m}; Sängerin {f} | Sänger {pl}; Sängerinnen {pl} | Gastsänger {m} :: singer; female singer | "
            "singers; female singers | guest singer\n",
            "female singer", "Sängerin", "Sänger");
        // The feminine drops the masculine's final "e" and may take an
        // umlaut; a noun in "-ness" names no woman.
        row("the feminine form with an umlaut alone for a woman's word",
            "Franzose {m}; Französin {f} [soc.] | die Franzosen {pl} :: Frenchman; Frenchwoman | the French\n",
            "Frenchwoman", "Französin", "Franzose");
        row("the masculine form for a word in -ness",
            "Zeuge {m}; Zeugin {f} | Zeugen {pl} | Entlastungszeuge {m} [jur.] | vor Zeugen :: witness | witnesses | "
            "witness for the defence | before witnesses\n",
            "witness", "Zeuge|Zeugin", "");
        row("the feminine forms alone for a woman's word",
            "Niederländer {m}; Niederländerin {f}; Holländer {m}; Holländerin {f} [soc.] | Niederländer {pl}; "
            "Niederländerinnen {pl}; Holländer {pl}; Holländerinnen {pl} :: Dutch man; Dutchman; Dutch woman | "
            "Dutch men; Dutchmen; Dutch women\n",
            "Dutch woman", "Niederländerin|Holländerin", "Niederländer|Holländer");
        row("the masculine form first for a man's word",
            "Niederländer {m}; Niederländerin {f}; Holländer {m}; Holländerin {f} [soc.] | Niederländer {pl}; "
            "Niederländerinnen {pl}; Holländer {pl}; Holländerinnen {pl} :: Dutch man; Dutchman; Dutch woman | "
            "Dutch men; Dutchmen; Dutch women\n",
            "Dutchman", "Niederländer", "");
        row("the numeral before the noun of a use of the number",
            "Quarte {f} [mus.] | Quarten {pl} | reine Quarte :: fourth | fourths | perfect fourth\n"
            "vierte; vierter; viertes {num}; Viertel {n} :: fourth\n",
            "fourth", "vierte|Quarte", "");
        row("a numeral's line with its digits",
            "Sekunde {f} | Sekunden :: second | seconds\n"
            "zweite; zweiter; zweites; zweit…; 2. {num} | jeder zweite Mann | jeder Zweite :: second; 2nd | every "
            "other man; every second man | every other one\n",
            "second", "zweite|Sekunde", "");
        row("a numeral for a kind of amount keeps its rank",
            "(mehrere) verschiedene; diverse {adj} | in verschiedenen Farben erhältlich sein | unterwegs an "
            "verschiedenen Orten Halt machen :: various | to be available in various colours | to stop at various "
            "places along the way\n"
            "mehrerlei [ugs.]; vielerlei {num} | aus mehrerlei/vielerlei Gründen :: various; all kinds of; all sorts "
            "of | on a variety of grounds\n",
            "various", "verschiedene", "");
        row("the first of regional words only before a special field's",
            "Eimer {m} [Norddt.] [Westdt.]; Kübel {m} [Mitteldt.] [Bayr.] [Ös.] [Schw.] | Eimer {pl}; Kübel {pl} :: "
            "bucket | buckets\n"
            "Baggerschaufel {f}; Schaufel {f}; Baggerlöffel {m}; Löffel {m}; Baggerkübel {m}; Baggereimer {m} "
            "[constr.] | Baggerschaufeln {pl} :: bucket; scoop; shovel [Am.] (of an excavator or dredger); digger "
            "bucket | buckets\n",
            "bucket", "Eimer|Baggerschaufel", "Kübel");
        row("a word given per region's number before an adjective",
            "Weihnachten {n} [Norddt.] [Mitteldt.]; Weihnachten {pl} [Süddt.] [Ös.] [Schw.]; Weihnacht {f} [geh.]; "
            "Weihnachtsfest {n}; Christfest {n} [relig.] | zu Weihnachten; an Weihnachten [Süddt.] [Schw.] | Fährst "
            "du über Weihnachten nach Hause? :: Christmas; Xmas; Yule [dated] | at Christmas | Are you going home for "
            "Christmas?\n"
            "Weihnachts…; weihnachtlich {adj} | weihnachtliche Stimmung {f} :: Christmas | Christmas atmosphere\n",
            "Christmas", "Weihnachten", "");
        row("a regional word where nothing else translates", "Trauminet {m} [Ös.] :: coward\n", "coward",
            "Trauminet", "");
        row("a name's German form before its local form",
            "Athínai; Athen (Hauptstadt von Griechenland) [geogr.] :: Athínai; Athens (capital of Greece)\n",
            "Athens", "Athen|Athínai", "");
        row("a name spelt alike on both sides before the line's other names",
            "Satan {m}; Luzifer {m}; der Höllenfürst {m}; der Erbfeind {m} (der Teufel) [relig.] :: Satan; Lucifer; "
            "the Archfiend; the Fiend [archaic] (the Devil)\n",
            "Lucifer", "Luzifer|der Höllenfürst|der Erbfeind|Satan", "");
        row("a name given only in its local form keeps it", "Mallorca {n} [geogr.] :: Majorca; Mallorca\n", "Majorca",
            "Mallorca", "");
        row("an adjective's own word in -isch before a figurative one",
            "byzantinisch {adj} [art] [pol.] [hist.] :: Byzantine\n"
            "undurchschaubar; unübersichtlich {adj} | ein undurchschaubares Steuersystem :: Byzantine; byzantine | a "
            "byzantine tax system\n",
            "Byzantine", "byzantinisch|undurchschaubar", "");
        row("a special field's word in -isch stays behind",
            "basisch {adj} [chem.] :: basic; alkaline\n"
            "grundlegend; elementar {adj} | ein grundlegendes Verständnis von einer Sache | grundlegende "
            "Sprachkenntnisse | ein elementares Wissensgebiet :: basic; rudimental | a rudimental understanding of a "
            "matter | a basic/rudimental knowledge of the language | a basic/rudimental branch of knowledge\n",
            "basic", "grundlegend|elementar|basisch", "");
        // "port (software)" narrows the English word to one use; the
        // harbour's line, with its plurals and compounds, is the word's own
        // entry. A bare line is none, and leaves the narrowed word first.
        row("the own entry's word before a word narrowed by an English note",
            "Anschluss {m}; Port {m} (Ein- und Ausgabekanal für Netzwerkverbindungen) [comp.] | Anschlüsse {pl}; "
            "Ports {pl} :: port (software) | ports\n"
            "Anschlussbuchse {f}; Anschluss {m}; Port {m} (am Gerät) [comp.] | Anschlussbuchsen {pl}; Anschlüsse "
            "{pl}; Ports {pl} | Eingabe/Ausgabe-Buchse {f}; Ein-/Ausgabe-Anschluss {m}; E/A-Port {m} | "
            "Ethernet-Buchse {f}; Ethernet-Anschluss {m} :: port (hardware) | ports | input/output port; I/O port | "
            "Ethernet port\n"
            "Hafenanlage {f}; Hafen {m} [naut.] | Hafenanlagen {pl}; Häfen {pl} | Anlegehafen {m} (eines Schiffs) | "
            "Tiefwasserhafen {m} :: port | ports | port of call (of a ship) | deep-water port; deepwater port\n"
            "Schlitz {m} :: port\n",
            "port", "Hafen", "");
        row("a word narrowed by an English note before a bare line's",
            "Anschluss {m}; Port {m} (Ein- und Ausgabekanal für Netzwerkverbindungen) [comp.] | Anschlüsse {pl}; "
            "Ports {pl} :: port (software) | ports\n"
            "Schlitz {m} :: port\n",
            "port", "Anschluss|Schlitz", "");
        // Both lines that give the rare "Extension" first name a field after
        // their last word, and so does the longest line; the untagged line
        // with forms and examples names the plain sense.
        row("an untagged entry before a rare word of tagged lines",
            "Extension {f}; Begriffsumfang {m} [phil.] :: extension\n"
            "Extension {f}; Ausdehnung {f} [med.] | Extensionen {pl}; Ausdehnungen {pl} :: extension | extensions\n"
            "Erweiterung {f}; Ausdehnung {f} | Erweiterungen {pl}; Ausdehnungen {pl} | die zukünftige Erweiterung "
            "der Schaltanlage um zusätzliche Funktionsgruppen | und im weiteren Sinn (auch); und damit (auch) :: "
            "extension | extensions | the future extension of the switchgear with additional functional groups | "
            "and, by extension\n"
            "Verlängerung {f}; Prolongation {f} [Ös.] (einer Frist/befristeten Vereinbarung) [adm.] | Verlängerung "
            "der Zahlungsfrist / des Zahlungsziels | Verlängerung eines Terminkontrakts | Verlängerung um zwei Monate "
            "| Nichtverlängerung {f} :: extension; prolongation (of a time limit/fixed-term agreement) | extension of "
            "the time for payment; prolongation of the term of payment | extension of a forward contract | extension "
            "by two months | non-extension\n",
            "extension", "Erweiterung|Extension", "");
        // A field tag beside a region's ("[Schw.] ... [adm.]") still tags the
        // line: neither line is plain, and the ranking's order stays.
        row("a field tag beside a region's tags the line",
            "Zurückhalten {n}; Zurückbehaltung {f}; Einbehalten {n}; Einbehaltung {f}; Beibehaltung {f} [adm.] | "
            "Einbehaltung eines Betrags | Zurückbehaltungsrecht {n} :: retention (act of keeping sb./sth.) | "
            "retention of an amount of money | right of retention\n"
            "Selbstbehalt {m}; Selbstbeteiligung {f}; Eigenbeteiligung {f}; Franchise {f} [Schw.] (im Schadensfall) "
            "[adm.] | Höchstgrenze des Selbstbehalts | Versicherungsvertrag mit/ohne Selbstbehalt/Selbstbeteiligung "
            ":: retention; excess [Br.]; deductible [Am.]; net retention portion | net line | insurance policy "
            "with/without retention/excess/deductible\n",
            "retention", "Zurückhalten", "");
        // "Noppe" names one use of "pimple"; two lines give "Pickel".
        row("a word of two lines before a rare word's narrowed use",
            "Noppe {f} (an der Sohle) | Noppen {pl} :: pimple | pimples\n"
            "Pickel {m} (Fehler bei der Kunststoffherstellung) [techn.] :: pimple (defect in plastics production)\n"
            "Pustel {f}; Pickel {m} [Dt.]; Wimmerl {n} [Bayr.] [Ös.]; Bibeli {n} [Schw.] [med.] | Pustel {pl}; "
            "Pickel {pl}; Wimmerln {pl}; Bibeli {pl} | Pickel bekommen :: pustule; pimple; blain; whelk; spot [Br.]; "
            "zit [Am.] [coll.] | pustules; pimples; blains; whelks; spots; zits | to break out in spots\n",
            "pimple", "Pickel|Noppe", "");
        row("a narrowed use before a word of one line",
            "Noppe {f} (an der Sohle) | Noppen {pl} :: pimple | pimples\n"
            "Pickel {m} (Fehler bei der Kunststoffherstellung) [techn.] :: pimple (defect in plastics production)\n",
            "pimple", "Noppe|Pickel", "");
        // "Mitglied" narrowed by a note heads the English word's main entry,
        // a noun's own entry with its plurals: two lines of "Glied" do not
        // displace it.
        row("a narrowed main entry before a word of two lines",
            "Mitglied {n} (einer Institution / bei einer Institution [ugs.]) [adm.] | Mitglieder {pl} | aktives "
            "Mitglied bei Greenpeace sein | Ersatzmitglied in einem Gremium :: member (of an institution) | members "
            "| to be an active member of Greenpeace | substitute member of a body\n"
            "(männliches) Glied {n}; Penis {m} (Membrum virile) [anat.] | Glieder {pl}; Penisse {pl} :: (male) "
            "member; penis | members; penes\n"
            "Glied {n} (einer Gleichung, Reihe usw.) [math.] | Glieder {pl} :: member; element; term (of an "
            "equation, series etc.) | members; elements; terms\n",
            "member", "Mitglied", "");
        // "[geh.]" ranks "avisieren" low, but a verb read with its
        // preposition after it only fills the places the other words leave,
        // and not at all beside the verb alone.
        row("a verb with its preposition comes last",
            "jdn./etw. avisieren {vt} [geh.] | avisierend | avisiert | jdm. jdn. avisieren :: to advise; to notify; to "
            "send notification of sb./sth. | advising; notifying; sending notification of | advised; notified; sent "
            "notification of | to notify sb. of sb.’s arrival\n"
            "zu etw. raten {vt} | ratend | geraten | rät | riet | jdm. zur Vorsicht raten | zur/zu Zurückhaltung im "
            "Wahlkampf raten :: to advise sth.; to counsel sth. [formal] | advising; counselling; counseling | advised; "
            "counselled; counseled | advises; counsels | advised; counselled; counseled | to advise sb. to be careful; to "
            "advise sb. to take caution | to advise restraint in the campaign\n",
            "advise", "avisieren|raten zu", "");
        row("a verb with its preposition beside the verb alone",
            "antworten; erwidern; entgegnen {vi} (auf etw.) | antwortend; erwidernd; entgegnend | geantwortet; "
            "erwidert; entgegnet :: to answer; to reply; to respond (to sth.) | answering; replying; responding | "
            "answered; replied; responded\n"
            "etw. beantworten {vt}; auf etw. antworten {vi} | beantwortend; antwortend | beantwortet; geantwortet :: "
            "to answer sth.; to reply to sth. | answering; replying | answered; replied\n",
            "answer", "antworten", "antworten auf");
        row("an explanation after the main word", "Studenten {pl}; Angehörige eines Colleges :: gown\n", "gown",
            "Studenten", "Angehörige eines Colleges");
        // The preposition after a reflexive verb belongs to it: counted as a
        // word, "sich kümmern um" fell behind "übernehmen", a later synonym.
        row("a reflexive verb's preposition is no word of its own",
            "auf jdn./etw. achten; aufpassen {vt} | achtend; aufpassend | geachtet; aufgepasst | Du solltest wirklich "
            "mehr auf dich achten/aufpassen. :: to take care of sb./sth. | taking care of | taken care of | You really "
            "ought to take better care of yourself.\n"
            "sich um etw. kümmern; sich einer Sache annehmen {vr}; etw. übernehmen; etw. erledigen {vt} [adm.] | sich "
            "kümmernd; sich einer Sache annehmend; übernehmend; erledigend | sich gekümmert; sich einer Sache "
            "angenommen; übernommen; erledigt | Seine Sekretärin kümmert sich um die Einzelheiten. :: to take care of "
            "sth. | taking care | taken care | His secretary takes care of the details.\n"
            "für etw. sorgen; etw. regeln (Sache) {vt} | sorgend; regelnd | gesorgt; geregelt | Die Natur sorgt für "
            "die Bewässerung. :: to take care of sth. (of a thing) | taking care | taken care | Nature will take care "
            "of all the watering.\n",
            "take care of", "sich kümmern um", "");
        // "give up" takes no object by a preposition: "sich von etw.
        // trennen", a later synonym, is a side sense, and its preposition
        // counts as a word; the verb's own line comes first.
        row("a reflexive verb's preposition counts beside an English verb without one",
            "sich abgewöhnen {vr} | sich abgewöhnend | sich abgewöhnt | sich etw. abgewöhnen | sich abgewöhnen, "
            "etw. zu tun :: to give up | giving up | given up | to give sth. up | to give up doing sth.\n"
            "etw. aufgeben {vt}; auf etw. ganz verzichten {vi}; sich von etw. trennen; einer Sache entsagen [poet.] "
            "{v} | aufgebend; ganz verzichtend; sich trennend; einer Sache entsagend | aufgegeben; ganz verzichtet; "
            "sich getrennt; einer Sache entsagt :: to give up <> sth.; to forsake sth. {forsook; forsaken} [poet.] | "
            "giving up; forsaking | given up; forsaken\n",
            "give up", "aufgeben|sich abgewöhnen", "");
        // The copula of "anwesend sein" renders the "be" of "be present" and
        // is no word of its own: counted as one, the phrase fell behind the
        // single verb of a line narrowed to aliens law.
        row("a copula rendering the English be is no word of its own",
            "anwesend sein; da sein [ugs.]; zugegen sein {v} [geh.] | ist anwesend; ist da; ist zugegen | war anw"
            "esend; war da; war zugegen :: to be present; to be in attendance; to be there [coll.] | is present; "
            "is in attendance; is there | was present; was in attendance; was there\n"
            "sich aufhalten; aufhältig sein (auf einem Staatsgebiet) (Fremdenrecht) {vi} [adm.] | sich aufhaltend"
            "; aufhältig seiend | sich aufgehalten; aufhältig gewesen | illegal aufhältig sein :: to be present ("
            "on national territory) (aliens law) | being present | been present | to be illegally present\n",
            "be present", "anwesend sein", "");
        // "to fill; to fill up" gives the particle verb the line's main
        // sense, as much as a bare line that gives it alone.
        row("a particle verb right after its plain verb shares the line's first place",
            "etw. auffüllen; anfüllen; ausfüllen {vt} | auffüllend; anfüllend; ausfüllend | aufgefüllt; angefüllt"
            "; ausgefüllt | mit etw. angefüllt sein | mit Beton ausgefüllt :: to fill; to fill up; to fill in sth"
            ". | filling; filling up; filling in | filled; filled up; filled in | to be full of sth.; to be fille"
            "d (up) with sth. | filled with concrete\n"
            "zuschütten {vt} | zuschüttend | zugeschüttet :: to fill up | filling up | filled up\n",
            "fill up", "auffüllen", "");
        // "automate" is a verb on three English synonyms and a noun (an old
        // word for "automaton") on one: the verb leads, its field tag
        // notwithstanding.
        row("the verb before a side noun of a word used mostly as a verb",
            "Automat {m} | Automaten {pl} :: automate | automats\n"
            "etw. automatisieren; etw. auf automatischen Betrieb umstellen {vt} [techn.] | automatisierend; auf "
            "automatischen Betrieb umstellend | automatisiert; auf automatischen Betrieb umgestellt | ein Verfahren "
            "automatisieren | die Produktion automatisieren :: to automate sth.; to automize sth.; to automise sth. "
            "[Br.] | automating; automizing; automising | automated; automized; automised | to automate a process | "
            "to automate production\n",
            "automate", "automatisieren|Automat", "");
        // "steep" has a verb's main entry and is used more than ten times as
        // often otherwise, but has no noun main entry: the adjective's own
        // line comes before the verb.
        row("an adjective's own line before a side verb",
            "einweichen; baden {vt} | einweichend; badend | eingeweicht; gebadet | weicht ein | weichte ein :: to "
            "steep | steeping | steeped | steeps | steeped\n"
            "steil; abschüssig {adj} | steiler; abschüssiger | am steilsten; am abschüssigsten :: steep | steeper | "
            "steepest\n"
            "Steildach {n} | Steildächer {pl} :: steep roof | steep roofs\n"
            "Steilkurve {f} | Steilkurven {pl} :: steep turn | steep turns\n"
            "Steilküste {f} [geogr.] | Steilküsten {pl} :: steep coast; precipitous coast; shelving coast | steep "
            "coasts; precipitous coasts; shelving coasts\n"
            "Steilhang {m} | Steilhänge {pl} :: steep slope; steep face | steep slopes; steeps; steep faces\n"
            "Einweichwasser {n} [agr.] :: corn steep water; maize steep water; steep water\n"
            "Hartklebemasse {f} :: steep asphalt\n",
            "steep", "steil", "");
        row("a noun's own entry noted on the German side only before a side verb",
            "gelieren {vi} | gelierend | geliert :: to jelly; to jellify | jellying; jellifying | jellied; jellified\n"
            "Gelee {n} (süßer Aufstrich aus eingedicktem Fruchtsaft) [cook.] | Gelees {pl} | mit Gelee überziehen :: "
            "jelly | jellies | to glaze\n"
            "Gallerte {f}; Gallert {n} (aus Säften) [cook.] :: jelly\n"
            "Götterspeise {f}; Wackelpudding {m}; Wackelpeter {m} [ugs.] [cook.] :: Jell-O [tm]; jello; jelly\n"
            "farbige Vorsatzscheibe {f} (Film) :: jelly (film)\n"
            "Gelée Royale {n}; Weiselfuttersaft {m}; Königinfuttersaft {m} (von Bienen) :: royal jelly (of bees)\n"
            "Geleebohne {f} | Geleebohnen {pl} :: jelly bean | jelly beans\n"
            "Petrolatum {n} :: petrolatum; petroleum jelly; mineral jelly\n"
            "Vaselin {n}; Vaseline {f} :: vaseline; paraffin(e) jelly\n"
            "Biskuitrolle {f} [Dt.]; Biskuitroulade {f} [Bayr.] [Ös.] [Schw.]; Biscuitroulade {f} [Schw.] [cook.] :: "
            "sponge roll; Swiss roll [Br.]; jelly roll [Am.]\n"
            "Aprikotieren {n} [cook.] :: glazing with apricot jelly\n",
            "jelly", "Gelee", "");
        row("a noun's full entry before verbs of their forms only",
            "Beeinträchtigung {f} (von etw.); Nachteil {m}; Schaden {m} (für etw.) [adm.] [jur.] | zu jds. Schaden | "
            "ohne Beeinträchtigung von etw.; unbeschadet {+Gen.} [übtr.] | unsere Interessen abträglich sein | Der "
            "Kläger hat dadurch keinen Nachteil erlitten. :: prejudice (to sth.) | to the prejudice of sb. | without "
            "prejudice to sth. | to be of prejudice to our interests | The plaintiff has suffered no prejudice.\n"
            "Vorurteil {n}; Voreingenommenheit {f}; Befangenheit {f} | Vorurteile {pl} | Vorurteile {pl} gegen "
            "Andersfarbige | mit einem Vorurteil beeinflussen | ein Vorurteil gegen etw. haben; gegen etw. "
            "voreingenommen sein | Vorurteile haben; Vorurteile hegen | seine Voreingenommenheit gegen … | voller "
            "Vorurteile gegen | Abbau von Vorurteilen :: prejudice; biased opinion | prejudices | colour prejudice | "
            "to prejudice | to have a prejudice against sth. | to be prejudiced | his prejudice against … | full of "
            "prejudice against | reduction of prejudices\n"
            "einnehmen; beeinflussen {vt} | einnehmend; beeinflussend | eingenommen; beeinflusst :: to prejudice | "
            "prejudicing | prejudiced\n"
            "gefährden; beeinträchtigen {vt} | gefährdend; beeinträchtigend | gefährdet; beeinträchtigt :: to "
            "prejudice | prejudicing | prejudiced\n"
            "präjudizieren {vi} [jur.] :: to prejudice\n"
            "(für etw.) einnehmen {vt} :: to bias (towards sth.)\n"
            "Beschützerrolle {f} [soc.] | eine Beschützerrolle einnehmen :: the role of the protector | to take on "
            "the role of the protector\n"
            "im Mittelpunkt (des Interesses) stehen; eine Schlüsselposition einnehmen {v} :: to take centre stage\n"
            "Protesthaltung {f} | eine Protesthaltung einnehmen :: protest attitude; rebellious stance | to take a "
            "defiant stand\n"
            "jdn. verzaubern; jdn. in seinen Bann ziehen; jdn. ganz für sich einnehmen {vt} :: to cast a spell on "
            "sb.\n",
            "prejudice", "Vorurteil", "");
        // A German noun's preposition names how it takes its object, no
        // sense: "Zuneigung {f} (für; zu)" is the plain word for "affection",
        // not a narrowed one behind the medical lines.
        row("a noun's prepositions do not narrow it",
            "Befall {m}; Befallensein {n}; Affektion {f} (mit etw.) [bot.] [med.] :: affection (with sth.)\n"
            "Zuneigung {f} (für; zu) :: affection; liking (for; towards)\n"
            "krankhafte Veränderung {f}; Erkrankung {f}; Affektion {f} (eines Organs) [med.] :: affection (of an "
            "organ)\n"
            "Verbundenheit {f}; Zuneigung {f} (zu) :: attachment (to)\n",
            "affection", "Zuneigung", "");
    }
    void choosesTheWordsOfARow()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, english);
        QFETCH(QStringList, leading);
        QFETCH(QStringList, absent);
        const GermanSources sources = germanSourcesFromTrans(lines, {english});
        const QStringList german = sources.englishToGerman.value(english);
        QCOMPARE(german.mid(0, leading.size()), leading);
        for (const QString &word : std::as_const(absent))
            QVERIFY2(!german.contains(word), qPrintable(german.join(u", ")));
    }

    // "chap" is given first by "Mensch {m}; Heini {m}; Fuzzi {m}; ... ::
    // chap [Br.]; ...", whose later synonyms the subtitle list misses, and by
    // side senses of the skin; "Kerl" heads its full entry, which gives
    // "chap [Br.] [becoming dated]" after "guy". The common head goes before
    // the rare later synonyms, so the everyday word is in the row.
    void putsCommonHeadOfDatedUseBeforeRareSynonyms()
    {
        const QByteArray lines =
            "Kerl {m}; Typ {m}; Bursche {m} [veraltend] | ein lieber Kerl | Er ist ein feiner (famoser) Kerl. | "
            "Na, altes Haus! [ugs.] :: guy; chap [Br.] [becoming dated]; fellow [Br.] [becoming dated]; fella "
            "[Br.] [coll.]; bloke [Br.] [becoming dated]; cove [Br.] [dated] | a nice guy | He is a fine chap. | "
            "Hey, old chap!\nMensch {m}; Heini {m}; Fuzzi {m}; Fritze {m} [Norddt.] (in Zusammensetzungen); Typ "
            "{m} [ugs.] | Menschen {pl}; Heinis {pl}; Fuzzis {pl}; Fritzen {pl}; Typen {pl} | Computerheini {m}; "
            "Computerfritze {m} | der Mensch vom Ministerium; der vom Ministerium | Den Küchenfuzzis ist das "
            "egal. | Er ist ein bisschen ein komischer Typ. | So ein Typ vom Büro / Einer vom Büro hat für dich "
            "angerufen. :: chap [Br.]; bod [Br.]; fellow [Br.] [slightly dated] | chaps; bods; fellows | "
            "computer chap | the fellow from the Ministry; the Ministry bod | The bods in the kitchen don’t "
            "care. | He’s a bit of an odd bod. | Some bod from the office rang you.\nRiss {m} (in der Haut) :: "
            "chap\naufspringen; aufplatzen; aufreißen {vi} (Haut, Lippe usw.) | aufspringend; aufplatzend; "
            "aufreißend | aufgesprungen; aufgeplatzt; aufgerissen :: to chap (skin, lip etc.) | chapping | "
            "chapped\n";
        const QStringList chap = germanSourcesFromTrans(lines, {QStringLiteral("chap")})
                                     .englishToGerman.value(QStringLiteral("chap"));
        QCOMPARE(chap.mid(0, 2), (QStringList{QStringLiteral("Mensch"), QStringLiteral("Kerl")}));
        QVERIFY2(chap.indexOf(QStringLiteral("Kerl")) < chap.indexOf(QStringLiteral("Heini")), qPrintable(chap.join(u", ")));
    }

    // "rechts {adv} | auf der rechten Seite; rechts | ... :: right | on the
    // right; to the right | ..." pairs the phrase with the head word in its
    // second section; "rechtsherum {adv} :: to the right", a bare line, names
    // the way round. The phrase's row gets the head word first, and the head
    // word's row names the phrase after its own sense. A full line of the
    // phrase ("viel; eine Menge; ... :: much; a lot of; ...") keeps its words
    // before the head word of a later section ("einiges {Quantifikator} ::
    // several; a lot of").
    void givesTheSetPhrasesOfAnEntrysLaterSections()
    {
        const QByteArray right =
            "rechts {adv} /r./ | auf der rechten Seite; rechts | von rechts nach links /v. r. n. l./ | ganz "
            "rechts | rechts von | rechts von ihm | rechts unten | der zweite Mann von rechts | rechts abbiegen "
            "| sich rechts halten; rechts fahren (gehen) :: right /r./ | on the right; to the right | from right "
            "to left /RTL/ | rightmost | to the right of | on his right; to his right | downright; on the bottom "
            "right | the second man from the right | to turn right | to keep to the right\nrechtsherum {adv} :: "
            "to the right\n";
        const QStringList core{QStringLiteral("right"), QStringLiteral("to the right")};
        const GermanSources sources = germanSourcesFromTrans(right, core);
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("to the right")),
                 (QStringList{QStringLiteral("rechts"), QStringLiteral("rechtsherum")}));
        const QStringList rechts = sources.germanToEnglish.value(QStringLiteral("rechts"));
        QCOMPARE(rechts.value(0), QStringLiteral("right"));
        QVERIFY2(rechts.contains(QStringLiteral("to the right")), qPrintable(rechts.join(u", ")));

        const QByteArray lot =
            "viel; eine Menge; ein gerüttelt(es) Maß an [geh.]; jede Menge [ugs.]; ein Haufen [ugs.] {adj} | "
            "jede Menge Spaß | ein Haufen Geld | Viel Spanisch kann ich nicht. | Es war viel Platz (vorhanden). "
            "| Sie hat viel für andere getan. | Viel mehr konnten wir nicht tun. | Allzuviel Zeit haben wir "
            "nicht. | Er muss für dieses Haus eine Menge bezahlt haben. | Wir haben jede Menge zu tun. | Diese "
            "Sendungen sind ein Haufen Müll. | Es würde mir viel bedeuten, wenn du dabei bist. | Ich würde viel "
            "dafür geben, so zeichnen zu können. | Der Verkäufer war keine große Hilfe. | Das macht keinen "
            "großen Unterschied. | Das bringt’s jetzt. [iron.]; Das bringt jetzt auch nichts mehr.; Da hab ich "
            "was davon. [iron.]; Da hab ich nichts davon. | 1 Mio. Preisgeld und noch einmal so viel an "
            "Sponsorengeld :: much; a lot of; lots of [coll.]; lotta [slang]; a good deal of; a great deal of; "
            "loads of [coll.]; scads of [coll.]; a heap of [Br.] [coll.]; heaps of [Br.] [coll.]; wads of [Br.] "
            "[coll.]; squads of [Am.] [Austr.] [coll.] | heaps of fun | scads of money | I don’t know much "
            "Spanish. | There was a lotta space. | She has done a lot to help other people. | There wasn’t much "
            "more that we could do. | We don’t have an awful lot of time. | He must have paid a lot for that "
            "house. | We have lots and lots to do. | These telecasts are a lot of rubbish. | It would mean a "
            "great deal to me if you would come. | I’d give a lot to be able to draw like that! | The clerk "
            "wasn’t much help. | It doesn’t make a whole lot of difference. | A (fat) lot of good that will do!; "
            "That will not do any good. | 1m in prize-money and as much again in sponsorship\neiniges {n} | "
            "einiges {Quantifikator} | um einiges :: several things; a lot of things | several; a lot of | "
            "considerably; significantly\n";
        const QStringList aLotOf = germanSourcesFromTrans(lot, {QStringLiteral("a lot of")})
                                       .englishToGerman.value(QStringLiteral("a lot of"));
        QVERIFY2(aLotOf.contains(QStringLiteral("einiges")), qPrintable(aLotOf.join(u", ")));
        QVERIFY2(aLotOf.indexOf(QStringLiteral("eine Menge")) >= 0
                     && aLotOf.indexOf(QStringLiteral("eine Menge")) < aLotOf.indexOf(QStringLiteral("einiges")),
                 qPrintable(aLotOf.join(u", ")));
    }

    // "Ziel" heads a short line for "mark" but its own entry, the first line
    // it heads with more sections, names another sense; "Marke" heads its own
    // entry for "mark". Without the other sense's entry, "Ziel" keeps its
    // place.
    void putsTheWordWhoseOwnEntryItIsFirst()
    {
        const QByteArray otherSense =
            "Ziel {n}; Zielstellung {f}; Zielsetzung {f}; Zielvorgabe {f}; Vorgabe {f} | Handlungsziel {pl} | "
            "militärische Zielsetzung | Programmziele {pl} :: objective; goal; aim | action objectives; aims\n";
        const QByteArray lines =
            "Marke {f}; Markierung {f}; Strich {m} (auf einer Skala) [techn.] | Marken {pl}; Markierungen {pl}; "
            "Striche {pl} | Füllmarke {f}; Füllstrich {m}; Eichstrich {m} (auf Trinkgläsern) :: mark | marks | "
            "fill mark; fill line (on drinking glasses)\n"
            "Ziel {n} | Sie war ein leichtes Ziel. :: mark | She was an easy mark.\n";
        const QStringList core{QStringLiteral("mark"), QStringLiteral("objective")};
        QCOMPARE(germanSourcesFromTrans(otherSense + lines, core).englishToGerman.value(QStringLiteral("mark")).value(0),
                 QStringLiteral("Marke"));
        QCOMPARE(germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("mark")).value(0),
                 QStringLiteral("Ziel"));
    }

    // A line that gives masculine and feminine nouns side by side pairs an
    // English word that names a female with the feminine ones only, and one
    // that names a male with the masculine ones: "Kleiner {m}" is no "little
    // girl", nor "Schauspieler {m}" an "actress". A German noun's row takes
    // the English word of its own sex first, not the line's "little boy".
    void pairsTheNounsOfAMixedLineBySex()
    {
        const QByteArray lines =
            "kleiner Wicht {m}; Kleiner {m}; Kleine {f} (kleines Kind/Tier) | Ja hallo, du kleiner Wicht! Willkommen "
            "auf der Welt! :: little boy; boy child; little girl; girl child; little one (little child/animal) | "
            "Hello, little one! Welcome to the world!\n"
            "Schauspieler {m}; Schauspielerin {f}; Darsteller {m}; Darstellerin {f} [art] | Schauspieler {pl}; "
            "Schauspielerinnen {pl}; Darsteller {pl}; Darstellerinnen {pl} :: actor; actress; player [dated] "
            "(usually in proper names) | actors; actresses; players\n"
            "Backfisch {m} [veraltend] :: teenage girl\n";
        const QStringList core{QStringLiteral("little girl"), QStringLiteral("actress"), QStringLiteral("actor"),
                               QStringLiteral("teenage girl")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("little girl")), QStringList{QStringLiteral("Kleine")});
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("actress")),
                 (QStringList{QStringLiteral("Schauspielerin"), QStringLiteral("Darstellerin")}));
        // "actor" names either sex; a line of one gender keeps its noun.
        QVERIFY(sources.englishToGerman.value(QStringLiteral("actor")).contains(QStringLiteral("Darstellerin")));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("teenage girl")), QStringList{QStringLiteral("Backfisch")});

        const QStringList kleine = englishItemsOf(lines, {QStringLiteral("little girl")}, QStringLiteral("Kleine"));
        QCOMPARE(kleine.value(0), QStringLiteral("little girl"));
        QVERIFY2(!kleine.contains(QStringLiteral("little boy")), qPrintable(kleine.join(u", ")));
        const QStringList kleiner = englishItemsOf(lines, {QStringLiteral("little girl")}, QStringLiteral("Kleiner"));
        QVERIFY2(!kleiner.contains(QStringLiteral("little girl")), qPrintable(kleiner.join(u", ")));
        // The nouns "little girl" leaves out keep their own senses.
        QVERIFY2(kleiner.contains(QStringLiteral("little boy")), qPrintable(kleiner.join(u", ")));
        const QStringList wicht = englishItemsOf(lines, {QStringLiteral("little girl")}, QStringLiteral("kleiner Wicht"));
        QCOMPARE(wicht.value(0), QStringLiteral("little boy"));
    }

    // "to demolish a building" beside "ein Gebäude abreißen" gives
    // "demolish" the German verb alone, where another line pairs the two
    // nouns; a pair of nouns no line gives leaves the verb out. The shared
    // object is dropped from the German head.
    void readsAVerbWithTheObjectBothSidesName()
    {
        const QByteArray building =
            "Gebäude {n}; Bau {m}; Baulichkeit {f} [adm.]; Baute {f} [Schw.] [adm.] (geschlossenes Bauwerk) | "
            "Gebäude {pl}; Bauten {pl}; Baulichkeiten {pl} :: building /bldg/ (closed structure) | buildings\n";
        const QByteArray lines =
            "ein Gebäude abreißen; abtragen; abbrechen; niederreißen; schleifen {vt} [constr.] | abreißend; "
            "abtragend; abbrechend; niederreißend; schleifend | abgerissen; abgetragen; abgebrochen; "
            "niedergerissen; geschleift :: to tear down; to pull down; to demolish a building | tearing down; "
            "pulling down; demolishing | torn down; pulled down; demolished\n"
            "etw. zertrümmern; demolieren; kaputtschlagen; plattmachen [ugs.]; schrotten [ugs.] {vt} | "
            "zertrümmernd; demolierend; kaputtschlagend; plattmachend; schrottend | zertrümmert; demoliert; "
            "kaputtgeschlagen; plattgemacht; geschrottet :: to smash sth.; to smash up <> sth.; to demolish sth.; "
            "to wreck sth. | smashing; smashing up; demolishing; wrecking | smashed; smashed up; demolished; "
            "wrecked\n";
        const QStringList core{QStringLiteral("demolish"), QStringLiteral("building")};
        const QStringList demolish =
            germanSourcesFromTrans(building + lines, core).englishToGerman.value(QStringLiteral("demolish"));
        QVERIFY2(demolish.contains(QStringLiteral("abreißen")), qPrintable(demolish.join(u", ")));
        QVERIFY2(!demolish.contains(QStringLiteral("ein Gebäude abreißen")), qPrintable(demolish.join(u", ")));
        const QStringList unpaired = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("demolish"));
        QVERIFY2(!unpaired.contains(QStringLiteral("abreißen")), qPrintable(unpaired.join(u", ")));
    }

    // A line whose further sections are only example sentences of its other
    // words is no own entry of its head: "Bemerken" (whose examples
    // show "wahrnehmen" and "Gewahrwerden") does not go before "Bewusstsein"
    // for "awareness", though "Bewusstsein" heads a short line and its own
    // entry names "consciousness". Example sentences that name the head are
    // its own: "trotzdem" still goes before "schon" for "anyway".
    void keepsExamplesOfOtherWordsFromMakingAnOwnEntry()
    {
        const QByteArray awareness =
            "Bewusstsein {n} [med.] | das Bewusstsein wiedererlangen; (wieder) zu Bewusstsein kommen; (wieder) zu "
            "sich kommen {vi} [med.] | kollektives Bewusstsein; allgemeines Bewusstsein | das Bewusstsein "
            "verlieren | Sie kam eben wieder zu sich. :: consciousness | to regain consciousness; to recover "
            "consciousness; to come round [Br.]; to come around [Am.] | collective consciousness; hive mind | to "
            "lose consciousness | She regained consciousness.\n"
            "Bemerken {n}; Wahrnehmen {n}; Gewahrwerden {n} [poet.] (von etw.) | Das Ohrenimplantat ermöglicht es "
            "ihr, Umgebungsgeräusche wahrzunehmen. | Alles kommt in der Wissenschaft auf das an, was man ein "
            "Apercu nennt, auf ein Gewahrwerden dessen, was eigentlich den Erscheinungen zum Grunde liegt. Und "
            "ein solches Gewahrwerden ist bis ins Unendliche fruchtbar. (Goethe) :: awareness (of sth.) | The ear "
            "implant allows her to get an awareness of environmental sound. | In scholarship, everything depends "
            "on what is called an \"apercu\", a moment of becoming aware of what actually lies at the foundation of "
            "appearances. And this is an awareness which is infinitely fruitful. (Goethe)\n"
            "Bewusstsein {n} (für etw.); Aufklärung {f}; Aufgeklärtheit {f}; Informiertsein {n} (über etw.) | In "
            "diesem Bewusstsein haben wir in moderne Technik investiert. :: awareness (of sth.) | Being aware of "
            "this (situation), we have invested into modern technology.\n";
        const QStringList awarenessCore{QStringLiteral("awareness"), QStringLiteral("consciousness")};
        QCOMPARE(germanSourcesFromTrans(awareness, awarenessCore).englishToGerman.value(QStringLiteral("awareness")).value(0),
                 QStringLiteral("Bewusstsein"));
        const QByteArray anyway =
            "schon; bereits [geh.] {adv} | schon am frühen Morgen | Meine Schwester schläft schon. | Da schau, "
            "sie haben schon angefangen. | Es war bereits 6 Uhr am Abend und schon dunkel. | Es ist schon "
            "Mittwoch und es ist noch so viel zu tun. | Als ich eintraf, war sie bereits eine ganze Weile fort. | "
            "Der Kampf hatte kaum begonnen, da war er auch schon entschieden. | Du hast doch schon genug getan! | "
            "„Wir müssen aufhören.“ „Jetzt schon?“ / „Schon?“ | So jung und schon Witwe! :: already | as soon as "
            "the day broke | My sister is already sleeping. | Oh look, they’ve already started. | It was already "
            "6 o’clock in the evening, quite dark. | It’s already Wednesday and there is still so much to do. | "
            "When I arrived she had already left quite a while ago. | The fight had hardly begun when it was "
            "already decided. | Haven’t you done enough already? | 'We have to end here.' 'Already?' | She’s so "
            "young and already a widow!\n"
            "schon {adv} | Wer braucht schon einen Garten? :: anyway | Who needs a backyard anyway?\n"
            "trotzdem {adv} | Ich mach’s/tu’s trotzdem! | Sie ist nicht sehr verlässlich, aber ich mag sie "
            "trotzdem. | Danke trotzdem für die Einladung. | Es sind viele Fehler drinnen, trotzdem ist es ein "
            "guter Aufsatz. :: anyway; anyhow; just the same; all the same (postpositive); even so (prepositive) "
            "| I’ll do it anyway/anyhow/all the same! | She’s not very reliable, but I like her just the same. | "
            "Thanks for the invitation anyway/anyhow/all the same. | There are a lot of mistakes, even so, it’s a "
            "good essay.\n";
        const QStringList anywayCore{QStringLiteral("anyway"), QStringLiteral("already")};
        QCOMPARE(germanSourcesFromTrans(anyway, anywayCore).englishToGerman.value(QStringLiteral("anyway")).value(0),
                 QStringLiteral("trotzdem"));
    }

    // Of two bare lines of a German noun, level but for how common the words
    // are, the plain noun goes before the "-ing" form, which the verb's line
    // of forms counts again (T:16798, 16799, 57444).
    void putsPlainNounBeforeGerundOfBareLine()
    {
        const QByteArray lines =
            "Bevormundung {f} :: paternalism; dictation; tutelage\n"
            "Bevormundung {f} :: infantilizing\n"
            "jdn. wie ein Kind behandeln; zum Kind degradieren {vt} [soc.] | wie ein Kind behandelnd; zum Kind "
            "degradierend | wie ein Kind behandelt; zum Kind degradiert :: to infantilize sb.; to infantilise sb. "
            "[Br.] (treat as if infantile) | infantilizing; infantilising | infantilized; infantilised\n";
        const QStringList items =
            englishItemsOf(lines, {QStringLiteral("tutelage")}, QStringLiteral("Bevormundung"));
        QVERIFY2(items.value(0) == QStringLiteral("paternalism"), qPrintable(items.join(u", ")));
    }

    // A line whose example sentence shows a later German synonym, and never
    // the line's first word, names that word's own sense: "leak" of
    // "auslaufen" goes before "run down" of a line that lists it second with
    // its forms alone (T:129733, 134229, 152390). The line "auslaufen" heads
    // stays first.
    void putsExemplifiedLaterSynonymBeforeBareLaterSynonymLine()
    {
        const QByteArray lines =
            "ablaufen; auslaufen {vi} | ablaufend; auslaufend | abgelaufen; ausgelaufen :: to run down | running "
            "down | run down\n"
            "auslaufen {vi} | auslaufend | ausgelaufen :: to run out; to run away | running out; running away | "
            "run out; run away\n"
            "lecken; undicht sein; auslaufen; durchsickern {vi} | leckend; undicht seiend; auslaufend; "
            "durchsickernd | geleckt; undicht gewesen; ausgelaufen; durchgesickert | leckt; ist undicht; läuft "
            "aus; sickert durch | leckte; war undicht; lief aus; sickerte durch | Das Bier ist leider ausgelaufen. "
            ":: to leak | leaking | leaked | leaks | leaked | Unfortunately, the beer has leaked.\n";
        const QStringList items = englishItemsOf(lines, {QStringLiteral("run out")}, QStringLiteral("auslaufen"));
        QVERIFY2(items.value(0) == QStringLiteral("run out"), qPrintable(items.join(u", ")));
        QVERIFY2(items.indexOf(QStringLiteral("leak")) >= 0
                     && items.indexOf(QStringLiteral("leak")) < items.indexOf(QStringLiteral("run down")),
                 qPrintable(items.join(u", ")));
    }

    // A noun's own entry goes back before a verb spelt like its plural that
    // stood level with it but for how common the words are: "trompeten" was
    // counted on every line of "Trompeten" too ("mit Pauken und Trompeten",
    // "Trompeten-Narzisse"), and came first for "trumpet".
    void putsTheNounBeforeTheVerbOfItsPluralsSpelling()
    {
        const QByteArray lines =
            "Narzissen {pl} (Narcissus) (botanische Gattung) [bot.] | Gelbe Narzisse {f}; Trompeten-Narzisse {f}; "
            "Osterglocke {f}; Osterglöckchen {n} (Narcissus pseudonarcissus) <Morgenstern> :: daffodils; "
            "jonquils; narcissus (botanical genus) | wild daffodil; Lent lily\n"
            "Pauke {f} [mus.] | Pauken {pl} | chromatische Pauke | kleine Pauke | jdn. mit Pauken und Trompeten "
            "empfangen [übtr.] :: kettledrum; timpano | kettledrums; timpani | chromatic timpano | small "
            "kettledrum; small timpano | to roll out the red carpet for sb. [fig.]\n"
            "Trompete {f} [mus.] | Trompeten {pl} :: trumpet; trump | trumpets\n"
            "trompeten {vi} [mus.] | trompetend | trompetet | trompetet | trompetete :: to trumpet; to play the "
            "trumpet | trumpeting; playing the trumpet | trumpeted; played the trumpet | trumpets | trumpeted\n"
            "etw. herausposaunen {vt} [übtr.] :: to trumpet sth. [fig.]\n";
        QCOMPARE(germanItemsOf(lines, QStringLiteral("trumpet")).mid(0, 2),
                 (QStringList{QStringLiteral("Trompete"), QStringLiteral("trompeten")}));
    }

    // A particle verb listed after its plain verb shares the line's first
    // place ("to wear {wore; worn}; ...; to wear out <> sth."): "abnutzen"
    // comes into the row of "wear out", before the bare lines that give it
    // first. The German word's own row keeps the plain verb first, and a
    // line of particle verbs alone names senses of their own ("auslaufen ::
    // to run out; to run away" stays behind "weglaufen").
    void letsParticleVerbsShareTheirPlainVerbsPlace()
    {
        const QByteArray wear =
            "etw. abnutzen; abnützen; verschleißen; abtragen (Kleidung) {vt} | abnutzend; abnützend; verschleißend; "
            "abtragend | abgenutzt; abgenützt; verschlissen; abgetragen | nutzt ab; verschleißt | nutzte ab; "
            "verschliss :: to wear {wore; worn}; to wear away; to wear down; to wear out <> sth. | wearing; wearing "
            "away; wearing down; wearing out | worn; worn away; worn down; worn out | wears | wore\n"
            "abnutzen {vt} | abnutzend | abgenutzt :: to wear away; to wear off; to wear out | wearing away; "
            "wearing off; wearing out | worn away; worn off; worn out\n"
            "ausglühen {vt} | ausglühend | ausgeglüht :: to wear out; to cease glowing | wearing out; ceasing "
            "glowing | worn out; ceased glowing\n"
            "ausleiern [ugs.] {vi} | ausleiernd | ausgeleiert :: to wear out; to become stretched | wearing out; "
            "becoming stretched | worn out; become stretched\n"
            "austreten {vt} (Schuhe; Pfade) :: to wear out\n";
        const QStringList wearOut = germanItemsOf(wear, QStringLiteral("wear out"));
        QVERIFY2(wearOut.indexOf(QStringLiteral("abnutzen")) == 0, qPrintable(wearOut.join(u", ")));
        const QStringList abnutzen =
            englishItemsOf(wear,
                           {QStringLiteral("wear"), QStringLiteral("wear away"), QStringLiteral("wear down"),
                            QStringLiteral("wear out")},
                           QStringLiteral("abnutzen"));
        QVERIFY2(abnutzen.value(0) == QStringLiteral("wear"), qPrintable(abnutzen.join(u", ")));

        const QByteArray run =
            "auslaufen {vi} | auslaufend | ausgelaufen :: to run out; to run away | running out; running away | run "
            "out; run away\n"
            "weglaufen; ausreißen; abhauen; durchbrennen {vi} | weglaufend; ausreißend; abhauend; durchbrennend | "
            "weggelaufen; ausgerissen; abgehauen; durchgebrannt | mit etw. durchbrennen :: to run away | running "
            "away | run away | to run away with sth.\n";
        const QStringList runAway = germanItemsOf(run, QStringLiteral("run away"));
        QVERIFY2(runAway.indexOf(QStringLiteral("auslaufen")) == runAway.size() - 1, qPrintable(runAway.join(u", ")));
    }

    // The word that many lines pair with the English word, in their entries
    // and examples, comes before the head of the one line that gives it
    // first: "Dringlichkeit" renders "urgency" on five lines,
    // "Eindringlichkeit" on one; "Schiedsrichter" renders "referee" on five,
    // "Referent" (a parliament's) on one. A noun pairs only in its own case:
    // the verb "werden" of the examples of "becoming" is no "Werden", and the
    // adjective's own entry keeps its place.
    void putsTheWordManyLinesPairFirst_data()
    {
        addFirstGermanItemColumns();
        QTest::newRow("urgency")
            << QByteArray(
                "Dringlichkeit {f}; Vordringlichkeit; Eilbedürftigkeit {f} [Dt.] [adm.] :: urgent nature; urgency; "
                "instancy [archaic]\n"
                "Eindringlichkeit {f} :: urgency; impressiveness; forcefulness\n"
                "Gewichten {n}; Gewichtung {f}; rangmäßige Einordnung {f}; Einordnung {f}; Priorisieren {n} [geh.]; "
                "Priorisierung {f} [geh.] [adm.] | Gewichtung nach Dringlichkeit; Dringlichkeitseinordnung {f} | "
                "einer Sache einen entsprechenden Stellenwert einräumen :: weighting; prioritization; prioritisation "
                "[Br.] | urgency weighting; prioritization by urgency | to give due weighting to sth.\n"
                "äußerste/r/s; höchste/r/s; größte/r/s; vollste/r/s {adj} | die äußersten Tiefen des Atlantischen "
                "Ozeans | eine Angelegenheit von höchster Dringlichkeit | jds. vollstes Mitgefühl | zu meiner "
                "vollsten Zufriedenheit | von größter Bedeutung sein; eminent wichtig sein | höchsten Respekt "
                "verdienen | bis in die hintersten Winkel der Erde bekannt sein | sich dem Tier mit äußerster "
                "Vorsicht nähern :: utmost; uttermost | the uttermost depths of the Atlantic Ocean | a matter of "
                "uttermost urgency. | sb.’s utmost sympathy | to my uttermost satisfaction | to be of utmost "
                "importance; to be of the uttermost importance | to deserve utmost respect | to be famous to the "
                "uttermost ends of the earth | to approach the animal with utmost caution\n"
                "jdn. von einer Sachlage/Notwendigkeit überzeugen {vt} | überzeugend | überzeugt | überzeugt | "
                "überzeugte | nicht überzeugt | Ich bin überzeugt, dass … | von etw. nicht überzeugt sein | Sie "
                "überzeugte mich (davon), dass es das Richtige war. | Ich bin felsenfest davon überzeugt. | Dieses "
                "Argument überzeugt. | Du musst hinter einem Produkt stehen, wenn du andere davon überzeugen willst. "
                "| Wir müssen die Geschäftsleitung von der Dringlichkeit der Angelegenheit überzeugen. | Diese "
                "Argumente überzeugen mich nicht. | Wie kann ich sie davon überzeugen, dass ich mich geändert habe? "
                ":: to convince; to persuade sb. of a state of things/of a necessity | convincing; persuading | "
                "convinced; persuaded | convinces; persuades | convinced; persuaded | unconvinced; unpersuaded | I’m "
                "convinced that … | to be unconvinced of sth. | She convinced me that this was the right thing to do. "
                "| I’m firmly/absolutely convinced of it. | This argument is convincing. | You need to be convinced "
                "of a product if you want to convince others of its merits. | We need to persuade the management of "
                "the urgency of this matter. | I’m not persuaded by these arguments. | How can I persuade her that "
                "I’ve changed?\n"
                "einer Sache etw. verleihen {vt} | Der Zwischenfall gab den Friedensgesprächen neue Dringlichkeit. :: "
                "to inject sth. with sth. | The incident injected new urgency into the peace talks.\n")
            << QStringLiteral("urgency") << QStringLiteral("Dringlichkeit");
        const QByteArray refereeLines(
            "Referent {m}; Berichterstatter {m} (Parlament) | Referenten {pl}; Berichterstatter {pl} :: referee | "
            "referees\n"
            "Schiedsrichter {m}; Schiedsrichterin {f}; Ringrichter {m}; Schiri {m} [ugs.]; Pfeifenmann {m} [ugs.] "
            "(Ballsport, Boxen, Eishockey, Judo) [sport] | Schiedsrichter {pl}; Schiedsrichterinnen {pl}; "
            "Ringrichter {pl} | Der Schiedsrichter war immer auf Ballhöhe. :: referee; ref [coll.] | referees | "
            "The referee was always on the spot.\n"
            "Abpfiff {m}; Schlusspfiff {m} [sport] | Der Schiedsrichter gab den Schlusspfiff. :: final whistle | "
            "The referee blew for full-time.\n"
            "Auszeit {f}; Unterbrechung {f}; Pause {f} [sport] | eine Pause machen; eine Auszeit nehmen | Der "
            "Trainer forderte eine Unterbrechung. | Der Schiedsrichter gewährte die Auszeit. :: time-out | to "
            "take a time-out | The coach called time. | The referee called time.\n"
            "für jd. nicht einsehbarer Bereich {m} | wo es der Schiedsrichter nicht sehen konnte :: sb.’s blind "
            "side | on the referee’s blind side\n");
        QTest::newRow("referee")
            << refereeLines
                   + QByteArray("Elfmeterpunkt {m} (Fußball) [sport] | Elfmeterpunkte {pl} | Der Schiedsrichter zeigte "
                                "auf den Elfmeterpunkt. :: penalty spot (football) | penalty spots | The referee pointed "
                                "to the penalty spot.\n")
            << QStringLiteral("referee") << QStringLiteral("Schiedsrichter");
        // The halves of the file are counted apart: the penalty spot's line
        // still counts, whole, where it stands midway through the file,
        // after the lines of "referee" and before as many lines again that
        // pair nothing.
        QByteArray unrelated;
        while (unrelated.size() < refereeLines.size())
            unrelated += "Haus {n} | Häuser {pl} :: house | houses\n";
        QTest::newRow("referee, the fifth line midway")
            << refereeLines
                   + QByteArray("Elfmeterpunkt {m} (Fußball) [sport] | Elfmeterpunkte {pl} | Der Schiedsrichter zeigte "
                                "auf den Elfmeterpunkt. :: penalty spot (football) | penalty spots | The referee pointed "
                                "to the penalty spot.\n")
                   + unrelated
            << QStringLiteral("referee") << QStringLiteral("Schiedsrichter");
        // Without the penalty spot's line four lines pair the two words: the
        // entry's own line pairs them in its head and in its example, and
        // counts once.
        QTest::newRow("referee, four lines")
            << refereeLines << QStringLiteral("referee") << QStringLiteral("Referent");
        QTest::newRow("becoming")
            << QByteArray(
                "kleidsam; schicklich {adj} | kleidsamer | am kleidsamsten :: becoming | more becoming | most "
                "becoming\n"
                "Entstehen {n}; Werden {n} | im Werden begriffen | im Werden sein :: development; becoming | to be in "
                "(a state of) development | to be in the making\n"
                "auf dem besten Weg(e) sein, etw. zu tun {v} [übtr.] | Er ist auf dem besten Weg, ein Stubenhocker zu "
                "werden. :: to be well on the way to doing sth. [fig.] | He is well on the way to becoming a "
                "couch-potato.\n"
                "spärlich gesät sein; selten sein; rar sein {v} | Solche Momente sind selten / rar. | Energiesparende "
                "Häuser sind in England spärlich gesät. | Attraktive Arbeitsplätze werden immer spärlicher. :: to be "
                "few and far between | Such moments are few and far between. | Energy saving homes are few and far "
                "between in England. | Attractive jobs are becoming fewer and further between.\n"
                "Hindernis {n}; Hemmnis {n} (für etw.) [übtr.] | Hindernisse {pl}; Hemmnisse {pl} | etw. ungehindert "
                "tun können | Das stellt das größte Hindernis für diese Kinder dar, selbständige Erwachsene zu "
                "werden. :: hindrance; impediment (to sth.) [fig.] | hindrances; impediments | to be able to do sth. "
                "without hindrance | This poses the greatest hindrance to these children becoming independent "
                "adults.\n"
                "jds. Traum {m} (bisher unerfüllter Wunsch) | der amerikanische Traum | der Mann/die Frau meiner "
                "Träume | der Traum jedes Kunstliebhabers sein | sich einen Kindheitstraum erfüllen | Ich träume "
                "davon, ein eigenes Haus auf dem Land zu haben. | Sie hat ein Leben lang davon geträumt, "
                "Schauspielerin zu werden. | Dass ich hier sein darf, ist ein Traum, der wahr geworden ist / ist ein "
                "wahr gewordener Traum. :: sb.’s dream (as yet unfulfilled wish) | the American dream | the man/woman "
                "of my dreams | to be an art lover’s dream | to fulfil a/your childhood dream | It’s a dream of mine "
                "to own a house in the country. | She has had a lifelong dream of becoming an actress. | Being here "
                "is a dream come true.; It is a dream come true to be here.\n")
            << QStringLiteral("becoming") << QStringLiteral("kleidsam");
    }
    void putsTheWordManyLinesPairFirst()
    {
        checkFirstGermanItem();
    }

    // A line's head that compounds a later noun of the line, both given the
    // one English word, yields to the plain noun where the dictionary's other
    // lines render the English word by that noun in their compounds: four
    // lines hold "Kolben" for "piston" outside "Hubkolben", which one holds.
    // With one compound line fewer, and where the head's own compounds render
    // the word as often ("Oberschenkelknochen" for "thigh bone"), the head
    // keeps its place.
    void putsThePlainNounOfACompoundingHeadFirst_data()
    {
        addFirstGermanItemColumns();
        const QByteArray piston(
            "Hubkolben {m}; Kolben {m} [techn.] | Hubkolben {pl}; Kolben {pl} | Hohlkolben {m} | Kolbenaufgang {m}; "
            "aufwärtsgehender Kolbenhub {m} | Kolbenrückgang {m}; abwärtsgehender Kolbenhub {m} :: piston | pistons "
            "| tubular piston | upstroke; ascending stroke of the piston | downstroke; return stroke; backstroke of "
            "the piston\n"
            "Kolbendichtung {f} [techn.] | Kolbendichtungen {pl} :: piston seal | piston seals\n"
            "Kolbenring {m} [techn.] | Kolbenringe {pl} | Kolbenring mit schräger Stoßfuge :: piston ring | piston "
            "rings | mitre-cut piston ring\n");
        QTest::newRow("piston, two compound lines") << piston << QStringLiteral("piston") << QStringLiteral("Hubkolben");
        QTest::newRow("piston, three compound lines")
            << piston + "Kolbenstange {f} [techn.] | Kolbenstangen {pl} :: piston rod | piston rods\n"
            << QStringLiteral("piston") << QStringLiteral("Kolben");
        QTest::newRow("thigh")
            << QByteArray(
                "Oberschenkel {m}; Schenkel {m} [anat.] | Oberschenkel {pl}; Schenkel {pl} :: thigh | thighs\n"
                "Oberschenkelknochen {m}; Oberschenkel {m}; Femur {m} [anat.] | Oberschenkelknochen {pl}; "
                "Oberschenkel {pl}; Femuren {pl} :: femur; thigh bone; thigh-bone | femurs; thigh bones; thigh-bones\n"
                "Oberschenkelmuskulatur {f} [anat.] :: upper thigh muscles {pl}\n"
                "kurz (Rock, Mantel); schenkellang; übers Knie reichend (Stiefel) {adj} :: thigh-length\n")
            << QStringLiteral("thigh") << QStringLiteral("Oberschenkel");
    }
    void putsThePlainNounOfACompoundingHeadFirst()
    {
        checkFirstGermanItem();
    }

    // A noun heading the English word's own entry in some field ([agr.],
    // [biol.]) gives way to the head of an untagged line that gives the
    // English word alone with its examples ("scuffle"), or with a verb's
    // forms where the word is used as a verb at least as often ("isolate").
    // An animal before a verb of a word used mostly as a noun ("crow") and a
    // tagged own entry beside an untagged one ("cloak") keep their places.
    void putsUntaggedLineBeforeFieldTaggedOwnNoun_data()
    {
        addFirstGermanItemColumns();
        QTest::newRow("scuffle")
            << QByteArray(
                "Hackpflug {m} [agr.] | Hackpflüge {pl} :: scuffle | scuffles\n"
                "Zusammenstoß {m}; tätliche Auseinandersetzung {f}; Handgreiflichkeiten {pl} | Es kam zu "
                "Zusammenstößen zwischen Demonstranten und der Polizei. :: scuffle | Scuffles broke out between "
                "police and demonstrators.\n"
                "hastig laufen; eilig laufen; wetzen; huschen {vi} (+ Ortsangabe) | hastig laufend; eilig laufend; "
                "wetzend; huschend | hastig gelaufen; eilig gelaufen; gewetzt; gehuscht :: to scuffle (+ adverbial "
                "of place) | scuffling | scuffled\n")
            << QStringLiteral("scuffle") << QStringLiteral("Zusammenstoß");
        QTest::newRow("isolate")
            << QByteArray(
                "Isolat {n} [biol.] | Isolate {pl} | genetisches Isolat :: isolate | isolates | genetic isolate\n"
                "eingrenzen; einkreisen {vt} | eingrenzend; einkreisend | eingegrenzt; eingekreist :: to isolate | "
                "isolating | isolated\n"
                "jdn./etw. isolieren; etw. vereinzeln; trennen; absondern {vt} | isolierend; vereinzelnd; trennend; "
                "absondernd | isoliert; vereinzelt; getrennt; abgesondert | isoliert; vereinzelt; trennt; sondert ab "
                "| isolierte; vereinzelte; trennte; sonderte ab | im Labor isoliert werden :: to isolate sb./sth. | "
                "isolating | isolated | isolates | isolated | to be isolated in the laboratory\n")
            << QStringLiteral("isolate") << QStringLiteral("isolieren");
        QTest::newRow("crow")
            << QByteArray(
                "Krähe {f} [ornith.] | Krähen {pl} :: crow | crows\n"
                "Krähennest {n}; Mastkorb {m} (Ausguck auf einem Segelschiff) [naut.] | Krähennester {pl}; "
                "Mastkörbe {pl} :: crow’s nest (lookout on a sailing ship) | crow’s nests\n"
                "Rabenfeder {f} :: crow quill\n"
                "jubeln; triumphieren; frohlocken; juchzen {vi} | jubelnd; triumphierend; frohlockend; juchzend | "
                "gejubelt; triumphiert; frohlockt; gejuchzt :: to crow | crowing | crowed\n"
                "krähen {vi} | krähend | gekräht | kräht | krähte :: to crow | crowing | crowed | crows | crowed\n"
                "Rabenvögel {pl} (Corvidae) (zoologische Familie) [ornith.] :: crow family; corvids (zoological "
                "family)\n")
            << QStringLiteral("crow") << QStringLiteral("Krähe");
        QTest::newRow("cloak")
            << QByteArray(
                "Deckmantel {m} | Deckmäntel {pl} | unter dem Deckmantel :: cloak | cloaks | under the guise; in "
                "the guise\n"
                "Umhang {m}; Cape {n}; loser Mantel {m} [textil.] | Umhänge {pl}; Capes {pl}; lose Mäntel {pl} :: "
                "cloak | cloaks\n"
                "Umhang {m}; Überwurf {m} [hist.] | Umhänge {pl}; Überwürfe {pl} :: mantle | mantles\n"
                "Umhang {m} | Umhänge {pl} :: cape | capes\n")
            << QStringLiteral("cloak") << QStringLiteral("Umhang");
    }
    void putsUntaggedLineBeforeFieldTaggedOwnNoun()
    {
        checkFirstGermanItem();
    }

    // "Chiffre" is a later synonym of "Geheimkode", but the line's further
    // sections are its compounds and the English word's ("Blockchiffre ::
    // block cipher"): it goes before the words of a bare line that gives
    // "cipher" first.
    void putsLaterSynonymOfItsOwnCompoundsBeforeBareLine()
    {
        const QByteArray lines =
            "Geheimkode {m}; geheime Kennung {f}; geheime Kennzahl {f}; Chiffre {f} | Blockchiffre {f} | "
            "Stromchiffre {f} | Verschiebechiffre {f}; Caesar-Verschiebung {f}; Cäsar-Chiffre {f}; "
            "Cäsar-Algorithmus {m} :: secret code; secret identifier; cipher | block cipher | stream cipher | shift "
            "cipher; Caesar shift; Caesar cipher; Caesar’s code; Caesar’s algorithm\n"
            "Geheimschrift {f} | in Geheimschrift :: secret writing; cipher | in (a) cipher\n"
            "Geheimzeichen {n} | Geheimzeichen {pl} :: cipher; secret sign | ciphers; secret signs\n"
            "Ziffer {f}; Zahl {f} :: cipher; cypher\n";
        const QStringList german = germanItemsOf(lines, QStringLiteral("cipher"));
        QVERIFY2(german.value(0) == QStringLiteral("Chiffre"), qPrintable(german.join(u", ")));
    }

    // A side line gives way to the line of the everyday sense: "Schluss" is
    // used only in compounds ("Drehschluss") and goes behind the others;
    // "Umbruch :: wrap" and "Diener :: slave" are loose uses of words whose
    // own entries are "upheaval" and "servant", and give way to the verb's
    // main entry and to the noun's entry with its plurals; "Futterbacke"
    // names the jaw of a chuck on a line tagged [mach.] and gives way to the
    // longest untagged line that ties with it, where "Kiefer" pairs with
    // "jaw" as "Kieferknochen" does with "jawbone".
    void putsEverydayEntryBeforeSideLine_data()
    {
        addFirstGermanItemColumns();
        QTest::newRow("wrap, a word used only in compounds")
            << QByteArray(
                "Ende {n} der Aufnahmen; Schluss {m} (in Zusammensetzungen) (Audio, Film, TV) | Drehschluss {m}; "
                "Ende der Filmaufnahmen/Fernsehaufnahmen | Aufnahmeschluss {m}; Ende der Tonaufnahmen | Drehschluss "
                "verkünden | Er hat gerade einen Spielfilm abgedreht. :: wrap (end of a session of filming or "
                "recording) | wrap of shoot; wrap of shooting | wrap of recording | to call a wrap on the shoot | He "
                "just finished a wrap on a feature film.\n"
                "Umbruch {m} :: wrap\n")
            << QStringLiteral("wrap") << QStringLiteral("Umbruch");
        QTest::newRow("jaw")
            << QByteArray(
                "Futterbacke {f}; Backe {f} [mach.] | Futterbacken {pl}; Backen {pl} :: chuck jaw; jaw | chuck jaws; "
                "jaws\n"
                "Kieferbogen {m} [anat.] :: mandible; jaw\n"
                "Kieferknochen {m}; Kiefer {m}; Kiefer {n} [Bayr.] [Ös.] [anat.] | Kieferknochen {pl}; Kiefer {pl} | "
                "breiter Kiefer | künstlicher Kiefer | schnappender Kiefer :: jawbone; jaw | jawbones; jaws | "
                "euyhnathic jaw | artificial jaw | snapping jaw\n")
            << QStringLiteral("jaw") << QStringLiteral("Kiefer");
    }
    void putsEverydayEntryBeforeSideLine()
    {
        checkFirstGermanItem();
    }

    // Of two lines a German word heads, the one whose examples use the word
    // itself gives its English word first, before one whose examples show
    // only a later synonym ("das Bild einer leuchtenden Sonne" for "device").
    // A line the word does not head ("Allegorie; Sinnbild :: allegory") and
    // one without examples of the word leave the top word in its place.
    void putsTheLineThatShowsTheWordInItsExamplesFirst()
    {
        const QByteArray device(
            "Sinnbild {n}; Bild {n}; Zeichen {n}; Emblem {n} (+Gen.) | Sinnbilder {pl}; Bilden {pl}; Zeichen {pl}; "
            "Emblemene {pl} | Die Schilder tragen das Bild einer leuchtenden Sonne. :: device (of sth.) | devices | "
            "The shields bear the device of the blazing sun.\n");
        const QByteArray symbol(
            "Sinnbild {n}; Symbol {n} (für etw. / +Gen.) | Sinnbilder {pl}; Symbole {pl} | ein Sinnbild des "
            "Friedens; ein Symbol für den Frieden; ein Friedenssymbol | die Farbe Grün als Sinnbild der Hoffnung | "
            "Das zweischneidige Schwert ist ein Sinnbild für göttliches Wissen, wo die scharfen Schneiden Wahrheit "
            "von Falschheit trennen. :: symbol; metaphor (of sth.) | symbols; metaphors | a symbol of peace; a "
            "peace symbol | the colour green as a symbol of hope | The double-edged sword is a metaphor of divine "
            "knowledge, its sharp edges cleaving truth from falsehood.\n");
        const QByteArray allegory("Allegorie {f}; Sinnbild {n}; Gleichnis {n}; sinnbildliche Darstellung | das "
                                  "Höhlengleichnis (Platon) :: allegory | the allegory of the cave (Plato)\n");
        const QStringList core{QStringLiteral("device"), QStringLiteral("symbol"), QStringLiteral("allegory")};
        const QString sinnbild = QStringLiteral("Sinnbild");
        QCOMPARE(englishItemsOf(device + symbol, core, sinnbild).value(0), QStringLiteral("symbol"));
        QCOMPARE(englishItemsOf(device + allegory, core, sinnbild).value(0), QStringLiteral("device"));
        const QByteArray symbolWithoutExamples("Sinnbild {n}; Symbol {n} | Sinnbilder {pl}; Symbole {pl} :: "
                                               "symbol | symbols\n");
        QCOMPARE(englishItemsOf(device + symbolWithoutExamples, core, sinnbild).value(0), QStringLiteral("device"));

        const QByteArray haufen(
            "Haufen {m}; Stapel {m}; Stoß {m}; Pack {m} | Haufen {pl}; Stapel {pl}; Stöße {pl}; Packen {pl} | "
            "Holzstapel {m} :: pile | piles | wood pile\n"
            "Haufen {m}; Berg {m} {+Nom.} | Haufen {pl}; Berge {pl} | ein Laubhaufen | ein Haufen Schmutzwäsche; "
            "ein Berg Schmutzwäsche | ein Schneehaufen :: heap; pile; mound (of sth.) | heaps; piles; mounds | a "
            "heap of leaves; a pile of leaves; a leaf pile | a heap of dirty laundry; a mound of dirty laundry | a "
            "pile of snow; a mound of snow\n");
        QCOMPARE(englishItemsOf(haufen, {QStringLiteral("pile"), QStringLiteral("heap")}, QStringLiteral("Haufen"))
                     .value(0),
                 QStringLiteral("heap"));
    }

    // "the Germanic people" in the plural place of "Germanic" on the noun's
    // line shows an adjective: the adjective's own line gives the word first.
    // An adjective line that gives the word only as a later synonym
    // ("germanistisch :: German; Germanic") leaves the noun first.
    void putsTheAdjectiveBeforeANounOfAnAdjectivalPlural_data()
    {
        addFirstGermanItemColumns();
        const QByteArray germane("Germane {m}; Teutone {m} [soc.] [hist.] | Germanen {pl}; Teutonen {pl} :: "
                                 "Germanic; Teuton | the Germanic people; Teutons\n");
        const QByteArray germanistisch("germanistisch {adj} :: German; Germanic\n");
        QTest::newRow("Germanic")
            << germane + "germanisch {adj} [ling.] [soc.] [hist.] | nordgermanisch | ostgermanisch | "
                         "südgermanisch | urgermanisch | westgermanisch :: Germanic | North Germanic | East "
                         "Germanic | South Germanic | Proto-Germanic | West Germanic\n" + germanistisch
            << QStringLiteral("Germanic") << QStringLiteral("germanisch");
        QTest::newRow("Germanic, a later synonym only")
            << germane + germanistisch << QStringLiteral("Germanic") << QStringLiteral("Germane");
    }
    void putsTheAdjectiveBeforeANounOfAnAdjectivalPlural()
    {
        checkFirstGermanItem();
    }

    // A bare line that gives the English word back as a German adjective
    // ("amber; bernsteinfarben {adj} :: amber; amber-coloured") gives way to
    // the English word's main entry, the noun's line with its plural and
    // compounds, though a field tag marks it. A word given back that no
    // synonym explains, or without a main entry of another kind, stays.
    void putsTheMainEntryBeforeTheWordGivenBack_data()
    {
        addFirstGermanItemColumns();
        const QByteArray bernstein("Bernstein {m} [min.] | Bernsteine {pl} | wolkiger Bernstein :: amber; succinite | "
                                   "ambers | mineral amber\n");
        const QByteArray colour("amber; bernsteinfarben {adj} :: amber; amber-coloured\n");
        QTest::newRow("amber") << bernstein + colour << QStringLiteral("amber") << QStringLiteral("Bernstein");
        QTest::newRow("amber, no main entry")
            << QByteArray("Bernstein {m} [min.] :: amber; succinite\n") + colour << QStringLiteral("amber")
            << QStringLiteral("amber");
        QTest::newRow("amber, given back alone")
            << bernstein + "amber {adj} :: amber; amber-coloured\n" << QStringLiteral("amber")
            << QStringLiteral("amber");
    }
    void putsTheMainEntryBeforeTheWordGivenBack()
    {
        checkFirstGermanItem();
    }

    // The noun the dictionary builds the English word's compounds on
    // ("Herzchirurg :: heart surgeon", "Unfallchirurg :: trauma surgeon")
    // goes before a side synonym that gives the word first on its own line,
    // where five lines render the word so. Four are too few to say.
    void putsTheNounOfTheWordsCompoundsFirst_data()
    {
        addFirstGermanItemColumns();
        const QByteArray lines(
            "Chirurg {m}; Chirurgin {f} [med.] | Chirurgen {pl}; Chirurginnen {pl} :: medical surgeon; surgeon | "
            "medical surgeons; surgeons\n"
            "Gefäßchirurg {m}; Gefäßchirurgin {f} [med.] | Gefäßchirurgen {pl}; Gefäßchirurginnen {pl} :: vascular "
            "surgeon | vascular surgeons\n"
            "Herzchirurg {m} [med.] :: heart surgeon; cardiac surgeon\n"
            "Kieferchirurg {m}; Kieferchirurgin {f} [med.] | Kieferchirurgen {pl}; Kieferchirurginnen {pl} :: oral "
            "surgeon | oral surgeons\n"
            "Ohrchirurg {m}; Ohrchirurgin {f} [med.] | Ohrchirurgen {pl}; Ohrchirurginnen {pl} :: aural surgeon | "
            "aural surgeons\n"
            "Operateur {m}; Operateurin {f} [med.] | Operateure {pl}; Operateurinnen {pl} :: surgeon; operating "
            "surgeon | surgeons; operating surgeons\n");
        const QByteArray trauma("Unfallchirurg {m} [med.] | Unfallchirurgen {pl} :: trauma surgeon | trauma surgeons\n");
        QTest::newRow("surgeon") << lines + trauma << QStringLiteral("surgeon") << QStringLiteral("Chirurg");
        QTest::newRow("surgeon, four compounds") << lines << QStringLiteral("surgeon") << QStringLiteral("Operateur");
    }
    void putsTheNounOfTheWordsCompoundsFirst()
    {
        checkFirstGermanItem();
    }

    // A transitive verb that two lines give the English verb first goes
    // before the verb of one short intransitive line ("brennen; aufflammen
    // {vi} :: to kindle"); where only one line gives it, the ranking stays.
    void putsTheAgreedTransitiveVerbBeforeTheIntransitiveLine_data()
    {
        addFirstGermanItemColumns();
        const QByteArray lines(
            "anzünden; entfachen; anfachen; zünden {vt} | anzündend; entfachend; anfachend; zündend | angezündet; "
            "entfacht; angefacht; gezündet | zündet an | zündete an :: to kindle; to enkindle | kindling | kindled "
            "| kindles | kindled\n"
            "brennen; aufflammen {vi} | brennend; aufflammend | gebrannt; aufgeflammt :: to kindle | kindling | "
            "kindled\n");
        const QByteArray interest("(Interesse) wecken; entfachen {vt} | weckend; entfachend | geweckt; entfacht | "
                                  "nicht geweckt :: to kindle | kindling | kindled | unkindled\n");
        QTest::newRow("kindle") << lines + interest << QStringLiteral("kindle") << QStringLiteral("entfachen");
        QTest::newRow("kindle, one transitive line")
            << lines << QStringLiteral("kindle") << QStringLiteral("brennen");
    }
    void putsTheAgreedTransitiveVerbBeforeTheIntransitiveLine()
    {
        checkFirstGermanItem();
    }

    // A noun a bare line gives the English word for only with a note naming
    // a trade's thing ("Kopf {m} (Extruder) :: mouth (extruder)") goes behind
    // the plain word of a longer line where three such uses fill the row,
    // and so does one tagged with a special field in the row's second place
    // ("Abfragequote {f} (Datenbank) [comp.] :: recall (database)"). Two
    // untagged noted uses keep their places.
    void putsNotedUsesAfterPlainLines_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("noted");
        QTest::addColumn<bool>("plainFirst");
        const QByteArray mund(
            "Mund {m} [anat.] | Münder {pl} | den Mund halten | den Mund spitzen :: mouth | mouths | to hold one’s "
            "tongue; to wrap up | to purse one’s lips\n"
            "Kopf {m} (Extruder) :: mouth (extruder)\n"
            "Maul {n} | Mäuler {pl} | Pferdemaul {n} :: mouth (of an animal) | mouths | horse mouth\n"
            "Ventileingang {m} :: mouth (valve)\n");
        const QByteArray moreParts("Hobelmaul {n} [mach.] :: mouth (of a plane)\n"
                                   "Ventilmund {m} [techn.] :: mouth (valve)\n");
        const QByteArray muendung("Gewässermündung {f}; Mündung {f} [geogr.] | Elbmündung {f} | Flussmündung {f} :: "
                                  "stream mouth; channel mouth; mouth; stream outlet; embouchure [archaic] | mouth "
                                  "of the (river) Elbe | river mouth; mouth of a/the river\n");
        QTest::newRow("mouth") << mund + moreParts + muendung << QStringLiteral("mouth")
                               << QStringLiteral("Mündung") << QStringLiteral("Kopf") << true;
        QTest::newRow("mouth, two noted uses")
            << mund + muendung << QStringLiteral("mouth") << QStringLiteral("Mündung") << QStringLiteral("Kopf")
            << false;
        const QByteArray recall(
            "Abfragequote {f} (Datenbank) [comp.] :: recall (database)\n"
            "Erinnerung {f} (an etw.) | Erinnerungen {pl} | Ich habe keine Erinnerung an das Geschehen. [geh.] :: "
            "recollection; remembrance; memory; recall (of sth.) | recollections; remembrances; memories; recalls | "
            "I have no recollection of what happened. (formal.)\n"
            "gedenken {vi} | gedenkend | gedacht | gedenkt | gedachte | jds./einer Sache gedenken :: to remember; to "
            "recall | remembering; recalling | remembered; recalled | remembers; recalls | remembered; recalled | to "
            "remember sb./sth.\n");
        QTest::newRow("recall") << recall << QStringLiteral("recall") << QStringLiteral("gedenken")
                                << QStringLiteral("Abfragequote") << true;
    }
    void putsNotedUsesAfterPlainLines()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, english);
        QFETCH(QString, plain);
        QFETCH(QString, noted);
        QFETCH(bool, plainFirst);
        const QStringList german = germanItemsOf(lines, english);
        QVERIFY2(german.contains(plain) && german.contains(noted), qPrintable(german.join(u", ")));
        QVERIFY2((german.indexOf(plain) < german.indexOf(noted)) == plainFirst, qPrintable(german.join(u", ")));
    }

    // The verb of the English verb's main entry, a line tagged with a general
    // field, goes before the verb of a line whose verbs share a special
    // field's tag; without the general field's tag the ranking stays.
    void putsTheGeneralVerbEntryBeforeTheFieldGroupsVerb_data()
    {
        addFirstGermanItemColumns();
        const QByteArray comp(
            "etw. verlegen; überführen; migrieren {vt} (auf/in etw.) [comp.] | verlegend; überführend; migrierend | "
            "verlegt; überführt; migriert | ein Programm in ein neues System überführen | Daten vom alten PC auf den "
            "neuen überführen/migrieren :: to migrate sth. (to sth.) | migrating | migrated | to migrate a program to "
            "a new system | to migrate data from the old PC to the new one\n");
        const QByteArray forms(
            " | abwandernd | abgewandert | er/sie wandert ab | ich/er/sie wanderte ab | er/sie ist/war abgewandert | "
            "vom Land in die Stadt ziehen | der Trend, dass Unternehmen ins Ausland abwandern | zu anderen Parteien "
            "abwandern [pol.] :: to migrate; to transmigrate [rare] (from, to) | migrating; transmigrating | "
            "migrated; transmigrated | he/she migrates; he/she transmigrates | I/he/she migrated | he/she has/had "
            "migrated | to migrate from the country to the city/town | the tendency of companies to migrate abroad | "
            "to migrate to other parties\n");
        QTest::newRow("migrate") << comp + "abwandern {vi} (aus/von, nach) [econ.] [soc.]" + forms
                                 << QStringLiteral("migrate") << QStringLiteral("abwandern");
        QTest::newRow("migrate, main entry untagged")
            << comp + "abwandern {vi} (aus/von, nach)" + forms << QStringLiteral("migrate")
            << QStringLiteral("verlegen");
    }
    void putsTheGeneralVerbEntryBeforeTheFieldGroupsVerb()
    {
        checkFirstGermanItem();
    }

    // A line that pairs a compound and its part on both sides, joined at the
    // same end ("Kieferknochen; Kiefer :: jawbone; jaw"), gives the English
    // part the German part, before the line's head. Words joined at opposite
    // ends ("Werkstück; Stück :: workpiece; work") and shortenings that are
    // no compounds ("Lokomotive; Lok :: locomotive; loco") are not paired so.
    void putsTheLinesPlainPartBeforeItsCompound_data()
    {
        addFirstGermanItemColumns();
        const QByteArray jawbone(
            "Kieferknochen {m}; Kiefer {m}; Kiefer {n} [Bayr.] [Ös.] [anat.] | Kieferknochen {pl}; Kiefer {pl} | "
            "breiter Kiefer | künstlicher Kiefer | schnappender Kiefer :: jawbone; jaw | jawbones; jaws | "
            "euyhnathic jaw | artificial jaw | snapping jaw\n");
        QTest::newRow("jaw") << jawbone << QStringLiteral("jaw") << QStringLiteral("Kiefer");
        QTest::newRow("jawbone") << jawbone << QStringLiteral("jawbone") << QStringLiteral("Kieferknochen");
        QTest::newRow("lid")
            << QByteArray("Augenlid {n}; Lid {n}; Palpebra {f}; Augendeckel {m} [ugs.] [anat.] | Augenlider {pl}; "
                          "Lider {pl}; Augendeckel {pl} | mit dem Augenlid zucken :: eyelid; lid; palpebra; "
                          "blepharon | eyelids; lids | to flicker an eyelid\n")
            << QStringLiteral("lid") << QStringLiteral("Lid");
        QTest::newRow("swamp, the part after two other compounds")
            << QByteArray("Sumpfgebiet {n}; Sumpflandschaft {f}; Sumpfland {n}; Sumpf {m} [geogr.] | Sumpfgebiete "
                          "{pl}; Sumpflandschaften {pl}; Sumpfländer {pl}; Sümpfe {pl} | mariner Sumpf :: swampland; "
                          "swamp | swamplands; swamps | paralic swamp\n")
            << QStringLiteral("swamp") << QStringLiteral("Sumpf");
        QTest::newRow("work, joined at opposite ends")
            << QByteArray("Werkstück {n}; Arbeitsstück {n}; Stück {n} [techn.] | Werkstücke {pl}; Arbeitsstücke "
                          "{pl}; Stücke {pl} :: workpiece; work; piece; workpart | workpieces; works; pieces; "
                          "workparts\n")
            << QStringLiteral("work") << QStringLiteral("Werkstück");
        QTest::newRow("loco, a shortening")
            << QByteArray("Lokomotive {f}; Lok {f} :: locomotive; loco | locomotives; locos\n")
            << QStringLiteral("loco") << QStringLiteral("Lokomotive");
    }
    void putsTheLinesPlainPartBeforeItsCompound()
    {
        checkFirstGermanItem();
    }

    // "Umbruch :: wrap" and "Diener :: slave" are loose uses of words whose
    // own entries give other English words: the verb's main entry and the
    // noun's entry with its plurals come first. The own entries count only
    // where their English words are core words too.
    void putsEntryBeforeLooseUseOfWordWithOwnEntry()
    {
        const QByteArray wrap(
            "Ende {n} der Aufnahmen; Schluss {m} (in Zusammensetzungen) (Audio, Film, TV) | Drehschluss {m}; "
            "Ende der Filmaufnahmen/Fernsehaufnahmen | Aufnahmeschluss {m}; Ende der Tonaufnahmen | Drehschluss "
            "verkünden | Er hat gerade einen Spielfilm abgedreht. :: wrap (end of a session of filming or "
            "recording) | wrap of shoot; wrap of shooting | wrap of recording | to call a wrap on the shoot | He "
            "just finished a wrap on a feature film.\n"
            "Umbruch {m}; Umwälzung {f}; Verwerfung {f} | Umbrüche {pl} | gesellschaftliche/ökonomische "
            "Verwerfungen | sich in einem Umbruch befinden :: upheaval; radical change | upheavals; radical "
            "changes | social/economic upheaval | to be going through a radical change; to be in upheaval\n"
            "Umbruch {m} :: wrap\n"
            "etw. einpacken; verpacken; einwickeln; einhüllen; umhüllen {vt} | einpackend; verpackend; "
            "einwickelnd; einhüllend; umhüllend | eingepackt; verpackt; eingewickelt; eingehüllt; umhüllt | "
            "packt ein; verpackt; wickelt ein; hüllt ein; umhüllt | packte ein; verpackte; wickelte ein; hüllte "
            "ein; umhüllte | als Geschenk verpacken | Soll ich es Ihnen einpacken? :: to wrap; to wrap up <> "
            "sth. | wrapping; wrapping up | wrapped; wrapped up | wraps; wraps up | wrapped; wrapped up | to "
            "gift-wrap | Shall I wrap it for you?\n");
        QCOMPARE(germanSourcesFromTrans(wrap, {QStringLiteral("wrap"), QStringLiteral("upheaval")})
                     .englishToGerman.value(QStringLiteral("wrap"))
                     .value(0),
                 QStringLiteral("einpacken"));
        const QByteArray slave(
            "Diener {m}; Knecht {m} [veraltet] | Diener {pl}; Knechte {pl} | Lohndiener {m} :: servant; "
            "man-servant | servants; man-servants | hired servant\n"
            "Diener {m} :: slave\n"
            "Sklave {m}; Sklavin {f} [soc.] | Sklaven {pl}; Sklavinnen {pl} :: slave; helot [formal] | slaves; "
            "helots\n");
        QCOMPARE(germanSourcesFromTrans(slave, {QStringLiteral("slave"), QStringLiteral("servant")})
                     .englishToGerman.value(QStringLiteral("slave"))
                     .value(0),
                 QStringLiteral("Sklave"));
    }

    // Two bare lines of one sense, its gender and spelling variants, would
    // fill all six places of "dresser" (trans lines 5842 and 40137); the
    // furniture, a full noun entry with its plural (line 59691), takes the
    // last place. The variant that gives way keeps its German row. The
    // entry must give its plural: a bare line of it moves nothing.
    void givesOneSensesLastPlaceToAnotherNounEntry()
    {
        const QByteArray variants("Ankleider {m}; Ankleiderin {f}; Garderobier {m}; Garderobiere {f} :: dresser\n"
                                  "Gardrobier {m}; Gardrobiere {f} :: dresser; costumer\n");
        const QByteArray lines = variants
                                 + "Kommode {f} | Kommoden {pl} :: chest of drawers; dresser [Am.]; bureau [Am.] | "
                                   "chests of drawers; dressers\n";
        const QStringList core{QStringLiteral("dresser")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList row = sources.englishToGerman.value(QStringLiteral("dresser"));
        QCOMPARE(row.size(), 7);
        QCOMPARE(row.at(5), QStringLiteral("Kommode"));
        const QString displaced = row.at(6);
        const QHash<QString, QStringList> germanSide = germanRows(selectGermanCore(core, sources, schema::kMaxRows));
        QCOMPARE(germanSide.size(), 7);
        QVERIFY(germanSide.value(displaced).contains(QStringLiteral("dresser")));
        QCOMPARE(germanSide.value(QStringLiteral("Kommode")).value(0), QStringLiteral("chest of drawers"));

        const QByteArray bare = variants + "Kommode {f} :: chest of drawers; dresser [Am.]\n";
        const QStringList bareRow = germanSourcesFromTrans(bare, core).englishToGerman.value(QStringLiteral("dresser"));
        QCOMPARE(bareRow.size(), 7);
        QCOMPARE(bareRow.at(6), QStringLiteral("Kommode"));
    }

    // The nouns of "moving" fill its row, the last a noun a note narrows
    // ("Übersiedlung ... (Wechsel des Wohnsitzes)"); the adjective two lines
    // agree on, "rührend", takes that place, and the noun keeps its German
    // row. One line giving the adjective moves nothing.
    void givesNotedNounsPlaceToAdjectiveOfSeveralLines()
    {
        const QByteArray nouns(
            "Bewegen {n}; Bewegung {f} :: moving\n"
            "beweglich; sich bewegend {adj} :: moving\n"
            "Verlegung {f} (Person); Versetzen {n}; Umräumen {n} (Sache) (an einen anderen Ort) | die Verlegung "
            "eines Patienten in ein anderes Zimmer :: moving; transfer; transferral; shifting (to another place) | "
            "the transfer of the patient to another room\n"
            "Übersiedlung {f}; Übersiedelung {f}; Umzug {m}; Züglete {f} [Schw.] (Wechsel des Wohnsitzes) | Beim "
            "Umzug sind einige Gegenstande kaputtgegangen. :: move [Br.]; removal [Br.]; moving [Am.] (change of "
            "residence) | A few items broke during the move.\n");
        const QByteArray oneLine = nouns + "rührend {adj} :: touching; moving\n";
        const QByteArray twoLines =
            oneLine + "ergreifend {adj}; rührend {adj} :: touching {adj}; moving {adj}\n";
        const QStringList core{QStringLiteral("moving")};
        const QStringList before = germanSourcesFromTrans(oneLine, core).englishToGerman.value(QStringLiteral("moving"));
        QVERIFY(before.size() > 6);
        QVERIFY(before.indexOf(QStringLiteral("rührend")) >= 6);
        const GermanSources sources = germanSourcesFromTrans(twoLines, core);
        const QStringList row = sources.englishToGerman.value(QStringLiteral("moving"));
        QCOMPARE(row.at(5), QStringLiteral("rührend"));
        QCOMPARE(row.mid(0, 5), before.mid(0, 5));
        QCOMPARE(row.at(6), before.at(5));
        const QHash<QString, QStringList> germanSide = germanRows(selectGermanCore(core, sources, schema::kMaxRows));
        QVERIFY(germanSide.value(before.at(5)).contains(QStringLiteral("moving")));
    }

    // "Anzeichen" heads its own entry for "sign", and the short line of
    // "Zeichen" for "sign" is not that word's own entry; but "Anzeichen"
    // holds "Zeichen" and names a narrower kind of sign, so "Zeichen" keeps
    // first place.
    void keepsTheWordBeforeAnOwnEntryThatHoldsIt()
    {
        const QByteArray lines =
            "Zeichen {n} (Buchstabe, Zahl oder Symbol) [comp.] | Zeichen {pl} | Jokerzeichen {n} | Grafikzeichen "
            "{n}; Schriftzeichen {n} | Sonderzeichen {n} | Steuerzeichen {n} | Textzeichen {n} | Zusatzzeichen "
            "{n} | Zeichen je Sekunde | Zeichen je Zeile | Zeichen je Zoll :: character; char (letter, number, or "
            "symbol) | characters; chars | wildcard character | graphics character | special character | control "
            "character | text character | additional character | characters per second /CPS/ | characters per "
            "line | characters per inch\n"
            "Zeichen {n} [math.] [mus.] [comp.] | vom Zeichen bis zum Schluss [mus.] :: sign | from the sign to "
            "the end\n"
            "Anzeichen {n}; Zeichen {n}; Indiz {n} (für etw.); Hinweis {m} (auf etw.) | Anzeichen {pl}; Zeichen "
            "{pl}; Indizien {pl}; Hinweise {pl} | starke Hinweise auf etw. | beim ersten Anzeichen von Gefahr | "
            "die Anzeichen mehren/verdichten sich, dass … | Das Foyer gibt einen Vorgeschmack auf das, was einen "
            "anschließend erwartet. :: sign; indication; hint (of sth.) | signs; indications; hints | strong "
            "indications of sth. | at the first hint of danger | There are more and more indications that | The "
            "entry foyer gives you a hint of things to come.\n";
        const QStringList core{QStringLiteral("sign"), QStringLiteral("character")};
        const QStringList german = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("sign"));
        QCOMPARE(german.value(0), QStringLiteral("Zeichen"));
        QVERIFY(german.contains(QStringLiteral("Anzeichen")));
    }

    // "sugar candy [Br.]; candy [Br.]" names two British words, not one word
    // in two spellings: "candy" is not that line's first word. "sweets {pl}
    // [Br.]; candy [Am.]" pairs the two countries' words, and both lead
    // there, so "Zuckerzeug" comes first.
    void letsOnlyPairedCountryWordsShareTheFirstPlace()
    {
        const QByteArray lines =
            "Kandiszucker {m}; Kandis {m} [cook.] | Kandiszucker am Stiel; Stangenkandis {m} | Krümelkandis {m}; "
            "Grümmelkandis {m} :: sugar candy [Br.]; candy [Br.]; rock sugar | rock candy [Am.] | crushed sugar "
            "candy; crushed rock sugar\n"
            "Zuckerzeug {n} :: sweets {pl} [Br.]; candy [Am.]\n";
        const QStringList core{QStringLiteral("candy")};
        QCOMPARE(germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("candy")).value(0),
                 QStringLiteral("Zuckerzeug"));
    }

    // No line gives "fellow" first. "Mensch" gives it on a line whose own
    // entry is "human being"; "Kerl" heads its own entry for "fellow", tagged
    // dated there, and is the commoner word, so it leads. Without the "human
    // being" entry, the "chap" line is Mensch's own entry and "Mensch" keeps
    // its place.
    void putsACommonerOwnEntryFirstWhereNoLineGivesTheWordFirst()
    {
        const QByteArray humanBeing =
            "Mensch {m} (als Kategorie); Homo sapiens [geh.] | die Menschen {pl} :: human being; human; member of "
            "the human race; homo sapiens | humans\n";
        const QByteArray lines =
            "Mensch {m}; Heini {m}; Fuzzi {m}; Fritze {m} [Norddt.] (in Zusammensetzungen); Typ {m} [ugs.] | "
            "Menschen {pl}; Heinis {pl}; Fuzzis {pl}; Fritzen {pl}; Typen {pl} | Computerheini {m}; "
            "Computerfritze {m} | der Mensch vom Ministerium; der vom Ministerium | Den Küchenfuzzis ist das egal. "
            "| Er ist ein bisschen ein komischer Typ. | So ein Typ vom Büro / Einer vom Büro hat für dich "
            "angerufen. :: chap [Br.]; bod [Br.]; fellow [Br.] [slightly dated] | chaps; bods; fellows | computer "
            "chap | the fellow from the Ministry; the Ministry bod | The bods in the kitchen don’t care. | He’s a "
            "bit of an odd bod. | Some bod from the office rang you.\n"
            "Kerl {m}; Typ {m}; Bursche {m} [veraltend] | ein lieber Kerl | Er ist ein feiner (famoser) Kerl. | Na, "
            "altes Haus! [ugs.] :: guy; chap [Br.] [becoming dated]; fellow [Br.] [becoming dated]; fella [Br.] "
            "[coll.]; bloke [Br.] [becoming dated]; cove [Br.] [dated] | a nice guy | He is a fine chap. | Hey, "
            "old chap!\n"
            "Mannsbild {n} :: man; fellow\n";
        const QStringList core{QStringLiteral("fellow"), QStringLiteral("human being")};
        const QStringList german =
            germanSourcesFromTrans(humanBeing + lines, core).englishToGerman.value(QStringLiteral("fellow"));
        QCOMPARE(german.value(0), QStringLiteral("Kerl"));
        QVERIFY(german.contains(QStringLiteral("Mensch")));
        QCOMPARE(germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("fellow")).value(0),
                 QStringLiteral("Mensch"));
    }

    // The English sides use "harbour" as a noun three times ("harbour",
    // "military harbour", "tidal harbour") and as a verb once ("to harbour
    // sth."), in a sentence twice more, which does not count.
    void countsHowTheEnglishSidesUseAWord()
    {
        const QByteArray lines = QByteArray(kHarbour) +
            "Klang {m} | Ich höre einen Hafen. :: sound | I hear a harbour.\n"
            "Ankunft {f} im Hafen | Wir harbour sie nicht. :: arrival in harbour (of a ship) | We do not harbour them.\n";
        const QHash<QString, EnglishWordUses> uses =
            englishWordUsesInTrans(lines, {QStringLiteral("harbour"), QStringLiteral("thoughts")});
        QCOMPARE(uses.value(QStringLiteral("harbour")).verb, 1);
        QCOMPARE(uses.value(QStringLiteral("harbour")).other, 4);  // the three, and "arrival in harbour"
        QVERIFY(!uses.contains(QStringLiteral("thoughts")));  // only in a note
    }

    // "harbour" has its main entry as a noun ("Hafen", with its plurals and
    // compounds) and none as a verb, and the list uses it three times as
    // often as a noun: the noun comes before the verbs of a bare line. One
    // more line giving it as a verb leaves the lead too small, and the
    // ranking's verb stays first.
    void putsANounMainEntryBeforeASideVerb()
    {
        const QStringList core{QStringLiteral("harbour")};
        const QStringList german =
            germanSourcesFromTrans(QByteArray(kHarbour), core).englishToGerman.value(QStringLiteral("harbour"));
        QCOMPARE(german.value(0), QStringLiteral("Hafen"));
        QVERIFY(german.contains(QStringLiteral("hegen")));
        const QByteArray moreVerbs = QByteArray(kHarbour) +
            "beherbergen; Unterschlupf gewähren {vt} | beherbergend | beherbergt :: to harbor [Am.]; to harbour | "
            "harboring; harbouring | harbored; harboured\n";
        QVERIFY(germanSourcesFromTrans(moreVerbs, core).englishToGerman.value(QStringLiteral("harbour")).value(0)
                != QStringLiteral("Hafen"));
    }

    // "pump" has main entries as a noun ("Pumpe", with its compounds) and as
    // a verb ("pumpen", with its forms): the noun comes first only where the
    // list uses the word ten times as often otherwise, as the lines of five
    // more pumps make it (20 to 2), and not with 15 to 2.
    void wantsALargerLeadOverAVerbsMainEntry()
    {
        const QByteArray lines =
            "Pumpe {f} | Pumpen {pl} | Blutpumpe {f} [med.] |  Blutpumpen {pl} | Einkurbelpumpe {f} | "
            "Flüssigkeitsringpumpe {f}; Wasserringpumpe {f}; Flüssigkeitsringvakuumpumpe {f}; "
            "Flüssigkeitsringverdichter {m} | Hubverdrängerpumpe {f}; Hubkolbenpumpe {f}; Kolbenpumpe {f} | "
            "Hydraulikpumpe {f} |  Hydraulikpumpen {pl} | Luftpumpe {f} |  Luftpumpen {pl} | Luftpumpe für "
            "Einspritzung | Molekularluftpumpe {f}; Molekularpumpe {f} | Verdrängerpumpe {f} | Verstärkerpumpe {f}; "
            "Druckerhöhungspumpe {f} | Wasserpumpe {f} |  Wasserpumpen {pl} | Würgelpumpe {f} | Zweikurbelpumpe {f} "
            ":: pump | pumps | blood pump | blood pumps | single-throw pump | liquid-ring pump | lift pump | "
            "hydraulic pump | hydraulic pumps | air pump | air pumps | air injection pump | molecular air pump; "
            "molecular pump | positive-displacement pump | booster pump | water pump | water pumps | semi-rotary hand "
            "pump | double-throw pump\n"
            "etw. (in etw./aus etw.) pumpen {vt} | pumpend | gepumpt | pumpt | pumpte | Wasser aus dem Keller pumpen "
            ":: to pump sth. (into/out of sth.) | pumping | pumped | pumps | pumped | to pump water out of the "
            "cellar\n"
            "pumpen {vi} :: to pump\n";
        const QByteArray pumps =
            "Abgabepumpe {f} | Abgabepumpen {pl} :: discharge pump | discharge pumps\n"
            "Absaugpumpe {f} | Absaugpumpen {pl} :: exhaust pump | exhaust pumps\n"
            "Abwasserpumpe {f} | Abwasserpumpen {pl} :: wastewater pump | wastewater pumps\n"
            "Ansaugpumpe {f} | Ansaugpumpen {pl} :: suction pump | suction pumps\n"
            "Bilgenpumpe {f} [naut.] | Bilgenpumpen {pl} :: bilge pump | bilge pumps\n";
        const QStringList core{QStringLiteral("pump")};
        QCOMPARE(germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("pump")).value(0),
                 QStringLiteral("pumpen"));
        QCOMPARE(germanSourcesFromTrans(lines + pumps, core).englishToGerman.value(QStringLiteral("pump")).value(0),
                 QStringLiteral("Pumpe"));
    }

    // The first line "sein" heads with more sections is the verb's, a
    // homograph of the pronoun: it says nothing of the pronoun's main sense,
    // so "sein" keeps first place for "his" before "dessen", whose own entry
    // gives "his".
    void keepsAWordWhoseOwnEntryIsAHomographsFirst()
    {
        const QByteArray lines =
            "dessen {pron} | der Mann und dessen Frau | der Treibhauseffekt und dessen Folgen :: his; its | the "
            "man and his wife | the greenhouse effect and its consequences\n"
            "sein {vi} | seiend | gewesen | ich bin | ich bin nicht | du bist | du bist nicht | er/sie/es ist | "
            "er/sie/es ist nicht | es is nich [Norddt.] [Mitteldt.] [ugs.]; es is net [Bayr.] [Ös.] [ugs.]; s’ "
            "isch net [BW] [Tirol] [Schw.] [ugs.] | wir sind | ihr seid | sie sind | wir sind nicht / ihr seid "
            "nicht / sie sind nicht | ich/er/sie/es war; ich/er/sie/es war nicht | du warst | wir waren; wir "
            "waren nicht | ihr wart | sie waren | ich bin gewesen | ich bin nicht gewesen | ich war gewesen | du "
            "bist gewesen | du bist nicht gewesen | du warst gewesen | er/sie/es ist gewesen | er/sie/es ist "
            "nicht gewesen | er/sie/es war gewesen | wir sind / ihr seid / sie sind gewesen | wir sind / ihr seid "
            "/ sie sind nicht gewesen | wir waren gewesen / ihr wart gewesen / sie waren gewesen | ich/er/sie/es "
            "wäre | sei!; seid! | sei so nett und …; seid so nett und … | für etw./jdn. sein | … und dann ist die "
            "Sache gelaufen. | Jim war viele Male in Boston. | Das Problem sind die Nachbarn.; Die Nachbarn sind "
            "das Problem. | Waren Sie / Warst du schon mal in Dresden? | Sein oder nicht sein, das ist hier die "
            "Frage (Hamlet) [lit.] :: to be {was, were; been} | being | been | I am; I’m | I am not; I’m not; I "
            "ain’t | you are; you’re | you are not; you aren’t; you ain’t | he/she/it is; he’s | he/she/it is "
            "not; he/she/it isn’t; he/she/it ain’t | ’tain’t [coll.]; tain’t [coll.] | we are; we’re | you are; "
            "you’re | they are | we/you/they aren’t; we/you/they ain’t | I/he/she was; I/he/she/it wasn’t | you "
            "were | we were; we were not; we weren’t | you were | they were | I have been; I’ve been | I have not "
            "been; I haven’t been; I’ve not been | I had been | you have been; you’ve been | you have not been; "
            "you haven’t been; you’ve not been | you had been | he/she/it has been; he’s/she’s/it’s been | "
            "he/she/it has not been; he/she/it hasn’t been | he/she/it had been | we/you/they have been; we’ve / "
            "you’ve / they’ve been | we/you/they have not been; we/you/they haven’t been; we’ve / you’ve / "
            "they’ve not been | we/you/they had been; we’d / you’d / they’d been | I/he/she/it would be | be! | "
            "be so kind as to … | to be for sth./sb.; to be in favour of sth./sb. | … and that will be that. | "
            "Jim has been to Boston many times. | The problem is the neighbours.; The neighbours are the problem. "
            "| Have you ever been to Dresden? | To be or not to be, that is the question. (Hamlet)\n"
            "sein; seine {pron} (einem Mann gehörend) | Mein Vater vergaß sein Geschenk. :: his | My father "
            "forgot his present.\n";
        const QStringList core{QStringLiteral("his"), QStringLiteral("be")};
        QCOMPARE(germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("his")).value(0),
                 QStringLiteral("sein"));
    }

    // Each row: lines of the list, the core words, a German word and the
    // English word its row must start with.
    void ranksAGermanWordsMainEntryFirst_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("core");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("first");
        const auto row = [](const char *name, const char *lines, const char *core, const char *german,
                            const char *first) {
            QTest::newRow(name) << QByteArray(lines) << QString::fromUtf8(core).split(u'|')
                                << QString::fromUtf8(german) << QString::fromUtf8(first);
        };
        // "pick up" is commoner (the "pick-up" lines count its words) and
        // its line is headed by "zunehmen" too, but that line gives one use
        // in an example sentence, the wind; the line with the verb's forms,
        // whose word another line the verb heads gives as well, is the
        // verb's entry.
        row("a verb's entry with its forms before a headed example line",
            "Abholbereich {m} | Abholbereiche {pl} :: pick-up area | pick-up areas\n"
            "Abholdatum {n} :: pickup date; date of pick-up\n"
            "Abholfrist {f} :: pick-up deadline\n"
            "beschleunigen; zunehmen; forcieren; Fahrt aufnehmen {vt} | beschleunigend; zunehmend; forcierend | "
            "beschleunigt; zugenommen; forciert | beschleunigt; nimmt zu | beschleunigte; nahm zu | den Vorgang "
            "beschleunigen | den Fortschritt beschleunigen | den Prozess beschleunigen | die Bewegung beschleunigen | "
            "das Wachstum einer Pflanze beschleunigen | die Abfahrt beschleunigen | Mein Herzschlag beschleunigte "
            "sich. :: to accelerate | accelerating | accelerated | accelerates | accelerated | to accelerate the "
            "process | to accelerate the progress | to accelerate proceedings | to accelerate the motion | to "
            "accelerate the growth of a plant | to accelerate one’s departure | My heartbeat accelerated.\n"
            "zunehmen; steigen; ansteigen; erhöht werden; wachsen; anwachsen; mehren {vi} (auf; um) | zunehmend; "
            "steigend; ansteigend; erhöht werdend; wachsend; anwachsend; mehrend | zugenommen; gestiegen; angestiegen; "
            "erhöht worden; gewachsen; angewachsen; gemehrt | es nimmt zu; es steigt | es nahm zu; es stieg | es "
            "hat/hatte zugenommen; es ist/war gestiegen | um 2% zunehmen; um 2% steigen; sich um 2% erhöhen :: to "
            "increase (to; by) | increasing | increased | it increases | it increased | it has/had increased | to "
            "increase by 2%\n"
            "Maschen zunehmen; zunehmen; Maschen verdoppeln; zwei Maschen in die nächste Masche häkeln (Häkeln) {v} "
            "[textil.] | Maschen zunehmend; zunehmend; Maschen verdoppelnd; zwei Maschen in die nächste Masche häkelnd "
            "| Maschen zugenommen; zugenommen; Maschen verdoppelt; zwei Maschen in die nächste Masche gehäkelt :: to "
            "increase (crochet) | increasing | increased\n"
            "zunehmen; stärker werden {vi}; sich steigern {vr} | Sei vorsichtig, der Wind weht jetzt stärker. :: to "
            "pick up | Be careful, the wind has picked up.\n",
            "increase|pick up", "zunehmen", "increase");
        // "night" is the commoner English word.
        row("the main entry before a commoner word of another line",
            "Abend {m} | Abende {pl} | Montagabend {m} | Dienstagabend {m} | Mittwochabend {m} | "
            "Donnerstagabend {m} | Freitagabend {m} | Samstagabend {m}; Sonnabendabend {m} [Norddt.] "
            "[Mitteldt.] [selten] | Sonntagabend {m} | am Abend :: evening; eve; eventide | evenings | "
            "Monday morning | Tuesday evening | Wednesday evening | Thursday evening | Friday evening | "
            "Saturday evening | Sunday evening | in the evening\n"
            "Abend {m} (als Freizeit zwischen Nachmittag und Schlafengehen) | Abend unter der Woche | abends "
            "unter der Woche; unter der Woche am Abend; werktags abends [geh.] | wenn / obwohl am nächsten "
            "Tag Schule ist :: night (leisure period between afternoon and bedtime) | weekday night; "
            "weeknight | on weekday nights; on weeknights | on a school night\n",
            "evening|night", "Abend", "evening");
        // The main entry is tagged "[constr.]", the other line not; its
        // first English synonym is a kind of wall.
        row("a noun's main entry whatever its tags, with its plain word",
            "Wand {f} [constr.] | Wände {pl} | nichttragende Wand | tragende Wand; Tragwand {f} | Lehmwand "
            "{f} | Leichtbauwand {f} | das Bild an der Wand | 11,5 cm starke Wand | 24 cm starke Wand | 36,5 "
            "cm starke Wand :: indoor wall; wall | indoor walls; walls | non-load bearing wall | "
            "load-bearing wall; bearing wall | loam wall; clay wall | lightweight construction wall | the "
            "picture on the wall | half-brick wall | one-brick wall | one and a half brick wall\n"
            "Wand {f} :: septum\n",
            "wall", "Wand", "wall");
        row("an adjective's main entry before a later synonym's line",
            "lieb; geliebt; teuer {adj} | am liebsten; am teuersten | Sei so lieb und hilf mir … | Du bist "
            "mir lieb. :: dear | dearest | Be a dear and help me … | You are dear to me.\n"
            "teuer; kostspielig; hochpreisig {adj} [econ.] | teurer | am teuersten | enorm teuer; wahnsinnig "
            "teuer | verboten teuer | Es war ein teures Vergnügen. | Das ist ja ein teurer Spaß.; Das ist "
            "aber ein teurer Spaß. :: expensive; dear [Br.] [rarely before nouns]; costly; pricey; pricy; "
            "high-priced | more expensive | most expensive | ruinously expensive | profanely expensive | It "
            "was a costly affair. | This is a costly exercise.\n"
            "teuer {adv} :: expensively\n",
            "expensive|dear", "teuer", "expensive");
        row("the plain word after a piece of it",
            "Felsen {m}; Felsblock {m} [geogr.] | Felsen {pl}; Felsblöcke {pl} | Inselfelsen {m} | "
            "Kalkfelsen {m} :: piece of rock; rock | pieces of rock; rocks | island’s rock | limestone rock; "
            "lime rock\n",
            "rock", "Felsen", "rock");
        // Not in the subtitle list: the phrase is the precise sense.
        row("a rare noun's phrase before the plain word",
            "Betrachtungsparallaxe {f}; Parallaxe {f} [astron.] [photo.] [phys.] | Betrachtungsparallaxen "
            "{pl}; Parallaxen {pl} :: observation parallax; parallax | observation parallaxes; parallaxes\n",
            "parallax", "Betrachtungsparallaxe", "observation parallax");
        // "continent" is the commoner English word, but its own entry is
        // "Kontinent"'s; the bare line is a side use of "Festland".
        row("the word whose own entry it is before another word's side use",
            "Festland {n} [geogr.] | das griechische Festland :: mainland | mainland Greece\n"
            "Festland {n} :: continent\n"
            "Kontinent {m}; Erdteil {m} [geogr.] | Kontinente {pl}; Erdteile {pl} | der (europäische) "
            "Kontinent :: continent | continents | the Continent [Br.]\n",
            "mainland|continent", "Festland", "mainland");
        // "minister" is the commoner English word; its own entry is
        // "Minister"'s, and "Pfarrer" is a later synonym of a bare line.
        row("the word whose own entry it is before a later synonym's side use",
            "Pfarrer {m} (katholisch); Rektor {m} (anglikanisch) [relig.] | Pfarrer {pl}; Rektore {pl} :: "
            "parish priest; (Catholic) pastor [Am.]; rector (Anglican) | parish priests; pastors; rectors\n"
            "Geistlicher; Seelsorger {m}; Inhaber eines Kirchenamts; Pfarrer {m} (in einer presbyterianischen "
            "Kirche) [relig.] :: minister\n"
            "Minister {m}; Ministerin {f} [pol.] | Minister {pl}; Ministerinnen {pl} | Bundesminister {m}; "
            "Bundesministerin {f} | Minister ohne Geschäftsbereich :: minister; Secretary of State [Br.] | "
            "ministers | federal minister | minister without portfolio\n",
            "parish priest|minister", "Pfarrer", "parish priest");
        // The main entry is tagged "[mil.]", the other line not; "Marine"
        // heads only one line, so the entry is no clear one.
        row("the main entry's word before an untagged line's, whatever its tags",
            "Handelsmarine {f}; Marine {f} :: merchant navy; merchant marine\n"
            "Marine {f} [mil.] | Hochseemarine {f} | US-Marine | Britische Marine | die Deutsche Marine | zur "
            "Marine gehen :: navy | blue-water navy | US Navy | Royal Navy /RN/ | the German Navy | to join "
            "the navy\n",
            "navy|merchant navy", "Marine", "navy");
        // "every day" is the commoner English phrase, first on the adverb's
        // longer line; the adjective's line, the first that gives the word
        // first with more than one section, is its main entry.
        row("the main entry's single word before a commoner phrase of another line",
            "täglich /tgl./ /tägl./; Tages… {adj} | Tagesablauf {m} | der tägliche Trott :: daily | daily "
            "routine | the daily grind\n"
            "täglich; am Tag {adv} | täglich (Anwendungshinweis für ein Medikament) [pharm.] | zweimal "
            "täglich; 2 x täglich [pharm.] | dreimal täglich; 3 x täglich [pharm.] | viermal täglich; 4 x "
            "täglich [pharm.] | drei bis vier Mal täglich/am Tag | Zweimal täglich eine Tablette einnehmen. |"
            " Einmal täglich einen Teelöffel voll nehmen. | Die Liste wird täglich aktualisiert. :: every "
            "day; daily; on a daily basis | every day; in dies /in d./; quaque die /q.d./ (instruction for "
            "drug use) | twice a day; bis in die /b.i.d./ | three times a day; ter in die /t.i.d./ | four "
            "times a day; quater in die /q.i.d./ | three to four times daily | Take one pill twice daily. | "
            "Take a teaspoonful once daily. | The list is updated daily / on a daily basis.\n",
            "daily|every day", "täglich", "daily");
        row("a verb joined to the next by a comma",
            "jdm. etw. verzeihen; vergeben {vt} | verzeihend; vergebend | verziehen; vergeben :: to forgive sb. "
            "{forgave; forgiven}, to pardon sb. for sth. [formal] | forgiving; pardoning | forgiven; pardones\n"
            "verzeihen; einen Fehltritt entschuldigen {vt} | verzeihend | verziehen | verzeiht | verzieh :: to "
            "condone | condoning | condoned | condones | condoned\n",
            "forgive|condone", "verzeihen", "forgive");
        // Neither word is in the subtitle lists; "jog" is on more lines.
        row("a rare noun's clear main entry before a commoner word of another line",
            "Trab {m} | gleichmäßiger Trab | im Trab :: trot | jog trot | at a trot\n"
            "Trab {m}; Trott {m} | jdn. ständig auf Trab halten :: jog | to run sb. off his feet\n",
            "trot|jog", "Trab", "trot");
        row("a rare noun's clear main entry whatever its tags",
            "Programmzweig {m} [comp.] | Programmzweige {pl} :: program branch | program branches\n"
            "Programmzweig {m} :: leg\n",
            "leg", "Programmzweig", "program branch");
        // The adverb's line is longer for an example, not for forms.
        row("a rare adjective's line with an example does not come first",
            "bestialisch {adj} :: bestial; brutish; savage\n"
            "bestialisch {adv} | bestialisch ermordet werden :: bestially | to be bestially killed\n",
            "savage", "bestialisch", "bestial");
        // None of the words is in the subtitle list; the adjective's own
        // entry gives its comparative and superlative.
        row("a rare adjective's line with its comparison forms comes first",
            "sardonisch; höhnisch; zynisch; bissig {adj} :: sardonic\n"
            "verbittert; zynisch {adj} :: jaundiced\n"
            "zynisch; bissig {adj} | zynischer | am zynischsten | ein zynische Spiel :: cynical | more cynical | "
            "most cynical | a cynical game\n"
            "zynisch {adv} :: cynically\n",
            "cynical", "zynisch", "cynical");
        // The entry with the verb's forms gives a colloquial English word
        // for a German word of plain speech.
        row("a rare verb's clear main entry does not give a colloquial word first",
            "jdn. reinlegen; jdn. linken [ugs.] {vt} | reinlegend; linkend | reingelegt; gelinkt | Viele weniger "
            "gebildete und ältere Wähler fühlen sich von den Eliten verkauft und verraten. :: to screw sb. "
            "[coll.] | screwing | screwed | Many less educated and older voters feel screwed by the "
            "establishment.\n"
            "jdn. reinlegen {vt} :: to pull a fast one\n"
            "jdn. täuschen; reinlegen {vt} | täuschend; reinlegend | getäuscht; reingelegt | jdn. täuschen, damit "
            "sie/er etw. macht :: to fox sb. | foxing | foxed | to fox sb. into doing sth.\n",
            "fox|screw", "reinlegen", "pull a fast one");
        // "Sattel" heads no line; the compounds before it take the phrases.
        row("the plain word for the German word a compound before it narrows",
            "Gebirgssattel {f}; Sattel {f}; Joch {n} [meist in Eigennamen] [geogr.] | Gebirgssättel {pl}; Sättel "
            "{pl} | schmaler (unregelmäßiger) Gebirgssattel; Gebirgsscharte {f}; Scharte {f} :: mountain saddle; "
            "saddle; col | mountain saddles; saddles; cols | wind gap; gap; notch [Am.]\n"
            "Reitsattel {m}; Sattel {m} (Reitsport) | Reitsättel {pl}; Sättel {pl} | baumloser Sattel | sich in den "
            "Sattel schwingen :: riding saddle; saddle (equitation) | riding saddles; saddles | treeless saddle | "
            "to swing yourself into the saddle\n",
            "saddle", "Sattel", "saddle");
        // "cross" and "wing" are in the subtitle list, "flank" is not.
        row("the untagged cognate before listed words of side uses",
            "Flanke {f} | Flanken {pl} :: flank | flanks\n"
            "Flanke {f} :: sidewall\n"
            "Flanke {f} (Fußball) [sport] | Flanken {pl} | über die Flanken angreifen :: wing (football) | wings | "
            "to attack down the wings\n"
            "Flanke {f}; Flankenball {m} [sport] | Flanken {pl}; Flankenbälle {pl} | eine Flanke schlagen :: "
            "cross; centre pass | crosses | to put in a cross\n",
            "cross|wing", "Flanke", "flank");
        // "bishop" is in the subtitle list, "runner" is not; the longer
        // line of "Anker" keeps the first line from being a clear main entry.
        row("the plain line's word before a later line's word narrowed by a note",
            "Anker {m}; Läufer {m} [electr.] | Anker mit geschlossenen Nuten | ruhender Anker; feststehender Anker | "
            "Tragring des Ankers :: armature | closed slot armature | stationary armature; fixed armature | "
            "retaining ring of the armature\n"
            "Läufer {m} [sport] | Läufer {pl} :: runner | runners\n"
            "Läufer {m}; langer Teppich | Läufer {pl} :: carpet runner; long narrow carpet | carpet runners\n"
            "Läufer {m} (junges Schwein) :: young pig\n"
            "Läufer {m} (Schachfigur) | Läufer {pl} :: bishop (chessman) | bishops\n",
            "bishop", "Läufer", "runner");
        // "gas" and "pocket" are in the subtitle list, "bladder" is not; the
        // longer line of "Hautblase" keeps the first line from being a clear
        // main entry.
        row("the noun's own line before a line giving it as a later synonym",
            "Blase {f} [anat.] | Blasen {pl} :: bladder | bladders\n"
            "Gaseinschluss {m}; Gasblase {f}; Blase {f}; Gaspore {f} (beim Schweißen) [techn.] | Gaseinschlüsse "
            "{pl}; Gasblasen {pl}; Blasen {pl}; Gasporen {pl} :: gas pocket; pocket; blowhole (in welding) | gas "
            "pockets; pockets; blowholes\n"
            "Hautblase {f}; Blase {f} [med.] | Hautblasen {pl}; Blasen {pl} | kleine Blase; Bläschen {n} | "
            "Blutblase {f} :: blister | blisters | small blister | blood blister\n",
            "bladder|blister", "Blase", "bladder");
        // "Parole" is a later synonym on the linguists' line for "speech
        // act", where its own note narrows it to Saussure's term; the line it
        // heads gives its everyday word.
        row("a noun's own plain line before a line naming it in a noted use",
            "Parole {f}; Kennwort {n} | Parolen {pl}; Kennwörter {pl} :: password; watchword | passwords; "
            "watchwords\n"
            "Sprechakt {m}; Sprechhandlung {f}; Sprechereignis {n}; Parole {f} (Saussure) [ling.] | Sprechakte "
            "{pl}; Sprechhandlungen {pl}; Sprechereignisse {pl}; Parolen {pl} | illokutionärer/illokutiver "
            "Sprechakt :: speech act; speech event; parole (Saussure) | speech acts; speech events; paroles | "
            "illocutionary speech act\n"
            "Kennwort {n}; Parole {f} :: countersign\n",
            "password|speech act|countersign", "Parole", "password");
        // The line giving "analyst" comes first in the file, headed by
        // another noun; the noun's own line, later, gives its own word,
        // which other lines mention as often as "analyst", and ties keep
        // file order. "aberrances", met on its own line only, is the
        // dictionary's rarity.
        row("a noun's own plain line before an earlier line listing it later",
            "Analytiker {m}; Organisator {m}; Problemanalytiker {m} | Analytiker {pl}; Organisatoren {pl}; "
            "Problemanalytiker {pl} :: analyst | analysts\n"
            "Organisator {m}; Veranstalter {m} | Organisatoren {pl}; Veranstalter {pl} :: organizer [eAm.]; "
            "organiser [Br.] | organizers; organisers\n"
            "Nukleolenbildungsort {m} [biochem.] :: nucleolar organizer\n"
            "Organisationstalent {n} (Person) :: talented organiser [Br.]; talented organizer\n"
            "Lebensmittelchemiker {m}; Lebensmittelchemikerin {f} :: food analyst\n"
            "Spannungsanalytiker {m} [techn.] :: stress analyst\n",
            "analyst|organizer", "Organisator", "organizer");
        row("a rarity of a noun's own line after an earlier line listing it later",
            "Abweichung {f}; Anomalie {f}; Verirrung {f} :: aberrance; aberrancy\n"
            "Verirrung {f} | Verirrungen {pl} :: aberrances | aberrations\n",
            "aberrance|aberrances", "Verirrung", "aberrance");
        // "Blatt" is in the German subtitle list, "hand" in the English one,
        // "leaf" not.
        row("a common noun's own entry before listed words of side uses",
            "Blatt {n}; Laubblatt {n} [bot.] | Blätter {pl}; Laubblätter {pl} | die Blätter abwerfen :: leaf | "
            "leaves | to cast its leaves\n"
            "Blatt {n}; Bogen {m} | Blätter {pl} | ein Blatt Papier | beschnittener Bogen | eingebundene Blätter :: "
            "sheet | sheets | a sheet of paper | trimmed sheet\n"
            "Blatt {n} (gezogene Spielkarten) | ein gutes Blatt haben :: hand (of cards) (playing cards drawn) | "
            "to have a good hand (of cards)\n",
            "hand|leaf|sheet", "Blatt", "leaf");
        // The line with an example gives "hotel reception", a kind of
        // reception, first.
        row("the plain word before a phrase naming a kind of it",
            "Empfang {m}; Rezeption {f}; Aufnahme {f} :: reception; check-in desk [Am.]\n"
            "Rezeption {f}; Hotelrezeption {f} | Gehen Sie bitte zur Rezeption, um Ihre Schlüssel abzuholen. :: "
            "hotel reception; front-desk; reception desk | Pleae go to the front desk to collect your keys.\n"
            "Rezeption {f} (von Kultur, Gedankengut) | die Rezeption der griechischen und römischen Kultur in "
            "Ostasien :: adoption; reception; perception (of ideas) | the Reception of Greek and Roman culture in "
            "east asia\n",
            "reception", "Rezeption", "reception");
        // "by chance" is a use of "chance", not a kind of it.
        row("a phrase opened by a preposition keeps its place before the plain word",
            "zufällig {adv}; durch Zufall | rein zufällig :: by chance | by pure chance\n"
            "zufällig {adj} | eine zufällige Begegnung :: chance; casual [only before noun] | a chance "
            "encounter; a casual encounter\n",
            "chance", "zufällig", "by chance");
        // "lyric poet" is a kind of poet, given for "Poet" only as a later
        // synonym of "lyrischer Dichter"; the line of "poet" explains the
        // German word by a note and tags it "[lit.]".
        row("the plain word before a kind of it that a later synonym's line gives",
            "Dichter {m}; Dichterin {f}; Poet {m} (Verfasser sprachlicher Kunstwerke) [lit.] | Dichter {pl}; "
            "Dichterinnen {pl}; Poeten {pl} | Barockdichter {m} | britischer Hofdichter; britischer Hofpoet | "
            "Mundartdichter {m} | Nationaldichter {m} | Tragödiendichter {m}; Tragiker {m} [selten] | "
            "Volksdichter {m} :: poet; poetess (rare and slightly affected) | poets; poetesses | Baroque poet | "
            "poet laureate [Br.] | dialect poet; dialect author | poet laureate [Am.] | tragic poet; tragedian | "
            "popular poet\n"
            "lyrischer Dichter {m}; lyrische Dichterin {f}; Lyriker {m}; Lyrikerin {f}; Poet {m}; Versschmied {m} "
            "[lit.] | lyrische Dichter {pl}; lyrische Dichterinnen {pl}; Lyriker {pl}; Lyrikerinnen {pl}; Poeten "
            "{pl}; Versschmiede {pl} :: lyric poet; lyricist; verse writer; verse-maker; versifier | lyric poets; "
            "lyricists; verse writers; verse-makers; versifiers\n",
            "poet", "Poet", "poet");
        // The bare line of the loanword "kuchen" does not outrank the entry
        // with the noun's forms and compounds.
        row("a clear main entry before a bare cognate",
            "Kuchen {m} [cook.] | Kuchen {pl} | Küchlein {n} | Blechkuchen {m} | Mohnkuchen {m} | Sandkuchen {m} | "
            "ein Stück Kuchen :: cake | cakes | small cake | sheet cake | poppy-seed cake | sand cake; Madeira cake | "
            "a piece of cake\n"
            "Kuchen {m} [cook.] :: kuchen\n",
            "cake", "Kuchen", "cake");
        // "wild" is in the subtitle list, "stormy" not; a second line uses
        // "stormy".
        row("an adjective's own entry before a line giving it as a later synonym",
            "wild; ausgelassen; stürmisch; ungebärdig {adj} | wilder; ausgelassener; stürmischer; ungebärdiger | "
            "am wildesten; am ausgelassensten; am stürmischten; am ungebärdigsten | Geschichten von seinen wilden "
            "Jahren als Student in Paris :: wild | wilder | wildest | stories of his wild times in Paris as a "
            "student\n"
            "stürmisch {adj} | stürmischer | am stürmischsten :: stormy | stormier | stormiest\n"
            "Gewitterstimmung {f} :: stormy atmosphere\n",
            "wild", "stürmisch", "stormy");
        // No other line uses "distrustful": a rare word.
        row("an adjective's own entry whose word no other line uses keeps its place",
            "argwöhnisch; misstrauisch; scheel {adj} (gegen) | argwöhnischer | am argwöhnischsten | misstrauisch "
            "werden :: suspicious (of) | more suspicious | most suspicious | to become suspicious\n"
            "misstrauisch; mißtrauisch [alt] {adj} | misstrauischer | am misstrauischsten :: distrustful | more "
            "distrustful | most distrustful\n",
            "suspicious", "misstrauisch", "suspicious");
        // "shortly" is in the subtitle list; it would be read as "soon".
        row("an adjective's line before its adverb's -ly word",
            "schroff {adv} | „Gibt’s ein Problem?“, fragte er schroff. :: shortly; sharply | 'Is there a "
            "problem?' he asked shortly/sharply.\n"
            "schroff; brüsk; barsch {adj} | eine schroffe Antwort :: brusque; abrupt; curt | an abrupt reply\n",
            "shortly", "schroff", "brusque");
        // "kleinmütig" heads neither line; the adverb line repeats the
        // adjective's entry. More lines use "heartedly" than "cowardly".
        row("a later synonym's adjective line before its adverb line",
            "feige; feig; kleinmütig; memmenhaft [geh.]; kleingläubig; hasenfüßig [veraltet] {adj} | feige sein | "
            "Diese Tour ist nichts für Feiglinge / für schwache Nerven. | Dieser Film ist nichts für schwache "
            "Nerven / für zarte Gemüter. :: cowardly; faint-hearted; chicken-hearted; chicken-livered; chicken; "
            "pigeon-hearted; yellow; craven [formal]; pusillanimous [formal]; gutless [coll.]; lily-livered "
            "[dated]; yellow-bellied [coll.] [dated] | to be a chicken; to be yellow; to have no guts | This tour "
            "is not for the faint-hearted. | This film is not for the faint-hearted.\n"
            "feige; feig; kleinmütig; memmenhaft [geh.] {adv} :: faint-heartedly; chicken-heartedly; cravenly "
            "[formal]; pusillanimously [formal]\n"
            "ernsthaft; von ganzem Herzen; voll und ganz {adv} | fest an etw. glauben :: whole-heartedly | to "
            "believe whole-heartedly in sth.\n"
            "hartherzig {adv} :: hard heartedly\n"
            "weichherzig {adv} :: tender-heartedly\n",
            "faint-heartedly", "kleinmütig", "cowardly");
        // The adjective's line is tagged for finance and law.
        row("an adverb's word before the adjective's line of a field",
            "tatsächlich; wirklich {adv} | Er hat’s getan. Er hat’s tatsächlich/wirklich getan! :: actually; in "
            "fact; in point of fact | He did it. He actually did it!\n"
            "tatsächlich; effektiv {adj} [fin.] [jur.] | echte Konversion | bares Geld :: effective | effective "
            "conversion | effective money\n",
            "actually|effective", "tatsächlich", "actually");
        // More lines use "minded" and "high" than "intellectual".
        row("a bare headed line's cognate before another bare headed line's word",
            "intellektuell {adj} :: high-minded\n"
            "intellektuell; geistig {adj} :: intellectual\n"
            "aufgeschlossen; offen; tolerant {adj} :: open-minded; large-minded; liberal\n"
            "edel; vornehm {adj} :: noble-minded\n"
            "Allzeithoch {n}; Höchststand {m}; Höchstleistung {f} :: all-times high\n"
            "Höchstkurs {m}; Rekordhöhe {f} :: all time high\n",
            "high-minded|intellectual", "intellektuell", "intellectual");
        // "authority" is in the subtitle list, "capacity" not; both lines
        // give "Kapazität" second.
        row("a later synonym's cognate before another later synonym's word",
            "Fachgröße {f}; Kapazität {f}; Autorität {f}; Experte {m} | Fachgrößen {pl}; Kapazitäten {pl}; "
            "Autoritäten {pl}; Experten {pl} :: authority | authorities\n"
            "Fassungsvermögen {n}; Kapazität {f}; Inhalt {m}; Volumen {n} | Fassungsvermögen (eines Brunnens) | "
            "Gesamtfassungsvermögen {n}; Gesamtkapazität {f} :: capacity; holding capacity | specific capacity "
            "of a well | total capacity; overall capacity; whole capacity\n",
            "authority", "Kapazität", "capacity");
        row("a later synonym's cognate before the word of a line narrowed by a note",
            "Abstinenz {f} (religiös oder moralisch) :: temperance\n"
            "Enthaltsamkeit {f}; Abstinenz {f} (bei etw.) | Alkoholabstinenz {f} | Nahrungsabstinenz {f} :: "
            "abstinence (from sth.) | alcohol abstinence | food abstinence\n",
            "temperance", "Abstinenz", "abstinence");
        // "gay" is in the subtitle list, "jolly" not; the own line compares
        // each of its four synonyms, and another line uses "jolly" too.
        row("an adjective's own line that compares all its synonyms",
            "lustig; vergnügt; fidel {adj} | lustiger; vergnügter; fideler | am lustigsten; am vergnügtesten; am "
            "fidelsten :: gay | gayer | gayest\n"
            "fidel; lustig; fröhlich; vergnügt {adj} | fideler; lustiger; fröhlicher; vergnügter | am fidelsten; am "
            "lustigsten; am fröhlichsten; am vergnügtesten :: jolly | jollier | jolliest\n"
            "prächtig; prachtvoll {adj} :: jolly [coll.]\n",
            "gay", "fidel", "jolly");
        // "uncomfortable" is in the subtitle list, "unbecoming" not; no line
        // compares "unvorteilhaft", and another line uses "unbecoming" too.
        row("an adjective's headed line before a line giving it as a later synonym",
            "unangebracht; ungehörig; ungebührlich; unmanierlich; unschön; deplatziert; unkorrekt; nicht korrekt; "
            "unschicklich [geh.]; ungeziemend [geh.]; unziemlich [veraltend] [geh.] {adj} (für jdn.) [soc.] | ein "
            "Benehmen wie es sich für eine Dame nicht gehört :: improper; inappropriate; indecorous; unbecoming "
            "(to/for sb.); incorrect (for sb.) | a behaviour unbecoming (to) a lady\n"
            "unbequem; ungemütlich; unpraktisch; unvorteilhaft {adj} | Ich muss in einer unbequemen / "
            "unvorteilhaften Position geschlafen haben – mir tut alles weh. :: uncomfortable; awkward; "
            "inconvenient; incommodious [formal] [dated] | I must have slept in an awkward position – I’m aching "
            "all over.\n"
            "unvorteilhaft; nicht sehr kleidsam {adj} [textil.] | Dieses Kleid steht ihr nicht. :: unbecoming | "
            "This dress is unbecoming to her.\n"
            "unvorteilhaft {adj} :: unflattering {adj}\n",
            "uncomfortable", "unvorteilhaft", "unbecoming");
        // The German word heads the line of "flapper", which only the
        // English side tags as historical; more lines mention "flapper".
        row("a plain word before one the line tags as historical",
            "Flittchen {n}; Luder {n}; Schlampe {f}; Flitscherl {n} [Ös.]; leichtes Mädchen {n} [geh.]; verruchtes "
            "Weib {n} [altertümlich] (frivole/freizügige Frau) [pej.] | Flittchen {pl}; Luder {pl}; Schlampen {pl}; "
            "Flitscherl {pl}; leichte Mädchen {pl}; verruchte Weiber {pl} | So ein Flittchen!; So eine frivole "
            "Person! :: floozie; floozy; floosie; floosy; slut; hussy; scrubber [Br.]; slag [Br.]; slapper [Br.]; "
            "skank [Am.]; tramp [Am.] [becoming dated]; trollop [dated] [humor.]; wanton [archaic]; Jezebel "
            "[archaic] [pej.] (frivolous or promiscuous woman) | floozies; floozies; floosies; floosies; sluts; "
            "hussies; scrubbers; slags; slappers; skanks; tramps; trollops; wantons; Jezebels | What a hussy (she "
            "is)!\n"
            "leichtes/frivoles Mädchen {n} [pej.] | sich mit Mädchen herumtreiben :: flapper [hist.]; wench [obs.] "
            "| to wench\n"
            "Luftklappe {f} | Luftklappen {pl} :: flapper valve | flapper valves\n"
            "Magnetklappenanzeige {f} | Magnetklappenanzeigen {pl} :: magnetic flapper indicator | magnetic flapper "
            "indicators\n",
            "flapper|slut", "leichtes Mädchen", "floozie");
        // "mask" is in the subtitle list, "camouflage" not.
        row("a verb's own entry before a line giving it as a later synonym",
            "abdecken; verbergen; maskieren; tarnen {vt} | abdeckend; verbergend; maskierend; tarnend | "
            "abgedeckt; verborgen; maskiert; getarnt :: to mask | masking | masked\n"
            "tarnen {vt} | tarnend | getarnt | tarnt | tarnte :: to camouflage; to disguise | camouflaging; "
            "disguising | camouflaged; disguised | camouflages; disguises | camouflaged; disguised\n",
            "mask", "tarnen", "camouflage");
        // "point up" is in the subtitle list, "underline" not; the own
        // entry is tagged with a field and gives the verb's forms in full.
        // A second line uses "underline", no word of this line alone.
        row("a verb's own full entry in a field before a later synonym's line",
            "etw. hervorheben; unterstreichen; verdeutlichen; veranschaulichen {vt} | hervorhebend; "
            "unterstreichend; verdeutlichend; veranschaulichend | hervorgehoben; unterstrichen; verdeutlicht; "
            "veranschaulicht :: to point up <> sth. | pointing up | pointed up\n"
            "etw. unterstreichen {vt} [print] | unterstreichend | unterstrichen | unterstreicht | unterstrich :: "
            "to underline sth.; to underscore sth. [Am.] | underlining; underscoring | underlined; underscored | "
            "underlines; underscores | underlined; underscored\n"
            "Unterstreichung {f}; Grundstrich {m} [comp.] :: underline; low line; underscore\n",
            "point up|underline", "unterstreichen", "underline");
        // "stärker" stands first on no line; the adjective's own line gives
        // it as the comparative, and its English comparative with it.
        row("a comparative's own sense from its adjective's line",
            "stark {adj} (mächtig) | stärker | am stärksten | der starke Mann | stärker werden | eine starke "
            "Führungspersönlichkeit :: strong (powerful) | stronger | strongest | strongman | to increase in "
            "strength | a strong leader\n"
            "überlegen; übermächtig; stärker {adj} | haushoch überlegen | zahlenmäßig überlegen :: superior | "
            "vastly superior | superior in numbers\n",
            "superior", "stärker", "stronger");
        // The line of three adjectives gives one English word: "kleiner" is
        // its first adjective's comparative.
        row("the first adjective's comparative from a line of several",
            "klein; gering; unbedeutend {adj} | kleiner; geringer; unbedeutender | am kleinsten; am geringsten; "
            "am unbedeutendsten | so klein wie möglich; möglichst klein; kleinstmöglich :: small | smaller | "
            "smallest | as small as possible\n"
            "weniger; geringer; kleiner | für weniger als :: less {adv} | for less than\n",
            "less", "kleiner", "smaller");
        // "weiter" heads a line of its own, which names its main sense.
        row("no comparative from a line of several where the word heads its own",
            "weit; breit {adj} | weiter | am weitesten | breite Straße :: wide | wider | widest | wide road\n"
            "weiter {adv} (örtlich) | weiter werfen als andere :: further; farther (forward in space) | to throw "
            "further than others\n",
            "further", "weiter", "further");
        // No other line uses "overruff"; the chosen word is a phrase.
        row("a verb's own entry whose word no other line uses does not displace a phrase",
            "jdn./etw. überbieten; übertrumpfen; übertreffen {vt} | Der Netzbetreiber hat seine Mitbewerber mit "
            "einem Sonderrabatt überboten. :: to go sb./sth. one better; to one-up sb./sth. [Am.] | The network "
            "operator has gone its competitors one better by offering a special discount.\n"
            "übertrumpfen; überstechen {vi} (Kartenspiel) | übertrumpfend; überstechend | übertrumpft; überstochen "
            "| übertrumpft; übersticht | übertrumpfte; überstach :: to overruff; to overtrump (card game) | "
            "overruffing; overtrumping | overruffed; overtrumped | overtrumps | overtrumped\n",
            "go one better", "übertrumpfen", "go one better");
        // "passend" is the third word of an adverb's line and the second of
        // an adjective's line that gives its own comparative and superlative.
        row("an adjective's compared line before an adverb line listing it later",
            "geeignet; passend; tauglich; angemessen; recht; adäquat {adj} (für) | besser geeignet; passender "
            "| am besten geeignet; am passendsten | nicht geeignet; nicht benutzbar | nicht geeignet für "
            "Kinder unter 6 | als geeignet angesehen werden | eine geeignete Lösung | ein geeignetes Angebot "
            "| wenn es Ihnen passt; bei Gelegenheit | Dieser Film ist für Kinder ab 12 Jahren geeignet. :: "
            "suitable (for) | more suitable | most suitable | unsuitable | not suitable for children under 6 "
            "| to be considered suitable | a suitable solution | a suitable offer | when suitable | This "
            "film/movie is suitable for children aged 12 and up.\n"
            "richtig; ordentlich; passend; in passender Weise {adv} | seinen Kindern beibringen, wie man sich "
            "richtig / ordentlich benimmt | Es scheint nicht richtig zu funktionieren. :: properly [Br.]; "
            "right [Am.] | to teach your children to behave properly / right | It doesn’t seem to be working "
            "properly / right.\n",
            "suitable|properly|right", "passend", "suitable");
        // "zurückwerfen" and "behandeln" each head one line alone, with all
        // their forms, and a shorter one among synonyms; a longer line that
        // lists "zurückwerfen" later keeps the alone line from being its
        // clear main entry.
        row("a verb's full entry alone before a shorter line among synonyms",
            "hochwerfen; zurückwerfen {vt} | hochwerfend; zurückwerfend | hochgeworfen; zurückgeworfen | "
            "wirft hoch; wirft zurück | warf hoch; warf zurück | den Kopf zurückwerfen; den Kopf in den Nacken "
            "werfen :: to toss | tossing | tossed | tosses | tossed | to toss your head\n"
            "jdn./etw. zurückwerfen {vt} | zurückwerfend | zurückgeworfen | wirft zurück | warf zurück :: to "
            "throw/set sb./sth. back | throwing/setting back | thrown/set back | throws/set back | threw /set "
            "back\n"
            "zurückwerfen; verzögern; aufhalten {vt} | zurückwerfend; verzögernd; aufhaltend | "
            "zurückgeworfen; verzögert; aufgehalten :: to put back | putting back | put back\n",
            "put back", "zurückwerfen", "throw back");
        row("a verb's full entry alone before a noted line among synonyms",
            "etw. behandeln; etw. umfassen {vt} (Sache) | behandelnd; umfassend | behandelt; umfasst | ein "
            "Kurs, in dem alles behandelt wird, was man über Nähen wissen muss :: to cover sth. (include) (of "
            "a thing) | covering | covered | a course covering everything you need to know about sewing\n"
            "jdn. behandeln {vt} | behandelnd | behandelt | er/sie behandelt | ich/er/sie behandelte | er/sie "
            "hat/hatte behandelt | jdn. stationär behandeln [med.] | rücksichtsvoll behandeln :: to treat sb. "
            "| treating | treated | he/she treats | I/he/she treated | he/she has/had treated | to treat sb. "
            "in hospital | to treat with respect\n",
            "cover|treat", "behandeln", "treat");
        // T:153628, T:153629, T:182107: the line with examples states the
        // adjective's sense; the bare pair with "bravourös" names a side use.
        // The other lines (T:19946, T:70567, T:170662) make "bravura" the
        // commoner word of the text, as it is in the whole dictionary.
        row("an adjective's line with examples before a bare pair it heads",
            "meisterhaft; Meister… {adj} | ein meisterhafter Erzähler; ein Meister des Erzählens; ein "
            "Meistererzähler {m} [lit.] | ein Meister des Malens [art] :: masterful; master | a masterful "
            "storyteller; a master storyteller | a masterful painter; a master painter\n"
            "meisterhaft; bravourös {adj} <bravurös> :: bravura\n"
            "meisterlich {adj}; meisterhaft {adj} :: masterly\n"
            "Bravourstück {n} :: bravura piece; bravura passage\n"
            "Meisterhaftigkeit {f}; Meisterschaft {f}; Bravour {f} :: masterfulness; bravura\n"
            "virtuos {adj} :: virtuoso …; bravura …\n",
            "bravura|masterful|masterly|master", "meisterhaft", "masterful");
        // T:137265, T:137268: "blank" is an everyday word and stays first.
        row("a bare pair of an everyday word before a line with examples",
            "blank; leer {adj} :: blank\n"
            "blank; schier [geh.] {adj} | die schiere Anzahl möglicher Kombinationen | In seinen Augen "
            "stand blankes Entsetzen. :: sheer; stark | the sheer number of possible combinations | His "
            "eyes widened in sheer/stark horror.\n",
            "blank|sheer|stark", "blank", "blank");
        // T:140634, T:140636, T:140637, T:164192: the line narrowed to sounds
        // on both sides ("(Klang)", "(of a sound)") gives way to the plain
        // line written before it. T:37488 and T:154266 make "monotonic" the
        // commoner word of the text, as it is in the whole dictionary.
        row("a plain headed line before a later one noted on both sides",
            "eintönig; monoton {adj} | äußerst eintönig | eintönige Arbeit; monotone Arbeit :: monotonous | "
            "monotonous in the extreme | monotonous work\n"
            "eintönig; einförmig; monoton (Klang) {adj} | jds. eintönige Stimme | das einförmige Brummen des "
            "Motors :: monotonic; monotone; monotonous (of a sound) | sb.’s monotonic voice | the monotonous "
            "hum of the engine\n"
            "eintönig; farblos; trist; trostlos; öde; öd [ugs.]; dröge [Norddt.] {adj} | Das Leben in dieser "
            "Stadt ist trostlos. :: drab; dull; dreary | Life is this town is dreary.\n"
            "trostlos; öde; eintönig {adj} | eintönige Routine | der triste Platz unter der Treppe :: barren "
            "(not exciting) | a barren routine | the barren spot under the stairs\n"
            "Folge {f} [math.] | Folgen {pl} | monotone Folge :: sequence | sequences | monotonic sequence; "
            "monotone sequence\n"
            "monoton {adj} [math.] [electr.] | monotone Abnahme | monotone Zunahme | streng monotone Abnahme | "
            "streng monotone Zunahme :: monotonic; monotone | monotonic decrease; monotone decrease | monotonic "
            "increase; monotone increase | strict decrease | strict increase\n",
            "dull|dreary", "eintönig", "monotonous");
        // The noted line gives the plurals and would be the clear main
        // entry; "slow match" is a phrase of common words, "fuse" unlisted.
        row("a plain line before a noted line of the same German words",
            "Zündschnur {f}; Lunte {f} :: fuse; fuze [Am.]\n"
            "Zündschnur {f}; Lunte {f} | Zündschnüre {pl}; Lunten {pl} :: slow match (wick) | slow matches\n",
            "fuse|slow match", "Zündschnur", "fuse");
        // "slow match" is no core word: it comes in as the noted line's own
        // sense, read apart from the core word "fuse".
        row("a plain core word's line before a noted line of the same German words",
            "Zündschnur {f}; Lunte {f} :: fuse; fuze [Am.]\n"
            "Zündschnur {f}; Lunte {f} | Zündschnüre {pl}; Lunten {pl} :: slow match (wick) | slow matches\n",
            "fuse", "Zündschnur", "fuse");
        // The same noted line stays behind where the plain line gives other
        // German words (a line made up for the check): then the lines do
        // not split one entry's senses.
        row("a noted line before a plain line of other German words",
            "Zündschnur {f}; Lunte {f} | Zündschnüre {pl}; Lunten {pl} :: slow match (wick) | slow matches\n"
            "Zündschnur {f}; Zünder {m} :: fuse\n",
            "fuse|slow match", "Zündschnur", "slow match");
        // The plain line comes after the noted one, whose note marks the
        // general sense: the dictionary's order stands.
        row("a noted line before a later plain line of the same German words",
            "Geburt {f} | Geburten {pl} | Mehrlingsgeburt {f} | bei der Geburt | Frau während der Geburt [med.] "
            ":: birth (general); delivery (process of giving birth); presentation (position of baby) | births | "
            "multiple birth | at birth | parturient\n"
            "Geburt {f} | Geburten {pl} :: nativity | nativities\n",
            "birth|nativity", "Geburt", "birth");
        // An opening note gives an optional word, no narrower sense.
        row("an opening note narrows nothing",
            "Engelchen {n} :: cherub\n"
            "Engelchen {n} | Engelchen {n} :: (little) angel | cherub\n",
            "angel|cherub", "Engelchen", "angel");
        row("a singular noun's line before a noted plural use",
            "Glückssymbole {pl}; Glücksbringer {pl} (zu Neujahr) :: good luck symbols (at New Year)\n"
            "Talisman {m}; Glücksbringer {m} :: talisman; (lucky) charm; good-luck charm; mascot; mojo [Am.]\n",
            "charm|talisman|good luck symbols", "Glücksbringer", "talisman");
        row("a singular noun's line before a noted plural use of no core word",
            "Glückssymbole {pl}; Glücksbringer {pl} (zu Neujahr) :: good luck symbols (at New Year)\n"
            "Talisman {m}; Glücksbringer {m} :: talisman; (lucky) charm; good-luck charm; mascot; mojo [Am.]\n",
            "charm", "Glücksbringer", "talisman");
        // A plural with no note is the plural's own word ("Kosten {pl}"):
        // the plural line without its note keeps its place.
        row("a plural line with no note keeps its place",
            "Glückssymbole {pl}; Glücksbringer {pl} :: good luck symbols\n"
            "Talisman {m}; Glücksbringer {m} :: talisman; (lucky) charm; good-luck charm; mascot; mojo [Am.]\n",
            "charm|talisman|good luck symbols", "Glücksbringer", "good luck symbols");
        // The figurative line wins the ranking by its example; the literal
        // line before it names the word's main sense.
        row("a literal line before a later figurative use",
            "Tauziehen {n}; Seilziehen {n} [sport] :: tug of war; tug-of-war\n"
            "Tauziehen {n}; Gezerre {n} (um etw.) [übtr.] :: tug-of-war (over sth.)\n"
            "Tauziehen {f} (um etw.) [übtr.] | ein Tauziehen um die Macht in der Firma :: tussle (for sth.) [fig.] "
            "| a tussle for control of the company\n",
            "tussle|tug of war", "Tauziehen", "tug of war");
        // Where the figurative line comes first, its use is the word's main
        // one and the later plain line a side sense.
        row("a figurative line before a later plain line",
            "Auslöser {m} [übtr.] (für etw.) | Auslöser {pl} | Auslöser für den Streik war die Verabschiedung des "
            "Sparpakets. :: trigger (for sth.) [fig.] | triggers | The trigger for the strike was the adoption of "
            "the austerity package.\n"
            "Auslöser {m}; Beweggrund {m} | Auslöser {pl}; Beweggründe {pl} :: driver | drivers\n",
            "trigger|driver", "Auslöser", "trigger");
        // "(auch [übtr.])": used so besides the literal sense.
        row("a word also used figuratively keeps its line",
            "Würze {f}; Würzigkeit {f} (auch [übtr.]) [cook.] | einer Sache Würze geben {f} :: spice (also [fig.]) "
            "| to add spice to sth.\n"
            "Würze {f}; Reiz {m}; Anreiz {m} :: zest\n",
            "spice|zest", "Würze", "spice");
        // A laboratory's and a printer's wells narrowed on both sides: the
        // plain entry that lists the word names its everyday sense.
        row("a plain entry listing the word before a field's narrowed use",
            "Näpfchen {n}; Glaseinsatz {m} (einer Titerplatte) [biol.] [med.] | Näpfchen {pl}; Glaseinsätze {pl} :: "
            "testing well; well (of a titre plate) | testing wells; wells\n"
            "Rasternäpfchen {n}; Näpfchen {n} (auf einem Tiefdruckzylinder) [print] | Rasternäpfchen {pl}; "
            "Näpfchen {pl} :: gravure well; well (on a gravure cylinder) | gravure wells; wells\n"
            "Untertasse {f}; Untersatz {m}; Näpfchen {n}; Farbennapf {m} | Untertassen {pl}; Untersätze {pl}; "
            "Näpfchen {pl}; Farbennäpfe {pl} :: saucer | saucers\n",
            "well|saucer|testing well", "Näpfchen", "saucer");
        row("a fuller plain entry before a noted use of the word",
            "Feder {n} (bei einem Bodenbrett) | Federn {pl} :: tongue (of a floor board) | tongues\n"
            "Schreibstift {m}; Stift {m}; Schreiber {m} [ugs.]; Schreibfeder {f}; Feder {f} | Schreibstifte {pl}; "
            "Stifte {pl}; Schreiber {pl}; Schreibfedern {pl}; Federn {pl} | Rohrfeder {f} | Tintenfeder {f} | "
            "Tuschfeder {f} | Stift für Berührbildschirme / Touchscreens | elektronischer Stift | ein kratzender "
            "Stift :: pen | pens | reed pen | ink pen | Indian ink pen [Br.]; India ink pen [Am.] | touch screen "
            "pen | electronic pen | a scratchy pen\n",
            "tongue|pen", "Feder", "pen");
        // A note that tells one sense from another ("(Elefant)") against
        // an entry no fuller: the ranking stands.
        row("a noted own entry before a plain entry no fuller",
            "Rüssel {m} (Elefant) | Rüssel {pl} :: trunk (elephant) | trunks\n"
            "Schnauze {f}; Rüssel {m} | Schnauzen {pl} :: snout | snouts\n",
            "trunk|snout", "Rüssel", "trunk");
    }
    void ranksAGermanWordsMainEntryFirst()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, core);
        QFETCH(QString, german);
        QFETCH(QString, first);
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList english = sources.germanToEnglish.value(german);
        QVERIFY2(!english.isEmpty() && english.first() == first, qPrintable(english.join(u", ")));
    }

    void leavesOutAWordThatNeedsItsPrepositionForANotedSynonym()
    {
        // "to start (for)" is read "start", which a ship that "starts for"
        // a port does not do: the later synonyms each noted by what moves
        // lose the line's word, the plain head keeps it. A note before the
        // word names its object ("(Geld) abzweigen" diverts money), one
        // after the word class the whole group's ("bewilligen {vt} (Geld)
        // (für)"): those words keep theirs.
        const QByteArray text =
            "abfahren; abgehen (Zug); auslaufen (Schiff); abfliegen (Flugzeug) {vi} (nach) | abfahrend; "
            "abgehend; auslaufen, abfliegend | abgefahren; abgegangen; ausgelaufen, abgeflogen :: to start (for) "
            "| starting | started\n"
            "abfahren; auslaufen {vi} (nach) | abfahrend; auslaufend | abgefahren; ausgelaufen | Das "
            "Kreuzfahrtschiff läuft heute Abend aus. :: to sail (for) | sailing | sailed | The cruise ship is "
            "sailing this evening.\n"
            "etw. umleiten (von/nach, zu); (Geld) abzweigen; (das Telefon) umstellen {vt} | umleitend; "
            "abzweigend; umstellend | umgeleitet; abgezweigt; umgestellt :: to divert sth. (from/to) | diverting "
            "| diverted\n"
            "verwenden; bereitstellen; bewilligen {vt} (Geld) (für) | verwendend; bereitstellend; bewilligend | "
            "verwendet; bereitgestellt; bewilligt :: to appropriate (for) | appropriating | appropriated\n";
        const QStringList core{QStringLiteral("start"), QStringLiteral("sail"), QStringLiteral("divert"),
                               QStringLiteral("appropriate")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList start = sources.englishToGerman.value(QStringLiteral("start"));
        QVERIFY2(start.contains(QStringLiteral("abfahren")), qPrintable(start.join(u", ")));
        for (const char *german : {"abgehen", "auslaufen", "abfliegen"}) {
            QVERIFY2(!start.contains(QString::fromUtf8(german)), qPrintable(start.join(u", ")));
            QVERIFY(!sources.germanToEnglish.value(QString::fromUtf8(german)).contains(QStringLiteral("start")));
        }
        QVERIFY(sources.germanToEnglish.value(QStringLiteral("auslaufen")).contains(QStringLiteral("sail")));
        QVERIFY(sources.englishToGerman.value(QStringLiteral("divert")).contains(QStringLiteral("abzweigen")));
        QVERIFY(sources.englishToGerman.value(QStringLiteral("appropriate")).contains(QStringLiteral("bewilligen")));
    }

    void givesAGermanRowItsOwnSenses()
    {
        // "slim" and "merger" are no core words, yet the main senses of the
        // lines of a German word. Core words the row was kept for keep their places
        // ("clothes", a later synonym, beside the main senses of six lines).
        const QByteArray text =
            "schlank {adj} [anat.] | schlanker | am schlanksten :: slim; slender | slimmer; more slender | "
            "slimmest; most slender\n"
            "schlank {adv} :: slimly\n"
            "schlank; effizient {adj} (Organisation) | schlankes Management :: lean | lean management\n"
            "Firmenzusammenschluss {m}; Unternehmenszusammenschluss {m}; Zusammenschluss {m}; Fusion {f} [econ.] "
            ":: merger\n"
            "Zusammenschluss {m}; Aggregation {f} [geh.] (zu einer größeren Gruppe / einem Netzwerk) :: "
            "aggregation (combining of things into a larger group / a network)\n"
            "Gewand {n}; Kleidung {f} [textil.] :: garments; habiliments [obs.]\n"
            "Gewand {n}; Kleidung {f} :: raiment\n"
            "Gewand {n}; Kleidung {f} :: vesture\n"
            "Kleidung {f}; Bekleidung {f} [geh.] (als Kategorie) [textil.] :: clothing; apparel [formal/Am.]\n"
            "Kleidung {f}; Bekleidung {f}; Sachen {pl} (in Zusammensetzungen) (für einen bestimmten "
            "Anlass/Zweck) [textil.] :: wear; clothes (clothing suitable for a particular occasion/purpose)\n"
            "Kleidung {f} :: attire [formal]\n";
        const QStringList core{QStringLiteral("slender"), QStringLiteral("lean"), QStringLiteral("aggregation"),
                               QStringLiteral("clothing"), QStringLiteral("clothes"), QStringLiteral("wear")};
        const GermanCore selected = selectGermanCore(core, germanSourcesFromTrans(text, core), schema::kMaxRows);
        const QHash<QString, QStringList> rows = germanRows(selected);
        for (const char *word : {"slim", "slender", "lean"}) {
            QVERIFY2(rows.value(QStringLiteral("schlank")).contains(QLatin1String(word)),
                     qPrintable(rows.value(QStringLiteral("schlank")).join(u", ")));
        }
        QVERIFY(rows.value(QStringLiteral("Zusammenschluss")).contains(QStringLiteral("merger")));
        const QStringList clothing = rows.value(QStringLiteral("Kleidung"));
        QCOMPARE(clothing.size(), kMaxGermanTranslations);
        for (const char *word : {"clothing", "clothes", "wear"})
            QVERIFY2(clothing.contains(QLatin1String(word)), qPrintable(clothing.join(u", ")));
    }

    void readsAVerbWithAChoiceOfPrepositionsAsTheVerb()
    {
        // "to inform sb. of/about sth." is "inform": the choice of
        // prepositions belongs to no phrase. The line is the verb's main
        // sense, before the formal use of another line.
        const QByteArray text =
            "jdm. etw. mitteilen; jdn. von etw. verständigen; benachrichtigen; unterrichten [geh.]; in Kenntnis s"
            "etzen [geh.]; jdm. etw. zu Kenntnis bringen [geh.] {v} | mitteilend; verständigend; benachrichtigend"
            "; unterrichtend; in Kenntnis setzend; zu Kenntnis bringend | mitgeteilt; verständigt; benachrichtigt"
            "; unterrichtet; in Kenntnis gesetzt; zu Kenntnis gesetzt | teilt mit; verständigt; benachrichtigt; u"
            "nterrichtet; setzt in Kenntnis | teilte mit; verständigte; benachrichtigte; unterrichtete; setzte in"
            " Kenntnis | jdm. etw. neu mitteilen | Wir wurden von … in Kenntnis gesetzt, dass … | Wir werden Sie "
            "von etwaigen Änderungen bei den Lieferterminen benachrichten. | Sie teilten ihm mit, dass die Führun"
            "g weitergeht. | Die Mitarbeiter sind in Kenntnis. | Ich werde mich später melden, um Ihnen mitzuteil"
            "en, wann Sie kommen sollen. | Wie ich höre, ist er zur Zeit auf Urlaub. | Nach unseren Informationen"
            " ist eine mechanische Lüftung für diese Bereiche gesetzlich vorgeschrieben. :: to advise sb. of sth."
            "; to inform sb. of/about sth. | advising; informing | advised; informed | advises; informs | advised"
            "; informed | to reinform sb. of/about sth. | We have been informed by … that … | We will advise you "
            "of any changes in the delivery dates. | They advised him that the tour would proceed. | Staff have b"
            "een informed. | I will contact you later to advise you when to come. | I am advised that he is curre"
            "ntly on holiday. | We are advised that mechanical ventilation is required by law for these areas.\n"
            "etw. prägen; etw. beherrschen; etw. entscheidend beeinflussen {vt} | prägend; beherrschend; entschei"
            "dend beeinflussend | geprägt; beherrscht; entscheidend beeinflusst | Seine katholische Erziehung prä"
            "gte sein gesamtes literarisches Schaffen. | Der Islam beherrscht alle Bereiche des öffentlichen Lebe"
            "ns dort. | Diese Leitlinien geben den Rahmen für zukünftige Entscheidungen vor. :: to inform sth. [f"
            "ormal] | informing | informed | His Catholic upbringing informed all his writing. | Islam informs ev"
            "ery aspect of public life there. | These guidelines will be used to inform any future decisions.\n";
        const QStringList inform =
            germanSourcesFromTrans(text, {QStringLiteral("inform")}).englishToGerman.value(QStringLiteral("inform"));
        QVERIFY2(!inform.isEmpty() && inform.first() == QStringLiteral("mitteilen"), qPrintable(inform.join(u", ")));
        // Where the German verb takes its object with a preposition, the
        // English one renders it and stays with the verb. The later bare
        // synonyms render no preposition: "call to" is none of their words
        // (T:171140), and the booking sense of "bestellen" takes its place.
        const QByteArray summon =
            "jdn. zu etw. vorladen; bestellen; einberufen; einbestellen [adm.] {vt} | vorladend; bestellend; einb"
            "erufend; einbestellend | vorgeladen; bestellt; einberufen; einbestellt | (zum Militär) einberufen we"
            "rden | für eine Zeugenaussage gerichtlich vorgeladen werden; zu Gericht für eine Zeugenaussage einbe"
            "stellt werden | zum Schöffendienst berufen/herangezogen werden | zu einer Koloskopie bestellt/einbes"
            "tellt werden | beruflich abberufen werden :: to call sb. to/for sth. | calling to/for | called to/fo"
            "r | to be called to active duty | to be called to court to testify | to be called for jury duty | to"
            " be called for a coloscopy | to be called away on business\n";
        const QStringList vorladen =
            englishItemsOf(summon, {QStringLiteral("call to")}, QStringLiteral("vorladen zu"));
        QVERIFY2(vorladen.contains(QStringLiteral("call to")), qPrintable(vorladen.join(u", ")));
        for (const char *word : {"bestellen", "einberufen", "einbestellen"}) {
            const QStringList bare = englishItemsOf(summon, {QStringLiteral("call to")}, QLatin1String(word));
            QVERIFY2(!bare.contains(QStringLiteral("call to")), qPrintable(bare.join(u", ")));
        }
        const QByteArray booking =
            "etw. reservieren; buchen; vorbestellen; bestellen [ugs.] {vt} | reservierend; buchend; vorbestellend"
            "; bestellend | reserviert; gebucht; vorbestellt; bestellt | reserviert; bucht; bestellt vor; bestell"
            "t | reservierte; buchte; bestellte vor; bestellte | einen Tisch beim Italiener reservieren | Ich möc"
            "hte zwei Plätze reservieren. :: to reserve sth.; to book sth. | reserving; booking | reserved; booke"
            "d | books | booked | to reserve / book a table at the Italian place | I’d like to book/reserve two s"
            "eats.\n";
        const QStringList both =
            englishItemsOf(summon + booking, {QStringLiteral("reserve")}, QStringLiteral("bestellen"));
        QVERIFY2(both.contains(QStringLiteral("reserve")) && !both.contains(QStringLiteral("call to")),
                 qPrintable(both.join(u", ")));
    }

    void putsAPlainLineBeforeAClassTaggedAddition()
    {
        // A bare pair with the English word's class tagged is one of the
        // dictionary's later additions; the plain line of its main list
        // names the word's sense.
        const QByteArray text =
            "Runderlass {m} :: circular\n"
            "Zirkular {n} :: circular\n"
            "kreisförmig; kreisrund {adj} :: circular\n"
            "ringförmig {adj} :: circular\n"
            "periodisch {adj} :: circular {adj}\n";
        // "periodisch" is the commoner word: more lines name it.
        const QByteArray others =
            "periodisch {adj} :: periodic\n"
            "periodisch {adv} | periodisch erneuert; periodisch verlängert :: periodically | periodically renewed\n"
            "periodisch {adj} [math.] | periodisch sein :: periodical | to repeat\n";
        const QStringList circular = germanSourcesFromTrans(text, {QStringLiteral("circular")},
                                                            countTransWords(text + others))
                                         .englishToGerman.value(QStringLiteral("circular"));
        QVERIFY2(!circular.isEmpty() && circular.first() == QStringLiteral("kreisförmig"),
                 qPrintable(circular.join(u", ")));
        // An addition's adjective stays before a noun of the main list.
        const QByteArray comic =
            "Komiker {m}; Komikerin {f}; Spaßmacher {m} [humor.]; Spaßmacherin {f} [humor.] | Komiker {pl}; "
            "Komikerinnen {pl}; Spaßmacher {pl}; Spaßmacherinnen {pl} | Komikerduo {n} :: comic; comedian; "
            "comedienne (rare and slightly affected); comedy actor; comedy actress; funny man; funny woman | "
            "comics; comedians; comediennes; comedy actors; comedy actresses; funny men; funny women | comedy "
            "double act; comic double act\n"
            "lustig {adj}; witzig {adj} :: comic {adj}\n";
        const QStringList funny =
            germanSourcesFromTrans(comic, {QStringLiteral("comic")}).englishToGerman.value(QStringLiteral("comic"));
        QVERIFY2(!funny.isEmpty() && funny.first() == QStringLiteral("lustig"), qPrintable(funny.join(u", ")));
    }

    void leavesOutAnAdjectiveOrNounWithADanglingPreposition()
    {
        // Cut of its object, "passable to sb./sth." would read "passable to";
        // the German words of the line are bare adjectives.
        const QByteArray adjective =
            "für jdn./etw. passierbar; durchgängig; befahrbar; begehbar; gangbar; wegsam [veraltet] {adj} | "
            "eine fischdurchgängige Wehranlage (Wasserbau) :: passable to sb./sth. | a weir system passable to "
            "fish (water engineering)\n"
            "durchgängig {adj} :: consistent\n";
        const QStringList durchgaengig =
            englishItemsOf(adjective, {QStringLiteral("consistent")}, QStringLiteral("durchgängig"));
        QVERIFY2(!durchgaengig.contains(QStringLiteral("passable to")), qPrintable(durchgaengig.join(u", ")));
        QVERIFY2(durchgaengig.contains(QStringLiteral("consistent")), qPrintable(durchgaengig.join(u", ")));
        const QByteArray noun =
            "Auswahl {f}; Angebot {n} an etw. | eine große Auswahl/Riesenauswahl an etw. bieten :: selection of "
            "sth. (range of things from which a choice may be made) | to offer a wide/huge selection of sth.\n"
            "Auswahl {f} :: choice\n";
        const QStringList auswahl = englishItemsOf(noun, {QStringLiteral("choice")}, QStringLiteral("Auswahl"));
        QVERIFY2(!auswahl.contains(QStringLiteral("selection of")), qPrintable(auswahl.join(u", ")));
        // A noun phrase of several words cut of its object reads as
        // unfinished as a single word ("the bread and butter of"); the line's
        // German words are bare nouns.
        const QByteArray phrase =
            "Standardrepertoire {n}; tägliches Geschäft {n} (von jdm.); Fixpunkt {m} (bei etw.) | das, was den "
            "Behandlungsalltag im Krankenhaus ausmacht | Das gehörte zum Standardrepertoire seines Unterrichts. | "
            "Kampfszenen sind ein Fixpunkt in dieser Serie. :: the bread and butter of sb./sth. | the bread and "
            "butter of hospital treatment | This was the bread and butter of his teaching. | Fight scenes are the "
            "bread and butter of this series.\n"
            "Fixpunkt {m} :: fixed point; ground point of control\n";
        const QStringList fixpunkt =
            englishItemsOf(phrase, {QStringLiteral("fixed point")}, QStringLiteral("Fixpunkt"));
        QVERIFY2(fixpunkt.contains(QStringLiteral("fixed point")), qPrintable(fixpunkt.join(u", ")));
        QVERIFY2(!fixpunkt.contains(QStringLiteral("the bread and butter of")), qPrintable(fixpunkt.join(u", ")));
        // A preposition's English side keeps its own preposition.
        const QByteArray preposition = "außer jdm./etw.; abgesehen von jdm./etw. {prp; +Dat.} :: apart from sb./sth.\n";
        const QStringList ausser = englishItemsOf(preposition, {QStringLiteral("apart from")}, QStringLiteral("außer"));
        QVERIFY2(ausser.contains(QStringLiteral("apart from")), qPrintable(ausser.join(u", ")));
    }

    void putsTheMainEntrysWordsAfterItsPhrase()
    {
        // "make better" heads the main entry of "verbessern"; "better" and
        // "improve", later synonyms there, name its main sense in a word and
        // come before the first words of the verb's other lines.
        const QByteArray text =
            "etw. verbessern; besser machen {vt} | verbessernd; besser machend | verbessert; besser gemacht | die"
            " Arbeitsbedingungen verbessern | seine Chancen auf den Meisterschaftstitel verbessern | seine Gedäch"
            "tnisleistung verbessern | verbessertes Service; besseres Serviceangebot | Das macht die Sache auch n"
            "icht besser.; Das ist keine Verbesserung. | Das macht die Lage (auch) nicht besser. :: to make sth. "
            "better; to better sth.; to improve sth.; to enhance sth.; to ameliorate sth. [formal]; to meliorate "
            "sth. [formal] | making better; bettering; improving; enhancing; ameliorating; meliorating | made bet"
            "ter; betterred; improved; enhanced; ameliorated; meliorated | to better the working conditions | to "
            "better your chances of winning the championship | to improve; to enhance your memory capacity | impr"
            "oved service; enhanced service | That doesn’t make things better. | That doesn’t ameliorate the situ"
            "ation.\n"
            "verbessern {vt} | verbessernd | verbessert | verbessert | verbesserte :: to rectify | rectifying | "
            "rectified | rectifies | rectified\n"
            "verbessern {vt} | verbessernd | verbessert :: to pull up | pulling up | pulled up\n";
        const QStringList core{QStringLiteral("better"), QStringLiteral("improve"), QStringLiteral("rectify")};
        const QStringList english = englishItemsOf(text, core, QStringLiteral("verbessern"));
        QCOMPARE(english.mid(0, 3),
                 (QStringList{QStringLiteral("make better"), QStringLiteral("better"), QStringLiteral("improve")}));
    }

    void givesTheLaterWordsOfALineTheGermanWordHeads()
    {
        // "lay bricks" and "handling" are no core words; they follow every
        // line's first word. The tagged spelling "driving behavior [Am.]"
        // and the "[sport]" line's words stay as they were.
        const QByteArray text =
            "mauern {vt} | mauernd | gemauert :: to build; to lay bricks | building; laying bricks | built; laid "
            "bricks\n"
            "mauern; defensiv spielen {vi} [sport] | mauernd; defensiv spielend | gemauert; defensiv gespielt | "
            "mauert | mauerte :: to stonewall; to defend aggressively | stonewalling | stonewalled | stonewalls | "
            "stonewalled\n"
            "Fahrverhalten {n} :: behaviour (road); handling; ride comfort\n"
            "Fahrverhalten {n} :: driving behaviour [Br.]; driving behavior [Am.]\n";
        const GermanSources sources =
            germanSourcesFromTrans(text, {QStringLiteral("build"), QStringLiteral("behaviour")});
        // A note after the German word class and at the end of the last
        // English word narrows every word of the line alike: "do up" is as
        // much "aufbessern" as "fix up". A note of the last word's own, with
        // none on the German side, still keeps it out ("link").
        const QByteArray fixUp =
            "etw. aufbessern; aufarbeiten; verschönen; verschönern; etw. in Ordnung bringen; auf Vordermann "
            "bringen; aufmöbeln [ugs.] {vt} (mangelhafte Sache) | aufbessernd; aufarbeitend; verschönend; "
            "verschönernd; in Ordnung bringend; auf Vordermann bringend; aufmöbelnd | aufgebessert; "
            "aufgearbeitet; verschönt; verschönert; in Ordnung gebracht; auf Vordermann gebracht; aufgemöbelt :: "
            "to fix up <> sth.; to do up <> sth. (a defective thing) | fixing up; doing up | fixed up; done up\n"
            "etw. konkatenieren [geh.]; aneinanderreihen; verketten {vt} | konkatenierend; aneinanderreihend; "
            "verkettend | konkateniert; aneinandergereiht; verkettet :: to concatenate sth.; to link sth. "
            "(together) | concatenating; linking | concatenated; linked\n";
        QCOMPARE(englishItemsOf(fixUp, {QStringLiteral("fix up")}, QStringLiteral("aufbessern")),
                 (QStringList{QStringLiteral("fix up"), QStringLiteral("do up")}));
        QCOMPARE(englishItemsOf(fixUp, {QStringLiteral("concatenate")}, QStringLiteral("konkatenieren")),
                 QStringList{QStringLiteral("concatenate")});
        const QStringList mauern = sources.germanToEnglish.value(QStringLiteral("mauern"));
        QCOMPARE(mauern.value(0), QStringLiteral("build"));
        QVERIFY2(mauern.indexOf(QStringLiteral("lay bricks")) > mauern.indexOf(QStringLiteral("stonewall")),
                 qPrintable(mauern.join(u", ")));
        const QStringList fahrverhalten = sources.germanToEnglish.value(QStringLiteral("Fahrverhalten"));
        QCOMPARE(fahrverhalten,
                 (QStringList{QStringLiteral("behaviour"), QStringLiteral("driving behaviour"),
                              QStringLiteral("handling"), QStringLiteral("ride comfort")}));
    }

    void givesAPresentParticipleItsVerbsMainSense()
    {
        // "blühend" has adjective lines of its own, so "blooming; flowering"
        // of blühen's main line fill its free places after them; the line of
        // "blossom", not blühen's first word, gives nothing. "streunend" has
        // only a line narrowed by a note, and "straying" leads. A transitive
        // verb's participle is mostly an adjective of another sense
        // ("anziehend" is attractive): "toging" stays out.
        const QByteArray text =
            "blühen {vi} | blühend | geblüht | es blüht :: to bloom; to flower | blooming; flowering | bloomed; "
            "flowered | it blooms; it flowers\n"
            "blühen; erblühen {vi} | blühend; erblühend | geblüht; erblüht :: to blossom | blossoming | blossomed\n"
            "blühend; rosig {adj} :: florid\n"
            "prächtig gedeihend; kräftig; blühend; florierend; erfolgreich {adj} :: thriving; thrifty [slang]\n"
            "vagabundieren; streunen {vi} | vagabundierend; streunend | vagabundiert; gestreunt | vagabundiert; "
            "streunt | vagabundierte; streunte :: to stray | straying | strayed | strays | strayed\n"
            "verirrt; streunend {adj} (Tier) :: stray (animal)\n"
            "anziehen; bekleiden {vt} | anziehend; bekleidend | angezogen; bekleidet | zieht an | zog an :: to tog | "
            "toging | togged | togs | togged\n"
            "anziehend {adv} :: attractively\n";
        const QStringList core{QStringLiteral("bloom"),  QStringLiteral("florid"), QStringLiteral("thriving"),
                               QStringLiteral("stray"),  QStringLiteral("tog"),    QStringLiteral("attractively")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList bluehend = sources.germanToEnglish.value(QStringLiteral("blühend"));
        QVERIFY2(bluehend.indexOf(QStringLiteral("blooming")) > bluehend.indexOf(QStringLiteral("florid"))
                     && bluehend.indexOf(QStringLiteral("florid")) >= 0
                     && bluehend.contains(QStringLiteral("flowering"))
                     && !bluehend.contains(QStringLiteral("blossoming")),
                 qPrintable(bluehend.join(u", ")));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("streunend")).value(0), QStringLiteral("straying"));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("anziehend")),
                 QStringList{QStringLiteral("attractively")});
    }

    void givesAParticipleWithoutAdjectiveLineItsTransitiveVerbsAdjective()
    {
        // "herausfordernd" stands only on an adverb's line; its verbs' lines
        // give "challenging", which "anspruchsvoll {adj}" gives as an
        // adjective, so it leads the row. "defying" is no adjective of the
        // dictionary's and stays out. "anziehend" has an adjective line of
        // its own, and "alluring" of its verb's line does not join it.
        const QByteArray text =
            "anspruchsvoll {adj} :: challenging\n"
            "herausfordern {vt} | herausfordernd | herausgefordert | fordert heraus | forderte heraus :: to defy | "
            "defying | defied | defies | defied\n"
            "jdn. zu etw. herausfordern {vt} | herausfordernd | herausgefordert | fordert heraus | forderte heraus | "
            "Revanche fordern :: to challenge sb. to sth. | challenging | challenged | challenges | challenged | to "
            "challenge sb. to a return game (match)\n"
            "aufsässig; herausfordernd {adv} :: defiantly {adv}\n"
            "jdn. anlocken; anziehen; locken (an einen Ort) {vt} | anlockend; anziehend; lockend | angelockt; "
            "angezogen; gelockt :: to lure; to allure; to entice sb. (to a place) | luring; alluring; enticing | "
            "lured; allured; enticed\n"
            "attraktiv; anziehend; ansprechend {adj} | attraktiver; anziehender; ansprechender | am attraktivsten; "
            "am anziehendsten; am ansprechendsten :: attractive | more attractive | most attractive\n"
            "verlockend; verführerisch {adj} (Person oder Sache) | verlockende Einkaufsmöglichkeiten :: alluring; "
            "enticing; seductive (of a person or thing) | alluring / enticing / seductive shopping facilities\n";
        const QStringList core{QStringLiteral("challenging"), QStringLiteral("defy"), QStringLiteral("challenge"),
                               QStringLiteral("defiantly"),   QStringLiteral("lure"),      QStringLiteral("attractive"),
                               QStringLiteral("alluring")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("herausfordernd")),
                 (QStringList{QStringLiteral("challenging"), QStringLiteral("defiantly")}));
        QVERIFY(!sources.germanToEnglish.value(QStringLiteral("anziehend")).contains(QStringLiteral("alluring")));
    }

    void putsAWordsAdjectiveSensesBeforeItsIntransitiveVerb()
    {
        // "durchwachsen" heads two bare adjective lines before its verb's
        // line: their senses lead and the verb follows them, before the
        // line that lists the word later ("mediocre"). The explanation
        // "with fat running through" goes last, "streaky" taking its place,
        // since "streaky" is a word for a use of the same kind.
        const QByteArray text =
            "durchwachsen {adj} (Speck) :: streaky (bacon)\n"
            "durchwachsen {adj} (Schinken) :: with fat running through\n"
            "durchwachsen {vi} | durchwachsend | durchgewachsen :: to grow through | growing through | grown "
            "through\n"
            "mittelmäßig; mäßig; durchwachsen {adj} | eine durchwachsene Leistung | Die anderen Kandidaten waren "
            "alle mittelmäßig. :: mediocre; moderate; middling; average | a mediocre performance | The other "
            "candidates were all fair to middling.\n";
        const QStringList core{QStringLiteral("streaky"), QStringLiteral("grow"), QStringLiteral("mediocre"),
                               QStringLiteral("moderate")};
        const QStringList row =
            germanSourcesFromTrans(text, core).germanToEnglish.value(QStringLiteral("durchwachsen"));
        const auto at = [&row](const char *english) { return row.indexOf(QString::fromUtf8(english)); };
        QVERIFY2(at("streaky") == 0 && at("grow through") == 1 && at("mediocre") > 1
                     && (at("with fat running through") < 0 || at("with fat running through") == row.size() - 1),
                 qPrintable(row.join(u", ")));
        // A verb without an adjective line before it keeps its place.
        const QStringList verbFirst =
            germanSourcesFromTrans(text.mid(text.indexOf("durchwachsen {vi}")), core)
                .germanToEnglish.value(QStringLiteral("durchwachsen"));
        QCOMPARE(verbFirst.value(0), QStringLiteral("grow through"));
    }

    void putsTheOwnLineBeforeARegionsWordForANotedUse()
    {
        // The note after "{vt}" narrows all four verbs of the "snow" line to
        // talking someone round, and "snow" is American English for it: the
        // verb's plain line ("wrap up") leads, "snow" stays in the row. The
        // same line without the note is plain, and there "snow" keeps its
        // place; so does a noted line whose English word is no one region's.
        const QByteArray wrapUp =
            "jdn. einwickeln; einpacken; einmummeln {vt} | einwickelnd; einpackend; einmummelnd | eingewickelt; "
            "eingepackt; eingemummelt | jdn. bei kaltem Wetter warm/gut/fest einpacken :: to wrap up <> sb. | "
            "wrapping up | wrapped up | to wrap sb. up warm/well against the weather\n";
        const QByteArray snow =
            "jdn. einwickeln; jdn. einseifen; jdn. einkochen [Ös.]; jdn. am Schmäh halten [Bayr.] [Ös.] {vt} "
            "(wortgewandt von etwas überzeugen) | einwickelnd; einseifend; einkochend; am Schmäh haltend | "
            "eingewickelt; eingeseift; eingekocht; am Schmäh gehalten :: to snow sb. [Am.]; to do a snow job on "
            "sb. [Am.] | snowing; doing a snow job | snowed; done a snow job\n";
        const QByteArray wrap =
            "etw. einpacken; verpacken; einwickeln; einhüllen; umhüllen {vt} | einpackend; verpackend; "
            "einwickelnd; einhüllend; umhüllend | eingepackt; verpackt; eingewickelt; eingehüllt; umhüllt | packt "
            "ein; verpackt; wickelt ein; hüllt ein; umhüllt | packte ein; verpackte; wickelte ein; hüllte ein; "
            "umhüllte | als Geschenk verpacken | Soll ich es Ihnen einpacken? :: to wrap; to wrap up <> sth. | "
            "wrapping; wrapping up | wrapped; wrapped up | wraps; wraps up | wrapped; wrapped up | to gift-wrap | "
            "Shall I wrap it for you?\n";
        const QStringList core{QStringLiteral("snow"), QStringLiteral("wrap")};

        const QStringList noted = englishItemsOf(wrapUp + snow + wrap, core, QStringLiteral("einwickeln"));
        QVERIFY2(noted.value(0) == QStringLiteral("wrap up") && noted.contains(QStringLiteral("snow")),
                 qPrintable(noted.join(u", ")));

        QByteArray plainSnow = snow;
        plainSnow.replace(" (wortgewandt von etwas überzeugen)", "");
        const QStringList plain = englishItemsOf(wrapUp + plainSnow + wrap, core, QStringLiteral("einwickeln"));
        QCOMPARE(plain.value(0), QStringLiteral("snow"));

        QByteArray everywhere = snow;
        everywhere.replace(" [Am.]", "");
        const GermanSources general = germanSourcesFromTrans(wrapUp + everywhere + wrap, core);
        QCOMPARE(general.germanToEnglish.value(QStringLiteral("einwickeln")).value(0), QStringLiteral("snow"));
    }

    void putsTheAdjectivesFullEntryBeforeABareLinesWord()
    {
        // "bleibend; weilend {adj} :: staying" gives the verb's English form
        // ("bleiben": "stay"); the adjective's compared entry leads.
        const QByteArray bleibend =
            "anhaltend; andauernd; (fort)bestehend; bleibend; verweilend {adj} :: lingering\n"
            "bleibend; andauernd {adj} | bleibende Erinnerungen :: enduring | enduring memories\n"
            "bleibend; dauerhaft; permanent; ständig; dauernd {adj} | dauerhafter; permanenter | am dauerhaftesten"
            "; am permanentesten :: permanent | more permanent | most permanent\n"
            "bleibend; dauerhaft; permanent {adv} :: permanently\n"
            "bleibend; weilend {adj} :: staying\n"
            "bleibend; verbleibend {adj} | verbleibende Zeit {f} :: remaining | time remaining; time left\n";
        const QStringList bleibendRow =
            englishItemsOf(bleibend, {QStringLiteral("permanent"), QStringLiteral("staying")},
                           QStringLiteral("bleibend"));
        QVERIFY2(bleibendRow.value(0) == QStringLiteral("permanent") && bleibendRow.contains(QStringLiteral("staying")),
                 qPrintable(bleibendRow.join(u", ")));

        // The full entry of "ausschweifend", with four English words, leads
        // before the bare line's single word.
        const QByteArray ausschweifend =
            "ausschweifend; zügellos; ungezügelt; flott; wild; exzessiv; von sinnlichen Genüssen geprägt; liberti"
            "n [geh.] [veraltet] {adj} [soc.] | ein exzessiver Lebensstil | jds. flottes Leben :: dissolute; diss"
            "ipated; profligate; fast | a fast lifestyle | sb.’s fast life\n"
            "ausschweifend; zügellos; flott; wild; exzessiv {adv} | (flott) drauflos leben :: dissipatedly; disso"
            "lutely; fast [dated] [humor.] | to live fast\n"
            "ausschweifend {adj} :: voluptuous\n"
            "ausschweifend {adj} :: rakish\n"
            "bacchantisch; ausschweifend; überschäumend; wild {adj} [geh.] :: bacchanalian {adj} [formal]\n"
            "hemmungslos; ungezügelt; ausschweifend; ausufernd {adj} | hemmungsloses Lachen | ausuferndes Verhal"
            "ten :: riotous | riotous laughter | riotous behaviour\n"
            "kunstvoll; ausschweifend; üppig; blumig {adv} [art] [ling.] :: floridly; ornately\n"
            "wortreich; weitschweifig; ausschweifend {adj} (Schrift, Rede) :: wordy; verbose; windy; rambling; p"
            "rolix [formal] (of writing or speech)\n"
            "hemmungslos {adv}; ausschweifend {adv} :: profligately {adv}\n"
            // Other lines that give "voluptuous", which makes it the
            // commoner English word.
            "sinnlich; erotisch; stimulierend {adj} :: voluptuous\n"
            "üppig; verlockend {adj} :: voluptuous\n"
            "wollüstig; lüstern {adj} | wollüstiger | am wollüstigsten :: voluptuous | more voluptuous | most volup"
            "tuous\n";
        const QStringList row = englishItemsOf(ausschweifend, {QStringLiteral("dissolute"), QStringLiteral("fast")},
                                               QStringLiteral("ausschweifend"));
        QVERIFY2(row.value(0) == QStringLiteral("dissolute") && row.contains(QStringLiteral("voluptuous")),
                 qPrintable(row.join(u", ")));
    }

    void putsAnAdjectiveInItsAdverbsPlace()
    {
        // "discourteous", a later word of the adjective's line, would only
        // fill a free place; it takes the place of its adverb.
        const QByteArray unhoeflich =
            "unhöflich {adj} (jdm. gegenüber) :: impolite; discourteous; uncivil (to sb.)\n"
            "unhöflich {adv} :: discourteously\n"
            "unhöflich {adv} :: impolitely\n"
            "unhöflich; ungehobelt; grob; flegelhaft [veraltend] {adj} | sehr unhöflich; sehr grob :: rude; churl"
            "ish [formal] <ruder> <rudest> | unrude\n"
            "unhöflich; ungefällig {adj} :: disobliging\n"
            "unhöflich; taktlos {adj} :: graceless\n"
            "unhöflich {adv} :: uncivily\n"
            "unhöflich {adj} :: uncomplimentary\n";
        const QStringList row = englishItemsOf(unhoeflich, {QStringLiteral("rude"), QStringLiteral("impolite")},
                                               QStringLiteral("unhöflich"));
        QVERIFY2(row.indexOf(QStringLiteral("discourteous")) < row.indexOf(QStringLiteral("discourteously")),
                 qPrintable(row.join(u", ")));
    }

    void putsTheOwnLineBeforeAnotherLinesSideUse()
    {
        // "bugsieren" is only the second verb of the "muscle" line, whose
        // English word is American and narrowed by a note: the verb's own
        // line leads, and "muscle" stays in the row.
        const QByteArray shift =
            "bugsieren {vt} [ugs.] | bugsierend | bugsiert :: to shift | shifting | shifted\n";
        const QByteArray manoeuvre =
            "etw. manövrieren; etw. bugsieren [ugs.]; etw. lavieren [ugs.] {vt} | manövrierend; bugsierend; lavie"
            "rend | manövriert; bugsiert; laviert | manövriert; bugsiert | manövrierte; bugsierte | sich in ein E"
            "ck manövriert haben [pol.] :: to manoeuvre [Br.]; to maneuver [Am.] | maneuvering | maneuvered | man"
            "euvers | maneuvered | to have manoeuvred yourself into a corner [fig.]\n";
        const QByteArray tow =
            "(ein Schiff) schleppen; bugsieren {vt} [naut.] | schleppend; bugsierend | geschleppt; bugsiert :: to"
            " tow; to tug (a ship) | towing; tugging | towed; tugged\n";
        const QByteArray muscle =
            "etw. (mit Muskelkraft an einen Ort) stemmen; bugsieren; befördern; expedieren [humor.] {vt} | stemme"
            "nd; bugsierend; befördernd; expedierend | gestemmt; bugsiert; befördert; expediert :: to muscle sth."
            " [Am.] (move to a place) | muscling | muscled\n";
        const QStringList verbCore{QStringLiteral("muscle"), QStringLiteral("shift")};
        const QStringList bugsieren = englishItemsOf(shift + manoeuvre + tow + muscle, verbCore,
                                                     QStringLiteral("bugsieren"));
        QVERIFY2(bugsieren.value(0) == QStringLiteral("shift") && bugsieren.contains(QStringLiteral("muscle")),
                 qPrintable(bugsieren.join(u", ")));
        // "Verlängerung" is narrowed to team sports on the [sport] line of
        // "Spielverlängerung": the noun's own full entry ("extension") leads.
        const QByteArray elongation =
            "Ausdehnung {f}; Verlängerung {f} | Ausdehnungen {pl}; Verlängerungen {pl} :: elongation | elongation"
            "s\n";
        const QByteArray extraTime =
            "Spielverlängerung {f}; Verlängerung {f} (Mannschaftssport) [sport] | in der Verlängerung | nach Verl"
            "ängerung | in die Verlängerung gehen :: extra time [Br.]; overtime [Am.] (team sports) | in extra ti"
            "me | after extra time | to go into extra time\n";
        const QByteArray extension =
            "Verlängerung {f}; Prolongation {f} [Ös.] (einer Frist/befristeten Vereinbarung) [adm.] | Verlängerun"
            "g der Zahlungsfrist / des Zahlungsziels | Verlängerung eines Terminkontrakts | Verlängerung um zwei "
            "Monate | Nichtverlängerung {f} :: extension; prolongation (of a time limit/fixed-term agreement) | e"
            "xtension of the time for payment; prolongation of the term of payment | extension of a forward contr"
            "act | extension by two months | non-extension\n";
        const QByteArray spatial =
            "Verlängerung {f} (räumliche Fortsetzung) | Verlängerungen {pl} | die Verlängerung der U-Bahn nach Sü"
            "den | eine architektonische Verlängerung des Hotelgebäudes :: extension (spatial continuation) | ext"
            "ensions | the underground’s southern extension | an architectural extension of the hotel building\n";
        const QByteArray temporal =
            "Verlängerung {f} (zeitliche Fortsetzung) | die Verlängerung des Lebens | die Verlängerung der Lebend"
            "auer von Matratzen :: prolongation (temporal continuation) | the prolongation of life | the prolonga"
            "tion of the life of mattresses\n";
        const QStringList nounCore{QStringLiteral("extension"), QStringLiteral("extra")};
        const QByteArray verlaengerung = elongation + extension + spatial + temporal;
        QCOMPARE(englishItemsOf(verlaengerung + extraTime, nounCore, QStringLiteral("Verlängerung")).value(0),
                 QStringLiteral("extension"));

        // "Hochwasser" is the fifth noun of the [geogr.] [phys.] "Flut" line;
        // its own entry, with seventeen sections, names the flood. A short
        // own entry does not take the first place.
        const QByteArray flut =
            "Flut {f}; Flutstrom {m}; Flutströmung {f}; Tidehochwasser {n}; Hochwasser {n}; auflaufendes/ansteige"
            "ndes Wasser [geogr.] [phys.] | Die Flut kommt. | Es ist Flut. :: flow; flood; flood tide; flood-tida"
            "l current; flood current; high tide; flowing tide; high water | The tide begins to flood. | The tide"
            " is on the flood.\n";
        const QByteArray highWater =
            "Hochwasser {n} (überdurchschnittlich hoher Wasserstand oder Abfluss eines Gewässers) [envir.] | höch"
            "stes Hochwasser | mittleres Hochwasser | Hochwasser führen/haben :: high water | record high water |"
            " average high water | to be swollen\n";
        const QByteArray floodWater =
            "Hochwasser {n}; Überschwemmungen {pl}; Überflutungen {pl} [envir.] | höchstes Hochwasser; Höchsthoch"
            "wasser; Maximalhochwasser | plötzlich einsetzendes Hochwasser; Flutwelle {f} (in einem Fließgewässer"
            ") | Gletscherhochwasser {n} | Jahrhunderthochwasser {n}; hundertjährliches Hochwasser | Jahrtausendh"
            "ochwasser {n}; tausendjährliches Hochwasser; 1000-jährliches Hochwasser | Katastrophenhochwasser {n}"
            " | außergewöhnliches Hochwasser; außerordentliches Hochwasser | extremes Hochwasser; Extremhochwasse"
            "r {n} | historisches Hochwasser | höchstes wahrscheinliches Hochwasser; wahrscheinlich höchstes Hoch"
            "wasser; wahrscheinliches Maximalhochwasser | mittleres jährliches Hochwasser | Hochwasser infolge de"
            "r Schneeschmelze (im Frühjahr) | Ansteigen des Hochwassers; Hochwasseranstieg {m} | Auftreten von Ho"
            "chwasser; Eintreten von Hochwasserereignissen | Rückgang / Abklingen des Hochwassers; Hochwasserabfa"
            "ll {m} | vom Hochwasser betroffene Bürger :: flood water; flood; floods; inundations; deluges | maxi"
            "mum flood; record flood; flood of record | flash flood; flash flooding; spate [Br.] | glacier flood;"
            " glacial flood; glacial outburst flood; glacier lake outburst flood | hundred-year flood; 100-year f"
            "lood | thousand-year flood; 1000-year flood | catastrophic flood; disastrous flood | exceptional flo"
            "od; extraordinary flood | extreme flood; superflood [Am.] | historical flood | probable maximum floo"
            "d /PMF/; probable record flood | mean annual flood | freshet | increase of flood | flood occurrence;"
            " occurrence of flood events | flood recession | citizens affected by floods\n";
        const QByteArray floodwaters =
            "Hochwasser {n} (über die Ufer getretene Wassermassen) | das schmutzige Hochwasser aus dem Keller abp"
            "umpen :: floodwaters | to pump the dirty floodwaters out of the cellar\n";
        const QStringList floodCore{QStringLiteral("flow"), QStringLiteral("flood")};
        const QStringList hochwasser = englishItemsOf(flut + highWater + floodWater + floodwaters, floodCore,
                                                      QStringLiteral("Hochwasser"));
        QVERIFY2(hochwasser.value(0) == QStringLiteral("flood water") && hochwasser.contains(QStringLiteral("flow")),
                 qPrintable(hochwasser.join(u", ")));
        const QByteArray shortEntry = "Hochwasser {n}; Überschwemmungen {pl}; Überflutungen {pl} [envir.] | "
                                      "Gletscherhochwasser {n} | Jahrhunderthochwasser {n} :: flood water; flood; "
                                      "floods | glacier flood | hundred-year flood\n";
        const QStringList shortOwn = englishItemsOf(flut + highWater + shortEntry + floodwaters, floodCore,
                                                    QStringLiteral("Hochwasser"));
        QVERIFY2(shortOwn.value(0) != QStringLiteral("flood water"), qPrintable(shortOwn.join(u", ")));
    }

    void putsALongLineBeforeABareLaterSynonymLine()
    {
        // Neither "recipient" nor "susceptible" is in the subtitle list, and
        // the dictionary mentions "recipient", mostly a noun, more often. The
        // bare line "empfangsbereit; empfänglich {adj} :: recipient" gives
        // way to the line with "empfänglich"'s forms and examples.
        const QByteArray recipient = "empfangsbereit; empfänglich {adj} :: recipient\n";
        const QByteArray susceptible =
            "anfällig; empfänglich; empfindlich {adj} (gegenüber etw.) | alterungsempfindlich; nicht alterungsbes"
            "tändig {adj} | frostempfindlich {adj} | kältelabil {adj} | oxidationsanfällig {adj} | schmerzempfind"
            "lich sein | störungsanfällig; störanfällig; fehleranfällig {adj} [comp.] [mach.] [techn.] | komplizi"
            "erte und fehleranfällige Geräte | stoßunempfindlich {adj} | wasserempfindlich {adj} | nicht anfällig"
            "; unempfänglich {adj} | Diese Oberflächte ist sehr anfällig für Kratzer. | Das Virus kann empfindlic"
            "he Personen infizieren. | Kinder sind für Schmeicheleien sehr empfänglich. :: susceptible; susceptiv"
            "e [obs.] (to sth.) | susceptible to aging | frost-susceptible | susceptible to freezing | susceptibl"
            "e to oxidation | to be susceptible to pain | susceptible to faults/failure/malfunction; fault-prone;"
            " trouble-prone; prone to trouble | complicated and trouble-prone devices | not susceptible to shocks"
            " | susceptible to water | insusceptible | This surface is highly susceptible to scratches. | The vir"
            "us can infect susceptible individuals. | Children are very susceptible to flattery."
            "\n";
        const QByteArray receptive = "wahrnehmend; aufnehmend; empfänglich; rezeptiv {adj} [biol.] :: receptive\n";
        const QByteArray others = "Empfängerbank {f} [fin.] | Empfängerbanken {pl} :: recipient bank | recipient banks\n"
                                  "Schmiergeldempfänger {m} | Schmiergeldempfänger {pl} :: bribe recipient | bribe "
                                  "recipients\n";
        const QByteArray lines = recipient + susceptible + receptive;
        const QStringList core{QStringLiteral("recipient")};
        const QStringList empfaenglich = germanSourcesFromTrans(lines, core, countTransWords(lines + others))
                                             .germanToEnglish.value(QStringLiteral("empfänglich"));
        QVERIFY2(empfaenglich.value(0) == QStringLiteral("susceptible")
                     && empfaenglich.contains(QStringLiteral("recipient")),
                 qPrintable(empfaenglich.join(u", ")));
    }

    void keepsAnAdverbsOwnBareLineFromAnotherWordsEntry()
    {
        // "something" has its own entry in "Etwas {n} | das gewisse Etwas",
        // which does not list "irgendetwas"; the pronoun lines of "anything"
        // and "some" list it only as a later synonym. The bare line
        // "irgendetwas" heads is its own, and its word leads.
        const QByteArray text =
            "Etwas {n} | das gewisse Etwas :: something | that certain something"
            "\n"
            "irgendetwas; irgendwas {adv} :: something"
            "\n"
            "etwas; irgendetwas; jedes; jedes beliebige; alles {pron} | noch etwas; sonst etwas | Ist noch was üb"
            "rig? | Alles, was du willst. :: anything | anything else | Is anything left over? | Anything you lik"
            "e."
            "\n"
            "irgendein; irgend so ein; irgendetwas {pron} | Irgendein Witzbold hat eine Null dazugeschrieben. | i"
            "rgendeiner; jeder; irgendetwas (verneint; Frage) :: some | Some wit has added a naught. | any"
            "\n";
        const QStringList core{QStringLiteral("something"), QStringLiteral("anything"), QStringLiteral("some")};
        const QStringList irgendetwas = englishItemsOf(text, core, QStringLiteral("irgendetwas"));
        QVERIFY2(irgendetwas.value(0) == QStringLiteral("something"), qPrintable(irgendetwas.join(u", ")));
    }

    void putsThePlainLineBeforeAColloquialUse()
    {
        // A bare line gives "haarig" as colloquial for "hairy" (risky), and
        // another line gives it plainly: the plain line's word leads. Words
        // of a raised register ("ehemals [geh.]") are no such use: the line
        // gives the plain word "früher" its sense, and it keeps its place.
        const QByteArray text =
            "behaart; haarig {adj} :: hairy; haired; hirsute [poet.]\n"
            "riskant; gefährlich; haarig [ugs.] {adj} :: hairy\n"
            "früher; ehemals /ehem./ [geh.]; vormals /vorm./ [geh.] {adv} :: formerly\n"
            "vormals; einstmals; einst; ehemals; vordem [poet.]; ehedem [poet.]; weiland /weil./ [veraltet] {adv} "
            ":: formerly; once; erstwhile [obs.]\n";
        const QStringList core{QStringLiteral("hairy"), QStringLiteral("formerly")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList hairy = sources.englishToGerman.value(QStringLiteral("hairy"));
        QVERIFY2(!hairy.isEmpty() && hairy.first() == QStringLiteral("behaart"), qPrintable(hairy.join(u", ")));
        QVERIFY(hairy.contains(QStringLiteral("gefährlich")));
        const QStringList formerly = sources.englishToGerman.value(QStringLiteral("formerly"));
        QVERIFY2(!formerly.isEmpty() && formerly.first() == QStringLiteral("früher"),
                 qPrintable(formerly.join(u", ")));
    }

    void putsACommonerFieldWordBeforeALineTaggedOne()
    {
        // "[fin.]" follows "Steuer" on the line "Abgabe" heads, so "Abgabe"
        // carries no tag of its own; the field is the whole line's, and the
        // tagged main entry of the commoner "Steuer", with its forms and
        // compounds, leads. An untagged plain line keeps its place behind.
        const QStringList core{QStringLiteral("tax")};
        const QStringList tax =
            germanSourcesFromTrans(kTaxNounLines, core).englishToGerman.value(QStringLiteral("tax"));
        QVERIFY2(!tax.isEmpty() && tax.first() == QStringLiteral("Steuer"), qPrintable(tax.join(u", ")));
        QVERIFY(tax.contains(QStringLiteral("Abgabe")));
    }

    void leavesACommonerFieldWordBeyondTheRowsPlaces()
    {
        // With the verbs of "to tax", "Steuer" stands below the six places
        // the row keeps; put first, it would push out the row's last word.
        const QByteArray text = kTaxNounLines +
            "beschuldigen; bezichtigen {vt} | beschuldigend; bezichtigend | beschuldigt; bezichtigt :: to tax | taxing "
            "| taxed\n"
            "jdn./etw. strapazieren; jdn./etw. (stark) beanspruchen; jdn. anstrengen {vt} :: to tax sb./sth.\n";
        const QStringList core{QStringLiteral("tax")};
        const QStringList tax = germanSourcesFromTrans(text, core).englishToGerman.value(QStringLiteral("tax"));
        QVERIFY2(tax.size() > 6 && tax.indexOf(QStringLiteral("Steuer")) >= 6, qPrintable(tax.join(u", ")));
    }

    void keepsAColloquialWordFromTheFirstPlace()
    {
        // "in addition" has seven German words, "überdies" the last of them,
        // so its row leaves "überdies" out; the row of "überdies", kept for
        // "plus", offers "in addition" still. A core word let in from a full
        // row gives way to the words the row was kept for, but not to a
        // colloquial word given for a German word of plain speech.
        const QByteArray text =
            "außerdem; noch dazu; zudem [geh.]; überdies [geh.] {adv} (als zusätzlicher Aspekt) | und außerdem :: "
            "in addition; additionally; besides; what is more; moreover [formal] (as an additional aspect) | and "
            "additionally\n"
            "außerdem; darüber hinaus; daneben; (noch) zusätzlich {adv} (Quantität) | die Größe von etw. kann "
            "zusätzlich/noch weiter verringert werden :: in addition; additionally; besides; moreover [formal] "
            "(quantity) | the size of sth. can be additionally reduced\n"
            "plus {conj} [math.] | 2 + 3 = 5; Zwei plus drei ist gleich fünf. | 5 plus 2 ergibt 7. :: plus | 2 + 3 "
            "= 5; Two plus three equals five. | Add 5 and 2, and you get 7.\n"
            "außerdem; weiterhin; überdies {conj} :: plus {conj} [coll.]\n";
        const QStringList core{QStringLiteral("plus"), QStringLiteral("in addition")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QVERIFY(!sources.englishToGerman.value(QStringLiteral("in addition")).mid(0, kMaxGermanTranslations)
                     .contains(QStringLiteral("überdies")));
        const GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        const QHash<QString, QStringList> rows = germanRows(selected);
        const QStringList moreover = rows.value(QStringLiteral("überdies"));
        QVERIFY2(moreover.size() > 1 && moreover.first() == QStringLiteral("in addition")
                     && moreover.contains(QStringLiteral("plus")),
                 qPrintable(moreover.join(u", ")));
    }

    void putsTheGermanWordsOwnLineBeforeABareSynonymLine()
    {
        // "Tugend" is a later synonym of a bare line for "goodness", the
        // commoner word, and heads its own line, with examples, for
        // "virtue": its own line names its main sense. "virtue" is met on
        // three lines of the dictionary; where it is met only on the own line,
        // it might be a rarity of the dictionary, and the ranking stands.
        const QByteArray lines = "Güte {f}; Tugend {f} :: goodness\n"
                                 "Tugend {f} | Tugenden {pl} | Tugend und Laster | aus der Not eine Tugend machen :: "
                                 "virtue | virtues | virtues and vices | to make a virtue (out) of necessity\n";
        const QByteArray others = "Heilkraft {f} :: healing power; healing virtue\n"
                                  "Kardinaltugend {f} :: cardinal virtue\n";
        const QStringList core{QStringLiteral("goodness")};
        const QStringList virtue = englishItemsOf(lines + others, core, QStringLiteral("Tugend"));
        QCOMPARE(virtue, (QStringList{QStringLiteral("virtue"), QStringLiteral("goodness")}));
        const QStringList rare = englishItemsOf(lines, core, QStringLiteral("Tugend"));
        QCOMPARE(rare, (QStringList{QStringLiteral("goodness"), QStringLiteral("virtue")}));
        // A field tag after the own line's later synonym names the field of
        // the whole line, also where its English word is no core word: the
        // line is no plain own line, and the commoner "goodness" stays first.
        const QByteArray tagged = "Güte {f}; Tugend {f} :: goodness\n"
                                  "Tugend {f}; Rechtschaffenheit {f} [phil.] | Tugenden {pl} :: virtue | virtues\n";
        const QByteArray goodness =
            "Allgütigkeit {f} Gottes [relig.] :: absolute goodness of God; omnibenevolence of God; "
            "all-bountifulness of God\n"
            "Gott sei Dank! | Gott sei Dank, es ist Freitag! :: Thank goodness!; Thank God! | Thank goodness/Thank "
            "God it’s Friday! /TGIF/\n"
            "Oh Gott!; Du liebe Zeit!; Ach du lieber Gott!; Oh jeminie!; Ach du meine Güte; Jesses!; Gute Güte! "
            "{interj} :: Oh my god! /OMG/; Oh my Gawd!; Oh, my goodness!; Oh my gosh!; Oh my word!\n";
        const QStringList field = englishItemsOf(tagged + others + goodness, core, QStringLiteral("Tugend"));
        QCOMPARE(field, (QStringList{QStringLiteral("goodness"), QStringLiteral("virtue")}));
    }

    void putsTheGermanWordsOwnEntryBeforeALaterSynonymsWord()
    {
        // "dienstlich" is a later synonym of a bare line for "functional"
        // and heads a full entry, with examples, for "official": the entry
        // names its own sense although its field tag marks it. "official" is
        // met on three lines of the dictionary.
        const QByteArray text =
            "amtlich; dienstlich {adj} :: functional\n"
            "dienstlich {adj} [adm.] | dienstliche Angelegenheit; Dienstsache | dienstlich (offiziell) werden | "
            "für dienstliche Zwecke | aus dienstlichen Gründen | Das ist aus dienstlichen Gründen nicht möglich. :: "
            "official; business … | official matter; matter of official concern | to take on an official tone | for "
            "official purposes | in the interests of the service | The requirement/needs of the service do not "
            "allow it.\n"
            "Amtsbescheid {m} (Patent) [adm.] :: official letter [Br.]; official action [Am.] (patent)\n"
            "(einzelnes) Amtsgeheimnis {n} [adm.] | Amtsgeheimnisse {pl} | ein Amtsgeheimnis verraten :: official "
            "secret | official secrets | to disclose an official secret\n";
        const QStringList core{QStringLiteral("functional")};
        const QStringList official = englishItemsOf(text, core, QStringLiteral("dienstlich"));
        QVERIFY2(official.size() == 2 && official.first() == QStringLiteral("official"),
                 qPrintable(official.join(u", ")));
    }

    void keepsTheOwnEntrysWordBeforeALaterSynonymsPhrase()
    {
        // "Gradmesser" is kept for "acid test", where it is the last synonym
        // of the line ("Nagelprobe {f}; Lackmustest {m}; Prüfstein {m};
        // Gradmesser {m} (für etw.) | ... :: acid test; ..."); "measure", the
        // word of its own entry ("Gradmesser {m}; Zeichen {n}; Indikator {m}
        // (für etw.) | Gradmesser {pl}; ... :: measure; gauge [Br.]; ..."),
        // comes from a full row and still goes first: the phrase names one
        // use of the word. A word of a line the German word heads keeps the
        // first place a core word of a full row gives way to.
        GermanSources sources;
        sources.ranked = true;
        sources.ownSenses = true;
        sources.englishToGerman.insert(QStringLiteral("measure"),
                                       {QStringLiteral("Maß"), QStringLiteral("Schicht"), QStringLiteral("Maßnahme"),
                                        QStringLiteral("Zeichen"), QStringLiteral("Lager"),
                                        QStringLiteral("Maßeinheit"), QStringLiteral("Gradmesser")});
        sources.englishToGerman.insert(QStringLiteral("acid test"),
                                       {QStringLiteral("Nagelprobe"), QStringLiteral("Gradmesser")});
        for (const char *german : {"Maß", "Schicht", "Maßnahme", "Zeichen", "Lager", "Maßeinheit"})
            sources.germanToEnglish.insert(QString::fromUtf8(german), {QStringLiteral("measure")});
        sources.germanToEnglish.insert(QStringLiteral("Nagelprobe"), {QStringLiteral("acid test")});
        sources.germanToEnglish.insert(QStringLiteral("Gradmesser"),
                                       {QStringLiteral("measure"), QStringLiteral("acid test"),
                                        QStringLiteral("protractor")});
        const QStringList core{QStringLiteral("measure"), QStringLiteral("acid test")};
        QCOMPARE(germanRows(selectGermanCore(core, sources, schema::kMaxRows)).value(QStringLiteral("Gradmesser"))
                     .first(),
                 QStringLiteral("acid test"));
        sources.headedSenses.insert(QStringLiteral("Gradmesser\nmeasure"));
        sources.headedLineWords.insert(QStringLiteral("Gradmesser\nmeasure"));
        QCOMPARE(germanRows(selectGermanCore(core, sources, schema::kMaxRows)).value(QStringLiteral("Gradmesser")),
                 (QStringList{QStringLiteral("measure"), QStringLiteral("acid test"), QStringLiteral("protractor")}));
        // A single word the row was kept for still takes the place.
        sources.englishToGerman.insert(QStringLiteral("gauge"), {QStringLiteral("Gradmesser")});
        sources.germanToEnglish.insert(QStringLiteral("Gradmesser"),
                                       {QStringLiteral("measure"), QStringLiteral("gauge"),
                                        QStringLiteral("acid test")});
        const QStringList gaugeCore{QStringLiteral("measure"), QStringLiteral("gauge")};
        QCOMPARE(germanRows(selectGermanCore(gaugeCore, sources, schema::kMaxRows))
                     .value(QStringLiteral("Gradmesser")).first(),
                 QStringLiteral("gauge"));
    }

    void keepsTheEnglishWordSpeltLikeTheGermanOne()
    {
        // "laptop" stands fourth on the line and is no core word; the row of
        // "Laptop" had only the line's first word and the core word.
        const QByteArray text =
            "Notebook {n}; Laptop {m}; Klapprechner {m}; Schlepptop {m} [humor.] [comp.] | Notebooks {pl}; "
            "Laptops {pl}; Klapprechner {pl} :: notebook computer/PC; laptop computer/PC; notebook; laptop | "
            "notebook computers/PCs; notebooks; laptops\n"
            "Hüfte {f}; Coxa {f} [anat.] | Hüften {pl} | schnappende Hüfte | mit wiegenden "
            "Hüften :: hip; haunch; coxa | hips | snapping hip | with hips swaying\n";
        const QStringList core{QStringLiteral("notebook"), QStringLiteral("hip")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList laptop = sources.germanToEnglish.value(QStringLiteral("Laptop"));
        QVERIFY2(laptop.contains(QStringLiteral("laptop")), qPrintable(laptop.join(u", ")));
        // The word keeps the place of a later synonym: the Latin name of the
        // body part does not go before the line's first word.
        const QStringList coxa = sources.germanToEnglish.value(QStringLiteral("Coxa"));
        QCOMPARE(coxa, (QStringList{QStringLiteral("hip"), QStringLiteral("coxa")}));
    }

    void givesALaterSynonymItsOwnLookAlike()
    {
        // The line's first English word is the first German word's; the
        // later synonym "antibiotisch" has its own look-alike further on.
        // "wise [archaic]" is an old word, not the main sense of "Weise".
        const QByteArray text =
            "bakterienhemmend; bakteriostatisch; keimhemmend; antibiotisch; antibakteriell {adj} [med.] | "
            "bakterienhemmende Wirkung {f}; keimhemmende Wirkung {f}; Bakterienhemmung {f}; Keimhemmung {f}; "
            "Bakteriostase {f} [pharm.] :: bacteriostatic; antibiotic; antibacterial | bacteriostatic effect; "
            "bacteriostatic action; bacteriostasis\n"
            "Art und Weise {f}; Art {f}; Weise {f} | eine merkwürdige Art | auf ungeklärte Art :: way; manner; "
            "fashion; style; wise [archaic] | a strange / an odd way | in an unexplained way\n";
        const QStringList core{QStringLiteral("antibiotic"), QStringLiteral("way"), QStringLiteral("wise")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("antibiotisch")),
                 (QStringList{QStringLiteral("antibiotic"), QStringLiteral("bacteriostatic")}));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("bakteriostatisch")).first(),
                 QStringLiteral("bacteriostatic"));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Weise")).first(), QStringLiteral("way"));
        // The English row keeps the line's own order.
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("antibiotic")).first(),
                 QStringLiteral("bakterienhemmend"));
    }

    void keepsTheLinesFirstWordBeforeAnotherRegionsSlang()
    {
        // "can" is a common word and a core word, but on this line only the
        // American slang for what "loo" names first; "bonce" and "nut" keep
        // the line's order too.
        const QByteArray text =
            "Klo {n} [ugs.] (Ort und Sanitäreinrichtung); das stille Örtchen; Keramikabteilung {f} [humor.]; "
            "Häusl {n} [Ös.] [slang] (Ort) | im Klo; auf dem Klo :: loo [Br.] [coll.]; khazi [Br.] [coll.]; "
            "karzy [Br.] [coll.]; bog [Br.] [slang]; john [Am.] [slang]; can [Am.] [slang]; cludgie [Sc.] [slang] | "
            "in the loo; in the john [Am.]\n"
            "Birne {f}; Rübe {f}; Kürbis {m}; Keks {m} [Dt.]; Plutzer {m} [Ös.]; Grind [Schw.] [ugs.] (Kopf) | "
            "jdm. eins auf die Rübe geben {vt} [slang] :: bonce [Br.] [coll.]; nut [Br.] [slang]; bean [slang]; "
            "nob [slang] (head) | to bean sb. [slang]\n"
            "Dose {f}; Büchse {f} | Dosen {pl}; Büchsen {pl} :: tin [Br.]; can [Am.] | tins; cans\n";
        const QStringList core{QStringLiteral("can"), QStringLiteral("nut"), QStringLiteral("tin")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Klo")).value(0), QStringLiteral("loo"));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Rübe")).value(0), QStringLiteral("bonce"));
        // A plain regional word shares the first place as before.
        QVERIFY(sources.germanToEnglish.value(QStringLiteral("Dose")).contains(QStringLiteral("can")));
    }

    void leavesAbusiveWordsOutOfANeutralWordsRow()
    {
        // The dictionary tags the group of abusive names once, after its last
        // word; "Jew" is the row's only word. A neutral adjective loses its
        // tagged item and keeps the plain ones, and a German word that is
        // itself abusive or colloquial keeps its English match, as does a word
        // only "often" used so.
        const QByteArray text =
            "Jude {m} | Juden {pl} | Jüdin {f} :: Jew | Jews | Jewess\n"
            "Jude {m} :: kike; hymie; sheeny [pej.]\n"
            "vaterlandslos {adj} :: without a native land; stateless; unpatriotic [pej.]\n"
            "Fettsack {m}; Fettwanst {m}; Dickwanst {m}; Fettmops {m}; Fettkloß {m} [ugs.] [pej.] | Fettsäcke {pl}; "
            "Fettwänste {pl}; Dickwänste {pl}; Fettmöpse {pl}; Fettklöße {pl} :: fatso; fatty; butterball [Am.] "
            "[coll.] [pej.] | fatsoes; fatties; butterballs\n"
            "Art {f}; Sorte {f} :: ilk (often [pej.])\n"
            "Niete {f} :: fuck-up [vulg.]\n";
        const QStringList core{QStringLiteral("Jew"),      QStringLiteral("kike"),       QStringLiteral("hymie"),
                               QStringLiteral("stateless"), QStringLiteral("unpatriotic"), QStringLiteral("butterball"),
                               QStringLiteral("ilk"),       QStringLiteral("fuck-up")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Jude")), QStringList{QStringLiteral("Jew")});
        const QStringList stateless = sources.germanToEnglish.value(QStringLiteral("vaterlandslos"));
        QVERIFY2(stateless.contains(QStringLiteral("stateless")) && !stateless.contains(QStringLiteral("unpatriotic")),
                 qPrintable(stateless.join(u", ")));
        QVERIFY(!sources.germanToEnglish.contains(QStringLiteral("Niete")));
        QVERIFY(sources.germanToEnglish.value(QStringLiteral("Fettsack")).contains(QStringLiteral("butterball")));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Art")), QStringList{QStringLiteral("ilk")});
        QVERIFY(!sources.englishToGerman.contains(QStringLiteral("kike")));
    }

    void leavesAnExplanationOutOfARow()
    {
        // A sentence that explains the custom is no word to learn; an idiom
        // of eight words still is one.
        const QByteArray text =
            "Almauftrieb {m}; Auftrieb {m} (von Vieh) :: ceremonial driving/bringing up of cattle from the valley "
            "to the mountain pastures in spring\n"
            "Auftrieb {m} (physikalisches Phänomen in Flüssigkeiten und Gasen) [aviat.] [naut.] [phys.] | "
            "aerostatischer Auftrieb | aerodynamischer Auftrieb :: lift | aerostatic lift | aerodynamic lift\n"
            "jdn. reizen; provozieren {vt} :: to be like a red rag to a bull\n";
        const GermanSources sources =
            germanSourcesFromTrans(text, {QStringLiteral("lift"), QStringLiteral("be like a red rag to a bull")});
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Auftrieb")), QStringList{QStringLiteral("lift")});
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("reizen")),
                 QStringList{QStringLiteral("be like a red rag to a bull")});
    }

    void keepsACommonerLookAlikeBeforeALaterHeadedLine()
    {
        // "plate" is the look-alike of the later synonym "Platte" and the
        // commoner word; the earlier plain line headed by "Platte" gives the
        // serving dish, a narrower use.
        const QByteArray text =
            "Platte {f}; Teller {n}; Schale {f} [cook.] | Platten {pl}; Teller {pl}; Schalen {pl} | Servierplatte "
            "{f}; Servierteller {f} :: dish | dishes | serving dish\n"
            "Scheibe {f}; Platte {f}; Teller {m} [techn.] | Scheiben {pl}; Platten {pl}; Teller {pl} :: disc [Br.]; "
            "disk [Am.]; plate | discs; disks; plates\n"
            "Tafel {f}; Platte {f} | Tafeln {pl}; Platten {pl} | Täfelchen {n} :: plate | plates | platelet\n"
            "Teller {m} | Teller {pl} | ein Teller Suppe :: plate | plates | a plate of soup\n";
        const QStringList core{QStringLiteral("plate"), QStringLiteral("dish"), QStringLiteral("disc")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList platte = sources.germanToEnglish.value(QStringLiteral("Platte"));
        QVERIFY2(platte.value(0) == QStringLiteral("plate"), qPrintable(platte.join(u", ")));
        QVERIFY(platte.contains(QStringLiteral("dish")));
    }

    void takesOnlyAListedLookAlikeInItsMainSpelling()
    {
        // "ulcus" is no English word of the list, only a learned form; "gild"
        // respells the line's first word "guild". Without a list, every
        // look-alike counts.
        const QByteArray text =
            "Geschwür {n}; Ulkus {n} [med.] | Geschwüre {pl}; Ulzera {pl} :: ulcer; ulcus | ulcers; ulcus\n"
            "Zunft {f}; Gilde {f} [hist.] | Zünfte {pl}; Gilden {pl} | Goldschmiedezunft {f} :: guild; gild | "
            "guilds; gilds | guild of goldsmiths; goldsmiths’ gild\n"
            "Gegengift {n}; Antidotum {n}; Antidot {n} [med.] | Gegengifte {pl}; Antidoten {pl} :: counterpoison; "
            "antidote | counterpoisons; antidotes\n";
        const QStringList core{QStringLiteral("ulcer"), QStringLiteral("guild"), QStringLiteral("antidote")};
        const QSet<QString> list{QStringLiteral("ulcer"), QStringLiteral("guild"), QStringLiteral("gild"),
                                 QStringLiteral("antidote")};
        const GermanSources listed = germanSourcesFromTrans(text, core, countTransWords(text), list);
        QCOMPARE(listed.germanToEnglish.value(QStringLiteral("Ulkus")).value(0), QStringLiteral("ulcer"));
        QCOMPARE(listed.germanToEnglish.value(QStringLiteral("Gilde")).value(0), QStringLiteral("guild"));
        QCOMPARE(listed.germanToEnglish.value(QStringLiteral("Antidot")).value(0), QStringLiteral("antidote"));
        const GermanSources unlisted = germanSourcesFromTrans(text, core);
        QCOMPARE(unlisted.germanToEnglish.value(QStringLiteral("Ulkus")).value(0), QStringLiteral("ulcus"));
    }

    void keepsAPlainSenseBeforeANarrowedUse()
    {
        // "gall" is let in from a full row; "blowhole" is given for "Galle"
        // only narrowed to a casting defect, "gall" by a plain line. A word
        // the row was kept for still takes the place.
        GermanSources sources;
        sources.ranked = true;
        sources.ownSenses = true;
        QStringList gall;
        for (const char *german : {"Gallenflüssigkeit", "Bitterkeit", "Groll", "Frechheit", "Dreistigkeit",
                                   "Gallapfel"}) {
            gall.append(QString::fromUtf8(german));
            sources.germanToEnglish.insert(gall.last(), {QStringLiteral("gall")});
        }
        gall.append(QStringLiteral("Galle"));
        sources.englishToGerman.insert(QStringLiteral("gall"), gall);
        sources.englishToGerman.insert(QStringLiteral("bile"), {QStringLiteral("Galle")});
        sources.germanToEnglish.insert(QStringLiteral("Galle"),
                                       {QStringLiteral("gall"), QStringLiteral("blowhole"), QStringLiteral("bile")});
        sources.plainFirstSenses.insert(QStringLiteral("Galle\ngall"));
        const QStringList core{QStringLiteral("gall"), QStringLiteral("bile")};
        QCOMPARE(germanRows(selectGermanCore(core, sources, schema::kMaxRows)).value(QStringLiteral("Galle")),
                 (QStringList{QStringLiteral("gall"), QStringLiteral("blowhole"), QStringLiteral("bile")}));
        sources.germanToEnglish.insert(QStringLiteral("Galle"),
                                       {QStringLiteral("gall"), QStringLiteral("bile"), QStringLiteral("blowhole")});
        QCOMPARE(germanRows(selectGermanCore(core, sources, schema::kMaxRows)).value(QStringLiteral("Galle")).first(),
                 QStringLiteral("bile"));
    }

    void keepsACoreWordWhoseOwnRowIsFull()
    {
        // "commission" has seven general words before the banking sense, so
        // its row leaves "Provision" out; the row of "Provision", kept for
        // "premium", still offers "commission", the main sense of its main
        // entry, and first: a core word let in from a full row gives way to
        // the words the row was kept for, but not on the word's own entry.
        const QByteArray text =
            "Amt {n}; Dienst {m}; Betrieb {m}; Tätigkeit {f} :: commission\n"
            "Auftrag {m}; Instruktion {f} | Aufträge {pl}; Instruktionen {pl} :: commission | commissions\n"
            "Auftrag {m}; Weisung {f}; Aufgabe {f}; Bestellung {f} | Aufträge {pl}; Weisungen {pl}; Aufgaben {pl}; "
            "Bestellungen {pl} | einen Auftrag ausführen :: commission | commissions | to carry out a commission\n"
            "Provision {f} [fin.] | Bankprovision {f} | auf/gegen Provision | Provision für die Übernahme einer "
            "Effektionemission :: commission | bank commission; banking commission; banker’s commission | on "
            "commission | underwriting commission\n"
            "Provision {f}; Nebeneinnahme {f}; Schmiergeld {n} | Provisionen {pl}; Nebeneinnahmen {pl}; "
            "Schmiergelder {pl} :: kickback | kickbacks\n"
            "Bonus {m}; Prämie {f}; Provision {f} | Boni {pl}; Bonusse {pl}; Prämien {pl}; Provisionen {pl} :: "
            "premium; bonus | premiums; bonuses\n";
        const QStringList core{QStringLiteral("commission"), QStringLiteral("premium")};
        const GermanCore selected = selectGermanCore(core, germanSourcesFromTrans(text, core), schema::kMaxRows);
        QCOMPARE(selected.englishGerman.first().source, QStringLiteral("commission"));
        QVERIFY(!selected.englishGerman.first().target->contains(QStringLiteral("Provision")));
        const QHash<QString, QStringList> rows = germanRows(selected);
        const QStringList provision = rows.value(QStringLiteral("Provision"));
        for (const char *word : {"premium", "commission", "kickback"})
            QVERIFY2(provision.contains(QLatin1String(word)), qPrintable(provision.join(u", ")));
        QCOMPARE(provision.first(), QStringLiteral("commission"));
    }

    void keepsTheHeadedEntrysWordBeforeABareLinesWord()
    {
        // T:145530, T:145531, T:145533: "trim", let in from a full row, is
        // the word of the line "gepflegt" heads with its forms; "sophisticated"
        // comes from a bare line it heads. The bare line gives a side sense
        // and does not take the first place from the entry with forms.
        const QByteArray text =
            "gepflegt; elegant; schick; raffiniert {adj} :: sophisticated\n"
            "gepflegt; ordentlich; proper {adj} | gepflegter; ordentlicher | am gepflegtesten; am ordentlichsten "
            ":: trim | trimmer | trimmest\n"
            "gepflegt {adj} | gepflegter | am gepflegtesten | gut gepflegt | ungepflegt :: groomed | more groomed "
            "| most groomed | well groomed | badly groomed\n";
        const QStringList core{QStringLiteral("trim"), QStringLiteral("groomed")};
        GermanSources sources = germanSourcesFromTrans(text, core);
        // The order the whole dictionary gives the senses, where "trim" is
        // the commoner word.
        sources.germanToEnglish.insert(QStringLiteral("gepflegt"),
                                       {QStringLiteral("trim"), QStringLiteral("sophisticated"),
                                        QStringLiteral("groomed")});
        // Six commoner words fill the row of "trim" before "gepflegt".
        QStringList trim;
        for (const char *german : {"stutzen", "beschneiden", "Form", "Zustand", "ordentlich", "Rand"}) {
            trim.append(QString::fromUtf8(german));
            sources.germanToEnglish.insert(trim.last(), {QStringLiteral("trim")});
        }
        trim.append(QStringLiteral("gepflegt"));
        sources.englishToGerman.insert(QStringLiteral("trim"), trim);
        const QStringList gepflegt = germanRows(selectGermanCore(core, sources, schema::kMaxRows))
                                         .value(QStringLiteral("gepflegt"));
        QVERIFY2(gepflegt.size() == 3 && gepflegt.first() == QStringLiteral("trim"),
                 qPrintable(gepflegt.join(u", ")));
        QVERIFY(gepflegt.contains(QStringLiteral("sophisticated")));
    }

    void readsTheOwnLinesOfAQualifiedVerb()
    {
        // T:140469, T:131555: the only line of "näher bestimmen" with a core
        // word is a grammar term; its everyday sense stands on a line with
        // no core word, where it is a later synonym.
        const QByteArray lines =
            "etw. einschränken; etw. näher bestimmen {vt} [ling.] | einschränkend; näher bestimmend | "
            "eingeschränkt; näher bestimmt :: to modify sth. | modifying | modified\n"
            "etw. genau angeben; genau festlegen; näher bestimmen (Person); vorsehen (Sache) {vt} | genau "
            "angebend; genau festlegend; näher bestimmend; vorsehend | genau angegeben; genau festgelegt; näher "
            "bestimmt; vorgesehen :: to specify sth. | specifying | specified\n";
        const QStringList core{QStringLiteral("modify")};
        const QStringList items = englishItemsOf(lines, core, QStringLiteral("näher bestimmen"));
        QVERIFY2(items.contains(QStringLiteral("modify")) && items.contains(QStringLiteral("specify")),
                 qPrintable(items.join(u", ")));

        // T:144749, T:172105: an adjective phrase that ends like an
        // infinitive is no verb; its lines without a core word stay unread.
        const QByteArray open =
            "ganz offen; ganz direkt; unverblümt; unverhohlen [geh.] {adj} | eine unverblümte Frage :: blunt; "
            "point-blank | a point-blank question\n"
            "weitgeöffnet; ganz offen {adj} :: wide-open\n";
        const QStringList blunt = englishItemsOf(open, {QStringLiteral("blunt")}, QStringLiteral("ganz offen"));
        QVERIFY2(blunt.contains(QStringLiteral("blunt")) && !blunt.contains(QStringLiteral("wide-open")),
                 qPrintable(blunt.join(u", ")));
    }

    void putsAnIrregularVerbsOwnEntryBeforeABareNoun()
    {
        // "Beschickung" has three lines for "feed", each bare or narrowed;
        // the verb's own entry, with the English past forms, names the main
        // sense, and "füttern" would otherwise fall out of the row's places.
        const QByteArray lines =
            "Beschickung {f} (Kerntechnik) :: feed; supply (nuclear engineering)\n"
            "Beschickung {f} :: feed\n"
            "Materialzufuhr {f}; Zufuhr {f}; Zuführung {f}; Speisung {f}; Beschickung {f} | Zuführung durch "
            "Schwerkraft; Schwerkraftzuführung; Gefällezuführung :: feed (of material) | gravity feed\n"
            "füttern; abfüttern; verpflegen {vt} | fütternd; abfütternd; verpflegend | gefüttert; abgefüttert; "
            "verpflegt | er/sie füttert | ich/er/sie fütterte | er/sie hat/hatte gefüttert | einem Tier zu "
            "fressen geben | gut gefüttert {adj} (Tier) | ungefüttert {adj} :: to feed {fed; fed} | feeding | fed "
            "| he/she feeds | I/he/she fed | he/she has/had fed | to feed an animal on | plump | unfed\n";
        const QStringList core{QStringLiteral("feed")};
        const QStringList feed = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("feed"));
        QVERIFY2(!feed.isEmpty() && feed.first() == QStringLiteral("füttern"), qPrintable(feed.join(u", ")));
        QVERIFY(feed.contains(QStringLiteral("Beschickung")));

        // A short line with the past forms names a side sense: the noun stays.
        const QByteArray sting = "Brennen {n}; brennender Schmerz :: sting\n"
                                 "jdn. necken {vt} | neckend | geneckt :: to sting {stung; stung} | stinging | stung\n";
        QCOMPARE(germanItemsOf(sting, QStringLiteral("sting")).value(0),
                 QStringLiteral("Brennen"));
    }

    void putsAPlainHeadBeforeAWordOnlyJudgedLinesGive()
    {
        // Both lines that give "gewohnheitsmäßig" first for "routine" are
        // scornful as a whole: the German section ends in "[pej.]" and the
        // English side carries it too. "Routine" heads a plain line.
        const QByteArray lines =
            "gewohnheitsmäßig; schematisch {adj}; Standard…; Routine… [pej.] :: routine; ordinary [pej.]\n"
            "gewohnheitsmäßig; schablonenhaft {adj}; Standard…; Routine… [pej.] | eine Therapie mit Ciclosporin n"
            "ach Schema [med.] :: routine; ordinary [pej.] | a routine therapy with cyclosporine; a routine cyclo"
            "sporine therapy\n"
            "Routineablauf {m} | Routineabläufe {pl} | automatisierte Routineabläufe [psych.] :: routine | routin"
            "es | automatic routines\n"
            "Routine {f} | Routine in etw. haben :: routine; practice; experience | to have experience in sth.\n"
            "Trott {m} :: routine\n"
            "routinemäßig; anlassunabhängig; laufend {adj} | laufende Wartung {f} :: routine | routine maintenanc"
            "e\n";
        const QStringList routine = germanItemsOf(lines, QStringLiteral("routine"));
        QVERIFY2(routine.value(0) == QStringLiteral("Routine"), qPrintable(routine.join(u", ")));
        QVERIFY(routine.contains(QStringLiteral("gewohnheitsmäßig")));
    }

    void putsAnUntaggedVerbBeforeItsFieldUse()
    {
        // Every line giving "govern" first tags it with a field; the grammar
        // line lists "regieren", whose own untagged line gives its general
        // sense with "govern" second.
        const QByteArray tagged =
            "etw. verlangen; regieren {vt} [ling.] | verlangend; regierend | verlangt; regiert | verlangt; regier"
            "t | verlangte; regierte | Diese Präposition verlangt den Akkusativ. :: to govern sth. | governing | "
            "governed | governs | governed | This preposition governs the accusative (case).\n"
            "etw. regeln {vt} [jur.] | regelnd | geregelt :: to govern sth. | governing | governed\n";
        const QByteArray plain =
            "regieren; herrschen {vi} (über) | regierend | regiert | über ein Land herrschen | regierungsfähig se"
            "in | regierungsunfähig sein :: to reign (over); to govern | reigning; governing | reigned; governed "
            "| to reign over a country | to be fit to govern | to be unfit to govern\n";
        const QStringList core{QStringLiteral("govern")};
        const QStringList govern = germanSourcesFromTrans(tagged + plain, core).englishToGerman.value(QStringLiteral("govern"));
        QVERIFY2(govern.value(0) == QStringLiteral("regieren"), qPrintable(govern.join(u", ")));
        QVERIFY(govern.contains(QStringLiteral("verlangen")));
        // Without that line the grammar verb's own ranking stands.
        QCOMPARE(germanSourcesFromTrans(tagged, core).englishToGerman.value(QStringLiteral("govern")).value(0),
                 QStringLiteral("verlangen"));
    }

    void keepsALongPlainEntryAmongTheRowsPlaces()
    {
        // Six words of short lines give "vision" first, three of them tagged;
        // the long entry of "Sehkraft" gives it third.
        const QByteArray shortLines =
            "Weitblick {m} | ein Mann mit Weitblick :: vision | a man of vision\n"
            "Traumbild {n} | Traumbilder {pl} :: vision; ideal image; fantasy image | visions; ideal images; fant"
            "asy images\n"
            "Leitvorstellung {f} :: vision; general outline; guiding idea; key principle\n"
            "Vision {f}; Vorstellung {f}; Sicht {f} (von etw.) [übtr.] | Visionen {pl}; Vorstellungen {pl}; Sicht"
            "en {pl} |  schreckliche Vorstellung; Schreckbild {n} :: vision (of sth.) [fig.] | visions | dreadful"
            " vision; terrifying vision\n"
            "Sehschärfe {f}; Sehstärke {f}; Visus {m} [med.] | ein Visus von 20/20 | jds. Sehstärke überprüfen/pr"
            "üfen :: visual acuity /VA/; vision | 20/20 vision | to test sb.’s visual acuity/vision\n";
        const QByteArray sehkraft =
            "Sehkraft {f}; Sehvermögen {n}; Sehen {n}; Augenlicht {n} [geh.] | Raumsehvermögen {n} | begrenztes S"
            "ehvermögen | eingeschränktes Sehvermögen | gutes Sehvermögen | peripheres Sehen | räumliches Sehen; "
            "stereoskopisches Sehen; Stereopsis | schlechtes Sehvermögen | Verlust der Sehkraft/des Sehvermögens "
            "| seine Sehkraft / sein Augenlicht verlieren | Probleme mit dem Sehen haben | auf dem rechten Auge w"
            "enig/geringe Sehkraft haben | verschwommen sehen | Er sieht schon sehr schlecht.; Seine Augen sind s"
            "chon sehr schlecht. [ugs.] :: eyesight; sight; vision | stereoscopic vision | narrow vision | limite"
            "d vision; impaired eyesight; reduced eyesight; visual impairment | good vision | peripheral vision |"
            " binocular vision; stereopsis | bad eyesight; poor sight | loss of eyesight/sight/vision | to lose y"
            "our sight/eyesight | to have problems with your eyesight; to have vision problems | to have little s"
            "ight in your right eye | to have a blurred vision | His sight is already very bad/poor.; He already "
            "has very bad/poor eyesight/vision.\n";
        const QStringList core{QStringLiteral("vision")};
        const QStringList vision =
            germanSourcesFromTrans(shortLines + sehkraft, core).englishToGerman.value(QStringLiteral("vision"));
        QVERIFY2(vision.indexOf(QStringLiteral("Sehkraft")) > 0 && vision.indexOf(QStringLiteral("Sehkraft")) < 6,
                 qPrintable(vision.join(u", ")));
        QCOMPARE(vision.value(0), QStringLiteral("Weitblick"));
        // It goes before the first tagged word, not before the plain ones.
        QVERIFY(vision.indexOf(QStringLiteral("Sehkraft")) < vision.indexOf(QStringLiteral("Vision")));
        QVERIFY(vision.indexOf(QStringLiteral("Leitvorstellung")) < vision.indexOf(QStringLiteral("Sehkraft")));
    }

    void putsTheMainEntrysHeadBeforeALaterSynonym()
    {
        const QByteArray conceptLines =
            "Begriff {m}; Begrifflichkeit {f} [geh.] | Begriffe {pl}; Begrifflichkeiten {pl} | nominalistischer A"
            "rtenbegriff [biol.] | realistischer Artenbegriff [biol.] | Begriff, der sich einer genauen Definitio"
            "n entzieht :: concept | concepts | nominalistic species concept | realistic species concept | concep"
            "t which somehow evades precise definition\n"
            "Konzept {n}; Konzeption {f}; Plan {m}; Entwurf {m} | Konzepte {pl}; Konzeptionen {pl}; Pläne {pl}; E"
            "ntwürfe {pl} | Konzepte {pl} | Arbeitskonzept {n}; Werkkonzept {n} | Förderkonzept {n} [fin.] | Neuk"
            "onzeption {f} | Testkonzept {n} | Konzept zur Überdruckdifferenz | ein Konzept für die Kontamination"
            "süberwachung | ein Konzept erstellen; erarbeiten; ausarbeiten; entwickeln :: concept | concepts | co"
            "ncepts | work concept | funding concept | new concept | test concept; testing concept | high pressur"
            "e differential concept | a contamination control concept | to draw up; to work out; to frame; to for"
            "mulate; to develop a concept\n";
        const QStringList core{QStringLiteral("concept"), QStringLiteral("beach")};
        const QStringList row = germanSourcesFromTrans(conceptLines, core).englishToGerman.value(QStringLiteral("concept"));
        QVERIFY2(row.value(0) == QStringLiteral("Konzept"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("Plan")));
        // A later synonym that the head compounds is the plainer word.
        const QByteArray beach =
            "Badestrand {m}; Strand {m} | Badestrände {pl}; Strände {pl} | Kiesstrand {m} | Kieselstrand {m} | Pa"
            "lmenstrand {m} | Sandstrand {m} | Stadtstrand {m} | Das Leben ist kein Spaziergang. [übtr.]; Das Leb"
            "en ist nicht einfach. :: beach | beaches | gravel beach | pebble beach; shingle beach | palm-fringed"
            " beach; palm-lined beach | sand beach; sandy beach | city beach; town beach | Life’s no beach. [fig."
            "]\n"
            "Strand {m}; Ufer {n}; Gestade {n} | Strände {pl} :: strand | strands\n";
        QCOMPARE(germanSourcesFromTrans(beach, core).englishToGerman.value(QStringLiteral("beach")).value(0),
                 QStringLiteral("Strand"));
    }

    void keepsAPlainAdverbBeforeANarrowedMainEntry()
    {
        // The examples make "eigentlich"'s line the longest, but its note
        // narrows it to one use; the plain adverb names "by the way".
        const QByteArray lines =
            "eigentlich {adv} (Frage nach Grundsätzlichem) | Kannst du eigentlich blind tippen? | Wie war eigentl"
            "ich das Konzert? | Von wem stammt eigentlich die Idee? | Hast du eigentlich noch das Original? | Du "
            "Papa, was sind eigentlich Kriminelle? | Was willst du eigentlich? | Wem gehört eigentlich dieses Hau"
            "s? | Was hat er eigentlich? :: by the way; incidentally (prepositive); exactly; anyway (postpositive"
            ") | By the way, can you touch-type? | Incidentally, how was the concert? | Who originated the idea, "
            "by the way? | Incidentally, do you still have the original? | Dad, what exactly are criminals?; Dad,"
            " what are criminals anyway? | What exactly do you want?; What’s bothering you anyway? | Whose house "
            "is this anyway? | What’s the matter with him anyway?\n"
            "übrigens; nebenbei bemerkt {adv} | Ach, übrigens :: by the way /BTW/ | Oh, by the way /OBTW/\n";
        const QStringList core{QStringLiteral("by the way")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("by the way"));
        QVERIFY2(row.value(0) == QString::fromUtf8("übrigens"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("eigentlich")));
    }

    void putsAPlainVerbBeforeOneNarrowedToItsObject()
    {
        // "warten" ranks high as "to wait"; for "maintain" the line names
        // only its use on a machine, and the plain line with the verb's
        // forms leads.
        const QByteArray lines =
            "(eine Maschine) warten {vt} | wartend | gewartet :: to maintain; to service (a machine) | maintainin"
            "g; servicing | maintained; serviced\n"
            "beibehalten; erhalten; unterhalten {vt} | beibehaltend; erhaltend; unterhaltend | beibehalten; erhal"
            "ten; unterhalten | behält bei; erhält; unterhält | behielt bei; erhielt; unterhält :: to maintain | "
            "maintaining | maintained | maintains | maintained\n";
        const QStringList core{QStringLiteral("maintain")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("maintain"));
        QVERIFY2(row.value(0) == QStringLiteral("beibehalten"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("warten")));
    }

    void prefersAPlainVerbLineGivingTheWordAlone()
    {
        // Both plain lines give the verb's forms; "versorgen" shares
        // "maintain" with "support sb.", the other line gives it alone.
        const QByteArray lines =
            "(eine Maschine) warten {vt} | wartend | gewartet :: to maintain; to service (a machine) | maintainin"
            "g; servicing | maintained; serviced\n"
            "jdn. versorgen {vt} | versorgend | versorgt | Mit seiner Arbeit konnte er seine Frau und seine Kinder "
            "gut versorgen. :: to maintain; to support sb. | maintaining; supporting | maintained; supported | His "
            "job comfortably maintained / supported his wife and children.\n"
            "beibehalten; erhalten; unterhalten {vt} | beibehaltend; erhaltend; unterhaltend | beibehalten; erhal"
            "ten; unterhalten | behält bei; erhält; unterhält | behielt bei; erhielt; unterhält :: to maintain | "
            "maintaining | maintained | maintains | maintained\n";
        const QStringList core{QStringLiteral("maintain")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("maintain"));
        QVERIFY2(row.value(0) == QStringLiteral("beibehalten"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("versorgen")));
    }

    void keepsAnotherSensesPlainEntryInTheRow()
    {
        // The sport line's later synonyms, one narrowed by a note, filled
        // the row's places before the match (to light) had one.
        const QByteArray lines =
            "Spiel {n}; Wettkampf {m}; Kampf {m} (Einzelsportart); Match {n} (Ballsport) [sport] | Spiele {pl}; Wettkämpfe "
            "{pl}; Kämpfe {pl}; Matche {pl} | Ausscheidungsspiel {n} :: match | matches | elimination match; knockout "
            "[Br.]\n"
            "gleichkommen {vi}; ebenbürtig sein {v}; sich messen {vr} mit | gleichkommend; ebenbürtig seiend; sich "
            "messend mit | gleichgekommen; ebenbürtig gewesen; sich gemessen mit | Die Läufer sind einander ebenbürtig. "
            "| ein ebenbürtiger Kampf :: to match | matching | matched | The runners are evenly matched. | an even "
            "match\n"
            "übereinstimmen {vi} (Muster) | übereinstimmend | übereingestimmt :: to match; to go together | matching; "
            "going together | matched; gone together\n"
            "übereinstimmen {vi} (gleich sein) (zwei oder mehr Sachen) | übereinstimmend | übereingestimmt | Die "
            "Werte stimmen nicht überein. :: to match (of two or more things) | matching | matched | The values "
            "do not match.\n"
            "Treffer {m}; Übereinstimmung {f} (bei etw.) (beim Abgleichen) | Zufallsübereinstimmung {f} | eine "
            "genaue Übereinstimmung beim Geburtsort | völlige Farbübereinstimmung | Die Datenbankabfrage anhand "
            "der Namen ergab eine mögliche Übereinstimmung in beiden Fällen. | Der Abgleich des DNS-Profils mit "
            "unserer Datenbank hat keinen Treffer ergeben. | Die Fingerabdrücke wurden in unserer Datenbank gespeichert "
            "und werden künftig permanent abgeglichen. :: match (on sth.) (in comparisons) | random match | an exact "
            "match on the place of birth | colour match | Following a database query using the names a possible match "
            "was found for both. | We have checked the DNA profile against our database records, but no match was "
            "found. | The fingerprints have been stored on our database for any possible future match.\n"
            "Streichholz {n}; Zündholz {n}; Schwefelhölzchen {n} [veraltet] | Streichhölzer {pl}; Zündhölzer "
            "{pl}; Zünder {pl} [Ös.]; Schwefelhölzchen {pl} | bengalisches Hölzchen | ein Streichholz anzünden "
            "| Darf ich Sie um ein Streichholz bitten? | Ich habe alle ihre Briefe in die Spüle gelegt und angezündet. "
            ":: match; matchstick | matches; matchsticks | Bengal match | to light/strike a match | May I trouble "
            "you for a match? | I put all her letters into the sink and put a match to them.\n";
        const QStringList core{QStringLiteral("match")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("match"));
        QVERIFY2(row.mid(0, 6).contains(QStringLiteral("Streichholz")), qPrintable(row.join(u", ")));
        QCOMPARE(row.value(0), QStringLiteral("Spiel"));
        QVERIFY(row.contains(QStringLiteral("Kampf")));
    }

    void putsANounsOwnEntryBeforeAFieldsLine()
    {
        // "Hülse" heads only the technical line and is a later synonym on
        // the other; "Ärmel" and "Muffe" head plain entries of the word
        // alone (with these lines only, they rank alike).
        const QByteArray lines =
            "Hülse {f}; Büchse {f} [techn.] | Hülsen {pl}; Büchsen {pl} | Positionierhülse {f} | Zentrierhülse "
            "{f} :: sleeve; bushing | sleeves; bushings | positioning sleeve | centring sleeve; centering sleeve\n"
            "Muffe {f}; Hülse {f}; Manschette {f} | Muffen {pl}; Hülsen {pl}; Manschetten {pl} | Schiebemuffe {f} "
            "| Schutzmuffe gegen Abrieb | Würgehülse {f} :: sleeve | sleeves | sliding sleeve | chafing sleeve "
            "| twisting sleeve\n"
            "Ärmel {m} | Ärmel {pl} | mit Ärmeln | die Ärmel hochkrempeln; in die Hände spucken; in die Hosen "
            "steigen [Schw.] (aktiv werden) :: sleeve | sleeves | sleeved | to roll up one’s sleeves (take action)\n"
;
        const QStringList core{QStringLiteral("sleeve")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("sleeve"));
        QVERIFY2(row.value(0) == QString::fromUtf8("Ärmel") || row.value(0) == QStringLiteral("Muffe"),
                 qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QString::fromUtf8("Hülse")));
    }

    void putsANounsOwnEntryBeforeAShortSharedLine()
    {
        // "Tempo" leads "Klammer" on the subtitle list by less than a tenth,
        // from a short line that shares "clip" with a colloquial word;
        // "Klammer" heads an entry of the word alone, with its plural.
        const QByteArray lines =
            "Tempo {n}; Zahn {m} [ugs.] [in Zusammensetzungen] | in scharfem Tempo | in vollem Tempo; mit einem Affenzahn; "
            "rasant :: clip; lick [Br.] [coll.] [in compounds] | at a good clip; at a fair lick [Br.]; at a lick "
            "[Br.] | at a fast / rapid clip; at a great lick [Br.]\n"
            "Klammer {f}; Bügel {m} | Klammern {pl}; Bügel {pl} :: clip | clips\n";
        const QStringList core{QStringLiteral("clip")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("clip"));
        QVERIFY2(row.value(0) == QStringLiteral("Klammer"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("Tempo")));
    }

    void putsANounsPlainPluralLineBeforeItsFieldUse()
    {
        // The [sport] line is the first long line "Verwarnung" heads, but it
        // gives no plural: its sections are the sport's phrases. The plain
        // line with the plural gives the noun's own sense, "warning".
        const QByteArray verwarnung =
            "Verwarnung {f}; Ermahnung {f}; Verweis {m}; Tadel {m}; Warnung {f} :: admonishment\n"
            "Verwarnung {f}; gelbe Karte {f}; Gelb {n} [ugs.] [sport] | gelb-rote Karte (Fussball) | eine "
            "Verwarnung erhalten; eine gelbe Karte erhalten | einem Spieler die gelbe Karte zeigen | vom "
            "Schiedsrichter die gelbe Karte erhalten (wegen) :: booking; yellow card | second yellow card | to be "
            "booked; to be yellow carded | to yellow card a player | to be yellow carded by the referee (for)\n"
            "Verwarnung {f} | Verwarnungen {pl} | schriftliche Verwarnung :: warning | warnings | written warning\n";
        const QStringList warning = englishItemsOf(verwarnung, {QStringLiteral("warning")},
                                                   QStringLiteral("Verwarnung"));
        QVERIFY2(warning.value(0) == QStringLiteral("warning"), qPrintable(warning.join(u", ")));
        QVERIFY(warning.contains(QStringLiteral("booking")));
        // A field's line that gives the plural is the noun's own entry ("eye"
        // is the commoner word).
        const QByteArray knospe = "Knospe {f} [bot.] | Knospen {pl} :: bud | buds\n"
                                  "Knospe {f} | Knospen {pl} :: eye | eyes\n";
        const QStringList bud = englishItemsOf(knospe, {QStringLiteral("bud"), QStringLiteral("eye")},
                                               QStringLiteral("Knospe"));
        QVERIFY2(bud.value(0) == QStringLiteral("bud"), qPrintable(bud.join(u", ")));
        // A plain line's rarer word is a learned synonym, not the noun's sense.
        const QByteArray ehe = "Ehe {f} [soc.] | arrangierte Ehe | gleichgeschlechtliche Ehe; Homo-Ehe {f} | eine "
                               "glückliche Ehe :: marriage (state of being married) | arranged marriage | same-sex "
                               "marriage; gay marriage | a happy marriage; a contented married life\n"
                               "Ehe {f}; Ehestand {m} | Ehen {pl} :: wedlock | wedlocks\n"
                               "Ehe {f} (katholisches Sakrament) [relig.] :: Matrimony (Catholic Sacrament)\n";
        const QStringList marriage = englishItemsOf(ehe, {QStringLiteral("marriage")}, QStringLiteral("Ehe"));
        QVERIFY2(marriage.value(0) == QStringLiteral("marriage"), qPrintable(marriage.join(u", ")));
    }

    void putsTheLookAlikeOfAFullerEntryBeforeAnotherWordsLine()
    {
        // "Delegation" heads no line. "mission" is the commoner word but
        // names the sense of the line's head, "Mission"; the entry with the
        // plurals and examples gives the look-alike, whatever its tag.
        const QByteArray lines =
            "Abordnung {f}; Delegation {f} {+Gen./bei} [adm.] | Abordnungen {pl}; Delegationen {pl} | "
            "Handelsdelegation {f} | eine Delegation der europäischen Union | eine Delegation führen :: "
            "delegation (from/to) | delegations | trade delegation | a delegation from the European Union | to "
            "head a delegation\n"
            "Abordnung {f}; Delegation {f} :: deputation\n"
            "Mission {f}; Abordnung {f}; Delegation {f} | Missionen {pl}; Abordnungen {pl}; Delegationen {pl} :: "
            "mission | missions\n";
        const QStringList row = englishItemsOf(lines, {QStringLiteral("mission"), QStringLiteral("delegation")},
                                               QStringLiteral("Delegation"));
        QVERIFY2(row.value(0) == QStringLiteral("delegation"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("mission")));
    }

    void keepsTheLookAlikesPlainLineBeforeAFieldsLongerOne()
    {
        // The [fin.] line is the longest that gives "coupon" first, with the
        // field's compounds; the plain line of "Coupon", which two lines give
        // first, names the everyday coupon.
        const QByteArray lines =
            "Abrissabschnitt {m}; Abriss {m}; abtrennbarer Abschnitt {m}; Abschnitt {m} zum Abtrennen; "
            "Abrisscoupon {m} [Dt.] [Schw.]; Coupon {m} [Dt.] [Schw.]; Abrisskupon {m} [Ös.]; Kupon {m} [Ös.]; "
            "Talon {m} [Schw.]; Abrisszettel {m} [ugs.] | Abrissabschnitte {pl}; Abrisse {pl}; abtrennbare "
            "Abschnitte {pl}; Abschnitte {pl} zum Abtrennen; Abrisscoupons {pl}; Coupons {pl}; Abrisskupons {pl}; "
            "Kupons {pl}; Talons {pl}; Abrisszettel {pl} :: coupon; counterfoil [Br.]; stub [Am.]; tear-off slip; "
            "detachable portion | coupons; counterfoils; stubs; tear-off slips; detachable portions\n"
            "Coupon {m}; Kupon {m} | Coupons {pl}; Kupons {pl} :: coupon; voucher | coupons; vouchers\n"
            "Zinsschein {m}; Kupon {m} [fin.] | Zinsscheine {pl}; Kupons {pl} | Einlösung von Zinsscheinen | "
            "Kuponsammelstelle {f} :: coupon | coupons | coupon collection | coupon collection department\n";
        const QStringList coupon = germanItemsOf(lines, QStringLiteral("coupon"));
        QVERIFY2(coupon.value(0) == QStringLiteral("Coupon"), qPrintable(coupon.join(u", ")));
        QVERIFY(coupon.contains(QStringLiteral("Zinsschein")));
    }

    void putsAPlainHeadBeforeOneNarrowedByANoteInFront()
    {
        // "(geistige) Anziehungskraft" names the chemistry between people;
        // the plain line gives the word's general sense. The [phys.] line,
        // first in the file, is shorter than the plain one, so no line is
        // a clear main entry; neither English word is on the subtitle list,
        // and the dictionary mentions "chemistry" more often.
        const QByteArray lines =
            "Anziehungskraft {f} [phys.] | atomare Anziehungskraft :: attraction; power of attraction; "
            "attractional force | nuclear attraction\n"
            "Anziehungskraft {f}; Attraktivität {f} (zwischen jdm./von etw.) | körperliche "
            "Anziehungskraft/Attraktivität | die zeitlose Anziehungskraft einer schönen Melodie | Sie fühlten sich "
            "ziemlich schnell voneinander angezogen. | Das Stadtleben finde ich wenig reizvoll. :: attraction; "
            "attractiveness (between sb./of sth.) | physical attraction/attractiveness | the timeless attraction "
            "of a good tune | The attraction between them was almost immediate. | City life holds little "
            "attraction for me.\n"
            "(geistige) Anziehungskraft {f}; Chemie {f} [ugs.] | Die Chemie stimmt zwischen den beiden. :: "
            "chemistry | The chemistry is right between them.\n"
            "Chemie {f} [chem.] | analytische Chemie | anorganische Chemie | organische Chemie :: chemistry | "
            "analytical chemistry | inorganic chemistry | organic chemistry\n"
            "Blutchemie {f} :: blood chemistry\n"
            "Chemie heißer Atome; Rückstoßchemie {f} [chem.] :: hot atom chemistry; recoil chemistry\n"
            "Gaschemie {f} [chem.] :: gas chemistry\n";
        const QStringList row = englishItemsOf(lines, {QStringLiteral("attraction"), QStringLiteral("chemistry")},
                                               QStringLiteral("Anziehungskraft"));
        QVERIFY2(row.value(0) == QStringLiteral("attraction"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("chemistry")));
    }

    void putsTheWordSpeltAsTheNounOfAFullEntryFirst()
    {
        // The tool's entry (shortened here from 52 sections) lists "Hammer"
        // second and tags it [techn.]; the bare plural line gives "sledge",
        // and "bit hit" (the source's typo for "big hit") is on the subtitle
        // list by its words.
        const QByteArray lines =
            "Hammer {m} (als Repräsentationsgegenstand) | Hämmer {pl} | Auktionshammer {m} | Hammer des "
            "Vorsitzenden (bei einer förmlichen Zusammenkunft) | Richterhammer {m} :: gavel | gavels | auction "
            "gavel | chairman’s gavel | judge’s gavel\n"
            "Hammer {m} | Hämmer {pl} :: sledge | sledges\n"
            "Hammer {m} (Gehörknöchelchen) [anat.] :: malleus; hammer (auditory ossicle)\n"
            "Knaller {m}; Knüller {m}; Hammer {m}; Hit {m}; tolle Sache {f} :: bit hit; cracker [Br.]; blast "
            "[Am.]; stem-winder [Am.] [coll.]; corker [Br.] [dated] <stemwinder> <stem winder>\n"
            "Werkzeughammer {m}; Hammer {m} [techn.] | Werkzeughämmer {pl}; Hämmer {pl} | Abrichthammer {m}; "
            "Pritschhammer {m} (Schmiede) |  Abrichthämmer {pl}; Pritschhämmer {pl} | Anschlaghammer {m}; "
            "Anschlagfäustel {n} [min.] |  Anschlaghämmer {pl}; Anschlagfäustel {pl} | Bohrfäustel {n} [min.] "
            "[hist.] |  Bohrfäustel {pl} :: hammer (tool) | hammers | planing hammer (forge) | planing hammers | "
            "pounding hammer | pounding hammers | miner’s hammer; hammer for driving the bores | miner’s "
            "hammers; hammers for driving the bores\n";
        const QStringList core{QStringLiteral("hammer"), QStringLiteral("sledge"), QStringLiteral("gavel")};
        const QStringList row = englishItemsOf(lines, core, QStringLiteral("Hammer"));
        QVERIFY2(row.value(0) == QStringLiteral("hammer"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("sledge")));
    }

    void putsTheMainEntrysHeadBeforeANearTie()
    {
        // "quietschen" edges out "Rost" on the subtitle list, but it is a
        // later synonym of a bare verb line; "Rost" heads the noun's main
        // entry.
        const QByteArray lines =
            "knirschen; kratzen; quietschen {vi} | knirschend; kratzend; quietschend | geknirscht; gekratzt; gequietscht "
            ":: to grate | grating | grated\n"
            "Rost {m}; Gitter {n} | Roste {pl}; Gitter {pl} | Bodenrost {m} [constr.] | Etagenrost {m} | Feuerrost "
            "{m} | Treppenrost {m} | durch den Rost fallen :: grate; grating | grates; gratings | gully grating; "
            "sewer grating | multistage grate; stage grate | hearth grate; fireplace grate | stepped grate; step "
            "grate; graduated grate | to fall through the grate\n"
            "etw. raspeln; raffeln; reiben {vt} (Käse, Obst, Gemüse) [cook.] | raspelnd; raffelnd; reibend | geraspelt; "
            "geraffelt; gerieben | raspelt; raffelt; reibt | raspelte; raffelte; rieb | Kartoffeln reiben | geriebener "
            "Käse :: to grate sth. (cheese, fruits, vegetables) | grating | grated | grates | grated | to grate "
            "potatoes | grated cheese\n"
;
        const QStringList core{QStringLiteral("grate")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("grate"));
        QVERIFY2(row.value(0) == QStringLiteral("Rost"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("quietschen")));
    }

    void readsAVerbGivenOnlyWithItsTwoObjects()
    {
        // "to vaccinate sb. against sth." is the verb's only entry; the noun
        // line gives the rare noun "vaccinate", the verb's word more lines
        // use. Both prepositions belong to the second object, so the German
        // verb is read without its own.
        const QByteArray lines =
            "Impfling {m} [med.] | Impflinge {pl} | Impfling, der keine Immunreaktion zeigt | Impfling, der nur eine "
            "eingeschränkte Immunreaktion zeigt :: vaccinee; vaccinate; person to be vaccinated; vaccinated person | "
            "vaccinees; vaccinates | non-responder | low-responder\n"
            "jdn. gegen etw. impfen {vt} [med.] | impfend | geimpft | impft | impfte | nicht geimpft | doppelt "
            "geimpft; zweifach geimpft :: to inoculate; to vaccinate sb. against sth. | inoculating; vaccinating | "
            "inoculated; vaccinated | inoculates; vaccinates | inoculated; vaccinated | unvaccinated | "
            "double-vaccinated; double-jabbed [Br.]; double-vaxxed [coll.]\n"
            "jdn. neuerlich/erneut/neu impfen; jdn. wiederimpfen; jdn. revakzinieren [med.] {v} [med.] | "
            "neuerlich/erneut/neu impfend; wiederimpfend; revakzinierend | neuerlich/erneut/neu geimpft; "
            "wiedergeimpft; revakziniert :: to reinoculate sb.; to revaccinate sb. | reinoculating; revaccinating | "
            "reinoculated; revaccinated\n"
            "jdn. von etw. befreien; jdn. von etw. freistellen {vt} | befreiend; freistellend | befreit; freigestellt "
            "| jdn. von der Steuer befreien | jdn. vom Militärdienst freistellen | von etw. befreit sein :: to exempt "
            "sb. from sth. | exempting | exempted | to exempt sb. from tax | to exempt sb. from military service | "
            "to be exempt from sth.\n"
            // "um" does not render "of": "jdn. um etw. bringen" is no "bringen".
            "jdn. um etw. bringen; jdn. um etw. prellen [veraltend] {vt} | Senioren um ihren Besitz bringen | jdn. "
            "um die Früchte seiner Arbeit bringen :: to scam sb. out of sth.; to bilk sb. (out) of sth.; to mulct "
            "sb. of sth. | to bilk seniors out of their possessions | to mulct sb. of the fruit of their toil\n"
            // A plain line of the verb: the phrase's words are uses of it.
            "sichern; absichern {vt} | sichernd; absichernd | gesichert; abgesichert :: to protect | protecting | "
            "protected\n"
            "jdn./etw. vor jdm./etw. schützen; beschützen; behüten [geh.]; gegen etw. abschirmen {vt}; etw. "
            "protektieren {vt} [geh.] | schützend; beschützend; behütend; abschirmend | geschützt; beschützt; "
            "behütet; abgeschirmt | nicht geschützt | geschützte Person {f} :: to protect sb./sth. from sb./sth. | "
            "protecting | protected | unprotected | protected person\n"
            // A reflexive verb is another verb than the plain one.
            "sich in etw. vertiefen {vr} :: to immerse oneself in sth.\n";
        const QStringList core{QStringLiteral("vaccinate"), QStringLiteral("exempt"), QStringLiteral("bilk"),
                               QStringLiteral("protect"), QStringLiteral("immerse")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList vaccinate = sources.englishToGerman.value(QStringLiteral("vaccinate"));
        QCOMPARE(vaccinate, (QStringList{QStringLiteral("impfen"), QStringLiteral("Impfling")}));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("impfen")), QStringList{QStringLiteral("vaccinate")});
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("exempt")),
                 (QStringList{QStringLiteral("befreien"), QStringLiteral("freistellen")}));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("bilk")),
                 (QStringList{QStringLiteral("bringen um"), QStringLiteral("prellen um")}));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("protect")),
                 (QStringList{QStringLiteral("sichern"), QStringLiteral("absichern")}));
        QVERIFY(!sources.englishToGerman.contains(QStringLiteral("immerse")));
    }

    void putsAVerbOfTwoObjectsAfterTheGermanWordsOwnSenses()
    {
        // "anbinden" heads its own entries for "lash" and "fasten"; the line
        // of "to rope sth. to sth." names one use of it.
        const QByteArray lines =
            "(ein Tier) anbinden; festbinden {vt} | anbindend; festbindend | angebunden; festgebunden | bindet an; "
            "bindet fest | band an; band fest :: to tether up (an animal) | tethering | tethered | tethers | "
            "tethered\n"
            "etw. (mit einem Seil) an etw. anbinden {vt} | Das Pferd wurde an den Zaun (an)gebunden. :: to rope "
            "sth. to sth. | The horse was roped to the fence.\n"
            "anbinden; festbinden; festzurren {vt} | anbindend; festbindend; festzurrend | angebunden; "
            "festgebunden; festgezurrt :: to lash | lashing | lashed\n"
            "anbinden; befestigen {vt} | anbindend; befestigend | angebunden; befestigt :: to fasten | fastening | "
            "fastened\n";
        const QStringList core{QStringLiteral("rope"), QStringLiteral("lash"), QStringLiteral("fasten")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("rope")), QStringList{QStringLiteral("anbinden")});
        const QStringList anbinden = sources.germanToEnglish.value(QStringLiteral("anbinden"));
        QCOMPARE(anbinden.value(anbinden.size() - 1), QStringLiteral("rope"));
    }

    void putsTheOwnAdjectiveEntryBeforeASideOne()
    {
        // "klein" has its own entry for "small"; its later entry for "low"
        // is a side sense beside the own entry of "niedrig".
        const QByteArray lines =
            "klein; gering; unbedeutend {adj} | kleiner; geringer; unbedeutender | am kleinsten; am geringsten; am "
            "unbedeutendsten | so klein wie möglich; möglichst klein; kleinstmöglich | das kleinste Problem | "
            "aufgrund des geringen Zeitunterschieds | Klein aber fein. | Klein, aber mein. | Das sind Peanuts.; Das "
            "ist ein Klacks/eine Lappalie (im Vergleich zu …). | Die Versicherungsprämie ist ein Klacks gegenüber "
            "dem, was wir zahlen müssten, wenn das Haus abbrennt. :: small | smaller | smallest | as small as "
            "possible | the smallest problem | since the time difference is very small | Small but fine.; Small but "
            "nice.; Small but excellent. | Small but mine. | That’s small beer [Br.] / potatoes [Am.] (compared to "
            "…). | The insurance premium is small beer/potatoes compared to what we’d have to pay if the house "
            "burnt down.\n"
            "klein; gering {adj} | kleiner; geringer | am kleinsten; am geringsten | geringe Temperatur | trotz der "
            "geringen Mitarbeit | in Anbetracht des geringen finanziellen Schadens | Eine Reparatur lohnt sich "
            "aufgrund des geringen Werts des Autos nicht. :: low | lower | lowest | low temperature | despite the "
            "low level of participation | in view of the low level of financial losses | The repair is not "
            "worthwhile due to the car’s low value.\n"
            "niedrig; flach; gering; tief; leise (Stimme) {adj} | niedriger; flacher; geringer; tiefer; leiser | am "
            "niedrigsten; am flachsten; am geringsten; am tiefsten; am leisesten | so niedrig wie; so tief wie; "
            "hinunter bis zu | niedrige Höhe; niedriges Niveau | auf niedrigerer Ebene :: low | lower | lowest; "
            "lowermost | as low as | low level | at a lower level\n";
        const QStringList core{QStringLiteral("small"), QStringLiteral("low")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList low = sources.englishToGerman.value(QStringLiteral("low"));
        QCOMPARE(low.mid(0, 2), (QStringList{QStringLiteral("niedrig"), QStringLiteral("klein")}));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("small")).value(0), QStringLiteral("klein"));
    }

    void readsAPluralSectionForAnEnglishPlural()
    {
        // "rules" stands only in the plural section of the main entry of
        // "Regel"; "Reglement" is the only line giving it in a first section.
        // The slang and the building trade's plurals stay out.
        const QByteArray lines =
            "Regel {f}; Spielregel {f} | Regeln {pl}; Spielregeln {pl} | Lernregel {f} | Merkregel {f} | "
            "Vorrangsregeln {pl}; Vorrangregeln {pl} | Regeln und Bestimmungen | in der Regel; im Regelfall :: "
            "rule | rules | learning rule | standard rule | rules of priority; priority rules | rules and "
            "regulations | as a rule; as a general rule\n"
            "Maßtabelle {f}; Maßtafel {f} [constr.] | Maßtabellen {pl}; Maßtafeln {pl} :: rule; run | rules; runs\n"
            "Reglement {n} :: regulations; rules\n"
            "Mechaniker {m}; Schmiermaxe {m} [slang] | Mechaniker {pl}; Schmiermaxen {pl} :: mechanic; "
            "mechanician [Am.]; mechanist [archaic] grease monkey [slang] | mechanics; mechanicians; mechanists; "
            "grease monkeys\n"
            "Mechanik {f} :: mechanics\n"
            "Anhänger {m}; Anhängerin {f}; Gefolgsmann {m} [geh.] [soc.] | Anhänger {pl}; Anhängerinnen {pl}; "
            "Gefolgsleute {pl} :: follower; acolyte | followers; acolytes\n"
            "Gefolgsleute {pl} :: followers\n";
        const QStringList core{QStringLiteral("rules"), QStringLiteral("mechanics"), QStringLiteral("followers")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList rules = sources.englishToGerman.value(QStringLiteral("rules"));
        QCOMPARE(rules.mid(0, 3), (QStringList{QStringLiteral("Reglement"), QStringLiteral("Regeln"),
                                               QStringLiteral("Spielregeln")}));
        QVERIFY2(!rules.contains(QStringLiteral("Maßtabellen")), qPrintable(rules.join(u", ")));
        QVERIFY(!sources.englishToGerman.value(QStringLiteral("mechanics")).contains(QStringLiteral("Schmiermaxen")));
        const QStringList followers = sources.englishToGerman.value(QStringLiteral("followers"));
        QVERIFY2(!followers.contains(QStringLiteral("Anhängerinnen")), qPrintable(followers.join(u", ")));
        // The plural keeps the English plural as its sense, so the rows keep it.
        const GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        QCOMPARE(germanRows(selected).value(QStringLiteral("Regeln")), QStringList{QStringLiteral("rules")});
    }

    void putsTheWordsOwnSpellingBeforeACapitalisedTitle()
    {
        // "Private [Br.]" names the soldier's rank; the adjective's line
        // gives "private" as it is spelt, and "privat" leads. A line that
        // gives the capitalised word only where no line gives the word in
        // its own spelling keeps its place ("Erde :: Earth").
        const QByteArray lines =
            "Soldat {m} [Dt.] [Schw.]; Rekrut {m} [Ös.] [Schw.]; Gemeiner {m} [hist.] (niedrigster Dienstgrad be"
            "i den Landstreitkräften) [mil.] :: Private [Br.]; Private E-1 /PVT/ [Am.]; Private Recruit [Can.] (l"
            "owest rank in the ground forces)\n"
            "privat; persönlich; nicht öffentlich {adj} | privat unterwegs sein :: private | to be travelling in"
            " a private capacity\n"
            "außerdienstlich {adj} :: private\n"
            "Erde {f} [astron.] | Tag der Erde :: Earth | Earth Day\n";
        const QStringList core{QStringLiteral("private"), QStringLiteral("earth")};
        const GermanSources sources = germanSourcesFromTrans(lines, core, countTransWords(lines));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("private")).value(0), QStringLiteral("privat"));
        QVERIFY(sources.englishToGerman.value(QStringLiteral("private")).contains(QStringLiteral("Soldat")));
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("earth")).value(0), QStringLiteral("Erde"));
    }

    void putsThePlainNounOfACompoundsLineBeforeNotedUses()
    {
        // "Klingel" is the plain word that "Türklingel" compounds, as "bell"
        // is in "doorbell"; it comes before the brass instrument's parts
        // that lines give only for "bell (wind instrument)".
        const QByteArray lines =
            "Glocke {f} [mus.] (Schlaginstrument) | Glocken {pl} | dorische Glocken :: bell | bells | Dorian bells\n"
            "Schallstück {m}; Schallbecher {m}; Stürze {f} (Blasinstrument) [mus.] | Schallstücke {pl}; Schallbec"
            "her {pl}; Stürzen {pl} :: bell (wind instrument) | bells\n"
            "Schalltrichter {m} (eines Blasinstruments) [mus.] | Schalltrichter {pl} :: bell (of a wind instrumen"
            "t) | bells\n"
            "Türklingel {f}; Klingel {f}; Türglocke {f}; Glocke {f} [Süddt.] [Ös.] [Schw.] [ugs.]; Schelle {f} [s"
            "elten] | Türklingeln {pl}; Klingeln {pl}; Türglocken {pl}; Glocken {pl}; Schellen {pl} | aufmachen g"
            "ehen; öffnen gehen (nach einem Türklingeln) | Hast du nicht gehört? Es hat geklingelt. :: doorbell; "
            "bell | doorbells; bells | to answer the doorbell | Didn’t you hear the doorbell ring?\n";
        const QStringList core{QStringLiteral("bell")};
        const QStringList row =
            germanSourcesFromTrans(lines, core, countTransWords(lines)).englishToGerman.value(QStringLiteral("bell"));
        QCOMPARE(row.mid(0, 2), (QStringList{QStringLiteral("Glocke"), QStringLiteral("Klingel")}));
    }

    void putsAPlainOwnEntryBeforeNarrowedUses()
    {
        // Two lines give "Dame" for a use each, noted on the English side;
        // their number does not make it the plain word's translation.
        const QByteArray text =
            "Dame {f} (Schachfigur) | Damen {pl} :: queen (chessman) | queens\n"
            "Dame {f} (Spielkarte - französisches Blatt) | Herzdame; Herz-Dame | Karodame; Karo-Dame | "
            "Treffdame; Treff-Dame; Kreuzdame; Kreuz-Dame | Pikdame; Pik-Dame :: queen (playing card) | queen "
            "of hearts | queen of diamonds | queen of clubs | queen of spades\n"
            "Königin {f} | Königinnen {pl} :: queen | queens\n"
            "Ober {f} (Spielkarte - deutsches Blatt) | Herzober {m}; Herz-Ober {m}; Rotober {m}; Rot-Ober {m} | "
            "Schellenober {m}; Schellen-Ober {m} | Eichelober {m}; Eichel-Ober {m} | Grünober {m}; Grün-Ober "
            "{m} :: queen (playing card) | queen of hearts | queen of diamonds | queen of clubs | queen of "
            "spades\n";
        const QStringList core{QStringLiteral("queen")};
        const QStringList queen = germanSourcesFromTrans(text, core).englishToGerman.value(QStringLiteral("queen"));
        QCOMPARE(queen.mid(0, 2), (QStringList{QStringLiteral("Königin"), QStringLiteral("Dame")}));
    }

    void readsANounNamedWithItsArticleOnBothSides()
    {
        // The articles go from the first sections' nouns; a German synonym
        // that keeps its article is left out of the line.
        const TransEntry rest = parseTransEntry(
            u"der Rest; das Übrige (von etw.) (das zur Vollständigkeit fehlt) | Der Rest sind nur stilistische "
            u"Überlegungen. :: the rest; the remaining part (of sth.) | The rest is just style considerations.");
        QCOMPARE(texts(rest.german), QStringList{QStringLiteral("Rest")});
        QCOMPARE(texts(rest.english), (QStringList{QStringLiteral("rest"), QStringLiteral("remaining part")}));
        const TransEntry self = parseTransEntry(
            u"das Ich {n}; das Ego {n} [phil.] | das absolute Ich | Ich und Nicht-Ich :: the self; the ego | the "
            u"absolute self; the absolute ego | ego and non-ego");
        QCOMPARE(texts(self.german), (QStringList{QStringLiteral("Ich"), QStringLiteral("Ego")}));
        QCOMPARE(texts(self.english), (QStringList{QStringLiteral("self"), QStringLiteral("ego")}));

        // Lines whose article names more than the noun keep it: an adjective
        // used as a noun, a note, a plural, a name, an object, an adjective
        // before the noun.
        for (const QString &line :
             {QStringLiteral("das Neue {n} :: the new; the unfamiliar; the novel"),
              QStringLiteral("die Reichen; die Wohlhabenden; die Begüterten; die gut Betuchten [soc.] | die "
                             "Besitzenden und die Besitzlosen :: the rich; the haves; the have-gots | the haves and "
                             "the have-nots"),
              QStringLiteral("das Wort (Rederecht bei einer förmlichen Zusammenkunft) | das Wort erhalten :: the "
                             "floor (right to speak in a formal meeting) | to be given the floor; to be allowed to "
                             "speak"),
              QStringLiteral("die Unerschrockenen; die Furchtlosen; die Mutigen {pl} :: the intrepid {pl}"),
              QStringLiteral("die Niederlande {f} /NL/ [geogr.] :: the Netherlands"),
              QStringLiteral("die Macht {f}; die Kraft {f} von etw. | die Macht/Kraft der Liebe :: the power of sth. "
                             "| the power of love"),
              QStringLiteral("die engsten Angehörigen :: the immediate family")}) {
            const TransEntry entry = parseTransEntry(line);
            QVERIFY2(entry.german.isEmpty() || entry.german.first().text.contains(u' '), qPrintable(line));
            QVERIFY2(entry.english.isEmpty() || entry.english.first().text.contains(u' '), qPrintable(line));
        }
    }

    void givesANounNamedWithItsArticleItsRows()
    {
        // "die Polizei :: the police" is the only line that gives the
        // everyday noun: read with its articles, "police" had only the
        // verb's and the adjective's words, and "Polizei" no row at all.
        const QByteArray text =
            "die Polizei {f} | Flugpolizei {f} | Kantonspolizei {f} [Schw.] | Nationalpolizei {f} | "
            "Schutzpolizei {f} /Schupo/ [Dt.] | Sicherheitspolizei {f} | Staatspolizei {f} | "
            "Wasserschutzpolizei {f} | berittene Polizei | städtische Polizei | Londoner Polizei | bei der "
            "Polizei | die Polizei rufen (holen) | amtliche Bezeichnung der irischen Polizei | für die Poizei "
            "arbeiten | Er ist bei der Polizei. | Die Polizei rät zur Vorsicht. :: the police; the Old Bill "
            "[Br.] [slang] (used with plural verb forms) | airborne police | cantonal police | national police "
            "| uniformed police (branch of police in Germany) | public security police | security police; "
            "Special Branch [Br.] | water police | mounted police | municipal police | Metropolitan Police "
            "(Service) /Met/ | with the police; in the police service | to call the police | the Garda "
            "Síochána, the Gardaí | to work for the police | He is in the police service. | Police are warning "
            "the public to be careful.\n"
            "(ein Gebiet/eine Einrichtung als Ordnungsmacht) kontrollieren; überwachen {vt} | kontrollierend; "
            "überwachend | kontrolliert; überwacht | die Flugverbotszone überwachen | Die Beamten kontrollieren "
            "die Straßen nach Verkehrsrowdys. | Die Küste wird vom Militär überwacht. | Die Behörde wurde "
            "eingerichtet, um die Atomindustrie zu überwachen. :: to police (an area/an institution) | policing "
            "| policed | to police the no-fly zone | The officers police the streets for reckless drivers. | "
            "The coast is policed by the military. | The agency was set up to police the nuclear power "
            "industry.\n"
            "polizeilich {adj} :: police; by the police\n"
            "Gendarmerie {f} :: (French) police; gendarmerie; gendarmery\n";
        const QStringList core{QStringLiteral("police")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        QCOMPARE(sources.englishToGerman.value(QStringLiteral("police")).value(0), QStringLiteral("Polizei"));
        const QHash<QString, QStringList> rows = germanRows(selectGermanCore(core, sources, schema::kMaxRows));
        QCOMPARE(rows.value(QStringLiteral("Polizei")).value(0), QStringLiteral("police"));
    }

    void readsAVerbGivenWithTwoObjectsAsTheVerb()
    {
        // "etw. mit jdm. teilen :: to share sth. (with sb.)": the English verb
        // takes no preposition, so the German one is "teilen", not "teilen
        // mit", which a row puts behind every other word.
        const QString share = QStringLiteral(
            "etw. gemeinsam (mit jdm.) benutzen; etw. mitbenutzen; (sich) etw. mit jdm. teilen {vt} | gemeinsam "
            "benutzend; mitbenutzend; teilend | gemeinsam benutzt; mitbenutzt; geteilt | eine Aufgabe, die sich "
            "die Eltern teilen | Ich bin gemeinsam mit zwei anderen in einem Büro. | Wir haben uns die letzte "
            "Schnitte geteilt. | Kinder müssen lernen, ihre Spielsachen mit anderen zu teilen. :: to share sth. "
            "(with sb.) | sharing | shared | a task shared by both parents | I share an office with two other "
            "people. | We shared the last slice. | Children need to learn to share their toys (with other kids).");
        QCOMPARE(texts(parseTransEntry(share).german),
                 (QStringList{QStringLiteral("gemeinsam benutzen"), QStringLiteral("mitbenutzen"),
                              QStringLiteral("teilen")}));
        const GermanSources sources = germanSourcesFromTrans(share.toUtf8() + '\n', {QStringLiteral("share")});
        QVERIFY(sources.englishToGerman.value(QStringLiteral("share")).contains(QStringLiteral("teilen")));
        QVERIFY(sources.germanToEnglish.value(QStringLiteral("teilen")).contains(QStringLiteral("share")));

        // Where the English verb keeps its preposition, the German one does
        // too: "halten für" is no "halten".
        const TransEntry take = parseTransEntry(
            u"etw. für etw. halten {vt} | etw. für selbstverständloch halten | Wofür / Für was hältst du mich? "
            u":: to take sth. for sth. | to take sth. for granted | What do you take me for?");
        QCOMPARE(texts(take.german), QStringList{QStringLiteral("halten für")});
    }

    void readsAVerbWithAnInfinitiveObjectAsTheVerb()
    {
        const TransEntry dare = parseTransEntry(
            u"etw. wagen; es wagen, etw. zu tun; sich etw. trauen; sich trauen, etw. zu tun {v} | wagend; sich "
            u"trauend | gewagt; sich getraut | er/sie wagt es; er/sie traut sich :: to dare to do sth. {dared, "
            u"durst [archaic]; dared} | daring | dared | he/she dares");
        QCOMPARE(texts(dare.german).mid(0, 2), (QStringList{QStringLiteral("wagen"), QStringLiteral("sich trauen")}));
        QCOMPARE(texts(dare.english), QStringList{QStringLiteral("dare")});
        // A German placeholder for the infinitive keeps the line as it is:
        // read "want", it gave the row of "want" the item "tun wollen".
        const TransEntry want = parseTransEntry(
            u"etw. tun wollen {vt} | Ich möchte nur, dass er ehrlich zu mir ist. :: to want to do sth.; to wish "
            u"to do sth.; to long to do sth. | I just want him to be honest with me.");
        QVERIFY(!texts(want.english).contains(QStringLiteral("want")));
        // A phrase with "be" needs its infinitive.
        const TransEntry about = parseTransEntry(
            u"im Begriff sein, etw. zu tun {v} :: to be about to do sth.; to be on the point of doing sth.");
        QVERIFY(!texts(about.english).contains(QStringLiteral("be about")));
    }

    void givesAReflexiveVerbTheSensesOfItsOwnLines()
    {
        // "sich krümmen :: to double up" gives no core word; the verb's row
        // takes its senses after those of the lines read for core words.
        const QByteArray text =
            "sich krümmen {vr} | sich krümmend | sich gekrümmt | sich vor Lachen krümmen/biegen | sich vor Tränen "
            "krümmen | sich vor Schmerzen krümmen :: to double up; to double over | doubling up; doubling over | "
            "doubled up; doubled over | to double up with laughter | to be doubled up in tears | to double over "
            "in pain\n"
            "sich krümmen; sich winden {vr} | sich krümmend; sich windend | sich gekrümmt; sich gewunden | krümmt "
            "sich; windet sich | krümmte sich; wand sich | sich vor Schmerzen winden/krümmen :: to writhe | "
            "writhing | writhed | writhes | writhed | to writhe in pain\n"
            "sich krümmen; sich wölben {vr} | sich krümmend; sich wölbend | sich gekrümmt; sich gewölbt | einen "
            "Buckel machen :: to hunch | hunching | hunched | to hunch one’s back\n";
        const QStringList core{QStringLiteral("writhe"), QStringLiteral("hunch")};
        const QStringList row = englishItemsOf(text, core, QStringLiteral("sich krümmen"));
        QVERIFY2(row.contains(QStringLiteral("double up")), qPrintable(row.join(u", ")));
        QCOMPARE(row.value(0), QStringLiteral("writhe"));

        // A line whose synonyms all give the verb with its object's
        // preposition ("sich schämen für") is the verb's own line too.
        const QByteArray shame =
            "erröten {vi}; rot werden {vi}; sich schämen {vr} | errötend; rot werdend; sich schämend | errötet; "
            "rot geworden; sich geschämt :: to blush; to redden; to colour up [Br.] | blushing; reddening | "
            "blushed; reddened\n"
            "sich für jdn. schämen; sich für/wegen etw. schämen {vr} [psych.] | sich schämend | sich geschämt | "
            "schämt sich | schämte sich | Du solltest dich was schämen! :: to be/feel ashamed of sb./sth. | "
            "being/feeling ashamed | been/felt ashamed | is/feels ashamed | was/felt ashamed | You ought to be "
            "ashamed of yourself!\n";
        const QStringList ashamed = englishItemsOf(shame, {QStringLiteral("blush")}, QStringLiteral("sich schämen"));
        QVERIFY2(ashamed.contains(QStringLiteral("be ashamed of")), qPrintable(ashamed.join(u", ")));

        // A line the verb heads with its object's preposition, beside other
        // verbs, is its own line too ("take part in" for "sich
        // beteiligen"); a line that lists it only after another verb is
        // that verb's ("weigh in" stays out).
        const QByteArray takePart =
            "sich beteiligen; sich einbringen; mitwirken {vi} (bei etw.) | sich beteiligend; sich einbringend; "
            "mitwirkend | sich beteiligt; sich eingebracht; mitgewirkt :: to contribute (to) | contributing | "
            "contributed\n"
            "sich an etw. beteiligen; an etw. (aktiv) teilnehmen; bei etw. mitmachen {vi} [soc.] | sich "
            "beteiligend; teilnehmend; mitmachend | sich beteiligt; teilgenommen; mitgemacht | beteiligt sich; "
            "nimmt teil; macht mit | beteiligte sich; nahm teil; machte mit | mitkämpfen [mil.] | mitreden; sich "
            "am Gespräch beteiligen | etw. mitsprechen (Gebet usw.) | mitspielen | jdn. mitkochen lassen | Die "
            "Eltern müssen sich sportlich engagieren und ihre Kinder zum Mitmachen animieren. :: to take part in "
            "sth.; to (actively) participate in sth.; to join in sth. | taking part; participating; joining | "
            "taken part; participated; joined | takes part; participates; joins | took part; participated; "
            "joined | to take part in the combat | to join in the conversation | to join in speaking sth. "
            "(prayer etc.) | to join in the game | to let sb. join in with the cooking | Parents need to engage "
            "with sport and encourage their children to participate/join in.\n"
            "sich einbringen; sich beteiligen {vr} (bei einer Aktivität / einem Wettbewerb) | sich einbringend; "
            "sich beteiligend | sich eingebracht; sich beteiligt | Wir haben uns alle mit Vorschlägen "
            "eingebracht. | Das Weingut der Familie Betz beteiligte sich mit neun Weinen. :: to weigh in [coll.] "
            "(join in an activity or competition) | weighing in | weighed in | We all weighed in with our "
            "suggestions. | Betz Family Winery weighed in with nine wines.\n";
        const QStringList beteiligen =
            englishItemsOf(takePart, {QStringLiteral("contribute")}, QStringLiteral("sich beteiligen"));
        QCOMPARE(beteiligen, (QStringList{QStringLiteral("contribute"), QStringLiteral("take part in"),
                                          QStringLiteral("join in")}));
    }

    void leavesOutEnglishSensesThatRepeatOrSpoilAnother()
    {
        // "recover from" repeats "recover" with the preposition of an object
        // the German verb does not name; "stand out by" and "trip up on"
        // leave their object's preposition hanging in a reflexive verb's row.
        const QByteArray text =
            "erholen; sich erholen {vr} | erholend; sich erholend | erholt; sich erholt :: to recover | "
            "recovering | recovered\n"
            "sich von etw. (wieder) erholen {vr} | sich erholend | sich erholt | Die Tourismusbranche erholt sich "
            "langsam und erreicht das Niveau von vor der Krise. :: to recover from sth. | recovering | recovered "
            "| The tourist industry is recovering to pre-crisis levels.\n"
            "sich auszeichnen; sich hervortun {vr}; hervorragen {vi} (bei; durch) | sich auszeichnend; sich "
            "hervortund; hervorragend | sich ausgezeichnet; sich hervorgetan; hervorgeragt :: to excel (in; at) | "
            "excelling | excelled\n"
            "sich durch etw. auszeichnen {vt} (Person, Sache) | sich auszeichnend | sich ausgezeichnet :: to stand "
            "out by sth. (person, matter) | standing out | stood out\n"
            "sich vertun {vr}; einen Fehler machen {vt} | Du hast einen Fehler gemacht. :: to make a mistake; to "
            "mistake {mistook; mistaken} | You made a mistake.\n"
            "bei etw. einen Fehler machen; sich bei etw. vertun {v} :: to trip up on sth.\n"
            "sich über jdn./etw. freuen; von jdm./etw. entzückt sein {v} | Es würde mich sehr freuen … :: to be "
            "delighed with sb./sth. | I would be delighted to …\n"
            "sich freuen {vr} :: to be glad\n";
        const QStringList core{QStringLiteral("recover"), QStringLiteral("excel"), QStringLiteral("mistake"),
                               QStringLiteral("be glad")};
        const QSet<QString> words{QStringLiteral("delighted"), QStringLiteral("glad"), QStringLiteral("be"),
                                  QStringLiteral("with")};
        const GermanSources sources = germanSourcesFromTrans(text, core, countTransWords(text), words);
        const GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        QHash<QString, QString> rows;
        for (const ImportRow &row : selected.germanEnglish)
            rows.insert(row.source, *row.target);
        QCOMPARE(rows.value(QStringLiteral("sich erholen")), QStringLiteral("recover"));
        QCOMPARE(rows.value(QStringLiteral("sich auszeichnen")), QStringLiteral("excel, stand out"));
        QCOMPARE(rows.value(QStringLiteral("sich vertun")), QStringLiteral("make a mistake, mistake, trip up"));
        QCOMPARE(rows.value(QStringLiteral("sich freuen")), QStringLiteral("be glad"));

        // A verb with a particle keeps it ("fill in" beside "fill"), and a
        // verb phrase with a preposition of its own keeps its English one.
        const QByteArray fill = "ausfüllen {vt} | ausfüllend | ausgefüllt :: to fill; to fill in | filling; "
                                "filling in | filled; filled in\n";
        QCOMPARE(germanSourcesFromTrans(fill, {QStringLiteral("fill")}).spoiltSenses.size(), 0);
    }

    void leavesOutFrenchWordsOfSetPhrasesAndPairedSingulars()
    {
        // trans-de-en gives "eau" alone once and once inside
        // "eau-de-cologne"; English uses it only in such phrases, so it is
        // no answer for "Wasser" beside "water". "Wasser {n} :: water" stands
        // for the line of the word's compounds, cut to its English word.
        const QByteArray water = "Wasser {n} :: water\n"
                                 "Wasser {n} :: eau\n"
                                 "Kölnisch Wasser {n} :: eau-de-cologne\n";
        // "bellow" is given beside "pair of bellows" on one line: the thing
        // is a plural only, and "bellow" (to roar) gives "bellows" its place.
        const QByteArray bellows =
            "Blasebalg {m}; Faltenbalg {m} | Blasebälge {pl}; Faltenbälge {pl} :: bellow; pair of bellows; bag "
            "bellow | bellows; pairs of bellows; bag bellows\n"
            "Faltenbalg {m} | Faltenbälge {pl} :: boot; gaiter | boots; gaiters\n"
            "Faltenbalg {m} (bei einem Wohnmobil-Aufstelldach) :: roof bellows (in motorhome pop top roofs)\n";
        const QSet<QString> words{QStringLiteral("water"),  QStringLiteral("boot"),   QStringLiteral("gaiter"),
                                  QStringLiteral("bellow"), QStringLiteral("bellows"), QStringLiteral("cologne")};
        const QStringList core{QStringLiteral("water"), QStringLiteral("boot")};
        const auto rowsOf = [&](const QByteArray &text) {
            const GermanSources sources = germanSourcesFromTrans(text, core, countTransWords(text), words);
            QHash<QString, QString> rows;
            for (const ImportRow &row : selectGermanCore(core, sources, schema::kMaxRows).germanEnglish)
                rows.insert(row.source, *row.target);
            return rows;
        };
        QCOMPARE(rowsOf(water).value(QStringLiteral("Wasser")), QStringLiteral("water"));
        const QString faltenbalg = rowsOf(bellows).value(QStringLiteral("Faltenbalg"));
        QVERIFY2(!faltenbalg.split(QStringLiteral(", ")).contains(QStringLiteral("bellow")), qPrintable(faltenbalg));
        QVERIFY2(faltenbalg.contains(QStringLiteral("bellows")), qPrintable(faltenbalg));
        // Only for the words of that line: the roar keeps its "bellow".
        const QByteArray roar = bellows + "Gebrüll {n} :: bellow\nGebrüll {n}; Getöse {n} :: roar\n";
        const GermanSources roared = germanSourcesFromTrans(
            roar, {QStringLiteral("bellow"), QStringLiteral("roar")}, countTransWords(roar), words);
        QVERIFY(roared.spoiltSenses.contains(QStringLiteral("Faltenbalg\nbellow")));
        QVERIFY(!roared.spoiltSenses.contains(QStringLiteral("Gebrüll\nbellow")));

        // A row the word is all of keeps it; "hors", given inside "hors
        // d'oeuvres" too, leaves the row of "außen", its English words stay.
        const QByteArray onlyEau = "Wasser {n} :: eau\nKölnisch Wasser {n} :: eau-de-cologne\n";
        QCOMPARE(germanSourcesFromTrans(onlyEau, core, countTransWords(onlyEau), words)
                     .spoiltSenses.contains(QStringLiteral("Wasser\neau")),
                 false);
        const QByteArray outside = "außen {adv} :: outside; outdoor; outdoors\naußen {adv} :: hors\n"
                                   "Vorspeisenteller {m} [cook.] :: variety of hors d'oeuvres\n";
        const GermanSources away = germanSourcesFromTrans(outside, {QStringLiteral("outside")},
                                                          countTransWords(outside), words);
        QVERIFY(away.spoiltSenses.contains(QStringLiteral("außen\nhors")));
        QVERIFY(!away.spoiltSenses.contains(QStringLiteral("außen\noutside")));
    }

    void readsANounNamedWithItsOwnerAsANoun()
    {
        // "jds. Lösungsansatz; jds. Rezept" carries no gender but names
        // nouns: it is no word of another class that heads the row before
        // the nouns' entries.
        const QByteArray lines =
            "jds. Lösungsansatz (für etw.); jds. Rezept (gegen etw.) | Mein Glücksrezept ist … | Der Lösungsansatz "
            "der Partei für den herrschenden Bildungsnotstand ist mehr Geld für Schulen und Universitäten. :: sb.’s "
            "prescription (for sth.) | My prescription for happiness is … | The party’s prescription for the "
            "present educational emergency is to give schools and universities more money.\n"
            "Verschreibung {f}; ärztliche Verordnung {f}; Rezept {n}; Rezeptur {f}; Präskription {f} [med.] | "
            "Verschreibungen {pl}; ärztliche Verordnungen {pl}; Rezepte {pl}; Rezepturen {pl}; Präskriptionen {pl} "
            "| Diätverschreibung {f} | ohne Rezept | ein Rezept ausstellen :: (medical) prescription; recipe; "
            "formula | prescriptions; medications; recipes | dietary prescription | without prescription | to "
            "write (out) a prescription\n";
        const QStringList core{QStringLiteral("prescription")};
        const QStringList row =
            germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("prescription"));
        QVERIFY2(row.value(0) == QStringLiteral("Rezept"), qPrintable(row.join(u", ")));
    }

    void putsALongEntryOfAnotherKindBeforeAShortLine()
    {
        // The noun's entry of many compounds and examples names the main
        // sense of "tunnel"; the verb phrase's short line is one use of it.
        const QByteArray lines =
            "Tunnel {m} [constr.] | Tunnel {pl}; Tunnels {pl} | Basistunnel {m} | Bergtunnel {m}; Gebirgstunnel {"
            "m} | Eisenbahntunnel {m}; Bahntunnel {m} | Flusstunnel {m}; Flussuntertunnelung {f}; Unterwassertunn"
            "el {m} | Hangtunnel {m} | Kehrtunnel {m} | Schraubtunnel {m} | Unterpflastertunnel {m} | Unterwasser"
            "tunnel {m} (in einer Meerenge) | Tunnel für Dienstzwecke; Diensttunnel {m} | Tunnel in Vortriebsbauw"
            "eise | Tunnel in bergmännischer Bauweise | Tunnel in offener Bauweise | Tunnel mit zwei Röhren; zwei"
            "röhriger Tunnel | versuchsweise vorgetriebener Tunnel | einen Tunnel anlegen | durch einen Tunnel fü"
            "hren (Straße) | Licht am Ende des Tunnels sehen [übtr.] :: tunnel | tunnels | base tunnel | mountain"
            " tunnel | railway tunnel [Br.]; railroad tunnel [Am.] | under-river tunnel | hillside tunnel | curve"
            "d alignment tunnel; tunnel on a curved alignment | spiral tunnel; helicoidal tunnel | soft-soil tunn"
            "el; shallow-buried tunnel | undersea tunnel | service tunnel | bored tunnel | mined tunnel | cut-and"
            "-cover tunnel; green tunnel | twin-bored tunnel | pilot tunnel | to cut a tunnel | to lead through a"
            " tunnel (road) | to see the light at the end of the tunnel [fig.]\n"
            "einen Tunnel graben/bohren/treiben (durch/unter/in etw.) {vi} | Insekten hatten Löcher in den Baum g"
            "ebohrt. | Die Gefangenen versuchten, sich einen Weg in die Freiheit zu graben. :: to tunnel (through"
            "/under/into sth.) | Insects had tunneled into the tree. | The prisoners tried to tunnel their way ou"
            "t.\n"
            "etw. untertunneln {vt} [techn.] | untertunnelnd | untertunnelt :: to tunnel sth. | tunnelling | tunn"
            "elled\n"
            "Sanduhr {f} (im Fels) (Klettern) :: tunnel (in the rock) (climbing)\n";
        const QStringList core{QStringLiteral("tunnel")};
        const QStringList row =
            germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("tunnel"));
        QVERIFY2(row.value(0) == QStringLiteral("Tunnel"), qPrintable(row.join(u", ")));
    }

    void keepsTheHeadOfAnAdjectivesEntryBesideItsLaterSynonyms()
    {
        // "niedrig" heads the adjective's own entry for "low" but misses the
        // subtitle list; its later synonyms "flach", "gering" and "tief",
        // supported by other lines, filled the row without it.
        const QByteArray lines =
            "klein; gering {adj} | kleiner; geringer | am kleinsten; am geringsten | geringe Temperatur | trotz d"
            "er geringen Mitarbeit | in Anbetracht des geringen finanziellen Schadens | Eine Reparatur lohnt sich"
            " aufgrund des geringen Werts des Autos nicht. :: low | lower | lowest | low temperature | despite th"
            "e low level of participation | in view of the low level of financial losses | The repair is not wort"
            "hwhile due to the car’s low value.\n"
            "flach; seicht {adj} | Der Fluss ist flach. | Das Wasser ist niedrig. :: low | The river is low. | Th"
            "e water is low.\n"
            "schwach; kraftlos {adj} :: low\n"
            "niedrig; flach; gering; tief; leise (Stimme) {adj} | niedriger; flacher; geringer; tiefer; leiser | "
            "am niedrigsten; am flachsten; am geringsten; am tiefsten; am leisesten | so niedrig wie; so tief wie"
            "; hinunter bis zu | niedrige Höhe; niedriges Niveau | auf niedrigerer Ebene :: low | lower | lowest;"
            " lowermost | as low as | low level | at a lower level\n"
            "erschöpft {adj} (Vorräte) :: low\n"
            "mies; fies; schäbig {adj} | ein mieser Trick | ein schäbiges Verhalten :: low (morally bad) | a low "
            "trick | low behaviour\n";
        const QStringList core{QStringLiteral("low")};
        const QStringList row = germanSourcesFromTrans(lines, core).englishToGerman.value(QStringLiteral("low"));
        QVERIFY2(row.size() >= 6, qPrintable(row.join(u", ")));
        const qsizetype niedrig = row.indexOf(QStringLiteral("niedrig"));
        QVERIFY2(niedrig >= 0 && niedrig < 6 && niedrig < row.indexOf(QStringLiteral("flach")),
                 qPrintable(row.join(u", ")));
    }

    void readsANoteOfExamplesAsNarrowing()
    {
        // A note that lists examples narrows its word to one use, with or
        // without an abbreviation in it ("usw.", "etc.", "z. B.").
        const TransEntry heritage =
            parseTransEntry(u"archäologisches Erbe {n} (einer Region usw.) :: archaeology (of a region etc.)");
        QVERIFY(heritage.german.at(0).noted);
        QVERIFY(heritage.english.at(0).noted);
        const TransEntry claw = parseTransEntry(u"Schere {f}; Zange {f} (eines Krebses usw.) [zool.] | Scheren {pl}; "
                                                u"Zangen {pl} :: claw (of a crab etc.) | claws");
        QVERIFY(claw.german.at(1).noted);
        QVERIFY(parseTransEntry(u"etw. ausschöpfen {vt} (z. B. Möglichkeiten, Potential) :: to exhaust sth. (e.g. "
                                u"possibilities, potential)")
                    .german.at(0)
                    .noted);
        // A note of objects or of tags only does not.
        const TransEntry kickOff = parseTransEntry(u"Auftakt {m} (zu etw.); Eröffnung {f}; Start {m} (+Gen.); "
                                                   u"Startschuss {m} (für etw.) | Wahlkampfauftakt {m} :: kick-off "
                                                   u"[coll.] (of sth.) [fig.] | campaign kick-off");
        QVERIFY(!kickOff.german.at(0).noted);
        QVERIFY(!kickOff.german.at(2).noted);
        QVERIFY(!kickOff.english.at(0).noted);
        QVERIFY(!parseTransEntry(u"Entfesselung {f} (auch [übtr.]) :: unleashing (also [fig.])").german.at(0).noted);
        QVERIFY(!parseTransEntry(u"nackt; bloß {adj} (a. [übtr.]) :: naked <nakeder>").german.at(1).noted);
    }

    void putsSingularNounLinesBeforePluralOnlyLines()
    {
        // The plurals name the finds, not the science: the singular nouns of
        // the full entry come before them.
        const QByteArray lines =
            "Altertumskunde {f}; Archäologie {f} | Bibelarchäologie {f} | experimentelle Archäologie | Knochenarc"
            "häologie {f} | Luftbildarchäologie {f}; archäologische Flugprospektion {f}; Luftbildprojektion {f} |"
            " Stadtarchäologie {f} | Unterwasserarchäologie {f} :: archaeology; archeology [Am.] [rare] | Bible "
            "archaeology | experimental archaeology | osteoarchaeology | aerial archaeology | urban archaeology |"
            " maritime archaeology\n"
            "archäologische Funde {pl}; Ausgrabungen {pl} | durch Ausgrabungen bestätigt werden | ein historisch"
            "es Gelände mit vielen archäologischen Funden :: archaeology | to be confirmed by archaeology | a his"
            "toric area packed with archaeology\n"
            "archäologisches Erbe {n} (einer Region usw.) :: archaeology (of a region etc.)\n";
        // The finds and digs are commoner words than the science's name.
        const QByteArray others =
            "Ausgrabungsarbeiten {pl}; Ausgrabungen {pl}; (archäologische) Grabungsarbeiten {pl}; (archälologis"
            "che) Grabungen {pl} | Probegrabung {f} | die Grabungsarbeiten fortsetzen :: excavation; dig | test "
            "excavation | to continue the excavation; to continue the dig\n"
            "Fund {m}; Fundstück {n} | Funde {pl}; Fundstücke {pl} :: finding; find | findings; finds\n";
        const QStringList row =
            germanSourcesFromTrans(lines, {QStringLiteral("archaeology")}, countTransWords(lines + others))
                .englishToGerman.value(QStringLiteral("archaeology"));
        const qsizetype science = row.indexOf(QStringLiteral("Archäologie"));
        QVERIFY2(science >= 0 && science < row.indexOf(QStringLiteral("archäologische Funde"))
                     && science < row.indexOf(QStringLiteral("Ausgrabungen")),
                 qPrintable(row.join(u", ")));
        // A full entry of a plural stays before a bare line's singular noun.
        const QByteArray data = "Daten {pl} | analoge Daten | Anwendungsdaten {pl} :: data | analogue data | "
                                "application data\n"
                                "Datenmaterial {n} :: data; data set; set of data\n";
        QCOMPARE(germanItemsOf(data, QStringLiteral("data")).value(0),
                 QStringLiteral("Daten"));
    }

    void putsAFieldTaggedPlainWordBeforeItsCompound()
    {
        // The tag only tells which "Klammer" the line means; the plain word
        // is the everyday name of the sign.
        const QByteArray lines =
            "Halter {m}; Konsole {f} | Halter {pl}; Konsolen {pl} :: bracket | brackets\n"
            "Klammerzeichen {n}; Klammer {f} [print] | Klammerzeichen {pl}; Klammer {pl} | Klammer auf, zehn plus "
            "x, Klammer zu | in Klammer/Klammern stehen | etw. in Klammer / in Klammern setzen (Wort, Zahl) :: bra"
            "cket | brackets | open bracket, ten plus x, close bracket | to appear in/within brackets; to be given"
            " in/within brackets | to put sth. in brackets (word, number)\n"
            "Lasche {f} | Laschen {pl} :: bracket | brackets\n"
            "Winkel {m}; Bügel {m}; Schelle {f} [techn.] | Winkel {pl}; Bügel {pl}; Schellen {pl} :: bracket | br"
            "ackets\n";
        const QStringList bracket = germanItemsOf(lines, QStringLiteral("bracket"));
        QCOMPARE(bracket.value(0), QStringLiteral("Klammer"));
        QVERIFY2(bracket.contains(QStringLiteral("Klammerzeichen")), qPrintable(bracket.join(u", ")));
        // An untagged plain word leaves the compound the English word names.
        const QByteArray dark =
            "Dunkelheit {f}; Dunkel {n}; Finsternis {f} | im Dunkeln lassen | völlige Dunkelheit | Licht ins Dunk"
            "el bringen | Es war dunkel geworden. :: darkness; dark | to keep in the dark | complete darkness | to"
            " bring light into the darkness | Darkness had come.\n";
        QCOMPARE(germanItemsOf(dark, QStringLiteral("darkness")).value(0),
                 QStringLiteral("Dunkelheit"));
    }

    void putsTheWordOfTheNounsVerbFirst()
    {
        // "wince" heads the only line with a second section, but that
        // section is an example of "Zusammenzucken"; "twitch" also
        // translates "zucken", the action the noun names.
        const QByteArray lines =
            "Zucken {n}; Zuckung {f} :: twitch\n"
            "Zucken {n}; Zusammenzucken {n} (vor Schmerz) | ohne eine Miene zu verziehen :: wince | without a win"
            "ce\n"
            "Zucken {n} (des Augenlids) [med.] :: flicker (of an eyelid)\n"
            "Zucken {n}; Zittern {n}; Beben {n} :: tremor\n"
            "zucken {vi} | zuckend | gezuckt :: to twitch | twitching | twitched\n";
        const QByteArray others = "Erdbeben {n} :: tremor\nBeben {n} :: tremor\nZittern {n} :: tremor\n";
        const GermanSources sources =
            germanSourcesFromTrans(lines, {QStringLiteral("twitch"), QStringLiteral("wince"), QStringLiteral("tremor")},
                                   countTransWords(lines + others));
        QCOMPARE(sources.germanToEnglish.value(QStringLiteral("Zucken")).value(0), QStringLiteral("twitch"));
        // A line whose examples name the noun again stays its main entry.
        const QByteArray hum =
            "Surren {n}; Brummen {n} (Geräusch regelmäßiger Bewegung) | das Surren des Projektors / der Klimaanl"
            "age :: hum; whirr; whir | the hum / whir of the projector / the air conditioner\n"
            "Surren {n} :: zoom\n"
            "surren {vi} | surrend | gesurrt :: to zoom | zooming | zoomed\n";
        const QStringList humCore{QStringLiteral("hum"), QStringLiteral("zoom")};
        QCOMPARE(englishItemsOf(hum, humCore, QStringLiteral("Surren")).value(0), QStringLiteral("hum"));
    }

    void putsTheLookAlikeOfTheTopLineFirst()
    {
        // "Diabetes", the line's last word, is the word in use today; the
        // dictionary uses it far more often than the line's head.
        const QByteArray lines =
            "Harnruhr {f}; Harnfluss {m}; Durchfluss {m}; Diabetes {m} [med.] :: diabetes\n"
            "Zuckerharnruhr {f}; Zuckerkrankheit {f}; Diabetes mellitus {m} /DM/; Diabetes {m} [ugs.] [med.] | Er"
            "wachsenendiabetes {m}; Altersdiabetes {m} [med.] | Prädiabetes {m} | Diabetes haben; Zucker haben [u"
            "gs.] :: diabetes mellitus; diabetes; sugar\n";
        const QByteArray others =
            "Geißel {f} (schlimmes Übel) {+Gen.} [übtr.] | Diabetes ist eine Geißel der westlichen Gesellschaften"
            ". :: scourge; whip (of sth.) | Diabetes is a scourge of western societies.\n"
            "Gestationsdiabetes {f}; Diabetes in der Schwangerschaft [med.] :: gestational diabetes; pregnancy in"
            " diabetics\n";
        const QStringList core{QStringLiteral("diabetes")};
        QCOMPARE(germanSourcesFromTrans(lines, core, countTransWords(lines + others))
                     .englishToGerman.value(QStringLiteral("diabetes"))
                     .value(0),
                 QStringLiteral("Diabetes"));
    }

    void putsACommonHeadBeforeARareFieldTerm()
    {
        // "Fiale" is the architect's word, used once; its plurals halved its
        // place, and it led "Gipfel", which three lines use.
        const QByteArray lines =
            "Fiale {f}; Pinakel {n} (gotisches Spitztürmchen auf einem Pfeiler/Ziergiebel) [arch.] | Fialen {pl};"
            " Pinakel {pl} :: pinnacle | pinnacles\n"
            "Gipfel {m}; Höhepunkt {m}; Sternstunde {f}; Zenit {m} [übtr.] :: pinnacle\n";
        const QByteArray others =
            "Gipfel {m} | Gipfel {pl} | Nebengipfel {m}; Vorgipfel {m} :: summit | summits | secondary summit\n"
            "Gipfel {m}; Spitze {f}; Krone {f}; oberer Teil | Gipfel {pl}; Spitzen {pl}; Kronen {pl} | an der Spi"
            "tze stehen; die Spitze bilden | an die Spitze kommen :: top | tops | to top sth. | to come to the top\n";
        const QStringList core{QStringLiteral("pinnacle")};
        const QStringList row = germanSourcesFromTrans(lines, core, countTransWords(lines + others))
                                    .englishToGerman.value(QStringLiteral("pinnacle"));
        QCOMPARE(row.mid(0, 2), (QStringList{QStringLiteral("Gipfel"), QStringLiteral("Fiale")}));

        // A term the dictionary uses as often keeps its place.
        QCOMPARE(germanSourcesFromTrans(lines, core, countTransWords(lines)).englishToGerman.value(
                     QStringLiteral("pinnacle")).value(0),
                 QStringLiteral("Fiale"));
    }

    void putsAnOwnEntryWithAnExampleBeforeABareSideLine()
    {
        // "Sorge" means "worry" on its own entry; its bare "sorrow" line is a
        // side sense, and "Trauer" heads its own entry with an example.
        const QByteArray lines =
            "Sorge {f}; Besorgnis {n} [psych.] | Sorgen {pl}; Besorgnisse {pl}; Kummer {m} | ein Anlass zur Sorge"
            " sein | berechtigte Sorgen | Sorge haben, dass … | sich um etw. Sorgen machen | jdn. von seinen So"
            "rgen ablenken | Ich sehe doch, dass du Kummer hast. :: worry | worries | to be a cause of worry | re"
            "asonable worries | to be worried that … | to be worried about sth. | to take sb.’s mind off his "
            "worries | I can see that you’re worried about something.\n"
            "Kummer {m}; Kümmernis {n}; Gram {m} :: sorrow\n"
            "Leid {n}; Leiden {n}; Unglück {n}; Reue {f}; Bedauern {n} :: sorrow\n"
            "Sorge {f}; Schmerz {m}; Klage {f}; Jammer {m} | Sorgen {pl} :: sorrow | sorrows\n"
            "Trauer {f}; Traurigkeit {f} | ein Gefühl von Traurigkeit :: sorrow | a feeling of sorrow\n";
        const QStringList core{QStringLiteral("sorrow"), QStringLiteral("worry")};
        QCOMPARE(germanSourcesFromTrans(lines, core, countTransWords(lines))
                     .englishToGerman.value(QStringLiteral("sorrow"))
                     .value(0),
                 QStringLiteral("Trauer"));

        // Without the example the line gives plurals only, and the ranking's
        // choice stays.
        QByteArray plural = lines;
        plural.replace("ein Gefühl von Traurigkeit :: sorrow | a feeling of sorrow", "Trauern {pl} :: sorrow | sorrows");
        QCOMPARE(germanSourcesFromTrans(plural, core, countTransWords(plural))
                     .englishToGerman.value(QStringLiteral("sorrow"))
                     .value(0),
                 QStringLiteral("Sorge"));
    }

    void putsWordsGivenLateOnALongLineLast()
    {
        // "poop" is the 17th English word of the long "fool" line; the slang
        // line of "crap" gives it 4th, and its "Kacke" belongs in the row.
        const QByteArray lines =
            "Dummkopf {m}; Schwachkopf {m}; Schwachmat {m}; Hohlkopf {m}; Hohlbirne {f}; Blödian {m}; Esel {m}; H"
            "ornochse {m}; Dussel {m} [Dt.]; Dämlack {m} [Dt.]; Doofmann {m} [Norddt.] [Mittelwestdt.]; Döskopp {"
            "m} [Norddt.] [Mittelwestdt.]; Dösbattel {m} [Norddt.] [Mittelwestdt.]; Dämel {m} [Norddt.] [Mittelwe"
            "stdt.]; Dämlack {m} [Norddt.] [Mittelostdt.]; Dummerjan {m} [Norddt.] [Mitteldt.]; Dummbatzen {m}; S"
            "packen {m}; Vollspacken {m}; Eiernacken {m}; Mondkalb {n}; Dödel {n} [Mitteldt.] [BW]; Depp {m} [Süd"
            "dt.] [Ös.] [Schw.]; Dummian {m} [Bayr.] [Ös.]; Dodel {m} [Ös.]; Dulle {m} [Südostös.]; Wappler {m} ["
            "Ös.]; Hiefler {m} [Ös.]; Tubel {m} [Schw.]; Dubel {m} [Schw.]; Tschumpel {m} [Schw.]; Lööli {m} [Sch"
            "w.]; Nullchecker {m} [Jugendsprache]; Narr {m} [geh.] [veraltend]; Tor {m} [poet.] [obs.] [pej.] | D"
            "ummköpfe {pl}; Schwachköpfe {pl}; Schwachmaten {pl}; Hohlköpfe {pl}; Hohlbirnen {pl}; Blödiane {pl};"
            " Esel {pl}; Hornochsen {pl}; Dussel {pl}; Dämlacke {pl}; Doofmänner {pl}; Dösköppe {pl}; Dösbattel {"
            "pl}; Dämel {pl}; Dämlacke {pl}; Dummerjane {pl}; Dummbatzen {pl}; Spacken {pl}; Vollspacken {pl}; Ei"
            "ernacken {pl}; Mondkälber {pl}; Dödel {pl}; Deppen {pl}; Dummiane {pl}; Dodel {pl}; Dullen {pl}; Wap"
            "pler {pl}; Hiefler {pl}; Tubel {pl}; Dubel {pl}; Tschumpel {pl}; Löölis {pl}; Nullchecker {pl}; Narr"
            "en {pl}; Tore {pl} | der größte Dummkopf von allen | Volltrottel {m}; Volldepp {m} | Man sollte sich"
            " nicht blind in (so) eine Sache stürzen. | Das ist eine Hau-Ruck-Aktion/Ho-Ruck-Aktion! | Sei doch n"
            "icht dumm! | Er ist von Natur aus dumm. :: fool; jerk; airhead; clod; clodhopper; dimwit; nitwit; ha"
            "lfwit; loon; dolt; turnip; clot [Br.]; charlie [Br.]; plonker [Br.]; prat [Br.]; boob [Am.]; poop [A"
            "m.]; schnook [Am.]; schmuck [Am.]; gump [Am.] ninny [dated]; tomfool [dated] | fools; jerks; airhead"
            "s; clods; clodhoppers; dimwits; nitwits; halfwits; loons; dolts; turnips; clots; charlies; plonkers;"
            " prats; boobs; poops; schnooks; schmucks; gump ninnies; tomfools | the biggest/greatest fool of all "
            "| total airhead; complete pillock | Fools rush in where angels fear to tread. [prov.] (Alexander Pop"
            "e) | Fools rush in! | Don’t be a fool! | He is a born fool.\nHüttendeck {n}; Poopdeck {n}; Poop {f} ["
            "ugs.] (höchste Ebene auf dem Achterdeck) :: poop deck; poop\nKacke {f} [slang]; Scheiße {f} [vulg.] |"
            " tief in die Scheiße geraten [vulg.] | jdm. Scheiß erzählen; jdn. verarschen [vulg.] | Jetzt beginnt"
            " die Kacke zu dampfen. [slang] (Jetzt wird es kritisch.) | Du scheinheiliges Stück Scheiße! :: crap "
            "[slang]; cack [Br.] [slang]; cack [Br.]; poop [Am.] [slang]; shit [vulg.]; shite [Br.] [vulg.] | to "
            "get into deep doo-doo | to bullshit sb. [coll.] | Now the shit hits the fan. [vulg.] | You hypocriti"
            "cal sack of cack!\n";
        const QStringList row = germanItemsOf(lines, QStringLiteral("poop"));
        const qsizetype kacke = row.indexOf(QStringLiteral("Kacke"));
        QVERIFY2(kacke >= 0 && kacke < 6 && kacke < row.indexOf(QStringLiteral("Dummkopf")), qPrintable(row.join(u", ")));
    }

    void putsAVerbsOwnEntryBeforeANounOfAnotherWordsLine()
    {
        // The "Verputz" line is longest, but its further sections are
        // plaster's; the verb's own entry gives "cast" with its forms.
        const QByteArray cast =
            "Abguss {m}; Gussform {f} [techn.] | Abgüsse {pl}; Gussformen {pl} :: cast; impression | casts; "
            "impressions\n"
            "Abguss {m} | erhabener Abguss :: cast; mould | cast-in relief; relief mould\n"
            "Verputz {m}; Putz {m} [constr.] | Dickschichtputz {m} | Dünnschichtputz {m}; Dünnputz {m} | Oberputz "
            "{m}; Feinputz {m}; Deckputz {m}; Edelputz {m} (oberste Putzlage) | Unterputz {m}; Grobputz {m}; "
            "Rohputz {m}; Rauputz {m}; Anwurf {m} (unterste Putzlage) :: cast; plaster; plaster work <plaster-work> "
            "<plasterwork> | thick plaster | thin plaster | fining coat; final coat; finishing coat; setting coat; "
            "set; cover coat; skimming coat | rough rendering; coarse rendering; rough-cast; roughcast; undercoat "
            "(of plaster)\n"
            "gießen {vt} (Metall) | gießend | gegossen | gießt | goss | an Ort und Stelle gegossen :: to cast {cast; "
            "cast} | casting | cast | casts | cast | cast in situ\n"
            "urformen {vt} | urformend | urgeformt :: to cast {cast; cast} | casting | cast\n";
        const QStringList row = germanItemsOf(cast, QStringLiteral("cast"));
        QVERIFY2(row.value(0) == QStringLiteral("gießen"), qPrintable(row.join(u", ")));
    }

    void keepsACommonVerbOfAnotherVerbsEntryInTheRow()
    {
        // "werfen" conjugates "to cast {cast; cast}" as the third verb of
        // the "to throw" entry; the lines that give "cast" first fill the
        // six places with its rarer uses.
        const QByteArray cast =
            "Abguss {m}; Gussform {f} [techn.] | Abgüsse {pl}; Gussformen {pl} :: cast; impression | casts; "
            "impressions\n"
            "Abguss {m} | erhabener Abguss :: cast; mould | cast-in relief; relief mould\n"
            "Anwerfen {n}; Wurf {m} [constr.] :: cast\n"
            "Gewölle {n} [zool.] :: cast; pellet\n"
            "Gussteil {m,n}; Gussstück {n}; Gusserzeugnis {n} (Gießerei) [techn.] | Gussteile {pl}; Gussstücke {pl}; "
            "Gusserzeugnisse {pl} :: cast; casting (foundry) | casts; castings\n"
            "Verputz {m}; Putz {m} [constr.] | Dickschichtputz {m} | Dünnschichtputz {m}; Dünnputz {m} :: cast; "
            "plaster; plaster work <plaster-work> <plasterwork> | thick plaster | thin plaster\n"
            "gießen {vt} (Metall) | gießend | gegossen | gießt | goss | an Ort und Stelle gegossen :: to cast {cast; "
            "cast} | casting | cast | casts | cast | cast in situ\n"
            "urformen {vt} | urformend | urgeformt :: to cast {cast; cast} | casting | cast\n"
            "etw. (an einen Ort) werfen; schleudern; schmeißen [ugs.] {vt} | werfend; schleudernd; schmeißend | "
            "geworfen; geschleudert; geschmissen | du wirfst | er/sie wirft | ich/er/sie warf | wir/sie warfen | "
            "er/sie hat/hatte geworfen | ich/er/sie würfe :: to throw {threw; thrown}; to toss; to cast {cast; "
            "cast}; to fling {flung; flung}; to pitch; to chuck [coll.]; to sling {slung; slung} [coll.]; to heave "
            "[coll.] (sth. heavy); to bung [coll.]; to peg [Am.] [coll.]; to hoy [Austr.] [coll.]; to bish [NZ] "
            "[coll.] sth. (in a place) | throwing; tossing; casting; flinging; pitching; chucking; slinging; "
            "heaving; bunging; peging; hoying; bishing | thrown; tossed; cast; flung; pitched; chucked; slung; "
            "heaved; bunged; peged; hoyed; bished | you throw | he/she throws | I/he/she threw | we/they threw | "
            "he/she has/had thrown | I/he/she would throw\n";
        const QStringList row = germanItemsOf(cast, QStringLiteral("cast"));
        QVERIFY2(row.mid(0, 2) == QStringList({QStringLiteral("gießen"), QStringLiteral("werfen")}),
                 qPrintable(row.join(u", ")));
    }

    void putsTheEntryOfANarrowedWordBeforeABareAdjectiveLine()
    {
        // "Meerenge" gives "strait" after the phrases that narrow it; the
        // bare adjective line gives the word's old sense.
        const QByteArray lines =
            "Enge {f} (schmale Wasserstraße zwischen zwei Gewässern) [geogr.] :: narrows [used with singular or "
            "plural verb forms]; strait; straits (narrow passage connecting two bodies of water)\n"
            "Meerenge {f}; Meeresstraße {f}; Wasserstraße {f}; Straße {f} [in Zusammensetzungen] [geogr.] | die "
            "Meerenge zwischen dem Persischen Golf und dem Golf von Oman | Meerenge von Bering [selten]; "
            "Beringstraße | Meerenge von Bonifacio; Straße von Bonifacio :: sea strait; sea straits; strait; "
            "straits [in compounds] | the strait between the Gulf of Oman and the Persian Gulf | Strait of Bering "
            "[rare]; Bering Strait; Bering Straits | Strait of Bonifacio\n"
            "schmal; eng {adj} :: strait\n";
        const QStringList row = germanItemsOf(lines, QStringLiteral("strait"));
        QVERIFY2(row.value(0) == QStringLiteral("Meerenge"), qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("eng")));
    }

    void putsOwnVerbLinesBeforeALaterSynonymOfANotedGroup()
    {
        // "(Gedanken, Gefühle)" narrows the whole group; "haben" stands high
        // on the subtitle list for "to have", not for this use.
        const QByteArray lines =
            "(Gedanken, Gefühle) hegen; haben; empfinden {vt} | hegend; habend; empfindend | gehegt; gehabt; "
            "empfunden | sich Hoffnungen machen | sich mit dem Gedanken / der Vorstellung anfreunden, etw. zu tun | "
            "Ich würde so etwas nie ernstlich in Erwägung ziehen. :: to entertain (thoughts, feelings) | "
            "entertaining | entertained | to entertain hopes | to entertain the idea / the thought of doing sth.; "
            "to cotton to the idea / the thought of doing sth. [Am.] [coll.] | I would never entertain the idea "
            "of doing such a thing.\n"
            "bewirten {vt} | bewirtend | bewirtet | bewirtet | bewirtete | Wir haben gern Gäste. :: to entertain | "
            "entertaining | entertained | entertains | entertained | We enjoy entertaining.\n"
            "(Gäste) unterhalten {vt} | unterhaltend | unterhalten | unterhält | unterhielt :: to entertain | "
            "entertaining | entertained | entertains | entertained\n";
        const QStringList row = germanItemsOf(lines, QStringLiteral("entertain"));
        QVERIFY2(row.mid(0, 2) == (QStringList{QStringLiteral("unterhalten"), QStringLiteral("bewirten")}),
                 qPrintable(row.join(u", ")));
        QVERIFY(row.contains(QStringLiteral("hegen")));
    }

    void putsPlainLinesBeforeAListedNotedLaterSynonym()
    {
        // The subtitle list knows "fool around" and "works gang", of lines
        // that give the German word late with a note, and none of the words
        // of its plain lines: the narrowed use came first.
        const QByteArray slack =
            "bummeln; faulenzen {vi} | bummelnd; faulenzend | gebummelt; gefaulenzt :: to slack | slacking | slac"
            "ked\n";
        const QByteArray foolAround =
            "gammeln; herumgammeln [ugs.]; herumtrödeln; bummeln {vi} (seine Zeit planlos verbringen) | gammelnd;"
            " herumgammelnd; herumtrödelnd; bummelnd | gegammelt; herumgegammelt; herumgetrödelt; gebummelt | In "
            "ersten Jahr an der Uni hat er nur herumgetrödelt. :: to fool around; to mess around; to mess about ["
            "Br.] to goof around [Am.]; to screw around [Am.] [coll.] | fooling around; messing around; messing a"
            "bout to goof around; screwing around | fooled around; messed around; messed about to goof around; sc"
            "rewed around | He messed around in his first year at university.\n";
        const QByteArray stroll =
            "an einen Ort / in eine Richtung schlendern; bummeln; flanieren; spazieren {vi} | an einem Ort/in ein"
            "e Richtung schlendernd; bummelnd; flanierend; spazierend | an einem Ort/in eine Richtung geschlender"
            "t; gebummelt; flaniert; spaziert | dahinschlendern :: to stroll; to troll [Br.]; to dawdle; to loite"
            "r; to amble; to mosey; to potter [Br.]; to putter [Am.] to a place / in a direction | strolling; tro"
            "lling; dawdling; loitering; ambling; moseying; pottering; puttering to a place / in a direction | st"
            "rolled; trolled; dawdled; loitered; amblered; moseyed; pottered; puttered in a place/ in a direction"
            " | to stroll along; to potter along\n";
        const QByteArray worksGang =
            "Arbeitstrupp {m}; Trupp {m}; Arbeitsrotte {f}; Rotte {f} (Arbeitskolonne im Straßen- und Gleisbau) |"
            " Arbeitstrupps {pl}; Trupps {pl}; Arbeitsrotten {pl}; Rotten {pl} | Bahnbautrupp {m}; Bahninstandhal"
            "tungsrotte {f}; Bahnunterhaltungsrotte {f}; Bahndienstrotte {f} [Schw.] | Gleisbaurotte {f} :: works"
            " gang; gang (for road and track works) | works gangs; gangs | track maintenance gang; permanent-way "
            "gang | railway gang [Br.]; railroad gang [Am.]\n";
        const QByteArray rout =
            "Bande {f}; Rotte {f}; Zusammenrottung {f} | Banden {pl}; Rotten {pl}; Zusammenrottungen {pl} :: rout"
            "; gang; mob | routs; gangs; mobs\n";
        const QStringList bummeln = englishItemsOf(slack + foolAround + stroll, {QStringLiteral("stroll")},
                                                   QStringLiteral("bummeln"));
        QVERIFY2(bummeln.size() == 3 && bummeln.last() == QStringLiteral("fool around"),
                 qPrintable(bummeln.join(u", ")));
        const QStringList rotte = englishItemsOf(worksGang + rout, {QStringLiteral("gang")}, QStringLiteral("Rotte"));
        QVERIFY2(rotte.value(0) == QStringLiteral("rout") && rotte.contains(QStringLiteral("works gang")),
                 qPrintable(rotte.join(u", ")));
        // A line that gives the German word later than the narrowed one
        // does is no plain line for it: "think of" stays before "shrink".
        const QByteArray thinkOf =
            "auf etw. (als Einfall) kommen; jdm. (dazu) einfallen {vi} | Mir fällt (dazu) einfach nichts ein. :: "
            "to think of sth. | I just can’t think of anything.\n";
        const QByteArray shrink =
            "schrumpfen; kleiner werden; sich zusammenziehen; einfallen; schwinden {vi} | schrumpfend; kleiner we"
            "rdend; sich zusammenziehend; einfallen; schwindend | geschrumpft; kleiner geworden; zusammengezogen;"
            " eingefallen; geschwunden | er/sie/es schrumft | ich/er/sie/es schrumpfte | er/sie/es ist/war geschr"
            "umpft | drastisch zusammenschrumpfen/sinken :: to shrink {shrank, shrunk; shrunk} | shrinking | shru"
            "nk | he/she/it shrinks | I/he/she/it shrank | he/she/it has/had shrunk | to shrink dramatically\n";
        const QStringList einfallen = englishItemsOf(thinkOf + shrink, {QStringLiteral("shrink")},
                                                     QStringLiteral("einfallen"));
        QVERIFY2(einfallen.value(0) == QStringLiteral("think of"), qPrintable(einfallen.join(u", ")));
    }

    void keepsANounAndAVerbThatDifferOnlyByCaseApart()
    {
        // "Husten {m}" is the noun, "husten" the verb: two words, each in the
        // row and each with its own German row.
        const QByteArray cough =
            "Husten {m}; Tussis {f} [med.] | bellender Husten | blutiger Husten | krampfartiger Husten; Krampfhus"
            "ten {m}; Hustenkrampf {m} | produktiver Husten | reflektorischer Husten | Stakkato-Husten {m} | troc"
            "kener/unproduktiver Husten :: cough; tussis | barking cough; hacking cough | bloody cough | convulsi"
            "ve cough | productive cough | reflex cough | staccato cough | dry/unproductive cough\n"
            "husten {vi} [med.] | hustend | gehustet | hustet | hustete | leicht husten | in ein Taschentuch hust"
            "en | in die Armbeuge husten | Ich werde ihm was husten. [ugs.] :: to cough; to cough up | coughing |"
            " coughed | coughs | coughed | to cough slightly | to cough into a tissue | to cough into your bent a"
            "rm / your bent elbow / the inside of your arm / the crook of your elbow | I’ll tell him to whistle f"
            "or it.\n"
            "auspacken; singen (wie ein Vogel); reden {vt} [ugs.] (Geheimgehaltenes enthüllen) | auspackend; sing"
            "end; redend | ausgepackt; gesungen; geredet | Das darf ich nicht verraten. | Komm schon, spuck’s aus"
            ". :: to tell all; to cough up; to cough [Br.] [coll.] | telling all; coughing up; coughing | told al"
            "l; coughed up; coughed | That would be telling. | Come on, cough up.\n";
        const QStringList items = germanItemsOf(cough, QStringLiteral("cough"));
        QVERIFY2(items.contains(QStringLiteral("Husten")) && items.contains(QStringLiteral("husten")),
                 qPrintable(items.join(u", ")));
        const QStringList core{QStringLiteral("cough")};
        const QHash<QString, QStringList> rows =
            germanRows(selectGermanCore(core, germanSourcesFromTrans(cough, core), schema::kMaxRows));
        QVERIFY2(rows.contains(QStringLiteral("Husten")) && rows.contains(QStringLiteral("husten")),
                 qPrintable(QStringList(rows.keyBegin(), rows.keyEnd()).join(u", ")));
        // A neuter noun is the verb's infinitive used as a noun: one word.
        const QByteArray bark =
            "Bellen {n} :: bark\n"
            "bellen {vi} (Hund, Seehund usw.) [zool.] | bellend | gebellt | bellt | bellte :: to bark (of a dog, "
            "seal etc.) | barking | barked | barks | barked\n";
        const QStringList barkItems = germanItemsOf(bark, QStringLiteral("bark"));
        QCOMPARE(barkItems.count(QStringLiteral("bellen")) + barkItems.count(QStringLiteral("Bellen")), 1);
    }

    void bringsANounEntrysPlainWordAfterItsCompoundIntoARowOfVerbs()
    {
        // "Sicherung" follows its compound on the noun's full entry, as
        // "fuse" follows "safety fuse"; verbs and a bare line's noun filled
        // the six places, leaving the row no word for the thing.
        const QByteArray fuse =
            "Schmelzsicherung {f}; Sicherung {f}; Sicherungselement {n} [electr.] | Schmelzsicherungen {pl}; Sich"
            "erungen {pl}; Sicherungselemente {pl} | Einlöt-Schmelzsicherung {f} | Hörnersicherung {f} | NH-Siche"
            "rung {f}; Messersicherung {f}; Schwertsicherung {f} | Schraubsicherung {f} | Schwebesicherung {f} | "
            "Zehn-Ampere-Sicherung | elektrische Sicherung {f} | träge Sicherung | eine Sicherung durchhauen | Be"
            "i ihm brennt leicht die Sicherung durch.; Er ist schnell auf 180.; Er ist ein Häferl. [Ös.] (jähzorn"
            "ig) :: safety fuse; fuse | safety fuses; fuses | pigtail fuse | horn-break fuse | NH fuse; knife fus"
            "e | screw-in plug fuse | floating fuse | ten-amp fuse | fuse | time-lag fuse | to blow a fuse | He h"
            "as a short fuse.; He’s on a short fuse.; He’s short-fused. (quick-tempered)\n"
            "Zündschnur {f}; Lunte {f} :: fuse; fuze [Am.]\n"
            "sichern; absichern {vt} | sichernd; absichernd | gesichert; abgesichert :: to fuse | fusing | fused"
            "\n"
            "sich vereinigen; sich verbinden; eine Verbindung eingehen; sich verschränken; verschmelzen {v} | sic"
            "h vereinigend; sich verbindend; eine Verbindung eingehend; sich verschränkend; verschmelzend | sich "
            "vereinigt; sich verbunden; eine Verbindung eingegangen; sich verschränkt; verschmolzen | vereinigt s"
            "ich; verbindet sich; geht eine Verbindung ein; verschränkt sich; verschmilzt | vereinigte sich; verb"
            "and sich; ging eine Verbindung ein; verschränkte sich; verschmolz | sich zu einer neuen Partei verei"
            "nigen | wenn sich diese Merkmale verschränken … | Ihre Stimmen verschmolzen zu einem fröhlichen Chor"
            ". | Die einzelnen Elemente verbanden sich zu einem Ganzen. :: to fuse; to coalesce [formal] | fusing"
            "; coalescing | fused; coalesced | fuses; coalesces | fused; coalesced | to coalesce into a new polit"
            "ical party | when all these characteristics coalesce … | Their voices fused / coalesced into a joyou"
            "s chorus. | The individual elements coalesced into one whole.\n"
            "etw. verschmelzen; fusionieren; vereinigen {vt} | verschmelzend; fusionierend; vereinigend | verschm"
            "olzen; fusioniert; vereinigt :: to fuse sth. | fusing | fused\n"
            "verschmelzen {vi} | verschmelzend | verschmolzen :: to fuse | fusing | fused\n";
        const QStringList items = germanItemsOf(fuse, QStringLiteral("fuse"));
        const qsizetype place = items.indexOf(QStringLiteral("Sicherung"));
        QVERIFY2(place >= 0 && place < 6 && place < items.indexOf(QStringLiteral("Zündschnur")),
                 qPrintable(items.join(u", ")));
        // The verbs the lines give first still lead.
        QCOMPARE(items.value(0), QStringLiteral("verschmelzen"));
    }

    void givesALinesPhraseAndItsShortenedFormOnePlace()
    {
        // "normal gut laufen; gut laufen" is one rendering given twice; as
        // two items it pushed "Zecke" out of the six places of "tick".
        const QByteArray tick =
            "Augenblick {m} :: tick\n"
            "Kontrollvermerk {m}; Häkchen {n} [adm.] | Kontrollvermerke {pl}; Häkchen {pl} :: tick [Br.]; check m"
            "ark; checkmark [Am.] | ticks; check marks; checkmarks\n"
            "Ticken {n} :: tick\n"
            "Zecke {f}; Zeck {m} [Süddt.] [Ös.] [Schw.] [ugs.] [zool.] :: tick\n"
            "etw. ankreuzen; anhaken {vt} | ankreuzend; anhakend | angekreuzt; angehakt | das zutreffende Kästche"
            "n auf dem Formular ankreuzen | etwas, bei dem alles stimmt/passt | Kreuzen Sie bei jeder Frage 'Ja' "
            "oder 'Nein' an. :: to tick sth. [Br.]; to check sth. [Am.] (mark a choice) | ticking; checking | tic"
            "ked; checked | to tick [Br.] / check [Am.] the appropriate box on the form | something that ticks al"
            "l the (right) boxes [Br.] [fig.] | Tick/Check 'yes' or 'no' to each question.\n"
            "normal gut laufen; gut laufen {vi} :: to tick\n"
            "ticken {vi} | tickend | getickt | es tickt | es tickte | es hat/hatte getickt :: to tick | ticking |"
            " ticked | it ticks | it ticked | it has/had ticked\n";
        const QStringList items = germanItemsOf(tick, QStringLiteral("tick"));
        QVERIFY2(items.contains(QStringLiteral("gut laufen")) && !items.contains(QStringLiteral("normal gut laufen")),
                 qPrintable(items.join(u", ")));
        const qsizetype zecke = items.indexOf(QStringLiteral("Zecke"));
        QVERIFY2(zecke >= 0 && zecke < 6, qPrintable(items.join(u", ")));
    }

    void putsAPlainNounBeforeSeveralOfItsCompounds()
    {
        // "Eifer" gives "zeal" third on its line; three compounds give it
        // first.
        const QByteArray zeal =
            "Eifer {m} :: fervour [Br.]; fervor [Am.]; zeal; zealousness\n"
            "Pflichteifer {m} :: zeal\n"
            "Arbeitseifer {m} | Arbeitseifer {m} | Arbeitseifer {m} :: zeal | work enthusiasm | enthusiasm for on"
            "e's work\n"
            "Feuereifer {m} :: zeal; ardour [Br.]; ardor [Am.]\n";
        QCOMPARE(germanItemsOf(zeal, QStringLiteral("zeal")).value(0), QStringLiteral("Eifer"));
    }

    void givesThePlainWordALineNamesAfterItsKindsOnBothSides()
    {
        // "Schuppen" and "shed" each follow two of their own compounds, one
        // side's kinds matching the other's: the pair is the English word's
        // plain sense, as if the line gave it first.
        const QByteArray shed =
            "Gerätehaus {n}; Geräteschuppen {m}; Gartenschuppen {m}; Schuppen {m}; Schupf {m}; Schupfen {m} [Ös.]"
            "; Schopf {m} [Ös.]; Verschlag {m} [agr.] | Gerätehäuser {pl}; Geräteschuppen {pl}; Gartenschuppen {p"
            "l}; Schuppen {pl}; Schupfen {pl}; Schopfen {pl}; Verschläge {pl} | überdachter Schober :: utility sh"
            "ed; garden shed; shed | utility sheds; garden sheds; sheds | barn shed\n"
            "abnehmen; abspecken {vi} | abnehmend; abspeckend | abgenommen; abgespeckt | Stellen streichen :: to "
            "shed {shed; shed} | shedding | shed | to shed jobs\n";
        // It ranks among the words lines give "shed" first, where frequency
        // decides, not after them.
        const QStringList items = germanItemsOf(shed, QStringLiteral("shed"));
        QVERIFY2(items.indexOf(QStringLiteral("Schuppen")) >= 0
                     && items.indexOf(QStringLiteral("Schuppen")) < items.indexOf(QStringLiteral("abspecken")),
                 qPrintable(items.join(u", ")));
        const QStringList english =
            englishItemsOf(shed, {QStringLiteral("shed"), QStringLiteral("utility shed")}, QStringLiteral("Schuppen"));
        QVERIFY2(english.value(0) == QStringLiteral("shed"), qPrintable(english.join(u", ")));
    }

    void takesTheDictionariesWhereTheListIsMissing()
    {
        QTemporaryDir dir;
        testing::writeFreedictDirectory(dir.path(), 40);
        QStringList steps;
        const auto progress = [&steps](const QString &step) { steps.append(step); };

        const QString absent = dir.filePath(QStringLiteral("de-en"));
        const FreedictTables fromDictd = importFreedict(dir.path(), absent, progress);
        QVERIFY2(steps.join(u'\n').contains(QStringLiteral("trans-de-en is not installed")), qPrintable(steps.join(u'\n')));
        QVERIFY(fromDictd.report.germanSource.contains(QStringLiteral("FreeDict")));
        // The made-up words of the German dictionaries, and the supplement's
        // everyday words, which they lack.
        QCOMPARE(fromDictd.tables[4].size(), 40 + everydaySupplement().size());

        // With the list, the German dictionaries are neither read nor needed.
        for (const char *name : {"freedict-eng-deu.index", "freedict-eng-deu.dict.dz", "freedict-deu-eng.index",
                                 "freedict-deu-eng.dict.dz"})
            QVERIFY(QFile::remove(dir.filePath(QLatin1String(name))));
        QFile list(absent);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("# made-up entry of a made-up English word\nBabaen {n} | Babaens {pl} :: baba | babas\n");
        list.close();
        steps.clear();
        const FreedictTables fromList = importFreedict(dir.path(), absent, progress);
        QVERIFY(!steps.join(u'\n').contains(QStringLiteral("not installed")));
        QVERIFY(fromList.report.germanSource.startsWith(absent));
        QCOMPARE(fromList.tables[4].size(), 1 + everydaySupplement().size());
        const auto baba = std::find_if(fromList.tables[4].cbegin(), fromList.tables[4].cend(),
                                       [](const WordRow &row) { return row.source == QStringLiteral("baba"); });
        QVERIFY(baba != fromList.tables[4].cend());
        QCOMPARE(baba->target, std::optional<QString>(QStringLiteral("Babaen")));
        QCOMPARE(fromList.tables[0], fromDictd.tables[0]);  // the other pairs do not change
    }

    void keepsTheRowOfAWordHeadingItsOwnLinePastTheSixPlaces()
    {
        // The lines of "lane": its row keeps six German words, and
        // "Richtungsfahrbahn", which heads a line of its own, falls past
        // them. It keeps a row, with its line's own word first;
        // "Fahrstreifen", also past them but only a later synonym of another
        // word's line, gets none.
        const QByteArray text =
            "Durchfahrt {f}; Schiffsdurchfahrt {f} :: lane; shipping lane\n"
            "Fahrspur {f}; Spur {f}; Fahrstreifen {m} [auto] | Fahrspuren {pl}; Spuren {pl}; Fahrstreifen {pl} | "
            "durchgehender Fahrstreifen | Busspur {f} :: lane | lanes | through lane | bus lane\n"
            "schmaler Fahrweg {m}; Gasse {f} (bes. in Straßennamen) [auto] | schmale Fahrwege {pl}; Gassen {pl} | "
            "Feldweg {m} :: lane (used esp. in street names) | lanes | country lane; green lane\n"
            "Gasse {f} (in einem Rohrbündel) [mach.] :: lane (in a tube bank)\n"
            "Richtungsfahrbahn {f} [auto] | Richtungsfahrbahnen {pl} :: carriageway [Br.]; lane [Br.] | "
            "carriageways; lanes\n";
        const QStringList core{QStringLiteral("lane")};
        const GermanSources sources = germanSourcesFromTrans(text, core);
        const QStringList lane = sources.englishToGerman.value(QStringLiteral("lane"));
        for (const char *word : {"Richtungsfahrbahn", "Fahrstreifen"})
            QVERIFY2(lane.indexOf(QLatin1String(word)) >= kMaxGermanTranslations, qPrintable(lane.join(u", ")));
        const GermanCore selected = selectGermanCore(core, sources, schema::kMaxRows);
        QVERIFY(!selected.englishGerman.first().target->contains(QStringLiteral("Richtungsfahrbahn")));
        const QHash<QString, QStringList> rows = germanRows(selected);
        QCOMPARE(rows.value(QStringLiteral("Richtungsfahrbahn")),
                 QStringList({QStringLiteral("carriageway"), QStringLiteral("lane")}));
        QVERIFY(!rows.contains(QStringLiteral("Fahrstreifen")));
    }
    void putsTheOwnPlainLineBeforeAFieldLineOfALaterSynonym()
    {
        // "Anzeiger" heads a plain line ("gazette") and is the second word of
        // a technical line ("detector"). The subtitle list has neither word,
        // and the dictionary mentions "detector" on more lines, in its
        // technical compounds.
        const QByteArray own =
            "Anzeiger {m}; Anzeigenblatt {n} | Anzeiger {pl}; Anzeigenblätter {pl} :: gazette | gazettes\n";
        const QByteArray technical =
            "Melder {m}; Anzeiger {m}; Detektor {m} [techn.] | Melder {pl}; Anzeiger {pl}; Detektoren {pl} | "
            "Erdschlussanzeiger {m} | Körperschallmelder {m} | fotografischer Detektor | mitlaufender "
            "Messleitungsdetektor | seismischer Detektor | Wärmebilddetektor {m} :: detector | detectors | "
            "detector of losses to earth | detector for structure borne noise | photographic detector | "
            "travelling detector | seismic detector | thermographic detector\n";
        const QByteArray mentions =
            "Amtsblatt {n} /Abl./ [adm.] | Amtsblätter {pl} | Sonderausgabe des Amtsblatts | im Amtsblatt bekannt "
            "gebend/bekanntgebend | Amtsblatt der Europäischen Union | Beilage des Amtsblattes :: official "
            "gazette; official journal /OJ/ | official gazettes; official journals | special edition of the "
            "official journal | gazetting | Official Journal of the European Union; EU Official Journal | "
            "supplement to the official journal\n"
            "Börsenblatt {n}; Börseblatt {n} [Ös.] [fin.] | Börsenblätter {pl}; Börseblätter {pl} :: stock "
            "exchange gazette | stock exchange gazettes\n"
            "Staatsanzeiger {m} :: government gazette\n"
            "Bewegungsmelder {n} | Bewegungsmelder {pl} :: motion detector | motion detectors\n"
            "Brandmelder {m} | Brandmelder {pl} :: fire detector | fire detectors\n"
            "Flammenwächter {m}; Brandmelder {m} | Flammenwächter {pl}; Brandmelder {pl} :: flame detector | "
            "flame detectors\n"
            "Flankendetektor {m} | Flankendetektoren {pl} :: edge detector | edge detectors\n"
            "Fadenbruchdetektor {m} | Fadenbruchdetektoren {pl} :: thread breakage detector | thread breakage "
            "detectors\n";
        const QStringList core{QStringLiteral("detector"), QStringLiteral("gazette")};
        const QString anzeiger = QStringLiteral("Anzeiger");

        QCOMPARE(englishItemsOf(mentions + own + technical, core, anzeiger),
                 QStringList({QStringLiteral("gazette"), QStringLiteral("detector")}));

        // Untagged, the other line shares the German word's general sense,
        // and the commoner word keeps its place.
        QByteArray untagged = technical;
        untagged.replace(" [techn.]", "");
        QCOMPARE(englishItemsOf(mentions + own + untagged, core, anzeiger).value(0), QStringLiteral("detector"));

        // So it does where a note beside the German word's own line narrows
        // it to one use.
        QByteArray noted = own;
        noted.replace("Anzeigenblatt {n}", "Anzeigenblatt {n} (Zeitung)");
        QCOMPARE(englishItemsOf(mentions + noted + technical, core, anzeiger).value(0), QStringLiteral("detector"));
    }
    void readsAPhrasesRenderingFromAnotherLinesLaterSection()
    {
        // "einen Lachkrampf bekommen" heads a line of theatre slang only
        // (T:63646); the line of "Lachkrampf" gives the phrase as its third
        // section and its plain rendering in the English third (T:63648).
        const QByteArray slang =
            "(an unpassender Stelle) einen Lachkrampf bekommen; lachen müssen {v} (Theater, Film, Radio) [art] | "
            "Es war schwierig, die Szene zu spielen, ohne einen Lachanfall zu bekommen. :: to corpse [Br.] "
            "[coll.] (theatre, film, radio) | It was hard to play the scene without corpsing.\n";
        const QByteArray noun =
            "Lachkrampf {m}; Lachanfall {m} | Lachkrämpfe {pl}; Lachanfälle {pl} | einen Lachkrampf bekommen :: "
            "laughing fit; (violent) fit of laughter | laughing fits; violent fits of laughter | to have a "
            "laughing fit\n";
        const QString phrase = QStringLiteral("einen Lachkrampf bekommen");
        QCOMPARE(englishItemsOf(slang + noun, {QStringLiteral("corpse")}, phrase),
                 QStringList({QStringLiteral("have a laughing fit"), QStringLiteral("corpse")}));

        // Beside a plain sense the rendering only fills a place left: "to
        // lose courage" of T:73788 after "quail".
        const QByteArray quail = "den Mut verlieren; verzagen {vi} :: to quail\n";
        const QByteArray courage =
            "Mut {m}; Tapferkeit {f} | den Mut verlieren | Mut zeigen :: courage | to lose courage | to display "
            "courage; to show courage\n";
        QCOMPARE(englishItemsOf(quail + courage, {QStringLiteral("quail")}, QStringLiteral("den Mut verlieren")),
                 QStringList({QStringLiteral("quail"), QStringLiteral("lose courage")}));

        // A section that repeats a word of the first one gives its form, the
        // adverb (T:171694); a phrase using no word of the first section is
        // rendered there only as it goes with them (T:164000).
        const QByteArray aquatic =
            "wasserbewohnend; im Wasser lebend; Wasser…; aquatisch {adj} [biol.] | im Wasser lebend :: aquatic | "
            "aquatically\n";
        QVERIFY(!englishItemsOf(aquatic, {QStringLiteral("aquatic")}, QStringLiteral("im Wasser lebend"))
                     .contains(QStringLiteral("aquatically")));
        const QByteArray aboveAll = "vor allem (v. a.) :: above all\n";
        const QByteArray pertinently =
            "treffend; sachgerecht; auf den Punkt gebracht {adv} | vor allem :: relevantly; pertinently | more "
            "pertinently; most pertinently (used as a parenthesis)\n";
        QCOMPARE(englishItemsOf(aboveAll + pertinently, {QStringLiteral("above all")}, QStringLiteral("vor allem")),
                 QStringList({QStringLiteral("above all")}));
    }
    // T:130569 "achten auf; denken an {vi} | ... :: to notice | ..." lifts
    // "denken an", whose own entry is T:138250 "an jdn./etw. denken", into the
    // row of "notice" above T:135908, the verb's own entry "jdn./etw.
    // bemerken; wahrnehmen; ... :: to notice sb./sth. | ...". The own entry
    // takes the later synonym's place, which keeps its German row.
    void keepsTheMutualMainEntryInTheRowInASideUsesPlace()
    {
        const QByteArray lines(
            "Bekanntmachung {f}; Bekanntgabe {f}; Mitteilung {f}; Erklärung {f} | für jdn. eine Erklärung abgeben"
            " :: announcement | to make an announcement on sb.’s behalf\n"
            "Bekanntmachung {f}; Aushang {m}; Anschlag {m} | Bekanntmachungen {pl}; Aushänge {pl}; Anschläge {pl}"
            " | öffentliche Bekanntmachung; Kurrende {f} [Ös.] | Einleitungsbekanntmachung {f} | einen Anschlag m"
            "achen :: notice | notices | public notice | notice of initiation | to put a notice up\n"
            "Benachrichtigung {f} (von etw.); Bekanntmachung {f} {+Gen.} | Benachrichtigungen {pl}; Bekanntmachun"
            "gen {pl} :: notice (of sth.) (notification) | notices\n"
            "Ankündigung {f}; Vorankündigung {f}; Anzeige {f}; Bekanntgabe {f}; Benachrichtigung {f} (von etw.) ["
            "adm.] | nach angemessener vorheriger Ankündigung | Verlobungsanzeige {f} | Mitteilung des Widerrufs "
            "einer Vollmacht | von etw. Kenntnis erlangen | Nachricht erhalten, dass … | von etw. Kenntnis haben "
            "| ankündigen, dass … | einen Streik ankündigen | Mir wurde schriftlich angekündigt, dass … :: notice"
            " (of sth.) | on reasonable notice | notice of engagement | notice of revocation of a power of attorn"
            "ey | to be given notice of sth. | to receive notice that … | to have notice of sth. | to serve notic"
            "e that … | to serve strike notice | I received written notice that …\n"
            "Anzeige {f}; Annonce {f}; Inserat {n} | Anzeigen {pl}; Annoncen {pl}; Inserate {pl} | Suchanzeige {f"
            "}; Suchannonce {f} | Zeitungsanzeige {f}; Zeitungsannonce {f}; Zeitungsinserat {n} |  Zeitungsanzeig"
            "en {pl}; Zeitungsannoncen {pl}; Zeitungsinserate {pl} | Anzeige, die neugierig macht | großformatige"
            " Anzeige | mehrfarbige Anzeige | eine Anzeige schalten; eine Anzeige aufgeben | jdn./etw. per/durch "
            "Inserat suchen | sich auf eine Anzeige (hin) melden :: advertisement /advt./; ad [coll.]; advert [Br"
            ".] [coll.] | advertisements; ads; adverts | wanted ad [Br.]; want ads [Am.] | newspaper advertisemen"
            "t; newspaper ad | newspaper advertisements; newspaper ads | teaser advertisement | broadsheet | colo"
            "red advertisement | to place an ad | to advertise for sb./sth. | to answer an advertisement\n"
            "Anschlag {m} (auf jdn./etw.) | Anschläge {pl} | Anschlag mit einer Brandbombe; Brandanschlag {m} :: "
            "attack (on sb./sth.) | attacks | firebomb attack\n"
            "auf etw. achten; achtgeben; aufpassen [ugs.]; aufmerken [geh.] {vi}; etw. beachten {vt} | achtend; a"
            "chtgebend; aufpassend; aufmerkend; beachtend | geachtet; achtgegeben; aufgepasst; aufgemerkt; beacht"
            "et | achtet auf; gibt acht; passt auf; merkt auf; beachtet | achtete auf; gab acht; passte auf; merk"
            "te auf; beachtete | nicht darauf achten; nicht beachten; keine Beachtung schenken | Beachten Sie bit"
            "te die Hausordnung/Gefahrenhinweise. :: to pay attention to sth. | paying attention to | paid attent"
            "ion to | pays attention to | paid attention to | to not pay attention | Pay attention to the house r"
            "ules/hazard statements.\n"
            "achten auf; denken an {vi} | achtend auf; denkend an | geachtet auf; gedacht an | Achten Sie auf die"
            " Details! :: to notice | noticing | noticed | Notice the details!\n"
            "an jdn./etw. denken {v} | (immer) nur an sich denken | nur an sich selbst denken | ohne an sich selb"
            "st zu denken | Ich hab gerade an dich gedacht. | Ich will gar nicht daran denken, wie sie reagieren "
            "wird. | Ich darf gar nicht daran denken, was das alles kostet. | Die viele Arbeit, ich darf gar nich"
            "t daran denken! | Bei diesem Wort denke ich als erstes an den gleichnamigen Roman. | Woran denkst du"
            " gerade? | Woran denkst du bei … zuerst?; Woran denkst du zuerst, wenn du … hörst? :: to think about"
            " sb./sth.; to think of sb./sth. {thought; thought} | to only think of yourself | to be all self; to "
            "think of nothing but self | with no thought of self | I was just thinking about you. | I dread to th"
            "ink how she will react. | I daren’t think of the cost. | All that work, it doesn’t bear thinking abo"
            "ut! | My first association with this word is the novel of the same title. | What are you thinking ab"
            "out now? | What’s the first thing you think of when it comes to … / when you hear the word …?\n"
            "jdn./etw. bemerken; wahrnehmen; jds./einer Sache gewahr werden [poet.] {vt} | bemerkend; wahrnehmend"
            "; gewahr werdend | bemerkt; wahrgenommen; gewahr geworden | bemerkt; nimmt wahr; wird gewahr | bemer"
            "kte; nahm wahr; wurde gewahr | Hast du den Unfall mitbekommen? | kaum beachtet; kaum wahrgenommen | "
            "Nach einiger Zeit wird man einer Figur gewahr, die am Fenster steht. | Hast du das nicht bemerkt? Si"
            "e wechseln die Croupiers alle 15 Minuten. :: to notice sb./sth. | noticing | noticed | notices | not"
            "iced | Did you notice the accident? | barely noticed; little-noticed | After a while you notice a fi"
            "gure standing at the window. | Haven’t you notice? They change croupiers every 15 minutes.\n"
            "etw. feststellen; ermitteln; eruieren; herausfinden [ugs.] {vt} | feststellend; ermittelnd; eruieren"
            "d; herausfindend | festgestellt; ermittelt; eruiert; herausgefunden | stellt fest; ermittelt; eruier"
            "t; findet heraus | stellte fest; ermittelte; eruierte; fand heraus | Es wurde festgestellt, dass … |"
            " Die Ermittler versuchen festzustellen, ob jemand davon gewusst hatte. | Ich konnte nicht eruieren, "
            "wieso diese Änderungen vorgenommen wurden. :: to establish sth.; to determine sth.; to find out <> s"
            "th. | establishing; determining; finding out | established; determined; found out | establishes; det"
            "ermines; find out | established; determined; found out | It was established that …; It was found tha"
            "t … | Investigators are trying to establish if/whether anyone knew about it. | I was unable to estab"
            "lish why these changes were made.\n"
            "etw. feststellen {vt} | feststellend | festgestellt | etw. mit Befriedigung/Genugtuung feststellen :"
            ": to notice sth. | noticing | noticed | to notice sth. with satisfaction\n");
        const QStringList core{QStringLiteral("notice"), QStringLiteral("think about")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList row = sources.englishToGerman.value(QStringLiteral("notice"));
        QVERIFY(row.size() > 6);
        QVERIFY(row.indexOf(QStringLiteral("bemerken")) >= 0 && row.indexOf(QStringLiteral("bemerken")) < 6);
        QCOMPARE(row.indexOf(QStringLiteral("denken an")), 6);
        QVERIFY(sources.ownLineHeads.contains(QStringLiteral("denken an\nnotice")));

        // Without its own entry elsewhere, "denken an" is no side use and
        // keeps its place.
        QByteArray withoutOwnEntry = lines;
        withoutOwnEntry.replace(QByteArray("an jdn./etw. denken {v} | (immer) nur an sich denken | nur an sich selbst denken | ohne an sich selbst zu denken | Ich hab gerade an dich gedacht. | Ich will gar nicht daran denken, wie sie reagieren wird. | Ich darf gar nicht daran denken, was das alles kostet. | Die viele Arbeit, ich darf gar nicht daran denken! | Bei diesem Wort denke ich als erstes an den gleichnamigen Roman. | Woran denkst du gerade? | Woran denkst du bei … zuerst?; Woran denkst du zuerst, wenn du … hörst? :: to think about sb./sth.; to think of sb./sth. {thought; thought} | to only think of yourself | to be all self; to think of nothing but self | with no thought of self | I was just thinking about you. | I dread to think how she will react. | I daren’t think of the cost. | All that work, it doesn’t bear thinking about! | My first association with this word is the novel of the same title. | What are you thinking about now? | What’s the first thing you think of when it comes to … / when you hear the word …?\n"), QByteArray());
        const QStringList kept =
            germanSourcesFromTrans(withoutOwnEntry, core).englishToGerman.value(QStringLiteral("notice"));
        QVERIFY(kept.indexOf(QStringLiteral("denken an")) < 6);
    }
    // T:138983 "drücken {vt} | drückend | gedrückt :: to strike | striking |
    // stricken" names a side use of "drücken", whose own entry is T:138979
    // "drücken {vt} | ... :: to press | ...": its word gives way in the row of
    // "strike" to T:105675 "Streik {m}; Ausstand {m}; ... | Streiks {pl}; ...
    // :: strike; ...", the noun's main entry, which the ranking left seventh
    // (the other lines: T:71601, T:133448, T:139886, T:163997, T:174574,
    // T:188073, T:192397).
    void keepsTheMutualMainEntryInTheRowInABareLinesPlace()
    {
        const QByteArray lines(
            "Militärschlag {m}; Angriff {m} (gegen/auf jdn./etw.) [mil.] | Militärschläge {pl}; Angriffe {pl} | a"
            "tomarer Erstschlag/Zweitschlag | Luftschlag {m} | Präemptivschlag {m} <Präventivschlag> | Torpedoang"
            "riff {m} | Schlag gegen (städtische) Ballungszentren | Schlag gegen Ballungsräume | Schlag gegen str"
            "ategische Streitkräfte | einen Angriff fliegen :: strike (against/on sb./sth.) | strikes | nuclear f"
            "irst strike/second strike | air strike | pre-emptive/preemptive strike; pre-emption/preemption | tor"
            "pedo strike | countercity strike | countervalue strike | counterforce strike | to launch a strike\n"
            "Streik {m}; Ausstand {m}; Arbeitsniederlegung {f}; Arbeitsausstand {m} (Arbeitsrecht) | Streiks {pl}"
            "; Ausstände {pl}; Arbeitsniederlegungen {pl}; Arbeitsausstände {pl} | Generalstreik {m} | gewerkscha"
            "ftlicher Streik | Proteststreik {m} | Schwerpunktstreik {m}; punktueller Streik | Sitzstreik {m}; Si"
            "tzbockade {f} | Solidaritätsstreik {m}; Sympathiestreik {m} | Warnstreik {m} | Bergarbeiterstreik {m"
            "} | unmittelbarer/mittelbarer Streik | branchenweiter Streik | nichtgewerkschaftlicher Streik | orga"
            "nisierter Streik | wilder Streik; spontane Arbeitsniederlegung | in den Streik/Ausstand treten | sic"
            "h im Streik/Ausstand befinden; streiken | einen Streik abblasen | einen Streik abbrechen | jemand, d"
            "er sich an einem wilden Streik beteiligt | sich an einem wilden Streik beteiligen :: strike; stoppag"
            "e of work (labour law) | strikes; stoppages of work | general strike | union-led strike | protest st"
            "rike | selective strike | sit-down strike; sit-down; sit-in | sympathetic strike; sympathy strike | "
            "warning strike; token strike | miners’ strike | primary/secondary strike | all-out strike [Br.] | un"
            "official strike | organized strike | wildcat strike; walkout | to go on strike | to be on strike | t"
            "o call off a strike | to break a strike | wildcatter [Am.] | to wildcat [Am.]\n"
            "aufschlagen; auftreffen {vi} | aufschlagend; auftreffend | aufgeschlagen; aufgetroffen :: to strike "
            "{struck; struck, stricken} | striking | struck; stricken\n"
            "drücken {vt} | drückend | gedrückt | er/sie/es drückt | auf den Knopf drücken | nicht gedrückt :: to"
            " press | pressing | pressed | he/she/it presses | to press the button | unpressed\n"
            "drücken {vt} | drückend | gedrückt :: to strike | striking | stricken\n"
            "jdm. (plötzlich) einfallen {v} | Es fiel mir ein, dass … | Plötzlich kam ihm der Gedanke, dass … | I"
            "st dir je der Gedanke gekommen dass …? | Mir ist gerade eingefallen, dass … :: to strike sb. {struck"
            "; struck, stricken} | It struck me that … | He was suddenly struck by the thought that … | Has it ev"
            "er struck you that …? | It’s just struck me that …\n"
            "jdn./etw. treffen {vt} | treffend | getroffen | dort, wo der Blitz eingeschlagen hat | Das Haus wurd"
            "e vom Blitz getroffen. | Er holte mit seinem Stock aus, traf aber nichts. | Er wurde von einem Wagen"
            " angefahren. :: to strike sb./sth. {struck; struck / stricken [Am.]} | striking | struck; stricken ["
            "Am.] | the spot where the lightning has struck | The house was struck / stricken by lightning. | He "
            "reached out with his stick, but struck nothing. | He was struck by a car.\n"
            "zuschlagen; einen Schlag gegen jdn. führen {v} | zuschlagend; einen Schlag führend | zugeschlagen; e"
            "inen Schlag geführt | Mit Karate kann man viel schneller zuschlagen als man es mit einem Schwert kön"
            "nte. | Schweigend wartet er auf den Moment zuzuschlagen. :: to strike; to strike sb. a blow | striki"
            "ng; striking a blow | struck / stricken [Am.]; struck / stricken [Am.] a blow | Karate allows you to"
            " strike much more quickly than you could with a sword. | In silence he waits for the time to strike."
            "\n"
            "sein Nachtlager aufschlagen {vt}; sich betten; sich schlafen legen {vr} :: to bed down\n"
            "zuschlagen; einen (plötzlichen) Angriff starten; (plötzlich) angreifen {vi} :: to strike\n");
        const QStringList core{QStringLiteral("strike"), QStringLiteral("press")};
        const GermanSources sources = germanSourcesFromTrans(lines, core);
        const QStringList row = sources.englishToGerman.value(QStringLiteral("strike"));
        QVERIFY(row.indexOf(QStringLiteral("Streik")) >= 0 && row.indexOf(QStringLiteral("Streik")) < 6);
        QCOMPARE(row.indexOf(QStringLiteral("drücken")), 6);
        QVERIFY(sources.ownLineHeads.contains(QStringLiteral("drücken\nstrike")));
    }
    // A bare noun line whose German word the subtitle list misses
    // ("Gewandtheit {f} :: address", T:43919) gives its row place to the
    // common head of a full entry that gives the word after a synonym
    // ("Rede {f}; Ansprache {f} | ... :: speech; address | ...", T:86016).
    void givesARareBareNounsPlaceToACommonFullEntrysWord()
    {
        const QByteArray lines(
            "Adresse {f} /Adr./; Anschrift {f} | Adressen {pl}; Anschriften {pl} | Firmenadresse {f}; Firmenansch"
            "rift {f} | per Adresse /p. A.; p. Adr./; bei; wohnhaft bei | ladungsfähige Anschrift/Adresse [jur.] "
            "| die letzte bekannte Anschrift des Verdächtigen | An der Anschrift 15 Parkfield Road gibt es keinen"
            " MACKENZIE. :: address | addresses | company address; company’s address | care of (c/o) | address fo"
            "r service of a summons; address where a summons may be served | the last known address of/for the su"
            "spect | There is not a MACKENZIE associated to the address of 15 Parkfield Road.\n"
            "Adresse {f} [comp.] | Adressen {pl} | absolute Adresse; echte Adresse; Maschinenadresse; physische A"
            "dresse; physikalische Adresse; reale Adresse; tatsächliche Adresse | alphanumerische Adresse | direk"
            "te Adresse; Direktadresse; explizite Adresse; unmittelbare Adresse | Distanzadresse {f} | Grundadres"
            "se {f}; Bezugsadresse {f}; Referenzadresse {f} | implizite Adresse | logische Adresse; virtuelle Adr"
            "esse | relative Adresse | symbolische Adresse; mnemotechnische Adresse; mnemonische Adresse (mit Nam"
            "en) | unmittelbare Adresse :: address | addresses | actual address; absolute address; machine addres"
            "s; physical address; real address | alphanumeric address | direct address; explicit address; immedia"
            "te address | bias address; displacement address; displacement; offset value | basic address; base ad"
            "dress; referential address; reference address | implicit address | logical address; virtual address "
            "| floating address; relative address | symbolic address; mnemotechnic address; mnemonic address | im"
            "mediate address; literal address\n"
            "Anrede {f} [ling.] [soc.] | formelle Anrede; Sie-Form | Du-Form; Du-Wort :: address; form of address"
            " | formal form of address | familiar form (of address); informal form (of address)\n"
            "Gewandtheit {f} :: address\n"
            "Rede {f}; Ansprache {f} | Reden {pl}; Ansprachen {pl} | Abschiedsrede {f}; Abschiedsansprache {f} | "
            "Abschlussrede {f} | Begrüßungsrede {f}; Begrüßungsansprache {f} |  Begrüßungsreden {pl}; Begrüßungsa"
            "nsprachen {pl} | Dankesrede {f} (bei einer Preisverleihung) |  Dankesreden {pl} | Fernsehansprache {"
            "f} |  Fernsehansprachen {pl} | Festrede {f}; Festansprache {f} |  Festreden {pl}; Festansprachen {pl"
            "} | Marathonrede {f} | Ministerrede {f} | Nominierungsrede {f} [pol.] |  Nominierungsreden {pl} | Ti"
            "schrede {f} |  Tischreden {pl} | Wahlrede {f} [pol.] |  Wahlreden {pl} | die Festrede halten | die R"
            "ede des Präsidenten | eine hervorragende Rede | eine Rede halten; eine Ansprache halten (über/zu etw"
            ".) :: speech; address | speeches; addresses | farewell speech; farewell address; valedictory speech;"
            " valedictory address; valedictory | closing speech | speech of welcome; welcoming speech; welcoming "
            "address | speechs of welcome; welcoming speeches; welcoming addresses | acceptance speech (given by "
            "sb. receiving an award/prize) | acceptance speeches | television address | television addresses | of"
            "ficial speech | official speeches | marathon speech | ministerial speech; ministerial address | nomi"
            "nating speech | nominating speeches | after-dinner speech | after-dinner speeches | campaign speech;"
            " stump speech [Am.] | campaign speeches; stump speeches | to give a formal address | the President’s"
            " speech; the speech given by the President | an excellent speech; a stem-winder [Am.] [coll.] | to g"
            "ive a speech; to make a speech; to deliver a speech; to give/deliver an address (about/on sth.)\n"
            "jdn. anreden; ansprechen; anschreiben {vt} (mit) [soc.] | anredend; ansprechend; anschreibend | ange"
            "redet; angesprochen; angeschrieben | Obwohl er ihnen seinen Vornamen nannte, redeten sie ihn weiterh"
            "in mit „Herr Doktor“ an. | In der deutschen Armee wurden vorgesetzte Offiziere früher in der dritten"
            " Person angesprochen, z. B. mit „Herr Major hat absolut recht“. | Ich stand neben ihm und er sprach "
            "mich in der dritten Person an, so als wäre ich gar nicht da. | Beim E-Mail-Marketing sollte der Empf"
            "änger als Person mit Namen angeschrieben werden. :: to address sb. (as) | addressing | addressed | A"
            "lthough he told them his first name, they continued to address him as \"Doctor\". | In the German ar"
            "my, superior officers used to be addressed in the third person, for instance, as 'Herr Major is abso"
            "lutely right.' | I was standing next to him and he addressed me in the third person as if I wasn’t e"
            "ven there. | In e-mail marketing, the recipient should be addressed as an individual with his own na"
            "me.\n"
            "(ein Problem) in Angriff nehmen; angehen; anpacken; sich mit etw. auseinandersetzen; gegen etw. etwa"
            "s unternehmen; einer Sache zu Leibe rücken [geh.] {v} | in Angriff nehmend; angehend; anpackend; sic"
            "h auseinandersetzend; etwas unternehmend; einer Sache zu Leibe rückend | in Angriff genommen; angega"
            "ngen; angepackt; sich auseinandergesetzt; etwas unternommen; einer Sache zu Leibe gerückt | etw. dir"
            "ekt angehen | Altersbarrieren den Kampf ansagen | auf jds. Bedürfnisse eingehen | sich damit auseina"
            "ndersetzen, warum … | Ich weiß nicht, wie ich es anfangen / angehen soll. | Es ist Zeit, dass du etw"
            "as gegen deine Verschuldung unternimmst. | Die Regierung muss das Problem der Arbeitslosigkeit jetzt"
            " einmal angehen. :: to tackle; to address (a problem) [formal]; to grapple with sth. (difficult); to"
            " get to grips with sth. (difficult) [Br.]; to come to grips with sth. (difficult) [Am.] | tackling; "
            "addressing; grappling; getting to grips; coming to grips | tackled; addressed; grappled; got, gotten"
            " to grips; come to grips | to address sth. directly | to tackle age barriers | to address the needs "
            "of sb. | to tackle the problem of why | I don’t know how to tackle it. | It’s time for you to come t"
            "o grips with your debt. | The government needs to get to grips with the unemployment problem.\n"
            "zu jdm. sprechen {vi} | Er soll auch zu den versammelten Studenten der Universität sprechen. :: to s"
            "peak to sb.; to address sb.; to bespeak sb. [archaic] | He is also expected to address the assembled"
            " students of the University.\n");
        const QStringList row = germanItemsOf(lines, QStringLiteral("address"));
        QVERIFY2(row.indexOf(QStringLiteral("Rede")) >= 0 && row.indexOf(QStringLiteral("Rede")) < 6,
                 qPrintable(row.join(u", ")));
        QVERIFY2(row.indexOf(QStringLiteral("Gewandtheit")) < 0 || row.indexOf(QStringLiteral("Gewandtheit")) >= 6,
                 qPrintable(row.join(u", ")));
        QCOMPARE(row.first(), QStringLiteral("Adresse"));
    }
    // A row whose last kept word the subtitle list misses ("gleichwohl
    // [poet.]" of T:155325) gives that place to the listed head of a full
    // entry that gives the word after a synonym ("trotzdem; dennoch {adv} |
    // ... :: still; nevertheless; ...", T:164207); the word that gives way keeps its German row. The head of
    // a line that gives the word after two others but holds only one
    // section of examples besides ("immerhin {adv}", T:149136) stays out.
    void givesAnUnlistedLastPlaceToAListedEntryHead()
    {
        const QByteArray lines(
            "immerhin {adv} | (Das ist) immerhin etwas! :: for all that; anyhow; nevertheless; still; though | "
            "(Well, at least) that’s something!\n"
            "nichtsdestoweniger; nichtsdestotrotz; nichtsdestominder; dessen ungeachtet; gleichviel; gleichwohl "
            "[poet.] {adv} | Einige Aktionäre sind gegen den Plan. Wir werden ihn nichtsdestotrotz durchziehen. "
            ":: nevertheless; nonetheless; notwithstanding | Some shareholders oppose the plan. Notwithstanding, "
            "we will go through with it.\n"
            "trotzdem; dennoch {adv} | Dennoch habe ich es versucht. | Du hast Recht. Trotzdem … | Es hat (zwar) "
            "geregtnet, trotzdem / dennoch war der Ausflug schön. :: still; nevertheless; nonetheless | Yet/But I "
            "still tried.; I tried nonetheless/nevertheless. | Point taken. Nevertheless, … | It rained, but we "
            "still had a nice trip.\n");
        const GermanSources sources = germanSourcesFromTrans(lines, {QStringLiteral("nevertheless")});
        const QStringList row = sources.englishToGerman.value(QStringLiteral("nevertheless"));
        QVERIFY2(row.indexOf(QStringLiteral("trotzdem")) == 5, qPrintable(row.join(u", ")));
        QCOMPARE(row.first(), QStringLiteral("nichtsdestoweniger"));
        QVERIFY(row.indexOf(QStringLiteral("immerhin")) < 0 || row.indexOf(QStringLiteral("immerhin")) > 5);
        const QString displaced = row.value(6);
        QVERIFY2(!displaced.isEmpty() && sources.ownLineHeads.contains(displaced + QStringLiteral("\nnevertheless")),
                 qPrintable(row.join(u", ")));
    }
    // A bare noun line of a word that heads a full entry of its own for
    // another English word ("Heldentat {f} :: exploit", T:185768, beside
    // "Heldentat {f} | Heldentaten {pl} :: heroic deed; ...", T:49624) keeps
    // its place: the dictionary treats the word fully elsewhere.
    void keepsABareNounLineOfAWordWithAFullEntry()
    {
        const QByteArray lines(
            "ausbeuten {vt} | ausbeutend | ausgebeutet | beutet aus | beutete aus | ausgebeutet; ausgenutzt :: to"
            " exploit | exploiting | exploited | exploits | exploited | exploited\n"
            "jdn./etw. (für seine eigenen Zwecke) instrumentalisieren {vt} | Er hatte seinen Mandanten instruiert"
            ", der Presse so wenig Auskünfte wie möglich zu geben. | instrumentalisierend | instrumentalisiert ::"
            " to exploit sb./sth. (for your own purposes) | He had primed his client to give the journalists as l"
            "ittle information as possible. | exploiting | exploited\n"
            "vermarkten {vt} | vermarktend | vermarktet :: to exploit (commercially); to capitalize on; to capita"
            "lise on [Br.] | exploiting; capitalizing on | exploited; capitalized on\n"
            "etw. (kommerziell) verwerten; nutzen; ausbeuten [pej.] {vt} [econ.] | verwertend; nutzend; ausbeuten"
            "d | verwertet; genutzt; ausgebeutet | ein geistiges Werk verwerten | künstlerische Leistungen gewerb"
            "lich verwerten :: to exploit sth.; to commercialise sth. | exploiting; commercialising | exploited; "
            "commercialised | to exploit an intellectual work | to commercialize artistic performances\n"
            "Heldentat {f} :: exploit\n"
            "Heldentat {f} | Heldentaten {pl} :: heroic deed; brave action | heroic deeds; brave actions\n"
            "Abenteuer {n}; Eskapade {f} | Abenteuer {pl}; Eskapaden {pl} | eine besoffene Geschichte [ugs.] | se"
            "xuelle Abenteuer | jugendliche Eskapaden :: adventure; escapade; exploit | adventures; escapades; ex"
            "ploits | a drunken escapade | sexual escapades/exploits | youthful escapades/exploits\n");
        const QStringList row = germanItemsOf(lines, QStringLiteral("exploit"));
        QVERIFY2(row.indexOf(QStringLiteral("Heldentat")) >= 0 && row.indexOf(QStringLiteral("Heldentat")) < 6,
                 qPrintable(row.join(u", ")));
    }
    void putsAnAdverbRepeatingItsAdjectiveAfterTheOtherSenses()
    {
        // T:145854, T:145921, T:145923: the bare adverb line of
        // "gesprächig" repeats "talkative" of the adjective's line.
        const QByteArray lines =
            "geschwätzig; redselig; gesprächig {adj} :: talkative; chatty; talky\n"
            "gesprächig {adv} :: talkatively\n"
            "gesprächig {adj} :: conversational\n"
            "mitteilsam; gesprächig {adj} :: forthcoming\n";
        const QStringList core{QStringLiteral("talkative"), QStringLiteral("conversational"),
                               QStringLiteral("forthcoming")};
        const QStringList items = englishItemsOf(lines, core, QStringLiteral("gesprächig"));
        QCOMPARE(items.size(), 4);
        QCOMPARE(items.last(), QStringLiteral("talkatively"));
    }
    void headsAHyphenatedWordByTheClosedUpTwinItsLineGives()
    {
        // T:125735 (cut after its first sections), T:52485, T:151956 and
        // T:21073 as they stand.
        const QByteArray lines =
            "Zahnbürste {f} | Zahnbürsten {pl} | elektrische Zahnbürste {f}; Elektrozahnbürste {f} :: tooth-brush; "
            "toothbrush | toothbrushes | electric toothbrush; power toothbrush\n"
            "Imkerei {f}; Bienenzucht {f}; Bienenhaltung {f}; Bienenwirtschaft {f} [agr.] :: bee-keeping; "
            "beekeeping; apiculture\n"
            "kurzsichtig; nicht zu Ende gedacht {adj} [übtr.] :: short-sighted; shortsighted [Am.]; lacking "
            "foresight [fig.]\n"
            "Bügeleisen {n}; Plätteisen {n}; Glätteisen {n} [Schw.] | Bügeleisen {pl}; Plätteisen {pl}; Glätteisen "
            "{pl} | Reisebügeleisen {n} :: iron; flat-iron | irons; flat-irons | travelling iron [Br.]; traveling "
            "iron [Am.]\n";
        const QSet<QString> wordList{QStringLiteral("toothbrush"), QStringLiteral("beekeeping"),
                                     QStringLiteral("shortsighted"), QStringLiteral("flatiron")};
        const QStringList words{QStringLiteral("tooth-brush"), QStringLiteral("bee-keeping"),
                                QStringLiteral("short-sighted"), QStringLiteral("flat-iron")};
        const QHash<QString, QString> twins = closedUpTwinsInTrans(lines, words, wordList);
        QCOMPARE(twins.value(QStringLiteral("tooth-brush")), QStringLiteral("toothbrush"));
        QCOMPARE(twins.value(QStringLiteral("bee-keeping")), QStringLiteral("beekeeping"));
        // One country's spelling, and a spelling no line gives, leave the
        // word as it is.
        QVERIFY(!twins.contains(QStringLiteral("short-sighted")));
        QVERIFY(!twins.contains(QStringLiteral("flat-iron")));
        // So does a twin that is a word of its own, and a twin the list
        // does not know.
        QVERIFY(closedUpTwinsInTrans(lines, words + QStringList{QStringLiteral("toothbrush")}, wordList)
                    .value(QStringLiteral("tooth-brush"))
                    .isEmpty());
        QVERIFY(closedUpTwinsInTrans(lines, words, {}).isEmpty());
    }

    // T:136413 "besiegen; bezwingen {vt} | besiegend; ... :: to defeat |
    // ..." is the verb's own entry with its tenses, shorter than T:136414
    // ("to conquer sb./sth."); T:136420 gives "see off"
    // on a line tagged "[übtr.] [ugs.]" and T:191561 for the British
    // English only, and the subtitle list, which counts the phrase by "see"
    // and "off", put it first. T:165572 compares "unangenehm" and gives
    // "unpleasant"; the later, shorter T:165575 gives "nasty" and was put
    // first (T:166615, longer, lists the word later). T:58901 and T:58902:
    // "Knopf {m} [textil.]" is the fuller entry with the plurals and keeps
    // "button" first. T:169414 gives "einleuchtend" as a later synonym of
    // "vernünftig" with "moral", whose further sections are phrases naming
    // none of the line's words ("innere Gewissheit :: moral certainty"); the
    // earlier T:140231, which "einleuchtend" heads, gives "plausible".
    // T:86285 "(gummierter) Regenmantel {m} | Regenmäntel {pl} | ... ::
    // mackintosh [Br.]; slicker [Am.] | ..." is the noun's first line with
    // its plural, a kind narrowed by a note and given in one country's
    // words; T:86286 "Regenmantel {m} | Regenmäntel {pl} :: raincoat |
    // raincoats" is its plain line, and T:182843 adds "mac [Br.]". T:15206
    // to T:15208 alike give "Beratungsgespräch (mit einem Kunden)" as
    // "counselling interview [Br.]" before the plain "consultation".
    // T:182942 "Ausländer {m} | Fremder {m} :: outlander [mainly Am.] |
    // outlander [mainly Am.]" pairs two words with one translation; it gives
    // no forms of the word and so does not pass for the look-alike's entry
    // before T:134209, whose later synonym "Ausländer" gives "non-national;
    // alien; foreigner".
    void putsTheOwnPlainMainEntryBeforeASideUse_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("core");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("kept");
        QTest::newRow("besiegen: the verb's entry before a colloquial phrase")
            << QByteArray(
            "besiegen; bezwingen {vt} | besiegend; bezwingend | besiegt; bezwungen | besiegt; bezwingt | besiegte"
            "; bezwang | Spanien bezwingt Finnland 3:0. :: to defeat | defeating | defeated | defeats | defeated "
            "| Spain defeats Finland 3-0.\n"
            "jdn./etw. besiegen; bezwingen {vt} | besiegend; bezwingend | besiegt; bezwingt | alle seine Feinde b"
            "esiegen | seine Höhenangst besiegen | einen Berg bezwingen | Die Krankheit kann besiegt werden. | Er"
            " kam, sah und siegte. :: to conquer sb./sth. | conquering | conquers | to conquer all your enemies |"
            " to conquer your fear of heights | to conquer a mountain | The disease can be conquered. | He came, "
            "he saw, he conquered.\n"
            "jdn. besiegen; jdn. überfordern {vt} | besiegend; überfordernd | besiegt; überfordert :: to floor sb"
            ". | flooring | floored\n"
            "jdn. besiegen; jdn. in die Tasche stecken [übtr.] [ugs.] {vt} :: to see off <> sb.\n"
            "jdn. besiegen; jdn. schlagen; jdn. abhängen {vt} :: to see off <> sb. [Br.]\n")
            << QStringList{QStringLiteral("defeat"), QStringLiteral("see off"), QStringLiteral("floor")}
            << QStringLiteral("besiegen") << QStringLiteral("defeat") << QStringLiteral("see off");
        QTest::newRow("unangenehm: the adjective's entry before a later, shorter line")
            << QByteArray(
            "unangenehm; unerfreulich; unliebsam {adj} | unangenehmer | am unangenehmsten | unangenehme Überrasch"
            "ung | unliebsamer Vorfall | eine unangenehme Sache :: unpleasant; uncomfortable | more unpleasant | "
            "most unpleasant | unpleasant surprise | unpleasant incident | an unpleasant affair; an unpleasant bu"
            "siness\n"
            "unangenehm; unliebsam; hässlich; grässlich; scheußlich; garstig {adj} | die unangenehme Gewohnheit, "
            "sich zu wiederholen | einen bitteren Nachgeschmack hinterlassen [übtr.] | Er hatte einen scheußliche"
            "n Unfall. :: nasty | a nasty habit of repeating yourself | to leave a nasty taste in the mouth [fig."
            "] | He had a nasty accident.\n"
            "peinlich; unangenehm {adj} | unangenehme Fragen :: painful | painful questions\n"
            "ungeschminkt; unangenehm (und unvermeidbar); erbarmungslos; hart; negativ {adj} (Wirklichkeit, Tatsa"
            "che) | die ungeschminkte Realität des Todes | eine unangenehme Entscheidung | brutale Einzelheiten |"
            " die unangenehmen / negativen Folgen, die Protektionismus hat | vor die unangenehme Wahl zwischen st"
            "undenlanger Fahrt zum Arbeitsplatz oder Arbeitslosigkeit gestellt sein | Die Pandemie führt uns eind"
            "ringlich / erbarmungslos die Gefahren internationaler Abhängigkeiten vor Augen. :: harsh; stark (of "
            "reality or a fact) | the stark reality of death | a stark decision | harsh details | the stark conse"
            "quences of protectionism | to face the harsh / stark choice between hours of travel to the workplace"
            " or unemployment | The pandemic is a stark reminder of the dangers of international dependencies.\n")
            << QStringList{QStringLiteral("unpleasant"), QStringLiteral("nasty"), QStringLiteral("painful")}
            << QStringLiteral("unangenehm") << QStringLiteral("unpleasant") << QStringLiteral("nasty");
        QTest::newRow("Knopf: a fuller tagged entry keeps its place")
            << QByteArray(
            "Knopf {m} | Knöpfe {pl} | Fokussierknopf {f} :: knob | knobs | focussing knob; focusing knob\n"
            "Knopf {m} [textil.] | Knöpfe {pl} | Hohlknopf {m} | Knopf mit Öse; Ösenknopf {m} | einen Kopf aufmac"
            "hen | einen Kopf zumachen | Der Knopf ist abgefallen. :: button | buttons | hollow button | botton w"
            "ith eye; shank button | to do up a button [Br.]; to botton a button [Am.] | to undo a button [Br.]; "
            "to unbotton a button [Am.]; to do a botton [coll.] | The button has come off.\n")
            << QStringList{QStringLiteral("button"), QStringLiteral("knob")} << QStringLiteral("Knopf")
            << QStringLiteral("button") << QStringLiteral("knob");
        QTest::newRow("einleuchtend: the headed plain line before another word's phrase line")
            << QByteArray(
            "einleuchtend; plausibel; glaubhaft {adj} | Diese Ergebnisse lassen es glaubhaft/plausibel erscheinen"
            ", dass … :: plausible | These findings make it plausible that …\neinleuchtend; überzeugend; schlüssi"
            "g; stringent [geh.] {adj} | eine einleuchtende Erklärung | ein überzeugender Grund | ein schlüssiges"
            " Argument :: cogent [formal] | a cogent explanation | a cogent reason | a cogent argument\neinleucht"
            "end; überzeugend; schlüssig; stringent [geh.] {adv} :: cogently\nvernünftig; einleuchtend; logisch {"
            "adj} | innere Gewissheit; vollste Überzeugung | mit an Sicherheit grenzender Wahrscheinlichkeit; aus"
            " vollster Überzeugung | subjektives Risiko (wegen falscher Angaben des Versicherten) | Es ist mit Si"
            "cherheit anzunehmen, dass … :: moral | moral certainty | with moral certainty | moral hazard | It’s "
            "a moral certainty that…\n")
            << QStringList{QStringLiteral("moral"), QStringLiteral("plausible"), QStringLiteral("cogent")}
            << QStringLiteral("einleuchtend") << QStringLiteral("plausible") << QStringLiteral("moral");
        QTest::newRow("Regenmantel: the plain plural line before a noted regional main entry")
            << QByteArray(
            "(gummierter) Regenmantel {m} | Regenmäntel {pl} | einen Regenmantel anlegen :: mackintosh [Br.]; sli"
            "cker [Am.] | mackintoshs; slickers | to don a mackintosh/slicker\n"
            "Regenmantel {m} | Regenmäntel {pl} :: raincoat | raincoats\n"
            "Regenmantel {m} | Regenmantel {m} :: mac [Br.]; macintosh [Br.] | mackintosh [Br.] [obs.]\n")
            << QStringList{QStringLiteral("mac")} << QStringLiteral("Regenmantel") << QStringLiteral("raincoat")
            << QStringLiteral("mackintosh");
        QTest::newRow("Beratungsgespräch: the plain plural line before a noted regional main entry")
            << QByteArray(
            "Beratungsgespräch {n} (mit einem Kunden) | Beratungsgespräche {pl} :: counselling interview [Br.]; c"
            "ounseling interview [Am.] | counselling interviews; counseling interviews\n"
            "Beratungsgespräch {n}; Beratung {f} [ugs.] (bei jdm.); Konsultation {f} (eines Fachmanns, insb. in d"
            "en freien Berufen) | Beratungsgespräche {pl}; Beratungen {pl}; Konsultationen {pl} :: consultation; "
            "consult [Am.] (meeting with an expert, esp. a professional) | consultations; consults\n"
            "Beratungsgespräch {n} (Therapie) [med.] | Beratungsgespräche {pl} :: counselling talk [Br.]; counsel"
            "ing talk [Am.] | counselling talks; counseling talks\n")
            << QStringList{QStringLiteral("consultation")} << QStringLiteral("Beratungsgespräch")
            << QStringLiteral("consultation")
            << QStringLiteral("counselling interview");
        QTest::newRow("Ausländer: a line pairing two words is no look-alike's entry")
            << QByteArray(
            "ausländischer Staatsangehöriger {m}; ausländischer Staatsbürger {m}; Ausländer {m}; Fremder {m} [adm"
            ".]; Fremdling {m} [poet.] | ausländische Staatsangehörige {pl}; ausländische Staatsbürger {pl}; Ausl"
            "änder {pl}; Fremde {pl}; Fremdlinge {pl} | illegale Ausländer; Illegale [ugs.] (ohne Aufenthaltserla"
            "ubnis) [adm.] | jdn. zum unerwünschten Ausländer erklären | ausländerbehördlich / fremdenrechtlich /"
            " fremdenpolizeilich [Ös.] erfasst sein :: non-national; alien; foreigner | non-nationals; aliens; fo"
            "reigners | illegal aliens; illegals [coll.] | to classify sb. as an undesirable alien | to be regist"
            "ered as an alien\n"
            "Ausländer {m} | Fremder {m} :: outlander [mainly Am.] | outlander [mainly Am.]\n")
            << QStringList{QStringLiteral("alien")} << QStringLiteral("Ausländer") << QStringLiteral("non-national")
            << QStringLiteral("outlander");
    }
    void putsTheOwnPlainMainEntryBeforeASideUse()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, core);
        QFETCH(QString, german);
        QFETCH(QString, first);
        QFETCH(QString, kept);
        const QStringList items = englishItemsOf(lines, core, german);
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.first(), first);
        QVERIFY(items.contains(kept));
    }

    // T:169414 gives "einleuchtend" and "logisch" as later synonyms of
    // "vernünftig" with "moral", which its further sections name only in
    // phrases ("innere Gewissheit :: moral certainty"); the lines
    // "einleuchtend" heads, T:140231 to T:140233, give its own words, which
    // go before "moral" wherever the ranking put it. T:145678 tags
    // "geringwertig; minderwertig {adj}" with "[chem.] [techn.]" and gives
    // "base", whose own entry (T:13013) is a noun's; T:145679, which
    // "geringwertig" heads with "[fin.]" on its later synonym only, gives
    // "low-value", the adjective's everyday sense.
    void putsTheOwnLinesWordsBeforeAnotherWordsUse()
    {
        const QByteArray einleuchtend =
            "einleuchtend; plausibel; glaubhaft {adj} | Diese Ergebnisse lassen es glaubhaft/plausibel erscheinen"
            ", dass … :: plausible | These findings make it plausible that …\neinleuchtend; überzeugend; schlüssi"
            "g; stringent [geh.] {adj} | eine einleuchtende Erklärung | ein überzeugender Grund | ein schlüssiges"
            " Argument :: cogent [formal] | a cogent explanation | a cogent reason | a cogent argument\neinleucht"
            "end; überzeugend; schlüssig; stringent [geh.] {adv} :: cogently\nvernünftig; einleuchtend; logisch {"
            "adj} | innere Gewissheit; vollste Überzeugung | mit an Sicherheit grenzender Wahrscheinlichkeit; aus"
            " vollster Überzeugung | subjektives Risiko (wegen falscher Angaben des Versicherten) | Es ist mit Si"
            "cherheit anzunehmen, dass … :: moral | moral certainty | with moral certainty | moral hazard | It’s "
            "a moral certainty that…\n";
        const QStringList own = englishItemsOf(
            einleuchtend, {QStringLiteral("moral"), QStringLiteral("plausible"), QStringLiteral("cogent")},
            QStringLiteral("einleuchtend"));
        QVERIFY2(own.contains(QStringLiteral("moral")), qPrintable(own.join(u", ")));
        QVERIFY2(own.indexOf(QStringLiteral("moral")) > own.indexOf(QStringLiteral("cogent"))
                     && own.indexOf(QStringLiteral("moral")) > own.indexOf(QStringLiteral("cogently")),
                 qPrintable(own.join(u", ")));

        const QByteArray geringwertig =
            "Base {f} [chem.] | Basen {pl} :: base | bases\n"
            "geringwertig; minderwertig {adj} [chem.] [techn.] | ein geringwertiges Metall | das höherwertige Me"
            "tall :: base | a base metal | the less base metal\n"
            "geringwertig {adj}; von geringem Wert [fin.] | Aufmerksamkeiten von geringem Wert :: low-value; of "
            "little value | low-value tokens\n"
            "minderwertig; geringwertig; von minderer Güte [geh.] {adj} :: inferior; substandard\n";
        const QStringList low = englishItemsOf(
            geringwertig, {QStringLiteral("base"), QStringLiteral("low-value"), QStringLiteral("inferior")},
            QStringLiteral("geringwertig"));
        QVERIFY2(low.value(0) == QStringLiteral("low-value") && low.contains(QStringLiteral("base")),
                 qPrintable(low.join(u", ")));
    }
};

QTEST_GUILESS_MAIN(TestTransDeEn)
#include "tst_trans_de_en.moc"
