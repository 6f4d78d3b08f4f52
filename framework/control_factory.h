// Makes one control of a ControlRecord row: its kind, text, font, colours and
// flags. Where it goes, its name and its events are the window's business.
#pragma once

#include "framework/control_record.h"

#include <QFont>
#include <QString>

#include <string_view>

class QWidget;

namespace fw {

class ControlFactory {
public:
    static QWidget *create(const ControlRecord &record, QWidget *parent);
    static QFont font(const Font &font);
    // "\r" (or "\r\n") line breaks as Qt's "\n", and back.
    static QString toQtLines(std::string_view text);
    static std::string fromQtLines(const QString &text);
};

} // namespace fw
