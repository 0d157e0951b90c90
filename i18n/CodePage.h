#pragma once

#include <QByteArray>
#include <QString>

// The one place where 8-bit texts meet the screen. Cells, settings and language
// texts are kept as bytes in Windows-1250 (the code page of the device's files);
// they are decoded only to be shown, and text typed by the operator is encoded
// back. The five bytes that Windows-1250 leaves undefined decode to the C1
// control of the same number, so every byte survives a round trip.
class CodePage
{
public:
    static QString toUnicode(QByteArrayView bytes);
    // A character that Windows-1250 cannot represent becomes "?".
    static QByteArray fromUnicode(QStringView text);
};
