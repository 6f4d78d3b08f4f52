// The correlations between the sheet's scores as a grid: the lower triangle
// typed or pasted from a spreadsheet, the diagonal 1, the upper triangle its
// mirror. It saves and loads the CSV file the batch tool's --correlations
// reads, and a saved file is what the sheet then uses.
#pragma once

#include "text/read_files.h"

#include <functional>

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QUndoStack;

namespace profile {
class Correlations;
}

namespace battery {

class CorrelationGrid : public QWidget {
    Q_OBJECT
public:
    // `names` are the sheet's scores; `known` fills what it gives of them.
    CorrelationGrid(const QStringList &names, const profile::Correlations &known, QWidget *parent);

    // NaN where not known.
    double value(int row, int column) const;
    QUndoStack *undoStack() const { return m_undo; }
    QString problem() const;

    // Why the values cannot be saved; empty when they can.
    QString whyNotSavable() const;
    // The file's text.
    QByteArray csv() const;

    // Each change: (row, column) of the lower triangle with its new value.
    struct Change {
        int row, column;
        double before, after;
    };
    void apply(const std::vector<Change> &changes, bool forward);

    // Sets the changes as one step to undo, or says why not.
    bool change(std::vector<Change> changes);
    // Tab-separated rows from the current cell on.
    bool paste(const QString &text);
    QString load(const QString &path);
    // Saves and tells the sheet: false with the reason shown when refused.
    bool saveAs(const QString &path);
    // Files a save must never write over (the sheet's own, its descriptors).
    std::function<text::ReadFiles()> protectedFiles;

signals:
    void saved(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cellEdited(int row, int column);
    void showCell(int row, int column);
    void say(const QString &text);
    void loadBtn_Clicked();
    void saveAsBtn_Clicked();

    QStringList m_names;
    std::vector<double> m_values; // row-major, both triangles
    QTableWidget *m_grid = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_load = nullptr, *m_saveAs = nullptr, *m_undoButton = nullptr;
    QUndoStack *m_undo = nullptr;
    bool m_showing = false;
};

} // namespace battery
