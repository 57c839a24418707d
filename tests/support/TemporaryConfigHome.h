#pragma once

#include <QTemporaryDir>

// Points the settings of this test process at a folder of its own. Call it
// before the application object exists: Qt reads the location only once.
inline QTemporaryDir &useTemporaryConfigHome()
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    return home;
}
