// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "colours.h"
#include "help.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace common {

namespace {

// The first of the families that is installed, alone, or all of them when
// none is. Qt would pick that same family from the whole list, but for a
// font of several families it also asks fontconfig for the fallback fonts
// at the font's first use, which costs about as much as loading the font
// itself; for a font of one family it asks only when a glyph is missing.
QStringList installedFamily(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        // A family with fonts from several foundries is listed once for each
        // as "Family [Foundry]".
        const auto isFamily = [&family](QStringView name) {
            if (!name.startsWith(family, Qt::CaseInsensitive))
                return false;
            const QStringView rest = name.sliced(family.size());
            return rest.isEmpty() || rest.startsWith(u" [");
        };
        if (std::any_of(installed.cbegin(), installed.cend(), isFamily))
            return {family};
    }
    return families;
}

} // namespace

QFont uiFont(Typeface typeface, double points, bool bold)
{
    // Built from the families alone, not from the application font, whose
    // style, stretch or spacing a desktop may have set.
    QFont font{QStringList{}};
    switch (typeface) {
    case Typeface::SansSerif:
        font.setFamilies(installedFamily({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                                          QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}));
        break;
    case Typeface::Arial:
        font.setFamilies(installedFamily({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}));
        break;
    case Typeface::CourierNew:
        font.setFamilies(installedFamily({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")}));
        font.setStyleHint(QFont::Monospace);
        break;
    }
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    // A widget fills the properties a font leaves unset from its parent or
    // the application; marking all as set keeps the desktop's font out.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void pinDesignedLook(QWidget *client, quint32 background)
{
    client->setFont(uiFont(Typeface::SansSerif, 8.25));
    // The standard palette is the one the windows were drawn under. Marking
    // every role as set keeps the desktop's palette from filling in any of
    // them, now or when the desktop changes its colours later.
    QPalette palette = client->style()->standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask{0});
    client->setPalette(palette);
    setBackground(client, background);
}

Form::Form(const QString &objectName, const QString &caption, int clientWidthTwips,
           int clientHeightTwips, quint32 background)
    : m_layout(new QVBoxLayout(this))
    , m_client(new QWidget(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    m_client->setObjectName(QStringLiteral("client"));
    pinDesignedLook(m_client, background);
    m_client->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    addHelpKey(this);
}

Form::Form(const QString &objectName, const QString &caption, quint32 background)
    : Form(objectName, caption, 0, 0, background)
{
    m_client->setMinimumSize(0, 0);
    m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QMenuBar *Form::addMenuBar()
{
    // Outside the client area, the menu bar keeps the desktop's look.
    auto *bar = new QMenuBar(this);
    m_layout->setMenuBar(bar);
    addMenuKey(bar);
    return bar;
}

void addMenuKey(QMenuBar *bar)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(shortcut, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().constFirst());
    });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form::showEvent(QShowEvent *event)
{
    // QDialog centres a window that was never moved, and the window then
    // carries a program-set position that window managers obey.
    QWidget::showEvent(event);
}

void setBackground(QWidget *widget, quint32 colourNumber)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colourFromNumber(colourNumber));
    widget->setPalette(palette);
    // Buttons fill with their Button colour unless told otherwise.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void place(QWidget *client, std::span<const Placement> placements)
{
    for (const Placement &p : placements) {
        auto *widget = client->findChild<QWidget *>(p.name.toString(), Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(widget, "place", qPrintable(p.name.toString()));
        if (!widget)
            continue;
        QRect rect = twipsRect(p.left, p.top, p.width, p.height);
        if (p.height == 0)
            rect.setHeight(widget->sizeHint().height());
        widget->setGeometry(rect);
    }
}

void setFocusOrder(QWidget *client, std::initializer_list<QStringView> names)
{
    QWidget *previous = nullptr;
    for (const QStringView name : names) {
        auto *widget = client->findChild<QWidget *>(name.toString());
        Q_ASSERT_X(widget, "setFocusOrder", qPrintable(name.toString()));
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QLabel *makeLabel(QWidget *parent, const QString &objectName, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    // Captions such as "&H00FFFFFF&" are shown as they are, never as mnemonics.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QComboBox *makeSelector(QWidget *parent, const QString &objectName, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems(items);
    return combo;
}

void nameAfter(QWidget *field, const QLabel *label)
{
    const QString name = label->text().simplified();
    field->setAccessibleName(name);
    // Screen readers announce the typed part of an editable drop-down, not
    // the box around it.
    if (const auto *box = qobject_cast<const QComboBox *>(field); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(name);
}

FixedSelector::FixedSelector(const QString &objectName, const QString &unit, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(objectName);
    addItem(unit);
}

void FixedSelector::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void FixedSelector::keyPressEvent(QKeyEvent *event)
{
    // Only focus movement passes; nothing opens or changes the box.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->ignore();
}

void placeWindow(QWidget &window, Position position, const QWidget *mainWindow)
{
    if (position == Position::SystemDefault)
        return;
    window.adjustSize();
    QRect frame(QPoint(0, 0), window.size());
    if (position == Position::CentredOverMain && mainWindow) {
        frame.moveCenter(mainWindow->geometry().center());
    } else {
        const QScreen *screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        frame.moveCenter(screen->availableGeometry().center());
    }
    window.move(frame.topLeft());
}

} // namespace common
