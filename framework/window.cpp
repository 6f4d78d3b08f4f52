#include "framework/window.h"

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/control_factory.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/key_text.h"
#include "framework/menu_bar.h"
#include "framework/text_area.h"
#include "framework/timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

namespace fw {

namespace {

// A centred label grows on both sides alike rather than cut its text where
// the user's font is wider than the one the layout was drawn for.
void widenToText(QLabel *label)
{
    // A label as wide as what it sits in cannot grow past it; measuring it
    // would only load the fonts before the window can first show.
    if (!label || label->width() >= label->parentWidget()->width() - 2)
        return;
    const QRect needed = label->fontMetrics().boundingRect(QRect(), label->alignment(), label->text());
    const int extra = needed.width() - label->width();
    if (extra > 0)
        label->setGeometry(label->geometry().adjusted(-(extra - extra / 2), 0, extra / 2, 0));
}

// Its least size is its content's, but never more than the screen holds.
// The content fills it down to that least size and scrolls below it; a
// word-wrapped label does not make it taller, as it would in Qt's own
// resizing scroll area.
class ContentScroll : public QScrollArea {
public:
    explicit ContentScroll(Window *window)
        : QScrollArea(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("contentScroll"));
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus); // the keys go to the controls, as without it
    }

    QSize minimumSizeHint() const override
    {
        return widget() ? least().boundedTo(m_window->roomForContent()) : QScrollArea::minimumSizeHint();
    }

    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fit();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool done = QScrollArea::eventFilter(watched, event);
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry(); // the content needs more, or less, room
            fit();
        }
        return done;
    }

    bool viewportEvent(QEvent *event) override
    {
        const bool done = QScrollArea::viewportEvent(event);
        if (event->type() == QEvent::Resize)
            fit(); // a scroll bar came or went
        return done;
    }

private:
    // A least size set on the content stands for its layout's.
    QSize least() const
    {
        const QSize hint = widget()->minimumSizeHint();
        const QSize set = widget()->minimumSize();
        return {set.width() > 0 ? set.width() : hint.width(), set.height() > 0 ? set.height() : hint.height()};
    }

    void fit()
    {
        if (widget())
            widget()->resize(viewport()->size().expandedTo(least()));
    }

    Window *m_window;
};

} // namespace

Window::Window()
    : m_content(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_content->setObjectName(QStringLiteral("content"));
    m_content->installEventFilter(this);
    setCentralWidget(m_content);
}

Window::~Window()
{
    detail::forgetWindow(this);
}

Window *Window::front()
{
    return qobject_cast<Window *>(QApplication::activeWindow());
}

bool Window::KeyDown(const std::string &)
{
    return false;
}

bool Window::MouseDown(int, int)
{
    return false;
}

void Window::build()
{
    Layout();
    CreateControls();
    AddMenuHandlers();
    if (m_visible)
        Show();
    Open();
}

void Window::applyRecord(const WindowRecord &record)
{
    setWindowTitle(ControlFactory::translated(record.title, metaObject()->className()));
    if (record.background.isSet()) {
        QPalette palette = m_content->palette();
        palette.setColor(QPalette::Window, record.background.toQColor());
        m_content->setPalette(palette);
        m_content->setAutoFillBackground(true);
    }
    MenuBar *bar = shownMenuBar();
    if (record.menuBarVisible && bar)
        setMenuBar(bar->present());
    applyFrame(record);
    applySize(record);
    m_visible = record.visible;
}

void Window::applyFrame(const WindowRecord &record)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (record.frame == Frame::PlainBox) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (record.closeButton)
            flags |= Qt::WindowCloseButtonHint;
        if (record.minimizeButton)
            flags |= Qt::WindowMinimizeButtonHint;
        if (record.maximizeButton && record.resizable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
}

void Window::applySize(const WindowRecord &record)
{
    const QSize size(record.width, record.height);
    if (!record.resizable) {
        m_content->setFixedSize(size);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        m_content->setMinimumSize(record.minWidth, record.minHeight);
        m_content->setMaximumSize(qMin(record.maxWidth, QWIDGETSIZE_MAX),
                                  qMin(record.maxHeight, QWIDGETSIZE_MAX));
    }
    const QMenuBar *bar = qobject_cast<QMenuBar *>(menuWidget());
    const int barHeight = bar && !bar->isNativeMenuBar() ? bar->sizeHint().height() : 0;
    resize(size.width(), size.height() + barHeight);
    m_content->resize(size);
}

void Window::scrollContent()
{
    if (qobject_cast<QScrollArea *>(centralWidget()))
        return;
    auto *scroll = new ContentScroll(this);
    scroll->setWidget(takeCentralWidget()); // the content stays, inside
    setCentralWidget(scroll);
}

QSize Window::roomForContent() const
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QSize room = shownOn->availableGeometry().size();
    // The frame is known once the window is shown; the title bar's height is
    // a fair guess before.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size()
                                    : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    room -= frame;
    if (const QWidget *bar = menuWidget())
        room.rheight() -= bar->sizeHint().height();
    return room.expandedTo(QSize(1, 1));
}

void Window::resizeWithinScreen(const QSize &wanted)
{
    QSize size = wanted;
    if (const QScreen *shownOn = screen()) {
        const QSize frame = isVisible() ? frameGeometry().size() - geometry().size()
                                        : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
        size = size.boundedTo(shownOn->availableGeometry().size() - frame);
    }
    resize(size);
    // The frame is the window system's: where it takes the window past the
    // screen's edge, the window shrinks and moves once it is known.
    whenExposed([this] { keepFrameOnScreen(); });
}

void Window::keepFrameOnScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QRect free = shownOn->availableGeometry();
    const QRect frame = frameGeometry();
    if (free.contains(frame))
        return;
    const QSize frameExtra = frame.size() - size();
    const QSize fitted = size().boundedTo(free.size() - frameExtra);
    resize(fitted);
    const QSize outer = fitted + frameExtra;
    move(qBound(free.left(), frame.left(), free.right() + 1 - outer.width()),
         qBound(free.top(), frame.top(), free.bottom() + 1 - outer.height()));
}

void Window::useMenuBar(MenuBar *bar)
{
    m_menuBar = bar;
}

MenuBar *Window::shownMenuBar() const
{
    if (m_menuBar)
        return m_menuBar;
    return App() ? App()->menuBar() : nullptr;
}

QWidget *Window::parentFor(const ControlRecord &record) const
{
    if (record.parent.empty())
        return m_content;
    QWidget *parent = need(record.parent);
    return parent ? parent : m_content;
}

QWidget *Window::createControl(const ControlRecord &record)
{
    QWidget *parent = parentFor(record);
    // The records mark their texts under the window's class name.
    QWidget *control = ControlFactory::create(record, parent, metaObject()->className());
    const QPoint origin = parent == m_content ? QPoint() : parent->mapTo(m_content, QPoint());
    control->setGeometry(record.left - origin.x(), record.top - origin.y(), record.width, record.height);
    if (record.kind == ControlKind::Label && record.align == Align::Center)
        widenToText(qobject_cast<QLabel *>(control));
    const std::string name(record.name);
    control->setObjectName(QString::fromStdString(name));
    control->setVisible(record.visible);
    if (record.lockedToEdges && parent == m_content) {
        const QSize area = m_content->size();
        m_anchors.push_back({control, QMargins(record.left, record.top,
                                               area.width() - record.left - record.width,
                                               area.height() - record.top - record.height)});
    }
    Q_ASSERT_X(m_controls.find(name) == m_controls.end(), "fw::Window", "control name used twice");
    m_controls[name] = control;
    return control;
}

void Window::createControls(const ControlRecord *records, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        createControl(records[i]);
}

void Window::createControls(std::initializer_list<ControlRecord> records)
{
    createControls(records.begin(), records.size());
}

Timer *Window::addTimer(const std::string &name)
{
    auto *timer = new Timer(this);
    timer->setObjectName(QString::fromStdString(name));
    m_timers[name] = timer;
    return timer;
}

QWidget *Window::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    return found == m_controls.end() ? nullptr : found->second.data();
}

QWidget *Window::need(std::string_view name) const
{
    QWidget *found = control(name);
    if (!found) {
        qWarning("fw::Window %s: no control named %.*s", qPrintable(objectName()),
                 static_cast<int>(name.size()), name.data());
        Q_ASSERT_X(false, "fw::Window", "no control of that name");
    }
    return found;
}

EntryField *Window::entryField(std::string_view name) const
{
    return qobject_cast<EntryField *>(control(name));
}

TextArea *Window::textArea(std::string_view name) const
{
    return qobject_cast<TextArea *>(control(name));
}

Canvas *Window::canvas(std::string_view name) const
{
    return qobject_cast<Canvas *>(control(name));
}

Timer *Window::timer(std::string_view name) const
{
    const auto found = m_timers.find(name);
    return found == m_timers.end() ? nullptr : found->second.data();
}

std::string Window::Text(std::string_view name) const
{
    QWidget *control = need(name);
    if (auto *field = qobject_cast<QLineEdit *>(control))
        return field->text().toStdString();
    if (auto *area = qobject_cast<TextArea *>(control))
        return area->Text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return ControlFactory::fromQtLines(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text().toStdString();
    return {};
}

void Window::SetText(std::string_view name, const std::string &text)
{
    QWidget *control = need(name);
    if (auto *field = qobject_cast<QLineEdit *>(control))
        field->setText(QString::fromStdString(text)); // whole, past any typing limit
    else if (auto *area = qobject_cast<TextArea *>(control))
        area->SetText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(ControlFactory::toQtLines(text));
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(QString::fromStdString(text));
}

bool Window::IsVisible(std::string_view name) const
{
    QWidget *control = need(name);
    return control && !control->isHidden();
}

void Window::SetVisible(std::string_view name, bool visible)
{
    if (QWidget *control = need(name))
        control->setVisible(visible);
}

void Window::SetFocus(std::string_view name)
{
    if (QWidget *control = need(name))
        control->setFocus(Qt::OtherFocusReason);
}

void Window::SetBackdrop(std::string_view name, int picture)
{
    need(name);
    if (Canvas *area = canvas(name))
        area->setPicture(picture);
}

void Window::onKeyDown(std::string_view name, KeyHandler handler)
{
    need(name);
    if (EntryField *field = entryField(name))
        field->setKeyHandler(std::move(handler));
}

void Window::onAction(std::string_view name, std::function<void()> handler)
{
    if (Timer *found = timer(name)) {
        found->setActionHandler(std::move(handler));
        return;
    }
    auto *button = qobject_cast<QAbstractButton *>(need(name));
    if (button && handler)
        connect(button, &QAbstractButton::clicked, this, [handler] { handler(); });
}

void Window::onMouseDown(std::string_view name, MouseHandler handler)
{
    need(name);
    if (Canvas *area = canvas(name))
        area->setMouseDownHandler(std::move(handler));
}

void Window::onMouseEnter(std::string_view name, std::function<void()> handler)
{
    need(name);
    if (Canvas *area = canvas(name))
        area->setMouseEnterHandler(std::move(handler));
}

void Window::registerMenuHandler(const std::string &itemName, std::function<bool()> handler)
{
    m_menuHandlers.add(itemName, std::move(handler));
}

void Window::Show()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (!m_whenExposed.empty() && windowHandle())
        windowHandle()->installEventFilter(this);
    raise();
    activateWindow();
}

void Window::whenExposed(std::function<void()> work)
{
    m_whenExposed.push_back(std::move(work));
    if (windowHandle() && windowHandle()->isExposed()) {
        std::vector<std::function<void()>> now;
        now.swap(m_whenExposed);
        for (const auto &run : now)
            run();
    }
}

void Window::Hide()
{
    hide();
}

bool Window::event(QEvent *event)
{
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Activate();
        if (MenuBar *bar = shownMenuBar())
            bar->runEnablingPass();
    }
    return result;
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        std::vector<std::function<void()>> now;
        now.swap(m_whenExposed);
        for (const auto &run : now)
            run();
    }
    if (watched == m_content && event->type() == QEvent::Resize)
        layOutAnchors();
    return QMainWindow::eventFilter(watched, event);
}

void Window::layOutAnchors()
{
    const QRect area = m_content->rect();
    for (const Anchor &anchor : m_anchors)
        if (anchor.widget)
            anchor.widget->setGeometry(area.marginsRemoved(anchor.margins));
}

void Window::closeEvent(QCloseEvent *event)
{
    Close();
    detail::forgetWindow(this);
    event->accept();
}

void Window::keyPressEvent(QKeyEvent *event)
{
    const auto key = keyText(*event);
    if (key && KeyDown(*key)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Window::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = m_content->mapFrom(this, event->position().toPoint());
    if (MouseDown(at.x(), at.y())) {
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

} // namespace fw
