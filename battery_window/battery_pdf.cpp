#include "battery_window/battery_pdf.h"

#include "battery_window/battery_file.h"
#include "battery_window/battery_settings.h"
#include "battery_window/words.h"
#include "framework/printed_document.h"
#include "framework/written_file.h"
#include "report_window/core_words.h"
#include "text/ascii.h"

#include <QFile>
#include <QFileInfo>

namespace battery {

namespace {

std::string fileName(const QString &path)
{
    return QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
}

} // namespace

namespace {

QString exportAs(bool odt, const std::vector<BatteryReport> &reports, const QString &path,
                 const text::ReadFiles &reads, bool *refused, bool waitForReader)
{
    const QString name = QFileInfo(path).fileName();
    std::vector<std::unique_ptr<fw::PrintedDocument>> documents;
    std::vector<const fw::PrintedDocument *> printed;
    for (const BatteryReport &report : reports) {
        documents.push_back(batteryDocument(report));
        printed.push_back(documents.back().get());
    }
    QByteArray bytes;
    if (!(odt ? fw::PrintedDocument::odt(printed, bytes) : fw::PrintedDocument::pdf(printed, bytes)))
        return Words::tr("%1 could not be written: the report could not be drawn.").arg(name);
    const fw::FileWrite written = fw::writeFile(path, reads, bytes, waitForReader);
    if (refused)
        *refused = written.outcome == fw::FileWrite::Refused;
    if (!written.written())
        return Words::tr("%1 could not be written: %2").arg(name, written.why);
    return {};
}

} // namespace

QString exportPdf(const std::vector<BatteryReport> &reports, const QString &path, const text::ReadFiles &reads,
                  bool *refused, bool waitForReader)
{
    return exportAs(false, reports, path, reads, refused, waitForReader);
}

QString exportOdt(const std::vector<BatteryReport> &reports, const QString &path, const text::ReadFiles &reads,
                  bool *refused, bool waitForReader)
{
    return exportAs(true, reports, path, reads, refused, waitForReader);
}

QString suggestedOdtName(const Sheet &sheet)
{
    QString name = suggestedPdfName(sheet);
    return name.left(name.size() - 3) + QStringLiteral("odt");
}

PdfOutcome batteryFileToPdf(const PdfRequest &request)
{
    const BatterySettings stored = BatterySettings::load();

    // The files the report is made from, which the PDF must never replace.
    const interpretation::DescriptorSystem *system = nullptr;
    QString descriptorFile;
    if (request.descriptors) {
        system = interpretation::findSystem(text::lowerAscii(request.descriptors->toStdString()));
        if (!system)
            descriptorFile = *request.descriptors;
    } else {
        system = interpretation::findSystem(stored.descriptors.toStdString());
        if (!system && stored.descriptorFile.isEmpty())
            system = &interpretation::builtInSystems().front();
        else if (!system)
            descriptorFile = stored.descriptorFile;
    }
    const QString correlationsFile = request.correlations.value_or(stored.correlationsFile);
    text::ReadFiles reads;
    reads.add(Words::tr("the battery file being printed").toStdString(), fileName(request.battery));
    if (!descriptorFile.isEmpty())
        reads.add(Words::tr("the descriptor file the report uses").toStdString(), fileName(descriptorFile));
    if (!correlationsFile.isEmpty())
        reads.add(Words::tr("the correlation file the report uses").toStdString(), fileName(correlationsFile));
    if (const std::string what = reads.holding(QFile::encodeName(request.pdf).toStdString()); !what.empty())
        return {2, (request.odt ? Words::tr("%1 is %2; the report is not written over it. Give the document another name.")
                                : Words::tr("%1 is %2; the report is not written over it. Give the PDF another name."))
                       .arg(request.pdf, QString::fromStdString(what))};

    // A file named on the command line that cannot be read is a usage
    // error; a stored one stops the run all the same, for a report meant
    // to be signed must not leave out what was chosen.
    interpretation::DescriptorSystem custom;
    QString descriptorName = system ? report::systemTitle(*system) : QString();
    if (!system) {
        if (const QString problem = readDescriptorFile(descriptorFile, custom); !problem.isEmpty())
            return {request.descriptors ? 2 : 1,
                    request.descriptors ? problem
                                        : Words::tr("the descriptor file the sheet last used: %1").arg(problem)};
        system = &custom;
        descriptorName = QFileInfo(descriptorFile).completeBaseName();
    }
    profile::Correlations correlations;
    if (!correlationsFile.isEmpty()) {
        if (const QString problem = readCorrelationFile(correlationsFile, correlations); !problem.isEmpty())
            return {request.correlations ? 2 : 1,
                    request.correlations ? problem
                                         : Words::tr("the correlation file the sheet last used: %1").arg(problem)};
    }

    FileReading reading;
    FileProblem problem;
    if (!readBatteryFile(fileName(request.battery), reading, problem, true))
        return {1, Words::fileProblem(QFileInfo(request.battery).fileName(), problem)};
    std::vector<Sheet> people;
    people.push_back(std::move(reading.sheet));
    for (Sheet &other : reading.others)
        people.push_back(std::move(other));
    if (request.person) {
        const std::string wanted = request.person->toStdString();
        std::vector<Sheet> chosen;
        for (Sheet &person : people)
            if (person.id.person == wanted)
                chosen.push_back(std::move(person));
        if (chosen.empty())
            return {1, Words::tr("%1 has no person named %2.").arg(QFileInfo(request.battery).fileName(), *request.person)};
        people = std::move(chosen);
    }

    profile::Settings settings = coreSettings(stored, *system);
    if (request.metric)
        settings.metric = *request.metric;
    if (request.alpha)
        settings.alpha = *request.alpha;
    if (request.bonferroni)
        settings.bonferroni = true;
    if (request.confidence)
        settings.confidence = *request.confidence;
    if (request.method)
        settings.method = *request.method;
    if (request.changeMethod)
        settings.changeMethod = *request.changeMethod;
    if (request.pairsCorrection)
        settings.pairsCorrection = *request.pairsCorrection;
    if (request.lowCutoff)
        settings.lowCutoff = *request.lowCutoff;

    std::vector<SheetResults> results(people.size());
    std::vector<BatteryReport> reports;
    for (std::size_t at = 0; at < people.size(); ++at) {
        workOut(people[at], correlations, settings, results[at]);
        BatteryReport report;
        report.sheet = &people[at];
        report.results = &results[at];
        report.settings = settings;
        report.descriptorName = descriptorName;
        report.correlationsFile = correlationsFile.isEmpty() ? QString() : QFileInfo(correlationsFile).fileName();
        reports.push_back(std::move(report));
    }
    bool refused = false;
    const QString written = exportAs(request.odt, reports, request.pdf, reads, &refused, true);
    if (!written.isEmpty())
        return {refused ? 2 : 1, written};
    return {};
}

} // namespace battery
