#pragma once
// The file commands New, Open, Save and Save As, with their questions, and
// the current data file name they keep. The main window runs them from its
// dispatch, its close query and the model change.
//
// Unsaved work is never dropped silently: every command that would discard
// modified data first offers to save it (OfferSave), and a save that the
// user cancels or that fails stops that command. A file that cannot be
// opened, or is refused, changes nothing, the current file name included,
// so a later Save cannot overwrite it with other data.

#include <QObject>
#include <QString>

class TFileChooser;
class TMsgBox;
struct TWorkspace;

class TFileCommands : public QObject {
    Q_OBJECT
public:
    TFileCommands(TWorkspace &ws, TMsgBox &box, TFileChooser &chooser, QObject *parent = nullptr);

    // The full path of the data file being edited; empty when the channels
    // come from no file.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &path);

    // When Modified is set: asks SaveProgram (Yes/No) and saves on Yes.
    // False when the user said Yes and the save was cancelled or failed:
    // the caller must then stop. True otherwise (nothing to save, No, saved).
    bool OfferSave();

    // OfferSave, then an empty table: settings reset, rows emptied for the
    // current model, no file name, Modified cleared. False (and nothing
    // changed) when the offered save did not happen.
    bool New();
    // The reset of New without the question.
    void StartEmpty();
    // OfferSave, then the open dialog and OpenFile. False when stopped,
    // cancelled or refused.
    bool Open();
    // Loads path: on success it becomes the file name and Modified is
    // cleared; on failure the reason is shown and nothing changes.
    bool OpenFile(const QString &path);
    // Writes the current file, or asks for a name first when there is none.
    // The file name changes only when the file was written. A failed save
    // keeps the old file whole and Modified set.
    bool Save();
    // Forgets the file name, then Save (which asks for a name). Cancelled,
    // the window is left without a file name.
    bool SaveAs();

signals:
    // The file name, the model, the band or the data changed: the main
    // window refreshes its status and caption.
    void StatusChanged();

private:
    bool saveTo(const QString &path);
    void showFailure(const QString &text);

    TWorkspace &m_ws;
    TMsgBox &m_box;
    TFileChooser &m_chooser;
    QString m_fileName;
};
