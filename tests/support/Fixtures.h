#pragma once
// Workspaces for tests: catalogue built, built-in texts, a model selected
// with its default band and an empty channel table.

#include "core/Workspace.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

std::unique_ptr<TWorkspace> NewWorkspace(int modelPosition = 0);

// Types a channel into row `channel + 1` the way a user does: RX first
// (new-channel defaults), then TX if given.
void TypeChannel(TWorkspace &ws, int channel, const QString &rx, const QString &tx = {});

// Display texts and hidden values of columns 1..10 of a channel table row.
QStringList RowTexts(const TChannelStore &store, int row);
QStringList RowHiddens(const TChannelStore &store, int row);

// "25 06 60 44" -> bytes.
QByteArray Hex(const char *spaced);
