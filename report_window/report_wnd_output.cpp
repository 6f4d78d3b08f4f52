// The Score Report's menu commands: back to the converter, and the Report
// menu, which copies, saves and prints what the window shows.
#include "report_window/report_wnd.h"

#include "converter_window/control_wnd.h"
#include "framework/file_dialog.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"
#include "framework/printing.h"
#include "report_window/curve_view.h"
#include "report_window/picture_file.h"
#include "report_window/report_page.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

namespace report {

namespace {

struct PictureFilter {
    const char *filter;
    const char *suffix;
};

constexpr PictureFilter kFilters[] = {
    {"SVG picture (*.svg)", "svg"},
    {"PNG picture (*.png)", "png"},
    {"PDF document (*.pdf)", "pdf"},
};

QString filterList()
{
    QStringList filters;
    for (const PictureFilter &entry : kFilters)
        filters << QString::fromLatin1(entry.filter);
    return filters.join(QStringLiteral(";;"));
}

// A name typed without an extension takes the one of the filter shown.
QString withSuffix(const QString &path, const QString &filter)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    for (const PictureFilter &entry : kFilters)
        if (filter == QLatin1String(entry.filter))
            return path + QLatin1Char('.') + QLatin1String(entry.suffix);
    return path + QStringLiteral(".svg");
}

} // namespace

bool ReportWnd::_ControlMenuItem_Action()
{
    fw::implicitWindow<ControlWnd>()->Show();
    return false;
}

// The Description window belongs to the shell: reached by its class name.
bool ReportWnd::_DescriptionMenuItem_Action()
{
    if (fw::Window *window = fw::implicitWindow("DescriptionWnd"))
        window->Show();
    return false;
}

bool ReportWnd::_CopyTableAction_Action()
{
    if (!m_facts)
        return false;
    auto *data = new QMimeData;
    data->setHtml(tableHtml(*m_facts));
    data->setText(tableText(*m_facts));
    QGuiApplication::clipboard()->setMimeData(data);
    return false;
}

bool ReportWnd::_CopySentenceAction_Action()
{
    if (m_facts)
        QGuiApplication::clipboard()->setText(sentence(*m_facts));
    return false;
}

bool ReportWnd::_SavePictureAction_Action()
{
    if (!m_facts)
        return false;
    QString filter = QString::fromLatin1(kFilters[0].filter);
    QString path = fw::GetSaveFileName(this, QStringLiteral("Save Picture"),
                                       QStringLiteral("score-report.svg"), filterList(), &filter);
    if (path.isEmpty())
        return false;
    path = withSuffix(path, filter);
    PictureOptions options;
    options.size = m_curve->size();
    options.fontPixels = m_curve->fontPixels();
    options.pixelRatio = m_curve->devicePixelRatioF();
    options.title = QStringLiteral("Score Report: %1").arg(sourceText(m_facts->score));
    options.description = sentence(*m_facts);
    const QString problem = writePicture(m_curve->picture(), path, options);
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
    return false;
}

bool ReportWnd::_PrintReportAction_Action()
{
    if (!m_facts)
        return false;
    const ReportFacts facts = *m_facts; // the dialog runs the event loop
    const CurvePicture picture = m_curve->picture();
    std::unique_ptr<QPrinter> printer = fw::OpenPrinterDialog();
    if (!printer)
        return false;
    if (!printReport(*printer, facts, picture))
        fw::MsgBox("The report could not be printed.");
    return false;
}

} // namespace report
