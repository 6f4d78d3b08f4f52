// The converter window without the shell, as the window's tests drive it:
// built once, emptied before each test, typed into with real key events,
// its messages caught rather than shown.
#pragma once

#include "converter_window/control_wnd.h"
#include "converter_window/module1.h"
#include "framework/application.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"

#include <QTest>

class ConverterFixture {
protected:
    static constexpr const char *kFields[] = {"rawFld", "rawmeanFld", "rawsdFld", "zFld",
                                              "tFld", "wechslerFld", "nceFld", "greFld",
                                              "percentileFld", "agctFld"};
    // In scale order: z, T, Wechsler IQ, NCE, CEEB, AGCT, percentile.
    static constexpr const char *kScoreFields[] = {"zFld", "tFld", "wechslerFld", "nceFld",
                                                   "greFld", "agctFld", "percentileFld"};

    // Off, a refusal puts up the real message box.
    void catchMessages(bool on)
    {
        if (on)
            fw::setMsgBoxHook([this](const std::string &message) {
                m_messages << QString::fromStdString(message);
            });
        else
            fw::setMsgBoxHook(nullptr);
    }

    bool openWindow()
    {
        QLocale::setDefault(QLocale::c());
        fw::setQuitHook([](int) {});
        catchMessages(true);
        m_wnd = fw::implicitWindow<ControlWnd>();
        return m_wnd && QTest::qWaitForWindowActive(m_wnd);
    }

    bool resetWindow()
    {
        if (!m_wnd->isActiveWindow())
            m_wnd->Show();
        if (!QTest::qWaitForWindowActive(m_wnd))
            return false;
        for (const char *name : kFields)
            m_wnd->SetText(name, std::string());
        m_wnd->SetVisible("boundtext", false);
        m_wnd->SetFocus("rawFld");
        Module1::dirty.clear();
        m_messages.clear();
        return true;
    }

    fw::EntryField *field(const QString &name) const
    {
        return m_wnd->entryField(name.toStdString());
    }
    QString text(const QString &name) const
    {
        return QString::fromStdString(m_wnd->Text(name.toStdString()));
    }
    QWidget *focused() const { return m_wnd->focusWidget(); }

    QStringList texts() const
    {
        QStringList all;
        for (const char *name : kFields)
            all << text(name);
        return all;
    }

    // The seven scores, space-separated.
    QString results() const
    {
        QStringList shown;
        for (const char *name : kScoreFields)
            shown << text(name);
        return shown.join(QLatin1Char(' '));
    }

    // Types each "name=text" into its field.
    void fill(const QStringList &entries)
    {
        for (const QString &entry : entries)
            QTest::keyClicks(field(entry.section(QLatin1Char('='), 0, 0)),
                             entry.section(QLatin1Char('='), 1));
    }

    void press(const char *button) { QTest::mouseClick(m_wnd->control(button), Qt::LeftButton); }

    ControlWnd *m_wnd = nullptr;
    QStringList m_messages;
};
