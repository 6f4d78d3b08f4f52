#include "framework/settings_store.h"

#include "framework/application.h"
#include "framework/message_box.h"

#include <QCoreApplication>
#include <QSettings>

namespace fw {

void commitSettings(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    Application *app = App();
    if (!app || app->settingsProblemShown())
        return;
    app->setSettingsProblemShown();
    MsgBox(QCoreApplication::translate("Settings", "Your choices could not be saved to %1. They are kept "
                                                   "until Quintaval closes.")
               .arg(settings.fileName())
               .toStdString());
}

} // namespace fw
