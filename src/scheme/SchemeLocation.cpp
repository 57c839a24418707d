#include "SchemeLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace scheme {

namespace {

const QString SchemeName = QStringLiteral("Data.inf");

} // namespace

SchemePlace schemePlace(const QString &programFolder, const QString &userDataFolder, const QString &shippedDefault)
{
    const QString besideProgram = QDir(programFolder).filePath(SchemeName);
    if (QFileInfo::exists(besideProgram) && QFileInfo(programFolder).isWritable())
        return {besideProgram, QString()};
    return {QDir(userDataFolder).filePath(SchemeName), QFileInfo::exists(besideProgram) ? besideProgram : shippedDefault};
}

SchemePlace installedSchemePlace()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return schemePlace(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                       programFolder + QStringLiteral("/" LAMPOTRON_SHIPPED_SCHEME));
}

std::optional<QString> makeFirstCopy(const SchemePlace &place)
{
    if (QFileInfo::exists(place.path) || place.firstCopyFrom.isEmpty())
        return std::nullopt;
    QFile source(place.firstCopyFrom);
    if (!source.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SchemeLocation", "%1 cannot be read: %2")
            .arg(place.firstCopyFrom, source.errorString());
    if (!QDir().mkpath(QFileInfo(place.path).path()))
        return QCoreApplication::translate("SchemeLocation", "the folder %1 cannot be made").arg(QFileInfo(place.path).path());
    QSaveFile copy(place.path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(source.readAll()) != source.size() || !copy.commit())
        return QCoreApplication::translate("SchemeLocation", "%1 cannot be written: %2").arg(place.path, copy.errorString());
    return std::nullopt;
}

} // namespace scheme
