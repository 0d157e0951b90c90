#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The number by which the program names a device file in "*KORAX@RD001%nnn$!"
// and "*KORAX@DEL001%nnn$!": a record number without its blanks, with zeros in
// front up to three digits ("   7 " is 007; 1234 stays 1234).
QByteArray DeviceFileNumberOf(QByteArrayView recordNumber);
