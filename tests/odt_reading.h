// An OpenDocument text read back for tests: its paragraphs, headings and
// table cells as text, its tables' head rows, its pictures' frames, words
// and the pictures themselves, its language and its packaging. Read with
// unzip, which the tests skip without.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

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
    QStringList titles;     // each picture's text alternative...
    QStringList descriptions; // ...and description
    QString language;       // of the default paragraph style, "de-DE"
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

inline QString odtLanguage(const QString &path)
{
    const std::optional<QByteArray> styles = unzipped(path, QStringLiteral("styles.xml"));
    if (!styles)
        return {};
    QXmlStreamReader xml(*styles);
    bool paragraphs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.qualifiedName() == u"style:default-style")
            paragraphs = xml.attributes().value(QStringLiteral("style:family")) == u"paragraph";
        else if (xml.isStartElement() && paragraphs && xml.qualifiedName() == u"style:text-properties")
            return xml.attributes().value(QStringLiteral("fo:language")).toString() + QLatin1Char('-')
                + xml.attributes().value(QStringLiteral("fo:country")).toString();
    }
    return {};
}

inline std::optional<OdtContents> readOdt(const QString &path)
{
    const std::optional<QByteArray> content = unzipped(path, QStringLiteral("content.xml"));
    if (!content)
        return std::nullopt;
    OdtContents odt;
    odt.soundPackage = isSoundPackage(path);
    odt.language = odtLanguage(path);
    QXmlStreamReader xml(*content);
    int inCell = 0;
    bool inHead = false;
    int level = 0;
    QString text;
    QString *frameText = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.qualifiedName();
        if (xml.isStartElement()) {
            if (name == u"table:table") {
                ++odt.tables;
                odt.headRows << 0;
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
    return odt;
}
