#include "framework/question_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace fw {

namespace {

std::function<Answer(const QString &)> &hook()
{
    static std::function<Answer(const QString &)> s_hook;
    return s_hook;
}

} // namespace

Answer Ask(const QString &text, const QString &detail, const QString &yes, const QString &no)
{
    if (hook())
        return hook()(text);
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton);
    box.setTextFormat(Qt::PlainText); // names of files are shown, never interpreted
    box.setInformativeText(detail);
    QPushButton *yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *noButton = box.addButton(no, QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(cancel);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (box.clickedButton() == yesButton)
        return Answer::Yes;
    if (box.clickedButton() == noButton)
        return Answer::No;
    return Answer::Cancel;
}

void setAskHook(std::function<Answer(const QString &text)> hook_)
{
    hook() = std::move(hook_);
}

} // namespace fw
