#pragma once

#include <QString>

#include <memory>

class Prompts;
class SerialSystem;
class TForm1;

// Creates the program's four windows in their order — the main window, then
// the edit-item dialog, the print window and the go-to window, owned by the
// main window — and runs the start-up sequence that reads the settings and
// applies the chosen language. Only the main window is shown, by the caller.
// serialSystem: where the port's devices come from; the platform's when empty.
std::unique_ptr<TForm1> CreateProgramWindows(Prompts &prompts, const QString &languageFile,
                                             std::shared_ptr<SerialSystem> serialSystem = {});

// Shows the main window; a file named to it (on the command line) is then
// loaded as the Load command loads it, as soon as the event loop runs.
void ShowProgramWindows(TForm1 &form, const QString &fileToLoad);
