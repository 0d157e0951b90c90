#include "prompts/QtPrompts.h"
#include "i18n/KeptTexts.h"

#include <gtest/gtest.h>

// The file dialogs' filters carry the names of the language in use; the
// patterns behind them stay.
TEST(QtPrompts, FileFiltersAreNamedInTheLanguage)
{
    KeptTexts texts;
    texts.allFilesFilter = "v\x9A"
                           "echny ( *.* )";
    texts.textFilesFilter = "text files ( *.txt )";
    EXPECT_EQ(QtPrompts::fileFilters(texts),
              QStringList({QString::fromUtf8("všechny ( *.* ) (*)"), "text files ( *.txt ) (*.txt)"}));
}
