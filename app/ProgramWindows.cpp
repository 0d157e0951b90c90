#include "app/ProgramWindows.h"

#include "app/TForm1.h"
#include "editing/TEditFrm.h"
#include "editing/TfrmSeznam.h"
#include "print/TFrmTisk.h"

#include <QMetaObject>

std::unique_ptr<TForm1> CreateProgramWindows(Prompts &prompts, const QString &languageFile,
                                             std::shared_ptr<SerialSystem> serialSystem)
{
    auto form = std::make_unique<TForm1>(prompts, languageFile, std::move(serialSystem));
    auto *editFrm = new TEditFrm(form.get());
    auto *frmTisk = new TFrmTisk(form.get());
    auto *frmSeznam = new TfrmSeznam(form.get());
    form->SetSecondaryWindows(editFrm, frmTisk, frmSeznam);
    form->ReadSettings();
    return form;
}

void ShowProgramWindows(TForm1 &form, const QString &fileToLoad)
{
    // Queued before the window is shown, the load is the first thing the event
    // loop does: the window has appeared (so a failure's message has its owner
    // on screen), and whatever showing it queues finds the file already loaded.
    if (!fileToLoad.isEmpty())
        QMetaObject::invokeMethod(
            &form, [&form, fileToLoad] { form.OpenFile(fileToLoad); }, Qt::QueuedConnection);
    form.show();
}
