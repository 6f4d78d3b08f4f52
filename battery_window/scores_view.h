// The scores table as a spreadsheet: Tab runs along a row's score cells and
// on to the next row's first, past the worked-out columns; and the names
// stay in view when the table is scrolled right to the figures.
#pragma once

#include <QTableView>

namespace battery {

class ScoresView : public QTableView {
    Q_OBJECT

public:
    explicit ScoresView(QWidget *parent = nullptr);

    // The cells Tab visits: those before this column.
    void setInputColumns(int count) { m_inputColumns = count; }
    void setModel(QAbstractItemModel *model) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // The names shown over the first column while it is scrolled away.
    QTableView *nameColumn() const { return m_names; }

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void placeNames();
    int namesCover() const;

    QTableView *m_names = nullptr;
    int m_inputColumns = 0;
};

} // namespace battery
