#include "core/MessageTable.h"

namespace {

const TMessageKey kKeys[] = {
    {"Confirmation", &TLanguage::Confirmation, u"提示"},
    {"ExitProgram", &TLanguage::ExitProgram, u"确定要退出系统？"},
    {"SaveProgram", &TLanguage::SaveProgram, u"是否保存数据？"},
    {"Channel", &TLanguage::Channel, u"信道"},
    {"Info", &TLanguage::Info, u"信息"},
    {"OutRange", &TLanguage::OutRange, u"频率超出范围！"},
    {"Caution", &TLanguage::Caution, u"注意"},
    {"FChBigT", &TLanguage::FChBigT, u"起始频道应小于结束频道！"},
    {"Close", &TLanguage::Close, u"已关闭"},
    {"Open", &TLanguage::Open, u"已启动"},
    {"ComError", &TLanguage::ComError, u"检查所有连接及通信端口设置！"},
    {"ModError", &TLanguage::ModError, u"机型错误，是否强写？"},
    {"ClearData", &TLanguage::ClearData, u"是否清空数据？"},
    {"Modforce", &TLanguage::Modforce, u"是否强制改写？"},
    {"All", &TLanguage::All, u"全部"},
    {"ErrRange", &TLanguage::ErrRange, u"频率出错！"},
    {"ModelType", &TLanguage::ModelType, u"机型"},
    {"Frequency", &TLanguage::Frequency, u"频率"},
    {"ReadOk", &TLanguage::ReadOk, u"读取完成！"},
    {"WriteOk", &TLanguage::WriteOk, u"写入完成！"},
    {"LPortError", &TLanguage::LPortError, u"无法打开端口！"},
    // "The data file is damaged or incomplete!"
    {"BadFile", &TLanguage::BadFile, u"数据文件已损坏或不完整！"},
    {"VerifyError", &TLanguage::VerifyError, u"校验失败：地址 %1 的数据块与写入的不一致！"},
};

} // namespace

std::span<const TMessageKey> MessageKeys()
{
    return kKeys;
}

void SetBuiltInMessages(TLanguage &table)
{
    for (const TMessageKey &k : kKeys)
        table.*k.field = QString::fromUtf16(k.builtIn);
}
