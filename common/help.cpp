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
#include <cstring>

namespace common {

namespace {

// Which document explains which window, by the window's class.
struct HelpPage {
    const char *windowClass;
    QStringView document;
};

constexpr HelpPage kPages[] = {
    {"Form3", u"uebersicht.html"},
    {"Form1", u"verstaerker1.html"},
    {"Form5", u"verstaerker2.html"},
    {"Form6", u"iur.html"},
    {"Form7", u"vb-farbcode.html"},
    {"Form8", u"frequenz-wellenlaenge.html"},
    {"Form9", u"koppel-c.html"},
    {"Form10", u"r-farbcode.html"},
    {"Form11", u"bauteilwerte.html"},
    {"converter::Form1", u"einheiten.html"},
};

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
void placeBeside(QWidget *help, const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    help->resize(help->size().boundedTo(room.size() * 9 / 10));
    const QRect beside = window->frameGeometry();
    QPoint at(beside.right() + 1, beside.top());
    if (at.x() + help->width() > room.right())
        at.setX(beside.left() - help->width());
    if (at.x() < room.left())
        return;
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - help->height())));
    help->move(at);
}

} // namespace

QString helpPage(const QWidget *window)
{
    const QString set = window->property(kPageProperty).toString();
    if (!set.isEmpty())
        return set;
    const char *windowClass = window->metaObject()->className();
    for (const HelpPage &page : kPages) {
        if (std::strcmp(page.windowClass, windowClass) == 0)
            return page.document.toString();
    }
    return {};
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
