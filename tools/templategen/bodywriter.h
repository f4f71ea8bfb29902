#pragma once

#include <QByteArray>
#include <QDomElement>
#include <QString>
#include <QStringList>
#include <QXmlStreamWriter>

// Expands the readable report layout (report-templates/report.xml, labels already
// substituted) into word/document.xml.
//
// Layout elements:
//   <section margins="top right bottom left" landscape="1" header="1" start="1">
//       a page section; header="1" references the header and footer parts
//   <h1>, <h2>, <p style= align= >   paragraphs; inline <b>, <bm name=>, <br/>, <tab/>
//   <toc bookmark=>                   the table-of-contents field inside a bookmark
//   <pagebreak/>
//   <img name= w= h=/>, <chart id= w= h=/>   inline shapes (sizes in points)
//   <table grid="twips..." bookmark= font=>  with <tr cells="a|b" spans="1 2" h= head=>,
//       <tr><td span= vm= fill= align=>..</td></tr>, and <group cells="x|y"> around rows:
//       the group's cells lead each of its rows, merged vertically.
class BodyWriter
{
public:
    // The document part, or an empty array with the reason in *error.
    QByteArray write(const QDomElement &report, QString *error);
    // Picture names used by <img>, in order of appearance.
    const QStringList &pictures() const { return m_pictures; }

private:
    void section(const QDomElement &section, bool last);
    void block(const QDomElement &element);
    void paragraph(const QDomElement &element, const QString &style);
    void paragraphProperties(const QString &style, const QString &align, bool pageBreak);
    void inlineContent(const QDomNode &parent, bool bold);
    void run(const QString &text, bool bold);
    void table(const QDomElement &element);
    struct Lead
    {
        QString text;
        bool fresh = true;
    };
    void rows(const QDomElement &parent, QList<Lead> &lead, const QList<int> &grid);
    void row(const QDomElement &tr, QList<Lead> &lead, const QList<int> &grid);
    void cell(const QDomElement *td, const QString &text, int width, int span,
              const QString &vmerge, bool head);
    void drawing(const QString &id, double width, double height, bool chart, const QString &name);
    void sectionProperties(const QDomElement &section);
    void fail(const QString &message);

    QXmlStreamWriter m_xml;
    QStringList m_pictures;
    QString m_error;
    int m_bookmark = 0;
    int m_drawing = 1;
    int m_runSize = 0; // half points; 0 for the style's size
};
