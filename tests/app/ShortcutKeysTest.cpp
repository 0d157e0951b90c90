#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// Counts the key presses a control receives, other than the modifier keys themselves.
class KeyCounter : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            presses += key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt;
        }
        return false;
    }
};

// Keys arrive as the window system delivers them: at the main window's own
// window, which Qt then routes to the focused control.
class ShortcutKeys : public ProgramFixture
{
protected:
    void SetUp() override
    {
        prompts.modal = true;
        start();
        form->show();
        activate();
    }
    void activate()
    {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Gives name the focus and counts the keys that reach the control that
    // takes it (an editable box hands it to its line edit).
    void focusOn(const char *name)
    {
        if (focused)
            focused->removeEventFilter(&counter);
        QWidget *control = child<QWidget>(name);
        control->setFocus();
        focused = QApplication::focusWidget();
        ASSERT_TRUE(focused == control || control->isAncestorOf(focused)) << name;
        focused->installEventFilter(&counter);
    }
    // One key press and release, then every command it queued, then the window active again.
    void press(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
        activate();
    }
    // A list on screen that counts as saved, with the header controls enabled;
    // New may have asked about unsaved edits first.
    void allowSend()
    {
        form->btnNovyClick();
        form->document().markLoaded();
        activate();
    }

    KeyCounter counter;
    QPointer<QWidget> focused;
};

} // namespace

TEST_F(ShortcutKeys, EachShortcutThatAsksRunsOnceAndItsKeyReachesNoControl)
{
    TestFiles::write(dir.filePath("in.txt"), "SDK   1  xx \\jmeno\\     1     0 0\r\nSDW     0  1 C00\r\n");
    for (const char *name : {"Seznam", "btnKonec", "cbJazyk", "SpinVerze"}) {
        SCOPED_TRACE(name);
        focusOn(name);
        prompts.questions = 0;
        prompts.openAnswer = std::nullopt;
        press(Qt::Key_O, Qt::ControlModifier); // the operator cancels the Open dialog
        EXPECT_EQ(prompts.questions, 1);
        prompts.openAnswer = dir.filePath("in.txt");
        press(Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(prompts.questions, 2);
        EXPECT_EQ(form->document().entries().count(), 2);
        prompts.saveAnswer = std::nullopt;
        focusOn(name);
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(prompts.questions, 3);
        EXPECT_EQ(counter.presses, 0);
    }
}

TEST_F(ShortcutKeys, AnErrorBoxShownByAShortcutDoesNotRunItAgain)
{
    focusOn("Seznam");
    prompts.openAnswer = dir.filePath("missing.txt");
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.questions, 2); // the Open dialog and the error box, once each
    EXPECT_EQ(prompts.errors.size(), 1);
}

TEST_F(ShortcutKeys, SendLeavesTheLanguageAndVersionBoxesAsTheyAre)
{
    allowSend();
    auto *language = child<QComboBox>("cbJazyk");
    language->setEditText("čeština");
    focusOn("cbJazyk");
    press(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(language->currentText(), "čeština");

    auto *version = child<QSpinBox>("SpinVerze");
    version->setValue(42);
    allowSend();
    focusOn("SpinVerze");
    press(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(version->text(), "42");
    EXPECT_EQ(counter.presses, 0);
}

TEST_F(ShortcutKeys, AKeyThatRunsNothingReachesTheFocusedControl)
{
    focusOn("cbJazyk");
    press(Qt::Key_S, Qt::ControlModifier); // Save is disabled: the list is empty
    press(Qt::Key_U, Qt::ControlModifier); // Send is disabled: nothing saved
    press(Qt::Key_O, Qt::NoModifier);
    EXPECT_EQ(counter.presses, 3);
    EXPECT_EQ(prompts.questions, 0);
}

TEST_F(ShortcutKeys, CtrlNFollowsNewsOwnStateAlsoWhileThePanelIsDisabled)
{
    focusOn("Seznam");
    form->UpdateControls(false); // an off-line receive: the port is open, the list is empty
    ASSERT_FALSE(enabled("Panel_Tlacitka"));
    press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->document().entries().count(), 2);
    form->document().entries().clear();
    form->document().entries().append(Entry{"1", "a"});
    form->UpdateControls(true); // entries on screen: New is off
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->document().entries().count(), 1);
}

TEST_F(ShortcutKeys, EscapeCancelsOnlyWhileTheProgressPanelShowsAndStillReachesTheControl)
{
    QSignalSpy cancel(child<QAbstractButton>("btnZrus"), &QAbstractButton::clicked);
    focusOn("Seznam");
    press(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(cancel.count(), 0);
    child<QWidget>("Progress")->show();
    press(Qt::Key_Escape, Qt::AltModifier);
    EXPECT_EQ(cancel.count(), 1);
    EXPECT_EQ(counter.presses, 2);
}
