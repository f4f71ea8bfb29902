#include "core/common/cuserprompt.h"

#include <atomic>

#include "core/common/debuglog.h"

namespace {
std::atomic<CUserPrompt *> g_prompt{nullptr};
} // namespace

CUserPrompt::~CUserPrompt() = default;

void Prompts::SetUserPrompt(CUserPrompt *prompt)
{
    g_prompt.store(prompt);
}

CUserPrompt *Prompts::UserPrompt()
{
    return g_prompt.load();
}

void Prompts::ShowUserInformation(const QString &title, const QString &text)
{
    if (CUserPrompt *prompt = g_prompt.load()) {
        prompt->Information(title, text);
        return;
    }
    TQ_LOG << title << ":" << text;
}
