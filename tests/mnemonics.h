// The letters a window offers with Alt: its menu bar's titles, its labels'
// and its buttons'. Two controls that share a letter only take turns.
#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

// "Alt+S: Scores and Sentence" for each letter taken twice; empty when none is.
inline QStringList mnemonicClashes(const QWidget *window)
{
    QMap<QString, QStringList> owners;
    auto note = [&owners](const QString &text) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty())
            owners[key] << text;
    };
    if (const auto *bar = window->findChild<QMenuBar *>())
        for (const QAction *title : bar->actions())
            note(title->text());
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy())
            note(label->text());
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window))
            note(button->text());
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1)
            clashes << QStringLiteral("%1: %2").arg(it.key(), it.value().join(QLatin1String(" and ")));
    return clashes;
}
