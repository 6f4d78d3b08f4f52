#include "framework/printed_document.h"

#include "framework/language.h"
#include "framework/odt_package.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

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

double longestWord(const QString &text, const QFontMetricsF &metrics)
{
    double longest = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        longest = std::max(longest, metrics.horizontalAdvance(word));
    return longest;
}

// A table laid out at one width: its type size and its parts, each the
// columns it holds and their widths. One part unless the table is split.
struct TableLayout {
    double points = 0;
    std::vector<std::vector<int>> columns;
    std::vector<std::vector<double>> widths;
};

struct TableData {
    PageTable table;
    mutable double layoutFor = -1;
    mutable TableLayout laidOut;

    int columnCount() const { return int(table.header.size()); }
    bool figure(int column) const
    {
        const std::vector<bool> &figures = table.figures.empty() ? table.rightAligned : table.figures;
        return column < int(figures.size()) && figures[std::size_t(column)];
    }
    // The column a row's last cell spans from, or the column count.
    int spanFrom(const QStringList &row) const
    {
        return row.size() < columnCount() ? int(row.size()) - 1 : columnCount();
    }
    // Room beside a cell's text, and a point to spare in measuring so that
    // text measured to fit is also laid out to fit.
    static double inset(double points) { return points; }
    static double padding(double points) { return inset(points) + 1; }
    // Text is wrapped no narrower than this, so that words break inside
    // only when they are longer than a dozen letters or so.
    static double wordFloor(double points) { return 7 * points; }

    // Widths of each column: the least, the least that breaks no word, and
    // the natural (one line a cell).
    void measure(double points, std::vector<double> &least, std::vector<double> &words,
                 std::vector<double> &natural) const
    {
        const int count = columnCount();
        const QFontMetricsF plain(pointFont(points));
        const QFontMetricsF bold(pointFont(points, true));
        const double pad = padding(points);
        least.assign(std::size_t(count), pad);
        words.assign(std::size_t(count), pad);
        natural.assign(std::size_t(count), pad);
        auto text = [&](int c, const QString &cell, const QFontMetricsF &metrics) {
            const double word = longestWord(cell, metrics);
            least[std::size_t(c)] = std::max(least[std::size_t(c)], pad + std::min(word, wordFloor(points)));
            words[std::size_t(c)] = std::max(words[std::size_t(c)], pad + word);
            natural[std::size_t(c)] = std::max(natural[std::size_t(c)], pad + metrics.horizontalAdvance(cell));
        };
        for (int c = 0; c < count; ++c)
            text(c, table.header[c], bold);
        for (const QStringList &row : table.rows) {
            const int span = spanFrom(row);
            for (int c = 0; c < row.size() && c < span; ++c) {
                if (figure(c)) {
                    const double whole = pad + plain.horizontalAdvance(row[c]);
                    least[std::size_t(c)] = std::max(least[std::size_t(c)], whole);
                    words[std::size_t(c)] = std::max(words[std::size_t(c)], whole);
                    natural[std::size_t(c)] = std::max(natural[std::size_t(c)], whole);
                } else {
                    text(c, row[c], plain);
                }
            }
        }
        // A spanning cell widens the last column when the columns it spans
        // are too narrow for it together.
        for (const QStringList &row : table.rows) {
            const int span = spanFrom(row);
            if (span >= count || span < 0)
                continue;
            double leastRoom = 0, wordsRoom = 0, naturalRoom = 0;
            for (int c = span; c < count; ++c) {
                leastRoom += least[std::size_t(c)];
                wordsRoom += words[std::size_t(c)];
                naturalRoom += natural[std::size_t(c)];
            }
            const QString &cell = row.back();
            const double word = longestWord(cell, plain);
            least.back() += std::max(0.0, pad + std::min(word, wordFloor(points)) - leastRoom);
            words.back() += std::max(0.0, pad + word - wordsRoom);
            natural.back() += std::max(0.0, pad + plain.horizontalAdvance(cell) - naturalRoom);
        }
    }

    // Natural widths where they fit; else every word whole, the room left
    // shared in proportion to what each column lacks of its natural width;
    // else the least widths, with whole words for as many columns as the
    // room allows, those that lack least first.
    static std::vector<double> share(const std::vector<int> &columns, const std::vector<double> &least,
                                     const std::vector<double> &words, const std::vector<double> &natural,
                                     double width)
    {
        double leastSum = 0, wordsSum = 0, naturalSum = 0;
        for (int c : columns) {
            leastSum += least[std::size_t(c)];
            wordsSum += words[std::size_t(c)];
            naturalSum += natural[std::size_t(c)];
        }
        std::vector<double> widths;
        if (naturalSum <= width) {
            for (int c : columns)
                widths.push_back(natural[std::size_t(c)]);
        } else if (wordsSum <= width) {
            for (int c : columns) {
                const double lo = words[std::size_t(c)], hi = natural[std::size_t(c)];
                widths.push_back(naturalSum > wordsSum ? lo + (hi - lo) * (width - wordsSum) / (naturalSum - wordsSum) : lo);
            }
        } else {
            for (int c : columns)
                widths.push_back(least[std::size_t(c)]);
            std::vector<std::size_t> order(columns.size());
            for (std::size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            auto lack = [&](std::size_t i) { return words[std::size_t(columns[i])] - least[std::size_t(columns[i])]; };
            std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lack(a) < lack(b); });
            double room = width - leastSum;
            for (std::size_t i : order) {
                const double more = std::min(lack(i), std::max(0.0, room));
                widths[i] += more;
                room -= more;
            }
        }
        return widths;
    }

    const TableLayout &layout(double width) const
    {
        if (layoutFor == width)
            return laidOut;
        layoutFor = width;
        laidOut = {};
        std::vector<double> least, words, natural;
        std::vector<int> all;
        for (int c = 0; c < columnCount(); ++c)
            all.push_back(c);
        // Type a half point smaller at a time until the table fits.
        for (double points = table.points;; points = std::max(points - 0.5, kLeastTablePoints)) {
            measure(points, least, words, natural);
            double leastSum = 0;
            for (double w : least)
                leastSum += w;
            double wordsSum = 0;
            for (double w : words)
                wordsSum += w;
            // Smaller type before a broken word; at the least size, words
            // break rather than the table.
            if (wordsSum <= width || (leastSum <= width && points <= kLeastTablePoints)) {
                laidOut.points = points;
                laidOut.columns = {all};
                laidOut.widths = {share(all, least, words, natural, width)};
                return laidOut;
            }
            if (points <= kLeastTablePoints)
                break;
        }
        // Split at the least size: the first column, then as many of the
        // others as fit, again and again.
        laidOut.points = std::min(table.points, kLeastTablePoints);
        measure(laidOut.points, least, words, natural);
        std::vector<int> part{0};
        double used = least[0];
        for (int c = 1; c < columnCount(); ++c) {
            if (part.size() > 1 && used + least[std::size_t(c)] > width) {
                laidOut.columns.push_back(part);
                part = {0};
                used = least[0];
            }
            part.push_back(c);
            used += least[std::size_t(c)];
        }
        laidOut.columns.push_back(part);
        for (const std::vector<int> &columns : laidOut.columns)
            laidOut.widths.push_back(share(columns, least, words, natural, width));
        return laidOut;
    }
};

// One row of one part of a table, or its head (row -1).
class TableRow : public PageBlock {
public:
    TableRow(std::shared_ptr<const TableData> data, int part, int row)
        : m_data(std::move(data)), m_part(part), m_row(row)
    {
    }

    double height(double width) const override
    {
        const TableLayout &layout = m_data->layout(width);
        const QFontMetricsF metrics(pointFont(layout.points, m_row < 0));
        int lines = 1;
        for (const Cell &cell : cells(layout))
            lines = std::max(lines, int(cell.lines.size()));
        return metrics.lineSpacing() * (lines + 0.5);
    }

    void paint(QPainter &painter, const QRectF &area) const override
    {
        const TableLayout &layout = m_data->layout(area.width());
        const bool header = m_row < 0;
        const QFont font = pointFont(layout.points, header);
        const QFontMetricsF metrics(font);
        const double pad = TableData::inset(layout.points) / 2;
        painter.save();
        painter.setFont(font);
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(Qt::NoBrush);
        for (const Cell &cell : cells(layout)) {
            const QRectF box(area.left() + cell.left, area.top(), cell.width, area.height());
            painter.drawRect(box);
            double y = area.top() + (area.height() - metrics.lineSpacing() * double(cell.lines.size())) / 2;
            for (const QString &line : cell.lines) {
                painter.drawText(QRectF(box.left() + pad, y, box.width() - 2 * pad, metrics.lineSpacing()),
                                 (cell.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, line);
                y += metrics.lineSpacing();
            }
        }
        painter.restore();
    }

private:
    struct Cell {
        double left, width;
        bool right;
        QStringList lines;
    };

    // The cells of this row in this part, each with its lines as painted.
    std::vector<Cell> cells(const TableLayout &layout) const
    {
        const PageTable &table = m_data->table;
        const bool header = m_row < 0;
        const QStringList &texts = header ? table.header : table.rows[std::size_t(m_row)];
        const int span = header ? m_data->columnCount() : m_data->spanFrom(texts);
        const std::vector<int> &columns = layout.columns[std::size_t(m_part)];
        const std::vector<double> &widths = layout.widths[std::size_t(m_part)];
        const QFont font = pointFont(layout.points, header);
        const double pad = TableData::inset(layout.points);
        std::vector<Cell> cells;
        double left = 0;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            double width = widths[i];
            const bool spanning = c >= span && span < m_data->columnCount();
            if (spanning) {
                for (std::size_t rest = i + 1; rest < columns.size(); ++rest)
                    width += widths[rest];
            }
            // A span that began in an earlier part leaves this one's cells blank.
            const QString text = spanning ? (!texts.isEmpty() && (c == span || i == 0) ? texts.back() : QString())
                                          : (c < texts.size() ? texts[c] : QString());
            Cell cell{left, width, !header && !spanning && c < int(table.rightAligned.size())
                                       && table.rightAligned[std::size_t(c)], {}};
            // A figure wider than the page itself (a number typed with
            // hundreds of digits) wraps rather than run off the paper.
            if (!header && !spanning && m_data->figure(c)
                && QFontMetricsF(font).horizontalAdvance(text) <= width - pad + 1)
                cell.lines = {text};
            else
                cell.lines = wrappedLines(text, font, width - pad);
            cells.push_back(cell);
            left += width;
            if (spanning)
                break;
        }
        return cells;
    }

    std::shared_ptr<const TableData> m_data;
    int m_part;
    int m_row; // -1: the head
};

struct PrintedWords {
    Q_DECLARE_TR_FUNCTIONS(PrintedDocument)
};

} // namespace

void PageBlock::write(QTextCursor &, double) const {}

TextBlock::TextBlock(const QString &html, double points)
    : m_document(std::make_unique<QTextDocument>())
    , m_points(points)
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

void TextBlock::write(QTextCursor &cursor, double) const
{
    const int start = cursor.position();
    cursor.insertFragment(QTextDocumentFragment(m_document.get()));
    // The page's type size, which the fragment does not carry.
    QTextCursor range(cursor.document());
    range.setPosition(start);
    range.setPosition(cursor.position(), QTextCursor::KeepAnchor);
    QTextCharFormat size;
    size.setFontPointSize(m_points);
    range.mergeCharFormat(size);
    if (headingLevel > 0) {
        QTextBlockFormat format = cursor.blockFormat();
        format.setHeadingLevel(headingLevel);
        cursor.setBlockFormat(format);
    }
}

PictureBlock::PictureBlock(Painter painter, double aspect, QString alternative)
    : m_painter(std::move(painter))
    , m_aspect(aspect)
    , m_alternative(std::move(alternative))
{
}

void PictureBlock::write(QTextCursor &cursor, double width) const
{
    const double dotsPerPoint = kPictureDpi / 72.0;
    QImage image(QSize(int(width * dotsPerPoint + 0.5), int(width * m_aspect * dotsPerPoint + 0.5)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(kPictureDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(kPictureDpi / 0.0254 + 0.5));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(dotsPerPoint, dotsPerPoint);
        m_painter(painter, QRectF(0, 0, width, width * m_aspect));
    }
    QTextDocument *document = cursor.document();
    const QUrl name(QStringLiteral("picture%1.png").arg(document->allFormats().size()));
    document->addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat format;
    format.setName(name.toString());
    // The writer counts the size in pixels of 96 to the inch.
    format.setWidth(width * 96 / 72);
    format.setHeight(width * m_aspect * 96 / 72);
    format.setProperty(QTextFormat::ImageAltText, m_alternative);
    format.setProperty(QTextFormat::ImageTitle, m_alternative);
    cursor.insertImage(format);
}

struct PrintedDocument::Placed {
    const PageBlock *block;
    int page;
    double top, height, scale;
};

// A block, or a table whose blocks depend on the width it is laid out at.
struct PrintedDocument::Entry {
    std::shared_ptr<const PageBlock> block;
    std::shared_ptr<const TableData> table;
    double spaceBefore = 0;
};

QStringList wrappedLines(const QString &text, const QFont &font, double width)
{
    QStringList lines;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1.0, width));
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

PrintedDocument::PrintedDocument() = default;
PrintedDocument::~PrintedDocument() = default;

void PrintedDocument::add(std::unique_ptr<PageBlock> block)
{
    m_entries.push_back({std::move(block), nullptr, 0});
}

void PrintedDocument::addTable(const PageTable &table, double spaceBefore)
{
    auto data = std::make_shared<TableData>();
    data->table = table;
    m_entries.push_back({nullptr, data, spaceBefore});
}

std::vector<std::shared_ptr<const PageBlock>> PrintedDocument::blocksAt(double width) const
{
    std::vector<std::shared_ptr<const PageBlock>> blocks;
    for (const Entry &entry : m_entries) {
        if (entry.block) {
            blocks.push_back(entry.block);
            continue;
        }
        const TableLayout &layout = entry.table->layout(width);
        for (int part = 0; part < int(layout.columns.size()); ++part) {
            double space = entry.spaceBefore;
            if (part > 0) {
                auto heading = std::make_shared<TextBlock>(
                    QStringLiteral("<b>%1</b>").arg(entry.table->table.continuedHeading.toHtmlEscaped()),
                    entry.table->table.headingPoints);
                heading->spaceBefore = entry.spaceBefore * 2;
                heading->keepWithNext = true;
                blocks.push_back(heading);
            }
            auto head = std::make_shared<TableRow>(entry.table, part, -1);
            head->spaceBefore = space;
            head->keepWithNext = true;
            blocks.push_back(head);
            for (int row = 0; row < int(entry.table->table.rows.size()); ++row) {
                auto block = std::make_shared<TableRow>(entry.table, part, row);
                block->runningHead = head;
                blocks.push_back(block);
            }
        }
    }
    return blocks;
}

std::vector<PrintedDocument::Placed> PrintedDocument::layOut(const std::vector<std::shared_ptr<const PageBlock>> &blocks,
                                                             double width, double height) const
{
    std::vector<Placed> placed;
    auto sized = [&](const PageBlock &block) {
        const double h = block.height(width);
        return std::pair{h, h > height ? height / h : 1.0};
    };
    int page = 0;
    double y = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const PageBlock &block = *blocks[i];
        const auto [h, scale] = sized(block);
        double needed = (y > 0 ? block.spaceBefore : 0) + h * scale;
        // A heading and what it heads go together.
        for (std::size_t next = i; next + 1 < blocks.size() && blocks[next]->keepWithNext; ++next) {
            const auto [nh, ns] = sized(*blocks[next + 1]);
            needed += blocks[next + 1]->spaceBefore + nh * ns;
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

double PrintedDocument::headerHeight(double width) const
{
    if (m_header.isEmpty())
        return 0;
    const QFont font = pointFont(kHeaderPoints);
    qsizetype lines = 0;
    for (const QString &line : m_header)
        lines += wrappedLines(line, font, width).size();
    return QFontMetricsF(font).lineSpacing() * double(lines) + 2 * kRuleGap + 6;
}

// The footer's text wraps in the room the page number leaves.
double PrintedDocument::footerHeight(double width, int pages) const
{
    const QFont font = pointFont(kHeaderPoints);
    const QFontMetricsF metrics(font);
    const QString pageText = PrintedWords::tr("page %1 of %2").arg(pages).arg(pages);
    const double room = width - metrics.horizontalAdvance(pageText) - kHeaderPoints;
    return metrics.lineSpacing() * double(wrappedLines(m_footer, font, room).size()) + 2 * kRuleGap;
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
    for (const QString &text : m_header) {
        for (const QString &line : wrappedLines(text, font, width)) {
            painter.drawText(QRectF(0, y, width, metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += metrics.lineSpacing();
        }
    }
    painter.setPen(QPen(kQuiet, 0.5));
    painter.drawLine(QPointF(0, y + kRuleGap), QPointF(width, y + kRuleGap));
}

void PrintedDocument::paintFooter(QPainter &painter, double width, double bottom, int page, int pages) const
{
    const QFont font = pointFont(kHeaderPoints);
    const QFontMetricsF metrics(font);
    const QString pageText = PrintedWords::tr("page %1 of %2").arg(page).arg(pages);
    const double room = width - metrics.horizontalAdvance(PrintedWords::tr("page %1 of %2").arg(pages).arg(pages))
        - kHeaderPoints;
    const QStringList lines = wrappedLines(m_footer, font, room);
    double top = bottom - metrics.lineSpacing() * double(lines.size());
    painter.setPen(QPen(kQuiet, 0.5));
    painter.drawLine(QPointF(0, top - kRuleGap), QPointF(width, top - kRuleGap));
    painter.setFont(font);
    painter.drawText(QRectF(0, bottom - metrics.lineSpacing(), width, metrics.lineSpacing()),
                     Qt::AlignRight | Qt::AlignVCenter, pageText);
    for (const QString &line : lines) {
        painter.drawText(QRectF(0, top, room, metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += metrics.lineSpacing();
    }
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

// The session's language with the region its numbers and dates are
// written for ("de", "DE"); English without one is the United States'.
void documentLanguage(QString &language, QString &country)
{
    const bool german = currentLanguage() == Language::German;
    const QLocale::Language wanted = german ? QLocale::German : QLocale::English;
    const QLocale session;
    const QLocale region = session.language() == wanted
        ? session
        : QLocale(wanted, german ? QLocale::Germany : QLocale::UnitedStates);
    language = german ? QStringLiteral("de") : QStringLiteral("en");
    country = QLocale::territoryToCode(region.territory());
    if (country.size() != 2)
        country.clear();
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

namespace {

// Every table of the editable document: ruled, its head row repeated on
// each page, figures to the right. Columns as wide as printed (in points)
// keep a word processor from breaking a figure or a word inside.
void writeTable(QTextCursor &cursor, const QStringList &header, const std::vector<QStringList> &rows,
                const std::vector<bool> &rightAligned, double points, const std::vector<double> &widths = {})
{
    int columns = int(header.size());
    for (const QStringList &row : rows)
        columns = std::max(columns, int(row.size()));
    if (columns == 0)
        return;
    const int head = header.isEmpty() ? 0 : 1;
    QTextTableFormat format;
    format.setHeaderRowCount(head);
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    if (int(widths.size()) == columns) {
        QList<QTextLength> constraints;
        double whole = 0;
        for (double width : widths) {
            constraints << QTextLength(QTextLength::FixedLength, width);
            whole += width;
        }
        // Qt's writer gives fixed lengths as points.
        format.setColumnWidthConstraints(constraints);
        format.setWidth(QTextLength(QTextLength::FixedLength, whole));
        format.setAlignment(Qt::AlignLeft);
    }
    QTextTable *table = cursor.insertTable(int(rows.size()) + head, columns, format);
    auto put = [&](int row, int column, const QString &text, bool bold, bool right) {
        QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(right ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute);
        cell.setBlockFormat(block);
        QTextCharFormat character;
        character.setFontPointSize(points);
        if (bold)
            character.setFontWeight(QFont::Bold);
        cell.mergeBlockCharFormat(character); // the size of an empty cell
        cell.insertText(text, character);
    };
    for (int c = 0; c < int(header.size()); ++c)
        put(0, c, header[c], true, false);
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList &row = rows[std::size_t(r)];
        // A short row's last cell spans the columns left, as printed.
        const int span = row.size() < columns ? int(row.size()) - 1 : columns;
        for (int c = 0; c < row.size(); ++c)
            put(r + head, c, row[c], false,
                c < span && c < int(rightAligned.size()) && rightAligned[std::size_t(c)]);
        if (span >= 0 && span < columns - 1)
            table->mergeCells(r + head, span, 1, columns - span);
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

} // namespace

void PrintedDocument::writeEditable(QTextCursor &cursor, double width, bool &fresh) const
{
    // Each block in a paragraph of its own, the first in the one at hand;
    // a block that wrote nothing (a chart's key the chart does not need)
    // leaves its paragraph to the next.
    auto next = [&cursor, &fresh] {
        if (!fresh && !cursor.block().text().isEmpty())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        fresh = false;
    };
    if (!m_identification.empty()) {
        std::vector<QStringList> rows;
        for (const auto &[caption, value] : m_identification)
            rows.push_back(caption.isEmpty() ? QStringList{value} : QStringList{caption, value});
        next();
        writeTable(cursor, {}, rows, {}, kHeaderPoints + 1);
        fresh = true;
    }
    for (const Entry &entry : m_entries) {
        if (entry.block) {
            next();
            entry.block->write(cursor, width);
            continue;
        }
        // A table starts a paragraph of its own after the one at hand.
        const PageTable &table = entry.table->table;
        // As printed, unless the page splits the table in parts.
        const TableLayout &layout = entry.table->layout(width);
        if (layout.widths.size() == 1)
            writeTable(cursor, table.header, table.rows, table.rightAligned, layout.points, layout.widths.front());
        else
            writeTable(cursor, table.header, table.rows, table.rightAligned, table.points);
        fresh = true; // the paragraph after the table
    }
    next();
    QTextCharFormat quiet;
    quiet.setFontPointSize(kHeaderPoints);
    quiet.setForeground(kQuiet);
    cursor.insertText(m_footer, quiet);
}

std::unique_ptr<QTextDocument> PrintedDocument::editable(const std::vector<const PrintedDocument *> &documents)
{
    auto document = std::make_unique<QTextDocument>();
    if (!documents.empty())
        document->setMetaInformation(QTextDocument::DocumentTitle, documents.front()->m_title);
    // The width pictures are drawn at: the body of an A4 page within the least margins.
    const QPrinter paper(QPrinter::HighResolution);
    QPageLayout layout = paper.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(QMarginsF(kLeastPdfMargin, kLeastPdfMargin, kLeastPdfMargin, kLeastPdfMargin));
    const double width = layout.paintRect(QPageLayout::Point).width();
    QTextCursor cursor(document.get());
    bool fresh = true;
    for (const PrintedDocument *printed : documents) {
        if (printed != documents.front()) {
            QTextBlockFormat page;
            page.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(page, QTextCharFormat());
            fresh = true;
        }
        printed->writeEditable(cursor, width, fresh);
    }
    // The writer gives a width in percent as points ("100pt"): tables of
    // rich text take the page's width instead.
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (QTextTable *table = qobject_cast<QTextTable *>(frame)) {
            QTextTableFormat format = table->format();
            if (format.width().type() == QTextLength::PercentageLength) {
                format.clearProperty(QTextFormat::FrameWidth);
                table->setFormat(format);
            }
        }
    }
    return document;
}

bool PrintedDocument::odt(const std::vector<const PrintedDocument *> &documents, QByteArray &out)
{
    if (documents.empty())
        return false;
    const std::unique_ptr<QTextDocument> document = editable(documents);
    // Written in memory: the file itself is written whole or not at all.
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    const bool written = writer.write(document.get());
    buffer.close();
    if (!written || out.isEmpty())
        return false;
    OdtAdditions additions = odtAdditions(*document);
    documentLanguage(additions.language, additions.country);
    additions.generator = creatorName();
    const QByteArray qts = out;
    return finishedOdt(qts, additions, out);
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
    const double bodyTop = headerHeight(page.width());
    const std::vector<std::shared_ptr<const PageBlock>> blocks = blocksAt(page.width());
    // The footer's height allows for the widest page count it may show.
    const double bodyHeight = page.height() - bodyTop - footerHeight(page.width(), 999);
    const std::vector<Placed> placed = layOut(blocks, page.width(), bodyHeight);
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
