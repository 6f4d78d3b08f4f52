#include "shell/description_wnd.h"

#include "converter_window/control_wnd.h"
#include "framework/control_factory.h"
#include "framework/implicit_window.h"
#include "framework/printing.h"
#include "framework/styled_text_printer.h"
#include "framework/text_area.h"
#include "shell/about_wnd.h"
#include "shell/description_text.h"
#include "shell/menu.h"

#include <QPrinter>
#include <QTextDocument>

namespace shell {

namespace {

constexpr int kTitleRun = 29;       // characters set in bold when the window opens
constexpr int kPrintWidth = 540;    // points
constexpr int kPrintBlockHeight = 540;
constexpr fw::Font kCourier{"Courier", 10, false};

// Courier, or whatever fixed-pitch face stands in for it, at its size in
// points: the size it prints at.
QFont printFont()
{
    QFont font = fw::ControlFactory::font(kCourier);
    font.setFixedPitch(true);
    return font;
}

// The window's sizes count pixels at 72 to the inch, and so does the type
// size: at that size the table's 85 columns fit the field and stay aligned.
void fitToWindowPixels(QWidget *field)
{
    QFont font = printFont();
    font.setPointSizeF(kCourier.pointSize * 72.0 / field->logicalDpiY());
    field->setFont(font);
}

fw::ControlRecord textField(std::string_view name, int left, int width, int height)
{
    fw::ControlRecord record{name, fw::ControlKind::TextArea, left, -1, width, height};
    record.font = kCourier;
    record.textColour = fw::rgb(0, 0, 0);
    record.lockedToEdges = true;
    record.focusRing = false;
    return record;
}

} // namespace

void DescriptionWnd::Layout()
{
    fw::WindowRecord record{QT_TRANSLATE_NOOP("shell::DescriptionWnd", "Description"), 535, 450};
    record.resizable = true;
    record.maximizeButton = true;
    applyRecord(record);
}

void DescriptionWnd::CreateControls()
{
    fw::ControlRecord under = textField("DescribeFld", 1, 535, 400);
    under.readOnly = true;
    under.text = "\r";
    QWidget *covered = createControl(under);
    fitToWindowPixels(covered);
    // Wholly covered by DescribeFld2: keys must not go where nothing shows.
    covered->setFocusPolicy(Qt::NoFocus);

    fw::ControlRecord text = textField("DescribeFld2", -1, 537, 431);
    text.styled = true;
    fitToWindowPixels(createControl(text));
    SetText("DescribeFld2", descriptionText());
}

void DescriptionWnd::AddMenuHandlers()
{
    registerMenuHandler(item::kControl, [this] { return _ControlMenuItem_Action(); });
    registerMenuHandler(item::kAbout, [this] { return _AboutMenuItem_Action(); });
    registerMenuHandler(item::kPrint, [this] { return _Print_Action(); });
}

void DescriptionWnd::Open()
{
    if (fw::TextArea *area = textArea("DescribeFld2")) {
        area->SetSelStart(0);
        area->SetSelLength(kTitleRun);
        area->SetSelBold(true);
        // Part of how the window opens, not an edit for Undo to take back.
        area->document()->clearUndoRedoStacks();
    }
}

void DescriptionWnd::EnableMenuItems()
{
    enableMenuItem(item::kControl, true);
    enableMenuItem(item::kAbout, true);
    enableMenuItem(item::kPrint, true);
}

bool DescriptionWnd::_ControlMenuItem_Action()
{
    fw::implicitWindow<ControlWnd>()->Show();
    return false;
}

bool DescriptionWnd::_AboutMenuItem_Action()
{
    fw::implicitWindow<AboutWnd>()->Show();
    return false;
}

// The whole text, in blocks of one size, one block a page, for as many
// pages as it takes.
bool DescriptionWnd::_Print_Action()
{
    const fw::TextArea *area = textArea("DescribeFld2");
    std::unique_ptr<QPrinter> printer = fw::OpenPrinterDialog();
    if (!printer || !area)
        return false;
    fw::StyledTextPrinter styled(*area, *printer, kPrintWidth, printFont());
    while (styled.DrawBlock(0, 0, kPrintBlockHeight))
        printer->newPage();
    return false;
}

} // namespace shell
