#include "data/store_paths.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace vorbix {

QString defaultDataRoot()
{
    // GenericDataLocation honours $XDG_DATA_HOME and falls back to ~/.local/share.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("vorbix"));
}

QString mapDrivePath(const QString &drivePath, const QString &dataRoot)
{
    QString rest = drivePath;
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':'))
        rest = rest.mid(2);
    QStringList parts = rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty()) {
        QString &name = parts.last();
        if (name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            name = name.left(name.size() - 4) + QLatin1String(".db");
    }
    return QDir::cleanPath(dataRoot + QLatin1Char('/') + parts.join(QLatin1Char('/')));
}

} // namespace vorbix
