#include "report_window/identification_block.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace report {

namespace {

const QString kBadField = QStringLiteral("QLineEdit { border: 2px solid #B00020; }");

} // namespace

IdentificationBlock::IdentificationBlock(const QString &testCaption, QWidget *parent, const QString &testLabel)
    : QWidget(parent)
    , m_testCaption(testCaption)
{
    setObjectName(QStringLiteral("identificationBlock"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const bool mnemonics = !testLabel.isEmpty();
    auto label = [mnemonics](const QString &caption, const QString &marked) {
        return mnemonics ? marked : caption + QLatin1Char(':');
    };
    const QString dateTip = tr("A date as year-month-day, such as 2016-03-14.");
    m_person = addField("clientFld", personCaption(), label(personCaption(), tr("N&ame or code:")),
                        tr("The name or code of the person tested. It is never stored."), 0, 0);
    m_testName = addField("testNameFld", testCaption, label(testCaption, testLabel), tr("The test given."), 0, 2);
    m_examiner = addField("examinerFld", examinerCaption(), label(examinerCaption(), tr("E&xaminer:")),
                          tr("Who gave the test."), 0, 4);
    m_birth = addField("birthDateFld", birthCaption(), label(birthCaption(), tr("Date of &birth:")), dateTip, 1, 0);
    m_test = addField("testDateFld", testDateCaption(), label(testDateCaption(), tr("Date of testin&g:")), dateTip,
                      1, 2);
    for (QLineEdit *date : {m_birth, m_test})
        date->setPlaceholderText(tr("YYYY-MM-DD"));

    m_age = new QLabel(this);
    m_age->setObjectName(QStringLiteral("ageLbl"));
    m_age->setToolTip(tr("Years;months at testing, worked out as on a record form: a month is "
                         "borrowed as 30 days."));
    m_age->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_age->setWordWrap(true);
    auto *caption = new QLabel(ageCaption() + QLatin1Char(':'), this);
    caption->setToolTip(m_age->toolTip());
    grid->addWidget(caption, 1, 4);
    grid->addWidget(m_age, 1, 5);
    m_cut = new QLabel(this);
    m_cut->setObjectName(QStringLiteral("cutLbl"));
    m_cut->setWordWrap(true);
    m_cut->setStyleSheet(QStringLiteral("color: #B00020;"));
    m_cut->hide();
    grid->addWidget(m_cut, 2, 0, 1, 6);
    for (int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);
    m_test->setText(today());
}

QLineEdit *IdentificationBlock::addField(const char *name, const QString &caption, const QString &labelText,
                                         const QString &tip, int row, int column)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setToolTip(tip);
    field->setAccessibleName(caption);
    auto *label = new QLabel(labelText, this);
    label->setBuddy(field);
    label->setToolTip(tip);
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    connect(field, &QLineEdit::textChanged, this, [this] { fieldEdited(); });
    return field;
}

Identification IdentificationBlock::identification() const
{
    return {m_person->text(), storedDate(m_birth->text()), storedDate(m_test->text()), m_testName->text(),
            m_examiner->text()};
}

void IdentificationBlock::setIdentification(const Identification &id)
{
    m_cut->hide();
    QSignalBlocker blocker(this);
    m_person->setText(id.person);
    // A field typed in already shows its date: left alone, its cursor stays.
    if (storedDate(m_birth->text()) != id.birthDate)
        m_birth->setText(shownDate(id.birthDate));
    if (storedDate(m_test->text()) != id.testDate)
        m_test->setText(shownDate(id.testDate));
    m_testName->setText(id.testName);
    m_examiner->setText(id.examiner);
    blocker.unblock();
    fieldEdited();
}

QList<QWidget *> IdentificationBlock::tabOrder() const
{
    return {m_person, m_testName, m_examiner, m_birth, m_test};
}

// A field holds kLongestIdPart characters; a longer text, typed, pasted
// or read from a file, keeps its start and the block says so.
void IdentificationBlock::keepToLimit()
{
    const std::pair<QLineEdit *, QString> fields[] = {{m_person, personCaption()}, {m_testName, m_testCaption},
                                                      {m_examiner, examinerCaption()}, {m_birth, birthCaption()},
                                                      {m_test, testDateCaption()}};
    for (const auto &[field, caption] : fields) {
        if (field->text().size() <= kLongestIdPart)
            continue;
        const QSignalBlocker blocker(field);
        field->setText(field->text().left(kLongestIdPart));
        m_cut->setText(tr("%1 was longer than %2 characters: its first %2 are kept.").arg(caption).arg(kLongestIdPart));
        m_cut->show();
    }
}

void IdentificationBlock::fieldEdited()
{
    keepToLimit();
    const AgeReading age = readAge(identification());
    mark(m_birth, age.birthBad, age.problem);
    mark(m_test, age.testBad, age.problem);
    m_age->setText(age.problem.isEmpty() ? age.text : age.problem);
    m_age->setStyleSheet(age.problem.isEmpty() ? QString() : QStringLiteral("color: #B00020;"));
    m_age->setAccessibleName(ageCaption() + QStringLiteral(": ") + m_age->text());
    emit changed();
}

void IdentificationBlock::mark(QLineEdit *field, bool bad, const QString &why)
{
    field->setAccessibleDescription(bad ? why : QString());
    // Only on a change: a style sheet restyles the field, which takes time.
    if (field->property("marked").toBool() == bad)
        return;
    field->setProperty("marked", bad);
    field->setStyleSheet(bad ? kBadField : QString());
}

} // namespace report
