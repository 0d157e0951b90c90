#pragma once

#include "link/port/ComTypes.h"

#include <QString>
#include <QStringList>

// The fixed text of every setting value, shown in the settings boxes and
// stored in the settings file. Text to value ignores case; a text that
// matches nothing gives the value a fresh port would start from for data,
// stop bits and parity, 9600 baud, and fcCustom (which changes nothing).
class ComValueText
{
public:
    static QString text(TBaudRate value);
    static QString text(TDataBits value);
    static QString text(TStopBits value);
    static QString text(TParityBits value);
    static QString text(TFlowControl value);

    static TBaudRate toBaudRate(QStringView text);
    static TDataBits toDataBits(QStringView text);
    static TStopBits toStopBits(QStringView text);
    static TParityBits toParity(QStringView text);
    static TFlowControl toFlowControl(QStringView text);

    // Every text of a type, in enumeration order.
    static QStringList baudRateTexts();
    static QStringList dataBitsTexts();
    static QStringList stopBitsTexts();
    static QStringList parityTexts();
    static QStringList flowControlTexts();
};
