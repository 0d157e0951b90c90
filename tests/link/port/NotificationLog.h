#pragma once

#include "link/port/TCustomComPort.h"

#include <QRegularExpression>
#include <QStringList>

#include <functional>

// Records a port's notifications in order, as "BeforeOpen", "RxChar 5",
// "Error 16", and can run an action inside the line-event handlers.
struct NotificationLog {
    QStringList entries;
    std::function<void(int)> onRxChar;
    std::function<void(TComErrors)> onError;

    explicit NotificationLog(TCustomComPort &port)
    {
        QObject::connect(&port, &TCustomComPort::OnBeforeOpen, [this] { entries << "BeforeOpen"; });
        QObject::connect(&port, &TCustomComPort::OnAfterOpen, [this] { entries << "AfterOpen"; });
        QObject::connect(&port, &TCustomComPort::OnBeforeClose, [this] { entries << "BeforeClose"; });
        QObject::connect(&port, &TCustomComPort::OnAfterClose, [this] { entries << "AfterClose"; });
        QObject::connect(&port, &TCustomComPort::OnRxChar, [this](QObject *, int count) {
            entries << QStringLiteral("RxChar %1").arg(count);
            if (onRxChar)
                onRxChar(count);
        });
        QObject::connect(&port, &TCustomComPort::OnError, [this](QObject *, TComErrors errors) {
            entries << QStringLiteral("Error %1").arg(errors.toInt());
            if (onError)
                onError(errors);
        });
    }

    QStringList lineEvents() const { return entries.filter(QRegularExpression("^(RxChar|Error)")); }
};
