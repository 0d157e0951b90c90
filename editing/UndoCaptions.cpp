#include "editing/UndoCaptions.h"

#include "editing/ListEditCommand.h"
#include "i18n/CodePage.h"
#include "i18n/KeptTexts.h"

#include <QUndoStack>

namespace
{

QByteArray KeptTexts::*editText(ListEditName::Kind kind)
{
    switch (kind) {
    case ListEditName::EditRecord:
        return &KeptTexts::editRecordEdit;
    case ListEditName::EditField:
        return &KeptTexts::editFieldEdit;
    case ListEditName::AddRecord:
        return &KeptTexts::addRecordEdit;
    case ListEditName::AddField:
        return &KeptTexts::addFieldEdit;
    case ListEditName::DeleteRecord:
        return &KeptTexts::deleteRecordEdit;
    case ListEditName::DeleteField:
        return &KeptTexts::deleteFieldEdit;
    case ListEditName::Renumber:
        break;
    }
    return &KeptTexts::renumberEdit;
}

// The text with %1 filled in; a text without it (an empty one, say) as it stands.
QString filled(const QByteArray &text, const QString &value)
{
    const QString shown = CodePage::toUnicode(text);
    return shown.contains(u"%1") ? shown.arg(value) : shown;
}

// The item's caption for the command at index, the bare word when there is none.
QString caption(const QUndoStack &stack, int index, const KeptTexts &texts, QByteArray KeptTexts::*withEdit,
                QByteArray KeptTexts::*alone)
{
    const auto *command = dynamic_cast<const ListEditCommand *>(stack.command(index));
    if (!command)
        return CodePage::toUnicode(texts.*alone);
    const QString edit = filled(texts.*editText(command->name().kind), CodePage::toUnicode(command->name().number));
    return filled(texts.*withEdit, edit);
}

} // namespace

QString UndoItemCaption(const QUndoStack &stack, const KeptTexts &texts)
{
    return caption(stack, stack.index() - 1, texts, &KeptTexts::undoItem, &KeptTexts::nothingToUndo);
}

QString RedoItemCaption(const QUndoStack &stack, const KeptTexts &texts)
{
    return caption(stack, stack.index(), texts, &KeptTexts::redoItem, &KeptTexts::nothingToRedo);
}
