#pragma once

#include <QPageRanges>

#include <vector>

// The pages a print covers, from a range or from a list of pages as the
// operator names them in the print dialog ("2,4", "1-3,7").
namespace PageChoice
{

// The pages first..last that exist among 1..totalPages; none when last is
// below first.
std::vector<int> Span(int first, int last, int totalPages);

// The pages the ranges name that exist among 1..totalPages, in ascending
// order and each once; pages beyond the last are left out.
std::vector<int> Listed(const QPageRanges &ranges, int totalPages);

} // namespace PageChoice
