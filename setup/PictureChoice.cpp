#include "setup/PictureChoice.h"

namespace tavorin {

namespace {
char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    const std::string_view tail = s.substr(s.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (lower(tail[i]) != lower(suffix[i])) return false;
    return true;
}

std::string_view withoutTrailingSeparator(std::string_view path, char separator) {
    while (!path.empty() && path.back() == separator) path.remove_suffix(1);
    return path;
}
} // namespace

std::vector<std::string> picturePatterns() {
    std::vector<std::string> patterns;
    std::string_view rest = kPicturePatternText;
    while (!rest.empty()) {
        const std::size_t cut = rest.find(';');
        patterns.emplace_back(rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    return patterns;
}

bool matchesPicturePattern(std::string_view fileName) {
    for (const std::string& pattern : picturePatterns()) {
        const std::string_view extension = std::string_view(pattern).substr(1); // ".jpg"
        // "*.jpg" needs something before the extension.
        if (fileName.size() > extension.size() && endsWithNoCase(fileName, extension)) return true;
    }
    return false;
}

std::string chosenPicturePath(std::string_view folder, std::string_view fileName, char separator) {
    std::string path(folder);
    if (path.empty() || path.back() != separator) path += separator;
    path += fileName;
    return path;
}

std::string driveOfFolder(std::string_view folder, const std::vector<std::string>& drives, char separator) {
    std::string best;
    std::size_t bestLength = 0;
    for (const std::string& drive : drives) {
        const std::string_view d = withoutTrailingSeparator(drive, separator);
        const bool contains =
            folder.substr(0, d.size()) == d && (folder.size() == d.size() || folder[d.size()] == separator);
        if (contains && (best.empty() || d.size() > bestLength)) {
            best = drive;
            bestLength = d.size();
        }
    }
    return best;
}

std::string driveNotReadyText(std::string_view drive, char separator) {
    std::string text(withoutTrailingSeparator(drive, separator));
    text += separator;
    text += " is not accessible. The device is not ready.";
    return text;
}

} // namespace tavorin
