// The converter window's layout as data: the window record and its 27
// controls in creation order. Positions are content-area pixels, also for
// the controls inside Rectangle1. Texts and accessible names are marked for
// translation; the window translates them as it makes each control.
#include "converter_window/control_wnd.h"

#include <QCoreApplication>
#include <QWidget>

using fw::Align;
using fw::ControlKind;
using fw::ControlRecord;
using fw::Font;

namespace {

constexpr Font kPlain12{"System", 12, false};
constexpr Font kBold12{"System", 12, true};
constexpr Font kPlain11{"System", 11, false};
constexpr Font kPlain10{"System", 10, false};
constexpr std::string_view kInFrame = "Rectangle1";

constexpr fw::WindowRecord windowRecord()
{
    fw::WindowRecord w{QT_TRANSLATE_NOOP("ControlWnd", "Quintaval"), 535, 445, fw::rgb(255, 255, 255)};
    w.resizable = false;
    w.closeButton = true;
    w.minimizeButton = true;
    w.maximizeButton = false;
    w.frame = fw::Frame::Document;
    w.visible = true;
    w.menuBarVisible = true;
    return w;
}

constexpr fw::WindowRecord kWindow = windowRecord();

constexpr ControlRecord rectangle(std::string_view name, int left, int top, int width, int height)
{
    ControlRecord s{name, ControlKind::Rectangle, left, top, width, height};
    s.fill = fw::rgb(255, 255, 255);
    s.borderTopLeft = fw::rgb(204, 204, 204);
    s.borderBottomRight = fw::rgb(102, 102, 102);
    return s;
}

constexpr ControlRecord button(std::string_view name, int left, int top, int width, int height,
                             std::string_view text)
{
    ControlRecord s{name, ControlKind::PushButton, left, top, width, height, text, kPlain12};
    s.accessibleName = text;
    return s;
}

constexpr ControlRecord entry(std::string_view name, int left, int top, int width, int height,
                            int limit, std::string_view accessibleName,
                            std::string_view parent = {})
{
    ControlRecord s{name, ControlKind::EntryField, left, top, width, height, {}, kPlain12, Align::Center};
    s.limit = limit;
    s.parent = parent;
    s.accessibleName = accessibleName;
    return s;
}

constexpr ControlRecord label(std::string_view name, int left, int top, int width, int height,
                            std::string_view text, std::string_view parent = {})
{
    ControlRecord s{name, ControlKind::Label, left, top, width, height, text, kBold12, Align::Center};
    s.parent = parent;
    return s;
}

constexpr ControlRecord picture(std::string_view name, int left, int top, int width, int height,
                              int number, std::string_view accessibleName)
{
    ControlRecord s{name, ControlKind::Canvas, left, top, width, height};
    s.picture = number;
    s.accessibleName = accessibleName;
    return s;
}

constexpr ControlRecord notice()
{
    ControlRecord s = label("cTxt", 1, 35, 534, 20,
                          QT_TRANSLATE_NOOP("ControlWnd", "Written and maintained by the Quintaval developers"));
    s.font = kPlain11;
    s.textColour = fw::rgb(0, 0, 128);
    return s;
}

constexpr ControlRecord legend()
{
    ControlRecord s = label("boundtext", 380, 320, 100, 28,
                             QT_TRANSLATE_NOOP("ControlWnd", "* outside possible\r   range of scores"));
    s.font = kPlain10;
    s.align = Align::Left;
    s.textColour = fw::rgb(127, 127, 127);
    s.visible = false;
    s.accessibleName = QT_TRANSLATE_NOOP("ControlWnd", "* outside possible range of scores");
    return s;
}

constexpr ControlRecord kControls[] = {
    rectangle("Rectangle1", 50, 85, 430, 75),
    button("ClearBtn", 417, 390, 70, 30, QT_TRANSLATE_NOOP("ControlWnd", "Clear")),
    entry("rawFld", 70, 105, 80, 22, 9, QT_TRANSLATE_NOOP("ControlWnd", "raw score"), kInFrame),
    entry("rawmeanFld", 226, 105, 80, 22, 9, QT_TRANSLATE_NOOP("ControlWnd", "raw score mean"), kInFrame),
    entry("rawsdFld", 380, 105, 80, 22, 9, QT_TRANSLATE_NOOP("ControlWnd", "raw score sd"), kInFrame),
    entry("zFld", 70, 197, 80, 22, 5, QT_TRANSLATE_NOOP("ControlWnd", "z score")),
    entry("tFld", 226, 197, 80, 22, 2, QT_TRANSLATE_NOOP("ControlWnd", "T score")),
    entry("wechslerFld", 380, 197, 80, 22, 3, QT_TRANSLATE_NOOP("ControlWnd", "Wechsler IQ")),
    entry("nceFld", 70, 259, 80, 22, 2, QT_TRANSLATE_NOOP("ControlWnd", "NCE score")),
    entry("greFld", 226, 259, 80, 22, 3, QT_TRANSLATE_NOOP("ControlWnd", "CEEB score")),
    button("CalculateBtn", 45, 390, 80, 30, QT_TRANSLATE_NOOP("ControlWnd", "Calculate")),
    picture("Canvas1", 11, 3, 510, 36, 170, QT_TRANSLATE_NOOP("ControlWnd", "Quintaval")),
    label("StaticText1", 70, 219, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "z score")),
    label("StaticText2", 226, 219, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "T score")),
    label("StaticText3", 380, 219, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "Wechsler IQ")),
    label("StaticText4", 70, 281, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "NCE score")),
    label("StaticText5", 226, 281, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "CEEB score")),
    entry("percentileFld", 226, 320, 80, 22, 2, QT_TRANSLATE_NOOP("ControlWnd", "percentile")),
    label("percentileTxt", 226, 343, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "percentile")),
    picture("Canvas2", 250, 388, 32, 32, 172, QT_TRANSLATE_NOOP("ControlWnd", "Description")),
    notice(),
    label("rawTxt", 70, 128, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "raw score"), kInFrame),
    label("rawmeanTxt", 216, 128, 100, 20, QT_TRANSLATE_NOOP("ControlWnd", "raw score mean"), kInFrame),
    label("rawsdTxt", 370, 128, 100, 20, QT_TRANSLATE_NOOP("ControlWnd", "raw score sd"), kInFrame),
    label("StaticText6", 380, 281, 80, 20, QT_TRANSLATE_NOOP("ControlWnd", "AGCT score")),
    entry("agctFld", 380, 259, 80, 22, 3, QT_TRANSLATE_NOOP("ControlWnd", "AGCT score")),
    legend(),
};

// Tab walks the fields in creation order, then the buttons left to right.
constexpr std::string_view kTabOrder[] = {
    "rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "wechslerFld",
    "nceFld", "greFld", "percentileFld", "agctFld", "CalculateBtn", "ClearBtn",
};

} // namespace

void ControlWnd::Layout()
{
    applyRecord(kWindow);
}

void ControlWnd::CreateControls()
{
    _CreateControls0();
}

void ControlWnd::_CreateControls0()
{
    createControls(kControls);
    bindFieldKeys();
    bindEvents();
    setTabOrder();
}

void ControlWnd::setTabOrder()
{
    QWidget *previous = nullptr;
    for (std::string_view name : kTabOrder) {
        QWidget *next = control(name);
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
