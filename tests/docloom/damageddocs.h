#pragma once

#include <QByteArray>
#include <QVector>

// Damaged variants of one good document, for the readers' refusal tests.

struct DocVariant
{
    QByteArray name;
    QByteArray content;
    bool accepted;
};

/// \a doc has no XML declaration, its root start tag holds no ">" in its
/// values, and its elements nest \a depth deep.
inline QVector<DocVariant> docVariants(const QByteArray& doc, int depth)
{
    const int rootEnd = doc.indexOf('>');
    const auto atRoot = [&](const QByteArray& text) {
        return QByteArray(doc).insert(rootEnd, text);
    };
    const auto wrapped = [&](int levels) {
        return QByteArray("<x>").repeated(levels) + doc + QByteArray("</x>").repeated(levels);
    };
    const QByteArray entityUse = atRoot("><extra>&e;</extra");
    return {
        {"whole", doc, true},
        {"unknown elements and attributes", atRoot(" x='1'><extra a='1'><more/>t</extra"), true},
        {"nested 32 deep", wrapped(32 - depth), true},
        {"nested 33 deep", wrapped(33 - depth), false},
        {"cut in the middle", doc.left(doc.size() / 2), false},
        {"cut before the root's end", doc.left(doc.lastIndexOf("</")), false},
        {"unbalanced", atRoot("><open"), false},
        {"a second root", doc + doc, false},
        {"doctype", "<!DOCTYPE x>" + doc, false},
        {"doctype with an entity", "<!DOCTYPE x [<!ENTITY e 'y'>]>" + entityUse, false},
        {"undeclared entity", entityUse, false},
        {"control character", atRoot("><extra>\x01</extra"), false},
    };
}
