#pragma once

#include <exception>
#include <functional>

// Where failures go that arise in handlers the event loop starts (line-event
// notifications, choices in the settings boxes): an exception must not unwind
// through Qt's event dispatch, so they are caught there and shown here. The
// main window installs its error box; until then the message is logged.
class ComExceptionDisplay
{
public:
    using Handler = std::function<void(const std::exception &)>;

    static void setHandler(Handler handler);
    static void show(const std::exception &failure);
};
