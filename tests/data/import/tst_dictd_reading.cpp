// Reading dictd files: the index numbers, the streamed dictzip text, the two
// entry styles, the cleaning of translation lines and the repairs of the
// small Spanish dictionaries.

#include "data/import/dictd_entry.h"
#include "data/import/markup_cleaning.h"
#include "data/import/dictd_index.h"
#include "data/import/dictzip_stream.h"
#include "data/import/spanish_repairs.h"
#include "data/import/trans_de_en.h"
#include "data/record_error.h"
#include "import_fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorbix;
using namespace vorbix::import;
using namespace vorbix::testing;

class TestDictdReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesBase64Numbers_data()
    {
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<qint64>("value");
        QTest::newRow("zero") << QByteArray("A") << qint64(0);
        QTest::newRow("last digit") << QByteArray("/") << qint64(63);
        QTest::newRow("two digits, most significant first") << QByteArray("BA") << qint64(64);
        QTest::newRow("from the eng-spa index") << QByteArray("GJM") << qint64(6 * 4096 + 9 * 64 + 12);
        QTest::newRow("letters, digits, plus") << QByteArray("z9+") << qint64(51 * 4096 + 61 * 64 + 62);
    }
    void decodesBase64Numbers()
    {
        QFETCH(QByteArray, digits);
        QFETCH(qint64, value);
        QCOMPARE(decodeDictdNumber(digits), std::optional<qint64>(value));
    }

    void refusesBadIndexLines()
    {
        QVERIFY(!decodeDictdNumber("").has_value());
        QVERIFY(!decodeDictdNumber("A=B").has_value());
        QVERIFY(!decodeDictdNumber("//////////////").has_value());  // overflows 63 bits
        const QVector<DictdIndexEntry> entries =
            parseDictdIndex("00databaseurl\tA\tB\nhouse\tBA\tC\n", QStringLiteral("x.index"));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.at(0).key, QByteArray("house"));
        QCOMPARE(entries.at(0).offset, 64);
        QCOMPARE(entries.at(0).length, 2);
        try {
            parseDictdIndex("house\tBA\tC\nbroken line\n", QStringLiteral("x.index"));
            QFAIL("a line without offset and length was accepted");
        } catch (const RecordError &error) {
            QVERIFY2(error.message().contains(QLatin1String("x.index, line 2")), qPrintable(error.message()));
        }
    }

    void streamsEntriesFromDictzipBothStyles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString base = dir.filePath(QStringLiteral("freedict-test"));
        const QVector<DictdIndexEntry> index = writeDictionary(
            base,
            {QByteArray("abate /əbeit/\n1. calmarse, sosegarse\n2. amainar\n \"an example\"\n\nsee also\n"),
             QByteArray("aujourd'hui /oʒuʀdɥi/ <adv>\ntoday, nowadays\n"),
             QByteArray("Essig /ˈɛsɪç/ <masc>\n [cook.] vinegar <n>, acetum\n      \"Essig und Öl\"  - oil and vinegar\n"
                        " see: {Essigsäure}\n\n")});
        QCOMPARE(index.size(), 3);  // the 00database entry is left out

        // Visit in reverse index order: the reader must still stream in
        // offset order and hand each entry its own text.
        QVector<DictdIndexEntry> reversed(index.rbegin(), index.rend());
        reversed.append(index.at(1));  // listed twice, visited once
        QStringList texts;
        forEachDictdEntry(base + QStringLiteral(".dict.dz"), reversed,
                          [&texts](const DictdIndexEntry &, const QByteArray &bytes) { texts.append(QString::fromUtf8(bytes)); });
        QCOMPARE(texts.size(), 3);

        const DictdEntry small = parseDictdEntry(texts.at(0), EntryStyle::SenseList);
        QCOMPARE(small.headword, QStringLiteral("abate"));
        QCOMPARE(small.pronunciation, QStringLiteral("əbeit"));
        QCOMPARE(small.translations, (QStringList{QStringLiteral("calmarse"), QStringLiteral("sosegarse"),
                                                  QStringLiteral("amainar")}));

        // A sense given by examples only leaves its number alone on the line:
        // the number is no translation.
        const DictdEntry verlan = parseDictdEntry(
            QString::fromUtf8("verlan /vɛʀlɑ̃/ <n, masc>\n1. back-slang\n2.\n french slang formed by reversal of syllables\n"),
            EntryStyle::SenseList);
        QCOMPARE(verlan.translations, QStringList{QStringLiteral("back-slang")});
        const DictdEntry falloir = parseDictdEntry(
            QString::fromUtf8("falloir /falwaʀ/ <v>\n1.\n      \"Il faut quelque chose\"\n We need something\n"),
            EntryStyle::SenseList);
        QVERIFY(falloir.translations.isEmpty());

        const DictdEntry apostrophe = parseDictdEntry(texts.at(1), EntryStyle::SenseList);
        QCOMPARE(apostrophe.headword, QStringLiteral("aujourd'hui"));  // not the key "aujourdhui"
        QCOMPARE(apostrophe.translations, (QStringList{QStringLiteral("today"), QStringLiteral("nowadays")}));

        const DictdEntry german = parseDictdEntry(texts.at(2), EntryStyle::SingleSense);
        QCOMPARE(german.headword, QStringLiteral("Essig"));
        QCOMPARE(german.translations, (QStringList{QStringLiteral("vinegar"), QStringLiteral("acetum")}));
        QCOMPARE(german.examples.size(), 1);
        QCOMPARE(german.examples.at(0).source, QStringLiteral("Essig und Öl"));
        QCOMPARE(german.examples.at(0).target, QStringLiteral("oil and vinegar"));
        QCOMPARE(examplesOfEntry(texts.at(2)).size(), 1);
    }

    void refusesTruncatedDictzip()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("freedict-test"));
        QVector<DictdIndexEntry> index = writeDictionary(base, {QByteArray("house /haus/\ncasa\n")});
        index[0].length += 1000;  // runs past the end of the text
        QVERIFY_THROWS_EXCEPTION(RecordError, forEachDictdEntry(base + QStringLiteral(".dict.dz"), index,
                                                                [](const DictdIndexEntry &, const QByteArray &) {}));
    }

    void cleansTranslationLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("split only outside brackets")
            << QStringLiteral("(sich) waschen, Haus (alt, neu), {a, b}")
            << QStringList{QStringLiteral("(sich) waschen"), QStringLiteral("Haus (alt, neu)"), QStringLiteral("{a, b}")};
        QTest::newRow("domain and pos tags dropped")
            << QStringLiteral(" [med.]  [selten] excision <n>, Kondition <fem>")
            << QStringList{QStringLiteral("excision"), QStringLiteral("Kondition")};
        QTest::newRow("IPA item dropped, abbreviation glued to a tag cut off")
            << QStringLiteral("order number <n>ord.no.,  /ˈɔɾt nˈoː/, Bestellnummer")
            << QStringList{QStringLiteral("order number"), QStringLiteral("Bestellnummer")};
        QTest::newRow("acronym glued to a sentence dropped")
            << QStringLiteral("Still in the dark.SITD, Keine Ahnung")
            << QStringList{QStringLiteral("Keine Ahnung")};
        QTest::newRow("fragments with ellipsis dropped")
            << QStringLiteral("zwielichtig <adj>, Hinterhof…, Hof..., Hof")
            << QStringList{QStringLiteral("zwielichtig"), QStringLiteral("Hof")};
        QTest::newRow("U+0085 is an ellipsis, so the fragment goes")
            << QStringLiteral("etwas\u0085, etwas") << QStringList{QStringLiteral("etwas")};
        QTest::newRow("hyphens, no-break space and en dash mapped")
            << QStringLiteral("chou\u2010fleur, X\u2011rays, a\u00a0b, 1\u00962")
            << QStringList{QStringLiteral("chou-fleur"), QStringLiteral("X-rays"), QStringLiteral("a b"),
                           QStringLiteral("1\u20132")};
        // Lines of the Debian dictd files whose markup must not reach a learner.
        QTest::newRow("eng-deu street: abbreviation glued to the gender tag")
            << QStringLiteral("Straße <fem>Str.,  /ˌɛstˌiːˈɑː/") << QStringList{QStringLiteral("Straße")};
        QTest::newRow("eng-deu Monday: abbreviation glued to the gender tag")
            << QStringLiteral("Montag <masc>Mo,  /mˈəʊ/") << QStringList{QStringLiteral("Montag")};
        QTest::newRow("eng-deu against: case government leaves no empty ()")
            << QStringLiteral("gegen ([+ acc]) <prep>") << QStringList{QStringLiteral("gegen")};
        QTest::newRow("eng-deu against: tags between items")
            << QStringLiteral("entgegen, wider [geh.] , zuwider ([+ dat]) <prep> [geh.]")
            << QStringList{QStringLiteral("entgegen"), QStringLiteral("wider"), QStringLiteral("zuwider")};
        QTest::newRow("eng-deu occasionally: word alternative resolved to the first")
            << QStringLiteral("hie und da, ab und zu/an, fallweise")
            << QStringList{QStringLiteral("hie und da"), QStringLiteral("ab und zu"), QStringLiteral("fallweise")};
        QTest::newRow("deu-eng: inflection endings dropped")
            << QStringLiteral("tiefste/r/s, ein/e") << QStringList{QStringLiteral("tiefste"), QStringLiteral("ein")};
        QTest::newRow("deu-eng nehmen: valency marker of a verb")
            << QStringLiteral("take sth. <v>") << QStringList{QStringLiteral("take")};
        QTest::newRow("eng-deu take to heart: marker inside a phrase")
            << QStringLiteral("sich etw. zu Herzen nehmen <v, refl>")
            << QStringList{QStringLiteral("sich zu Herzen nehmen")};
        QTest::newRow("markers joined by a slash")
            << QStringLiteral("gegen jdn./etw., of sb./sth.")
            << QStringList{QStringLiteral("gegen"), QStringLiteral("of")};
        QTest::newRow("eng-fra iron: stray bracket")
            << QStringLiteral("repasser]") << QStringList{QStringLiteral("repasser")};
        QTest::newRow("eng-fra: affixes and fragments are no translations")
            << QStringLiteral("-able, -ible, il y a ..., à") << QStringList{QStringLiteral("à")};
        QTest::newRow("duplicates dropped after cleaning")
            << QStringLiteral("Essig <masc>, Essig [cook.], essig")
            << QStringList{QStringLiteral("Essig"), QStringLiteral("essig")};
    }
    void cleansTranslationLines()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QCOMPARE(translationsOfLine(line), expected);
    }

    void cleansHeadwords_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("expected");
        QTest::newRow("eng-deu valency verb") << QStringLiteral("take sth. into account /tˈeɪk ˌɛstˌiːˈeɪtʃ/")
                                              << QStringLiteral("take into account");
        QTest::newRow("deu-eng valency verb") << QStringLiteral("etw. nehmen /ˈɛtf nˈeːmən/ <v, trans>")
                                              << QStringLiteral("nehmen");
        QTest::newRow("deu-eng inflection endings") << QStringLiteral("tiefste/r/s /tˈiːfstə ˈɛɾ ˈɛs/ <adj>")
                                                    << QStringLiteral("tiefste");
        QTest::newRow("eng-fra fragment") << QStringLiteral("... ago /ɐɡˈəʊ/") << QString();
        QTest::newRow("eng-fra affix") << QStringLiteral("-able /ˈabl/") << QString();
        QTest::newRow("alternative whole words") << QStringLiteral("and/or") << QString();
    }
    void cleansHeadwords()
    {
        QFETCH(QString, header);
        QFETCH(QString, expected);
        QCOMPARE(parseDictdEntry(header + QStringLiteral("\nx\n"), EntryStyle::SenseList).headword, expected);
    }

    // Text without tags, markers, slashes or brackets is only tidied; text
    // with any of them goes through the full cleaning.
    void cleansPlainAndMarkedTextAlike_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QStringLiteral("Kopfsalat") << QStringLiteral("Kopfsalat");
        QTest::newRow("blanks") << QStringLiteral("  ab  und zu ") << QStringLiteral("ab und zu");
        QTest::newRow("trailing separators") << QStringLiteral("Haus, ;") << QStringLiteral("Haus");
        QTest::newRow("inner hyphen") << QStringLiteral("E-Mail") << QStringLiteral("E-Mail");
        QTest::newRow("suffix") << QStringLiteral("-heit") << QString();
        QTest::newRow("prefix") << QStringLiteral("ver-") << QString();
        QTest::newRow("marker without its dot") << QStringLiteral("sth") << QStringLiteral("sth");
        QTest::newRow("marker") << QStringLiteral("take sth. back") << QStringLiteral("take back");
        QTest::newRow("ellipsis character") << QStringLiteral("il y a \u2026") << QString();
        QTest::newRow("tag") << QStringLiteral("Straße <fem>Str.") << QStringLiteral("Straße");
        // Each markup character alone sends the text through the full cleaning.
        for (const QString &marked : {QStringLiteral("(Haus"), QStringLiteral("Haus)"), QStringLiteral("[Haus"),
                                      QStringLiteral("Haus]"), QStringLiteral("<Haus"), QStringLiteral("Haus>")})
            QTest::newRow(qPrintable(marked)) << marked << QStringLiteral("Haus");
        QTest::newRow("alternatives") << QStringLiteral("er/sie") << QStringLiteral("er");
    }
    void cleansPlainAndMarkedTextAlike()
    {
        QFETCH(QString, item);
        QFETCH(QString, expected);
        QCOMPARE(withoutMarkup(item), expected);
    }

    void takesHeadwordFromHeader()
    {
        QCOMPARE(headwordOfHeader(QStringLiteral("base curve radius /bˈeɪs/ (BKR /bˌiː/)")), QStringLiteral("base curve radius"));
        QCOMPARE(headwordOfHeader(QStringLiteral("Wühlkisten /vyːlkˈɪstən/ <pl>")), QStringLiteral("Wühlkisten"));
        QCOMPARE(headwordOfHeader(QStringLiteral("Victoria <n>")), QStringLiteral("Victoria"));
        QCOMPARE(headwordOfHeader(QStringLiteral("and/or")), QStringLiteral("and/or"));
    }

    void detectsHeadwordsCutFromAPhrase_data()
    {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("pronunciation");
        QTest::addColumn<bool>("cut");
        // eng-spa entries: "be /bədrift/" is "be adrift", "all /lðtaim/" "all the time".
        QTest::newRow("be adrift") << QStringLiteral("be") << QStringLiteral("bədrift") << true;
        QTest::newRow("all the time") << QStringLiteral("all") << QStringLiteral("lðtaim") << true;
        QTest::newRow("count down") << QStringLiteral("count") << QStringLiteral("kauntdaun") << true;
        QTest::newRow("abate") << QStringLiteral("abate") << QStringLiteral("əbeit") << false;
        QTest::newRow("Siberia") << QStringLiteral("Siberia") << QStringLiteral("saibiəriə") << false;
        QTest::newRow("potato") << QStringLiteral("potato") << QStringLiteral("pɔteitou") << false;
        QTest::newRow("X-rays, a phrase IPA") << QStringLiteral("X-rays") << QStringLiteral("ˈɛks ɹˈeɪz") << false;
    }
    void detectsHeadwordsCutFromAPhrase()
    {
        QFETCH(QString, headword);
        QFETCH(QString, pronunciation);
        QFETCH(bool, cut);
        QCOMPARE(isLongerThanTheWord(headword, pronunciation), cut);
        // Without a phrase to put back, a cut entry is dropped rather than
        // giving the word the phrase's senses.
        HeadwordRepairs report;
        const QVector<DictdEntry> kept =
            repairCutHeadwords({DictdEntry{headword, pronunciation, {QStringLiteral("x")}, {}, {}}}, {}, {}, {}, report);
        QCOMPARE(kept.isEmpty(), cut);
    }

    void splitsGluedTranslationsOnlyWhenSure_data()
    {
        // Glued items of eng-spa and spa-eng as the files hold them, with
        // the word-list words they can be cut into, against the built-in
        // frequency lists. An empty expectation: the item is left out
        // (unsure); "=": it is a word and stays as it is.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *language, const char *item, const char *words,
                      const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(language) << QString::fromUtf8(item)
                                << QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                << QString::fromUtf8(expected);
        };
        // just /dʒʌstnau/: hacepoco; the word list holds "cepo" and "co", not "hace".
        row("hace poco, not ha cepo co", "es", "hacepoco", "ha cepo co poco", "hace poco");
        // good /gudiːvniŋ/: buenastardes; "buenas" and "tardes" are only in the frequency list.
        row("buenas tardes, not bu enastar des", "es", "buenastardes", "bu enastar des tarde bueno", "buenas tardes");
        // cheers /tʃiəz/: asusalud; "a sus alud" has as many pieces but a rare one.
        row("a su salud, not a sus alud", "es", "asusalud", "su sus alud salud", "a su salud");
        row("parada del autobús, not del a ut obús", "es", "paradadelautobús", "parada de del la ut obús autobús",
            "parada del autobús");
        row("opening and closing marks stay", "es", "¿cómoestáusted?", "cómo está usted", "¿cómo está usted?");
        // because /bikɔːz/: porque, puestoque, yaque.
        row("puesto que, clearly likelier than pues toque", "es", "puestoque", "puesto pues toque", "puesto que");
        // on /wʌnðleft/: alaizquierda; one piece more of commoner words.
        row("a la izquierda, not ala izquierda", "es", "alaizquierda", "ala la izquierda", "a la izquierda");
        row("a plural of a common word is common", "es", "primerossocorros", "primero socorro", "primeros socorros");
        row("a long word of the word list is common", "es", "tomarenconsideración", "tomar consideración",
            "tomar en consideración");
        // A rarer word is never shunned by cutting more: "que mar" is no cut of "quemar".
        row("alcohol de quemar: unsure", "es", "alcoholdequemar", "alcohol quemar que mar", "");
        // meet /miːt/: irabuscara; "ira buscar a" is barely likelier than "ir a buscar a".
        row("two cuts alike: unsure", "es", "irabuscara", "ir ira buscar", "");
        row("al never before la: unsure", "es", "alladerecha", "al la derecha", "");
        row("diez y siete is no modern spelling: unsure", "es", "diezysiete", "diez siete", "");
        // attempt /ətempt/: esforzarsepor; the reflexive infinitive is known, not common.
        row("esforzarse por: unsure", "es", "esforzarsepor", "esforzar por", "");
        row("a word of the list stays whole", "es", "cubano", "cuba no cubano", "=");
        // whipped /wiptkriːm/: natabatida; Spanish words the lists lack cut into rare words are glued.
        row("Spanish: cut into rare words, glued", "es", "natabatida", "nata batida", "");
        row("English phrase", "en", "atthesametime", "at the same time these am", "at the same time");
        row("English question", "en", "howdoyoudo?", "how do you", "how do you do?");
        row("a known word with a suffix", "en", "recommendable", "recommend able", "=");
        // guardiamarina: middy, navalcadet; two rare words of three letters or more are glue.
        row("English: two rare words, glued", "en", "navalcadet", "naval cadet", "");
        // hormiga: ant, emmet; a rare word cuts into a rare bit shorter than that.
        row("English: a short rare bit, a word", "en", "emmet", "em met", "=");
        // cuesta: acclivity, hillside, slope; an English word the list lacks cuts into rare bits.
        row("English: cut into rare bits, a word", "en", "acclivity", "acc liv ity", "=");
        row("capitals mark the blanks", "en", "CostaRica", "cost rica", "Costa Rica");
        row("a name keeps its last letters", "en", "Argentinean", "argentine an", "=");
    }
    void splitsGluedTranslationsOnlyWhenSure()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        QFETCH(QStringList, words);
        QFETCH(QString, expected);
        const QSet<QString> list(words.begin(), words.end());
        const WordRanks &ranks = WordRanks::forLanguage(language);
        const BlankRepairer repairer =
            language == QLatin1String("es") ? spanishBlankRepairer(list, {}, ranks) : englishBlankRepairer(list, ranks);
        const BlankRepair result = repairer.mend(item);
        if (expected == QLatin1String("=")) {
            QCOMPARE(result.kind, BlankRepair::Whole);
        } else if (expected.isEmpty()) {
            QCOMPARE(result.kind, BlankRepair::Unsure);
        } else {
            QCOMPARE(result.kind, BlankRepair::Split);
            QCOMPARE(result.text, expected);
        }
    }

    void splitsGluedTranslationsIntoAttestedPhrases_data()
    {
        // Glued items of spa-eng and eng-spa as the files hold them, with the
        // word-list words they cut into and the phrases the sources write
        // with blanks ("|" between phrases). An empty expectation: left out
        // (unsure), with `unattested` as its likeliest sound split, the one
        // a larger source may attest; "=": a word.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("unattested");
        auto row = [](const char *name, const char *language, const char *item, const char *words,
                      const char *phrases, const char *expected, const char *unattested = "") {
            QTest::newRow(name) << QString::fromUtf8(language) << QString::fromUtf8(item)
                                << QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                << QString::fromUtf8(phrases).split(QLatin1Char('|'), Qt::SkipEmptyParts)
                                << QString::fromUtf8(expected) << QString::fromUtf8(unattested);
        };
        // sartén: frying‐pan, fryingpan; eng-fra holds "frying pan".
        row("frying pan, attested", "en", "fryingpan", "frying pan fry", "frying pan", "frying pan");
        // como si: as if, as though, inaway.
        row("in a way, attested, not in away", "en", "inaway", "in away a way", "in a way|by the way", "in a way");
        row("at the same time, attested", "en", "atthesametime", "at the same time these am", "at the same time",
            "at the same time");
        // English words of the frequency list that cut into other such words.
        // taburete: barstool; agrio: acetous, acid; maíz: corn, mealies.
        row("barstool: no phrase, left out", "en", "barstool", "bar bars stool tool", "bar of chocolate", "",
            "bars tool|bar stool");
        row("acetous: no phrase, left out", "en", "acetous", "ace to us", "", "", "ace to us");
        row("mealies: no phrase, left out", "en", "mealies", "me a lies", "tell a lie", "", "me a lies");
        // arroba: atpersand; acento: accent mark, supersign; salir: absent onself.
        row("atpersand: left out", "en", "atpersand", "at per sand", "at the back", "", "at per sand");
        row("supersign: left out", "en", "supersign", "super sign", "", "", "super sign");
        row("absent onself: left out", "en", "absent onself", "absent on self", "", "", "absent on self");
        // albergue juvenil: youthhostel; FreeDict writes it nowhere with a blank.
        row("youth hostel: left for a larger source", "en", "youthhostel", "youth hostel", "", "", "youth hostel");
        // a la cubana: intheCubanway; the part after the capital is glued too.
        row("in the Cubanway: left out", "en", "intheCubanway", "in the cuban way", "in the", "",
            "in the Cuban way");
        // Lovaina: Louvain; a name without a sure cut stays a name.
        row("Louvain: a name", "en", "Louvain", "lou vain", "", "=");
        // Apostrophes and hyphens inside: perderse: loseone'sway; año nuevo:
        // NewYear'sDay; Todos los Santos: AllSouls'Day; tráfico de dirección
        // única: one-waytraffic.
        row("lose one's way, attested", "en", "loseone'sway", "lose one way", "lose one s way", "lose one's way");
        row("New Year's Day, cut at its capitals", "en", "NewYear'sDay", "new year day", "", "New Year's Day");
        row("All Souls' Day, a plural's apostrophe", "en", "AllSouls'Day", "all souls day", "", "All Souls' Day");
        row("one-way traffic: no phrase, left out", "en", "one-waytraffic", "one way traffic", "", "",
            "one-way traffic");
        row("light-hearted: whole", "en", "light-hearted", "light hearted hear ted", "", "=");
        row("rock'n'roll: whole", "en", "rock'n'roll", "rock roll", "", "=");
        row("a lone apostrophe's s: whole", "en", "'s-'", "", "", "=");
        // Spanish: a phrase with a rare word is attested; common words split without.
        row("aceite de oliva, attested", "es", "aceitedeoliva", "aceite oliva", "aceite de oliva", "aceite de oliva");
        row("aceite de oliva: oliva is rare, unattested", "es", "aceitedeoliva", "aceite oliva", "", "",
            "aceite de oliva");
        row("plaza de toros, a dictionary's plural", "es", "plazadetoros", "plaza toro", "plaza de toros",
            "plaza de toros");
        row("terreno del camping, attested", "es", "terrenodelcamping", "terreno camping", "terreno del camping",
            "terreno del camping");
        // second hand: de segundamano; spa-eng writes "de segunda mano",
        // though no source writes "segunda mano" alone.
        row("de segunda mano, attested as a whole phrase", "es", "de segundamano", "de segunda mano",
            "de segunda mano|de segundamano", "de segunda mano");
        row("hace poco: common words need no phrase", "es", "hacepoco", "ha cepo co poco", "", "hace poco");
        // spa-eng's own headwords "al la derecha" and "chocar kun" attest nothing.
        row("al never before la, even attested", "es", "alladerecha", "al la derecha", "al la derecha", "");
        row("a short dictionary word attests nothing", "es", "chocarkun", "chocar", "chocar kun", "");
    }
    void splitsGluedTranslationsIntoAttestedPhrases()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        QFETCH(QStringList, words);
        QFETCH(QStringList, phrases);
        QFETCH(QString, expected);
        QFETCH(QString, unattested);
        const bool spanish = language == QLatin1String("es");
        QSet<QString> list(words.begin(), words.end());
        QSet<QString> dictionaryWords;
        // The dictionaries' own words: those of the phrases the word list lacks.
        for (const QString &phrase : std::as_const(phrases)) {
            for (const QString &word : wordsOf(phrase)) {
                if (!list.contains(word))
                    dictionaryWords.insert(word);
            }
        }
        const WordRanks &ranks = WordRanks::forLanguage(language);
        BlankRepairer repairer =
            spanish ? spanishBlankRepairer(list, dictionaryWords, ranks) : englishBlankRepairer(list, ranks);
        repairer.setAttestedPhrases(QSet<QString>(phrases.begin(), phrases.end()), spanish ? 2000 : 0);
        const BlankRepair result = repairer.mend(item);
        if (expected == QLatin1String("=")) {
            QCOMPARE(result.kind, BlankRepair::Whole);
        } else if (expected.isEmpty()) {
            QCOMPARE(result.kind, BlankRepair::Unsure);
            // Every sound split, likeliest first ("|" between them).
            QCOMPARE((QStringList{result.unattested} + result.otherCuts).join(QLatin1Char('|')), unattested);
        } else {
            QCOMPARE(result.kind, BlankRepair::Split);
            QCOMPARE(result.text, expected);
        }
    }

    void splitsWholeWordsOnlyIntoAnAttestedPhrase()
    {
        // eng-spa "percent /pəsent/" and "percentage /pəsentidʒ/" give
        // "porciento", a headword of spa-eng ("porciento /poɾθjˈɛnto/") that
        // the word list lacks; it is "por ciento". "todos", a form the list
        // of lemmas lacks, has no cut into listed words and stays whole.
        const QSet<QString> list{QStringLiteral("por"), QStringLiteral("ciento"), QStringLiteral("todo"),
                                 QStringLiteral("porcentaje")};
        const QSet<QString> dictionaryWords{QStringLiteral("porciento"), QStringLiteral("todos")};
        BlankRepairer repairer =
            spanishBlankRepairer(list, dictionaryWords, WordRanks::forLanguage(QStringLiteral("es")));
        repairer.setAttestedPhrases({QStringLiteral("tanto por ciento")}, 2000);
        BlankRepair result = repairer.mend(QStringLiteral("porciento"));
        QCOMPARE(result.kind, BlankRepair::Whole);
        QCOMPARE(result.otherCuts, QStringList{QStringLiteral("por ciento")});
        result = repairer.mend(QStringLiteral("todos"));
        QCOMPARE(result.kind, BlankRepair::Whole);
        QVERIFY(result.otherCuts.isEmpty());
        QCOMPARE(repairer.mend(QStringLiteral("porcentaje")).otherCuts, QStringList{});
        // A source that writes the phrase with its blank settles it at once.
        repairer.setAttestedPhrases({QStringLiteral("por ciento")}, 2000);
        result = repairer.mend(QStringLiteral("porciento"));
        QCOMPARE(result.kind, BlankRepair::Split);
        QCOMPARE(result.text, QStringLiteral("por ciento"));
    }

    void findsEnglishPhrasesOfTransDeEn()
    {
        // Lines of trans-de-en: phrases count on the English side only, word
        // for word, inside longer text too.
        const QByteArray text = QByteArrayLiteral(
            "# Version :: 1.9\n"
            "Herbergsmutter {f} (Leiterin einer Jugendherberge) | Herbergsm\xc3\xbctter {pl} :: (female) youth "
            "hostel warden | (female) youth hostel wardens\n"
            "Hocker {m}; Stockerl {n} [\xc3\x96s.] | Barhocker {m} | Klavierhocker {m} :: stool | bar stool | "
            "piano stool; music stool\n");
        const QSet<QString> wanted{QStringLiteral("youth hostel"), QStringLiteral("bar stool"),
                                   QStringLiteral("bars tool"), QStringLiteral("piano stool music"),
                                   QStringLiteral("stockerl n"), QStringLiteral("version")};
        const QSet<QString> expected{QStringLiteral("youth hostel"), QStringLiteral("bar stool"),
                                     QStringLiteral("piano stool music")};
        QCOMPARE(englishPhrasesInTrans(text, wanted), expected);
    }

    void findsEnglishWordsOfTransDeEn()
    {
        // Words count on the English side only, whole, without case.
        const QByteArray text = QByteArrayLiteral(
            "# Version :: 1.9\n"
            "Kind {n} | Kinder {pl} :: child; bairn [Sc.] | children\n"
            "Unabh\xc3\xa4ngigkeit {f} :: independence\n"
            "Hocker {m}; Stockerl {n} [\xc3\x96s.] :: Stool\n");
        const QSet<QString> wanted{QStringLiteral("bairn"), QStringLiteral("independant"), QStringLiteral("independ"),
                                   QStringLiteral("kind"), QStringLiteral("stool"), QStringLiteral("version")};
        QCOMPARE(englishWordsInTrans(text, wanted), QSet<QString>({QStringLiteral("bairn"), QStringLiteral("stool")}));
        QCOMPARE(englishWordsInTrans(text, {}), QSet<QString>());
    }

    void findsMisspeltVariantsAndBritishSpellings()
    {
        // eighteen /eitiːn/: dieciocho, diezyocho.
        QVERIFY(isVariantOfAnother(QStringLiteral("diezyocho"), {QStringLiteral("dieciocho"), QStringLiteral("diezyocho")}));
        // besides /bisaidz/: además, ademásde: a phrase, not a misspelling.
        QVERIFY(!isVariantOfAnother(QStringLiteral("ademásde"), {QStringLiteral("además"), QStringLiteral("ademásde")}));
        QVERIFY(!isVariantOfAnother(QStringLiteral("cartaaérea"), {QStringLiteral("cartaaérea")}));
        for (const auto &[american, british] : {std::pair{"liter", "litre"}, std::pair{"color", "colour"},
                                                std::pair{"favorable", "favourable"}, std::pair{"offense", "offence"},
                                                std::pair{"neighborhood", "neighbourhood"}}) {
            QVERIFY2(britishSpellings(QLatin1String(american)).contains(QLatin1String(british)), american);
        }
        QVERIFY(!britishSpellings(QStringLiteral("world")).contains(QStringLiteral("wourld")));
    }

    void putsBackLostBlanks()
    {
        const QSet<QString> spanish{QStringLiteral("gafas"), QStringLiteral("oscuras"), QStringLiteral("esforzarse"),
                                    QStringLiteral("por"), QStringLiteral("al"), QStringLiteral("día"),
                                    QStringLiteral("calmar"), QStringLiteral("contra"), QStringLiteral("mandar"),
                                    QStringLiteral("contramandar"), QStringLiteral("cruz")};
        const BlankRepairer repairer(spanish, {QStringLiteral("a"), QStringLiteral("y")},
                                     {QStringLiteral("se"), QStringLiteral("la")});
        QCOMPARE(repairer.repair(QStringLiteral("gafasoscuras")), std::optional<QString>(QStringLiteral("gafas oscuras")));
        QCOMPARE(repairer.repair(QStringLiteral("esforzarsepor")), std::optional<QString>(QStringLiteral("esforzarse por")));
        QCOMPARE(repairer.repair(QStringLiteral("aldía")), std::optional<QString>(QStringLiteral("al día")));
        QCOMPARE(repairer.repair(QStringLiteral("¿gafasoscuras?")), std::optional<QString>(QStringLiteral("¿gafas oscuras?")));
        QCOMPARE(repairer.repair(QStringLiteral("¡gafas!")), std::nullopt);
        QCOMPARE(repairer.repair(QStringLiteral("gafasoscuras?")), std::optional<QString>(QStringLiteral("gafas oscuras?")));
        // Known words, reflexive infinitives and words that do not cut into
        // known words stay whole.
        QCOMPARE(repairer.repair(QStringLiteral("contramandar")), std::nullopt);
        QCOMPARE(repairer.repair(QStringLiteral("calmarse")), std::nullopt);
        QCOMPARE(repairer.repair(QStringLiteral("sosegarse")), std::nullopt);
        QCOMPARE(repairer.repair(QStringLiteral("al día")), std::nullopt);
        QCOMPARE(repairer.repair(QStringLiteral("CruzRoja")), std::optional<QString>(QStringLiteral("Cruz Roja")));

        // A word the dictionaries use whole stays whole although a list of
        // lemmas lacks it: "todos" ("all"), never "to dos".
        BlankRepairer lemmas({QStringLiteral("to"), QStringLiteral("dos")}, {QStringLiteral("a")});
        QCOMPARE(lemmas.repair(QStringLiteral("todos")), std::optional<QString>(QStringLiteral("to dos")));
        lemmas.keepWhole({QStringLiteral("todos")});
        QCOMPARE(lemmas.repair(QStringLiteral("todos")), std::nullopt);

        // Spanish "e" stands only before "i" and "hi" ("para setos" is not
        // "par as e tos"), "u" only before "o" and "ho".
        BlankRepairer conjunctions({QStringLiteral("par"), QStringLiteral("as"), QStringLiteral("tos"),
                                    QStringLiteral("padre"), QStringLiteral("hijo"), QStringLiteral("siete"),
                                    QStringLiteral("ocho")},
                                   {QStringLiteral("e"), QStringLiteral("u")});
        conjunctions.onlyBefore(QStringLiteral("e"), {QStringLiteral("i"), QStringLiteral("hi")});
        conjunctions.onlyBefore(QStringLiteral("u"), {QStringLiteral("o"), QStringLiteral("ho")});
        QCOMPARE(conjunctions.repair(QStringLiteral("parasetos")), std::nullopt);
        QCOMPARE(conjunctions.repair(QStringLiteral("padreehijo")), std::optional<QString>(QStringLiteral("padre e hijo")));
        QCOMPARE(conjunctions.repair(QStringLiteral("sieteuocho")), std::optional<QString>(QStringLiteral("siete u ocho")));
    }

    void repairsOrDropsCutHeadwords()
    {
        auto entry = [](const char *headword, const char *ipa, const char *translation) {
            DictdEntry e;
            e.headword = QString::fromUtf8(headword);
            e.pronunciation = QString::fromUtf8(ipa);
            e.translations = QStringList{QString::fromUtf8(translation)};
            return e;
        };
        const QVector<DictdEntry> entries{entry("get", "get", "obtener"), entry("get", "getmæriːd", "casarse"),
                                          entry("red", "ridkrɔs", "Cruz Roja"), entry("act", "æktaut", "realizar"),
                                          entry("absent", "ˈabsənt", "ausente")};
        const QHash<QString, QString> own{{QStringLiteral("get"), QStringLiteral("get")},
                                          {QStringLiteral("red"), QStringLiteral("rid")},
                                          {QStringLiteral("act"), QStringLiteral("ækt")},
                                          {QStringLiteral("absent"), QStringLiteral("æbsənt")}};
        const QHash<QString, QString> phrases{{QStringLiteral("getmæriːd"), QStringLiteral("get married")}};
        const QHash<QString, QStringList> reverse{{QStringLiteral("Cruz Roja"), {QStringLiteral("Red Cross")}}};
        HeadwordRepairs report;
        const QVector<DictdEntry> kept = repairCutHeadwords(entries, own, phrases, reverse, report);
        QStringList headwords;
        for (const DictdEntry &e : kept)
            headwords.append(e.headword);
        QCOMPARE(headwords, (QStringList{QStringLiteral("get"), QStringLiteral("get married"), QStringLiteral("Red Cross"),
                                         QStringLiteral("absent")}));
        QCOMPARE(report.repaired, 2);
        QCOMPARE(report.dropped, 1);  // "act out" is nowhere to be found
    }
};

QTEST_GUILESS_MAIN(TestDictdReading)
#include "tst_dictd_reading.moc"
