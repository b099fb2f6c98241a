#pragma once
// The component record: where a resistor, inductor or capacitor stands in the drawing, its
// branch and its value. The drawing moves it, the network file stores it, the analysis numbers it.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace volmira {

inline constexpr int kMaxComponents = 80;  // the component table; error 5 from the 81st on

enum class ComponentKind : std::uint8_t { Resistor = 1, Inductor = 2, Capacitor = 3 };

struct Component {
    std::uint8_t row = 0;  // the component letter's cell
    std::uint8_t column = 0;
    std::uint8_t code = 0;    // SymbolCode: 1..3 horizontal, 7..9 vertical
    std::uint8_t branch = 0;  // 1-based
    std::string name;         // "R 1", "L 2", "C 1"
    double value = 0;         // SI base unit; 0 = not entered
    std::string valueText;    // as shown in the value list, at most 14 characters

    ComponentKind kind() const { return static_cast<ComponentKind>(code > 6 ? code - 6 : code); }
};

// Component records with their count (at most 80).
struct ComponentTable {
    int count = 0;
    std::array<Component, kMaxComponents> records{};

    std::span<const Component> view() const { return {records.data(), std::size_t(count)}; }
    std::span<Component> view() { return {records.data(), std::size_t(count)}; }
};

}  // namespace volmira
