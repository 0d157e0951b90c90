#include "document/DeviceFileReader.h"
#include "DeviceFileSamples.h"
#include "document/DeviceFileTitle.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{

const QDateTime Now(QDate(2026, 12, 7), QTime(9, 30, 0), Qt::UTC);

DeviceFileReadResult read(QByteArrayView text, bool online = false)
{
    return ReadDeviceText(text, online, Now);
}

Entry parse(QByteArrayView line)
{
    DeviceFileReadResult state;
    return ParseDeviceLine(line, Now, state);
}

} // namespace

TEST(DeviceFileReader, ReadsTheNewDocumentFileBack)
{
    const DeviceFileReadResult result = read(NewDocumentFile);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0], (Entry{"  xx ", "jmeno", "     1     0 0 ", ""}));
    EXPECT_EQ(result.entries[1], (Entry{"", "0", "$00", QByteArrayView("\0", 1)}));
    EXPECT_EQ(result.version, 0);
    ASSERT_TRUE(result.created.has_value());
    EXPECT_EQ(result.created->date(), QDate(2026, 12, 7));
    EXPECT_EQ(result.created->time(), QTime(15, 12, 3));
    EXPECT_FALSE(result.keptSap || result.keptSrn || result.keptSpr);
}

TEST(DeviceFileReader, FieldLinesTakeTheirValueFromTheHexDigitsAlone)
{
    EXPECT_EQ(parse("SDW    12  2 CABCD "), (Entry{"", "12", "$ABCD", "52651"}));
    EXPECT_EQ(parse("SDW     4  1 C41 "), (Entry{"", "4", "$41", "A"}));
    EXPECT_EQ(parse("SDX     4  1 C41 "), (Entry{"", "4", "$41", "A"}));
    // The byte count is not read: nine bytes announced, one given.
    EXPECT_EQ(parse("SDW     0  9 C00 "), (Entry{"", "0", "$00", QByteArrayView("\0", 1)}));
    // The character of $5C is a backslash, not a separator.
    EXPECT_EQ(parse("SDW     1  1 C5C "), (Entry{"", "1", "$5C", "\\"}));
    // Blanks that ended the line in the file stay part of a long value.
    EXPECT_EQ(parse("SDW     2  5 C0100000099  "), (Entry{"", "2", "$0100000099 ", "1"}));
}

TEST(DeviceFileReader, LinesWithoutBackslashesOrWithEndTagsGiveNoEntry)
{
    const DeviceFileReadResult result = read("SDE\r\nSFE\r\n\r\nplain text\r\na\\b\\\r\n\\\r\n");
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0], (Entry{"a", "b"}));
    // A lone backslash gives one empty text: an entry (a field entry) all the same.
    EXPECT_EQ(result.entries[1], (Entry{""}));
    EXPECT_EQ(result.version, std::nullopt);
    EXPECT_EQ(result.error, "List index out of bounds (1)");
}

TEST(DeviceFileReader, RecordHeaderLinesSplitIntoNumberNameTailAndAnEmptyText)
{
    EXPECT_EQ(parse("SDK   1  12 \\name \\    30     7 0 "), (Entry{"  12 ", "name ", "    30     7 0 ", ""}));
    EXPECT_EQ(parse("SDK "), (Entry{""}));
    // A backslash in a name splits it; its second part becomes the header tail.
    EXPECT_EQ(parse("SDK   1   1 \\a\\b\\tail "), (Entry{"   1 ", "a", "b", "tail ", ""}));
}

TEST(DeviceFileReader, KeepsTheLastDeviceLineOfEachKind)
{
    const DeviceFileReadResult result = read("SAP first\r\nSRN one\r\nSRN two\r\nSPR H1F\r\nx SAP y\\z\\\r\n");
    EXPECT_TRUE(result.entries.empty());
    EXPECT_EQ(result.keptSap, "x SAP y\\z\\ ");
    EXPECT_EQ(result.keptSrn, "SRN two ");
    EXPECT_EQ(result.keptSpr, "SPR H1F ");
}

TEST(DeviceFileReader, RecordNamesHoldingDeviceTagsStayRecords)
{
    const DeviceFileReadResult result = read("SDK   1   1 \\SAPSRNSPR\\     1     0 0\r\n"
                                             "SDW     0  1 C00\r\nSDE\r\nSFE\r\n");
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].cell(Entry::NameOffset), "SAPSRNSPR");
    EXPECT_FALSE(result.keptSap || result.keptSrn || result.keptSpr);
}

TEST(DeviceFileReader, AcceptsEveryLineEndAndStopsAtNul)
{
    const char *const separators[] = {"\r\n", "\n", "\r"};
    for (const char *end : separators) {
        QByteArray text = "SDK   1   1 \\a\\     1     7 0" + QByteArray(end) + "SDW     0  1 C41";
        const DeviceFileReadResult result = read(text);
        ASSERT_EQ(result.entries.size(), 2u) << end;
        EXPECT_EQ(result.version, 7);
        EXPECT_EQ(result.entries[1].cell(Entry::CharNumber), "A");
    }
    // LF CR is two line ends, so an empty line between; the NUL hides the rest.
    const DeviceFileReadResult cut = read(QByteArray("x\\\n\ry\\\r\nz\\\0w\\\r\n", 15));
    ASSERT_EQ(cut.entries.size(), 3u);
    EXPECT_EQ(cut.entries[2], (Entry{"z"}));
}

TEST(DeviceFileReader, ReadsTwoDigitYearsInTheHundredYearsFromFiftyYearsBack)
{
    EXPECT_EQ(read("SFA $01.01.76 00:00:00$").created->date(), QDate(1976, 1, 1));
    EXPECT_EQ(read("SFA $31.12.75 23:59:59$").created->date(), QDate(2075, 12, 31));
    EXPECT_EQ(read("SFA $29.02.24 12:00:00$").created->date(), QDate(2024, 2, 29));
    EXPECT_EQ(read("SFA $01.01.76 00:00:00$ trailing").created->time(), QTime(0, 0, 0));
}

TEST(DeviceFileReader, UnreadableStampFallsBackToNowAndTheLastSfaLineWins)
{
    for (const char *line :
         {"SFA $31.02.26 10:00:00$", "SFA $07.12.26 24:00:00$", "SFA $07-12-26 10:00:00$", "SFA $7.12.26 10:00:00$",
          "SFA $07.12.26 10:00:00", "SFA 07.12.26 10:00:00", "SFA $07.12.26 10:0$"}) {
        EXPECT_EQ(read(line).created, Now) << line;
    }
    const DeviceFileReadResult result = read("SFA $01.02.03 04:05:06$\nSFA bad\n");
    EXPECT_EQ(result.created, Now);
    EXPECT_EQ(read("SDE\r\n").created, std::nullopt);
}

TEST(DeviceFileReader, VersionComesFromTheFirstHeaderOutsideOnlineModeOnly)
{
    EXPECT_EQ(read(NewDocumentFile, true).version, std::nullopt);
    EXPECT_TRUE(read(NewDocumentFile, true).error.isEmpty());
    const DeviceFileReadResult notPlain = read("a\\b\\c\\\r\n");
    EXPECT_EQ(notPlain.entries.size(), 1u);
    EXPECT_EQ(notPlain.error, "'' is not a valid integer value");
    EXPECT_EQ(read("SDK   1   1 \\a\\     1    -5 0\r\n").version, -5);
    EXPECT_EQ(read("SDK   1   1 \\a\\     1   1x5 0\r\n").error, "'   1x5' is not a valid integer value");
}

TEST(DeviceFileReader, BadValueMidFileKeepsTheEntriesBeforeIt)
{
    const DeviceFileReadResult result = read("SDK   1   1 \\a\\     2     3 0\r\n"
                                             "SDW     0  1 C41\r\n"
                                             "SDW     1  1 C4G\r\n"
                                             "SDW     2  1 C42\r\n");
    EXPECT_EQ(result.error, "'$4G' is not a valid integer value");
    ASSERT_EQ(result.entries.size(), 2u);
    // The version is still read after the failure.
    EXPECT_EQ(result.version, 3);
}

TEST(DeviceFileReader, MissingFileGivesTheOpenMessageAndNoEntries)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("missing.txt");
    const DeviceFileReadResult result = ReadDeviceFile(name, false, Now);
    EXPECT_TRUE(result.entries.empty());
    EXPECT_EQ(result.error, "File \"" + name + "\" cannot be read: the file or its folder does not exist (error 2)");
    EXPECT_EQ(ReadDeviceFile(dir.path(), false, Now).error,
              "File \"" + dir.path() + "\" cannot be read: it is a folder (error 21)");
}

TEST(DeviceFileReader, RandomBytesNeverCrashAndOnlyFailWithTheFormatMessages)
{
    static const char *const pieces[] = {"SFA $", "SDK   1", "SDW ", "SDX", "SDE", "SFE", "SAP", "SRN",
                                         "SPR",   "\\",      "$",    " C",  "C",   "0",   "9",   "F",
                                         "g",     " ",       "\r\n", "\r",  "\n",  ".",   ":",   "-"};
    const QRegularExpression allowed("^('.*' is not a valid integer value|List index out of bounds \\(1\\))$",
                                     QRegularExpression::DotMatchesEverythingOption);
    QRandomGenerator random(20261207);
    for (int round = 0; round < 3000; ++round) {
        QByteArray text;
        const int length = random.bounded(60);
        for (int i = 0; i < length; ++i) {
            if (random.bounded(4) == 0)
                text.append(static_cast<char>(random.bounded(256)));
            else
                text.append(pieces[random.bounded(int(std::size(pieces)))]);
        }
        const DeviceFileReadResult result = read(text, random.bounded(2) == 1);
        if (!result.error.isEmpty()) {
            EXPECT_TRUE(allowed.match(result.error).hasMatch()) << result.error.toStdString();
        }
        for (const Entry &entry : result.entries)
            EXPECT_GT(entry.cellCount(), 0);
    }
}

TEST(DeviceFileWindowTitle, ShowsTheLastSixteenCharactersOfTheFolder)
{
    EXPECT_EQ(DeviceFileWindowTitle("/Data/Devices/Files/a.txt", false), "Windows Orba (...a/Devices/Files/a.txt)");
    EXPECT_EQ(DeviceFileWindowTitle("/home/abc/a.txt", false), "Windows Orba (.../home/abc/a.txt)");
    EXPECT_EQ(DeviceFileWindowTitle("a.txt", false), "Windows Orba (...a.txt)");
    // Edits not yet saved: a star after the file name.
    EXPECT_EQ(DeviceFileWindowTitle("/home/abc/a.txt", true), "Windows Orba (.../home/abc/a.txt*)");
}
