#include "data/bundled_data.h"

#include "data/store_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorbix {

QStringList bundledDataFolders()
{
    QStringList folders;
    const QString besideProgram = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/../share/vorbix/words"));
    folders.append(besideProgram);
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QStringLiteral("/vorbix/words"));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

QStringList seedMissingDatabases(const QString &dataRoot, const QStringList &bundles)
{
    QStringList copied;
    for (const char *drivePath : {files::kMain, files::kLearningFrench, files::kTestSettings}) {
        const QString target = mapDrivePath(QLatin1String(drivePath), dataRoot);
        if (QFileInfo::exists(target))
            continue;
        const QString relative = QDir(dataRoot).relativeFilePath(target);
        for (const QString &bundle : bundles) {
            const QString source = QDir(bundle).filePath(relative);
            if (!QFileInfo(source).isFile())
                continue;
            QDir().mkpath(QFileInfo(target).path());
            // Copied under a temporary name and then renamed: the target
            // never exists half-written. Rename does not replace a file that
            // another copy of the program created meanwhile.
            const QString partial = target + QStringLiteral(".seeding");
            QFile::remove(partial);
            if (QFile::copy(source, partial)) {
                QFile(partial).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ReadGroup | QFileDevice::ReadOther);
                if (QFile::rename(partial, target))
                    copied.append(relative);
            }
            QFile::remove(partial);
            break;
        }
    }
    return copied;
}

} // namespace vorbix
