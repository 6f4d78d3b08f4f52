#include "framework/text_area.h"

#include "framework/control_factory.h"

#include <QTextBlock>
#include <QTextCursor>

namespace fw {

TextArea::TextArea(QWidget *parent)
    : QTextEdit(parent)
{
    // Rich text from the clipboard could carry images and links; the area
    // takes plain characters and styles only what the program styles.
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void TextArea::setStyled(bool styled)
{
    m_styled = styled;
}

std::string TextArea::Text() const
{
    return ControlFactory::fromQtLines(toPlainText());
}

void TextArea::SetText(const std::string &text)
{
    setPlainText(ControlFactory::toQtLines(text));
}

int TextArea::clampPosition(int position) const
{
    const int end = document()->characterCount() - 1; // less the final separator
    return qBound(0, position, qMax(0, end));
}

int TextArea::SelStart() const
{
    return textCursor().selectionStart();
}

void TextArea::SetSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(clampPosition(position));
    setTextCursor(cursor);
}

int TextArea::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextArea::SetSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(clampPosition(start + qMax(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool TextArea::SelBold() const
{
    return textCursor().charFormat().fontWeight() >= QFont::Bold;
}

void TextArea::SetSelBold(bool bold)
{
    if (!m_styled)
        return;
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    textCursor().mergeCharFormat(format);
}

} // namespace fw
