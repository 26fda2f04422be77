#include "mainwindow/MainCommands.h"

#include "core/ModelDialog.h"
#include "core/Workspace.h"
#include "editing/BBatchEdit.h"
#include "editing/BInfoEdit.h"
#include "editing/ChInfo.h"
#include "image/BFunSet.h"
#include "image/EmbeddedMessage.h"
#include "image/FileCommands.h"
#include "image/TestFrequency.h"
#include "localisation/Messages.h"
#include "localisation/MsgBox.h"
#include "localisation/SetLanguageDialog.h"
#include "localisation/Translate.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/WriteRadio.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/Help.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/MdiArea.h"
#include "mainwindow/ModelChoice.h"
#include "mainwindow/ReportFill.h"
#include "mainwindow/ReportPreview.h"
#include "mainwindow/ReportRenderer.h"

#include <QDateTime>
#include <QPrintDialog>
#include <QPrinter>

TMainCommands::TMainCommands(TfMainFrm &frame) : m_frame(frame) {}

void TMainCommands::Run(int number)
{
    TFileCommands &files = m_frame.FileCommands();
    switch (number) {
    case CmdNew: files.New(); break;
    case CmdOpen: files.Open(); break;
    case CmdSave: files.Save(); break;
    case CmdSaveAs: files.SaveAs(); break;
    case CmdPrint: PrintReport(false); break;
    case CmdPrintPreview: PrintReport(true); break;
    case CmdChannelEdit: ChannelEdit(); break;
    case CmdBatchEdit: BatchChannelEdit(); break;
    case CmdFunctionSetting: {
        TfBFunSet dialog(m_frame.Services().ws, &m_frame);
        dialog.exec();
        break;
    }
    case CmdTestFrequency: {
        TfTestFrequency dialog(m_frame.Services().ws, m_frame.Services().box, &m_frame);
        dialog.exec();
        break;
    }
    case CmdEmbeddedMessage: {
        TfEmbeddedMessage dialog(m_frame.Services().ws, &m_frame);
        dialog.exec();
        break;
    }
    case CmdRead: ReadFromRadio(); break;
    case CmdWrite: WriteToRadio(); break;
    case CmdTestOnline: break; // never shown, does nothing
    case CmdModel: ModelInformation(); break;
    case CmdPort: {
        TfSetPort dialog(m_frame.Services().ws.All, &m_frame);
        dialog.exec();
        m_frame.RefreshStatus();
        break;
    }
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

void TMainCommands::PrintReport(bool preview)
{
    TMainServices &s = m_frame.Services();
    // The channel table's editor was closed by the dispatch, so its texts
    // are the committed ones.
    FillReport(s.ws, ReportHeaderOf(m_frame));
    const QDateTime printedAt = QDateTime::currentDateTime();
    if (preview) {
        TfReportPreview dialog(s.ws.Report, printedAt, s.chooser, s.box, &m_frame);
        dialog.SetMessageCaption(s.ws.Language.Confirmation);
        if (s.ws.All.LanguageIndex > 0)
            TranslateWindow(&dialog, m_frame.LanguageFile(), true);
        dialog.exec();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    UseReportPage(printer);
    QPrintDialog dialog(&printer, &m_frame);
    dialog.setMinMax(1, ReportPageCount(s.ws.Report, printer));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A print the user asked for and did not get must not pass in silence.
    if (!RenderReport(s.ws.Report, printer, printedAt))
        s.box.MsgBox(s.ws.Language.Confirmation, PrintFailedText(printer), MsgInformation);
}

void TMainCommands::ChannelEdit()
{
    TMainServices &s = m_frame.Services();
    TfBInfoEdit dialog(s.ws, s.box, &m_frame);
    const TfChInfo *channels = m_frame.ChInfo();
    dialog.SetInitialChannel(channels ? channels->CurrentGridRow() - 1 : 1);
    dialog.SetChannelMaximum(s.ws.Channels.RowCount() - 2);
    dialog.exec();
}

void TMainCommands::BatchChannelEdit()
{
    TMainServices &s = m_frame.Services();
    TfBBatchEdit dialog(s.ws, s.box, &m_frame);
    dialog.SetChannelMaximum(s.ws.Channels.RowCount() - 2);
    dialog.exec();
}

void TMainCommands::ReadFromRadio()
{
    // The read has applied its model, band, settings and messages to ws
    // already; only its channels are left to take.
    TMainServices &s = m_frame.Services();
    TfReadRadio dialog(s.ws, s.box, &m_frame);
    dialog.exec();
    if (dialog.ReadDone())
        m_frame.LoadReadResult(dialog.Result());
}

void TMainCommands::WriteToRadio()
{
    TMainServices &s = m_frame.Services();
    TfWriteRadio dialog(s.ws, s.box, &m_frame);
    dialog.exec();
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
