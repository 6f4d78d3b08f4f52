// The Battery Sheet's output: the focused table copied as HTML and
// tab-separated text, the chart saved as a picture, the report printed or
// exported as PDF.
#include "battery_window/battery_wnd.h"

#include "battery_window/battery_page.h"
#include "battery_window/battery_pdf.h"
#include "battery_window/chart_data.h"
#include "battery_window/chart_view.h"
#include "battery_window/numbers.h"
#include "battery_window/scores_model.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "framework/picture_file.h"
#include "framework/printing.h"
#include "report_window/core_words.h"
#include "text/plain_number.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableView>

namespace battery {

namespace {

struct PictureFilter {
    const char *filter;
    const char *suffix;
};

const PictureFilter kFilters[] = {
    {QT_TRANSLATE_NOOP("battery::BatteryWnd", "SVG picture (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("battery::BatteryWnd", "PNG picture (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("battery::BatteryWnd", "PDF document (*.pdf)"), "pdf"},
};

// Every row and column the table shows, the header first.
std::vector<QStringList> tableCells(QAbstractItemView *view)
{
    auto *table = qobject_cast<QTableView *>(view);
    QAbstractItemModel *model = view->model();
    std::vector<QStringList> rows;
    QStringList header;
    for (int column = 0; column < model->columnCount(); ++column)
        if (!table || !table->isColumnHidden(column))
            header << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    rows.push_back(header);
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        bool anything = false;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (table && table->isColumnHidden(column))
                continue;
            cells << model->index(row, column).data(Qt::DisplayRole).toString();
            anything |= !cells.back().isEmpty();
        }
        if (anything) // not the empty row that takes a new score
            rows.push_back(cells);
    }
    // A column nothing was worked out in (no retest, no correlations) is
    // left out; with no rows at all, the heads stay.
    if (rows.size() > 1)
        for (qsizetype column = rows.front().size() - 1; column >= 0; --column) {
            bool empty = true;
            for (std::size_t row = 1; row < rows.size() && empty; ++row)
                empty = column >= rows[row].size() || rows[row][column].isEmpty();
            if (empty)
                for (QStringList &row : rows)
                    if (column < row.size())
                        row.removeAt(column);
        }
    return rows;
}

// A number's minus as a word processor should set it: "−7.3", "−1.5*".
QString trueMinus(const QString &cell)
{
    static const QRegularExpression number(QStringLiteral("^-(?=[0-9]|[.,][0-9])[0-9.,]*\\*?$"));
    if (!number.match(cell).hasMatch())
        return cell;
    return QChar(0x2212) + cell.mid(1);
}

} // namespace

QString BatteryWnd::tableHtml(QAbstractItemView *table) const
{
    const std::vector<QStringList> rows = tableCells(table);
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    html += QStringLiteral("<caption>%1</caption>").arg(tableCaption().toHtmlEscaped());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : rows[row])
            html += row == 0 ? QStringLiteral("<th>%1</th>").arg(cell.toHtmlEscaped())
                             : QStringLiteral("<td>%1</td>").arg(trueMinus(cell).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Whose scores and how they were worked out, so that a pasted table still
// says it: "Jane Doe: T scores, 95% intervals centred on the estimated true
// score, alpha .05".
QString BatteryWnd::tableCaption() const
{
    const std::string &person = m_model->sheet().id.person;
    const QString who = person.empty() ? tr("Unnamed person") : QString::fromStdString(person);
    const QString level = numbers::plain(m_core.confidence);
    const QString interval = m_core.method == interpretation::Method::TrueScore
                                 ? tr("%1% intervals centred on the estimated true score").arg(level)
                                 : tr("%1% intervals centred on the obtained score").arg(level);
    return tr("%1: %2 scores, %3, alpha %4")
        .arg(who, metricName(m_core.metric), interval, numbers::proportion(m_core.alpha, 2));
}

QString BatteryWnd::tableText(QAbstractItemView *table) const
{
    QString text;
    for (const QStringList &row : tableCells(table)) {
        QStringList cells = row;
        // A score named "=HYPERLINK(…)" must reach the spreadsheet as text.
        for (QString &cell : cells)
            cell = QString::fromStdString(text::spreadsheetCell(cell.toStdString()));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

bool BatteryWnd::_CopyTableAction()
{
    QAbstractItemView *table = focusedTable();
    auto *data = new QMimeData;
    data->setHtml(tableHtml(table));
    data->setText(tableText(table));
    QGuiApplication::clipboard()->setMimeData(data);
    showStatus(tr("The %1 table is on the clipboard.").arg(table->accessibleName()));
    return true;
}

bool BatteryWnd::_SavePictureAction()
{
    QStringList filters;
    for (const PictureFilter &entry : kFilters)
        filters << tr(entry.filter);
    QString filter = filters.front();
    const QString base = m_path.isEmpty() ? tr("profile") : QFileInfo(m_path).completeBaseName();
    QString path = fw::GetSaveFileName(this, tr("Save Picture"), QDir::home().filePath(base + QStringLiteral(".svg")),
                                       filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return true;
    if (QFileInfo(path).suffix().isEmpty()) {
        const int chosen = std::max<int>(0, int(filters.indexOf(filter)));
        path += QLatin1Char('.') + QLatin1String(kFilters[chosen].suffix);
    }
    fw::PictureFileOptions options;
    options.size = m_chart->size();
    options.pixelRatio = m_chart->devicePixelRatioF();
    options.title = tr("Profile chart");
    options.description = chartDescription(m_results, m_core);
    const double fontPixels = m_chart->fontPixels();
    const QString problem = fw::writePicture(
        path, options,
        [&](QPainter &painter, const QRectF &area) { m_chart->chart().paint(painter, area, fontPixels); },
        readFiles(true));
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
    else
        showStatus(tr("Saved %1.").arg(QFileInfo(path).fileName()));
    return true;
}

BatteryReport BatteryWnd::report() const
{
    BatteryReport made;
    made.sheet = &m_model->sheet();
    made.results = &m_results;
    made.settings = m_core;
    made.descriptorName = m_custom && &chosenSystem() == &*m_custom ? QFileInfo(m_customPath).completeBaseName()
                                                                    : report::systemTitle(chosenSystem());
    made.correlationsFile = m_correlationsPath.isEmpty() ? QString() : QFileInfo(m_correlationsPath).fileName();
    return made;
}

text::ReadFiles BatteryWnd::readFiles(bool withOwnFile, bool withCorrelations) const
{
    const auto name = [](const QString &path) { return QFile::encodeName(path).toStdString(); };
    text::ReadFiles files;
    if (withOwnFile && !m_path.isEmpty())
        files.add(tr("the sheet's own file").toStdString(), name(m_path));
    if (withCorrelations && !m_correlationsPath.isEmpty())
        files.add(tr("the correlation file the sheet uses").toStdString(), name(m_correlationsPath));
    if (!m_customPath.isEmpty())
        files.add(tr("the descriptor file the sheet uses").toStdString(), name(m_customPath));
    return files;
}

bool BatteryWnd::_PrintAction()
{
    std::unique_ptr<QPrinter> printer = fw::OpenPrinterDialog(suggestedPdfName(m_model->sheet()));
    if (!printer)
        return true;
    // The dialog ran the event loop: the report is made from the sheet as it is now.
    if (!printBattery(*printer, report()))
        fw::MsgBox(tr("The report could not be printed.").toStdString());
    return true;
}

bool BatteryWnd::_ExportPdfAction()
{
    QString path = fw::GetSaveFileName(this, tr("Export PDF"), QDir::home().filePath(suggestedPdfName(m_model->sheet())),
                                       tr(kFilters[2].filter));
    if (path.isEmpty())
        return true;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString problem = exportPdf({report()}, path, readFiles(true));
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
    else
        showStatus(tr("Saved %1.").arg(QFileInfo(path).fileName()));
    return true;
}

bool BatteryWnd::_ExportDocumentAction()
{
    QString path = fw::GetSaveFileName(this, tr("Export Document"),
                                       QDir::home().filePath(suggestedOdtName(m_model->sheet())),
                                       tr("OpenDocument text (*.odt)"));
    if (path.isEmpty())
        return true;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".odt");
    const QString problem = exportOdt({report()}, path, readFiles(true));
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
    else
        showStatus(tr("Saved %1.").arg(QFileInfo(path).fileName()));
    return true;
}

} // namespace battery
