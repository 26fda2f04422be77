#include "image/FileCommands.h"

#include "core/Workspace.h"
#include "image/DataFile.h"
#include "image/FileChooser.h"
#include "localisation/MsgBox.h"

TFileCommands::TFileCommands(TWorkspace &ws, TMsgBox &box, TFileChooser &chooser, QObject *parent)
    : QObject(parent), m_ws(ws), m_box(box), m_chooser(chooser)
{
}

void TFileCommands::SetFileName(const QString &path)
{
    m_fileName = path;
}

bool TFileCommands::OfferSave()
{
    if (!m_ws.All.Modified)
        return true;
    const int answer = m_box.MsgBox(m_ws.Language.Confirmation, m_ws.Language.SaveProgram, MsgYesNo);
    if (answer != IdYes)
        return true;
    return Save();
}

bool TFileCommands::New()
{
    if (!OfferSave())
        return false;
    StartEmpty();
    return true;
}

void TFileCommands::StartEmpty()
{
    ResetSettings(m_ws.Fun, m_ws.EnMsg);
    m_ws.Channels.ResetRows();
    m_fileName.clear();
    m_ws.All.Modified = false;
    emit StatusChanged();
}

bool TFileCommands::Open()
{
    if (!OfferSave())
        return false;
    const QString path = m_chooser.ChooseOpenFile();
    if (path.isEmpty())
        return false;
    return OpenFile(path);
}

bool TFileCommands::OpenFile(const QString &path)
{
    const TDataFileResult result = LoadDataFile(path, m_ws);
    if (!result.ok()) {
        showFailure(DataFileMessage(result, path, m_ws.Language));
        return false;
    }
    m_fileName = path;
    emit StatusChanged();
    return true;
}

bool TFileCommands::Save()
{
    if (!m_fileName.isEmpty())
        return saveTo(m_fileName);
    const QString path = m_chooser.ChooseSaveFile();
    if (path.isEmpty()) {
        emit StatusChanged();
        return false;
    }
    return saveTo(path);
}

bool TFileCommands::SaveAs()
{
    m_fileName.clear();
    return Save();
}

bool TFileCommands::saveTo(const QString &path)
{
    const TDataFileResult result = SaveDataFile(path, m_ws);
    if (!result.ok()) {
        showFailure(DataFileMessage(result, path, m_ws.Language));
        emit StatusChanged();
        return false;
    }
    m_fileName = path;
    emit StatusChanged();
    return true;
}

void TFileCommands::showFailure(const QString &text)
{
    m_box.MsgBox(m_ws.Language.Confirmation, text, MsgInformation);
}
