// What the start window's list tells about each saved game beside its name: when it was saved and
// who plays in it. The listed name itself stays as it is, since choosing it loads or deletes it.
#pragma once

#include <filesystem>
#include <string>

#include <QDateTime>
#include <QStringList>

class QAbstractItemDelegate;
class QObject;

namespace tavorin::setupui {

struct SavedGameSummary {
    QDateTime saved;     // the file's time; invalid when the file is not a saved game
    QStringList players; // in seat order
};

// Reads only the record at the start of "<fileName>" in `folder` (the name as the folder holds it,
// ".dat" and all), not the game behind it. A file that could not be loaded tells nothing.
SavedGameSummary summarizeSavedGame(const std::filesystem::path& folder, const std::string& fileName);

// The item roles of File1 that hold the summary's two lines; both empty for a file that tells nothing.
inline constexpr int kSavedTimeRole = Qt::UserRole + 1;
inline constexpr int kPlayersRole = Qt::UserRole + 2;
QString savedTimeLine(const SavedGameSummary& summary);
QString playersLine(const SavedGameSummary& summary);

// Draws each item's name with its two summary lines, smaller, beneath it.
QAbstractItemDelegate* summaryDelegate(QObject* parent);

} // namespace tavorin::setupui
