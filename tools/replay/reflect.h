#pragma once
// Names to fields: "Record.field", "Record.field[i]" or "Record.field[i][j]",
// and the whole state as JSON, from the records' own field lists.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "common/game.h"

namespace vel::replay {

struct FieldRef {
    enum class Type { Int32, Int64, Double, String } type;
    void* ptr;

    std::string text() const;
    // Parses and stores the value; false when it does not fit the type.
    bool assign(std::string_view value);
    // Numeric value (strings: not numeric).
    std::optional<double> number() const;
};

// nullopt with a reason when the path names no field.
std::optional<FieldRef> ResolveField(Game& g, std::string_view path, std::string& error);

void DumpJson(const Game& g, std::ostream& out);

}  // namespace vel::replay
