// The answer scoring and the letter check on any pair of texts: the right
// answer, a newline, the typed answer.
#include "fuzz_check.h"
#include "writing_test/answer_scoring.h"

#include <QString>
#include <QStringList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf(QLatin1Char('\n'));
    const QString right = split < 0 ? input : input.left(split);
    const QString answer = split < 0 ? QString() : input.mid(split + 1);

    const float score = vorbix::scoreAnswer(right, answer);
    FUZZ_CHECK(score >= 1.0f && score <= 10.0f);
    if (vorbix::normalisedAnswer(right) == vorbix::normalisedAnswer(answer))
        FUZZ_CHECK(score == 10.0f);
    // Scoring is a function of the texts: the same texts, the same score.
    FUZZ_CHECK(vorbix::scoreAnswer(right, answer) == score);

    const QStringList refused = vorbix::refusedCharacters(answer);
    FUZZ_CHECK(refused.size() <= answer.size());
    for (const QString &character : refused)
        FUZZ_CHECK(!character.isEmpty() && character != QLatin1String("-") && character != QLatin1String(" "));
    return 0;
}
