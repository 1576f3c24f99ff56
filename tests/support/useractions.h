// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entryfield.h"
#include "form.h"
#include "warning.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

// Drives windows the way a user does, for the window tests.
namespace testing {

// The named child of a window; fails the test when there is none.
template <typename T>
T *child(const QWidget *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (!widget)
        qWarning("no child %s", qPrintable(name));
    return widget;
}

// The texts of the window's named line edits, in the order of `names`.
QStringList texts(const QWidget *window, const QStringList &names);

// Shows a new window of type F and waits until it is
// the active window, as one the user has just opened.
template <typename F>
std::unique_ptr<F> openWindow()
{
    auto window = std::make_unique<F>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window %s not active", qPrintable(window->objectName()));
    return window;
}

// The window of a test class that opens the same window afresh for each
// test function: open() in init(), close() in cleanup(). While it is open,
// warnings are recorded instead of shown.
template <typename F>
class WindowFixture
{
public:
    // False when the window did not become active.
    bool open()
    {
        m_warnings = std::make_unique<common::WarningRecorder>();
        m_window = openWindow<F>();
        return m_window->isActiveWindow();
    }

    void close()
    {
        m_window.reset();
        m_warnings.reset();
    }

    F *get() const { return m_window.get(); }
    F *operator->() const { return m_window.get(); }

    // The warnings since the last call, forgetting them.
    QStringList warnings() { return m_warnings->take(); }

private:
    std::unique_ptr<common::WarningRecorder> m_warnings;
    std::unique_ptr<F> m_window;
};

// Clicks into the field, selects its whole text with the mouse and types
// `text` over it, key by key, through the field's key filter.
void typeInto(QLineEdit *field, const QString &text);

// Puts the cursor at the end of the field and types `text` key by key.
void typeAppend(QLineEdit *field, const QString &text);

// Empties a field with the keyboard (select with Shift+Home, then Delete).
void clearField(QLineEdit *field);

// Picks an item by its text from a drop-down list: opens its list and clicks
// the item, as a user does. Returns false when there is no such item.
bool pick(QComboBox *combo, const QString &itemText);

// Looks at a centred label as drawn: empty when its text starts at the top
// and stands centred left to right, else what is wrong.
QString textPlacementFault(QLabel *label);

// Pastes `text` through the field's context menu, the one way a user can
// paste into an entry field; the current selection is replaced. Returns
// false when the menu offered no paste.
bool paste(QLineEdit *field, const QString &text);

// Selects the field's whole text and pastes `text` over it, as paste().
bool pasteOver(common::EntryField *field, const QString &text);

// Presses Tab `presses` times. Returns the name of the focus widget at the
// start and after each press; an empty name where no widget has the focus.
QStringList tabOrder(int presses);

// The tooltips of the window's named fields, in the order of `names`. Where
// a screen reader would read another description than the tooltip, the
// entry says so instead.
QStringList hints(const QWidget *window, const QStringList &names);

// Left click in the middle of a widget.
void click(QWidget *widget);

// Calls `open` and runs `action` on the modal window (a window shown with
// exec()) that comes up meanwhile, once it is showing; `action` closes it.
// Returns what went wrong: no modal window came up, or `action` left it
// open. Then every modal window is closed, so the test fails at once
// instead of waiting in the window's event loop. Nothing is left waiting
// for a modal window after the return.
QString onNextModal(const std::function<void()> &open, const std::function<void(QWidget *)> &action);

// Closes every modal window still showing, so that a test that finds the
// wrong window open fails at once instead of waiting in that window's
// event loop until it is killed.
void closeModals();

// Shows the warning "falsche Eingabe" over `parent`, as the window would,
// hands its box to `look` while it is open and presses Enter on it.
// Returns what went wrong: no box came up, or Enter left it open. Then
// every modal window is closed, so the test fails at once instead of
// waiting in the box's event loop.
QString answerWarning(const std::function<void(const QMessageBox *)> &look, QWidget *parent = nullptr);

} // namespace testing
