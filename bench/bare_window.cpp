// The yardstick for start-up time: a bare Qt Widgets program that shows one
// window holding a label and a button, and does nothing else.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Quintaval converts standard scores.")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.resize(334, 200);
    window.show();
    return app.exec();
}
