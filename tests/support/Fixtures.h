#pragma once
// Workspaces for tests: catalogue built, built-in texts, a model selected
// with its default band and an empty channel table.

#include "core/Workspace.h"

#include <QByteArray>
#include <memory>

std::unique_ptr<TWorkspace> NewWorkspace(int modelPosition = 0);

// Types a channel into row `channel + 1` the way a user does: RX first
// (new-channel defaults), then TX if given.
void TypeChannel(TWorkspace &ws, int channel, const QString &rx, const QString &tx = {});

// "25 06 60 44" -> bytes.
QByteArray Hex(const char *spaced);
