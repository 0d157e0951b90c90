#include "devsim/DeviceFileNumber.h"

QByteArray DeviceFileNumberOf(QByteArrayView recordNumber)
{
    QByteArray number = recordNumber.toByteArray();
    number.replace(' ', QByteArrayView());
    if (number.size() < 3)
        number.prepend(QByteArray(3 - number.size(), '0'));
    return number;
}
