// Editing the scores table: typing, pasting, cutting and copying cells,
// inserting, deleting and moving rows, undo and redo; and the menu items
// the Battery Sheet offers while it is in front.
#include "battery_window/battery_wnd.h"

#include "battery_window/battery_items.h"
#include "battery_window/paste_block.h"
#include "battery_window/scores_model.h"
#include "battery_window/sheet_commands.h"
#include "battery_window/words.h"
#include "framework/edit_commands.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"
#include "framework/message_box.h"
#include "report_window/report_items.h"
#include "text/ascii.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTableView>
#include <QTextBrowser>

#include <algorithm>
#include <set>

namespace battery {

namespace {

bool showWindow(const char *className)
{
    if (fw::Window *window = fw::implicitWindow(className))
        window->Show();
    return false;
}

QLineEdit *writableField(QWidget *focus)
{
    auto *field = qobject_cast<QLineEdit *>(focus);
    return field && !field->isReadOnly() ? field : nullptr;
}

} // namespace

void BatteryWnd::AddMenuHandlers()
{
    auto on = [this](std::string_view name, std::function<bool()> handler) {
        registerMenuHandler(std::string(name), std::move(handler));
    };
    on("ControlMenuItem", [] { return showWindow("ControlWnd"); });
    on("DescriptionMenuItem", [] { return showWindow("DescriptionWnd"); });
    on(item::kNew, [this] { return _NewAction(); });
    on(item::kOpen, [this] { return _OpenAction(); });
    for (int slot = 0; slot < int(std::size(item::kRecent)); ++slot)
        on(item::kRecent[slot], [this, slot] { return _OpenRecentAction(slot); });
    on(item::kSave, [this] { return _SaveAction(); });
    on(item::kSaveAs, [this] { return _SaveAsAction(); });
    on(item::kLoadCorrelations, [this] {
        correlationsBtn_Clicked();
        return true;
    });
    on(report::item::kExportPdf, [this] { return _ExportPdfAction(); });
    on(report::item::kExportDocument, [this] { return _ExportDocumentAction(); });
    on(report::item::kPrint, [this] { return _PrintAction(); });
    on(fw::kEditUndo, [this] { return _UndoAction(); });
    on(item::kRedo, [this] { return _RedoAction(); });
    on(fw::kEditCut, [this] { return _CutAction(); });
    on(fw::kEditCopy, [this] { return _CopyAction(); });
    on(fw::kEditPaste, [this] { return _PasteAction(); });
    on(item::kInsertRow, [this] { return _InsertRowAction(); });
    on(item::kDeleteRow, [this] { return _DeleteRowAction(); });
    on(item::kMoveUp, [this] { return _MoveRowAction(-1); });
    on(item::kMoveDown, [this] { return _MoveRowAction(1); });
    on(item::kEditCorrelations, [this] {
        editCorrelationsBtn_Clicked();
        return true;
    });
    on(item::kShowSampleColumns, [this] {
        m_showSampleColumns = !m_showSampleColumns;
        showSampleColumns();
        updateMenus();
        return true;
    });
    on(report::item::kCopyTable, [this] { return _CopyTableAction(); });
    on(report::item::kSavePicture, [this] { return _SavePictureAction(); });
    on(report::item::kPrintReport, [this] { return _PrintAction(); });
    // Unsaved changes are asked about as the window's close button asks.
    on(report::item::kClose, [this] {
        close();
        return true;
    });
}

void BatteryWnd::EnableMenuItems()
{
    if (m_closing)
        return;
    auto enable = [](std::string_view name, bool on) { fw::enableMenuItem(name, on); };
    for (const char *name : {"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem", item::kNew, item::kOpen,
                             item::kSave, item::kSaveAs, report::item::kExportPdf, report::item::kExportDocument,
                             report::item::kPrint, report::item::kCopyTable, report::item::kSavePicture,
                             report::item::kPrintReport, report::item::kClose, item::kEditCorrelations,
                             item::kLoadCorrelations, item::kShowSampleColumns})
        enable(name, true);
    if (fw::MenuItem *shown = fw::menuItem(item::kShowSampleColumns))
        shown->action()->setChecked(m_showSampleColumns);
    const QStringList recent = recentFiles();
    for (int slot = 0; slot < int(std::size(item::kRecent)); ++slot)
        enable(item::kRecent[slot], slot < recent.size());

    // A text field being typed in keeps its own editing.
    QWidget *focus = keyWidget();
    if (QLineEdit *field = writableField(focus)) {
        enable(item::kRedo, field->isRedoAvailable());
        return;
    }
    enable(fw::kEditUndo, m_undo.canUndo());
    enable(item::kRedo, m_undo.canRedo());
    const bool scores = tableHasFocus();
    QAbstractItemView *table = focusedTable();
    const bool inTable = table && (table->hasFocus() || table->isAncestorOf(focus));
    const bool cells = inTable && table->selectionModel()->hasSelection();
    if (!fw::EditCommands::available(fw::kEditCopy, focus))
        enable(fw::kEditCopy, cells);
    enable(fw::kEditCut, scores && cells);
    enable(fw::kEditPaste, scores && !QGuiApplication::clipboard()->text().isEmpty());
    const std::vector<int> rows = selectedSheetRows();
    enable(item::kInsertRow, scores && m_model->sheet().rows.size() < kMaxScores);
    enable(item::kDeleteRow, scores && !rows.empty());
    const bool block = !rows.empty() && rows.back() - rows.front() + 1 == int(rows.size());
    enable(item::kMoveUp, scores && block && rows.front() > 0);
    enable(item::kMoveDown, scores && block && rows.back() + 1 < int(m_model->sheet().rows.size()));
}

// A cell's editor is open and has the keys.
bool BatteryWnd::editingCell() const
{
    QWidget *focus = keyWidget();
    return focus && focus != m_scores && m_scores->isAncestorOf(focus);
}

bool BatteryWnd::tableHasFocus() const
{
    QWidget *focus = keyWidget();
    return focus && (focus == m_scores || m_scores->isAncestorOf(focus));
}

// The sheet's rows the selection touches, ascending; the new-score row is none.
std::vector<int> BatteryWnd::selectedSheetRows() const
{
    std::set<int> rows;
    for (const QModelIndex &index : m_scores->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (m_scores->currentIndex().isValid())
        rows.insert(m_scores->currentIndex().row());
    std::vector<int> sheetRows;
    for (int row : rows)
        if (row < int(m_model->sheet().rows.size()))
            sheetRows.push_back(row);
    return sheetRows;
}

void BatteryWnd::selectCell(int row, int column)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const int at = column >= 0 ? column : std::max(0, m_scores->currentIndex().column());
    m_scores->selectionModel()->setCurrentIndex(m_model->index(row, at), QItemSelectionModel::ClearAndSelect);
}

bool BatteryWnd::_UndoAction()
{
    m_undo.undo();
    return true;
}

bool BatteryWnd::_RedoAction()
{
    if (QLineEdit *field = writableField(keyWidget()))
        field->redo();
    else
        m_undo.redo();
    return true;
}

bool BatteryWnd::_CopyAction()
{
    QAbstractItemView *table = focusedTable();
    const QModelIndexList selected = table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return true;
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex &index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QString text, html = QStringLiteral("<table>");
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        html += QStringLiteral("<tr>");
        for (int column = left; column <= right; ++column) {
            const QModelIndex index = table->model()->index(row, column);
            // A number typed in goes as typed, so it pastes back into the sheet.
            const bool typed = table == m_scores && column < kInputColumns && column != int(profile::Field::Scale);
            const QString cell = table->selectionModel()->isSelected(index)
                ? index.data(typed ? Qt::EditRole : Qt::DisplayRole).toString()
                : QString();
            cells << cell;
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

bool BatteryWnd::_CutAction()
{
    if (!tableHasFocus())
        return true;
    _CopyAction();
    clearSelectedCells();
    return true;
}

void BatteryWnd::clearSelectedCells()
{
    std::vector<CellChange> changes;
    for (const QModelIndex &index : m_scores->selectionModel()->selectedIndexes()) {
        if (index.column() >= kInputColumns || index.row() >= int(m_model->sheet().rows.size()))
            continue;
        const std::string &before = m_model->sheet().rows[std::size_t(index.row())].cells[std::size_t(index.column())];
        if (!before.empty())
            changes.push_back({index.row(), index.column(), before, std::string()});
    }
    if (!changes.empty())
        m_undo.push(new SetCellsCommand(m_model, std::move(changes), 0, tr("Clear Cells")));
}

bool BatteryWnd::_PasteAction()
{
    pasteText(QGuiApplication::clipboard()->text());
    return true;
}

void BatteryWnd::pasteText(const QString &text)
{
    ColumnAliases aliases;
    for (int field = 0; field < kInputColumns; ++field)
        aliases[std::size_t(field)].push_back(text::lowerAscii(Words::column(profile::Field(field)).toStdString()));
    PasteBlock block;
    const PasteProblem problem = readPaste(text.toStdString(), m_model->sheet().shape.decimalMark(), aliases, block);
    if (problem.kind != PasteProblem::None) {
        showStatus(Words::pasteProblem(problem));
        fw::MsgBox(Words::pasteProblem(problem).toStdString());
        return;
    }
    const QModelIndex current = m_scores->currentIndex();
    const int sheetRows = int(m_model->sheet().rows.size());
    const int firstRow = current.isValid() ? std::min(current.row(), sheetRows) : sheetRows;
    const int firstColumn = !block.header && current.isValid() && current.column() < kInputColumns ? current.column() : 0;
    const int rowsAfter = firstRow + int(block.rows.size());
    if (rowsAfter > int(kMaxScores)) {
        const QString message = tr("Pasted here, the %1 rows would take the sheet past %2 scores. Nothing was pasted.")
                                    .arg(block.rows.size())
                                    .arg(kMaxScores);
        showStatus(message);
        fw::MsgBox(message.toStdString());
        return;
    }
    std::vector<CellChange> changes;
    int dropped = 0;
    for (int r = 0; r < int(block.rows.size()); ++r) {
        const std::vector<std::string> &cells = block.rows[std::size_t(r)];
        for (int c = 0; c < int(cells.size()); ++c) {
            const int column = block.header ? (c < int(block.columns.size()) ? block.columns[std::size_t(c)] : -1)
                                            : firstColumn + c;
            if (column < 0 || column >= kInputColumns) {
                dropped += !block.header && !text::trimmed(cells[std::size_t(c)]).empty();
                continue;
            }
            const int row = firstRow + r;
            std::string after = column == int(profile::Field::Scale) ? normalScale(cells[std::size_t(c)])
                                                                       : cells[std::size_t(c)];
            const std::string before = row < sheetRows ? m_model->sheet().rows[std::size_t(row)].cells[std::size_t(column)]
                                                       : std::string();
            if (after != before)
                changes.push_back({row, column, before, std::move(after)});
        }
    }
    if (!changes.empty())
        m_undo.push(new SetCellsCommand(m_model, std::move(changes), rowsAfter, tr("Paste")));

    int marked = 0;
    for (int row = firstRow; row < rowsAfter && row < int(m_results.marks.size()); ++row)
        for (const CellMark &mark : m_results.marks[std::size_t(row)])
            marked += mark.refused;
    QStringList said{block.rows.size() == 1 ? tr("Pasted 1 row.") : tr("Pasted %1 rows.").arg(block.rows.size())};
    if (marked > 0)
        said << (marked == 1 ? tr("1 cell cannot be used; it is marked, with the reason in its tip.")
                             : tr("%1 cells cannot be used; they are marked, with the reason in their tips.").arg(marked));
    QStringList unused;
    for (const std::string &name : block.unusedColumns) {
        const QString caption = QString::fromStdString(name).trimmed();
        bool shown = false; // a worked-out column of this table, copied and pasted back
        for (int column = kInputColumns; column < kColumnCount; ++column)
            shown |= caption.compare(m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                                     Qt::CaseInsensitive) == 0;
        if (!shown)
            unused << caption;
    }
    if (!unused.isEmpty())
        said << tr("Columns not used: %1.").arg(unused.join(QStringLiteral(", ")));
    if (dropped > 0)
        said << tr("%1 cells beyond the Group column were not pasted.").arg(dropped);
    showStatus(said.join(QLatin1Char(' ')));

    // The pasted block selected, so that it can be seen and undone at once.
    QItemSelection pasted(m_model->index(firstRow, block.header ? 0 : firstColumn),
                          m_model->index(std::min(rowsAfter, m_model->rowCount()) - 1,
                                         block.header ? kInputColumns - 1
                                                      : std::min(kInputColumns - 1, firstColumn + int(block.width) - 1)));
    m_scores->selectionModel()->setCurrentIndex(m_model->index(firstRow, block.header ? 0 : firstColumn),
                                                QItemSelectionModel::NoUpdate);
    m_scores->selectionModel()->select(pasted, QItemSelectionModel::ClearAndSelect);
}

bool BatteryWnd::_InsertRowAction()
{
    if (m_model->sheet().rows.size() >= kMaxScores)
        return true;
    if (editingCell())
        m_scores->setFocus(); // the cell being typed is kept first
    const std::vector<int> rows = selectedSheetRows();
    const int at = rows.empty() ? int(m_model->sheet().rows.size()) : rows.front();
    m_undo.push(new InsertRowsCommand(m_model, at, 1, tr("Insert Row")));
    selectCell(at, 0);
    return true;
}

bool BatteryWnd::_DeleteRowAction()
{
    const std::vector<int> rows = selectedSheetRows();
    if (rows.empty())
        return true;
    m_undo.push(new RemoveRowsCommand(m_model, rows, rows.size() == 1 ? tr("Delete Row") : tr("Delete Rows")));
    return true;
}

bool BatteryWnd::_MoveRowAction(int by)
{
    if (editingCell())
        m_scores->setFocus();
    const std::vector<int> rows = selectedSheetRows();
    if (rows.empty() || rows.back() - rows.front() + 1 != int(rows.size()))
        return true;
    const int first = rows.front(), count = int(rows.size());
    if (first + by < 0 || first + count + by > int(m_model->sheet().rows.size()))
        return true;
    const int column = std::max(0, m_scores->currentIndex().column());
    m_undo.push(new MoveRowsCommand(m_model, first, count, by, count == 1 ? tr("Move Row") : tr("Move Rows")));
    m_scores->selectionModel()->setCurrentIndex(m_model->index(first + by, column), QItemSelectionModel::NoUpdate);
    m_scores->selectionModel()->select(QItemSelection(m_model->index(first + by, 0),
                                                      m_model->index(first + by + count - 1, kColumnCount - 1)),
                                       QItemSelectionModel::ClearAndSelect);
    return true;
}

QWidget *BatteryWnd::keyWidget() const
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && !qobject_cast<QMenuBar *>(focus) && !qobject_cast<QMenu *>(focus))
        return focus;
    return m_lastFocus;
}

bool BatteryWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (m_closing)
        return false;
    if (event->type() == QEvent::FocusIn) {
        if (auto *table = qobject_cast<QAbstractItemView *>(watched); table && table != m_lastTable) {
            m_lastTable = table;
            showHow();
        }
    } else if (watched == m_scores && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Delete and Backspace empty the selected cells, as in a spreadsheet;
        // rows go with Ctrl+minus.
        if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) && key->modifiers() == Qt::NoModifier
            && !editingCell()) {
            clearSelectedCells();
            return true;
        }
        // Tab moves between the cells, as in a spreadsheet; Ctrl+Tab leaves the table.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return fw::Window::eventFilter(watched, event);
}

} // namespace battery
