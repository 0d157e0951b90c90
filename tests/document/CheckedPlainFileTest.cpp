#include "document/CheckedPlainFile.h"
#include "DeviceFileSamples.h"
#include "document/DeviceFileWriter.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace
{

const QDateTime Now(SampleDay, QTime(9, 30, 0), Qt::UTC);

std::vector<Entry> loaded(const QByteArray &text)
{
    DeviceFileReadResult read = ReadDeviceText(text, false, Now);
    EXPECT_EQ(read.error, "") << text.toStdString();
    return std::move(read.entries);
}

CheckedPlainFile save(const std::vector<Entry> &entries, qint32 version = 0, QDate date = SampleDay)
{
    return ComposeCheckedPlainFile(entries, date, SampleClock, version, Now);
}

std::string refusal(const std::vector<Entry> &entries, QDate date = SampleDay)
{
    try {
        save(entries, 0, date);
    } catch (const std::runtime_error &failure) {
        return failure.what();
    }
    return "no refusal";
}

const QByteArray Header = "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\name\\     2     0 0\r\nSDW     0  1 C01\r\n";

QByteArray pick(QRandomGenerator &random, std::initializer_list<const char *> choices)
{
    return *(choices.begin() + random.bounded(int(choices.size())));
}

QByteArray randomText(QRandomGenerator &random, QByteArrayView alphabet, int longest)
{
    QByteArray text;
    for (int i = random.bounded(longest + 1); i > 0; --i)
        text.append(alphabet[random.bounded(int(alphabet.size()))]);
    return text;
}

QByteArray number(QRandomGenerator &random, int width)
{
    return QByteArray::number(random.bounded(100)).rightJustified(width, ' ');
}

QByteArray hexDigits(QRandomGenerator &random)
{
    return randomText(random, "0123456789ABCDEF", 2) + pick(random, {"", "", "AB", "ABCD", "123456", "abc"});
}

// One line of a device data file as an operator's files may hold it: mostly
// well formed, with blanks, letters, backslashes and widths out of place.
QByteArray randomLine(QRandomGenerator &random)
{
    switch (random.bounded(8)) {
    case 0:
        return "SDK   1" + number(random, 4) + " \\" + randomText(random, "ab \\SRNP", 8) + "\\" +
               pick(random, {"     2     0 0", "", "x", "     1     7 0 "});
    case 1:
    case 2:
    case 3:
        return pick(random, {"SDW", "SDX"}) + number(random, 6) + pick(random, {"  1 C", "  2 C", "  9 C"}) +
               hexDigits(random);
    case 4:
        return pick(random, {"SDW", "SDX", "SDW "}) + randomText(random, " 0123456789BCDEF", 8) +
               pick(random, {" C", "  1 C", ""}) + randomText(random, "0123456789ABCDEFabc ", 10);
    case 5:
        return randomText(random, "\\ aSDKWC0", 6);
    case 6:
        return pick(random, {"SDE", "SFE", "", "SAP 1", "SRN 2", "SPR H01", "SFA $01.02.03 04:05:06$"});
    default:
        return randomText(random, "SDKWXCAPRN$\\ 0123456789ABCDEF", 24);
    }
}

// A first record header that gives a version, then random lines.
QByteArray randomDeviceText(QRandomGenerator &random)
{
    QByteArray text = "SFA $07.12.26 15:12:03$\r\nSDK   1" + number(random, 4) + " \\" + randomText(random, "abc ", 6) +
                      "\\     2" + number(random, 6) + " 0\r\n";
    for (int lines = random.bounded(1, 14); lines > 0; --lines)
        text += randomLine(random) + pick(random, {"\r\n", "\n", "\r"});
    return text;
}

QByteArray withoutTrailingBlanks(QByteArray text)
{
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// What the file holds of an entry, by the rules of the format and nothing else.
void expectSameContent(const Entry &shown, const Entry &back, size_t row)
{
    ASSERT_EQ(shown.isRecordHeader(), back.isRecordHeader()) << "row " << row;
    if (shown.isRecordHeader()) {
        EXPECT_EQ(back.cell(Entry::Number).trimmed(), shown.cell(Entry::Number).trimmed()) << "row " << row;
        EXPECT_EQ(withoutTrailingBlanks(back.cell(Entry::NameOffset)),
                  withoutTrailingBlanks(shown.cell(Entry::NameOffset)))
            << "row " << row;
    } else {
        EXPECT_EQ(back.cell(Entry::NameOffset).trimmed(), shown.cell(Entry::NameOffset).trimmed()) << "row " << row;
        EXPECT_EQ(back.cell(Entry::Hex), shown.cell(Entry::Hex)) << "row " << row;
    }
}

} // namespace

TEST(CheckedPlainFile, RefusesFieldsThatWouldNotReadBackAndNamesTheRow)
{
    const QByteArray secondRecord = Header + "SDE\r\nSDK   1   2 \\next\\     2     0 0\r\n";
    // An offset holding the letter C moves where the value begins.
    EXPECT_EQ(refusal(loaded(secondRecord + "SDW   BCDEF0\r\n")),
              "Cannot save: row 4 would not read back from the file as it stands ('$DE C 2D ' is not a valid "
              "integer value). The file and the list are left as they are.");
    // Three backslashes make a field without a value.
    EXPECT_EQ(refusal(loaded(secondRecord + "\\\\\\\r\n")),
              "Cannot save: row 4 would not read back from the file as it stands ('$' is not a valid integer "
              "value). The file and the list are left as they are.");
    // A field as the first entry would come back as a record header.
    EXPECT_EQ(refusal({Entry{"", "0", "$01"}, Entry{"", "1", "$02"}}),
              "Cannot save: row 1 would not read back from the file as it stands. The file and the list are left "
              "as they are.");
}

TEST(CheckedPlainFile, ARecordHeaderIsWrittenAsAHeaderLineWhereverItStands)
{
    // The second record is shorter than the first: its header must not land on a field line.
    const std::vector<Entry> entries =
        loaded(Header + "SDW     1  1 C02\r\nSDE\r\n"
                        "SDK   1   2 \\next\\     2     0 0\r\nSDW     0  1 C03\r\nSDE\r\n"
                        "SDK   1   3 \\last\\     2     0 0\r\nSDE\r\nSFE\r\n");
    const CheckedPlainFile file = save(entries);
    EXPECT_TRUE(file.bytes.contains("SDW     0  1 C03\r\nSDE\r\nSDK   1   3 \\last\\     2     0 0\r\nSDE\r\nSFE"));
    EXPECT_EQ(file.readBack.entries, entries);
}

TEST(CheckedPlainFile, RefusesACreationDateOutsideTheTwoDigitYearWindow)
{
    const std::vector<Entry> entries = loaded(Header);
    EXPECT_EQ(refusal(entries, QDate(1950, 3, 4)),
              "Cannot save: the creation date 04.03.1950 would read back as 04.03.2050, as the file holds the year "
              "in two digits. The file and the list are left as they are.");
    EXPECT_EQ(save(entries, -99999, QDate(2075, 12, 31)).readBack.version, -99999);
}

TEST(CheckedPlainFile, FirstRowNotReadBackComparesWhatTheFileHolds)
{
    const std::vector<Entry> shown{Entry{"xx", "jmeno", ""}, Entry{"", "0", "$00", "?"}, Entry{"", "1", "$01", "x"}};
    const std::vector<Entry> same{Entry{"  xx ", "jmeno  ", "     1     0 0 ", ""}, Entry{"", "0", "$00", ""}};
    EXPECT_EQ(FirstRowNotReadBack(shown, same), 2u);
    EXPECT_EQ(FirstRowNotReadBack({shown[0], shown[1]}, same), std::nullopt);
    EXPECT_EQ(FirstRowNotReadBack(shown, {same[0], Entry{"", "0", "$0", ""}}), 1u);
    EXPECT_EQ(FirstRowNotReadBack(shown, {Entry{"", "jmeno"}}), 0u);
}

// Random files that load are saved in memory: either the save is refused, or
// the file reads back to the list, and saving that list again gives the same bytes.
TEST(CheckedPlainFile, SaveThenReloadOfRandomLoadableFiles)
{
    QRandomGenerator random(20261207);
    int loadable = 0;
    int saved = 0;
    for (int round = 0; round < 4000; ++round) {
        const QByteArray text = randomDeviceText(random);
        const DeviceFileReadResult read = ReadDeviceText(text, false, Now);
        if (!read.error.isEmpty() || read.entries.empty())
            continue;
        ++loadable;
        const qint32 version = *read.version;
        CheckedPlainFile file;
        try {
            file = save(read.entries, version);
        } catch (const std::runtime_error &) {
            continue;
        }
        ++saved;
        SCOPED_TRACE(text.toStdString());
        ASSERT_EQ(file.readBack.error, "");
        ASSERT_EQ(file.readBack.entries.size(), read.entries.size());
        for (size_t row = 0; row < read.entries.size(); ++row)
            expectSameContent(read.entries[row], file.readBack.entries[row], row);
        EXPECT_EQ(file.readBack.version, version);
        const CheckedPlainFile again = save(file.readBack.entries, version);
        EXPECT_EQ(again.bytes, file.bytes);
        EXPECT_EQ(again.readBack.entries, file.readBack.entries);
        if (HasFailure())
            break;
    }
    // The inputs must exercise both outcomes to mean anything.
    EXPECT_GT(loadable, 1000);
    EXPECT_GT(saved, 400);
    EXPECT_GT(loadable - saved, 400);
}
