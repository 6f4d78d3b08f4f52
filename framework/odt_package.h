// What Qt's OpenDocument writer leaves out of a document made to be edited,
// added to the package it writes: heading styles with outline levels, each
// table's head rows repeated on every page, the document's language, each
// picture's text alternative, the title. The package is read and written
// again in memory with libzip, the mimetype first and stored as the format
// requires.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>

class QTextDocument;

namespace fw {

struct OdtAdditions {
    // Keyed by the names Qt's writer gives: a paragraph's style ("p12"), a
    // table's style ("Table9"), a picture's frame (the image's name).
    std::map<QString, int> headingLevels;
    std::map<QString, int> headRows;
    std::map<QString, QString> alternatives;
    // A paragraph style's type size, for the paragraphs of it that hold
    // no text: an empty table cell is then no taller than its row.
    std::map<QString, double> emptyPoints;
    QString title;
    QString language; // "de", "en"
    QString country;  // "DE", "GB", "US"; may be empty
    QString generator;
};

// The headings, head rows and pictures' words of a text document.
OdtAdditions odtAdditions(const QTextDocument &document);

// Qt's package with the additions. False when it cannot be read as one.
bool finishedOdt(const QByteArray &written, const OdtAdditions &additions, QByteArray &out);

} // namespace fw
