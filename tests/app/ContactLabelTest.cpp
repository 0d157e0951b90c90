#include "app/ContactLabel.h"
#include "ProgramFixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace
{

using ContactLine = ProgramFixture;

} // namespace

TEST_F(ContactLine, OnlyALeftClickOpensAMailToTheAddress)
{
    start();
    form->show();
    auto *label = child<ContactLabel>("Label2");
    ASSERT_NE(label, nullptr);
    QList<QUrl> opened;
    label->setUrlOpener([&opened](const QUrl &url) { opened << url; });
    QTest::mouseClick(label, Qt::RightButton);
    QTest::mouseClick(label, Qt::MiddleButton);
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl("mailto:podpora@winorba.cz")});
    EXPECT_EQ(label->text(), "podpora@winorba.cz");
}
