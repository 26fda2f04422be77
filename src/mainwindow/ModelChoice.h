#pragma once
// Applying an accepted model dialog: the chosen model and band become
// current and the channel table starts empty for them.
//
// With unsaved changes the user is asked ClearData first (No: nothing
// changes), then New offers to save. The save, if chosen, stores the table
// under the newly chosen model and band, but with the settings as the user
// left them: they are reset only once the save is done. When that save is
// cancelled or fails, the previous model and band come back and nothing is
// lost.

#include <QString>

class TFileCommands;
class TMsgBox;
struct TWorkspace;

// False when nothing changed: an unknown model name, No to ClearData, or a
// save that did not happen.
bool ApplyModelChoice(TWorkspace &ws, TMsgBox &box, TFileCommands &files,
                      const QString &modelName, const QString &bandText);
