// The rules page "วิธีเล่น": the rules in Thai as a child can follow them, with pictures of the board
// painted by the game's own painter, and the About box with the version, the licence and the
// credits.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace tavorin::app {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser& page() { return *page_; }

private:
    QTextBrowser* page_;
};

// The About box's text.
QString aboutText();

} // namespace tavorin::app
