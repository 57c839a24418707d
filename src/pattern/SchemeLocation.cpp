#include "SchemeLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pattern {

namespace {

const QString SchemeName = QStringLiteral("Data.inf");

void copyOnce(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(to).path()))
        return;
    QSaveFile copy(to);
    if (copy.open(QIODevice::WriteOnly) && copy.write(source.readAll()) == source.size())
        copy.commit();
}

} // namespace

QString schemeLocation(const QString &programFolder, const QString &userDataFolder, const QString &shippedDefault)
{
    const QString besideProgram = QDir(programFolder).filePath(SchemeName);
    if (QFileInfo::exists(besideProgram) && QFileInfo(programFolder).isWritable())
        return besideProgram;
    const QString own = QDir(userDataFolder).filePath(SchemeName);
    if (!QFileInfo::exists(own))
        copyOnce(QFileInfo::exists(besideProgram) ? besideProgram : shippedDefault, own);
    return own;
}

} // namespace pattern
