// The yardstick for start-up time: a bare Qt Widgets program that maps one
// empty window and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(334, 200);
    window.show();
    return app.exec();
}
