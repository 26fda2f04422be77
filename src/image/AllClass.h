#pragma once
// The records of the memory image that are not channels: the function
// settings, the two embedded messages and the test frequency table.

#include <QString>
#include <array>
#include <span>

// The radio's fifteen function settings, each stored as read (Normalize
// applies the clamps after a read transfer and nowhere else).
struct TFun {
    TFun() { SetDefaults(); }

    int BatterySave;         // 0 off, 1 on
    int ClewVoice;           // beep tone, 0 off, 1 on
    int SquelchLevel;        // 0..9
    int SideKey;             // 0 Off, 1 Monmome, 2 H/L Power, 3 Alarm
    int TxTimeOut;           // 0 Off, 1..10 = 30 s .. 300 s
    int VoxFunction;
    int VoxInhibitOnReceive;
    int VoxGainLevel;        // 0..4, shown as 1..5
    int VoiceLanguage;       // 0 English, 1 Chinese
    int ScanMode;
    int VoicePrompt;
    int HighVolInhibitTx;
    int LowVolInhibitTx;
    int InceptAlarm;
    int FmRadio;             // 0 Interdict, 1 Turn on

    void SetDefaults();
    void Normalize();

    bool operator==(const TFun &) const = default;
};

// The fields of TFun by name, in declaration order, for readers that walk
// them (JSON, reports, tests).
struct TFunField {
    const char *name;
    int TFun::*member;
};
std::span<const TFunField> FunFields();

// The two embedded messages, at most 32 characters each.
struct TEnMsg {
    QString MessageA;
    QString MessageB;
    void Clear();
};

// Sixteen test frequency pairs, indexed 1..16 (index 0 is unused).
struct TTestFre {
    TTestFre() { SetDefaults(); }
    std::array<QString, 17> RxFreq;
    std::array<QString, 17> TxFreq;
    void SetDefaults();
};

// Replaces value by def when it lies outside lo..hi (signed comparison).
void ClampToRange(int &value, int lo, int hi, int def);
// Replaces value by its bit 0.
void KeepLowBit(int &value);

// Function settings to their defaults, both messages emptied.
void ResetSettings(TFun &fun, TEnMsg &messages);
// The clamps of every function setting (after a completed read transfer).
void NormalizeSettings(TFun &fun);
