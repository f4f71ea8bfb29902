#include "gui/chrome/cmessageboxprompt.h"

#include <QApplication>
#include <QThread>

#include "gui/chrome/mymessagebox.h"

void CMessageBoxPrompt::Information(const QString &title, const QString &text)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    auto show = [title, text]() {
        // A window that is already closed (a message box waiting for deletion) must not own
        // the new box: its deletion would take the new box with it.
        QWidget *owner = QApplication::activeWindow();
        if (owner && !owner->isVisible())
            owner = nullptr;
        MyMessageBox::ShowMessage(owner, title, text, MyMessageBox::IconInformation,
                                  MyMessageBox::ButtonOk);
    };
    if (QThread::currentThread() == app->thread())
        show();
    else
        QMetaObject::invokeMethod(app, show, Qt::QueuedConnection);
}

void CMessageBoxPrompt::Install()
{
    static CMessageBoxPrompt prompt;
    Prompts::SetUserPrompt(&prompt);
}
