#include "office_math.h"

#include "symbol_font.h"
#include "xml_text.h"

namespace karo::report {

namespace {

// Office Math's objects, with their arguments per kind: Fraction {numerator, denominator};
// Scripts {base, subscript, superscript} (an empty list where there is none); Radical
// {degree, radicand}; Brackets {content}; Sum {operand}; Stack {row, row, ...}.
struct MathNode {
    enum class Kind { Text, Fraction, Scripts, Radical, Brackets, Sum, Stack };
    Kind kind = Kind::Text;
    QString text; // Kind::Text
    std::vector<std::vector<MathNode>> parts;
};
using MathList = std::vector<MathNode>;

bool isBlank(const MathList& list) {
    for (const MathNode& node : list)
        if (node.kind != MathNode::Kind::Text || !node.text.trimmed().isEmpty())
            return false;
    return true;
}

void appendText(MathList& list, const QString& text) {
    if (text.isEmpty())
        return;
    if (!list.empty() && list.back().kind == MathNode::Kind::Text) {
        list.back().text += text;
        return;
    }
    MathNode node;
    node.text = text;
    list.push_back(std::move(node));
}

void appendAll(MathList& list, MathList items) {
    for (MathNode& node : items) {
        if (node.kind == MathNode::Kind::Text)
            appendText(list, node.text);
        else
            list.push_back(std::move(node));
    }
}

MathList rowsOf(std::vector<MathList> rows) {
    std::erase_if(rows, isBlank);
    if (rows.empty())
        return {};
    if (rows.size() == 1)
        return std::move(rows.front());
    MathNode stack;
    stack.kind = MathNode::Kind::Stack;
    stack.parts = std::move(rows);
    return {std::move(stack)};
}

// The Σ collects everything after it in its group as its operand.
MathList foldSums(MathList list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        MathNode& node = list[i];
        if (node.kind == MathNode::Kind::Sum && node.parts.empty()) {
            MathList operand(std::make_move_iterator(list.begin() + i + 1),
                             std::make_move_iterator(list.end()));
            list.erase(list.begin() + i + 1, list.end());
            list[i].parts.push_back(foldSums(std::move(operand)));
            break;
        }
    }
    return list;
}

// The Office Math objects of a formula tree; neighbouring texts and Symbol characters join
// into one run.
MathList toMath(const Formula& formula);

// Scripts stack their arguments around the base line: the first half above it, the second
// half below; a middle argument of an odd count stays on the line.
void addScripts(MathList& list, MathList base, const std::vector<Formula>& lists) {
    const std::size_t count = lists.size() - 1;
    const std::size_t half = count / 2;
    std::vector<MathList> upper, lower;
    for (std::size_t i = 0; i < half; ++i) {
        upper.push_back(toMath(lists[1 + i]));
        lower.push_back(toMath(lists[1 + count - half + i]));
    }
    MathList middle;
    if (count % 2 == 1)
        middle = toMath(lists[1 + half]);
    MathList sup = rowsOf(std::move(upper));
    MathList sub = rowsOf(std::move(lower));
    if (!sup.empty() || !sub.empty()) {
        MathNode node;
        node.kind = MathNode::Kind::Scripts;
        node.parts = {std::move(base), std::move(sub), std::move(sup)};
        list.push_back(std::move(node));
    } else {
        appendAll(list, std::move(base));
    }
    appendAll(list, std::move(middle));
}

MathList toMath(const Formula& formula) {
    MathList list;
    for (const FormulaNode& node : formula) {
        MathNode math;
        switch (node.kind) {
        case FormulaNode::Kind::Text:
            appendText(list, node.text);
            continue;
        case FormulaNode::Kind::Symbol:
            if (node.symbol == kSymbolSigma) {
                math.kind = MathNode::Kind::Sum;
                list.push_back(std::move(math));
            } else {
                appendText(list, QString(symbolToUnicode(node.symbol)));
            }
            continue;
        case FormulaNode::Kind::Scripts:
            addScripts(list, toMath(node.parts.front()), node.parts);
            continue;
        case FormulaNode::Kind::Fraction:
            math.kind = MathNode::Kind::Fraction;
            math.parts = {toMath(node.parts[0]), toMath(node.parts[1])};
            break;
        case FormulaNode::Kind::Root:
            math.kind = MathNode::Kind::Radical;
            if (node.parts.size() == 1)
                math.parts = {MathList{}, toMath(node.parts[0])};
            else
                math.parts = {toMath(node.parts[0]), toMath(node.parts[1])};
            break;
        case FormulaNode::Kind::Brackets:
            math.kind = MathNode::Kind::Brackets;
            math.parts = {toMath(node.parts[0])};
            break;
        }
        list.push_back(std::move(math));
    }
    return foldSums(std::move(list));
}

void writeList(XmlWriter& xml, const MathList& list);

void writeArgument(XmlWriter& xml, const QString& element, const MathList& list) {
    xml.writeStartElement(element);
    writeList(xml, list);
    xml.writeEndElement();
}

void writeFlag(XmlWriter& xml, const QString& element) {
    xml.writeEmptyElement(element);
    xml.writeAttribute(QStringLiteral("m:val"), QStringLiteral("1"));
}

void writeRun(XmlWriter& xml, const QString& text) {
    xml.writeStartElement(QStringLiteral("m:r"));
    // Normal text: upright in the document's font, as the equation field itself shows it, and
    // never read as math operators (a "|" or a closing "=" stays what it is).
    xml.writeStartElement(QStringLiteral("m:rPr"));
    xml.writeEmptyElement(QStringLiteral("m:nor"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("m:t"));
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    xml.writeCharacters(xmlSafe(text));
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeNode(XmlWriter& xml, const MathNode& node) {
    switch (node.kind) {
    case MathNode::Kind::Text:
        writeRun(xml, node.text);
        break;
    case MathNode::Kind::Fraction:
        xml.writeStartElement(QStringLiteral("m:f"));
        writeArgument(xml, QStringLiteral("m:num"), node.parts[0]);
        writeArgument(xml, QStringLiteral("m:den"), node.parts[1]);
        xml.writeEndElement();
        break;
    case MathNode::Kind::Scripts: {
        const bool hasSub = !node.parts[1].empty();
        const bool hasSup = !node.parts[2].empty();
        const QString element = hasSub && hasSup ? QStringLiteral("m:sSubSup")
                                : hasSub         ? QStringLiteral("m:sSub")
                                                 : QStringLiteral("m:sSup");
        xml.writeStartElement(element);
        writeArgument(xml, QStringLiteral("m:e"), node.parts[0]);
        if (hasSub)
            writeArgument(xml, QStringLiteral("m:sub"), node.parts[1]);
        if (hasSup)
            writeArgument(xml, QStringLiteral("m:sup"), node.parts[2]);
        xml.writeEndElement();
        break;
    }
    case MathNode::Kind::Radical:
        xml.writeStartElement(QStringLiteral("m:rad"));
        if (node.parts[0].empty()) {
            xml.writeStartElement(QStringLiteral("m:radPr"));
            writeFlag(xml, QStringLiteral("m:degHide"));
            xml.writeEndElement();
        }
        writeArgument(xml, QStringLiteral("m:deg"), node.parts[0]);
        writeArgument(xml, QStringLiteral("m:e"), node.parts[1]);
        xml.writeEndElement();
        break;
    case MathNode::Kind::Brackets:
        xml.writeStartElement(QStringLiteral("m:d"));
        writeArgument(xml, QStringLiteral("m:e"), node.parts[0]);
        xml.writeEndElement();
        break;
    case MathNode::Kind::Sum:
        xml.writeStartElement(QStringLiteral("m:nary"));
        xml.writeStartElement(QStringLiteral("m:naryPr"));
        xml.writeEmptyElement(QStringLiteral("m:chr"));
        xml.writeAttribute(QStringLiteral("m:val"), QStringLiteral("\u2211"));
        xml.writeEmptyElement(QStringLiteral("m:limLoc"));
        xml.writeAttribute(QStringLiteral("m:val"), QStringLiteral("undOvr"));
        writeFlag(xml, QStringLiteral("m:subHide"));
        writeFlag(xml, QStringLiteral("m:supHide"));
        xml.writeEndElement();
        writeArgument(xml, QStringLiteral("m:sub"), {});
        writeArgument(xml, QStringLiteral("m:sup"), {});
        writeArgument(xml, QStringLiteral("m:e"), node.parts.empty() ? MathList{} : node.parts[0]);
        xml.writeEndElement();
        break;
    case MathNode::Kind::Stack:
        xml.writeStartElement(QStringLiteral("m:eqArr"));
        for (const MathList& row : node.parts)
            writeArgument(xml, QStringLiteral("m:e"), row);
        xml.writeEndElement();
        break;
    }
}

void writeList(XmlWriter& xml, const MathList& list) {
    for (const MathNode& node : list)
        writeNode(xml, node);
}

} // namespace

void writeOfficeMath(XmlWriter& xml, const Formula& formula) {
    xml.writeStartElement(QStringLiteral("m:oMath"));
    writeList(xml, toMath(formula));
    xml.writeEndElement();
}

} // namespace karo::report
