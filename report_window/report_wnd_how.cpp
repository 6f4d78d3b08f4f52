// The Score Report's explanation pane: how the figure of the selected row
// was reached, with the numbers put in.
#include "report_window/report_wnd.h"

#include "report_window/explanation_words.h"
#include "report_window/report_table.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

namespace report {

void ReportWnd::createHowPane()
{
    QWidget *area = content();
    m_how = new QTextBrowser(area);
    m_how->setObjectName(QStringLiteral("howPane"));
    m_how->setAccessibleName(tr("How the figure was calculated"));
    m_how->setOpenLinks(false);
    m_how->setMinimumWidth(m_how->fontMetrics().averageCharWidth() * 36);
    m_how->setPlaceholderText(tr("Select a row of the table to see how its figure was calculated."));

    m_howButton = new QPushButton(tr("H&ow was this calculated?"), area);
    m_howButton->setObjectName(QStringLiteral("howBtn"));
    m_howButton->setToolTip(tr("Shows how the selected figure was calculated, with the numbers put in."));
    connect(m_howButton, &QPushButton::clicked, this, [this] { howBtn_Clicked(); });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) { explainRow(row); });
}

// With no row selected, the score as the report states it.
void ReportWnd::howBtn_Clicked()
{
    if (!m_facts)
        return;
    if (m_table->currentRow() < 0)
        m_table->setCurrentCell(int(statedScale(m_facts->score)), 0);
    explainRow(m_table->currentRow());
    m_how->setFocus(Qt::OtherFocusReason);
}

void ReportWnd::explainRow(int row)
{
    if (!m_facts || row < 0 || row > interpretation::kScaleIdCount) {
        m_how->clear();
        return;
    }
    QString html = explanationHtml(rowHeading(*m_facts, row), rowExplanation(*m_facts, row), naming(*m_facts));
    if (const QString shown = trueScoreShownSentence(*m_facts, row); !shown.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(shown.toHtmlEscaped());
    m_how->setHtml(html);
}

} // namespace report
