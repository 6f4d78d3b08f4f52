// A multi-line text area, plain or styled. Line breaks in its text are "\r"
// as in every text of the program. The selection is counted in characters,
// a line break counting one.
#pragma once

#include <QTextEdit>

#include <string>

namespace fw {

class TextArea : public QTextEdit {
    Q_OBJECT

public:
    explicit TextArea(QWidget *parent = nullptr);

    void setStyled(bool styled);
    bool isStyled() const { return m_styled; }

    std::string Text() const;
    void SetText(const std::string &text);

    int SelStart() const;
    void SetSelStart(int position);  // moves the caret; selects nothing
    int SelLength() const;
    void SetSelLength(int length);   // from SelStart on
    bool SelBold() const;
    void SetSelBold(bool bold);      // styled areas only

private:
    int clampPosition(int position) const;

    bool m_styled = false;
};

} // namespace fw
