// The Battery Sheet as a document: New, Open, Save, Save As, the recent
// files, the modified mark, and the question before unsaved scores are
// left. A file is read whole into a new sheet before the old one goes; a
// save goes through a temporary file; a file changed on disk since it was
// read is never overwritten without asking.
#include "battery_window/battery_wnd.h"

#include "battery_window/correlation_grid.h"

#include "battery_window/battery_file.h"
#include "battery_window/battery_items.h"
#include "battery_window/battery_page.h"
#include "battery_window/scores_model.h"
#include "battery_window/words.h"
#include "framework/file_dialog.h"
#include "framework/language.h"
#include "framework/menu_bar.h"
#include "framework/menu_item.h"
#include "framework/message_box.h"
#include "framework/question_box.h"
#include "report_window/identification.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTableView>

namespace battery {

namespace {

const char *const kRecentKey = "battery/recent";

QString fileFilters()
{
    return BatteryWnd::tr("Battery files (*.csv);;All files (*)");
}

} // namespace

bool BatteryWnd::mayDiscard()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
    switch (fw::Ask(tr("Save the changes to %1?").arg(name), tr("Scores that are not saved are lost."), tr("&Save"),
                    tr("&Don't Save"))) {
    case fw::Answer::Yes:
        return saveOrAsk();
    case fw::Answer::No:
        return true;
    case fw::Answer::Cancel:
        break;
    }
    return false;
}

bool BatteryWnd::MayClose()
{
    return mayDiscard();
}

void BatteryWnd::closeEvent(QCloseEvent *event)
{
    // The grid's edits are asked about first: it goes with the sheet.
    if (m_correlationGrid && !m_correlationGrid->close()) {
        event->ignore();
        return;
    }
    if (!mayDiscard()) {
        event->ignore();
        return;
    }
    saveLayout();
    fw::Window::closeEvent(event);
}

// Tested today, unless the user says otherwise. Where the locale writes a
// decimal comma, the sheet takes one, and its file is separated by
// semicolons, as spreadsheets there write CSV.
Sheet BatteryWnd::newSheet()
{
    Sheet sheet;
    if (fw::decimalMark() == QLatin1Char(','))
        sheet.shape.delimiter = ';';
    sheet.id.testDate = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return sheet;
}

bool BatteryWnd::_NewAction()
{
    if (mayDiscard())
        replaceSheet(newSheet(), QString(), false);
    return true;
}

bool BatteryWnd::_OpenAction()
{
    if (!mayDiscard())
        return true;
    const QString path = fw::GetOpenFileName(this, tr("Open Battery"), fileFilters());
    if (!path.isEmpty())
        openFile(path);
    return true;
}

bool BatteryWnd::_OpenRecentAction(int slot)
{
    const QStringList recent = recentFiles();
    if (slot >= recent.size() || !mayDiscard())
        return true;
    openFile(recent[slot]);
    return true;
}

bool BatteryWnd::openFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    FileReading reading;
    FileProblem problem;
    if (!readBatteryFile(QFileInfo(path).absoluteFilePath().toStdString(), reading, problem)) {
        const QString message = Words::fileProblem(name, problem);
        showStatus(message);
        fw::MsgBox(message.toStdString());
        return false;
    }
    const std::string person = reading.sheet.id.person;
    // A file of several people stays theirs, and one whose names were cut
    // keeps them whole: saving asks for a new name.
    replaceSheet(std::move(reading.sheet), path, !reading.severalPeople && reading.cutColumns.empty());
    rememberRecent(path);
    if (!reading.cutColumns.empty()) {
        QStringList columns;
        for (const std::string &column : reading.cutColumns)
            columns << QString::fromStdString(column);
        const QString message = tr("In %1, %2 runs past %3 characters; the first %3 are open. Save asks for a new "
                                   "file name, so that the file keeps the whole text.")
                                    .arg(name, columns.join(QStringLiteral(", ")))
                                    .arg(report::kLongestIdPart);
        showStatus(message);
        fw::MsgBox(message.toStdString());
    }
    if (reading.severalPeople) {
        const QString message =
            tr("%1 holds the scores of several people. The first, %2, is open. Save asks for a new file name, "
               "so that the file keeps the others.")
                .arg(name, person.empty() ? tr("without a name") : QString::fromStdString(person));
        showStatus(message);
        fw::MsgBox(message.toStdString());
    }
    return true;
}

void BatteryWnd::replaceSheet(Sheet sheet, const QString &path, bool bound)
{
    m_undo.clear();
    m_model->resetSheet(std::move(sheet));
    m_path = bound ? QFileInfo(path).absoluteFilePath() : QString();
    noteFileState();
    updateTitle();
    showStatus(QString());
    selectCell(0, 0);
}

bool BatteryWnd::_SaveAction()
{
    saveOrAsk();
    return true;
}

bool BatteryWnd::saveOrAsk()
{
    if (m_path.isEmpty())
        return _SaveAsAction();
    return saveTo(m_path);
}

bool BatteryWnd::_SaveAsAction()
{
    // Named as Export PDF names the sheet: the person or code and the date of testing.
    const QString suggested = m_path.isEmpty()
        ? QDir::home().filePath(QFileInfo(suggestedPdfName(m_model->sheet())).completeBaseName()
                                + QStringLiteral(".csv"))
        : m_path;
    QString path = fw::GetSaveFileName(this, tr("Save Battery"), suggested, fileFilters());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    return saveTo(path);
}

bool BatteryWnd::saveTo(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString name = QFileInfo(path).fileName();
    if (absolute == m_path && changedOnDisk()) {
        switch (fw::Ask(tr("%1 has changed on disk since it was opened.").arg(name),
                        tr("Overwrite it with this sheet, or save the sheet under another name and keep both?"),
                        tr("&Overwrite"), tr("Save &As\u2026"))) {
        case fw::Answer::Yes:
            break;
        case fw::Answer::No:
            return _SaveAsAction();
        case fw::Answer::Cancel:
            return false;
        }
    }
    FileProblem problem;
    if (!writeBatteryFile(absolute, m_model->sheet(), problem, readFiles(false))) {
        const QString message = Words::fileProblem(name, problem);
        showStatus(message);
        fw::MsgBox(message.toStdString());
        return false;
    }
    m_path = absolute;
    noteFileState();
    m_undo.setClean();
    rememberRecent(absolute);
    updateTitle();
    showStatus(tr("Saved %1.").arg(name));
    return true;
}

void BatteryWnd::noteFileState()
{
    const QFileInfo info(m_path);
    m_fileTime = m_path.isEmpty() ? QDateTime() : info.lastModified();
    m_fileSize = m_path.isEmpty() ? -1 : info.size();
}

// Written by someone else since: its time or its size is not what it was.
// A file that has gone since loses nothing by being written again.
bool BatteryWnd::changedOnDisk() const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo info(m_path);
    return info.exists() && (info.lastModified() != m_fileTime || info.size() != m_fileSize);
}

QStringList BatteryWnd::recentFiles() const
{
    return m_recent;
}

void BatteryWnd::rememberRecent(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    m_recent = m_recent.mid(0, int(std::size(item::kRecent)));
    QSettings().setValue(kRecentKey, m_recent);
    showRecentFiles();
}

// The recent files' slots in the File menu: "1 name.csv", the path in the tip.
void BatteryWnd::showRecentFiles()
{
    if (m_recent.isEmpty())
        m_recent = QSettings().value(kRecentKey).toStringList().mid(0, int(std::size(item::kRecent)));
    const QStringList recent = recentFiles();
    for (int slot = 0; slot < int(std::size(item::kRecent)); ++slot) {
        fw::MenuItem *entry = fw::menuItem(item::kRecent[slot]);
        if (!entry)
            continue;
        const bool used = slot < recent.size();
        if (used) {
            QString name = QFileInfo(recent[slot]).fileName();
            entry->SetText(QStringLiteral("&%1 %2").arg(slot + 1).arg(name.replace(QLatin1Char('&'), QStringLiteral("&&")))
                               .toStdString());
            entry->action()->setToolTip(recent[slot]);
        }
        entry->action()->setVisible(used);
    }
}

} // namespace battery
