#include "framework/picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QSvgRenderer>

#include <map>

namespace fw {

namespace {

struct CachedPicture {
    bool read = false;
    QPointer<QSvgRenderer> renderer; // owned by the application object
};

QSvgRenderer *readPicture(int number)
{
    QFile file(QStringLiteral(":/pictures/%1.svg").arg(number));
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
    // Pictures with words come in the language of the locale.
    static std::map<std::pair<int, int>, CachedPicture> cache;
    CachedPicture &slot = cache[{number, int(QLocale().language())}];
    if (!slot.read) {
        slot.renderer = readPicture(number);
        slot.read = true;
    }
    return slot.renderer;
}

} // namespace fw
