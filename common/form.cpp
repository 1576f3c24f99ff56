// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "colours.h"
#include "help.h"

#include <QApplication>
#include <QChildEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
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
#ifdef Q_OS_WIN
    // Windows has no Liberation Sans Narrow, and its MS Sans Serif is too
    // wide for some captions: the programs bring the font beside them.
    static const bool bundledAdded = [] {
        const QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        for (const QString &file : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(dir.filePath(file));
        return true;
    }();
    Q_UNUSED(bundledAdded)
#endif
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

// The light palette of Qt 6.4's Fusion style, the colours the windows were
// drawn and tested under, fixed here so that no style or desktop changes
// them: each role's colour (0xAARRGGBB) when enabled, active or not, and
// when disabled.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;
    QRgb disabled;
};

constexpr RoleColours kDesignedPalette[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

QPalette designedPalette()
{
    QPalette palette;
    for (const RoleColours &colours : kDesignedPalette) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    // Marking every role as set keeps the desktop's palette from filling in
    // any of them, now or when the desktop changes its colours later.
    palette.setResolveMask(~QPalette::ResolveMask{0});
    return palette;
}

// Under an application style sheet, set by the desktop or with
// -stylesheet, Qt stops handing palette and font down to the widgets it
// styles: they take the application's instead of their parent's. So the
// handing down is done here, for every widget of a client area, inner
// parts and widgets added later included: each widget gets its parent's
// palette and font as its own when it is added and whenever the parent's
// change, with what the widget has changed itself kept on top. Windows
// opened from the area keep the desktop's look.
class LookPin : public QObject
{
    Q_OBJECT

public:
    explicit LookPin(QWidget *client)
        : QObject(client)
    {
        client->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *parent = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::ChildAdded: {
            // The child is being built: so far it is a plain QWidget.
            QObject *added = static_cast<QChildEvent *>(event)->child();
            if (added->isWidgetType() && !static_cast<QWidget *>(added)->isWindow()) {
                handPalette(parent->palette(), static_cast<QWidget *>(added));
                handFont(parent->font(), static_cast<QWidget *>(added));
                added->installEventFilter(this);
            }
            break;
        }
        case QEvent::PaletteChange:
            for (QWidget *child : handedTo(parent, kHandedPalette))
                handPalette(parent->palette(), child);
            break;
        case QEvent::FontChange:
            for (QWidget *child : handedTo(parent, kHandedFont))
                handFont(parent->font(), child);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // What was last handed to a widget, to tell its own settings apart.
    static constexpr const char *kHandedPalette = "elektronikHandedPalette";
    static constexpr const char *kHandedFont = "elektronikHandedFont";

    static QList<QWidget *> handedTo(const QWidget *parent, const char *property)
    {
        QList<QWidget *> children;
        for (QObject *child : parent->children()) {
            if (child->property(property).isValid())
                children << static_cast<QWidget *>(child);
        }
        return children;
    }

    static void handPalette(const QPalette &parentPalette, QWidget *widget)
    {
        QPalette palette = parentPalette;
        if (const QVariant handed = widget->property(kHandedPalette); handed.isValid()) {
            const QPalette own = widget->palette();
            const auto before = handed.value<QPalette>();
            for (int group = 0; group < QPalette::NColorGroups; ++group) {
                for (int role = 0; role < QPalette::NColorRoles; ++role) {
                    const auto g = QPalette::ColorGroup(group);
                    const auto r = QPalette::ColorRole(role);
                    if (own.brush(g, r) != before.brush(g, r))
                        palette.setBrush(g, r, own.brush(g, r));
                }
            }
        }
        palette.setResolveMask(~QPalette::ResolveMask{0});
        widget->setProperty(kHandedPalette, parentPalette);
        widget->setPalette(palette);
    }

    static void handFont(const QFont &parentFont, QWidget *widget)
    {
        const QVariant handed = widget->property(kHandedFont);
        QFont font = handed.isValid() && widget->font() != handed.value<QFont>() ? widget->font() : parentFont;
        font.setResolveMask(QFont::AllPropertiesResolved);
        widget->setProperty(kHandedFont, parentFont);
        widget->setFont(font);
    }
};

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
    client->setPalette(designedPalette());
    setBackground(client, background);
    new LookPin(client);
}

QWidget *makeClientArea(QWidget *window, int widthTwips, int heightTwips, quint32 background)
{
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    pinDesignedLook(client, background);
    client->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    return client;
}

Form::Form(const QString &objectName, const QString &caption, int clientWidthTwips,
           int clientHeightTwips, quint32 background)
    : m_layout(new QVBoxLayout(this))
    , m_client(makeClientArea(this, clientWidthTwips, clientHeightTwips, background))
{
    setObjectName(objectName);
    setWindowTitle(caption);
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

int addCaptionedRow(QGridLayout *grid, QLabel *caption, QWidget *field)
{
    caption->setBuddy(field);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    nameAfter(field, caption);
    return row;
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

#include "form.moc"
