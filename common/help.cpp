// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVariant>

#include <algorithm>

namespace common {

namespace {

constexpr char kPageProperty[] = "helpPage";
constexpr QStringView kHelpWindowName = u"Hilfe";

// A line length and a page height that read well, in the browser's font.
constexpr int kReadableColumns = 90;
constexpr int kReadableLines = 45;

// The help of one window. It closes when that window is closed: a window's
// child windows would otherwise stay on screen until it is destroyed.
class HelpWindow : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *window)
        : QTextBrowser(window)
    {
        setWindowFlag(Qt::Window);
        setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A minimised window hides spontaneously; its help may stay.
        if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
            close();
        return QTextBrowser::eventFilter(watched, event);
    }
};

QTextBrowser *openHelpOf(const QWidget *window)
{
    return window->findChild<QTextBrowser *>(kHelpWindowName.toString(), Qt::FindDirectChildrenOnly);
}

// Beside the window, on the side with room for it, so both can be seen.
// Where neither side has room, on the side with more, against the screen's
// edge: it then covers as little of the window as it can.
void placeBeside(QWidget *help, const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    help->resize(help->size().boundedTo(room.size() * 9 / 10));
    // Created, the window knows its frame where the platform says it before
    // the window is shown; move() places the frame.
    help->winId();
    const QSize size = help->frameGeometry().size();
    const QRect beside = window->frameGeometry();
    const int roomLeft = beside.left() - room.left();
    const int roomRight = room.right() - beside.right();
    int x = 0;
    if (roomRight >= size.width())
        x = beside.right() + 1;
    else if (roomLeft >= size.width())
        x = beside.left() - size.width();
    else
        x = roomRight >= roomLeft ? room.right() + 1 - size.width() : room.left();
    const int y = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    help->move(x, y);
}

} // namespace

QString helpPage(const QWidget *window)
{
    return window->property(kPageProperty).toString();
}

void setHelpPage(QWidget *window, const QString &page)
{
    window->setProperty(kPageProperty, page);
}

void showHelp(QWidget *window)
{
    if (QTextBrowser *open = openHelpOf(window)) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    auto *help = new HelpWindow(window);
    help->setObjectName(kHelpWindowName.toString());
    help->setWindowTitle(QStringLiteral("Hilfe – ") + window->windowTitle());
    help->setSource(QUrl(QStringLiteral("qrc:/help/") + helpPage(window)));
    const QFontMetrics metrics(help->font());
    help->resize(metrics.averageCharWidth() * kReadableColumns, metrics.lineSpacing() * kReadableLines);
    placeBeside(help, window);
    help->show();
}

void addHelpKey(QWidget *window)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [window] { showHelp(window); });
}

} // namespace common

#include "help.moc"
