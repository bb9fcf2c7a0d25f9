// Shared by the start, setup and chooser suites: files in a temporary game folder, and the game the
// program would build from the setup window's NewGameSetup.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include "engine/Game.h"
#include "tests/ui/QtSupport.h"

namespace tavorin::test {

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A real picture in a format the game reads (the format follows the file's extension).
inline bool writePicture(const QString& path) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    return image.save(path);
}

// A Windows metafile header: the extension is accepted by the chooser but the toolkit cannot read it.
inline QByteArray wmfBytes() {
    return QByteArray::fromHex("d7cdc69a00000000000000100010a0050000000000000900000103000000000000000000");
}

// What the program does with the setup window's answer: a fresh game through Game::NewGame.
struct StartedGame {
    ScriptedRandom random;
    QuietView view;
    Game game{random, view};
    explicit StartedGame(const NewGameSetup& setup) { game.NewGame(setup); }
    int ownedDeeds() const {
        int n = 0;
        for (int d = 1; d <= kDeeds; ++d) n += game.state().deed(d).Owner != 0;
        return n;
    }
};

} // namespace tavorin::test
