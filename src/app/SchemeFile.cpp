#include "SchemeFile.h"

#include "SchemeLocation.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString schemeFile(const QDateTime &started)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString path = pattern::schemeLocation(programFolder,
                                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                                 programFolder + QStringLiteral("/" LAMPOTRON_SHIPPED_SCHEME));
    pattern::removeStaleDrafts(path, started);
    return path;
}
