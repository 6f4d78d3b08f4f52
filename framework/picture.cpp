#include "framework/picture.h"

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
    static std::map<int, CachedPicture> cache;
    CachedPicture &slot = cache[number];
    if (!slot.read) {
        slot.renderer = readPicture(number);
        slot.read = true;
    }
    return slot.renderer;
}

} // namespace fw
