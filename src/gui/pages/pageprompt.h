#pragma once

#include <functional>

#include <QString>

#include "gui/chrome/mymessagebox.h"

class QWidget;

// The message boxes of the table pages (warnings, confirmations). Tests install a handler
// that records the question and answers it instead of a modal box.
// iconType and buttons as MyMessageBox::ShowMessage; returns a MyMessageBox::Result.
using PagePromptHandler =
    std::function<int(const QString &title, const QString &text, int iconType, int buttons)>;

namespace Pages {

int PagePrompt(QWidget *parent, const QString &title, const QString &text, int iconType,
               int buttons);
// An empty handler restores the message box.
void SetPagePromptHandler(const PagePromptHandler &handler);

} // namespace Pages
