// The game's log on screen: "ComReport", every line of the game's log, the newest in view. It is a
// plain widget, so it can stand as a window of its own or be docked beside the board; its lines can
// be selected and copied but not edited.
#pragma once

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

    void append(const std::string& line);
    void reset(const std::vector<std::string>& lines);
    QPlainTextEdit& text() { return *text_; }
    // Docked, the log has no title bar to name it: its tool tip does, and it gives up all but a few
    // lines' height to a question that needs it.
    void setDocked(bool docked);

signals:
    // The player closed the log's own window.
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void showNewest();
    QPlainTextEdit* text_;
    bool docked_ = false;
};

} // namespace tavorin::app
