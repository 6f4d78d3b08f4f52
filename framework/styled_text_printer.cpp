#include "framework/styled_text_printer.h"

#include "framework/text_area.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <limits>

namespace fw {

StyledTextPrinter::StyledTextPrinter(const TextArea &area, QPrinter &printer, int width)
    : StyledTextPrinter(area, printer, width, area.document()->defaultFont())
{
}

StyledTextPrinter::StyledTextPrinter(const TextArea &area, QPrinter &printer, int width,
                                     const QFont &font)
    : m_printer(printer)
    , m_document(area.document()->clone())
{
    // Laid out on the printer itself, so fonts measure as they will print.
    m_scale = printer.resolution() / 72.0;
    m_document->setDefaultFont(font);
    m_document->documentLayout()->setPaintDevice(&printer);
    m_document->setDocumentMargin(0);
    m_document->setTextWidth(width * m_scale);
    m_total = lineBreakBefore(std::numeric_limits<qreal>::max());
}

StyledTextPrinter::~StyledTextPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

// The bottom of the last whole line that ends at or above `limit`.
qreal StyledTextPrinter::lineBreakBefore(qreal limit) const
{
    qreal cut = m_done;
    const QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const qreal blockTop = layout->blockBoundingRect(block).top();
        const QTextLayout *lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const qreal bottom = blockTop + lines->lineAt(i).rect().bottom();
            if (bottom <= m_done)
                continue;
            if (bottom > limit)
                return cut;
            cut = bottom;
        }
    }
    return cut;
}

bool StyledTextPrinter::DrawBlock(int left, int top, int height)
{
    const qreal total = m_total;
    if (m_done >= total || height <= 0)
        return m_done < total;
    if (!m_painter.isActive() && !m_painter.begin(&m_printer))
        return false;
    qreal cut = lineBreakBefore(m_done + height * m_scale);
    if (cut <= m_done) // a line taller than the block: print what shows
        cut = qMin(total, m_done + height * m_scale);
    m_painter.save();
    m_painter.translate(left * m_scale, top * m_scale - m_done);
    m_document->drawContents(&m_painter, QRectF(0, m_done, m_document->textWidth(), cut - m_done));
    m_painter.restore();
    m_done = cut;
    return m_done < total;
}

} // namespace fw
