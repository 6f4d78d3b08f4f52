// Editing a cell of the scores table: the scale is chosen from a list of
// the scales a score may be given on; every other cell is a line of text no
// longer than a cell may be.
#pragma once

#include <QStyledItemDelegate>

namespace battery {

class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

} // namespace battery
