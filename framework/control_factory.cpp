#include "framework/control_factory.h"

#include "framework/canvas.h"
#include "framework/entry_field.h"
#include "framework/rectangle.h"
#include "framework/text_area.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

namespace fw {

namespace {

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

QColor orDefault(const Rgb &colour, const QColor &fallback)
{
    return colour.isSet() ? colour.toQColor() : fallback;
}

QWidget *makeRectangle(const ControlRecord &record, QWidget *parent)
{
    auto *rectangle = new Rectangle(parent);
    rectangle->setColours(orDefault(record.fill, Qt::white),
                          orDefault(record.borderTopLeft, QColor(204, 204, 204)),
                          orDefault(record.borderBottomRight, QColor(102, 102, 102)));
    return rectangle;
}

QWidget *makePushButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    // Return and Escape in a field must not press a button, and a click
    // leaves the caret where it was; Tab still reaches the button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QWidget *makeEntryField(const ControlRecord &record, QWidget *parent)
{
    auto *field = new EntryField(parent);
    field->setTypingLimit(record.limit);
    field->setAlignment(horizontal(record.align) | Qt::AlignVCenter);
    field->setAttribute(Qt::WA_MacShowFocusRect, record.focusRing);
    field->setText(QString::fromUtf8(record.text.data(), record.text.size()));
    return field;
}

QWidget *makeLabel(const ControlRecord &record, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // never read as markup
    label->setAlignment(horizontal(record.align) | Qt::AlignTop);
    label->setText(text);
    return label;
}

QWidget *makeCanvas(const ControlRecord &record, QWidget *parent)
{
    auto *canvas = new Canvas(parent);
    canvas->setPicture(record.picture);
    return canvas;
}

QWidget *makeTextArea(const ControlRecord &record, QWidget *parent)
{
    auto *area = new TextArea(parent);
    area->setStyled(record.styled);
    area->setReadOnly(record.readOnly);
    area->SetText(std::string(record.text));
    return area;
}

QWidget *makeOfKind(const ControlRecord &record, const char *context, QWidget *parent)
{
    switch (record.kind) {
    case ControlKind::Rectangle: return makeRectangle(record, parent);
    case ControlKind::PushButton:
        return makePushButton(ControlFactory::toQtLines(ControlFactory::translated(record.text, context)),
                              parent);
    case ControlKind::EntryField: return makeEntryField(record, parent);
    case ControlKind::Canvas: return makeCanvas(record, parent);
    case ControlKind::TextArea: return makeTextArea(record, parent);
    case ControlKind::Label: break;
    }
    return makeLabel(record, ControlFactory::toQtLines(ControlFactory::translated(record.text, context)), parent);
}

bool showsText(ControlKind kind)
{
    return kind != ControlKind::Rectangle && kind != ControlKind::Canvas;
}

// A layout's point sizes are points of its own pixel grid, one pixel each:
// so text stays inside the boxes drawn for it whatever the screen's
// resolution. Text areas keep true points, since their text is printed.
QFont gridFont(const ControlRecord &record)
{
    QFont font = ControlFactory::font(record.font);
    if (record.kind != ControlKind::TextArea && record.font.pointSize > 0)
        font.setPixelSize(record.font.pointSize);
    return font;
}

} // namespace

QWidget *ControlFactory::create(const ControlRecord &record, QWidget *parent, const char *context)
{
    QWidget *control = makeOfKind(record, context, parent);
    if (!record.accessibleName.empty())
        control->setAccessibleName(translated(record.accessibleName, context));
    if (showsText(record.kind)) {
        control->setFont(gridFont(record));
        if (record.textColour.isSet()) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText, record.textColour.toQColor());
            palette.setColor(QPalette::Text, record.textColour.toQColor());
            palette.setColor(QPalette::ButtonText, record.textColour.toQColor());
            control->setPalette(palette);
        }
    }
    return control;
}

QFont ControlFactory::font(const Font &record)
{
    QFont font;
    if (record.family.empty() || record.family == "System") {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else {
        font = QFont(QString::fromUtf8(record.family.data(), record.family.size()));
        // Where the named family is missing, fall back to one of its kind.
        if (record.family.find("Courier") != std::string_view::npos)
            font.setStyleHint(QFont::TypeWriter);
        else if (record.family.find("Times") != std::string_view::npos)
            font.setStyleHint(QFont::Serif);
    }
    if (record.pointSize > 0)
        font.setPointSize(record.pointSize);
    font.setBold(record.bold);
    return font;
}

QString ControlFactory::translated(std::string_view text, const char *context)
{
    if (!context || text.empty())
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const std::string source(text); // the records' views need not end in a NUL
    return QCoreApplication::translate(context, source.c_str());
}

QString ControlFactory::toQtLines(std::string_view text)
{
    return toQtLines(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QString ControlFactory::toQtLines(QString lines)
{
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

std::string ControlFactory::fromQtLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return lines.toStdString();
}

} // namespace fw
