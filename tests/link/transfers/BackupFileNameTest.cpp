#include "link/transfers/BackupFileName.h"

#include <gtest/gtest.h>

TEST(BackupFileName, NumberBlankAndTheRowsNameWithoutItsPadding)
{
    EXPECT_EQ(BackupFileName("007", "alpha   "), "007 alpha.txt");
    EXPECT_EQ(BackupFileName("012", "  beta"), "012 beta.txt");
    // A name that is a file name already gets no second ending.
    EXPECT_EQ(BackupFileName("003", "gamma.TXT"), "003 gamma.TXT");
    EXPECT_EQ(BackupFileName("004", "   "), "004.txt");
}

TEST(BackupFileName, CharactersNoFileNameCanHoldAreReplaced)
{
    EXPECT_EQ(BackupFileName("001", "a/b:c"), "001 a_b_c.txt");
    EXPECT_EQ(BackupFileName("002", "x\\y*z?\"<>|"), "002 x_y_z_____.txt");
    EXPECT_EQ(BackupFileName("003", QByteArray("t\tab\x01\x7f", 6)), "003 t_ab__.txt");
    // Windows drops dots and blanks at a name's end, and ".." would climb out of the folder.
    EXPECT_EQ(BackupFileName("005", "end.."), "005 end__.txt");
    EXPECT_EQ(BackupFileName("006", ".."), "006 __.txt");
}

TEST(BackupFileName, TheDevicesCodePageBecomesTheNamesLetters)
{
    EXPECT_EQ(BackupFileName("008", "\x9a\xe8rot"), QString::fromUtf8("008 ščrot.txt"));
}
