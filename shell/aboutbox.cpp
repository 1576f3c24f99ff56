// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox.h"

namespace {

// From the build: the project's version, and the source's address, empty
// while the build still has the placeholder.
constexpr QStringView kVersion = u"" ELEKTRONIK_VERSION;
constexpr QStringView kSourceUrl = u"" ELEKTRONIK_SOURCE_URL;

constexpr QStringView kWhat = u"Rechner für elektronische Schaltungen: Verstärkerstufen, Ohmsches Gesetz, "
                              u"Koppelkondensator, Widerstands-Farbcode, Frequenz und Wellenlänge.";
constexpr QStringView kCopyright = u"Copyright © 2026 The Elektronik developers";
// The German wording of the notice the licence asks a program to show.
constexpr QStringView kLicence =
    u"Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public "
    u"License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, "
    u"entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version "
    u"(GPL-3.0-or-later).";
constexpr QStringView kNoWarranty =
    u"Die Veröffentlichung dieses Programms erfolgt in der Hoffnung, dass es Ihnen von Nutzen sein wird, "
    u"aber OHNE IRGENDEINE GARANTIE, sogar ohne die implizite Garantie der MARKTREIFE oder der "
    u"VERWENDBARKEIT FÜR EINEN BESTIMMTEN ZWECK. Details finden Sie in der GNU General Public License.";

QString paragraph(QStringView text)
{
    return QStringLiteral("<p>") + text.toString().toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QMessageBox(parent)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("Über Elektronik"));
    setIcon(QMessageBox::NoIcon);
    setStandardButtons(QMessageBox::Ok);
    setTextFormat(Qt::RichText);
    setText(QStringLiteral("<h3>Elektronik %1</h3>").arg(kVersion.toString().toHtmlEscaped()));
    // The Qt it runs on, which may be newer than the one it was built with.
    const QString runsOn = QStringLiteral("Läuft mit Qt %1.").arg(QString::fromLatin1(qVersion()));
    QString details = paragraph(kWhat) + paragraph(runsOn) + paragraph(kCopyright) + paragraph(kLicence)
        + paragraph(kNoWarranty);
    if (!kSourceUrl.isEmpty()) {
        const QString url = kSourceUrl.toString().toHtmlEscaped();
        details += QStringLiteral("<p>Quelltext: <a href=\"%1\">%1</a></p>").arg(url);
    }
    setInformativeText(details);
}
