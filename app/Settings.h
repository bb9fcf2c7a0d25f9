// What the game remembers between runs: the layout, the computer's speed, how a token may be moved,
// where each window stood and the last new game's players. It lives in the desktop's usual place for
// settings; a test gives it a file of its own, and a Settings made without a file remembers only for as long
// as it lives.
//
// A file that cannot be read, or a value in it that the game cannot use, gives the default: a
// damaged file never stops the game from starting, and the next change writes a sound one.
#pragma once

#include <map>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QVariant>

#include "setup/NewGameRules.h"

class QSettings;

namespace tavorin::app {

enum class WindowLayout { TwoWindows, OneWindow };
// The main window's text: the desktop's size, or a step smaller or larger than it.
enum class TextSize { Smaller, Desktop, Larger, Largest };

class Settings {
public:
    // `file` empty: nothing is read or written.
    explicit Settings(const QString& file = {});
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The file of the desktop's usual place for this user's settings of the game.
    static QString desktopFile();

    QString fileName() const { return file_; }

    WindowLayout layout() const;
    void setLayout(WindowLayout layout);
    TextSize textSize() const;
    void setTextSize(TextSize size);
    // How much larger than designed the windows' text is drawn, for a desktop whose own text is
    // `desktopPointSize` points.
    static double textScale(TextSize size, double desktopPointSize);
    // The same for the chosen size on this desktop.
    double textScale() const;
    // The speed option a new game starts with, 1 ("เร็วที่สุด") to 5 ("ช้าที่สุด").
    int speedOption() const;
    // Whether the game's log is shown; hidden unless the player chose it.
    bool gameLogShown() const;
    void setGameLogShown(bool shown);
    void setSpeedOption(int option);

    // Whether a click on the square the blue pointer shows carries the token there (off unless chosen).
    bool clickToMove() const;
    void setClickToMove(bool on);
    // The computer's announcements go to the log and the status line instead of boxes to click.
    bool quietComputer() const;
    void setQuietComputer(bool on);

    // A window's place and size as QWidget::saveGeometry() gives it; empty when none is kept.
    QByteArray windowPlace(const QString& window) const;
    void setWindowPlace(const QString& window, const QByteArray& place);

    // The players of the last new game, offered again by the setup window.
    std::optional<SetupChoices> lastPlayers() const;
    void setLastPlayers(const SetupChoices& choices);

private:
    QVariant read(const QString& key) const;
    void write(const QString& key, const QVariant& value);

    QString file_;
    std::unique_ptr<QSettings> store_;
    std::map<QString, QVariant> memory_; // without a file
};

} // namespace tavorin::app
