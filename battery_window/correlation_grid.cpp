#include "battery_window/correlation_grid.h"

#include "battery_window/battery_items.h"
#include "battery_window/battery_settings.h"
#include "framework/edit_commands.h"
#include "framework/file_dialog.h"
#include "framework/menu_bar.h"
#include "framework/question_box.h"
#include "framework/status_line.h"
#include "framework/written_file.h"
#include "report_window/report_items.h"
#include "profile/analysis.h"
#include "profile/correlations.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace battery {

namespace {

const double kUnknown = std::numeric_limits<double>::quiet_NaN();

// Kept by the scores' names, so that a step still undoes what it did after
// the sheet's scores were renamed or moved; a pair no longer there is left.
class GridCommand : public QUndoCommand {
public:
    GridCommand(CorrelationGrid &grid, const std::vector<CorrelationGrid::Change> &changes)
        : m_grid(grid)
    {
        for (const CorrelationGrid::Change &c : changes)
            m_changes.push_back({grid.names()[c.row], grid.names()[c.column], c.before, c.after});
    }
    void redo() override { m_grid.apply(now(), true); }
    void undo() override { m_grid.apply(now(), false); }

private:
    struct Named {
        QString row, column;
        double before, after;
    };

    std::vector<CorrelationGrid::Change> now() const
    {
        std::vector<CorrelationGrid::Change> changes;
        const auto at = [&](const QString &name) {
            for (int i = 0; i < m_grid.names().size(); ++i)
                if (m_grid.names()[i].compare(name, Qt::CaseInsensitive) == 0)
                    return i;
            return -1;
        };
        for (const Named &c : m_changes) {
            const int row = at(c.row), column = at(c.column);
            if (row >= 0 && column >= 0 && row != column)
                changes.push_back({std::max(row, column), std::min(row, column), c.before, c.after});
        }
        return changes;
    }

    CorrelationGrid &m_grid;
    std::vector<Named> m_changes;
};

// A CSV cell, quoted when it holds what would end it.
QString csvCell(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')) && text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

CorrelationGrid::CorrelationGrid(const QStringList &names, const profile::Correlations &known, const QString &path)
    : m_names(names), m_path(path)
{
    const int n = int(names.size());
    m_values.assign(size_t(n) * size_t(n), kUnknown);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m_values[size_t(i * n + j)] = i == j ? 1.0 : known.between(names[i].toStdString(), names[j].toStdString());
}

void CorrelationGrid::Layout()
{
    if (fw::MenuBar *bar = shownMenuBar())
        setMenuBar(bar->present());
    scrollContent();
    content()->setMinimumSize(360, 240);
    resizeWithinScreen(QSize(720, 520));
}

void CorrelationGrid::CreateControls()
{
    m_undo = new QUndoStack(this);
    m_undo->setObjectName(QStringLiteral("correlationsUndo"));
    m_grid = new QTableWidget(0, 0, content());
    m_grid->setObjectName(QStringLiteral("gridTbl"));
    m_grid->setAccessibleName(tr("Correlations"));
    m_grid->setToolTip(tr("Type or paste the correlations below the diagonal; above it they are mirrored."));
    m_grid->installEventFilter(this);
    // Why a value was refused, heard as it is said.
    m_problem = new fw::StatusLine(tr("Messages"), content());
    m_problem->setObjectName(QStringLiteral("problemTxt"));
    m_problem->setWordWrap(true);

    auto *layout = new QVBoxLayout(content());
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_problem);
    showAll();
    // Later: the editor is done with the cell before it is refused or mirrored.
    connect(m_grid, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!m_showing)
            QMetaObject::invokeMethod(this, [this, row, column] { cellEdited(row, column); }, Qt::QueuedConnection);
    });
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    setWindowTitle(tr("Correlations") + QStringLiteral("[*]"));
}

void CorrelationGrid::AddMenuHandlers()
{
    auto on = [this](std::string_view name, std::function<bool()> handler) {
        registerMenuHandler(std::string(name), std::move(handler));
    };
    on(item::kSave, [this] { return _SaveAction(); });
    on(item::kSaveAs, [this] { return _SaveAsAction(); });
    on(item::kLoadCorrelations, [this] { return _LoadAction(); });
    on(report::item::kClose, [this] {
        close();
        return true;
    });
    on(fw::kEditUndo, [this] {
        m_undo->undo();
        return true;
    });
    on(item::kRedo, [this] {
        m_undo->redo();
        return true;
    });
    on(fw::kEditCopy, [this] { return _CopyAction(); });
    on(fw::kEditCut, [this] { return _CutAction(); });
    on(fw::kEditPaste, [this] { return paste(QApplication::clipboard()->text()) || true; });
    on(fw::kEditClear, [this] { return _ClearAction(); });
}

// The cells' keys: a cell being typed in keeps its own editing, served by
// the framework.
bool CorrelationGrid::tableHasKeys() const
{
    return QApplication::focusWidget() == m_grid;
}

void CorrelationGrid::EnableMenuItems()
{
    auto enable = [](std::string_view name, bool on) { fw::enableMenuItem(name, on); };
    for (const char *name : {item::kSave, item::kSaveAs, item::kLoadCorrelations, report::item::kClose})
        enable(name, true);
    if (!tableHasKeys())
        return;
    const bool cells = !selectedCells().empty();
    enable(fw::kEditUndo, m_undo->canUndo());
    enable(item::kRedo, m_undo->canRedo());
    enable(fw::kEditCopy, !m_grid->selectedRanges().isEmpty());
    enable(fw::kEditCut, cells);
    enable(fw::kEditClear, cells);
    enable(fw::kEditPaste, !QGuiApplication::clipboard()->text().isEmpty());
}

bool CorrelationGrid::isModified() const
{
    return m_undo && !m_undo->isClean();
}

bool CorrelationGrid::MayClose()
{
    return mayDiscard();
}

bool CorrelationGrid::mayDiscard()
{
    if (!isModified())
        return true;
    switch (fw::Ask(tr("Save the changes to the correlations?"), tr("Correlations that are not saved are lost."),
                    tr("&Save"), tr("&Don't Save"))) {
    case fw::Answer::Yes:
        return _SaveAction() && !isModified();
    case fw::Answer::No:
        return true;
    case fw::Answer::Cancel:
        break;
    }
    return false;
}

void CorrelationGrid::closeEvent(QCloseEvent *event)
{
    if (!mayDiscard()) {
        event->ignore();
        return;
    }
    fw::Window::closeEvent(event);
}

void CorrelationGrid::showAll()
{
    const int n = int(m_names.size());
    const bool showing = m_showing;
    m_showing = true;
    m_grid->setRowCount(n);
    m_grid->setColumnCount(n);
    m_grid->setHorizontalHeaderLabels(m_names);
    m_grid->setVerticalHeaderLabels(m_names);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            showCell(i, j);
    m_showing = showing;
}

int CorrelationGrid::indexOf(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void CorrelationGrid::followNames(const QStringList &names)
{
    if (names == m_names)
        return;
    const int n = int(names.size());
    std::vector<double> values(size_t(n) * size_t(n), kUnknown);
    for (int i = 0; i < n; ++i) {
        const int oldI = indexOf(names[i]);
        for (int j = 0; j < n; ++j) {
            const int oldJ = indexOf(names[j]);
            if (i == j)
                values[size_t(i * n + j)] = 1.0;
            else if (oldI >= 0 && oldJ >= 0)
                values[size_t(i * n + j)] = value(oldI, oldJ);
        }
    }
    m_names = names;
    m_values = std::move(values);
    showAll();
    say(whyNotSavable());
}

double CorrelationGrid::value(int row, int column) const
{
    return m_values[size_t(row * m_names.size() + column)];
}

QString CorrelationGrid::problem() const
{
    return m_problem->text();
}

void CorrelationGrid::say(const QString &text)
{
    m_problem->setMessage(text);
}

void CorrelationGrid::showCell(int row, int column)
{
    const bool showing = m_showing;
    m_showing = true;
    QTableWidgetItem *item = m_grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        m_grid->setItem(row, column, item);
    }
    const double v = value(row, column);
    item->setText(std::isnan(v) ? QString() : QLocale().toString(v, 'g', QLocale::FloatingPointShortest));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only the lower triangle is typed in: the rest follows from it.
    if (row > column)
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    else
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (row <= column)
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    m_showing = showing;
}

void CorrelationGrid::apply(const std::vector<Change> &changes, bool forward)
{
    const int n = int(m_names.size());
    for (const Change &c : changes) {
        const double v = forward ? c.after : c.before;
        m_values[size_t(c.row * n + c.column)] = v;
        m_values[size_t(c.column * n + c.row)] = v;
        showCell(c.row, c.column);
        showCell(c.column, c.row);
    }
    say(whyNotSavable());
}

bool CorrelationGrid::change(std::vector<Change> changes)
{
    for (Change &c : changes) {
        if (c.row < c.column)
            std::swap(c.row, c.column);
        c.before = value(c.row, c.column);
    }
    if (changes.empty())
        return true;
    m_undo->push(new GridCommand(*this, std::move(changes)));
    return true;
}

namespace {

// The value a cell's text gives: NaN for an empty cell; false with the
// reason for text that is no correlation.
bool readCell(QString text, double &out, QString &why)
{
    text = text.trimmed();
    if (text.isEmpty()) {
        out = kUnknown;
        return true;
    }
    QString plain = text;
    plain.replace(QChar(0x2212), QLatin1Char('-'));
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        why = CorrelationGrid::tr("\u201c%1\u201d is not a number.").arg(text);
        return false;
    }
    if (v < -1 || v > 1) {
        why = CorrelationGrid::tr("%1 is not a correlation: it lies outside %2 to 1.")
                  .arg(text, QStringLiteral("\u2212") + QLatin1Char('1'));
        return false;
    }
    out = v;
    return true;
}

} // namespace

void CorrelationGrid::cellEdited(int row, int column)
{
    if (row <= column)
        return;
    double v = 0;
    QString why;
    if (!readCell(m_grid->item(row, column)->text(), v, why)) {
        showCell(row, column); // the value before stays
        say(why);
        return;
    }
    const double before = value(row, column);
    if (std::isnan(before) ? std::isnan(v) : before == v) {
        showCell(row, column);
        return;
    }
    change({{row, column, before, v}});
}

bool CorrelationGrid::paste(const QString &text)
{
    const int n = int(m_names.size());
    if (text.isEmpty())
        return false;
    const int top = std::max(0, m_grid->currentRow()), left = std::max(0, m_grid->currentColumn());
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    std::vector<Change> changes;
    for (int r = 0; r < lines.size(); ++r) {
        QString line = lines[r];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList cells = line.split(QLatin1Char('\t'));
        for (int c = 0; c < cells.size(); ++c) {
            const int row = top + r, column = left + c;
            if (row >= n || column >= n || row <= column)
                continue; // a square block's diagonal and upper half repeat the lower one
            double v = 0;
            QString why;
            if (!readCell(cells[c], v, why)) {
                say(tr("Nothing pasted: %1, %2: %3").arg(m_names[row], m_names[column], why));
                return false;
            }
            changes.push_back({row, column, 0, v});
        }
    }
    return change(std::move(changes));
}

QString CorrelationGrid::whyNotSavable() const
{
    const int n = int(m_names.size());
    auto known = [&](const std::vector<int> &set) {
        for (int a : set)
            for (int b : set)
                if (std::isnan(value(a, b)))
                    return false;
        return true;
    };
    auto possible = [&](const std::vector<int> &set) {
        std::vector<double> m(set.size() * set.size());
        for (size_t a = 0; a < set.size(); ++a)
            for (size_t b = 0; b < set.size(); ++b)
                m[a * set.size() + b] = value(set[a], set[b]);
        return profile::positiveSemiDefinite(m, set.size());
    };
    auto refuse = [&](const std::vector<int> &set) {
        QStringList named;
        for (int i : set)
            named << m_names[i];
        return tr("These correlations cannot hold together (their matrix is not positive semi-definite): %1.")
            .arg(named.join(QStringLiteral(", ")));
    };
    // Every three scores whose pairs are known, then the largest such set
    // taken in order: an impossible matrix shows in one or the other.
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                if (known({a, b, c}) && !possible({a, b, c}))
                    return refuse({a, b, c});
    std::vector<int> set;
    for (int i = 0; i < n; ++i) {
        set.push_back(i);
        if (!known(set))
            set.pop_back();
    }
    if (set.size() > 3 && !possible(set))
        return refuse(set);
    return {};
}

QByteArray CorrelationGrid::csv() const
{
    const int n = int(m_names.size());
    QString text = QStringLiteral("name");
    for (const QString &name : m_names)
        text += QLatin1Char(',') + csvCell(name);
    text += QLatin1Char('\n');
    for (int i = 0; i < n; ++i) {
        text += csvCell(m_names[i]);
        for (int j = 0; j < n; ++j) {
            text += QLatin1Char(',');
            const double v = value(i, j);
            if (j <= i && !std::isnan(v))
                text += QString::number(v, 'g', QLocale::FloatingPointShortest);
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool CorrelationGrid::saveAs(const QString &path)
{
    if (const QString why = whyNotSavable(); !why.isEmpty()) {
        say(why);
        return false;
    }
    const fw::FileWrite written = fw::writeFile(path, protectedFiles ? protectedFiles() : text::ReadFiles(), csv());
    if (!written.written()) {
        say(tr("%1 was not saved: %2").arg(QFileInfo(path).fileName(), written.why));
        return false;
    }
    say(tr("Saved as %1; the sheet uses these correlations.").arg(QFileInfo(path).fileName()));
    m_path = path;
    m_undo->setClean();
    emit saved(path);
    return true;
}

QString CorrelationGrid::load(const QString &path)
{
    profile::Correlations read;
    if (const QString problem = readCorrelationFile(path, read); !problem.isEmpty()) {
        say(problem);
        return problem;
    }
    const int n = int(m_names.size());
    std::vector<Change> changes;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < i; ++j)
            changes.push_back({i, j, 0, read.between(m_names[i].toStdString(), m_names[j].toStdString())});
    change(std::move(changes));
    return {};
}

bool CorrelationGrid::_LoadAction()
{
    const QString path = fw::GetOpenFileName(this, tr("Load Correlations"), tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        load(path);
    return true;
}

// To the correlation file the sheet uses, or as a new one when it uses none.
bool CorrelationGrid::_SaveAction()
{
    if (m_path.isEmpty())
        return _SaveAsAction();
    return saveAs(m_path);
}

bool CorrelationGrid::_SaveAsAction()
{
    const QString path = fw::GetSaveFileName(this, tr("Save Correlations"),
                                             m_path.isEmpty() ? tr("correlations.csv") : m_path,
                                             tr("CSV files (*.csv);;All files (*)"));
    return !path.isEmpty() && saveAs(path);
}

std::vector<std::pair<int, int>> CorrelationGrid::selectedCells() const
{
    std::vector<std::pair<int, int>> cells;
    for (const QTableWidgetSelectionRange &range : m_grid->selectedRanges())
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            for (int column = range.leftColumn(); column <= range.rightColumn() && column < row; ++column)
                cells.emplace_back(row, column);
    return cells;
}

// The selected block as a spreadsheet takes it: rows of tab-separated cells.
bool CorrelationGrid::_CopyAction()
{
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    if (ranges.isEmpty())
        return true;
    int top = ranges[0].topRow(), bottom = ranges[0].bottomRow(), left = ranges[0].leftColumn(),
        right = ranges[0].rightColumn();
    for (const QTableWidgetSelectionRange &range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
        left = std::min(left, range.leftColumn());
        right = std::max(right, range.rightColumn());
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            const double v = value(row, column);
            cells << (std::isnan(v) ? QString() : QLocale().toString(v, 'g', QLocale::FloatingPointShortest));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return true;
}

bool CorrelationGrid::_CutAction()
{
    _CopyAction();
    return _ClearAction();
}

// Empties the selected cells below the diagonal, as one step.
bool CorrelationGrid::_ClearAction()
{
    std::vector<Change> changes;
    for (const auto &[row, column] : selectedCells())
        if (!std::isnan(value(row, column)))
            changes.push_back({row, column, 0, kUnknown});
    change(std::move(changes));
    return true;
}

bool CorrelationGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            paste(QApplication::clipboard()->text());
            return true;
        }
        if (key->matches(QKeySequence::Undo)) {
            m_undo->undo();
            return true;
        }
        if (key->matches(QKeySequence::Redo)) {
            m_undo->redo();
            return true;
        }
        // Delete and Backspace empty the selected cells, as in a spreadsheet.
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && key->modifiers() == Qt::NoModifier) {
            _ClearAction();
            return true;
        }
    }
    return fw::Window::eventFilter(watched, event);
}

} // namespace battery
