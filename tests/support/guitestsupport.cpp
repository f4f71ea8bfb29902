#include "support/guitestsupport.h"

#include <memory>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "gui/chrome/mymessagebox.h"

namespace GuiTest {

void WhenShown(const std::function<bool(QWidget *)> &isWanted,
               const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, isWanted, action] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && isWanted(widget)) {
                timer->stop();
                timer->deleteLater();
                action(widget);
                return;
            }
        }
    });
    timer->start();
}

void AnswerNextMessageBox(int result, QString *text)
{
    WhenShown([](QWidget *widget) { return qobject_cast<MyMessageBox *>(widget) != nullptr; },
              [result, text](QWidget *widget) {
                  auto *box = static_cast<MyMessageBox *>(widget);
                  if (text)
                      *text = box->contentText();
                  QPushButton *button =
                      result == MyMessageBox::ResultOk ? box->okButton() : box->cancelButton();
                  button->click();
              });
}

} // namespace GuiTest
