#include "framework/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace fw {

namespace {

std::function<void(const std::string &)> &hook()
{
    static std::function<void(const std::string &)> s_hook;
    return s_hook;
}

} // namespace

void MsgBox(const std::string &text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // the text is shown, never interpreted
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void setMsgBoxHook(std::function<void(const std::string &text)> hook_)
{
    hook() = std::move(hook_);
}

} // namespace fw
