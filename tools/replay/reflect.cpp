#include "replay/reflect.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <span>
#include <type_traits>
#include <vector>

namespace vel::replay {
namespace {

template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

template <class T>
bool Bind(T& v, std::span<const std::size_t> idx, FieldRef& out, std::string& error) {
    if constexpr (IsArray<T>::value) {
        if (idx.empty()) {
            error = "is an array: give an index";
            return false;
        }
        if (idx[0] >= v.size()) {
            error = "index " + std::to_string(idx[0]) + " is outside 0.." + std::to_string(v.size() - 1);
            return false;
        }
        return Bind(v[idx[0]], idx.subspan(1), out, error);
    } else {
        if (!idx.empty()) {
            error = "is not an array";
            return false;
        }
        if constexpr (std::is_same_v<T, int32_t>) out = {FieldRef::Type::Int32, &v};
        else if constexpr (std::is_same_v<T, int64_t>) out = {FieldRef::Type::Int64, &v};
        else if constexpr (std::is_same_v<T, double>) out = {FieldRef::Type::Double, &v};
        else if constexpr (std::is_same_v<T, std::string>) out = {FieldRef::Type::String, &v};
        else static_assert(!sizeof(T), "field type without a text form");
        return true;
    }
}

std::string FormatDouble(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

void JsonString(std::ostream& out, const std::string& s) {
    out << '"';
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') out << '\\' << c;
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out << buf;
        } else out << c;
    }
    out << '"';
}

template <class T>
void JsonValue(std::ostream& out, const T& v) {
    if constexpr (IsArray<T>::value) {
        out << '[';
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i) out << ',';
            JsonValue(out, v[i]);
        }
        out << ']';
    } else if constexpr (std::is_same_v<T, double>) {
        out << FormatDouble(v);
    } else if constexpr (std::is_same_v<T, std::string>) {
        JsonString(out, v);
    } else {
        out << v;
    }
}

}  // namespace

std::string FieldRef::text() const {
    switch (type) {
        case Type::Int32: return std::to_string(*static_cast<int32_t*>(ptr));
        case Type::Int64: return std::to_string(*static_cast<int64_t*>(ptr));
        case Type::Double: return FormatDouble(*static_cast<double*>(ptr));
        case Type::String: return *static_cast<std::string*>(ptr);
    }
    return {};
}

std::optional<double> FieldRef::number() const {
    switch (type) {
        case Type::Int32: return *static_cast<int32_t*>(ptr);
        case Type::Int64: return static_cast<double>(*static_cast<int64_t*>(ptr));
        case Type::Double: return *static_cast<double*>(ptr);
        case Type::String: return std::nullopt;
    }
    return std::nullopt;
}

bool FieldRef::assign(std::string_view value) {
    const char* b = value.data();
    const char* e = b + value.size();
    switch (type) {
        case Type::Int32: {
            int32_t v = 0;
            auto r = std::from_chars(b, e, v);
            if (r.ec != std::errc() || r.ptr != e) return false;
            *static_cast<int32_t*>(ptr) = v;
            return true;
        }
        case Type::Int64: {
            int64_t v = 0;
            auto r = std::from_chars(b, e, v);
            if (r.ec != std::errc() || r.ptr != e) return false;
            *static_cast<int64_t*>(ptr) = v;
            return true;
        }
        case Type::Double: {
            double v = 0;
            auto r = std::from_chars(b, e, v);
            if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v)) return false;
            *static_cast<double*>(ptr) = v;
            return true;
        }
        case Type::String: *static_cast<std::string*>(ptr) = std::string(value); return true;
    }
    return false;
}

std::optional<FieldRef> ResolveField(Game& g, std::string_view path, std::string& error) {
    const std::size_t dot = path.find('.');
    if (dot == std::string_view::npos) {
        error = "expected Record.field";
        return std::nullopt;
    }
    const std::string_view record = path.substr(0, dot);
    std::string_view rest = path.substr(dot + 1);
    const std::size_t bracket = rest.find('[');
    const std::string_view field = rest.substr(0, bracket);
    rest = bracket == std::string_view::npos ? std::string_view() : rest.substr(bracket);
    std::vector<std::size_t> indices;
    while (!rest.empty()) {
        const std::size_t close = rest.find(']');
        std::size_t v = 0;
        const bool shaped = rest.front() == '[' && close != std::string_view::npos && close >= 2;
        if (!shaped || std::from_chars(rest.data() + 1, rest.data() + close, v).ptr != rest.data() + close) {
            error = "malformed index";
            return std::nullopt;
        }
        indices.push_back(v);
        rest = rest.substr(close + 1);
    }

    bool recordFound = false, fieldFound = false, bound = false;
    FieldRef out{FieldRef::Type::Int32, nullptr};
    Game::forEachRecord(g, [&](const char* name, auto& rec) {
        if (record != name) return;
        recordFound = true;
        using Rec = std::remove_reference_t<decltype(rec)>;
        Rec::forEachField(rec, [&](const char* fname, auto& value) {
            if (fieldFound || field != fname) return;
            fieldFound = true;
            bound = Bind(value, indices, out, error);
        });
    });
    if (!recordFound) error = "no record " + std::string(record);
    else if (!fieldFound) error = "no field " + std::string(field) + " in " + std::string(record);
    if (!bound) return std::nullopt;
    return out;
}

void DumpJson(const Game& g, std::ostream& out) {
    out << "{\n";
    bool firstRecord = true;
    Game::forEachRecord(g, [&](const char* name, const auto& rec) {
        out << (firstRecord ? "" : ",\n") << "  \"" << name << "\": {";
        firstRecord = false;
        bool firstField = true;
        using Rec = std::remove_cvref_t<decltype(rec)>;
        Rec::forEachField(rec, [&](const char* fname, const auto& value) {
            out << (firstField ? "\n" : ",\n") << "    \"" << fname << "\": ";
            firstField = false;
            JsonValue(out, value);
        });
        out << (firstField ? "}" : "\n  }");
    });
    out << "\n}\n";
}

}  // namespace vel::replay
