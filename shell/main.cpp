#include "converter_window/control_wnd.h"
#include "framework/implicit_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    fw::implicitWindow<ControlWnd>();
    return app.exec();
}
