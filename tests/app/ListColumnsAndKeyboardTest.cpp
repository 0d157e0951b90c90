#include "ProgramFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class ListColumnsAndKeyboard : public ProgramFixture
{
protected:
    void SetUp() override
    {
        start();
        list = child<QTableView>("Seznam");
        form->document().entries().assign({Entry{"2996 ", "Alpha   ", "000010000001 0 ", ""},
                                           Entry{"", "0", "$41", "A"}, Entry{"001", "Beta", "", ""}});
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // The control of the expected ones that has the keyboard (a box's own
    // line edit counts as the box).
    QWidget *focused(const QList<QWidget *> &controls) const
    {
        for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
            if (controls.contains(widget))
                return widget;
        return QApplication::focusWidget();
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents();
    }

    QTableView *list = nullptr;
};

} // namespace

// The widest record number and file number show whole, in the design font
// and in a large one: the column is at least as wide as the list itself
// would make it for them.
TEST_F(ListColumnsAndKeyboard, NumberColumnHoldsTheWidestNumbersInTheFontInUse)
{
    for (int pixels : {0, 22}) {
        if (pixels) {
            QFont large = list->font();
            large.setPixelSize(pixels);
            list->setFont(large);
            QApplication::processEvents();
        }
        SCOPED_TRACE(pixels);
        EXPECT_GE(list->columnWidth(0), static_cast<QAbstractItemView *>(list)->sizeHintForColumn(0));
        EXPECT_GE(list->columnWidth(0), list->fontMetrics().horizontalAdvance(QStringLiteral("2996")));
    }
}

// The operator drags the border of the "Hex" column; the width stays when
// the window is widened, and the list, not the boxes above it, takes the width.
TEST_F(ListColumnsAndKeyboard, OperatorWidensAColumnAndAWiderWindowWidensTheList)
{
    QHeaderView *header = list->horizontalHeader();
    const int designed = list->columnWidth(2);
    const int border = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
    const QPoint at(border, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(header->viewport(), at + QPoint(60, 0));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at + QPoint(60, 0));
    const int widened = list->columnWidth(2);
    EXPECT_GT(widened, designed + 30);

    const int listWidth = list->width();
    const int languageBox = child<QComboBox>("cbJazyk")->width();
    const int versionBox = child<QSpinBox>("SpinVerze")->width();
    form->resize(form->width() + 300, form->height());
    QApplication::processEvents();
    EXPECT_EQ(list->width(), listWidth + 300);
    EXPECT_EQ(child<QComboBox>("cbJazyk")->width(), languageBox);
    EXPECT_EQ(child<QSpinBox>("SpinVerze")->width(), versionBox);
    EXPECT_EQ(list->columnWidth(2), widened);
}

// Tab leaves the list for the next control and Shift+Tab comes back; the
// arrow keys move within the list.
TEST_F(ListColumnsAndKeyboard, TabLeavesTheListAndShiftTabComesBack)
{
    list->setFocus();
    list->selectRow(0);
    press(Qt::Key_Down);
    EXPECT_EQ(list->currentIndex().row(), 1);
    ASSERT_EQ(QApplication::focusWidget(), list);
    press(Qt::Key_Tab);
    QWidget *next = QApplication::focusWidget();
    EXPECT_NE(next, list);
    EXPECT_EQ(next, child<QWidget>("btnNacti"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), list);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), list);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

// Tab visits every control that can take the keyboard, in reading order:
// the command buttons, the port boxes, the check boxes and the language box,
// the header values, the list.
TEST_F(ListColumnsAndKeyboard, TabVisitsEveryControlInOrder)
{
    QList<QWidget *> order;
    for (const char *name :
         {"btnNacti",     "btnUloz",      "btnHledej",    "btnPosli",     "btnPrijmi",    "btnSeznam",
          "btnZpet",      "btnNovy",      "btnTisk",      "btnKonec",     "ComComboBox1", "ComComboBox3",
          "ComComboBox2", "ComComboBox4", "ComComboBox6", "ComComboBox5", "cbOnLine",     "cbOtevri",
          "cbJazyk",      "DatePicker",   "TimePicker",   "SpinVerze",    "Seznam"})
        if (QWidget *control = child<QWidget>(name); control->isEnabled())
            order.append(control);
    ASSERT_GT(order.size(), 12);
    order.first()->setFocus();
    QList<QWidget *> visited = {focused(order)};
    // Within the date and the time Tab first steps through their parts, as Qt's date boxes do.
    for (qsizetype step = 1; step < order.size(); ++step) {
        for (int part = 0; part < 4 && focused(order) == visited.last(); ++part)
            press(Qt::Key_Tab);
        visited.append(focused(order));
    }
    EXPECT_EQ(visited, order);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(order), order.first());
}
