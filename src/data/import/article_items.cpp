#include "data/import/article_items.h"

#include <QSet>
#include <QStringList>

#include <cstring>

namespace vorbix::import {

namespace {

// The articles of a language. The French forms an article merges into
// with a preposition ("au", "aux", "du") are none: "aux" is "to the", and
// "the" alone would teach the article.
const QSet<QString> &articlesOf(const char *field)
{
    static const QSet<QString> spanish{QStringLiteral("el"),  QStringLiteral("la"),  QStringLiteral("los"),
                                       QStringLiteral("las"), QStringLiteral("lo"),  QStringLiteral("un"),
                                       QStringLiteral("una"), QStringLiteral("uno"), QStringLiteral("unos"),
                                       QStringLiteral("unas")};
    static const QSet<QString> french{QStringLiteral("le"), QStringLiteral("la"), QStringLiteral("les"),
                                      QStringLiteral("l'"), QStringLiteral("un"), QStringLiteral("une"),
                                      QStringLiteral("des")};
    static const QSet<QString> german{QStringLiteral("der"),   QStringLiteral("die"),   QStringLiteral("das"),
                                      QStringLiteral("den"),   QStringLiteral("dem"),   QStringLiteral("des"),
                                      QStringLiteral("ein"),   QStringLiteral("eine"),  QStringLiteral("einen"),
                                      QStringLiteral("einem"), QStringLiteral("einer"), QStringLiteral("eines")};
    static const QSet<QString> none;
    if (std::strcmp(field, "spa") == 0)
        return spanish;
    if (std::strcmp(field, "fra") == 0)
        return french;
    if (std::strcmp(field, "ger") == 0)
        return german;
    return none;
}

bool isEnglishArticle(const QString &word)
{
    const QString lower = word.toLower();
    return lower == QLatin1String("a") || lower == QLatin1String("an") || lower == QLatin1String("the");
}

} // namespace

int keepArticlesToArticles(QVector<WordRow> &rows, const char *otherField, bool englishFirst)
{
    const QSet<QString> &articles = articlesOf(otherField);
    if (articles.isEmpty())
        return 0;
    int changed = 0;
    for (WordRow &row : rows) {
        if (!row.source || !row.target || row.target->isEmpty())
            continue;
        const QString headword = row.source->trimmed();
        const QStringList items = row.target->split(QLatin1String(", "));
        QStringList kept;
        if (englishFirst) {
            if (!isEnglishArticle(headword))
                continue;
            for (const QString &item : items) {
                if (articles.contains(item.toLower()))
                    kept.append(item);
            }
        } else {
            if (articles.contains(headword.toLower()))
                continue;
            for (const QString &item : items) {
                if (!isEnglishArticle(item) || item.compare(headword, Qt::CaseInsensitive) == 0)
                    kept.append(item);
            }
        }
        if (kept.isEmpty() || kept.size() == items.size())
            continue;
        row.target = kept.join(QLatin1String(", "));
        ++changed;
    }
    return changed;
}

} // namespace vorbix::import
