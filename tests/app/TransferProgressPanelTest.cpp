#include "app/TransferProgressPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class ProgressPanel : public ::testing::Test
{
protected:
    QWidget window;
    QPushButton *cancel = new QPushButton(QStringLiteral("Cancel"));
    TransferProgressPanel panel{*cancel, &window};

    template <typename T> T *part(const char *name) { return panel.findChild<T *>(name); }
    QString memo() { return part<QPlainTextEdit>("Memo1")->toPlainText(); }
};

} // namespace

TEST_F(ProgressPanel, HoldsItsPartsUnderTheirNamesAndTheHandedCancelButton)
{
    EXPECT_EQ(panel.objectName(), "Progress");
    EXPECT_TRUE(panel.isHidden());
    ASSERT_NE(part<QProgressBar>("ProgressBar1"), nullptr);
    ASSERT_NE(part<QLabel>("Procenta"), nullptr);
    EXPECT_EQ(part<QLabel>("Procenta")->text(), "0 %");
    ASSERT_NE(part<QPlainTextEdit>("Memo1"), nullptr);
    EXPECT_EQ(cancel->parentWidget(), &panel);

    panel.showProgressPanel(true);
    EXPECT_FALSE(panel.isHidden());
    panel.showProgressPanel(false);
    EXPECT_TRUE(panel.isHidden());
}

TEST_F(ProgressPanel, TextsAreShownFromTheCodePage)
{
    panel.setPercentText("50 %");
    panel.setLogText("P\xf8\xedkaz\r\nSOK");
    EXPECT_EQ(part<QLabel>("Procenta")->text(), "50 %");
    EXPECT_EQ(memo(), QStringLiteral("P\u0159\u00edkaz\nSOK"));
}

// The bar counts in ints; a text longer than that is shown in proportion.
TEST_F(ProgressPanel, ATextBeyondTheBarsRangeIsShownInProportion)
{
    const qint64 maximum = 6'000'000'000;
    panel.setProgress(maximum / 2, maximum);
    const QProgressBar *bar = part<QProgressBar>("ProgressBar1");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_NEAR(double(bar->value()) / bar->maximum(), 0.5, 1e-6);
    panel.setProgress(maximum, maximum);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// A line waiting for its batch when the memo is emptied (UpdateControls does
// that) belongs to the exchange that ended: it must not show up afterwards.
TEST_F(ProgressPanel, LinesWaitingForTheirBatchAreDroppedWhenTheMemoIsCleared)
{
    panel.setProgress(0, 10);
    panel.addLogLine("first");
    panel.addLogLine("second");
    panel.clearLog();
    QTest::qWait(TransferProgressPanel::LogBatchMs * 3);
    EXPECT_EQ(memo(), "");

    panel.addLogLine("third");
    QTest::qWait(TransferProgressPanel::LogBatchMs * 3);
    EXPECT_EQ(memo(), "third");
}

TEST_F(ProgressPanel, LinesAreShownAtOnceWhenTheBarReachesItsEnd)
{
    panel.setProgress(0, 10);
    panel.addLogLine("first");
    panel.setProgress(10, 10);
    panel.addLogLine("last");
    EXPECT_EQ(memo(), "first\nlast");
}
