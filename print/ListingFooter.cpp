#include "print/ListingFooter.h"

#include "print/PrintWindowTitles.h"

#include <QFileInfo>

ListingFooterPlace PlaceListingFooter(const ListingMetrics &metrics)
{
    const ListingFrame frame = ListingPageFrame(metrics);
    // A quarter margin under the frame, as the frame stands a quarter margin
    // clear of the entries above them.
    return {frame.left.bottom() + metrics.quarterMarginY, frame.left.left(), frame.left.right(), frame.right.right()};
}

QString ListingTitle(const QString &filePath)
{
    return QFileInfo(filePath).fileName();
}

ListingFooterTexts ComposeListingFooter(const QString &filePath, QDate date, int page, int totalPages)
{
    // The page numbers read as the print window's page label does.
    return {ListingTitle(filePath), date.toString(QStringLiteral("dd.MM.yyyy")),
            PrintWindowTitles::PageLabel(page, totalPages)};
}
