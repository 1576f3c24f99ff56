// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entryfield.h"
#include "numbers.h"
#include "resultfield.h"
#include "steps.h"
#include "useractions.h"
#include "warning.h"
#include "windowrows.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <memory>

// Sends every window thousands of seeded random user actions and checks
// after each one that nothing shows a number that is not one, that typed
// text respects the fields' limits, and each window's own invariants.
// ELEKTRONIK_RANDOM_ACTIONS sets the count per window, ELEKTRONIK_RANDOM_SEED
// the seed; a failure names both so it can be replayed.
class RandomInputTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActions_data();
    void randomActions();
};

namespace {

// Checks a window's own rules after an action; returns what is wrong.
using Invariant = std::function<QString(const QWidget *window, bool lastWasCalculation)>;

const QStringList kPastes = {
    QString(),
    QStringLiteral("0"),
    QStringLiteral("12,5"),
    QStringLiteral("-3"),
    QStringLiteral("1E300"),
    QStringLiteral("1E-300"),
    QStringLiteral("-1E-300"),
    QStringLiteral("9,99E+307"),
    QStringLiteral("1,79769313486232E+308"),
    QStringLiteral("1.000.000,5"),
    QStringLiteral("1,2,3"),
    QStringLiteral(" , "),
    QStringLiteral("nan"),
    QStringLiteral("inf"),
    QStringLiteral("abc"),
    QStringLiteral("0,0000000000000000000001"),
    QString(300, u'9'),
    QStringLiteral("5e"),
    QStringLiteral("\t7\n8"),
};

const QString kKeys = QStringLiteral("0123456789,,  .-aZE+");

// Keys beyond plain characters: editing, Enter, and the clipboard shortcuts.
const std::pair<Qt::Key, Qt::KeyboardModifiers> kSpecialKeys[] = {
    {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
    {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_Insert, Qt::ShiftModifier},
};

// Where a window shows nothing until a field is filled, the actions start
// from a filled one, so that they meet results to keep or to empty.
const QHash<QString, QStringList> kFirstSteps = {
    {QStringLiteral("Form12"), {QStringLiteral("Text1=12"), QStringLiteral("Text2=5")}},
    {QStringLiteral("Form13"), {QStringLiteral("Text1=12")}},
};

// What the program writes into a field is a number or nothing.
bool isProgramText(const QString &text)
{
    return text.isEmpty() || common::number(text).has_value();
}

// Windows made of two independent calculators: what a change of one
// half's inputs must empty, and what it must leave alone.
struct Half {
    QStringList inputs;
    QStringList results;
};
struct HalvedWindow {
    const char *window;
    Half halves[2];
};
const HalvedWindow kHalvedWindows[] = {
    {"Form9",
     {{{"Text1", "Text2", "Combo1", "Combo2"}, {"Text3", "Text4", "Text5", "Text6"}},
      {{"Text7", "Text8", "Combo3", "Combo4"}, {"Text9", "Text10", "Text11"}}}},
    {"Form10",
     {{{"Combo1", "Combo2", "Combo3", "Combo4"}, {"Text1", "Text2", "Text3", "Text4"}},
      {{"Combo5", "Combo6", "Combo7", "Combo8", "Combo9"}, {"Text5", "Text6", "Text7", "Text8"}}}},
};

// After the user changed `input`, its half's results are empty and the
// other half's are as they were.
QString halvesInvariant(const QWidget *window, const QString &input, const QHash<QString, QString> &before)
{
    for (const HalvedWindow &halved : kHalvedWindows) {
        if (window->objectName() != QLatin1String(halved.window))
            continue;
        for (int side = 0; side < 2; ++side) {
            if (!halved.halves[side].inputs.contains(input))
                continue;
            for (const QString &result : halved.halves[side].results) {
                if (!window->findChild<QLineEdit *>(result)->text().isEmpty())
                    return result + QStringLiteral(" kept its result");
            }
            for (const QString &result : halved.halves[1 - side].results) {
                if (window->findChild<QLineEdit *>(result)->text() != before.value(result))
                    return result + QStringLiteral(" of the other half changed");
            }
        }
    }
    return {};
}

QString formInvariants(const QWidget *window, bool lastWasCalculation)
{
    const QString name = window->objectName();
    if (name == QLatin1String("Form6")) {
        int red = 0;
        for (const char *field : {"Text1", "Text2", "Text3"}) {
            if (common::textColour(window->findChild<QWidget *>(QLatin1String(field))) == QColor(Qt::red))
                ++red;
        }
        if (red > 1)
            return QStringLiteral("%1 fields are red").arg(red);
        if (lastWasCalculation && window->findChild<QWidget *>(QStringLiteral("Command1"))->isEnabled())
            return QStringLiteral("Berechne still enabled after a result");
    }
    if (name == QLatin1String("Form11")) {
        // Lesart (Combo1) shows exactly when there are several readings; an
        // empty field empties every result and the message (Label4).
        const auto *readings = window->findChild<QComboBox *>(QStringLiteral("Combo1"));
        if (readings->isVisibleTo(window) != (readings->count() > 1))
            return QStringLiteral("%1 readings, Lesart %2").arg(readings->count())
                .arg(readings->isVisibleTo(window) ? u"shown" : u"hidden");
        QString shown = window->findChild<QLabel *>(QStringLiteral("Label4"))->text();
        for (const QLineEdit *field : window->findChildren<QLineEdit *>())
            shown += field->isReadOnly() ? field->text() : QString();
        if (!shown.isEmpty() && window->findChild<QLineEdit *>(QStringLiteral("Text1"))->text().trimmed().isEmpty())
            return QStringLiteral("\"%1\" shown for no text").arg(shown);
    }
    if (name == QLatin1String("Form13")) {
        // Results come all or none, beside them only notes (Label25), never
        // a refusal; the drawing names the standard value shown (Text9).
        const QString message = window->findChild<QLabel *>(QStringLiteral("Label25"))->text();
        const QString standard = window->findChild<QLineEdit *>(QStringLiteral("Text9"))->text();
        for (const QLineEdit *field : window->findChildren<QLineEdit *>()) {
            if (field->isReadOnly() && standard.isEmpty() != field->text().isEmpty())
                return QStringLiteral("%1 shows \"%2\" beside the standard value \"%3\"")
                    .arg(field->objectName(), field->text(), standard);
        }
        const bool note = message.startsWith(QStringLiteral("Der Strom schwankt"))
            || message.contains(QStringLiteral("5-W-Widerstand"));
        if (!standard.isEmpty() && !message.isEmpty() && !note)
            return QStringLiteral("\"%1\" shown beside \"%2\"").arg(standard, message);
        const QString drawn = window->findChild<QWidget *>(QStringLiteral("Picture1"))->accessibleDescription();
        if (!drawn.contains(standard.isEmpty() ? QStringLiteral("Vorwiderstand R,") : standard))
            return QStringLiteral("the drawing says \"%1\" for \"%2\"").arg(drawn, standard);
    }
    if (window->objectName() == QLatin1String("Form1") && window->findChild<QCheckBox *>(QStringLiteral("Check1"))) {
        const bool one = window->findChild<QWidget *>(QStringLiteral("Command1"))->isVisibleTo(window);
        const bool two = window->findChild<QWidget *>(QStringLiteral("Command2"))->isVisibleTo(window);
        if (one == two)
            return QStringLiteral("both or neither Berechne visible");
    }
    return {};
}

} // namespace

void RandomInputTest::randomActions_data()
{
    testing::addWindowRows(false);
}

void RandomInputTest::randomActions()
{
    QFETCH(testing::WindowFactory, factory);
    const int count = qEnvironmentVariableIsSet("ELEKTRONIK_RANDOM_ACTIONS")
        ? qEnvironmentVariableIntValue("ELEKTRONIK_RANDOM_ACTIONS")
        : 3000;
    const quint32 seed = qEnvironmentVariableIsSet("ELEKTRONIK_RANDOM_SEED")
        ? quint32(qEnvironmentVariableIntValue("ELEKTRONIK_RANDOM_SEED"))
        : 20261207u;
    QRandomGenerator random(seed);

    common::WarningRecorder recorder;
    const std::unique_ptr<QWidget> window = factory();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QCOMPARE(testing::doSteps(window.get(), kFirstSteps.value(window->objectName())), QString());
    QCOMPARE(formInvariants(window.get(), false), QString());

    QList<QLineEdit *> lineEdits;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        // The edit line of an editable drop-down holds the unit, not a number.
        if (!qobject_cast<QComboBox *>(edit->parentWidget()))
            lineEdits << edit;
    }
    // Typing goes into every field that takes it: entry fields, and the
    // plain ones of the parts' windows.
    QList<QLineEdit *> entries = lineEdits;
    entries.removeIf([](const QLineEdit *edit) { return edit->isReadOnly(); });
    QList<QComboBox *> combos;
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        if (!qobject_cast<common::FixedSelector *>(combo))
            combos << combo;
    }
    const auto buttons = window->findChildren<QPushButton *>();
    const auto options = window->findChildren<QRadioButton *>();
    const auto checks = window->findChildren<QCheckBox *>();
    QList<QLabel *> swatches;
    if (window->objectName() == QLatin1String("Form7"))
        swatches = window->findChildren<QLabel *>();
    // The parts' windows show values with units and markings; their own
    // rules check them.
    static const QStringList kPartWindows = {QStringLiteral("Form11"), QStringLiteral("Form12"), QStringLiteral("Form13")};
    const bool numbers = !kPartWindows.contains(window->objectName());

    for (int step = 0; step < count; ++step) {
        const QString where = QStringLiteral("seed %1, action %2").arg(seed).arg(step);
        bool calculation = false;
        QString action;
        const QLineEdit *userEdited = nullptr;
        QString changedInput;
        QHash<const QLineEdit *, QString> before;
        QHash<QString, QString> beforeByName;
        for (const QLineEdit *edit : lineEdits) {
            before.insert(edit, edit->text());
            beforeByName.insert(edit->objectName(), edit->text());
        }
        const int kind = int(random.bounded(8));
        if (kind <= 2 && !entries.isEmpty()) {
            QLineEdit *field = entries[int(random.bounded(qsizetype(entries.size())))];
            userEdited = field;
            const qsizetype length = field->text().size();
            field->setFocus(Qt::MouseFocusReason);
            const int keys = 1 + int(random.bounded(4));
            for (int k = 0; k < keys; ++k) {
                const int special = int(std::size(kSpecialKeys));
                const int choice = int(random.bounded(int(kKeys.size()) + special));
                if (choice < kKeys.size()) {
                    QTest::keyClick(field, kKeys[choice].toLatin1());
                } else {
                    const auto &[key, modifiers] = kSpecialKeys[choice - kKeys.size()];
                    QTest::keyClick(field, key, modifiers);
                }
            }
            action = QStringLiteral("typing into ") + field->objectName();
            const auto *entry = qobject_cast<const common::EntryField *>(field);
            if (entry && entry->limit() > 0 && field->text().size() > std::max<qsizetype>(length, entry->limit()))
                QFAIL(qPrintable(QStringLiteral("%1: %2 holds %3 characters").arg(where, field->objectName())
                                     .arg(field->text().size())));
        } else if (kind == 3 && !entries.isEmpty()) {
            QLineEdit *field = entries[int(random.bounded(qsizetype(entries.size())))];
            userEdited = field;
            if (random.bounded(2))
                field->selectAll();
            testing::paste(field, kPastes[int(random.bounded(kPastes.size()))]);
            action = QStringLiteral("pasting into ") + field->objectName();
        } else if (kind == 4 && !combos.isEmpty()) {
            QComboBox *combo = combos[int(random.bounded(qsizetype(combos.size())))];
            if (combo->isEnabled() && combo->count() > 0
                && testing::pick(combo, combo->itemText(int(random.bounded(combo->count())))))
                changedInput = combo->objectName();
            action = QStringLiteral("picking in ") + combo->objectName();
        } else if (kind == 5 && !(options.isEmpty() && checks.isEmpty())) {
            QList<QAbstractButton *> toggles;
            for (auto *o : options)
                toggles << o;
            for (auto *c : checks)
                toggles << c;
            QAbstractButton *toggle = toggles[int(random.bounded(qsizetype(toggles.size())))];
            if (toggle->isVisible() && toggle->isEnabled())
                testing::click(toggle);
            action = QStringLiteral("clicking ") + toggle->objectName();
        } else if (kind == 6 && !swatches.isEmpty()) {
            testing::click(swatches[int(random.bounded(qsizetype(swatches.size())))]);
            action = QStringLiteral("clicking a swatch");
        } else if (!buttons.isEmpty()) {
            QPushButton *button = buttons[int(random.bounded(qsizetype(buttons.size())))];
            if (button->isVisible() && button->isEnabled()) {
                testing::click(button);
                calculation = button->objectName() == QLatin1String("Command1") && recorder.messages().isEmpty();
            }
            action = QStringLiteral("pressing ") + button->objectName();
        }
        // What the action queued runs now, as the user's event loop would
        // run it before the next action: the checks see its effects, and a
        // long run does not pile up queued events. processEvents() alone
        // holds back some deferred deletes that a running loop carries out.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        recorder.take();

        for (const QLineEdit *edit : lineEdits) {
            if (numbers && edit != userEdited && edit->text() != before.value(edit) && !isProgramText(edit->text()))
                QFAIL(qPrintable(QStringLiteral("%1 (%2): %3 shows \"%4\"")
                                     .arg(where, action, edit->objectName(), edit->text())));
            // Standard values belong to a computed result, never to typing.
            const bool typedOver = edit == userEdited && edit->text() != before.value(edit);
            if ((edit->text().isEmpty() || typedOver) && !edit->toolTip().isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1 (%2): %3 keeps the hint \"%4\"")
                                     .arg(where, action, edit->objectName(), edit->toolTip())));
        }
        if (userEdited && userEdited->text() != before.value(userEdited))
            changedInput = userEdited->objectName();
        QString broken = formInvariants(window.get(), calculation);
        if (broken.isEmpty() && !changedInput.isEmpty())
            broken = halvesInvariant(window.get(), changedInput, beforeByName);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 (%2): %3").arg(where, action, broken)));
    }
}

QTEST_MAIN(RandomInputTest)
#include "tst_randominput.moc"
