// Temporary start-up window until the converter window lands.
#include <QLabel>
#include <QWidget>

QWidget *makePlaceholderWindow()
{
    auto *w = new QLabel(QStringLiteral("Quintaval"));
    w->setObjectName(QStringLiteral("ControlWnd"));
    w->setWindowTitle(QStringLiteral("Quintaval"));
    w->resize(535, 445);
    return w;
}
