// What the windows show, gathered from every visible widget of every
// window the program has open: window titles, labels, buttons, placeholder
// texts, list items, table heads and cells, text panes, tooltips, accessible
// names and descriptions, menu titles and items, and the words the Score
// Report's curve and the Battery Sheet's chart paint. Typed field contents are the user's, not the
// program's, and are left out.
#pragma once

#include "battery_window/chart_view.h"
#include "framework/implicit_window.h"
#include "framework/window.h"
#include "report_window/curve_view.h"
#include "tests/painted_text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

// The words a picture of the windows paints: the Score Report's curve and
// the Battery Sheet's chart, drawn at the widget's size.
inline QStringList paintedTexts(QWidget *widget)
{
    PaintedText device(widget->size());
    if (auto *curve = qobject_cast<report::CurveView *>(widget))
        return device.texts([curve](QPainter &painter) {
            curve->picture().paint(painter, QRectF(curve->rect()), curve->fontPixels());
        });
    if (auto *chart = qobject_cast<battery::ChartView *>(widget))
        return device.texts([chart](QPainter &painter) {
            chart->chart().paint(painter, QRectF(chart->rect()), chart->fontPixels());
        });
    return {};
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
    if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
        const QAbstractItemModel *model = view->model();
        for (int c = 0; c < model->columnCount(); ++c)
            for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                addShown(out, where + QStringLiteral(": head"), model->headerData(c, Qt::Horizontal, role).toString());
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                    addShown(out, where + QStringLiteral(": cell"), model->index(r, c).data(role).toString());
    }
    // One text for the picture: a label wrapped over lines is painted piece by piece.
    addShown(out, where + QStringLiteral(": picture"), paintedTexts(widget).join(QLatin1Char(' ')));
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
