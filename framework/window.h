// The base of every window of the program. A window is built once by the
// implicit-window lookup (implicit_window.h): Layout(), CreateControls(),
// AddMenuHandlers(), then shown if its record says visible, then Open().
// Its content area has exactly the size of its record; a menu bar, where the
// record shows one, sits above it. Controls are made from ControlRecord rows,
// registered under their names and reached by name at the moment of use.
// Closing a window runs Close() and ends the instance; the next lookup
// builds a fresh one. Hide() keeps it and its controls' contents.
#pragma once

#include "framework/control_record.h"
#include "framework/menu_handlers.h"
#include "framework/window_record.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Canvas;
class EntryField;
class MenuBar;
class TextArea;
class Timer;

class Window : public QMainWindow {
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(const std::string &key)>;
    using MouseHandler = std::function<bool(int x, int y)>;

    Window();
    ~Window() override;

    // The active window when it is one of ours, else nullptr.
    static Window *front();

    // Hooks, all no-ops here.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Open() {}
    virtual void Activate() {}
    virtual void Close() {}
    virtual void EnableMenuItems() {}
    // Before the program quits: false keeps it running (the user chose to
    // go back to unsaved work).
    virtual bool MayClose() { return true; }
    // Keys and presses that no control consumed; x, y in the content area.
    virtual bool KeyDown(const std::string &key);
    virtual bool MouseDown(int x, int y);

    void build(); // run once by the implicit-window lookup

    // Window properties; call from Layout().
    void applyRecord(const WindowRecord &record);
    // For a window laid out by Qt: its content scrolls inside it where the
    // screen cannot hold the content (large text, a small screen); where it
    // can, the window is never smaller than its content, as without.
    void scrollContent();
    // Resizes the window, but no larger than the free area of its screen.
    void resizeWithinScreen(const QSize &wanted);
    // The room the window's frame and menu bar leave for content on its screen.
    QSize roomForContent() const;

    // The bar this window shows when its record asks for one; by default the
    // application's.
    void useMenuBar(MenuBar *bar);
    MenuBar *shownMenuBar() const;

    // Controls, in order: later ones lie above earlier ones.
    QWidget *createControl(const ControlRecord &record);
    void createControls(const ControlRecord *records, std::size_t count);
    void createControls(std::initializer_list<ControlRecord> records);
    template <std::size_t N>
    void createControls(const ControlRecord (&records)[N]) { createControls(records, N); }
    Timer *addTimer(const std::string &name);

    // nullptr when there is no such control: a fault of the caller.
    QWidget *control(std::string_view name) const;
    EntryField *entryField(std::string_view name) const;
    TextArea *textArea(std::string_view name) const;
    Canvas *canvas(std::string_view name) const;
    Timer *timer(std::string_view name) const;
    QWidget *content() const { return m_content; }

    // By name; a missing name asserts in debug builds and does nothing in
    // release ones. Line breaks in labels and text areas are "\r".
    std::string Text(std::string_view name) const;
    void SetText(std::string_view name, const std::string &text);
    bool IsVisible(std::string_view name) const;
    void SetVisible(std::string_view name, bool visible);
    void SetFocus(std::string_view name);
    void SetBackdrop(std::string_view name, int picture);

    // Event bindings by control name.
    void onKeyDown(std::string_view name, KeyHandler handler);     // entry fields
    void onAction(std::string_view name, std::function<void()> handler); // buttons, timers
    void onMouseDown(std::string_view name, MouseHandler handler); // canvases
    void onMouseEnter(std::string_view name, std::function<void()> handler); // canvases

    void registerMenuHandler(const std::string &itemName, std::function<bool()> handler);
    const MenuHandlers &menuHandlers() const { return m_menuHandlers; }

    void Show(); // visible, raised and active
    void Hide();

    // Runs work once, when the window is first on the screen and about to
    // paint: for what must not hold up its showing.
    void whenExposed(std::function<void()> work);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Anchor {
        QPointer<QWidget> widget;
        QMargins margins; // from the content edges
    };

    QWidget *need(std::string_view name) const;
    QWidget *parentFor(const ControlRecord &record) const;
    void applyFrame(const WindowRecord &record);
    void applySize(const WindowRecord &record);
    void keepFrameOnScreen();
    void layOutAnchors();

    QWidget *m_content;
    MenuBar *m_menuBar = nullptr;
    bool m_visible = true;
    std::map<std::string, QPointer<QWidget>, std::less<>> m_controls;
    std::map<std::string, QPointer<Timer>, std::less<>> m_timers;
    std::vector<Anchor> m_anchors;
    MenuHandlers m_menuHandlers;
    std::vector<std::function<void()>> m_whenExposed;
};

} // namespace fw
