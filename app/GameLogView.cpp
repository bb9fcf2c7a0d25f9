#include "app/GameLogView.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/Text.h"
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
    // A window of text holds far more memory per line than the log itself: it shows the newest.
    text_->setMaximumBlockCount(kShownLines);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(560, 320);
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

void GameLogView::showNewest() {
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void GameLogView::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit closed();
}

} // namespace tavorin::app
