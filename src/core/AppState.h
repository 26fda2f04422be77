#pragma once
// The application state: one instance, created at start-up, shared by every
// part of the program. The model group and the band group change together
// through SelectModel and SelectBand.

#include <QString>

class TMacType;

struct TALL {
    QString LanguageName;      // language file name without ".Ini": "English"
    int LanguageIndex = 0;     // position of LanguageName in the language list
    QString PortName;          // "COM1" or a device path
    QString AppFolder;         // program folder, ending with "/"
    QString ProductTitle;      // "Orvel"
    int ChannelCount = 0;      // model group
    QString ModelName;         // model group
    QString BandText;          // band group: "450 - 470MHz"
    double ModelUpperLimit = 0; // model group, MHz
    double ModelLowerLimit = 0; // model group, MHz
    double BandUpperLimit = 0; // band group, MHz
    double BandLowerLimit = 0; // band group, MHz
    QString ModelCode;         // model group; a read or an opened file may overwrite it alone
    QString ChannelUsedFlags;  // "1"/"0" per channel row, rebuilt by each save and write
    QString ScanAddFlags;      // likewise, "1" where Scan Add is index 1
    int PicId = 0;             // picture number + 1, only written back
    bool Modified = false;     // unsaved changes of channels or settings
    bool Refreshing = false;   // the channel table is re-mapping its texts
    QString HelpPrefix;        // "QN"
    bool TestOnlineVisible = false;
    const TMacType *CurrentModel = nullptr; // model group; none before the main window shows
};

// Makes model the current model: CurrentModel, ModelCode, ModelName, both
// model limits and ChannelCount. The band group is left alone.
void SelectModel(TALL &all, const TMacType &model);
// Makes bandText the selected band: BandText and both band limits parsed from it.
void SelectBand(TALL &all, const QString &bandText);
