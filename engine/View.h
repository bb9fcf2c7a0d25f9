// The small interface through which the rules reach the screen. The main window implements it;
// tests implement it with a fake that records every call and answers the message boxes.
#pragma once

#include <string_view>

namespace tavorin {

enum class MsgButtons { Ok, OkCancel, RetryCancel, YesNoCancel };
enum class MsgIcon { None, Question, Exclamation, Critical };
enum class MsgResult { Ok, Cancel, Retry, Yes, No };
enum class GameWindow { Main, Board };

inline constexpr std::string_view kAppTitle = "Tavorin";

class MainView {
public:
    virtual ~MainView() = default;
    // A modal message box; returns the button pressed.
    virtual MsgResult messageBox(std::string_view title, std::string_view text,
                                 MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) = 0;
    // Any holdings window that is open closes (a player is made to raise money).
    virtual void hidePlayerForm() {}
    // Every view of the deed table is stale: the deed list, the bonus list, the board's pictures.
    virtual void deedsChanged() {}
    // The turn has passed to a computer player; the caller schedules its turn from the event loop.
    virtual void computerTurnReady() {}
    // The rules show `window` for what comes next: it comes in front of the others and takes the
    // keyboard, also when it was open already behind another window.
    virtual void showWindow(GameWindow /*window*/) {}
    // One player is left: the game is over.
    virtual void gameWon(int /*winner*/) {}
    // False for a view without windows (the simulator, the computer's look-ahead): asked once, when
    // the game is made, and the rules then leave the screen's texts unformatted.
    virtual bool showsTexts() const { return true; }
    // False while nobody reads the messages: the rules then do not compose the long ones.
    virtual bool hearsMessages() const { return true; }
};

} // namespace tavorin
