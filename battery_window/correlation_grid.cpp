#include "battery_window/correlation_grid.h"

#include "battery_window/battery_settings.h"
#include "framework/file_dialog.h"
#include "framework/written_file.h"
#include "profile/analysis.h"
#include "profile/correlations.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace battery {

namespace {

const double kUnknown = std::numeric_limits<double>::quiet_NaN();

class GridCommand : public QUndoCommand {
public:
    GridCommand(CorrelationGrid &grid, std::vector<CorrelationGrid::Change> changes)
        : m_grid(grid), m_changes(std::move(changes)) {}
    void redo() override { m_grid.apply(m_changes, true); }
    void undo() override { m_grid.apply(m_changes, false); }

private:
    CorrelationGrid &m_grid;
    std::vector<CorrelationGrid::Change> m_changes;
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

CorrelationGrid::CorrelationGrid(const QStringList &names, const profile::Correlations &known, QWidget *parent)
    : QWidget(parent, Qt::Window), m_names(names)
{
    setObjectName(QStringLiteral("CorrelationGrid"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Correlations"));
    const int n = int(names.size());
    m_values.assign(size_t(n) * size_t(n), kUnknown);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m_values[size_t(i * n + j)] = i == j ? 1.0 : known.between(names[i].toStdString(), names[j].toStdString());

    m_undo = new QUndoStack(this);
    m_undo->setObjectName(QStringLiteral("correlationsUndo"));
    m_grid = new QTableWidget(n, n, this);
    m_grid->setObjectName(QStringLiteral("gridTbl"));
    m_grid->setHorizontalHeaderLabels(names);
    m_grid->setVerticalHeaderLabels(names);
    m_grid->setToolTip(tr("Type or paste the correlations below the diagonal; above it they are mirrored."));
    m_grid->installEventFilter(this);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problemTxt"));
    m_problem->setWordWrap(true);
    m_undoButton = new QPushButton(tr("&Undo"), this);
    m_undoButton->setObjectName(QStringLiteral("undoBtn"));
    m_load = new QPushButton(tr("&Load\u2026"), this);
    m_load->setObjectName(QStringLiteral("loadBtn"));
    m_saveAs = new QPushButton(tr("Save &As\u2026"), this);
    m_saveAs->setObjectName(QStringLiteral("saveAsBtn"));
    m_saveAs->setToolTip(tr("Save the correlations as a CSV file; the sheet then uses them."));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_undoButton);
    buttons->addStretch(1);
    buttons->addWidget(m_load);
    buttons->addWidget(m_saveAs);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            showCell(i, j);
    m_undoButton->setEnabled(false);
    connect(m_undo, &QUndoStack::canUndoChanged, m_undoButton, &QPushButton::setEnabled);
    connect(m_undoButton, &QPushButton::clicked, m_undo, &QUndoStack::undo);
    // Later: the editor is done with the cell before it is refused or mirrored.
    connect(m_grid, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!m_showing)
            QMetaObject::invokeMethod(this, [this, row, column] { cellEdited(row, column); }, Qt::QueuedConnection);
    });
    connect(m_load, &QPushButton::clicked, this, [this] { loadBtn_Clicked(); });
    connect(m_saveAs, &QPushButton::clicked, this, [this] { saveAsBtn_Clicked(); });
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
    m_problem->setText(text);
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

void CorrelationGrid::loadBtn_Clicked()
{
    const QString path = fw::GetOpenFileName(this, tr("Load Correlations"), tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        load(path);
}

void CorrelationGrid::saveAsBtn_Clicked()
{
    const QString path = fw::GetSaveFileName(this, tr("Save Correlations"), tr("correlations.csv"),
                                             tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        saveAs(path);
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
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace battery
