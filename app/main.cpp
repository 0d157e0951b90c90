#include "app/ProgramFiles.h"
#include "app/QtPrompts.h"
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("WinOrba"));
    QtPrompts prompts;
    TForm1 form(prompts, ProgramFiles::languageFile());
    form.ReadSettings();
    form.show();
    return QApplication::exec();
}
