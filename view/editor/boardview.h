#pragma once

#include <QTableView>

namespace vatro {

// The letter board as a grid the teacher fills from the keyboard like a crossword: a typed
// letter goes into the current cell and the cursor moves on to the next cell, Backspace
// empties the cell before it, Delete empties the chosen cells. F2 or Enter edits a cell
// in place, as in any table.
class BoardView : public QTableView {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int by);
};

} // namespace vatro
