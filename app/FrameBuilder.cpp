#include "app/FrameBuilder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ThaiFont.h"

namespace tavorin::app {

namespace {
QWidget* makeCell(const Cell& cell, QWidget* parent, bool& stretches) {
    const QString text = cell.text ? QString::fromUtf8(cell.text) : QString();
    QWidget* w = nullptr;
    switch (cell.kind) {
    case CellKind::Fixed:
    case CellKind::Value:
    case CellKind::Sentence:
    case CellKind::ValueText:
    case CellKind::Heading: {
        auto* label = new QLabel(text, parent);
        const bool wraps = cell.kind == CellKind::Sentence || cell.kind == CellKind::ValueText;
        label->setWordWrap(wraps);
        stretches = stretches || wraps;
        if (cell.kind == CellKind::Value) {
            // Filled-in facts stand out from the fixed wording around them.
            label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
            // In bold by its font, not its style sheet: a style sheet's font would not follow the
            // window's text size.
            ui::setRelativeFont(label, 10, true);
            label->setMinimumWidth(24);
        }
        if (cell.kind == CellKind::Heading) {
            ui::setRelativeFont(label, 13, true);
            label->setAlignment(Qt::AlignCenter);
            stretches = true;
        }
        w = label;
        break;
    }
    case CellKind::Check: w = new QCheckBox(text, parent); break;
    case CellKind::Button: {
        auto* b = new QPushButton(text, parent);
        b->setMinimumWidth(80);
        w = b;
        break;
    }
    }
    if (cell.name) w->setObjectName(QString::fromLatin1(cell.name));
    return w;
}

bool allButtons(const Row& row) {
    for (const Cell& c : row)
        if (c.kind != CellKind::Button) return false;
    return true;
}
} // namespace

QGroupBox* buildFrame(QWidget* parent, const char* name, const char* title, std::initializer_list<Row> rows) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(6);
    for (const Row& row : rows) {
        auto* line = new QHBoxLayout;
        const bool buttons = allButtons(row);
        if (buttons) {
            column->addStretch(1);
            line->addStretch(1);
        }
        bool stretches = false;
        for (const Cell& cell : row) {
            QWidget* w = makeCell(cell, frame, stretches);
            const bool wide = cell.kind == CellKind::Sentence || cell.kind == CellKind::ValueText ||
                              cell.kind == CellKind::Heading;
            line->addWidget(w, wide ? 1 : 0);
        }
        if (!stretches && !buttons) line->addStretch(1);
        column->addLayout(line);
    }
    return frame;
}

} // namespace tavorin::app
