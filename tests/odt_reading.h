// An OpenDocument text read back for tests: its paragraphs, headings and
// table cells as text, its tables' head rows, its pictures' frames, words
// and the pictures themselves, its language and its packaging. Read with
// unzip, which the tests skip without.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

struct OdtContents {
    QStringList paragraphs; // outside tables, each simplified
    QStringList cells;      // every table cell's text, simplified
    int tables = 0;
    QList<QSizeF> frames;   // each picture's size on the page, in points
    QList<QImage> pictures;
    QList<std::pair<int, QString>> headings; // outline level and text
    QList<int> headRows;    // each table's rows repeated as its head
    QList<QList<double>> columnWidths; // each table's, in points; -1 where not given
    QStringList titles;     // each picture's text alternative...
    QStringList descriptions; // ...and description
    QString language;       // of the default paragraph style, "de-DE"
    QStringList unknownStyles; // named by a paragraph, cell or style, defined nowhere
    // A zip whose first member is "mimetype", stored, naming the kind, as
    // readers that look at the first bytes expect; every member's CRC right.
    bool soundPackage = false;
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

inline bool isSoundPackage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(30 + 8 + 39);
    const QByteArray kind("application/vnd.oasis.opendocument.text");
    auto word = [&](int at) { return quint16(uchar(start[at])) | quint16(uchar(start[at + 1])) << 8; };
    if (start.size() < 30 + 8 + kind.size() || !start.startsWith("PK\x03\x04") || word(8) != 0 /* stored */
        || word(26) != 8 || word(28) != 0 /* no extra field */ || start.mid(30, 8) != "mimetype"
        || start.mid(38) != kind)
        return false;
    QProcess test;
    test.start(QStringLiteral("unzip"), {QStringLiteral("-tqq"), path});
    return test.waitForFinished(60000) && test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0;
}

// The styles a document defines, and those it names, in one of its parts.
inline void noteStyles(const QXmlStreamReader &xml, QSet<QString> &defined, QSet<QString> &named)
{
    for (const QXmlStreamAttribute &attribute : xml.attributes()) {
        const QStringView name = attribute.qualifiedName();
        if (name == u"style:name")
            defined << attribute.value().toString();
        else if (name.endsWith(u":style-name") || name == u"style:parent-style-name")
            named << attribute.value().toString();
    }
}

// The default paragraph style's language ("de-DE") from styles.xml.
inline QString odtLanguage(const QString &path, QSet<QString> &defined, QSet<QString> &named)
{
    const std::optional<QByteArray> styles = unzipped(path, QStringLiteral("styles.xml"));
    if (!styles)
        return {};
    QXmlStreamReader xml(*styles);
    bool paragraphs = false;
    QString language;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        noteStyles(xml, defined, named);
        if (xml.qualifiedName() == u"style:default-style")
            paragraphs = xml.attributes().value(QStringLiteral("style:family")) == u"paragraph";
        else if (paragraphs && xml.qualifiedName() == u"style:text-properties" && language.isEmpty())
            language = xml.attributes().value(QStringLiteral("fo:language")).toString() + QLatin1Char('-')
                + xml.attributes().value(QStringLiteral("fo:country")).toString();
    }
    return language;
}

inline std::optional<OdtContents> readOdt(const QString &path)
{
    const std::optional<QByteArray> content = unzipped(path, QStringLiteral("content.xml"));
    if (!content)
        return std::nullopt;
    OdtContents odt;
    odt.soundPackage = isSoundPackage(path);
    QSet<QString> defined, named;
    odt.language = odtLanguage(path, defined, named);
    QXmlStreamReader xml(*content);
    int inCell = 0;
    bool inHead = false;
    int level = 0;
    QString text;
    QString *frameText = nullptr;
    std::map<QString, double> columnStyles; // a column style's width
    QString style;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.qualifiedName();
        if (xml.isStartElement()) {
            noteStyles(xml, defined, named);
            if (name == u"style:style")
                style = xml.attributes().value(QStringLiteral("style:name")).toString();
            else if (name == u"style:table-column-properties")
                columnStyles[style] = points(xml.attributes().value(QStringLiteral("style:column-width")).toString());
            if (name == u"table:table") {
                ++odt.tables;
                odt.headRows << 0;
                odt.columnWidths << QList<double>();
            } else if (name == u"table:table-column") {
                const QXmlStreamAttributes a = xml.attributes();
                const auto width = columnStyles.find(a.value(QStringLiteral("table:style-name")).toString());
                const int repeated = std::max(1, a.value(QStringLiteral("table:number-columns-repeated")).toInt());
                for (int i = 0; i < repeated; ++i)
                    odt.columnWidths.back() << (width == columnStyles.end() ? -1.0 : width->second);
            } else if (name == u"table:table-header-rows")
                inHead = true;
            else if (name == u"table:table-row" && inHead)
                ++odt.headRows.back();
            else if (name == u"svg:title" || name == u"svg:desc") {
                QStringList &list = name == u"svg:title" ? odt.titles : odt.descriptions;
                list << QString();
                frameText = &list.back();
            } else if (name == u"table:table-cell") {
                ++inCell;
                text.clear();
            } else if ((name == u"text:p" || name == u"text:h") && !inCell) {
                text.clear();
                level = xml.attributes().value(QStringLiteral("text:outline-level")).toInt();
            } else if (name == u"text:s" || name == u"text:tab" || name == u"text:line-break")
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
            (frameText ? *frameText : text) += xml.text();
        } else if (xml.isEndElement()) {
            if (name == u"svg:title" || name == u"svg:desc")
                frameText = nullptr;
            else if (name == u"table:table-header-rows")
                inHead = false;
            else if (name == u"text:h" && !inCell)
                odt.headings << std::pair{level, text.simplified()};
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
    const QSet<QString> unknown = named - defined;
    odt.unknownStyles = QStringList(unknown.begin(), unknown.end());
    return odt;
}
