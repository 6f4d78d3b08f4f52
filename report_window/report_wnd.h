// The Score Report window. It follows the converter: it reports the last
// successful Calculate (ScoreFeed) and updates at once when a new one
// succeeds or the converter is cleared. Who was tested and when heads it
// (IdentificationBlock; never stored). The user chooses the reliability,
// confidence, interval method and descriptor system (all but the
// reliability, which belongs to a test, are remembered between runs); the
// window shows the picture (CurvePicture), the table of every scale, a
// sentence, and beside the table how the selected figure was reached. Its
// File, Edit and Report items copy, save, print and export the report.
// Built with Qt layouts, not from records, but it shares the one menu bar,
// its enabling and its routing like every other window. The parameters are
// in report_wnd_parameters.cpp, the explanations in report_wnd_how.cpp, the
// menu commands in report_wnd_output.cpp.
#pragma once

#include "framework/window.h"
#include "interpretation/interpretation.h"
#include "report_window/identification.h"
#include "report_window/report_text.h"
#include "text/read_files.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace fw {
class StatusLine;
}

namespace report {

class CurveView;
class IdentificationBlock;
struct ReportTable;

class ReportWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "ReportWnd";

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void EnableMenuItems() override;

    bool _ControlMenuItem_Action();
    bool _DescriptionMenuItem_Action();
    bool _CopyTableAction_Action();
    bool _CopySentenceAction_Action();
    bool _SavePictureAction_Action();
    bool _PrintReportAction_Action();
    bool _ExportPdfItem_Action();
    bool _ExportDocumentItem_Action();
    bool exportReport(bool odt);

    // Reads a descriptor system from a CSV file and chooses it; the reason
    // when it cannot.
    QString loadDescriptorFile(const QString &path);

    // What the report shows now; nothing before a score.
    const std::optional<ReportFacts> &facts() const { return m_facts; }
    Identification identification() const;

private:
    void createParameterRow();
    void createReport();
    void createHowPane();
    void setTabOrder();
    void restoreSettings();
    void saveSettings() const;
    void fillDescriptorBox();
    void readStoredDescriptorFile(const QString &path);

    void reliabilityFld_TextChanged();
    void descriptorBox_Activated(int index);
    void howBtn_Clicked();
    // Everything shown, from the latest score and the parameters; then the
    // menu items follow.
    void refresh();
    void rebuild();
    // The interval settings when the reliability field holds a usable
    // value; marks the field invalid, with the reason, when it does not.
    std::optional<interpretation::IntervalSettings> readInterval();
    const interpretation::DescriptorSystem &chosenSystem() const;
    void showDescriptorProblem();
    void showNoScore();
    void showFacts(const ReportFacts &facts);
    void fillTable(const ReportTable &table);
    void setCell(int row, int column, const QString &text);
    void fitTable();
    void drawPicture(const ReportFacts *facts);
    void explainRow(int row);
    // What Save Picture… and Export PDF… must never write onto.
    text::ReadFiles readFiles() const;

    IdentificationBlock *m_identification = nullptr;
    QLineEdit *m_reliability = nullptr;
    fw::StatusLine *m_reliabilityError = nullptr;
    QComboBox *m_confidence = nullptr;
    QComboBox *m_method = nullptr;
    QComboBox *m_descriptors = nullptr;
    fw::StatusLine *m_descriptorError = nullptr;
    QLabel *m_source = nullptr;
    CurveView *m_curve = nullptr;
    QTableWidget *m_table = nullptr;
    QTextBrowser *m_how = nullptr;
    QPushButton *m_howButton = nullptr;
    QLabel *m_sentence = nullptr;
    QLabel *m_legend = nullptr;

    std::optional<interpretation::DescriptorSystem> m_custom;
    QString m_customPath;    // the file chosen, kept while it cannot be read
    QString m_customProblem; // why the file chosen cannot be used now
    bool m_reliabilityMarked = false;
    int m_descriptorIndex = 0; // the choice before "Custom…" was picked
    std::optional<ReportFacts> m_facts;
};

} // namespace report
