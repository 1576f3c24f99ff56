// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

#include <optional>

namespace common {

// Which characters a typed key may bring into an entry field.
enum class DigitFilter {
    WithBlank,    // backspace, comma, digits and the blank
    WithoutBlank, // backspace, comma and digits
};

struct EntrySpec {
    QString initialText;
    int maxLength = 0; // what the user may type or paste; 0 means no limit
    DigitFilter filter = DigitFilter::WithoutBlank;
    bool selectAllOnClick = false;
};

// A single-line field for one decimal number.
//
// Typed characters pass the digit filter; every other character (Enter
// included) and every keyboard editing shortcut (copy, cut, paste, undo,
// redo, select all) is dropped, so nothing is pasted by keyboard. Navigation
// and deletion keys work as usual. The numeric keypad's decimal key types
// the comma on every keyboard layout. Pasting through the context menu, the
// middle button or a drop from elsewhere is not filtered but is cut to the
// maximum length; dragging selected text within the field moves it; text
// the program writes with setText() is never cut. With
// selectAllOnClick every click selects the whole text, so the next digit
// replaces it.
class EntryField : public QLineEdit
{
    Q_OBJECT

public:
    EntryField(const QString &objectName, const EntrySpec &setup, QWidget *parent);

    int limit() const { return m_spec.maxLength; }
    DigitFilter filter() const { return m_spec.filter; }

    // Whether a typed character passes this field's digit filter.
    static bool passes(QChar c, DigitFilter filter);
    // Whether an action of the field's context menu is its paste action.
    static bool isPasteAction(const QAction *action);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Span {
        int start;
        int length;
    };

    void insertLimited(const QString &text);
    void moveText(Span dragged, int at);
    int room() const;

    EntrySpec m_spec;
    std::optional<Span> m_dragged; // the text a drag from this field carries
};

} // namespace common
