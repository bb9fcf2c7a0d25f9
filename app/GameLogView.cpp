#include "app/GameLogView.h"

#include <algorithm>

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/Text.h"
#include "ui/TextScale.h"
#include "ui/ThaiFont.h"

namespace tavorin::app {

GameLogView::GameLogView(QWidget* parent) : QWidget(parent, parent ? Qt::WindowFlags() : Qt::Window) {
    setObjectName(QStringLiteral("ComReport"));
    setWindowTitle(QStringLiteral("รายงานการกระทำของคอมพิวเตอร์"));
    setFont(ui::thaiFont(10));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("GameLogText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Every line wraps into the width it has, docked in a narrow column too.
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A window of text holds far more memory per line than the log itself: it shows the newest.
    text_->setMaximumBlockCount(kShownLines);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(kWindowSize);
    // Docked, its least height is counted in lines of its text.
    ui::followTextScale(*this, [this](double) { setDocked(docked_); });
}

void GameLogView::follow(const std::vector<std::string>& lines) {
    source_ = &lines;
    refresh();
}

void GameLogView::lineAdded() {
    ++unshown_;
    if (isVisible()) catchUp();
}

void GameLogView::refresh() {
    stale_ = true;
    unshown_ = 0;
    if (isVisible()) catchUp();
}

void GameLogView::append(const std::string& line) {
    catchUp();
    text_->appendPlainText(ui::qs(line));
    showNewest();
}

QPlainTextEdit& GameLogView::text() {
    catchUp();
    return *text_;
}

void GameLogView::catchUp() {
    if (!source_ || (!stale_ && unshown_ == 0)) return;
    const std::vector<std::string>& lines = *source_;
    const std::size_t shown = std::min(lines.size(), std::size_t(kShownLines));
    if (stale_ || unshown_ >= shown) {
        // The text would keep only the newest lines of all the log's.
        QString all;
        for (std::size_t i = lines.size() - shown; i < lines.size(); ++i) {
            if (!all.isEmpty()) all += QLatin1Char('\n');
            all += ui::qs(lines[i]);
        }
        text_->setPlainText(all);
    } else {
        for (std::size_t i = lines.size() - unshown_; i < lines.size(); ++i)
            text_->appendPlainText(ui::qs(lines[i]));
    }
    stale_ = false;
    unshown_ = 0;
    showNewest();
}

void GameLogView::setDocked(bool docked) {
    docked_ = docked;
    text_->setToolTip(docked ? windowTitle() : QString());
    // Two lines and the box's frame.
    const int lines = 2 * text_->fontMetrics().lineSpacing() + 2 * text_->frameWidth() +
                      2 * int(text_->document()->documentMargin());
    text_->setMinimumHeight(docked ? lines : 0);
}

void GameLogView::showNewest() {
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void GameLogView::showEvent(QShowEvent* e) {
    catchUp();
    QWidget::showEvent(e);
}

void GameLogView::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit closed();
}

} // namespace tavorin::app
