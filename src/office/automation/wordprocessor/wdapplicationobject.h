#pragma once

#include <memory>

#include <QList>

#include "office/automation/axappstate.h"
#include "office/automation/axdispatch.h"

class WdDocument;

// The state of one word-processor application instance: its open documents.
struct WdAppState : AxAppState<WdDocument>
{};

// The word-processor server's application object ("word.Application"): Visible,
// DisplayAlerts, Documents, ActiveDocument, Selection, Quit. There is no window: Visible
// is only remembered.
class WdApplicationObject : public AxDispatch
{
public:
    WdApplicationObject();

    QString typeName() const override { return QStringLiteral("Application"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<WdAppState> m_state;
};

// Application.Documents: Add(template) makes a new document from a template package
// (read by content, whatever its extension), Count.
class WdDocumentsObject : public AxDispatch
{
public:
    explicit WdDocumentsObject(std::shared_ptr<WdAppState> state)
        : m_state(std::move(state))
    {}

    QString typeName() const override { return QStringLiteral("Documents"); }
    AxResult invoke(const AxCall &call) override;

private:
    std::shared_ptr<WdAppState> m_state;
};
