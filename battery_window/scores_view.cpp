#include "battery_window/scores_view.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace battery {

ScoresView::ScoresView(QWidget *parent)
    : QTableView(parent)
{
    m_names = new QTableView(this);
    m_names->setObjectName(QStringLiteral("nameColumn"));
    // A view of the first column only, for the eyes: the keys stay with the table.
    m_names->setFocusPolicy(Qt::NoFocus);
    m_names->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_names->verticalHeader()->hide();
    m_names->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_names->setWordWrap(false);
    // Frameless, so that its cells and head line up with the table's own.
    m_names->setFrameShape(QFrame::NoFrame);
    m_names->hide();
    // Scrolled as the table scrolls; a double click edits the name in the table itself.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_names->verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == 0)
            placeNames();
    });
    connect(m_names, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        setFocus();
        scrollTo(index);
        setCurrentIndex(index);
        edit(index);
    });
}

void ScoresView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_names->setModel(model);
    m_names->setSelectionModel(selectionModel());
    m_names->setSelectionMode(selectionMode());
    m_names->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_names->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    connect(model, &QAbstractItemModel::columnsInserted, this, &ScoresView::placeNames);
    connect(model, &QAbstractItemModel::modelReset, this, &ScoresView::placeNames);
    placeNames();
}

void ScoresView::placeNames()
{
    if (!model())
        return;
    for (int column = 1; column < model()->columnCount(); ++column)
        m_names->setColumnHidden(column, true);
    // Shown only while the first column is scrolled out of sight, so that
    // at the left edge the table is edited as it always was; and not over
    // more than half the table, which would leave the figures no room.
    const int cover = namesCover();
    const bool scrolled = columnViewportPosition(0) < 0 && cover <= viewport()->width() / 2;
    m_names->setColumnWidth(0, scrolled ? cover : columnWidth(0));
    m_names->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_names->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_names->setGeometry(frameWidth() + verticalHeader()->width(), frameWidth(), m_names->columnWidth(0),
                         horizontalHeader()->height() + viewport()->height());
    m_names->verticalScrollBar()->setValue(verticalScrollBar()->value());
    m_names->setVisible(scrolled);
}

int ScoresView::namesCover() const
{
    // To the next edge between columns: a sliver of a column half behind
    // the names would show a figure cut.
    const int width = columnWidth(0);
    const int under = columnAt(width - 1);
    if (under <= 0)
        return width;
    return std::max(width, columnViewportPosition(under) + columnWidth(under));
}

void ScoresView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.column() == 0)
        return;
    // A cell gone behind the names is brought out, a column at a time.
    QScrollBar *bar = horizontalScrollBar();
    while (m_names->isVisibleTo(this) && columnViewportPosition(index.column()) < m_names->columnWidth(0)
           && bar->value() > bar->minimum())
        bar->setValue(bar->value() - 1);
}

void ScoresView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeNames();
}

void ScoresView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        placeNames();
}

QModelIndex ScoresView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (!model() || !current.isValid() || m_inputColumns <= 0
        || (cursorAction != MoveNext && cursorAction != MovePrevious))
        return QTableView::moveCursor(cursorAction, modifiers);
    // Tab passes over the columns out of sight (a study's, controls').
    int last = m_inputColumns - 1;
    while (last > 0 && isColumnHidden(last))
        --last;
    int row = current.row(), column = current.column();
    if (cursorAction == MoveNext) {
        int next = column + 1;
        while (next <= last && isColumnHidden(next))
            ++next;
        if (next <= last) {
            column = next;
        } else if (row + 1 < model()->rowCount()) {
            ++row;
            column = 0;
        } else {
            return current;
        }
    } else {
        int before = column - 1;
        while (before > 0 && isColumnHidden(before))
            --before;
        if (column > last) {
            column = last;
        } else if (column > 0) {
            column = before;
        } else if (row > 0) {
            --row;
            column = last;
        } else {
            return current;
        }
    }
    return model()->index(row, column);
}

} // namespace battery
