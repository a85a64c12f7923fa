#include "calc/machine_table.hpp"

#include "runtime/charconv.hpp"

#include <array>
#include <charconv>
#include <cstddef>

namespace calc {
namespace {

std::string numberText(const MachineCell& cell) {
    if (const auto* count = std::get_if<std::int64_t>(&cell.value)) {
        return std::to_string(*count);
    }
    return exactNumber(std::get<double>(cell.value), ".");
}

} // namespace

std::string exactNumber(double value, std::string_view decimalSeparator) {
    std::array<char, 32> written;
    const char* const end = runtime::toChars(written.data(), written.data() + written.size(), value,
                                             std::chars_format::general, 17)
                                .ptr;
    std::string text;
    for (const char* c = written.data(); c != end; ++c) {
        if (*c == '.') {
            text += decimalSeparator;
        } else {
            text += *c;
        }
    }
    return text;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

std::string jsonString(std::string_view text) {
    constexpr std::string_view hex = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

MachineTable::MachineTable(std::ostream& out, OutputFormat format,
                           std::span<const std::string_view> columns)
    : MachineTable([&out](std::string_view text) { out << text; }, format, columns) {}

MachineTable::MachineTable(std::string& text, OutputFormat format,
                           std::span<const std::string_view> columns)
    : MachineTable([&text](std::string_view piece) { text += piece; }, format, columns) {}

MachineTable::MachineTable(std::function<void(std::string_view)> emit, OutputFormat format,
                           std::span<const std::string_view> columns)
    : emit_(std::move(emit)), json_(format == OutputFormat::Json) {
    if (json_) {
        for (const std::string_view name : columns) {
            keys_.push_back(jsonString(name) + ':');
        }
        emit_("[\n");
        return;
    }
    std::string header;
    for (const std::string_view name : columns) {
        header += header.empty() ? "" : ",";
        header += csvField(name);
    }
    header += '\n';
    emit_(header);
}

void MachineTable::write(std::initializer_list<MachineCell> cells) {
    std::string line;
    std::size_t column = 0;
    for (const MachineCell& cell : cells) {
        if (json_) {
            line += column == 0 ? "{" : ",";
            line += keys_.at(column);
        } else {
            line += column == 0 ? "" : ",";
        }
        line += numberText(cell);
        ++column;
    }
    if (!json_) {
        line += '\n';
        emit_(line);
        return;
    }
    if (!pending_.empty()) {
        emit_(pending_ + ",\n");
    }
    pending_ = line + '}';
}

void MachineTable::finish(bool complete) {
    if (!pending_.empty()) {
        emit_(pending_ + '\n');
        pending_.clear();
    }
    if (json_ && complete) {
        emit_("]\n");
    }
}

} // namespace calc
