#pragma once

#include <QDateTime>
#include <QString>

// The scheme file this user's program plays and builds, with the drafts of
// builds cut short before `started` cleared away. Needs the application
// object for the program's folder and the user's data folder.
QString schemeFile(const QDateTime &started);
