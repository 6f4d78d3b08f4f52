// The Score Report as its tests drive it: a program started afresh for
// each test, scores calculated in the converter as the user types them,
// the report opened from the menu, its controls reached by name.
#pragma once

#include "converter_window/control_wnd.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "report_window/report_wnd.h"
#include "shell/program.h"
#include "tests/program_fixture.h"

#include <QSettings>
#include <QTableWidget>

using Field = QPair<QString, QString>;
using Fields = QList<Field>;

class ReportFixture {
protected:
    void startTests()
    {
        quietOffscreen();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("QuintavalTest"));
        QLocale::setDefault(QLocale::c());
        fw::setQuitHook([](int) {});
        fw::setMsgBoxHook([this](const std::string &message) { m_messages << QString::fromStdString(message); });
    }
    void startProgram()
    {
        m_messages.clear();
        QSettings().clear();
        m_program = std::make_unique<shell::Program>();
        endSplash();
    }
    void endProgram()
    {
        fw::setPrinterDialogHook({});
        fw::setFileDialogHook({});
        m_program.reset();
        QSettings().clear();
    }

    // Clear, type each field, Calculate: as the user does it.
    void calculate(const Fields &fields)
    {
        auto *converter = fw::implicitWindow<ControlWnd>();
        QTest::mouseClick(converter->control("ClearBtn"), Qt::LeftButton);
        for (const Field &field : fields)
            QTest::keyClicks(converter->control(field.first.toStdString()), field.second);
        QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
    }

    report::ReportWnd *openReport()
    {
        bringToFront(fw::implicitWindow<ControlWnd>());
        if (!bar().trigger("ReportMenuItem"))
            return nullptr;
        auto *report = existing<report::ReportWnd>();
        if (!report || !QTest::qWaitForWindowActive(report))
            return nullptr;
        return report;
    }

    void closeReport()
    {
        fw::existingWindow(report::ReportWnd::kClassName)->close();
        QTRY_VERIFY(!fw::existingWindow(report::ReportWnd::kClassName));
    }

    template <class T>
    T *in(const char *name) const
    {
        return fw::existingWindow(report::ReportWnd::kClassName)->findChild<T *>(QLatin1String(name));
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = in<QTableWidget>("scoresTable")->item(row, column);
        return item ? item->text() : QString();
    }

    QStringList header() const
    {
        QStringList heads;
        const QTableWidget *table = in<QTableWidget>("scoresTable");
        for (int c = 0; c < table->columnCount(); ++c)
            heads << table->horizontalHeaderItem(c)->text();
        return heads;
    }

    std::unique_ptr<shell::Program> m_program;
    QStringList m_messages;
};
