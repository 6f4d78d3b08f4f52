#include "battery_window/battery_pdf.h"

#include "battery_window/battery_file.h"
#include "battery_window/battery_settings.h"
#include "battery_window/words.h"
#include "report_window/core_words.h"

#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

namespace battery {

QString exportPdf(const BatteryReport &report, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    // Printed beside the file and moved over it only when whole, so that a
    // failed export never leaves half a PDF where a good one was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Words::tr("%1 could not be written: %2").arg(name, file.errorString());
    QTemporaryDir scratch;
    const QString printed = scratch.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    QFile result(printed);
    if (!scratch.isValid() || !printBattery(printer, report) || !result.open(QIODevice::ReadOnly)) {
        file.cancelWriting();
        return Words::tr("%1 could not be written: the report could not be drawn.").arg(name);
    }
    const QByteArray bytes = result.readAll();
    if (bytes.isEmpty() || file.write(bytes) != bytes.size() || !file.commit())
        return Words::tr("%1 could not be written: %2").arg(name, file.errorString());
    return {};
}

QString batteryFileToPdf(const QString &file, const QString &pdf)
{
    FileReading reading;
    FileProblem problem;
    if (!readBatteryFile(QFileInfo(file).absoluteFilePath().toStdString(), reading, problem))
        return Words::fileProblem(QFileInfo(file).fileName(), problem);
    const BatterySettings settings = BatterySettings::load();
    interpretation::DescriptorSystem custom;
    const interpretation::DescriptorSystem *system = interpretation::findSystem(settings.descriptors.toStdString());
    QString descriptorName = system ? report::systemTitle(*system) : QString();
    if (!system) {
        if (settings.descriptorFile.isEmpty() || !readDescriptorFile(settings.descriptorFile, custom).isEmpty()) {
            system = &interpretation::builtInSystems().front();
            descriptorName = report::systemTitle(*system);
        } else {
            system = &custom;
            descriptorName = QFileInfo(settings.descriptorFile).completeBaseName();
        }
    }
    profile::Correlations correlations;
    QString correlationsFile;
    // As in the window, a remembered file that has gone or gone bad is left out.
    if (!settings.correlationsFile.isEmpty() && readCorrelationFile(settings.correlationsFile, correlations).isEmpty())
        correlationsFile = QFileInfo(settings.correlationsFile).fileName();
    BatteryReport report;
    report.sheet = &reading.sheet;
    report.settings = coreSettings(settings, *system);
    SheetResults results;
    workOut(reading.sheet, correlations, report.settings, results);
    report.results = &results;
    report.descriptorName = descriptorName;
    report.correlationsFile = correlationsFile;
    return exportPdf(report, pdf);
}

} // namespace battery
