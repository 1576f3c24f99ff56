// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpexamples.h"

#include "useractions.h"
#include "warning.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QXmlStreamReader>

#include <algorithm>

namespace testing {

namespace {

QStringList classes(const QXmlStreamReader &reader)
{
    return reader.attributes().value(QStringLiteral("class")).toString().split(u' ', Qt::SkipEmptyParts);
}

// A swatch is a label the keyboard reaches; other labels only name fields.
QString captionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->focusPolicy() == Qt::NoFocus ? QString() : label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && widget->accessibleName().isEmpty())
        return button->text();
    return widget->accessibleName().simplified();
}

// The control of that caption that `fits`, picked by place among several.
template <typename Fits>
QWidget *find(QWidget *window, const ExampleRow &row, Fits fits)
{
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        // The typed part of an editable drop-down is reached through its box.
        if (widget->isVisibleTo(window) && !qobject_cast<QComboBox *>(widget->parentWidget())
            && captionOf(widget) == row.caption && fits(widget))
            found << widget;
    }
    for (const QString &where : row.where) {
        const bool across = where == u"links" || where == u"rechts";
        const auto place = [&](const QWidget *w) { return across ? w->mapTo(window, QPoint()).x() : w->mapTo(window, QPoint()).y(); };
        std::ranges::sort(found, {}, place);
        if (!found.isEmpty())
            found = {where == u"links" || where == u"oben" ? found.first() : found.last()};
    }
    return found.size() == 1 ? found.first() : nullptr;
}

int itemIndex(const QComboBox *box, const QString &value)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).simplified() == value)
            return i;
    }
    return -1;
}

QString carryOut(QWidget *window, const ExampleRow &row)
{
    if (row.kind == u"eingabe") {
        if (auto *box = qobject_cast<QComboBox *>(find(window, row, [&](QWidget *w) {
                const auto *b = qobject_cast<QComboBox *>(w);
                return b && itemIndex(b, row.value) >= 0;
            })))
            return pick(box, box->itemText(itemIndex(box, row.value))) ? QString() : QStringLiteral("cannot pick");
        auto *field = qobject_cast<QLineEdit *>(find(window, row, [](QWidget *w) {
            const auto *f = qobject_cast<QLineEdit *>(w);
            return f && !f->isReadOnly();
        }));
        if (!field)
            return QStringLiteral("no such entry field or item");
        typeInto(field, row.value);
        return {};
    }
    if (row.kind == u"aktion") {
        QWidget *control = find(window, row, [](QWidget *w) { return qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w); });
        if (!control)
            return QStringLiteral("nothing to click");
        click(control);
        return {};
    }
    QString shown = QGuiApplication::clipboard()->text();
    if (row.caption != u"Zwischenablage") {
        // Of an entry and a result field of one caption, the result.
        const auto *field = qobject_cast<QLineEdit *>(find(window, row, [](QWidget *w) { return qobject_cast<QLineEdit *>(w); }));
        if (!field)
            field = qobject_cast<QLineEdit *>(find(window, row, [](QWidget *w) {
                const auto *f = qobject_cast<QLineEdit *>(w);
                return f && f->isReadOnly();
            }));
        if (!field)
            return QStringLiteral("no such field");
        shown = field->text();
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
        if (token == QXmlStreamReader::EndElement && reader.name() == u"table")
            inExample = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        QStringList kind = classes(reader);
        if (reader.name() == u"table" && kind.removeAll(QStringLiteral("beispiel"))) {
            examples.append(Example());
            tableWhere = kind;
            inExample = true;
        } else if (reader.name() == u"tr" && inExample && !kind.isEmpty()) {
            ExampleRow row{kind.takeFirst(), tableWhere + kind, {}, {}};
            while (reader.readNextStartElement()) {
                const bool caption = reader.name() == u"th";
                const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                if (caption)
                    row.caption = text;
                else if (!row.caption.isEmpty() && row.value.isEmpty())
                    row.value = text;
            }
            examples.last().append(row);
        }
    }
    if (reader.hasError())
        qWarning("%s: %s", qPrintable(page), qPrintable(reader.errorString()));
    return examples;
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
