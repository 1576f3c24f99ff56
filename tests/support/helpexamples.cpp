// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpexamples.h"

#include "useractions.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>
#include <functional>

namespace testing {

namespace {

// The one shown T of the row's caption (its screen-reader name, else the
// text on it) that fits, picked by the row's place.
template <typename T>
T *find(QWidget *window, const ExampleRow &row, const std::function<bool(const T *)> &fits)
{
    QList<T *> found;
    for (T *w : window->findChildren<T *>()) {
        const QString name = w->accessibleName().simplified();
        // The typed part of an editable drop-down is reached through its box.
        if ((name.isEmpty() && !qobject_cast<QLineEdit *>(w) ? w->property("text").toString() : name) == row.caption
            && w->isVisibleTo(window) && fits(w) && !qobject_cast<QComboBox *>(w->parentWidget()))
            found << w;
    }
    const bool across = row.place == u"links" || row.place == u"rechts";
    const auto at = [window](const QWidget *w) { return w->mapTo(window, QPoint()); };
    std::ranges::sort(found, {}, [&](const QWidget *w) { return across ? at(w).x() : at(w).y(); });
    if (!row.place.isEmpty() && !found.isEmpty())
        found = {row.place == u"links" || row.place == u"oben" ? found.first() : found.last()};
    return found.size() == 1 ? found.first() : nullptr;
}

QString carryOut(QWidget *window, const ExampleRow &row)
{
    if (row.kind == u"ergebnis") {
        const QLineEdit *field = find<QLineEdit>(window, row, [](const QLineEdit *) { return true; });
        const QString shown = row.caption == u"Zwischenablage" ? QGuiApplication::clipboard()->text()
                              : field                          ? field->text()
                                                               : QStringLiteral("(no such field)");
        return shown == row.value ? QString() : QStringLiteral("shows \"%1\"").arg(shown);
    }
    if (row.kind == u"aktion") {
        QWidget *control = find<QWidget>(window, row, [](const QWidget *w) { return w->focusPolicy() != Qt::NoFocus; });
        if (control)
            click(control);
        return control ? QString() : QStringLiteral("nothing to click");
    }
    // A caption may name a field and its unit list: the list where it has
    // the value, in an item that may be padded with blanks.
    const QString item = QStringLiteral("^ *%1 *$").arg(QRegularExpression::escape(row.value));
    const auto index = [&item](const QComboBox *box) { return box->findText(item, Qt::MatchRegularExpression); };
    if (auto *box = find<QComboBox>(window, row, [&index](const QComboBox *b) { return index(b) >= 0; }))
        return pick(box, box->itemText(index(box))) ? QString() : QStringLiteral("cannot pick");
    auto *field = find<QLineEdit>(window, row, [](const QLineEdit *f) { return !f->isReadOnly(); });
    if (field)
        typeInto(field, row.value);
    return field ? QString() : QStringLiteral("no such field or item");
}

} // namespace

QList<Example> helpExamples(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A row whose cells do not parse keeps an empty caption, so it fails.
    static const QRegularExpression part(
        QString::fromLatin1(R"re(<table class="beispiel ?([^"]*)"|<tr class="(\w+) ?([^"]*)">.*?)re"
                            R"re((?:<th>(.*?)</th><td>(.*?)</td>)?</tr>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    QList<Example> examples;
    QString tablePlace;
    for (const QRegularExpressionMatch &m : part.globalMatch(QString::fromUtf8(file.readAll()))) {
        const auto text = [&m](int cell) {
            return QTextDocumentFragment::fromHtml(m.captured(cell)).toPlainText().simplified();
        };
        if (!m.hasCaptured(2)) {
            examples.emplaceBack();
            tablePlace = m.captured(1);
        } else if (!examples.isEmpty())
            examples.last().append({m.captured(2), (tablePlace + u' ' + m.captured(3)).simplified(), text(4), text(5)});
    }
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
