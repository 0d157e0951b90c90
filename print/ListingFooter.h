#pragma once

#include "print/ListingLayout.h"

#include <QDate>
#include <QString>

// The footer line of a listing page, which says what the listing is: the name
// of the listed file, the day the listing was made and the page of the pages.
// It lies under the frame, in the bottom margin, so the two columns keep their
// 110 rows.

// Where the footer's texts go, in the page unit.
struct ListingFooterPlace {
    // The top of the texts.
    int y = 0;
    // Where the file name starts: the frame's left edge.
    int left = 0;
    // Where the date is centred: the frame's middle line.
    int centre = 0;
    // Where the page numbers end: the frame's right edge.
    int right = 0;
};

struct ListingFooterTexts {
    QString fileName;
    QString date;
    QString pageNumbers;
};

ListingFooterPlace PlaceListingFooter(const ListingMetrics &metrics);

// What the listing is called, on its pages and as the print job's title: the
// file's name without its folder, none for a list that no file holds.
QString ListingTitle(const QString &filePath);

// The listing's title, the date as day.month.year and "page / pages".
ListingFooterTexts ComposeListingFooter(const QString &filePath, QDate date, int page, int totalPages);
