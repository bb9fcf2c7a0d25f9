// The game's log on screen: "ComReport", every line of the game's log, the newest in view. It is a
// plain widget, so it can stand as a window of its own or be docked beside the board; its lines can
// be selected and copied but not edited.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

class QPlainTextEdit;

namespace tavorin::app {

class GameLogView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShownLines = 2000;

    explicit GameLogView(QWidget* parent = nullptr);

    void append(const std::string& line);
    void reset(const std::vector<std::string>& lines);
    QPlainTextEdit& text() { return *text_; }

signals:
    // The player closed the log's own window.
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void showNewest();
    QPlainTextEdit* text_;
};

} // namespace tavorin::app
