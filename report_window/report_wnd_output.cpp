// The Score Report's menu commands: back to the converter, and copying,
// saving, printing and exporting what the window shows.
#include "report_window/report_wnd.h"

#include "converter_window/control_wnd.h"
#include "framework/file_dialog.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"
#include "framework/picture_file.h"
#include "framework/printed_document.h"
#include "framework/printing.h"
#include "framework/written_file.h"
#include "report_window/curve_view.h"
#include "report_window/report_page.h"
#include "report_window/report_table.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

namespace report {

namespace {

QString tr(const char *text)
{
    return ReportWnd::tr(text);
}

struct PictureFilter {
    const char *filter;
    const char *suffix;
};

constexpr PictureFilter kFilters[] = {
    {QT_TRANSLATE_NOOP("report::ReportWnd", "SVG picture (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("report::ReportWnd", "PNG picture (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("report::ReportWnd", "PDF document (*.pdf)"), "pdf"},
};

QString filterList()
{
    QStringList filters;
    for (const PictureFilter &entry : kFilters)
        filters << tr(entry.filter);
    return filters.join(QStringLiteral(";;"));
}

// A name typed without an extension takes the one of the filter shown.
QString withSuffix(const QString &path, const QString &filter)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    for (const PictureFilter &entry : kFilters)
        if (filter == tr(entry.filter))
            return path + QLatin1Char('.') + QLatin1String(entry.suffix);
    return path + QStringLiteral(".svg");
}

// Saved files are named after the person and the date of testing.
QString fallbackName()
{
    return ReportWnd::tr("score-report");
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
    QString filter = tr(kFilters[0].filter);
    QString path = fw::GetSaveFileName(this, ReportWnd::tr("Save Picture"),
                                       suggestedFileName(identification(), fallbackName(), QStringLiteral("svg")),
                                       filterList(), &filter);
    if (path.isEmpty())
        return false;
    path = withSuffix(path, filter);
    fw::PictureFileOptions options;
    options.size = m_curve->size();
    options.pixelRatio = m_curve->devicePixelRatioF();
    options.title = ReportWnd::tr("Score Report: %1").arg(sourceText(m_facts->score));
    options.description = sentence(*m_facts);
    const double fontPixels = m_curve->fontPixels();
    const QString problem = fw::writePicture(
        path, options,
        [&](QPainter &painter, const QRectF &area) { m_curve->picture().paint(painter, area, fontPixels); },
        readFiles());
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
    return false;
}

bool ReportWnd::_PrintReportAction_Action()
{
    if (!m_facts)
        return false;
    // The dialog runs the event loop: what is printed is what was asked for.
    const ReportFacts facts = *m_facts;
    const Identification id = identification();
    const CurvePicture picture = m_curve->picture();
    std::unique_ptr<QPrinter> printer = fw::OpenPrinterDialog(suggestedFileName(id, fallbackName(), QStringLiteral("pdf")));
    if (!printer)
        return false;
    if (!printReport(*printer, facts, id, picture))
        fw::MsgBox(ReportWnd::tr("The report could not be printed.").toStdString());
    return false;
}

bool ReportWnd::_ExportPdfItem_Action()
{
    return exportReport(false);
}

bool ReportWnd::_ExportDocumentItem_Action()
{
    return exportReport(true);
}

// The printed report as a PDF, or as an OpenDocument text to edit.
bool ReportWnd::exportReport(bool odt)
{
    if (!m_facts)
        return false;
    const ReportFacts facts = *m_facts;
    const Identification id = identification();
    const CurvePicture picture = m_curve->picture();
    const QString suffix = odt ? QStringLiteral("odt") : QStringLiteral("pdf");
    QString path = fw::GetSaveFileName(this, odt ? ReportWnd::tr("Export Document") : ReportWnd::tr("Export PDF"),
                                       suggestedFileName(id, fallbackName(), suffix),
                                       odt ? ReportWnd::tr("OpenDocument text (*.odt)")
                                           : ReportWnd::tr("PDF document (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    const QString name = QFileInfo(path).fileName();
    const std::unique_ptr<fw::PrintedDocument> document = reportDocument(facts, id, picture);
    QByteArray bytes;
    if (!(odt ? fw::PrintedDocument::odt({document.get()}, bytes) : fw::PrintedDocument::pdf({document.get()}, bytes))) {
        fw::MsgBox(ReportWnd::tr("%1 could not be written.").arg(name).toStdString());
        return false;
    }
    const fw::FileWrite written = fw::writeFile(path, readFiles(), bytes);
    if (!written.written())
        fw::MsgBox(ReportWnd::tr("%1 could not be written: %2.").arg(name, written.why).toStdString());
    return false;
}

text::ReadFiles ReportWnd::readFiles() const
{
    text::ReadFiles files;
    if (!m_customPath.isEmpty())
        files.add(ReportWnd::tr("the descriptor file the report uses").toStdString(),
                  QFile::encodeName(m_customPath).toStdString());
    return files;
}

} // namespace report
