#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>

// The new document as saved on 7 December 2026 at 15:12:03 with version 0.
inline const QDate SampleDay(2026, 12, 7);
inline const QTime SampleClock(15, 12, 3);
inline const QByteArray NewDocumentFile = "SFA $07.12.26 15:12:03$\r\n"
                                          "SDK   1  xx \\jmeno\\     1     0 0\r\n"
                                          "SDW     0  1 C00\r\n"
                                          "SDE\r\n"
                                          "SFE\r\n";
