// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "geometry.h"

#include <QComboBox>
#include <QDialog>
#include <QFont>

#include <initializer_list>
#include <span>

class QGridLayout;
class QLabel;
class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace common {

// The typefaces the windows were drawn with, mapped to free families that
// are installed with the programs.
enum class Typeface {
    SansSerif,  // "MS Sans Serif"
    Arial,      // "Arial"
    CourierNew, // "Courier New"
};

// A font of the given typeface at a size in points taken at 96 dpi, so the
// layout does not change with the screen's DPI setting. Every property of
// the font is set, so a widget given it takes nothing from the application
// font a desktop sets.
QFont uiFont(Typeface typeface, double points, bool bold = false);

// Gives a window's client area the look the window was drawn with, whatever
// colours, font, style sheet and style the desktop sets: the font MS Sans
// Serif 8.25 pt and one complete palette, the light palette of Qt 6.4's
// Fusion style with the background colour (colour number, 0x00BBGGRR) laid
// over it. The controls inherit both, also under an application style
// sheet; what lies outside the client area, such as the menu bar, the
// menus, tooltips and warning boxes, keeps the desktop's look. Call it
// before creating the controls: a control that changes a colour of its own
// copies the palette it has at that moment.
void pinDesignedLook(QWidget *client, quint32 background);

// A window's client area: the child "client" of `window`, fixed at the
// given size in twips, in the designed look (pinDesignedLook) on the
// background colour (colour number, 0x00BBGGRR). The window puts it into
// its layout.
QWidget *makeClientArea(QWidget *window, int widthTwips, int heightTwips, quint32 background);

// A calculator window: a fixed-size client area of the given size in twips
// below an optional menu bar, in the designed look (pinDesignedLook) with a
// background colour (colour number, 0x00BBGGRR). Controls are children of
// client(). Esc does not close it and Enter presses no button: the windows
// have neither default nor cancel buttons. F1 opens its help (help.h).
// It opens where placeWindow() puts it; left unplaced, it opens where the
// window manager puts new windows.
class Form : public QDialog
{
    Q_OBJECT

public:
    Form(const QString &objectName, const QString &caption, int clientWidthTwips,
         int clientHeightTwips, quint32 background);
    // A window laid out with Qt layouts: its client area takes the size its
    // layout asks for, so every caption fits at any scale factor.
    Form(const QString &objectName, const QString &caption, quint32 background);

    QWidget *client() const { return m_client; }
    // Creates the window's menu bar above the client area.
    QMenuBar *addMenuBar();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QVBoxLayout *m_layout;
    QWidget *m_client;
};

// F10 opens the first menu of a menu bar, so the menus can be reached by
// keyboard on every desktop.
void addMenuKey(QMenuBar *bar);

// Sets a widget's background colour (colour number, 0x00BBGGRR).
void setBackground(QWidget *widget, quint32 colourNumber);

// Places the named children of `client` as the table says (twips).
void place(QWidget *client, std::span<const Placement> placements);

// The named control of a window's client area.
template <typename T>
T *child(const QWidget *client, QStringView name)
{
    return client->findChild<T *>(name.toString(), Qt::FindDirectChildrenOnly);
}

// Sets the keyboard focus order of the named children of `client`.
void setFocusOrder(QWidget *client, std::initializer_list<QStringView> names);

QLabel *makeLabel(QWidget *parent, const QString &objectName, const QString &text);
// A push button that is never a default button.
QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &text);
// A list-only selector: the user picks one of the items and cannot type.
QComboBox *makeSelector(QWidget *parent, const QString &objectName, const QStringList &items);

// The accessible name of a field or selector, and of an editable
// selector's typed part, is the caption of the label beside it.
void nameAfter(QWidget *field, const QLabel *label);

// Puts `caption` and `field` side by side in a new last row of `grid` (the
// windows built with layouts): the caption is the field's buddy and its
// screen-reader name. Returns the row.
int addCaptionedRow(QGridLayout *grid, QLabel *caption, QWidget *field);

// A locked box that shows one fixed unit; it cannot be opened or changed.
class FixedSelector : public QComboBox
{
    Q_OBJECT

public:
    FixedSelector(const QString &objectName, const QString &unit, QWidget *parent);
    void showPopup() override {}

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// Where a window opens.
enum class Position {
    CentredOverMain,
    CentredOnScreen,
    SystemDefault,
};

void placeWindow(QWidget &window, Position position, const QWidget *mainWindow);

// Builds a fresh window of type F from `arguments`, places it and shows it
// modally, returning when the user has closed it. No owner window: the
// window is modal to the whole application.
template <typename F, typename... Arguments>
void showModal(Position position, const QWidget *mainWindow, const Arguments &...arguments)
{
    F form(arguments...);
    placeWindow(form, position, mainWindow);
    form.exec();
}

} // namespace common
