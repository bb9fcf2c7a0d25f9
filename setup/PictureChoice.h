// The picture chooser's rules, without any window: which files it lists, the path it hands back and
// which of its drives a folder lies on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

// The patterns shown above the file list, as the player reads them.
inline constexpr std::string_view kPicturePatternText = "*.jpg;*.jpeg;*.png;*.gif;*.bmp;*.dib;*.wmf;*.ico";

// The patterns one by one ("*.jpg", "*.gif", ...).
std::vector<std::string> picturePatterns();

// Whether a file name matches one of the patterns; letter case does not matter, as on the drives the
// patterns were made for.
bool matchesPicturePattern(std::string_view fileName);

// The full path of a file chosen in `folder`; a folder that already ends in the separator (a root)
// gets no second one.
std::string chosenPicturePath(std::string_view folder, std::string_view fileName, char separator);

// The drive among `drives` (roots and other starting folders) that holds `folder`: the longest one
// that contains it. Empty when none does.
std::string driveOfFolder(std::string_view folder, const std::vector<std::string>& drives, char separator);

// The message of a drive that cannot be read.
std::string driveNotReadyText(std::string_view drive, char separator);

} // namespace tavorin
