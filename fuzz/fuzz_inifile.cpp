// Any bytes as an INI file: no crash; writing one key changes that key
// alone: it reads back as written and every other key reads as before.

#include "FuzzTarget.h"
#include "core/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kSection = QStringLiteral("SysInfo");
const QString kKey = QStringLiteral("Com");
const QString kValue = QStringLiteral("COM7");
const QString kOtherKeys[] = {QStringLiteral("Language"), QStringLiteral("DefaultLanguage"),
                              QStringLiteral("PicID"), QStringLiteral("Help")};
const QString kAbsent = QStringLiteral("\x01absent");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SysInfo.Ini"));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TIniFile before(path);
    FUZZ_CHECK(before.Load());
    TIniFile ini(path);
    FUZZ_CHECK(ini.Load());
    if (!ini.WriteString(kSection, kKey, kValue))
        return 0; // the file's encoding cannot hold the value: nothing changed
    FUZZ_CHECK(ini.Save());

    TIniFile after(path);
    FUZZ_CHECK(after.Load());
    FUZZ_CHECK(after.ReadString(kSection, kKey, kAbsent) == kValue);
    for (const QString &key : kOtherKeys)
        FUZZ_CHECK(after.ReadString(kSection, key, kAbsent) == before.ReadString(kSection, key, kAbsent));
    return 0;
}
