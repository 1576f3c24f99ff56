// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entryfield.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <utility>

namespace common {

namespace {

bool isEditingShortcut(const QKeyEvent *event)
{
    static constexpr QKeySequence::StandardKey kBlocked[] = {
        QKeySequence::Copy, QKeySequence::Cut,  QKeySequence::Paste,
        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll,
    };
    for (const QKeySequence::StandardKey key : kBlocked) {
        if (event->matches(key))
            return true;
    }
    return false;
}

bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// The numeric keypad's decimal key. Qt reports it as a full stop or comma
// with the keypad modifier, whatever character the layout puts on it.
bool isKeypadDecimal(const QKeyEvent *event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier)
        && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

} // namespace

bool EntryField::isPasteAction(const QAction *action)
{
    // Newer Qt names the action; older ones only show its shortcut.
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    return action->objectName() == QLatin1String("edit-paste")
        || (!shortcut.isEmpty() && action->text().endsWith(u'\t' + shortcut));
}

EntryField::EntryField(const QString &objectName, const EntrySpec &setup, QWidget *parent)
    : QLineEdit(setup.initialText, parent)
    , m_spec(setup)
{
    setObjectName(objectName);
    // QLineEdit's own limit would also cut the program's writes.
    setMaxLength(32767);
    setDragEnabled(true);
}

bool EntryField::passes(QChar c, DigitFilter filter)
{
    if (c == u'\b' || c == u',' || (c >= u'0' && c <= u'9'))
        return true;
    return filter == DigitFilter::WithBlank && c == u' ';
}

int EntryField::room() const
{
    if (m_spec.maxLength <= 0)
        return std::numeric_limits<int>::max();
    const qsizetype kept = text().size() - selectedText().size();
    return std::max(0, int(m_spec.maxLength - kept));
}

void EntryField::insertLimited(const QString &text)
{
    QString piece = text;
    // A single-line field takes the first line only, as QLineEdit does.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const qsizetype lineEnd = piece.indexOf(lineBreak);
    if (lineEnd >= 0)
        piece.truncate(lineEnd);
    piece.truncate(std::min<qsizetype>(piece.size(), room()));
    if (!piece.isEmpty() || hasSelectedText())
        insert(piece);
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (isEditingShortcut(event)) {
        event->accept();
        return;
    }
    if (isKeypadDecimal(event)) {
        // On every layout this key means the decimal separator, so it types
        // the comma; a dropped full stop would make the number ten times
        // larger without a word.
        QKeyEvent comma(event->type(), Qt::Key_Comma, event->modifiers() & ~Qt::KeypadModifier,
                        QStringLiteral(","), event->isAutoRepeat(), quint16(event->count()));
        keyPressEvent(&comma);
        event->setAccepted(comma.isAccepted());
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || isEditingKey(event->key())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = typed.front();
    if (typed.size() != 1 || !passes(c, m_spec.filter) || (c != u'\b' && room() == 0)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::inputMethodEvent(QInputMethodEvent *event)
{
    QString committed;
    for (const QChar c : event->commitString()) {
        if (c != u'\b' && passes(c, m_spec.filter))
            committed += c;
    }
    committed.truncate(std::min<qsizetype>(committed.size(), room()));
    if (committed == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(committed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        // The middle button pastes the primary selection; it obeys the limit
        // like any other paste.
        if (!isReadOnly())
            insertLimited(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    // Selecting here, after QLineEdit's own handling, survives the click.
    if (m_spec.selectAllOnClick && event->button() == Qt::LeftButton)
        setSelection(0, int(text().size()));
}

void EntryField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (isPasteAction(action)) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this,
                    [this] { insertLimited(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void EntryField::dragEnterEvent(QDragEnterEvent *event)
{
    // QLineEdit clears the selection as soon as a drag moves over the field,
    // so a drag that starts here notes now which text it carries.
    if (event->source() == this && hasSelectedText())
        m_dragged = Span{selectionStart(), int(selectedText().size())};
    QLineEdit::dragEnterEvent(event);
}

void EntryField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    const int at = cursorPositionAt(event->position().toPoint());
    const std::optional<Span> dragged = std::exchange(m_dragged, std::nullopt);
    if (event->source() == this && dragged) {
        moveText(*dragged, at);
    } else {
        setCursorPosition(at);
        insertLimited(event->mimeData()->text());
    }
    event->acceptProposedAction();
}

void EntryField::moveText(Span dragged, int at)
{
    const int end = dragged.start + dragged.length;
    if (at >= dragged.start && at <= end) {
        setSelection(dragged.start, dragged.length);
        return;
    }
    // One edit from the drop point to the far end of the dragged text, so
    // the field changes once and its length stays within the limit.
    const int from = std::min(at, dragged.start);
    const int to = std::max(at, end);
    const QString span = text().mid(from, to - from);
    const QString moved = text().mid(dragged.start, dragged.length);
    const bool forward = at > dragged.start;
    setSelection(from, to - from);
    insert(forward ? span.mid(dragged.length) + moved : moved + span.left(span.size() - dragged.length));
    setSelection(forward ? at - dragged.length : at, dragged.length);
}

} // namespace common
