#include "devsim/DeviceSimulator.h"
#include "devsim/DeviceFileNumber.h"
#include "document/DeviceFileReader.h"
#include "support/TestFiles.h"
#include "tools/ProgramPort.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

QByteArray deviceFile(const char *number, const char *name, const char *value)
{
    return QByteArray("SFA $07.12.26 15:12:03$\r\nSDK   1") + number + " \\" + name +
           "\\     1     0 0\r\nSDW     0  1 C" + value + "\r\nSDE\r\nSFE\r\n";
}

// A listed file as the program shows its directory row.
struct Row {
    QByteArray number;
    QByteArray name;
    QByteArray size;
    bool operator==(const Row &other) const = default;
    friend void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.number.toStdString() << " " << row.name.toStdString() << " " << row.size.toStdString();
    }
};

std::vector<Row> directoryRows(const QByteArray &listing)
{
    const DeviceFileReadResult read = ReadDeviceText(listing, true, QDateTime::currentDateTime());
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    std::vector<Row> rows;
    for (const Entry &entry : read.entries) {
        if (entry.isRecordHeader())
            rows.push_back(
                Row{DeviceFileNumberOf(entry.cell(Entry::Number)), entry.cell(Entry::NameOffset).trimmed(), {}});
        else
            rows.back().size = entry.cell(Entry::CharNumber);
    }
    return rows;
}

class DeviceSimulatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        TestFiles::write(path("alpha.txt"), deviceFile("   7", "alpha", "41"));
        TestFiles::write(path("beta.txt"), deviceFile("  12", "beta \x9A", "42"));
        TestFiles::write(path("copy.txt"), deviceFile("12345", "copy", "43"));
        TestFiles::write(path("notes.txt"), "hello\r\n");
    }

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // Starts the simulator and opens its port as the program does.
    std::unique_ptr<ProgramPort> start(DeviceSimulator &simulator)
    {
        EXPECT_EQ(simulator.start(), QString());
        auto port = std::make_unique<ProgramPort>(simulator.portPath());
        EXPECT_TRUE(port->isOpen());
        return port;
    }

    QByteArray exchange(ProgramPort &port, const QByteArray &command, const QByteArray &answerEnd)
    {
        port.write(command);
        return port.readUntil(answerEnd);
    }

    QTemporaryDir m_folder;
    DeviceSimulator m_simulator{{.folder = m_folder.path()}};
};

} // namespace

TEST_F(DeviceSimulatorTest, AnswersDstransAndKeepsTheExactWire)
{
    QSignalSpy commands(&m_simulator, &DeviceSimulator::commandReceived);
    auto port = start(m_simulator);
    EXPECT_EQ(exchange(*port, "*KORAX@DSTRANS$!", "$!"), "STRANS$!");
    port->write("*KORAX@EW$!*KORAX@BREAK$!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.size() == 3; }));
    EXPECT_EQ(commands.at(2).at(0).toByteArray(), "*KORAX@BREAK$!");
    EXPECT_EQ(m_simulator.received(), "*KORAX@DSTRANS$!*KORAX@EW$!*KORAX@BREAK$!");
    EXPECT_EQ(m_simulator.sent(), "STRANS$!");
    ASSERT_EQ(m_simulator.transcript().size(), 3);
    EXPECT_EQ(m_simulator.transcript().at(1).direction, DeviceSimulator::Direction::ToProgram);
}

TEST_F(DeviceSimulatorTest, DirectoryListsEachFileUnderTheNumberOfItsFirstRecord)
{
    auto port = start(m_simulator);
    const QByteArray listing = exchange(*port, "*KORAX@DIR$!", "SFE\r\n");
    EXPECT_TRUE(listing.startsWith("SFA $"));
    // copy.txt's number is too long and notes.txt has none: both get the lowest free ones.
    EXPECT_EQ(directoryRows(listing), (std::vector<Row>{{"007", "alpha.txt", "88"},
                                                        {"012", "beta.txt", "89"},
                                                        {"001", "copy.txt", "88"},
                                                        {"002", "notes.txt", "7"}}));
}

TEST_F(DeviceSimulatorTest, TellsOfNamesTheProgramWillNotShow)
{
    // At the start: copy.txt and notes.txt are listed under the lowest free numbers; with the listing: SPRING.txt.
    QSignalSpy notices(&m_simulator, &DeviceSimulator::notice);
    TestFiles::write(path("SPRING.txt"), deviceFile("  20", "spring", "46"));
    auto port = start(m_simulator);
    exchange(*port, "*KORAX@DIR$!", "SFE\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 3; }));
    EXPECT_TRUE(notices.at(2).at(0).toString().startsWith("SPRING.txt: a name holding SPR"));
}

TEST_F(DeviceSimulatorTest, NumbersHoldFromOneListingToTheNext)
{
    QSignalSpy notices(&m_simulator, &DeviceSimulator::notice);
    auto port = start(m_simulator);
    exchange(*port, "*KORAX@DIR$!", "SFE\r\n");
    TestFiles::write(path("aaa.txt"), deviceFile("   1", "aaa", "44"));
    TestFiles::write(path("\xC5\xA1"
                          "ance.txt"),
                     deviceFile("   3", "sance", "45"));
    notices.clear();
    const std::vector<Row> rows = directoryRows(exchange(*port, "*KORAX@DIR$!", "SFE\r\n"));
    // The new aaa.txt finds its number 001 held by copy.txt, which keeps it: aaa.txt is left out, as a
    // write-back of it would delete copy.txt.
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.at(2), (Row{"001", "copy.txt", "88"}));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return std::any_of(notices.begin(), notices.end(), [](const QList<QVariant> &notice) {
            const QString text = notice.at(0).toString();
            return text.contains("aaa.txt") && text.contains("copy.txt") && text.contains("001");
        });
    }));
    // File names reach the program in its code page.
    EXPECT_EQ(rows.at(4), (Row{"003",
                               "\x9A"
                               "ance.txt",
                               "88"}));
    EXPECT_EQ(exchange(*port, "*KORAX@RD001%001$!", "SFE\r\n"), TestFiles::read(path("copy.txt")));
}

TEST_F(DeviceSimulatorTest, ReadSendsTheFileUnchanged)
{
    auto port = start(m_simulator);
    EXPECT_EQ(exchange(*port, "*KORAX@RD001%012$!", "SFE\r\n"), deviceFile("  12", "beta \x9A", "42"));
    QSignalSpy notices(&m_simulator, &DeviceSimulator::notice);
    port->write("*KORAX@RD001%099$!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 1; }));
    EXPECT_TRUE(notices.at(0).at(0).toString().contains("099"));
    EXPECT_EQ(m_simulator.sent(), deviceFile("  12", "beta \x9A", "42"));
}

TEST_F(DeviceSimulatorTest, AnUploadAfterDeleteReplacesTheFileUnderItsName)
{
    QSignalSpy stored(&m_simulator, &DeviceSimulator::fileStored);
    auto port = start(m_simulator);
    port->write("*KORAX@DEL001%007$!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(path("alpha.txt")); }));
    EXPECT_EQ(directoryRows(exchange(*port, "*KORAX@DIR$!", "SFE\r\n")).front().name, "beta.txt");

    port->write("*KORAX@DEL001%012$!");
    EXPECT_EQ(exchange(*port, "*KORAX@DSDOWN$!", "$!"), "SDOWN$!");
    const QByteArray edited = deviceFile("  12", "edited", "4F");
    for (const QByteArray &line : edited.split('\n'))
        port->write(line.isEmpty() ? line : line + '\n');
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.size() == 1; }));
    EXPECT_EQ(stored.at(0).at(0).toString(), path("beta.txt"));
    EXPECT_EQ(TestFiles::read(path("beta.txt")), edited);
    EXPECT_EQ(directoryRows(exchange(*port, "*KORAX@DIR$!", "SFE\r\n")).front(), (Row{"012", "beta.txt", "89"}));
}

TEST_F(DeviceSimulatorTest, AFileSentWithoutCommandIsStoredAsANewFile)
{
    QSignalSpy stored(&m_simulator, &DeviceSimulator::fileStored);
    auto port = start(m_simulator);
    const QByteArray sent = deviceFile("   5", "sent", "00");
    port->write(sent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.size() == 1; }));
    EXPECT_EQ(TestFiles::read(path("received-001.txt")), sent);

    // A last line without line end goes a character at a time and ends when the port closes.
    const QByteArray cut = sent.chopped(2);
    port->write(cut.chopped(3));
    for (const char c : cut.last(3))
        port->write(QByteArray(1, c));
    port->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return stored.size() == 2; }));
    EXPECT_EQ(TestFiles::read(path("received-002.txt")), cut);
}

TEST_F(DeviceSimulatorTest, AnUploadGivenUpStoresNothing)
{
    QSignalSpy stored(&m_simulator, &DeviceSimulator::fileStored);
    QSignalSpy notices(&m_simulator, &DeviceSimulator::notice);
    auto port = start(m_simulator);
    const QByteArray begun = "SFA $07.12.26 15:12:03$\r\nSDK   1   9 \\x\\     1     0 0\r\n";
    // Cancelled: the program leaves On Line mode in the middle of the upload.
    port->write("*KORAX@DSDOWN$!" + begun + "*KORAX@EW$!*KORAX@BREAK$!");
    // Cut off: the program closes the port in the middle of a file.
    port->write(begun);
    port->close();
    auto dropped = [&] {
        return std::count_if(notices.begin(), notices.end(), [](const QList<QVariant> &notice) {
            return notice.at(0).toString().startsWith("Dropped");
        });
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return dropped() == 2; }));
    EXPECT_EQ(stored.size(), 0);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files).size(), 4);
    EXPECT_EQ(m_simulator.sent(), "SDOWN$!");
}

TEST_F(DeviceSimulatorTest, PushWaitsForTheProgramsPort)
{
    ASSERT_EQ(m_simulator.start(), QString());
    EXPECT_FALSE(m_simulator.pushFile(path("alpha.txt")).isEmpty());
    ProgramPort port(m_simulator.portPath());
    EXPECT_FALSE(m_simulator.pushFile(path("missing.txt")).isEmpty());
    EXPECT_EQ(m_simulator.pushFile(path("alpha.txt")), QString());
    EXPECT_EQ(port.readUntil("SFE\r\n"), deviceFile("   7", "alpha", "41"));
}

TEST(DeviceSimulatorCutting, ASeedCutsTheSameWayEveryTimeAndLosesNothing)
{
    QTemporaryDir folder;
    QByteArray text;
    for (int i = 0; i < 40; ++i)
        text += "SDW     " + QByteArray::number(i % 10) + "  1 C41\r\n";
    TestFiles::write(folder.filePath("big.txt"), text);
    auto pieces = [&](quint32 seed) {
        DeviceSimulator simulator({.folder = folder.path(), .chunkSeed = seed, .maxChunk = 5});
        QList<qsizetype> sizes;
        QObject::connect(&simulator, &DeviceSimulator::wire,
                         [&](DeviceSimulator::Direction, const QByteArray &bytes) { sizes.append(bytes.size()); });
        EXPECT_EQ(simulator.start(), QString());
        ProgramPort port(simulator.portPath());
        EXPECT_EQ(simulator.pushFile(folder.filePath("big.txt")), QString());
        EXPECT_EQ(port.readUntil(text.last(12)), text);
        return sizes;
    };
    const QList<qsizetype> first = pieces(7);
    EXPECT_EQ(first, pieces(7));
    EXPECT_NE(first, pieces(8));
    EXPECT_EQ(std::accumulate(first.begin(), first.end(), qsizetype(0)), text.size());
    EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](qsizetype size) { return size >= 1 && size <= 5; }));
    EXPECT_GT(std::count(first.begin(), first.end(), 1), 0);
    EXPECT_GT(std::count(first.begin(), first.end(), 5), 0);
}

TEST(DeviceSimulatorHangUp, HangsUpAfterTheGivenCountAndTakesItsLinkAlong)
{
    QTemporaryDir folder;
    const QString link = folder.filePath("port");
    DeviceSimulator simulator({.folder = folder.path(), .linkPath = link, .hangUpAfter = 10});
    QSignalSpy hungUp(&simulator, &DeviceSimulator::hungUp);
    ASSERT_EQ(simulator.start(), QString());
    const QString slave = simulator.portPath();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), slave);
    ProgramPort port(link);
    port.write("*KORAX@DSTRANS$!");
    EXPECT_EQ(port.readUntil("STRANS$!"), "STRANS$!");
    port.write("*KORAX@DIR$!");
    EXPECT_EQ(port.readUntil("never"), "SF");
    EXPECT_TRUE(port.hungUp());
    EXPECT_EQ(hungUp.size(), 1);
    EXPECT_TRUE(simulator.isHungUp());
    EXPECT_EQ(simulator.sent(), "STRANS$!SF");
    EXPECT_FALSE(QFileInfo::exists(slave));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(simulator.pushFile(folder.filePath("port")).isEmpty());
}

TEST(DeviceSimulatorStart, RefusesWhatItCannotServeAndLeavesOtherFilesAlone)
{
    QTemporaryDir folder;
    EXPECT_FALSE(DeviceSimulator({.folder = folder.filePath("missing")}).start().isEmpty());
    const QString taken = folder.filePath("taken");
    TestFiles::write(taken, "mine");
    EXPECT_FALSE(DeviceSimulator({.folder = folder.path(), .linkPath = taken}).start().isEmpty());
    EXPECT_EQ(TestFiles::read(taken), "mine");

    const QString link = folder.filePath("link");
    ASSERT_TRUE(QFile::link("/dev/null", link));
    {
        DeviceSimulator simulator({.folder = folder.path(), .linkPath = link});
        ASSERT_EQ(simulator.start(), QString());
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), simulator.portPath());
    }
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(DeviceSimulatorStart, RefusesTwoFilesOfOneNumberNamingBoth)
{
    QTemporaryDir folder;
    TestFiles::write(folder.filePath("alpha.txt"), deviceFile("   7", "alpha", "41"));
    TestFiles::write(folder.filePath("beta.txt"), deviceFile("  12", "beta", "42"));
    TestFiles::write(folder.filePath("copy.txt"), deviceFile(" 007", "copy", "43"));
    TestFiles::write(folder.filePath("other.txt"), deviceFile("12  ", "other", "44"));
    const QString link = folder.filePath("port");
    DeviceSimulator simulator({.folder = folder.path(), .linkPath = link});
    const QString error = simulator.start();
    EXPECT_TRUE(error.contains("alpha.txt and copy.txt") && error.contains("007")) << error.toStdString();
    EXPECT_TRUE(error.contains("beta.txt and other.txt") && error.contains("012")) << error.toStdString();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TestFiles::read(folder.filePath("copy.txt")), deviceFile(" 007", "copy", "43"));
}
