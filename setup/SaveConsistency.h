// Whether a saved game is one the game itself could have written. A save is made only while a person
// waits for his roll, so the file must hold the state the rules leave at that moment; a file edited
// by hand into anything else would stall the game, pay buyers to buy or reach arithmetic the rules
// never meet, and is refused before the game is touched.
#pragma once

#include <optional>

#include "engine/RecordFile.h"
#include "setup/SaveRecord.h"

namespace tavorin {

// Expects a record whose indices readSaveRecord has already found in range. The first disagreement
// found, with a Thai message naming it, or nothing when the record is consistent.
std::optional<FileError> checkConsistency(const SaveRecord& r);

} // namespace tavorin
