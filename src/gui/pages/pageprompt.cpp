#include "gui/pages/pageprompt.h"

namespace {
PagePromptHandler &Handler()
{
    static PagePromptHandler handler;
    return handler;
}
} // namespace

int Pages::PagePrompt(QWidget *parent, const QString &title, const QString &text, int iconType,
                      int buttons)
{
    if (Handler())
        return Handler()(title, text, iconType, buttons);
    return MyMessageBox::ShowMessage(parent, title, text, iconType, buttons);
}

void Pages::SetPagePromptHandler(const PagePromptHandler &handler)
{
    Handler() = handler;
}
