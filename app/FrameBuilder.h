// Builds the main window's frames from short descriptions: rows of fixed texts, value labels,
// check boxes and buttons, each named as the game names it.
#pragma once

#include <initializer_list>

class QGroupBox;
class QWidget;

namespace tavorin::app {

enum class CellKind {
    Fixed,     // a fixed caption
    Value,     // a label the game fills (it may start with a fixed caption)
    Sentence,  // a fixed caption that wraps
    ValueText, // a label the game fills, that wraps
    Heading,   // the frame's bold heading
    Check,     // a check box
    Button,    // a command button
};

struct Cell {
    CellKind kind;
    const char* text = nullptr; // UTF-8
    const char* name = nullptr; // objectName; none for fixed texts
};

using Row = std::initializer_list<Cell>;

// A frame captioned `title`, laid out row by row.
QGroupBox* buildFrame(QWidget* parent, const char* name, const char* title, std::initializer_list<Row> rows);

} // namespace tavorin::app
