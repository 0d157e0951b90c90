#include "app/HeadlessBackup.h"

#include "app/ConsoleTransferView.h"
#include "app/LanguageChoice.h"
#include "app/ProgramFiles.h"
#include "document/Document.h"
#include "i18n/ApplyLanguage.h"
#include "i18n/KeptTexts.h"
#include "link/port/EComPort.h"
#include "link/port/TComPort.h"
#include "link/settings/ComPortSettingsFile.h"
#include "link/transfers/DeviceBackup.h"
#include "link/transfers/TransferSession.h"

#include <QTimer>

namespace
{

KeptTexts languageTexts(const ProfileFile &settings)
{
    const LanguageChoice choice = LanguageChoice::read(settings);
    KeptTexts texts;
    ReadKeptTexts(settings, choice.languages.value(choice.active), texts);
    return texts;
}

// The port's notifications as the main window forwards them; a failure inside one is told, the run goes on.
void connectPort(TComPort &port, TransferSession &session, TransferView &view)
{
    const auto told = [&view](const std::function<void()> &handler) {
        try {
            handler();
        } catch (const std::exception &failure) {
            view.showError(QString::fromUtf8(failure.what()));
        }
    };
    QObject::connect(&port, &TCustomComPort::OnBeforeOpen, &session, [&session] { session.BeforeOpen(); });
    QObject::connect(&port, &TCustomComPort::OnAfterClose, &session, [&session] { session.AfterClose(); });
    QObject::connect(&port, &TCustomComPort::OnRxChar, &session,
                     [&session, told](QObject *, int count) { told([&] { session.RxChar(count); }); });
    QObject::connect(&port, &TCustomComPort::OnError, &session,
                     [&session, told](QObject *, TComErrors errors) { told([&] { session.LineError(errors); }); });
    QObject::connect(&port, &TCustomComPort::OnFailure, &session,
                     [&session](QObject *, const QString &message) { session.PortFailed(message); });
    QObject::connect(&session.timer(), &QTimer::timeout, &session,
                     [&session, told] { told([&] { session.TimerTick(); }); });
}

} // namespace

int RunHeadlessBackup(const BackupRequest &request, const QString &settingsFile, QTextStream &out, QTextStream &err,
                      std::shared_ptr<SerialSystem> serialSystem)
{
    TComPort port(nullptr, std::move(serialSystem));
    TComPort::ApplyWindowDesignValues(port);
    const KeptTexts texts = languageTexts(ProfileFile(settingsFile));
    Document document;
    TransferSession *silent = nullptr;
    ConsoleTransferView view(
        out, err, [&silent] { QMetaObject::invokeMethod(silent, &TransferSession::Cancel, Qt::QueuedConnection); });
    TransferSession session(port, document, view, texts, ProgramFiles::transferFileFor(settingsFile));
    silent = &session;
    connectPort(port, session, view);
    DeviceBackup backup(session, document, view, texts, request.folder);
    QObject::connect(&backup, &DeviceBackup::fileEnded, [&out](const QString &line) { out << line << Qt::endl; });
    try {
        ComPortSettingsFile::LoadLineSettings(port, settingsFile);
        if (!request.port.isEmpty())
            port.SetPort(request.port);
        const DeviceBackup::Outcome outcome = backup.run();
        // A line that failed takes no more commands; else On Line mode is left as unticking it does.
        if (outcome.cut) {
            port.ClosePort();
        } else if (LinkStateMachine::onLine(session.link().state())) {
            view.setOnLineTicked(false);
            session.OnLineSwitched();
        }
        return outcome.complete() ? 0 : 1;
    } catch (const std::exception &failure) {
        const auto *portFailure = dynamic_cast<const EComPort *>(&failure);
        QString message = QString::fromUtf8(failure.what());
        if (portFailure && portFailure->code() == EComPort::OpenFailed)
            message = QStringLiteral("the port %1 cannot be opened: %2").arg(port.Port(), message);
        view.showError(message);
    }
    return 1;
}
