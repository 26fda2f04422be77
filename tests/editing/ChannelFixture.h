#pragma once
// A workspace on the UHF model (limits 300..650 MHz, band 450..470 MHz) with
// an empty channel table whose range messages go to a scripted box.

#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"
#include "core/Workspace.h"
#include "image/WriteRead.h"

#include <QStringList>

struct ChannelFixture {
    TWorkspace ws;
    ScriptedMsgBox box;
    TChannelStore &store = ws.Channels;

    ChannelFixture()
    {
        BuildWorkspace(ws);
        StartWithModel(ws, *ws.Models.Item(0));
        store.SetMessageBox(&box, &ws.Language);
    }

    QStringList texts(int row) const { return RowTexts(store, row); }
    QStringList hiddens(int row) const { return RowHiddens(store, row); }
};

// A channel that differs from the new-channel defaults in every option.
inline TChannelValues SampleChannel()
{
    TChannelValues c;
    c.Rx = 462.5625;
    c.Tx = 467.5625;
    c.DecTone = QStringLiteral("67.0");
    c.EncTone = QStringLiteral("D023N");
    c.TxPower = 0;
    c.WideNarrow = 1;
    c.ScanAdd = 0;
    c.BeatShift = 0;
    c.BusyLockout = 0;
    return c;
}
