// The undoable steps of the scores table: cells edited or pasted (rows
// added at the end as needed), rows inserted, deleted and moved, and the
// identification changed. Each applies itself through the ScoresModel.
#pragma once

#include "battery_window/scores_model.h"

#include <QUndoCommand>

#include <vector>

namespace battery {

class SetCellsCommand : public QUndoCommand {
public:
    // The sheet grows to `rows` rows first when it has fewer.
    SetCellsCommand(ScoresModel *model, std::vector<CellChange> changes, int rows, const QString &text);
    void redo() override;
    void undo() override;

private:
    ScoresModel *m_model;
    std::vector<CellChange> m_changes;
    int m_rowsBefore, m_rowsAfter;
};

class InsertRowsCommand : public QUndoCommand {
public:
    InsertRowsCommand(ScoresModel *model, int at, int count, const QString &text);
    void redo() override;
    void undo() override;

private:
    ScoresModel *m_model;
    int m_at, m_count;
};

class RemoveRowsCommand : public QUndoCommand {
public:
    // rows: in any order, each once, all rows of the sheet.
    RemoveRowsCommand(ScoresModel *model, std::vector<int> rows, const QString &text);
    void redo() override;
    void undo() override;

private:
    ScoresModel *m_model;
    std::vector<int> m_rows; // ascending
    std::vector<SheetRow> m_removed;
};

class MoveRowsCommand : public QUndoCommand {
public:
    // Rows first..first+count-1 move by `by` places (-1 up, +1 down).
    MoveRowsCommand(ScoresModel *model, int first, int count, int by, const QString &text);
    void redo() override;
    void undo() override;

private:
    ScoresModel *m_model;
    int m_first, m_count, m_by;
};

class IdentificationCommand : public QUndoCommand {
public:
    IdentificationCommand(ScoresModel *model, Identification before, Identification after, const QString &text);
    void redo() override;
    void undo() override;
    // Typing on in one field is one step.
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    int changedPart() const;
    ScoresModel *m_model;
    Identification m_before, m_after;
};

} // namespace battery
