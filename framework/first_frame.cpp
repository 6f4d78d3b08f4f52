#include "framework/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace fw {

namespace {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(std::function<void()> work)
        : QObject(QCoreApplication::instance())
        , m_work(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window paints its first frame while it handles its expose
        // event; a zero timer set now runs once that is done.
        if (event->type() == QEvent::Expose && !m_queued && qobject_cast<QWindow *>(watched)) {
            m_queued = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_queued = false;
};

} // namespace

void afterFirstFrame(std::function<void()> work)
{
    new FirstFrame(std::move(work));
}

} // namespace fw
