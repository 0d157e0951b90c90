#include "app/ListColumnWidths.h"

#include <algorithm>

int NumberColumnWidth(int widestNumberWidth)
{
    return std::max(NumberColumnMinimum, widestNumberWidth);
}

std::array<int, 4> ComputeListColumnWidths(int clientWidth, int numberColumnWidth, const std::array<int, 4> &chosen)
{
    std::array<int, 4> widths{chosen[0] > 0 ? chosen[0] : numberColumnWidth, 0, 0, 0};
    int left = clientWidth - widths[0];
    std::array<bool, 4> growing{};
    for (size_t column = 1; column < widths.size(); ++column) {
        growing[column] = chosen[column] <= 0;
        widths[column] = growing[column] ? ListColumns[column].minimum : chosen[column];
        left -= widths[column];
    }
    // What is left beyond the minimums is shared out evenly among the columns
    // the operator has not sized, a column that reaches its maximum passing
    // its part on to the others.
    for (int open = 3; left > 0 && open > 0;) {
        const int share = std::max(1, left / open);
        open = 0;
        for (size_t column = 1; column < widths.size() && left > 0; ++column) {
            if (!growing[column])
                continue;
            const int grow = std::min({share, ListColumns[column].maximum - widths[column], left});
            widths[column] += grow;
            left -= grow;
            if (widths[column] < ListColumns[column].maximum)
                ++open;
        }
    }
    return widths;
}
