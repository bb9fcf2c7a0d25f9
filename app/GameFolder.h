// Where the game keeps its saved games and RecFile.
#pragma once

#include <QString>

namespace tavorin::app {

// Started from its own build folder (`make run`), the game keeps its files in the current directory
// as it always has. Installed, it was started from wherever the desktop chose and its own folder is
// not the player's, so they go to the user's data folder `dataDir`, created when missing; a data
// folder that cannot be created leaves them in the current directory.
QString chooseGameFolder(const QString& programDir, const QString& buildDir, const QString& currentDir,
                         const QString& dataDir);

} // namespace tavorin::app
