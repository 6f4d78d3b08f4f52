#include "framework/picture.h"

#include "framework/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSvgRenderer>

#include <map>

namespace fw {

namespace {

struct CachedPicture {
    bool read = false;
    QPointer<QSvgRenderer> renderer; // owned by the application object
};

QSvgRenderer *readPicture(int number, Language language)
{
    // A picture with words has its German copy beside it.
    QFile file;
    if (language == Language::German)
        file.setFileName(QStringLiteral(":/pictures/de/%1.svg").arg(number));
    if (!file.exists())
        file.setFileName(QStringLiteral(":/pictures/%1.svg").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto *renderer = new QSvgRenderer(file.readAll(), QCoreApplication::instance());
    if (renderer->isValid())
        return renderer;
    delete renderer;
    return nullptr;
}

} // namespace

QSvgRenderer *Picture(int number)
{
    static std::map<std::pair<int, Language>, CachedPicture> cache;
    CachedPicture &slot = cache[{number, currentLanguage()}];
    if (!slot.read) {
        slot.renderer = readPicture(number, currentLanguage());
        slot.read = true;
    }
    return slot.renderer;
}

} // namespace fw
