#include "app/FailureWords.h"
#include "link/port/EComPort.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace
{

KeptTexts portTexts()
{
    KeptTexts texts;
    texts.portNotOpened = "Port %1: %2 (chyba %3)";
    texts.portNotFound = "neexistuje";
    texts.portInUse = "pou\x9E\xEDv\xE1 ho jin\xFD program";
    texts.portNoPermission = "chyb\xED opr\xE1vn\xECn\xED; skupina dialout";
    texts.notASerialPort = "nen\xED to s\xE9riov\xFD port";
    texts.portRefused = "odm\xEDtnuto";
    return texts;
}

QString wordsFor(int systemError, const KeptTexts &texts = portTexts())
{
    return PortFailureInWords(EComPort(EComPort::OpenFailed, systemError).forPort("/dev/ttyUSB0"), texts);
}

} // namespace

TEST(FailureWords, APortThatDidNotOpenIsToldWithItsNameTheReasonAndTheNumber)
{
    EXPECT_EQ(wordsFor(ENOENT), "Port /dev/ttyUSB0: neexistuje (chyba 2)");
    EXPECT_EQ(wordsFor(ENXIO), "Port /dev/ttyUSB0: neexistuje (chyba 6)");
    EXPECT_EQ(wordsFor(EBUSY), QString::fromUtf8("Port /dev/ttyUSB0: používá ho jiný program (chyba 16)"));
    EXPECT_EQ(wordsFor(EACCES), QString::fromUtf8("Port /dev/ttyUSB0: chybí oprávnění; skupina dialout (chyba 13)"));
    EXPECT_EQ(wordsFor(ENOTTY), QString::fromUtf8("Port /dev/ttyUSB0: není to sériový port (chyba 25)"));
    EXPECT_EQ(wordsFor(EIO), QString::fromUtf8("Port /dev/ttyUSB0: odmítnuto (chyba 5)"));
}

TEST(FailureWords, WithoutTheTextsOrForOtherFailuresTheMessageStaysAsItIs)
{
    EXPECT_EQ(wordsFor(ENOENT, KeptTexts{}), "Unable to open com port (win error code: 2)");
    EXPECT_EQ(FailureInWords(EComPort(EComPort::WriteFailed, 5), portTexts()),
              "WriteFile function failed (win error code: 5)");
    EXPECT_EQ(FailureInWords(std::runtime_error("disk"), portTexts()), "disk");
    // Through the general entry a port failure is put in words all the same.
    EXPECT_EQ(FailureInWords(EComPort(EComPort::OpenFailed, EBUSY).forPort("COM1"), portTexts()).left(10),
              "Port COM1:");
}
