#pragma once

#include "core/common/cuserprompt.h"

// Shows the core's information prompts as MyMessageBox information boxes (OK only, modal)
// over the active window. Calls from a worker thread are queued to the GUI thread and shown
// there without waiting.
class CMessageBoxPrompt : public CUserPrompt
{
public:
    void Information(const QString &title, const QString &text) override;

    // Installs the process-wide instance as the core's prompt (GUI thread, at start-up).
    static void Install();
};
