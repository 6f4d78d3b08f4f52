// Makes one control of a ControlRecord row: its kind, text, font, colours and
// flags. Where it goes, its name and its events are the window's business.
// The texts of labels and buttons are translated in the window's context:
// the records mark them with QT_TRANSLATE_NOOP under the window's class name.
#pragma once

#include "framework/control_record.h"

#include <QFont>
#include <QString>

#include <string_view>

class QWidget;

namespace fw {

class ControlFactory {
public:
    // context: the translation context of the record's texts; nullptr
    // leaves them as written.
    static QWidget *create(const ControlRecord &record, QWidget *parent, const char *context = nullptr);
    static QString translated(std::string_view text, const char *context);
    static QFont font(const Font &font);
    // "\r" (or "\r\n") line breaks as Qt's "\n", and back.
    static QString toQtLines(std::string_view text);
    static QString toQtLines(QString text);
    static std::string fromQtLines(const QString &text);
};

} // namespace fw
