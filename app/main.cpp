#include "app/ProgramFiles.h"
#include "app/ProgramWindows.h"
#include "app/QtPrompts.h"
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("WinOrba"));
    QtPrompts prompts;
    const std::unique_ptr<TForm1> form = CreateProgramWindows(prompts, ProgramFiles::languageFile());
    form->show();
    return QApplication::exec();
}
