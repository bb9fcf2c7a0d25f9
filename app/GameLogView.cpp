#include "app/GameLogView.h"

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

void GameLogView::append(const std::string& line) {
    text_->appendPlainText(ui::qs(line));
    showNewest();
}

void GameLogView::reset(const std::vector<std::string>& lines) {
    QString all;
    for (const std::string& line : lines) {
        if (!all.isEmpty()) all += QLatin1Char('\n');
        all += ui::qs(line);
    }
    text_->setPlainText(all);
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

void GameLogView::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit closed();
}

} // namespace tavorin::app
