// Apertium's lexicons as lt-print prints them, how they fill and mend the
// Spanish tables, and the repair of eng-spa headwords cut from phrases.

#include "data/import/apertium_lexicon.h"
#include "data/import/everyday_supplement.h"
#include "data/import/freedict_import.h"
#include "data/import/spanish_core.h"
#include "data/import/spanish_repairs.h"
#include "data/import/spanish_settling.h"
#include "data/import/trans_de_en.h"
#include "data/import/word_kind_siblings.h"

#include "import_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace vorbix;
using namespace vorbix::import;

namespace {

// Lines of `lt-print eng-spa.autobil.bin` (apertium-eng-spa 0.7, Debian 12):
// the paths of house -> casa, house -> cámara, week -> semana, be -> ser,
// "be# ready" -> "estar# a punto", a number pattern whose state loops, and,
// in a second section, the proper noun Cuba. The two sides are not aligned
// letter by letter ("e" meets "<n>").
const char kEnglishSpanish[] =
    "0\t82\th\tc\t0.000000\t\n"
    "82\t2231\to\ta\t0.000000\t\n"
    "2231\t12227\tu\ts\t0.000000\t\n"
    "12227\t26887\ts\ta\t0.000000\t\n"
    "26887\t40792\te\t<n>\t0.000000\t\n"
    "40792\t6184\t<n>\t<f>\t0.000000\t\n"
    "6184\t98662\tε\tε\t0.000000\t\n"
    "82\t2235\to\tá\t0.000000\t\n"
    "2235\t12239\tu\tm\t0.000000\t\n"
    "12239\t18322\ts\ta\t0.000000\t\n"
    "18322\t9372\te\tr\t0.000000\t\n"
    "9372\t22580\t<n>\ta\t0.000000\t\n"
    "22580\t20787\tε\t<n>\t0.000000\t\n"
    "20787\t6184\tε\t<f>\t0.000000\t\n"
    "0\t175\tw\ts\t0.000000\t\n"
    "175\t3503\te\te\t0.000000\t\n"
    "3503\t14221\te\tm\t0.000000\t\n"
    "14221\t28978\tk\ta\t0.000000\t\n"
    "28978\t22805\t<n>\tn\t0.000000\t\n"
    "22805\t22580\tε\ta\t0.000000\t\n"
    "0\t396\tb\ts\t0.000000\t\n"
    "396\t5876\te\te\t0.000000\t\n"
    "5876\t17798\t<vbser>\tr\t0.000000\t\n"
    "17798\t6184\tε\t<vbser>\t0.000000\t\n"
    "0\t131\tb\te\t0.000000\t\n"
    "131\t2717\te\ts\t0.000000\t\n"
    "2717\t13004\t#\tt\t0.000000\t\n"
    "13004\t27655\t \ta\t0.000000\t\n"
    "27655\t41482\tr\tr\t0.000000\t\n"
    "41482\t52849\te\t#\t0.000000\t\n"
    "52849\t61432\ta\t \t0.000000\t\n"
    "61432\t67780\td\ta\t0.000000\t\n"
    "67780\t72746\ty\t \t0.000000\t\n"
    "72746\t76778\t<vblex>\tp\t0.000000\t\n"
    "76778\t80150\tε\tu\t0.000000\t\n"
    "80150\t77680\tε\tn\t0.000000\t\n"
    "77680\t76151\tε\tt\t0.000000\t\n"
    "76151\t36387\tε\to\t0.000000\t\n"
    "36387\t6184\tε\t<vblex>\t0.000000\t\n"
    "0\t450\t1\t1\t0.000000\t\n"
    "450\t450\t2\t2\t0.000000\t\n"
    "450\t450\t0\t0\t0.000000\t\n"
    "450\t6184\t<num>\t<num>\t0.000000\t\n"
    "98662\t0.000000\n"
    "--\n"
    "0\t3\tC\tC\t0.000000\t\n"
    "3\t879\tu\tu\t0.000000\t\n"
    "879\t7358\tb\tb\t0.000000\t\n"
    "7358\t19702\ta\ta\t0.000000\t\n"
    "19702\t34145\t<np>\t<np>\t0.000000\t\n"
    "34145\t20787\t<loc>\t<loc>\t0.000000\t\n"
    "20787\t6184\tε\t<f>\t0.000000\t\n"
    "6184\t98662\tε\tε\t0.000000\t\n"
    "98662\t0.000000\n";

// Lines of `lt-print spa-eng.autobil.bin`: estar -> be, ser -> be,
// semana -> week.
const char kSpanishEnglish[] =
    "0\t133\te\tb\t0.000000\t\n"
    "133\t2823\ts\te\t0.000000\t\n"
    "2823\t13111\tt\t<vbser>\t0.000000\t\n"
    "13111\t22552\ta\tε\t0.000000\t\n"
    "22552\t26573\tr\tε\t0.000000\t\n"
    "26573\t6318\t<vblex>\tε\t0.000000\t\n"
    "6318\t99275\tε\tε\t0.000000\t\n"
    "0\t166\ts\tw\t0.000000\t\n"
    "166\t3423\te\te\t0.000000\t\n"
    "3423\t14089\tm\te\t0.000000\t\n"
    "14089\t28898\ta\tk\t0.000000\t\n"
    "28898\t22863\tn\t<n>\t0.000000\t\n"
    "22863\t20295\ta\tε\t0.000000\t\n"
    "20295\t20774\t<n>\tε\t0.000000\t\n"
    "20774\t6318\t<f>\tε\t0.000000\t\n"
    "0\t415\ts\tb\t0.000000\t\n"
    "415\t5996\te\te\t0.000000\t\n"
    "5996\t18003\tr\t<vbser>\t0.000000\t\n"
    "18003\t6318\t<vbser>\tε\t0.000000\t\n"
    "99275\t0.000000\n";

QString describe(const LexiconEntry &entry)
{
    return QStringLiteral("%1<%2> %3<%4>")
        .arg(entry.source, entry.sourceTags.join(QLatin1String("><")), entry.target,
             entry.targetTags.join(QLatin1String("><")));
}

QStringList described(const QVector<LexiconEntry> &entries)
{
    QStringList lines;
    for (const LexiconEntry &entry : entries)
        lines.append(describe(entry));
    lines.sort();
    return lines;
}

QVector<LexiconEntry> learnersWords(const char *text)
{
    QVector<LexiconEntry> kept;
    for (const LexiconEntry &entry : readPrintedTransducer(QByteArray(text)).entries) {
        if (isLearnersWord(entry))
            kept.append(entry);
    }
    return kept;
}

// A list of words written in UTF-8.
QStringList wordList(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result.append(QString::fromUtf8(word));
    return result;
}

QStringList row(const SenseRows &rows, const QString &headword)
{
    for (const auto &[word, translations] : rows) {
        if (word == headword)
            return translations;
    }
    return {QStringLiteral("(no row)")};
}

// Lexicon entries of one tag a side: {source, its tag, target, its tag}.
QVector<LexiconEntry> tagged(std::initializer_list<std::array<const char *, 4>> lines)
{
    QVector<LexiconEntry> entries;
    for (const auto &[source, sourceTag, target, targetTag] : lines) {
        entries.append({QString::fromUtf8(source), {QString::fromUtf8(sourceTag)}, QString::fromUtf8(target),
                        {QString::fromUtf8(targetTag)}});
    }
    return entries;
}

DictdEntry entry(const char *headword, const char *pronunciation, const char *translation)
{
    DictdEntry e;
    e.headword = QString::fromUtf8(headword);
    e.pronunciation = QString::fromUtf8(pronunciation);
    e.translations = {QString::fromUtf8(translation)};
    return e;
}

// An entry of its headword and translations alone.
DictdEntry entryOf(const QString &headword, const QStringList &translations)
{
    DictdEntry e;
    e.headword = headword;
    e.translations = translations;
    return e;
}

} // namespace

class TestSpanishLexicon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsThePathsOfAPrintedTransducer()
    {
        const TransducerReading reading = readPrintedTransducer(QByteArray(kEnglishSpanish));
        QCOMPARE(reading.linesRefused, 0);
        QCOMPARE(reading.sectionsCut, 0);
        // The looping number state is passed once; the second section's
        // states are its own although their numbers recur.
        QCOMPARE(described(reading.entries),
                 (QStringList{QStringLiteral("1<num> 1<num>"), QStringLiteral("Cuba<np><loc> Cuba<np><loc><f>"),
                              QStringLiteral("be ready<vblex> estar a punto<vblex>"),
                              QStringLiteral("be<vbser> ser<vbser>"), QStringLiteral("house<n> casa<n><f>"),
                              QStringLiteral("house<n> cámara<n><f>"), QStringLiteral("week<n> semana<n><f>")}));
        // Proper nouns and numbers are no learner's words.
        QCOMPARE(described(learnersWords(kEnglishSpanish)),
                 (QStringList{QStringLiteral("be ready<vblex> estar a punto<vblex>"),
                              QStringLiteral("be<vbser> ser<vbser>"), QStringLiteral("house<n> casa<n><f>"),
                              QStringLiteral("house<n> cámara<n><f>"), QStringLiteral("week<n> semana<n><f>")}));
    }

    void endsOnCyclesAndBranchingPatterns()
    {
        // Two states that lead to each other, and a pattern of 2^20 paths:
        // the reader leaves that section out instead of listing them all.
        QByteArray text = "0\t1\ta\ta\t0.000000\t\n1\t0\tb\tb\t0.000000\t\n1\t2\t<n>\t<n>\t0.000000\t\n2\t0.000000\n"
                          "--\n";
        for (int state = 0; state < 20; ++state) {
            for (const char *digit : {"1", "2"})
                text += QByteArray::number(state) + '\t' + QByteArray::number(state + 1) + '\t' + digit + '\t' + digit + "\t0\t\n";
        }
        text += "20\t21\t<num>\t<num>\t0\t\n21\n";
        const TransducerReading reading = readPrintedTransducer(text);
        QCOMPARE(reading.sectionsCut, 1);
        QCOMPARE(described(reading.entries), QStringList{QStringLiteral("a<n> a<n>")});
        // Damaged lines are counted, never taken for arcs.
        const TransducerReading damaged = readPrintedTransducer("0\t99999999999\ta\ta\t0\nx y\n0\t1\ta\n");
        QCOMPARE(damaged.linesRefused, 3);
        QVERIFY(damaged.entries.isEmpty());
    }

    void keepsOnlyALearnersWords_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<bool>("kept");
        QTest::newRow("noun") << QStringLiteral("house") << QStringList{QStringLiteral("n")} << true;
        QTest::newRow("multiword verb") << QStringLiteral("give up") << QStringList{QStringLiteral("vblex")} << true;
        QTest::newRow("proper noun") << QStringLiteral("Juan") << QStringList{QStringLiteral("np")} << false;
        QTest::newRow("comparative")
            << QStringLiteral("good") << QStringList{QStringLiteral("adj"), QStringLiteral("sint"), QStringLiteral("comp")}
            << false;
        QTest::newRow("acronym") << QStringLiteral("NATO") << QStringList{QStringLiteral("n"), QStringLiteral("acr")}
                                 << false;
        QTest::newRow("abbreviation with a period") << QStringLiteral("e.g.") << QStringList{QStringLiteral("adv")}
                                                    << false;
        QTest::newRow("digits") << QStringLiteral("3D") << QStringList{QStringLiteral("adj")} << false;
        QTest::newRow("punctuation") << QStringLiteral(",") << QStringList{QStringLiteral("cm")} << false;
    }
    void keepsOnlyALearnersWords()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, tags);
        QFETCH(bool, kept);
        QCOMPARE(isLearnersWord({source, tags, QStringLiteral("palabra"), {QStringLiteral("n")}}), kept);
    }

    void ranksApertiumAndFreedictTranslations()
    {
        const QVector<LexiconEntry> forward = learnersWords(kEnglishSpanish);
        const QVector<LexiconEntry> backward = learnersWords(kSpanishEnglish);
        // FreeDict's "be" holds the senses of cut phrases; "Austria" is a
        // word Apertium's lexicons leave out.
        const SenseRows englishSpanish{
            {QStringLiteral("be"), {QStringLiteral("nacer"), QStringLiteral("valer")}},
            {QStringLiteral("week"), {QStringLiteral("semana")}},
            {QStringLiteral("Austria"), {QStringLiteral("Austria")}}};
        const SenseRows spanishEnglish{{QStringLiteral("estar"), {QStringLiteral("be"), QStringLiteral("be found")}},
                                       {QStringLiteral("semana"), {QStringLiteral("week")}}};
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("be"), QStringLiteral("week"), QStringLiteral("Austria"),
                                 QStringLiteral("house")},
                                englishSpanish, spanishEnglish, forward, backward);
        // ser: Apertium both ways; estar: Apertium spa-eng and FreeDict
        // spa-eng. The unconfirmed FreeDict senses are left out.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("be")), (QStringList{QStringLiteral("ser"), QStringLiteral("estar")}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("week")), QStringList{QStringLiteral("semana")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("Austria")), QStringList{QStringLiteral("Austria")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("house")),
                 (QStringList{QStringLiteral("casa"), QStringLiteral("cámara")}));
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("ser")), QStringList{QStringLiteral("be")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("estar")), QStringList{QStringLiteral("be")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("semana")), QStringList{QStringLiteral("week")});
        QCOMPARE(core.rowsAdded, 4);   // house, ser, casa, cámara
        QCOMPARE(core.rowsMended, 2);  // be, estar
        QCOMPARE(core.itemsDropped, 3);
    }

    void putsTheCommonerOfEquallySourcedTranslationsFirst()
    {
        auto lexicon = [](std::initializer_list<std::array<const char *, 4>> lines) {
            QVector<LexiconEntry> entries;
            for (const auto &[source, sourceTag, target, targetTag] : lines) {
                entries.append({QString::fromUtf8(source), {QString::fromUtf8(sourceTag)}, QString::fromUtf8(target),
                                {QString::fromUtf8(targetTag)}});
            }
            return entries;
        };
        // eng-spa "cold /kould/: 1. frío 2. resfriado", "greasy /griːsiː/:
        // gordo, grueso"; spa-eng "frío: cold", "resfriado: cold", "gordo:
        // fat", "grasiento: greasy"; Apertium lists "resfriado" first.
        const SenseRows englishSpanish{
            {QStringLiteral("cold"), {QStringLiteral("frío"), QStringLiteral("resfriado")}},
            {QStringLiteral("greasy"), {QStringLiteral("gordo"), QStringLiteral("grueso")}}};
        const SenseRows spanishEnglish{{QStringLiteral("frío"), {QStringLiteral("cold")}},
                                       {QStringLiteral("resfriado"), {QStringLiteral("cold")}},
                                       {QStringLiteral("gordo"), {QStringLiteral("fat"), QStringLiteral("greasy")}},
                                       {QStringLiteral("grueso"), {QStringLiteral("thick"), QStringLiteral("greasy")}},
                                       {QStringLiteral("grasiento"), {QStringLiteral("greasy")}}};
        const QVector<LexiconEntry> forward = lexicon({{"cold", "n", "resfriado", "n"}, {"cold", "adj", "frío", "adj"},
                                                       {"greasy", "adj", "grasiento", "adj"}});
        const QVector<LexiconEntry> backward = lexicon({{"resfriado", "n", "cold", "n"}, {"frío", "adj", "cold", "adj"},
                                                        {"grasiento", "adj", "greasy", "adj"}});
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("cold"), QStringLiteral("greasy")}, englishSpanish,
                                                     spanishEnglish, forward, backward);
        // All four sources give both: the commoner "frío" goes first.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("cold")),
                 (QStringList{QStringLiteral("frío"), QStringLiteral("resfriado")}));
        // Apertium's "grasiento" outranks FreeDict's pairs however common
        // "gordo" is.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("greasy")),
                 (QStringList{QStringLiteral("grasiento"), QStringLiteral("gordo"), QStringLiteral("grueso")}));
    }

    void leadsAnApertiumRowWithTheNounOfAWordUsedMostlyAsANoun()
    {
        // FreeDict has neither word; Apertium eng-spa lists each verb first
        // ("bead<vblex>" -> "gotear", "bead<n>" -> "cuenta"), and spa-eng
        // pairs "gotear" back, so the verb outranks the noun by its sources.
        const QVector<LexiconEntry> forward =
            tagged({{"bead", "vblex", "gotear", "vblex"}, {"bead", "n", "cuenta", "n"},
                     {"launch", "vblex", "lanzar", "vblex"}, {"launch", "n", "lancha", "n"},
                     {"launch", "n", "lanzador", "n"}, {"launch", "n", "lanzamiento", "n"}});
        const QVector<LexiconEntry> backward =
            tagged({{"gotear", "vblex", "bead", "vblex"}, {"cuenta", "n", "account", "n"},
                     {"lanzar", "vblex", "launch", "vblex"}, {"lancha", "n", "launch", "n"}});
        const QStringList words{QStringLiteral("bead"), QStringLiteral("launch")};
        // trans-de-en: "bead" once as a verb, 89 times otherwise.
        const QHash<QString, EnglishWordUses> uses{{QStringLiteral("bead"), {1, 89}},
                                                   {QStringLiteral("launch"), {4, 64}}};
        SpanishCore core = mergeSpanishLexicon(words, {}, {}, forward, backward, {}, uses);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("bead")),
                 (QStringList{QStringLiteral("cuenta"), QStringLiteral("gotear")}));
        // Of several nouns the commonest goes first, not the best sourced.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("launch")).value(0), QStringLiteral("lanzamiento"));

        // A word used as a verb about as often keeps the verb first.
        core = mergeSpanishLexicon(words, {}, {}, forward, backward, {},
                                   {{QStringLiteral("bead"), {30, 89}}, {QStringLiteral("launch"), {30, 64}}});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("bead")),
                 (QStringList{QStringLiteral("gotear"), QStringLiteral("cuenta")}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("launch")).value(0), QStringLiteral("lanzar"));

        // A row FreeDict eng-spa gives keeps its ranking: FreeDict's order
        // of senses is the evidence there.
        const SenseRows englishSpanish{{QStringLiteral("bead"), {QStringLiteral("gotear")}}};
        core = mergeSpanishLexicon(words, englishSpanish, {}, forward, backward, {}, uses);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("bead")).value(0), QStringLiteral("gotear"));
    }

    void leadsASpanishRowWithTheWordOfMorePartsOfSpeech()
    {
        // Apertium's lines for "auxiliar" both ways; FreeDict has only
        // eng-spa "stewardess /stjeədes/: azafata" and no row "auxiliar".
        const QVector<LexiconEntry> forward =
            tagged({{"auxiliary", "n", "auxiliar", "n"}, {"auxiliary", "adj", "auxiliar", "adj"},
                     {"stewardess", "n", "auxiliar", "n"}, {"steward", "n", "auxiliar", "n"}});
        const QVector<LexiconEntry> backward =
            tagged({{"auxiliar", "n", "auxiliary", "n"}, {"auxiliar", "adj", "auxiliary", "adj"},
                     {"auxiliar", "n", "stewardess", "n"}, {"auxiliar", "n", "steward", "n"}});
        const SenseRows englishSpanish{{QStringLiteral("stewardess"), {QStringLiteral("azafata")}}};
        const QStringList words{QStringLiteral("stewardess"), QStringLiteral("steward"), QStringLiteral("auxiliary")};
        SpanishCore core = mergeSpanishLexicon(words, englishSpanish, {}, forward, backward);
        // "auxiliary" translates the adjective and the noun; the row of
        // "stewardess", first of the English rows, no longer decides.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("auxiliar")).value(0), QStringLiteral("auxiliary"));

        // A FreeDict row keeps its order: its senses are the evidence.
        const SenseRows spanishEnglish{{QStringLiteral("auxiliar"), {QStringLiteral("stewardess")}}};
        core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("auxiliar")).value(0), QStringLiteral("stewardess"));
    }

    void keepsTheCognateLeadTheCapWouldCut()
    {
        // spa-eng "magnífico /maɡnˈifiko/: 1. lovely 2. bright, brilliant";
        // eng-spa "bright /brait/: 1. magnífico 2. claro", "brilliant:
        // magnífico", "glorious: famoso", "lovely: 1. agradable 2. bonito
        // 3. hermoso, magnífico". Apertium eng-spa "magnificent<adj>" and
        // "glorious<adj>" -> "magnífico<adj>", "lovely<adj><sint>" ->
        // "precioso<adj>"; spa-eng "magnífico<adj>" -> "glorious<adj>",
        // "precioso<adj>" -> "lovely<adj>".
        const SenseRows englishSpanish{
            {QStringLiteral("bright"), {QStringLiteral("magnífico"), QStringLiteral("claro")}},
            {QStringLiteral("brilliant"), {QStringLiteral("magnífico")}},
            {QStringLiteral("glorious"), {QStringLiteral("famoso")}},
            {QStringLiteral("lovely"),
             {QStringLiteral("agradable"), QStringLiteral("bonito"), QStringLiteral("hermoso"), QStringLiteral("magnífico")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("magnífico"),
             {QStringLiteral("lovely"), QStringLiteral("bright"), QStringLiteral("brilliant")}},
            {QStringLiteral("agradable"), {QStringLiteral("agreeable"), QStringLiteral("lovely")}},
            {QStringLiteral("bonito"), {QStringLiteral("beautiful"), QStringLiteral("lovely")}},
            {QStringLiteral("hermoso"), {QStringLiteral("lovely")}},
            {QStringLiteral("claro"), {QStringLiteral("bright"), QStringLiteral("clear")}}};
        const QVector<LexiconEntry> forward =
            tagged({{"magnificent", "adj", "magnífico", "adj"}, {"glorious", "adj", "magnífico", "adj"},
                     {"lovely", "adj", "precioso", "adj"}});
        const QVector<LexiconEntry> backward =
            tagged({{"magnífico", "adj", "glorious", "adj"}, {"precioso", "adj", "lovely", "adj"}});
        const QStringList words{QStringLiteral("bright"), QStringLiteral("brilliant"), QStringLiteral("glorious"),
                                QStringLiteral("lovely"), QStringLiteral("magnificent")};
        // The German pivot links "lovely" with the four other words of its
        // row, so that, as in the import, the cap of that row cuts
        // "magnífico".
        const auto links = [](const QString &spanish, const QString &english) {
            static const QStringList linked{QStringLiteral("agradable"), QStringLiteral("bonito"),
                                            QStringLiteral("hermoso"), QStringLiteral("precioso")};
            return english == QLatin1String("lovely") && linked.contains(spanish) ? 1 : 0;
        };
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, links);
        const QStringList lovely = row(core.englishSpanish, QStringLiteral("lovely"));
        QVERIFY2(!lovely.contains(QStringLiteral("magnífico")), qPrintable(lovely.join(QLatin1String(", "))));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("magnificent")).value(0), QStringLiteral("magnífico"));
        // "magnificent" takes the place of "lovely", whose row lacks the
        // word; "bright" and "brilliant" keep theirs, their rows hold it.
        const QStringList magnifico = row(core.spanishEnglish, QStringLiteral("magnífico"));
        QCOMPARE(magnifico.size(), kMaxSpanishTranslations);
        QVERIFY2(magnifico.contains(QStringLiteral("magnificent")), qPrintable(magnifico.join(QLatin1String(", "))));
        QVERIFY(!magnifico.contains(QStringLiteral("lovely")));
        QVERIFY(magnifico.contains(QStringLiteral("bright")) && magnifico.contains(QStringLiteral("brilliant")));
    }

    void keepsTheDirectWordOfARowOfReversedPhrases()
    {
        // eng-spa "like /laikðæt/: así", whose phrase the import puts back
        // as "like that"; Apertium eng-spa has no "like that", spa-eng
        // has "por el estilo<adv>" -> "like that<adv>" and "así<adv>" ->
        // "like this<adv>".
        const SenseRows englishSpanish{{QStringLiteral("like that"), {QStringLiteral("así")}},
                                       {QStringLiteral("taking"), {QStringLiteral("adquisición"), QStringLiteral("compra")}}};
        const QVector<LexiconEntry> backward =
            tagged({{"por el estilo", "adv", "like that", "adv"}, {"así", "adv", "like this", "adv"},
                     {"toma", "n", "taking", "n"}, {"adquisición", "n", "acquisition", "n"},
                     {"compra", "n", "purchase", "n"}});
        const QStringList words{QStringLiteral("like that"), QStringLiteral("taking")};
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, {}, {}, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("like that")),
                 (QStringList{QStringLiteral("así"), QStringLiteral("por el estilo")}));
        // eng-spa "taking /teikiŋ/: adquisición, compra" is the cut
        // "taking over": Apertium reads neither word as "taking", so
        // Apertium's own pair stays alone.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("taking")), QStringList{QStringLiteral("toma")});
    }

    void putsTheNounsPluralBeforeAnAttributiveAdjective()
    {
        // eng-spa "news /njuːz/: noticias"; spa-eng "noticias: 1. news,
        // novelty, somethingnew"; Apertium eng-spa "news<n>" ->
        // "noticia<n><f>" and "news<adj>" -> "noticioso<adj>", spa-eng the
        // same pairs back.
        const SenseRows englishSpanish{{QStringLiteral("news"), {QStringLiteral("noticias")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("noticias"), {QStringLiteral("news"), QStringLiteral("novelty")}}};
        const QVector<LexiconEntry> forward =
            tagged({{"news", "n", "noticia", "n"}, {"news", "adj", "noticioso", "adj"}});
        const QVector<LexiconEntry> backward =
            tagged({{"noticia", "n", "news", "n"}, {"noticioso", "adj", "news", "adj"}});
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("news")}, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("news")),
                 (QStringList{QStringLiteral("noticia"), QStringLiteral("noticias"), QStringLiteral("noticioso")}));
    }

    void keepsTheCommonWordTheCapWouldCut()
    {
        // eng-spa "rob /rɔb/: 1. despojar, privar 2. hurtar, robar"; spa-eng
        // "robar: 1. rob 2. steal", and "rob" alone for the others;
        // Apertium pairs "rob" only with "atracar" both ways.
        const SenseRows englishSpanish{{QStringLiteral("rob"),
                                        {QStringLiteral("despojar"), QStringLiteral("privar"),
                                         QStringLiteral("hurtar"), QStringLiteral("robar")}}};
        const SenseRows spanishEnglish{{QStringLiteral("despojar"), {QStringLiteral("rob")}},
                                       {QStringLiteral("privar"), {QStringLiteral("rob")}},
                                       {QStringLiteral("hurtar"), {QStringLiteral("rob")}},
                                       {QStringLiteral("robar"), {QStringLiteral("rob"), QStringLiteral("steal")}},
                                       {QStringLiteral("atracar"), {QStringLiteral("land")}}};
        const QVector<LexiconEntry> forward =
            tagged({{"rob", "vblex", "atracar", "vblex"}, {"steal", "vblex", "robar", "vblex"}});
        const QVector<LexiconEntry> backward =
            tagged({{"atracar", "vblex", "rob", "vblex"}, {"robar", "vblex", "steal", "vblex"},
                     {"despojar", "vblex", "undress", "vblex"}, {"privar", "vblex", "deprive", "vblex"},
                     {"hurtar", "vblex", "steal", "vblex"}});
        // The pivot links "robar" with "rob" ("rauben").
        const auto links = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("robar") && english == QLatin1String("rob") ? 1 : 0;
        };
        const QStringList words{QStringLiteral("rob")};
        SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, links);
        QStringList rob = row(core.englishSpanish, QStringLiteral("rob"));
        QCOMPARE(rob.size(), kMaxSpanishTranslations);
        QCOMPARE(rob.value(0), QStringLiteral("atracar"));
        QVERIFY2(rob.contains(QStringLiteral("robar")), qPrintable(rob.join(QLatin1String(", "))));
        QVERIFY(!rob.contains(QStringLiteral("hurtar")));

        // Unconfirmed by the pivot, FreeDict's order decides.
        core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        rob = row(core.englishSpanish, QStringLiteral("rob"));
        QVERIFY(!rob.contains(QStringLiteral("robar")));
    }

    void putsAPlainWordBeforeItsPhrasalVerb()
    {
        // Apertium spa-eng "tirar<vblex>" -> "throw", "throw# out"; eng-spa
        // pairs only the phrase back. spa-eng "tirar: 1. fire, shoot 2.
        // drag, draw, haul, pull, tug". "petrolero" is an "oil tanker" both
        // ways and "oil" (the adjective) in spa-eng.
        const QVector<LexiconEntry> forward =
            tagged({{"throw", "vblex", "echar", "vblex"}, {"throw out", "vblex", "tirar", "vblex"},
                     {"oil tanker", "n", "petrolero", "n"}});
        const QVector<LexiconEntry> backward =
            tagged({{"tirar", "vblex", "throw", "vblex"}, {"tirar", "vblex", "throw out", "vblex"},
                     {"petrolero", "n", "oil tanker", "n"}, {"petrolero", "adj", "oil", "adj"}});
        const SenseRows englishSpanish{
            {QStringLiteral("throw"), {QStringLiteral("echar"), QStringLiteral("lanzar")}},
            {QStringLiteral("fire"), {QStringLiteral("fuego"), QStringLiteral("tirar")}},
            {QStringLiteral("shoot"), {QStringLiteral("tirar")}},
            {QStringLiteral("pull"), {QStringLiteral("tirar")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("tirar"),
             {QStringLiteral("fire"), QStringLiteral("shoot"), QStringLiteral("drag"), QStringLiteral("draw"),
              QStringLiteral("haul"), QStringLiteral("pull"), QStringLiteral("tug")}}};
        const QStringList words{QStringLiteral("throw"), QStringLiteral("fire"), QStringLiteral("shoot"),
                                QStringLiteral("pull"), QStringLiteral("oil"), QStringLiteral("oil tanker")};
        // The pivot links "tirar" with "throw" ("werfen").
        const auto links = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("tirar") && english == QLatin1String("throw") ? 1 : 0;
        };
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, links);
        const QStringList tirar = row(core.spanishEnglish, QStringLiteral("tirar"));
        QCOMPARE(tirar.value(0), QStringLiteral("throw"));
        QCOMPARE(tirar.value(1), QStringLiteral("throw out"));
        // A compound whose head comes last is no use of its first word.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("petrolero")),
                 (QStringList{QStringLiteral("oil tanker"), QStringLiteral("oil")}));
    }

    void putsTheRowsOwnEntryBeforeAReversedOne()
    {
        // Apertium eng-spa "brief<vblex>" -> "informar", "brief<n>" ->
        // "escrito<n><f>", "brief<adj>" -> "breve"; spa-eng has only
        // "escrito<n>" -> "writing<n>" and "escritura<n><f>" -> "writing".
        // FreeDict eng-spa "brief: corto" and no row for "escrito". Both
        // pairs have one source, and the English row "brief" came first.
        // "bag<n>" -> "bolso", "bolsa"; "bolsa<n><f>" -> "stock exchange":
        // the phrase is a narrower use and stays after "bag".
        const QVector<LexiconEntry> forward =
            tagged({{"brief", "vblex", "informar", "vblex"}, {"brief", "n", "escrito", "n"},
                    {"brief", "adj", "breve", "adj"}, {"writing", "n", "escritura", "n"},
                    {"bag", "n", "bolso", "n"}, {"bag", "n", "bolsa", "n"}});
        const QVector<LexiconEntry> backward =
            tagged({{"escrito", "n", "writing", "n"}, {"escritura", "n", "writing", "n"},
                    {"bolsa", "n", "stock exchange", "n"}});
        const SenseRows englishSpanish{{QStringLiteral("brief"), {QStringLiteral("corto")}}};
        const QStringList words{QStringLiteral("brief"), QStringLiteral("writing"), QStringLiteral("bag"),
                                QStringLiteral("stock exchange")};
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, {}, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("escrito")),
                 (QStringList{QStringLiteral("writing"), QStringLiteral("brief")}));
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("bolsa")),
                 (QStringList{QStringLiteral("bag"), QStringLiteral("stock exchange")}));
    }

    void keepsTheLyAdverbOfAMenteAdverbFirst()
    {
        // spa-eng "extremamente: 1. extremely 2. most"; eng-spa "extremely
        // /ikstremliː/: extremamente", "most /moust/: extremamente".
        // "most" is far commoner and its own first sense is "extremamente",
        // yet the adverb in "-ly" is the one the learner wants first.
        const SenseRows englishSpanish{{QStringLiteral("extremely"), {QStringLiteral("extremamente")}},
                                       {QStringLiteral("most"), {QStringLiteral("extremamente")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("extremamente"), {QStringLiteral("extremely"), QStringLiteral("most")}}};
        const QVector<LexiconEntry> forward =
            entries({{"extremely<adv>", "extremadamente<adv>"}, {"most<adv>", "más<adv>"}});
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("extremely"), QStringLiteral("most")},
                                                     englishSpanish, spanishEnglish, forward, {});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("extremamente")),
                 (QStringList{QStringLiteral("extremely"), QStringLiteral("most")}));
    }

    // Entries of Apertium's lexicons as lt-print gives them: lemma, tags,
    // translation, tags ("royalty<n><pl>" -> "derecho<n><m><pl>").
    static QVector<LexiconEntry> entries(std::initializer_list<std::array<const char *, 2>> lines)
    {
        QVector<LexiconEntry> list;
        auto split = [](const char *text, QString &lemma, QStringList &tags) {
            const QString whole = QString::fromUtf8(text);
            const qsizetype open = whole.indexOf(u'<');
            lemma = whole.left(open);
            tags = whole.mid(open + 1).chopped(1).split(QStringLiteral("><"));
        };
        for (const auto &[source, target] : lines) {
            LexiconEntry entry;
            split(source, entry.source, entry.sourceTags);
            split(target, entry.target, entry.targetTags);
            list.append(entry);
        }
        return list;
    }

    void leavesOutTranslationsOfThePluralOnly()
    {
        // Apertium eng-spa gives "royalties" as "derechos" and "arms" as
        // "armas"; "police" it lists only in the plural.
        const QVector<LexiconEntry> forward = entries({{"royalty<n><sg>", "realeza<n><f><sg>"},
                                                       {"royalty<n><pl>", "derecho<n><m><pl>"},
                                                       {"arm<n><pl>", "arma<n><f><pl>"},
                                                       {"arm<vblex>", "armar<vblex>"},
                                                       {"arm<n><sg>", "brazo<n><m><sg>"},
                                                       {"police<n><pl>", "policía<n><f><sg>"}});
        const QVector<LexiconEntry> backward = entries({{"realeza<n><f><sg>", "royalty<n><sg>"},
                                                        {"brazo<n><m>", "arm<n>"},
                                                        {"armar<vblex>", "arm<vblex>"}});
        // FreeDict eng-spa "arm /ɑːm/: 1. armar 2. brazo".
        const SenseRows englishSpanish{{QStringLiteral("arm"), {QStringLiteral("armar"), QStringLiteral("brazo")}}};
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("royalty"), QStringLiteral("arm"), QStringLiteral("police")}, englishSpanish, {}, forward,
            backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("royalty")), QStringList{QStringLiteral("realeza")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("derecho")), QStringList{QStringLiteral("(no row)")});
        // Leaving "arma" out does not make the sources agree on "armar".
        QCOMPARE(row(core.englishSpanish, QStringLiteral("arm")).value(0), QStringLiteral("brazo"));
        QVERIFY(!row(core.englishSpanish, QStringLiteral("arm")).contains(QStringLiteral("arma")));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("police")), QStringList{QStringLiteral("policía")});
    }

    void takesThePluralOfASenseSpanishGivesInThePlural()
    {
        // Apertium eng-spa: jealousy is "celos" (singular "celo" is zeal),
        // "vacaciones" is a plural lemma already, "time" is either number,
        // and "imágenes" cannot be formed from "imagen" by adding "s".
        const QVector<LexiconEntry> forward = entries({{"jealousy<n><sg>", "celo<n><m><pl>"},
                                                       {"holiday<n><sg>", "vacaciones<n><f><pl>"},
                                                       {"time<n><ND>", "tiempo<n><m><pl>"},
                                                       {"footage<n><sg>", "imagen<n><f><pl>"}});
        const QVector<LexiconEntry> backward = entries({{"celo<n><m><sg>", "zeal<n><sg>"}});
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("jealousy"), QStringLiteral("holiday"),
                                                      QStringLiteral("time"), QStringLiteral("footage")},
                                                     {}, {}, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("jealousy")), QStringList{QStringLiteral("celos")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("holiday")), QStringList{QStringLiteral("vacaciones")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("time")), QStringList{QStringLiteral("tiempo")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("footage")), QStringList{QStringLiteral("(no row)")});
    }

    void takesApertiumsOwnPairsIntoTheSpanishRows()
    {
        auto words = [](std::initializer_list<const char *> list) {
            QStringList result;
            for (const char *word : list)
                result.append(QString::fromUtf8(word));
            return result;
        };
        // FreeDict eng-spa "about /əbaut/: 1. en cuanto a, por lo tocante
        // a, respecto de 2. a eso de, apróximadamente, cerca de 3.
        // alrededor de, en torno de", "on /wʌn/: ... 2. a, dentro de, en,
        // por ... 5. sobre", "upon /əpɔn/: 1. contra ... 3. en, sobre",
        // "envelope /inveləp/: sobre", "school /sʃuːl/:
        // escuela", "college /kɔlidʒ/: colegio"; spa-eng "sobre: 1. envelope
        // 2. on, upon", "en cuanto a: 1. about, concerning 2. on, upon"
        // (and "por lo tocante a", "respecto de"), "apróximadamente: about,
        // approximately" (and "a eso de"), "alrededor de: about, round,
        // around, towards" (and "en torno de"), "colegio: college".
        const SenseRows englishSpanish{
            {QStringLiteral("about"), words({"en cuanto a", "por lo tocante a", "respecto de", "a eso de",
                                             "apróximadamente", "cerca de", "alrededor de", "en torno de"})},
            {QStringLiteral("on"), words({"a", "dentro de", "en", "por", "sobre"})},
            {QStringLiteral("upon"), words({"contra", "en", "sobre"})},
            {QStringLiteral("envelope"), words({"sobre"})},
            {QStringLiteral("school"), words({"escuela"})},
            {QStringLiteral("college"), words({"colegio"})}};
        const SenseRows spanishEnglish{
            {QStringLiteral("sobre"), words({"envelope", "on", "upon"})},
            {QStringLiteral("en cuanto a"), words({"about", "concerning", "on", "upon"})},
            {QStringLiteral("por lo tocante a"), words({"about", "concerning", "on", "upon"})},
            {QStringLiteral("respecto de"), words({"about", "concerning", "on", "upon"})},
            {QStringLiteral("apróximadamente"), words({"about", "approximately"})},
            {QStringLiteral("a eso de"), words({"about", "approximately"})},
            {QStringLiteral("alrededor de"), words({"about", "round", "around", "towards"})},
            {QStringLiteral("en torno de"), words({"about", "round", "around", "towards"})},
            {QStringLiteral("colegio"), words({"college"})}};
        // Apertium eng-spa: "sobre" is the only translation of the
        // preposition "about", which the rows of FreeDict's phrases leave
        // no room for; "colegio" is a "school" in spa-eng, after words that
        // outrank it in the row of "school".
        const QVector<LexiconEntry> forward = entries({{"about<adv>", "aproximadamente<adv>"},
                                                       {"about<pr>", "sobre<pr>"},
                                                       {"on<adv>", "encima<adv>"},
                                                       {"on<pr>", "en<pr>"},
                                                       {"school<adj>", "escolar<adj><mf>"},
                                                       {"school<n>", "escuela<n><f>"},
                                                       {"school<adj>", "colegial<adj><mf>"},
                                                       {"college<adj>", "universitario<adj>"},
                                                       {"college<n>", "universidad<n><f>"}});
        const QVector<LexiconEntry> backward = entries({{"sobre<pr>", "on<pr>"},
                                                        {"acerca de<pr>", "about<pr>"},
                                                        {"escolar<adj><mf>", "school<adj>"},
                                                        {"escuela<n><f>", "school<n>"},
                                                        {"cole<n><m>", "school<n>"},
                                                        {"colegio<n><m>", "school<n>"},
                                                        {"colegial<adj><mf>", "school<adj>"}});
        const SpanishCore core = mergeSpanishLexicon(
            words({"about", "on", "envelope", "upon", "school", "college"}), englishSpanish, spanishEnglish, forward,
            backward);
        // The common "sobre" takes the place of a rare FreeDict phrase in
        // the full row of "about"; its own row has "about" either way.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("about")).value(2), QStringLiteral("sobre"));
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("sobre")), words({"on", "envelope", "upon", "about"}));
        QVERIFY(!row(core.englishSpanish, QStringLiteral("school")).contains(QStringLiteral("colegio")));
        // FreeDict's "college" is no pair of Apertium's: its only word
        // for "colegio" goes first.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("colegio")), words({"school", "college"}));
    }

    void putsACommonerSenseBeforeOneApertiumGivesOtherwise()
    {
        // FreeDict eng-spa "acquaintance /əkweintəns/: 1. notoriedad 2.
        // conocido 3. conocimiento"; spa-eng "notoriedad: acquaintance,
        // conversance, familiarity", "conocido: 1. famous 2. acquaintance",
        // "conocimiento: acquaintance, knowledge". Apertium lacks
        // "acquaintance" and "conocido"; it gives "notoriedad" as
        // "notoriety" and "conocimiento" as "knowledge".
        const SenseRows englishSpanish{
            {QStringLiteral("acquaintance"),
             {QStringLiteral("notoriedad"), QStringLiteral("conocido"), QStringLiteral("conocimiento")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("notoriedad"),
             {QStringLiteral("acquaintance"), QStringLiteral("conversance"), QStringLiteral("familiarity")}},
            {QStringLiteral("conocido"), {QStringLiteral("famous"), QStringLiteral("acquaintance")}},
            {QStringLiteral("conocimiento"), {QStringLiteral("acquaintance"), QStringLiteral("knowledge")}}};
        const QVector<LexiconEntry> forward =
            entries({{"notoriety<n>", "notoriedad<n><f>"}, {"knowledge<n>", "conocimiento<n><m>"}});
        const QVector<LexiconEntry> backward =
            entries({{"notoriedad<n><f>", "notoriety<n>"}, {"conocimiento<n><m>", "knowledge<n>"}});
        SpanishCore core = mergeSpanishLexicon({QStringLiteral("acquaintance")}, englishSpanish, spanishEnglish,
                                               forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("acquaintance")),
                 (QStringList{QStringLiteral("conocido"), QStringLiteral("notoriedad"), QStringLiteral("conocimiento")}));
        // Without Apertium's word for "notoriedad" FreeDict's order stands.
        core = mergeSpanishLexicon({QStringLiteral("acquaintance")}, englishSpanish, spanishEnglish,
                                   entries({{"knowledge<n>", "conocimiento<n><m>"}}),
                                   entries({{"conocimiento<n><m>", "knowledge<n>"}}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("acquaintance")).value(0), QStringLiteral("notoriedad"));
    }

    void putsApertiumsOnlyTranslationBeforeFreedictsSenses()
    {
        // FreeDict eng-spa "perform /pəfɔːm/: 1. aparecer 2. entrar, montar
        // 3. cometer, fabricar, hacer, perpetrar"; spa-eng "aparecer:
        // appear, emerge, perform", "entrar: go in, enter, perform",
        // "montar: go in, enter, perform", "cometer: 1. achieve, act, do,
        // make, perform", "fabricar: 2. achieve, act, do, make, perform".
        // Apertium eng-spa has "perform<vblex>" -> "actuar<vblex>" alone,
        // spa-eng "actuar<vblex>" -> "act<vblex>".
        const QStringList performSenses{QStringLiteral("aparecer"), QStringLiteral("entrar"),
                                        QStringLiteral("montar"), QStringLiteral("cometer"),
                                        QStringLiteral("fabricar")};
        SenseRows englishSpanish{{QStringLiteral("perform"), performSenses}};
        const QStringList goIn{QStringLiteral("go in"), QStringLiteral("enter"), QStringLiteral("perform")};
        const QStringList achieve{QStringLiteral("achieve"), QStringLiteral("act"), QStringLiteral("do"),
                                  QStringLiteral("make"), QStringLiteral("perform")};
        SenseRows spanishEnglish{
            {QStringLiteral("aparecer"), {QStringLiteral("appear"), QStringLiteral("emerge"), QStringLiteral("perform")}},
            {QStringLiteral("entrar"), goIn},
            {QStringLiteral("montar"), goIn},
            {QStringLiteral("cometer"), achieve},
            {QStringLiteral("fabricar"), achieve}};
        SpanishCore core = mergeSpanishLexicon({QStringLiteral("perform")}, englishSpanish, spanishEnglish,
                                               entries({{"perform<vblex>", "actuar<vblex>"}}),
                                               entries({{"actuar<vblex>", "act<vblex>"}}));
        // "actuar" takes the place of the last of the equally ranked senses.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("perform")),
                 (QStringList{QStringLiteral("actuar"), QStringLiteral("aparecer"), QStringLiteral("entrar"),
                              QStringLiteral("montar")}));

        // FreeDict eng-spa "food /fuːd/: 1. comestibles, plato 2. alimento";
        // spa-eng "comestibles: food", "plato: 1. food 2. menu", "alimento:
        // food, nourishment". Apertium eng-spa gives
        // "food<adj>" -> "alimentario<adj>" first, then "food<n>" ->
        // "comida<n><f>": its first is that of one part of speech only, and
        // the row keeps its ranking ("alimento", FreeDict both ways, first).
        englishSpanish = {{QStringLiteral("food"),
                           {QStringLiteral("comestibles"), QStringLiteral("plato"), QStringLiteral("alimento")}}};
        spanishEnglish = {{QStringLiteral("comestibles"), {QStringLiteral("food")}},
                          {QStringLiteral("plato"), {QStringLiteral("food"), QStringLiteral("menu")}},
                          {QStringLiteral("alimento"), {QStringLiteral("food"), QStringLiteral("nourishment")}}};
        core = mergeSpanishLexicon(
            {QStringLiteral("food")}, englishSpanish, spanishEnglish,
            entries({{"food<adj>", "alimentario<adj>"}, {"food<n>", "comida<n><f>"}}),
            entries({{"alimento<n><m>", "food<n>"}, {"comida<n><f>", "food<n>"}}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("food")).value(0), QStringLiteral("alimento"));
    }

    void putsTheWordBothLexiconsPairFirstBeforeASideSense()
    {
        // FreeDict spa-eng "fila /fˈila/: grade, rank, rate"; eng-spa "grade
        // /græd/: 1. grado 2. fila", "rank /ræŋk/: 1. fila 2. turno", "rate
        // /reit/: 1. fila 2. estimar", "row /rou/: 1. remar 2. turno".
        // Apertium spa-eng gives "fila<n><f>" -> "row<n>" alone, eng-spa
        // "row<n>" -> "fila<n><f>"; "rank" has a word of its own in both
        // lexicons: "rank<n>" -> "fila<n><f>", "rango<n><m>" and
        // "rango<n><m>" -> "rank<n>".
        // FreeDict spa-eng "maleta /malˈeta/: 1. trunk 2. suitcase, valise";
        // eng-spa "suitcase /suːtkeis/: maleta, maletademano", "trunk
        // /trʌŋk/: 1. baúl, maleta 2. tronco", "valise /vəliːz/: maleta,
        // maletademano". Apertium spa-eng gives "maleta<n><f>" -> "case<n>"
        // alone, eng-spa "suitcase<n>" and "case<n>" -> "maleta<n><f>":
        // "suitcase" has no other word, and keeps the lead.
        const SenseRows spanishEnglish{
            {QStringLiteral("fila"), {QStringLiteral("grade"), QStringLiteral("rank"), QStringLiteral("rate")}},
            {QStringLiteral("maleta"), {QStringLiteral("trunk"), QStringLiteral("suitcase"), QStringLiteral("valise")}}};
        const SenseRows englishSpanish{
            {QStringLiteral("grade"), {QStringLiteral("grado"), QStringLiteral("fila")}},
            {QStringLiteral("rank"), {QStringLiteral("fila"), QStringLiteral("turno")}},
            {QStringLiteral("rate"), {QStringLiteral("fila"), QStringLiteral("estimar")}},
            {QStringLiteral("row"), {QStringLiteral("remar"), QStringLiteral("turno")}},
            {QStringLiteral("suitcase"), {QStringLiteral("maleta"), QStringLiteral("maleta de mano")}},
            {QStringLiteral("trunk"), {QStringLiteral("baúl"), QStringLiteral("maleta"), QStringLiteral("tronco")}},
            {QStringLiteral("valise"), {QStringLiteral("maleta"), QStringLiteral("maleta de mano")}}};
        const QStringList core{QStringLiteral("grade"), QStringLiteral("rank"),     QStringLiteral("rate"),
                               QStringLiteral("row"),   QStringLiteral("suitcase"), QStringLiteral("trunk"),
                               QStringLiteral("valise"), QStringLiteral("case")};
        const QVector<LexiconEntry> forward = entries({{"rank<n>", "fila<n><f>"},
                                                       {"rank<n>", "rango<n><m>"},
                                                       {"row<n>", "fila<n><f>"},
                                                       {"case<n>", "caso<n><m>"},
                                                       {"case<n>", "maleta<n><f>"},
                                                       {"suitcase<n>", "maleta<n><f>"}});
        const QVector<LexiconEntry> backward =
            entries({{"fila<n><f>", "row<n>"}, {"rango<n><m>", "rank<n>"}, {"maleta<n><f>", "case<n>"}});
        const SpanishCore merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("fila")).mid(0, 2),
                 (QStringList{QStringLiteral("row"), QStringLiteral("rank")}));
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("maleta")).value(0), QStringLiteral("suitcase"));
    }

    void keepsFreedictsWomansWordsBeforeApertiumsMansNoun()
    {
        // FreeDict eng-spa "saleswoman /seilzwumən/: dependienta, vendedora";
        // spa-eng "dependienta: saleswoman", "vendedora: saleswoman".
        // Apertium eng-spa has "saleswoman<n>" and "salesman<n>" ->
        // "agente vendedor<n><m>" alone, spa-eng "agente vendedor<n><m>" ->
        // "salesman<n>": the man's noun does not lead the woman's words.
        const QStringList women{QStringLiteral("dependienta"), QStringLiteral("vendedora")};
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("saleswoman")}, {{QStringLiteral("saleswoman"), women}},
            {{QStringLiteral("dependienta"), {QStringLiteral("saleswoman")}},
             {QStringLiteral("vendedora"), {QStringLiteral("saleswoman")}}},
            entries({{"saleswoman<n>", "agente vendedor<n><m>"}, {"salesman<n>", "agente vendedor<n><m>"}}),
            entries({{"agente vendedor<n><m>", "salesman<n>"}}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("saleswoman")).mid(0, 2), women);
    }

    void putsApertiumsWordsBeforeASoleSideSense()
    {
        // FreeDict eng-spa "ban /bein/: anatema", spa-eng "anatema:
        // anathema, ban, excommunication". Apertium eng-spa "ban<n>" ->
        // "prohibición<n><f>", "ban<vblex>" -> "prohibir<vblex>"; spa-eng
        // "anatema<n><f>" -> "anathema<n>", "prohibición<n><f>" ->
        // "prohibition<n>", "prohibir<vblex>" -> "forbid<vblex>".
        const QStringList anatema{QStringLiteral("anathema"), QStringLiteral("ban"), QStringLiteral("excommunication")};
        const auto backward = entries({{"anatema<n><f>", "anathema<n>"},
                                       {"prohibición<n><f>", "prohibition<n>"},
                                       {"prohibir<vblex>", "forbid<vblex>"}});
        SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("ban")}, {{QStringLiteral("ban"), {QStringLiteral("anatema")}}},
            {{QStringLiteral("anatema"), anatema}},
            entries({{"ban<n>", "prohibición<n><f>"}, {"ban<vblex>", "prohibir<vblex>"}}), backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("ban")).value(2), QStringLiteral("anatema"));

        // FreeDict eng-spa "cheer /tʃiə/: animar, incitar", spa-eng
        // "animar: 1. encourage, impel, ... 2. cheer, fire, inspire"
        // (likewise "incitar"); Apertium eng-spa "cheer<vblex>" ->
        // "aclamar", "alegrar", spa-eng "animar<vblex>" -> "animate",
        // "encourage". FreeDict's first of several stays first.
        const QStringList urge{QStringLiteral("encourage"), QStringLiteral("impel"), QStringLiteral("cheer"),
                               QStringLiteral("fire"), QStringLiteral("inspire")};
        core = mergeSpanishLexicon(
            {QStringLiteral("cheer")}, {{QStringLiteral("cheer"), {QStringLiteral("animar"), QStringLiteral("incitar")}}},
            {{QStringLiteral("animar"), urge}, {QStringLiteral("incitar"), urge}},
            entries({{"cheer<vblex>", "aclamar<vblex>"}, {"cheer<vblex>", "alegrar<vblex>"}}),
            entries({{"animar<vblex>", "animate<vblex>"}, {"animar<vblex>", "encourage<vblex>"},
                     {"aclamar<vblex>", "acclaim<vblex>"}, {"alegrar<vblex>", "gladden<vblex>"}}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("cheer")).value(0), QStringLiteral("animar"));
    }

    void putsTheFeminineFormFreedictPairsBeforeApertiumsLemma()
    {
        // FreeDict eng-spa "pigeon /pidʒən/: 1. pichón 2. paloma", spa-eng
        // "paloma: pigeon", "pichón: dove, pigeon". Apertium eng-spa
        // "pigeon<n>" -> "palomo<n><GD>", spa-eng "palomo<n><m>" and
        // "palomo<n><f>" -> "pigeon<n>".
        const auto pigeonLexicon = entries({{"palomo<n><m>", "pigeon<n>"}, {"palomo<n><f>", "pigeon<n>"}});
        SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("pigeon")},
            {{QStringLiteral("pigeon"), {QStringLiteral("pichón"), QStringLiteral("paloma")}}},
            {{QStringLiteral("paloma"), {QStringLiteral("pigeon")}},
             {QStringLiteral("pichón"), {QStringLiteral("dove"), QStringLiteral("pigeon")}}},
            entries({{"pigeon<n>", "palomo<n><GD>"}}), pigeonLexicon);
        const QStringList pigeon = row(core.englishSpanish, QStringLiteral("pigeon"));
        QCOMPARE(pigeon.value(0), QStringLiteral("paloma"));
        QVERIFY(pigeon.contains(QStringLiteral("palomo")));

        // FreeDict eng-spa "friend /frend/: 1. amiga 2. amigo", spa-eng
        // "amiga: friend", "amigo: friend"; Apertium "friend<n>" ->
        // "amigo<n><GD>". FreeDict pairs the lemma as well: it stays first.
        core = mergeSpanishLexicon(
            {QStringLiteral("friend")},
            {{QStringLiteral("friend"), {QStringLiteral("amiga"), QStringLiteral("amigo")}}},
            {{QStringLiteral("amiga"), {QStringLiteral("friend")}}, {QStringLiteral("amigo"), {QStringLiteral("friend")}}},
            entries({{"friend<n>", "amigo<n><GD>"}}), entries({{"amigo<n><f>", "friend<n>"}}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("friend")).value(0), QStringLiteral("amigo"));
    }

    void putsFreedictsSoleTranslationApertiumLacksFirst()
    {
        // FreeDict eng-spa "careless /kɛələs/: descuidado", spa-eng
        // "descuidado: 1. careless, negligent"; Apertium eng-spa
        // "careless<adj> inadvertido<adj>", "unnoticed<adj>
        // inadvertido<adj>", spa-eng "inadvertido<adj> careless<adj>", and
        // no "descuidado" at all. spa-deu "descuidado: 1. nachlässig";
        // trans-de-en "nachlässig :: careless".
        const SenseRows englishSpanish{{QStringLiteral("careless"), {QStringLiteral("descuidado")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("descuidado"), {QStringLiteral("careless"), QStringLiteral("negligent")}}};
        const QVector<LexiconEntry> forward =
            entries({{"careless<adj>", "inadvertido<adj>"}, {"unnoticed<adj>", "inadvertido<adj>"}});
        const QVector<LexiconEntry> backward = entries({{"inadvertido<adj>", "careless<adj>"}});
        const auto linked = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("descuidado") && english == QLatin1String("careless") ? 1 : 0;
        };
        const QStringList words{QStringLiteral("careless")};
        SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("careless")).value(0), QStringLiteral("inadvertido"));
        core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, linked);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("careless")),
                 (QStringList{QStringLiteral("descuidado"), QStringLiteral("inadvertido")}));

        // FreeDict eng-spa "abandonment: cesión", spa-eng "cesión:
        // abandonment"; Apertium "abandonment<n> abandono<n><m>" both ways
        // and "cesión<n><f> cession<n>": Apertium weighed "cesión" and kept
        // "abandono", whatever the pivot links.
        core = mergeSpanishLexicon(
            {QStringLiteral("abandonment")}, {{QStringLiteral("abandonment"), {QStringLiteral("cesión")}}},
            {{QStringLiteral("cesión"), {QStringLiteral("abandonment")}}},
            entries({{"abandonment<n>", "abandono<n><m>"}, {"cession<n>", "cesión<n><f>"}}),
            entries({{"abandono<n><m>", "abandonment<n>"}, {"cesión<n><f>", "cession<n>"}}),
            [](const QString &spanish, const QString &) { return spanish == QStringLiteral("cesión") ? 1 : 0; });
        QCOMPARE(row(core.englishSpanish, QStringLiteral("abandonment")).value(0), QStringLiteral("abandono"));
    }

    void putsApertiumsOnlyEnglishWordBeforeUnpairedSenses()
    {
        // FreeDict spa-eng "tardar /taɾðˈaɾ/: be kept in, be detained,
        // remain, stayon" (its blank mended), "gente /xˈɛnte/: people",
        // "niño /nˈiɲo/: 1. bairn, child, infant"; eng-spa "be /bditeind/:
        // quedarseatrás, tardar" (its cut headword mended), "remain
        // /rimein/: 1. quedarseatrás, tardar" (and the same for "be kept
        // in", "stay on"), "people /piːpl/: 1. gente", "child /tʃaild/:
        // niño". Apertium spa-eng gives "tardar<vblex>" -> "take<vblex>",
        // "gente<n><f><sg>" -> "person<n><pl>" (that is, "people") and
        // "niño<n><m>" -> "boy<n>"; eng-spa "child<n>" -> "niño<n><m>".
        const SenseRows spanishEnglish{
            {QStringLiteral("tardar"),
             {QStringLiteral("be kept in"), QStringLiteral("be detained"), QStringLiteral("remain"),
              QStringLiteral("stay on")}},
            {QStringLiteral("gente"), {QStringLiteral("people")}},
            {QStringLiteral("niño"), {QStringLiteral("bairn"), QStringLiteral("child"), QStringLiteral("infant")}}};
        const QStringList quedarse{QStringLiteral("quedarse atrás"), QStringLiteral("tardar")};
        const SenseRows englishSpanish{{QStringLiteral("be kept in"), quedarse},
                                       {QStringLiteral("be detained"), quedarse},
                                       {QStringLiteral("remain"), quedarse},
                                       {QStringLiteral("stay on"), quedarse},
                                       {QStringLiteral("people"), {QStringLiteral("gente")}},
                                       {QStringLiteral("child"), {QStringLiteral("niño")}}};
        const QStringList core{QStringLiteral("take"), QStringLiteral("person"), QStringLiteral("child"),
                               QStringLiteral("boy")};
        const QVector<LexiconEntry> forward = entries({{"child<n>", "niño<n><m>"}});
        const QVector<LexiconEntry> backward = entries({{"tardar<vblex>", "take<vblex>"},
                                                        {"gente<n><f><sg>", "person<n><pl>"},
                                                        {"niño<n><m>", "boy<n>"}});
        SpanishCore merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward);
        // "take" joins the full row in front, in place of its last sense.
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("tardar")),
                 (QStringList{QStringLiteral("take"), QStringLiteral("be kept in"), QStringLiteral("be detained"),
                              QStringLiteral("remain")}));
        // A plural lemma is not the word Apertium gives; a first item
        // Apertium pairs with the word keeps its place.
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("gente")).value(0), QStringLiteral("people"));
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("niño")).value(0), QStringLiteral("child"));
        // Without Apertium's word FreeDict's row stands.
        merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, {});
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("tardar")), spanishEnglish.at(0).second);
    }

    void takesWordsApertiumGivesBothWays()
    {
        auto rows = [](std::initializer_list<std::pair<const char *, const char *>> list) {
            SenseRows result;
            for (const auto &[word, item] : list)
                result.append({QString::fromUtf8(word), {QString::fromUtf8(item)}});
            return result;
        };
        // FreeDict eng-spa "optician /ɔptiʃən/: óptico", "monastery
        // /mənæstəriː/: convento", "South African /sauθæfrikən/:
        // sudafricano"; spa-eng "óptico /ˈopːtiko/: optician", "convento
        // /kombˈɛnto/: monastery", "sudafricano: SouthAfrican" (its blank
        // mended). Apertium lacks "optician".
        const SenseRows englishSpanish = rows(
            {{"optician", "óptico"}, {"monastery", "convento"}, {"South African", "sudafricano"}});
        const SenseRows spanishEnglish =
            rows({{"óptico", "optician"}, {"convento", "monastery"}, {"sudafricano", "South African"}});
        const QStringList core{QStringLiteral("optician"), QStringLiteral("monastery"), QStringLiteral("South African"),
                               QStringLiteral("Slovak")};
        const QVector<LexiconEntry> forward = entries({{"optical<adj>", "óptico<adj>"},
                                                       {"convent<n>", "convento<n><m>"},
                                                       {"monastery<n>", "monasterio<n><m>"},
                                                       {"south african<adj>", "sudafricano<adj>"},
                                                       {"slovakian<adj>", "eslovaco<adj>"},
                                                       {"Slovak<n>", "eslovaco<n><GD>"}});
        const QVector<LexiconEntry> backward = entries({{"óptico<adj>", "optical<adj>"},
                                                        {"convento<n><m>", "convent<n>"},
                                                        {"monasterio<n><m>", "monastery<n>"},
                                                        {"sudafricano<adj>", "south african<adj>"},
                                                        {"eslovaco<adj>", "slovakian<adj>"},
                                                        {"eslovaco<n>", "Slovak<n>"}});
        SpanishCore merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward);
        // A row no English row changed, and one an English row rebuilt: the
        // word Apertium gives both ways ranks first.
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("óptico")),
                 (QStringList{QStringLiteral("optical"), QStringLiteral("optician")}));
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("convento")),
                 (QStringList{QStringLiteral("convent"), QStringLiteral("monastery")}));
        // Apertium writes adjectives of nationality in lower case: one the
        // row has with a capital is no new word, another takes the capital.
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("sudafricano")), QStringList{QStringLiteral("South African")});
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("eslovaco")),
                 (QStringList{QStringLiteral("Slovak"), QStringLiteral("Slovakian")}));
        // A pair of one direction only is no such word.
        merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, {});
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("óptico")), QStringList{QStringLiteral("optician")});
    }

    void putsAKnownWordOfAnAlphabeticalRunFirst()
    {
        // FreeDict eng-spa "timber /timbər/: leño, madera", "liquidate
        // /likwideit/: 1. saldar 2. matar"; spa-eng "leño /lˈeɲo/: timber,
        // wood", "madera /maðˈeɾa/: timber, wood", "matar /matˈaɾ/: 1.
        // butcher, slaughter 2. kill, liquidate, slay", "saldar /salðˈaɾ/:
        // 1. liquidate 2. pay". Apertium lacks "timber", "liquidate", "leño"
        // and "saldar"; it has "madera" as "wood", "matar" as "kill".
        const SenseRows englishSpanish{
            {QStringLiteral("timber"), {QStringLiteral("leño"), QStringLiteral("madera")}},
            {QStringLiteral("liquidate"), {QStringLiteral("saldar"), QStringLiteral("matar")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("leño"), {QStringLiteral("timber"), QStringLiteral("wood")}},
            {QStringLiteral("madera"), {QStringLiteral("timber"), QStringLiteral("wood")}},
            {QStringLiteral("matar"),
             {QStringLiteral("butcher"), QStringLiteral("slaughter"), QStringLiteral("kill"),
              QStringLiteral("liquidate"), QStringLiteral("slay")}},
            {QStringLiteral("saldar"), {QStringLiteral("liquidate"), QStringLiteral("pay")}}};
        const QVector<LexiconEntry> forward =
            entries({{"wood<n><sg>", "madera<n><f><sg>"}, {"kill<vblex>", "matar<vblex>"}});
        const QVector<LexiconEntry> backward =
            entries({{"madera<n><f><sg>", "wood<n><sg>"}, {"matar<vblex>", "kill<vblex>"}});
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("timber"), QStringLiteral("liquidate")},
                                                     englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("timber")),
                 (QStringList{QStringLiteral("madera"), QStringLiteral("leño")}));
        // "matar" is out of alphabetical order, of the second sense: it stays.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("liquidate")),
                 (QStringList{QStringLiteral("saldar"), QStringLiteral("matar")}));
    }

    void putsTheItemWhoseRowNamesTheWordSoonestFirst()
    {
        // FreeDict eng-spa "point /pɔintaut/: designar, enseñar, indicar,
        // mostrar" (the cut "point out"), "censure /senʃər/: 1. censurar,
        // criticar 2. desaprobación, reprobación"; spa-eng "designar: 1.
        // indicate, suggest 2. point out, show", "enseñar: 1. indicate,
        // suggest 2. teach 3. point out, show", "indicar: 1. indicate,
        // suggest 2. point out, show", "mostrar: indicate, point out, show",
        // "censurar: 1. censor 2. censure, criticize 3. reproach, ...",
        // "criticar: 1. censure, criticize 2. judge". Apertium lacks "point
        // out" and "censure".
        const QStringList indicate{QStringLiteral("indicate"), QStringLiteral("suggest"), QStringLiteral("point out"),
                                   QStringLiteral("show")};
        const QStringList pointOut{QStringLiteral("designar"), QStringLiteral("enseñar"), QStringLiteral("indicar"),
                                   QStringLiteral("mostrar")};
        const SenseRows englishSpanish{
            {QStringLiteral("point out"), pointOut},
            {QStringLiteral("censure"),
             {QStringLiteral("censurar"), QStringLiteral("criticar"), QStringLiteral("desaprobación")}}};
        SenseRows spanishEnglish{
            {QStringLiteral("designar"), indicate},
            {QStringLiteral("enseñar"),
             {QStringLiteral("indicate"), QStringLiteral("suggest"), QStringLiteral("teach"),
              QStringLiteral("point out"), QStringLiteral("show")}},
            {QStringLiteral("indicar"), indicate},
            {QStringLiteral("mostrar"), {QStringLiteral("indicate"), QStringLiteral("point out"), QStringLiteral("show")}},
            {QStringLiteral("censurar"),
             {QStringLiteral("censor"), QStringLiteral("censure"), QStringLiteral("criticize")}},
            {QStringLiteral("criticar"),
             {QStringLiteral("censure"), QStringLiteral("criticize"), QStringLiteral("judge")}}};
        const QVector<LexiconEntry> forward = entries({{"designate<vblex>", "designar<vblex>"},
                                                       {"teach<vblex>", "enseñar<vblex>"},
                                                       {"indicate<vblex>", "indicar<vblex>"},
                                                       {"show<vblex>", "mostrar<vblex>"},
                                                       {"criticise<vblex>", "criticar<vblex>"}});
        const QVector<LexiconEntry> backward =
            entries({{"designar<vblex>", "designate<vblex>"}, {"mostrar<vblex>", "show<vblex>"}});
        const QStringList words{QStringLiteral("point out"), QStringLiteral("censure")};
        SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("point out")),
                 (QStringList{QStringLiteral("mostrar"), QStringLiteral("designar"), QStringLiteral("enseñar"),
                              QStringLiteral("indicar")}));
        // The word's own cognate stays first, however late its row names it.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("censure")).value(0), QStringLiteral("censurar"));
        // Rows that name the word equally soon leave FreeDict's order.
        spanishEnglish[3].second = indicate;
        core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("point out")), pointOut);
    }

    void putsALaterSenseWhoseRowNamesTheWordFirstFirst()
    {
        // FreeDict eng-spa "barn /bɑːn/: 1. barraca, cobertizo 2. cabina,
        // granero, puesto"; spa-eng "barraca: barrack, barn, shack, shanty,
        // shed", "cobertizo: 1. penthouse, shed", "granero: barn, shed,
        // stand", "puesto: barn, shed, stand". Apertium knows none of them.
        const QStringList barn{QStringLiteral("barraca"), QStringLiteral("cobertizo"), QStringLiteral("cabina"),
                               QStringLiteral("granero"), QStringLiteral("puesto")};
        const SenseRows englishSpanish{{QStringLiteral("barn"), barn}};
        SenseRows spanishEnglish{
            {QStringLiteral("barraca"),
             {QStringLiteral("barrack"), QStringLiteral("barn"), QStringLiteral("shack"), QStringLiteral("shanty"),
              QStringLiteral("shed")}},
            {QStringLiteral("cobertizo"), {QStringLiteral("penthouse"), QStringLiteral("shed")}},
            {QStringLiteral("granero"), {QStringLiteral("barn"), QStringLiteral("shed"), QStringLiteral("stand")}},
            {QStringLiteral("puesto"), {QStringLiteral("barn"), QStringLiteral("shed"), QStringLiteral("stand")}}};
        SpanishCore core = mergeSpanishLexicon({QStringLiteral("barn")}, englishSpanish, spanishEnglish, {}, {});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("barn")),
                 (QStringList{QStringLiteral("granero"), QStringLiteral("barraca"), QStringLiteral("cobertizo"),
                              QStringLiteral("cabina"), QStringLiteral("puesto")}));
        // A first sense whose own row names the word first keeps its place.
        spanishEnglish[0].second.move(1, 0);
        core = mergeSpanishLexicon({QStringLiteral("barn")}, englishSpanish, spanishEnglish, {}, {});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("barn")), barn);
    }

    void putsAWordApertiumKnowsBeforeAnEquallyNamedOneItLacks()
    {
        // FreeDict eng-spa "adder /ædər/: áspid, víbora", "scrupulous
        // /skruːpjuləs/: escrupuloso, meticuloso"; spa-eng "áspid: adder,
        // viper", "víbora: adder, viper", "escrupuloso: accurate,
        // scrupulous", "meticuloso: accurate, scrupulous". Apertium has
        // "viper<n> víbora<n><f>" and "punctilious<adj> meticuloso<adj>",
        // neither "áspid" nor "escrupuloso", nor "adder" or "scrupulous".
        const QStringList adderViper{QStringLiteral("adder"), QStringLiteral("viper")};
        const QStringList accurate{QStringLiteral("accurate"), QStringLiteral("scrupulous")};
        const SenseRows englishSpanish{
            {QStringLiteral("adder"), {QStringLiteral("áspid"), QStringLiteral("víbora")}},
            {QStringLiteral("scrupulous"), {QStringLiteral("escrupuloso"), QStringLiteral("meticuloso")}}};
        const SenseRows spanishEnglish{{QStringLiteral("áspid"), adderViper},
                                       {QStringLiteral("víbora"), adderViper},
                                       {QStringLiteral("escrupuloso"), accurate},
                                       {QStringLiteral("meticuloso"), accurate}};
        const QVector<LexiconEntry> forward =
            entries({{"viper<n>", "víbora<n><f>"}, {"punctilious<adj>", "meticuloso<adj>"}});
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("adder"), QStringLiteral("scrupulous")},
                                                     englishSpanish, spanishEnglish, forward, {});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("adder")),
                 (QStringList{QStringLiteral("víbora"), QStringLiteral("áspid")}));
        // The cognate stays first, the "e" Spanish puts before "sc" apart.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("scrupulous")),
                 (QStringList{QStringLiteral("escrupuloso"), QStringLiteral("meticuloso")}));
    }

    void keepsTheWordsTheGermanPivotConfirmsInAFullRow()
    {
        // FreeDict spa-eng "entrada /entɾˈaða/: 1. entrance, portal 2.
        // access, admission, admittance", eng-spa "portal: entrada",
        // "access: entrada", "admission: entrada", "admittance: entrada";
        // Apertium eng-spa "entrance<n> entrada<n><f>", "entry<n>
        // entrada<n><f>", "ticket<n> billete<n><f>", "ticket<n>
        // entrada<n><f>", spa-eng "entrada<n><f> entrance<n>",
        // "entrada<n><f> entry<n>". spa-deu "entrada: 1. Eingang 2. Zugang",
        // "entrada: Eintrittskarte"; trans-de-en "Eingang ... :: entrance",
        // "Eingang ... :: entry", "Eintrittskarte ... :: admission ticket;
        // ticket".
        const QStringList freedictEnglish{QStringLiteral("entrance"), QStringLiteral("portal"), QStringLiteral("access"),
                                          QStringLiteral("admission"), QStringLiteral("admittance")};
        SenseRows englishSpanish;
        for (const QString &english : freedictEnglish.mid(1))
            englishSpanish.append({english, {QStringLiteral("entrada")}});
        const SenseRows spanishEnglish{{QStringLiteral("entrada"), freedictEnglish}};
        const QVector<LexiconEntry> forward = entries({{"entrance<n>", "entrada<n><f>"},
                                                       {"entry<n>", "entrada<n><f>"},
                                                       {"ticket<n>", "billete<n><f>"},
                                                       {"ticket<n>", "entrada<n><f>"}});
        const QVector<LexiconEntry> backward =
            entries({{"entrada<n><f>", "entrance<n>"}, {"entrada<n><f>", "entry<n>"}});
        const QStringList words = freedictEnglish + QStringList{QStringLiteral("entry"), QStringLiteral("ticket")};
        const auto linked = [](const QString &spanish, const QString &english) {
            static const QStringList german{QStringLiteral("entrance"), QStringLiteral("entry"), QStringLiteral("ticket")};
            return spanish == QLatin1String("entrada") && german.contains(english) ? 1 : 0;
        };
        // Without the pivot FreeDict's pairs fill the row ...
        SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward);
        QVERIFY(!row(core.spanishEnglish, QStringLiteral("entrada")).contains(QStringLiteral("ticket")));
        // ... with it "ticket" takes a place, after the words with more sources.
        core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("entrada")),
                 (QStringList{QStringLiteral("entrance"), QStringLiteral("entry"), QStringLiteral("portal"),
                              QStringLiteral("ticket")}));
    }

    void keepsTheWordsMoreGermanWordsConfirmInAFullRow()
    {
        // FreeDict spa-eng "derecho: 1. claim, presumption, pretence 2. right
        // 3. direct, straight", each paired back by eng-spa; Apertium
        // "derecho<adj> right<adj>", "derecho<n><m> law<n>", "derecho<n><m>
        // right<n>". spa-deu "derecho: aufrecht", "gerade", "recht", "1.
        // Anspruch 2. Anrecht", ...; the counts below stand for how many of
        // its German words trans-de-en leads to each English word. Of
        // equally sourced, confirmed words the one more German words
        // confirm takes the last place: "straight", not "direct".
        const QStringList freedictEnglish{QStringLiteral("claim"),  QStringLiteral("presumption"),
                                          QStringLiteral("pretence"), QStringLiteral("right"),
                                          QStringLiteral("direct"), QStringLiteral("straight")};
        SenseRows englishSpanish;
        for (const QString &english : freedictEnglish)
            englishSpanish.append({english, {QStringLiteral("derecho")}});
        const SenseRows spanishEnglish{{QStringLiteral("derecho"), freedictEnglish}};
        const QVector<LexiconEntry> forward = entries({{"right<adj>", "derecho<adj>"}, {"law<n>", "derecho<n><m>"},
                                                       {"right<n>", "derecho<n><m>"}});
        const QVector<LexiconEntry> backward = entries({{"derecho<adj>", "right<adj>"}, {"derecho<n><m>", "law<n>"},
                                                        {"derecho<n><m>", "right<n>"}});
        const QStringList words = freedictEnglish + QStringList{QStringLiteral("law")};
        const auto links = [](const QString &, const QString &english) {
            static const QHash<QString, int> german{{QStringLiteral("right"), 3}, {QStringLiteral("law"), 3},
                                                    {QStringLiteral("claim"), 2}, {QStringLiteral("straight"), 2},
                                                    {QStringLiteral("direct"), 1}};
            return german.value(english);
        };
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, links);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("derecho")),
                 (QStringList{QStringLiteral("right"), QStringLiteral("law"), QStringLiteral("claim"),
                              QStringLiteral("straight")}));
    }

    void ordersTheWordsOfOneSenseByTheGermanPivot()
    {
        // FreeDict spa-eng "fabricar: 1. fabricate, manufacture 2. achieve,
        // act, do, make, perform"; eng-spa "make: cometer, fabricar, hacer,
        // perpetrar" (and "do" alike), "manufacture: 1. fabricar 2.
        // confección, fabricación, producción", "fabricate: fabricar".
        // Apertium "manufacture<vblex>" <-> "fabricar<vblex>", "make<vblex>"
        // -> "hacer", "realizar". The counts stand for the German words that
        // link each English word with "fabricar" ("herstellen", "machen",
        // ...). Within FreeDict's second sense "make" goes before "do";
        // the first sense keeps its order.
        const QStringList makeSenses{QStringLiteral("cometer"), QStringLiteral("fabricar"), QStringLiteral("hacer"),
                                     QStringLiteral("perpetrar")};
        const SenseRows englishSpanish{
            {QStringLiteral("do"), makeSenses},
            {QStringLiteral("make"), makeSenses},
            {QStringLiteral("manufacture"),
             {QStringLiteral("fabricar"), QStringLiteral("confección"), QStringLiteral("fabricación"),
              QStringLiteral("producción")}},
            {QStringLiteral("fabricate"), {QStringLiteral("fabricar")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("fabricar"),
             {QStringLiteral("fabricate"), QStringLiteral("manufacture"), QStringLiteral("achieve"),
              QStringLiteral("act"), QStringLiteral("do"), QStringLiteral("make"), QStringLiteral("perform")}}};
        const auto links = [](const QString &, const QString &english) {
            static const QHash<QString, int> german{{QStringLiteral("make"), 4}, {QStringLiteral("manufacture"), 3},
                                                    {QStringLiteral("do"), 1}};
            return german.value(english);
        };
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("do"), QStringLiteral("make"), QStringLiteral("manufacture"), QStringLiteral("fabricate")},
            englishSpanish, spanishEnglish,
            entries({{"manufacture<vblex>", "fabricar<vblex>"}, {"make<vblex>", "hacer<vblex>"},
                     {"make<vblex>", "realizar<vblex>"}}),
            entries({{"fabricar<vblex>", "manufacture<vblex>"}}), links);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("fabricar")),
                 (QStringList{QStringLiteral("manufacture"), QStringLiteral("fabricate"), QStringLiteral("make"),
                              QStringLiteral("do")}));
    }

    void keepsFreedictsFirstSenseBeforeTheGermanOrder()
    {
        // FreeDict spa-eng "cambiar: 1. alter, change 2. interchange, swap 3.
        // vary 4. turn" and "prestar: 1. borrow 2. lend, loan"; eng-spa
        // "alter: cambiar, mudar", "change: 1. monedas 2. cambiar, mudar",
        // "interchange: cambiar", "swap: cambiar", "lend: prestar", "loan:
        // prestar", "borrow: prestar". Apertium "change<vblex>" <->
        // "cambiar<vblex>", "alter<vblex>" -> "alterar", "loan<vblex>" <->
        // "prestar<vblex>", "lend<vblex>" -> "dejar". The counts stand for the
        // German words that link each English word with the Spanish one
        // ("vertauschen" for "interchange" and "swap").
        const SenseRows englishSpanish{
            {QStringLiteral("alter"), wordList({"cambiar", "mudar"})},
            {QStringLiteral("change"), wordList({"monedas", "cambiar", "mudar"})},
            {QStringLiteral("interchange"), wordList({"cambiar"})},
            {QStringLiteral("swap"), wordList({"cambiar"})},
            {QStringLiteral("lend"), wordList({"prestar"})},
            {QStringLiteral("loan"), wordList({"prestar"})},
            {QStringLiteral("borrow"), wordList({"prestar"})}};
        const SenseRows spanishEnglish{
            {QStringLiteral("cambiar"), wordList({"alter", "change", "interchange", "swap", "vary", "turn"})},
            {QStringLiteral("prestar"), wordList({"borrow", "lend", "loan"})}};
        const QHash<QString, QStringList> firstSenses{{QStringLiteral("cambiar"), wordList({"alter", "change"})},
                                                      {QStringLiteral("prestar"), wordList({"borrow"})}};
        const auto links = [](const QString &, const QString &english) {
            static const QHash<QString, int> german{{QStringLiteral("change"), 3}, {QStringLiteral("interchange"), 2},
                                                    {QStringLiteral("swap"), 2},   {QStringLiteral("alter"), 1},
                                                    {QStringLiteral("lend"), 2},   {QStringLiteral("borrow"), 1}};
            return german.value(english);
        };
        const SpanishCore core = mergeSpanishLexicon(
            wordList({"alter", "change", "interchange", "swap", "lend", "loan", "borrow"}), englishSpanish, spanishEnglish,
            entries({{"change<vblex>", "cambiar<vblex>"}, {"alter<vblex>", "alterar<vblex>"},
                     {"loan<vblex>", "prestar<vblex>"}, {"lend<vblex>", "dejar<vblex>"}}),
            entries({{"cambiar<vblex>", "change<vblex>"}, {"prestar<vblex>", "loan<vblex>"}}), links, {}, firstSenses);
        // "change" leads from the first sense, so "alter" keeps its place
        // before the second sense's words, which the pivot links more often.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("cambiar")), wordList({"change", "alter", "interchange", "swap"}));
        // "loan" leads from the second sense: the first ("borrow") is a side
        // one, and the pivot orders the rest.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("prestar")), wordList({"loan", "lend", "borrow"}));
    }

    void leadsWithTheWordTwoGermanWordsAgreeOn()
    {
        // FreeDict spa-eng "acontecer: 1. become, come about, grow, happen
        // 2. occur"; eng-spa "become: 1. acontecer, hacerse", "happen: 1.
        // acontecer, hacerse 2. realizarse, tenerlugar", "occur: acontecer,
        // realizarse, tenerlugar". Apertium "become<vblex>" <->
        // "acontecer<vblex>". spa-deu "acontecer: 1. geschehen 2. passieren",
        // which trans-de-en both give as "happen" and "occur".
        const SenseRows englishSpanish{{QStringLiteral("become"), wordList({"acontecer", "hacerse"})},
                                       {QStringLiteral("happen"), wordList({"acontecer", "hacerse"})},
                                       {QStringLiteral("occur"), wordList({"acontecer"})}};
        const SenseRows spanishEnglish{
            {QStringLiteral("acontecer"), wordList({"become", "come about", "grow", "happen", "occur"})}};
        const QHash<QString, QStringList> firstSenses{
            {QStringLiteral("acontecer"), wordList({"become", "come about", "grow", "happen"})}};
        const auto merge = [&](int happenLinks) {
            return mergeSpanishLexicon(
                wordList({"become", "happen", "occur"}), englishSpanish, spanishEnglish,
                entries({{"become<vblex>", "acontecer<vblex>"}}), entries({{"acontecer<vblex>", "become<vblex>"}}),
                [happenLinks](const QString &, const QString &english) {
                    return english == QLatin1String("happen") ? happenLinks
                                                              : english == QLatin1String("occur") ? 2 : 0;
                },
                {}, firstSenses);
        };
        QCOMPARE(row(merge(2).spanishEnglish, QStringLiteral("acontecer")).value(0), QStringLiteral("happen"));
        // One German word is too little to overrule all four dictionaries.
        QCOMPARE(row(merge(1).spanishEnglish, QStringLiteral("acontecer")).value(0), QStringLiteral("become"));
    }

    void leadsAPluralWithItsSingularsWord()
    {
        // FreeDict spa-eng "aves: 1. birds 2. fowl, poultry", "ave: bird";
        // eng-spa "birds: aves", "fowl: 1. aves 2. gallina", "poultry: aves",
        // "bird: ave, pájaro". Apertium "fowl<n>" -> "ave<n><f>",
        // "bird<n>" -> "pájaro<n><m>", "ave<n><f>" -> "bird<n>". spa-deu
        // "aves: Geflügel" links only "fowl" and "poultry".
        const SenseRows englishSpanish{{QStringLiteral("birds"), wordList({"aves"})},
                                       {QStringLiteral("fowl"), wordList({"aves", "gallina"})},
                                       {QStringLiteral("poultry"), wordList({"aves"})},
                                       {QStringLiteral("bird"), wordList({"ave", "pájaro"})}};
        const SenseRows spanishEnglish{{QStringLiteral("aves"), wordList({"birds", "fowl", "poultry"})},
                                       {QStringLiteral("ave"), wordList({"bird"})}};
        const auto links = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("aves") && (english == QLatin1String("fowl") || english == QLatin1String("poultry"))
                       ? 1
                       : 0;
        };
        const SpanishCore core = mergeSpanishLexicon(
            wordList({"birds", "fowl", "poultry", "bird"}), englishSpanish, spanishEnglish,
            entries({{"fowl<n>", "ave<n><f>"}, {"bird<n>", "pájaro<n><m>"}}), entries({{"ave<n><f>", "bird<n>"}}),
            links, {}, {{QStringLiteral("aves"), wordList({"birds"})}});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("aves")).value(0), QStringLiteral("birds"));
    }

    void leadsAPhraseWithItsWordForWordRendering()
    {
        // FreeDict spa-eng "tres veces: three times, thrice", "tres: three";
        // eng-spa "thrice: tresveces", "three [θriːtaimz]: tresveces",
        // "three: tres" (settled to "three times: tres veces"). Apertium
        // "thrice<adv>" <-> "tres veces<adv>", "vez<n><f>" -> "time<n>":
        // "thrice" has four sources, "three times" two.
        const SenseRows englishSpanish{{QStringLiteral("three times"), wordList({"tres veces"})},
                                       {QStringLiteral("thrice"), wordList({"tres veces"})},
                                       {QStringLiteral("three"), wordList({"tres"})}};
        const SenseRows spanishEnglish{{QStringLiteral("tres veces"), wordList({"three times", "thrice"})},
                                       {QStringLiteral("tres"), wordList({"three"})}};
        const auto merge = [&](bool knowsVez) {
            QVector<LexiconEntry> spanishEnglishLexicon =
                entries({{"tres veces<adv>", "thrice<adv>"}, {"tres<num><mf>", "three<num>"}});
            if (knowsVez)
                spanishEnglishLexicon += entries({{"vez<n><f>", "time<n>"}});
            return mergeSpanishLexicon(
                wordList({"three times", "thrice", "three"}), englishSpanish, spanishEnglish,
                entries({{"thrice<adv>", "tres veces<adv>"}, {"three<num>", "tres<num><mf>"}}), spanishEnglishLexicon);
        };
        QCOMPARE(row(merge(true).spanishEnglish, QStringLiteral("tres veces")), wordList({"three times", "thrice"}));
        // Unless each word is confirmed as a translation, the sources rank.
        QCOMPARE(row(merge(false).spanishEnglish, QStringLiteral("tres veces")).value(0), QStringLiteral("thrice"));
    }

    void letsThePivotChooseAtTheCapOfAnUnchangedRow()
    {
        // FreeDict spa-eng "reprimir: 1. bridle, check, restrain 2. control,
        // govern, rule"; eng-spa "bridle: contener, reprimir", "check: 1.
        // contener, reprimir 2. controlar, registrar, revisar", "restrain: 1.
        // contener, reprimir 2. capitanear, subyugar". Apertium
        // "repress<vblex>" <-> "reprimir<vblex>", "stifle<vblex>" ->
        // "sofocar", "reprimir" and back. spa-deu "reprimir: unterdrücken",
        // which links "restrain". No learner's row changes "reprimir".
        const SenseRows englishSpanish{{QStringLiteral("bridle"), wordList({"contener", "reprimir"})},
                                       {QStringLiteral("check"), wordList({"contener", "reprimir", "controlar"})},
                                       {QStringLiteral("restrain"), wordList({"contener", "reprimir", "subyugar"})}};
        const SenseRows spanishEnglish{
            {QStringLiteral("reprimir"), wordList({"bridle", "check", "restrain", "control", "govern", "rule"})}};
        const auto links = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("reprimir") && english == QLatin1String("restrain") ? 1 : 0;
        };
        const SpanishCore core = mergeSpanishLexicon(
            {}, englishSpanish, spanishEnglish,
            entries({{"repress<vblex>", "reprimir<vblex>"}, {"stifle<vblex>", "sofocar<vblex>"},
                     {"stifle<vblex>", "reprimir<vblex>"}}),
            entries({{"reprimir<vblex>", "repress<vblex>"}, {"reprimir<vblex>", "stifle<vblex>"}}), links);
        // "restrain" takes the place FreeDict's order gave "check"; the later
        // steps of the import order the words of one sense.
        const QStringList reprimir = row(core.spanishEnglish, QStringLiteral("reprimir"));
        QCOMPARE(reprimir.mid(0, 2), wordList({"repress", "stifle"}));
        QVERIFY(reprimir.contains(QStringLiteral("restrain")));
        QVERIFY(!reprimir.contains(QStringLiteral("check")));
    }

    void takesApertiumsWordForASpanishWordTheGermanPivotConfirms()
    {
        // Apertium eng-spa "penknife<n> navaja<n><f>", "razor<n>
        // navaja<n><f>"; spa-eng "navaja<n><f> razor<n>". spa-deu "navaja: Taschenmesser";
        // trans-de-en "Taschenmesser {n} :: penknife; pocketknife". Only
        // "razor" is a learner's word; FreeDict lacks "navaja".
        const QVector<LexiconEntry> forward =
            entries({{"penknife<n>", "navaja<n><f>"}, {"razor<n>", "navaja<n><f>"}});
        const QVector<LexiconEntry> backward = entries({{"navaja<n><f>", "razor<n>"}});
        const auto linked = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("navaja") && english == QLatin1String("penknife") ? 1 : 0;
        };
        SpanishCore core = mergeSpanishLexicon({QStringLiteral("razor")}, {}, {}, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("navaja")), QStringList{QStringLiteral("razor")});
        core = mergeSpanishLexicon({QStringLiteral("razor")}, {}, {}, forward, backward, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("navaja")),
                 (QStringList{QStringLiteral("razor"), QStringLiteral("penknife")}));
    }

    void putsTheWordThePivotAndApertiumAgreeOnFirst()
    {
        // Apertium eng-spa "mediate<vblex> mediar<vblex>", "take# part<vblex>
        // mediar<vblex>"; spa-eng "mediar<vblex> mediate<vblex>", "mediar<vblex>
        // take# part<vblex>". spa-deu "mediar: vermitteln"; trans-de-en
        // "vermitteln; als Vermittler fungieren {vi} :: to mediate; ...". Only "take part" is a learner's word, so
        // it reaches the row first; the pivot and Apertium's order put
        // "mediate" before it. Without a link, the row stays as it came.
        const QVector<LexiconEntry> forward =
            entries({{"mediate<vblex>", "mediar<vblex>"}, {"take part<vblex>", "mediar<vblex>"}});
        const QVector<LexiconEntry> backward =
            entries({{"mediar<vblex>", "mediate<vblex>"}, {"mediar<vblex>", "take part<vblex>"}});
        const auto linked = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("mediar") && english == QLatin1String("mediate") ? 1 : 0;
        };
        SpanishCore core = mergeSpanishLexicon({QStringLiteral("take part")}, {}, {}, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("mediar")),
                 (QStringList{QStringLiteral("take part"), QStringLiteral("mediate")}));
        core = mergeSpanishLexicon({QStringLiteral("take part")}, {}, {}, forward, backward, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("mediar")),
                 (QStringList{QStringLiteral("mediate"), QStringLiteral("take part")}));
        // Apertium listing the linked word after the first leaves the order.
        const QVector<LexiconEntry> reversed =
            entries({{"mediar<vblex>", "take part<vblex>"}, {"mediar<vblex>", "mediate<vblex>"}});
        core = mergeSpanishLexicon({QStringLiteral("take part")}, {}, {}, forward, reversed, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("mediar")),
                 (QStringList{QStringLiteral("take part"), QStringLiteral("mediate")}));
    }

    void findsApertiumsAmericanSpellingOfABritishWord()
    {
        // eng-spa "instalment: anualidad"; Apertium has "installment<n>
        // plazo<n><m>" under the American spelling only.
        const QVector<LexiconEntry> forward = entries({{"installment<n>", "plazo<n><m>"}});
        const QVector<LexiconEntry> backward = entries({{"plazo<n><m>", "installment<n>"}});
        const SenseRows englishSpanish{{QStringLiteral("instalment"), {QStringLiteral("anualidad")}}};
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("instalment")}, englishSpanish, {}, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("instalment")).value(0), QStringLiteral("plazo"));
    }

    void putsTheLinkedOfEquallySourcedSensesFirst()
    {
        // spa-eng "arena: 1. arena 2. sand"; eng-spa "arena: arena, redondel",
        // "sand: arena"; Apertium "arena<n> arena<n><m>", "sand<n>
        // arena<n><f>" and back. spa-deu "arena: Sand"; trans-de-en
        // "Sand {m} :: sand". All four sources give both words, so only
        // FreeDict's order of senses put "arena" first; the pivot decides.
        const QVector<LexiconEntry> forward = entries({{"arena<n>", "arena<n><m>"}, {"sand<n>", "arena<n><f>"}});
        const QVector<LexiconEntry> backward = entries({{"arena<n><m>", "arena<n>"}, {"arena<n><f>", "sand<n>"}});
        const SenseRows englishSpanish{{QStringLiteral("arena"), {QStringLiteral("arena"), QStringLiteral("redondel")}},
                                       {QStringLiteral("sand"), {QStringLiteral("arena")}}};
        const SenseRows spanishEnglish{{QStringLiteral("arena"), {QStringLiteral("arena"), QStringLiteral("sand")}}};
        const QStringList learners{QStringLiteral("arena"), QStringLiteral("sand")};
        const auto linked = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("arena") && english == QLatin1String("sand") ? 1 : 0;
        };
        SpanishCore core = mergeSpanishLexicon(learners, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("arena")),
                 (QStringList{QStringLiteral("arena"), QStringLiteral("sand")}));
        core = mergeSpanishLexicon(learners, englishSpanish, spanishEnglish, forward, backward, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("arena")),
                 (QStringList{QStringLiteral("sand"), QStringLiteral("arena")}));
        // A linked word fewer sources give stays after the first.
        const SenseRows arenaOnly{{QStringLiteral("arena"), {QStringLiteral("arena")}}};
        core = mergeSpanishLexicon(learners, englishSpanish, arenaOnly, forward, backward, linked);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("arena")),
                 (QStringList{QStringLiteral("arena"), QStringLiteral("sand")}));
    }

    void countsFreedictWordsWithWrongAccentsForTheRightSpelling()
    {
        // FreeDict: eng-spa "owl /aul/: buho", "sty /stai/: cuadra,
        // establo", "prawn /prɔːn/: gámba"; spa-eng "buho: owl", "gámba:
        // prawn". Apertium pairs "búho" with "sty" as well as "owl".
        const SenseRows englishSpanish{
            {QStringLiteral("owl"), {QStringLiteral("buho")}},
            {QStringLiteral("sty"), {QStringLiteral("cuadra"), QStringLiteral("establo")}},
            {QStringLiteral("prawn"), {QStringLiteral("gámba")}}};
        const SenseRows spanishEnglish{{QStringLiteral("buho"), {QStringLiteral("owl")}},
                                       {QStringLiteral("gámba"), {QStringLiteral("prawn")}}};
        const QVector<LexiconEntry> forward = entries({{"sty<n>", "búho<n><m>"},
                                                       {"owl<n>", "búho<n><m>"},
                                                       {"prawn<n>", "langostino<n><m>"},
                                                       {"shrimp<n>", "gamba<n><f>"}});
        const QVector<LexiconEntry> backward = entries({{"búho<n><m>", "sty<n>"}});
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("owl"), QStringLiteral("sty"), QStringLiteral("prawn")}, englishSpanish,
                                spanishEnglish, forward, backward);
        // Both FreeDict directions give "owl" for "búho": it outranks sty.
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("búho")),
                 (QStringList{QStringLiteral("owl"), QStringLiteral("sty")}));
        // Both FreeDict directions give "gámba": it stays as "gamba", after
        // "langostino", Apertium's only translation of "prawn".
        QCOMPARE(row(core.englishSpanish, QStringLiteral("prawn")),
                 (QStringList{QStringLiteral("langostino"), QStringLiteral("gamba")}));
    }

    void keepsAnUnaccentedWordTheWordListHoldsApartFromApertiumsAccentedOne()
    {
        // FreeDict: eng-spa "where /wɛər/: donde", "loss /lɔs/: perdida";
        // spa-eng "donde: where", "perdida: loss". Apertium has the
        // interrogative "where<adv> dónde<adv>" both ways, "loss<n>
        // pérdida<n><f>" and "pérdida<n><f> loss<n>". The Spanish word list
        // holds "donde", "perdida" and "pérdida", not "dónde".
        const SenseRows englishSpanish{{QStringLiteral("where"), {QStringLiteral("donde")}},
                                       {QStringLiteral("loss"), {QStringLiteral("perdida")}}};
        const SenseRows spanishEnglish{{QStringLiteral("donde"), {QStringLiteral("where")}},
                                       {QStringLiteral("perdida"), {QStringLiteral("loss")}}};
        const QVector<LexiconEntry> forward =
            entries({{"where<adv>", "dónde<adv>"}, {"whither<adv>", "adónde<adv>"}, {"where<adv>", "adónde<adv>"},
                     {"loss<n>", "pérdida<n><f>"}});
        const QVector<LexiconEntry> backward =
            entries({{"dónde<adv>", "where<adv>"}, {"adónde<adv>", "where<adv>"}, {"pérdida<n><f>", "loss<n>"}});
        const QSet<QString> wordList{QStringLiteral("donde"), QStringLiteral("adonde"), QStringLiteral("perdida"),
                                     QStringLiteral("pérdida")};
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("where"), QStringLiteral("loss")}, englishSpanish,
                                                     spanishEnglish, forward, backward, {}, {}, {}, {}, wordList);
        // The relative "donde" is a word of its own beside the interrogative.
        const QStringList where = row(core.englishSpanish, QStringLiteral("where"));
        QVERIFY2(where.contains(QStringLiteral("donde")) && where.contains(QStringLiteral("dónde")),
                 qPrintable(where.join(QStringLiteral(", "))));
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("donde")), QStringList{QStringLiteral("where")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("dónde")), QStringList{QStringLiteral("where")});
        // The list holds both "perdida" and "pérdida": FreeDict's is a typo.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("loss")), QStringList{QStringLiteral("pérdida")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("perdida")), QStringList{QStringLiteral("(no row)")});
    }

    void settlesGluedItemsAndCutSenses()
    {
        // eng-spa "attempt" and "endeavour" give "esforzarsepor", an unsure
        // split unknown to Apertium; spa-eng "censurable: blameworthy,
        // censurable, condemnable, objectionable" had "condemnable" split
        // into "condemn able", a word of Apertium.
        SenseRows englishSpanish{
            {QStringLiteral("attempt"), {QStringLiteral("esforzarsepor"), QStringLiteral("intentar")}},
            {QStringLiteral("endeavour"), {QStringLiteral("esforzarsepor")}}};
        GluedItems glued;
        glued.unsure = {QStringLiteral("esforzarsepor")};
        QStringList details;
        SettledRows settled = settleGlued(englishSpanish, glued, {QStringLiteral("intentar")},
                                          QStringLiteral("eng-spa"), details);
        QCOMPARE(englishSpanish.size(), 1);  // nothing good is left of "endeavour"
        QCOMPARE(row(englishSpanish, QStringLiteral("attempt")), QStringList{QStringLiteral("intentar")});
        QCOMPARE(settled.dropped, 2);

        SenseRows spanishEnglish{{QStringLiteral("censurable"), {QStringLiteral("condemn able")}}};
        GluedItems english;
        english.splits.insert(QStringLiteral("condemn able"), QStringLiteral("condemnable"));
        settled = settleGlued(spanishEnglish, english, {QStringLiteral("condemnable")}, QStringLiteral("spa-eng"), details);
        QCOMPARE(row(spanishEnglish, QStringLiteral("censurable")), QStringList{QStringLiteral("condemnable")});
        QCOMPARE(settled.keptWhole, 1);

        // eng-spa "she /ʃˈiː/: osa, loba" (she-bear, she-wolf) and "sleeping
        // /slˈiːpɪŋ/: cama": senses of cut compounds; Apertium pairs "she"
        // with "ella" only.
        SenseRows cut{{QStringLiteral("she"), {QStringLiteral("osa"), QStringLiteral("loba"), QStringLiteral("ella")}},
                      {QStringLiteral("sleeping"), {QStringLiteral("cama")}}};
        const QSet<std::pair<QString, QString>> unconfirmed{{QStringLiteral("she"), QStringLiteral("osa")},
                                                            {QStringLiteral("she"), QStringLiteral("loba")},
                                                            {QStringLiteral("sleeping"), QStringLiteral("cama")}};
        QCOMPARE(dropUnconfirmed(cut, unconfirmed, {{QStringLiteral("she"), QStringLiteral("ella")}}, details), 3);
        QCOMPARE(cut.size(), 1);
        QCOMPARE(row(cut, QStringLiteral("she")), QStringList{QStringLiteral("ella")});
    }

    void keepsWordsThatEngSpaAndTransDeEnWriteWhole()
    {
        // spa-eng "retaguardia: 1. rear, rearguard 2. defence" beside
        // eng-spa "rearguard: retaguardia"; trans-de-en writes the word
        // whole ("Nachhut {f} :: rearguard"), and its "rear-guard battle"
        // would attest the split. spa-eng "timbre de alarma: alarmbell"
        // beside eng-spa "alarmbell: timbredealarma" (its blanks put back)
        // is glued: trans-de-en never writes it so. Nor is spa-eng
        // "descargar: 1. writeoff 2. abreact 3. unload" a word, although
        // trans-de-en writes "write-off; writeoff": eng-spa lacks it.
        const QByteArray trans =
            "Nachhut {f} :: rearguard\n"
            "Rückzugsgefecht {n} [mil.] | Rückzugsgefechte {pl} | nur noch ein Rückzugsgefecht liefern [übtr.] :: "
            "rear-guard battle | rear-guard battles | to be fighting a rear-guard action\n"
            "(steuerliche) Abschreibung {f} :: non-scheduled depreciation; write-off; writeoff\n";
        const QVector<DictdEntry> spanishEnglish{
            entryOf(QStringLiteral("retaguardia"),
                    {QStringLiteral("rear"), QStringLiteral("rearguard"), QStringLiteral("defence")}),
            entryOf(QStringLiteral("timbre de alarma"), {QStringLiteral("alarmbell")}),
            entryOf(QStringLiteral("descargar"),
                    {QStringLiteral("writeoff"), QStringLiteral("abreact"), QStringLiteral("unload")})};
        const QVector<DictdEntry> englishSpanish{
            entryOf(QStringLiteral("rearguard"), {QStringLiteral("retaguardia")}),
            entryOf(QStringLiteral("alarmbell"), {QStringLiteral("timbre de alarma")}),
            entryOf(QStringLiteral("unload"), {QStringLiteral("descargar")})};
        GluedItems glued;
        for (const char *item : {"rearguard", "alarmbell", "writeoff"}) {
            glued.unsure.insert(QLatin1String(item));
            glued.unattested.insert(QLatin1String(item), {});
        }
        const QStringList whole = keepWordsPairedBackWhole(
            glued, spanishEnglish, englishSpanish,
            [&](const QSet<QString> &words) { return englishWordsInTrans(trans, words); });
        QCOMPARE(whole, QStringList{QStringLiteral("rearguard")});
        QVERIFY(!glued.unattested.contains(QStringLiteral("rearguard")));
        QVERIFY(!glued.unsure.contains(QStringLiteral("rearguard")));
        QCOMPARE(glued.unattested.size(), 2);
        QCOMPARE(glued.unsure.size(), 2);
    }

    void splitsWholeWordsIntoApertiumsPhrases()
    {
        // eng-spa "percent: porciento", "percentage: porciento": the word
        // list lacks the word, Apertium has the phrase "por ciento"; a word
        // Apertium holds itself stays as it is.
        SenseRows englishSpanish{
            {QStringLiteral("percent"), {QStringLiteral("porciento"), QStringLiteral("por ciento")}},
            {QStringLiteral("percentage"), {QStringLiteral("porcentaje"), QStringLiteral("porciento")}},
            {QStringLiteral("all"), {QStringLiteral("todos")}}};
        GluedItems glued;
        glued.wholeCuts.insert(QStringLiteral("porciento"), {QStringLiteral("por ciento")});
        glued.wholeCuts.insert(QStringLiteral("todos"), {QStringLiteral("to dos")});
        QStringList details;
        const QSet<QString> apertium{QStringLiteral("por ciento"), QStringLiteral("to dos"), QStringLiteral("todos")};
        const SettledRows settled = settleGlued(englishSpanish, glued, apertium, QStringLiteral("eng-spa"), details);
        QCOMPARE(row(englishSpanish, QStringLiteral("percent")), QStringList{QStringLiteral("por ciento")});
        QCOMPARE(row(englishSpanish, QStringLiteral("percentage")),
                 (QStringList{QStringLiteral("porcentaje"), QStringLiteral("por ciento")}));
        QCOMPARE(row(englishSpanish, QStringLiteral("all")), QStringList{QStringLiteral("todos")});
        QCOMPARE(settled.split, 2);
    }

    void mendsPhrasesCutAfterAContraction()
    {
        // spa-eng "corresponder al /kˌorespondˈeɾ ˈal/: 1. answer, answer
        // to, comeupto 2. correspondto": the noun after "al" was cut away.
        // eng-spa has the phrase as an item of "answer" ("corresponderal").
        SenseRows spanishEnglish{
            {QStringLiteral("corresponder al"), {QStringLiteral("answer"), QStringLiteral("answer to")}},
            {QStringLiteral("al principio"), {QStringLiteral("at first")}},
            {QStringLiteral("acerca del"), {QStringLiteral("about")}},
            {QStringLiteral("acerca de"), {QStringLiteral("about"), QStringLiteral("concerning")}},
            {QStringLiteral("al"), {QStringLiteral("to the")}}};
        QStringList details;
        QCOMPARE(mendCutArticles(spanishEnglish, false, details), 2);
        QCOMPARE(row(spanishEnglish, QStringLiteral("corresponder a")),
                 (QStringList{QStringLiteral("answer"), QStringLiteral("answer to")}));
        QCOMPARE(row(spanishEnglish, QStringLiteral("corresponder al")), QStringList{QStringLiteral("(no row)")});
        // A mended headword and the row it now shares become one row.
        QCOMPARE(spanishEnglish.size(), 4);
        QCOMPARE(spanishEnglish.at(2).first, QStringLiteral("acerca de"));
        QCOMPARE(row(spanishEnglish, QStringLiteral("acerca de")),
                 (QStringList{QStringLiteral("about"), QStringLiteral("concerning")}));
        // "al" opening a phrase, or standing alone, is no cut.
        QCOMPARE(row(spanishEnglish, QStringLiteral("al principio")), QStringList{QStringLiteral("at first")});
        QCOMPARE(row(spanishEnglish, QStringLiteral("al")), QStringList{QStringLiteral("to the")});

        SenseRows englishSpanish{
            {QStringLiteral("answer"), {QStringLiteral("respuesta"), QStringLiteral("corresponder al"),
                                        QStringLiteral("corresponder a")}}};
        QCOMPARE(mendCutArticles(englishSpanish, true, details), 1);
        QCOMPARE(row(englishSpanish, QStringLiteral("answer")),
                 (QStringList{QStringLiteral("respuesta"), QStringLiteral("corresponder a")}));
    }

    void leavesOutLoanwordsWrittenApart()
    {
        // spa-eng "pic nic /pˈik nˈik/: picnic" beside Apertium's "picnic";
        // "de prisa" (beside "deprisa") and "por ciento" are phrases in their
        // own right.
        SenseRows rows{{QStringLiteral("pic nic"), {QStringLiteral("picnic")}},
                       {QStringLiteral("picnic"), {QStringLiteral("picnic")}},
                       {QStringLiteral("de prisa"), {QStringLiteral("fast"), QStringLiteral("quickly")}},
                       {QStringLiteral("deprisa"), {QStringLiteral("quickly")}},
                       {QStringLiteral("por ciento"), {QStringLiteral("percent")}}};
        QStringList details;
        QCOMPARE(dropWordsWrittenApart(rows, details), 1);
        QCOMPARE(row(rows, QStringLiteral("pic nic")), QStringList{QStringLiteral("(no row)")});
        QCOMPARE(rows.size(), 4);
    }

    void putsTheCompoundBeforeItsOfPhrase()
    {
        // spa-eng "aceite de oliva: oil of olives, olive‐oil" (U+2010) and
        // "cordillera: 1. mountain range 2. chain of mountains, mountain
        // chain"; "punto de vista: point of view, viewpoint" keeps its order,
        // a closed compound being no open form of the phrase.
        SenseRows rows{
            {QStringLiteral("aceite de oliva"), {QStringLiteral("oil of olives"), QStringLiteral(u"olive\u2010oil")}},
            {QStringLiteral("cordillera"),
             {QStringLiteral("mountain range"), QStringLiteral("chain of mountains"), QStringLiteral("mountain chain"),
              QStringLiteral("rand")}},
            {QStringLiteral("punto de vista"), {QStringLiteral("point of view"), QStringLiteral("viewpoint")}}};
        QStringList details;
        QCOMPARE(putCompoundsBeforeOfPhrases(rows, details), 2);
        QCOMPARE(row(rows, QStringLiteral("aceite de oliva")),
                 (QStringList{QStringLiteral(u"olive\u2010oil"), QStringLiteral("oil of olives")}));
        QCOMPARE(row(rows, QStringLiteral("cordillera")),
                 (QStringList{QStringLiteral("mountain range"), QStringLiteral("mountain chain"),
                              QStringLiteral("chain of mountains"), QStringLiteral("rand")}));
        QCOMPARE(row(rows, QStringLiteral("punto de vista")),
                 (QStringList{QStringLiteral("point of view"), QStringLiteral("viewpoint")}));
    }

    void cutsAGluedDeOutOfPhraseHeadwords()
    {
        // spa-eng "libritode memoria /lˌiβɾitˈoðe memˈoɾja/: notebook".
        // "puede ser" and "verde claro" hold words that end in "de" but are
        // known; "libritode" alone is no phrase, and a phrase's last word is
        // left alone.
        const QSet<QString> spelling{QStringLiteral("memoria"), QStringLiteral("verde"), QStringLiteral("claro"),
                                     QStringLiteral("ser")};
        const auto known = [](const QString &word) { return word == QLatin1String("puede"); };
        SenseRows rows{{QStringLiteral("libritode memoria"), {QStringLiteral("notebook")}},
                       {QStringLiteral("puede ser"), {QStringLiteral("maybe")}},
                       {QStringLiteral("verde claro"), {QStringLiteral("light green")}},
                       {QStringLiteral("libritode"), {QStringLiteral("booklet")}},
                       {QStringLiteral("hoja albarde"), {QStringLiteral("leaf")}},
                       {QStringLiteral("librito de memoria"), {QStringLiteral("memo book")}}};
        QStringList details;
        QCOMPARE(splitGluedDeInHeadwords(rows, spelling, known, details), 1);
        // The cut headword joins the row it now shares.
        QCOMPARE(row(rows, QStringLiteral("librito de memoria")),
                 (QStringList{QStringLiteral("notebook"), QStringLiteral("memo book")}));
        QCOMPARE(row(rows, QStringLiteral("libritode memoria")), QStringList{QStringLiteral("(no row)")});
        QCOMPARE(rows.size(), 5);
        QCOMPARE(row(rows, QStringLiteral("libritode")), QStringList{QStringLiteral("booklet")});
        QCOMPARE(row(rows, QStringLiteral("hoja albarde")), QStringList{QStringLiteral("leaf")});
        // Without a word list nothing is cut.
        SenseRows unlisted{{QStringLiteral("libritode memoria"), {QStringLiteral("notebook")}}};
        QCOMPARE(splitGluedDeInHeadwords(unlisted, {}, known, details), 0);
    }

    void leavesOutMisspeltSpanishWords()
    {
        // The word list (lemmas only) and the words Apertium or the
        // frequency list know.
        const QSet<QString> spelling{QStringLiteral("brusco"), QStringLiteral("bronco"), QStringLiteral("conseguir"),
                                     QStringLiteral("domingo"), QStringLiteral("dependiente"), QStringLiteral("animar"),
                                     QStringLiteral("período"), QStringLiteral("ramos")};
        const QSet<QString> knownWords{QStringLiteral("brusco"), QStringLiteral("bronco"), QStringLiteral("conseguir"),
                                       QStringLiteral("domingo"), QStringLiteral("dependiente"),
                                       QStringLiteral("animar"), QStringLiteral("período")};
        const auto known = [&](const QString &word) { return knownWords.contains(word); };
        // A letter wrong, one letter from a known word.
        QVERIFY(isMisspeltSpanish(QStringLiteral("brusko"), spelling, known, true));
        QVERIFY(isMisspeltSpanish(QStringLiteral("consequir"), spelling, known, true));
        // Sound words the lemma list lacks: an accent variant, a
        // participle, a plural, a proper name, the other gender of a noun.
        QVERIFY(!isMisspeltSpanish(QStringLiteral("periodo"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("animado"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("broncos"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("Brusko"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("dependienta"), spelling, known, true));
        // One letter from a word nobody but the word list knows: "ramos"
        // is not proof enough against "rumos".
        QVERIFY(!isMisspeltSpanish(QStringLiteral("rumos"), spelling, known, true));
        // A long word one slip from a long listed word needs no other
        // source: spa-eng "atropallamiento: collision"; the list has
        // "atropellamiento", which nothing else knows.
        const QSet<QString> longWords{QStringLiteral("atropellamiento"), QStringLiteral("atropellar")};
        QVERIFY(isMisspeltSpanish(QStringLiteral("atropallamiento"), longWords, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("atropallar"), longWords, known, true));

        // eng-spa "gruff: brusko, bronco", "Palm Sunday: dominga de Ramos";
        // spa-eng "brusko: brutal, gruff, harsh, rough".
        SenseRows englishSpanish{
            {QStringLiteral("gruff"), {QStringLiteral("brusko"), QStringLiteral("bronco")}},
            {QStringLiteral("Palm Sunday"), {QStringLiteral("dominga de Ramos")}},
            {QStringLiteral("saleswoman"), {QStringLiteral("dependienta")}}};
        QStringList details;
        QCOMPARE(dropMisspeltSpanish(englishSpanish, true, spelling, known, details), 2);
        QCOMPARE(englishSpanish.size(), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("gruff")), QStringList{QStringLiteral("bronco")});
        QCOMPARE(row(englishSpanish, QStringLiteral("saleswoman")), QStringList{QStringLiteral("dependienta")});
        SenseRows spanishEnglish{
            {QStringLiteral("brusko"), {QStringLiteral("brutal"), QStringLiteral("gruff"), QStringLiteral("harsh")}},
            {QStringLiteral("bronco"), {QStringLiteral("rough")}}};
        QCOMPARE(dropMisspeltSpanish(spanishEnglish, false, spelling, known, details), 1);
        QCOMPARE(spanishEnglish.size(), 1);
        QCOMPARE(spanishEnglish.first().first, QStringLiteral("bronco"));
    }

    void writesHeadwordsWithoutAWrongAccent()
    {
        // spa-eng "incluído /ˌinkluˈiðo/ including, inclusively"; eng-spa
        // "cover ... 3. tápa" and "attempt ... 4. carné, carnet" turned
        // round. Apertium knows "incluido", the word list "tapa" and
        // "carne"; "período" and "qué" are sound as they stand.
        const QSet<QString> spelling{QStringLiteral("tapa"), QStringLiteral("carne"), QStringLiteral("período"),
                                     QStringLiteral("periodo")};
        const QSet<QString> knownWords{QStringLiteral("incluido"), QStringLiteral("qué"), QStringLiteral("que")};
        const auto known = [&](const QString &word) { return knownWords.contains(word); };
        SenseRows rows{{QStringLiteral("incluído"), {QStringLiteral("including"), QStringLiteral("inclusively")}},
                       {QStringLiteral("tápa"), {QStringLiteral("cover")}},
                       {QStringLiteral("carné"), {QStringLiteral("attempt")}},
                       {QStringLiteral("carne"), {QStringLiteral("flesh")}},
                       {QStringLiteral("período"), {QStringLiteral("period")}},
                       {QStringLiteral("qué"), {QStringLiteral("what")}},
                       {QStringLiteral("Tápa"), {QStringLiteral("Tapa")}}};
        SenseRows englishSpanish{{QStringLiteral("lid"), {QStringLiteral("párpado"), QStringLiteral("tápa")}},
                                 {QStringLiteral("cover"), {QStringLiteral("tápa"), QStringLiteral("tapa")}},
                                 {QStringLiteral("attempt"), {QStringLiteral("carné"), QStringLiteral("carnet")}}};
        QStringList details;
        QCOMPARE(respellWrongAccents(rows, englishSpanish, spelling, known, details), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("lid")),
                 (QStringList{QStringLiteral("párpado"), QStringLiteral("tapa")}));
        QCOMPARE(row(englishSpanish, QStringLiteral("cover")), QStringList{QStringLiteral("tapa")});
        QCOMPARE(row(englishSpanish, QStringLiteral("attempt")),
                 (QStringList{QStringLiteral("carné"), QStringLiteral("carnet")}));
        QStringList headwords;
        for (const auto &row : std::as_const(rows))
            headwords.append(row.first);
        // "carné" keeps its accent: "carne" is a row of another word.
        QCOMPARE(headwords, (QStringList{QStringLiteral("incluido"), QStringLiteral("tapa"), QStringLiteral("carné"),
                                         QStringLiteral("carne"), QStringLiteral("período"), QStringLiteral("qué"),
                                         QStringLiteral("Tápa")}));
        QCOMPARE(row(rows, QStringLiteral("incluido")),
                 (QStringList{QStringLiteral("including"), QStringLiteral("inclusively")}));
    }

    void leavesOutEnglishWordsNoSourceKnows()
    {
        // spa-eng "al día: aday", "mecanógrafa: stenotypist,
        // femalestenotypist", "asma: asthma, shortness of breath,
        // wheeziness", "obrera: female laborer, femal labourer,
        // femalworker"; the word list lacks "stenotypist" and "wheeziness",
        // which other sources hold.
        SenseRows rows{{QStringLiteral("al día"), {QStringLiteral("aday")}},
                       {QStringLiteral("mecanógrafa"), {QStringLiteral("stenotypist"), QStringLiteral("femalestenotypist")}},
                       {QStringLiteral("asma"),
                        {QStringLiteral("asthma"), QStringLiteral("shortness of breath"), QStringLiteral("wheeziness")}},
                       {QStringLiteral("bárbaro"), {QStringLiteral("Goth")}},
                       {QStringLiteral("obrera"),
                        {QStringLiteral("female laborer"), QStringLiteral("femal labourer"), QStringLiteral("femalworker")}}};
        const SenseRows before = rows;
        const QSet<QString> spelling{QStringLiteral("asthma"),   QStringLiteral("day"),     QStringLiteral("shortness"),
                                     QStringLiteral("of"),       QStringLiteral("breath"),  QStringLiteral("female"),
                                     QStringLiteral("laborer"), QStringLiteral("labourer")};
        const auto known = [](const QString &word) {
            return word == QLatin1String("stenotypist") || word == QLatin1String("wheeziness");
        };
        QStringList details;
        QCOMPARE(dropUnknownEnglishWords(rows, {}, known, details), 0);
        QCOMPARE(rows, before);  // no word list: nothing to tell by
        QCOMPARE(dropUnknownEnglishWords(rows, spelling, known, details), 4);
        // The row left without items goes; a phrase of a misspelt word goes,
        // sound phrases and names stay.
        const SenseRows after{{QStringLiteral("mecanógrafa"), {QStringLiteral("stenotypist")}},
                              before.at(2),
                              before.at(3),
                              {QStringLiteral("obrera"), {QStringLiteral("female laborer")}}};
        QCOMPARE(rows, after);
        QCOMPARE(details.size(), 4);
    }

    void leavesOutMisspeltCopiesOfHeadwords()
    {
        // eng-spa "female laborer: obrera", "femal labourer: obrera" (cut
        // headwords mended from their pronunciation), "straight: recto",
        // "straigh: seguido", "cafetaria: cafetería" and "coffee bar:
        // cafetería"; "crumble" stands for a word the list lacks that
        // another source knows.
        SenseRows rows{{QStringLiteral("female laborer"), {QStringLiteral("obrera")}},
                       {QStringLiteral("femal labourer"), {QStringLiteral("obrera")}},
                       {QStringLiteral("straight"), {QStringLiteral("recto")}},
                       {QStringLiteral("straigh"), {QStringLiteral("seguido")}},
                       {QStringLiteral("cafetaria"), {QStringLiteral("cafetería")}},
                       {QStringLiteral("coffee bar"), {QStringLiteral("cafetería")}},
                       {QStringLiteral("crumble"), {QStringLiteral("desmoronarse")}},
                       {QStringLiteral("crumbling"), {QStringLiteral("desmoronarse")}}};
        const SenseRows before = rows;
        const QSet<QString> spelling{QStringLiteral("female"), QStringLiteral("laborer"), QStringLiteral("labourer"),
                                     QStringLiteral("straight"), QStringLiteral("coffee"), QStringLiteral("bar"),
                                     QStringLiteral("crumbling")};
        const auto known = [](const QString &word) { return word == QLatin1String("crumble"); };
        QStringList details;
        QCOMPARE(dropMisspeltHeadwordRows(rows, spelling, known, details), 1);
        // "straigh" has no copy; "cafetaria" is one word, "coffee bar" two.
        QCOMPARE(rows.size(), before.size() - 1);
        QVERIFY(std::none_of(rows.begin(), rows.end(),
                             [](const auto &row) { return row.first == QLatin1String("femal labourer"); }));
        QCOMPARE(details.size(), 1);
    }

    void leavesOutSlipsOfListedHeadwords()
    {
        // eng-spa "attachement: afectuosidad" beside "attachment:
        // afectuosidad"; eng-fra has "attachement" as a headword and
        // trans-de-en writes "e-mail attachement", so only the word list,
        // the frequency list and Apertium are asked. "colour" stands for a
        // British spelling Apertium knows, "straigh: seguido" for a slip
        // whose twin ("straight: recto") lacks its word.
        SenseRows rows{{QStringLiteral("attachement"), {QStringLiteral("afectuosidad")}},
                       {QStringLiteral("attachment"),
                        {QStringLiteral("acoplamiento"), QStringLiteral("anexo"), QStringLiteral("afectuosidad")}},
                       {QStringLiteral("colour"), {QStringLiteral("color")}},
                       {QStringLiteral("color"), {QStringLiteral("color")}},
                       {QStringLiteral("straight"), {QStringLiteral("recto")}},
                       {QStringLiteral("straigh"), {QStringLiteral("seguido")}},
                       // "Sardina /sɑːdinə/: Cerdeña" beside "Sardinia
                       // /sɑːdiniə/: Cerdeña"; a capital alone is no slip.
                       {QStringLiteral("Sardina"), {QStringLiteral("Cerdeña")}},
                       {QStringLiteral("Sardinia"), {QStringLiteral("Cerdeña")}},
                       {QStringLiteral("Mole"), {QStringLiteral("muelle")}},
                       {QStringLiteral("mole"), {QStringLiteral("muelle")}}};
        const QSet<QString> spelling{QStringLiteral("attachment"), QStringLiteral("color"),
                                     QStringLiteral("straight"), QStringLiteral("sardinia"), QStringLiteral("mole")};
        const auto known = [](const QString &word) { return word == QLatin1String("colour"); };
        QStringList details;
        QCOMPARE(dropSlipsOfListedHeadwords(rows, spelling, known, QStringLiteral("eng-spa"), details), 2);
        QCOMPARE(rows.size(), 8);
        QVERIFY(std::none_of(rows.begin(), rows.end(), [](const auto &row) { return row.first == QLatin1String("Sardina"); }));
        QCOMPARE(rows.first().first, QStringLiteral("attachment"));
        QCOMPARE(details.size(), 2);

        // A headword of several words is a slip of one that differs from
        // it at that one place alone; eng-spa has none today, so the rows
        // are made from "attachement" above. "mail attachement" differs
        // from "email attachment" in two places and from "attachment" in
        // its number of words.
        SenseRows phrases{{QStringLiteral("email attachement"), {QStringLiteral("anexo")}},
                          {QStringLiteral("email attachment"), {QStringLiteral("anexo")}},
                          {QStringLiteral("mail attachement"), {QStringLiteral("anexo")}},
                          {QStringLiteral("attachment"), {QStringLiteral("anexo")}}};
        const QSet<QString> words{QStringLiteral("attachment"), QStringLiteral("email"), QStringLiteral("mail")};
        details.clear();
        QCOMPARE(dropSlipsOfListedHeadwords(phrases, words, known, QStringLiteral("eng-spa"), details), 1);
        QCOMPARE(details, QStringList{QStringLiteral(
                              "eng-spa: \"email attachement\" left out, a slip of a listed headword giving its words")});

        // spa-eng 8658-8661: "salsa de malzanas" and "salsa de manzanas",
        // both "apple-sauce". The Spanish list holds the lemma "manzana"
        // alone: the plural stands on the frequency list (`known`).
        SenseRows sauces{{QStringLiteral("salsa de malzanas"), {QStringLiteral("apple-sauce")}},
                         {QStringLiteral("salsa de manzanas"), {QStringLiteral("apple-sauce")}}};
        const QSet<QString> spanish{QStringLiteral("salsa"), QStringLiteral("de"), QStringLiteral("manzana")};
        const auto frequent = [](const QString &word) { return word == QLatin1String("manzanas"); };
        details.clear();
        QCOMPARE(dropSlipsOfListedHeadwords(sauces, spanish, frequent, QStringLiteral("spa-eng"), details), 1);
        QCOMPARE(sauces.first().first, QStringLiteral("salsa de manzanas"));
        QCOMPARE(details, QStringList{QStringLiteral(
                              "spa-eng: \"salsa de malzanas\" left out, a slip of a listed headword giving its words")});
    }

    void putsBackAMissingAccent()
    {
        // eng-spa "moist /mɔist/ humedo"; spa-eng "humedo /umˈeðo/ 1. damp,
        // humid, moist", "petroleo: paraffin‐oil, petroleum" beside
        // "petróleo: crude oil". The word list holds only "húmedo" and
        // "petróleo"; "termino" could be "término" or "terminó", and
        // Apertium knows "reunion" as it stands.
        const QSet<QString> spelling{QStringLiteral("húmedo"), QStringLiteral("petróleo"), QStringLiteral("término"),
                                     QStringLiteral("terminó"), QStringLiteral("reunión")};
        const auto known = [](const QString &word) { return word == QLatin1String("reunion"); };
        SenseRows rows{{QStringLiteral("humedo"), {QStringLiteral("damp"), QStringLiteral("humid"), QStringLiteral("moist")}},
                       {QStringLiteral("petroleo"), {QStringLiteral("paraffin-oil"), QStringLiteral("petroleum")}},
                       {QStringLiteral("petróleo"), {QStringLiteral("oil"), QStringLiteral("crude oil")}},
                       {QStringLiteral("termino"), {QStringLiteral("term")}}};
        SenseRows englishSpanish{{QStringLiteral("moist"), {QStringLiteral("humedo")}},
                                 {QStringLiteral("damp"), {QStringLiteral("húmedo"), QStringLiteral("humedo")}},
                                 {QStringLiteral("meeting"), {QStringLiteral("reunion")}},
                                 {QStringLiteral("term"), {QStringLiteral("termino")}}};
        QStringList details;
        QHash<QString, QString> restored;
        QCOMPARE(restoreMissingAccents(rows, englishSpanish, spelling, known, details, &restored), 2);
        QCOMPARE(restored.value(QStringLiteral("humedo")), QStringLiteral("húmedo"));
        QCOMPARE(row(englishSpanish, QStringLiteral("moist")), QStringList{QStringLiteral("húmedo")});
        QCOMPARE(row(englishSpanish, QStringLiteral("damp")), QStringList{QStringLiteral("húmedo")});
        QCOMPARE(row(englishSpanish, QStringLiteral("meeting")), QStringList{QStringLiteral("reunion")});
        QCOMPARE(row(englishSpanish, QStringLiteral("term")), QStringList{QStringLiteral("termino")});
        // The plain headword's row joins the accented one's, which comes later.
        QCOMPARE(rows.size(), 3);
        QCOMPARE(row(rows, QStringLiteral("húmedo")),
                 (QStringList{QStringLiteral("damp"), QStringLiteral("humid"), QStringLiteral("moist")}));
        QCOMPARE(row(rows, QStringLiteral("petróleo")),
                 (QStringList{QStringLiteral("oil"), QStringLiteral("crude oil"), QStringLiteral("paraffin-oil"),
                              QStringLiteral("petroleum")}));
        QCOMPARE(row(rows, QStringLiteral("termino")), QStringList{QStringLiteral("term")});
    }

    void leavesOutSpanishWordsALetterLongOrShort()
    {
        const QSet<QString> spelling{QStringLiteral("temblar"), QStringLiteral("cigarrillo"), QStringLiteral("carne"),
                                     QStringLiteral("capote"), QStringLiteral("petróleo"), QStringLiteral("petrolero")};
        const auto known = [&](const QString &word) { return spelling.contains(word); };
        // eng-spa "quiver: tremblar", spa-eng "cigarillo: cigarette":
        // a letter too many, a letter too few.
        QVERIFY(isMisspeltSpanish(QStringLiteral("tremblar"), spelling, known, true));
        QVERIFY(isMisspeltSpanish(QStringLiteral("cigarillo"), spelling, known, true));
        QVERIFY(isMisspeltSpanish(QStringLiteral("temlbar"), spelling, known, true));
        // spa-eng "carnet: notebook", eng-spa "bonnet: capot": loanwords a
        // letter from a word at their end; "petroleo: petroleum" is the
        // accent slip of "petróleo", not "petrolero" short of a letter.
        QVERIFY(!isMisspeltSpanish(QStringLiteral("carnet"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("capot"), spelling, known, true));
        QVERIFY(!isMisspeltSpanish(QStringLiteral("petroleo"), spelling, known, true));

        SenseRows englishSpanish{{QStringLiteral("quiver"), {QStringLiteral("temblar"), QStringLiteral("tremblar")}}};
        QStringList details;
        QCOMPARE(dropMisspeltSpanish(englishSpanish, true, spelling, known, details), 1);
        QCOMPARE(row(englishSpanish, QStringLiteral("quiver")), QStringList{QStringLiteral("temblar")});
    }

    void leavesOutTranslationsMisspellingAnotherOfTheRow()
    {
        // spa-eng "bizcocho: 1. bicuit 2. biscuit, cookie", "aluminio:
        // aluminium, aluminum": the American list lacks the British
        // spelling, which other sources know.
        const QSet<QString> english{QStringLiteral("biscuit"), QStringLiteral("cookie"), QStringLiteral("aluminum"),
                                    QStringLiteral("cart"), QStringLiteral("car")};
        const QSet<QString> britishSpellings{QStringLiteral("aluminium")};
        const auto britishKnown = [&](const QString &word) { return britishSpellings.contains(word); };
        SenseRows spanishEnglish{
            {QStringLiteral("bizcocho"), {QStringLiteral("bicuit"), QStringLiteral("biscuit"), QStringLiteral("cookie")}},
            {QStringLiteral("aluminio"), {QStringLiteral("aluminium"), QStringLiteral("aluminum")}},
            {QStringLiteral("carro"), {QStringLiteral("cart"), QStringLiteral("car")}}};
        QStringList details;
        QCOMPARE(dropMisspeltSiblings(spanishEnglish, english, false, britishKnown, QStringLiteral("spa-eng"), details),
                 1);
        QCOMPARE(row(spanishEnglish, QStringLiteral("bizcocho")),
                 (QStringList{QStringLiteral("biscuit"), QStringLiteral("cookie")}));
        QCOMPARE(row(spanishEnglish, QStringLiteral("aluminio")),
                 (QStringList{QStringLiteral("aluminium"), QStringLiteral("aluminum")}));

        // Apertium "torment" <-> "turmento", "tormento". A Spanish form the lemma
        // list lacks is no misspelling of its lemma, nor is the other
        // gender or an accent variant of a listed word.
        const QSet<QString> spanish{QStringLiteral("tormento"), QStringLiteral("amolar"), QStringLiteral("cocinero"),
                                    QStringLiteral("índico"), QStringLiteral("indio")};
        const auto nothingKnown = [](const QString &) { return false; };
        SenseRows englishSpanish{
            {QStringLiteral("torment"), {QStringLiteral("turmento"), QStringLiteral("tormento")}},
            {QStringLiteral("grind"), {QStringLiteral("amolar"), QStringLiteral("amolado")}},
            {QStringLiteral("cook"), {QStringLiteral("cocinero"), QStringLiteral("cocinera")}},
            {QStringLiteral("Indian"), {QStringLiteral("indio"), QStringLiteral("índico")}}};
        QCOMPARE(dropMisspeltSiblings(englishSpanish, spanish, true, nothingKnown, QStringLiteral("eng-spa"), details),
                 1);
        QCOMPARE(row(englishSpanish, QStringLiteral("torment")), QStringList{QStringLiteral("tormento")});
        QCOMPARE(row(englishSpanish, QStringLiteral("grind")).size(), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("cook")).size(), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("Indian")).size(), 2);
    }

    void restoresLackingDoubledConsonantsOfEnglishWords()
    {
        // spa-eng "adaptar: 1. accomodate 2. affiliate", "acontecimiento:
        // chance, event, occurence, opportunity", "hormiga: ant, emmet";
        // eng-spa "accomodate: 1. acomodar, adaptar 2. servir ...",
        // "occurence: acontecimiento", "haemorhoids: almorranas, hemorroides".
        const QSet<QString> english{QStringLiteral("accommodate"), QStringLiteral("occurrence"),
                                    QStringLiteral("haemorrhoids"), QStringLiteral("emmett"), QStringLiteral("ant"),
                                    QStringLiteral("affiliate"), QStringLiteral("chance"), QStringLiteral("event")};
        const auto nothingKnown = [](const QString &) { return false; };
        SenseRows spanishEnglish{
            {QStringLiteral("adaptar"), {QStringLiteral("accomodate"), QStringLiteral("affiliate")}},
            {QStringLiteral("acomodar"), {QStringLiteral("accommodate"), QStringLiteral("accomodate")}},
            {QStringLiteral("acontecimiento"), {QStringLiteral("chance"), QStringLiteral("event"), QStringLiteral("occurence")}},
            {QStringLiteral("hormiga"), {QStringLiteral("ant"), QStringLiteral("emmet")}}};
        QStringList details;
        QCOMPARE(restoreDoubledConsonants(spanishEnglish, false, english, nothingKnown, details), 3);
        QCOMPARE(row(spanishEnglish, QStringLiteral("adaptar")),
                 (QStringList{QStringLiteral("accommodate"), QStringLiteral("affiliate")}));
        // The respelt word is the row's own already: it is not written twice.
        QCOMPARE(row(spanishEnglish, QStringLiteral("acomodar")), QStringList{QStringLiteral("accommodate")});
        QCOMPARE(row(spanishEnglish, QStringLiteral("acontecimiento")).last(), QStringLiteral("occurrence"));
        // Doubling the last letter ("emmett") is no repair.
        QCOMPARE(row(spanishEnglish, QStringLiteral("hormiga")), (QStringList{QStringLiteral("ant"), QStringLiteral("emmet")}));

        // A misspelt headword joins the row of its right spelling, or takes
        // its place; a word another source knows is left alone.
        SenseRows englishSpanish{
            {QStringLiteral("accommodate"), {QStringLiteral("acomodar")}},
            {QStringLiteral("accomodate"), {QStringLiteral("acomodar"), QStringLiteral("adaptar")}},
            {QStringLiteral("haemorhoids"), {QStringLiteral("almorranas"), QStringLiteral("hemorroides")}},
            {QStringLiteral("occurence"), {QStringLiteral("acontecimiento")}}};
        const auto occurenceKnown = [](const QString &word) { return word == QLatin1String("occurence"); };
        QCOMPARE(restoreDoubledConsonants(englishSpanish, true, english, occurenceKnown, details), 2);
        QCOMPARE(englishSpanish.size(), 3);
        QCOMPARE(row(englishSpanish, QStringLiteral("accommodate")),
                 (QStringList{QStringLiteral("acomodar"), QStringLiteral("adaptar")}));
        QCOMPARE(row(englishSpanish, QStringLiteral("haemorrhoids")).size(), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("occurence")), QStringList{QStringLiteral("acontecimiento")});
    }

    void leavesOutSlipsOfEngFrasHeadwords()
    {
        // eng-fra's headword "cypres /saiprəz/" and spa-eng "ciprés: cypres",
        // beside Apertium's "ciprés" -> "cypress"; eng-fra's "mould" is a
        // British spelling trans-de-en has.
        const QByteArray trans =
            "Zypressengew\xc3\xa4" "chs {n} [bot.] :: member/plant of the cypress family\n"
            "Schimmel {m}; Moder {m} (im Haus und auf Nahrungsmitteln) | Brotschimmel {m} :: mould [Br.]; mold [Am.] | "
            "bread mould\n";
        SenseRows spanishEnglish{{QStringLiteral("ciprés"), {QStringLiteral("cypress"), QStringLiteral("cypres")}},
                                 {QStringLiteral("moho"), {QStringLiteral("mold"), QStringLiteral("mould")}}};
        const QSet<QString> headwords{QStringLiteral("cypres"), QStringLiteral("cypress"), QStringLiteral("mould")};
        const QSet<QString> english{QStringLiteral("cypress"), QStringLiteral("mold")};
        const auto unranked = [](const QString &) { return false; };
        const QSet<QString> lacking = englishHeadwordsTransLacks(spanishEnglish, headwords, english, unranked, trans);
        QCOMPARE(lacking, QSet<QString>{QStringLiteral("cypres")});
        QVERIFY(englishHeadwordsTransLacks(spanishEnglish, headwords, english, unranked, QByteArray()).isEmpty());
        const QSet<QString> vouching = headwords - lacking;
        QStringList details;
        dropMisspeltSiblings(spanishEnglish, english, false,
                             [&](const QString &word) { return vouching.contains(word); }, QStringLiteral("spa-eng"),
                             details);
        QCOMPARE(row(spanishEnglish, QStringLiteral("ciprés")), QStringList{QStringLiteral("cypress")});
        QCOMPARE(row(spanishEnglish, QStringLiteral("moho")),
                 (QStringList{QStringLiteral("mold"), QStringLiteral("mould")}));
    }

    void keepsRareEnglishWordsTransDeEnGivesOften()
    {
        // The five lines of trans-de-en that give "aerobatic" or "strecher":
        // the first on three lines, the slip of "stretcher" on two.
        const QByteArray trans =
            "Kunstflugstaffel {f} [aviat.] | Kunstflugstaffeln {pl} | Kunstflugstaffel der US-Marine :: aerobatic"
            " team; aerial demonstration team | aerobatic teams; aerial demonstration teams | Blue Angels; Navy F"
            "light Demonstration Squadron"
            "\n"
            "Pilot {m}; Luftfahrzeugführer {m} [adm.]; Flugkapitän {m}; Flieger {m} (in Zusammensetzungen) [aviat"
            ".] | Piloten {pl}; Luftfahrzeugführer {pl}; Flugkapitäne {pl}; Flieger {pl} | Agrarpilot {m}; Sprühf"
            "lugzeugpilot {m} | Berufspilot {m}; Berufsflugzeugführer {m} | Bruchpilot {m} [ugs.] | Düsenflugzeug"
            "pilot {m}; Düsenpilot {m} | Flugzeugpilot {m}; Flugzeugführer {m} |  Flugzeugpiloten {pl}; Flugzeugf"
            "ührer {pl} | Flugzeugüberführungspilot {m}; Überführungspilot {m} | Hubschrauberpilot {m}; Hubschrau"
            "berführer {m} |  Hubschrauberpiloten {pl}; Hubschrauberführer {pl} | Jagdflieger {m} [mil.] |  Jagdf"
            "lieger {pl} | Kampfflieger {m} [mil.] |  Kampfflieger {pl} | Kunstflugpilot {m}; Kunstflieger {m} | "
            "Militärluftfahrzeugführer {m}; Militärpilot {m} | Privatpilot {m}; Privatflugzeugführer {m} | Segelf"
            "lugzeugpilot {m}; Segelflieger {m} [ugs.] | Sportpilot {m}; Sportflieger {m} |  Sportpiloten {pl}; S"
            "portflieger {pl} | Testpilot {m}; Einflieger {m} | Verkehrsflugzeugführer {m}; Verkehrspilot {m}; Li"
            "nienpilot {m} :: aviator; aircraft pilot; pilot; aircraft captain; skipper [coll.] | aviators; aircr"
            "aft pilots; pilots; aircraft captains; skippers | cropduster pilot; agricultural pilot; ag pilot [co"
            "ll.] [rare] | professional pilot; commercial pilot | crash-pilot | jet pilot | aeroplane pilot [Br.]"
            "; airplane pilot [Am.] | aeroplane pilots; airplane pilots | ferry pilot | helicopter pilot | helico"
            "pter pilots | fighter pilot | fighter pilots | combat pilot | combat pilots | aerobatic pilot; stunt"
            " pilot | military aircraft pilot, military pilot | private pilot | glider pilot | sport pilot; amate"
            "ur pilot | sport pilots; amateur pilots | test pilot | airline transport pilot; airline pilot"
            "\n"
            "Streckvorrichtung {f}; Spannvorrichtung {f} [mach.] | Streckvorrichtungen {pl}; Spannvorrichtungen {"
            "pl} :: stretching device; streching fixture; stretching arrangement; strecher | stretching devices; "
            "streching fixtures; stretching arrangements; strechers"
            "\n"
            "Tragbahre {f}; Bahre {f}; Krankentrage {f}; Trage {f} [med.] | Tragbahren {pl}; Bahren {pl}; Kranken"
            "tragen {pl}; Tragen {pl} | fahrbare Krankentrage | Schleifkorbtrage {f} | Schaufeltrage {f} :: stret"
            "cher; litter | stretchers; litters | wheeled stretcher; gurney [Am.] | Stokes stretcher; Stokes litt"
            "er; Stokes basket | scoop stretcher; clamshell strecher; Roberson orthopedic stretcher"
            "\n"
            "Kunstflug-; kunstfliegerisch {adj} :: aerobatic {adj}"
            "\n";
        // Apertium "acrobático" -> "acrobatic", "aerobatic"; FreeDict spa-eng
        // "camilla" -> "stretcher, litter, strecher".
        SenseRows spanishEnglish{
            {QStringLiteral("acrobático"), {QStringLiteral("acrobatic"), QStringLiteral("aerobatic")}},
            {QStringLiteral("camilla"), {QStringLiteral("stretcher"), QStringLiteral("litter"), QStringLiteral("strecher")}}};
        const QSet<QString> english{QStringLiteral("acrobatic"), QStringLiteral("stretcher"), QStringLiteral("litter")};
        const QSet<QString> often = englishWordsOftenInTrans(spanishEnglish, english, trans);
        QCOMPARE(often, QSet<QString>{QStringLiteral("aerobatic")});
        QVERIFY(englishWordsOftenInTrans(spanishEnglish, english, QByteArray()).isEmpty());

        QStringList details;
        QCOMPARE(dropMisspeltSiblings(spanishEnglish, english, false,
                                      [&](const QString &word) { return often.contains(word); },
                                      QStringLiteral("spa-eng"), details),
                 1);
        QCOMPARE(row(spanishEnglish, QStringLiteral("acrobático")),
                 (QStringList{QStringLiteral("acrobatic"), QStringLiteral("aerobatic")}));
        QCOMPARE(row(spanishEnglish, QStringLiteral("camilla")),
                 (QStringList{QStringLiteral("stretcher"), QStringLiteral("litter")}));
    }

    void leavesOutTheSiblingOfTheOtherPartOfSpeech()
    {
        // Apertium's entries as lt-print gives them.
        auto entry = [](const char *english, const char *englishTag, const char *spanish, const char *spanishTag) {
            return LexiconEntry{QString::fromUtf8(english), {QString::fromUtf8(englishTag)}, QString::fromUtf8(spanish),
                                {QString::fromUtf8(spanishTag)}};
        };
        const QVector<LexiconEntry> forward{
            entry("geographic", "adj", "geográfico", "adj"), entry("geographical", "adj", "geográfico", "adj"),
            entry("geography", "n", "geografía", "n"),       entry("depository", "adj", "depositario", "adj"),
            entry("deposit", "n", "depósito", "n"),          entry("drunk", "adj", "bebido", "adj"),
            entry("drunkard", "n", "borracho", "n"),         entry("common", "adj", "común", "adj"),
            entry("commonplace", "n", "tópico", "n")};
        const QVector<LexiconEntry> backward{
            entry("geography", "n", "geografía", "n"), entry("drunkard", "n", "borracho", "n"),
            entry("common", "adj", "común", "adj"), entry("commonplace", "n", "tópico", "n")};
        // eng-spa:6204-6207 "geographic" and "geographical": "geografía",
        // beside Apertium's "geográfico"; "depository: depósito"
        // (eng-spa:4718), which trans-de-en gives for German nouns too
        // ("Aufbewahrungsort {m} ... :: depository"), keeps it.
        SenseRows englishSpanish{
            {QStringLiteral("geographic"), {QStringLiteral("geográfico"), QStringLiteral("geografía")}},
            {QStringLiteral("geographical"), {QStringLiteral("geografía"), QStringLiteral("geográfico")}},
            {QStringLiteral("depository"), {QStringLiteral("depositario"), QStringLiteral("depósito")}}};
        // spa-eng:5273 "geografía: 1. geographic, geographical 2. geography";
        // spa-eng:2120 "borracho: drunk, intoxicated", "drunk" being a noun
        // too ("Betrunkener {m} ... :: drunk"); spa-eng:3080 "común: 1.
        // commonplace ... 2. common": an English noun stays, as a Spanish
        // adjective is often a noun as well.
        SenseRows spanishEnglish{
            {QStringLiteral("geografía"),
             {QStringLiteral("geography"), QStringLiteral("geographic"), QStringLiteral("geographical")}},
            {QStringLiteral("borracho"), {QStringLiteral("drunkard"), QStringLiteral("drunk")}},
            {QStringLiteral("común"), {QStringLiteral("common"), QStringLiteral("commonplace")}}};
        const auto mayBeNoun = [](const QString &english) {
            return english == QLatin1String("depository") || english == QLatin1String("drunk");
        };
        QStringList details;
        QCOMPARE(dropSpanishItemsOfOtherKind(englishSpanish, true, forward, backward, mayBeNoun, details), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("geographic")), QStringList{QStringLiteral("geográfico")});
        QCOMPARE(row(englishSpanish, QStringLiteral("geographical")), QStringList{QStringLiteral("geográfico")});
        QCOMPARE(row(englishSpanish, QStringLiteral("depository")),
                 (QStringList{QStringLiteral("depositario"), QStringLiteral("depósito")}));
        QCOMPARE(dropSpanishItemsOfOtherKind(spanishEnglish, false, forward, backward, mayBeNoun, details), 2);
        QCOMPARE(row(spanishEnglish, QStringLiteral("geografía")), QStringList{QStringLiteral("geography")});
        QCOMPARE(row(spanishEnglish, QStringLiteral("borracho")),
                 (QStringList{QStringLiteral("drunkard"), QStringLiteral("drunk")}));
        QCOMPARE(row(spanishEnglish, QStringLiteral("común")),
                 (QStringList{QStringLiteral("common"), QStringLiteral("commonplace")}));
    }

    void leavesOutPhrasesWhoseDeterminerDisagrees()
    {
        // Apertium eng-spa's entries as lt-print gives them.
        auto entry = [](const char *english, const char *englishTag, const char *spanish, QStringList spanishTags) {
            return LexiconEntry{QString::fromUtf8(english), {QString::fromUtf8(englishTag)}, QString::fromUtf8(spanish),
                                spanishTags};
        };
        const QStringList adverb{QStringLiteral("adv")};
        QVector<LexiconEntry> forward{
            entry("evening", "n", "anochecer", {QStringLiteral("n"), QStringLiteral("m")}),
            entry("afternoon", "n", "tarde", {QStringLiteral("n"), QStringLiteral("f")}),
            entry("water", "n", "agua", {QStringLiteral("n"), QStringLiteral("f")}),
            entry("present", "n", "presente", {QStringLiteral("n"), QStringLiteral("m")}),
            entry("present", "adj", "presente", {QStringLiteral("adj")}),
            entry("this evening", "adv", "esta anochecer", adverb),
            entry("the other evening", "adv", "el otro anochecer", adverb),
            entry("this afternoon", "adv", "esta tarde", adverb),
            entry("in the water", "adv", "en el agua", adverb),
            entry("hereby", "adv", "por la presente", adverb)};
        QVector<LexiconEntry> backward{{QStringLiteral("esta anochecer"), adverb, QStringLiteral("this evening"), adverb}};
        QStringList details;
        QCOMPARE(dropDisagreeingPhrases(forward, backward, details), 2);
        QVERIFY(backward.isEmpty());
        QCOMPARE(forward.size(), 9);
        QVERIFY(std::none_of(forward.begin(), forward.end(),
                             [](const LexiconEntry &e) { return e.target == QLatin1String("esta anochecer"); }));
    }

    void writesApertiumsPossessivesAsTheyStandBeforeANoun()
    {
        // Apertium's entries as lt-print gives them: eng-spa tags the
        // possessives "det", "pos" on both sides, spa-eng the Spanish lemma
        // only "det". FreeDict eng-spa: "their /ðɛər/ / su", "your /jɔːr/ /
        // tu"; spa-eng: "su /sˈu/ / 1. her, his, its, their", "tu /tˈu/ / your".
        auto entry = [](const char *source, QStringList sourceTags, const char *target, QStringList targetTags) {
            return LexiconEntry{QString::fromUtf8(source), sourceTags, QString::fromUtf8(target), targetTags};
        };
        const QStringList englishPossessive{QStringLiteral("det"), QStringLiteral("pos"), QStringLiteral("sp")};
        const QStringList spanishPossessive{QStringLiteral("det"), QStringLiteral("pos"), QStringLiteral("mf"),
                                            QStringLiteral("ND")};
        const QStringList eitherGender{QStringLiteral("det"), QStringLiteral("pos"), QStringLiteral("GD"),
                                       QStringLiteral("ND")};
        const QStringList determiner{QStringLiteral("det")};
        const QStringList adjective{QStringLiteral("adj")};
        QVector<LexiconEntry> forward{entry("their", englishPossessive, "suyo", spanishPossessive),
                                      entry("theirs", adjective, "suyo", adjective),
                                      entry("your", englishPossessive, "vuestro", eitherGender),
                                      entry("our", englishPossessive, "nuestro", eitherGender)};
        QVector<LexiconEntry> backward{entry("tuyo", determiner, "your", determiner),
                                       entry("tuyo", adjective, "yours", adjective),
                                       entry("vuestro", determiner, "your", determiner)};
        const SenseRows englishSpanish{{QStringLiteral("their"), {QStringLiteral("su")}},
                                       {QStringLiteral("your"), {QStringLiteral("tu")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("su"),
             {QStringLiteral("her"), QStringLiteral("his"), QStringLiteral("its"), QStringLiteral("their")}},
            {QStringLiteral("tu"), {QStringLiteral("your")}}};
        QStringList details;
        QCOMPARE(spellPossessivesBeforeNouns(forward, backward, englishSpanish, spanishEnglish, details), 2);
        // The stressed lemma stays as the adjective "theirs", "yours"; a
        // possessive written alike before a noun keeps its lemma.
        QCOMPARE(described(forward), (QStringList{QStringLiteral("our<det><pos><sp> nuestro<det><pos><GD><ND>"),
                                                  QStringLiteral("their<det><pos><sp> su<det><pos><mf><ND>"),
                                                  QStringLiteral("theirs<adj> suyo<adj>"),
                                                  QStringLiteral("your<det><pos><sp> vuestro<det><pos><GD><ND>")}));
        QCOMPARE(described(backward), (QStringList{QStringLiteral("tu<det> your<det>"),
                                                   QStringLiteral("tuyo<adj> yours<adj>"),
                                                   QStringLiteral("vuestro<det> your<det>")}));

        // The rows: "their" was "suyo, su", Apertium's lemma first.
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("their"), QStringLiteral("theirs"), QStringLiteral("your"), QStringLiteral("yours")},
            englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("their")), QStringList{QStringLiteral("su")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("your")),
                 (QStringList{QStringLiteral("tu"), QStringLiteral("vuestro")}));
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("tuyo")), QStringList{QStringLiteral("yours")});
    }

    void capsRowsAndMendsSpellings()
    {
        QVector<LexiconEntry> forward;
        for (const char *spanish : {"tomar", "coger", "llevar", "aceptar", "asir", "agarrar"})
            forward.append({QStringLiteral("take"), {QStringLiteral("vblex")}, QString::fromUtf8(spanish), {QStringLiteral("vblex")}});
        forward.append({QStringLiteral("colour"), {QStringLiteral("n")}, QStringLiteral("color"), {QStringLiteral("n")}});
        forward.append({QStringLiteral("difficult"), {QStringLiteral("adj")}, QStringLiteral("difícil"), {QStringLiteral("adj")}});
        // Apertium's feminine of a masculine noun is the masculine lemma
        // with a feminine tag; the tag is also found where it is wrong.
        const QStringList masculine{QStringLiteral("n"), QStringLiteral("m")};
        const QStringList feminine{QStringLiteral("n"), QStringLiteral("f")};
        forward.append({QStringLiteral("grandfather"), {QStringLiteral("n")}, QStringLiteral("abuelo"), masculine});
        forward.append({QStringLiteral("grandmother"), {QStringLiteral("n")}, QStringLiteral("abuelo"), feminine});
        forward.append({QStringLiteral("stand"), {QStringLiteral("n")}, QStringLiteral("puesto"), masculine});
        forward.append({QStringLiteral("position"), {QStringLiteral("n")}, QStringLiteral("puesto"), feminine});
        forward.append({QStringLiteral("left"), {QStringLiteral("n")}, QStringLiteral("izquierda"), feminine});
        forward.append({QStringLiteral("left-wing"), {QStringLiteral("n")}, QStringLiteral("izquierda"), masculine});
        // Adjectives of nationality are written in lower case.
        forward.append({QStringLiteral("polish"), {QStringLiteral("adj")}, QStringLiteral("polaco"), {QStringLiteral("adj")}});
        forward.append({QStringLiteral("polish"), {QStringLiteral("vblex")}, QStringLiteral("pulir"), {QStringLiteral("vblex")}});
        // FreeDict gives "dificil" both ways, "take" -> "agarrar" and
        // "grandmother" -> "abuela".
        const SenseRows englishSpanish{{QStringLiteral("difficult"), {QStringLiteral("dificil")}},
                                       {QStringLiteral("take"), {QStringLiteral("agarrar")}},
                                       {QStringLiteral("grandmother"), {QStringLiteral("abuela")}}};
        const SenseRows spanishEnglish{{QStringLiteral("dificil"), {QStringLiteral("difficult")}},
                                       {QStringLiteral("polaco"), {QStringLiteral("Polish")}}};
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("take"), QStringLiteral("color"), QStringLiteral("difficult"), QStringLiteral("grandmother"),
             QStringLiteral("position"), QStringLiteral("polish"), QStringLiteral("Polish"), QStringLiteral("left")},
            englishSpanish, spanishEnglish, forward, {});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("grandmother")), QStringList{QStringLiteral("abuela")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("position")), QStringList{QStringLiteral("(no row)")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("left")), QStringList{QStringLiteral("izquierda")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("polish")), QStringList{QStringLiteral("pulir")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("Polish")), QStringList{QStringLiteral("polaco")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("take")),
                 (QStringList{QStringLiteral("agarrar"), QStringLiteral("tomar"), QStringLiteral("coger"),
                              QStringLiteral("llevar")}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("color")), QStringList{QStringLiteral("color")});
        QCOMPARE(row(core.englishSpanish, QStringLiteral("difficult")), QStringList{QStringLiteral("difícil")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("difícil")), QStringList{QStringLiteral("difficult")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("dificil")), QStringList{QStringLiteral("(no row)")});
        QCOMPARE(core.misspeltRowsDropped, 1);
    }

    void keepsAMasculineNounTheOtherLexiconConfirms()
    {
        // Apertium eng-spa "law<n> derecho<n><f>", "queen<n> rey<n><f>";
        // spa-eng "derecho<n><m> law<n>", "rey<n><f> queen<n>", "rey<n><m>
        // king<n>". FreeDict has none of them.
        const QStringList masculine{QStringLiteral("n"), QStringLiteral("m")};
        const QStringList feminine{QStringLiteral("n"), QStringLiteral("f")};
        const QStringList noun{QStringLiteral("n")};
        const QVector<LexiconEntry> forward{
            {QStringLiteral("law"), noun, QStringLiteral("derecho"), feminine},
            {QStringLiteral("queen"), noun, QStringLiteral("rey"), feminine}};
        const QVector<LexiconEntry> backward{
            {QStringLiteral("derecho"), masculine, QStringLiteral("law"), noun},
            {QStringLiteral("rey"), feminine, QStringLiteral("queen"), noun},
            {QStringLiteral("rey"), masculine, QStringLiteral("king"), noun}};
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("law"), QStringLiteral("queen")}, {}, {}, forward, backward);
        // spa-eng has "derecho" as a masculine noun only: the feminine tag
        // is the slip, and both lexicons give the pair.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("law")), QStringList{QStringLiteral("derecho")});
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("derecho")), QStringList{QStringLiteral("law")});
        // "rey<n><f>" is "reina", which FreeDict does not confirm; a pair
        // the other lexicon also gives as feminine is not vouched for.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("queen")), QStringList{QStringLiteral("(no row)")});
    }

    void keepsApertiumsFirstNounOfEitherGenderAtTheCap()
    {
        // Apertium eng-spa "command<n>" -> "orden<n><f>", "mando<n><f>",
        // "dominio<n><m>"; "command<vblex>" -> "mandar<vblex>";
        // "order<n>" -> "orden<n><m>". spa-eng "orden<n><f>" and
        // "orden<n><m>" -> "order<n>", "mando<n><m>" -> "control<n>",
        // "dominio<n><m>" -> "command<n>", "mandar<vblex>" -> "command<vblex>",
        // "rey<n><f>" -> "queen<n>", "rey<n><m>" -> "king<n>". FreeDict
        // eng-spa "command: 1. capitanear 2. mandato, mando"; spa-eng
        // "capitanear: 1. govern, head up, restrain 2. command, be in
        // command, order", "mandato: command", "mando: command".
        const QStringList masculine{QStringLiteral("n"), QStringLiteral("m")};
        const QStringList feminine{QStringLiteral("n"), QStringLiteral("f")};
        const QStringList noun{QStringLiteral("n")};
        const QStringList verb{QStringLiteral("vblex")};
        const QVector<LexiconEntry> forward{
            {QStringLiteral("command"), noun, QStringLiteral("orden"), feminine},
            {QStringLiteral("command"), noun, QStringLiteral("mando"), feminine},
            {QStringLiteral("command"), noun, QStringLiteral("dominio"), masculine},
            {QStringLiteral("command"), verb, QStringLiteral("mandar"), verb},
            {QStringLiteral("order"), noun, QStringLiteral("orden"), masculine},
            {QStringLiteral("queen"), noun, QStringLiteral("rey"), feminine}};
        const QVector<LexiconEntry> backward{
            {QStringLiteral("orden"), feminine, QStringLiteral("order"), noun},
            {QStringLiteral("orden"), masculine, QStringLiteral("order"), noun},
            {QStringLiteral("mando"), masculine, QStringLiteral("control"), noun},
            {QStringLiteral("dominio"), masculine, QStringLiteral("command"), noun},
            {QStringLiteral("mandar"), verb, QStringLiteral("command"), verb},
            {QStringLiteral("rey"), feminine, QStringLiteral("queen"), noun},
            {QStringLiteral("rey"), masculine, QStringLiteral("king"), noun}};
        const SenseRows englishSpanish{{QStringLiteral("command"),
                                        {QStringLiteral("capitanear"), QStringLiteral("mandato"),
                                         QStringLiteral("mando")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("capitanear"),
             {QStringLiteral("govern"), QStringLiteral("head up"), QStringLiteral("restrain"),
              QStringLiteral("command"), QStringLiteral("be in command"), QStringLiteral("order")}},
            {QStringLiteral("mandato"), {QStringLiteral("command")}},
            {QStringLiteral("mando"), {QStringLiteral("command")}}};
        // The pivot links "mando" with "command" ("Kommando").
        const auto links = [](const QString &spanish, const QString &english) {
            return spanish == QLatin1String("mando") && english == QLatin1String("command") ? 1 : 0;
        };
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("command"), QStringLiteral("queen")},
                                                     englishSpanish, spanishEnglish, forward, backward, links);
        // "la orden" is the command, "el orden" the order of things: spa-eng
        // translates both alike, so the feminine tag is the noun's own, and
        // Apertium's first translation, a common word, takes a rare
        // FreeDict-only word's place.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("command")),
                 (QStringList{QStringLiteral("mandar"), QStringLiteral("dominio"), QStringLiteral("orden"),
                              QStringLiteral("mando")}));
        // A noun's translation is not taken for a word mostly used as a verb
        // ("make": Apertium's first is "marca", the brand).
        const QHash<QString, EnglishWordUses> verbUses{{QStringLiteral("command"), {10, 1}}};
        const SpanishCore asVerb = mergeSpanishLexicon({QStringLiteral("command")}, englishSpanish, spanishEnglish,
                                                       forward, backward, links, verbUses);
        QVERIFY(!row(asVerb.englishSpanish, QStringLiteral("command")).contains(QStringLiteral("orden")));
        // "rey<n><f>" is a woman's form translated apart ("queen", not
        // "king"): it is still no "rey".
        QCOMPARE(row(core.englishSpanish, QStringLiteral("queen")), QStringList{QStringLiteral("(no row)")});
    }

    void keepsApertiumsFirstNounBeforeItsRareLaterOneAtTheCap()
    {
        // FreeDict eng-spa "benefit /benifit/: 1. ventaja 2. provecho";
        // spa-eng "ventaja: 1. advantage, benefit", "provecho: 1. benefit,
        // gain, profit 2. advantage". Apertium eng-spa "benefit<n>" ->
        // "beneficio<n><m>", "prestación<n><f>"; "benefit<vblex>" ->
        // "beneficiar<vblex>"; spa-eng "beneficio<n><m>" -> "profit<n>",
        // "prestación<n><f>" and "provecho<n><m>" -> "benefit<n>",
        // "beneficiar<vblex>" -> "benefit<vblex>". The full row cut
        // "beneficio" for the rare "prestación", paired both ways.
        const SpanishCore core = mergeSpanishLexicon(
            {QStringLiteral("benefit")},
            {{QStringLiteral("benefit"), {QStringLiteral("ventaja"), QStringLiteral("provecho")}}},
            {{QStringLiteral("ventaja"), {QStringLiteral("advantage"), QStringLiteral("benefit")}},
             {QStringLiteral("provecho"),
              {QStringLiteral("benefit"), QStringLiteral("gain"), QStringLiteral("profit"), QStringLiteral("advantage")}}},
            entries({{"benefit<n>", "beneficio<n><m>"},
                     {"benefit<n>", "prestación<n><f>"},
                     {"benefit<vblex>", "beneficiar<vblex>"}}),
            entries({{"beneficio<n><m>", "profit<n>"},
                     {"prestación<n><f>", "benefit<n>"},
                     {"provecho<n><m>", "benefit<n>"},
                     {"beneficiar<vblex>", "benefit<vblex>"}}));
        const QStringList benefit = row(core.englishSpanish, QStringLiteral("benefit"));
        QVERIFY2(benefit.contains(QStringLiteral("beneficio")), qPrintable(benefit.join(QLatin1String(", "))));
        QVERIFY(!benefit.contains(QStringLiteral("prestación")));
    }

    void keepsApertiumsCommonLaterWordAtTheCap()
    {
        // FreeDict eng-spa "picture /piktʃər/: 1. grabado, imagen,
        // reproducción, retrato 2. cuadro, pintura"; spa-eng "cuadro: 1. bed
        // ... picture", "grabado: image, picture", "imagen: image, picture",
        // "reproducción: 1. image, picture", "retrato: 1. image, picture",
        // "pintura: ... picture". Apertium eng-spa "picture<n>" ->
        // "cuadro<n><m>", "fotografía<n><f>"; spa-eng "cuadro<n><m>" ->
        // "picture<n>", "fotografía<n><f>" -> "photograph<n>". The pairs
        // both FreeDict dictionaries share filled the row and cut
        // "fotografía", the common word of the photograph sense.
        const QStringList images{QStringLiteral("image"), QStringLiteral("picture")};
        const SenseRows englishSpanish{
            {QStringLiteral("picture"),
             {QStringLiteral("grabado"), QStringLiteral("imagen"), QStringLiteral("reproducción"),
              QStringLiteral("retrato"), QStringLiteral("cuadro"), QStringLiteral("pintura")}}};
        const SenseRows spanishEnglish{{QStringLiteral("cuadro"), {QStringLiteral("bed"), QStringLiteral("picture")}},
                                       {QStringLiteral("grabado"), images},
                                       {QStringLiteral("imagen"), images},
                                       {QStringLiteral("reproducción"), images},
                                       {QStringLiteral("retrato"), images},
                                       {QStringLiteral("pintura"), {QStringLiteral("paint"), QStringLiteral("picture")}}};
        const QVector<LexiconEntry> forward =
            entries({{"picture<n>", "cuadro<n><m>"}, {"picture<n>", "fotografía<n><f>"}});
        const QVector<LexiconEntry> backward =
            entries({{"cuadro<n><m>", "picture<n>"}, {"fotografía<n><f>", "photograph<n>"}});
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("picture")}, englishSpanish, spanishEnglish, forward, backward);
        const QStringList picture = row(core.englishSpanish, QStringLiteral("picture"));
        QCOMPARE(picture.size(), kMaxSpanishTranslations);
        QCOMPARE(picture.value(0), QStringLiteral("cuadro"));
        QVERIFY2(picture.contains(QStringLiteral("fotografía")), qPrintable(picture.join(QLatin1String(", "))));
        // The common "imagen" stays; the rare "reproducción", last of the
        // FreeDict-only items, makes room.
        QVERIFY(picture.contains(QStringLiteral("imagen")));
        QVERIFY(!picture.contains(QStringLiteral("reproducción")));
        // A noun's translation is not brought back for a word trans-de-en
        // never gives for a German noun ("coming<n>" -> "mayoría", of
        // "coming of age").
        const SpanishCore neverNoun =
            mergeSpanishLexicon({QStringLiteral("picture")}, englishSpanish, spanishEnglish, forward, backward, {}, {},
                                {}, {{QStringLiteral("picture"), 0}});
        QVERIFY(!row(neverNoun.englishSpanish, QStringLiteral("picture")).contains(QStringLiteral("fotografía")));
    }

    void putsApertiumsWordsBeforeANarrowSoleWord()
    {
        // FreeDict eng-spa "seizure /siːizər/: apoplejía"; spa-eng
        // "apoplejía: fit, apoplectic fit, seizure, stroke,
        // strokeofapoplexy". Apertium eng-spa "seizure<n>" ->
        // "ataque<n><f>", "confiscación<n><f>", "incautación<n><f>"; spa-eng
        // "ataque<n><m>" -> "attack<n>": the feminine tag of "ataque" slipped.
        const SenseRows englishSpanish{{QStringLiteral("seizure"), {QStringLiteral("apoplejía")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("apoplejía"),
             {QStringLiteral("fit"), QStringLiteral("apoplectic fit"), QStringLiteral("seizure"),
              QStringLiteral("stroke"), QStringLiteral("strokeofapoplexy")}}};
        const QVector<LexiconEntry> backward = entries({{"ataque<n><m>", "attack<n>"}});
        const QVector<LexiconEntry> withoutSlip =
            entries({{"seizure<n>", "confiscación<n><f>"}, {"seizure<n>", "incautación<n><f>"}});
        // The narrower FreeDict word, which Apertium lacks and whose own row
        // names the word third, follows Apertium's translations.
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("seizure")}, englishSpanish, spanishEnglish, withoutSlip, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("seizure")),
                 (QStringList{QStringLiteral("confiscación"), QStringLiteral("incautación"),
                              QStringLiteral("apoplejía")}));
        // Where its own row names the word first, FreeDict's word keeps the
        // lead.
        const SenseRows namedFirst{{QStringLiteral("apoplejía"), {QStringLiteral("seizure"), QStringLiteral("fit")}}};
        const SpanishCore first =
            mergeSpanishLexicon({QStringLiteral("seizure")}, englishSpanish, namedFirst, withoutSlip, backward);
        QCOMPARE(row(first.englishSpanish, QStringLiteral("seizure")).value(0), QStringLiteral("apoplejía"));
        // Apertium's first entry, the common "ataque", leads though its
        // gender tag slipped.
        QVector<LexiconEntry> forward = entries({{"seizure<n>", "ataque<n><f>"}});
        forward += withoutSlip;
        const SpanishCore slipped =
            mergeSpanishLexicon({QStringLiteral("seizure")}, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(slipped.englishSpanish, QStringLiteral("seizure")),
                 (QStringList{QStringLiteral("ataque"), QStringLiteral("confiscación"), QStringLiteral("incautación"),
                              QStringLiteral("apoplejía")}));
        // A first that Apertium spa-eng confirms keeps its place ("core":
        // "núcleo" both ways, "corazón<n><f>" slipped).
        const SpanishCore confirmed = mergeSpanishLexicon(
            {QStringLiteral("core")}, {}, {}, entries({{"core<n>", "corazón<n><f>"}, {"core<n>", "núcleo<n><m>"}}),
            entries({{"núcleo<n><m>", "core<n>"}, {"corazón<n><m>", "heart<n>"}}));
        QCOMPARE(row(confirmed.englishSpanish, QStringLiteral("core")).value(0), QStringLiteral("núcleo"));
    }

    void putsApertiumsCommonWordOfAnotherPartOfSpeechBeforeARareLead()
    {
        // Apertium eng-spa "beyond<pr>" -> "allende<pr>", "beyond<adv>" ->
        // "más allá<adv>"; spa-eng "allende<pr>" -> "beyond<pr>", "más
        // allá<adv>" -> "further<adv>"; "burst<vblex>" -> "estallar<vblex>",
        // "burst<n>" -> "explosión<n><f>", "estallar<vblex>" -> "burst<vblex>".
        // FreeDict eng-spa "beyond: 1. después, luego 2. atravésde" (split
        // to "a través de"), "burst: 1. henderse, resquebrajarse 2. grieta,
        // hendedura, quebraja"; spa-eng "a través de: across, beyond,
        // ontheothersideof", "después: ... 3. beyond, then, thereafter",
        // "luego: ... 3. beyond, then, thereafter", "henderse: burst, split",
        // "grieta: 1. crack, crevice 2. burst, flaw".
        const QStringList adverb{QStringLiteral("adv")};
        const QStringList preposition{QStringLiteral("pr")};
        const QStringList verb{QStringLiteral("vblex")};
        const QVector<LexiconEntry> forward{
            {QStringLiteral("beyond"), preposition, QStringLiteral("allende"), preposition},
            {QStringLiteral("beyond"), adverb, QStringLiteral("más allá"), adverb},
            {QStringLiteral("burst"), verb, QStringLiteral("estallar"), verb},
            {QStringLiteral("burst"), {QStringLiteral("n")}, QStringLiteral("explosión"),
             {QStringLiteral("n"), QStringLiteral("f")}}};
        const QVector<LexiconEntry> backward{
            {QStringLiteral("allende"), preposition, QStringLiteral("beyond"), preposition},
            {QStringLiteral("más allá"), adverb, QStringLiteral("further"), adverb},
            {QStringLiteral("estallar"), verb, QStringLiteral("burst"), verb}};
        SenseRows englishSpanish{
            {QStringLiteral("beyond"),
             {QStringLiteral("después"), QStringLiteral("luego"), QStringLiteral("a través de")}},
            {QStringLiteral("burst"),
             {QStringLiteral("henderse"), QStringLiteral("resquebrajarse"), QStringLiteral("grieta"),
              QStringLiteral("hendedura"), QStringLiteral("quebraja")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("a través de"),
             {QStringLiteral("across"), QStringLiteral("beyond"), QStringLiteral("on the other side of")}},
            {QStringLiteral("después"),
             {QStringLiteral("after"), QStringLiteral("behind"), QStringLiteral("beyond"), QStringLiteral("then")}},
            {QStringLiteral("luego"),
             {QStringLiteral("soon"), QStringLiteral("afterwards"), QStringLiteral("beyond"), QStringLiteral("then")}},
            {QStringLiteral("henderse"), {QStringLiteral("burst"), QStringLiteral("split")}},
            {QStringLiteral("grieta"),
             {QStringLiteral("crack"), QStringLiteral("crevice"), QStringLiteral("burst"), QStringLiteral("flaw")}}};
        const QStringList words{QStringLiteral("beyond"), QStringLiteral("burst")};
        const SpanishCore core = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, {});
        // Apertium's two-way "allende" outranked FreeDict's pairs and the
        // cap cut the adverb "más allá", a common word: it leads now.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("beyond")),
                 (QStringList{QStringLiteral("más allá"), QStringLiteral("allende"), QStringLiteral("después"),
                              QStringLiteral("luego")}));
        // "explosión" is not among the commonest words: the verb keeps the lead.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("burst")).value(0), QStringLiteral("estallar"));
        // A first FreeDict gives too is the dictionaries' choice and stays.
        englishSpanish[0].second.prepend(QStringLiteral("allende"));
        const SpanishCore paired = mergeSpanishLexicon(words, englishSpanish, spanishEnglish, forward, backward, {});
        QCOMPARE(row(paired.englishSpanish, QStringLiteral("beyond")).value(0), QStringLiteral("allende"));
    }

    void keepsTheLeadFromANounOfAWordNeverUsedAsANoun()
    {
        // Apertium eng-spa "coming<adj>" -> "venidero<adj>", "coming<n>" ->
        // "mayoría<n><f>"; spa-eng "venidero<adj>" -> "coming<adj>",
        // "mayoría<n><f>" -> "majority<n>". FreeDict eng-spa "coming:
        // natural, originario, proveniente"; spa-eng "mayoría: majority",
        // "originario: coming", "proveniente: coming".
        const QStringList adjective{QStringLiteral("adj")};
        const QStringList noun{QStringLiteral("n"), QStringLiteral("f")};
        const QVector<LexiconEntry> forward{
            {QStringLiteral("coming"), adjective, QStringLiteral("venidero"), adjective},
            {QStringLiteral("coming"), {QStringLiteral("n")}, QStringLiteral("mayoría"), noun}};
        const QVector<LexiconEntry> backward{
            {QStringLiteral("venidero"), adjective, QStringLiteral("coming"), adjective},
            {QStringLiteral("mayoría"), noun, QStringLiteral("majority"), {QStringLiteral("n")}}};
        const SenseRows englishSpanish{
            {QStringLiteral("coming"),
             {QStringLiteral("natural"), QStringLiteral("originario"), QStringLiteral("proveniente")}}};
        const SenseRows spanishEnglish{{QStringLiteral("mayoría"), {QStringLiteral("majority")}},
                                       {QStringLiteral("originario"), {QStringLiteral("coming")}},
                                       {QStringLiteral("proveniente"), {QStringLiteral("coming")}}};
        // trans-de-en uses "coming" as a participle and an adjective, and
        // "arrival" as a noun (its abbreviation and the phrases aside).
        QByteArray trans =
            "kommend {adj} | kommende Woche | in den kommenden Jahren | Hilfe kommt :: forthcoming; coming; "
            "approaching; next | next week | in the years to come | help is forthcoming\n"
            "einkehren {vi} | einkehrend | eingekehrt :: to come {came; come} | coming | come\n"
            "Ankunft {f} /Ank./; Eintreffen {n}; Erscheinen {n} | bei Ankunft :: arrival /arr./ | on arrival\n"
            // Sections that do not pair up tell nothing.
            "Mehrheit {f} :: majority | by a majority\n";
        const QSet<QString> words{QStringLiteral("coming"), QStringLiteral("arrival"), QStringLiteral("majority")};
        const QHash<QString, int> nounUses = englishNounUsesInTrans(trans, words);
        QCOMPARE(nounUses.value(QStringLiteral("coming"), -1), 0);
        QCOMPARE(nounUses.value(QStringLiteral("arrival"), -1), 1);
        QVERIFY(!nounUses.contains(QStringLiteral("majority")));

        const QStringList core{QStringLiteral("coming")};
        const SpanishCore merged =
            mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward, {}, {}, {}, nounUses);
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("coming")).value(0), QStringLiteral("venidero"));
        // Once trans-de-en uses the word as a noun, the common noun leads.
        trans += "Kommen {n} :: coming\n";
        const SpanishCore used = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward, {}, {},
                                                     {}, englishNounUsesInTrans(trans, words));
        QCOMPARE(row(used.englishSpanish, QStringLiteral("coming")).value(0), QStringLiteral("mayoría"));
    }

    void putsTheWordThePivotLinksFirstAmongApertiumsEqualPairs()
    {
        // Apertium eng-spa prints "referee<n>" -> "colegiado<n><GD>" before
        // "árbitro<n><GD>"; spa-eng gives both back. FreeDict has no "referee";
        // spa-deu "árbitro: 1. Schiedsrichter", trans-de-en "Schiedsrichter
        // {m} ... :: referee". "sail<n>" -> "aspa<n><f>", "vela<n><f>" both
        // ways: the pivot links "aspa" ("Windmühlenflügel {m} :: sail"), but
        // the frequency list has "vela".
        const QVector<LexiconEntry> forward = entries({{"referee<n>", "colegiado<n><GD>"},
                                                       {"referee<n>", "árbitro<n><GD>"},
                                                       {"sail<n>", "aspa<n><f>"},
                                                       {"sail<n>", "vela<n><f>"}});
        const QVector<LexiconEntry> backward = entries({{"colegiado<n>", "referee<n>"},
                                                        {"árbitro<n>", "arbitrator<n>"},
                                                        {"árbitro<n>", "referee<n>"},
                                                        {"aspa<n><f>", "sail<n>"},
                                                        {"vela<n><f>", "sail<n>"}});
        const QStringList learners{QStringLiteral("referee"), QStringLiteral("sail")};
        const auto linked = [](const QString &spanish, const QString &) {
            return spanish == QStringLiteral("árbitro") || spanish == QLatin1String("aspa") ? 1 : 0;
        };
        const SenseRows unlinked = mergeSpanishLexicon(learners, {}, {}, forward, backward).englishSpanish;
        QCOMPARE(row(unlinked, QStringLiteral("referee")).value(0), QStringLiteral("colegiado"));
        const SenseRows rows = mergeSpanishLexicon(learners, {}, {}, forward, backward, linked).englishSpanish;
        QCOMPARE(row(rows, QStringLiteral("referee")), (QStringList{QStringLiteral("árbitro"), QStringLiteral("colegiado")}));
        QCOMPARE(row(rows, QStringLiteral("sail")).value(0), QStringLiteral("vela"));
    }

    void putsTheAdjectiveBeforeTheNounOfAWordNeverUsedAsANoun()
    {
        // Apertium "bold<n>" -> "negrita<n><f>" (the typeface), "bold<adj><sint>"
        // -> "intrépido<adj>", both ways. FreeDict eng-spa "bold: grueso";
        // spa-eng "grueso: 1. bold, corpulent, fat, thick" (two of them here).
        // trans-de-en gives "bold" for an adjective; its noun is "bold face".
        const QVector<LexiconEntry> forward =
            entries({{"bold<n>", "negrita<n><f>"}, {"bold<adj><sint>", "intrépido<adj>"}});
        const QVector<LexiconEntry> backward =
            entries({{"negrita<n><f>", "bold<n>"}, {"intrépido<adj>", "bold<adj><sint>"}});
        const SenseRows englishSpanish{{QStringLiteral("bold"), {QStringLiteral("grueso")}}};
        const SenseRows spanishEnglish{{QStringLiteral("grueso"), {QStringLiteral("bold"), QStringLiteral("fat")}}};
        const QByteArray trans = "fett {adj} (Schriftstil, Schriftauszeichnung) [comp.] [print] :: bold (typestyle, "
                                 "typeface attribute)\nFettdruck {m} :: bold face\n";
        const auto merged = [&](const QHash<QString, int> &nounUses) {
            return row(mergeSpanishLexicon({QStringLiteral("bold")}, englishSpanish, spanishEnglish, forward, backward,
                                           {}, {}, {}, nounUses)
                           .englishSpanish,
                       QStringLiteral("bold"));
        };
        QCOMPARE(merged({}).value(0), QStringLiteral("negrita"));
        QCOMPARE(merged(englishNounUsesInTrans(trans, {QStringLiteral("bold")})),
                 (QStringList{QStringLiteral("intrépido"), QStringLiteral("negrita"), QStringLiteral("grueso")}));
    }

    void leavesOutAnEntryFiledUnderANeighbouringSpelling()
    {
        // Apertium eng-spa "anal<adj>" -> "anal<adj><mf>", "annual<adj>" ->
        // "anual<adj><mf>"; spa-eng "anal<adj><mf>" -> "annual<adj>", a slip
        // for "anual". "plano<n><m>" -> "plan<n>" beside eng-spa "plan<n>" ->
        // "plan<n><m>" is a word of its own (its last letter differs).
        const QVector<LexiconEntry> forward = entries({{"anal<adj>", "anal<adj><mf>"},
                                                       {"annual<adj>", "anual<adj><mf>"},
                                                       {"plan<n>", "plan<n><m>"},
                                                       {"plane<n>", "plano<n><m>"}});
        const QVector<LexiconEntry> backward = entries({{"anual<adj><mf>", "annual<adj>"},
                                                        {"anal<adj><mf>", "annual<adj>"},
                                                        {"plano<n><m>", "plan<n>"},
                                                        {"plano<n><m>", "plane<n>"}});
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("anal"), QStringLiteral("annual"), QStringLiteral("plan"),
                                 QStringLiteral("plane")},
                                {}, {}, forward, backward);
        QCOMPARE(row(core.spanishEnglish, QStringLiteral("anal")), (QStringList{QStringLiteral("anal")}));
        QVERIFY(row(core.spanishEnglish, QStringLiteral("plano")).contains(QStringLiteral("plan")));
    }

    void keepsApertiumsWordsItsOwnTagsOrTheCapHide()
    {
        const QStringList verb{QStringLiteral("vblex")};
        const QStringList adjective{QStringLiteral("adj")};
        const QStringList masculine{QStringLiteral("n"), QStringLiteral("m")};
        const QStringList feminine{QStringLiteral("n"), QStringLiteral("f")};
        const QStringList noun{QStringLiteral("n")};
        // Apertium eng-spa tags "trozo" feminine for "scrap" though spa-eng
        // has it only as masculine; "chico<n><f>" for "girl" is the woman's
        // form ("chica"), which spa-eng translates apart. "jewish" and
        // "polish" are lower case; "meet" has two verbs.
        const QVector<LexiconEntry> forward{
            {QStringLiteral("scrap"), noun, QStringLiteral("chatarra"), feminine},
            {QStringLiteral("scrap"), noun, QStringLiteral("trozo"), feminine},
            {QStringLiteral("slice"), noun, QStringLiteral("trozo"), masculine},
            {QStringLiteral("girl"), noun, QStringLiteral("chico"), feminine},
            {QStringLiteral("boy"), noun, QStringLiteral("chico"), masculine},
            {QStringLiteral("jewish"), adjective, QStringLiteral("judío"), adjective},
            {QStringLiteral("polish"), adjective, QStringLiteral("polaco"), adjective},
            {QStringLiteral("polish"), verb, QStringLiteral("pulir"), verb},
            {QStringLiteral("meet"), verb, QStringLiteral("cumplir"), verb},
            {QStringLiteral("meet"), verb, QStringLiteral("conocer"), verb}};
        const QVector<LexiconEntry> backward{
            {QStringLiteral("chatarra"), feminine, QStringLiteral("scrap"), noun},
            {QStringLiteral("desperdicios"), {QStringLiteral("n"), QStringLiteral("m"), QStringLiteral("pl")},
             QStringLiteral("scrap"), {QStringLiteral("n"), QStringLiteral("pl")}},
            {QStringLiteral("trozo"), masculine, QStringLiteral("piece"), noun},
            {QStringLiteral("chico"), masculine, QStringLiteral("boy"), noun},
            {QStringLiteral("chico"), feminine, QStringLiteral("girl"), noun},
            {QStringLiteral("judío"), adjective, QStringLiteral("jewish"), adjective},
            {QStringLiteral("conocer"), verb, QStringLiteral("know"), verb},
            {QStringLiteral("cumplir"), verb, QStringLiteral("fulfil"), verb},
            {QStringLiteral("encontrar"), verb, QStringLiteral("find"), verb},
            {QStringLiteral("hallar"), verb, QStringLiteral("find"), verb},
            {QStringLiteral("quedar"), verb, QStringLiteral("remain"), verb}};
        // FreeDict eng-spa "Jewish: hebraico, hebreo", "meet: 1. quedar 2.
        // hallar, encontrar 3. ir a buscar a", "polish: pulir"; spa-eng
        // "hebreo: 1. Hebrew, Jewish 2. Jew 3. Israelite", "judío:
        // Israelite", "trozo: slice" and the verbs' rows naming "meet".
        const SenseRows englishSpanish{
            {QStringLiteral("Jewish"), {QStringLiteral("hebraico"), QStringLiteral("hebreo")}},
            {QStringLiteral("meet"),
             {QStringLiteral("quedar"), QStringLiteral("hallar"), QStringLiteral("encontrar"),
              QStringLiteral("ir a buscar a")}},
            {QStringLiteral("polish"), {QStringLiteral("pulir")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("hebreo"),
             {QStringLiteral("Hebrew"), QStringLiteral("Jewish"), QStringLiteral("Jew"), QStringLiteral("Israelite")}},
            {QStringLiteral("judío"), {QStringLiteral("Israelite")}},
            {QStringLiteral("trozo"), {QStringLiteral("slice")}},
            {QStringLiteral("quedar"), {QStringLiteral("meet"), QStringLiteral("be situated")}},
            {QStringLiteral("hallar"),
             {QStringLiteral("come across"), QStringLiteral("encounter"), QStringLiteral("meet"),
              QStringLiteral("see"), QStringLiteral("find")}},
            {QStringLiteral("encontrar"),
             {QStringLiteral("come across"), QStringLiteral("encounter"), QStringLiteral("meet"),
              QStringLiteral("see"), QStringLiteral("find")}},
            {QStringLiteral("ir a buscar a"),
             {QStringLiteral("take along"), QStringLiteral("meet"), QStringLiteral("pick up")}}};
        const QStringList core{QStringLiteral("scrap"), QStringLiteral("girl"), QStringLiteral("Jewish"),
                               QStringLiteral("polish"), QStringLiteral("meet")};
        const SpanishCore merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward);

        // The slipped tag's noun fills the row; the woman's form is no "chico".
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("scrap")),
                 (QStringList{QStringLiteral("chatarra"), QStringLiteral("desperdicios"), QStringLiteral("trozo")}));
        QVERIFY(!row(merged.englishSpanish, QStringLiteral("girl")).contains(QStringLiteral("chico")));
        // "jewish" is FreeDict's "Jewish"; "polish", which FreeDict writes
        // in lower case, stays so.
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("Jewish")).value(0), QStringLiteral("judío"));
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("polaco")), QStringList{QStringLiteral("polish")});
        // Apertium's commoner verb takes the rarest FreeDict item's place.
        const QStringList meet = row(merged.englishSpanish, QStringLiteral("meet"));
        QVERIFY2(meet.contains(QStringLiteral("conocer")), qPrintable(meet.join(u',')));
        QVERIFY(!meet.contains(QStringLiteral("hallar")));
        QVERIFY(!meet.contains(QStringLiteral("cumplir")));
    }

    void keepsFreedictsNounOfAWordApertiumKnowsOnlyAsAVerb()
    {
        // Apertium eng-spa "advocate<vblex>" -> "defender<vblex>",
        // "lawyer<n>" -> "abogado<n><GD>"; spa-eng "propugnar<vblex>" ->
        // "advocate<vblex>", "abogado<n>" -> "lawyer<n>", "solicitor<n>".
        // FreeDict eng-spa has only "advocate: abogado", spa-eng no row.
        const QVector<LexiconEntry> forward =
            tagged({{"advocate", "vblex", "defender", "vblex"}, {"lawyer", "n", "abogado", "n"},
                    {"everybody", "prn", "todo el mundo", "prn"}});
        const QVector<LexiconEntry> backward =
            tagged({{"propugnar", "vblex", "advocate", "vblex"}, {"abogado", "n", "lawyer", "n"},
                    {"abogado", "n", "solicitor", "n"}, {"cada", "det", "each", "det"}});
        // eng-spa "everybody: cada, cada uno, todo": a function word is not
        // judged by the lexicons' uneven parts of speech.
        const SenseRows englishSpanish{
            {QStringLiteral("advocate"), {QStringLiteral("abogado")}},
            {QStringLiteral("everybody"), {QStringLiteral("cada"), QStringLiteral("cada uno"), QStringLiteral("todo")}}};
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("advocate"), QStringLiteral("everybody")},
                                                     englishSpanish, {}, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("advocate")),
                 wordList({"defender", "propugnar", "abogado"}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("everybody")), wordList({"todo el mundo"}));
        QVERIFY(row(core.spanishEnglish, QStringLiteral("abogado")).contains(QStringLiteral("advocate")));
    }

    void dropsAPronounApertiumBorrowsFromAnotherWord()
    {
        // Apertium eng-spa "several<det>" -> "varios<det>", "several<prn>"
        // -> "muchos<prn>", "many<prn>" -> "muchos<prn>"; spa-eng
        // "varios<det>" -> "several<det>", "muchos<prn>" -> "many<prn>".
        // FreeDict eng-spa "several: varios", spa-eng "varios: several".
        const QVector<LexiconEntry> forward =
            tagged({{"several", "det", "varios", "det"}, {"several", "prn", "muchos", "prn"},
                    {"many", "prn", "muchos", "prn"}});
        const QVector<LexiconEntry> backward =
            tagged({{"varios", "det", "several", "det"}, {"muchos", "prn", "many", "prn"}});
        const SenseRows englishSpanish{{QStringLiteral("several"), {QStringLiteral("varios")}}};
        const SenseRows spanishEnglish{{QStringLiteral("varios"), {QStringLiteral("several")}}};
        const SpanishCore core = mergeSpanishLexicon({QStringLiteral("several"), QStringLiteral("many")},
                                                     englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("several")), wordList({"varios"}));
        QCOMPARE(row(core.englishSpanish, QStringLiteral("many")), wordList({"muchos"}));
        // Without the four sources' agreement the pair stays.
        const SpanishCore loose = mergeSpanishLexicon({QStringLiteral("several")}, {}, spanishEnglish, forward, backward);
        QCOMPARE(row(loose.englishSpanish, QStringLiteral("several")), wordList({"varios", "muchos"}));
    }

    void putsAnEquallySourcedAdjectiveBeforeAVerbOfRareUse()
    {
        // Apertium lists "thin<vblex>" -> "adelgazar" before "thin<adj>"
        // -> "delgado"; both pair back. FreeDict eng-spa "thin: fino",
        // spa-eng "fino: 1. dainty, delicate, fine, refined 2. gaunt, lean,
        // slender, thin".
        const QVector<LexiconEntry> forward =
            tagged({{"thin", "vblex", "adelgazar", "vblex"}, {"thin", "adj", "delgado", "adj"}});
        const QVector<LexiconEntry> backward =
            tagged({{"delgado", "adj", "thin", "adj"}, {"adelgazar", "vblex", "thin", "vblex"}});
        const SenseRows englishSpanish{{QStringLiteral("thin"), {QStringLiteral("fino")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("fino"),
             wordList({"dainty", "delicate", "fine", "refined", "gaunt", "lean", "slender", "thin"})}};
        const QStringList core{QStringLiteral("thin")};
        // trans-de-en's English sides use "thin" mostly as an adjective.
        SpanishCore merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward, {},
                                                 {{QStringLiteral("thin"), {4, 160}}});
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("thin")), wordList({"delgado", "adelgazar", "fino"}));
        // A word used as a verb about as often keeps Apertium's order.
        merged = mergeSpanishLexicon(core, englishSpanish, spanishEnglish, forward, backward, {},
                                     {{QStringLiteral("thin"), {60, 160}}});
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("thin")).value(0), QStringLiteral("adelgazar"));
    }

    void writesApartItemsThatRunASpanishPhraseTogether()
    {
        // eng-spa "what for: porqué" (its cut headword "what /wɔtfər/"
        // mended), "above all: sobre todo, sobretodo", "cemetery:
        // cementerio", "graveyard: cementerio, camposanto"; spa-eng "por
        // qué: 1. what for, why 2. wherefore", "sobre todo: above all",
        // "campo santo: cemetery, God's acre, graveyard". Apertium knows
        // "por qué" and "sobre todo" but not "campo santo", an old split
        // spelling.
        SenseRows englishSpanish{{QStringLiteral("what for"), wordList({"porqué"})},
                                 {QStringLiteral("above all"), wordList({"sobre todo", "sobretodo"})},
                                 {QStringLiteral("graveyard"), wordList({"cementerio", "camposanto"})}};
        const SenseRows spanishEnglish{{QStringLiteral("por qué"), wordList({"what for", "why", "wherefore"})},
                                       {QStringLiteral("sobre todo"), wordList({"above all"})},
                                       {QStringLiteral("campo santo"), wordList({"cemetery", "God's acre", "graveyard"})}};
        const QSet<QString> apertium{QStringLiteral("por qué"), QStringLiteral("sobre todo"), QStringLiteral("porqué")};
        QStringList details;
        QCOMPARE(splitPhrasesPairedBack(englishSpanish, spanishEnglish, apertium, details), 2);
        QCOMPARE(row(englishSpanish, QStringLiteral("what for")), wordList({"por qué"}));
        QCOMPARE(row(englishSpanish, QStringLiteral("above all")), wordList({"sobre todo"}));
        QCOMPARE(row(englishSpanish, QStringLiteral("graveyard")), wordList({"cementerio", "camposanto"}));
        QCOMPARE(details.size(), 2);
    }

    void headwordsNeverTakeTheSensesOfALongerPhrase()
    {
        // "be" has only phrase pronunciations in eng-spa and none in eng-fra.
        QVector<DictdEntry> entries{entry("be", "brɔŋ", "no tener razón"), entry("be", "bbɔːn", "nacer"),
                                    entry("be", "bwəːθ", "valer"),
                                    // Two pronunciations of a word: no phrase.
                                    entry("live", "liv", "vivir"), entry("live", "laiv", "vivo"),
                                    // Two sounds more than letters, but nothing shorter known.
                                    entry("mosaic", "mouzeiik", "mosaico"),
                                    // eng-fra's own IPA is much shorter.
                                    entry("butcher", "butʃəzʃɔp", "carnicería"),
                                    // One sound more than eng-fra's.
                                    entry("minute", "mainjuːt", "minucioso")};
        const QHash<QString, QString> own{{QStringLiteral("butcher"), QStringLiteral("butʃər")},
                                          {QStringLiteral("minute"), QStringLiteral("minit")}};
        const QHash<QString, QStringList> reverse{{QStringLiteral("no tener razón"), {QStringLiteral("be wrong")}},
                                                  {QStringLiteral("nacer"), {QStringLiteral("be born")}}};
        HeadwordRepairs report;
        const QVector<DictdEntry> kept = repairCutHeadwords(entries, own, {}, reverse, report);
        QStringList headwords;
        for (const DictdEntry &e : kept)
            headwords.append(e.headword);
        QCOMPARE(headwords, (QStringList{QStringLiteral("be wrong"), QStringLiteral("be born"), QStringLiteral("live"),
                                         QStringLiteral("live"), QStringLiteral("mosaic"), QStringLiteral("minute")}));
        QCOMPARE(report.repaired, 2);
        QCOMPARE(report.dropped, 2);  // be /bwəːθ/ and butcher /butʃəzʃɔp/: no phrase found
        QCOMPARE(report.cutWords, (QStringList{QStringLiteral("be"), QStringLiteral("butcher")}));
        QVERIFY(isLongerThanTheWord(QStringLiteral("be"), QStringLiteral("brɔŋ"), 2));
        QVERIFY(!isLongerThanTheWord(QStringLiteral("be"), QStringLiteral("brɔŋ")));
        QVERIFY(!isLongerThanTheWord(QStringLiteral("be"), QStringLiteral("biː rɔŋ"), 2));
    }

    void givesAHeadwordToThePhraseItsIpaAndTheReverseSpell()
    {
        // eng-spa "ward /wɔːdɔf/: repeler", with no IPA of "ward" alone to
        // compare with; eng-fra "ward off /wɔːdɔf/"; spa-eng "repeler:
        // protect from, wardoff", its glued item written apart.
        const QHash<QString, QString> phrases{{QStringLiteral("wɔːdɔf"), QStringLiteral("ward off")}};
        const QHash<QString, QStringList> reverse{
            {QStringLiteral("repeler"), {QStringLiteral("protect from"), QStringLiteral("ward off")}}};
        HeadwordRepairs report;
        QVector<DictdEntry> kept = repairCutHeadwords({entry("ward", "wɔːdɔf", "repeler")}, {}, phrases, reverse, report);
        QCOMPARE(kept.value(0).headword, QStringLiteral("ward off"));
        QCOMPARE(report.cutWords, QStringList{QStringLiteral("ward")});
        // The glued item counts as well; a reverse dictionary that does not
        // give the phrase leaves the entry to the word.
        kept = repairCutHeadwords({entry("ward", "wɔːdɔf", "repeler")}, {}, phrases,
                                  {{QStringLiteral("repeler"), {QStringLiteral("wardoff")}}}, report);
        QCOMPARE(kept.value(0).headword, QStringLiteral("ward off"));
        kept = repairCutHeadwords({entry("ward", "wɔːdɔf", "repeler")}, {}, phrases,
                                  {{QStringLiteral("repeler"), {QStringLiteral("repel")}}}, report);
        QCOMPARE(kept.value(0).headword, QStringLiteral("ward"));
    }

    void givesAHeadwordToThePhraseItsOnlyTranslationIsTheReversesOf()
    {
        // eng-spa "whipped /wiptkriːm/: natabatida" and "sports /spɔːtsʃəːt/:
        // camisadedeporte", written apart; spa-eng "nata batida: whippedcream"
        // and "camisa de deporte: sportsshirt", written apart too. The IPA
        // has only a sound or two more than the word has letters.
        const QHash<QString, QStringList> reverse{
            {QStringLiteral("nata batida"), {QStringLiteral("whipped cream")}},
            {QStringLiteral("camisa de deporte"), {QStringLiteral("sports shirt")}},
            {QStringLiteral("carne"), {QStringLiteral("meat"), QStringLiteral("minced meat")}}};
        HeadwordRepairs report;
        QVector<DictdEntry> kept = repairCutHeadwords(
            {entry("whipped", "wiptkriːm", "nata batida"), entry("sports", "spɔːtsʃəːt", "camisa de deporte")}, {}, {},
            reverse, report);
        QCOMPARE(kept.value(0).headword, QStringLiteral("whipped cream"));
        QCOMPARE(kept.value(1).headword, QStringLiteral("sports shirt"));
        // A translation of one word, a second translation, or an IPA no
        // longer than the word leaves the entry to the word.
        DictdEntry twoItems = entry("sports", "spɔːtsʃəːt", "camisa de deporte");
        twoItems.translations.append(QStringLiteral("deportes"));
        kept = repairCutHeadwords({entry("minced", "minstmiːt", "carne"), twoItems,
                                   entry("whipped", "wipt", "nata batida")},
                                  {}, {}, reverse, report);
        QCOMPARE(kept.value(0).headword, QStringLiteral("minced"));
        QCOMPARE(kept.value(1).headword, QStringLiteral("sports"));
        QCOMPARE(kept.value(2).headword, QStringLiteral("whipped"));
    }

    void writesApartItemsThatRunAPairedPhraseTogether()
    {
        // eng-spa "run /rʌnɔːwei/: huir", made whole again, and "some one:
        // alguien"; spa-eng "huir: flee, runaway", "alguien: some one,
        // someone", "cometa: kite" (no phrase pairs "kite" with it).
        DictdEntry runAway = entry("run away", "rʌnɔːwei", "huir");
        DictdEntry someOne = entry("some one", "", "alguien");
        DictdEntry huir = entry("huir", "wˈiɾ", "flee");
        huir.translations.append(QStringLiteral("runaway"));
        DictdEntry alguien = entry("alguien", "", "some one");
        alguien.translations.append(QStringLiteral("someone"));
        // "turn away: apartar" pairs the phrase with another word.
        DictdEntry volver = entry("volver", "", "turnaway");
        QVector<DictdEntry> spaEng{huir, alguien, volver};
        QStringList details;
        QCOMPARE(splitPairedPhrases(spaEng, {runAway, someOne, entry("turn away", "", "apartar")}, details), 1);
        QCOMPARE(spaEng.at(0).translations, (QStringList{QStringLiteral("flee"), QStringLiteral("run away")}));
        QCOMPARE(spaEng.at(1).translations, (QStringList{QStringLiteral("some one"), QStringLiteral("someone")}));
        QCOMPARE(spaEng.at(2).translations, QStringList{QStringLiteral("turnaway")});
        QCOMPARE(details.size(), 1);
    }

    void writesApartGluedHeadwordsOfAWrittenPhrase()
    {
        // eng-spa "busstop /bʌsstp/: paradadelautobús" beside "bus stop";
        // "sideboard" and "Costarica" are left as they are: a word of the
        // list, and a capitalised headword.
        QVector<DictdEntry> engSpa{entry("busstop", "bʌsstp", "parada del autobús"),
                                   entry("sideboard", "saidbɔːd", "armario"),
                                   entry("Costarica", "", "Costa Rica"), entry("airbed", "ɛəbed", "hinchable")};
        const QSet<QString> phrases{QStringLiteral("bus stop"), QStringLiteral("side board"),
                                    QStringLiteral("costa rica")};
        const QSet<QString> wordList{QStringLiteral("sideboard"), QStringLiteral("bus"), QStringLiteral("stop")};
        const auto noRanks = [](const QString &) { return 0; };
        QStringList details;
        QCOMPARE(splitGluedHeadwords(engSpa, phrases, wordList, {}, noRanks, details), 1);
        QStringList headwords;
        for (const DictdEntry &e : std::as_const(engSpa))
            headwords.append(e.headword);
        QCOMPARE(headwords, (QStringList{QStringLiteral("bus stop"), QStringLiteral("sideboard"),
                                         QStringLiteral("Costarica"), QStringLiteral("airbed")}));
        // Without a word list no headword is known to be glued.
        QCOMPARE(splitGluedHeadwords(engSpa, phrases, {}, {}, noRanks, details), 0);

        // No phrase has "alarm bell"; eng-spa's IPA is that of "alarm" and
        // "bell". "whimstone" (whinstone) sounds as "whim" and "stone", but
        // "whim" is no common word; "ad" + "stringent" is too short a piece.
        QVector<DictdEntry> byIpa{entry("alarmbell", "əlɑːmbel", "timbre de alarma"),
                                  entry("whimstone", "wimstoun", "basalto"),
                                  entry("adstringent", "ədstrindʒənt", "astringente")};
        const QHash<QString, QString> own{{QStringLiteral("alarm"), QStringLiteral("əlˈɑːm")},
                                          {QStringLiteral("bell"), QStringLiteral("bel")},
                                          {QStringLiteral("whim"), QStringLiteral("wim")},
                                          {QStringLiteral("stone"), QStringLiteral("stoun")},
                                          {QStringLiteral("ad"), QStringLiteral("əd")},
                                          {QStringLiteral("stringent"), QStringLiteral("strindʒənt")}};
        const auto rankOf = [](const QString &word) {
            return QStringList{QStringLiteral("alarm"), QStringLiteral("bell"), QStringLiteral("stone"),
                               QStringLiteral("ad"), QStringLiteral("stringent")}
                       .indexOf(word)
                   + 1;
        };
        QCOMPARE(splitGluedHeadwords(byIpa, {}, wordList, own, rankOf, details), 1);
        QCOMPARE(byIpa.at(0).headword, QStringLiteral("alarm bell"));
        QCOMPARE(byIpa.at(1).headword, QStringLiteral("whimstone"));
        QCOMPARE(byIpa.at(2).headword, QStringLiteral("adstringent"));
    }

    void weighsAHeadwordWrittenApartAgainstApertium()
    {
        // eng-spa "battlefront /bætlfrʌnt/: frontón" is written apart into
        // the phrase of spa-eng's rows, after the core words were taken;
        // Apertium has "battle front<n>" -> "frente# de batalla<n><m>" both
        // ways. The phrase is a word of the Spanish pairs, so Apertium's
        // translation leads and the glued entry's pelota court goes.
        QVector<DictdEntry> engSpa{entry("battle", "bætl", "batalla"), entry("battlefront", "bætlfrʌnt", "frontón")};
        const QStringList core{QStringLiteral("battle"), QStringLiteral("battlefront")};
        QStringList details;
        QCOMPARE(splitGluedHeadwords(engSpa, {QStringLiteral("battle front")}, {QStringLiteral("battle")}, {},
                                     [](const QString &) { return 0; }, details),
                 1);
        const QStringList words = withWrittenApartHeadwords(core, engSpa);
        QCOMPARE(words, (QStringList{QStringLiteral("battle"), QStringLiteral("battlefront"),
                                     QStringLiteral("battle front")}));
        const SenseRows englishSpanish{{QStringLiteral("battle"), {QStringLiteral("batalla")}},
                                       {QStringLiteral("battle front"), {QStringLiteral("frontón")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("frontón"), {QStringLiteral("façade"), QStringLiteral("front"),
                                         QStringLiteral("battlefront"), QStringLiteral("frontage")}}};
        const SpanishCore merged = mergeSpanishLexicon(
            words, englishSpanish, spanishEnglish,
            tagged({{"battle front", "n", "frente de batalla", "n"}, {"battle", "n", "batalla", "n"}}),
            tagged({{"frente de batalla", "n", "battle front", "n"}, {"batalla", "n", "battle", "n"}}));
        QCOMPARE(row(merged.englishSpanish, QStringLiteral("battle front")),
                 QStringList{QStringLiteral("frente de batalla")});
        QCOMPARE(row(merged.spanishEnglish, QStringLiteral("frente de batalla")),
                 QStringList{QStringLiteral("battle front")});
        // A headword eng-spa and the core words share is not taken twice.
        QCOMPARE(withWrittenApartHeadwords(words, engSpa), words);
    }

    void leadsAnIngFormWithFreedictsAdjectiveBeforeApertiumsNoun()
    {
        // eng-spa "pressing /presiŋ/: urgente", spa-eng "urgente: pressing,
        // urgent"; Apertium has "pressing<n>" -> "prensado<n><m>" both ways,
        // "press<vblex>" -> "pulsar" and "urgente<adj>" -> "urgent".
        const SenseRows englishSpanish{{QStringLiteral("pressing"), {QStringLiteral("urgente")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("urgente"), {QStringLiteral("pressing"), QStringLiteral("urgent")}}};
        const QVector<LexiconEntry> forward =
            tagged({{"pressing", "n", "prensado", "n"}, {"press", "vblex", "pulsar", "vblex"}});
        const QVector<LexiconEntry> backward =
            tagged({{"prensado", "n", "pressing", "n"}, {"urgente", "adj", "urgent", "adj"}});
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("pressing")}, englishSpanish, spanishEnglish, forward, backward);
        QCOMPARE(row(core.englishSpanish, QStringLiteral("pressing")),
                 (QStringList{QStringLiteral("urgente"), QStringLiteral("prensado")}));

        // Without the verb the word is no "-ing" form ("offspring<n>" ->
        // "descendencia"), and FreeDict's adjective keeps its rank.
        const SpanishCore noVerb = mergeSpanishLexicon(
            {QStringLiteral("pressing")}, englishSpanish, spanishEnglish,
            tagged({{"pressing", "n", "prensado", "n"}}), backward);
        QCOMPARE(row(noVerb.englishSpanish, QStringLiteral("pressing")),
                 (QStringList{QStringLiteral("prensado"), QStringLiteral("urgente")}));
    }

    void leadsWithTheCognateOfFreedictsFirstSense()
    {
        auto lexicon = [](std::initializer_list<std::array<const char *, 4>> lines) {
            QVector<LexiconEntry> entries;
            for (const auto &[source, sourceTag, target, targetTag] : lines) {
                entries.append({QString::fromUtf8(source), {QString::fromUtf8(sourceTag)}, QString::fromUtf8(target),
                                {QString::fromUtf8(targetTag)}});
            }
            return entries;
        };
        // eng-spa "blank /blæŋk/ / 1. blanco / 2. formulario, hoja" and
        // "act /ækt/ / 1. acta, certificado / 2. cometer, ... / 3. acción";
        // spa-eng "formulario: blank, form", "hoja: 1. leaf, sheet 2.
        // blank, form", "blanco: white". Apertium pairs "blank" only as the
        // noun "espacio", and "blanco" with "white".
        const SenseRows englishSpanish{
            {QStringLiteral("blank"), {QStringLiteral("blanco"), QStringLiteral("formulario"), QStringLiteral("hoja")}},
            {QStringLiteral("act"), {QStringLiteral("acta"), QStringLiteral("certificado"), QStringLiteral("acción")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("formulario"), {QStringLiteral("blank"), QStringLiteral("form")}},
            {QStringLiteral("hoja"),
             {QStringLiteral("leaf"), QStringLiteral("sheet"), QStringLiteral("blank"), QStringLiteral("form")}},
            {QStringLiteral("blanco"), {QStringLiteral("white")}}};
        const QVector<LexiconEntry> forward =
            lexicon({{"blank", "n", "espacio", "n"}, {"space", "n", "espacio", "n"}, {"white", "adj", "blanco", "adj"},
                     {"form", "n", "formulario", "n"}, {"sheet", "n", "hoja", "n"}, {"act", "vblex", "actuar", "vblex"},
                     {"act", "n", "acto", "n"}, {"act", "n", "acción", "n"}});
        const QVector<LexiconEntry> backward =
            lexicon({{"blanco", "adj", "white", "adj"}, {"espacio", "n", "space", "n"}, {"acta", "n", "record", "n"},
                     {"acto", "n", "act", "n"}, {"actuar", "vblex", "act", "vblex"}});
        const QHash<QString, QStringList> firstSenses{
            {QStringLiteral("blank"), {QStringLiteral("blanco")}},
            {QStringLiteral("act"), {QStringLiteral("acta"), QStringLiteral("certificado")}}};
        const SpanishCore core =
            mergeSpanishLexicon({QStringLiteral("blank"), QStringLiteral("act")}, englishSpanish, spanishEnglish, forward,
                                backward, {}, {}, {}, {}, {}, firstSenses);
        // Only FreeDict eng-spa gives "blanco", but it is the first sense and
        // begins like the word; without the first senses it was left out.
        QCOMPARE(row(core.englishSpanish, QStringLiteral("blank")),
                 (QStringList{QStringLiteral("blanco"), QStringLiteral("espacio"), QStringLiteral("formulario"),
                              QStringLiteral("hoja")}));
        // Three letters are too short a start to tell a cognate by.
        QVERIFY(!row(core.englishSpanish, QStringLiteral("act")).contains(QStringLiteral("acta")));
    }

    void leadsANounWithApertiumsMainNoun()
    {
        // eng-spa "benefit /benifit/: 1. ventaja 2. provecho"; spa-eng
        // "provecho: 1. benefit, gain, profit", "ventaja: 1. advantage,
        // benefit"; Apertium eng-spa "benefit<n>" -> "beneficio",
        // "prestación", "benefit<vblex>" -> "beneficiar", and spa-eng pairs
        // "provecho", "prestación" and "beneficiar" with "benefit".
        const SenseRows englishSpanish{
            {QStringLiteral("benefit"), {QStringLiteral("ventaja"), QStringLiteral("provecho")}}};
        const SenseRows spanishEnglish{
            {QStringLiteral("provecho"), {QStringLiteral("benefit"), QStringLiteral("gain"), QStringLiteral("profit")}},
            {QStringLiteral("ventaja"), {QStringLiteral("advantage"), QStringLiteral("benefit")}}};
        const QVector<LexiconEntry> forward = tagged({{"benefit", "n", "beneficio", "n"},
                                                      {"benefit", "n", "prestación", "n"},
                                                      {"benefit", "vblex", "beneficiar", "vblex"}});
        const QVector<LexiconEntry> backward = tagged({{"provecho", "n", "benefit", "n"},
                                                       {"prestación", "n", "benefit", "n"},
                                                       {"beneficiar", "vblex", "benefit", "vblex"},
                                                       {"beneficio", "n", "profit", "n"}});
        const auto merged = [&](EnglishWordUses uses) {
            const SpanishCore core = mergeSpanishLexicon({QStringLiteral("benefit")}, englishSpanish, spanishEnglish,
                                                         forward, backward, {}, {{QStringLiteral("benefit"), uses}});
            return row(core.englishSpanish, QStringLiteral("benefit"));
        };
        // A word trans-de-en uses mostly as a noun.
        QCOMPARE(merged({1, 6}).value(0), QStringLiteral("beneficio"));
        // One used as a verb about as often keeps FreeDict's lead.
        QCOMPARE(merged({3, 4}).value(0), QStringLiteral("provecho"));
    }

    void keepsFreedictTablesWithoutTheLexicons()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString dictd = QDir(root.path()).filePath(QStringLiteral("dictd"));
        QVERIFY(QDir().mkpath(dictd));
        testing::writeFreedictDirectory(dictd, 12);
        // No apertium folder beside the dictionaries (and no trans-de-en list:
        // the German pairs come from the test dictionaries).
        QStringList steps;
        const FreedictTables tables = importFreedict(dictd, QDir(root.path()).filePath(QStringLiteral("no-trans-de-en")),
                                                     [&steps](const QString &step) { steps.append(step); });
        QVERIFY2(tables.report.lexiconProblem.contains(QLatin1String("apertium-eng-spa")),
                 qPrintable(tables.report.lexiconProblem));
        QVERIFY(steps.join(QLatin1Char('\n')).contains(QLatin1String("FreeDict only")));
        // The test dictionaries' 12 made-up words, and a row for each
        // everyday word of the supplement, which they all lack.
        QCOMPARE(tables.tables[0].size(), 12 + everydaySupplement().size());
        for (const WordRow &row : tables.tables[0]) {
            const bool fromSupplement
                = std::any_of(everydaySupplement().cbegin(), everydaySupplement().cend(),
                              [&row](const SupplementEntry &entry) { return entry.english == *row.source; });
            if (!fromSupplement)
                QCOMPARE(row.target, std::optional<QString>(*row.source + QLatin1Char('o')));
        }
        QCOMPARE(tables.report.spanishRowsAdded, 0);

        // With the lexicon but without lt-print.
        const QString lexicon = QDir(root.path()).filePath(QStringLiteral("eng-spa.autobil.bin"));
        QFile file(lexicon);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(root.path()));
        LexiconPrinter printer(lexicon, QStringLiteral("apertium-eng-spa"));
        qputenv("PATH", path);
        QString problem;
        QVERIFY(printer.entries(1000, problem).isEmpty());
        QVERIFY2(problem.contains(QLatin1String("lttoolbox-dev")), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestSpanishLexicon)
#include "tst_spanish_lexicon.moc"
