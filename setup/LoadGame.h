// Resuming a saved game: the record that was read whole goes into the game state (LoadGame), then the
// main window's controls are rebuilt from it (LoadState), ready for the saved player's roll.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "engine/Game.h"
#include "setup/SaveRecord.h"

namespace tavorin {

// The start window's progress bar, 0..100.
using LoadProgress = std::function<void(int percent)>;

// Both expect a game just filled by DefineInitialValue; whatever the record does not carry keeps its
// fresh-game value.
void LoadGame(Game& game, const SaveRecord& record, const LoadProgress& progress = {});
void LoadState(Game& game, const SaveRecord& record, const LoadProgress& progress = {});

// The whole load of the start window for a record that readSaveRecord accepted: FileName,
// DefineInitialValue, LoadGame, LoadState, and the main window and the board shown with the focus on
// the roll button.
void ResumeSavedGame(Game& game, const SaveRecord& record, std::string_view fileName,
                     const LoadProgress& progress = {});

// LOAD GAME: reads `<fileName>.dat` in `dir` whole and checks it before the game is touched; on any
// refusal the game is left exactly as it was and the error carries the message to show.
std::optional<FileError> LoadSavedGame(Game& game, const std::filesystem::path& dir,
                                       std::string_view fileName, const LoadProgress& progress = {});

} // namespace tavorin
