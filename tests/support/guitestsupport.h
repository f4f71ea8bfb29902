#pragma once

#include <functional>

#include <QStringList>

class MyMessageBox;
class QWidget;

// Helpers of the widget tests: prompts recorded instead of shown, and answers to the modal
// boxes and dialogs that a slot opens and waits for.
namespace GuiTest {

// Calls the action on the first visible top-level widget that isWanted accepts (polled on
// the event loop), once. Used before a call that runs a modal box or dialog.
void WhenShown(const std::function<bool(QWidget *)> &isWanted,
               const std::function<void(QWidget *)> &action);

// Answers the next message box with MyMessageBox::ResultOk or ResultCancel and records its text.
void AnswerNextMessageBox(int result, QString *text = nullptr);

} // namespace GuiTest
