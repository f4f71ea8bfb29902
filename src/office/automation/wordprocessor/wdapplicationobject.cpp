#include "office/automation/wordprocessor/wdapplicationobject.h"

#include "office/automation/wordprocessor/wddocument.h"
#include "office/automation/wordprocessor/wdobject.h"

WdApplicationObject::WdApplicationObject()
    : m_state(std::make_shared<WdAppState>())
{}

AxResult WdApplicationObject::invoke(const AxCall &call)
{
    AxResult flag = AxResult::unknownMember();
    if (m_state->invokeFlag(call, flag))
        return flag;
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Documents"))
        return AxResult::object(std::make_shared<WdDocumentsObject>(m_state));
    if (call.is("ActiveDocument")) {
        if (!m_state->active)
            return AxResult::failed(QStringLiteral("no document is open"));
        return AxResult::object(WdObject::document(m_state, m_state->active));
    }
    if (call.is("Selection")) {
        // The selection follows whichever document is active when it is used.
        return AxResult::object(WdObject::selection(m_state));
    }
    if (call.is("Quit")) {
        m_state->files.clear();
        m_state->active.reset();
        return AxResult::ok();
    }
    return AxResult::unknownMember();
}

AxResult WdDocumentsObject::invoke(const AxCall &call)
{
    if (call.kind() == AxCall::Put)
        return AxResult::unknownMember();
    if (call.is("Count"))
        return AxResult::ok(m_state->files.size());
    if (call.is("Add")) {
        const QString source = call.arg(0).toString();
        if (source.isEmpty())
            return AxResult::failed(QStringLiteral("a document needs a template"));
        auto document = std::make_shared<WdDocument>();
        QString error;
        if (!document->load(source, &error))
            return AxResult::failed(error);
        m_state->add(document);
        return AxResult::object(WdObject::document(m_state, document));
    }
    return AxResult::unknownMember();
}
