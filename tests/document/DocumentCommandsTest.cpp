#include "document/DocumentCommands.h"
#include "DeviceFileSamples.h"
#include "document/Document.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoCommand>
#include <gtest/gtest.h>

#include <memory>

namespace
{

class DocumentCommandsTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    Document document;
    DocumentCommands commands{document};
};

} // namespace

TEST_F(DocumentCommandsTest, LoadTakesTheFileHeaderValuesNameAndKeepsLinesAFileLacks)
{
    const QString path = dir.filePath("in.txt");
    TestFiles::write(dir.filePath("srn.txt"), "SRN kept\r\n");
    commands.load(dir.filePath("srn.txt"), false);
    TestFiles::write(path, "SAP one\r\n" + NewDocumentFile);
    QSignalSpy header(&document, &Document::headerChanged);
    QSignalSpy changed(&document, &Document::changed);
    EXPECT_EQ(commands.load(path, false).failure, "");
    EXPECT_EQ(document.entries().count(), 2);
    EXPECT_EQ(document.createdDate(), SampleDay);
    EXPECT_EQ(document.createdTime(), SampleClock);
    EXPECT_EQ(document.keptSapLine(), "SAP one ");
    EXPECT_EQ(document.keptSrnLine(), "SRN kept ");
    EXPECT_EQ(document.fileName(), path);
    EXPECT_EQ(document.openDialogFileName(), path);
    EXPECT_EQ(document.saveDialogFileName(), path);
    EXPECT_TRUE(document.listSaved());
    EXPECT_GE(header.count(), 1);
    EXPECT_GE(changed.count(), 1);
}

TEST_F(DocumentCommandsTest, AFailedLoadKeepsWhatWasReadNamesTheFileAndCountsAsSaved)
{
    const QString path = dir.filePath("bad.txt");
    TestFiles::write(path, "SFA $07.12.26 15:12:03$\r\nSDK   1  xx \\jmeno\\     1     0 0\r\nSDW     0  1 CZZ\r\n");
    EXPECT_EQ(commands.load(path, false).failure, "'$ZZ' is not a valid integer value");
    EXPECT_EQ(document.entries().count(), 1);
    EXPECT_EQ(document.fileName(), path);
    EXPECT_TRUE(document.listSaved());
}

TEST_F(DocumentCommandsTest, SaveWritesTheHeaderValuesAndShowsTheFileReadBack)
{
    commands.newDocument();
    document.editCreated(SampleDay, SampleClock);
    const QString path = dir.filePath("out.txt");
    commands.save(path);
    EXPECT_EQ(TestFiles::read(path), NewDocumentFile);
    EXPECT_EQ(document.entries().at(0).cell(Entry::Number), "  xx ");
    EXPECT_EQ(document.openDialogFileName(), path);
    EXPECT_EQ(document.fileName(), path);
    EXPECT_TRUE(document.listSaved());
    EXPECT_FALSE(document.hasUnsavedEdits());
}

TEST_F(DocumentCommandsTest, NewReplacesTheListWithOneThatIsNoFile)
{
    const QString path = dir.filePath("in.txt");
    TestFiles::write(path, "SAP x\r\n" + NewDocumentFile);
    commands.load(path, false);
    ASSERT_TRUE(document.listIsItsFile());
    document.editVersion(7);
    commands.newDocument();
    EXPECT_EQ(document.entries().count(), 2);
    EXPECT_EQ(document.version(), 7);
    EXPECT_EQ(document.keptSapLine(), "SAP x ");
    EXPECT_EQ(document.fileName(), path);
    EXPECT_FALSE(document.listSaved());
    EXPECT_FALSE(document.listIsItsFile());
}

// Send uploads the open dialog's file: a save that does not happen must not
// make another file that one while the list and the title stay as they were.
TEST_F(DocumentCommandsTest, ARefusedOrFailedSaveChangesNoFileName)
{
    const QString shown = dir.filePath("a.txt");
    TestFiles::write(shown, "SFA $07.12.26 15:12:03$\r\nSDK   1   1 \\one\\     1     0 0\r\nSDW   BCDEF0\r\nSDE\r\n");
    commands.load(shown, false);
    ASSERT_TRUE(document.listIsItsFile());
    const QString refused = dir.filePath("b.txt");
    EXPECT_THROW(commands.save(refused), std::runtime_error);
    EXPECT_EQ(document.fileName(), shown);
    EXPECT_EQ(document.openDialogFileName(), shown);
    EXPECT_EQ(document.saveDialogFileName(), shown);
    EXPECT_TRUE(document.listIsItsFile());
    EXPECT_FALSE(QFile::exists(refused));

    commands.newDocument();
    EXPECT_THROW(commands.save(dir.filePath("missing-folder/c.txt")), std::runtime_error);
    EXPECT_EQ(document.openDialogFileName(), shown);
    EXPECT_EQ(document.saveDialogFileName(), shown);
}

TEST_F(DocumentCommandsTest, AFileWithNoDeviceDataIsToldApartFromAnEmptyDeviceFile)
{
    const QString plain = dir.filePath("plain.txt");
    TestFiles::write(plain, "words without a backslash\r\n");
    const LoadOutcome none = commands.load(plain, false);
    EXPECT_TRUE(none.noDeviceData);
    EXPECT_EQ(none.failure, "");
    EXPECT_FALSE(document.listIsItsFile());

    const QString empty = dir.filePath("empty.txt");
    TestFiles::write(empty, "SFA $07.12.26 15:12:03$\r\nSFE\r\n");
    EXPECT_FALSE(commands.load(empty, false).noDeviceData);
    // A file that cannot be opened says so itself.
    const LoadOutcome missing = commands.load(dir.filePath("missing.txt"), false);
    EXPECT_FALSE(missing.noDeviceData);
    EXPECT_FALSE(missing.failure.isEmpty());
}

// The list is the file Send uploads only while it is saved and the file the
// title names is the one Send reads.
TEST_F(DocumentCommandsTest, TheListIsItsFileOnlyWhileAllOfThatHolds)
{
    const QString path = dir.filePath("in.txt");
    TestFiles::write(path, NewDocumentFile);
    commands.load(path, false);
    EXPECT_TRUE(document.listIsItsFile());
    document.markNotAFile();
    EXPECT_FALSE(document.listIsItsFile());
    document.markLoaded();
    ASSERT_TRUE(document.listIsItsFile());
    document.editVersion(3);
    EXPECT_FALSE(document.listIsItsFile());
    document.markLoaded();
    document.adoptFileName(dir.filePath("receiving.txt"));
    EXPECT_FALSE(document.listIsItsFile());
}

TEST(DocumentLifetime, ADocumentWithEditsOnItsStackGoesWithoutAnnouncingAnything)
{
    auto document = std::make_unique<Document>();
    document->undoStack().push(new QUndoCommand(QStringLiteral("an edit")));
    int announced = 0;
    QObject::connect(document.get(), &Document::changed, [&announced] { ++announced; });
    document.reset();
    EXPECT_EQ(announced, 0);
}
