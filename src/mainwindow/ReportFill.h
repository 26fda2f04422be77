#pragma once
// Filling the report's datasets from the windows: the page header from the
// main window's model and band display, the settings from a function
// settings dialog prepared without being shown, the channels from the
// channel table.

#include "mainwindow/ReportData.h"

class TfBFunSet;
class TfMainFrm;
struct TLanguage;
struct TWorkspace;

// The page header's texts as frame shows them now: ProductTitle, the
// captions of lMode and Label4, ModelName and the text of stFreq.
TReportHeader ReportHeaderOf(const TfMainFrm &frame);

// The fifteen settings rows read from a prepared dialog, in report order:
// Battery Save, Clew Voice, High Vol Inhibit Tx, Low Vol Inhibit Tx (check
// boxes), Squelch level, Side Key, TX Time Out, Scan, Voice, Voice
// Annunciation, Incept Alarm, FM (lists), VOX Function (check box), VOX Gain
// Level (spin edit), VOX Inhibit OnReceive (check box). A check box reads as
// messages.Open when ticked, else messages.Close; a list or the spin edit
// as its shown text. Captions are the labels' and check boxes' texts.
std::vector<TSettingRow> SettingsRowsOf(const TfBFunSet &dialog, const TLanguage &messages);

// Creates a function settings dialog over ws without showing it, prepares
// it (translated when the language is not the first, loaded from ws.Fun),
// appends its rows under its caption, and frees it.
void FillSettingsRows(TMemTable &myAdo, TWorkspace &ws);

// Rebuilds ws.Report for a print or preview: every row of myAdo, then of
// myMain, deleted; the header row; the settings rows; the channel rows of
// ws.Channels.
void FillReport(TWorkspace &ws, const TReportHeader &header);
