#include "support/PseudoTerminal.h"

#include "link/port/EComPort.h"
#include "link/port/TComPort.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using Reason = EComPort::OpenFailureReason;

// Opens the named port and returns the failure, or none when it opened.
std::optional<EComPort> openFailure(const QString &name)
{
    TComPort port;
    port.SetPort(name);
    try {
        port.OpenPort();
    } catch (const EComPort &failure) {
        return failure;
    }
    return std::nullopt;
}

// The reason an ordinary user meets when opening the port: the test runs as the
// superuser, so a child process gives up those rights first and reports the
// reason as its exit status (255 when it could not become that user).
int reasonAsNobody(const QString &name)
{
    const passwd *nobody = getpwnam("nobody");
    if (!nobody)
        return 255;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
            _exit(255);
        const std::optional<EComPort> failure = openFailure(name);
        _exit(failure ? int(failure->reason()) : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 254;
}

} // namespace

TEST(PortOpenFailureReason, TheSystemsNumberSaysWhyAPortDidNotOpen)
{
    for (int error : {ENOENT, ENODEV, ENXIO})
        EXPECT_EQ(EComPort::ReasonOf(error), Reason::NotFound) << error;
    EXPECT_EQ(EComPort::ReasonOf(EBUSY), Reason::InUse);
    EXPECT_EQ(EComPort::ReasonOf(EACCES), Reason::NoPermission);
    EXPECT_EQ(EComPort::ReasonOf(EPERM), Reason::NoPermission);
    EXPECT_EQ(EComPort::ReasonOf(ENOTTY), Reason::NotASerialPort);
    EXPECT_EQ(EComPort::ReasonOf(EISDIR), Reason::NotASerialPort);
    EXPECT_EQ(EComPort::ReasonOf(EIO), Reason::Other);
}

TEST(PortOpenFailureReason, OnlyAFailedOpenHasAReasonAndAPortName)
{
    const EComPort write(EComPort::WriteFailed, EBUSY);
    EXPECT_EQ(write.reason(), Reason::None);
    EXPECT_TRUE(write.portName().isEmpty());
    EXPECT_STREQ(write.what(), "WriteFile function failed (win error code: 16)");
}

TEST(PortOpenFailureReason, AMissingPortIsNotFound)
{
    const std::optional<EComPort> failure = openFailure("/dev/winorba-no-such-port");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason(), Reason::NotFound);
    EXPECT_EQ(failure->portName(), "/dev/winorba-no-such-port");
    EXPECT_EQ(failure->systemError(), ENOENT);
    // The message for a log or a caller without words stays as it was.
    EXPECT_STREQ(failure->what(), "Unable to open com port (win error code: 2)");
}

TEST(PortOpenFailureReason, APortHeldByAnotherProgramIsInUse)
{
    PseudoTerminal line;
    TComPort holder;
    holder.SetPort(line.slavePath());
    holder.OpenPort();
    const std::optional<EComPort> failure = openFailure(line.slavePath());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason(), Reason::InUse);
    EXPECT_EQ(failure->systemError(), EBUSY);
    EXPECT_EQ(failure->portName(), line.slavePath());
}

TEST(PortOpenFailureReason, AnExclusiveTerminalRefusesAnOrdinaryUserAsInUse)
{
    PseudoTerminal line;
    QFile slave(line.slavePath());
    ASSERT_TRUE(slave.open(QIODevice::ReadWrite));
    ASSERT_EQ(ioctl(slave.handle(), TIOCEXCL), 0);
    // Others may open the terminal as far as its mode goes; only the exclusive flag refuses them.
    ASSERT_TRUE(QFile::setPermissions(line.slavePath(), QFileDevice::Permissions(0x6666)));
    const int reason = reasonAsNobody(line.slavePath());
    if (reason == 255)
        GTEST_SKIP() << "no user 'nobody' to become";
    EXPECT_EQ(reason, int(Reason::InUse));
    ioctl(slave.handle(), TIOCNXCL);
}

TEST(PortOpenFailureReason, AnOrdinaryUserWithoutRightsHasNoPermission)
{
    PseudoTerminal line;
    ASSERT_TRUE(QFile::setPermissions(line.slavePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const int reason = reasonAsNobody(line.slavePath());
    if (reason == 255)
        GTEST_SKIP() << "no user 'nobody' to become";
    EXPECT_EQ(reason, int(Reason::NoPermission));
}

TEST(PortOpenFailureReason, ADeviceOrFileThatIsNoTerminalIsNotASerialPort)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString &name : {QStringLiteral("/dev/null"), plain.fileName(), dir.path()}) {
        const std::optional<EComPort> failure = openFailure(name);
        ASSERT_TRUE(failure) << name.toStdString();
        EXPECT_EQ(failure->reason(), Reason::NotASerialPort) << name.toStdString();
        EXPECT_EQ(failure->portName(), name);
    }
}
