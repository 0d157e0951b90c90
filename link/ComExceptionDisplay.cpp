#include "link/ComExceptionDisplay.h"

#include <QtDebug>

namespace
{

ComExceptionDisplay::Handler &installed()
{
    static ComExceptionDisplay::Handler handler;
    return handler;
}

} // namespace

void ComExceptionDisplay::setHandler(Handler handler)
{
    installed() = std::move(handler);
}

void ComExceptionDisplay::show(const std::exception &failure)
{
    if (installed())
        installed()(failure);
    else
        qWarning("%s", failure.what());
}
