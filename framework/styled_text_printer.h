// Prints the styled text of a text area in blocks. All measures are in
// points (72 to the inch) on the printer's page. Each DrawBlock() goes on
// where the previous one stopped, at a line boundary; the caller starts new
// pages with QPrinter::newPage(). The text is taken as it stands when the
// printer is made, user edits and bold runs included.
#pragma once

#include <QPainter>

#include <memory>

class QPrinter;
class QTextDocument;

namespace fw {

class TextArea;

class StyledTextPrinter {
public:
    StyledTextPrinter(const TextArea &area, QPrinter &printer, int width);
    // The same, in `font` wherever the text sets no family or size of its own.
    StyledTextPrinter(const TextArea &area, QPrinter &printer, int width, const QFont &font);
    ~StyledTextPrinter(); // ends the print job

    // Draws the lines that fit into the block; true while text remains.
    bool DrawBlock(int left, int top, int height);

private:
    qreal lineBreakBefore(qreal limit) const;

    QPrinter &m_printer;
    std::unique_ptr<QTextDocument> m_document;
    QPainter m_painter;
    qreal m_scale = 1;  // device pixels per point
    qreal m_done = 0;   // device pixels of the text already printed
    qreal m_total = 0;  // bottom of the last line
};

} // namespace fw
