// A read-only table of worked-out figures (the pairs, the composites),
// filled whole after every edit. Each cell can name the figure it shows so
// that selecting it explains how it was reached.
#pragma once

#include "profile/analysis.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace battery {

struct FigureCell {
    QString text;
    QString tip;                       // why it is empty, or what it is
    std::optional<profile::Item> item; // the figure, for explain()
    int index = -1;                    // the pair's or the composite's, or the set's
};

class FigureTable : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FigureTable(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    void setHeader(const QStringList &captions, const QStringList &tips, std::vector<bool> rightAligned);
    void setRows(std::vector<std::vector<FigureCell>> rows);
    const FigureCell *cell(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_captions, m_tips;
    std::vector<bool> m_right;
    std::vector<std::vector<FigureCell>> m_rows;
};

} // namespace battery
