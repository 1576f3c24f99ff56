// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourchartwindow.h"

#include "colourcodes.h"
#include "colours.h"
#include "help.h"
#include "swatch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

#include <memory>

namespace {

constexpr quint32 kBackground = 0xC0C0C0; // RGB 192, 192, 192

// Twips. The last column stands closer than the others.
constexpr std::array<int, colourchart::kColumns> kColumnLefts{234, 1521, 2808, 4095, 5382, 6669, 7839};
constexpr std::array<int, colourchart::kRows> kRowTops{234, 702, 1170, 1638, 2106, 2574};
constexpr int kSwatchWidth = 1066;
constexpr int kSwatchHeight = 364;
// The two darkest rows carry white captions.
constexpr int kFirstWhiteRow = 5;

constexpr common::Placement kHint{u"Label43", 234, 3042, 8671, 364};

} // namespace

Form7::Form7()
    : common::Form(QStringLiteral("Form7"), QStringLiteral("VB Farbcode"), 9840, 3585, kBackground)
{
    common::setHelpPage(this, QStringLiteral("vb-farbcode.html"));
    const QString hintText = QStringLiteral("durch Anklicken Farbcode in Zwischenablage");

    for (int number = 1; number <= int(colourchart::kCodes.size()); ++number) {
        const QStringView code = colourchart::kCodes[std::size_t(number - 1)];
        const int column = colourchart::columnOf(number);
        const int row = colourchart::rowOf(number);
        const QColor caption = common::colourFromNumber(row >= kFirstWhiteRow ? common::kWhite : common::kBlack);
        auto *swatch = new Swatch(QStringLiteral("Label%1").arg(number), code.toString(),
                                  common::colourFromNumber(colourchart::colourNumber(code).value_or(0)),
                                  caption, client());
        swatch->setGeometry(common::twipsRect(kColumnLefts[std::size_t(column - 1)],
                                              kRowTops[std::size_t(row - 1)], kSwatchWidth, kSwatchHeight));
        swatch->setAccessibleDescription(hintText);
        connect(swatch, &Swatch::clicked, this, [this, number] { Label_Click(number); });
    }

    QLabel *hint = common::makeLabel(client(), kHint.name.toString(), hintText);
    hint->setAlignment(Qt::AlignCenter);
    hint->setGeometry(common::twipsRect(kHint.left, kHint.top, kHint.width, kHint.height));

    // No swatch holds the focus at opening, so none shows the focus frame
    // until the user tabs to it.
    setFocus();
}

void Form7::Label_Click(int number)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    // Whatever was there goes, pictures included; then only the plain text.
    clipboard->clear();
    auto data = std::make_unique<QMimeData>();
    data->setText(colourchart::kCodes[std::size_t(number - 1)].toString());
    clipboard->setMimeData(data.release());
}
