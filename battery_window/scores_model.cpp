#include "battery_window/scores_model.h"

#include "battery_window/numbers.h"
#include "battery_window/paste_block.h"
#include "battery_window/score_columns.h"
#include "battery_window/sheet_commands.h"
#include "battery_window/words.h"
#include "conversion/scales.h"
#include "text/plain_number.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStyle>
#include <QUndoStack>

#include <algorithm>

namespace battery {

namespace {

// Light enough to read black text on, and told apart in greyscale by the
// icon and the text, not the colour alone.
const QColor kRefused(0xF6, 0xD5, 0xD3);
const QColor kNote(0xFF, 0xF1, 0xC7);
const QColor kWorkedOut(0xF2, 0xF2, 0xF2);
const QColor kRefusedText(0x8B, 0x00, 0x00);

static_assert(kScoreColumnCount == std::size_t(kColumnCount - kInputColumns));

const ScoreColumn *resultColumn(int column)
{
    return column >= kInputColumns && column < kColumnCount ? &kScoreColumns[column - kInputColumns] : nullptr;
}

} // namespace

// The sheet's own columns: words for the name, the scale, the group and the set.
bool isNumberColumn(int column)
{
    if (const ScoreColumn *record = resultColumn(column))
        return record->number;
    return column != int(profile::Field::Name) && column != int(profile::Field::Scale)
        && column != int(profile::Field::Group) && column != int(profile::Field::Set);
}

profile::Item itemOfColumn(int column)
{
    const ScoreColumn *record = resultColumn(column);
    return record ? record->item : profile::Item::Z; // the score as given: how it became a z
}

ScoresModel::ScoresModel(QUndoStack *stack, QObject *parent)
    : QAbstractTableModel(parent), m_stack(stack),
      m_warning(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
{
}

void ScoresModel::resetSheet(Sheet sheet)
{
    beginResetModel();
    m_sheet = std::move(sheet);
    m_typingRow = m_sheet.rows.size() < kMaxScores;
    m_results = nullptr;
    endResetModel();
    emit sheetChanged();
}

void ScoresModel::setResults(const SheetResults *results)
{
    m_results = results;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void ScoresModel::setCaptions(const QString &metric, double confidence)
{
    m_metric = metric;
    m_confidence = confidence;
    emit headerDataChanged(Qt::Horizontal, kMetricColumn, kColumnCount - 1);
}

int ScoresModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sheet.rows.size()) + (m_typingRow ? 1 : 0);
}

int ScoresModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

const CellMark *ScoresModel::markAt(int row, int column) const
{
    if (!m_results || column >= kInputColumns || row >= int(m_results->marks.size()))
        return nullptr;
    const CellMark &mark = m_results->marks[std::size_t(row)][std::size_t(column)];
    return mark.reason.isEmpty() ? nullptr : &mark;
}

QVariant ScoresModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (isNumberColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    if (index.column() < kInputColumns)
        return inputData(index.row(), index.column(), role);
    return resultData(index.row(), index.column(), role);
}

QVariant ScoresModel::inputData(int row, int column, int role) const
{
    if (row >= int(m_sheet.rows.size()))
        return role == Qt::ToolTipRole && column == 0 ? tr("Type a new score here.") : QVariant();
    const std::string &cell = m_sheet.rows[std::size_t(row)].cells[std::size_t(column)];
    const CellMark *mark = markAt(row, column);
    switch (role) {
    case Qt::DisplayRole:
        if (column == int(profile::Field::Scale))
            return Words::scale(cell);
        if (isNumberColumn(column))
            return shownNumberCell(cell);
        return QString::fromStdString(cell);
    case Qt::EditRole:
        return QString::fromStdString(cell);
    case Qt::ToolTipRole:
        // Words may be cut short in their column: the tip holds them whole.
        if (!mark && !isNumberColumn(column))
            return column == int(profile::Field::Scale) ? Words::scale(cell) : QString::fromStdString(cell);
        return mark ? mark->reason : QVariant();
    case Qt::AccessibleDescriptionRole:
        return mark ? mark->reason : QVariant();
    case Qt::DecorationRole:
        return mark && mark->refused ? m_warning : QVariant();
    case Qt::BackgroundRole:
        if (mark)
            return QBrush(mark->refused ? kRefused : kNote);
        return {};
    case Qt::ForegroundRole:
        return mark && mark->refused ? QBrush(kRefusedText) : QVariant();
    default:
        return {};
    }
}

namespace {

// The figure behind a worked-out column; S/W stands on its deviation and
// Change on its RCI.
const profile::Figure *figureOf(const profile::ScoreResult &result, int column)
{
    switch (column) {
    case kMetricColumn: return &result.metric;
    case kPercentileColumn: return &result.percentileRank;
    case kCiLowColumn: return &result.ciLow;
    case kCiHighColumn: return &result.ciHigh;
    case kDeviationColumn:
    case kMarkColumn: return &result.deviation;
    case kCriticalColumn: return &result.deviationCritical;
    case kBaseRateColumn: return &result.deviationBaseRate;
    case kBaseRateEitherColumn: return &result.deviationBaseRateEither;
    case kRetestColumn: return &result.retest;
    case kRciColumn:
    case kChangeColumn: return &result.rci;
    default: return nullptr;
    }
}

} // namespace

QVariant ScoresModel::resultData(int row, int column, int role) const
{
    if (role == Qt::BackgroundRole)
        return QBrush(kWorkedOut);
    const profile::ScoreResult *result = m_results ? m_results->scoreOfRow(row) : nullptr;
    if (!result)
        return {};
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        if (result->problem)
            return Words::missing(profile::Missing::Refused);
        const ScoreColumn *record = resultColumn(column);
        if (record && result->deviation.missing == profile::Missing::TooFewScores
            && (record->item == profile::Item::Deviation || record->item == profile::Item::DeviationCritical
                || record->item == profile::Item::StrengthWeakness
                || record->item == profile::Item::DeviationBaseRate)) {
            const profile::Analysis::ComparisonSet &set =
                m_results->analysis.sets[std::size_t(result->set)];
            return Words::tooFewInSet(set.name, set.count());
        }
        const QString shown = record ? record->cell(*result, *m_results, Writing::Screen) : QString();
        // An empty figure says what it waits for: a reliability, correlations.
        if (shown.isEmpty()) {
            const profile::Figure *figure = figureOf(*result, column);
            return figure ? Words::missing(figure->missing) : QVariant();
        }
        if (role == Qt::ToolTipRole && record && !record->number)
            return shown;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (result->problem)
        return {};
    const ScoreColumn *record = resultColumn(column);
    return record ? record->cell(*result, *m_results, Writing::Screen) : QVariant();
}

// A number typed or read in the file's form ("0.90" from a file with
// points) as the window writes numbers ("0,90" in German); anything else,
// as it is. Editing and copying keep the cell's own text.
QString ScoresModel::shownNumberCell(const std::string &cell) const
{
    std::string number;
    if (!text::readPlainNumber(cell, {m_sheet.shape.decimalMark(), true}, number))
        return QString::fromStdString(cell);
    return numbers::screen(number);
}

QString ScoresModel::cellText(int row, int column) const
{
    return data(index(row, column), Qt::DisplayRole).toString();
}

QVariant ScoresModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        if (section >= int(m_sheet.rows.size()))
            return role == Qt::DisplayRole ? QStringLiteral("*") : tr("New score");
        return QString::number(section + 1);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const bool tip = role == Qt::ToolTipRole;
    if (section == int(profile::Field::Set) && tip)
        return tr("The comparison set: a score's deviation, strength or weakness is taken "
                  "against the mean of the scores in its set. Scores with no set are one set.");
    if (section < kInputColumns)
        return tip ? QVariant() : Words::column(profile::Field(section));
    const ScoreColumn *record = resultColumn(section);
    if (!record)
        return {};
    const QString level = numbers::plain(m_confidence);
    return tip ? record->tip(m_metric, level) : record->head(m_metric, level);
}

Qt::ItemFlags ScoresModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() < kInputColumns)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ScoresModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= kInputColumns)
        return false;
    std::string text = value.toString().toStdString();
    if (text.size() > kMaxCellBytes)
        return false;
    if (index.column() == int(profile::Field::Scale))
        text = normalScale(text);
    const int row = index.row();
    const std::string before = row < int(m_sheet.rows.size())
        ? m_sheet.rows[std::size_t(row)].cells[std::size_t(index.column())] : std::string();
    if (text == before)
        return false;
    // Nothing typed into the new-score row leaves it as it was.
    if (row >= int(m_sheet.rows.size()) && text.empty())
        return false;
    m_stack->push(new SetCellsCommand(this, {{row, index.column(), before, text}}, row + 1,
                                      tr("Edit %1").arg(Words::column(profile::Field(index.column())))));
    return true;
}

void ScoresModel::changed(int fromRow, int toRow)
{
    if (fromRow <= toRow)
        emit dataChanged(index(fromRow, 0), index(toRow, kColumnCount - 1));
    emit sheetChanged();
}

void ScoresModel::applyCells(const std::vector<CellChange> &changes, bool forward)
{
    if (changes.empty())
        return;
    int first = changes.front().row, last = first;
    for (const CellChange &change : changes) {
        m_sheet.rows[std::size_t(change.row)].cells[std::size_t(change.column)] = forward ? change.after : change.before;
        first = std::min(first, change.row);
        last = std::max(last, change.row);
    }
    changed(first, last);
    emit touched(changes.front().row, changes.front().column);
}

void ScoresModel::updateTypingRow()
{
    const bool wanted = m_sheet.rows.size() < kMaxScores;
    if (wanted == m_typingRow)
        return;
    const int at = int(m_sheet.rows.size());
    if (wanted) {
        beginInsertRows({}, at, at);
        m_typingRow = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, at, at);
        m_typingRow = false;
        endRemoveRows();
    }
}

void ScoresModel::resizeSheet(int rows)
{
    const int had = int(m_sheet.rows.size());
    if (rows > had) {
        // The new-score row becomes a score row; rows below it are new.
        beginInsertRows({}, had + (m_typingRow ? 1 : 0), rows - 1 + (m_typingRow ? 1 : 0));
        m_sheet.rows.resize(std::size_t(rows));
        endInsertRows();
    } else if (rows < had) {
        beginRemoveRows({}, rows, had - 1);
        m_sheet.rows.resize(std::size_t(rows));
        endRemoveRows();
    }
    updateTypingRow();
}

void ScoresModel::insertSheetRows(int at, const std::vector<SheetRow> &rows)
{
    if (rows.empty())
        return;
    beginInsertRows({}, at, at + int(rows.size()) - 1);
    m_sheet.rows.insert(m_sheet.rows.begin() + at, rows.begin(), rows.end());
    endInsertRows();
    updateTypingRow();
    changed(at, at + int(rows.size()) - 1);
    emit touched(at, -1);
}

std::vector<SheetRow> ScoresModel::takeSheetRows(int at, int count)
{
    beginRemoveRows({}, at, at + count - 1);
    std::vector<SheetRow> taken(std::make_move_iterator(m_sheet.rows.begin() + at),
                                std::make_move_iterator(m_sheet.rows.begin() + at + count));
    m_sheet.rows.erase(m_sheet.rows.begin() + at, m_sheet.rows.begin() + at + count);
    endRemoveRows();
    updateTypingRow();
    emit sheetChanged();
    emit touched(std::min(at, rowCount() - 1), -1);
    return taken;
}

void ScoresModel::moveSheetRows(int first, int count, int to)
{
    if (first == to || count <= 0)
        return;
    // Qt names the row before which the block lands, counted before the move.
    const int destination = to > first ? to + count : to;
    beginMoveRows({}, first, first + count - 1, {}, destination);
    auto begin = m_sheet.rows.begin();
    if (to < first)
        std::rotate(begin + to, begin + first, begin + first + count);
    else
        std::rotate(begin + first, begin + first + count, begin + to + count);
    endMoveRows();
    changed(std::min(first, to), std::max(first, to) + count - 1);
    emit touched(to, -1);
}

void ScoresModel::setIdentification(const Identification &id)
{
    m_sheet.id = id;
    emit sheetChanged();
}

} // namespace battery
