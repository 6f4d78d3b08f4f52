#include "report_window/report_document.h"

#include "report_window/explanation_words.h"

#include <QCoreApplication>

namespace report {

namespace {

struct DocumentWords {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)
};

constexpr double kTitlePoints = 18;
constexpr double kSectionPoints = 12.5;
constexpr double kMethodPoints = 9;
constexpr double kReferencePoints = 8.5;

} // namespace

QString footerText()
{
    return DocumentWords::tr("Quintaval %1 \u00b7 printed %2")
        .arg(QStringLiteral(QUINTAVAL_VERSION), today());
}

std::unique_ptr<fw::PrintedDocument> identifiedDocument(const QString &title, const Identification &id,
                                                        const QString &testCaption)
{
    auto document = std::make_unique<fw::PrintedDocument>();
    QStringList titleParts{title};
    for (const QString &part : {id.person.trimmed(), shownDate(id.testDate).trimmed()})
        if (!part.isEmpty())
            titleParts << part;
    document->setTitle(titleParts.join(QStringLiteral(" \u2013 ")));
    document->setHeader(headerLines(id, testCaption));
    document->setIdentification(headerFacts(id, testCaption));
    document->setFooter(footerText());
    return document;
}

void addHeading(fw::PrintedDocument &document, const QString &text, Heading level)
{
    const bool title = level == Heading::Title;
    auto block = std::make_unique<fw::TextBlock>(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()),
                                                 title ? kTitlePoints : kSectionPoints);
    block->spaceBefore = title ? 0 : 1.5 * kSpace;
    block->keepWithNext = true;
    block->headingLevel = title ? 1 : 2;
    document.add(std::move(block));
}

void addParagraph(fw::PrintedDocument &document, const QString &html, double points)
{
    auto block = std::make_unique<fw::TextBlock>(html, points);
    block->spaceBefore = points * 0.6;
    document.add(std::move(block));
}

void addMethodSection(fw::PrintedDocument &document, const QStringList &opening, const QStringList &paragraphs,
                      const std::vector<interpretation::Source> &sources)
{
    addHeading(document, DocumentWords::tr("Method"), Heading::Section);
    for (const QString &line : opening)
        addParagraph(document, line, kMethodPoints);
    QStringList written;
    for (const QString &paragraph : paragraphs) {
        if (written.contains(paragraph))
            continue;
        written << paragraph;
        addParagraph(document, paragraph, kMethodPoints);
    }
    if (sources.empty())
        return;
    auto heading = std::make_unique<fw::TextBlock>(QStringLiteral("<b>%1</b>").arg(DocumentWords::tr("References")), kMethodPoints);
    heading->spaceBefore = kSpace;
    heading->keepWithNext = true;
    heading->headingLevel = 3;
    document.add(std::move(heading));
    for (const QString &entry : referenceList(sources))
        addParagraph(document, entry.toHtmlEscaped(), kReferencePoints);
}

} // namespace report
