// The scores table: the sheet's score cells, editable, then the figures
// worked out for each score. One row more than the sheet has, empty, takes
// a new score as it is typed. Every change to the cells goes through the
// undo stack; the commands (sheet_commands.h) call the mutators below.
#pragma once

#include "battery_window/sheet.h"
#include "battery_window/sheet_results.h"
#include "profile/analysis.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

class QUndoStack;

namespace battery {

// The worked-out columns, after the score columns.
enum ResultColumn {
    kMetricColumn = kInputColumns,
    kPercentileColumn,
    kDescriptorColumn,
    kCiLowColumn,
    kCiHighColumn,
    kDeviationColumn,
    kCriticalColumn,
    kMarkColumn,
    kBaseRateColumn,
    kBaseRateEitherColumn,
    kRetestColumn,
    kRciColumn,
    kChangeColumn,
    // Change by regression on a retest study: the chosen method's figures.
    kPredictedColumn,
    kChangeZColumn,
    kChangeTColumn,
    kChangePColumn,
    kChangePercentColumn,
    kChangePercentLowColumn,
    kChangePercentHighColumn,
    kColumnCount
};

// The figure a worked-out column shows, for its explanation.
profile::Item itemOfColumn(int column);
// Whether a column holds numbers (right-aligned, never cut short on
// screen) rather than words.
bool isNumberColumn(int column);

struct CellChange {
    int row = 0, column = 0;
    std::string before, after;
};

class ScoresModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ScoresModel(QUndoStack *stack, QObject *parent = nullptr);

    const Sheet &sheet() const { return m_sheet; }
    // A new document: no undo reaches back past it.
    void resetSheet(Sheet sheet);
    void setResults(const SheetResults *results);
    // Captions that follow the settings.
    void setCaptions(const QString &metric, double confidence);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Pushes an undoable edit.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The row that takes a new score, or -1 when the sheet is full.
    int typingRow() const { return m_typingRow ? int(m_sheet.rows.size()) : -1; }
    bool isInputColumn(int column) const { return column >= 0 && column < kInputColumns; }
    // The text a cell holds, as copied: the typed text of a score cell, the
    // figure of a worked-out one.
    QString cellText(int row, int column) const;

    // For the commands: every change to the sheet passes here.
    void applyCells(const std::vector<CellChange> &changes, bool forward);
    void resizeSheet(int rows);
    void insertSheetRows(int at, const std::vector<SheetRow> &rows);
    std::vector<SheetRow> takeSheetRows(int at, int count);
    void moveSheetRows(int first, int count, int to);
    void setIdentification(const Identification &id);

signals:
    // After every change to the cells; the figures are stale until
    // setResults.
    void sheetChanged();
    // Where a change happened, for the view to show it.
    void touched(int row, int column);

private:
    QVariant inputData(int row, int column, int role) const;
    QString shownNumberCell(const std::string &cell) const;
    QVariant resultData(int row, int column, int role) const;
    const CellMark *markAt(int row, int column) const;
    void updateTypingRow();
    void changed(int fromRow, int toRow);

    QUndoStack *m_stack;
    Sheet m_sheet;
    bool m_typingRow = true;
    const SheetResults *m_results = nullptr;
    QString m_metric;
    double m_confidence = 95;
    QIcon m_warning;
};

} // namespace battery
