#include "data/import/accents.h"

namespace vorbix::import {

QString withoutAccents(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c);
    }
    return plain;
}

} // namespace vorbix::import
