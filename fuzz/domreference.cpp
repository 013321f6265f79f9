#include "domreference.h"

#include "bookformat.h"
#include "paragraphfiller.h"

#include <QDomDocument>
#include <QDomElement>

namespace {

using Place = BookFormat::Place;

void walk(const QDomElement &element, Place parent, ParagraphFiller *filler)
{
    const Place place = BookFormat::childPlace(parent, element.tagName());
    if (place == Place::Ignored)
        return;
    filler->open(place, [&element](QLatin1String name) {
        return element.hasAttribute(name) ? element.attribute(name) : QString();
    });
    if (BookFormat::readsText(place)) {
        filler->close(place, element.text());
        return;
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        walk(child, place, filler);
    filler->close(place, QString());
}

} // namespace

bool DomReference::read(QIODevice *device, QMap<QString, Paragraph> *paragraphs, QString *failure)
{
    paragraphs->clear();
    QDomDocument document;
    if (!document.setContent(device, failure))
        return false;
    ParagraphFiller filler(paragraphs);
    walk(document.documentElement(), Place::Outside, &filler);
    return true;
}
