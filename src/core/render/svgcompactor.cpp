// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgcompactor.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace qm {

namespace {

using View = std::string_view;
constexpr auto npos = View::npos;

struct Attribute
{
    View name;
    View value;
};
using Attributes = std::vector<Attribute>;

View trimmed(View v)
{
    const size_t start = v.find_first_not_of(" \t\r\n");
    if (start == npos)
        return {};
    return v.substr(start, v.find_last_not_of(" \t\r\n") - start + 1);
}

// The name="value" pairs of a start tag's text; the generator writes no other form.
Attributes attributesOf(View tag)
{
    Attributes out;
    for (size_t i = 0;;) {
        const size_t eq = tag.find("=\"", i);
        if (eq == npos)
            return out;
        const size_t end = tag.find('"', eq + 2);
        if (end == npos)
            return out;
        out.push_back({trimmed(tag.substr(i, eq - i)), tag.substr(eq + 2, end - eq - 2)});
        i = end + 1;
    }
}

View valueOf(const Attributes &attributes, View name)
{
    for (const Attribute &a : attributes) {
        if (a.name == name)
            return a.value;
    }
    return {};
}

bool isFont(View name)
{
    return name.substr(0, 5) == "font-";
}

// Values that are what the attribute is when absent: nothing up the tree sets them otherwise.
bool isDefault(const Attribute &a)
{
    return ((a.name == "fill-opacity" || a.name == "stroke-opacity") && a.value == "1") ||
           (a.name == "font-weight" && a.value == "400") || (a.name == "font-style" && a.value == "normal") ||
           (a.name == "transform" && a.value == "matrix(1,0,0,1,0,0)");
}

void appendView(QByteArray &out, View v)
{
    out.append(v.data(), static_cast<qsizetype>(v.size()));
}

template <typename Keep> void appendStartTag(QByteArray &out, View element, const Attributes &attributes, Keep keep)
{
    out += '<';
    appendView(out, element);
    for (const Attribute &a : attributes) {
        if (isDefault(a) || !keep(a))
            continue;
        out += ' ';
        appendView(out, a.name);
        out += "=\"";
        appendView(out, a.value);
        out += '"';
    }
}

// One element of a group's content.
struct Child
{
    View element;
    View attributes; // the start tag's text after the name, without its closing "/>" or ">"
    View rest;       // what follows the start tag up to and with the end of the element
    bool selfClosing = false;
};

// The elements of a group with no group inside; false when the content is not what the generator writes.
bool childrenOf(View content, std::vector<Child> &children)
{
    size_t i = 0;
    for (size_t next = content.find('<'); next != npos; next = content.find('<', i)) {
        // Nothing but space between the elements: any text there would be lost.
        if (!trimmed(content.substr(i, next - i)).empty())
            return false;
        i = next;
        const size_t nameEnd = content.find_first_of(" \t\r\n/>", i + 1);
        const size_t tagEnd = content.find('>', i);
        if (nameEnd == npos || tagEnd == npos || content[i + 1] == '/')
            return false;
        Child c;
        c.element = content.substr(i + 1, nameEnd - i - 1);
        c.selfClosing = content[tagEnd - 1] == '/';
        c.attributes = content.substr(nameEnd, tagEnd - nameEnd - (c.selfClosing ? 1 : 0));
        size_t end = tagEnd + 1;
        if (!c.selfClosing) {
            const std::string close = "</" + std::string(c.element) + ">";
            const size_t at = content.find(close, end);
            if (at == npos)
                return false;
            end = at + close.size();
        }
        c.rest = content.substr(tagEnd + 1, end - tagEnd - 1);
        children.push_back(c);
        i = end;
    }
    return trimmed(content.substr(i)).empty();
}

void appendChild(QByteArray &out, const Child &c, const Attributes &attributes, const Attributes &group)
{
    appendStartTag(out, c.element, attributes, [&](const Attribute &a) {
        // What the group holds already is inherited.
        return !isFont(a.name) || valueOf(group, a.name) != a.value;
    });
    out += c.selfClosing ? "/>" : ">";
    appendView(out, c.rest);
    out += '\n';
}

void compactGroup(QByteArray &out, View groupTag, View content)
{
    std::vector<Child> children;
    if (!childrenOf(content, children)) {
        appendView(out, groupTag);
        appendView(out, content);
        out += "</g>";
        return;
    }
    if (children.empty())
        return;
    const Attributes group = attributesOf(groupTag.substr(2, groupTag.size() - 3));
    std::vector<Attributes> childAttributes;
    for (const Child &c : children)
        childAttributes.push_back(attributesOf(c.attributes));
    const auto all = [&](View element) {
        return std::all_of(children.begin(), children.end(), [&](const Child &c) { return c.element == element; });
    };
    // Texts carry their own colour; a used picture needs none.
    const bool texts = all("text") && std::all_of(childAttributes.begin(), childAttributes.end(),
                                                  [](const Attributes &a) { return !valueOf(a, "fill").empty(); });
    const bool uses = all("use");
    const View transform = valueOf(group, "transform");
    if (uses && (transform.empty() || isDefault({"transform", transform}))) {
        for (std::size_t i = 0; i < children.size(); ++i)
            appendChild(out, children[i], childAttributes[i], {});
        return;
    }
    appendStartTag(out, "g", group, [&](const Attribute &a) {
        if (uses)
            return a.name == "transform";
        if (texts)
            return a.name == "transform" || isFont(a.name);
        return !isFont(a.name);
    });
    out += ">\n";
    for (std::size_t i = 0; i < children.size(); ++i)
        appendChild(out, children[i], childAttributes[i], texts ? group : Attributes{});
    out += "</g>\n";
}

} // namespace

QByteArray SvgCompactor::compact(const QByteArray &svg)
{
    const View text(svg.constData(), static_cast<size_t>(svg.size()));
    QByteArray out;
    out.reserve(svg.size() / 2);
    size_t from = 0;
    while (from < text.size()) {
        const size_t open = text.find("<g ", from);
        if (open == npos)
            break;
        const size_t tagEnd = text.find('>', open);
        if (tagEnd == npos)
            break;
        const size_t close = text.find("</g>", tagEnd);
        const size_t inner = text.find("<g ", tagEnd);
        appendView(out, text.substr(from, open - from));
        if (close == npos || (inner != npos && inner < close)) {
            // A group holding groups, such as the drawing's outermost one: kept as it is.
            appendView(out, text.substr(open, tagEnd + 1 - open));
            from = tagEnd + 1;
            continue;
        }
        compactGroup(out, text.substr(open, tagEnd + 1 - open), text.substr(tagEnd + 1, close - tagEnd - 1));
        from = close + 4;
        // The line break after the group was written with it.
        if (from < text.size() && text[from] == '\n')
            ++from;
    }
    appendView(out, text.substr(std::min(from, text.size())));
    return out;
}

} // namespace qm
