// A question with two answers and Cancel: "Save" or "Don't Save" for a
// document with unsaved changes, say. While a hook is set, Ask hands it the
// text and returns its answer at once: tests answer for the user.
#pragma once

#include <QString>

#include <functional>

namespace fw {

enum class Answer { Yes, No, Cancel };

// yes and no are the buttons' captions; Escape and closing the box cancel.
Answer Ask(const QString &text, const QString &detail, const QString &yes, const QString &no);

// nullptr (an empty function) restores the real box.
void setAskHook(std::function<Answer(const QString &text)> hook);

} // namespace fw
