#include "framework/beep.h"

#include <QApplication>

namespace fw {

namespace {
int s_beeps = 0;
}

void Beep()
{
    ++s_beeps;
    QApplication::beep();
}

int beepCount()
{
    return s_beeps;
}

} // namespace fw
