#include "document/DocumentCommands.h"
#include "DeviceFileSamples.h"
#include "document/Document.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    TestFiles::write(path, "SAP one\r\n" + NewDocumentFile);
    document.keptSrnLine = "SRN kept";
    QSignalSpy header(&document, &Document::headerChanged);
    QSignalSpy named(&document, &Document::fileNameChanged);
    EXPECT_EQ(commands.load(path, false), "");
    EXPECT_EQ(document.entries().count(), 2);
    EXPECT_EQ(document.createdDate(), SampleDay);
    EXPECT_EQ(document.createdTime(), SampleClock);
    EXPECT_EQ(document.keptSapLine, "SAP one ");
    EXPECT_EQ(document.keptSrnLine, "SRN kept");
    EXPECT_EQ(document.fileName(), path);
    EXPECT_EQ(document.openDialogFileName, path);
    EXPECT_EQ(document.saveDialogFileName, path);
    EXPECT_TRUE(document.listSaved);
    EXPECT_GE(header.count(), 1);
    EXPECT_EQ(named.count(), 1);
}

TEST_F(DocumentCommandsTest, AFailedLoadKeepsWhatWasReadNamesTheFileAndCountsAsSaved)
{
    const QString path = dir.filePath("bad.txt");
    TestFiles::write(path, "SFA $07.12.26 15:12:03$\r\nSDK   1  xx \\jmeno\\     1     0 0\r\nSDW     0  1 CZZ\r\n");
    EXPECT_EQ(commands.load(path, false), "'$ZZ' is not a valid integer value");
    EXPECT_EQ(document.entries().count(), 1);
    EXPECT_EQ(document.fileName(), path);
    EXPECT_TRUE(document.listSaved);
}

TEST_F(DocumentCommandsTest, SaveWritesTheHeaderValuesAndShowsTheFileReadBack)
{
    commands.newDocument();
    document.setCreated(SampleDay, SampleClock);
    const QString path = dir.filePath("out.txt");
    commands.save(path);
    EXPECT_EQ(TestFiles::read(path), NewDocumentFile);
    EXPECT_EQ(document.entries().at(0).cell(Entry::Number), "  xx ");
    EXPECT_EQ(document.openDialogFileName, path);
    EXPECT_EQ(document.fileName(), path);
    EXPECT_TRUE(document.listSaved);
}

TEST_F(DocumentCommandsTest, NewReplacesOnlyTheList)
{
    document.keptSapLine = "SAP x";
    document.setVersion(7);
    document.listSaved = true;
    commands.newDocument();
    EXPECT_EQ(document.entries().count(), 2);
    EXPECT_EQ(document.version(), 7);
    EXPECT_EQ(document.keptSapLine, "SAP x");
    EXPECT_TRUE(document.listSaved);
}
