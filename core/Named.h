#pragma once

#include <iterator>
#include <string_view>

namespace vlnokres {

// The entry of a table of named values (each with a `name`) that bears this name, or null: the
// command line's and the settings file's words for voices, palettes and examples.
template <typename Table>
constexpr auto entryNamed(const Table &table, std::string_view name) -> decltype(&*std::begin(table))
{
    for (const auto &entry : table)
        if (name == entry.name)
            return &entry;
    return nullptr;
}

} // namespace vlnokres
