// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/Variants.h"

#include <QtGlobal>

#include <array>
#include <string_view>
#include <variant>

namespace orbeta {

// A quantity that is a list of whole numbers (the roads of "1d", the weights
// of "2e").
struct IntList {
    std::array<int, 4> items{};
    int count = 0;
};

// The value of a quantity in one example; monostate when it has none (the
// asked city outside variant 2 of "1d").
using Reading = std::variant<std::monostate, int, float, IntList>;

// How an answer box shows a quantity that the pupil is given.
enum class GivenText {
    Fixed,         // its value with the quantity's decimals
    Plain,         // its value in the plain conversion (" 120")
    WholeMeter,    // "0" until the experiment's meter shows the value
    DecimalMeter,  // "0,0" until the experiment's meter shows the value
};

// Decimals of a solution line that writes the value in the plain conversion.
inline constexpr int kPlainDecimals = -1;

// The widest text an answer box of the usual width shows whole.
inline constexpr std::u16string_view kUsualWidest = u"999,9";

// One quantity of a calculation task: what the answer boxes, the solution
// text, the command line and the printed worksheets say about it.
struct Quantity {
    const char* name = "";              // ASCII name of the legend symbol ("m1", "rho")
    std::u16string_view symbol{};       // as the Sigla font writes it ("má" m₁, "ú" ρ); empty for counters
    std::u16string_view unit{};         // Unicode ("g/cm³", "Ω"); empty for none
    std::u16string_view siglaUnit{};    // Sigla code points ("g/cmĂ", "Ű"); empty when the same as unit
    std::u16string_view label{};        // the name in a solution line ("Hustota")
    int decimals = 0;                   // of the solution line and a Fixed box; kPlainDecimals
    int box = 0;                        // answer box 1 to 6, 0 for none
    std::u16string_view widest = kUsualWidest; // the widest text its box shows or takes over the generator's ranges
    GivenText given = GivenText::Fixed;
    int hintLine = 0;                   // hint text line, the box's tool tip; 0 for none
    Variants asked{};                   // the variants in which the pupil must find it
    bool inTable = false;               // a row of the task's table: the pupil answers by marking the row
    Reading (*read)(const ExampleValues&) = nullptr;

    bool askedIn(const CalcExample& example) const { return asked.contains(example.asked); }
    std::u16string_view unitInSigla() const { return siglaUnit.empty() ? unit : siglaUnit; }
};

namespace detail {
template <class>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
};
} // namespace detail

// The values of an example's task. A task's tables and rules read only the
// values its own generation stored, so the alternative is always there; the
// check keeps the rules core free of std::get's exception.
template <class Values>
const Values& valuesOf(const ExampleValues& values)
{
    Q_ASSERT(std::holds_alternative<Values>(values));
    return *std::get_if<Values>(&values);
}

// The reader of a quantity kept in a member of the task's values.
template <auto member>
Reading field(const ExampleValues& values)
{
    using Values = typename detail::MemberOf<decltype(member)>::Class;
    return Reading(valuesOf<Values>(values).*member);
}

} // namespace orbeta
