// The identification fields as a block of controls that heads a window:
// name or code, date of birth, date of testing (today unless set), test or
// battery, examiner, and the age at testing worked out from the dates. A
// date that is not one, or testing before birth, is marked in place. The
// Score Report and the Battery Sheet both embed it; it keeps nothing
// between runs.
#pragma once

#include "report_window/identification.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace report {

class IdentificationBlock : public QWidget {
    Q_OBJECT

public:
    // testCaption: what the test field names, "Test" or "Battery". A test
    // label ("Te&st:") gives every label a mnemonic, for a window whose
    // other controls leave the letters free.
    explicit IdentificationBlock(const QString &testCaption, QWidget *parent = nullptr,
                                 const QString &testLabel = QString());

    Identification identification() const;
    // As read from a file; changed() follows.
    void setIdentification(const Identification &id);
    QString testCaption() const { return m_testCaption; }

    // The fields in Tab order, for the window's own order.
    QList<QWidget *> tabOrder() const;

signals:
    void changed();

private:
    QLineEdit *addField(const char *name, const QString &caption, const QString &label, const QString &tip,
                        int row, int column);
    void fieldEdited();
    void keepToLimit();
    void mark(QLineEdit *field, bool bad, const QString &why);

    QString m_testCaption;
    QLineEdit *m_person = nullptr;
    QLineEdit *m_birth = nullptr;
    QLineEdit *m_test = nullptr;
    QLineEdit *m_testName = nullptr;
    QLineEdit *m_examiner = nullptr;
    QLabel *m_age = nullptr;
    QLabel *m_cut = nullptr; // says which field was cut to its limit
};

} // namespace report
