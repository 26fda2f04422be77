#include "mainwindow/MainCommands.h"

#include "core/ModelDialog.h"
#include "core/Workspace.h"
#include "editing/ChInfo.h"
#include "image/FileCommands.h"
#include "localisation/Messages.h"
#include "localisation/SetLanguageDialog.h"
#include "localisation/Translate.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/Help.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/MdiArea.h"
#include "mainwindow/ModelChoice.h"

TMainCommands::TMainCommands(TfMainFrm &frame) : m_frame(frame) {}

void TMainCommands::Run(int number)
{
    TFileCommands &files = m_frame.FileCommands();
    switch (number) {
    case CmdNew: files.New(); break;
    case CmdOpen: files.Open(); break;
    case CmdSave: files.Save(); break;
    case CmdSaveAs: files.SaveAs(); break;
    case CmdPrint:
        // The report comes with printing: print it here.
        break;
    case CmdPrintPreview:
        // The report comes with printing: preview it here.
        break;
    case CmdChannelEdit: ChannelEdit(); break;
    case CmdBatchEdit: BatchChannelEdit(); break;
    case CmdFunctionSetting:
        // Opens TfBFunSet once it exists.
        break;
    case CmdTestFrequency:
        // Opens TfTestFrequency once it exists.
        break;
    case CmdEmbeddedMessage:
        // Opens TfEmbeddedMessage once it exists.
        break;
    case CmdRead: ReadFromRadio(); break;
    case CmdWrite: WriteToRadio(); break;
    case CmdTestOnline: break; // never shown, does nothing
    case CmdModel: ModelInformation(); break;
    case CmdPort:
        // Opens TfSetPort once it exists, then RefreshStatus.
        break;
    case CmdLanguage: LanguageSetup(); break;
    case CmdTreeView: break; // no action is attached
    case CmdCascade: m_frame.MdiArea()->cascadeSubWindows(); break;
    case CmdTileHorizontal: m_frame.MdiArea()->TileHorizontally(); break;
    case CmdTileVertical: m_frame.MdiArea()->TileVertically(); break;
    case CmdArrangeIcons: m_frame.MdiArea()->ArrangeIcons(); break;
    case CmdCloseAll: m_frame.MdiArea()->CloseAll(); break;
    case CmdHelp: Help(); break;
    case CmdAbout: About(); break;
    default: break;
    }
}

void TMainCommands::ChannelEdit()
{
    // TfBInfoEdit once it exists: initial channel ChInfo()->CurrentGridRow()
    // - 1, channel maximum ws.Channels.RowCount() - 2; modal; freed.
}

void TMainCommands::BatchChannelEdit()
{
    // TfBBatchEdit once it exists: both channel maxima
    // ws.Channels.RowCount() - 2; modal; freed.
}

void TMainCommands::ReadFromRadio()
{
    // TfReadRadio once it exists: modal; when its read is done,
    // ApplyReadResult(ws, result) and then m_frame.LoadReadResult(result).
}

void TMainCommands::WriteToRadio()
{
    // TfWriteRadio once it exists: modal; freed.
}

void TMainCommands::ModelInformation()
{
    TMainServices &s = m_frame.Services();
    TfModel dialog(s.ws, &m_frame);
    dialog.exec();
    if (!dialog.IsAccepted())
        return;
    ApplyModelChoice(s.ws, s.box, m_frame.FileCommands(), dialog.ModelText(), dialog.BandText());
    m_frame.RefreshStatus();
}

void TMainCommands::LanguageSetup()
{
    TMainServices &s = m_frame.Services();
    TfSetLanguage dialog(s.ws.All, s.settings.readPath, &m_frame);
    dialog.exec();
    if (dialog.LanguageChanged())
        ApplyLanguage();
}

void TMainCommands::ApplyLanguage()
{
    TWorkspace &ws = m_frame.Services().ws;
    LoadMessages(ws.Language, ws.All.AppFolder, ws.All.LanguageName);
    TranslateWindow(&m_frame, m_frame.LanguageFile(), true);
    m_frame.RefreshStatus();
    if (TfChInfo *table = m_frame.ChInfo())
        table->RefreshLanguage();
}

void TMainCommands::Help()
{
    TMainServices &s = m_frame.Services();
    OpenHelp(s.ws.All, s.openUrl);
}

void TMainCommands::About()
{
    TfFrmAbout about(m_frame.Services().ws.All, &m_frame);
    about.exec();
}
