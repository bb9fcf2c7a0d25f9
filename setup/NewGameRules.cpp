#include "setup/NewGameRules.h"

#include "engine/Cp874.h"
#include "engine/Text.h"

namespace tavorin {

namespace {

// The next code point of `s` from `i`, or -1 for a byte sequence that is not UTF-8.
long nextCodePoint(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int extra = 0;
    long cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return -1;
        const auto d = static_cast<unsigned char>(s[i++]);
        if ((d & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (d & 0x3F);
    }
    return cp;
}

bool isControl(long cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

std::string whoIs(int player, std::string_view name) {
    std::string who = "ผู้เล่นที่ ";
    appendNumber(who, player);
    if (!name.empty()) {
        who += " (";
        who += name;
        who += ")";
    }
    return who;
}

std::string pictureRefusal(int player, std::string_view name, std::string_view path, PictureProblem problem) {
    std::string text;
    if (problem == PictureProblem::NoFile) {
        text = whoIs(player, name);
        text += " ยังไม่ได้เลือกไฟล์รูป";
        return text;
    }
    text = "ไม่สามารถใช้ไฟล์ ";
    text += path;
    text += " เป็นรูปของ";
    text += whoIs(player, name);
    text += " ได้";
    switch (problem) {
    case PictureProblem::Missing: text += " เพราะไม่พบไฟล์นี้"; break;
    case PictureProblem::NotAPicture: text += " เพราะไม่ใช่ไฟล์รูปที่เกมเปิดได้"; break;
    case PictureProblem::PathNotStorable: text += " เพราะชื่อไฟล์มีตัวอักษรที่เกมบันทึกไม่ได้"; break;
    case PictureProblem::None:
    case PictureProblem::NoFile: break;
    }
    return text;
}

} // namespace

GameNameProblem checkGameName(std::string_view utf8) {
    // A name of blanks shows as an empty line in the list of saved games.
    if (utf8.find_first_not_of(' ') == std::string_view::npos) return GameNameProblem::Empty;
    GameNameProblem found = GameNameProblem::None;
    for (std::size_t i = 0; i < utf8.size();) {
        const long cp = nextCodePoint(utf8, i);
        if (cp == '/' || cp == '\\') return GameNameProblem::Separator;
        if (cp < 0 || isControl(cp)) found = GameNameProblem::BadCharacter;
    }
    if (found != GameNameProblem::None) return found;
    // A hidden file would not be listed again, and "." or ".." name folders, not games.
    if (utf8.front() == '.') return GameNameProblem::LeadingDot;
    if (textLength(utf8) > kGameNameMaxChars || utf8.size() > kGameNameMaxBytes)
        return GameNameProblem::TooLong;
    return GameNameProblem::None;
}

std::string_view gameNameMessage(GameNameProblem problem) {
    switch (problem) {
    case GameNameProblem::Empty: return "กรุณาใส่ชื่อก่อน";
    case GameNameProblem::Separator: return "ชื่อไฟล์ห้ามมีเครื่องหมาย / หรือ \\";
    case GameNameProblem::BadCharacter: return "ชื่อไฟล์มีตัวอักษรที่ใช้ตั้งชื่อไฟล์ไม่ได้";
    case GameNameProblem::LeadingDot: return "ชื่อไฟล์ห้ามขึ้นต้นด้วยจุด";
    case GameNameProblem::TooLong: return "ชื่อไฟล์ยาวเกินไป (ไม่เกิน 100 ตัวอักษร)";
    case GameNameProblem::None: break;
    }
    return {};
}

std::string savedGameNameOf(std::string_view listedFile) {
    if (listedFile.size() <= 4) return {};
    return std::string(listedFile.substr(0, listedFile.size() - 4));
}

PictureProblem checkPicture(const std::string& path, const PictureCheck& openPicture) {
    if (path.empty()) return PictureProblem::NoFile;
    // The path goes into the saved game, which keeps its texts in Windows-874.
    if (!fitsCp874(path)) return PictureProblem::PathNotStorable;
    return openPicture ? openPicture(path) : PictureProblem::None;
}

std::string pictureRefusedAtChoice(int player, std::string_view name, std::string_view path,
                                   PictureProblem problem) {
    std::string text = pictureRefusal(player, name, path, problem);
    text += " กรุณาเลือกไฟล์รูปอื่น";
    return text;
}

std::string pictureRefusedAtStart(int player, std::string_view name, std::string_view path,
                                  PictureProblem problem) {
    std::string text = pictureRefusal(player, name, path, problem);
    text += " ตัวหมากของผู้เล่นคนนี้จะใช้รูปเดิม";
    return text;
}

SetupDecision decideNewGame(const SetupChoices& choices, const PictureCheck& openPicture) {
    SetupDecision decision;
    const int n = choices.numPlayers;
    if (n < 2 || n > kMaxPlayers) return decision;

    for (int k = 1; k <= n; ++k) {
        const std::string& name = choices.names[std::size_t(k)];
        if (!fitsCp874(name)) {
            std::string text = "ชื่อของ";
            text += whoIs(k, name);
            text += " มีตัวอักษรที่เกมบันทึกไม่ได้ กรุณาแก้ชื่อก่อน";
            decision.notices.push_back({name, std::move(text)});
            decision.focusPlayer = k;
            return decision;
        }
    }

    NewGameSetup setup;
    setup.numPlayers = n;
    for (int k = 1; k <= kMaxPlayers; ++k) {
        const std::string& name = choices.names[std::size_t(k)];
        // The seats that do not play are still saved; a name left there that the file cannot hold
        // would make every save of this game fail, so it falls back to the seat's first name.
        if (k <= n || fitsCp874(name))
            setup.names[std::size_t(k)] = name;
        else
            setup.names[std::size_t(k)] = "Player" + numberText(k);
        const std::string& type = choices.types[std::size_t(k)];
        const bool strong = type == kPlayerTypeStrongComputer;
        setup.computer[std::size_t(k)] = k <= n && (type == kPlayerTypeComputer || strong);
        setup.strong[std::size_t(k)] = k <= n && strong;
    }
    setup.buyFirstLoop = choices.buyFirstLoop;
    setup.endRule = choices.endRule.on() ? choices.endRule : EndRule{};
    int deeds = 0;
    if (choices.dealInitialDeeds && parseDigits(choices.initialDeedsText, deeds) && deeds >= 1 && deeds <= 4)
        setup.initialDeeds = deeds;

    for (int k = 1; k <= n; ++k) {
        if (!choices.usePicture[std::size_t(k)]) continue;
        const std::string& path = choices.picturePaths[std::size_t(k)];
        const PictureProblem problem = checkPicture(path, openPicture);
        if (problem == PictureProblem::None) {
            setup.picturePaths[std::size_t(k)] = path;
        } else {
            const std::string& name = choices.names[std::size_t(k)];
            decision.notices.push_back({name, pictureRefusedAtStart(k, name, path, problem)});
        }
    }
    decision.setup = std::move(setup);
    return decision;
}

} // namespace tavorin
