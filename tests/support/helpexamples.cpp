// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpexamples.h"

#include "useractions.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace testing {

namespace {

// Swatches are the labels the keyboard reaches; other labels only name.
QString captionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->focusPolicy() == Qt::NoFocus ? QString() : label->text();
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    return button && widget->accessibleName().isEmpty() ? button->text() : widget->accessibleName().simplified();
}

// The one control of the row's caption that fits, picked by its place.
template <typename T>
T *find(QWidget *window, const ExampleRow &row, const std::function<bool(const T *)> &fits)
{
    QList<T *> found;
    for (T *widget : window->findChildren<T *>()) {
        // The typed part of an editable drop-down is reached through its box.
        if (widget->isVisibleTo(window) && !qobject_cast<QComboBox *>(widget->parentWidget())
            && captionOf(widget) == row.caption && fits(widget))
            found << widget;
    }
    for (const QString &where : row.where) {
        const bool across = where == u"links" || where == u"rechts";
        std::ranges::sort(found, {}, [&](const T *w) {
            const QPoint at = w->mapTo(window, QPoint());
            return across ? at.x() : at.y();
        });
        if (!found.isEmpty())
            found = {where == u"links" || where == u"oben" ? found.first() : found.last()};
    }
    return found.size() == 1 ? found.first() : nullptr;
}

QString carryOut(QWidget *window, const ExampleRow &row)
{
    const auto item = [&](const QComboBox *box) {
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).simplified() == row.value)
                return box->itemText(i);
        }
        return QString();
    };
    if (row.kind == u"eingabe") {
        if (auto *box = find<QComboBox>(window, row, [&](const QComboBox *b) { return !item(b).isEmpty(); }))
            return pick(box, item(box)) ? QString() : QStringLiteral("cannot pick");
        auto *field = find<QLineEdit>(window, row, [](const QLineEdit *f) { return !f->isReadOnly(); });
        if (field)
            typeInto(field, row.value);
        return field ? QString() : QStringLiteral("no such field or item");
    }
    if (row.kind == u"aktion") {
        QWidget *control = find<QWidget>(window, row, [](const QWidget *w) {
            return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLabel *>(w);
        });
        if (control)
            click(control);
        return control ? QString() : QStringLiteral("nothing to click");
    }
    QString shown = QGuiApplication::clipboard()->text();
    if (row.caption != u"Zwischenablage") {
        const QLineEdit *field = find<QLineEdit>(window, row, [](const QLineEdit *) { return true; });
        shown = field ? field->text() : QStringLiteral("(no such field)");
    }
    return shown == row.value ? QString() : QStringLiteral("shows \"%1\"").arg(shown);
}

} // namespace

QList<Example> helpExamples(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    QList<Example> examples;
    QStringList tableWhere;
    bool inExample = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        inExample = inExample && !(token == QXmlStreamReader::EndElement && reader.name() == u"table");
        if (token != QXmlStreamReader::StartElement)
            continue;
        QStringList kind = reader.attributes().value(QStringLiteral("class")).toString().split(u' ', Qt::SkipEmptyParts);
        if (reader.name() == u"table" && kind.removeAll(QStringLiteral("beispiel"))) {
            examples.append(Example());
            tableWhere = kind;
            inExample = true;
        } else if (reader.name() == u"tr" && inExample && !kind.isEmpty()) {
            ExampleRow row{kind.takeFirst(), tableWhere + kind, {}, {}};
            while (reader.readNextStartElement()) {
                const bool isCaption = reader.name() == u"th";
                const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                if (isCaption)
                    row.caption = text;
                else if (!row.caption.isEmpty() && row.value.isEmpty())
                    row.value = text;
            }
            examples.last().append(row);
        }
    }
    return reader.hasError() ? QList<Example>() : examples;
}

QStringList runExample(QWidget *window, const Example &example)
{
    const common::WarningRecorder warnings;
    QStringList faults;
    for (const ExampleRow &row : example) {
        const QString fault = carryOut(window, row);
        QCoreApplication::processEvents();
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 %2 \"%3\": %4").arg(row.kind, row.caption, row.value, fault);
    }
    for (const QString &message : warnings.messages())
        faults << QStringLiteral("warning \"%1\"").arg(message);
    return faults;
}

} // namespace testing
