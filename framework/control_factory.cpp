#include "framework/control_factory.h"

#include "framework/canvas.h"
#include "framework/entry_field.h"
#include "framework/rectangle.h"
#include "framework/text_area.h"

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

QWidget *makeRectangle(const ControlSpec &spec, QWidget *parent)
{
    auto *rectangle = new Rectangle(parent);
    rectangle->setColours(orDefault(spec.fill, Qt::white),
                          orDefault(spec.borderTopLeft, QColor(204, 204, 204)),
                          orDefault(spec.borderBottomRight, QColor(102, 102, 102)));
    return rectangle;
}

QWidget *makePushButton(const ControlSpec &spec, QWidget *parent)
{
    auto *button = new QPushButton(ControlFactory::toQtLines(spec.text), parent);
    // Return and Escape in a field must not press a button, and a click
    // leaves the caret where it was; Tab still reaches the button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QWidget *makeEntryField(const ControlSpec &spec, QWidget *parent)
{
    auto *field = new EntryField(parent);
    field->setTypingLimit(spec.limit);
    field->setAlignment(horizontal(spec.align) | Qt::AlignVCenter);
    field->setAttribute(Qt::WA_MacShowFocusRect, spec.focusRing);
    field->setText(QString::fromUtf8(spec.text.data(), spec.text.size()));
    return field;
}

QWidget *makeLabel(const ControlSpec &spec, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // never read as markup
    label->setAlignment(horizontal(spec.align) | Qt::AlignTop);
    label->setText(ControlFactory::toQtLines(spec.text));
    return label;
}

QWidget *makeCanvas(const ControlSpec &spec, QWidget *parent)
{
    auto *canvas = new Canvas(parent);
    canvas->setPicture(spec.picture);
    return canvas;
}

QWidget *makeTextArea(const ControlSpec &spec, QWidget *parent)
{
    auto *area = new TextArea(parent);
    area->setStyled(spec.styled);
    area->setReadOnly(spec.readOnly);
    area->SetText(std::string(spec.text));
    return area;
}

QWidget *makeOfKind(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case ControlKind::Rectangle: return makeRectangle(spec, parent);
    case ControlKind::PushButton: return makePushButton(spec, parent);
    case ControlKind::EntryField: return makeEntryField(spec, parent);
    case ControlKind::Canvas: return makeCanvas(spec, parent);
    case ControlKind::TextArea: return makeTextArea(spec, parent);
    case ControlKind::Label: break;
    }
    return makeLabel(spec, parent);
}

bool showsText(ControlKind kind)
{
    return kind != ControlKind::Rectangle && kind != ControlKind::Canvas;
}

// A layout's point sizes are points of its own pixel grid, one pixel each:
// so text stays inside the boxes drawn for it whatever the screen's
// resolution. Text areas keep true points, since their text is printed.
QFont gridFont(const ControlSpec &spec)
{
    QFont font = ControlFactory::font(spec.font);
    if (spec.kind != ControlKind::TextArea && spec.font.pointSize > 0)
        font.setPixelSize(spec.font.pointSize);
    return font;
}

} // namespace

QWidget *ControlFactory::create(const ControlSpec &spec, QWidget *parent)
{
    QWidget *control = makeOfKind(spec, parent);
    if (showsText(spec.kind)) {
        control->setFont(gridFont(spec));
        if (spec.textColour.isSet()) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText, spec.textColour.toQColor());
            palette.setColor(QPalette::Text, spec.textColour.toQColor());
            palette.setColor(QPalette::ButtonText, spec.textColour.toQColor());
            control->setPalette(palette);
        }
    }
    return control;
}

QFont ControlFactory::font(const Font &spec)
{
    QFont font;
    if (spec.family.empty() || spec.family == "System") {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else {
        font = QFont(QString::fromUtf8(spec.family.data(), spec.family.size()));
        // Where the named family is missing, fall back to one of its kind.
        if (spec.family.find("Courier") != std::string_view::npos)
            font.setStyleHint(QFont::TypeWriter);
        else if (spec.family.find("Times") != std::string_view::npos)
            font.setStyleHint(QFont::Serif);
    }
    if (spec.pointSize > 0)
        font.setPointSize(spec.pointSize);
    font.setBold(spec.bold);
    return font;
}

QString ControlFactory::toQtLines(std::string_view text)
{
    QString lines = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
