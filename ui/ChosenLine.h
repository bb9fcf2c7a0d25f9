// The line of a list that a person has chosen. Tabbing into a list makes its first line current
// without selecting it; only a selected line (clicked, reached with the arrow keys, or made current
// on purpose) counts as chosen.
#pragma once

#include <QListWidget>

namespace tavorin::ui {

// The chosen line, nullptr when none is. Read from the selection, so that it is already right while
// the selection's own change signal is being delivered.
inline QListWidgetItem* chosenLine(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? nullptr : chosen.front();
}

// The row of the chosen line, -1 when none is.
inline int chosenRow(const QListWidget* list) {
    const QListWidgetItem* line = chosenLine(list);
    return line ? list->row(line) : -1;
}

} // namespace tavorin::ui
