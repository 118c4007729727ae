#include "officemath.h"

#include "symbolfont.h"
#include "xmltext.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>

namespace karo::report {

namespace {

constexpr int kSigmaSymbol = 83;

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

// The element a script attaches to: the object just before it, or the last word, number,
// parenthesised group or sign of the text before it.
MathList takeBase(MathList& list) {
    if (list.empty())
        return {};
    if (list.back().kind != MathNode::Kind::Text) {
        MathList base{std::move(list.back())};
        list.pop_back();
        return base;
    }
    QString& text = list.back().text;
    qsizetype start = -1;
    if (text.endsWith(QLatin1Char(')'))) {
        int depth = 0;
        for (qsizetype i = text.size() - 1; i >= 0; --i) {
            if (text.at(i) == QLatin1Char(')'))
                ++depth;
            else if (text.at(i) == QLatin1Char('(') && --depth == 0) {
                start = i;
                break;
            }
        }
    }
    if (start < 0) {
        static const QRegularExpression token(
            QStringLiteral(R"((?:\d+(?:\.\d+)?(?:E[+-]?\d+)?|\p{L}+|\S)$)"));
        const QRegularExpressionMatch match = token.match(text);
        if (!match.hasMatch())
            return {};
        start = match.capturedStart();
    }
    MathList base;
    appendText(base, text.mid(start));
    text.truncate(start);
    if (text.isEmpty())
        list.pop_back();
    return base;
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

class EquationParser {
  public:
    explicit EquationParser(const QString& code) : m_code(code) {}

    MathList parse() {
        static const QRegularExpression prefix(QStringLiteral(R"(^\s*eq(?:\s+|$))"),
                                               QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = prefix.match(m_code);
        m_pos = match.hasMatch() ? match.capturedEnd() : 0;
        return parseList(false);
    }

  private:
    // Reads up to the end of the code or, inside an argument, up to its ";" or ")".
    // Parentheses typed as text inside an argument are kept in pairs.
    MathList parseList(bool inArgument) {
        MathList list;
        int depth = 0;
        while (m_pos < m_code.size()) {
            const QChar c = m_code.at(m_pos);
            if (inArgument && depth == 0 && (c == QLatin1Char(';') || c == QLatin1Char(')')))
                break;
            if (c == QLatin1Char('\\')) {
                readSwitch(list);
                continue;
            }
            if (c == QLatin1Char('[') && readSymbol(list))
                continue;
            if (c == QLatin1Char('('))
                ++depth;
            else if (c == QLatin1Char(')') && depth > 0)
                --depth;
            appendText(list, QString(c));
            ++m_pos;
        }
        return foldSums(std::move(list));
    }

    std::vector<MathList> parseArguments() {
        std::vector<MathList> arguments;
        for (;;) {
            arguments.push_back(parseList(true));
            if (m_pos >= m_code.size())
                break; // an unclosed switch ends with the code
            const QChar separator = m_code.at(m_pos++);
            if (separator == QLatin1Char(')'))
                break;
        }
        return arguments;
    }

    bool readSymbol(MathList& list) {
        const qsizetype close = m_code.indexOf(QLatin1Char(']'), m_pos + 1);
        if (close < 0 || close - m_pos - 1 < 1 || close - m_pos - 1 > 3)
            return false;
        bool ok = false;
        const int code = m_code.mid(m_pos + 1, close - m_pos - 1).toInt(&ok);
        if (!ok || !isSymbolCode(code) || !m_code.at(m_pos + 1).isDigit())
            return false;
        m_pos = close + 1;
        if (code == kSigmaSymbol) {
            MathNode sum;
            sum.kind = MathNode::Kind::Sum;
            list.push_back(std::move(sum));
        } else {
            appendText(list, QString(symbolToUnicode(code)));
        }
        return true;
    }

    void readSwitch(MathList& list) {
        qsizetype p = m_pos + 1;
        while (p < m_code.size() && m_code.at(p).isLetter() && m_code.at(p).unicode() < 0x80)
            ++p;
        const QString name = m_code.mid(m_pos + 1, p - m_pos - 1).toLower();
        if (name.isEmpty()) {
            // "\x" for any other x types x itself.
            appendText(list, p < m_code.size() ? QString(m_code.at(p)) : QStringLiteral("\\"));
            m_pos = qMin(p + 1, m_code.size());
            return;
        }
        if (p >= m_code.size() || m_code.at(p) != QLatin1Char('(')) {
            appendText(list, m_code.mid(m_pos, p - m_pos));
            m_pos = p;
            return;
        }
        m_pos = p + 1;
        std::vector<MathList> arguments = parseArguments();
        arguments.resize(std::max<std::size_t>(arguments.size(), 1));

        MathNode node;
        if (name == QLatin1String("f")) {
            arguments.resize(std::max<std::size_t>(arguments.size(), 2));
            node.kind = MathNode::Kind::Fraction;
            node.parts = {std::move(arguments[0]), std::move(arguments[1])};
        } else if (name == QLatin1String("r")) {
            node.kind = MathNode::Kind::Radical;
            if (arguments.size() == 1)
                node.parts = {MathList{}, std::move(arguments[0])};
            else
                node.parts = {std::move(arguments[0]), std::move(arguments[1])};
        } else if (name == QLatin1String("b")) {
            node.kind = MathNode::Kind::Brackets;
            node.parts.resize(1);
            for (std::size_t i = 0; i < arguments.size(); ++i) {
                if (i > 0)
                    appendText(node.parts[0], QStringLiteral(";"));
                appendAll(node.parts[0], std::move(arguments[i]));
            }
        } else if (name == QLatin1String("s")) {
            addScripts(list, std::move(arguments));
            return;
        } else {
            // Switches without a math counterpart show their arguments in a row.
            for (MathList& argument : arguments)
                appendAll(list, std::move(argument));
            return;
        }
        list.push_back(std::move(node));
    }

    // \s(a;b;...) stacks its arguments around the base line: the first half above it, the
    // second half below; a middle argument of an odd count stays on the line.
    void addScripts(MathList& list, std::vector<MathList> arguments) {
        const std::size_t count = arguments.size();
        const std::size_t half = count / 2;
        std::vector<MathList> upper(std::make_move_iterator(arguments.begin()),
                                    std::make_move_iterator(arguments.begin() + half));
        std::vector<MathList> lower(std::make_move_iterator(arguments.end() - half),
                                    std::make_move_iterator(arguments.end()));
        MathList middle;
        if (count % 2 == 1)
            middle = std::move(arguments[half]);
        MathList sup = rowsOf(std::move(upper));
        MathList sub = rowsOf(std::move(lower));
        if (!sup.empty() || !sub.empty()) {
            MathNode node;
            node.kind = MathNode::Kind::Scripts;
            node.parts = {takeBase(list), std::move(sub), std::move(sup)};
            list.push_back(std::move(node));
        }
        appendAll(list, std::move(middle));
    }

    const QString& m_code;
    qsizetype m_pos = 0;
};

void writeList(QXmlStreamWriter& xml, const MathList& list);

void writeArgument(QXmlStreamWriter& xml, const QString& element, const MathList& list) {
    xml.writeStartElement(element);
    writeList(xml, list);
    xml.writeEndElement();
}

void writeFlag(QXmlStreamWriter& xml, const QString& element) {
    xml.writeEmptyElement(element);
    xml.writeAttribute(QStringLiteral("m:val"), QStringLiteral("1"));
}

void writeRun(QXmlStreamWriter& xml, const QString& text) {
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

void writeNode(QXmlStreamWriter& xml, const MathNode& node) {
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

void writeList(QXmlStreamWriter& xml, const MathList& list) {
    for (const MathNode& node : list)
        writeNode(xml, node);
}

} // namespace

MathList parseEquation(const QString& code) {
    return EquationParser(code).parse();
}

void writeOfficeMath(QXmlStreamWriter& xml, const QString& code) {
    xml.writeStartElement(QStringLiteral("m:oMath"));
    writeList(xml, parseEquation(code));
    xml.writeEndElement();
}

} // namespace karo::report
