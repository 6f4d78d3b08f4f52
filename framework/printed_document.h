// A document printed as pages of flowing blocks: each block is laid out at
// the page's width and moves whole to the next page rather than be cut at
// a page edge; a block taller than a page is scaled down to fit one. Every
// page has the same header lines at the top and a footer with a text and
// "page n of m". All measures are in points.
//
// Use: add blocks in reading order (TextBlock, PictureBlock, addTable()),
// then print(). The Score Report and the Battery Sheet print this way.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <memory>
#include <vector>

class QByteArray;
class QFont;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QRectF;
class QTextCursor;
class QTextDocument;

namespace fw {

class PageBlock {
public:
    virtual ~PageBlock() = default;
    virtual double height(double width) const = 0;
    virtual void paint(QPainter &painter, const QRectF &area) const = 0;
    // As an editable document's paragraphs at the cursor, a picture laid
    // out at this width. Nothing by default.
    virtual void write(QTextCursor &cursor, double width) const;

    double spaceBefore = 0;    // dropped at the top of a page
    bool keepWithNext = false; // a heading goes to the next page with what follows
    // Painted first when the block opens a page without it (a table's
    // header row above its rows).
    std::shared_ptr<const PageBlock> runningHead;
    int headingLevel = 0; // 1 the title, 2 a section, 3 under a section
};

// Lines of words as they wrap at this width: at word boundaries, inside a
// word only when it is wider than the width.
QStringList wrappedLines(const QString &text, const QFont &font, double width);

// Rich text as QTextDocument reads it, in a font of this size.
class TextBlock : public PageBlock {
public:
    TextBlock(const QString &html, double points);
    ~TextBlock() override;
    double height(double width) const override;
    void paint(QPainter &painter, const QRectF &area) const override;
    void write(QTextCursor &cursor, double width) const override;

private:
    std::unique_ptr<QTextDocument> m_document;
    double m_points;
};

// A picture painted into an area aspect times as high as it is wide.
class PictureBlock : public PageBlock {
public:
    using Painter = std::function<void(QPainter &painter, const QRectF &area)>;
    PictureBlock(Painter painter, double aspect, QString alternative = {});
    double height(double width) const override { return width * m_aspect; }
    void paint(QPainter &painter, const QRectF &area) const override { m_painter(painter, area); }
    // A PNG at kPictureDpi, the picture's words as its text alternative.
    void write(QTextCursor &cursor, double width) const override;

private:
    Painter m_painter;
    double m_aspect;
    QString m_alternative;
};

// A ruled table. A row shorter than the header has its last cell span the
// remaining columns. A figure (a number, a decision, a sign, a unit) is
// never cut nor wrapped: its column is at least as wide as its widest
// figure. Text cells and heads wrap at words, inside a word only when the
// word is wider than its column, and a row is as tall as its tallest cell.
// Columns are as wide as their widest cell while the page has room. A table
// still too wide is set in smaller type, down to kLeastTablePoints; below
// that it is split, the first column repeated in each part and each part
// after the first under continuedHeading.
struct PageTable {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<bool> rightAligned; // per column; the header is left-aligned
    std::vector<bool> figures;      // per column; when empty, the right-aligned ones
    double points = 9.5;
    QString continuedHeading;       // "Scores (continued)"
    double headingPoints = 11;
};

constexpr double kLeastTablePoints = 7;
constexpr double kPictureDpi = 300;

class PrintedDocument {
public:
    static constexpr double kLeastPdfMargin = 15; // millimetres

    PrintedDocument();
    ~PrintedDocument();

    void setTitle(const QString &title) { m_title = title; } // the PDF's title
    void setHeader(const QStringList &lines) { m_header = lines; }
    void setFooter(const QString &text) { m_footer = text; }
    // Who and when as caption and value, the editable document's first
    // table; the printed page has them as the header lines.
    void setIdentification(const std::vector<std::pair<QString, QString>> &facts) { m_identification = facts; }

    void add(std::unique_ptr<PageBlock> block);
    // The table's rows as blocks, its header repeated on every page it runs onto.
    void addTable(const PageTable &table, double spaceBefore);

    // On the printer's margins, at least kLeastPdfMargin for a PDF file.
    // False when the printer could not be drawn on.
    bool print(QPrinter &printer) const;
    // Pages of the last print.
    int pageCount() const { return m_pages; }

    // Several documents one after another, each from a new page and with
    // its own page numbers. The file's title is the first one's.
    static bool printAll(QPrinter &printer, const std::vector<const PrintedDocument *> &documents);
    // The same as a PDF file's bytes, on the paper a PDF printer would use.
    static bool pdf(const std::vector<const PrintedDocument *> &documents, QByteArray &out);
    // The same as an OpenDocument text's bytes, made to be edited: headings
    // as heading styles, tables as tables with their head row repeated,
    // pictures embedded with their words as text alternative, the footer's
    // text as the last paragraph, all in the session's language.
    static bool odt(const std::vector<const PrintedDocument *> &documents, QByteArray &out);
    // The text document odt() writes.
    static std::unique_ptr<QTextDocument> editable(const std::vector<const PrintedDocument *> &documents);

private:
    static bool paintAll(QPagedPaintDevice &device, double resolution,
                         const std::vector<const PrintedDocument *> &documents);
    bool paintPages(QPainter &painter, QPagedPaintDevice &device, bool first) const;
    struct Placed;
    struct Entry;
    std::vector<std::shared_ptr<const PageBlock>> blocksAt(double width) const;
    std::vector<Placed> layOut(const std::vector<std::shared_ptr<const PageBlock>> &blocks, double width,
                               double height) const;
    void writeEditable(QTextCursor &cursor, double width, bool &fresh) const;
    void paintHeader(QPainter &painter, double width) const;
    void paintFooter(QPainter &painter, double width, double bottom, int page, int pages) const;
    double headerHeight(double width) const;
    double footerHeight(double width, int pages) const;

    QString m_title;
    QStringList m_header;
    QString m_footer;
    std::vector<std::pair<QString, QString>> m_identification;
    std::vector<Entry> m_entries;
    mutable int m_pages = 0;
};

} // namespace fw
