#pragma once

#include <QString>

class QUndoStack;
struct KeptTexts;

// The captions of the list's Undo and Redo items in the chosen language: what
// the next undo or redo takes back or carries out ("Undo delete field 4"), or
// the bare word while there is nothing to undo or redo.
QString UndoItemCaption(const QUndoStack &stack, const KeptTexts &texts);
QString RedoItemCaption(const QUndoStack &stack, const KeptTexts &texts);
