#include "app/GameFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tavorin::app {

namespace {
// The same folder however it is spelled (a link, a trailing slash); a folder that does not exist is
// compared as written.
QString sameFolder(const QString& dir) {
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
}
} // namespace

QString chooseGameFolder(const QString& programDir, const QString& buildDir, const QString& currentDir,
                         const QString& dataDir) {
    if (!buildDir.isEmpty() && sameFolder(programDir) == sameFolder(buildDir)) return currentDir;
    if (dataDir.isEmpty() || !QDir().mkpath(dataDir)) return currentDir;
    return dataDir;
}

} // namespace tavorin::app
