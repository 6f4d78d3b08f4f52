#include <QApplication>
#include <QWidget>

QWidget *makePlaceholderWindow();

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget *w = makePlaceholderWindow();
    w->show();
    return app.exec();
}
