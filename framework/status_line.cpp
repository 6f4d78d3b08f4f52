#include "framework/status_line.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace fw {

namespace {

class StatusLineAccessible : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(StatusLine *line)
        : QAccessibleWidget(line, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *line = static_cast<const StatusLine *>(widget());
        const QString message = line->text();
        switch (t) {
        case QAccessible::Name:
            return message.isEmpty() ? line->caption() : message;
        case QAccessible::Description:
            return line->caption();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *statusLineFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fw::StatusLine") && object && object->isWidgetType())
        return new StatusLineAccessible(static_cast<StatusLine *>(object));
    return nullptr;
}

} // namespace

StatusLine::StatusLine(const QString &caption, QWidget *parent)
    : QLabel(parent)
    , m_caption(caption)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusLineFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText); // a file's name is never read as markup
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void StatusLine::setMessage(const QString &message)
{
    if (message == text())
        return;
    setText(message);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace fw
