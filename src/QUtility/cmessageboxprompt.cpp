#include "cmessageboxprompt.h"

#include <QApplication>
#include <QThread>

#include "mymessagebox.h"

void CMessageBoxPrompt::Information(const QString &title, const QString &text)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    auto show = [title, text]() {
        MyMessageBox::ShowMessage(QApplication::activeWindow(), title, text,
                                  MyMessageBox::IconInformation, MyMessageBox::ButtonOk);
    };
    if (QThread::currentThread() == app->thread())
        show();
    else
        QMetaObject::invokeMethod(app, show, Qt::QueuedConnection);
}

void CMessageBoxPrompt::Install()
{
    static CMessageBoxPrompt prompt;
    SetUserPrompt(&prompt);
}
