#include "prompts/FakePrompts.h"

#include "app/TransferProgressPanel.h"
#include "app/TransferWindowView.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace
{

// A window whose parts have no object names: the view works only through
// the parts it is handed.
class WindowView : public ::testing::Test
{
protected:
    QWidget window;
    QCheckBox *onLine = new QCheckBox(&window);
    QCheckBox *openReceived = new QCheckBox(&window);
    QTableView *list = new QTableView(&window);
    QLabel *status = new QLabel(&window);
    TransferProgressPanel *panel = new TransferProgressPanel(*new QPushButton, &window);
    QStandardItemModel rows{3, 1};
    FakePrompts prompts;
    QList<bool> updates;
    TransferWindowView view{
        {window, *onLine, *openReceived, *list, *status, *panel, [this](bool ready) { updates << ready; }}, prompts};

    void SetUp() override { list->setModel(&rows); }
};

} // namespace

TEST_F(WindowView, ReadsAndSetsTheHandedBoxesWithoutRunningTheOnLineSwitch)
{
    QSignalSpy toggled(onLine, &QCheckBox::toggled);
    view.setOnLineTicked(true);
    EXPECT_TRUE(onLine->isChecked());
    EXPECT_TRUE(view.onLineTicked());
    EXPECT_EQ(toggled.count(), 0);

    openReceived->setChecked(true);
    EXPECT_TRUE(view.openReceivedTicked());
}

TEST_F(WindowView, TheSelectedRowIsTheHandedListsOne)
{
    EXPECT_EQ(view.selectedRow(), -1);
    list->selectRow(2);
    EXPECT_EQ(view.selectedRow(), 2);
}

TEST_F(WindowView, StatusPanelAndControlsGoToTheHandedParts)
{
    view.showStatus(QStringLiteral("file 005 written back, 9 lines"));
    EXPECT_EQ(status->text(), "file 005 written back, 9 lines");

    view.showProgressPanel(true);
    EXPECT_FALSE(panel->isHidden());
    view.showProgressPanel(false);
    EXPECT_TRUE(panel->isHidden());

    view.updateControls(false);
    view.updateControls(true);
    EXPECT_EQ(updates, (QList<bool>{false, true}));
}

TEST_F(WindowView, MessagesGoThroughThePrompts)
{
    prompts.saveAnswer = QStringLiteral("/tmp/received.txt");
    EXPECT_EQ(view.chooseReceiveFile(QStringLiteral("proposed.txt")), "/tmp/received.txt");
    view.showError(QStringLiteral("No file"));
    view.showLineError(QStringLiteral("Line"), QStringLiteral("Parity"));
    EXPECT_EQ(prompts.proposedNames, QStringList{"proposed.txt"});
    EXPECT_EQ(prompts.errors, (QStringList{"No file", "Line: Parity"}));
}
