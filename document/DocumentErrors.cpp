#include "document/DocumentErrors.h"

#include "i18n/CodePage.h"

std::runtime_error DocumentError(const QString &message)
{
    return std::runtime_error(message.toUtf8().toStdString());
}

std::runtime_error NotAnIntegerError(QByteArrayView text)
{
    return DocumentError(QStringLiteral("'%1' is not a valid integer value").arg(CodePage::toUnicode(text)));
}

std::runtime_error ListIndexError(qsizetype index)
{
    return DocumentError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QByteArrayView RequiredCell(const Entry &entry, Entry::Cell cell)
{
    if (!entry.hasCell(cell))
        throw ListIndexError(cell - 1);
    return entry.cellView(cell);
}
