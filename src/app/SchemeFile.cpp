#include "SchemeFile.h"

#include "SchemeLocation.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString schemeFile()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return pattern::schemeLocation(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                   programFolder + QStringLiteral("/" LAMPOTRON_SHIPPED_SCHEME));
}
