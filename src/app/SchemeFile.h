#pragma once

#include <QString>

// The scheme file this user's program plays and builds. Needs the
// application object for the program's folder and the user's data folder.
QString schemeFile();
