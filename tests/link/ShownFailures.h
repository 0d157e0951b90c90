#pragma once

#include "link/port/TCustomComPort.h"

#include <QStringList>

// Collects what a port passes to its owner through OnFailure, as the main
// window's error box would show it.
struct ShownFailures {
    QStringList messages;
    QObject receiver; // ends the connection with this collector

    explicit ShownFailures(TCustomComPort &port)
    {
        QObject::connect(&port, &TCustomComPort::OnFailure, &receiver,
                         [this](QObject *, const QString &message) { messages << message; });
    }
};
