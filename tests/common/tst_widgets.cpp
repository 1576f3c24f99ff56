// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"
#include "useractions.h"
#include "warning.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void warningBoxForm();
    void recorderTakesMessages();
    void escapeDoesNotClose();
    void clientAreaSize();
    void okButtonHasNoIcon_data();
    void okButtonHasNoIcon();
};

namespace {

// Stands for the styles and desktop themes that give standard dialog
// buttons an icon.
class ButtonIconStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void WidgetsTest::warningBoxForm()
{
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const QString fault = testing::answerWarning([&](const QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(title, QStringLiteral("Achtung"));
    QCOMPARE(text, QStringLiteral("falsche Eingabe"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
}

void WidgetsTest::recorderTakesMessages()
{
    common::WarningRecorder recorder;
    common::warning(nullptr, QStringLiteral("Wert eingeben"));
    QCOMPARE(recorder.take(), QStringList{QStringLiteral("Wert eingeben")});
    QVERIFY(recorder.messages().isEmpty());
}

void WidgetsTest::escapeDoesNotClose()
{
    common::Form form(QStringLiteral("Form"), QStringLiteral("Test"), 1500, 1500, 0xFFFFFF);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
}

void WidgetsTest::clientAreaSize()
{
    common::Form form(QStringLiteral("Form"), QStringLiteral("Test"), 11310, 3300, 0xFFFFFF);
    form.addMenuBar()->addMenu(QStringLiteral("Kennlinien"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.client()->size(), QSize(754, 220));
    QVERIFY(form.client()->y() > 0);
}

void WidgetsTest::okButtonHasNoIcon_data()
{
    QTest::addColumn<bool>("buttonIcons");
    QTest::newRow("Fusion") << false;
    QTest::newRow("style with icons on dialog buttons") << true;
}

void WidgetsTest::okButtonHasNoIcon()
{
    QFETCH(bool, buttonIcons);
    const QString previous = QApplication::style()->name();
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(buttonIcons ? new ButtonIconStyle(fusion) : fusion);
    QVERIFY(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons) == int(buttonIcons));
    bool iconless = false;
    const QString fault = testing::answerWarning([&](const QMessageBox *box) {
        iconless = !box->buttons().isEmpty();
        for (const QAbstractButton *button : box->buttons())
            iconless = iconless && button->icon().isNull();
    });
    QApplication::setStyle(previous);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(iconless);
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
