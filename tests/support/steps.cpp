// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steps.h"

#include "useractions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace testing {

namespace {

struct Step {
    QString name;
    QChar how; // '=', '+', or none for a click
    QString value;
};

Step parse(const QString &step)
{
    for (qsizetype at = 0; at < step.size(); ++at) {
        if (step[at] == u'=' || step[at] == u'+')
            return {step.left(at), step[at], step.mid(at + 1)};
    }
    return {step, QChar(), QString()};
}

} // namespace

QString doSteps(QWidget *window, const QStringList &steps)
{
    for (const QString &text : steps) {
        const Step step = parse(text);
        auto *target = window->findChild<QWidget *>(step.name);
        if (!target)
            return text + QStringLiteral(": the window has no ") + step.name;
        auto *field = qobject_cast<QLineEdit *>(target);
        auto *list = qobject_cast<QComboBox *>(target);
        if (step.how.isNull()) {
            click(target);
        } else if (step.how == u'=' && list) {
            if (!pick(list, step.value))
                return text + QStringLiteral(": the list offers no such item or does not open");
        } else if (step.how == u'=' && field) {
            typeInto(field, step.value);
        } else if (step.how == u'+' && field) {
            typeAppend(field, step.value);
        } else {
            return text + QStringLiteral(": ") + step.name + QStringLiteral(" takes no such step");
        }
    }
    return {};
}

QStringList stepNames(const QStringList &steps)
{
    QStringList names;
    for (const QString &step : steps)
        names.append(parse(step).name);
    return names;
}

QStringList fieldSteps(const QWidget *window, const QStringList &names)
{
    QStringList steps;
    for (const QString &name : names) {
        const auto *field = window->findChild<QLineEdit *>(name);
        steps.append(field ? name + u'=' + field->text() : name + QStringLiteral(" missing"));
    }
    return steps;
}

} // namespace testing
