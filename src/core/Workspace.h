#pragma once
// The shared objects of the program, in their order of creation: the model
// list, the application state, the test frequencies, the embedded messages,
// the function settings, the band list and the message table, plus the
// channel table store. The program creates exactly one at start-up; tests
// create as many as they like. Core functions take the parts they work on.

#include "core/AppState.h"
#include "core/MacType.h"
#include "core/MessageTable.h"
#include "editing/ChannelStore.h"
#include "image/AllClass.h"
#include "mainwindow/ReportData.h"

struct TWorkspace {
    TMacList Models;
    TALL All;
    TTestFre TestFre;
    TEnMsg EnMsg;
    TFun Fun;
    TFrqList Bands;
    TLanguage Language;
    TChannelStore Channels{All};
    // The report's datasets, rebuilt at every print or preview.
    TReportData Report;

    TWorkspace() = default;
    TWorkspace(const TWorkspace &) = delete;
    TWorkspace &operator=(const TWorkspace &) = delete;
};

// Builds the band list and the catalogue and resets the settings records:
// what every user of a workspace needs before anything else (start-up steps
// that read no file).
void BuildWorkspace(TWorkspace &ws);

// Selects model and its default band, then empties the channel table for it
// (what the main window's first show and a fresh command-line run do).
void StartWithModel(TWorkspace &ws, const TMacType &model);
