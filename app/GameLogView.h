// The game's log on screen: "ComReport", every line of the game's log, the newest in view. It is a
// plain widget, so it can stand as a window of its own or be docked beside the board; its lines can
// be selected and copied but not edited. Hidden (as it is unless the player asks for it), it only
// counts the lines it has not shown and takes them from the log when it shows: a window of text
// holds several times the memory of its lines, and would grow with the game for nobody.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <QSize>
#include <QWidget>

class QPlainTextEdit;

namespace tavorin::app {

class GameLogView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShownLines = 2000;
    // The size of the log's own window where none is remembered.
    static constexpr QSize kWindowSize{560, 320};

    explicit GameLogView(QWidget* parent = nullptr);

    // Shows the newest of `lines`, the game's log, which outlives the view.
    void follow(const std::vector<std::string>& lines);
    // The last of the followed lines is new.
    void lineAdded();
    // The followed lines were replaced: a new game, or a loaded one.
    void refresh();
    // A line of text of its own, shown at once.
    void append(const std::string& line);
    // The text, up to date with the log.
    QPlainTextEdit& text();
    // Docked, the log has no title bar to name it: its tool tip does, and it gives up all but a few
    // lines' height to a question that needs it.
    void setDocked(bool docked);

signals:
    // The player closed the log's own window.
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void catchUp();
    void showNewest();
    QPlainTextEdit* text_;
    bool docked_ = false;
    const std::vector<std::string>* source_ = nullptr;
    std::size_t unshown_ = 0; // the newest lines of source_ not in the text yet
    bool stale_ = false;      // the whole text is to be taken from source_ again
};

} // namespace tavorin::app
