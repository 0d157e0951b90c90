#include "ProgramFixture.h"

#include "print/TFrmTisk.h"
#include "print/TPrintPreview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// Counts how often a window is shown.
class ShowCounter : public QObject
{
public:
    int shown = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shown;
        return false;
    }
};

// The print window opens modally; while it is open, the test looks at it once
// its pages are built and closes it with its close button.
class PrintCommand : public ProgramFixture
{
protected:
    void SetUp() override
    {
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        child<QWidget>("Seznam")->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        std::vector<Entry> list;
        for (int i = 0; i < 221; ++i)
            list.push_back(Entry{QByteArray::number(i), "name", "$00", ""});
        form->document().entries().assign(std::move(list));
        form->UpdateControls(true);
        print = child<TFrmTisk>("FrmTisk");
        print->installEventFilter(&counter);
    }
    // Runs the command; once the window it opens has built its pages, the
    // test reads it and closes it with its close button from its own loop.
    void whileOpen(const std::function<void()> &command)
    {
        QObject guard;
        QObject::connect(print->printPreview(), &TPrintPreview::OnEndDoc, &guard, [this, &guard] {
            QTimer::singleShot(0, &guard, [this] {
                modal = print->isModal();
                pageLabel = print->pageLabel()->text();
                print->closeButton()->click();
            });
        });
        command();
    }
    // A key as the window system delivers it, then whatever it set going.
    void press(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    }

    TFrmTisk *print = nullptr;
    ShowCounter counter;
    bool modal = false;
    QString pageLabel;
};

} // namespace

TEST_F(PrintCommand, CtrlPOpensThePrintWindowOnceOnTheList)
{
    whileOpen([this] { press(Qt::Key_P, Qt::ControlModifier); });
    EXPECT_EQ(counter.shown, 1);
    EXPECT_TRUE(modal);
    EXPECT_EQ(pageLabel, "1 / 2");
    EXPECT_FALSE(print->isVisible());
    // Closed with its close button, the window keeps no pages.
    EXPECT_EQ(print->printPreview()->TotalPages(), 0);
}

TEST_F(PrintCommand, ButtonAndPopupItemOpenItToo)
{
    whileOpen([this] { child<QAbstractButton>("btnTisk")->click(); });
    whileOpen([this] { child<QAction>("tisk1")->trigger(); });
    EXPECT_EQ(counter.shown, 2);
    EXPECT_EQ(pageLabel, "1 / 2");
}

TEST_F(PrintCommand, CtrlPDoesNothingWithoutEntries)
{
    form->document().entries().clear();
    form->UpdateControls(true);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(counter.shown, 0);
}
