#include "battery_window/sheet_commands.h"

#include <algorithm>

namespace battery {

SetCellsCommand::SetCellsCommand(ScoresModel *model, std::vector<CellChange> changes, int rows, const QString &text)
    : QUndoCommand(text), m_model(model), m_changes(std::move(changes)),
      m_rowsBefore(int(model->sheet().rows.size())), m_rowsAfter(std::max(rows, m_rowsBefore))
{
}

void SetCellsCommand::redo()
{
    m_model->resizeSheet(m_rowsAfter);
    m_model->applyCells(m_changes, true);
}

void SetCellsCommand::undo()
{
    m_model->applyCells(m_changes, false);
    m_model->resizeSheet(m_rowsBefore);
}

InsertRowsCommand::InsertRowsCommand(ScoresModel *model, int at, int count, const QString &text)
    : QUndoCommand(text), m_model(model), m_at(at), m_count(count)
{
}

void InsertRowsCommand::redo()
{
    m_model->insertSheetRows(m_at, std::vector<SheetRow>(std::size_t(m_count)));
}

void InsertRowsCommand::undo()
{
    m_model->takeSheetRows(m_at, m_count);
}

RemoveRowsCommand::RemoveRowsCommand(ScoresModel *model, std::vector<int> rows, const QString &text)
    : QUndoCommand(text), m_model(model), m_rows(std::move(rows))
{
    std::sort(m_rows.begin(), m_rows.end());
}

void RemoveRowsCommand::redo()
{
    m_removed.assign(m_rows.size(), SheetRow{});
    // From the bottom, so the rows above keep their places.
    for (std::size_t i = m_rows.size(); i-- > 0;)
        m_removed[i] = std::move(m_model->takeSheetRows(m_rows[i], 1).front());
}

void RemoveRowsCommand::undo()
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_model->insertSheetRows(m_rows[i], {m_removed[i]});
}

MoveRowsCommand::MoveRowsCommand(ScoresModel *model, int first, int count, int by, const QString &text)
    : QUndoCommand(text), m_model(model), m_first(first), m_count(count), m_by(by)
{
}

void MoveRowsCommand::redo()
{
    m_model->moveSheetRows(m_first, m_count, m_first + m_by);
}

void MoveRowsCommand::undo()
{
    m_model->moveSheetRows(m_first + m_by, m_count, m_first);
}

IdentificationCommand::IdentificationCommand(ScoresModel *model, Identification before, Identification after,
                                             const QString &text)
    : QUndoCommand(text), m_model(model), m_before(std::move(before)), m_after(std::move(after))
{
}

void IdentificationCommand::redo()
{
    m_model->setIdentification(m_after);
}

void IdentificationCommand::undo()
{
    m_model->setIdentification(m_before);
}

// Which one part differs between before and after; -1 for none or several.
int IdentificationCommand::changedPart() const
{
    const std::string Identification::*parts[] = {&Identification::person, &Identification::birthDate,
                                                  &Identification::testDate, &Identification::battery,
                                                  &Identification::examiner};
    int changed = -1;
    for (int i = 0; i < int(std::size(parts)); ++i)
        if (m_before.*parts[i] != m_after.*parts[i]) {
            if (changed >= 0)
                return -1;
            changed = i;
        }
    return changed;
}

bool IdentificationCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const IdentificationCommand *>(other);
    if (changedPart() < 0 || next->changedPart() != changedPart())
        return false;
    m_after = next->m_after;
    return true;
}

} // namespace battery
