// The Battery Sheet: one person's battery of scores, typed or pasted into
// a table, with what they say worked out on every edit: each score on the
// common metric with its interval, strengths and weaknesses and change;
// every pair's difference; the composites; the profile chart; and, for any
// figure selected, how it was reached. Opened, saved, copied and printed as
// a desktop document. Built on first use with Qt layouts; it shares the
// one menu bar, its enabling and its routing. The settings are in
// battery_wnd_settings.cpp, table editing in battery_wnd_edit.cpp, files in
// battery_wnd_files.cpp, copying and printing in battery_wnd_output.cpp.
#pragma once

#include "battery_window/battery_page.h"
#include "battery_window/battery_settings.h"
#include "battery_window/sheet_results.h"
#include "framework/window.h"
#include "profile/correlations.h"
#include "text/read_files.h"

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QFutureWatcher>
#include <QPoint>
#include <QPointer>
#include <QUndoStack>

#include <optional>

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTextBrowser;

namespace fw {
class StatusLine;
}

namespace report {
class IdentificationBlock;
struct Naming;
}

namespace battery {

class ChartView;
class CorrelationGrid;
class FigureTable;
class ScoresModel;
struct ChartData;

class BatteryWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "BatteryWnd";

    BatteryWnd() = default;
    ~BatteryWnd() override;

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void EnableMenuItems() override;
    bool MayClose() override;

    // Reads the file into the sheet; on failure says why and leaves the
    // sheet as it was. The caller asks about unsaved changes first.
    bool openFile(const QString &path);
    // Saves to the file; false, with a message, when it could not.
    bool saveTo(const QString &path);
    // Loads a correlation matrix (empty: none); the reason when it cannot.
    QString loadCorrelations(const QString &path);
    QString loadDescriptorFile(const QString &path);
    // Answers the unsaved-changes question; false when the user cancels.
    bool mayDiscard();

    const SheetResults &results() const { return m_results; }
    ScoresModel *scoresModel() const { return m_model; }
    QUndoStack *undoStack() { return &m_undo; }
    const QString &filePath() const { return m_path; }
    bool isModified() const { return !m_undo.isClean(); }

    // The menu commands.
    bool _NewAction();
    bool _OpenAction();
    bool _OpenRecentAction(int slot);
    bool _SaveAction();
    bool _SaveAsAction();
    bool _UndoAction();
    bool _RedoAction();
    bool _CutAction();
    bool _CopyAction();
    bool _PasteAction();
    bool _InsertRowAction();
    bool _DeleteRowAction();
    bool _MoveRowAction(int by);
    bool _CopyTableAction();
    bool _SavePictureAction();
    bool _PrintAction();
    bool _ExportPdfAction();
    bool _ExportDocumentAction();

    // Pastes tab- or comma-separated text at the current cell, as one step.
    void pasteText(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // battery_wnd.cpp
    void createTables();
    void createSidePane();
    void arrange();
    void setTabOrder();
    void connectSignals();
    void refresh();          // the figures, the tables, the chart, from the cells
    void refreshTables();
    void showSampleColumns(); // a study's and controls' columns, by the sheet and the View menu
    void fitFigures();
    void updateMenus();
    void showHow();          // the explanation of the selected figure
    // A set's low-score distribution not yet known is worked out on another
    // thread; the figures follow when it is there.
    void workOutLowScores();
    void identificationEdited();
    void showIdentification();
    void showStatus(const QString &text);
    void showCellReason(QPoint cell);
    void saveLayout() const;
    void updateTitle();
    QAbstractItemView *focusedTable() const;
    QString nameOfEntry(int entry) const;
    report::Naming naming() const;

    // battery_wnd_settings.cpp
    void createSettings();
    void applySettings(const BatterySettings &settings);
    BatterySettings chosenSettings() const;
    void settingsChanged();
    void fillDescriptorBox();
    void descriptorBox_Activated(int index);
    void correlationsBtn_Clicked();
    void editCorrelationsBtn_Clicked();
    void showCorrelations();
    QStringList correlationNames() const;
    const interpretation::DescriptorSystem &chosenSystem() const;

    // battery_wnd_edit.cpp
    std::vector<int> selectedSheetRows() const;
    void selectCell(int row, int column);
    bool tableHasFocus() const;
    bool editingCell() const;
    void clearSelectedCells();

    // battery_wnd_files.cpp
    static Sheet newSheet();
    void replaceSheet(Sheet sheet, const QString &path, bool bound);
    bool saveOrAsk();
    void rememberRecent(const QString &path);
    QStringList recentFiles() const;
    void showRecentFiles();
    void noteFileState();
    bool changedOnDisk() const;

    // battery_wnd_output.cpp
    BatteryReport report() const;
    // The widget the keys go to, or went to before the menu bar took them
    // (Alt+E, F10): the Edit menu is enabled for it, not for the menu bar.
    QWidget *keyWidget() const;
    // What a save, a picture or a PDF must never write onto: the files the
    // sheet reads, its own file too unless it is the sheet being saved.
    text::ReadFiles readFiles(bool withOwnFile, bool withCorrelations = true) const;
    QString tableHtml(QAbstractItemView *table) const;
    QString tableText(QAbstractItemView *table) const;
    QString tableCaption() const;

    report::IdentificationBlock *m_id = nullptr;
    bool m_applyingId = false;
    bool m_holdRefusal = false; // a value just refused stays said as Tab or Enter moves on
    QComboBox *m_metric = nullptr;
    QComboBox *m_confidence = nullptr;
    QComboBox *m_method = nullptr;
    QComboBox *m_alpha = nullptr;
    QCheckBox *m_bonferroni = nullptr;
    QComboBox *m_changeMethod = nullptr;
    QComboBox *m_pairsCorrection = nullptr;
    QComboBox *m_lowCutoff = nullptr;
    QComboBox *m_descriptors = nullptr;
    QPushButton *m_loadCorrelations = nullptr;
    QPushButton *m_forgetCorrelations = nullptr;
    QPushButton *m_editCorrelations = nullptr;
    QPointer<CorrelationGrid> m_correlationGrid;
    QLabel *m_correlationsText = nullptr;
    QTableView *m_scores = nullptr;
    QTableView *m_pairs = nullptr;
    QCheckBox *m_significantOnly = nullptr;
    QTableView *m_composites = nullptr;
    QTableView *m_cases = nullptr;    // the scores against their control samples
    QWidget *m_casesBox = nullptr;    // shown when a score has controls
    QTableView *m_unusual = nullptr;
    ChartView *m_chart = nullptr;
    QTextBrowser *m_how = nullptr;
    QPushButton *m_copyHow = nullptr;
    fw::StatusLine *m_status = nullptr;
    QLabel *m_cellReason = nullptr;

    QUndoStack m_undo;
    ScoresModel *m_model = nullptr;
    FigureTable *m_pairTable = nullptr;
    FigureTable *m_compositeTable = nullptr;
    FigureTable *m_caseTable = nullptr;
    bool m_showSampleColumns = false; // from the View menu, though no row fills them
    FigureTable *m_unusualTable = nullptr;
    QFutureWatcher<void> m_lowScores; // the distribution being worked out, if any
    SheetResults m_results;
    profile::Settings m_core;
    profile::Correlations m_correlations;
    QString m_correlationsPath;
    std::optional<interpretation::DescriptorSystem> m_custom;
    QString m_customPath;
    int m_descriptorIndex = 0;
    bool m_applyingSettings = false;
    bool m_closing = false; // the window is being destroyed
    QAbstractItemView *m_lastTable = nullptr;
    QPointer<QWidget> m_lastFocus; // in this window, never the menu bar
    QString m_captions; // the metric and level the columns were fitted to
    QHash<QString, int> m_widths; // of figures' texts in m_widthsFont
    QFont m_widthsFont;
    QString m_howHtml;  // what the explanation pane shows

    QStringList m_recent;    // as the settings keep them, the latest first
    QString m_path;          // the file saved to; empty for a new sheet
    QDateTime m_fileTime;    // as it was when read or written
    qint64 m_fileSize = -1;
};

} // namespace battery
