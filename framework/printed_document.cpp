#include "framework/printed_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

namespace fw {

namespace {

constexpr double kHeaderPoints = 8;
constexpr double kRuleGap = 4;
const QColor kQuiet(0x55, 0x55, 0x55);

// The painter counts in points, so a font's pixels are points.
QFont pointFont(double points, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, int(points + 0.5)));
    font.setBold(bold);
    return font;
}

struct TableData {
    PageTable table;
    mutable double widthFor = -1;
    mutable std::vector<double> columns;

    int columnCount() const { return int(table.header.size()); }

    // Widths at the widest cell, narrowed alike when the page is narrower.
    const std::vector<double> &widths(double width) const
    {
        if (widthFor == width)
            return columns;
        const int count = columnCount();
        const QFontMetricsF plain(pointFont(table.points));
        const QFontMetricsF bold(pointFont(table.points, true));
        const double padding = table.points;
        columns.assign(std::size_t(count), 0);
        for (int c = 0; c < count; ++c)
            columns[std::size_t(c)] = bold.horizontalAdvance(table.header[c]) + padding;
        double spanned = 0; // the widest cell that spans from its column to the end
        int spanFrom = count;
        for (const QStringList &row : table.rows) {
            for (int c = 0; c < row.size() && c < count; ++c) {
                const double needed = plain.horizontalAdvance(row[c]) + padding;
                if (c + 1 == row.size() && row.size() < count) {
                    spanned = std::max(spanned, needed);
                    spanFrom = std::min(spanFrom, c);
                } else {
                    columns[std::size_t(c)] = std::max(columns[std::size_t(c)], needed);
                }
            }
        }
        double spanRoom = 0;
        for (int c = spanFrom; c < count; ++c)
            spanRoom += columns[std::size_t(c)];
        if (spanFrom < count && spanned > spanRoom)
            columns[std::size_t(count - 1)] += spanned - spanRoom;
        double total = 0;
        for (double w : columns)
            total += w;
        if (total > width)
            for (double &w : columns)
                w *= width / total;
        widthFor = width;
        return columns;
    }
    double rowHeight() const { return QFontMetricsF(pointFont(table.points)).height() * 1.5; }
};

class TableRow : public PageBlock {
public:
    TableRow(std::shared_ptr<const TableData> data, int row) : m_data(std::move(data)), m_row(row) {}
    double height(double) const override { return m_data->rowHeight(); }
    void paint(QPainter &painter, const QRectF &area) const override
    {
        const PageTable &table = m_data->table;
        const bool header = m_row < 0;
        const QStringList &cells = header ? table.header : table.rows[std::size_t(m_row)];
        const std::vector<double> &widths = m_data->widths(area.width());
        const QFont font = pointFont(table.points, header);
        const QFontMetricsF metrics(font);
        painter.save();
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(Qt::NoBrush);
        double left = area.left();
        const int count = m_data->columnCount();
        for (int c = 0; c < cells.size() && c < count; ++c) {
            double width = widths[std::size_t(c)];
            if (c + 1 == cells.size())
                for (int rest = c + 1; rest < count; ++rest)
                    width += widths[std::size_t(rest)];
            const QRectF cell(left, area.top(), width, area.height());
            painter.drawRect(cell);
            const bool spanning = c + 1 == cells.size() && cells.size() < count;
            const bool right = !header && !spanning && c < int(table.rightAligned.size())
                && table.rightAligned[std::size_t(c)];
            const QRectF inner = cell.adjusted(table.points / 2, 0, -table.points / 2, 0);
            painter.drawText(inner, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             metrics.elidedText(cells[c], Qt::ElideRight, inner.width()));
            left += width;
        }
        painter.restore();
    }

private:
    std::shared_ptr<const TableData> m_data;
    int m_row; // -1: the header
};

struct PrintedWords {
    Q_DECLARE_TR_FUNCTIONS(PrintedDocument)
};

} // namespace

TextBlock::TextBlock(const QString &html, double points)
    : m_document(std::make_unique<QTextDocument>())
{
    m_document->setDefaultFont(pointFont(points));
    m_document->setDocumentMargin(0);
    m_document->setHtml(html);
}

TextBlock::~TextBlock() = default;

double TextBlock::height(double width) const
{
    m_document->setTextWidth(width);
    return m_document->size().height();
}

void TextBlock::paint(QPainter &painter, const QRectF &area) const
{
    m_document->setTextWidth(area.width());
    painter.save();
    painter.translate(area.topLeft());
    m_document->drawContents(&painter);
    painter.restore();
}

PictureBlock::PictureBlock(Painter painter, double aspect)
    : m_painter(std::move(painter))
    , m_aspect(aspect)
{
}

struct PrintedDocument::Placed {
    const PageBlock *block;
    int page;
    double top, height, scale;
};

PrintedDocument::PrintedDocument() = default;
PrintedDocument::~PrintedDocument() = default;

void PrintedDocument::add(std::unique_ptr<PageBlock> block)
{
    m_blocks.push_back(std::move(block));
}

void PrintedDocument::addTable(const PageTable &table, double spaceBefore)
{
    auto data = std::make_shared<TableData>();
    data->table = table;
    auto head = std::make_shared<TableRow>(data, -1);
    head->spaceBefore = spaceBefore;
    head->keepWithNext = true;
    m_blocks.push_back(head);
    for (int row = 0; row < int(table.rows.size()); ++row) {
        auto block = std::make_shared<TableRow>(data, row);
        block->runningHead = head;
        m_blocks.push_back(block);
    }
}

std::vector<PrintedDocument::Placed> PrintedDocument::layOut(double width, double height) const
{
    std::vector<Placed> placed;
    auto sized = [&](const PageBlock &block) {
        const double h = block.height(width);
        return std::pair{h, h > height ? height / h : 1.0};
    };
    int page = 0;
    double y = 0;
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        const PageBlock &block = *m_blocks[i];
        const auto [h, scale] = sized(block);
        double needed = (y > 0 ? block.spaceBefore : 0) + h * scale;
        // A heading and what it heads go together.
        for (std::size_t next = i; next + 1 < m_blocks.size() && m_blocks[next]->keepWithNext; ++next) {
            const auto [nh, ns] = sized(*m_blocks[next + 1]);
            needed += m_blocks[next + 1]->spaceBefore + nh * ns;
        }
        if (y > 0 && y + needed > height) {
            ++page;
            y = 0;
        }
        if (y == 0 && page > 0 && block.runningHead
            && (placed.empty() || placed.back().block != block.runningHead.get())) {
            const auto [hh, hs] = sized(*block.runningHead);
            placed.push_back({block.runningHead.get(), page, 0, hh * hs, hs});
            y = hh * hs;
        }
        if (y > 0)
            y += block.spaceBefore;
        placed.push_back({&block, page, y, h * scale, scale});
        y += h * scale;
    }
    return placed;
}

double PrintedDocument::headerHeight() const
{
    if (m_header.isEmpty())
        return 0;
    return QFontMetricsF(pointFont(kHeaderPoints)).height() * m_header.size() + 2 * kRuleGap + 6;
}

double PrintedDocument::footerHeight() const
{
    return QFontMetricsF(pointFont(kHeaderPoints)).height() + 2 * kRuleGap;
}

void PrintedDocument::paintHeader(QPainter &painter, double width) const
{
    if (m_header.isEmpty())
        return;
    const QFont font = pointFont(kHeaderPoints);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(kQuiet);
    double y = 0;
    for (const QString &line : m_header) {
        painter.drawText(QRectF(0, y, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line, Qt::ElideRight, width));
        y += metrics.height();
    }
    painter.setPen(QPen(kQuiet, 0.5));
    painter.drawLine(QPointF(0, y + kRuleGap), QPointF(width, y + kRuleGap));
}

void PrintedDocument::paintFooter(QPainter &painter, double width, double bottom, int page, int pages) const
{
    const QFont font = pointFont(kHeaderPoints);
    const QFontMetricsF metrics(font);
    const double top = bottom - metrics.height();
    painter.setPen(QPen(kQuiet, 0.5));
    painter.drawLine(QPointF(0, top - kRuleGap), QPointF(width, top - kRuleGap));
    painter.setFont(font);
    const QString pageText = PrintedWords::tr("page %1 of %2").arg(page).arg(pages);
    const double pageWidth = metrics.horizontalAdvance(pageText) + kHeaderPoints;
    painter.drawText(QRectF(0, top, width - pageWidth, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(m_footer, Qt::ElideRight, width - pageWidth));
    painter.drawText(QRectF(0, top, width, metrics.height()), Qt::AlignRight | Qt::AlignVCenter, pageText);
}

bool PrintedDocument::print(QPrinter &printer) const
{
    return printAll(printer, {this});
}

namespace {

void keepLeastMargins(QPagedPaintDevice &device)
{
    const QMarginsF given = device.pageLayout().margins(QPageLayout::Millimeter);
    const double least = PrintedDocument::kLeastPdfMargin;
    device.setPageMargins(QMarginsF(std::max(given.left(), least), std::max(given.top(), least),
                                    std::max(given.right(), least), std::max(given.bottom(), least)),
                          QPageLayout::Millimeter);
}

QString creatorName()
{
    return QCoreApplication::applicationName() + QStringLiteral(" " QUINTAVAL_VERSION);
}

} // namespace

bool PrintedDocument::printAll(QPrinter &printer, const std::vector<const PrintedDocument *> &documents)
{
    if (documents.empty())
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        keepLeastMargins(printer);
    printer.setDocName(documents.front()->m_title);
    if (printer.creator().isEmpty())
        printer.setCreator(creatorName());
    return paintAll(printer, printer.resolution(), documents);
}

bool PrintedDocument::pdf(const std::vector<const PrintedDocument *> &documents, QByteArray &out)
{
    if (documents.empty())
        return false;
    // Printed in memory: no scratch file is left anywhere if the run is cut short.
    const QPrinter paper(QPrinter::HighResolution);
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(paper.resolution());
    writer.setPageLayout(paper.pageLayout());
    keepLeastMargins(writer);
    writer.setTitle(documents.front()->m_title);
    writer.setCreator(creatorName());
    const bool painted = paintAll(writer, writer.resolution(), documents);
    buffer.close();
    return painted && !out.isEmpty();
}

bool PrintedDocument::paintAll(QPagedPaintDevice &device, double resolution,
                               const std::vector<const PrintedDocument *> &documents)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerPoint = resolution / 72.0;
    painter.scale(dotsPerPoint, dotsPerPoint);
    bool first = true;
    for (const PrintedDocument *document : documents) {
        if (!document->paintPages(painter, device, first))
            return false;
        first = false;
    }
    return painter.end();
}

bool PrintedDocument::paintPages(QPainter &painter, QPagedPaintDevice &device, bool first) const
{
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    const double bodyTop = headerHeight();
    const double bodyHeight = page.height() - bodyTop - footerHeight();
    const std::vector<Placed> placed = layOut(page.width(), bodyHeight);
    m_pages = placed.empty() ? 1 : placed.back().page + 1;
    for (int at = 0; at < m_pages; ++at) {
        if ((at > 0 || !first) && !device.newPage())
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        paintHeader(painter, page.width());
        for (const Placed &part : placed) {
            if (part.page != at)
                continue;
            painter.save();
            painter.translate(0, bodyTop + part.top);
            painter.scale(part.scale, part.scale);
            part.block->paint(painter, QRectF(0, 0, page.width(), part.height / part.scale));
            painter.restore();
        }
        paintFooter(painter, page.width(), page.height(), at + 1, m_pages);
    }
    return true;
}

} // namespace fw
