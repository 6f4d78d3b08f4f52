#include "battery_window/sheet_delegate.h"

#include "battery_window/sheet.h"
#include "conversion/scales.h"
#include "profile/profile.h"
#include "report_window/core_words.h"

#include <QComboBox>
#include <QLineEdit>

namespace battery {

namespace {

bool isScale(const QModelIndex &index)
{
    return index.column() == int(profile::Field::Scale);
}

} // namespace

QWidget *SheetDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    if (!isScale(index)) {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setMaxLength(int(kMaxCellBytes));
        return editor;
    }
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("scaleEditor"));
    box->setAccessibleName(tr("Scale"));
    for (int row : profile::sourceScales()) {
        const conversion::Scale &scale = conversion::kScales[row];
        box->addItem(report::scaleTitle(scale.name),
                     QString::fromUtf8(scale.column.data(), qsizetype(scale.column.size())));
    }
    return box;
}

void SheetDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = qobject_cast<QComboBox *>(editor);
    if (!box) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const int row = profile::findScale(index.data(Qt::EditRole).toString().toStdString());
    const int at = row < 0 ? -1 : box->findData(QString::fromUtf8(conversion::kScales[row].column.data(),
                                                                   qsizetype(conversion::kScales[row].column.size())));
    box->setCurrentIndex(std::max(at, 0));
}

void SheetDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        model->setData(index, box->currentData(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace battery
