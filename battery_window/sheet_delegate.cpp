#include "battery_window/sheet_delegate.h"

#include "battery_window/sheet.h"
#include "conversion/scales.h"
#include "profile/profile.h"
#include "report_window/core_words.h"

#include <QComboBox>
#include <QLabel>
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
    // Named after its cell: a screen reader would otherwise say nothing, or
    // the value, of what is being typed in.
    const QString name = tr("%1, row %2")
                             .arg(index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString())
                             .arg(index.row() + 1);
    if (!isScale(index)) {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setMaxLength(int(kMaxCellBytes));
        if (editor) {
            editor->setObjectName(QStringLiteral("cellEditor"));
            editor->setAccessibleName(name);
        }
        return editor;
    }
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("scaleEditor"));
    box->setAccessibleName(name);
    // Where a screen reader names a list box by its value (AT-SPI), it takes
    // the name from a label: one that is never shown, gone with the box.
    auto *label = new QLabel(name, parent);
    label->setObjectName(QStringLiteral("scaleEditorLabel"));
    label->hide();
    label->setBuddy(box);
    connect(box, &QObject::destroyed, label, &QObject::deleteLater);
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
