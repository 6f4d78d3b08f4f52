// The correlations between the sheet's scores as a grid: the lower triangle
// typed or pasted from a spreadsheet, the diagonal 1, the upper triangle its
// mirror. A window of the program's own, sharing the one menu bar: the Edit
// items act on its cells, File saves and loads the CSV file the batch tool's
// --correlations reads, and a saved file is what the sheet then uses. It
// follows the sheet's score names while it is open.
#pragma once

#include "framework/window.h"
#include "text/read_files.h"

#include <functional>

#include <QString>
#include <QStringList>

#include <vector>

class QTableWidget;
class QUndoStack;

namespace fw {
class StatusLine;
}

namespace profile {
class Correlations;
}

namespace battery {

class CorrelationGrid : public fw::Window {
    Q_OBJECT
public:
    static constexpr const char *kClassName = "CorrelationGrid";

    // `names` are the sheet's scores; `known` fills what it gives of them;
    // `path` is the correlation file the sheet uses (empty: none), where
    // Save writes.
    CorrelationGrid(const QStringList &names, const profile::Correlations &known, const QString &path);

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void EnableMenuItems() override;
    bool MayClose() override;

    // NaN where not known.
    double value(int row, int column) const;
    const QStringList &names() const { return m_names; }
    QUndoStack *undoStack() const { return m_undo; }
    QString problem() const;
    bool isModified() const;
    const QString &filePath() const { return m_path; }

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
    // The sheet's scores now: a score whose name stays keeps its values,
    // matched ignoring case as the correlation file matches them.
    void followNames(const QStringList &names);
    // Asks about unsaved edits; false when the user goes back to them.
    bool mayDiscard();
    // Files a save must never write over (the sheet's own, its descriptors).
    std::function<text::ReadFiles()> protectedFiles;

    // The menu commands.
    bool _SaveAction();
    bool _SaveAsAction();
    bool _LoadAction();
    bool _CopyAction();
    bool _CutAction();
    bool _ClearAction();

signals:
    void saved(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cellEdited(int row, int column);
    void showCell(int row, int column);
    void showAll();
    void say(const QString &text);
    int indexOf(const QString &name) const;
    // The selected cells of the lower triangle.
    std::vector<std::pair<int, int>> selectedCells() const;
    bool tableHasKeys() const;

    QStringList m_names;
    std::vector<double> m_values; // row-major, both triangles
    QString m_path;
    QTableWidget *m_grid = nullptr;
    fw::StatusLine *m_problem = nullptr;
    QUndoStack *m_undo = nullptr;
    bool m_showing = false;

};

} // namespace battery
