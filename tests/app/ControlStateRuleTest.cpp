#include "app/ControlStateRule.h"

#include <gtest/gtest.h>

// The whole enabling table over every combination of its inputs,
// written out as the operator-facing rules rather than as the code's formulas.
TEST(ControlStateRule, EveryCombinationOfInputs)
{
    for (int bits = 0; bits < 256; ++bits) {
        const ControlStateInputs in{bool(bits & 1),  bool(bits & 2),  bool(bits & 4),  bool(bits & 8),
                                    bool(bits & 16), bool(bits & 32), bool(bits & 64), bool(bits & 128)};
        const ControlStates s = ComputeControlStates(in);
        SCOPED_TRACE(testing::Message() << "ready=" << in.ready << " online=" << in.online
                                        << " entries=" << in.hasEntries << " saved=" << in.listSaved
                                        << " devfile=" << in.deviceFileOpen << " justSaved=" << in.justSaved
                                        << " undo=" << in.canUndo << " redo=" << in.canRedo);
        const bool idleOffline = in.ready && !in.online;
        EXPECT_EQ(s.load, idleOffline);
        // On Line, Save writes an open device file back to the device.
        EXPECT_EQ(s.save, in.ready && (!in.online || in.deviceFileOpen) && in.hasEntries);
        EXPECT_EQ(s.find, in.ready && in.hasEntries);
        EXPECT_EQ(s.send, idleOffline && in.listSaved);
        EXPECT_EQ(s.receive, idleOffline);
        // A list just saved is on disk: New may replace it.
        EXPECT_EQ(s.newList, !in.online && (!in.hasEntries || (in.ready && in.justSaved)));
        EXPECT_EQ(s.exit, in.ready);
        EXPECT_EQ(s.print, in.ready && in.hasEntries);
        EXPECT_EQ(s.goTo, in.ready && in.hasEntries);
        EXPECT_EQ(s.back, in.ready && in.online);
        EXPECT_EQ(s.topPanel, in.ready);
        EXPECT_EQ(s.headerValues, idleOffline && in.hasEntries);
        EXPECT_EQ(s.openReceived, idleOffline);

        const bool usable = in.ready && in.hasEntries;
        EXPECT_EQ(s.menuNew, !usable && !in.online);
        EXPECT_EQ(s.menuAdd, usable && !in.online);
        EXPECT_EQ(s.menuEdit, usable);
        EXPECT_EQ(s.menuFind, usable);
        EXPECT_EQ(s.menuGoTo, usable);
        EXPECT_EQ(s.menuPrint, usable);
        EXPECT_EQ(s.menuDelete, usable && !in.deviceFileOpen);
        EXPECT_EQ(s.menuRenumber, usable && !in.online);
        // Undo and Redo wait for an exchange as the other list items do.
        EXPECT_EQ(s.menuUndo, in.ready && in.canUndo);
        EXPECT_EQ(s.menuRedo, in.ready && in.canRedo);
        // The backup is offered with the directory on the list, an empty one too.
        EXPECT_EQ(s.menuBackup, in.ready && in.online && !in.deviceFileOpen);
    }
}

TEST(ControlStateRule, NamedSituations)
{
    // Just after start: nothing loaded, so Send is off even off-line.
    EXPECT_FALSE(ComputeControlStates({true, false, false, false, false}).send);
    // During an off-line receive the list is empty: the button's New ignores
    // Ready and the menu's New is on because the list is not usable.
    const ControlStates receiving = ComputeControlStates({false, false, false, true, false});
    EXPECT_TRUE(receiving.newList);
    EXPECT_TRUE(receiving.menuNew);
    EXPECT_FALSE(receiving.topPanel);
    // Entries on screen off-line: New is withheld on both.
    const ControlStates withEntries = ComputeControlStates({true, false, true, true, false});
    EXPECT_FALSE(withEntries.newList);
    EXPECT_FALSE(withEntries.menuNew);
    // On Line: Save only while a device file is open, never for the directory.
    EXPECT_TRUE(ComputeControlStates({true, true, true, false, true}).save);
    EXPECT_FALSE(ComputeControlStates({true, true, true, false, false}).save);
    EXPECT_FALSE(ComputeControlStates({false, true, true, false, true}).save);
}
