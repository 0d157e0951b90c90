#include "app/FailureWords.h"

#include "i18n/CodePage.h"
#include "link/port/EComPort.h"

namespace
{

const QByteArray &reasonText(EComPort::OpenFailureReason reason, const KeptTexts &texts)
{
    using Reason = EComPort::OpenFailureReason;
    switch (reason) {
    case Reason::NotFound:
        return texts.portNotFound;
    case Reason::InUse:
        return texts.portInUse;
    case Reason::NoPermission:
        return texts.portNoPermission;
    case Reason::NotASerialPort:
        return texts.notASerialPort;
    case Reason::None:
    case Reason::Other:
        break;
    }
    return texts.portRefused;
}

} // namespace

QString FailureInWords(const std::exception &failure, const KeptTexts &texts)
{
    if (const auto *port = dynamic_cast<const EComPort *>(&failure))
        return PortFailureInWords(*port, texts);
    return QString::fromUtf8(failure.what());
}

QString PortFailureInWords(const EComPort &failure, const KeptTexts &texts)
{
    if (failure.reason() == EComPort::OpenFailureReason::None || texts.portNotOpened.isEmpty())
        return QString::fromUtf8(failure.what());
    return CodePage::toUnicode(texts.portNotOpened)
        .arg(failure.portName(), CodePage::toUnicode(reasonText(failure.reason(), texts)),
             QString::number(failure.systemError()));
}

FileFailureWords FileFailureWordsOf(const KeptTexts &texts)
{
    return {texts.fileNotRead,   texts.fileNotWritten, texts.fileNotFound, texts.fileNoPermission,
            texts.fileIsAFolder, texts.diskFull,       texts.diskReadOnly, texts.fileRefused};
}
