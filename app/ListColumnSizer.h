#pragma once

#include <QObject>

#include <array>

class QTableView;

// Keeps the list's columns fitted (see ComputeListColumnWidths): the "#"
// column as wide as the widest numbers need in the list's font, a column the
// operator sized at that width, the others sharing what is left.
class ListColumnSizer : public QObject
{
public:
    explicit ListColumnSizer(QTableView &list);

    // Lays the columns out anew for the list's width and font.
    void fit();

private:
    int widestNumberWidth() const;
    void keepChosenWidth(int column, int width);

    QTableView &m_list;
    std::array<int, 4> m_chosenWidths{};
    bool m_fitting = false;
};
