#include "useractions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>

namespace testing {

void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
        return;
    }
    QTest::keyClicks(field, text);
}

void typeAppend(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->end(false);
    QTest::keyClicks(field, text);
}

void clearField(QLineEdit *field)
{
    field->setFocus(Qt::MouseFocusReason);
    field->end(false);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

bool pick(QComboBox *combo, const QString &itemText)
{
    const int index = combo->findText(itemText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex modelIndex = view->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(modelIndex);
    const QPoint centre = view->visualRect(modelIndex).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (view->isVisible())
        combo->hidePopup();
    return combo->currentIndex() == index;
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace testing
