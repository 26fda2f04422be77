#include "image/AllClass.h"

void TFun::SetDefaults()
{
    BatterySave = 1;
    ClewVoice = 1;
    SquelchLevel = 5;
    SideKey = 1;
    TxTimeOut = 6; // 180 s
    VoxFunction = 0;
    VoxInhibitOnReceive = 0;
    VoxGainLevel = 4;
    VoiceLanguage = 1;
    ScanMode = 0;
    VoicePrompt = 1;
    HighVolInhibitTx = 1;
    LowVolInhibitTx = 1;
    InceptAlarm = 0;
    FmRadio = 1;
}

void TFun::Normalize()
{
    KeepLowBit(BatterySave);
    KeepLowBit(ClewVoice);
    ClampToRange(SquelchLevel, 0, 9, 5);
    // The radio knows six side key functions although the dialog offers
    // four; an unknown one falls back to Off, not to the start value.
    ClampToRange(SideKey, 0, 5, 0);
    ClampToRange(TxTimeOut, 0, 10, 6);
    KeepLowBit(VoxFunction);
    KeepLowBit(VoxInhibitOnReceive);
    ClampToRange(VoxGainLevel, 0, 4, 4);
    KeepLowBit(VoiceLanguage);
    KeepLowBit(ScanMode);
    KeepLowBit(VoicePrompt);
    KeepLowBit(HighVolInhibitTx);
    KeepLowBit(LowVolInhibitTx);
    KeepLowBit(InceptAlarm);
    KeepLowBit(FmRadio);
}

std::span<const TFunField> FunFields()
{
    static constexpr TFunField fields[] = {
        {"BatterySave", &TFun::BatterySave},
        {"ClewVoice", &TFun::ClewVoice},
        {"SquelchLevel", &TFun::SquelchLevel},
        {"SideKey", &TFun::SideKey},
        {"TxTimeOut", &TFun::TxTimeOut},
        {"VoxFunction", &TFun::VoxFunction},
        {"VoxInhibitOnReceive", &TFun::VoxInhibitOnReceive},
        {"VoxGainLevel", &TFun::VoxGainLevel},
        {"VoiceLanguage", &TFun::VoiceLanguage},
        {"ScanMode", &TFun::ScanMode},
        {"VoicePrompt", &TFun::VoicePrompt},
        {"HighVolInhibitTx", &TFun::HighVolInhibitTx},
        {"LowVolInhibitTx", &TFun::LowVolInhibitTx},
        {"InceptAlarm", &TFun::InceptAlarm},
        {"FmRadio", &TFun::FmRadio},
    };
    return fields;
}

void TEnMsg::Clear()
{
    MessageA.clear();
    MessageB.clear();
}

void TTestFre::SetDefaults()
{
    struct Pair {
        const char *rx;
        const char *tx;
    };
    static constexpr Pair starts[] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    for (size_t i = 0; i < RxFreq.size(); ++i) {
        RxFreq[i].clear();
        TxFreq[i].clear();
    }
    for (size_t i = 0; i < std::size(starts); ++i) {
        RxFreq[i + 1] = QString::fromLatin1(starts[i].rx);
        TxFreq[i + 1] = QString::fromLatin1(starts[i].tx);
    }
}

void ClampToRange(int &value, int lo, int hi, int def)
{
    if (value < lo || value > hi)
        value = def;
}

void KeepLowBit(int &value)
{
    value &= 1;
}

void ResetSettings(TFun &fun, TEnMsg &messages)
{
    fun.SetDefaults();
    messages.Clear();
}

void NormalizeSettings(TFun &fun)
{
    fun.Normalize();
}
