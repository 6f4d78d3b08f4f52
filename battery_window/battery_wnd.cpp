#include "battery_window/battery_wnd.h"

#include "battery_window/correlation_grid.h"

#include "battery_window/chart_data.h"
#include "battery_window/chart_view.h"
#include "battery_window/explanation_text.h"
#include "battery_window/figure_table.h"
#include "battery_window/results_tables.h"
#include "battery_window/scores_model.h"
#include "battery_window/scores_view.h"
#include "battery_window/sheet_delegate.h"
#include "battery_window/words.h"
#include "conversion/scales.h"
#include "battery_window/sheet_commands.h"
#include "framework/menu_bar.h"
#include "framework/status_line.h"
#include "report_window/core_words.h"
#include "report_window/explanation_words.h"
#include "report_window/identification_block.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QtConcurrent/QtConcurrentRun>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace battery {

namespace {

const char *const kGeometryKey = "battery/geometry";
const char *const kSplitKey = "battery/split";
const char *const kLeftSplitKey = "battery/leftSplit";
const char *const kLowerSplitKey = "battery/lowerSplit";

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

QTableView *makeTable(const char *name, const QString &accessibleName, QWidget *parent, QTableView *table = nullptr)
{
    if (!table)
        table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    // Rows are sized once: sizing to contents at every edit would take most
    // of the time an edit has to show its figures.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setHighlightSections(true);
    table->setWordWrap(false);
    return table;
}

// Columns wide enough for their captions and for values of this width.
void sizeColumns(QTableView *table, int valueChars)
{
    const QFontMetrics metrics(table->font());
    QAbstractItemModel *model = table->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString caption = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = std::max(metrics.horizontalAdvance(caption) + 24,
                                   metrics.horizontalAdvance(QLatin1Char('0')) * valueChars + 16);
        table->setColumnWidth(column, width);
    }
}

} // namespace

void BatteryWnd::Layout()
{
    if (fw::MenuBar *bar = shownMenuBar())
        setMenuBar(bar->present());
    scrollContent();
    // The panes share what height is left down to this; below it, and below
    // the width the controls need, the content scrolls.
    const int bar = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    content()->setMinimumHeight(560 - bar);
    setMinimumWidth(std::min(760, roomForContent().width()));
    resizeWithinScreen(QSize(1180, 820));
    const QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
}

BatteryWnd::~BatteryWnd()
{
    // A cell being edited is committed as its editor goes: while the sheet
    // and its undo stack still exist, and with nothing worked out or
    // enabled any more from controls on their way out.
    m_closing = true;
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (m_model)
        m_model->blockSignals(true);
    delete std::exchange(m_scores, nullptr);
    // Its hooks reach into the sheet.
    delete m_correlationGrid.data();
}

void BatteryWnd::CreateControls()
{
    m_model = new ScoresModel(&m_undo, this);
    m_pairTable = new FigureTable(this);
    m_compositeTable = new FigureTable(this);
    m_caseTable = new FigureTable(this);
    m_unusualTable = new FigureTable(this);
    m_id = new report::IdentificationBlock(tr("Battery"), content());
    createSettings();
    createTables();
    createSidePane();
    arrange();
    setTabOrder();
    connectSignals();
    applySettings(BatterySettings::load());
    replaceSheet(newSheet(), QString(), false);
    showRecentFiles();
    // Never below what the panes need, or they would spill out of the scroll.
    // Asked only now: a combo box keeps the size it first gave, items or not.
    content()->setMinimumHeight(std::max(content()->minimumHeight(), content()->layout()->minimumSize().height()));
    m_scores->setFocus(Qt::OtherFocusReason);
}

void BatteryWnd::createTables()
{
    QWidget *area = content();
    auto *scores = new ScoresView(area);
    m_scores = makeTable("scoresTable", tr("Scores"), area, scores);
    scores->setInputColumns(kInputColumns);
    scores->nameColumn()->setAccessibleName(tr("Names of the scores"));
    m_scores->setModel(m_model);
    m_scores->setItemDelegate(new SheetDelegate(m_scores));
    m_scores->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                              | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_scores->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_scores->setAccessibleDescription(
        tr("One score a row: name, scale, score, and its reliability, retest, practice change and group. "
           "The columns after Group are worked out. Type in the last row to add a score; Tab moves "
           "to the next cell, Ctrl+Tab out of the table."));

    m_pairs = makeTable("pairsTable", tr("Differences between pairs of scores"), area);
    m_pairs->setModel(m_pairTable);
    m_pairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pairs->setTabKeyNavigation(false);
    m_significantOnly = new QCheckBox(tr("S&ignificant only"), area);
    m_significantOnly->setObjectName(QStringLiteral("significantOnlyBox"));
    m_significantOnly->setToolTip(tr("Show only the pairs whose difference is larger than measurement error."));

    m_composites = makeTable("compositesTable", tr("Composites"), area);
    m_composites->setModel(m_compositeTable);
    m_composites->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_composites->setTabKeyNavigation(false);

    m_cases = makeTable("casesTable", tr("Case against controls"), area);
    m_cases->setModel(m_caseTable);
    m_cases->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cases->setTabKeyNavigation(false);
    m_unusual = makeTable("unusualTable", tr("How unusual is this profile?"), area);
    m_unusual->setModel(m_unusualTable);
    m_unusual->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_unusual->setTabKeyNavigation(false);

    m_chart = new ChartView(area);
    m_chart->setObjectName(QStringLiteral("profileChart"));
    m_chart->setAccessibleName(tr("Profile chart"));
    for (QWidget *widget : std::initializer_list<QWidget *>{m_scores, m_pairs, m_composites, m_unusual, m_cases})
        widget->installEventFilter(this);
}

void BatteryWnd::createSidePane()
{
    QWidget *area = content();
    m_how = new QTextBrowser(area);
    m_how->setObjectName(QStringLiteral("howPane"));
    m_how->setAccessibleName(tr("How it was reached"));
    m_how->setOpenLinks(false);
    m_how->setMinimumWidth(240);
    m_copyHow = new QPushButton(tr("Cop&y Explanation"), area);
    m_copyHow->setObjectName(QStringLiteral("copyHowBtn"));
    m_copyHow->setToolTip(tr("Copy how the selected figure was reached."));
    // A refused cell's reason where the eyes are, under the table.
    m_cellReason = new QLabel(area);
    m_cellReason->setObjectName(QStringLiteral("cellReasonTxt"));
    m_cellReason->setAccessibleName(tr("Cell problem"));
    m_cellReason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_cellReason->setMinimumHeight(m_cellReason->fontMetrics().height());
    m_status = new fw::StatusLine(tr("Messages"), area);
    m_status->setObjectName(QStringLiteral("statusTxt"));
}

void BatteryWnd::arrange()
{
    QWidget *area = content();
    auto pair = [area](QHBoxLayout *row, QWidget *control, const QString &caption) {
        row->addWidget(labelFor(control, caption, area));
        row->addWidget(control);
        row->addSpacing(12);
    };
    auto *first = new QHBoxLayout;
    pair(first, m_metric, tr("&Metric:"));
    pair(first, m_confidence, tr("Co&nfidence:"));
    pair(first, m_method, tr("Me&thod:"));
    pair(first, m_descriptors, tr("&Descriptors:"));
    first->addStretch(1);
    auto *second = new QHBoxLayout;
    pair(second, m_alpha, tr("&Alpha:"));
    second->addWidget(m_bonferroni);
    second->addSpacing(12);
    // On this row: the first is full in German. Every letter of it is
    // another control's or a menu's.
    pair(second, m_changeMethod, tr("Change by:"));
    second->addSpacing(12);
    second->addWidget(m_loadCorrelations);
    second->addWidget(m_editCorrelations);
    second->addWidget(m_forgetCorrelations);
    second->addWidget(m_correlationsText, 1);
    auto *settings = new QVBoxLayout;
    settings->addLayout(first);
    settings->addLayout(second);

    auto *scoresBox = new QWidget(area);
    auto *scoresColumn = new QVBoxLayout(scoresBox);
    scoresColumn->setContentsMargins(0, 0, 0, 0);
    scoresColumn->addWidget(labelFor(m_scores, tr("&Scores"), scoresBox));
    scoresColumn->addWidget(m_scores, 1);
    // A battery of a dozen scores shows whole without scrolling.
    m_scores->setMinimumHeight(m_scores->horizontalHeader()->sizeHint().height() + 12 * m_scores->verticalHeader()->defaultSectionSize()
                               + m_scores->horizontalScrollBar()->sizeHint().height() + 2 * m_scores->frameWidth() + 4);
    scoresColumn->addWidget(m_cellReason);

    auto *pairsBox = new QWidget(area);
    auto *pairsColumn = new QVBoxLayout(pairsBox);
    pairsColumn->setContentsMargins(0, 0, 0, 0);
    auto *pairsHead = new QHBoxLayout;
    pairsHead->addWidget(labelFor(m_pairs, tr("&Pairs"), pairsBox));
    pairsHead->addStretch(1);
    // Beside the tables they decide: the settings row has no room left.
    pairsHead->addWidget(labelFor(m_pairsCorrection, tr("Tested with:"), pairsBox));
    pairsHead->addWidget(m_pairsCorrection);
    pairsHead->addWidget(m_significantOnly);
    pairsColumn->addLayout(pairsHead);
    pairsColumn->addWidget(m_pairs);
    auto *compositesBox = new QWidget(area);
    auto *compositesColumn = new QVBoxLayout(compositesBox);
    compositesColumn->setContentsMargins(0, 0, 0, 0);
    compositesColumn->addWidget(labelFor(m_composites, tr("&Composites"), compositesBox));
    compositesColumn->addWidget(m_composites);
    auto *unusualBox = new QWidget(area);
    auto *unusualColumn = new QVBoxLayout(unusualBox);
    unusualColumn->setContentsMargins(0, 0, 0, 0);
    auto *unusualHead = new QHBoxLayout;
    unusualHead->addWidget(labelFor(m_unusual, tr("How unusual is this profile?"), unusualBox));
    unusualHead->addStretch(1);
    unusualHead->addWidget(labelFor(m_lowCutoff, tr("Low below PR:"), unusualBox));
    unusualHead->addWidget(m_lowCutoff);
    unusualColumn->addLayout(unusualHead);
    unusualColumn->addWidget(m_unusual);
    m_casesBox = new QWidget(area);
    m_casesBox->setObjectName(QStringLiteral("casesBox"));
    auto *casesColumn = new QVBoxLayout(m_casesBox);
    casesColumn->setContentsMargins(0, 0, 0, 0);
    casesColumn->addWidget(labelFor(m_cases, tr("Case against controls"), m_casesBox));
    casesColumn->addWidget(m_cases);
    auto *lower = new QSplitter(Qt::Horizontal, area);
    lower->setObjectName(QStringLiteral("lowerSplit"));
    lower->addWidget(pairsBox);
    lower->addWidget(compositesBox);
    lower->addWidget(unusualBox);
    lower->addWidget(m_casesBox);
    lower->setStretchFactor(3, 3);
    m_casesBox->hide();
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    lower->setStretchFactor(2, 2);
    lower->setChildrenCollapsible(false);

    auto *left = new QSplitter(Qt::Vertical, area);
    left->setObjectName(QStringLiteral("leftSplit"));
    left->addWidget(scoresBox);
    left->addWidget(m_chart);
    left->addWidget(lower);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 4);
    left->setStretchFactor(2, 2);
    left->setChildrenCollapsible(false);

    auto *howBox = new QWidget(area);
    auto *howColumn = new QVBoxLayout(howBox);
    howColumn->setContentsMargins(0, 0, 0, 0);
    howColumn->addWidget(labelFor(m_how, tr("H&ow it was reached"), howBox));
    howColumn->addWidget(m_how, 1);
    howColumn->addWidget(m_copyHow, 0, Qt::AlignRight);

    auto *main = new QSplitter(Qt::Horizontal, area);
    main->setObjectName(QStringLiteral("mainSplit"));
    main->addWidget(left);
    main->addWidget(howBox);
    main->setStretchFactor(0, 4);
    main->setStretchFactor(1, 1);
    main->setChildrenCollapsible(false);
    const QSettings stored;
    main->restoreState(stored.value(kSplitKey).toByteArray());
    left->restoreState(stored.value(kLeftSplitKey).toByteArray());
    lower->restoreState(stored.value(kLowerSplitKey).toByteArray());

    auto *column = new QVBoxLayout(area);
    column->addWidget(m_id);
    column->addLayout(settings);
    column->addWidget(main, 1);
    column->addWidget(m_status);
}

void BatteryWnd::setTabOrder()
{
    QList<QWidget *> order = m_id->tabOrder();
    order << m_metric << m_confidence << m_method << m_descriptors << m_alpha << m_bonferroni << m_changeMethod
          << m_loadCorrelations << m_editCorrelations << m_forgetCorrelations << m_scores << m_chart << m_pairs
          << m_pairsCorrection << m_significantOnly << m_composites << m_unusual << m_lowCutoff << m_cases << m_how
          << m_copyHow;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void BatteryWnd::identificationEdited()
{
    if (m_applyingId)
        return;
    const Identification after = sheetIdentification(m_id->identification());
    if (after == m_model->sheet().id)
        return;
    m_undo.push(new IdentificationCommand(m_model, m_model->sheet().id, after, tr("Edit Identification")));
}

// The block shows the sheet's identification (after an undo, a file read).
void BatteryWnd::showIdentification()
{
    if (sheetIdentification(m_id->identification()) == m_model->sheet().id)
        return;
    m_applyingId = true;
    m_id->setIdentification(identificationOf(m_model->sheet()));
    m_applyingId = false;
}

void BatteryWnd::connectSignals()
{
    connect(m_model, &ScoresModel::sheetChanged, this, [this] { refresh(); });
    connect(m_id, &report::IdentificationBlock::changed, this, [this] { identificationEdited(); });
    connect(m_model, &ScoresModel::touched, this, [this](int row, int column) {
        selectCell(row, column);
        m_holdRefusal = column >= 0 && column < kInputColumns && row < int(m_results.marks.size())
            && m_results.marks[std::size_t(row)][std::size_t(column)].refused;
    });
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this] { updateTitle(); });
    // A step is on the stack only once it has been done: Undo follows it then.
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] { updateMenus(); });
    connect(m_significantOnly, &QCheckBox::toggled, this, [this] { refreshTables(); });
    // Paste follows the clipboard: text copied in another program pastes at once.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateMenus(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!m_closing && now && isAncestorOf(now) && !qobject_cast<QMenuBar *>(now) && !qobject_cast<QMenu *>(now))
            m_lastFocus = now;
    });
    connect(&m_lowScores, &QFutureWatcher<void>::finished, this, [this] {
        if (!m_closing)
            refresh();
    });
    for (QTableView *table : {m_scores, m_pairs, m_composites, m_unusual, m_cases}) {
        connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, table] {
            m_lastTable = table;
            showHow();
            updateMenus();
        });
        // What Cut, Copy, Delete and Move act on: their shortcuts go by it.
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateMenus(); });
    }
    // A model reset makes a new selection model for none of these, but
    // leaves no current cell: the pane follows.
    connect(m_copyHow, &QPushButton::clicked, this, [this] {
        auto *data = new QMimeData;
        data->setHtml(m_how->toHtml());
        data->setText(m_how->toPlainText());
        QGuiApplication::clipboard()->setMimeData(data);
    });
}

void BatteryWnd::refresh()
{
    showIdentification();
    workOut(m_model->sheet(), m_correlations, m_core, m_results);
    m_model->setResults(&m_results);
    showSampleColumns();
    refreshTables();
    fitFigures();
    m_chart->setData(chartData(m_results, m_core));
    m_chart->setAccessibleDescription(chartDescription(m_results, m_core));
    showCorrelations();
    if (m_correlationGrid)
        m_correlationGrid->followNames(correlationNames());
    showHow();
    updateMenus();
    workOutLowScores();
}

void BatteryWnd::workOutLowScores()
{
    if (m_lowScores.isRunning())
        return; // refresh() follows it, and asks for the next
    for (const profile::UnusualSet &set : m_results.unusual) {
        if (set.lowBaseRate.missing != profile::Missing::Working)
            continue;
        m_lowScores.setFuture(QtConcurrent::run([matrix = set.matrix, k = set.k(), cutoff = set.cutoff] {
            sharedLowScores().get(matrix, k, cutoff);
        }));
        return;
    }
}

// The items' state is what their shortcuts go by, so it follows every
// change the items depend on, not only the menus' opening.
void BatteryWnd::updateMenus()
{
    if (m_closing || !isActiveWindow())
        return;
    if (fw::MenuBar *bar = shownMenuBar())
        bar->runEnablingPass();
}

void BatteryWnd::refreshTables()
{
    const QString metric = metricName(m_core.metric);
    fill(*m_pairTable, pairTable(m_results, m_significantOnly->isChecked()));
    fill(*m_compositeTable, compositeTable(m_results, metric, m_core.confidence));
    fill(*m_caseTable, caseTable(m_results));
    if (m_casesBox->isHidden() == (m_caseTable->rowCount() > 0)) {
        m_casesBox->setVisible(m_caseTable->rowCount() > 0);
        sizeColumns(m_cases, 6);
    }
    fill(*m_unusualTable, unusualTable(m_results));
    const QString captions = metric + QString::number(m_core.confidence);
    if (captions == m_captions)
        return;
    // Captions name the metric and the level: the columns fit them anew.
    m_captions = captions;
    m_model->setCaptions(metric, m_core.confidence);
    sizeColumns(m_scores, 6);
    const int em = m_scores->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    m_scores->setColumnWidth(int(profile::Field::Name), em * 12);
    // A scale column holds the longest scale name ("Wertpunkte (WP)").
    int scale = em * 9;
    for (const conversion::Scale &row : conversion::kScales)
        scale = std::max(scale, m_scores->fontMetrics().horizontalAdvance(Words::scale(std::string(row.column))) + 16);
    m_scores->setColumnWidth(int(profile::Field::Scale), scale);
    // A descriptor column holds the system's longest label.
    int label = em * 10;
    for (const interpretation::DescriptorBand &band : m_core.descriptors.bands)
        label = std::max(label, m_scores->fontMetrics().horizontalAdvance(m_results.label(band.label)) + 16);
    m_scores->setColumnWidth(kDescriptorColumn, label);
    int change = em * 9;
    for (profile::Change kind : {profile::Change::Gain, profile::Change::Loss, profile::Change::NoChange})
        change = std::max(change, m_scores->fontMetrics().horizontalAdvance(Words::change(kind)) + 16);
    m_scores->setColumnWidth(kChangeColumn, change);
    m_scores->setColumnWidth(int(profile::Field::Group), em * 8);
    m_scores->setColumnWidth(int(profile::Field::Set), em * 8);
    sizeColumns(m_pairs, 6);
    m_pairs->setColumnWidth(0, em * 10);
    m_pairs->setColumnWidth(1, em * 10);
    sizeColumns(m_unusual, 6);
    sizeColumns(m_composites, 6);
    m_composites->setColumnWidth(1, em * 16);
    m_composites->setColumnWidth(4, label);
}

// A study's and a control sample's columns stay out of the way until a row
// fills one, or the View menu asks for them; the regression's figures show
// with a study, the chosen method's alone.
void BatteryWnd::showSampleColumns()
{
    const Sheet &sheet = m_model->sheet();
    const bool study = anyStudy(sheet), controls = anyControls(sheet);
    for (int column = 0; column < kInputColumns; ++column) {
        if (isStudyField(column))
            m_scores->setColumnHidden(column, !(study || m_showSampleColumns));
        else if (isControlsField(column))
            m_scores->setColumnHidden(column, !(controls || m_showSampleColumns));
    }
    const profile::ChangeMethod method = m_core.changeMethod;
    const bool regression = study && method != profile::ChangeMethod::JacobsonTruax;
    const bool cg = regression && method != profile::ChangeMethod::Srb;
    m_scores->setColumnHidden(kPredictedColumn, !regression);
    m_scores->setColumnHidden(kChangePColumn, !regression);
    m_scores->setColumnHidden(kChangeZColumn, !(regression && method == profile::ChangeMethod::Srb));
    for (int column : {int(kChangeTColumn), int(kChangePercentColumn), int(kChangePercentLowColumn),
                       int(kChangePercentHighColumn)})
        m_scores->setColumnHidden(column, !cg);
}

// A figure on screen is never cut short: a column narrower than its widest
// figure widens to it. Words may be cut; their tooltips hold them whole.
void BatteryWnd::fitFigures()
{
    const QFontMetrics metrics(m_scores->font());
    // Figures repeat from edit to edit: each text is measured once.
    if (m_scores->font() != m_widthsFont || m_widths.size() > 4096) {
        m_widthsFont = m_scores->font();
        m_widths.clear();
    }
    for (int column = kMetricColumn; column < kColumnCount; ++column) {
        if (!isNumberColumn(column))
            continue;
        int widest = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QString text = m_model->cellText(row, column);
            auto known = m_widths.constFind(text);
            if (known == m_widths.cend())
                known = m_widths.insert(text, metrics.horizontalAdvance(text));
            widest = std::max(widest, *known);
        }
        if (widest + 16 > m_scores->columnWidth(column))
            m_scores->setColumnWidth(column, widest + 16);
    }
}

// The scales and the descriptor system, as the Score Report's words name them.
report::Naming BatteryWnd::naming() const
{
    report::Naming naming;
    naming.given = [this](int entry) {
        const std::vector<profile::ScoreEntry> &entries = m_results.sheetProfile.profile.entries;
        if (entry < 0 || std::size_t(entry) >= entries.size() || entries[std::size_t(entry)].scale < 0)
            return QString();
        return report::scaleTitle(conversion::kScales[entries[std::size_t(entry)].scale].name);
    };
    const QString metric = metricName(m_core.metric);
    naming.metric = [metric](int) { return metric; };
    naming.system = report().descriptorName;
    naming.label = [this](const std::string &label) { return m_results.label(label); };
    return naming;
}

QString BatteryWnd::nameOfEntry(int entry) const
{
    if (entry < 0 || std::size_t(entry) >= m_results.sheetProfile.profile.entries.size())
        return {};
    return QString::fromStdString(m_results.nameOf(entry));
}

void BatteryWnd::showHow()
{
    QAbstractItemView *table = m_lastTable ? m_lastTable : m_scores;
    const QModelIndex current = table->currentIndex();
    QString heading, missing;
    std::optional<interpretation::Explanation> explanation;
    showCellReason(QPoint(-1, -1));
    if (current.isValid() && table == m_scores) {
        const int row = current.row(), column = current.column();
        const profile::ScoreResult *result = m_results.scoreOfRow(row);
        const bool figureColumn = column >= kInputColumns || column == int(profile::Field::Score);
        const CellMark *mark = row < int(m_results.marks.size()) && column < kInputColumns
            ? &m_results.marks[std::size_t(row)][std::size_t(column)] : nullptr;
        const bool marked = mark && !mark->reason.isEmpty();
        if (!std::exchange(m_holdRefusal, false) || marked)
            showStatus(marked ? tr("Row %1, %2: %3").arg(row + 1).arg(Words::column(profile::Field(column)), mark->reason)
                              : QString());
        showCellReason(mark && !mark->reason.isEmpty() ? QPoint(column, row) : QPoint(-1, -1));
        if (result && figureColumn) {
            const int entry = m_results.sheetProfile.entryOfRow[std::size_t(row)];
            heading = QStringLiteral("%1: %2").arg(nameOfEntry(entry),
                                                   m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
            explanation = profile::explain(m_results.analysis, itemOfColumn(column), entry);
            if (!explanation)
                missing = m_model->data(current, Qt::ToolTipRole).toString();
        }
    } else if (current.isValid()) {
        const FigureTable *model = table == m_pairs ? m_pairTable : table == m_unusual ? m_unusualTable
                                   : table == m_cases   ? m_caseTable
                                                        : m_compositeTable;
        const FigureCell *cell = model->cell(current.row(), current.column());
        const std::optional<profile::UnusualItem> unusual =
            table == m_unusual ? unusualItemOfColumn(current.column()) : std::nullopt;
        if (cell && unusual && cell->index >= 0 && std::size_t(cell->index) < m_results.unusual.size()) {
            heading = QStringLiteral("%1: %2").arg(model->cell(current.row(), 0)->text,
                                                   model->headerData(current.column(), Qt::Horizontal,
                                                                     Qt::DisplayRole).toString());
            explanation = profile::explain(m_results.unusual[std::size_t(cell->index)], *unusual);
            missing = cell->tip;
        } else if (cell && cell->item) {
            const QString who = model->cell(current.row(), 0)->text
                + (table == m_pairs ? QStringLiteral(" \u2212 ") + model->cell(current.row(), 1)->text : QString());
            heading = QStringLiteral("%1: %2").arg(who, model->headerData(current.column(), Qt::Horizontal,
                                                                         Qt::DisplayRole).toString());
            explanation = profile::explain(m_results.analysis, *cell->item, cell->index);
            missing = cell->tip;
        }
    }
    QString html;
    if (explanation && ExplanationText::isReportWorded(*explanation))
        html = report::explanationHtml(heading, {*explanation}, naming());
    else if (explanation)
        html = ExplanationText::html(heading, *explanation, [this](int entry) { return nameOfEntry(entry); });
    else if (!heading.isEmpty())
        html = QStringLiteral("<h3>%1</h3><p>%2</p>").arg(heading.toHtmlEscaped(),
                                                          (missing.isEmpty() ? tr("Not worked out.") : missing).toHtmlEscaped());
    else
        html = QStringLiteral("<p>%1</p>").arg(
            tr("Select a worked-out figure, or a score, to see how it was reached: the formula, the numbers "
               "put in, the results on the way and the published source.").toHtmlEscaped());
    // Laid out again only when it says something else: most edits leave it as it was.
    if (html != m_howHtml) {
        m_howHtml = html;
        m_how->setHtml(html);
    }
    m_copyHow->setEnabled(explanation.has_value());
}

void BatteryWnd::saveLayout() const
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    if (auto *split = findChild<QSplitter *>(QStringLiteral("mainSplit")))
        settings.setValue(kSplitKey, split->saveState());
    if (auto *split = findChild<QSplitter *>(QStringLiteral("leftSplit")))
        settings.setValue(kLeftSplitKey, split->saveState());
    if (auto *split = findChild<QSplitter *>(QStringLiteral("lowerSplit")))
        settings.setValue(kLowerSplitKey, split->saveState());
}

// The current cell's reason; else the first refused cell's, so that a
// refusal anywhere in the sheet is said beside it.
void BatteryWnd::showCellReason(QPoint cell)
{
    if (cell.x() < 0)
        for (int row = 0; row < int(m_results.marks.size()) && cell.x() < 0; ++row)
            for (int column = 0; column < kInputColumns; ++column)
                if (m_results.marks[std::size_t(row)][std::size_t(column)].refused) {
                    cell = QPoint(column, row);
                    break;
                }
    QString text;
    if (cell.x() >= 0 && cell.y() < int(m_results.marks.size()))
        text = tr("Row %1, %2: %3")
                   .arg(cell.y() + 1)
                   .arg(Words::column(profile::Field(cell.x())),
                        m_results.marks[std::size_t(cell.y())][std::size_t(cell.x())].reason);
    m_cellReason->setText(text);
    m_cellReason->setToolTip(text);
}

void BatteryWnd::showStatus(const QString &text)
{
    m_status->setMessage(text);
}

void BatteryWnd::updateTitle()
{
    const QString name = m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
    setWindowTitle(tr("%1[*] \u2014 Battery Sheet").arg(name));
    setWindowModified(isModified());
}

QAbstractItemView *BatteryWnd::focusedTable() const
{
    for (QAbstractItemView *table : std::initializer_list<QAbstractItemView *>{m_scores, m_pairs, m_composites, m_unusual, m_cases})
        if (table == keyWidget() || table->isAncestorOf(keyWidget()))
            return table;
    return m_lastTable ? m_lastTable : m_scores;
}

} // namespace battery
