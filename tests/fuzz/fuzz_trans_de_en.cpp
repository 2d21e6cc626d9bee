// The readers of trans-de-en's lines (chosen by the first byte): one line's
// synonyms, the count of how the English sides use a word, the whole
// ranking of a small file for a few English words, and the German pivot's
// links between a foreign word and English ones.
#include "data/import/english_word_uses.h"
#include "data/import/german_core.h"
#include "data/import/german_pivot.h"
#include "data/import/trans_de_en.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace vorbix::import;

namespace {

// Words the seeds use as nouns, verbs and markers.
const QStringList kWords{QStringLiteral("harbour"), QStringLiteral("pump"), QStringLiteral("to"),
                         QStringLiteral("sb."), QStringLiteral("stop")};

// Every word of a row is a clean item: something left, no separator of
// items or sections.
void checkItems(const QHash<QString, QStringList> &rows)
{
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        for (const QString &item : row.value()) {
            FUZZ_CHECK(!item.trimmed().isEmpty());
            FUZZ_CHECK(!item.contains(QLatin1String(" :: ")));
            FUZZ_CHECK(!item.contains(QLatin1Char('\n')));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 4) {
    case 0: {
        const QSet<QString> words(kWords.cbegin(), kWords.cend());
        const QHash<QString, EnglishWordUses> uses = englishWordUsesInTrans(text, words);
        for (auto use = uses.cbegin(); use != uses.cend(); ++use) {
            FUZZ_CHECK(words.contains(use.key()));
            FUZZ_CHECK(use.value().verb >= 0 && use.value().other >= 0);
            FUZZ_CHECK(use.value().verb + use.value().other > 0);
        }
        break;
    }
    case 1:
        for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
            const TransEntry entry = parseTransEntry(line);
            for (const QVector<TransSynonym> *side : {&entry.german, &entry.english}) {
                for (const TransSynonym &synonym : *side)
                    FUZZ_CHECK(!synonym.text.isEmpty());
            }
        }
        break;
    case 2: {
        const GermanSources sources = germanSourcesFromTrans(text, kWords);
        checkItems(sources.englishToGerman);
        checkItems(sources.germanToEnglish);
        break;
    }
    case 3: {
        // A link needs a German word the pivot knows, and counts German words.
        GermanPivot pivot;
        const QStringList german{QStringLiteral("flechten"), QStringLiteral("Abbau"), QStringLiteral("Hafen"),
                                 QStringLiteral("entmachten")};
        pivot.addForeignGerman(QStringLiteral("tresser"), german);
        pivot.addTransDeEn(text);
        for (const QString &english : kWords + QStringList{QStringLiteral("braid"), QStringLiteral("disempower sb.")}) {
            const int links = pivot.links(QStringLiteral("tresser"), english);
            FUZZ_CHECK(links >= 0 && links <= german.size());
            FUZZ_CHECK(links == 0 || pivot.knows(QStringLiteral("tresser")));
            FUZZ_CHECK(pivot.links(QStringLiteral("unknown"), english) == 0);
        }
        break;
    }
    }
    return 0;
}
