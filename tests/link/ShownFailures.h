#pragma once

#include "link/ComExceptionDisplay.h"

#include <QStringList>

// Collects what the port layer passes to the operator's error display while
// it lives, as the main window's error box would show it.
struct ShownFailures {
    QStringList messages;

    ShownFailures()
    {
        ComExceptionDisplay::setHandler([this](const std::exception &failure) { messages << failure.what(); });
    }
    ~ShownFailures() { ComExceptionDisplay::setHandler({}); }

    ShownFailures(const ShownFailures &) = delete;
    ShownFailures &operator=(const ShownFailures &) = delete;
};
