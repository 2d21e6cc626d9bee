#include "data/word_count.h"

#include "data/cursor.h"
#include "data/language_pairs.h"
#include "data/record_error.h"
#include "data/schema.h"
#include "data/settings_record.h"

namespace vorbix {

int countFromLastRecord(Cursor &words)
{
    // Counting is where a screen takes up a pair (its option handler always
    // counts), so a table replaced by an import since is read again here.
    words.refresh();
    words.moveLast();
    const int count = words.index();
    if (count < -32768 || count > schema::kMaxRows)
        throw RecordError(QStringLiteral("Table %1 has more words than the program can count.")
                              .arg(QLatin1String(words.pair().tableCode)));
    return count;
}

void storeCount(SettingsRecord &settings, Cursor &words, int count)
{
    settings.write(QLatin1String(words.pair().tableCode), count);
}

int wordCount(SettingsRecord &settings, Cursor &words)
{
    const SettingsRecord::Values values = settings.read();
    // A cached count that is missing or out of range is not trusted: it is
    // counted again and rewritten, as for another pair.
    if (values.current == QLatin1String(words.pair().tableCode) && values.count
        && *values.count >= 1 && *values.count <= schema::kMaxRows) {
        return int(*values.count);
    }
    const int count = countFromLastRecord(words);
    storeCount(settings, words, count);
    return count;
}

} // namespace vorbix
