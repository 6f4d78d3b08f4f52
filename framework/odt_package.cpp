#include "framework/odt_package.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zip.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace fw {

namespace {

struct Member {
    QString name;
    QByteArray bytes;
};

const QString kMimetype = QStringLiteral("mimetype");
const QString kStyles = QStringLiteral("styles.xml");
const QString kMeta = QStringLiteral("meta.xml");
const QString kManifest = QStringLiteral("META-INF/manifest.xml");
const QString kContent = QStringLiteral("content.xml");
const QString kHeadingStyle = QStringLiteral("Heading_20_%1");
constexpr int kDeepestHeading = 3;

// libzip is loaded at the first export: linked, it and the libraries it
// brings slowed every start for a feature most sessions never use.
#define QUINTAVAL_ZIP_FUNCTIONS(X)                                                                         \
    X(zip_error_init) X(zip_error_fini) X(zip_source_buffer_create) X(zip_open_from_source)               \
    X(zip_source_free) X(zip_get_num_entries) X(zip_stat_init) X(zip_stat_index) X(zip_fopen_index)      \
    X(zip_fread) X(zip_fclose) X(zip_discard) X(zip_source_keep) X(zip_source_buffer) X(zip_file_add)    \
    X(zip_set_file_compression) X(zip_close) X(zip_source_stat) X(zip_source_open) X(zip_source_read)    \
    X(zip_source_close)

struct Zip {
#define QUINTAVAL_ZIP_POINTER(name) decltype(&::name) name = nullptr;
    QUINTAVAL_ZIP_FUNCTIONS(QUINTAVAL_ZIP_POINTER)
#undef QUINTAVAL_ZIP_POINTER
    bool loaded = false;
};

Zip loadZip()
{
    Zip zip;
    QLibrary library;
    // The file found when the program was built, then the same name on the
    // loader's own path, then any version.
    const QString built = QStringLiteral(QUINTAVAL_LIBZIP);
    for (const QString &name : {built, QFileInfo(built).fileName(), QStringLiteral("zip")}) {
        library.setFileName(name);
        if (library.load())
            break;
    }
    if (!library.isLoaded()) {
        qWarning("OpenDocument export: libzip could not be loaded: %s", qPrintable(library.errorString()));
        return zip;
    }
    bool all = true;
#define QUINTAVAL_ZIP_RESOLVE(name)                                                                        \
    zip.name = reinterpret_cast<decltype(zip.name)>(library.resolve(#name));                              \
    all = all && zip.name;
    QUINTAVAL_ZIP_FUNCTIONS(QUINTAVAL_ZIP_RESOLVE)
#undef QUINTAVAL_ZIP_RESOLVE
    if (!all)
        qWarning("OpenDocument export: %s lacks a function this program needs", qPrintable(library.fileName()));
    zip.loaded = all;
    return zip;
}

const Zip &zipLibrary()
{
    static const Zip zip = loadZip();
    return zip;
}

struct ZipError {
    const Zip &zip;
    zip_error_t error;
    explicit ZipError(const Zip &z)
        : zip(z)
    {
        zip.zip_error_init(&error);
    }
    ~ZipError() { zip.zip_error_fini(&error); }
};

bool readMembers(const QByteArray &bytes, std::vector<Member> &members)
{
    const Zip &zip = zipLibrary();
    if (!zip.loaded)
        return false;
    ZipError error(zip);
    zip_source_t *source = zip.zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error.error);
    if (!source)
        return false;
    zip_t *archive = zip.zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error.error);
    if (!archive) {
        zip.zip_source_free(source);
        return false;
    }
    bool read = true;
    const zip_int64_t count = zip.zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && read; ++i) {
        zip_stat_t stat;
        zip.zip_stat_init(&stat);
        if (zip.zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)
            || !(stat.valid & ZIP_STAT_SIZE)) {
            read = false;
            break;
        }
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip.zip_fopen_index(archive, zip_uint64_t(i), 0);
        read = file && zip.zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size);
        if (file)
            zip.zip_fclose(file);
        members.push_back({QString::fromUtf8(stat.name), data});
    }
    zip.zip_discard(archive);
    return read;
}

bool writeMembers(const std::vector<Member> &members, QByteArray &out)
{
    const Zip &zip = zipLibrary();
    if (!zip.loaded)
        return false;
    ZipError error(zip);
    zip_source_t *buffer = zip.zip_source_buffer_create(nullptr, 0, 0, &error.error);
    if (!buffer)
        return false;
    zip_t *archive = zip.zip_open_from_source(buffer, ZIP_TRUNCATE, &error.error);
    if (!archive) {
        zip.zip_source_free(buffer);
        return false;
    }
    // The archive's bytes stay in the buffer after it is closed.
    zip.zip_source_keep(buffer);
    bool added = true;
    for (const Member &member : members) {
        zip_source_t *data = zip.zip_source_buffer(archive, member.bytes.constData(), zip_uint64_t(member.bytes.size()), 0);
        const zip_int64_t index = data ? zip.zip_file_add(archive, member.name.toUtf8().constData(), data, 0) : -1;
        if (index < 0) {
            if (data)
                zip.zip_source_free(data);
            added = false;
            break;
        }
        // A reader knows the kind from the first bytes of the file.
        if (zip.zip_set_file_compression(archive, zip_uint64_t(index), member.name == kMimetype ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                     0)
            != 0) {
            added = false;
            break;
        }
    }
    if (!added || zip.zip_close(archive) != 0) {
        zip.zip_discard(archive);
        zip.zip_source_free(buffer);
        return false;
    }
    zip_stat_t stat;
    zip.zip_stat_init(&stat);
    bool read = zip.zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip.zip_source_open(buffer) == 0;
    if (read) {
        out.resize(qsizetype(stat.size));
        read = zip.zip_source_read(buffer, out.data(), stat.size) == zip_int64_t(stat.size);
        zip.zip_source_close(buffer);
    }
    zip.zip_source_free(buffer);
    return read;
}

void copyAttributes(QXmlStreamWriter &writer, const QXmlStreamAttributes &attributes)
{
    for (const QXmlStreamAttribute &attribute : attributes)
        writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
}

QString attribute(const QXmlStreamReader &reader, const char *name)
{
    return reader.attributes().value(QLatin1String(name)).toString();
}

// Qt's content.xml with the additions. Prefixes are copied as written,
// and Qt's root declares every one used here.
bool finishedContent(const QByteArray &content, const OdtAdditions &additions, QByteArray &out)
{
    QXmlStreamReader reader(content);
    reader.setNamespaceProcessing(false);
    QXmlStreamWriter writer(&out);
    struct Open {
        QString name;
        int headRows = 0;
        int rowsSeen = 0;
        bool inHead = false;
        QString alternative;
        double emptyPoints = 0;
    };
    std::vector<Open> open;
    auto find = [](const auto &map, const QString &key) { return map.find(key) != map.end() ? &map.at(key) : nullptr; };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            Open element;
            element.name = reader.qualifiedName().toString();
            const QString style = attribute(reader, "text:style-name");
            const QString parent = open.empty() ? QString() : open.back().name;
            if (element.name == u"table:table-row" && parent == u"table:table" && open.back().rowsSeen < open.back().headRows
                && !open.back().inHead) {
                writer.writeStartElement(QStringLiteral("table:table-header-rows"));
                open.back().inHead = true;
            }
            const int *level = element.name == u"text:p" ? find(additions.headingLevels, style) : nullptr;
            writer.writeStartElement(level ? QStringLiteral("text:h") : element.name);
            copyAttributes(writer, reader.attributes());
            if (level) {
                writer.writeAttribute(QStringLiteral("text:outline-level"), QString::number(*level));
            } else if (element.name == u"style:style" && parent == u"office:automatic-styles") {
                // The heading's own look stays; its style says what it is.
                if (const int *styled = find(additions.headingLevels, attribute(reader, "style:name")))
                    writer.writeAttribute(QStringLiteral("style:parent-style-name"), kHeadingStyle.arg(*styled));
                if (const double *points = find(additions.emptyPoints, attribute(reader, "style:name")))
                    element.emptyPoints = *points;
            } else if (element.name == u"table:table") {
                if (const int *rows = find(additions.headRows, attribute(reader, "table:style-name")))
                    element.headRows = *rows;
            } else if (element.name == u"draw:frame") {
                if (const QString *words = find(additions.alternatives, attribute(reader, "draw:name")))
                    element.alternative = *words;
            }
            open.push_back(element);
        } else if (reader.isEndElement()) {
            if (open.empty())
                return false;
            const Open element = open.back();
            open.pop_back();
            if (!element.alternative.isEmpty()) {
                writer.writeTextElement(QStringLiteral("svg:title"), element.alternative);
                writer.writeTextElement(QStringLiteral("svg:desc"), element.alternative);
            }
            if (element.emptyPoints > 0) {
                writer.writeEmptyElement(QStringLiteral("style:text-properties"));
                writer.writeAttribute(QStringLiteral("fo:font-size"), QString::number(element.emptyPoints) + QLatin1String("pt"));
            }
            if (element.inHead)
                writer.writeEndElement(); // a table shorter than its head
            writer.writeEndElement();
            if (element.name == u"table:table-row" && !open.empty() && open.back().inHead
                && ++open.back().rowsSeen == open.back().headRows) {
                writer.writeEndElement();
                open.back().inHead = false;
            }
        } else if (reader.isCharacters() && reader.isWhitespace() && reader.text().contains(QLatin1Char('\n'))) {
            // The writer's indentation, which a word processor would read
            // as spaces; text of a paragraph never holds a line feed.
        } else {
            writer.writeCurrentToken(reader);
        }
    }
    return !reader.hasError() && !writer.hasError() && open.empty();
}

void writeRoot(QXmlStreamWriter &writer, const char *name, std::initializer_list<std::pair<const char *, const char *>> spaces)
{
    writer.writeStartDocument();
    writer.writeStartElement(QLatin1String(name));
    for (const auto &[prefix, uri] : spaces)
        writer.writeAttribute(QStringLiteral("xmlns:") + QLatin1String(prefix), QLatin1String(uri));
}

constexpr const char *kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";

QByteArray stylesXml(const OdtAdditions &additions)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writeRoot(writer, "office:document-styles",
              {{"office", kOffice},
               {"style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
               {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
               {"fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"}});
    writer.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
    writer.writeStartElement(QStringLiteral("office:styles"));

    // Every paragraph's language, for spelling and hyphenation.
    writer.writeStartElement(QStringLiteral("style:default-style"));
    writer.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
    writer.writeEmptyElement(QStringLiteral("style:text-properties"));
    writer.writeAttribute(QStringLiteral("fo:language"), additions.language);
    if (!additions.country.isEmpty())
        writer.writeAttribute(QStringLiteral("fo:country"), additions.country);
    writer.writeEndElement();

    for (int level = 1; level <= kDeepestHeading; ++level) {
        writer.writeStartElement(QStringLiteral("style:style"));
        writer.writeAttribute(QStringLiteral("style:name"), kHeadingStyle.arg(level));
        writer.writeAttribute(QStringLiteral("style:display-name"), QStringLiteral("Heading %1").arg(level));
        writer.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
        writer.writeAttribute(QStringLiteral("style:class"), QStringLiteral("text"));
        writer.writeAttribute(QStringLiteral("style:default-outline-level"), QString::number(level));
        writer.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
        writer.writeAttribute(QStringLiteral("fo:keep-with-next"), QStringLiteral("always"));
        writer.writeEmptyElement(QStringLiteral("style:text-properties"));
        writer.writeAttribute(QStringLiteral("fo:font-weight"), QStringLiteral("bold"));
        writer.writeEndElement();
    }

    // Headings unnumbered, as printed.
    writer.writeStartElement(QStringLiteral("text:outline-style"));
    writer.writeAttribute(QStringLiteral("style:name"), QStringLiteral("Outline"));
    for (int level = 1; level <= kDeepestHeading; ++level) {
        writer.writeEmptyElement(QStringLiteral("text:outline-level-style"));
        writer.writeAttribute(QStringLiteral("text:level"), QString::number(level));
        writer.writeAttribute(QStringLiteral("style:num-format"), QString());
    }
    writer.writeEndDocument();
    return out;
}

QByteArray metaXml(const OdtAdditions &additions)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writeRoot(writer, "office:document-meta",
              {{"office", kOffice},
               {"meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
               {"dc", "http://purl.org/dc/elements/1.1/"}});
    writer.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
    writer.writeStartElement(QStringLiteral("office:meta"));
    if (!additions.generator.isEmpty())
        writer.writeTextElement(QStringLiteral("meta:generator"), additions.generator);
    if (!additions.title.isEmpty())
        writer.writeTextElement(QStringLiteral("dc:title"), additions.title);
    writer.writeTextElement(QStringLiteral("dc:language"),
                            additions.country.isEmpty() ? additions.language
                                                        : additions.language + QLatin1Char('-') + additions.country);
    writer.writeEndDocument();
    return out;
}

// Qt's entries with their media types, and the files added here.
bool manifestXml(const QByteArray &written, const std::vector<Member> &members, QByteArray &out)
{
    std::map<QString, QString> types;
    QXmlStreamReader reader(written);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.qualifiedName() == u"manifest:file-entry")
            types[attribute(reader, "manifest:full-path")] = attribute(reader, "manifest:media-type");
    }
    if (reader.hasError())
        return false;
    types[kStyles] = types[kMeta] = QStringLiteral("text/xml");
    QXmlStreamWriter writer(&out);
    writeRoot(writer, "manifest:manifest", {{"manifest", "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"}});
    writer.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    writer.writeEmptyElement(QStringLiteral("manifest:file-entry"));
    writer.writeAttribute(QStringLiteral("manifest:full-path"), QStringLiteral("/"));
    writer.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    writer.writeAttribute(QStringLiteral("manifest:media-type"), QStringLiteral("application/vnd.oasis.opendocument.text"));
    for (const Member &member : members) {
        if (member.name == kMimetype || member.name == kManifest)
            continue;
        writer.writeEmptyElement(QStringLiteral("manifest:file-entry"));
        writer.writeAttribute(QStringLiteral("manifest:full-path"), member.name);
        writer.writeAttribute(QStringLiteral("manifest:media-type"), types[member.name]);
    }
    writer.writeEndDocument();
    return true;
}

void collectHeadRows(const QTextFrame *frame, std::map<QString, int> &headRows)
{
    for (const QTextFrame *child : frame->childFrames()) {
        if (const auto *table = qobject_cast<const QTextTable *>(child)) {
            const int rows = table->format().headerRowCount();
            if (rows > 0)
                headRows[QStringLiteral("Table%1").arg(table->formatIndex())] = rows;
        }
        collectHeadRows(child, headRows);
    }
}

} // namespace

OdtAdditions odtAdditions(const QTextDocument &document)
{
    OdtAdditions additions;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString style = QStringLiteral("p%1").arg(block.blockFormatIndex());
        const int level = block.blockFormat().headingLevel();
        if (level > 0)
            additions.headingLevels[style] = std::min(level, kDeepestHeading);
        if (block.length() == 1 && block.charFormat().hasProperty(QTextFormat::FontPointSize)) {
            const double points = block.charFormat().fontPointSize();
            const auto known = additions.emptyPoints.find(style);
            additions.emptyPoints[style] = known == additions.emptyPoints.end() ? points : std::min(known->second, points);
        }
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString words = format.property(QTextFormat::ImageAltText).toString();
            if (!words.isEmpty())
                additions.alternatives[format.toImageFormat().name()] = words;
        }
    }
    collectHeadRows(document.rootFrame(), additions.headRows);
    additions.title = document.metaInformation(QTextDocument::DocumentTitle);
    return additions;
}

bool finishedOdt(const QByteArray &written, const OdtAdditions &additions, QByteArray &out)
{
    std::vector<Member> given;
    if (!readMembers(written, given))
        return false;
    std::vector<Member> members{{kMimetype, QByteArrayLiteral("application/vnd.oasis.opendocument.text")}};
    QByteArray manifest;
    bool hasContent = false;
    for (const Member &member : given) {
        // What is written here replaces what Qt may write of its own.
        if (member.name == kMimetype || member.name == kStyles || member.name == kMeta)
            continue;
        if (member.name == kManifest) {
            manifest = member.bytes;
            continue;
        }
        if (member.name == kContent) {
            QByteArray content;
            if (!finishedContent(member.bytes, additions, content))
                return false;
            members.push_back({kContent, content});
            hasContent = true;
            continue;
        }
        members.push_back(member);
    }
    if (!hasContent)
        return false;
    members.push_back({kStyles, stylesXml(additions)});
    members.push_back({kMeta, metaXml(additions)});
    QByteArray finishedManifest;
    if (!manifestXml(manifest, members, finishedManifest))
        return false;
    members.push_back({kManifest, finishedManifest});
    QByteArray package;
    if (!writeMembers(members, package))
        return false;
    out = package;
    return true;
}

} // namespace fw
