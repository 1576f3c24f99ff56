// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "aboutbox.h"
#include "amplifier1window.h"
#include "amplifier2window.h"
#include "animatedpicture.h"
#include "colours.h"
#include "colourchartwindow.h"
#include "converterlauncher.h"
#include "couplingcapwindow.h"
#include "dividerwindow.h"
#include "form.h"
#include "help.h"
#include "ledresistorwindow.h"
#include "ohmslawwindow.h"
#include "partvalueswindow.h"
#include "resistorcodewindow.h"
#include "warning.h"
#include "wavelengthwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTextEdit>

namespace {

constexpr quint32 kBackground = 0x80FFFF; // RGB 255, 255, 128

constexpr common::Placement kLayout[] = {
    {u"Label1", 2160, 360, 7155, 600},
    {u"Label2", 2280, 1560, 1995, 360},
    {u"AniGif1", 6240, 1080, 3615, 1455},
    {u"Text1", 1320, 2160, 3795, 715},
};

constexpr QStringView kNotice =
    u"Freie Software, Weitergabe erlaubt\n"
    u"und ausdrücklich erwünscht.\n"
    u"Für Fehler wird keine Haftung übernommen!";

using common::Position;

} // namespace

Form3::Form3()
{
    common::setHelpPage(this, QStringLiteral("uebersicht.html"));
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Elektronik Berechnungen"));

    QWidget *client = common::makeClientArea(this, 11310, 3300, kBackground);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const QFont titleFont = common::uiFont(common::Typeface::SansSerif, 16.5, true);
    for (const auto &[name, text] : {std::pair{u"Label1", u"Programm zum Berechnen von Schaltungen"},
                                     std::pair{u"Label2", u"Version 2.0"}}) {
        QLabel *label = common::makeLabel(client, QString::fromUtf16(name), QString::fromUtf16(text));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(titleFont);
    }

    new AnimatedPicture(QStringLiteral("AniGif1"), client);

    auto *notice = new QTextEdit(client);
    notice->setObjectName(QStringLiteral("Text1"));
    notice->setReadOnly(true);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setAcceptRichText(false);
    notice->document()->setDocumentMargin(1);
    notice->setPlainText(kNotice.toString());
    notice->selectAll();
    notice->setAlignment(Qt::AlignCenter);
    notice->moveCursor(QTextCursor::Start);
    notice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice->setAccessibleName(QStringLiteral("Hinweis"));
    QPalette noticePalette = notice->palette();
    noticePalette.setColor(QPalette::Base, common::colourFromNumber(kBackground));
    notice->setPalette(noticePalette);

    common::place(client, kLayout);

    QMenuBar *bar = menuBar();
    common::addMenuKey(bar);
    QMenu *ver = bar->addMenu(QStringLiteral("Verstärker"));
    ver->setObjectName(QStringLiteral("ver"));
    ver->menuAction()->setObjectName(QStringLiteral("ver"));

    const auto item = [this](QWidget *menu, const QString &name, const QString &caption,
                             void (Form3::*handler)()) {
        auto *action = new QAction(caption, menu);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        menu->addAction(action);
    };
    item(ver, QStringLiteral("rcver1"), QStringLiteral("RC-Verstärker 1"), &Form3::rcver1_Click);
    item(ver, QStringLiteral("rcve2"), QStringLiteral("RC-Verstärker 2"), &Form3::rcve2_Click);
    item(bar, QStringLiteral("iur"), QStringLiteral("I-U-R"), &Form3::iur_Click);
    item(bar, QStringLiteral("ein"), QStringLiteral("Einheiten"), &Form3::ein_Click);
    item(bar, QStringLiteral("farb"), QStringLiteral("VB Farbcode"), &Form3::farb_Click);
    item(bar, QStringLiteral("fre"), QStringLiteral("Frequenz-Wellenlänge"), &Form3::fre_Click);
    item(bar, QStringLiteral("koppel"), QStringLiteral("Koppel-C"), &Form3::koppel_Click);
    item(bar, QStringLiteral("farbe"), QStringLiteral("R-Farbcode"), &Form3::farbe_Click);
    // The parts' windows share one menu: the bar has no room for more.
    QMenu *bauteile = bar->addMenu(QStringLiteral("Bauteile"));
    bauteile->setObjectName(QStringLiteral("bauteile"));
    bauteile->menuAction()->setObjectName(QStringLiteral("bauteile"));
    item(bauteile, QStringLiteral("bauteil"), QStringLiteral("Bauteilwerte"), &Form3::bauteil_Click);
    item(bauteile, QStringLiteral("spannung"), QStringLiteral("Spannungsteiler"), &Form3::spannung_Click);
    item(bauteile, QStringLiteral("ledvor"), QStringLiteral("LED-Vorwiderstand"), &Form3::ledvor_Click);

    // Help stays at the right end, after every calculator.
    QMenu *hilfe = bar->addMenu(QStringLiteral("Hilfe"));
    hilfe->setObjectName(QStringLiteral("hilfe"));
    hilfe->menuAction()->setObjectName(QStringLiteral("hilfe"));
    item(hilfe, QStringLiteral("hilfezu"), QStringLiteral("Hilfe zu Elektronik"), &Form3::hilfezu_Click);
    hilfe->actions().constLast()->setShortcut(QKeySequence(Qt::Key_F1));
    item(hilfe, QStringLiteral("ueber"), QStringLiteral("Über Elektronik"), &Form3::ueber_Click);

    Form_Load();
}

void Form3::Form_Load()
{
    auto *animation = findChild<AnimatedPicture *>(QStringLiteral("AniGif1"));
    animation->setBackColour(kBackground);
    animation->play(QStringLiteral("cb-funk.gif"), false);
}

void Form3::rcver1_Click() { common::showModal<Form1>(Position::CentredOverMain, this); }
void Form3::rcve2_Click() { common::showModal<Form5>(Position::SystemDefault, this); }
void Form3::iur_Click() { common::showModal<Form6>(Position::CentredOverMain, this); }
void Form3::farb_Click() { common::showModal<Form7>(Position::SystemDefault, this); }
void Form3::fre_Click() { common::showModal<Form8>(Position::CentredOverMain, this); }
void Form3::koppel_Click() { common::showModal<Form9>(Position::CentredOverMain, this); }
void Form3::farbe_Click() { common::showModal<Form10>(Position::SystemDefault, this); }
void Form3::bauteil_Click() { common::showModal<Form11>(Position::CentredOverMain, this); }
void Form3::spannung_Click() { common::showModal<Form12>(Position::CentredOverMain, this); }
void Form3::ledvor_Click() { common::showModal<Form13>(Position::CentredOverMain, this); }

void Form3::hilfezu_Click() { common::showHelp(this); }

void Form3::ueber_Click()
{
    AboutBox about(this);
    about.exec();
}

void Form3::ein_Click()
{
    if (!startConverter({QCoreApplication::applicationDirPath()}))
        common::warning(this, QStringLiteral("einheiten konnte nicht gestartet werden"));
}
