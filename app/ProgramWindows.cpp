#include "app/ProgramWindows.h"

#include "app/TForm1.h"
#include "editing/TEditFrm.h"
#include "editing/TfrmSeznam.h"
#include "print/TFrmTisk.h"

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
