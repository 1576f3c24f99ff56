// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "useractions.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace testing {

namespace {

// Delete as a keyboard sends it: X11, Wayland and Windows give it the text
// DEL, which a key filter may well look at.
void pressDelete(QWidget *widget)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
}

} // namespace

QStringList texts(const QWidget *window, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result << child<QLineEdit>(window, name)->text();
    return result;
}

QStringList hints(const QWidget *window, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names) {
        auto *field = child<QLineEdit>(window, name);
        const QString read = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description);
        if (read == field->toolTip())
            result << read;
        else
            result << QStringLiteral("%1: tooltip \"%2\", read as \"%3\"").arg(name, field->toolTip(), read);
    }
    return result;
}

void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty()) {
        pressDelete(field);
        return;
    }
    QTest::keyClicks(field, text);
}

void typeAppend(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->end(false);
    QTest::keyClicks(field, text);
}

void clearField(QLineEdit *field)
{
    field->setFocus(Qt::MouseFocusReason);
    field->end(false);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    pressDelete(field);
}

bool pick(QComboBox *combo, const QString &itemText)
{
    const int index = combo->findText(itemText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    // A locked box does not open: nothing can be picked then.
    if (!view->isVisible())
        return false;
    const QModelIndex modelIndex = view->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(modelIndex);
    // Items may be wider than a narrow list: click the visible part.
    const QPoint centre = view->visualRect(modelIndex).intersected(view->viewport()->rect()).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (view->isVisible())
        combo->hidePopup();
    return combo->currentIndex() == index;
}

bool paste(QLineEdit *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    field->setFocus(Qt::MouseFocusReason);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(field, &event);
    bool pasted = false;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *menu = qobject_cast<QMenu *>(top);
        if (!menu || !menu->isVisible())
            continue;
        for (QAction *action : menu->actions()) {
            if (common::EntryField::isPasteAction(action) && action->isEnabled()) {
                action->trigger();
                pasted = true;
            }
        }
        menu->close();
    }
    // The closed menu deletes itself later; without an event loop running,
    // later never comes and every paste would leave one behind.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return pasted;
}

bool pasteOver(common::EntryField *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    return paste(field, text);
}

QStringList tabOrder(int presses)
{
    const auto focusName = [] {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    };
    QStringList visited{focusName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    return visited;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QString onNextModal(const std::function<void()> &open, const std::function<void(QWidget *)> &action)
{
    QString fault = QStringLiteral("no modal window came up");
    // Ends with this function: when nothing modal comes up, the timer must
    // not fire later, in another test, on that test's windows.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll.stop();
        action(modal);
        fault = modal && modal->isVisible() ? QStringLiteral("the modal window stayed open") : QString();
        if (!fault.isEmpty())
            testing::closeModals();
    });
    poll.start();
    open();
    return fault;
}

QString answerWarning(const std::function<void(const QMessageBox *)> &look, QWidget *parent)
{
    // Ends the timer with this function: when warning() opens nothing, the
    // timer must not fire later, in another test.
    const QObject context;
    QString fault = QStringLiteral("no modal window came up");
    QTimer::singleShot(0, &context, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            fault = QStringLiteral("the active modal window is no message box");
        } else {
            look(box);
            QTest::keyClick(box, Qt::Key_Return);
            fault = box->isVisible() ? QStringLiteral("Enter left the box open") : QString();
        }
        if (!fault.isEmpty())
            testing::closeModals();
    });
    common::warning(parent, QStringLiteral("falsche Eingabe"));
    return fault;
}

void closeModals()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->windowModality() == Qt::NonModal)
            continue;
        // Rejecting returns from a dialog's exec(); other modal windows are hidden.
        if (auto *dialog = qobject_cast<QDialog *>(top))
            dialog->reject();
        else
            top->hide();
    }
}

QString textPlacementFault(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const QRgb background = label->palette().color(QPalette::Window).rgb();
    int top = image.height(), left = image.width(), right = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background)
                continue;
            top = std::min(top, y);
            left = std::min(left, x);
            right = std::min(right, image.width() - 1 - x);
        }
    }
    // Drawn from the top, the tallest letters start where the font's ascent
    // leaves room above capitals, give or take a pixel of ascender.
    const QFontMetrics metrics(label->font());
    const int capitalsTop = metrics.ascent() - metrics.capHeight();
    if (top < capitalsTop - 2 || top > capitalsTop + 1)
        return QStringLiteral("text starts %1 px down, capitals start %2 px down").arg(top).arg(capitalsTop);
    if (std::abs(left - right) > 1)
        return QStringLiteral("text %1 px from the left, %2 px from the right").arg(left).arg(right);
    return {};
}

} // namespace testing
