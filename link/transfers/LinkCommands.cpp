#include "link/transfers/LinkCommands.h"

QByteArray LinkCommands::read(QByteArrayView fileNumber)
{
    return "*KORAX@RD001%" + fileNumber.toByteArray() + "$!";
}

QByteArray LinkCommands::remove(QByteArrayView fileNumber)
{
    return "*KORAX@DEL001%" + fileNumber.toByteArray() + "$!";
}

QByteArray DeviceFileNumber(int width, QByteArrayView number)
{
    QByteArray text = number.toByteArray();
    text.replace(' ', QByteArrayView());
    if (text.size() < width)
        text.prepend(QByteArray(width - text.size(), '0'));
    return text;
}
