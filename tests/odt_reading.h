// An OpenDocument text read back for tests: its paragraphs and table cells
// as text, its pictures' frames and the pictures themselves. Read with
// unzip, which the tests skip without.
#pragma once

#include <QImage>
#include <QProcess>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

#include <optional>

struct OdtContents {
    QStringList paragraphs; // outside tables, each simplified
    QStringList cells;      // every table cell's text, simplified
    int tables = 0;
    QList<QSizeF> frames;   // each picture's size on the page, in points
    QList<QImage> pictures;
};

inline bool hasUnzip()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

inline std::optional<QByteArray> unzipped(const QString &zip, const QString &member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0)
        return std::nullopt;
    return unzip.readAllStandardOutput();
}

inline double points(const QString &length)
{
    return length.endsWith(QLatin1String("pt")) ? length.chopped(2).toDouble() : -1;
}

inline std::optional<OdtContents> readOdt(const QString &path)
{
    const std::optional<QByteArray> content = unzipped(path, QStringLiteral("content.xml"));
    if (!content)
        return std::nullopt;
    OdtContents odt;
    QXmlStreamReader xml(*content);
    int inCell = 0;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.qualifiedName();
        if (xml.isStartElement()) {
            if (name == u"table:table")
                ++odt.tables;
            else if (name == u"table:table-cell") {
                ++inCell;
                text.clear();
            } else if ((name == u"text:p" || name == u"text:h") && !inCell)
                text.clear();
            else if (name == u"text:s" || name == u"text:tab" || name == u"text:line-break")
                text += QLatin1Char(' ');
            else if (name == u"draw:frame") {
                const QXmlStreamAttributes a = xml.attributes();
                odt.frames << QSizeF(points(a.value(QStringLiteral("svg:width")).toString()),
                                     points(a.value(QStringLiteral("svg:height")).toString()));
            } else if (name == u"draw:image") {
                const QString href = xml.attributes().value(QStringLiteral("xlink:href")).toString();
                if (const std::optional<QByteArray> bytes = unzipped(path, href))
                    odt.pictures << QImage::fromData(*bytes);
            }
        } else if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isEndElement()) {
            if (name == u"table:table-cell") {
                --inCell;
                odt.cells << text.simplified();
                text.clear();
            } else if ((name == u"text:p" || name == u"text:h") && !inCell) {
                if (!text.simplified().isEmpty())
                    odt.paragraphs << text.simplified();
                text.clear();
            } else if ((name == u"text:p" || name == u"text:h") && inCell) {
                text += QLatin1Char(' ');
            }
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return odt;
}
