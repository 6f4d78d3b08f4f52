#include "shell/program.h"

#include "battery_window/battery_wnd.h"
#include "converter_window/control_wnd.h"
#include "converter_window/score_feed.h"
#include "framework/first_frame.h"
#include "framework/implicit_window.h"
#include "report_window/report_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/handle_about_menu.h"
#include "shell/invisible_wnd.h"
#include "shell/menu.h"

#include <QApplication>
#include <QIcon>

namespace shell {

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quintaval"));
    if (QApplication::organizationName().isEmpty()) // tests keep their own settings
        QApplication::setOrganizationName(QStringLiteral("Quintaval"));
}

Program::Program(const QString &battery)
{
    nameApplication();
    InvisibleWnd::openAtStart(battery);
    // Rendering the icon at the window manager's sizes would hold up the
    // splash box's first frame; every window gets it right after.
    fw::afterFirstFrame([] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quintaval.svg"))); });
    declareFileType();
    registerWindowClasses();
    makeApplication();
    registerAboutHandlers();
    fw::implicitWindow<InvisibleWnd>();
}

Program::~Program()
{
    for (const char *name : {battery::BatteryWnd::kClassName, report::ReportWnd::kClassName, ControlWnd::kClassName,
                             DescriptionWnd::kClassName, AboutWnd::kClassName,
                             InvisibleWnd::kClassName})
        delete fw::existingWindow(name);
    ScoreFeed::instance().clear();
}

void Program::declareFileType()
{
    m_textType = FileType{"text", "TEXT", "Z*ev", {}};
}

// Other subsystems' windows open these by class name.
void Program::registerWindowClasses()
{
    fw::registerWindowClass<AboutWnd>();
    fw::registerWindowClass<DescriptionWnd>();
    fw::registerWindowClass<ControlWnd>();
    fw::registerWindowClass<report::ReportWnd>();
    fw::registerWindowClass<battery::BatteryWnd>();
}

void Program::makeApplication()
{
    m_app = std::make_unique<HandleAboutMenu>();
    m_app->setMenuBar(std::make_unique<Menu>());
}

void Program::registerAboutHandlers()
{
    HandleAboutMenu *app = m_app.get();
    app->registerMenuHandler(item::kAboutVex, [app] { return app->_AboutVex_Action(); });
    app->registerMenuHandler(item::kAbout, [app] { return app->_AboutMenuItem_Action(); });
    app->registerMenuHandler(item::kReport, [app] { return app->_ReportMenuItem_Action(); });
    app->registerMenuHandler(item::kBattery, [app] { return app->_BatteryMenuItem_Action(); });
}

} // namespace shell
