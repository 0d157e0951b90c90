#include "document/DeviceFileWriter.h"
#include "DeviceFileSamples.h"
#include "document/DeviceFileReader.h"
#include "document/NewDocument.h"
#include "document/TextHelpers.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <stdexcept>
#include <string>

namespace
{

const QDateTime Now(SampleDay, QTime(9, 30, 0), Qt::UTC);

QByteArray plain(const std::vector<Entry> &entries, QByteArrayView version = "0")
{
    return ComposePlainDeviceFile(entries, SampleDay, SampleClock, version);
}

std::string refusal(const std::vector<Entry> &entries, QByteArrayView version = "0")
{
    try {
        plain(entries, version);
    } catch (const std::runtime_error &failure) {
        return failure.what();
    }
    return "no failure";
}

QByteArray randomText(QRandomGenerator &random, QByteArrayView alphabet, int length)
{
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text.append(alphabet[random.bounded(int(alphabet.size()))]);
    return text;
}

// A list of records of one layout: offsets one after another, values of 1, 2 or 4 bytes.
std::vector<Entry> uniformList(QRandomGenerator &random)
{
    const int fields = random.bounded(0, 5);
    QList<std::pair<QByteArray, int>> layout;
    int offset = 0;
    for (int f = 0; f < fields; ++f) {
        const int bytes = 1 << random.bounded(3);
        layout.append({QByteArray::number(offset), bytes});
        offset += bytes;
    }
    const int nameWidth = random.bounded(0, 10);
    std::vector<Entry> entries;
    for (int record = 1, records = random.bounded(1, 6); record <= records; ++record) {
        const int nameLength = record == 1 ? nameWidth : random.bounded(0, nameWidth + 1);
        entries.push_back(Entry{QByteArray::number(record), randomText(random, "abSAPRN \xE8\x9A", nameLength), ""});
        for (const auto &[at, bytes] : layout)
            entries.push_back(Entry{"", at, "$" + randomText(random, "0123456789ABCDEF", 2 * bytes), ""});
    }
    return entries;
}

// What the reader gives for a list written by the plain writer.
std::vector<Entry> asReadBack(const std::vector<Entry> &written, QByteArrayView headerTail)
{
    const qsizetype nameWidth = written.front().cellView(Entry::NameOffset).size();
    std::vector<Entry> expected;
    for (const Entry &entry : written) {
        if (entry.isRecordHeader()) {
            expected.push_back(Entry{PadLeft(entry.cellView(Entry::Number), 4) + ' ',
                                     PadRight(entry.cellView(Entry::NameOffset), nameWidth), headerTail, ""});
        } else {
            const QByteArrayView hex = entry.cellView(Entry::Hex);
            expected.push_back(Entry{"", entry.cellView(Entry::NameOffset), hex, FieldCharNumber(hex)});
        }
    }
    return expected;
}

} // namespace

TEST(PlainDeviceFile, NewDocumentGivesTheFiveLinesAndWritesBackUnchanged)
{
    EXPECT_EQ(plain(NewDocumentEntries()), NewDocumentFile);
    const DeviceFileReadResult back = ReadDeviceText(NewDocumentFile, false, Now);
    EXPECT_EQ(plain(back.entries, QByteArray::number(*back.version)), NewDocumentFile);
}

TEST(PlainDeviceFile, GeneratedUniformListsSurviveWriteAndRead)
{
    QRandomGenerator random(7122026);
    for (int round = 0; round < 300; ++round) {
        const std::vector<Entry> entries = uniformList(random);
        const QByteArray version = QByteArray::number(random.bounded(-99999, 999999));
        const QByteArray file = plain(entries, version);
        const DeviceFileReadResult back = ReadDeviceText(file, false, Now);
        ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString() << "\n" << file.toStdString();
        const QByteArray tail =
            PadLeft(QByteArray::number(RecordSize(entries, FieldsPerRecord(entries))), 6) + PadLeft(version, 6) + " 0 ";
        EXPECT_EQ(back.entries, asReadBack(entries, tail)) << file.toStdString();
        EXPECT_EQ(back.version, version.toInt());
        EXPECT_EQ(plain(back.entries, version), file);
    }
}

TEST(PlainDeviceFile, RecordsWithoutFieldsAreAHeaderLineAndSde)
{
    const std::vector<Entry> entries{Entry{"1", "ab", ""}, Entry{"2", "c", ""}};
    EXPECT_EQ(plain(entries), "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   1 \\ab\\     0     0 0\r\nSDE\r\n"
                              "SDK   1   2 \\c \\     0     0 0\r\nSDE\r\n"
                              "SFE\r\n");
    EXPECT_EQ(plain({}), "SFA $07.12.26 15:12:03$\r\nSFE\r\n");
}

TEST(PlainDeviceFile, LastRecordEndsWithTheListWhenItIsShort)
{
    const std::vector<Entry> entries{Entry{"1", "a", ""}, Entry{"", "0", "$01"}, Entry{"", "1", "$02"},
                                     Entry{"2", "b", ""}, Entry{"", "0", "$03"}};
    EXPECT_EQ(plain(entries), "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1   1 \\a\\     2     0 0\r\nSDW     0  1 C01\r\nSDW     1  1 C02\r\nSDE\r\n"
                              "SDK   1   2 \\b\\     2     0 0\r\nSDW     0  1 C03\r\nSDE\r\n"
                              "SFE\r\n");
}

TEST(PlainDeviceFile, VersionTextThatIsNotAWholeNumberWritesZero)
{
    const std::vector<Entry> entries{Entry{"1", "a", ""}};
    EXPECT_TRUE(plain(entries, "-").contains("\\     0     0 0\r\n"));
    EXPECT_TRUE(plain(entries, "abc").contains("\\     0     0 0\r\n"));
    EXPECT_TRUE(plain(entries, "$10").contains("\\     0    16 0\r\n"));
    EXPECT_TRUE(plain(entries, "-12345").contains("\\     0-12345 0\r\n"));
}

TEST(RecordSize, LargestOffsetWinsFirstAtATiePlusItsByteCount)
{
    const Entry header{"1", "a", ""};
    EXPECT_EQ(RecordSize({header, Entry{"", "0", "$00"}}, 1), 1);
    EXPECT_EQ(RecordSize({header, Entry{"", "0", "$00"}, Entry{"", "4", "$ABCD"}, Entry{"", "2", "$12345678"},
                          Entry{"", "4", "$11"}},
                         4),
              6);
    // No offset above 0: the first field's byte count.
    EXPECT_EQ(RecordSize({header, Entry{"", "0", "$1234"}, Entry{"", "-5", "$12345678"}}, 2), 2);
    EXPECT_EQ(RecordSize({header}, 0), 0);
    EXPECT_EQ(RecordSize({header, Entry{"", "$10", "$00"}}, 1), 17);
}

TEST(RecordSize, FailsOnAnOffsetThatIsNotANumberOrAMissingCell)
{
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, Entry{"", "x", "$00"}}), "'x' is not a valid integer value");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, Entry{"", "3"}}), "List index out of bounds (1)");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, Entry{""}}), "List index out of bounds (0)");
    EXPECT_EQ(refusal({Entry{"1"}}), "List index out of bounds (0)");
    // Offsets behind the first record are written as they stand.
    EXPECT_NO_THROW(plain({Entry{"1", "a", ""}, Entry{"", "0", "$00"}, Entry{"2", "b", ""}, Entry{"", "x", "$00"}}));
}

TEST(PlainDeviceFile, RefusesValuesWiderThanTheirColumns)
{
    const Entry field{"", "0", "$00"};
    EXPECT_EQ(refusal({Entry{"12345", "a", ""}, field}),
              "Cannot save: the record number \"12345\" in row 1 is longer than 4 characters.");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, field, Entry{"2", "a", ""}, Entry{"", "1234567", "$00"}}),
              "Cannot save: the offset \"1234567\" in row 4 is longer than 6 characters.");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, field, Entry{"2", "a", ""}, Entry{"", "0", "$" + QByteArray(2000, '0')}}),
              "Cannot save: the byte count \"1000\" in row 4 is longer than 3 characters.");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, Entry{"", "999999", "$00"}}),
              "Cannot save: the record size \"1000000\" is longer than 6 characters.");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, field}, "1234567"),
              "Cannot save: the version \"1234567\" is longer than 6 characters.");
}

TEST(PlainDeviceFile, ValuesThatFitOnceTheirBlanksAreDroppedAreWritten)
{
    const QByteArray file = plain({Entry{" 1234 ", "a", ""}, Entry{"", "  123456", "$" + QByteArray(1998, '0')},
                                   Entry{"  12  ", "b", ""}, Entry{"", " 0", "$00"}});
    EXPECT_TRUE(file.contains("SDK   11234 \\a\\")) << file.left(120).toStdString();
    EXPECT_TRUE(file.contains("SDK   1  12 \\b\\"));
    EXPECT_TRUE(file.contains("SDW123456999 C00"));
    EXPECT_TRUE(file.contains("SDW     0  1 C00"));
    // A leading blank too many must not cost the value its last digit.
    const QByteArray shifted = plain({Entry{" 1234", "a", ""}, Entry{"", " 123456", "$00"}});
    EXPECT_TRUE(shifted.contains("SDK   11234 \\a\\")) << shifted.toStdString();
    EXPECT_TRUE(shifted.contains("SDW123456  1 C00"));
}

TEST(PlainDeviceFile, NamesTakeTheFirstNamesWidthButNoNameLosesItsText)
{
    const Entry field{"", "0", "$00"};
    const QByteArray file =
        plain({Entry{"1", "abcd", ""}, field, Entry{"2", "ab", ""}, field, Entry{"3", "wxyz      ", ""}, field});
    EXPECT_TRUE(file.contains("\\ab  \\"));
    EXPECT_TRUE(file.contains("\\wxyz\\"));
    EXPECT_EQ(refusal({Entry{"1", "ab  ", ""}, field, Entry{"2", "abcde", ""}, field}),
              "Cannot save: the record name \"abcde\" in row 3 is longer than the first record's name (4 "
              "characters), to whose width every name is written.");
}

TEST(PlainDeviceFile, RefusesTextsThatWouldNotReadBack)
{
    const Entry field{"", "0", "$00"};
    EXPECT_EQ(refusal({Entry{"1", "a\\b", ""}, field}),
              "Cannot save: the record name \"a\\b\" in row 1 contains a backslash, which separates the texts of a "
              "record header line.");
    EXPECT_EQ(refusal({Entry{"1", "ab", ""}, field, Entry{"2\\", "cd", ""}, field}),
              "Cannot save: the record number \"2\\\" in row 3 contains a backslash, which separates the texts of a "
              "record header line.");
    EXPECT_EQ(refusal({Entry{"1", "a", ""}, Entry{"", "0", "$0\r\n0"}}),
              "Cannot save: row 2 holds a line break or a NUL character, which the file cannot hold.");
}

TEST(DeviceVariantFile, WritesKeptLinesOwnTailsSdxAndTheCheckLine)
{
    const std::vector<Entry> entries{Entry{"   1 ", "ab", "tail1 ", ""}, Entry{"", "0", "$41", "A"},
                                     Entry{"   2 ", "c", "tail2 ", ""}, Entry{"", "0", "$42", "B"}};
    const QByteArray records = "SDK   1   1 \\ab\\tail1 \r\nSRN r \r\nSDX     0  1 C41\r\nSDE\r\n"
                               "SDK   1   2 \\c \\tail2 \r\nSRN r \r\nSDX     0  1 C42\r\nSDE\r\n";
    const QByteArray head = "SFA $07.12.26 15:12:03$\r\nSAP s \r\n";
    const QByteArray file = ComposeDeviceVariantFile(entries, SampleDay, SampleClock, "SAP s ", "SRN r ");
    const QByteArray check = SprChecksum(head + records);
    EXPECT_EQ(file, head + records + check + "\r\nSFE\r\n");

    // The check covers the first SDK line without its end, then everything from the first SRN line on, less
    // the first "SDE" line.
    const QByteArray covered = "SDK   1   1 \\ab\\tail1 SRN r \r\nSDX     0  1 C41\r\n"
                               "SDK   1   2 \\c \\tail2 \r\nSRN r \r\nSDX     0  1 C42\r\nSDE\r\n";
    quint8 value = 0;
    for (char c : covered)
        value ^= static_cast<quint8>(c);
    EXPECT_EQ(check, "SPR H" + QByteArray::number(value + 1, 16).toUpper().rightJustified(2, '0'));
}

TEST(DeviceVariantFile, EmptyKeptLinesAreEmptyLines)
{
    const QByteArray file = ComposeDeviceVariantFile({Entry{"1", "a", "t"}}, SampleDay, SampleClock, "", "");
    EXPECT_TRUE(file.startsWith("SFA $07.12.26 15:12:03$\r\n\r\nSDK   1   1 \\a\\t\r\n\r\nSDE\r\nSPR H"));
    EXPECT_THROW(ComposeDeviceVariantFile({Entry{"1", "a"}}, SampleDay, SampleClock, "", ""), std::runtime_error);
}

TEST(SprChecksum, IsCheckBytePlusOneInAtLeastTwoHexDigits)
{
    // Of "SFA\r\nSDK\r\nx" only "SDK" and x remain, and "SDK" alone xors to $5C.
    EXPECT_EQ(SprChecksum("SFA\r\nSDK\r\n\x5C"), "SPR H01");
    EXPECT_EQ(SprChecksum("SFA\r\nSDK\r\n\xA3"), "SPR H100");
    EXPECT_EQ(SprChecksum("SFA\r\nSDK\r\n\x50"), "SPR H0D");
    EXPECT_EQ(SprChecksum(""), "SPR H01");
}
