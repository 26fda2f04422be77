#pragma once
// The data file (*.dat): one memory image on disk, a plain sequence of
// 16-byte blocks with no length field and no checksum. N is the model's
// channel count, M its extra block count (16 and 39 for the catalogue
// models, which gives 62 blocks, 992 bytes):
//
//   block 0              header: "P" + the current model's code, band
//                        digits, save time
//   blocks 1 .. N        channel k from row k + 1 of the channel table,
//                        a blank block for a row without a channel
//   blocks N+1 .. N+M-1  blank
//   block N+M            extended settings
//   blocks N+M+1 .. +4   MessageA 1..16, 17..32, MessageB 1..16, 17..32
//   block N+M+5          basic settings
//   block N+M+6          model and band: ModelCode as read (it may differ
//                        from the current model's), band code
//   blocks N+M+7 .. +10  channel bitmaps, only when N > 16:
//                        used flags 1..128, 129..256, scan flags likewise
//
// Saving replaces the file only once the new one is complete; loading
// changes nothing unless the whole file can be taken.

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TMacType;
struct TLanguage;
struct TWorkspace;

struct TDataFileResult {
    enum Status {
        Ok,
        CannotOpen,   // the file could not be read; detail: the system's text
        CannotWrite,  // the file could not be written; detail: the system's text
        UnknownModel, // the header names no catalogue model; detail: the code
        TooShort,     // shorter than the model's layout; detail: the size found
        NoModel,      // nothing to save: no current model
    };
    Status status = Ok;
    QString detail;
    bool ok() const { return status == Ok; }
};

// 16 * (N + M + 7) bytes, 64 more when N > 16.
int DataFileSize(const TMacType &model);

// The file image of the workspace's current model, band, channels, settings
// and messages. Rebuilds ChannelUsedFlags and ScanAddFlags.
QByteArray EncodeDataFile(TWorkspace &ws, const QDateTime &saveTime);
// Takes an image into the workspace: model, band, channels, settings and
// messages. Refused as a whole (the workspace untouched) when the header's
// model is unknown or the image is shorter than that model's layout. A
// longer image is read as far as the layout goes.
TDataFileResult DecodeDataFile(const QByteArray &image, TWorkspace &ws);

// Writes the image to path through a temporary file renamed over the old
// one: a failed save leaves the old file whole. Clears Modified on success
// only.
TDataFileResult SaveDataFile(const QString &path, TWorkspace &ws,
                             const QDateTime &saveTime = QDateTime::currentDateTime());
// Reads path with DecodeDataFile; clears Modified on success.
TDataFileResult LoadDataFile(const QString &path, TWorkspace &ws);

// The message to show for a failed result, from the message table where it
// has one (ModError, BadFile), else the system's text with the path.
QString DataFileMessage(const TDataFileResult &result, const QString &path,
                        const TLanguage &messages);
