#include "print/PageChoice.h"

#include <algorithm>

namespace PageChoice
{

std::vector<int> Span(int first, int last, int totalPages)
{
    std::vector<int> pages;
    for (int page = std::max(first, 1); page <= std::min(last, totalPages); ++page)
        pages.push_back(page);
    return pages;
}

std::vector<int> Listed(const QPageRanges &ranges, int totalPages)
{
    // The ranges come sorted and merged, so their pages follow in order.
    std::vector<int> pages;
    for (const QPageRanges::Range &range : ranges.toRangeList()) {
        const std::vector<int> span = Span(range.from, range.to, totalPages);
        pages.insert(pages.end(), span.begin(), span.end());
    }
    return pages;
}

} // namespace PageChoice
