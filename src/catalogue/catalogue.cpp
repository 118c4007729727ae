#include "catalogue/catalogue.h"

#include "catalogue/catalogue_data.h"

#include <stdexcept>
#include <string_view>

namespace karo::catalogue {

namespace {

// Splits one line of a data file into its fields. A field holding a comma (a designation such
// as "6,5У") is quoted; a quote inside a quoted field is doubled.
std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) {
        throw std::logic_error("catalogue data: unterminated quote in \"" + std::string(line) +
                               "\"");
    }
    return fields;
}

std::string* column(ProfileRow& row, std::string_view name) {
    if (name == "designation")
        return &row.designation;
    if (name == "h")
        return &row.h;
    if (name == "B")
        return &row.B;
    if (name == "b")
        return &row.b;
    if (name == "s")
        return &row.s;
    if (name == "t")
        return &row.t;
    if (name == "R")
        return &row.R;
    if (name == "r")
        return &row.r;
    if (name == "slope")
        return &row.slope;
    if (name == "A")
        return &row.A;
    if (name == "Ix")
        return &row.Ix;
    if (name == "Iy")
        return &row.Iy;
    if (name == "Iu")
        return &row.Iu;
    if (name == "z0")
        return &row.z0;
    if (name == "x0")
        return &row.x0;
    if (name == "y0")
        return &row.y0;
    return nullptr;
}

// "A=19.20;Ix=83.58": the columns and the values a correction replaced.
std::vector<std::pair<std::string, std::string>> replacedValues(std::string_view text,
                                                                const std::string& standard) {
    std::vector<std::pair<std::string, std::string>> out;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        const std::string_view item = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t eq = item.find('=');
        ProfileRow probe;
        if (eq == std::string_view::npos || !column(probe, item.substr(0, eq)))
            throw std::logic_error("catalogue data: " + standard + ": bad replaced value \"" +
                                   std::string(item) + "\"");
        out.emplace_back(item.substr(0, eq), item.substr(eq + 1));
    }
    return out;
}

// One data file: "#" lines are comments (the sources); the first other line,
// "standard,<name>,<kind>", names the standard and the kind of its profiles (the kind's file
// key), the next one names the columns, and every further line is one row of the table.
void readFile(std::string_view text, std::vector<ProfileRow>& out) {
    std::vector<std::string> header;
    std::string standard;
    Kind kind = Kind::Dt;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields = splitFields(line);
        if (standard.empty()) {
            if (fields.size() != 3 || fields[0] != "standard" || fields[1].empty() ||
                !kindFromPrefix(fields[2], kind) || kind == Kind::List)
                throw std::logic_error(
                    "catalogue data: a file does not begin with its standard: \"" +
                    std::string(line) + "\"");
            standard = fields[1];
            continue;
        }
        if (header.empty()) {
            header = std::move(fields);
            continue;
        }
        if (fields.size() != header.size()) {
            throw std::logic_error("catalogue data: " + standard + ": wrong field count in \"" +
                                   std::string(line) + "\"");
        }
        ProfileRow row;
        row.kind = kind;
        row.standard = standard;
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == "computed") {
                row.computed = fields[i] == "1";
            } else if (header[i] == "replaced") {
                row.replaced = replacedValues(fields[i], standard);
            } else if (std::string* target = column(row, header[i])) {
                *target = fields[i];
            } else {
                throw std::logic_error("catalogue data: " + standard + ": unknown column " +
                                       header[i]);
            }
        }
        out.push_back(std::move(row));
    }
}

std::vector<ProfileRow> readAll() {
    std::vector<ProfileRow> all;
    for (const std::string_view file : detail::dataFiles())
        readFile(file, all);
    return all;
}

} // namespace

ProfileRow formerRow(const ProfileRow& row) {
    ProfileRow former = row;
    for (const auto& [name, value] : row.replaced)
        *column(former, name) = value;
    return former;
}

const std::vector<ProfileRow>& rows() {
    static const std::vector<ProfileRow> all = readAll();
    return all;
}

} // namespace karo::catalogue
