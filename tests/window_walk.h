// What the windows show, gathered from every visible widget of every
// window the program has open: window titles, labels, buttons, placeholder
// texts, list items, table heads and cells, text panes, tooltips, accessible
// names and descriptions, menu titles and items, and the words of the
// Score Report's picture. Typed field contents are the user's, not the
// program's, and are left out.
#pragma once

#include "framework/implicit_window.h"
#include "framework/window.h"
#include "report_window/curve_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

struct ShownText {
    QString where; // "ReportWnd/howPane: accessible name"
    QString text;
};

inline QString plainOf(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

inline void addShown(QList<ShownText> &out, const QString &where, const QString &text)
{
    if (!text.trimmed().isEmpty())
        out.push_back({where, text});
}

inline void walkMenu(QList<ShownText> &out, const QString &where, const QMenu *menu)
{
    addShown(out, where + QStringLiteral(": menu"), menu->title());
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->menu())
            walkMenu(out, where, action->menu());
        else
            addShown(out, where + QStringLiteral(": item ") + action->objectName(), action->text());
    }
}

inline void walkWidget(QList<ShownText> &out, const QString &window, QWidget *widget)
{
    const QString where = window + QLatin1Char('/') + widget->objectName();
    addShown(out, where + QStringLiteral(": tooltip"), widget->toolTip());
    addShown(out, where + QStringLiteral(": accessible name"), widget->accessibleName());
    addShown(out, where + QStringLiteral(": accessible description"), widget->accessibleDescription());
    if (auto *label = qobject_cast<QLabel *>(widget))
        addShown(out, where, plainOf(label->text()));
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        addShown(out, where, button->text());
    else if (auto *field = qobject_cast<QLineEdit *>(widget))
        addShown(out, where + QStringLiteral(": placeholder"), field->placeholderText());
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        for (int i = 0; i < box->count(); ++i)
            addShown(out, where + QStringLiteral(": item"), box->itemText(i));
    else if (auto *edit = qobject_cast<QTextEdit *>(widget))
        addShown(out, where, edit->toPlainText() + QLatin1Char('\n') + edit->placeholderText());
    else if (auto *bar = qobject_cast<QMenuBar *>(widget))
        for (const QAction *action : bar->actions())
            if (action->menu())
                walkMenu(out, where, action->menu());
    if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (const QTableWidgetItem *head = table->horizontalHeaderItem(c)) {
                addShown(out, where + QStringLiteral(": head"), head->text());
                addShown(out, where + QStringLiteral(": head tip"), head->toolTip());
            }
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem *item = table->item(r, c))
                    addShown(out, where + QStringLiteral(": cell"), item->text());
    }
    if (auto *curve = qobject_cast<report::CurveView *>(widget)) {
        const auto geometry = curve->picture().geometry(QRectF(curve->rect()), curve->fontPixels());
        for (const report::CurvePicture::Text &text : geometry.texts)
            addShown(out, where + QStringLiteral(": picture"), text.text);
    }
}

// Everything the program's open windows show.
inline QList<ShownText> shownTexts()
{
    QList<ShownText> out;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<fw::Window *>(top);
        if (!window || !window->isVisible())
            continue;
        addShown(out, window->objectName() + QStringLiteral(": title"), window->windowTitle());
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (widget->isVisibleTo(window) || qobject_cast<QMenuBar *>(widget))
                walkWidget(out, window->objectName(), widget);
    }
    return out;
}
