#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QUrl>
#include <gtest/gtest.h>

namespace
{

const QByteArray deviceFile = "SFA $07.12.26 15:12:03$\r\n"
                              "SDK   1  xx \\jmeno\\     1     0 0\r\n"
                              "SDW     0  1 C00\r\n"
                              "SDE\r\n"
                              "SFE\r\n";

class OpeningFiles : public ProgramFixture
{
protected:
    QString deviceFileAt(const QString &name)
    {
        const QString path = dir.filePath(name);
        TestFiles::write(path, deviceFile);
        return path;
    }
    // What a file manager's drop delivers: the enter, then the drop itself.
    bool drop(const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = form->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }
    QMenu &recentMenu() { return *child<QMenu>("Naposledy"); }
    QStringList recentItems()
    {
        recentMenu().popup(QPoint(0, 0));
        QStringList texts;
        for (const QAction *item : recentMenu().actions())
            texts << item->text();
        recentMenu().hide();
        return texts;
    }
};

} // namespace

TEST_F(OpeningFiles, AFileNamedOnTheCommandLineIsShownOnceTheWindowHasAppeared)
{
    start();
    const QString path = deviceFileAt("named.txt");
    ShowProgramWindows(*form, path);
    EXPECT_TRUE(form->isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->windowTitle().endsWith("named.txt)")) << form->windowTitle().toStdString();
    EXPECT_EQ(child<QTableView>("Seznam")->model()->rowCount(), 2);
    EXPECT_EQ(recentItems(), QStringList{path});
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(OpeningFiles, AMissingFileNamedOnTheCommandLineIsReportedInTheOpenWindow)
{
    start();
    ShowProgramWindows(*form, dir.filePath("missing.txt"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.front().contains(dir.filePath("missing.txt"))) << prompts.errors.front().toStdString();
    EXPECT_TRUE(recentItems().isEmpty());
}

TEST_F(OpeningFiles, WithoutAFileTheWindowStartsEmpty)
{
    start();
    ShowProgramWindows(*form, {});
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->document().entries().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(OpeningFiles, AFileDroppedOnTheWindowIsLoadedAndTwoFilesAreRefused)
{
    start();
    const QString path = deviceFileAt("dropped.txt");
    EXPECT_FALSE(drop({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
    EXPECT_FALSE(drop({QUrl("https://example.com/a.txt")}));
    EXPECT_TRUE(form->document().entries().isEmpty());

    ASSERT_TRUE(drop({QUrl::fromLocalFile(path)}));
    ASSERT_EQ(form->document().entries().count(), 2);
    EXPECT_TRUE(form->windowTitle().endsWith("dropped.txt)"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

TEST_F(OpeningFiles, FilesLoadedAndSavedAreOfferedAgainAfterARestart)
{
    start();
    prompts.openAnswer = deviceFileAt("loaded.txt");
    child<QAbstractButton>("btnNacti")->click();
    prompts.saveAnswer = dir.filePath("saved.txt");
    child<QAbstractButton>("btnUloz")->click();
    ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();

    form.reset();
    start();
    ASSERT_EQ(recentItems(), (QStringList{dir.filePath("saved.txt"), dir.filePath("loaded.txt")}));
    recentMenu().popup(QPoint(0, 0));
    recentMenu().actions().at(1)->trigger();
    recentMenu().hide();
    // The choice is loaded once the menu's event handling is over.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    EXPECT_TRUE(form->windowTitle().endsWith("loaded.txt)"));
    EXPECT_EQ(form->document().entries().count(), 2);
    EXPECT_EQ(recentItems().front(), dir.filePath("loaded.txt"));
}

TEST_F(OpeningFiles, AFileThatDoesNotLoadIsNotOfferedAgain)
{
    start();
    prompts.openAnswer = dir.filePath("missing.txt");
    child<QAbstractButton>("btnNacti")->click();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(recentItems().isEmpty());
}
