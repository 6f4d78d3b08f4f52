#include "shell/about_wnd.h"

#include "converter_window/control_wnd.h"
#include "framework/control_factory.h"
#include "framework/implicit_window.h"
#include "shell/menu.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <array>
#include <iterator>

namespace shell {

namespace {

// Where menu bars sit inside windows, a box this small shows none; Quit's
// shortcut still works in it. Where the bar is the screen's, it is shown.
#ifdef Q_OS_MACOS
constexpr bool kShowsMenuBar = true;
#else
constexpr bool kShowsMenuBar = false;
#endif

constexpr fw::ControlRecord picture(std::string_view name, int left, int top, int width,
                                   int height, int number, std::string_view accessibleName)
{
    fw::ControlRecord record{name, fw::ControlKind::Canvas, left, top, width, height};
    record.picture = number;
    record.accessibleName = accessibleName;
    return record;
}

// "%1" in the notice is the release.
constexpr fw::ControlRecord kControls[] = {
    picture("Canvas1", 11, 14, 313, 20, 171, QT_TRANSLATE_NOOP("shell::AboutWnd", "Quintaval")),
    {"StaticText5", fw::ControlKind::Label, 1, 178, 333, 16,
     QT_TRANSLATE_NOOP("shell::AboutWnd", "Quintaval %1 \u00b7 written by the Quintaval developers"),
     {"Times", 10, true}, fw::Align::Center, fw::rgb(0x18, 0x22, 0xCD)},
    picture("Canvas2", 138, 72, 58, 72, 169, QT_TRANSLATE_NOOP("shell::AboutWnd", "Quintaval badge")),
    {"languageTxt", fw::ControlKind::Label, 1, 154, 333, 16, {}, {"Times", 10, false}, fw::Align::Center,
     fw::rgb(0x18, 0x22, 0xCD)},
};

} // namespace

void AboutWnd::Layout()
{
    fw::WindowRecord record{{}, 334, 200, fw::rgb(255, 255, 255)};
    record.frame = fw::Frame::PlainBox;
    record.menuBarVisible = kShowsMenuBar;
    applyRecord(record);
    // A dialog-type window: window managers give it the focus and keep it
    // above the program's other windows, unlike a splash-screen type.
    setWindowFlags(windowFlags() | Qt::Dialog);
    if (!kShowsMenuBar) {
        if (fw::MenuItem *quit = menuItem(item::kFileQuit))
            addAction(quit->action());
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// A control shown, or any text or accessible name put in, wakes the
// screen readers' bridge, which looks for the session bus first: where
// none runs, that holds the box back by several milliseconds. So the box
// goes on the screen empty, and its controls and words go in before it is
// first painted.
void AboutWnd::CreateControls()
{
    std::array<fw::ControlRecord, std::size(kControls)> unworded{};
    for (size_t i = 0; i < unworded.size(); ++i) {
        unworded[i] = kControls[i];
        unworded[i].text = {};
        unworded[i].accessibleName = {};
    }
    createControls(unworded.data(), unworded.size());
    // Empty, the content would leave the layout nothing to size the box by.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setFixedSize(size());
    content()->hide();
    whenExposed([this] {
        putWords();
        content()->show();
    });
}

void AboutWnd::putWords()
{
    const char *const context = metaObject()->className();
    for (const fw::ControlRecord &record : kControls)
        if (!record.accessibleName.empty())
            control(record.name)->setAccessibleName(fw::ControlFactory::translated(record.accessibleName, context));
    const QString notice = fw::ControlFactory::translated(kControls[1].text, context);
    SetText("StaticText5", notice.arg(QStringLiteral(QUINTAVAL_RELEASE)).toStdString());
    //: The language of this translation, named in that language
    const QString language = tr("English");
    SetText("languageTxt", tr("Language: %1").arg(language).toStdString());
}

bool AboutWnd::KeyDown(const std::string &)
{
    dismiss();
    return false;
}

bool AboutWnd::MouseDown(int, int)
{
    dismiss();
    return false;
}

void AboutWnd::dismiss()
{
    Hide();
    fw::implicitWindow<ControlWnd>()->Show();
}

} // namespace shell
