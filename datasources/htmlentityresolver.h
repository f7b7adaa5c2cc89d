#pragma once
// Feeds often carry HTML's named entities (&nbsp;, &mdash;) that XML does not define. Resolving them keeps such
// a feed readable as XML instead of sending it through the HTML repair, which does not keep feed elements.

#include <QXmlStreamEntityResolver>

class HtmlEntityResolver : public QXmlStreamEntityResolver {
public:
    // The character of a known HTML entity name (case-sensitive, as in HTML); an empty text for any other.
    QString resolveUndeclaredEntity(const QString& name) override;
};
