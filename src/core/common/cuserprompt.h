#pragma once

#include <QString>

// Information boxes that the core must show. The GUI installs an implementation (a message
// box); without one the text goes to the debug log, so the core never needs a widget.
class CUserPrompt
{
public:
    virtual ~CUserPrompt();
    virtual void Information(const QString &title, const QString &text) = 0;
};

namespace Prompts {

// Installs the prompt (not owned; nullptr removes it). Set once by the GUI thread at start-up.
void SetUserPrompt(CUserPrompt *prompt);
CUserPrompt *UserPrompt();

// Shows the information through the installed prompt, or logs it when there is none.
void ShowUserInformation(const QString &title, const QString &text);

} // namespace Prompts
