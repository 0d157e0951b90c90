#pragma once

#include "app/ProgramWindows.h"
#include "app/TForm1.h"
#include "prompts/FakePrompts.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program's four windows over a language file of the test's own, with
// every question answered by FakePrompts.
class ProgramFixture : public testing::Test
{
protected:
    TForm1 &start()
    {
        form = CreateProgramWindows(prompts, languagePath);
        return *form;
    }
    void writeLanguageFile(const QByteArray &bytes) { TestFiles::write(languagePath, bytes); }
    template <typename T> T *child(const char *name) { return form->findChild<T *>(name); }
    bool enabled(const char *name) { return child<QWidget>(name)->isEnabled(); }

    QTemporaryDir dir;
    QString languagePath = dir.filePath("WinOrba.lng");
    FakePrompts prompts;
    std::unique_ptr<TForm1> form;
};
