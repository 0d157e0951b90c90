#include "app/ListColumnWidths.h"

#include <algorithm>

std::array<int, 4> ComputeListColumnWidths(int clientWidth)
{
    std::array<int, 4> widths{NumberColumnWidth, 0, 0, 0};
    int left = clientWidth - NumberColumnWidth;
    for (size_t column = 1; column < widths.size(); ++column) {
        widths[column] = ListColumns[column].minimum;
        left -= widths[column];
    }
    // What is left beyond the minimums is shared out evenly, a column that
    // reaches its maximum passing its part on to the others.
    for (int open = 3; left > 0 && open > 0;) {
        const int share = std::max(1, left / open);
        open = 0;
        for (size_t column = 1; column < widths.size() && left > 0; ++column) {
            const int grow = std::min({share, ListColumns[column].maximum - widths[column], left});
            widths[column] += grow;
            left -= grow;
            if (widths[column] < ListColumns[column].maximum)
                ++open;
        }
    }
    return widths;
}
