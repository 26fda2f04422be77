#include "mainwindow/OrvelApp.h"

#include "core/Maindb.h"
#include "mainwindow/MainFrm.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

namespace {

// Chinese texts need a CJK font. Font fallback normally finds one; naming
// the common ones keeps it from settling on a font with poor CJK glyphs.
void PreferCjkFallback()
{
    const QString family = QApplication::font().family();
    QFont::insertSubstitutions(family, {QStringLiteral("Noto Sans CJK SC"),
                                        QStringLiteral("Source Han Sans SC"),
                                        QStringLiteral("WenQuanYi Micro Hei"),
                                        QStringLiteral("Microsoft YaHei"),
                                        QStringLiteral("SimSun")});
}

} // namespace

TOrvelApp::TOrvelApp(const QString &applicationFilePath)
{
    PreferCjkFallback();
    const QString folder = AppFolderOf(applicationFilePath);
    m_settings = SettingsPathsFor(folder);
    DataModuleCreate(m_ws, folder, m_settings);
}

TOrvelApp::~TOrvelApp() = default;

bool TOrvelApp::UseLanguage(const QString &name, QString *error)
{
    return ::UseLanguage(m_ws, m_settings.readPath, name, error);
}

TfMainFrm &TOrvelApp::ShowMainWindow()
{
    if (!m_main) {
        m_main = std::make_unique<TfMainFrm>(TMainServices{m_ws, m_box, m_chooser, m_settings, {}, {}});
        m_box.SetParent(m_main.get());
        m_chooser.SetParent(m_main.get());
    }
    // Without a window manager (a bare X server) nothing maximises the
    // window: give it the screen first.
    if (const QScreen *screen = m_main->screen())
        m_main->setGeometry(screen->availableGeometry());
    m_main->showMaximized();
    return *m_main;
}
