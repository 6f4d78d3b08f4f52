// The whole program as the shell's and the report's tests drive it: started
// afresh for each test, its splash box cut short, windows brought to the
// front, printing sent to a PDF file and read back with pdftotext.
#pragma once

#include "framework/application.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"
#include "framework/printing.h"
#include "framework/timer.h"
#include "shell/invisible_wnd.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <optional>

template <class T>
T *existing()
{
    return dynamic_cast<T *>(fw::existingWindow(T::kClassName));
}

inline fw::MenuBar &bar()
{
    return *fw::App()->menuBar();
}

inline QString frontName()
{
    const fw::Window *front = fw::Window::front();
    return front ? front->objectName() : QStringLiteral("none");
}

// The offscreen platform can neither raise a window nor pass on size hints,
// and says so every time.
inline void quietOffscreen()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            next(type, context, message);
    });
}

// Fires the start-up timer now rather than after the full delay.
inline void endSplash()
{
    fw::Timer *timer = existing<shell::InvisibleWnd>()->timer("Timer1");
    timer->setPeriod(0);
    QTRY_COMPARE(timer->mode(), int(fw::Timer::Off));
    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
}

inline void bringToFront(fw::Window *window)
{
    window->Show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The print dialog answers with a printer into the PDF file, or is cancelled.
inline void printDialogAnswers(const QString &pdf, bool cancel)
{
    fw::setPrinterDialogHook([pdf, cancel]() -> std::unique_ptr<QPrinter> {
        if (cancel)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
}

// What a poppler tool prints; nothing when it is not installed or fails.
inline std::optional<QString> toolOutput(const char *name, const QStringList &arguments)
{
    const QString tool = QStandardPaths::findExecutable(QLatin1String(name));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What pdftotext reads in a PDF: pages end in a form feed.
inline std::optional<QString> pdfText(const QString &pdf)
{
    return toolOutput("pdftotext", {pdf, QStringLiteral("-")});
}

// The PDF's pages as pictures at this many dots per inch.
inline QList<QImage> pdfPages(const QString &pdf, int dpi)
{
    const QString stem = pdf + QStringLiteral("-page");
    QList<QImage> pages;
    if (!toolOutput("pdftoppm", {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, stem}))
        return pages;
    const QFileInfo info(stem);
    for (const QString &name : QDir(info.absolutePath()).entryList({info.fileName() + QStringLiteral("-*.png")},
                                                                   QDir::Files, QDir::Name))
        pages << QImage(info.absolutePath() + QLatin1Char('/') + name);
    return pages;
}
