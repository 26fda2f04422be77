#include "Fixtures.h"

std::unique_ptr<TWorkspace> NewWorkspace(int modelPosition)
{
    auto ws = std::make_unique<TWorkspace>();
    BuildWorkspace(*ws);
    StartWithModel(*ws, *ws->Models.Item(modelPosition));
    ws->All.Modified = false;
    return ws;
}

void TypeChannel(TWorkspace &ws, int channel, const QString &rx, const QString &tx)
{
    ws.Channels.SetForeText(TChannelStore::ColRx, channel + 1, rx);
    if (!tx.isNull())
        ws.Channels.SetForeText(TChannelStore::ColTx, channel + 1, tx);
}

QByteArray Hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QStringList RowTexts(const TChannelStore &store, int row)
{
    QStringList out;
    for (int col = TChannelStore::ColNumber; col <= TChannelStore::ColBusyLockout; ++col)
        out.append(store.Text(col, row));
    return out;
}

QStringList RowHiddens(const TChannelStore &store, int row)
{
    QStringList out;
    for (int col = TChannelStore::ColNumber; col <= TChannelStore::ColBusyLockout; ++col)
        out.append(store.Hidden(col, row));
    return out;
}
